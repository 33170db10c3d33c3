// Mapping, populating and releasing large buffers.
#include "common/LargeBuffer.h"

#include <cstdint>
#include <cstdlib>
#include <new>
#include <utility>

#ifdef __linux__
#include <sys/mman.h>
#endif

LargeBuffer::LargeBuffer(std::size_t bytes) : size_(bytes) {
    if (bytes == 0) {
        return;
    }
#ifdef __linux__
    const bool huge = bytes >= kHugePage;
    const std::size_t page = huge ? kHugePage : 4096;
    const std::size_t length = (bytes + page - 1) / page * page;
    // A huge page must start on a 2 MB boundary: map one more and give back the ends.
    const std::size_t request = huge ? length + kHugePage : length;
    void* map =
        ::mmap(nullptr, request, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (map == MAP_FAILED) {
        throw std::bad_alloc();
    }
    char* start = static_cast<char*>(map);
    if (huge) {
        const auto address = reinterpret_cast<std::uintptr_t>(start);
        char* aligned = start + ((kHugePage - address % kHugePage) % kHugePage);
        if (aligned != start) {
            ::munmap(start, static_cast<std::size_t>(aligned - start));
        }
        const std::size_t tail = request - static_cast<std::size_t>(aligned - start) - length;
        if (tail != 0) {
            ::munmap(aligned + length, tail);
        }
        start = aligned;
        // Advice only: where huge pages are off, the buffer keeps ordinary pages.
        ::madvise(start, length, MADV_HUGEPAGE);
    }
#ifdef MADV_POPULATE_WRITE
    // Older kernels refuse the advice; the pages are then faulted in as they are first written.
    ::madvise(start, length, MADV_POPULATE_WRITE);
#endif
    data_ = start;
    mapped_ = length;
#else
    data_ = static_cast<char*>(std::calloc(bytes, 1));
    if (data_ == nullptr) {
        throw std::bad_alloc();
    }
#endif
}

LargeBuffer::LargeBuffer(LargeBuffer&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), size_(std::exchange(other.size_, 0)),
      mapped_(std::exchange(other.mapped_, 0)) {}

LargeBuffer& LargeBuffer::operator=(LargeBuffer&& other) noexcept {
    if (this != &other) {
        release();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        mapped_ = std::exchange(other.mapped_, 0);
    }
    return *this;
}

LargeBuffer::~LargeBuffer() {
    release();
}

void LargeBuffer::release() noexcept {
#ifdef __linux__
    if (mapped_ != 0) {
        ::munmap(data_, mapped_);
    }
#else
    std::free(data_);
#endif
    data_ = nullptr;
    size_ = 0;
    mapped_ = 0;
}
