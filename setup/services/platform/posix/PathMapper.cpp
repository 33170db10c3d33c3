// Path mapping of the emulated machine: lexical Windows rules first, then a walk down the host tree
// that finds each name without regard to ASCII case.
#include "services/platform/posix/PathMapper.h"

#include "common/Cp932.h"
#include "services/platform/Win32Codes.h"

#include <cctype>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> splitComponents(std::string_view path) {
    std::vector<std::string> parts;
    std::string current;
    for (std::size_t i = 0; i < path.size(); ++i) {
        auto c = static_cast<unsigned char>(path[i]);
        if (cp932::isLeadByte(c) && i + 1 < path.size()) {
            current += path.substr(i, 2);
            ++i;
        } else if (c == '\\') {
            parts.push_back(std::move(current));
            current.clear();
        } else {
            current += static_cast<char>(c);
        }
    }
    parts.push_back(std::move(current));
    return parts;
}

bool validName(std::string_view name) {
    for (std::size_t i = 0; i < name.size(); ++i) {
        auto c = static_cast<unsigned char>(name[i]);
        if (cp932::isLeadByte(c)) {
            ++i;
        } else if (c < 0x20 || c == '<' || c == '>' || c == ':' || c == '"' || c == '|') {
            return false;
        }
    }
    return true;
}

// Windows drops trailing dots and blanks of a name ("A. " is "A").
std::string withoutTrailingDots(const std::string& name) {
    std::size_t end = name.size();
    while (end > 0 && (name[end - 1] == '.' || name[end - 1] == ' ')) {
        --end;
    }
    // A trail byte is never a dot or a blank, so this cannot split a character.
    return name.substr(0, end);
}

std::string foldAscii(std::string_view utf8) {
    std::string out(utf8);
    for (char& c : out) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return out;
}

bool nameExists(const std::string& hostPath) {
    struct stat st {};
    return ::lstat(hostPath.c_str(), &st) == 0;
}

// The spelling of an existing entry of folder that equals name without regard to ASCII case.
std::optional<std::string> findEntry(const std::string& folder, const std::string& name) {
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? "/" : folder, ec);
    if (ec) {
        return std::nullopt;
    }
    const std::string wanted = foldAscii(name);
    std::optional<std::string> best;
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string entry = it->path().filename().string();
        if (foldAscii(entry) == wanted && (!best || entry < *best)) {
            best = entry;
        }
    }
    return best;
}

} // namespace

std::string PathMapper::WindowsPath::text() const {
    std::string out{drive, ':'};
    for (const auto& c : components) {
        out += '\\';
        out += c;
    }
    if (components.empty()) {
        out += '\\';
    }
    return out;
}

PathMapper::PathMapper(const std::string& hostRoot) {
    fs::path root = fs::path(hostRoot);
    if (root.is_relative()) {
        std::error_code ec;
        root = fs::current_path(ec) / root;
    }
    root_ = root.lexically_normal().string();
    while (root_.size() > 1 && root_.back() == '/') {
        root_.pop_back();
    }
    driveC_ = root_ + "/drive_c";
}

std::optional<PathMapper::WindowsPath>
PathMapper::absolute(std::string_view path, const WindowsPath& current, std::uint32_t& error) {
    std::string text(path);
    for (char& c : text) {
        if (c == '/') {
            c = '\\'; // '/' is never a trail byte
        }
    }
    if (text.empty() || text.rfind("\\\\", 0) == 0) {
        error = win32_error::PathNotFound;
        return std::nullopt;
    }
    WindowsPath result = current;
    std::string_view rest = text;
    auto letter = static_cast<unsigned char>(text[0]);
    if (text.size() >= 2 && text[1] == ':' && std::isalpha(letter)) {
        char drive = static_cast<char>(std::toupper(letter));
        rest.remove_prefix(2);
        if (drive != current.drive) {
            result = WindowsPath{drive, {}};
        }
        if (!rest.empty() && rest.front() == '\\') {
            result.components.clear();
        }
    } else if (text.front() == '\\') {
        result.components.clear();
    }
    for (std::string& part : splitComponents(rest)) {
        if (part.empty() || part == ".") {
            continue;
        }
        if (part == "..") {
            if (!result.components.empty()) {
                result.components.pop_back();
            }
            continue;
        }
        if (!validName(part)) {
            error = win32_error::InvalidName;
            return std::nullopt;
        }
        part = withoutTrailingDots(part);
        if (!part.empty()) {
            result.components.push_back(std::move(part));
        }
    }
    return result;
}

std::optional<std::string> PathMapper::toHost(const WindowsPath& path, std::uint32_t& error) const {
    std::string host;
    if (path.drive == 'C') {
        host = driveC_;
    } else if (path.drive == 'Z') {
        host = "";
    } else {
        error = win32_error::PathNotFound;
        return std::nullopt;
    }
    std::vector<std::string> names;
    names.reserve(path.components.size());
    for (const auto& component : path.components) {
        names.push_back(cp932::toUtf8(component));
    }
    // Most paths are spelled as they are stored, or name a new entry in a folder that is: one look
    // at the whole path, or at its folder and into it, settles those.
    if (!names.empty()) {
        std::string folder = host;
        for (std::size_t i = 0; i + 1 < names.size(); ++i) {
            folder += "/" + names[i];
        }
        const std::string exact = folder + "/" + names.back();
        if (nameExists(exact)) {
            return exact;
        }
        if (folder.empty() || nameExists(folder)) {
            auto found = findEntry(folder, names.back());
            return folder + "/" + (found ? *found : names.back());
        }
    }
    bool resolving = true;
    for (std::string& name : names) {
        if (resolving) {
            std::string exact = host + "/" + name;
            if (!nameExists(exact)) {
                if (auto found = findEntry(host, name)) {
                    name = *found;
                } else {
                    resolving = false; // nothing below a missing name can exist
                }
            }
        }
        host += "/" + name;
    }
    return host.empty() ? "/" : host;
}

std::string PathMapper::toWindows(const std::string& hostPath) const {
    fs::path path(hostPath);
    if (path.is_relative()) {
        std::error_code ec;
        path = fs::current_path(ec) / path;
    }
    std::string normal = path.lexically_normal().string();
    while (normal.size() > 1 && normal.back() == '/') {
        normal.pop_back();
    }
    WindowsPath result{'Z', {}};
    std::string_view rest = normal;
    if (normal == driveC_ || normal.rfind(driveC_ + "/", 0) == 0) {
        result.drive = 'C';
        rest.remove_prefix(driveC_.size());
    }
    std::size_t start = 0;
    while (start < rest.size()) {
        std::size_t slash = rest.find('/', start);
        std::string_view part = rest.substr(start, slash - start);
        if (!part.empty()) {
            result.components.push_back(cp932::fromUtf8(part));
        }
        start = slash == std::string_view::npos ? rest.size() : slash + 1;
    }
    return result.text();
}
