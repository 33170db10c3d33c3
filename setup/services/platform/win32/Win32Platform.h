// The platform on Windows: every operation is the Win32 call it is named after, in the ANSI code
// page (CP932 on a Japanese Windows), so paths and texts pass through unconverted.
#pragma once

#include "services/platform/Platform.h"

#include <string>
#include <vector>

class Win32Platform : public Platform {
public:
    // Initialises COM on this thread for the shell link objects.
    Win32Platform();
    ~Win32Platform() override;
    Win32Platform(const Win32Platform&) = delete;
    Win32Platform& operator=(const Win32Platform&) = delete;

    std::uint32_t lastError() const override { return lastError_; }

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

    bool hasDiskFreeSpaceEx() override;
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
    // Takes GetLastError (or the code given) as lastError and returns false.
    bool failed();
    bool fail(std::uint32_t error);

    std::uint32_t lastError_ = 0;
    bool comStarted_ = false;
};
