// Windows registry calls: keys are opened for each call and closed again, as setup touches each
// key only a few times; SHDeleteKey removes a key with its subkeys.
#include "services/platform/Win32Codes.h"
#include "services/platform/win32/Win32Platform.h"

// The system headers build on the types of windows.h, which comes first.
// clang-format off
#include <windows.h>
#include <shlwapi.h>
// clang-format on

namespace {

HKEY rootKey(RegistryRoot root) {
    switch (root) {
    case RegistryRoot::ClassesRoot:
        return HKEY_CLASSES_ROOT;
    case RegistryRoot::LocalMachine:
        return HKEY_LOCAL_MACHINE;
    case RegistryRoot::Users:
        return HKEY_USERS;
    case RegistryRoot::CurrentUser:
        break;
    }
    return HKEY_CURRENT_USER;
}

// The registry functions take paths from the root without a leading "\" (a backslash is never a
// trail byte at the very start).
const char* relative(const std::string& keyPath) {
    std::size_t start = keyPath.find_first_not_of('\\');
    return keyPath.c_str() + (start == std::string::npos ? keyPath.size() : start);
}

// An open key, closed when it goes out of scope.
class OpenKey {
public:
    OpenKey(RegistryRoot root, const std::string& keyPath, REGSAM access)
        : error_(::RegOpenKeyExA(rootKey(root), relative(keyPath), 0, access, &key_)) {}
    ~OpenKey() {
        if (error_ == ERROR_SUCCESS) {
            ::RegCloseKey(key_);
        }
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;

    std::uint32_t error() const { return static_cast<std::uint32_t>(error_); }
    HKEY key() const { return key_; }

private:
    HKEY key_ = nullptr;
    LONG error_;
};

} // namespace

std::uint32_t Win32Platform::regCreateKey(RegistryRoot root, const std::string& keyPath) {
    HKEY key = nullptr;
    LONG error =
        ::RegCreateKeyExA(rootKey(root), relative(keyPath), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_READ | KEY_WRITE, nullptr, &key, nullptr);
    if (error == ERROR_SUCCESS) {
        ::RegCloseKey(key);
    }
    return static_cast<std::uint32_t>(error);
}

std::uint32_t Win32Platform::regOpenKey(RegistryRoot root, const std::string& keyPath) {
    return OpenKey(root, keyPath, KEY_READ).error();
}

std::uint32_t Win32Platform::regQueryValue(RegistryRoot root, const std::string& keyPath,
                                           const std::string& name, RegistryValue& value) {
    OpenKey key(root, keyPath, KEY_QUERY_VALUE);
    if (key.error() != ERROR_SUCCESS) {
        return key.error();
    }
    DWORD type = 0;
    DWORD size = 0;
    LONG error = ::RegQueryValueExA(key.key(), name.c_str(), nullptr, &type, nullptr, &size);
    std::string data;
    // The value may grow between the two calls; ask again with the new size.
    while (error == ERROR_SUCCESS || error == ERROR_MORE_DATA) {
        data.resize(size);
        error = ::RegQueryValueExA(key.key(), name.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(data.data()), &size);
        if (error == ERROR_SUCCESS) {
            data.resize(size);
            value = RegistryValue{type, std::move(data)};
            break;
        }
    }
    return static_cast<std::uint32_t>(error);
}

std::uint32_t Win32Platform::regSetValue(RegistryRoot root, const std::string& keyPath,
                                         const std::string& name, const RegistryValue& value) {
    OpenKey key(root, keyPath, KEY_SET_VALUE);
    if (key.error() != ERROR_SUCCESS) {
        return key.error();
    }
    return static_cast<std::uint32_t>(::RegSetValueExA(
        key.key(), name.c_str(), 0, value.type, reinterpret_cast<const BYTE*>(value.data.data()),
        static_cast<DWORD>(value.data.size())));
}

std::uint32_t Win32Platform::regDeleteValue(RegistryRoot root, const std::string& keyPath,
                                            const std::string& name) {
    OpenKey key(root, keyPath, KEY_SET_VALUE);
    if (key.error() != ERROR_SUCCESS) {
        return key.error();
    }
    return static_cast<std::uint32_t>(::RegDeleteValueA(key.key(), name.c_str()));
}

std::uint32_t Win32Platform::regDeleteKeyTree(RegistryRoot root, const std::string& keyPath) {
    // A path of separators only names the root itself, which is never deleted.
    if (keyPath.find_first_not_of('\\') == std::string::npos) {
        return win32_error::InvalidParameter;
    }
    return static_cast<std::uint32_t>(::SHDeleteKeyA(rootKey(root), relative(keyPath)));
}
