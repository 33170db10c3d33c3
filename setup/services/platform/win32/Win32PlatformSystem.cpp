// Windows libraries and system: LZ expansion, version information, library loading, error texts
// and the single-instance mutex.
#include "services/platform/win32/Win32Platform.h"

#include <algorithm>
#include <cstring>

// The system headers build on the types of windows.h, which comes first.
// clang-format off
#include <windows.h>
#include <lzexpand.h>
// clang-format on

namespace {

class NamedMutex : public Platform::InstanceLock {
public:
    explicit NamedMutex(HANDLE handle) : handle_(handle) {}
    ~NamedMutex() override { ::CloseHandle(handle_); }
    NamedMutex(const NamedMutex&) = delete;
    NamedMutex& operator=(const NamedMutex&) = delete;

private:
    HANDLE handle_;
};

// The LZ functions report failures as negative LZERROR values rather than through GetLastError.
std::uint32_t lzError(INT result) {
    switch (result) {
    case LZERROR_BADINHANDLE:
    case LZERROR_READ:
        return ERROR_READ_FAULT;
    case LZERROR_BADOUTHANDLE:
    case LZERROR_WRITE:
        return ERROR_WRITE_FAULT;
    case LZERROR_GLOBALLOC:
    case LZERROR_GLOBLOCK:
        return ERROR_NOT_ENOUGH_MEMORY;
    default:
        return ERROR_INVALID_DATA;
    }
}

} // namespace

bool Win32Platform::getExpandedName(const std::string& source, std::string& expandedName) {
    std::string name = source;
    name.resize(std::max<std::size_t>(name.size() + 1, MAX_PATH), '\0');
    INT result = ::GetExpandedNameA(const_cast<char*>(source.c_str()), name.data());
    if (result != TRUE) {
        return fail(lzError(result));
    }
    name.resize(std::strlen(name.c_str()));
    expandedName = name;
    return true;
}

bool Win32Platform::lzExpand(const std::string& source, const std::string& destination) {
    OFSTRUCT sourceInfo{}, destinationInfo{};
    INT in = ::LZOpenFileA(const_cast<char*>(source.c_str()), &sourceInfo,
                           OF_READ | OF_SHARE_DENY_WRITE);
    if (in < 0) {
        return fail(sourceInfo.nErrCode ? sourceInfo.nErrCode : lzError(in));
    }
    INT out = ::LZOpenFileA(const_cast<char*>(destination.c_str()), &destinationInfo, OF_CREATE);
    if (out < 0) {
        ::LZClose(in);
        return fail(destinationInfo.nErrCode ? destinationInfo.nErrCode : lzError(out));
    }
    LONG copied = ::LZCopy(in, out);
    ::LZClose(in);
    ::LZClose(out);
    return copied >= 0 || fail(lzError(copied));
}

bool Win32Platform::getFileVersionInfo(const std::string& path, std::string& block) {
    DWORD handle = 0;
    DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &handle);
    if (size == 0) {
        return failed();
    }
    std::string data(size, '\0');
    if (!::GetFileVersionInfoA(path.c_str(), 0, size, data.data())) {
        return failed();
    }
    block = std::move(data);
    return true;
}

bool Win32Platform::verQueryString(const std::string& block, const std::string& subBlock,
                                   std::string& value) {
    // VerQueryValueA writes its ANSI copies of the strings into the block: it gets one of its own.
    std::string copy = block;
    char* text = nullptr;
    UINT length = 0;
    if (!::VerQueryValueA(copy.data(), subBlock.c_str(), reinterpret_cast<void**>(&text),
                          &length) ||
        text == nullptr) {
        return fail(ERROR_RESOURCE_TYPE_NOT_FOUND);
    }
    value.assign(text, strnlen(text, length));
    return true;
}

std::unique_ptr<DynamicLibrary> Win32Platform::loadLibrary(const std::string& path) {
    auto library = DynamicLibrary::load(path);
    if (!library) {
        failed();
    }
    return library;
}

std::string Win32Platform::formatMessage(std::uint32_t code) {
    char buffer[1024];
    DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                    nullptr, code, 0, buffer, sizeof buffer, nullptr);
    return std::string(buffer, length);
}

std::unique_ptr<Platform::InstanceLock>
Win32Platform::acquireInstanceLock(const std::string& name) {
    HANDLE mutex = ::CreateMutexA(nullptr, FALSE, name.c_str());
    if (!mutex) {
        failed();
        return nullptr;
    }
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(mutex);
        fail(ERROR_ALREADY_EXISTS);
        return nullptr;
    }
    return std::make_unique<NamedMutex>(mutex);
}
