// The four registry roots that setup reads and writes, with their full names.
#pragma once

#include <string_view>

enum class RegistryRoot { ClassesRoot, CurrentUser, LocalMachine, Users };

constexpr std::string_view registryRootName(RegistryRoot root) {
    switch (root) {
    case RegistryRoot::ClassesRoot:
        return "HKEY_CLASSES_ROOT";
    case RegistryRoot::CurrentUser:
        return "HKEY_CURRENT_USER";
    case RegistryRoot::LocalMachine:
        return "HKEY_LOCAL_MACHINE";
    case RegistryRoot::Users:
        return "HKEY_USERS";
    }
    return "HKEY_CURRENT_USER";
}
