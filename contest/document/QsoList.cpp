// Packing a QsoItem into texts and back.
#include "document/QsoList.h"

#include "common/ByteCopy.h"
#include "common/Cp932.h"
#include "exchange/BandTable.h"

#include <array>
#include <cstring>
#include <span>
#include <type_traits>

void QsoList::push_back(const QsoItem& item) {
    const std::string_view freq = QsoRecord::text(item.record.freq);
    for (int band = 0; band < BandTable::kBandCount; ++band) {
        if (freq == BandTable::listLabel(band)) {
            pushPacked(item.recordNumber, item.record, static_cast<unsigned char>(band), {},
                       item.logFreq);
            return;
        }
    }
    if (freq == QsoRecord::text(item.logFreq)) {
        pushPacked(item.recordNumber, item.record, kSameFreq, {}, item.logFreq);
    } else {
        pushPacked(item.recordNumber, item.record, kOwnFreq, freq, item.logFreq);
    }
}

void QsoList::push_back(int recordNumber, const QsoRecord& record, int band) {
    pushPacked(recordNumber, record,
               BandTable::isBand(band) ? static_cast<unsigned char>(band) : kSameFreq, {},
               record.freq);
}

void QsoList::pushPacked(int recordNumber, const QsoRecord& record, unsigned char band,
                         std::string_view ownFreq, const char (&logFreq)[sizeof(QsoRecord::freq)]) {
    // Each field is copied at its full width, a fixed-size copy the compiler inlines, and the write
    // position then moves on by its text's length only: the bytes beyond are overwritten by the
    // next text or lie past the entry's end.
    constexpr std::size_t kNumberBytes = sizeof recordNumber + 1;
    constexpr std::size_t kMostBytes =
        1 + kNumberBytes + QsoRecord::kFieldCount + sizeof(QsoRecord) + 1 + sizeof(QsoRecord::freq);
    char* const start = texts_.beginEntry(kMostBytes);
    char* out = start;
    *out++ = kNumberBytes;
    std::memcpy(out, &recordNumber, sizeof recordNumber);
    out += sizeof recordNumber;
    *out++ = static_cast<char>(band);
    QsoRecord::forEachField(record, [&](const auto& field, QsoRecord::Field which) {
        // The freq field's place holds the log's frequency.
        using Field = std::remove_reference_t<decltype(field)>;
        const Field* from = &field;
        if constexpr (std::is_same_v<Field, const char[sizeof logFreq]>) {
            if (which == QsoRecord::kFreq) {
                from = &logFreq;
            }
        }
        const std::string_view text = QsoRecord::text(*from);
        *out = static_cast<char>(text.size()); // a field is far shorter than a long text
        std::memcpy(out + 1, *from, sizeof field);
        out += 1 + text.size();
    });
    if (band == kOwnFreq) {
        // As the record's own field would hold it: cut to the width on a character boundary.
        const std::size_t length = cp932::boundaryAtOrBefore(ownFreq, sizeof record.freq);
        *out = static_cast<char>(length);
        out = copyBytes(out + 1, ownFreq.substr(0, length));
    }
    texts_.commitEntry(static_cast<std::size_t>(out - start));
}

unsigned char QsoList::bandByte(std::string_view number) {
    return static_cast<unsigned char>(number[sizeof(int)]);
}

QsoItem QsoList::operator[](std::size_t index) const {
    std::array<std::string_view, kTextCount + 1> texts;
    texts_.get(index, std::span(texts).first(kTextCount));
    const unsigned char band = bandByte(texts[0]);
    if (band == kOwnFreq) {
        texts_.get(index, texts);
    }
    QsoItem item;
    std::memcpy(&item.recordNumber, texts[0].data(), sizeof item.recordNumber);
    std::size_t i = 1;
    QsoRecord::forEachField(item.record, [&](auto& field, QsoRecord::Field) {
        // The stored text came from this field, so it fits; the record is already zero-filled.
        std::memcpy(field, texts[i].data(), texts[i].size());
        ++i;
    });
    const std::string_view logFreq = texts[QsoRecord::kFreq + 1];
    std::memcpy(item.logFreq, logFreq.data(), logFreq.size());
    if (band != kSameFreq) {
        const std::string_view freq =
            band == kOwnFreq ? texts[kTextCount] : BandTable::listLabel(band);
        std::memset(item.record.freq, 0, sizeof item.record.freq);
        std::memcpy(item.record.freq, freq.data(), freq.size());
    }
    return item;
}

int QsoList::recordNumber(std::size_t index) const {
    std::array<std::string_view, 1> number;
    texts_.get(index, number);
    int value = 0;
    std::memcpy(&value, number[0].data(), sizeof value);
    return value;
}

int QsoList::band(std::size_t index) const {
    std::array<std::string_view, 1> number;
    texts_.get(index, number);
    const unsigned char band = bandByte(number[0]);
    return BandTable::isBand(band) ? band : -1;
}

std::string_view QsoList::field(std::size_t index, QsoRecord::Field which) const {
    std::array<std::string_view, kTextCount + 1> texts;
    texts_.get(index, std::span(texts).first(kTextCount));
    if (which != QsoRecord::kFreq) {
        return texts[static_cast<std::size_t>(which) + 1];
    }
    const unsigned char band = bandByte(texts[0]);
    if (band == kSameFreq) {
        return texts[QsoRecord::kFreq + 1];
    }
    if (band == kOwnFreq) {
        texts_.get(index, texts);
        return texts[kTextCount];
    }
    return BandTable::listLabel(band);
}

std::string_view QsoList::logFreq(std::size_t index) const {
    std::array<std::string_view, kTextCount> texts;
    texts_.get(index, texts);
    return texts[QsoRecord::kFreq + 1];
}
