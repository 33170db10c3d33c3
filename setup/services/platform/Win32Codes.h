// The numeric values of the Windows interface that cross the platform boundary: error codes, file
// attributes, registry value types, special folder ids and shell notification events.
#pragma once

#include <cstdint>

// Win32 error codes (the values of GetLastError and of the registry functions).
namespace win32_error {
constexpr std::uint32_t Success = 0;
constexpr std::uint32_t InvalidFunction = 1;
constexpr std::uint32_t FileNotFound = 2;
constexpr std::uint32_t PathNotFound = 3;
constexpr std::uint32_t TooManyOpenFiles = 4;
constexpr std::uint32_t AccessDenied = 5;
constexpr std::uint32_t NotEnoughMemory = 8;
constexpr std::uint32_t BadFormat = 11;
constexpr std::uint32_t InvalidData = 13;
constexpr std::uint32_t InvalidDrive = 15;
constexpr std::uint32_t NotSameDevice = 17;
constexpr std::uint32_t NoMoreFiles = 18;
constexpr std::uint32_t WriteProtect = 19;
constexpr std::uint32_t SharingViolation = 32;
constexpr std::uint32_t LockViolation = 33;
constexpr std::uint32_t HandleDiskFull = 39;
constexpr std::uint32_t FileExists = 80;
constexpr std::uint32_t InvalidParameter = 87;
constexpr std::uint32_t DiskFull = 112;
constexpr std::uint32_t InvalidName = 123;
constexpr std::uint32_t ModuleNotFound = 126;
constexpr std::uint32_t ProcedureNotFound = 127;
constexpr std::uint32_t DirectoryNotEmpty = 145;
constexpr std::uint32_t AlreadyExists = 183;
constexpr std::uint32_t FileNameTooLong = 206;
constexpr std::uint32_t InvalidDirectoryName = 267;
constexpr std::uint32_t BadRegistryKey = 1010;
constexpr std::uint32_t RegistryCannotWrite = 1013;
constexpr std::uint32_t IoDevice = 1117;
constexpr std::uint32_t ResourceTypeNotFound = 1813;
} // namespace win32_error

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
constexpr std::uint32_t AssociationChanged = 0x08000000;
} // namespace shell_change
