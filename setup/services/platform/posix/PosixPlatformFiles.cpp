// The emulated machine's files and folders: paths and the current directory, attributes,
// directory searches, copies, moves and deletes, disk space, profile (ini) files and LZ expansion,
// all carried out on the host files below the root.
#include "common/AtomicFile.h"
#include "common/Cp932.h"
#include "common/ErrorText.h"
#include "common/IniFile.h"
#include "services/platform/Win32Codes.h"
#include "services/platform/posix/HostStat.h"
#include "services/platform/posix/MachineFolders.h"
#include "services/platform/posix/PosixPlatform.h"
#include "services/platform/posix/SzddExpander.h"
#include "services/platform/posix/Wildcard.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

Platform::FindData findData(const std::string& name, const struct stat& st) {
    Platform::FindData data;
    data.name = name;
    data.attributes = host_stat::attributes(st);
    data.size = S_ISDIR(st.st_mode) ? 0 : static_cast<std::uint64_t>(st.st_size);
    data.lastWriteTime = host_stat::fileTime(st.st_mtim);
    return data;
}

// Splits a pattern into its folder part (up to and including the last "\", or "X:") and its name.
std::pair<std::string, std::string> splitLastName(const std::string& path) {
    std::size_t cut = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        auto c = static_cast<unsigned char>(path[i]);
        if (cp932::isLeadByte(c)) {
            ++i;
        } else if (c == '\\' || c == '/' || (c == ':' && i == 1)) {
            cut = i + 1;
        }
    }
    return {path.substr(0, cut), path.substr(cut)};
}

} // namespace

std::string PosixPlatform::windowsDirectory() {
    return machine_folders::windows();
}

std::string PosixPlatform::systemDirectory() {
    return machine_folders::windows() + "\\SYSTEM32";
}

std::string PosixPlatform::tempPath() {
    return machine_folders::windows() + "\\TEMP\\";
}

std::string PosixPlatform::moduleFileName() {
    return mapper_.toWindows(programHostPath_);
}

std::string PosixPlatform::argumentPath(const std::string& argument) {
    return mapper_.toWindows(argument);
}

bool PosixPlatform::setCurrentDirectory(const std::string& path) {
    std::uint32_t error = 0;
    auto absolute = PathMapper::absolute(path, current_, error);
    if (!absolute) {
        return fail(error);
    }
    auto host = map(path);
    struct stat st {};
    if (!host) {
        return false;
    }
    if (::stat(host->c_str(), &st) != 0) {
        return failErrno(errno, *host);
    }
    if (!S_ISDIR(st.st_mode)) {
        return fail(win32_error::InvalidDirectoryName);
    }
    current_ = *absolute;
    return true;
}

std::string PosixPlatform::currentDirectory() {
    return current_.text();
}

std::uint32_t PosixPlatform::getFileAttributes(const std::string& path) {
    PathMapper::Found found;
    auto host = map(path, false, &found);
    struct stat st {};
    if (!host) {
        return file_attribute::Invalid;
    }
    if (!found.looked && mapper_.knownFolder(*host)) {
        return file_attribute::Directory;
    }
    if (!statOf(*host, found, st)) {
        failErrno(errno, *host);
        return file_attribute::Invalid;
    }
    return host_stat::attributes(st);
}

bool PosixPlatform::setFileAttributes(const std::string& path, std::uint32_t attributes) {
    Changing changing(*this);
    PathMapper::Found found;
    auto host = map(path, false, &found);
    struct stat st {};
    if (!host) {
        return false;
    }
    if (!statOf(*host, found, st)) {
        return failErrno(errno, *host);
    }
    if (S_ISDIR(st.st_mode)) {
        return true;
    }
    // Only read-only has a host counterpart: the owner's write permission.
    mode_t mode = st.st_mode & 07777;
    mode = (attributes & file_attribute::ReadOnly) ? (mode & ~mode_t{0222}) : (mode | S_IWUSR);
    changing.of(*host);
    if (mode != (st.st_mode & 07777) && ::chmod(host->c_str(), mode) != 0) {
        return failErrno(errno, *host);
    }
    return true;
}

