// Refilling and sorting the rows of the QSO list.
#include "QsoListRows.h"

#include "QsoListColumns.h"

#include <algorithm>
#include <numeric>

QsoListRows::Refill QsoListRows::refill(const CKorvaneDoc& doc) {
    if (doc.recordsRead == 0) {
        // A retrieval that read no record has emptied the QSO list: rows pointing into it would
        // show released QSOs, so the list goes empty too.
        if (rows_.size() > doc.qsoList.size()) {
            rows_.clear();
            return Refill::rebuilt;
        }
        return Refill::unchanged;
    }
    rows_.resize(doc.qsoList.size());
    std::iota(rows_.begin(), rows_.end(), std::size_t{0});
    return Refill::rebuilt;
}

void QsoListRows::sort(const std::vector<QsoItem>& items, int column) {
    if (column < 0 || column >= QsoListColumns::kColumnCount) {
        return;
    }
    std::stable_sort(rows_.begin(), rows_.end(), [&](std::size_t a, std::size_t b) {
        return QsoListColumns::less(items[a], items[b], column);
    });
}
