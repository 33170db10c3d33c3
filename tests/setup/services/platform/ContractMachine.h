// A fresh machine for one case of the platform contract: the platform under test, and what a case
// needs beside the interface to lay out files and to open the machine a second time.
#pragma once

#include "services/platform/Platform.h"

#include <memory>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

// A machine of its own for every case, which the case may change freely (files, registry, restart
// requests, locks) without reaching anything outside it.
class ContractMachine {
public:
    // What an implementation's instantiation of the contract passes: a fresh machine on each call
    // of make, and a name that the test names show in its place.
    struct Maker {
        const char* name;
        std::unique_ptr<ContractMachine> (*make)();

        friend void PrintTo(const Maker& maker, std::ostream* out) { *out << maker.name; }
    };

    // The folders the machine has: Windows, system and temporary folder, and special folders by
    // id (an empty path for an id the machine does not know).
    struct Folders {
        std::string windows;
        std::string system;
        std::string temp;
        std::vector<std::pair<int, std::string>> special;
    };

    virtual ~ContractMachine() = default;

    virtual Folders folders() = 0;
    // Whether a case may ask for a restart: a real system would show its dialog and go down.
    virtual bool mayRestart() { return true; }
    // Whether the system under test is known to answer a row of a case otherwise than Windows
    // does (Wine's own quirks); such rows are left out.
    virtual bool deviates(const std::string& row) { return false; }

    virtual Platform& platform() = 0;
    // Another platform on the same machine, as a second process would have it.
    virtual std::unique_ptr<Platform> reopen() = 0;

    // Files laid out and looked at without the platform's file calls: writes a file at a Windows
    // path (making its folders), reads one back, tells whether a path exists.
    virtual void write(const std::string& windowsPath, const std::string& bytes) = 0;
    virtual std::string read(const std::string& windowsPath) = 0;
    virtual bool exists(const std::string& windowsPath) = 0;
    // Writes into a folder (ending in "\") a program that the shell can open and that writes its
    // first argument into the file marker; returns the program's file name.
    virtual std::string writeMarkingProgram(const std::string& folder,
                                            const std::string& marker) = 0;
};
