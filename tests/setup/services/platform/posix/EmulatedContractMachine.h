// The emulated machine as the platform contract sees it: a fresh root for every case.
#pragma once

#include "common/Cp932.h"
#include "tests/setup/services/EmulatedMachine.h"
#include "tests/setup/services/platform/ContractMachine.h"

#include <filesystem>
#include <memory>
#include <string>

class EmulatedContractMachine : public ContractMachine {
public:
    static std::unique_ptr<ContractMachine> make() {
        return std::make_unique<EmulatedContractMachine>();
    }

    Folders folders() override {
        return {"C:\\WINDOWS",
                "C:\\WINDOWS\\SYSTEM32",
                "C:\\WINDOWS\\TEMP\\",
                {
                    {0, cp932::lit("C:\\WINDOWS\\ﾃﾞｽｸﾄｯﾌﾟ")},
                    {2, cp932::lit("C:\\WINDOWS\\ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ")},
                    {7, cp932::lit("C:\\WINDOWS\\ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ\\ｽﾀｰﾄｱｯﾌﾟ")},
                    {9, "C:\\WINDOWS\\SENDTO"},
                    {5, ""},
                }};
    }
    Platform& platform() override { return machine_.platform; }
    std::unique_ptr<Platform> reopen() override {
        return std::make_unique<PosixPlatform>(PosixPlatform::Options{machine_.root(), {}});
    }
    void write(const std::string& windowsPath, const std::string& bytes) override {
        machine_.write(windowsPath, bytes);
    }
    std::string read(const std::string& windowsPath) override { return machine_.read(windowsPath); }
    bool exists(const std::string& windowsPath) override { return machine_.exists(windowsPath); }

    // A shell script that the emulated shell runs for its execute bit.
    std::string writeMarkingProgram(const std::string& folder, const std::string& marker) override {
        const std::string path = folder + "MARK.SH";
        machine_.write(path, "#!/bin/sh\necho \"$1\" > '" + machine_.host(marker) + "'\n");
        std::filesystem::permissions(machine_.host(path), std::filesystem::perms::owner_all);
        return "MARK.SH";
    }

private:
    EmulatedMachine machine_;
};
