// The (call sign, band) pairs kept so far in one retrieval, for the same-band repeat check: a flat
// open-addressing table, since a log of a million QSOs looks it up once per record.
#pragma once

#include "common/LargeBuffer.h"

#include <cstdint>
#include <string_view>

class RepeatSet {
public:
    RepeatSet() = default;
    // The table points into the buffer: a set stays where it was made.
    RepeatSet(const RepeatSet&) = delete;
    RepeatSet& operator=(const RepeatSet&) = delete;

    // A call sign fits the record's 8-byte call field; a longer text is never a key.
    static constexpr std::size_t kMaxCall = 8;

    // True when the pair was not there before (and is now). Band indexes 0..254 are told apart;
    // any other value counts as one more band (no log library numbers its bands that far).
    bool insert(std::string_view call, int band);
    bool contains(std::string_view call, int band) const;
    // Asks for the memory where the pair would be looked up, ahead of an insert or contains.
    void prefetch(std::string_view call, int band) const;
    std::size_t size() const { return size_; }

private:
    // Six keys to a cache line, so that a lookup, already asked for by prefetch(), finds tags and
    // keys in one line; a full line passes the search on to the next.
    static constexpr std::size_t kPerGroup = 6;
    struct alignas(64) Group {
        std::uint64_t calls[kPerGroup]; // the call sign's bytes, zero-padded
        std::uint8_t tags[kPerGroup];   // 0 for an empty slot, else 0x80 and 7 bits of the hash
        std::uint8_t bands[kPerGroup];
    };
    static_assert(sizeof(Group) == 64);

    // A free slot or the key's own.
    struct Slot {
        std::size_t group;
        std::size_t index;
    };

    static std::uint64_t pack(std::string_view call);
    static std::uint8_t bandCode(int band);
    static std::uint64_t hash(std::uint64_t call, std::uint8_t band);
    static std::uint8_t tagOf(std::uint64_t hash) {
        return static_cast<std::uint8_t>(hash >> 57 | 0x80);
    }
    // The pair's slot, or the empty one where it would go: slots fill in order and nothing is
    // removed, so the first empty slot ends the search.
    Slot find(std::uint64_t call, std::uint8_t band, std::uint64_t hash) const;
    void grow();

    // The groups live in one zero-filled buffer.
    LargeBuffer table_;
    Group* groups_ = nullptr;
    std::size_t groupCount_ = 0; // a power of two
    std::size_t size_ = 0;
};
