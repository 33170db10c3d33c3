// Run-time loading of shared libraries (dlopen, or LoadLibrary on Windows), searching the
// program's folder first.
#include "common/DynamicLibrary.h"

#include "common/ProgramPath.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

#ifdef _WIN32
constexpr const char* kSeparators = "\\/:";

void* open(const std::string& path) {
    // A library named with its folder finds its own dependencies beside it first.
    return ::LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

std::string lastLoadError(const std::string& fileName) {
    // The caller's GetLastError is left as the failed load set it.
    const DWORD code = ::GetLastError();
    std::string text = fileName + ": error " + std::to_string(code);
    ::SetLastError(code);
    return text;
}
#else
constexpr const char* kSeparators = "/";

void* open(const std::string& path) {
    return ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}

std::string lastLoadError(const std::string& fileName) {
    const char* why = ::dlerror();
    return why ? why : fileName;
}
#endif

} // namespace

std::unique_ptr<DynamicLibrary> DynamicLibrary::load(const std::string& fileName,
                                                     std::string* error) {
    void* handle = nullptr;
    if (fileName.find_first_of(kSeparators) != std::string::npos) {
        handle = open(fileName);
    } else {
        handle = open(program_path::folder() + program_path::kSeparator + fileName);
        if (!handle) {
            handle = open(fileName);
        }
    }
    if (!handle) {
        if (error) {
            *error = lastLoadError(fileName);
        }
        return nullptr;
    }
    return std::unique_ptr<DynamicLibrary>(new DynamicLibrary(handle));
}

DynamicLibrary::~DynamicLibrary() {
#ifdef _WIN32
    ::FreeLibrary(static_cast<HMODULE>(handle_));
#else
    ::dlclose(handle_);
#endif
}

void* DynamicLibrary::symbol(const char* name) const {
#ifdef _WIN32
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(handle_), name));
#else
    return ::dlsym(handle_, name);
#endif
}
