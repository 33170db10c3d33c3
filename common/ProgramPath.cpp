// The running executable's path: from the process file system, or GetModuleFileName on Windows.
#include "common/ProgramPath.h"

#include "common/Cp932.h"

#include <climits>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace program_path {

std::string executable() {
#ifdef _WIN32
    char buffer[MAX_PATH + 1];
    DWORD n = ::GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    return n > 0 && n < MAX_PATH ? std::string(buffer, n) : std::string();
#else
    char buffer[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
#endif
}

std::string folder() {
    std::string path = executable();
#ifdef _WIN32
    // Windows paths are CP932: a trail byte may equal the separator.
    std::string::size_type cut = std::string::npos;
    for (std::size_t at = cp932::find(path, "\\"); at != std::string::npos;
         at = cp932::find(path, "\\", at + 1)) {
        cut = at;
    }
#else
    std::string::size_type cut = path.find_last_of(kSeparator);
#endif
    return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

} // namespace program_path
