// Host file status turned into the attributes and times of the Windows calls.
#include "services/platform/posix/HostStat.h"

#include "services/platform/Win32Codes.h"

namespace host_stat {

std::uint32_t attributes(const struct stat& st) {
    if (S_ISDIR(st.st_mode)) {
        return file_attribute::Directory;
    }
    std::uint32_t attributes = file_attribute::Archive;
    if (!(st.st_mode & S_IWUSR)) {
        attributes |= file_attribute::ReadOnly;
    }
    return attributes;
}

bool isReadOnly(const struct stat& st) {
    return !S_ISDIR(st.st_mode) && !(st.st_mode & S_IWUSR);
}

std::uint64_t fileTime(const struct timespec& t) {
    constexpr std::uint64_t kSecondsFrom1601To1970 = 11644473600ULL;
    if (t.tv_sec < -static_cast<long long>(kSecondsFrom1601To1970)) {
        return 0;
    }
    return (static_cast<std::uint64_t>(t.tv_sec + static_cast<long long>(kSecondsFrom1601To1970)) *
            10000000ULL) +
           static_cast<std::uint64_t>(t.tv_nsec / 100);
}

} // namespace host_stat
