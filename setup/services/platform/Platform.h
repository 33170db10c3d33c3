// The operating system as setup sees it: every file, folder, registry, shell and library call of
// the installer goes through this interface, one method per Windows call it stands for.
#pragma once

#include "common/DynamicLibrary.h"
#include "services/platform/RegistryRoot.h"
#include "services/platform/RegistryValue.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Every path is a Windows path (drive letter, "\" separators, CP932 bytes). Methods that return
// bool or an invalid value leave the Win32 error code in lastError(), as GetLastError would;
// registry methods return their error code, as the registry functions do.
class Platform {
public:
    virtual ~Platform();

    // One entry of a directory search (WIN32_FIND_DATA).
    struct FindData {
        std::string name;
        std::uint32_t attributes = 0;
        std::uint64_t size = 0;
        std::uint64_t lastWriteTime = 0; // FILETIME: 100 ns steps since 1601-01-01 UTC
    };

    // The figures of GetDiskFreeSpace.
    struct DiskGeometry {
        std::uint32_t sectorsPerCluster = 0;
        std::uint32_t bytesPerSector = 0;
        std::uint32_t freeClusters = 0;
        std::uint32_t totalClusters = 0;
    };

    // A held single-instance guard (a named mutex); released when destroyed.
    class InstanceLock {
    public:
        virtual ~InstanceLock();
    };

    // GetLastError after the last call that reports through it.
    virtual std::uint32_t lastError() const = 0;

    // Between these (counted), the machine's files and registry change only through this object: a
    // procedure holds them while it works through them, and an implementation may keep what it
    // has looked up meanwhile. Without them every call looks afresh.
    virtual void holdFiles() {}
    virtual void releaseFiles() {}

    // Holds the files of a platform for its own life.
    class FilesHeld {
    public:
        explicit FilesHeld(Platform& platform) : platform_(platform) { platform_.holdFiles(); }
        ~FilesHeld() { platform_.releaseFiles(); }
        FilesHeld(const FilesHeld&) = delete;
        FilesHeld& operator=(const FilesHeld&) = delete;

    private:
        Platform& platform_;
    };

    // GetWindowsDirectory and GetSystemDirectory (no trailing "\"), GetTempPath (with one),
    // GetModuleFileName of the running program.
    virtual std::string windowsDirectory() = 0;
    virtual std::string systemDirectory() = 0;
    virtual std::string tempPath() = 0;
    virtual std::string moduleFileName() = 0;
    // The Windows form of a file path the program was given on its command line.
    virtual std::string argumentPath(const std::string& argument) = 0;
    // SetCurrentDirectory and GetCurrentDirectory; relative paths are taken from it.
    virtual bool setCurrentDirectory(const std::string& path) = 0;
    virtual std::string currentDirectory() = 0;

    // GetFileAttributes (file_attribute::Invalid on failure) and SetFileAttributes.
    virtual std::uint32_t getFileAttributes(const std::string& path) = 0;
    virtual bool setFileAttributes(const std::string& path, std::uint32_t attributes) = 0;
    // FindFirstFile / FindNextFile over a pattern whose last part may hold "*" and "?". An empty
    // result sets lastError (2 when nothing matched, 3 when the folder is missing).
    virtual std::vector<FindData> findFiles(const std::string& pattern) = 0;
    // CreateDirectory, RemoveDirectory, CopyFile, MoveFile, DeleteFile.
    virtual bool createDirectory(const std::string& path) = 0;
    virtual bool removeDirectory(const std::string& path) = 0;
    virtual bool copyFile(const std::string& source, const std::string& destination,
                          bool failIfExists) = 0;
    virtual bool moveFile(const std::string& source, const std::string& destination) = 0;
    virtual bool deleteFile(const std::string& path) = 0;
    // SHFileOperation FO_DELETE with FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI: deletes a
    // file, a folder with its contents, or every match of a wildcard. Returns 0 or an error code.
    virtual std::uint32_t shellDelete(const std::string& pathOrWildcard) = 0;
    // CreateFile and ReadFile of a whole file.
    virtual bool readFile(const std::string& path, std::string& contents) = 0;
    // CreateFile (CREATE_ALWAYS) and WriteFile of a whole file; readers see the old file or the
    // whole new one, never a part.
    virtual bool writeFile(const std::string& path, const std::string& contents) = 0;

