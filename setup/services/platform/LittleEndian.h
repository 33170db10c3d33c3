// Bounds-checked little-endian integers in byte strings, for the binary formats of Windows files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace little_endian {

// False (and value untouched) when the integer would reach past the end of the bytes.
inline bool read16(std::string_view bytes, std::size_t offset, std::uint16_t& value) {
    if (offset > bytes.size() || bytes.size() - offset < 2) {
        return false;
    }
    value = static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[offset]) |
                                       (static_cast<unsigned char>(bytes[offset + 1]) << 8));
    return true;
}

inline bool read32(std::string_view bytes, std::size_t offset, std::uint32_t& value) {
    if (offset > bytes.size() || bytes.size() - offset < 4) {
        return false;
    }
    value = 0;
    for (int i = 3; i >= 0; --i) {
        value =
            (value << 8) | static_cast<unsigned char>(bytes[offset + static_cast<std::size_t>(i)]);
    }
    return true;
}

inline void put16(std::string& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<char>(value & 0xFF));
    bytes.push_back(static_cast<char>(value >> 8));
}

inline void put32(std::string& bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

inline void put64(std::string& bytes, std::uint64_t value) {
    put32(bytes, static_cast<std::uint32_t>(value & 0xFFFFFFFF));
    put32(bytes, static_cast<std::uint32_t>(value >> 32));
}

// Overwrites four bytes at offset (which must lie inside the bytes).
inline void set32(std::string& bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[offset + static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

} // namespace little_endian
