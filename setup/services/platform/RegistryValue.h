// One registry value: its type and its data bytes as the registry functions exchange them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// String data carries its terminating NUL, as RegQueryValueEx returns it.
struct RegistryValue {
    std::uint32_t type = 0;
    std::string data;

    static RegistryValue string(std::string_view text);
    static RegistryValue expandString(std::string_view text);
    static RegistryValue dword(std::uint32_t value);
    static RegistryValue binary(std::string_view bytes);

    // The text of a string value: the data up to its first NUL.
    std::string text() const;
    // The number of a REG_DWORD value of four bytes; nothing for any other value.
    std::optional<std::uint32_t> dwordValue() const;

    bool operator==(const RegistryValue&) const = default;
};
