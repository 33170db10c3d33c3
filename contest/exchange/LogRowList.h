// The composed rows of one band in retrieval order, stored packed and handed out as LogRows.
#pragma once

#include "common/IndexIterator.h"
#include "common/PackedTexts.h"
#include "exchange/LogRow.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

class LogRowList {
public:
    using const_iterator = IndexIterator<LogRowList, LogRow>;
    using iterator = const_iterator;

    static constexpr std::size_t kColumnCount = 9;

    void push_back(const LogRow& row);

    // A row written in place, without a LogRow: beginPacked(room) gives where it starts, at most
    // `room` bytes (rowRoom() of the longest texts the columns can have); the nine columns follow
    // in order, each written by writeColumn(), then the report lengths by writeReportBytes();
    // commitPacked() takes the bytes written.
    char* beginPacked(std::size_t room) { return texts_.beginEntry(room); }
    void commitPacked(std::size_t bytes) { texts_.commitEntry(bytes); }
    // Room for a row whose column texts have at most textBytes bytes together.
    static constexpr std::size_t rowRoom(std::size_t textBytes) {
        return kColumnCount * PackedTexts::kMostPrefixBytes + textBytes + kReportBytesRoom;
    }
    // Writes one column at out: write(at) writes its text from at and returns the text's end.
    // Returns where the next column starts.
    template <class Write>
    static char* writeColumn(char* out, Write write) {
        return PackedTexts::closeText(out, write(out + 1));
    }
    // Writes the row's last text at out, LogRow::sentReportBytes and receivedReportBytes as two
    // bytes; returns its end.
    static char* writeReportBytes(char* out, std::uint8_t sent, std::uint8_t received) {
        out[0] = 2;
        out[1] = static_cast<char>(sent);
        out[2] = static_cast<char>(received);
        return out + kReportBytesRoom;
    }
    void clear() { texts_.clear(); }
    std::size_t size() const { return texts_.size(); }
    bool empty() const { return texts_.empty(); }

    // A copy of the row at a position (< size()).
    LogRow operator[](std::size_t index) const;
    // The same, but a position past the end throws std::out_of_range.
    LogRow at(std::size_t index) const;
    LogRow front() const { return (*this)[0]; }
    LogRow back() const { return (*this)[size() - 1]; }

    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    // The nine columns and the report lengths.
    static constexpr std::size_t kTextCount = kColumnCount + 1;
    static constexpr std::size_t kReportBytesRoom = 3; // length byte and two lengths

    // A band holds a fraction of a log's rows; small chunks keep the unused end of the last one
    // small across sixteen bands.
    static constexpr std::size_t kLargestChunk = std::size_t(1) << 18;

    PackedTexts texts_{kLargestChunk};
};
