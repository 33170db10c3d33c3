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
    // The same as pushing an item with the record, its freq field replaced by the band's label
    // (BandTable::listLabel) and the record's own freq kept as the item's logFreq; for a band
    // outside 0..15 the freq field stays as it is.
    void push_back(int recordNumber, const QsoRecord& record, int band);
    void clear() { texts_.clear(); }
    std::size_t size() const { return texts_.size(); }
    bool empty() const { return texts_.empty(); }

    // The item at a position (< size()), rebuilt as the record it was stored from: each field's
    // text up to its first NUL, zero-filled after.
    QsoItem operator[](std::size_t index) const;
    QsoItem front() const { return (*this)[0]; }
    QsoItem back() const { return (*this)[size() - 1]; }

    int recordNumber(std::size_t index) const;
    // The band whose label the item's freq field holds, or -1 when it holds no band's label.
    int band(std::size_t index) const;

    // One field's text of the item at a position, without rebuilding the record; valid until the
    // list is cleared.
    std::string_view field(std::size_t index, QsoRecord::Field which) const;
    // The item's logFreq, the same way.
    std::string_view logFreq(std::size_t index) const;

    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    // An entry's texts: the record number with a band byte, then the fields. The freq field's
    // text is the log's frequency; the band byte says what the item's freq field holds: a band's
    // label, the same text, or (kOwnFreq) a text of its own, stored after the fields.
    static constexpr std::size_t kTextCount = QsoRecord::kFieldCount + 1;
    static constexpr unsigned char kSameFreq = 0xFF;
    static constexpr unsigned char kOwnFreq = 0xFE;

    void pushPacked(int recordNumber, const QsoRecord& record, unsigned char band,
                    std::string_view ownFreq, const char (&logFreq)[sizeof(QsoRecord::freq)]);
    // The band byte of an entry, read from its first text.
    static unsigned char bandByte(std::string_view number);

    PackedTexts texts_;
};
