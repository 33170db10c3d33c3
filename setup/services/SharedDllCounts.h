// Reference counts of shared libraries: REG_DWORD values under HKEY_LOCAL_MACHINE
// \SOFTWARE\Microsoft\Windows\CurrentVersion\SharedDLLs named by the file's path.
#pragma once

#include "services/SetupContext.h"

#include <cstdint>
#include <string>

// The count of a file; 0 when there is none, it is not a REG_DWORD, or the registry fails.
std::int32_t GetSharedDllCount(SetupContext& context, const std::string& path);

// Adds one user (a file already on disk without a count is taken to have one) or removes one
// (the value goes when no user is left). Returns the new count: 0 when the last user went away,
// -1 when there was no count to decrement.
std::int32_t ChangeSharedDllCount(SetupContext& context, const std::string& path, bool increment);
