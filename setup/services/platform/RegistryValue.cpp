// Construction and reading of registry values in the byte layout of the registry functions.
#include "services/platform/RegistryValue.h"

#include "services/platform/Win32Codes.h"

RegistryValue RegistryValue::string(std::string_view text) {
    RegistryValue v{registry_type::String, std::string(text)};
    v.data.push_back('\0');
    return v;
}

RegistryValue RegistryValue::expandString(std::string_view text) {
    RegistryValue v{registry_type::ExpandString, std::string(text)};
    v.data.push_back('\0');
    return v;
}

RegistryValue RegistryValue::dword(std::uint32_t value) {
    RegistryValue v{registry_type::Dword, std::string(4, '\0')};
    for (int i = 0; i < 4; ++i) {
        v.data[static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return v;
}

RegistryValue RegistryValue::binary(std::string_view bytes) {
    return RegistryValue{registry_type::Binary, std::string(bytes)};
}

std::string RegistryValue::text() const {
    return data.substr(0, data.find('\0'));
}

std::optional<std::uint32_t> RegistryValue::dwordValue() const {
    if (type != registry_type::Dword || data.size() != 4) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(data[static_cast<std::size_t>(i)]);
    }
    return value;
}
