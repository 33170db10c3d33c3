// Groups of short texts stored end to end in 64 KB blocks: a list of a million entries grows
// without copying what it holds and takes a fraction of the memory of separate strings.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

class PackedTexts {
public:
    PackedTexts() = default;
    PackedTexts(const PackedTexts& other);
    PackedTexts& operator=(const PackedTexts& other);
    PackedTexts(PackedTexts&&) noexcept = default;
    PackedTexts& operator=(PackedTexts&&) noexcept = default;
    ~PackedTexts() = default;

    // Stores the texts as one entry and returns its index (entries count from 0).
    std::size_t add(std::span<const std::string_view> texts);

    // Fills texts with an entry's texts; ask for as many as the entry was added with. The views
    // stay valid until clear().
    void get(std::size_t entry, std::span<std::string_view> texts) const;

    std::size_t size() const { return locators_.size(); }
    bool empty() const { return locators_.empty(); }
    void clear();

private:
    static constexpr std::size_t kBlockBytes = std::size_t(1) << 16;
    static constexpr std::size_t kMaxBlocks = std::size_t(1) << 16;
    static constexpr unsigned char kLongText = 0xFF; // a length byte that a 4-byte length follows

    // Filled up to its capacity, never moved; an entry larger than a block gets a block of its own.
    struct Block {
        std::unique_ptr<char[]> bytes;
        std::size_t used = 0;
        std::size_t capacity = 0;
    };

    std::vector<Block> blocks_;
    // Where each entry starts: block index in the high 16 bits, offset in the low 16.
    std::deque<std::uint32_t> locators_;
};
