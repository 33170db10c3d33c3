// The QSOs of an entry in log-sheet order, each composed row paired with the retrieved QSO it came
// from, for the text exports that need the year and the mode the rows do not carry.
#pragma once

#include "CKorvaneDoc.h"

#include <string_view>
#include <vector>

class ElectronicLogQsos {
public:
    struct Qso {
        int band = 0;
        const LogRow* row = nullptr;
        const QsoItem* item = nullptr; // null when the QSO list holds no QSO for the row
    };

    // Band after band (0..15), each band's rows in retrieval order. Retrieval keeps the QSO list
    // and the rows in step, so the k-th row of a band belongs to the k-th QSO of the list that
    // carries the band's label. The pointers refer into doc.
    static std::vector<Qso> collect(const CKorvaneDoc& doc);

    // The year of a record date (YYMMDD): 00-79 are 2000-2079, 80-99 are 1900-1999; -1 when the
    // date does not start with two digits.
    static int fullYear(std::string_view recordDate);
};
