// Refilling the window: the tail of a record cut by the window's end is carried to the front.
#include "hamlog32/LogWindow.h"

#include <algorithm>
#include <cstring>

LogWindow::LogWindow(LogSource& source, std::size_t capacity, std::size_t maxCapacity)
    : source_(source), capacity_(std::max(capacity, kMinCapacity)),
      maxCapacity_(std::max(maxCapacity, capacity_)) {
    // Not value-initialised: the bytes are written by reads before they are looked at.
    buffer_.reset(new char[capacity_]);
}

void LogWindow::seek(std::uint64_t offset) {
    begin_ = 0;
    end_ = 0;
    offset_ = offset;
    atEnd_ = false;
}

void LogWindow::fill() {
    if (atEnd_) {
        return;
    }
    std::size_t held = end_ - begin_;
    if (held == capacity_) {
        if (capacity_ == maxCapacity_) {
            atEnd_ = true;
            return;
        }
        std::size_t grown = capacity_ <= maxCapacity_ / 2 ? capacity_ * 2 : maxCapacity_;
        std::unique_ptr<char[]> larger(new char[grown]);
        std::memcpy(larger.get(), buffer_.get() + begin_, held);
        buffer_ = std::move(larger);
        capacity_ = grown;
    } else if (begin_ != 0 && held != 0) {
        std::memmove(buffer_.get(), buffer_.get() + begin_, held);
    }
    begin_ = 0;
    end_ = held;
    std::size_t got = source_.readAt(offset_ + held, buffer_.get() + end_, capacity_ - end_);
    if (got == 0) {
        atEnd_ = true;
    }
    end_ += got;
}
