// An installation medium in a host folder outside a fresh emulated machine, so that it is seen
// under Z:, with the running program as SETUP.EXE on it.
#pragma once

#include "tests/common/TempFolder.h"
#include "tests/setup/services/EmulatedMachine.h"

#include <string>

struct MediumMachine {
    MediumMachine() : machine(PosixPlatform::Options{"", media.file("SETUP.EXE")}) {}

    // Writes a CP932 CR LF file from UTF-8 lines joined by "\n"; a relative path is on the medium,
    // a path with a drive on the machine.
    void write(const std::string& path, const std::string& utf8) {
        std::string text;
        for (char c : cp932::fromUtf8(utf8)) {
            text += c == '\n' ? std::string("\r\n") : std::string(1, c);
        }
        if (path.find(':') == std::string::npos) {
            TempFolder::write(media.file(path), text);
        } else {
            machine.write(cp932::fromUtf8(path), text);
        }
    }

    TempFolder media;
    EmulatedMachine machine;
};
