// SZDD test data: a literal-only encoder (every byte stored as it is) and mscompress, the Debian
// tool that writes real compressed files with back references.
#pragma once

#include "tests/common/TempFolder.h"

#include <cstdint>
#include <cstdlib>
#include <string>

inline std::string literalSzdd(const std::string& data, char missingChar) {
    std::string out("SZDD\x88\xF0\x27\x33", 8);
    out += 'A';
    out += missingChar;
    for (int i = 0; i < 4; ++i) {
        out += static_cast<char>((data.size() >> (8 * i)) & 0xFF);
    }
    // A control byte of eight set bits announces eight literal bytes.
    for (std::size_t i = 0; i < data.size(); i += 8) {
        out += '\xFF';
        out += data.substr(i, 8);
    }
    return out;
}

inline bool haveMscompress() {
    return std::system("command -v mscompress >/dev/null 2>&1") == 0;
}

// Compresses data with mscompress in folder; empty when the tool fails.
inline std::string mscompress(const TempFolder& folder, const std::string& data) {
    std::string plain = folder.file("plain.txt");
    TempFolder::write(plain, data);
    std::string command = "mscompress '" + plain + "' >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) {
        return {};
    }
    return TempFolder::read(plain + "_");
}

// Text with many repeats, so that the compressor uses back references.
inline std::string repetitiveText() {
    std::string text;
    for (int i = 0; i < 400; ++i) {
        text += "line " + std::to_string(i % 37) + ": the quick brown fox\r\n";
    }
    return text;
}
