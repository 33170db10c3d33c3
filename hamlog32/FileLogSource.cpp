// Opening a log file without blocking on special files, and positional reads that retry on EINTR.
#include "hamlog32/FileLogSource.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>

std::unique_ptr<FileLogSource> FileLogSource::open(const std::string& hostPath,
                                                   std::uint64_t& bytes) {
    if (hostPath.empty()) {
        return nullptr;
    }
    // O_NONBLOCK keeps a FIFO given as the log from hanging the open; it is refused below.
    int fd = ::open(hostPath.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return nullptr;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size < 0) {
        ::close(fd);
        return nullptr;
    }
    bytes = static_cast<std::uint64_t>(st.st_size);
    return std::unique_ptr<FileLogSource>(new FileLogSource(fd));
}

FileLogSource::~FileLogSource() {
    ::close(fd_);
}

std::size_t FileLogSource::readAt(std::uint64_t offset, char* buffer, std::size_t count) {
    constexpr std::uint64_t kMaxOffset =
        static_cast<std::uint64_t>(std::numeric_limits<off_t>::max());
    if (count == 0 || offset > kMaxOffset) {
        return 0;
    }
    count = std::min<std::size_t>(count, std::numeric_limits<ssize_t>::max());
    while (true) {
        ssize_t n = ::pread(fd_, buffer, count, static_cast<off_t>(offset));
        if (n >= 0) {
            return static_cast<std::size_t>(n);
        }
        if (errno != EINTR) {
            return 0;
        }
    }
}
