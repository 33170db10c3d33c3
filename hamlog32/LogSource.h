// Where a log's bytes come from: an open file read at offsets, or a text already in memory.
#pragma once

#include <cstddef>
#include <cstdint>

class LogSource {
public:
    virtual ~LogSource() = default;

    // Copies up to count bytes starting at offset into buffer and returns how many it copied: 0 at
    // the end of the log and on a read error (a file shortened by another program simply ends
    // sooner).
    virtual std::size_t readAt(std::uint64_t offset, char* buffer, std::size_t count) = 0;
};
