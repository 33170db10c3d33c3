// The contest file (".con"): contest settings to bytes and back, and to and from a file on disk.
#pragma once

#include "document/ContestSettings.h"

#include <string>
#include <string_view>

class ContestFile {
public:
    static constexpr int kCurrentVersion = 170;

    enum class Status {
        ok,
        cannotOpen, // the file could not be opened or read at all
        badFormat,  // the bytes end before every value of their form was read
    };

    struct LoadResult {
        Status status = Status::ok;
        ContestSettings settings; // defaults unless status is ok
        std::string message;      // CP932, empty on success

        bool ok() const { return status == Status::ok; }
    };

    struct SaveResult {
        bool ok = true;
        std::string message; // CP932, empty on success
    };

    // The bytes of the current version: the version number and every setting in file order.
    static std::string save(const ContestSettings& settings);

    // Reads any form the program has ever written. Bytes after the last value are ignored.
    static LoadResult load(std::string_view bytes);

    // The file named by a host path. Saving replaces the file atomically, so a failed save leaves
    // the previous file as it was.
    static LoadResult loadFile(const std::string& hostPath);
    static SaveResult saveFile(const std::string& hostPath, const ContestSettings& settings);

    // The messages shown for the failures above (CP932).
    static const std::string& unexpectedFormatMessage();
    static const std::string& openFailedMessage();
    static const std::string& saveFailedMessage();
};
