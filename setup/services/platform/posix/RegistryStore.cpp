// REGEDIT4 reading and writing. Strings are CP932: the quoting and the key separator step over
// double-byte characters, whose trail byte may be "\" or a double quote.
#include "services/platform/posix/RegistryStore.h"

#include "common/Cp932.h"
#include "services/platform/Win32Codes.h"

#include <cstdio>
#include <optional>

namespace {

constexpr RegistryRoot kRoots[] = {RegistryRoot::ClassesRoot, RegistryRoot::CurrentUser,
                                   RegistryRoot::LocalMachine, RegistryRoot::Users};

std::string fold(std::string_view name) {
    return cp932::toUpperAscii(name);
}

std::vector<std::string_view> splitPath(std::string_view path) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= path.size(); ++i) {
        if (i < path.size() && cp932::isLeadByte(static_cast<unsigned char>(path[i]))) {
            ++i;
            continue;
        }
        if (i == path.size() || path[i] == '\\') {
            std::size_t end = std::min(i, path.size());
            if (end > start) {
                parts.push_back(path.substr(start, end - start));
            }
            start = i + 1;
        }
    }
    return parts;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && isBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           cp932::equalsNoCase(text.substr(0, prefix.size()), prefix);
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// 1 to 8 hex digits.
std::optional<std::uint32_t> hexNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (char c : digits) {
        int d = hexDigit(c);
        if (d < 0) {
            return std::nullopt;
        }
        value = (value << 4) | static_cast<std::uint32_t>(d);
    }
    return value;
}

// A quoted string starting at text[pos] == '"'; pos ends after the closing quote.
std::optional<std::string> readQuoted(std::string_view text, std::size_t& pos) {
    std::string out;
    for (++pos; pos < text.size(); ++pos) {
        char c = text[pos];
        if (cp932::isLeadByte(static_cast<unsigned char>(c))) {
            if (pos + 1 >= text.size()) {
                return std::nullopt;
            }
            out += text.substr(pos, 2);
            ++pos;
        } else if (c == '\\') {
            if (pos + 1 >= text.size() || (text[pos + 1] != '\\' && text[pos + 1] != '"')) {
                return std::nullopt;
            }
            out += text[++pos];
        } else if (c == '"') {
            ++pos;
            return out;
        } else {
            out += c;
        }
    }
    return std::nullopt;
}

std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (cp932::isLeadByte(static_cast<unsigned char>(c)) && i + 1 < text.size()) {
            out += text.substr(i, 2);
            ++i;
        } else {
            if (c == '\\' || c == '"') {
                out += '\\';
            }
            out += c;
        }
    }
    return out + "\"";
}

// Comma-separated bytes of a hex value ("01,ff"); an empty list is no bytes.
std::optional<std::string> hexBytes(std::string_view list) {
    std::string bytes;
    list = trimBlanks(list);
    if (list.empty()) {
        return bytes;
    }
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t comma = list.find(',', start);
        std::string_view token = trimBlanks(list.substr(start, comma - start));
        auto value = token.size() <= 2 ? hexNumber(token) : std::nullopt;
        if (!value) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(*value));
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    return bytes;
}

std::optional<RegistryValue> parseData(std::string_view data) {
    if (!data.empty() && data.front() == '"') {
        std::size_t pos = 0;
        auto text = readQuoted(data, pos);
        if (!text || !trimBlanks(data.substr(pos)).empty()) {
            return std::nullopt;
        }
        return RegistryValue::string(*text);
    }
    if (startsWithNoCase(data, "dword:")) {
        auto value = hexNumber(trimBlanks(data.substr(6)));
        if (!value) {
            return std::nullopt;
        }
        return RegistryValue::dword(*value);
    }
    std::uint32_t type = registry_type::Binary;
    std::string_view list;
    if (startsWithNoCase(data, "hex:")) {
        list = data.substr(4);
    } else if (startsWithNoCase(data, "hex(")) {
        std::size_t close = data.find(')');
        auto number =
            close == std::string_view::npos ? std::nullopt : hexNumber(data.substr(4, close - 4));
        if (!number || close + 1 >= data.size() || data[close + 1] != ':') {
            return std::nullopt;
        }
        type = *number;
        list = data.substr(close + 2);
    } else {
        return std::nullopt;
    }
    auto bytes = hexBytes(list);
    if (!bytes) {
        return std::nullopt;
    }
    return RegistryValue{type, *bytes};
}

