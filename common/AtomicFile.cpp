// Whole-file reads and atomic replacement: temporary file in the same folder, flush, rename.
#include "common/AtomicFile.h"

#include "common/Cp932.h"
#include "common/ErrorText.h"
#include "common/Win32ErrorCode.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace atomic_file {
namespace {

// The message names the file and says why in the words of a Japanese Windows (UTF-8).
void setCodeError(std::string* error, const std::string& what, std::uint32_t code) {
    if (error) {
        *error = what + ": " + std::string(error_text::utf8(code));
    }
}

#ifdef _WIN32

// Host paths are ANSI (CP932) paths: the folder ends at the last separator that is no trail byte.
std::string temporaryPathFor(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    std::size_t cut = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        auto c = static_cast<unsigned char>(path[i]);
        if (cp932::isLeadByte(c)) {
            ++i;
        } else if (c == '\\' || c == '/' || c == ':') {
            cut = i + 1;
        }
    }
    return path.substr(0, cut) + "." + path.substr(cut) + ".tmp-" +
           std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(counter.fetch_add(1));
}

// Reports the failure and leaves its code for GetLastError, as a system call would.
bool failWith(std::string* error, const std::string& what, DWORD code) {
    setCodeError(error, what, code);
    ::SetLastError(code);
    return false;
}

#else

void setError(std::string* error, const std::string& what, int err) {
    setCodeError(error, what, error_text::win32Code(err));
}

// The process id that names temporary files: asked once, and again in a forked child, so that
// writing many files does not ask each time.
std::atomic<pid_t> knownProcessId{0};

void forgetProcessId() {
    knownProcessId = 0;
}

pid_t processId() {
    pid_t pid = knownProcessId.load();
    if (pid == 0) {
        static const bool watched = ::pthread_atfork(nullptr, nullptr, forgetProcessId) == 0;
        pid = ::getpid();
        if (watched) {
            knownProcessId = pid;
        }
    }
    return pid;
}

std::string temporaryPathFor(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    std::string::size_type slash = path.find_last_of('/');
    std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + "." + name + ".tmp-" + std::to_string(processId()) + "-" +
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

// Copies what is left of in to out, in the kernel where the file systems allow it. A file the
// kernel copies nothing of is read as well: some files that say they are empty are not.
bool copyAll(int in, int out) {
    bool inKernel = true;
    bool copiedAny = false;
    char buffer[65536];
    for (;;) {
        ssize_t n = -1;
        if (inKernel) {
            n = ::copy_file_range(in, nullptr, out, nullptr, std::size_t{1} << 30, 0);
            if ((n < 0 && (errno == EXDEV || errno == EINVAL || errno == ENOSYS ||
                           errno == EOPNOTSUPP || errno == EBADF)) ||
                (n == 0 && !copiedAny)) {
                inKernel = false;
                continue;
            }
            copiedAny = copiedAny || n > 0;
        } else {
            n = ::read(in, buffer, sizeof buffer);
            if (n > 0 && !writeAll(out, std::string_view(buffer, static_cast<std::size_t>(n)))) {
                return false;
            }
        }
        if (n == 0) {
            return true;
        }
        if (n < 0 && errno != EINTR) {
            return false;
        }
    }
}

// The permission bits a new file loses, read once; all of them when they cannot be read, so that
// the mode is always set.
mode_t creationMask() {
    static const mode_t mask = [] {
        mode_t value = 07777;
        if (FILE* status = std::fopen("/proc/self/status", "r")) {
            char line[256];
            while (std::fgets(line, sizeof line, status)) {
                unsigned parsed = 0;
                if (std::sscanf(line, "Umask: %o", &parsed) == 1) {
                    value = static_cast<mode_t>(parsed);
                    break;
                }
            }
            std::fclose(status);
        }
        return value;
    }();
    return mask;
}

#endif

} // namespace

#ifdef _WIN32

bool write(const std::string& path, std::string_view contents, std::string* error, Sync sync) {
    const std::string temporary = temporaryPathFor(path);
    HANDLE file = ::CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return failWith(error, path, ::GetLastError());
    }
    bool ok = true;
    while (ok && !contents.empty()) {
        DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(contents.size(), 1u << 30));
        DWORD written = 0;
        ok = ::WriteFile(file, contents.data(), chunk, &written, nullptr) != 0;
        contents.remove_prefix(written);
    }
    ok = ok && (sync == Sync::none || ::FlushFileBuffers(file) != 0);
    DWORD code = ok ? 0 : ::GetLastError();
    ok = ::CloseHandle(file) != 0 && ok;
    code = ok || code != 0 ? code : ::GetLastError();
    const DWORD flags =
        MOVEFILE_REPLACE_EXISTING | (sync == Sync::toDisk ? MOVEFILE_WRITE_THROUGH : 0);
    if (ok && ::MoveFileExA(temporary.c_str(), path.c_str(), flags) == 0) {
        ok = false;
        code = ::GetLastError();
    }
    if (!ok) {
        ::DeleteFileA(temporary.c_str());
        return failWith(error, path, code);
    }
    return true;
}

bool read(const std::string& path, std::string& contents, std::string* error) {
    contents.clear();
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return failWith(error, path, ::GetLastError());
    }
    LARGE_INTEGER size{};
    if (::GetFileSizeEx(file, &size) && size.QuadPart > 0) {
        contents.reserve(static_cast<std::size_t>(size.QuadPart));
    }
    char buffer[65536];
    for (;;) {
        DWORD n = 0;
        if (!::ReadFile(file, buffer, sizeof buffer, &n, nullptr)) {
            DWORD code = ::GetLastError();
            ::CloseHandle(file);
            contents.clear();
            return failWith(error, path, code);
        }
        if (n == 0) {
            break;
        }
        contents.append(buffer, n);
    }
    ::CloseHandle(file);
    return true;
}

#else

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

bool copy(const std::string& source, const std::string& path, std::string* error) {
    int in = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (in < 0) {
        setError(error, source, errno);
        return false;
    }
    struct stat st {};
    if (::fstat(in, &st) != 0 || S_ISDIR(st.st_mode)) {
        int err = S_ISDIR(st.st_mode) ? EISDIR : errno;
        ::close(in);
        setError(error, source, err);
        errno = err;
        return false;
    }
    const mode_t mode = st.st_mode & 07777;
    const std::string temporary = temporaryPathFor(path);
    int out = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (out < 0) {
        int err = errno;
        ::close(in);
        if (err == ENOENT) {
            setCodeError(error, path, win32_error::PathNotFound);
        } else {
            setError(error, path, err);
        }
        errno = err;
        return false;
    }
    bool ok = copyAll(in, out);
    int err = errno;
    if (ok) {
        // The creation mask may have taken bits away; the times last, after every write.
        if ((mode & creationMask()) != 0) {
            ::fchmod(out, mode);
        }
        struct timespec times[2] = {st.st_atim, st.st_mtim};
        ::futimens(out, times);
    }
    ::close(in);
    if (::close(out) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && ::rename(temporary.c_str(), path.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        setError(error, path, err);
        errno = err;
    }
    return ok;
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

#endif

} // namespace atomic_file
