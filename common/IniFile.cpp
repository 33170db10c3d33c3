// Reading and editing private-profile ini files line by line, keeping everything not touched.
#include "common/IniFile.h"

#include "common/AtomicFile.h"
#include "common/Cp932.h"

#include <cstdint>
#include <optional>
#include <unordered_set>

namespace {

// The file as lines (without their line ends), and the line end it uses.
struct IniLines {
    std::vector<std::string> lines;
    std::string eol = "\r\n";
    bool endsWithEol = true;
};

IniLines loadLines(const std::string& path) {
    IniLines result;
    std::string text;
    if (!atomic_file::read(path, text) || text.empty()) {
        return result;
    }
    std::string::size_type firstNewline = text.find('\n');
    result.eol =
        (firstNewline != std::string::npos && firstNewline > 0 && text[firstNewline - 1] == '\r')
            ? "\r\n"
            : (firstNewline != std::string::npos ? "\n" : "\r\n");
    result.endsWithEol = text.back() == '\n';
    std::string::size_type start = 0;
    while (start < text.size()) {
        std::string::size_type end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string_view line(text.data() + start, end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        result.lines.emplace_back(line);
        start = end + 1;
    }
    return result;
}

// The section name of a header line ("[name]", blanks allowed), or nothing for other lines.
std::optional<std::string_view> sectionName(std::string_view line) {
    std::string_view t = cp932::trim(line);
    if (t.empty() || t.front() != '[') {
        return std::nullopt;
    }
    t.remove_prefix(1);
    std::size_t close = cp932::find(t, "]");
    return cp932::trim(close == std::string_view::npos ? t : t.substr(0, close));
}

struct KeyValue {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyValue> keyValue(std::string_view line) {
    std::size_t eq = cp932::find(line, "=");
    if (eq == std::string_view::npos || sectionName(line)) {
        return std::nullopt;
    }
    std::string_view key = cp932::trim(line.substr(0, eq));
    std::string_view value = cp932::trim(line.substr(eq + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
    }
    return KeyValue{key, value};
}

// Line range [begin, end) of the body of the first section with this name; begin is the line after
// the header. Nothing when the section is missing.
struct SectionRange {
    std::size_t header;
    std::size_t begin;
    std::size_t end;
};

std::optional<SectionRange> findSection(const std::vector<std::string>& lines,
                                        std::string_view name) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto s = sectionName(lines[i]);
        if (s && cp932::equalsNoCase(*s, cp932::trim(name))) {
            std::size_t end = i + 1;
            while (end < lines.size() && !sectionName(lines[end])) {
                ++end;
            }
            return SectionRange{i, i + 1, end};
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> findKey(const std::vector<std::string>& lines, const SectionRange& range,
                                   std::string_view key) {
    for (std::size_t i = range.begin; i < range.end; ++i) {
        auto kv = keyValue(lines[i]);
        if (kv && cp932::equalsNoCase(kv->key, cp932::trim(key))) {
            return i;
        }
    }
    return std::nullopt;
}

std::string joinLines(const IniLines& file) {
    std::string text;
    for (std::size_t i = 0; i < file.lines.size(); ++i) {
        text += file.lines[i];
        if (i + 1 < file.lines.size() || file.endsWithEol) {
            text += file.eol;
        }
    }
    return text;
}

// The lookup name of a section and key: trimmed, ASCII upper-cased, joined by a line end (which no
// line holds). Nothing for a name ending in a lone lead byte, which equalsNoCase never matches.
std::optional<std::string> snapshotName(std::string_view section, std::string_view key) {
    std::string joined = std::string(cp932::trim(section)) + '\n' + std::string(cp932::trim(key));
    for (std::size_t i = 0; i < joined.size(); ++i) {
        if (cp932::isLeadByte(static_cast<unsigned char>(joined[i])) &&
            (++i >= joined.size() || joined[i] == '\n')) {
            return std::nullopt;
        }
    }
    return cp932::toUpperAscii(joined);
}

} // namespace

IniFile::IniFile(std::string hostPath) : path_(std::move(hostPath)) {}

IniFile::Snapshot IniFile::snapshot() const {
    Snapshot result;
    IniLines file = loadLines(path_);
    // As readString finds them: the first section of a name, the first key of a name in it.
    std::unordered_set<std::string> seenSections;
    bool skipping = true;
    std::string_view section;
    for (const std::string& line : file.lines) {
        if (auto s = sectionName(line)) {
            section = *s;
            skipping = !seenSections.insert(cp932::toUpperAscii(section)).second;
        } else if (auto kv = keyValue(line); kv && !skipping) {
            if (auto name = snapshotName(section, kv->key)) {
                // A lone lead byte at the end is cut off, as by readString.
                result.values_.try_emplace(std::move(*name),
                                           cp932::cut(kv->value, kv->value.size()));
            }
        }
    }
    return result;
}

std::optional<std::string_view> IniFile::Snapshot::find(std::string_view section,
                                                        std::string_view key) const {
    auto name = snapshotName(section, key);
    auto it = name ? values_.find(*name) : values_.end();
    if (it == values_.end()) {
        return std::nullopt;
    }
    return it->second;
}

std::string IniFile::readString(std::string_view section, std::string_view key,
                                std::string_view defaultValue, std::size_t bufferSize) const {
    std::size_t limit = bufferSize == 0 ? 0 : bufferSize - 1;
    IniLines file = loadLines(path_);
    if (auto range = findSection(file.lines, section)) {
        if (auto line = findKey(file.lines, *range, key)) {
            return cp932::cut(keyValue(file.lines[*line])->value, limit);
        }
    }
    return cp932::cut(defaultValue, limit);
}

int IniFile::readInt(std::string_view section, std::string_view key, int defaultValue) const {
    std::string text = readString(section, key, {}, 4096);
    std::string_view t = cp932::trim(text);
    bool negative = false;
    if (!t.empty() && (t.front() == '+' || t.front() == '-')) {
        negative = t.front() == '-';
        t.remove_prefix(1);
    }
    if (t.empty() || t.front() < '0' || t.front() > '9') {
        return defaultValue;
    }
    std::uint32_t value = 0;
    for (char c : t) {
        if (c < '0' || c > '9') {
            break;
        }
        value = value * 10u + static_cast<std::uint32_t>(c - '0');
    }
    if (negative) {
        value = 0u - value;
    }
    return static_cast<int>(value);
}

bool IniFile::hasKey(std::string_view section, std::string_view key) const {
    IniLines file = loadLines(path_);
    auto range = findSection(file.lines, section);
    return range && findKey(file.lines, *range, key);
}

std::vector<std::string> IniFile::keys(std::string_view section) const {
    std::vector<std::string> result;
    IniLines file = loadLines(path_);
    if (auto range = findSection(file.lines, section)) {
        for (std::size_t i = range->begin; i < range->end; ++i) {
            auto kv = keyValue(file.lines[i]);
            if (!kv || kv->key.empty()) {
                continue;
            }
            bool seen = false;
            for (const auto& k : result) {
                seen = seen || cp932::equalsNoCase(k, kv->key);
            }
            if (!seen) {
                result.emplace_back(kv->key);
            }
        }
    }
    return result;
}

std::vector<std::string> IniFile::sections() const {
    std::vector<std::string> result;
    IniLines file = loadLines(path_);
    for (const auto& line : file.lines) {
        if (auto s = sectionName(line)) {
            result.emplace_back(*s);
        }
    }
    return result;
}

namespace {

void setKey(IniLines& file, std::string_view section, std::string_view key, std::string_view value) {
    std::string line = std::string(cp932::trim(key)) + "=" + std::string(value);
    if (auto range = findSection(file.lines, section)) {
        if (auto at = findKey(file.lines, *range, key)) {
            file.lines[*at] = line;
            return;
        }
        // After the last non-blank line of the section, so blank separators stay below it.
        std::size_t insertAt = range->end;
        while (insertAt > range->begin && cp932::trim(file.lines[insertAt - 1]).empty()) {
            --insertAt;
        }
        file.lines.insert(file.lines.begin() + static_cast<std::ptrdiff_t>(insertAt), line);
        return;
    }
    file.lines.push_back("[" + std::string(cp932::trim(section)) + "]");
    file.lines.push_back(line);
}

} // namespace

bool IniFile::writeString(std::string_view section, std::string_view key, std::string_view value) {
    return writeStrings(section, {{std::string(key), std::string(value)}});
}

bool IniFile::writeStrings(std::string_view section,
                           const std::vector<std::pair<std::string, std::string>>& keyValues) {
    IniLines file = loadLines(path_);
    for (const auto& [key, value] : keyValues) {
        setKey(file, section, key, value);
    }
    file.endsWithEol = true;
    lastError_.clear();
    return atomic_file::write(path_, joinLines(file), &lastError_);
}

bool IniFile::writeInt(std::string_view section, std::string_view key, int value) {
    return writeString(section, key, std::to_string(value));
}

bool IniFile::deleteKey(std::string_view section, std::string_view key) {
    IniLines file = loadLines(path_);
    auto range = findSection(file.lines, section);
    auto at = range ? findKey(file.lines, *range, key) : std::nullopt;
    if (!at) {
        return true;
    }
    file.lines.erase(file.lines.begin() + static_cast<std::ptrdiff_t>(*at));
    lastError_.clear();
    return atomic_file::write(path_, joinLines(file), &lastError_);
}

bool IniFile::deleteSection(std::string_view section) {
    IniLines file = loadLines(path_);
    auto range = findSection(file.lines, section);
    if (!range) {
        return true;
    }
    file.lines.erase(file.lines.begin() + static_cast<std::ptrdiff_t>(range->header),
                     file.lines.begin() + static_cast<std::ptrdiff_t>(range->end));
    lastError_.clear();
    return atomic_file::write(path_, joinLines(file), &lastError_);
}
