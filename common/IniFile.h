// Private-profile ini files with the reading and writing rules of the Windows profile functions.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

// One ini file on disk, named by a host path. Every call reads the file as it is now, so a read
// always sees an earlier write, from this object or another. Writes keep every other line, comment
// and the order of the file and replace it atomically. Section and key names match without regard
// to ASCII case; blanks around names and values are dropped; a value in matching double quotes is
// unquoted.
class IniFile {
public:
    explicit IniFile(std::string hostPath);

    // Every value of the file as it was read, so that many keys are found without reading and
    // parsing it again for each: what readString gives with an unlimited buffer, or nothing.
    class Snapshot {
    public:
        std::optional<std::string_view> find(std::string_view section, std::string_view key) const;

    private:
        friend class IniFile;
        std::unordered_map<std::string, std::string> values_; // by folded "section\nkey"
    };

    const std::string& path() const { return path_; }

    // The value, or the default when the section, key or file is missing. Like a buffer of
    // bufferSize bytes, the result has at most bufferSize - 1 bytes (cut at a character boundary).
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue = {}, std::size_t bufferSize = 256) const;

    // The whole file read now; an unreadable file gives an empty snapshot.
    Snapshot snapshot() const;

    // An optional sign and the leading digits ("1x" gives 1); no digits or a missing key gives the
    // default. Values beyond the 32-bit range wrap as the Windows function does.
    int readInt(std::string_view section, std::string_view key, int defaultValue) const;

    // True when the key is present in the section (even with an empty value).
    bool hasKey(std::string_view section, std::string_view key) const;

    // Key names of a section in file order (first spelling of each), and section names.
    std::vector<std::string> keys(std::string_view section) const;
    std::vector<std::string> sections() const;

    // Creates the file and the section when missing; replaces the key's line in place or adds it at
    // the end of the section. Returns false (and sets lastError) when the file cannot be written.
    bool writeString(std::string_view section, std::string_view key, std::string_view value);
    bool writeInt(std::string_view section, std::string_view key, int value);

    // Writes several keys of one section with a single replacement of the file, in the given order.
    bool writeStrings(std::string_view section,
                      const std::vector<std::pair<std::string, std::string>>& keyValues);

    // Removes one key, or a whole section with its keys. A missing key or section is not an error.
    bool deleteKey(std::string_view section, std::string_view key);
    bool deleteSection(std::string_view section);

    const std::string& lastError() const { return lastError_; }

private:
    std::string path_;
    std::string lastError_;
};
