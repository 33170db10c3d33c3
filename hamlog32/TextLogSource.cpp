// Copying a part of an in-memory log text as a file read would.
#include "hamlog32/TextLogSource.h"

#include <algorithm>
#include <cstring>

std::size_t TextLogSource::readAt(std::uint64_t offset, char* buffer, std::size_t count) {
    if (offset >= text_.size()) {
        return 0;
    }
    std::size_t n = std::min(count, text_.size() - static_cast<std::size_t>(offset));
    std::memcpy(buffer, text_.data() + offset, n);
    return n;
}
