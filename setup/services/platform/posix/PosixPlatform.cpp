// The emulated Windows machine: Windows calls carried out on the host files below the root, with
// host errors turned into the Win32 codes Windows would report.
#include "services/platform/posix/PosixPlatform.h"

#include "common/AtomicFile.h"
#include "common/Cp932.h"
#include "common/IniFile.h"
#include "common/ProgramPath.h"
#include "services/platform/ShellLinkFile.h"
#include "services/platform/VersionResource.h"
#include "services/platform/Win32Codes.h"
#include "services/platform/posix/HostErrors.h"
#include "services/platform/posix/HostStat.h"
#include "services/platform/posix/MachineFolders.h"
#include "services/platform/posix/SzddExpander.h"
#include "services/platform/posix/Wildcard.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sys/file.h>
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

class LockFile : public Platform::InstanceLock {
public:
    explicit LockFile(int fd) : fd_(fd) {}
    ~LockFile() override { ::close(fd_); }

private:
    int fd_;
};

} // namespace

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

std::string PosixPlatform::registryText(const std::string& eol) {
    return registry_.current().serialize(eol);
}

std::optional<std::string> PosixPlatform::map(const std::string& path, bool allowWildcard) {
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
    auto host = mapper_.toHost(*absolute, error);
    if (!host) {
        fail(error);
    }
    return host;
}

bool PosixPlatform::fail(std::uint32_t error) {
    lastError_ = error;
    return false;
}

bool PosixPlatform::failErrno(int error, const std::string& hostPath) {
    return fail(error == ENOENT ? missingError(hostPath) : host_errors::fromErrno(error));
}

