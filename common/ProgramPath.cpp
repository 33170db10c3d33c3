// The running executable's path, read from the process file system.
#include "common/ProgramPath.h"

#include <climits>
#include <unistd.h>

namespace program_path {

std::string executable() {
    char buffer[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

std::string folder() {
    std::string path = executable();
    std::string::size_type slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

} // namespace program_path
