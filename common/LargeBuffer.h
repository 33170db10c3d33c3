// Zero-filled memory for a large table, taken from the system in one piece and faulted in at once.
#pragma once

#include <cstddef>

// Tables of many megabytes filled in one pass pay more for their pages being faulted in one at a
// time than for writing them. On Linux the buffer is mapped and populated in one call, and a
// buffer of 2 MB or more is offered to transparent huge pages; elsewhere it is plain zeroed memory.
class LargeBuffer {
public:
    static constexpr std::size_t kHugePage = std::size_t(1) << 21;

    LargeBuffer() = default;
    // Throws std::bad_alloc when the system has no such memory.
    explicit LargeBuffer(std::size_t bytes);
    LargeBuffer(LargeBuffer&& other) noexcept;
    LargeBuffer& operator=(LargeBuffer&& other) noexcept;
    LargeBuffer(const LargeBuffer&) = delete;
    LargeBuffer& operator=(const LargeBuffer&) = delete;
    ~LargeBuffer();

    char* data() const { return data_; }
    std::size_t size() const { return size_; }

private:
    void release() noexcept;

    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t mapped_ = 0; // bytes mapped, 0 when the memory came from the heap
};
