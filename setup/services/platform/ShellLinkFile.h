// Shell link (.lnk) files in the shell link binary format: writing the links setup makes and
// reading back their target, working directory and arguments.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class ShellLinkFile {
public:
    // What a link says; texts are CP932, paths are Windows paths.
    struct Link {
        std::string target;
        std::string workingDirectory;
        std::string arguments;
        std::uint32_t targetAttributes = 0;
        std::uint64_t targetWriteTime = 0; // FILETIME
        std::uint32_t targetSize = 0;
    };

    // The bytes of a link file: header, link info with the target as local base path (ANSI and
    // Unicode), and the working directory and arguments (when not empty) as Unicode string data.
    static std::string write(const Link& link);

    // Reads a link file; nothing when the bytes are not a shell link or are cut short.
    static std::optional<Link> read(std::string_view bytes);
};
