// The QSOs of an entry in log-sheet order, each composed row paired with the retrieved QSO it came
// from, for the text exports that need the year and the mode the rows do not carry.
#pragma once

#include "document/CKorvaneDoc.h"

#include <functional>
#include <optional>

class ElectronicLogQsos {
public:
    struct Qso {
        int band = 0;
        LogRow row;
        std::optional<QsoItem> item; // empty when the QSO list holds no QSO for the row
    };

    // Hands each QSO to visit, band after band (0..15), each band's rows in retrieval order, until
    // visit returns false. Retrieval keeps the QSO list and the rows in step, so the k-th row of a
    // band belongs to the k-th QSO of the list that carries the band's label.
    static void forEach(const CKorvaneDoc& doc, const std::function<bool(const Qso&)>& visit);
};