std::vector<Platform::FindData> PosixPlatform::findFiles(const std::string& pattern) {
    std::vector<FindData> found;
    auto [folder, name] = splitLastName(pattern);
    if (name.empty()) {
        fail(win32_error::FileNotFound);
        return found;
    }
    const std::string folderPath = folder.empty() ? current_.text() : folder;
    PathMapper::Found folderFound;
    auto host = map(folderPath, false, &folderFound);
    struct stat st {};
    if (!host) {
        return found;
    }
    // The folder's own entries are needed only when the pattern takes them; else it is enough to
    // know that the folder is there.
    const bool takesDots = wildcard::matches(name, ".") || wildcard::matches(name, "..");
    if (takesDots || !mapper_.folderExists(*host)) {
        if (!statOf(*host, folderFound, st) || !S_ISDIR(st.st_mode)) {
            fail(win32_error::PathNotFound);
            return found;
        }
    }
    // Every folder but a drive root lists itself and its parent first.
    std::uint32_t error = 0;
    auto absolute = PathMapper::absolute(folderPath, current_, error);
    if (takesDots && absolute && !absolute->components.empty()) {
        for (const char* dot : {".", ".."}) {
            if (wildcard::matches(name, dot)) {
                found.push_back(findData(dot, st));
            }
        }
    }
    std::vector<FindData> entries;
    // A plain name spelled as it is on the host is that entry alone: the folder is not listed, so
    // looking up each of many files in a large folder does not grow with the folder.
    if (!wildcard::hasWildcard(name) && name != "." && name != "..") {
        const std::string hostName = cp932::toUtf8(name);
        struct stat entry {};
        const std::string entryPath = *host + "/" + hostName;
        // While the files are held the entry may have been looked up already.
        PathMapper::Found entryFound;
        const bool known =
            filesHeld_ > 0 && map(pattern, false, &entryFound) == entryPath && entryFound.looked;
        if (cp932::fromUtf8(hostName) == name &&
            (known ? statOf(entryPath, entryFound, entry) || ::lstat(entryPath.c_str(), &entry) == 0
                   : ::stat(entryPath.c_str(), &entry) == 0 ||
                         ::lstat(entryPath.c_str(), &entry) == 0)) {
            found.push_back(findData(name, entry));
            return found;
        }
    }
    std::error_code ec;
    for (fs::directory_iterator it(*host, ec); !ec && it != fs::directory_iterator();
         it.increment(ec)) {
        std::string entryName = cp932::fromUtf8(it->path().filename().string());
        struct stat entry {};
        if (!wildcard::matches(name, entryName) ||
            (::stat(it->path().c_str(), &entry) != 0 && ::lstat(it->path().c_str(), &entry) != 0)) {
            continue;
        }
        entries.push_back(findData(entryName, entry));
    }
    std::sort(entries.begin(), entries.end(), [](const FindData& a, const FindData& b) {
        return cp932::toUpperAscii(a.name) < cp932::toUpperAscii(b.name);
    });
    found.insert(found.end(), entries.begin(), entries.end());
    if (found.empty()) {
        fail(win32_error::FileNotFound);
    }
    return found;
}

bool PosixPlatform::createDirectory(const std::string& path) {
    Changing changing(*this);
    PathMapper::Found found;
    auto host = map(path, false, &found);
    struct stat st {};
    if (!host) {
        return false;
    }
    if (found.looked ? found.exists : ::lstat(host->c_str(), &st) == 0) {
        return fail(win32_error::AlreadyExists);
    }
    if (::mkdir(host->c_str(), 0777) != 0) {
        return failErrno(errno, *host);
    }
    mapper_.added(*host);
    changing.ofFolder(*host);
    return true;
}

bool PosixPlatform::removeDirectory(const std::string& path) {
    Changing changing(*this);
    PathMapper::Found found;
    auto host = map(path, false, &found);
    struct stat st {};
    if (!host) {
        return false;
    }
    if (!statOf(*host, found, st)) {
        return failErrno(errno, *host);
    }
    if (!S_ISDIR(st.st_mode)) {
        return fail(win32_error::InvalidDirectoryName);
    }
    if (*host == "/" || *host == mapper_.root() + "/drive_c") {
        return fail(win32_error::AccessDenied);
    }
    if (::rmdir(host->c_str()) != 0) {
        return fail(errno == EEXIST || errno == ENOTEMPTY ? win32_error::DirectoryNotEmpty
                                                          : error_text::win32Code(errno));
    }
    mapper_.removed(*host);
    changing.ofFolder(*host);
    return true;
}

