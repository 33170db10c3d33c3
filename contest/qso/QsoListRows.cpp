// Refilling and sorting the rows of the QSO list.
#include "qso/QsoListRows.h"

#include "qso/QsoListColumns.h"

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

void QsoListRows::sort(const QsoList& items, int column) {
    if (column < 0 || column >= QsoListColumns::kColumnCount) {
        return;
    }
    if (column == 0) {
        std::stable_sort(rows_.begin(), rows_.end(), [&](std::size_t a, std::size_t b) {
            return items.recordNumber(a) < items.recordNumber(b);
        });
        return;
    }
    // Each key is read once: the packed list would otherwise unpack two items per comparison.
    // Strings and views compare their chars as unsigned bytes, as the column order asks.
    const auto sortBy = [&](const auto& keys) {
        std::stable_sort(rows_.begin(), rows_.end(),
                         [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    };
    const QsoRecord::Field field = QsoListColumns::listField(column);
    if (field == QsoRecord::kQsoDate) {
        std::vector<std::string> keys(items.size());
        for (std::size_t i = 0; i < keys.size(); ++i) {
            keys[i] = QsoListColumns::dateKey(items.field(i, field));
        }
        sortBy(keys);
        return;
    }
    std::vector<std::string_view> keys(items.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        keys[i] = items.field(i, field);
    }
    sortBy(keys);
}
