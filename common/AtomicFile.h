// Replacing a file atomically: write a temporary file beside it, flush it to disk, rename it over.
#pragma once

#include <string>
#include <string_view>

namespace atomic_file {

// Writes contents to hostPath so that readers see either the old file or the whole new one.
// On failure the old file is untouched, the temporary file removed, and error (if given) says why.
bool write(const std::string& hostPath, std::string_view contents, std::string* error = nullptr);

// Reads a whole file; false (with error) when it cannot be opened or read.
bool read(const std::string& hostPath, std::string& contents, std::string* error = nullptr);

} // namespace atomic_file
