// A bounded, reused buffer over a LogSource, refilled as its bytes are consumed.
#pragma once

#include "hamlog32/LogSource.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

class LogWindow {
public:
    // A window of capacity bytes (at least kMinCapacity) that grows only for a single record
    // longer than itself, up to maxCapacity bytes.
    LogWindow(LogSource& source, std::size_t capacity, std::size_t maxCapacity);

    static constexpr std::size_t kMinCapacity = 16;

    // Drops what the window holds; the next fill reads from offset.
    void seek(std::uint64_t offset);

    // The bytes read and not yet consumed, and the offset in the log of the first of them.
    std::string_view data() const { return {buffer_.get() + begin_, end_ - begin_}; }
    std::uint64_t offset() const { return offset_; }

    // True once the source had nothing more after data(): the last record ends with it.
    bool atEnd() const { return atEnd_; }

    void consume(std::size_t bytes) {
        begin_ += bytes;
        offset_ += bytes;
    }

    // Reads more after data(): moves the unconsumed bytes to the front and fills the rest, growing
    // the buffer when they fill it already. When nothing more can be read (the end, a read error,
    // or a record beyond maxCapacity) atEnd() becomes true.
    void fill();

private:
    LogSource& source_;
    std::unique_ptr<char[]> buffer_;
    std::size_t capacity_;
    std::size_t maxCapacity_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    std::uint64_t offset_ = 0;
    bool atEnd_ = false;
};
