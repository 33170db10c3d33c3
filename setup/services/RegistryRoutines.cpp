// Registry routines through the platform's registry calls.
#include "services/RegistryRoutines.h"

namespace {

constexpr int kMaxDeleteAttempts = 99;

} // namespace

RegistryRoot RegistryRootOfToken(std::string_view token) {
    if (token == "(Class)") {
        return RegistryRoot::ClassesRoot;
    }
    if (token == "(Local)") {
        return RegistryRoot::LocalMachine;
    }
    if (token == "(Users)") {
        return RegistryRoot::Users;
    }
    return RegistryRoot::CurrentUser;
}

void DeleteRegistryKey(SetupContext& context, std::string_view rootToken,
                       const std::string& keyPath) {
    if (keyPath.empty()) {
        return;
    }
    RegistryRoot root = RegistryRootOfToken(rootToken);
    for (int attempt = 0; attempt < kMaxDeleteAttempts; ++attempt) {
        if (context.platform.regOpenKey(root, keyPath) != 0) {
            return;
        }
        context.platform.regDeleteKeyTree(root, keyPath);
    }
}
