// The document's QSO list: retrieved QSOs in retrieval order, stored packed (the fields' texts
// without their padding) and handed out as whole QsoItems.
#pragma once

#include "common/IndexIterator.h"
#include "common/PackedTexts.h"
#include "document/QsoItem.h"

#include <cstddef>
#include <string_view>

class QsoList {
public:
    using const_iterator = IndexIterator<QsoList, QsoItem>;
    using iterator = const_iterator;

    void push_back(const QsoItem& item);
    // The same as pushing an item with the record, its freq field replaced by the given text.
    void push_back(int recordNumber, const QsoRecord& record, std::string_view freq);
    void clear() { texts_.clear(); }
    std::size_t size() const { return texts_.size(); }
    bool empty() const { return texts_.empty(); }

    // The item at a position (< size()), rebuilt as the record it was stored from: each field's
    // text up to its first NUL, zero-filled after.
    QsoItem operator[](std::size_t index) const;
    QsoItem front() const { return (*this)[0]; }
    QsoItem back() const { return (*this)[size() - 1]; }

    int recordNumber(std::size_t index) const;

    // One field's text of the item at a position, without rebuilding the record; valid until the
    // list is cleared.
    std::string_view field(std::size_t index, QsoRecord::Field which) const;

    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    // The record number comes first.
    static constexpr std::size_t kTextCount = QsoRecord::kFieldCount + 1;

    PackedTexts texts_;
};
