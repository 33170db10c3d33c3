// Files compressed with the Windows expand format on the installation medium.
#pragma once

#include "services/SetupContext.h"

#include <string>

// Expands source into the temporary file <temporary folder>EXPAND.BST (an old one is deleted
// first) and returns that file, a ",", and the final destination: the requested one, or, when its
// name is "AUTO.EXT", its folder and the upper-cased name stored in the compressed file. Moving the
// temporary file into place, and noticing a failed expansion, is the caller's part.
std::string ExpandCompressedFile(SetupContext& context, const std::string& source,
                                 const std::string& requestedDestination);
