// Packing a QsoItem into texts and back.
#include "document/QsoList.h"

#include "common/ByteCopy.h"
#include "common/Cp932.h"

#include <array>
#include <cstring>

void QsoList::push_back(const QsoItem& item) {
    push_back(item.recordNumber, item.record, QsoRecord::text(item.record.freq));
}

void QsoList::push_back(int recordNumber, const QsoRecord& record, std::string_view freq) {
    // Each field is copied at its full width, a fixed-size copy the compiler inlines, and the write
    // position then moves on by its text's length only: the bytes beyond are overwritten by the
    // next text or lie past the entry's end.
    constexpr std::size_t kMostBytes =
        1 + sizeof recordNumber + QsoRecord::kFieldCount + sizeof(QsoRecord);
    char* const start = texts_.beginEntry(kMostBytes);
    char* out = start;
    *out++ = sizeof recordNumber;
    std::memcpy(out, &recordNumber, sizeof recordNumber);
    out += sizeof recordNumber;
    QsoRecord::forEachField(record, [&](const auto& field, QsoRecord::Field which) {
        if (which == QsoRecord::kFreq) {
            // As the record's own field would hold it: cut to the width on a character boundary.
            const std::size_t length = cp932::boundaryAtOrBefore(freq, sizeof record.freq);
            *out = static_cast<char>(length);
            out = copyBytes(out + 1, freq.substr(0, length));
            return;
        }
        const std::string_view text = QsoRecord::text(field);
        *out = static_cast<char>(text.size()); // a field is far shorter than a long text
        std::memcpy(out + 1, field, sizeof field);
        out += 1 + text.size();
    });
    texts_.commitEntry(static_cast<std::size_t>(out - start));
}

QsoItem QsoList::operator[](std::size_t index) const {
    std::array<std::string_view, kTextCount> texts;
    texts_.get(index, texts);
    QsoItem item;
    std::memcpy(&item.recordNumber, texts[0].data(), sizeof item.recordNumber);
    std::size_t i = 1;
    QsoRecord::forEachField(item.record, [&](auto& field, QsoRecord::Field) {
        // The stored text came from this field, so it fits; the record is already zero-filled.
        std::memcpy(field, texts[i].data(), texts[i].size());
        ++i;
    });
    return item;
}

int QsoList::recordNumber(std::size_t index) const {
    std::array<std::string_view, 1> number;
    texts_.get(index, number);
    int value = 0;
    std::memcpy(&value, number[0].data(), sizeof value);
    return value;
}

std::string_view QsoList::field(std::size_t index, QsoRecord::Field which) const {
    std::array<std::string_view, kTextCount> texts;
    texts_.get(index, texts);
    return texts[static_cast<std::size_t>(which) + 1];
}
