// Windows files and folders: system paths and the current directory, attributes, directory
// searches, copies, moves and deletes, the shell's silent delete, disk space and profile files.
#include "common/AtomicFile.h"
#include "common/Cp932.h"
#include "services/platform/Win32Codes.h"
#include "services/platform/win32/Win32Platform.h"

#include <algorithm>

// The system headers build on the types of windows.h, which comes first.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

namespace {

// The answer of a call that fills a buffer and returns the length it needs when the buffer is too
// small: asked again with that length.
template <typename Call>
std::string bufferText(Call call) {
    std::string text(MAX_PATH, '\0');
    DWORD length = call(text.data(), static_cast<DWORD>(text.size()));
    if (length >= text.size()) {
        text.assign(length + 1, '\0');
        length = call(text.data(), static_cast<DWORD>(text.size()));
    }
    text.resize(length < text.size() ? length : 0);
    return text;
}

std::uint64_t combine(DWORD high, DWORD low) {
    return (std::uint64_t{high} << 32) | low;
}

} // namespace

std::string Win32Platform::windowsDirectory() {
    return bufferText([](char* b, DWORD n) { return ::GetWindowsDirectoryA(b, n); });
}

std::string Win32Platform::systemDirectory() {
    return bufferText([](char* b, DWORD n) { return ::GetSystemDirectoryA(b, n); });
}

std::string Win32Platform::tempPath() {
    return bufferText([](char* b, DWORD n) { return ::GetTempPathA(n, b); });
}

std::string Win32Platform::moduleFileName() {
    std::string name(MAX_PATH, '\0');
    for (;;) {
        DWORD length = ::GetModuleFileNameA(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length < name.size()) {
            name.resize(length);
            return name;
        }
        name.resize(name.size() * 2);
    }
}

std::string Win32Platform::argumentPath(const std::string& argument) {
    std::string full = bufferText(
        [&](char* b, DWORD n) { return ::GetFullPathNameA(argument.c_str(), n, b, nullptr); });
    return full.empty() ? argument : full;
}

bool Win32Platform::setCurrentDirectory(const std::string& path) {
    return ::SetCurrentDirectoryA(path.c_str()) || failed();
}

std::string Win32Platform::currentDirectory() {
    return bufferText([](char* b, DWORD n) { return ::GetCurrentDirectoryA(n, b); });
}

std::uint32_t Win32Platform::getFileAttributes(const std::string& path) {
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        failed();
    }
    return attributes;
}

bool Win32Platform::setFileAttributes(const std::string& path, std::uint32_t attributes) {
    return ::SetFileAttributesA(path.c_str(), attributes) || failed();
}

std::vector<Platform::FindData> Win32Platform::findFiles(const std::string& pattern) {
    std::vector<FindData> found;
    WIN32_FIND_DATAA data{};
    HANDLE search = ::FindFirstFileA(pattern.c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) {
        failed();
        return found;
    }
    do {
        FindData entry;
        entry.name = data.cFileName;
        entry.attributes = data.dwFileAttributes;
        entry.size = combine(data.nFileSizeHigh, data.nFileSizeLow);
        entry.lastWriteTime =
            combine(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime);
        found.push_back(std::move(entry));
    } while (::FindNextFileA(search, &data));
    ::FindClose(search);
    // NTFS lists names in order, other file systems (and Wine's) as they come: setup's lists and
    // logs are the same on every machine when the order is fixed here.
    auto dots = [](const FindData& e) { return e.name == "." ? 0 : e.name == ".." ? 1 : 2; };
    std::stable_sort(found.begin(), found.end(), [&](const FindData& a, const FindData& b) {
        if (dots(a) != dots(b)) {
            return dots(a) < dots(b);
        }
        return cp932::toUpperAscii(a.name) < cp932::toUpperAscii(b.name);
    });
    return found;
}

bool Win32Platform::createDirectory(const std::string& path) {
    return ::CreateDirectoryA(path.c_str(), nullptr) || failed();
}

bool Win32Platform::removeDirectory(const std::string& path) {
    return ::RemoveDirectoryA(path.c_str()) || failed();
}

bool Win32Platform::copyFile(const std::string& source, const std::string& destination,
                             bool failIfExists) {
    return ::CopyFileA(source.c_str(), destination.c_str(), failIfExists) || failed();
}

