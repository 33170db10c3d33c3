// Chunk allocation: each chunk twice the last up to the largest size.
#include "common/BlockArena.h"

char* BlockArena::allocate(std::size_t bytes) {
    bytes = bytes == 0 ? 16 : (bytes + 15) & ~std::size_t(15);
    if (bytes > left_) {
        std::size_t size = nextChunk_;
        while (size < bytes) {
            size *= 2;
        }
        chunks_.emplace_back(size);
        free_ = chunks_.back().data();
        left_ = size;
        nextChunk_ = size < largestChunk_ ? size * 2 : largestChunk_;
    }
    char* out = free_;
    free_ += bytes;
    left_ -= bytes;
    return out;
}

void BlockArena::clear() {
    chunks_.clear();
    nextChunk_ = kFirstChunk;
    free_ = nullptr;
    left_ = 0;
}
