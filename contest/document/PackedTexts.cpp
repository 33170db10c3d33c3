// Packing and unpacking entries: a length byte (or 0xFF and four bytes) before each text.
#include "PackedTexts.h"

#include <cstring>
#include <stdexcept>

std::size_t PackedTexts::add(std::span<const std::string_view> texts) {
    std::size_t bytes = 0;
    for (std::string_view text : texts) {
        bytes += (text.size() < kLongText ? 1 : 5) + text.size();
    }
    if (blocks_.empty() || blocks_.back().capacity() - blocks_.back().size() < bytes) {
        // A locator holds a 16-bit block index, so the list ends at 65,536 blocks (4 GB of text).
        if (blocks_.size() == kMaxBlocks) {
            throw std::length_error("packed text list full");
        }
        blocks_.emplace_back().reserve(bytes > kBlockBytes ? bytes : kBlockBytes);
    }
    std::string& block = blocks_.back();
    const std::size_t offset = block.size();
    if (offset >= kBlockBytes) {
        // Only a block of its own holds an entry this large, and it starts at 0.
        throw std::logic_error("packed text offset beyond a block");
    }
    for (std::string_view text : texts) {
        if (text.size() < kLongText) {
            block.push_back(static_cast<char>(text.size()));
        } else {
            const auto length = static_cast<std::uint32_t>(text.size());
            char header[5] = {static_cast<char>(kLongText)};
            std::memcpy(header + 1, &length, sizeof length);
            block.append(header, sizeof header);
        }
        block.append(text);
    }
    locators_.push_back(static_cast<std::uint32_t>((blocks_.size() - 1) << 16 | offset));
    return locators_.size() - 1;
}

void PackedTexts::get(std::size_t entry, std::span<std::string_view> texts) const {
    const std::uint32_t locator = locators_[entry];
    const std::string& block = blocks_[locator >> 16];
    const char* p = block.data() + (locator & 0xFFFF);
    const char* end = block.data() + block.size();
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
