// The emulated Windows machine: its construction, and the path mapping and error reporting that
// every call shares. The calls are defined by concern in the PosixPlatform*.cpp files beside this.
#include "services/platform/posix/PosixPlatform.h"

#include "common/ErrorText.h"
#include "common/ProgramPath.h"
#include "services/platform/Win32Codes.h"
#include "services/platform/posix/MachineFolders.h"
#include "services/platform/posix/Wildcard.h"

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

namespace fs = std::filesystem;

PosixPlatform::PosixPlatform(Options options)
    : mapper_(options.root.empty() ? defaultRoot() : options.root),
      programHostPath_(options.programHostPath.empty() ? program_path::executable()
                                                       : options.programHostPath),
      registry_(mapper_.root() + "/registry.reg") {
    std::error_code ec;
    fs::create_directories(mapper_.root() + "/drive_c", ec);
    std::uint32_t error = 0;
    auto cwd = PathMapper::absolute(mapper_.toWindows(fs::current_path(ec).string()),
                                    PathMapper::WindowsPath{'C', {}}, error);
    current_ = cwd ? *cwd : PathMapper::WindowsPath{'C', {}};
    for (const std::string& folder :
         {machine_folders::windows(), systemDirectory(), machine_folders::windows() + "\\TEMP",
          std::string("C:\\Program Files"), machine_folders::special(special_folder::Desktop),
          machine_folders::special(special_folder::Startup),
          machine_folders::special(special_folder::SendTo)}) {
        ensureFolder(folder);
    }
    lastError_ = 0;
}

std::string PosixPlatform::defaultRoot() {
    if (const char* root = std::getenv("QUILLET_ROOT"); root && *root) {
        return root;
    }
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && *data) {
        return std::string(data) + "/quillet";
    }
    const char* home = std::getenv("HOME");
    return std::string(home && *home ? home : ".") + "/.local/share/quillet";
}

std::string PosixPlatform::hostPath(const std::string& windowsPath) {
    return map(windowsPath, true).value_or(std::string());
}

std::string PosixPlatform::windowsPath(const std::string& hostPath) const {
    return mapper_.toWindows(hostPath);
}

void PosixPlatform::holdFiles() {
    if (filesHeld_++ == 0) {
        mapper_.hold(true);
        registry_.hold(true);
    }
}

void PosixPlatform::releaseFiles() {
    if (filesHeld_ > 0 && --filesHeld_ == 0) {
        mapper_.hold(false);
        registry_.hold(false);
        forgetLookups({});
    }
}

std::optional<std::string> PosixPlatform::map(const std::string& path, bool allowWildcard,
                                              PathMapper::Found* found) {
    std::uint32_t error = 0;
    auto absolute = PathMapper::absolute(path, current_, error);
    if (!absolute) {
        fail(error);
        return std::nullopt;
    }
    for (std::size_t i = 0; i < absolute->components.size(); ++i) {
        bool last = i + 1 == absolute->components.size();
        if (wildcard::hasWildcard(absolute->components[i]) && !(allowWildcard && last)) {
            fail(win32_error::InvalidName);
            return std::nullopt;
        }
    }
    // A procedure asks after the same file several times between two changes.
    std::string key;
    if (filesHeld_ > 0) {
        key = absolute->text();
        if (auto kept = lookups_.find(key); kept != lookups_.end()) {
            if (found) {
                *found = kept->second.found;
            }
            return kept->second.host;
        }
    }
    PathMapper::Found learnt;
    auto host = mapper_.toHost(*absolute, error, &learnt);
    if (!host) {
        fail(error);
        return host;
    }
    if (found) {
        *found = learnt;
    }
    if (filesHeld_ > 0) {
        lookupsByHost_.emplace(PathMapper::fold(*host), key);
        lookups_.emplace(std::move(key), Lookup{*host, learnt});
    }
    return host;
}

void PosixPlatform::forgetLookups(const std::vector<std::pair<std::string, bool>>& changed) {
    if (changed.empty()) {
        lookups_.clear();
        lookupsByHost_.clear();
        return;
    }
    auto forget = [this](auto first, auto last) {
        for (auto it = first; it != last; ++it) {
            lookups_.erase(it->second);
        }
        lookupsByHost_.erase(first, last);
    };
    for (const auto& [path, folder] : changed) {
        // The path's lookups under any spelling, and its folder's, whose times it changed.
        for (const std::string& host : {path, fs::path(path).parent_path().string()}) {
            auto [first, last] = lookupsByHost_.equal_range(PathMapper::fold(host));
            forget(first, last);
        }
        if (folder) {
            const std::string below = PathMapper::fold(path) + "/";
            for (auto it = lookupsByHost_.begin(); it != lookupsByHost_.end();) {
                auto next = std::next(it);
                if (it->first.rfind(below, 0) == 0) {
                    lookups_.erase(it->second);
                    lookupsByHost_.erase(it);
                }
                it = next;
            }
        }
    }
}

bool PosixPlatform::statOf(const std::string& hostPath, const PathMapper::Found& found,
                           struct stat& st) {
    if (found.looked && !found.exists) {
        errno = ENOENT;
        return false;
    }
    if (found.looked && !S_ISLNK(found.st.st_mode)) {
        st = found.st;
        return true;
    }
    return ::stat(hostPath.c_str(), &st) == 0;
}

bool PosixPlatform::fail(std::uint32_t error) {
    lastError_ = error;
    return false;
}

bool PosixPlatform::failErrno(int error, const std::string& hostPath) {
    return fail(error == ENOENT ? missingError(hostPath) : error_text::win32Code(error));
}

bool PosixPlatform::folderOfExists(const std::string& hostPath) const {
    return mapper_.folderExists(fs::path(hostPath).parent_path().string());
}

std::uint32_t PosixPlatform::missingError(const std::string& hostPath) const {
    return folderOfExists(hostPath) ? win32_error::FileNotFound : win32_error::PathNotFound;
}

void PosixPlatform::ensureFolder(const std::string& windowsPath) {
    std::uint32_t error = 0;
    auto absolute = PathMapper::absolute(windowsPath, current_, error);
    if (!absolute) {
        return;
    }
    PathMapper::WindowsPath prefix{absolute->drive, {}};
    for (const auto& part : absolute->components) {
        prefix.components.push_back(part);
        if (getFileAttributes(prefix.text()) == file_attribute::Invalid) {
            createDirectory(prefix.text());
        }
    }
}