    // Whether KERNEL32 exports GetDiskFreeSpaceExA; that function (bytes free to the caller) and
    // its older fallback GetDiskFreeSpaceA.
    virtual bool hasDiskFreeSpaceEx() = 0;
    virtual bool getDiskFreeSpaceEx(const std::string& path, std::uint64_t& freeBytesToCaller) = 0;
    virtual bool getDiskFreeSpace(const std::string& path, DiskGeometry& geometry) = 0;

    // GetPrivateProfileString into a buffer of bufferSize bytes: at most bufferSize - 1 bytes of
    // the value (or of the default) come back. WritePrivateProfileString of one key, of nothing
    // (flushes the cache of the file) and of a NULL key (deletes a section).
    virtual std::string getPrivateProfileString(const std::string& section, const std::string& key,
                                                const std::string& defaultValue,
                                                std::size_t bufferSize,
                                                const std::string& file) = 0;
    virtual bool writePrivateProfileString(const std::string& section, const std::string& key,
                                           const std::string& value, const std::string& file) = 0;
    virtual bool flushPrivateProfile(const std::string& file) = 0;
    virtual bool deletePrivateProfileSection(const std::string& section,
                                             const std::string& file) = 0;

    // RegCreateKeyEx, RegOpenKeyEx (0 when the key exists), RegQueryValueEx, RegSetValueEx,
    // RegDeleteValue and SHDeleteKey (the key with all its subkeys). Key paths are taken from the
    // root with or without a leading "\"; an empty value name is the default value.
    virtual std::uint32_t regCreateKey(RegistryRoot root, const std::string& keyPath) = 0;
    virtual std::uint32_t regOpenKey(RegistryRoot root, const std::string& keyPath) = 0;
    virtual std::uint32_t regQueryValue(RegistryRoot root, const std::string& keyPath,
                                        const std::string& name, RegistryValue& value) = 0;
    virtual std::uint32_t regSetValue(RegistryRoot root, const std::string& keyPath,
                                      const std::string& name, const RegistryValue& value) = 0;
    virtual std::uint32_t regDeleteValue(RegistryRoot root, const std::string& keyPath,
                                         const std::string& name) = 0;
    virtual std::uint32_t regDeleteKeyTree(RegistryRoot root, const std::string& keyPath) = 0;

    // SHGetSpecialFolderLocation + SHGetPathFromIDList (no trailing "\").
    virtual bool specialFolderPath(int folderId, std::string& path) = 0;
    // IShellLink (SetPath, SetWorkingDirectory, SetArguments) saved with IPersistFile::Save.
    virtual bool createShellLink(const std::string& linkFile, const std::string& target,
                                 const std::string& workingDirectory,
                                 const std::string& arguments) = 0;

    // GetExpandedName, and LZOpenFile + LZCopy + LZClose of a whole file (an uncompressed source is
    // copied as it is).
    virtual bool getExpandedName(const std::string& source, std::string& expandedName) = 0;
    virtual bool lzExpand(const std::string& source, const std::string& destination) = 0;

    // GetFileVersionInfoSize + GetFileVersionInfo (the whole VS_VERSIONINFO block; false when the
    // file has none), and VerQueryValue of a string ("\StringFileInfo\041103a4\FileVersion").
    virtual bool getFileVersionInfo(const std::string& path, std::string& block) = 0;
    virtual bool verQueryString(const std::string& block, const std::string& subBlock,
                                std::string& value) = 0;

    // LoadLibrary of a file (null on failure); GetProcAddress and FreeLibrary through the result.
    virtual std::unique_ptr<DynamicLibrary> loadLibrary(const std::string& path) = 0;

    // FormatMessage FORMAT_MESSAGE_FROM_SYSTEM: the system's text for an error code, ending in
    // CR LF as the system gives it; empty for a code the system has no text for.
    virtual std::string formatMessage(std::uint32_t code) = 0;

    // ShellExecute with the "open" verb, no working directory, a normal window: above 32 when the
    // program was started, else the shell's error (2 file not found, 31 no association, ...).
    virtual int shellExecute(const std::string& file, const std::string& parameters) = 0;
    // SHChangeNotify of an event (shell_change) for a path (empty for none).
    virtual void shellChangeNotify(std::uint32_t event, const std::string& path) = 0;
    // The shell's restart dialog (SHRestartSystemMB, ordinal 59): true when the restart goes ahead.
    virtual bool restartDialog() = 0;
    // CreateMutex of a named mutex; null when another process already holds it.
    virtual std::unique_ptr<InstanceLock> acquireInstanceLock(const std::string& name) = 0;
};
