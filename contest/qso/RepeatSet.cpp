// Linear probing over a power-of-two table kept at most three quarters full.
#include "RepeatSet.h"

#include <cstring>

std::uint64_t RepeatSet::pack(std::string_view call) {
    std::uint64_t packed = 0;
    std::memcpy(&packed, call.data(), call.size() < kMaxCall ? call.size() : kMaxCall);
    return packed;
}

std::size_t RepeatSet::find(std::uint64_t call, int band) const {
    // splitmix64's finaliser spreads call signs that differ in one letter over the whole table.
    std::uint64_t h = call ^ (static_cast<std::uint64_t>(static_cast<std::uint32_t>(band)) << 56);
    h = (h ^ (h >> 30)) * 0xBF58476D1CE4E5B9ULL;
    h = (h ^ (h >> 27)) * 0x94D049BB133111EBULL;
    h ^= h >> 31;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = static_cast<std::size_t>(h) & mask;; i = (i + 1) & mask) {
        const Slot& s = slots_[i];
        if (!s.used || (s.call == call && s.band == band)) {
            return i;
        }
    }
}

void RepeatSet::grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 1024 : old.size() * 2, Slot{});
    for (const Slot& s : old) {
        if (s.used) {
            slots_[find(s.call, s.band)] = s;
        }
    }
}

bool RepeatSet::insert(std::string_view call, int band) {
    if (call.size() > kMaxCall) {
        return false;
    }
    if ((size_ + 1) * 4 > slots_.size() * 3) {
        grow();
    }
    const std::uint64_t packed = pack(call);
    Slot& slot = slots_[find(packed, band)];
    if (slot.used) {
        return false;
    }
    slot = {packed, band, true};
    ++size_;
    return true;
}

bool RepeatSet::contains(std::string_view call, int band) const {
    return call.size() <= kMaxCall && !slots_.empty() && slots_[find(pack(call), band)].used;
}
