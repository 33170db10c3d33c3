// Packing a QsoItem into texts and back.
#include "QsoList.h"

#include "Cp932.h"

#include <array>
#include <cstring>

namespace {

// The record's fields in the order of QsoList::Field, as views and as writable fields.
template <class Record, class Visit>
void forEachField(Record& r, Visit visit) {
    visit(r.call);
    visit(r.portable);
    visit(r.qsoDate);
    visit(r.qsoTime);
    visit(r.hisRst);
    visit(r.myRst);
    visit(r.freq);
    visit(r.mode);
    visit(r.code);
    visit(r.gl);
    visit(r.qsl);
    visit(r.name);
    visit(r.qth);
    visit(r.remarks1);
    visit(r.remarks2);
}

} // namespace

void QsoList::push_back(const QsoItem& item) {
    push_back(item.recordNumber, item.record, QsoRecord::text(item.record.freq));
}

void QsoList::push_back(int recordNumber, const QsoRecord& record, std::string_view freq) {
    std::array<std::string_view, kTextCount> texts;
    texts[0] = {reinterpret_cast<const char*>(&recordNumber), sizeof recordNumber};
    std::size_t i = 1;
    forEachField(record, [&](const auto& field) { texts[i++] = QsoRecord::text(field); });
    // As the record's own field would hold it: cut to the width on a character boundary.
    texts[1 + kFreq] = freq.substr(0, cp932::boundaryAtOrBefore(freq, sizeof record.freq));
    texts_.add(texts);
}

QsoItem QsoList::operator[](std::size_t index) const {
    std::array<std::string_view, kTextCount> texts;
    texts_.get(index, texts);
    QsoItem item;
    std::memcpy(&item.recordNumber, texts[0].data(), sizeof item.recordNumber);
    std::size_t i = 1;
    forEachField(item.record, [&](auto& field) {
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

std::string_view QsoList::field(std::size_t index, Field which) const {
    std::array<std::string_view, kTextCount> texts;
    texts_.get(index, texts);
    return texts[static_cast<std::size_t>(which) + 1];
}
