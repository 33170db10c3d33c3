// Linear probing over groups of six slots, kept at most four fifths full.
#include "qso/RepeatSet.h"

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

RepeatSet::Slot RepeatSet::find(std::uint64_t call, std::uint8_t band, std::uint64_t h) const {
    const std::uint8_t tag = tagOf(h);
    const std::size_t mask = groupCount_ - 1;
    for (std::size_t g = static_cast<std::size_t>(h) & mask;; g = (g + 1) & mask) {
        const Group& group = groups_[g];
        for (std::size_t i = 0; i < kPerGroup; ++i) {
            if (group.tags[i] == 0 ||
                (group.tags[i] == tag && group.calls[i] == call && group.bands[i] == band)) {
                return {g, i};
            }
        }
    }
}

void RepeatSet::grow() {
    LargeBuffer oldTable = std::move(table_);
    const Group* oldGroups = groups_;
    const std::size_t oldCount = groupCount_;
    groupCount_ = oldCount == 0 ? 256 : oldCount * 2;
    table_ = LargeBuffer(groupCount_ * sizeof(Group));
    groups_ = reinterpret_cast<Group*>(table_.data());
    for (std::size_t g = 0; g < oldCount; ++g) {
        const Group& old = oldGroups[g];
        for (std::size_t i = 0; i < kPerGroup && old.tags[i] != 0; ++i) {
            const Slot slot = find(old.calls[i], old.bands[i], hash(old.calls[i], old.bands[i]));
            Group& group = groups_[slot.group];
            group.tags[slot.index] = old.tags[i];
            group.calls[slot.index] = old.calls[i];
            group.bands[slot.index] = old.bands[i];
        }
    }
}

bool RepeatSet::insert(std::string_view call, int band) {
    if (call.size() > kMaxCall) {
        return false;
    }
    if ((size_ + 1) * 5 > groupCount_ * kPerGroup * 4) {
        grow();
    }
    const std::uint64_t packed = pack(call);
    const std::uint8_t code = bandCode(band);
    const std::uint64_t h = hash(packed, code);
    const Slot slot = find(packed, code, h);
    Group& group = groups_[slot.group];
    if (group.tags[slot.index] != 0) {
        return false;
    }
    group.tags[slot.index] = tagOf(h);
    group.calls[slot.index] = packed;
    group.bands[slot.index] = code;
    ++size_;
    return true;
}

bool RepeatSet::contains(std::string_view call, int band) const {
    if (call.size() > kMaxCall || groupCount_ == 0) {
        return false;
    }
    const std::uint64_t packed = pack(call);
    const std::uint8_t code = bandCode(band);
    const Slot slot = find(packed, code, hash(packed, code));
    return groups_[slot.group].tags[slot.index] != 0;
}

void RepeatSet::prefetch(std::string_view call, int band) const {
    if (call.size() > kMaxCall || groupCount_ == 0) {
        return;
    }
    const std::uint64_t h = hash(pack(call), bandCode(band));
#if defined(__GNUC__) || defined(__clang__)
    __builtin_prefetch(&groups_[static_cast<std::size_t>(h) & (groupCount_ - 1)]);
#endif
}
