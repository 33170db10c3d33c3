// The (call sign, band) pairs kept so far in one retrieval, for the same-band repeat check: a flat
// open-addressing table, since a log of a million QSOs looks it up once per record.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

class RepeatSet {
public:
    // A call sign fits the record's 8-byte call field; a longer text is never a key.
    static constexpr std::size_t kMaxCall = 8;

    // True when the pair was not there before (and is now).
    bool insert(std::string_view call, int band);
    bool contains(std::string_view call, int band) const;
    std::size_t size() const { return size_; }

private:
    struct Slot {
        std::uint64_t call = 0; // the call sign's bytes, zero-padded
        std::int32_t band = 0;
        bool used = false;
    };

    static std::uint64_t pack(std::string_view call);
    std::size_t find(std::uint64_t call, int band) const; // the pair's slot or the empty one to use
    void grow();

    std::vector<Slot> slots_;
    std::size_t size_ = 0;
};
