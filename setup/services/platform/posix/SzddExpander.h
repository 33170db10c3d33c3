// Files compressed in the LZ format of the Windows expand tool (SZDD), expanded in memory with
// libmspack's SZDD decompressor.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class SzddExpander {
public:
    struct Header {
        char missingChar = 0; // the last character of the original name; 0 when not stored
        std::uint32_t length = 0;
    };

    // True when the bytes start with the SZDD signature (the data is compressed, possibly damaged).
    static bool isCompressed(std::string_view bytes);

    // The header of compressed data; nothing when it is not compressed or the header is damaged.
    static std::optional<Header> header(std::string_view bytes);

    // Expands a whole compressed file. False for a damaged or truncated file: a bad header, data
    // the decompressor rejects, or an expansion whose length differs from the header's.
    static bool expand(std::string_view compressed, std::string& expanded);

    // The name a compressed file expands to: a final "_" becomes the stored character, or is
    // dropped when none is stored (tools that append "_" to the whole name store none). Other
    // names stay as they are.
    static std::string expandedName(std::string_view compressedName, const Header& header);
};
