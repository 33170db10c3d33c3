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
    return band >= 0 && band <= 254 ? static_cast<std::uint8_t>(band) : 255;
}

std::uint64_t RepeatSet::hash(std::uint64_t call, std::uint8_t band) {
    // splitmix64's finaliser spreads call signs that differ in one letter over the whole table.
    std::uint64_t h = call ^ (std::uint64_t{band} << 56);
    h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9ULL;
    h = (h ^ (h >> 27)) * 0x94D049BB133111EBULL;
    return h ^ (h >> 31);
}

std::size_t RepeatSet::find(std::uint64_t call, std::uint8_t band, std::uint64_t h) const {
    const std::uint8_t tag = tagOf(h);
    const std::size_t mask = slots_ - 1;
    for (std::size_t i = static_cast<std::size_t>(h) & mask;; i = (i + 1) & mask) {
        if (tags_[i] == 0 || (tags_[i] == tag && calls_[i] == call && bands_[i] == band)) {
            return i;
        }
    }
}

void RepeatSet::grow() {
    LargeBuffer oldTable = std::move(table_);
    const std::size_t oldSlots = slots_;
    const std::uint64_t* oldCalls = calls_;
    const std::uint8_t* oldTags = tags_;
    const std::uint8_t* oldBands = bands_;
    slots_ = oldSlots == 0 ? 1024 : oldSlots * 2;
    table_ = LargeBuffer(slots_ * (sizeof *calls_ + sizeof *tags_ + sizeof *bands_));
    calls_ = reinterpret_cast<std::uint64_t*>(table_.data());
    tags_ = reinterpret_cast<std::uint8_t*>(table_.data() + slots_ * sizeof *calls_);
    bands_ = tags_ + slots_;
    for (std::size_t i = 0; i < oldSlots; ++i) {
        if (oldTags[i] != 0) {
            const std::size_t slot = find(oldCalls[i], oldBands[i], hash(oldCalls[i], oldBands[i]));
            tags_[slot] = oldTags[i];
            calls_[slot] = oldCalls[i];
            bands_[slot] = oldBands[i];
        }
    }
}

bool RepeatSet::insert(std::string_view call, int band) {
    if (call.size() > kMaxCall) {
        return false;
    }
    if ((size_ + 1) * 8 > slots_ * 7) {
        grow();
    }
    const std::uint64_t packed = pack(call);
    const std::uint8_t code = bandCode(band);
    const std::uint64_t h = hash(packed, code);
    const std::size_t slot = find(packed, code, h);
    if (tags_[slot] != 0) {
        return false;
    }
    tags_[slot] = tagOf(h);
    calls_[slot] = packed;
    bands_[slot] = code;
    ++size_;
    return true;
}

bool RepeatSet::contains(std::string_view call, int band) const {
    if (call.size() > kMaxCall || slots_ == 0) {
        return false;
    }
    const std::uint64_t packed = pack(call);
    const std::uint8_t code = bandCode(band);
    return tags_[find(packed, code, hash(packed, code))] != 0;
}

void RepeatSet::prefetch(std::string_view call, int band) const {
    if (call.size() > kMaxCall || slots_ == 0) {
        return;
    }
    const std::size_t slot =
        static_cast<std::size_t>(hash(pack(call), bandCode(band))) & (slots_ - 1);
    __builtin_prefetch(&tags_[slot]);
    __builtin_prefetch(&calls_[slot]);
}
