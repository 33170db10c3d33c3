// Groups of short texts stored end to end in 64 KB blocks: a list of a million entries grows
// without copying what it holds and takes a fraction of the memory of separate strings.
#pragma once

#include "common/BlockArena.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

class PackedTexts {
public:
    PackedTexts() = default;
    // A list that takes its memory in chunks of at most largestChunk bytes (see BlockArena).
    explicit PackedTexts(std::size_t largestChunk) : arena_(largestChunk) {}
    PackedTexts(const PackedTexts& other);
    PackedTexts& operator=(const PackedTexts& other);
    PackedTexts(PackedTexts&&) noexcept = default;
    PackedTexts& operator=(PackedTexts&&) noexcept = default;
    ~PackedTexts() = default;

    // Stores the texts as one entry and returns its index (entries count from 0).
    std::size_t add(std::span<const std::string_view> texts);

    // The same in two steps, for a caller that writes the entry itself: room for an entry of at
    // most maxBytes, where the caller writes each text as putText() does; then the entry's size.
    char* beginEntry(std::size_t maxBytes);
    std::size_t commitEntry(std::size_t bytes);
    // Writes one text of an entry at out (a length byte, or 0xFF and four bytes, then the bytes)
    // and returns the end; at most textBytes(text.size()) bytes.
    static char* putText(char* out, std::string_view text);
    // For a text written in place one byte after `at`, up to `end`: puts its length prefix at
    // `at` (moving a text of 255 bytes or more up by four for the long prefix) and returns the
    // new end. The room needed is textBytes(end - at - 1).
    static char* closeText(char* at, char* end);
    static constexpr std::size_t textBytes(std::size_t length) {
        return (length < kLongText ? 1 : kMostPrefixBytes) + length;
    }
    // The longest length prefix: a long text's marker byte and its four-byte length.
    static constexpr std::size_t kMostPrefixBytes = 5;

    // Fills texts with an entry's texts; ask for as many as the entry was added with. The views
    // stay valid until clear().
    void get(std::size_t entry, std::span<std::string_view> texts) const;

    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    void clear();

private:
    static constexpr std::size_t kBlockBytes = std::size_t(1) << 16;
    static constexpr std::size_t kMaxBlocks = std::size_t(1) << 16;
    static constexpr unsigned char kLongText = 0xFF; // a length byte that a 4-byte length follows

    static constexpr std::size_t kLocatorsPerPage = kBlockBytes / sizeof(std::uint32_t);

    // Filled up to its capacity, never moved; an entry larger than a block gets a block of its own.
    struct Block {
        char* bytes = nullptr;
        std::size_t used = 0;
        std::size_t capacity = 0;
    };

    void addBlock(std::size_t capacity);
    std::uint32_t& locator(std::size_t entry) const {
        return locatorPages_[entry / kLocatorsPerPage][entry % kLocatorsPerPage];
    }

    BlockArena arena_; // owns the blocks and the locator pages
    std::vector<Block> blocks_;
    // Where each entry starts: block index in the high 16 bits, offset in the low 16.
    std::vector<std::uint32_t*> locatorPages_;
    std::size_t size_ = 0;
};
