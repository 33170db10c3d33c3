// Memory for packed lists, handed out from chunks that grow from 64 KB to 2 MB: a small list stays
// small, and a large one sits in chunks the system can back with huge pages.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <vector>

class BlockArena {
public:
    // Bytes that stay valid, unmoved, until clear() or the arena's end; never null.
    char* allocate(std::size_t bytes);
    void clear();

private:
    struct Free {
        void operator()(char* p) const { std::free(p); }
    };
    static constexpr std::size_t kFirstChunk = std::size_t(1) << 16;
    static constexpr std::size_t kLargeChunk = std::size_t(1) << 21;

    std::vector<std::unique_ptr<char, Free>> chunks_;
    std::size_t nextChunk_ = kFirstChunk;
    char* free_ = nullptr;
    std::size_t left_ = 0;
};
