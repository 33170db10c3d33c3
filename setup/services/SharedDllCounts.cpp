// Shared-library counts in the registry; registry failures are not reported, as on Windows.
#include "services/SharedDllCounts.h"

#include "services/FileRoutines.h"

namespace {

const std::string kSharedDllsKey = "\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

} // namespace

std::int32_t GetSharedDllCount(SetupContext& context, const std::string& path) {
    Platform& platform = context.platform;
    // The key is opened with creation allowed, so reading a count creates it.
    if (platform.regCreateKey(RegistryRoot::LocalMachine, kSharedDllsKey) != 0) {
        return 0;
    }
    RegistryValue value;
    if (platform.regQueryValue(RegistryRoot::LocalMachine, kSharedDllsKey, path, value) != 0) {
        return 0;
    }
    return static_cast<std::int32_t>(value.dwordValue().value_or(0));
}

std::int32_t ChangeSharedDllCount(SetupContext& context, const std::string& path, bool increment) {
    Platform& platform = context.platform;
    std::int32_t count = GetSharedDllCount(context, path);
    if (increment) {
        if (count == 0 && FileExists(context, path)) {
            count = 1;
        }
        ++count;
        platform.regSetValue(RegistryRoot::LocalMachine, kSharedDllsKey, path,
                             RegistryValue::dword(static_cast<std::uint32_t>(count)));
        return count;
    }
    --count;
    if (count > 0) {
        platform.regSetValue(RegistryRoot::LocalMachine, kSharedDllsKey, path,
                             RegistryValue::dword(static_cast<std::uint32_t>(count)));
    } else {
        platform.regDeleteValue(RegistryRoot::LocalMachine, kSharedDllsKey, path);
    }
    return count;
}
