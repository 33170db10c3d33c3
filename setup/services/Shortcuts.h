// Shortcuts (shell links) in the special folders of the shell.
#pragma once

#include "services/SetupContext.h"

#include <string>

// Makes <special folder>\<link name>.lnk pointing at target, creating the folders of a link name
// such as \Group\Name. The working directory is the given one when it exists, else the target's
// folder. Returns the path of the link made (".pif" when the shell made one of those instead), or
// empty when the special folder is unknown.
std::string CreateShortcut(SetupContext& context, const std::string& target,
                           const std::string& linkName, int specialFolderId,
                           const std::string& workingDirectory, const std::string& arguments);
