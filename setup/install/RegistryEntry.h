// One registry value of a setup script (Registry Key<n>, Name<n>, Value<n>): root, key path, value
// name and typed data.
#pragma once

#include "install/PathTokens.h"
#include "services/platform/RegistryRoot.h"
#include "services/platform/RegistryValue.h"

#include <string>
#include <string_view>

struct RegistryEntry {
    RegistryRoot root = RegistryRoot::CurrentUser;
    std::string keyPath; // without a leading or trailing "\"
    std::string name;    // "" is the key's default value
    RegistryValue value;
    bool write = true; // false for "(Bin)", which writes nothing

    // The raw values of the script; the data gets every token but "(Tmp)" after "(Pdd)" is taken
    // out.
    static RegistryEntry parse(std::string_view key, std::string_view name,
                               std::string_view rawValue, const PathTokens& tokens);
};
