// The numeric values of the Windows interface that cross the platform boundary: error codes (kept
// in common, as korvane words its file errors by them too), file attributes, registry value types,
// special folder ids and shell notification events.
#pragma once

#include "common/Win32ErrorCode.h"

#include <cstdint>

// File attributes (GetFileAttributes, SetFileAttributes, WIN32_FIND_DATA).
namespace file_attribute {
constexpr std::uint32_t ReadOnly = 0x01;
constexpr std::uint32_t Hidden = 0x02;
constexpr std::uint32_t System = 0x04;
constexpr std::uint32_t Directory = 0x10;
constexpr std::uint32_t Archive = 0x20;
constexpr std::uint32_t Normal = 0x80;
constexpr std::uint32_t Invalid = 0xFFFFFFFF;
} // namespace file_attribute

// Registry value types.
namespace registry_type {
constexpr std::uint32_t String = 1;       // REG_SZ
constexpr std::uint32_t ExpandString = 2; // REG_EXPAND_SZ
constexpr std::uint32_t Binary = 3;       // REG_BINARY
constexpr std::uint32_t Dword = 4;        // REG_DWORD
} // namespace registry_type

// Shell special folder ids (CSIDL values) that setup uses.
namespace special_folder {
constexpr int Desktop = 0;
constexpr int Programs = 2;
constexpr int Startup = 7;
constexpr int SendTo = 9;
} // namespace special_folder

// Shell change notification events (SHChangeNotify).
namespace shell_change {
constexpr std::uint32_t UpdateDirectory = 0x00001000;
constexpr std::uint32_t UpdateItem = 0x00002000;
constexpr std::uint32_t AssociationChanged = 0x08000000;
} // namespace shell_change
