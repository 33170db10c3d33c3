// The emulated machine's registry calls, kept in its REGEDIT4 file and saved after every change.
#include "services/platform/Win32Codes.h"
#include "services/platform/posix/PosixPlatform.h"

std::string PosixPlatform::registryText(const std::string& eol) {
    return registry_.current().serialize(eol);
}

std::uint32_t PosixPlatform::saveRegistry() {
    std::uint32_t error = 0;
    return registry_.save(error) ? win32_error::Success : error;
}

std::uint32_t PosixPlatform::regCreateKey(RegistryRoot root, const std::string& keyPath) {
    RegistryStore& store = registry_.current();
    if (store.find(root, keyPath)) {
        return win32_error::Success;
    }
    if (!store.create(root, keyPath)) {
        return win32_error::InvalidParameter;
    }
    return saveRegistry();
}

std::uint32_t PosixPlatform::regOpenKey(RegistryRoot root, const std::string& keyPath) {
    return registry_.current().find(root, keyPath) ? win32_error::Success
                                                   : win32_error::FileNotFound;
}

std::uint32_t PosixPlatform::regQueryValue(RegistryRoot root, const std::string& keyPath,
                                           const std::string& name, RegistryValue& value) {
    const RegistryStore::Key* key = registry_.current().find(root, keyPath);
    const RegistryValue* found = key ? key->value(name) : nullptr;
    if (!found) {
        return win32_error::FileNotFound;
    }
    value = *found;
    return win32_error::Success;
}

std::uint32_t PosixPlatform::regSetValue(RegistryRoot root, const std::string& keyPath,
                                         const std::string& name, const RegistryValue& value) {
    RegistryStore::Key* key = registry_.current().find(root, keyPath);
    if (!key) {
        return win32_error::FileNotFound;
    }
    if (!RegistryStore::validValueName(name)) {
        return win32_error::InvalidParameter;
    }
    key->setValue(name, value);
    return saveRegistry();
}

std::uint32_t PosixPlatform::regDeleteValue(RegistryRoot root, const std::string& keyPath,
                                            const std::string& name) {
    RegistryStore::Key* key = registry_.current().find(root, keyPath);
    if (!key || !key->deleteValue(name)) {
        return win32_error::FileNotFound;
    }
    return saveRegistry();
}

std::uint32_t PosixPlatform::regDeleteKeyTree(RegistryRoot root, const std::string& keyPath) {
    // A path of separators only names the root itself, which is never deleted.
    if (keyPath.find_first_not_of('\\') == std::string::npos) {
        return win32_error::InvalidParameter;
    }
    if (!registry_.current().remove(root, keyPath)) {
        return win32_error::FileNotFound;
    }
    return saveRegistry();
}
