// Linear probing over a power-of-two table kept at most seven eighths full.
#include "RepeatSet.h"

#include <cstring>
#include <utility>

std::uint64_t RepeatSet::pack(std::string_view call) {
    std::uint64_t packed = 0;
    std::memcpy(&packed, call.data(), call.size() < kMaxCall ? call.size() : kMaxCall);
    return packed;
}

std::uint8_t RepeatSet::bandCode(int band) {
    return band >= 0 && band <= 253 ? static_cast<std::uint8_t>(band + 1) : 255;
}

std::size_t RepeatSet::find(std::uint64_t call, std::uint8_t band) const {
    // splitmix64's finaliser spreads call signs that differ in one letter over the whole table.
    std::uint64_t h = call ^ (std::uint64_t{band} << 56);
    h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9ULL;
    h = (h ^ (h >> 27)) * 0x94D049BB133111EBULL;
    h ^= h >> 31;
    const std::size_t mask = bands_.size() - 1;
    for (std::size_t i = static_cast<std::size_t>(h) & mask;; i = (i + 1) & mask) {
        if (bands_[i] == 0 || (bands_[i] == band && calls_[i] == call)) {
            return i;
        }
    }
}

void RepeatSet::grow() {
    std::vector<std::uint64_t> oldCalls = std::move(calls_);
    std::vector<std::uint8_t> oldBands = std::move(bands_);
    const std::size_t slots = oldBands.empty() ? 1024 : oldBands.size() * 2;
    calls_.assign(slots, 0);
    bands_.assign(slots, 0);
    for (std::size_t i = 0; i < oldBands.size(); ++i) {
        if (oldBands[i] != 0) {
            const std::size_t slot = find(oldCalls[i], oldBands[i]);
            calls_[slot] = oldCalls[i];
            bands_[slot] = oldBands[i];
        }
    }
}

bool RepeatSet::insert(std::string_view call, int band) {
    if (call.size() > kMaxCall) {
        return false;
    }
    if ((size_ + 1) * 8 > bands_.size() * 7) {
        grow();
    }
    const std::uint64_t packed = pack(call);
    const std::uint8_t code = bandCode(band);
    const std::size_t slot = find(packed, code);
    if (bands_[slot] != 0) {
        return false;
    }
    calls_[slot] = packed;
    bands_[slot] = code;
    ++size_;
    return true;
}

bool RepeatSet::contains(std::string_view call, int band) const {
    return call.size() <= kMaxCall && !bands_.empty() &&
           bands_[find(pack(call), bandCode(band))] != 0;
}