bool PosixPlatform::copyFile(const std::string& source, const std::string& destination,
                             bool failIfExists) {
    Changing changing(*this);
    profiles_.clear();
    PathMapper::Found fromFound, toFound;
    auto from = map(source, false, &fromFound);
    if (!from) {
        return false;
    }
    auto to = map(destination, false, &toFound);
    if (!to) {
        return false;
    }
    struct stat src {
    }, dst{};
    if (!statOf(*from, fromFound, src)) {
        return failErrno(errno, *from);
    }
    if (S_ISDIR(src.st_mode)) {
        return fail(win32_error::AccessDenied);
    }
    if (statOf(*to, toFound, dst)) {
        if (failIfExists) {
            return fail(win32_error::FileExists);
        }
        if (S_ISDIR(dst.st_mode) || host_stat::isReadOnly(dst)) {
            return fail(win32_error::AccessDenied);
        }
        if (dst.st_dev == src.st_dev && dst.st_ino == src.st_ino) {
            return fail(win32_error::SharingViolation);
        }
    } else if (!folderOfExists(*to)) {
        return fail(win32_error::PathNotFound);
    }
    // Replaced whole with the source's attributes and last-write time, but not forced to disk
    // file by file, as CopyFile does not: a copy can be made again from its source, and an
    // installation of many files would wait on the disk.
    errno = 0;
    if (!atomic_file::copy(*from, *to)) {
        return fail(errno ? error_text::win32Code(errno) : win32_error::AccessDenied);
    }
    mapper_.added(*to);
    changing.of(*to);
    return true;
}

bool PosixPlatform::moveFile(const std::string& source, const std::string& destination) {
    Changing changing(*this);
    profiles_.clear();
    auto from = map(source);
    if (!from) {
        return false;
    }
    auto to = map(destination);
    if (!to) {
        return false;
    }
    struct stat st {};
    if (::lstat(from->c_str(), &st) != 0) {
        return failErrno(errno, *from);
    }
    if (::lstat(to->c_str(), &st) == 0) {
        return fail(win32_error::AlreadyExists);
    }
    if (!folderOfExists(*to)) {
        return fail(win32_error::PathNotFound);
    }
    if (std::rename(from->c_str(), to->c_str()) != 0) {
        return failErrno(errno, *to);
    }
    mapper_.removed(*from);
    changing.ofFolder(*from);
    changing.ofFolder(*to);
    mapper_.added(*to);
    return true;
}

bool PosixPlatform::deleteFile(const std::string& path) {
    Changing changing(*this);
    profiles_.clear();
    PathMapper::Found found;
    auto host = map(path, false, &found);
    struct stat st {};
    if (!host) {
        return false;
    }
    if (found.looked ? !found.exists : ::lstat(host->c_str(), &st) != 0) {
        return failErrno(found.looked ? ENOENT : errno, *host);
    }
    if (found.looked) {
        st = found.st;
    }
    if (S_ISDIR(st.st_mode) || host_stat::isReadOnly(st)) {
        return fail(win32_error::AccessDenied);
    }
    if (::unlink(host->c_str()) != 0) {
        return failErrno(errno, *host);
    }
    mapper_.removed(*host);
    changing.of(*host);
    return true;
}

std::uint32_t PosixPlatform::shellDelete(const std::string& pathOrWildcard) {
    Changing changing(*this);
    profiles_.clear();
    auto [folder, name] = splitLastName(pathOrWildcard);
    std::vector<std::string> targets;
    if (wildcard::hasWildcard(name)) {
        for (const FindData& entry : findFiles(pathOrWildcard)) {
            if (entry.name != "." && entry.name != "..") {
                targets.push_back(folder + entry.name);
            }
        }
        if (targets.empty()) {
            return lastError_ ? lastError_ : win32_error::FileNotFound;
        }
    } else {
        targets.push_back(pathOrWildcard);
    }
    std::uint32_t result = 0;
    for (const std::string& target : targets) {
        PathMapper::Found found;
        auto host = map(target, false, &found);
        struct stat st = found.st;
        if (!host) {
            result = result ? result : lastError_;
            continue;
        }
        if (found.looked ? !found.exists : ::lstat(host->c_str(), &st) != 0) {
            failErrno(found.looked ? ENOENT : errno, *host);
            result = result ? result : lastError_;
            continue;
        }
        if (*host == "/" || *host == mapper_.root() + "/drive_c") {
            result = result ? result : win32_error::AccessDenied;
            continue;
        }
        std::error_code ec;
        if (S_ISDIR(st.st_mode) ? fs::remove_all(*host, ec) == static_cast<std::uintmax_t>(-1)
                                : ::unlink(host->c_str()) != 0) {
            int error = ec ? ec.value() : errno;
            result = result ? result : error_text::win32Code(error);
        }
        mapper_.removed(*host);
        changing.ofFolder(*host);
    }
    lastError_ = result;
    return result;
}

