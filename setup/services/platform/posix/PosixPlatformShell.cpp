// The emulated machine's shell: special folders, shell link files and change notifications.
#include "common/AtomicFile.h"
#include "common/ErrorText.h"
#include "services/platform/ShellLinkFile.h"
#include "services/platform/Win32Codes.h"
#include "services/platform/posix/HostStat.h"
#include "services/platform/posix/MachineFolders.h"
#include "services/platform/posix/PosixPlatform.h"

#include <cerrno>
#include <spawn.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

extern char** environ;

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
    Changing changing(*this);
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
    // Held by a procedure, links are not forced to disk one by one: they can be made again.
    const auto sync = filesHeld_ > 0 ? atomic_file::Sync::none : atomic_file::Sync::toDisk;
    if (!atomic_file::write(*host, ShellLinkFile::write(link), nullptr, sync)) {
        return fail(errno ? error_text::win32Code(errno) : win32_error::AccessDenied);
    }
    mapper_.added(*host);
    changing.of(*host);
    return true;
}

int PosixPlatform::shellExecute(const std::string& file, const std::string& parameters) {
    // Only programs are opened on the emulated machine: there are no associations to follow.
    constexpr int kFileNotFound = 2;
    constexpr int kNoAssociation = 31;
    constexpr int kStarted = 42;
    // What the program does to the machine is not told: whatever was kept is looked at afresh.
    Changing changing(*this);
    if (filesHeld_ > 0) {
        mapper_.hold(false);
        mapper_.hold(true);
    }
    auto host = map(file);
    struct stat st {};
    if (!host || ::stat(host->c_str(), &st) != 0 || S_ISDIR(st.st_mode)) {
        return kFileNotFound;
    }
    if ((st.st_mode & S_IXUSR) == 0) {
        return kNoAssociation;
    }
    // The parameters are split at blanks, as a program's C runtime splits its command line.
    std::vector<std::string> words{*host};
    std::istringstream split(parameters);
    for (std::string word; split >> word;) {
        words.push_back(word);
    }
    std::vector<char*> argv;
    for (std::string& w : words) {
        argv.push_back(w.data());
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    if (::posix_spawn(&child, host->c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        return kFileNotFound;
    }
    return kStarted;
}

void PosixPlatform::shellChangeNotify(std::uint32_t event, const std::string& path) {
    // Nothing on the emulated machine caches folder views or associations; the notifications are
    // kept so that callers can be checked.
    notifications_.emplace_back(event, path);
}
