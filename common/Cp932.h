// Shift-JIS (code page 932) byte strings: lead bytes, conversion to and from Unicode, searching and
// cutting.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace cp932 {

// True for the first byte of a double-byte character (0x81-0x9F, 0xE0-0xFC).
constexpr bool isLeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

// Conversions; bytes or sequences that cannot be converted become U+FFFD (or "?" in CP932).
std::string toUtf8(std::string_view cp932Text);
std::string fromUtf8(std::string_view utf8Text);
std::string fromUtf16(std::u16string_view utf16Text);

// Converts a UTF-8 literal of the source code once and keeps the result for the life of the
// process. Use as cp932::lit(u8"...") or cp932::lit("...") with a UTF-8 literal.
const std::string& lit(std::string_view utf8Literal);

// Position of the first occurrence of needle at or after 'from' that starts on a character boundary
// (a match never begins on a trail byte); npos when there is none.
std::size_t find(std::string_view haystack, std::string_view needle, std::size_t from = 0);

// As find, but ASCII letters match without regard to case (double-byte characters compare exactly).
std::size_t findNoCase(std::string_view haystack, std::string_view needle, std::size_t from = 0);

// The largest length <= maxBytes at which text can be cut without splitting a double-byte character
// (a lead byte left without its trail byte at the very end is cut off too).
std::size_t boundaryAtOrBefore(std::string_view text, std::size_t maxBytes);

// The text cut to at most maxBytes bytes without splitting a double-byte character.
std::string cut(std::string_view text, std::size_t maxBytes);

// The text without blanks (space, tab, CR, LF) at both ends; trimRight only at the end.
std::string_view trim(std::string_view text);
std::string_view trimRight(std::string_view text);

// ASCII-only case folding, safe on double-byte text (trail bytes are never changed).
std::string toUpperAscii(std::string_view text);
bool equalsNoCase(std::string_view a, std::string_view b);

} // namespace cp932