bool PosixPlatform::readFile(const std::string& path, std::string& contents) {
    auto host = map(path);
    if (!host) {
        return false;
    }
    errno = 0;
    if (!atomic_file::read(*host, contents)) {
        return failErrno(errno ? errno : EIO, *host);
    }
    return true;
}

bool PosixPlatform::writeFile(const std::string& path, const std::string& contents) {
    Changing changing(*this);
    profiles_.clear();
    auto host = map(path);
    if (!host || !canReplace(*host)) {
        return false;
    }
    errno = 0;
    if (!atomic_file::write(*host, contents)) {
        return fail(errno ? error_text::win32Code(errno) : win32_error::AccessDenied);
    }
    mapper_.added(*host);
    changing.of(*host);
    return true;
}

bool PosixPlatform::canReplace(const std::string& hostPath) {
    struct stat st {};
    if (!folderOfExists(hostPath)) {
        return fail(win32_error::PathNotFound);
    }
    if (::stat(hostPath.c_str(), &st) == 0 && (S_ISDIR(st.st_mode) || host_stat::isReadOnly(st))) {
        return fail(win32_error::AccessDenied);
    }
    return true;
}

bool PosixPlatform::getDiskFreeSpaceEx(const std::string& path, std::uint64_t& freeBytesToCaller) {
    auto host = map(path);
    struct statvfs vfs {};
    if (!host) {
        return false;
    }
    if (::statvfs(host->c_str(), &vfs) != 0) {
        return failErrno(errno, *host);
    }
    freeBytesToCaller = static_cast<std::uint64_t>(vfs.f_bavail) * vfs.f_frsize;
    return true;
}

bool PosixPlatform::getDiskFreeSpace(const std::string& path, DiskGeometry& geometry) {
    auto host = map(path);
    struct statvfs vfs {};
    if (!host) {
        return false;
    }
    if (::statvfs(host->c_str(), &vfs) != 0) {
        return failErrno(errno, *host);
    }
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint32_t>::max();
    geometry.bytesPerSector = 512;
    geometry.sectorsPerCluster =
        static_cast<std::uint32_t>(std::max<std::uint64_t>(1, vfs.f_frsize / 512));
    geometry.freeClusters = static_cast<std::uint32_t>(std::min<std::uint64_t>(vfs.f_bavail, kMax));
    geometry.totalClusters =
        static_cast<std::uint32_t>(std::min<std::uint64_t>(vfs.f_blocks, kMax));
    return true;
}

std::optional<std::string> PosixPlatform::profilePath(const std::string& file,
                                                      PathMapper::Found* found) {
    // A bare file name is looked for in the Windows folder, as the profile functions do.
    bool bare = file.find_first_of("\\/:") == std::string::npos;
    return map(bare ? machine_folders::windows() + "\\" + file : file, false, found);
}

std::string PosixPlatform::getPrivateProfileString(const std::string& section,
                                                   const std::string& key,
                                                   const std::string& defaultValue,
                                                   std::size_t bufferSize,
                                                   const std::string& file) {
    PathMapper::Found found;
    auto host = profilePath(file, &found);
    std::string value = defaultValue;
    struct stat st {};
    if (host && statOf(*host, found, st)) {
        // Read once per version of the file: a script or log is read key by key.
        const ProfileStamp stamp{st.st_dev,         st.st_ino,          st.st_size,
                                 st.st_mtim.tv_sec, st.st_mtim.tv_nsec, st.st_ctim.tv_sec,
                                 st.st_ctim.tv_nsec};
        auto it = profiles_.find(*host);
        if (it == profiles_.end() || it->second.stamp != stamp) {
            it = profiles_.insert_or_assign(*host, CachedProfile{stamp, IniFile(*host).snapshot()})
                     .first;
        }
        if (auto found = it->second.values.find(section, key)) {
            value = *found;
        }
    }
    // Cut like a buffer of bufferSize bytes, even inside a double-byte character: the caller
    // learns from the length that the value did not fit.
    return value.substr(0, bufferSize == 0 ? 0 : bufferSize - 1);
}