std::string hexList(std::string_view bytes) {
    std::string out;
    char buffer[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buffer, sizeof buffer, "%02x", static_cast<unsigned char>(bytes[i]));
        if (i > 0) {
            out += ',';
        }
        out += buffer;
    }
    return out;
}

// A REG_SZ that can be written as a quoted string: text + NUL, with no NUL, CR or LF inside and no
// half character at its end.
bool quotable(const RegistryValue& v) {
    if (v.type != registry_type::String || v.data.empty() || v.data.back() != '\0') {
        return false;
    }
    std::string_view text(v.data.data(), v.data.size() - 1);
    return text.find_first_of(std::string_view("\0\r\n", 3)) == std::string_view::npos &&
           RegistryStore::validValueName(text);
}

std::string dataText(const RegistryValue& v) {
    if (quotable(v)) {
        return quoted(v.text());
    }
    if (auto n = v.dwordValue()) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "dword:%08x", *n);
        return buffer;
    }
    if (v.type == registry_type::Binary) {
        return "hex:" + hexList(v.data);
    }
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "hex(%x):", v.type);
    return buffer + hexList(v.data);
}

void writeKey(std::string& out, const RegistryStore::Key& key, const std::string& path, bool isRoot,
              std::string_view eol) {
    if (!isRoot || !key.values().empty()) {
        out += "[" + path + "]";
        out += eol;
        for (const auto& [name, value] : key.values()) {
            out += name.empty() ? std::string("@") : quoted(name);
            out += "=" + dataText(value);
            out += eol;
        }
        out += eol;
    }
    for (const auto& [folded, child] : key.subkeys()) {
        writeKey(out, *child, path + "\\" + child->name(), false, eol);
    }
}

} // namespace

const RegistryValue* RegistryStore::Key::value(std::string_view name) const {
    for (const auto& [n, v] : values_) {
        if (cp932::equalsNoCase(n, name)) {
            return &v;
        }
    }
    return nullptr;
}

void RegistryStore::Key::setValue(std::string_view name, RegistryValue value) {
    for (auto& [n, v] : values_) {
        if (cp932::equalsNoCase(n, name)) {
            v = std::move(value);
            return;
        }
    }
    values_.emplace_back(std::string(name), std::move(value));
}

bool RegistryStore::Key::deleteValue(std::string_view name) {
    for (auto it = values_.begin(); it != values_.end(); ++it) {
        if (cp932::equalsNoCase(it->first, name)) {
            values_.erase(it);
            return true;
        }
    }
    return false;
}

RegistryStore::Key* RegistryStore::Key::subkey(std::string_view name) const {
    auto it = subkeys_.find(fold(name));
    return it == subkeys_.end() ? nullptr : it->second.get();
}

RegistryStore::Key& RegistryStore::Key::createSubkey(std::string_view name) {
    auto& slot = subkeys_[fold(name)];
    if (!slot) {
        slot = std::make_unique<Key>(std::string(name));
    }
    return *slot;
}

bool RegistryStore::Key::deleteSubkey(std::string_view name) {
    return subkeys_.erase(fold(name)) > 0;
}

RegistryStore::RegistryStore() {
    for (RegistryRoot root : kRoots) {
        roots_[static_cast<int>(root)] = std::make_unique<Key>(std::string(registryRootName(root)));
    }
}

RegistryStore::Key* RegistryStore::find(RegistryRoot root, std::string_view path) const {
    Key* key = roots_[static_cast<int>(root)].get();
    for (std::string_view part : splitPath(path)) {
        key = key->subkey(part);
        if (!key) {
            return nullptr;
        }
    }
    return key;
}

