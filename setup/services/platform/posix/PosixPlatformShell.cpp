// The emulated machine's shell: special folders, shell link files and change notifications.
#include "common/AtomicFile.h"
#include "common/ErrorText.h"
#include "services/platform/ShellLinkFile.h"
#include "services/platform/Win32Codes.h"
#include "services/platform/posix/HostStat.h"
#include "services/platform/posix/MachineFolders.h"
#include "services/platform/posix/PosixPlatform.h"

#include <cerrno>
#include <sys/stat.h>

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
        return fail(errno ? error_text::win32Code(errno) : win32_error::AccessDenied);
    }
    return true;
}

void PosixPlatform::shellChangeNotify(std::uint32_t event, const std::string& path) {
    // Nothing on the emulated machine caches folder views or associations; the notifications are
    // kept so that callers can be checked.
    notifications_.emplace_back(event, path);
}
