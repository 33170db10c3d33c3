// The QSOs of an entry in log-sheet order, each composed row paired with the retrieved QSO it came
// from, for the text exports that need the year, the mode and the frequency the rows do not carry.
#pragma once

#include "document/CKorvaneDoc.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class ElectronicLogQsos {
public:
    // A sent or received column as the electronic logs write it: the report, then the number.
    struct Exchange {
        std::string report;
        std::string number;
    };

    struct Qso {
        int band = 0;
        LogRow row;
        std::optional<QsoItem> item; // empty when the QSO list holds no QSO for the row

        Exchange sent() const { return split(row.sent, row.sentReportBytes); }
        Exchange received() const { return split(row.received, row.receivedReportBytes); }
        // The record number, or 0 for a row without its QSO.
        int recordNumber() const { return item ? item->recordNumber : 0; }
    };

    // Hands each QSO to visit, band after band (0..15), each band's rows in retrieval order, until
    // visit returns false. Retrieval keeps the QSO list and the rows in step, so the k-th row of a
    // band belongs to the k-th QSO that the list has on the band.
    static void forEach(const CKorvaneDoc& doc, const std::function<bool(const Qso&)>& visit);

    // The record numbers of the listed QSOs on no band: the log library knew no band for their
    // frequency, so they have no row.
    static std::vector<int> unfiledRecords(const CKorvaneDoc& doc);
    // The warning these QSOs are listed under (CP932).
    static const std::string& unfiledWarning();

    // A column cut where its first component ended (reportBytes): the report without blanks
    // around it, and the number with no blank at all, whatever blanks the rules wrote.
    static Exchange split(std::string_view column, std::size_t reportBytes);
};
