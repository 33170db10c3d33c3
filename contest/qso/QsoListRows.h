// The rows of the QSO list: which QSO of the document each row shows, in screen order.
#pragma once

#include "document/CKorvaneDoc.h"

#include <cstddef>
#include <vector>

// Rows refer to QSOs by their position in the document's QSO list; the list itself is never
// reordered, so printing keeps the retrieval order whatever the screen shows.
class QsoListRows {
public:
    enum class Refill {
        unchanged, // nothing was retrieved that could be shown: the rows stand as they were
        rebuilt,   // one row per QSO in list order; post the new count
    };

    // Rebuilds the rows from the document after a search, New or Open. Nothing happens while no
    // retrieval has read a record, except that rows of a QSO list since emptied are dropped.
    Refill refill(const CKorvaneDoc& doc);

    // Orders the rows ascending by a column of the list (stable, so equal rows keep their order).
    void sort(const QsoList& items, int column);

    std::size_t size() const { return rows_.size(); }

    // Position in the document's QSO list of the QSO shown in a row (row < size()).
    std::size_t itemAt(std::size_t row) const { return rows_[row]; }

private:
    std::vector<std::size_t> rows_;
};
