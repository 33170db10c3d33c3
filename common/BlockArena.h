// Memory for packed lists, handed out from chunks that grow from 64 KB to 2 MB: a small list stays
// small, and a large one sits in chunks the system can back with huge pages.
#pragma once

#include "common/LargeBuffer.h"

#include <cstddef>
#include <vector>

class BlockArena {
public:
    // Chunks grow up to largestChunk; one of 2 MB or more may be backed by huge pages.
    explicit BlockArena(std::size_t largestChunk = LargeBuffer::kHugePage)
        : largestChunk_(largestChunk) {}

    // Bytes that stay valid, unmoved, until clear() or the arena's end; never null.
    char* allocate(std::size_t bytes);
    void clear();
    std::size_t largestChunk() const { return largestChunk_; }

private:
    static constexpr std::size_t kFirstChunk = std::size_t(1) << 16;

    std::size_t largestChunk_;
    std::vector<LargeBuffer> chunks_;
    std::size_t nextChunk_ = kFirstChunk;
    char* free_ = nullptr;
    std::size_t left_ = 0;
};
