// The emulated machine's libraries and system: version information, library loading, error
// texts, the restart request left as a marker file and the single-instance lock file.
#include "common/AtomicFile.h"
#include "common/Cp932.h"
#include "common/ErrorText.h"
#include "services/platform/VersionResource.h"
#include "services/platform/Win32Codes.h"
#include "services/platform/posix/PosixPlatform.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class LockFile : public Platform::InstanceLock {
public:
    explicit LockFile(int fd) : fd_(fd) {}
    ~LockFile() override { ::close(fd_); }

private:
    int fd_;
};

} // namespace

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
    const std::string_view text = error_text::utf8(code);
    return text.empty() ? std::string() : cp932::lit(text) + "\r\n";
}

bool PosixPlatform::restartDialog() {
    // The host is never restarted: the request is left as a marker file.
    errno = 0;
    if (!atomic_file::write(mapper_.root() + "/RESTART-REQUESTED",
                            "Windows restart requested by setup\n")) {
        return fail(errno ? error_text::win32Code(errno) : win32_error::AccessDenied);
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
