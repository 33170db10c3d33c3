// The Win32 error codes that setup's emulated machine and korvane's file error texts use.
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
