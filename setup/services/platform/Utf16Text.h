// UTF-16 text of Windows binary formats (shell links, version resources) to and from CP932.
#pragma once

#include <string>
#include <string_view>

namespace utf16_text {

// The UTF-16 form of a CP932 text.
std::u16string fromCp932(std::string_view cp932Text);

// The CP932 form of a UTF-16 text (characters without a CP932 form become "?").
std::string toCp932(std::u16string_view utf16Text);

// UTF-16 code units as little-endian bytes, and back (an odd last byte is ignored).
std::string toLittleEndian(std::u16string_view utf16Text);
std::u16string fromLittleEndian(std::string_view bytes);

} // namespace utf16_text
