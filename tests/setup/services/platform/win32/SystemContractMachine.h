// The running Windows system as the platform contract sees it. C:\ is the test's to use, as in a
// fresh Wine prefix: what a case leaves in it is removed after the case, so that every case starts
// from the same drive.
#pragma once

#include "common/AtomicFile.h"
#include "services/platform/win32/Win32Platform.h"
#include "tests/setup/services/platform/ContractMachine.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>
#include <windows.h>

class SystemContractMachine : public ContractMachine {
public:
    static std::unique_ptr<ContractMachine> make() {
        return std::make_unique<SystemContractMachine>();
    }
    SystemContractMachine() {
        // The cases' names are CP932 bytes, which other code pages read as other names.
        if (::GetACP() != 932) {
            ADD_FAILURE() << "the ANSI code page is " << ::GetACP()
                          << ", not 932: run the tests in a Japanese locale";
        }
    }
    ~SystemContractMachine() override {
        ::SetCurrentDirectoryA("C:\\");
        for (const std::string& name : rootEntries()) {
            if (!before_.count(name)) {
                removeTree("C:\\" + name);
            }
        }
    }

    // Where Windows keeps them since Vista, found from the environment rather than the shell.
    Folders folders() override {
        const std::string windows = environment("WINDIR");
        const std::string appData = environment("APPDATA") + "\\Microsoft\\Windows";
        return {windows,
                windows + "\\system32",
                environment("TEMP") + "\\",
                {
                    {0, environment("USERPROFILE") + "\\Desktop"},
                    {2, appData + "\\Start Menu\\Programs"},
                    {7, appData + "\\Start Menu\\Programs\\StartUp"},
                    {9, appData + "\\SendTo"},
                    {0x7F, ""},
                }};
    }
    bool mayRestart() override { return false; }
    bool deviates(const std::string& row) override {
        // Wine answers these unlike Windows: its codes for a missing drive and a drive root, its
        // copy over a read-only file, and its 8.3 names, which every volume has.
        static const std::set<std::string> wine = {"delete on missing drive", "remove drive",
                                                   "copy onto read-only", "write read-only",
                                                   "*.INI WIN.INIX"};
        return underWine() && wine.count(row) != 0;
    }

    // Whether the system is Wine, which exports its version from ntdll.
    static bool underWine() {
        HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
        return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
    }
    Platform& platform() override { return platform_; }
    std::unique_ptr<Platform> reopen() override { return std::make_unique<Win32Platform>(); }
    void write(const std::string& windowsPath, const std::string& bytes) override {
        for (std::size_t slash = windowsPath.find('\\', 3); slash != std::string::npos;
             slash = windowsPath.find('\\', slash + 1)) {
            ::CreateDirectoryA(windowsPath.substr(0, slash).c_str(), nullptr);
        }
        ASSERT_TRUE(atomic_file::write(windowsPath, bytes)) << windowsPath;
    }
    std::string read(const std::string& windowsPath) override {
        std::string contents;
        atomic_file::read(windowsPath, contents);
        return contents;
    }
    bool exists(const std::string& windowsPath) override {
        return ::GetFileAttributesA(windowsPath.c_str()) != INVALID_FILE_ATTRIBUTES;
    }

    // A batch file, which the shell opens with the command interpreter.
    std::string writeMarkingProgram(const std::string& folder, const std::string& marker) override {
        write(folder + "MARK.BAT", "@echo %1>\"" + marker + "\"\r\n");
        return "MARK.BAT";
    }

private:
    // Removes a file or a folder with everything in it, read-only files included.
    static void removeTree(const std::string& path) {
        DWORD attributes = ::GetFileAttributesA(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            return;
        }
        ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            ::DeleteFileA(path.c_str());
            return;
        }
        for (const auto& entry : Win32Platform().findFiles(path + "\\*")) {
            if (entry.name != "." && entry.name != "..") {
                removeTree(path + "\\" + entry.name);
            }
        }
        ::RemoveDirectoryA(path.c_str());
    }

    static std::string environment(const char* name) {
        const char* value = std::getenv(name);
        return value ? value : "";
    }

    static std::set<std::string> rootEntries() {
        std::set<std::string> names;
        for (const auto& entry : Win32Platform().findFiles("C:\\*")) {
            names.insert(entry.name);
        }
        return names;
    }

    std::set<std::string> before_ = rootEntries();
    Win32Platform platform_;
};