bool PosixPlatform::folderOfExists(const std::string& hostPath) const {
    struct stat st {};
    std::string folder = fs::path(hostPath).parent_path().string();
    return ::stat(folder.empty() ? "/" : folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
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
    auto host = map(path);
    struct stat st {};
    if (!host) {
        return file_attribute::Invalid;
    }
    if (::stat(host->c_str(), &st) != 0) {
        failErrno(errno, *host);
        return file_attribute::Invalid;
    }
    return host_stat::attributes(st);
}

bool PosixPlatform::setFileAttributes(const std::string& path, std::uint32_t attributes) {
    auto host = map(path);
    struct stat st {};
    if (!host) {
        return false;
    }
    if (::stat(host->c_str(), &st) != 0) {
        return failErrno(errno, *host);
    }
    if (S_ISDIR(st.st_mode)) {
        return true;
    }
    // Only read-only has a host counterpart: the owner's write permission.
    mode_t mode = st.st_mode & 07777;
    mode = (attributes & file_attribute::ReadOnly) ? (mode & ~mode_t{0222}) : (mode | S_IWUSR);
    if (::chmod(host->c_str(), mode) != 0) {
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
    auto host = map(folderPath);
    struct stat st {};
    if (!host) {
        return found;
    }
    if (::stat(host->c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) {
        fail(win32_error::PathNotFound);
        return found;
    }
    // Every folder but a drive root lists itself and its parent first.
    std::uint32_t error = 0;
    auto absolute = PathMapper::absolute(folderPath, current_, error);
    if (absolute && !absolute->components.empty()) {
        for (const char* dot : {".", ".."}) {
            if (wildcard::matches(name, dot)) {
                found.push_back(findData(dot, st));
            }
        }
    }
    std::vector<FindData> entries;
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
    auto host = map(path);
    struct stat st {};
    if (!host) {
        return false;
    }
    if (::lstat(host->c_str(), &st) == 0) {
        return fail(win32_error::AlreadyExists);
    }
    if (::mkdir(host->c_str(), 0777) != 0) {
        return failErrno(errno, *host);
    }
    return true;
}

bool PosixPlatform::removeDirectory(const std::string& path) {
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
    if (*host == "/" || *host == mapper_.root() + "/drive_c") {
        return fail(win32_error::AccessDenied);
    }
    if (::rmdir(host->c_str()) != 0) {
        return fail(errno == EEXIST || errno == ENOTEMPTY ? win32_error::DirectoryNotEmpty
                                                          : host_errors::fromErrno(errno));
    }
    return true;
}

bool PosixPlatform::copyFile(const std::string& source, const std::string& destination,
                             bool failIfExists) {
    auto from = map(source);
    if (!from) {
        return false;
    }
    auto to = map(destination);
    if (!to) {
        return false;
    }
    struct stat src {
    }, dst{};
    if (::stat(from->c_str(), &src) != 0) {
        return failErrno(errno, *from);
    }
    if (S_ISDIR(src.st_mode)) {
        return fail(win32_error::AccessDenied);
    }
    if (::stat(to->c_str(), &dst) == 0) {
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
    std::string contents;
    errno = 0;
    if (!atomic_file::read(*from, contents)) {
        return failErrno(errno, *from);
    }
    errno = 0;
    if (!atomic_file::write(*to, contents)) {
        return fail(errno ? host_errors::fromErrno(errno) : win32_error::AccessDenied);
    }
    // A copy keeps the attributes and the last-write time of its source.
    ::chmod(to->c_str(), src.st_mode & 07777);
    struct timespec times[2] = {src.st_atim, src.st_mtim};
    ::utimensat(AT_FDCWD, to->c_str(), times, 0);
    return true;
}

bool PosixPlatform::moveFile(const std::string& source, const std::string& destination) {
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
    return true;
}

bool PosixPlatform::deleteFile(const std::string& path) {
    auto host = map(path);
    struct stat st {};
    if (!host) {
        return false;
    }
    if (::lstat(host->c_str(), &st) != 0) {
        return failErrno(errno, *host);
    }
    if (S_ISDIR(st.st_mode) || host_stat::isReadOnly(st)) {
        return fail(win32_error::AccessDenied);
    }
    if (::unlink(host->c_str()) != 0) {
        return failErrno(errno, *host);
    }
    return true;
}

std::uint32_t PosixPlatform::shellDelete(const std::string& pathOrWildcard) {
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
        auto host = map(target);
        struct stat st {};
        if (!host) {
            result = result ? result : lastError_;
            continue;
        }
        if (::lstat(host->c_str(), &st) != 0) {
            failErrno(errno, *host);
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
            result = result ? result : host_errors::fromErrno(error);
        }
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

std::optional<std::string> PosixPlatform::profilePath(const std::string& file) {
    // A bare file name is looked for in the Windows folder, as the profile functions do.
    bool bare = file.find_first_of("\\/:") == std::string::npos;
    return map(bare ? machine_folders::windows() + "\\" + file : file);
}

std::string PosixPlatform::getPrivateProfileString(const std::string& section,
                                                   const std::string& key,
                                                   const std::string& defaultValue,
                                                   std::size_t bufferSize,
                                                   const std::string& file) {
    auto host = profilePath(file);
    std::string value = host ? IniFile(*host).readString(section, key, defaultValue,
                                                         std::numeric_limits<std::size_t>::max())
                             : defaultValue;
    // Cut like a buffer of bufferSize bytes, even inside a double-byte character: the caller
    // learns from the length that the value did not fit.
    return value.substr(0, bufferSize == 0 ? 0 : bufferSize - 1);
}

bool PosixPlatform::writePrivateProfileString(const std::string& section, const std::string& key,
                                              const std::string& value, const std::string& file) {
    auto host = profilePath(file);
    struct stat st {};
    if (!host) {
        return false;
    }
    if (!folderOfExists(*host)) {
        return fail(win32_error::PathNotFound);
    }
    if (::stat(host->c_str(), &st) == 0 && (S_ISDIR(st.st_mode) || host_stat::isReadOnly(st))) {
        return fail(win32_error::AccessDenied);
    }
    errno = 0;
    if (!IniFile(*host).writeString(section, key, value)) {
        return fail(errno ? host_errors::fromErrno(errno) : win32_error::AccessDenied);
    }
    return true;
}

bool PosixPlatform::flushPrivateProfile(const std::string& file) {
    // Every ini call reads and writes the file itself; there is no cache to flush.
    return profilePath(file).has_value();
}

bool PosixPlatform::deletePrivateProfileSection(const std::string& section,
                                                const std::string& file) {
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
        return fail(errno ? host_errors::fromErrno(errno) : win32_error::AccessDenied);
    }
    return true;
}

std::uint32_t PosixPlatform::saveRegistry() {
    std::uint32_t error = 0;
    return registry_.save(error) ? win32_error::Success : error;
}

std::uint32_t PosixPlatform::regCreateKey(RegistryRoot root, const std::string& keyPath) {
    RegistryStore& store = registry_.current();
    if (store.find(root, keyPath)) {
        return win32_error::Success;
    }
    if (!store.create(root, keyPath)) {
        return win32_error::InvalidParameter;
    }
    return saveRegistry();
}

std::uint32_t PosixPlatform::regOpenKey(RegistryRoot root, const std::string& keyPath) {
    return registry_.current().find(root, keyPath) ? win32_error::Success
                                                   : win32_error::FileNotFound;
}

std::uint32_t PosixPlatform::regQueryValue(RegistryRoot root, const std::string& keyPath,
                                           const std::string& name, RegistryValue& value) {
    const RegistryStore::Key* key = registry_.current().find(root, keyPath);
    const RegistryValue* found = key ? key->value(name) : nullptr;
    if (!found) {
        return win32_error::FileNotFound;
    }
    value = *found;
    return win32_error::Success;
}

std::uint32_t PosixPlatform::regSetValue(RegistryRoot root, const std::string& keyPath,
                                         const std::string& name, const RegistryValue& value) {
    RegistryStore::Key* key = registry_.current().find(root, keyPath);
    if (!key) {
        return win32_error::FileNotFound;
    }
    if (!RegistryStore::validValueName(name)) {
        return win32_error::InvalidParameter;
    }
    key->setValue(name, value);
    return saveRegistry();
}

std::uint32_t PosixPlatform::regDeleteValue(RegistryRoot root, const std::string& keyPath,
                                            const std::string& name) {
    RegistryStore::Key* key = registry_.current().find(root, keyPath);
    if (!key || !key->deleteValue(name)) {
        return win32_error::FileNotFound;
    }
    return saveRegistry();
}

std::uint32_t PosixPlatform::regDeleteKeyTree(RegistryRoot root, const std::string& keyPath) {
    // A path of separators only names the root itself, which is never deleted.
    if (keyPath.find_first_not_of('\\') == std::string::npos) {
        return win32_error::InvalidParameter;
    }
    if (!registry_.current().remove(root, keyPath)) {
        return win32_error::FileNotFound;
    }
    return saveRegistry();
}

bool PosixPlatform::specialFolderPath(int folderId, std::string& path) {
    std::string folder = machine_folders::special(folderId);
    if (folder.empty()) {
        return fail(win32_error::InvalidParameter);
    }
    ensureFolder(folder);
    path = folder;
    return true;
}

bool PosixPlatform::createShellLink(const std::string& linkFile, const std::string& target,
                                    const std::string& workingDirectory,
                                    const std::string& arguments) {
    ShellLinkFile::Link link{target, workingDirectory, arguments};
    auto targetHost = map(target);
    struct stat st {};
    if (targetHost && ::stat(targetHost->c_str(), &st) == 0) {
        link.targetAttributes = host_stat::attributes(st);
        link.targetWriteTime = host_stat::fileTime(st.st_mtim);
        link.targetSize = static_cast<std::uint32_t>(S_ISDIR(st.st_mode) ? 0 : st.st_size);
    }
    auto host = map(linkFile);
    if (!host) {
        return false;
    }
    if (!folderOfExists(*host)) {
        return fail(win32_error::PathNotFound);
    }
    errno = 0;
    if (!atomic_file::write(*host, ShellLinkFile::write(link))) {
        return fail(errno ? host_errors::fromErrno(errno) : win32_error::AccessDenied);
    }
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
    if (!atomic_file::read(*from, contents)) {
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
    if (!atomic_file::write(*to, expanded)) {
        return fail(errno ? host_errors::fromErrno(errno) : win32_error::AccessDenied);
    }
    return true;
}

bool PosixPlatform::getFileVersionInfo(const std::string& path, std::string& block) {
    auto host = map(path);
    struct stat st {
    }, self{};
    if (!host) {
        return false;
    }
    if (::stat(host->c_str(), &st) != 0) {
        return failErrno(errno, *host);
    }
    // The running program is a host executable without a version resource: it reports the
    // version it was built with.
    if (::stat(programHostPath_.c_str(), &self) == 0 && self.st_dev == st.st_dev &&
        self.st_ino == st.st_ino) {
        block = VersionResource::build(QUILLET_SETUP_FILE_VERSION, "041103a4",
                                       {{"FileVersion", QUILLET_SETUP_FILE_VERSION},
                                        {"ProductVersion", QUILLET_SETUP_FILE_VERSION}});
        return true;
    }
    std::string contents;
    errno = 0;
    if (S_ISDIR(st.st_mode) || !atomic_file::read(*host, contents)) {
        return failErrno(errno ? errno : EACCES, *host);
    }
    block = VersionResource::extractFromPe(contents);
    if (block.empty()) {
        return fail(win32_error::ResourceTypeNotFound);
    }
    return true;
}

bool PosixPlatform::verQueryString(const std::string& block, const std::string& subBlock,
                                   std::string& value) {
    auto found = VersionResource::queryString(block, subBlock);
    if (!found) {
        return fail(win32_error::ResourceTypeNotFound);
    }
    value = *found;
    return true;
}

std::unique_ptr<DynamicLibrary> PosixPlatform::loadLibrary(const std::string& path) {
    auto host = map(path);
    struct stat st {};
    if (!host) {
        return nullptr;
    }
    if (::stat(host->c_str(), &st) != 0 || S_ISDIR(st.st_mode)) {
        fail(win32_error::ModuleNotFound);
        return nullptr;
    }
    auto library = DynamicLibrary::load(*host);
    if (!library) {
        fail(win32_error::BadFormat);
    }
    return library;
}

std::string PosixPlatform::formatMessage(std::uint32_t code) {
    return host_errors::message(code);
}

void PosixPlatform::shellChangeNotify(std::uint32_t event, const std::string& path) {
    // Nothing on the emulated machine caches folder views or associations; the notifications are
    // kept so that callers can be checked.
    notifications_.emplace_back(event, path);
}

bool PosixPlatform::restartDialog() {
    // The host is never restarted: the request is left as a marker file.
    errno = 0;
    if (!atomic_file::write(mapper_.root() + "/RESTART-REQUESTED",
                            "Windows restart requested by setup\n")) {
        return fail(errno ? host_errors::fromErrno(errno) : win32_error::AccessDenied);
    }
    return true;
}

std::unique_ptr<Platform::InstanceLock>
PosixPlatform::acquireInstanceLock(const std::string& name) {
    if (name.empty() || name.find_first_of("/\\") != std::string::npos) {
        fail(win32_error::InvalidName);
        return nullptr;
    }
    std::string path = mapper_.root() + "/" + name + ".lock";
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        failErrno(errno, path);
        return nullptr;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        fail(win32_error::AlreadyExists);
        return nullptr;
    }
    return std::make_unique<LockFile>(fd);
}
