// Registry root tokens of setup's ini files and recursive key deletion.
#pragma once

#include "services/SetupContext.h"

#include <string>
#include <string_view>

// "(Class)", "(Local)" and "(Users)" name their roots (compared with case); every other text,
// "(Cuser)" included, means HKEY_CURRENT_USER.
RegistryRoot RegistryRootOfToken(std::string_view token);

// Deletes the key with all its subkeys under the root the token names; nothing for an empty path.
void DeleteRegistryKey(SetupContext& context, std::string_view rootToken,
                       const std::string& keyPath);
