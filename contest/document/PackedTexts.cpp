// Packing and unpacking entries: a length byte (or 0xFF and four bytes) before each text.
#include "PackedTexts.h"

#include <cstring>
#include <stdexcept>

PackedTexts::PackedTexts(const PackedTexts& other) : locators_(other.locators_) {
    blocks_.reserve(other.blocks_.size());
    for (const Block& block : other.blocks_) {
        // A copied block is full: the next entry starts a new one.
        Block copy{std::make_unique_for_overwrite<char[]>(block.used), block.used, block.used};
        if (block.used != 0) {
            std::memcpy(copy.bytes.get(), block.bytes.get(), block.used);
        }
        blocks_.push_back(std::move(copy));
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
        bytes += (text.size() < kLongText ? 1 : 5) + text.size();
    }
    if (blocks_.empty() || blocks_.back().capacity - blocks_.back().used < bytes) {
        // A locator holds a 16-bit block index, so the list ends at 65,536 blocks (4 GB of text).
        if (blocks_.size() == kMaxBlocks) {
            throw std::length_error("packed text list full");
        }
        const std::size_t capacity = bytes > kBlockBytes ? bytes : kBlockBytes;
        blocks_.push_back({std::make_unique_for_overwrite<char[]>(capacity), 0, capacity});
    }
    Block& block = blocks_.back();
    const std::size_t offset = block.used;
    char* out = block.bytes.get() + offset;
    for (std::string_view text : texts) {
        if (text.size() < kLongText) {
            *out++ = static_cast<char>(text.size());
        } else {
            const auto length = static_cast<std::uint32_t>(text.size());
            *out++ = static_cast<char>(kLongText);
            std::memcpy(out, &length, sizeof length);
            out += sizeof length;
        }
        if (!text.empty()) {
            std::memcpy(out, text.data(), text.size());
            out += text.size();
        }
    }
    block.used += bytes;
    // Only an entry in a block of its own can start beyond 64 KB, and that one starts at 0.
    locators_.push_back(static_cast<std::uint32_t>((blocks_.size() - 1) << 16 | offset));
    return locators_.size() - 1;
}

void PackedTexts::get(std::size_t entry, std::span<std::string_view> texts) const {
    const std::uint32_t locator = locators_[entry];
    const Block& block = blocks_[locator >> 16];
    const char* p = block.bytes.get() + (locator & 0xFFFF);
    const char* end = block.bytes.get() + block.used;
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
    locators_.clear();
}
