// Keeping, reading and writing the recent-file list.
#include "frame/RecentFileList.h"

#include "common/Cp932.h"
#include "common/IniFile.h"

#include <algorithm>
#include <filesystem>

namespace {

std::string key(std::size_t i) {
    return "File" + std::to_string(i + 1);
}

// Two spellings of one file count as one entry.
std::string normal(const std::string& hostPath) {
    return std::filesystem::path(hostPath).lexically_normal().string();
}

} // namespace

void RecentFileList::add(const std::string& hostPath) {
    if (hostPath.empty()) {
        return;
    }
    remove(hostPath);
    entries_.insert(entries_.begin(), hostPath);
    if (entries_.size() > kSize) {
        entries_.resize(kSize);
    }
}

void RecentFileList::remove(const std::string& hostPath) {
    const std::string target = normal(hostPath);
    std::erase_if(entries_, [&](const std::string& e) { return normal(e) == target; });
}

void RecentFileList::load(const IniFile& ini) {
    entries_.clear();
    for (std::size_t i = 0; i < kSize; ++i) {
        // Host paths may be long; the profile buffer is sized for them.
        std::string value = ini.readString(kSection, key(i), "", 4096);
        if (value.empty()) {
            break;
        }
        const std::string path = cp932::toUtf8(value);
        if (std::find(entries_.begin(), entries_.end(), path) == entries_.end()) {
            entries_.push_back(path);
        }
    }
}

bool RecentFileList::save(IniFile& ini) const {
    std::vector<std::pair<std::string, std::string>> values;
    for (std::size_t i = 0; i < kSize; ++i) {
        values.emplace_back(key(i), i < entries_.size() ? cp932::fromUtf8(entries_[i]) : "");
    }
    return ini.writeStrings(kSection, values);
}

std::string RecentFileList::menuText(std::size_t i) const {
    if (i >= entries_.size()) {
        return {};
    }
    const std::u8string name = std::filesystem::path(entries_[i]).filename().u8string();
    std::string caption = "&" + std::to_string(i + 1) + " ";
    // A "&" of the name is doubled so that it shows instead of marking a menu key.
    for (char c : cp932::fromUtf8(std::string(name.begin(), name.end()))) {
        caption += c == '&' ? "&&" : std::string(1, c);
    }
    return caption;
}
