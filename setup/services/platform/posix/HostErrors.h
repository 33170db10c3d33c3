// Host (POSIX) errors as Win32 error codes, and the texts a Japanese Windows shows for those codes.
#pragma once

#include <cstdint>
#include <string>

namespace host_errors {

// The Win32 code for an errno value. A missing file is 2; callers that know the folder is missing
// too turn it into 3.
std::uint32_t fromErrno(int error);

// The system message of a code as FormatMessage gives it (CP932, ending in CR LF); empty for a code
// without a text.
std::string message(std::uint32_t code);

} // namespace host_errors
