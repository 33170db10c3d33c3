// Packing and unpacking entries: a length byte (or 0xFF and four bytes) before each text.
#include "common/PackedTexts.h"

#include "common/ByteCopy.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

PackedTexts::PackedTexts(const PackedTexts& other)
    : arena_(other.arena_.largestChunk()), size_(other.size_) {
    blocks_.reserve(other.blocks_.size());
    for (const Block& block : other.blocks_) {
        // A copied block is full: the next entry starts a new one.
        addBlock(block.used);
        blocks_.back().used = block.used;
        if (block.used != 0) {
            std::memcpy(blocks_.back().bytes, block.bytes, block.used);
        }
    }
    for (std::size_t first = 0; first < size_; first += kLocatorsPerPage) {
        auto* copy = reinterpret_cast<std::uint32_t*>(arena_.allocate(kBlockBytes));
        const std::size_t count = std::min(kLocatorsPerPage, size_ - first);
        std::memcpy(copy, other.locatorPages_[first / kLocatorsPerPage], count * sizeof *copy);
        locatorPages_.push_back(copy);
    }
}

PackedTexts& PackedTexts::operator=(const PackedTexts& other) {
    if (this != &other) {
        *this = PackedTexts(other);
    }
    return *this;
}

std::size_t PackedTexts::add(std::span<const std::string_view> texts) {
    std::size_t bytes = 0;
    for (std::string_view text : texts) {
        bytes += textBytes(text.size());
    }
    char* out = beginEntry(bytes);
    for (std::string_view text : texts) {
        out = putText(out, text);
    }
    return commitEntry(bytes);
}

char* PackedTexts::beginEntry(std::size_t maxBytes) {
    // An entry must also start within the first 64 KB of its block, where a locator can point.
    if (blocks_.empty() || blocks_.back().capacity - blocks_.back().used < maxBytes ||
        blocks_.back().used > 0xFFFF) {
        // A locator holds a 16-bit block index, so the list ends at 65,536 blocks (4 GB of text).
        if (blocks_.size() == kMaxBlocks) {
            throw std::length_error("packed text list full");
        }
        addBlock(maxBytes > kBlockBytes ? maxBytes : kBlockBytes);
    }
    return blocks_.back().bytes + blocks_.back().used;
}

std::size_t PackedTexts::commitEntry(std::size_t bytes) {
    Block& block = blocks_.back();
    if (size_ % kLocatorsPerPage == 0) {
        locatorPages_.push_back(reinterpret_cast<std::uint32_t*>(arena_.allocate(kBlockBytes)));
    }
    locator(size_) = static_cast<std::uint32_t>((blocks_.size() - 1) << 16 | block.used);
    block.used += bytes;
    return size_++;
}

char* PackedTexts::putText(char* out, std::string_view text) {
    if (text.size() < kLongText) {
        *out++ = static_cast<char>(text.size());
    } else {
        const auto length = static_cast<std::uint32_t>(text.size());
        *out++ = static_cast<char>(kLongText);
        std::memcpy(out, &length, sizeof length);
        out += sizeof length;
    }
    return copyBytes(out, text);
}

char* PackedTexts::closeText(char* at, char* end) {
    const auto length = static_cast<std::size_t>(end - at - 1);
    if (length < kLongText) {
        *at = static_cast<char>(length);
        return end;
    }
    std::memmove(at + 5, at + 1, length);
    const auto longLength = static_cast<std::uint32_t>(length);
    at[0] = static_cast<char>(kLongText);
    std::memcpy(at + 1, &longLength, sizeof longLength);
    return end + 4;
}

void PackedTexts::get(std::size_t entry, std::span<std::string_view> texts) const {
    const std::uint32_t at = locator(entry);
    const Block& block = blocks_[at >> 16];
    const char* p = block.bytes + (at & 0xFFFF);
    const char* end = block.bytes + block.used;
    for (std::string_view& text : texts) {
        if (p >= end) {
            text = {};
            continue;
        }
        std::size_t length = static_cast<unsigned char>(*p++);
        if (length == kLongText) {
            std::uint32_t longLength = 0;
            std::memcpy(&longLength, p, sizeof longLength);
            p += sizeof longLength;
            length = longLength;
        }
        text = {p, length};
        p += length;
    }
}

void PackedTexts::clear() {
    blocks_.clear();
    locatorPages_.clear();
    size_ = 0;
    arena_.clear();
}

void PackedTexts::addBlock(std::size_t capacity) {
    blocks_.push_back({arena_.allocate(capacity), 0, capacity});
}
