// A fresh emulated Windows machine for one test: a temporary root, the platform on it, a recording
// prompter and the process-wide values that start-up would fill in.
#pragma once

#include "common/Cp932.h"
#include "common/ScriptedPrompter.h"
#include "services/SetupContext.h"
#include "services/platform/posix/PosixPlatform.h"
#include "tests/common/TempFolder.h"

#include <filesystem>
#include <string>
#include <vector>

// Japanese text of the tests, written in UTF-8 and used as CP932.
inline const std::string& J(std::string_view utf8) {
    return cp932::lit(utf8);
}

class EmulatedMachine {
public:
    EmulatedMachine() : EmulatedMachine(PosixPlatform::Options{}) {}

    explicit EmulatedMachine(PosixPlatform::Options options)
        : platform(withRoot(options, folder)), context{platform, prompter, values} {
        prompter.otherwise = Prompter::Answer::yes;
        values.temporaryFolder = "C:\\WINDOWS\\TEMP\\";
        values.windowsFolder = "C:\\WINDOWS\\";
        values.systemFolder = "C:\\WINDOWS\\SYSTEM32\\";
        values.programFilesFolder = "C:\\Program Files\\";
    }

    std::string root() const { return folder.path().string() + "/root"; }

    // The host path of a Windows path (CP932).
    std::string host(const std::string& windowsPath) { return platform.hostPath(windowsPath); }

    // Writes a file at a Windows path, creating its folders on the host.
    void write(const std::string& windowsPath, const std::string& bytes) {
        std::string path = host(windowsPath);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        TempFolder::write(path, bytes);
    }

    std::string read(const std::string& windowsPath) { return TempFolder::read(host(windowsPath)); }

    bool exists(const std::string& windowsPath) {
        std::string path = host(windowsPath);
        return !path.empty() && std::filesystem::exists(path);
    }

    TempFolder folder;
    PosixPlatform platform;
    ScriptedPrompter prompter;
    ProcessValues values;
    SetupContext context;

private:
    static PosixPlatform::Options withRoot(PosixPlatform::Options options,
                                           const TempFolder& folder) {
        if (options.root.empty()) {
            options.root = folder.path().string() + "/root";
        }
        return options;
    }
};
