// The (call sign, band) pairs kept so far in one retrieval, for the same-band repeat check: a flat
// open-addressing table, since a log of a million QSOs looks it up once per record.
#pragma once

#include "LargeBuffer.h"

#include <cstdint>
#include <string_view>

class RepeatSet {
public:
    RepeatSet() = default;
    // The arrays point into the buffer: a set stays where it was made.
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
    static std::uint64_t pack(std::string_view call);
    static std::uint8_t bandCode(int band);
    static std::uint64_t hash(std::uint64_t call, std::uint8_t band);
    static std::uint8_t tagOf(std::uint64_t hash) {
        return static_cast<std::uint8_t>(hash >> 57 | 0x80);
    }
    // The pair's slot, or the empty one where it would go.
    std::size_t find(std::uint64_t call, std::uint8_t band, std::uint64_t hash) const;
    void grow();

    // Probing reads the one-byte tags, a table small enough to stay in cache; the keys are read
    // only where a tag matches, so a new pair usually costs no access to them at all.
    // The three arrays share one zero-filled buffer, calls first for their alignment.
    LargeBuffer table_;
    std::size_t slots_ = 0;
    std::uint64_t* calls_ = nullptr; // the call sign's bytes, zero-padded
    std::uint8_t* tags_ = nullptr;   // 0 for an empty slot, else 0x80 and 7 bits of the hash
    std::uint8_t* bands_ = nullptr;
    std::size_t size_ = 0;
};
