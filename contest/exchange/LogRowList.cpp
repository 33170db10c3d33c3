// Packing a LogRow's nine texts and its report lengths, and back.
#include "exchange/LogRowList.h"

#include <array>
#include <cstring>
#include <stdexcept>
#include <string_view>

namespace {

// The row's texts in column order.
template <class Row>
auto columns(Row& row) {
    return std::array{&row.monthDay, &row.hourMinute,   &row.station,
                      &row.sent,     &row.received,     &row.multiplier,
                      &row.points,   &row.operatorText, &row.remarks};
}

} // namespace

void LogRowList::push_back(const LogRow& row) {
    std::array<std::string_view, kTextCount> texts;
    const auto from = columns(row);
    for (std::size_t i = 0; i < kColumnCount; ++i) {
        texts[i] = *from[i];
    }
    const char reportBytes[] = {static_cast<char>(row.sentReportBytes),
                                static_cast<char>(row.receivedReportBytes)};
    texts[kColumnCount] = std::string_view(reportBytes, sizeof reportBytes);
    texts_.add(texts);
}

LogRow LogRowList::operator[](std::size_t index) const {
    std::array<std::string_view, kTextCount> texts;
    texts_.get(index, texts);
    LogRow row;
    const auto to = columns(row);
    for (std::size_t i = 0; i < kColumnCount; ++i) {
        to[i]->assign(texts[i]);
    }
    const std::string_view reportBytes = texts[kColumnCount];
    row.sentReportBytes = static_cast<std::uint8_t>(reportBytes[0]);
    row.receivedReportBytes = static_cast<std::uint8_t>(reportBytes[1]);
    return row;
}

LogRow LogRowList::at(std::size_t index) const {
    if (index >= size()) {
        throw std::out_of_range("log row index");
    }
    return (*this)[index];
}
