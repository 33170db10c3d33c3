// Replacing a file atomically: write a temporary file beside it, flush it to disk, rename it over.
#pragma once

#include <string>
#include <string_view>

namespace atomic_file {

// Whether the new file is forced to disk before it replaces the old one. A copy that can be made
// again from its source may skip that; readers still see the old file or the whole new one.
enum class Sync { toDisk, none };

// Writes contents to hostPath so that readers see either the old file or the whole new one.
// On failure the old file is untouched, the temporary file removed, and error (if given) says why.
bool write(const std::string& hostPath, std::string_view contents, std::string* error = nullptr,
           Sync sync = Sync::toDisk);

#ifndef _WIN32
// Replaces hostPath atomically with a copy of source that keeps its permissions and times, as a
// Windows copy does; not forced to disk, as it can be made again. False with errno (and error)
// set when the source cannot be read or the copy not written; the old file is then untouched.
bool copy(const std::string& source, const std::string& hostPath, std::string* error = nullptr);
#endif

// Reads a whole file; false (with error) when it cannot be opened or read.
bool read(const std::string& hostPath, std::string& contents, std::string* error = nullptr);

} // namespace atomic_file