bool Win32Platform::moveFile(const std::string& source, const std::string& destination) {
    return ::MoveFileA(source.c_str(), destination.c_str()) || failed();
}

bool Win32Platform::deleteFile(const std::string& path) {
    return ::DeleteFileA(path.c_str()) || failed();
}

std::uint32_t Win32Platform::shellDelete(const std::string& pathOrWildcard) {
    // A drive root is never what setup means to delete; some shells would empty the drive.
    const std::string rest = pathOrWildcard.size() >= 2 && pathOrWildcard[1] == ':'
                                 ? pathOrWildcard.substr(2)
                                 : pathOrWildcard;
    if (rest.find_first_not_of("\\/") == std::string::npos) {
        lastError_ = ERROR_ACCESS_DENIED;
        return lastError_;
    }
    // The source list ends with two NULs; no undo, so nothing goes to the recycle bin.
    std::string from = pathOrWildcard + std::string(2, '\0');
    SHFILEOPSTRUCTA operation{};
    operation.hwnd = nullptr;
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI;
    int result = ::SHFileOperationA(&operation);
    if (result == 0 && operation.fAnyOperationsAborted) {
        result = ERROR_CANCELLED;
    }
    lastError_ = static_cast<std::uint32_t>(result);
    return lastError_;
}

bool Win32Platform::readFile(const std::string& path, std::string& contents) {
    return atomic_file::read(path, contents) || failed();
}

bool Win32Platform::writeFile(const std::string& path, const std::string& contents) {
    return atomic_file::write(path, contents) || failed();
}

bool Win32Platform::hasDiskFreeSpaceEx() {
    HMODULE kernel = ::GetModuleHandleA("KERNEL32.DLL");
    return kernel && ::GetProcAddress(kernel, "GetDiskFreeSpaceExA");
}

bool Win32Platform::getDiskFreeSpaceEx(const std::string& path, std::uint64_t& freeBytesToCaller) {
    ULARGE_INTEGER available{}, total{}, free{};
    if (!::GetDiskFreeSpaceExA(path.c_str(), &available, &total, &free)) {
        return failed();
    }
    freeBytesToCaller = available.QuadPart;
    return true;
}

bool Win32Platform::getDiskFreeSpace(const std::string& path, DiskGeometry& geometry) {
    DWORD sectors = 0, bytes = 0, freeClusters = 0, totalClusters = 0;
    if (!::GetDiskFreeSpaceA(path.c_str(), &sectors, &bytes, &freeClusters, &totalClusters)) {
        return failed();
    }
    geometry = {sectors, bytes, freeClusters, totalClusters};
    return true;
}

std::string Win32Platform::getPrivateProfileString(const std::string& section,
                                                   const std::string& key,
                                                   const std::string& defaultValue,
                                                   std::size_t bufferSize,
                                                   const std::string& file) {
    if (bufferSize == 0) {
        return {};
    }
    // Windows NT and Wine cut a value that does not fit at a character and fill the rest with NUL;
    // setup counts on bufferSize - 1 bytes of it. So a value that fills the buffer is read whole
    // and cut here.
    for (std::size_t size = bufferSize;; size *= 2) {
        std::string buffer(size, '\0');
        DWORD length =
            ::GetPrivateProfileStringA(section.c_str(), key.c_str(), defaultValue.c_str(),
                                       buffer.data(), static_cast<DWORD>(size), file.c_str());
        if (length + 1 < size || size > (std::size_t{1} << 30)) {
            buffer.resize(std::min<std::size_t>(length, bufferSize - 1));
            return buffer;
        }
    }
}

bool Win32Platform::writePrivateProfileString(const std::string& section, const std::string& key,
                                              const std::string& value, const std::string& file) {
    return ::WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(),
                                        file.c_str()) ||
           failed();
}

bool Win32Platform::flushPrivateProfile(const std::string& file) {
    // A write of nothing flushes the system's cache of the file and reports FALSE for it.
    ::WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.c_str());
    return true;
}

bool Win32Platform::deletePrivateProfileSection(const std::string& section,
                                                const std::string& file) {
    return ::WritePrivateProfileStringA(section.c_str(), nullptr, nullptr, file.c_str()) ||
           failed();
}