bool PosixPlatform::writePrivateProfileString(const std::string& section, const std::string& key,
                                              const std::string& value, const std::string& file) {
    Changing changing(*this);
    profiles_.clear();
    auto host = profilePath(file);
    if (!host || !canReplace(*host)) {
        return false;
    }
    errno = 0;
    if (!IniFile(*host).writeString(section, key, value)) {
        return fail(errno ? error_text::win32Code(errno) : win32_error::AccessDenied);
    }
    mapper_.added(*host);
    changing.of(*host);
    return true;
}

bool PosixPlatform::flushPrivateProfile(const std::string& file) {
    profiles_.clear();
    // Reads are cached per version of the file, and every write drops the cache.
    return profilePath(file).has_value();
}

bool PosixPlatform::deletePrivateProfileSection(const std::string& section,
                                                const std::string& file) {
    Changing changing(*this);
    profiles_.clear();
    auto host = profilePath(file);
    struct stat st {};
    if (!host) {
        return false;
    }
    if (::stat(host->c_str(), &st) != 0) {
        return true; // nothing to delete
    }
    if (host_stat::isReadOnly(st)) {
        return fail(win32_error::AccessDenied);
    }
    errno = 0;
    if (!IniFile(*host).deleteSection(section)) {
        return fail(errno ? error_text::win32Code(errno) : win32_error::AccessDenied);
    }
    changing.of(*host);
    return true;
}

bool PosixPlatform::getExpandedName(const std::string& source, std::string& expandedName) {
    auto host = map(source);
    if (!host) {
        return false;
    }
    std::ifstream in(*host, std::ios::binary);
    if (!in) {
        return failErrno(errno ? errno : ENOENT, *host);
    }
    char head[14] = {};
    in.read(head, sizeof head);
    auto header =
        SzddExpander::header(std::string_view(head, static_cast<std::size_t>(in.gcount())));
    expandedName = header ? SzddExpander::expandedName(source, *header) : source;
    return true;
}

bool PosixPlatform::lzExpand(const std::string& source, const std::string& destination) {
    Changing changing(*this);
    profiles_.clear();
    auto from = map(source);
    if (!from) {
        return false;
    }
    auto to = map(destination);
    if (!to) {
        return false;
    }
    std::string contents;
    errno = 0;
    struct stat src {};
    if (!atomic_file::read(*from, contents) || ::stat(from->c_str(), &src) != 0) {
        return failErrno(errno ? errno : EIO, *from);
    }
    struct stat st {};
    if (::stat(to->c_str(), &st) == 0 && (S_ISDIR(st.st_mode) || host_stat::isReadOnly(st))) {
        return fail(win32_error::AccessDenied);
    }
    if (!folderOfExists(*to)) {
        return fail(win32_error::PathNotFound);
    }
    std::string expanded;
    if (SzddExpander::isCompressed(contents)) {
        if (!SzddExpander::expand(contents, expanded)) {
            return fail(win32_error::InvalidData);
        }
    } else {
        expanded = std::move(contents);
    }
    errno = 0;
    // Not forced to disk, as a copy is not: it can be expanded again from its source.
    if (!atomic_file::write(*to, expanded, nullptr, atomic_file::Sync::none)) {
        return fail(errno ? error_text::win32Code(errno) : win32_error::AccessDenied);
    }
    // The execute bits follow the source, as in a copy: a program expanded from the medium stays
    // runnable on the host, and a read-only medium still gives a writable file.
    if (::stat(to->c_str(), &st) == 0) {
        ::chmod(to->c_str(), (st.st_mode & 07666) | (src.st_mode & 0111));
    }
    mapper_.added(*to);
    changing.of(*to);
    return true;
}
