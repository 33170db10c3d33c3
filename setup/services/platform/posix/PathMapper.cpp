// Path mapping of the emulated machine: lexical Windows rules first, then a walk down the host tree
// that finds each name without regard to ASCII case.
#include "services/platform/posix/PathMapper.h"

#include "common/Cp932.h"
#include "services/platform/Win32Codes.h"

#include <cctype>
#include <cerrno>
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

bool isFolder(const std::string& hostPath) {
    struct stat st {};
    return ::stat(hostPath.empty() ? "/" : hostPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

// Each name of a host folder folded to upper case, with its smallest spelling: the one a lookup
// takes when several differ only in case.
std::unordered_map<std::string, std::string> listFolder(const std::string& folder) {
    std::unordered_map<std::string, std::string> names;
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? "/" : folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string entry = it->path().filename().string();
        auto [at, inserted] = names.try_emplace(foldAscii(entry), entry);
        if (!inserted && entry < at->second) {
            at->second = entry;
        }
    }
    return names;
}

std::string parentOf(const std::string& hostPath) {
    std::size_t slash = hostPath.rfind('/');
    return slash == std::string::npos ? std::string() : hostPath.substr(0, slash);
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

std::optional<std::string> PathMapper::findEntry(const std::string& folder,
                                                 const std::string& name) const {
    const std::string wanted = foldAscii(name);
    auto cached = names_.find(folder);
    if (!held_ || cached == names_.end()) {
        auto names = listFolder(folder);
        if (!held_) {
            auto at = names.find(wanted);
            return at == names.end() ? std::nullopt : std::optional<std::string>(at->second);
        }
        cached = names_.emplace(folder, std::move(names)).first;
    }
    auto at = cached->second.find(wanted);
    return at == cached->second.end() ? std::nullopt : std::optional<std::string>(at->second);
}

std::string PathMapper::fold(std::string_view utf8) {
    return foldAscii(utf8);
}

bool PathMapper::folderExists(const std::string& hostFolder) const {
    if (knownFolder(hostFolder)) {
        return true;
    }
    bool exists = isFolder(hostFolder);
    if (held_ && exists) {
        folders_.insert(hostFolder);
    }
    return exists;
}

void PathMapper::hold(bool held) {
    held_ = held;
    if (!held) {
        names_.clear();
        folders_.clear();
    }
}

void PathMapper::added(const std::string& hostPath) {
    auto cached = names_.find(parentOf(hostPath));
    if (cached == names_.end()) {
        return;
    }
    std::string name = hostPath.substr(hostPath.rfind('/') + 1);
    auto [at, inserted] = cached->second.try_emplace(foldAscii(name), name);
    if (!inserted && name < at->second) {
        at->second = name;
    }
}

void PathMapper::removed(const std::string& hostPath) {
    // Another spelling of the name may remain: the folder is listed again when next needed.
    names_.erase(parentOf(hostPath));
    const std::string below = hostPath + "/";
    std::erase_if(names_, [&](const auto& entry) {
        return entry.first == hostPath || entry.first.rfind(below, 0) == 0;
    });
    std::erase_if(folders_, [&](const std::string& folder) {
        return folder == hostPath || folder.rfind(below, 0) == 0;
    });
}

std::optional<std::string> PathMapper::toHost(const WindowsPath& path, std::uint32_t& error,
                                              Found* found) const {
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
        if (knownFolder(exact)) {
            return exact;
        }
        struct stat st {};
        if (::lstat(exact.c_str(), &st) == 0) {
            if (found) {
                *found = Found{true, true, st};
            }
            return exact;
        }
        const bool absent = errno == ENOENT;
        if (folderExists(folder)) {
            auto entry = findEntry(folder, names.back());
            if (found && absent && !entry) {
                *found = Found{true, false, {}};
            }
            return folder + "/" + (entry ? *entry : names.back());
        }
    }
    bool resolving = true;
    for (std::string& name : names) {
        if (resolving) {
            std::string exact = host + "/" + name;
            if (!nameExists(exact)) {
                if (auto entry = findEntry(host, name)) {
                    name = *entry;
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
