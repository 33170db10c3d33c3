// The platform on Linux: an emulated Windows machine inside a host folder (the root), with its
// drives, system folders, registry file, shell links, restart marker and single-instance lock.
#pragma once

#include "common/IniFile.h"
#include "services/platform/Platform.h"
#include "services/platform/posix/PathMapper.h"
#include "services/platform/posix/PersistentRegistry.h"

#include <string>
#include <sys/types.h>
#include <unordered_map>
#include <utility>
#include <vector>

class PosixPlatform : public Platform {
public:
    struct Options {
        // Host folder of the machine; defaultRoot() when empty.
        std::string root;
        // Host path of the running program (its module file name and built-in version); the
        // running executable when empty.
        std::string programHostPath;
    };

    // Creates the root and the system folders when they are missing.
    explicit PosixPlatform(Options options = {});

    // $QUILLET_ROOT, else $XDG_DATA_HOME/quillet, else $HOME/.local/share/quillet.
    static std::string defaultRoot();

    const std::string& root() const { return mapper_.root(); }

    // The host path of a Windows path; empty (with lastError) when it cannot be mapped.
    std::string hostPath(const std::string& windowsPath);
    // The Windows path of a host path.
    std::string windowsPath(const std::string& hostPath) const;

    // The whole registry as REGEDIT4 text, lines ended by eol.
    std::string registryText(const std::string& eol = "\r\n");
    // Problems met with the machine's own files (a damaged registry), CP932 texts.
    const std::vector<std::string>& warnings() const { return registry_.warnings(); }
    // The shell notifications sent so far: event and path.
    const std::vector<std::pair<std::uint32_t, std::string>>& shellNotifications() const {
        return notifications_;
    }

    std::uint32_t lastError() const override { return lastError_; }
    void holdFiles() override;
    void releaseFiles() override;

    std::string windowsDirectory() override;
    std::string systemDirectory() override;
    std::string tempPath() override;
    std::string moduleFileName() override;
    std::string argumentPath(const std::string& argument) override;
    bool setCurrentDirectory(const std::string& path) override;
    std::string currentDirectory() override;

    std::uint32_t getFileAttributes(const std::string& path) override;
    bool setFileAttributes(const std::string& path, std::uint32_t attributes) override;
    std::vector<FindData> findFiles(const std::string& pattern) override;
    bool createDirectory(const std::string& path) override;
    bool removeDirectory(const std::string& path) override;
    bool copyFile(const std::string& source, const std::string& destination,
                  bool failIfExists) override;
    bool moveFile(const std::string& source, const std::string& destination) override;
    bool deleteFile(const std::string& path) override;
    std::uint32_t shellDelete(const std::string& pathOrWildcard) override;
    bool readFile(const std::string& path, std::string& contents) override;
    bool writeFile(const std::string& path, const std::string& contents) override;

    bool hasDiskFreeSpaceEx() override { return true; }
    bool getDiskFreeSpaceEx(const std::string& path, std::uint64_t& freeBytesToCaller) override;
    bool getDiskFreeSpace(const std::string& path, DiskGeometry& geometry) override;

    std::string getPrivateProfileString(const std::string& section, const std::string& key,
                                        const std::string& defaultValue, std::size_t bufferSize,
                                        const std::string& file) override;
    bool writePrivateProfileString(const std::string& section, const std::string& key,
                                   const std::string& value, const std::string& file) override;
    bool flushPrivateProfile(const std::string& file) override;
    bool deletePrivateProfileSection(const std::string& section, const std::string& file) override;

    std::uint32_t regCreateKey(RegistryRoot root, const std::string& keyPath) override;
    std::uint32_t regOpenKey(RegistryRoot root, const std::string& keyPath) override;
    std::uint32_t regQueryValue(RegistryRoot root, const std::string& keyPath,
                                const std::string& name, RegistryValue& value) override;
    std::uint32_t regSetValue(RegistryRoot root, const std::string& keyPath,
                              const std::string& name, const RegistryValue& value) override;
    std::uint32_t regDeleteValue(RegistryRoot root, const std::string& keyPath,
                                 const std::string& name) override;
    std::uint32_t regDeleteKeyTree(RegistryRoot root, const std::string& keyPath) override;

