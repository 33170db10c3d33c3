// The in-memory numbering of one ini list.
#include "uninstall/NumberedIniList.h"

#include "common/Cp932.h"
#include "services/IniValues.h"

namespace {

std::string readBack(const std::string& value) {
    std::string_view text = cp932::trim(value);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        text = text.substr(1, text.size() - 2);
    }
    return std::string(text);
}

} // namespace

int NumberedIniList::indexOf(const std::string& value) const {
    const int firstEmpty =
        emptyKeys_.empty() ? static_cast<int>(keys_.size()) + 1 : *emptyKeys_.begin();
    const std::string key = IniIndexKey(value);
    auto found = key.empty() ? firstOf_.end() : firstOf_.find(key);
    return found != firstOf_.end() && found->second < firstEmpty ? found->second : firstEmpty;
}

std::string NumberedIniList::stored(int n) const {
    return n >= 1 && n <= static_cast<int>(values_.size()) ? readBack(values_[n - 1])
                                                           : std::string();
}

void NumberedIniList::store(int n, const std::string& value) {
    const auto at = static_cast<std::size_t>(n - 1);
    if (at == values_.size()) {
        values_.emplace_back();
        keys_.emplace_back();
        emptyKeys_.insert(n);
    }
    std::string key = IniIndexKey(readBack(value));
    values_[at] = value;
    if (key == keys_[at]) {
        return;
    }
    // The old key leaves this number; its lowest number may now be a later one.
    if (keys_[at].empty()) {
        emptyKeys_.erase(n);
    } else if (firstOf_[keys_[at]] == n) {
        firstOf_.erase(keys_[at]);
        for (std::size_t i = at + 1; i < keys_.size(); ++i) {
            if (keys_[i] == keys_[at]) {
                firstOf_.emplace(keys_[i], static_cast<int>(i) + 1);
                break;
            }
        }
    }
    keys_[at] = key;
    if (key.empty()) {
        emptyKeys_.insert(n);
    } else if (auto [it, added] = firstOf_.emplace(key, n); !added && n < it->second) {
        it->second = n;
    }
}
