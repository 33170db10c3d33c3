// Host (errno) errors as Win32 error codes, and the texts a Japanese Windows shows for those codes:
// the one table behind setup's emulated machine and korvane's file error messages.
#pragma once

#include <cstdint>
#include <string_view>

namespace error_text {

// The Win32 code for an errno value. A missing file is 2; callers that know the folder is missing
// too turn it into 3.
std::uint32_t win32Code(int error);

// The system message of a code as a Japanese Windows words it (UTF-8, without a line end); empty
// for a code without a text.
std::string_view utf8(std::uint32_t code);

// The message of an errno value for the user (UTF-8): the text of its Win32 code.
std::string_view ofErrno(int error);

} // namespace error_text