RegistryStore::Key* RegistryStore::create(RegistryRoot root, std::string_view path) {
    auto parts = splitPath(path);
    for (std::string_view part : parts) {
        if (!validKeyName(part)) {
            return nullptr;
        }
    }
    Key* key = roots_[static_cast<int>(root)].get();
    for (std::string_view part : parts) {
        key = &key->createSubkey(part);
    }
    return key;
}

bool RegistryStore::remove(RegistryRoot root, std::string_view path) {
    auto parts = splitPath(path);
    if (parts.empty()) {
        return false;
    }
    std::string_view last = parts.back();
    parts.pop_back();
    Key* parent = roots_[static_cast<int>(root)].get();
    for (std::string_view part : parts) {
        parent = parent->subkey(part);
        if (!parent) {
            return false;
        }
    }
    return parent->deleteSubkey(last);
}

bool RegistryStore::validKeyName(std::string_view name) {
    return !name.empty() &&
           name.find_first_of(std::string_view("\0\r\n", 3)) == std::string_view::npos;
}

bool RegistryStore::validValueName(std::string_view name) {
    if (name.find_first_of("\r\n") != std::string_view::npos) {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (cp932::isLeadByte(static_cast<unsigned char>(name[i]))) {
            if (i + 1 >= name.size()) {
                return false;
            }
            ++i;
        }
    }
    return true;
}

RegistryStore::Parsed RegistryStore::parse(std::string_view text) {
    Parsed result;
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        std::string_view line =
            text.substr(start, end == std::string_view::npos ? end : end - start);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        lines.push_back(line);
        start = end == std::string_view::npos ? text.size() : end + 1;
    }

    bool headerSeen = false;
    Key* current = nullptr;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t lineNumber = i + 1;
        std::string_view line = trimBlanks(lines[i]);
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (!headerSeen) {
            headerSeen = true;
            if (line == "REGEDIT4") {
                continue;
            }
            result.badLines.push_back(1);
        }
        if (line.front() == '[') {
            current = nullptr;
            std::size_t close = line.rfind(']');
            if (close == std::string_view::npos || close + 1 != line.size()) {
                result.badLines.push_back(lineNumber);
                continue;
            }
            std::string_view path = line.substr(1, close - 1);
            std::size_t slash = cp932::find(path, "\\");
            std::string_view rootName = path.substr(0, slash);
            std::string_view rest =
                slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
            for (RegistryRoot root : kRoots) {
                if (cp932::equalsNoCase(rootName, registryRootName(root))) {
                    current = result.store.create(root, rest);
                }
            }
            if (!current) {
                result.badLines.push_back(lineNumber);
            }
            continue;
        }
        if (!current || (line.front() != '"' && line.front() != '@')) {
            result.badLines.push_back(lineNumber);
            continue;
        }
        std::string name;
        std::size_t pos = 1;
        if (line.front() == '"') {
            pos = 0;
            auto quotedName = readQuoted(line, pos);
            if (!quotedName) {
                result.badLines.push_back(lineNumber);
                continue;
            }
            name = *quotedName;
        }
        std::string_view afterName = trimBlanks(line.substr(pos));
        if (afterName.empty() || afterName.front() != '=') {
            result.badLines.push_back(lineNumber);
            continue;
        }
        std::string data(trimBlanks(afterName.substr(1)));
        if (startsWithNoCase(data, "hex")) {
            // Long hex lists go on over lines that end in "\".
            while (!data.empty() && data.back() == '\\' && i + 1 < lines.size()) {
                data.pop_back();
                data += trimBlanks(lines[++i]);
            }
        }
        auto value = parseData(data);
        if (!value) {
            result.badLines.push_back(lineNumber);
            continue;
        }
        current->setValue(name, std::move(*value));
    }
    return result;
}

std::string RegistryStore::serialize(std::string_view eol) const {
    std::string out = "REGEDIT4";
    out += eol;
    out += eol;
    for (RegistryRoot root : kRoots) {
        const Key& key = *roots_[static_cast<int>(root)];
        writeKey(out, key, key.name(), true, eol);
    }
    return out;
}
