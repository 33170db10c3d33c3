// A host file's status (struct stat) as Windows reports it: attributes, read-only and FILETIME.
#pragma once

#include <cstdint>
#include <sys/stat.h>

namespace host_stat {

// Directory for a folder; Archive for a file, with ReadOnly when its owner may not write it.
std::uint32_t attributes(const struct stat& st);

// True for a file (never a folder) its owner may not write.
bool isReadOnly(const struct stat& st);

// A host time as FILETIME (100 ns steps since 1601-01-01 UTC); 0 for a time before 1601.
std::uint64_t fileTime(const struct timespec& t);

} // namespace host_stat
