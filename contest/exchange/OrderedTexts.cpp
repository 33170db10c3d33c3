// Linear probing on a 32-bit FNV-1a hash; the texts themselves live in the ordered list.
#include "exchange/OrderedTexts.h"

bool OrderedTexts::add(std::string_view text) {
    if ((inOrder_.size() + 1) * 2 > slots_.size()) {
        grow();
    }
    const std::uint32_t h = hash(text);
    const std::size_t slot = find(text, h);
    if (slots_[slot].entry != 0) {
        return false;
    }
    inOrder_.emplace_back(text);
    slots_[slot] = {h, static_cast<std::uint32_t>(inOrder_.size())};
    return true;
}

bool OrderedTexts::contains(std::string_view text) const {
    return !slots_.empty() && slots_[find(text, hash(text))].entry != 0;
}

void OrderedTexts::clear() {
    inOrder_.clear();
    slots_.clear();
}

std::uint32_t OrderedTexts::hash(std::string_view text) {
    std::uint32_t h = 2166136261u;
    for (char c : text) {
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    }
    return h;
}

std::size_t OrderedTexts::find(std::string_view text, std::uint32_t h) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = h & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.entry == 0 || (slot.hash == h && inOrder_[slot.entry - 1] == text)) {
            return i;
        }
    }
}

void OrderedTexts::grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 16 : old.size() * 2, Slot{});
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.entry != 0) {
            std::size_t i = slot.hash & mask;
            while (slots_[i].entry != 0) {
                i = (i + 1) & mask;
            }
            slots_[i] = slot;
        }
    }
}
