// Chunk allocation; on Linux the 2 MB chunks are offered to transparent huge pages, since touching
// a large list page by page costs more in page faults than writing it.
#include "BlockArena.h"

#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

char* BlockArena::allocate(std::size_t bytes) {
    bytes = bytes == 0 ? 16 : (bytes + 15) & ~std::size_t(15);
    if (bytes > left_) {
        std::size_t size = nextChunk_;
        while (size < bytes) {
            size *= 2;
        }
        const bool large = size >= kLargeChunk;
        void* chunk =
            large ? std::aligned_alloc(kLargeChunk, (size + kLargeChunk - 1) & ~(kLargeChunk - 1))
                  : std::malloc(size);
        if (chunk == nullptr) {
            throw std::bad_alloc();
        }
#ifdef __linux__
        if (large) {
            // Only advice: where huge pages are off, the chunk is ordinary memory.
            ::madvise(chunk, size, MADV_HUGEPAGE);
        }
#endif
        chunks_.emplace_back(static_cast<char*>(chunk));
        free_ = static_cast<char*>(chunk);
        left_ = size;
        nextChunk_ = size < kLargeChunk ? size * 2 : kLargeChunk;
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