    bool specialFolderPath(int folderId, std::string& path) override;
    bool createShellLink(const std::string& linkFile, const std::string& target,
                         const std::string& workingDirectory,
                         const std::string& arguments) override;

    bool getExpandedName(const std::string& source, std::string& expandedName) override;
    bool lzExpand(const std::string& source, const std::string& destination) override;

    bool getFileVersionInfo(const std::string& path, std::string& block) override;
    bool verQueryString(const std::string& block, const std::string& subBlock,
                        std::string& value) override;

    std::unique_ptr<DynamicLibrary> loadLibrary(const std::string& path) override;

    std::string formatMessage(std::uint32_t code) override;

    int shellExecute(const std::string& file, const std::string& parameters) override;
    void shellChangeNotify(std::uint32_t event, const std::string& path) override;
    bool restartDialog() override;
    std::unique_ptr<InstanceLock> acquireInstanceLock(const std::string& name) override;

private:
    // Host path of a Windows path, or nothing with lastError set. Wildcards are allowed in the
    // last name only when asked for.
    std::optional<std::string> map(const std::string& path, bool allowWildcard = false,
                                   PathMapper::Found* found = nullptr);
    // stat of a mapped path, from what the mapping found where it can be; errno set on failure.
    static bool statOf(const std::string& hostPath, const PathMapper::Found& found,
                       struct stat& st);
    bool fail(std::uint32_t error);
    bool failErrno(int error, const std::string& hostPath);
    // 2 when the folder of a missing host path exists, 3 when it does not.
    std::uint32_t missingError(const std::string& hostPath) const;
    bool folderOfExists(const std::string& hostPath) const;
    void ensureFolder(const std::string& windowsPath);
    std::optional<std::string> profilePath(const std::string& file,
                                           PathMapper::Found* found = nullptr);
    // Whether a host file may be written as a whole; false with 3 for a missing folder and 5 for a
    // folder or read-only file in the way.
    bool canReplace(const std::string& hostPath);
    std::uint32_t saveRegistry();

    // What tells one version of a profile file from another: any write replaces the file (a new
    // inode) or changes its times.
    struct ProfileStamp {
        dev_t device;
        ino_t inode;
        off_t size;
        time_t modifiedSeconds;
        long modifiedNanoseconds;
        time_t changedSeconds;
        long changedNanoseconds;
        bool operator==(const ProfileStamp&) const = default;
    };
    struct CachedProfile {
        ProfileStamp stamp;
        IniFile::Snapshot values;
    };

    // When a call that changes files returns, however it returns, forgets what was kept of the
    // lookups it may have made wrong: those of the files it names, or all when it names none.
    class Changing {
    public:
        explicit Changing(PosixPlatform& platform) : platform_(platform) {}
        ~Changing() { platform_.forgetLookups(hosts_); }
        Changing(const Changing&) = delete;
        Changing& operator=(const Changing&) = delete;
        void of(const std::string& hostFile) { hosts_.push_back({hostFile, false}); }
        // A folder made, removed or moved: what lies below it is forgotten too.
        void ofFolder(const std::string& hostPath) { hosts_.push_back({hostPath, true}); }

    private:
        PosixPlatform& platform_;
        std::vector<std::pair<std::string, bool>> hosts_;
    };
    void forgetLookups(const std::vector<std::pair<std::string, bool>>& changed);
    struct Lookup {
        std::string host;
        PathMapper::Found found;
    };

    PathMapper mapper_;
    int filesHeld_ = 0;
    // While the files are held: the lookups by absolute Windows path, and those paths by their
    // host path folded to upper case.
    std::unordered_map<std::string, Lookup> lookups_;
    std::unordered_multimap<std::string, std::string> lookupsByHost_;
    std::string programHostPath_;
    PathMapper::WindowsPath current_;
    std::uint32_t lastError_ = 0;
    PersistentRegistry registry_;
    std::vector<std::pair<std::uint32_t, std::string>> notifications_;
    // Parsed profile files by host path; emptied by every call that writes files.
    std::unordered_map<std::string, CachedProfile> profiles_;
};
