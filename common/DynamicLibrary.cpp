// Run-time loading of shared libraries with dlopen, searching the program's folder first.
#include "common/DynamicLibrary.h"

#include "common/ProgramPath.h"

#include <dlfcn.h>

std::unique_ptr<DynamicLibrary> DynamicLibrary::load(const std::string& fileName,
                                                     std::string* error) {
    void* handle = nullptr;
    if (fileName.find('/') != std::string::npos) {
        handle = ::dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
    } else {
        std::string besideProgram = program_path::folder() + "/" + fileName;
        handle = ::dlopen(besideProgram.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            handle = ::dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
        }
    }
    if (!handle) {
        if (error) {
            const char* why = ::dlerror();
            *error = why ? why : fileName;
        }
        return nullptr;
    }
    return std::unique_ptr<DynamicLibrary>(new DynamicLibrary(handle));
}

DynamicLibrary::~DynamicLibrary() {
    ::dlclose(handle_);
}

void* DynamicLibrary::symbol(const char* name) const {
    return ::dlsym(handle_, name);
}
