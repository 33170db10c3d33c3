// A set of texts that remembers the order they first came in: a band's multiplier tally, asked once
// for every QSO of a retrieval.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class OrderedTexts {
public:
    // Appends the text unless it is already there; true when it was new. Exact bytes count.
    bool add(std::string_view text);
    bool contains(std::string_view text) const;
    const std::vector<std::string>& inOrder() const { return inOrder_; }
    void clear();

private:
    // Open addressing over a power-of-two table kept at most half full.
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t entry = 0; // 1 + the text's position in inOrder_, 0 for an empty slot
    };
    static std::uint32_t hash(std::string_view text);
    // The slot that holds the text, or the empty one where it would go.
    std::size_t find(std::string_view text, std::uint32_t h) const;
    void grow();

    std::vector<std::string> inOrder_;
    std::vector<Slot> slots_;
};
