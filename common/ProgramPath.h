// Where the running program lives, for files kept beside it.
#pragma once

#include <string>

namespace program_path {

// What separates a folder from a name in the host's paths.
#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

// The full host path of the running executable ("" when it cannot be told).
std::string executable();

// The folder of the running executable, without a trailing separator.
std::string folder();

} // namespace program_path
