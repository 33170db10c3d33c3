// File and folder routines: existence tests, folder chains, copying over read-only files, silent
// deletion (unregistering components first) and removal of a folder with its listed files.
#pragma once

#include "services/SetupContext.h"

#include <cstdint>
#include <string>

// True when the path names an existing file (not a folder).
bool FileExists(SetupContext& context, const std::string& path);

// True when a search in the folder finds any entry.
bool FolderExists(SetupContext& context, const std::string& folder);

// Creates every missing folder of the path, outermost first. True when nothing had to be created,
// else the outcome of the last creation attempted.
bool MakeFolders(SetupContext& context, const std::string& path);

// Copies over an existing destination after clearing its read-only, hidden and system attributes;
// the copy is left with the archive attribute only. 0 or the copy's error code.
std::uint32_t CopyFileOverwrite(SetupContext& context, const std::string& source,
                                const std::string& destination);

// Deletes a file or every match of a wildcard without any dialog; ".OCX" and ".DLL" files are
// unregistered first. 2 for a missing plain path, else 0 or the deletion's error code.
std::uint32_t DeleteFileSilent(SetupContext& context, const std::string& path);

// Deletes the listed names or wildcards (each ended by "|") in the folder, then removes the folder,
// which must then be empty. 0 or the error code of the folder removal.
std::uint32_t RemoveFolderWithFiles(SetupContext& context, const std::string& folder,
                                    const std::string& names);
