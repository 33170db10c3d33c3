// Whole-file reads and atomic replacement: temporary file in the same folder, flush, rename.
#include "common/AtomicFile.h"

#include "common/ErrorText.h"
#include "common/Win32ErrorCode.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace atomic_file {
namespace {

// The message names the file and says why in the words of a Japanese Windows (UTF-8).
void setCodeError(std::string* error, const std::string& what, std::uint32_t code) {
    if (error) {
        *error = what + ": " + std::string(error_text::utf8(code));
    }
}

void setError(std::string* error, const std::string& what, int err) {
    setCodeError(error, what, error_text::win32Code(err));
}

std::string temporaryPathFor(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    std::string::size_type slash = path.find_last_of('/');
    std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + "." + name + ".tmp-" + std::to_string(::getpid()) + "-" +
           std::to_string(counter.fetch_add(1));
}

bool writeAll(int fd, std::string_view contents) {
    while (!contents.empty()) {
        ssize_t n = ::write(fd, contents.data(), contents.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

bool write(const std::string& path, std::string_view contents, std::string* error, Sync sync) {
    const std::string temporary = temporaryPathFor(path);
    // Keep the permissions of the file being replaced; a new file gets the usual ones.
    mode_t mode = 0666;
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
        mode = existing.st_mode & 07777;
    }
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd < 0) {
        // A file being created is never missing itself: its folder is.
        if (errno == ENOENT) {
            setCodeError(error, path, win32_error::PathNotFound);
        } else {
            setError(error, path, errno);
        }
        return false;
    }
    if (!writeAll(fd, contents) || (sync == Sync::toDisk && ::fsync(fd) != 0)) {
        int err = errno;
        ::close(fd);
        ::unlink(temporary.c_str());
        setError(error, path, err);
        return false;
    }
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(temporary.c_str());
        setError(error, path, err);
        return false;
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        int err = errno;
        ::unlink(temporary.c_str());
        setError(error, path, err);
        return false;
    }
    return true;
}

bool read(const std::string& path, std::string& contents, std::string* error) {
    contents.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        setError(error, path, errno);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        setError(error, path, EISDIR);
        return false;
    }
    if (st.st_size > 0) {
        contents.reserve(static_cast<std::size_t>(st.st_size));
    }
    char buffer[65536];
    for (;;) {
        ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            int err = errno;
            ::close(fd);
            contents.clear();
            setError(error, path, err);
            return false;
        }
        if (n == 0) {
            break;
        }
        contents.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return true;
}

} // namespace atomic_file
