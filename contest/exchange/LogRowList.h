// The composed rows of one band in retrieval order, stored packed and handed out as LogRows.
#pragma once

#include "IndexIterator.h"
#include "LogRow.h"
#include "PackedTexts.h"

#include <cstddef>
#include <string_view>

class LogRowList {
public:
    using const_iterator = IndexIterator<LogRowList, LogRow>;
    using iterator = const_iterator;

    void push_back(const LogRow& row);
    // Appends a row written by the caller in the packed form: its nine texts in column order, each
    // as PackedTexts::putText writes it, in at most `room` bytes from the pointer returned; then
    // the bytes written.
    char* beginPacked(std::size_t room) { return texts_.beginEntry(room); }
    void commitPacked(std::size_t bytes) { texts_.commitEntry(bytes); }
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
    // A band holds a fraction of a log's rows; small chunks keep the unused end of the last one
    // small across sixteen bands.
    static constexpr std::size_t kLargestChunk = std::size_t(1) << 18;

    PackedTexts texts_{kLargestChunk};
};
