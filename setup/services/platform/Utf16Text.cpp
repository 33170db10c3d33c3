// UTF-16 conversions by way of UTF-8, which the CP932 module of common converts.
#include "services/platform/Utf16Text.h"

#include "common/Cp932.h"

namespace utf16_text {
namespace {

// Decodes one UTF-8 sequence at text[i]; malformed input gives U+FFFD and advances one byte.
char32_t decodeUtf8(std::string_view text, std::size_t& i) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char c = byte(i);
    std::size_t length = c < 0x80           ? 1
                         : (c >> 5) == 0x6  ? 2
                         : (c >> 4) == 0xE  ? 3
                         : (c >> 3) == 0x1E ? 4
                                            : 0;
    if (length == 0 || i + length > text.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t cp = length == 1   ? c
                  : length == 2 ? (c & 0x1F)
                  : length == 3 ? (c & 0x0F)
                                : (c & 0x07);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    i += length;
    return cp > 0x10FFFF ? 0xFFFD : cp;
}

} // namespace

std::u16string fromCp932(std::string_view cp932Text) {
    std::string utf8 = cp932::toUtf8(cp932Text);
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = decodeUtf8(utf8, i);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

std::string toCp932(std::u16string_view utf16Text) {
    return cp932::fromUtf16(utf16Text);
}

std::string toLittleEndian(std::u16string_view utf16Text) {
    std::string bytes;
    bytes.reserve(utf16Text.size() * 2);
    for (char16_t c : utf16Text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}

std::u16string fromLittleEndian(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                             (static_cast<unsigned char>(bytes[i + 1]) << 8)));
    }
    return text;
}

} // namespace utf16_text
