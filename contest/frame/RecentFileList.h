// The four most recently used contest files of the File menu, kept in their own ini section.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class IniFile;

class RecentFileList {
public:
    static constexpr std::size_t kSize = 4;
    static constexpr const char* kSection = "Recent File List";

    // Host paths, the most recent first.
    const std::vector<std::string>& entries() const { return entries_; }

    // Puts a path at the top; an entry for the same file moves up, the oldest drops off.
    void add(const std::string& hostPath);

    // Forgets a path, as after it could not be opened.
    void remove(const std::string& hostPath);

    // Keys File1..File4 in CP932. Reading stops at the first missing or empty key.
    void load(const IniFile& ini);
    // Replaces the section with the current entries; false when the file cannot be written.
    bool save(IniFile& ini) const;

    // The menu caption of entry i: "&1 name" with the file name only.
    std::string menuText(std::size_t i) const;

private:
    std::vector<std::string> entries_;
};
