// A shared library loaded at run time by file name, with export lookup and release.
#pragma once

#include <memory>
#include <string>

class DynamicLibrary {
public:
    // Loads fileName from the program's own folder first, then by the platform's search. A name
    // with a folder part is loaded from there only. Returns null and sets error when it cannot be
    // loaded.
    static std::unique_ptr<DynamicLibrary> load(const std::string& fileName,
                                                std::string* error = nullptr);

    ~DynamicLibrary();
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;

    // The address of an export, or null when the library has none of that name.
    void* symbol(const char* name) const;

    template <typename Fn>
    Fn function(const char* name) const {
        return reinterpret_cast<Fn>(symbol(name));
    }

private:
    explicit DynamicLibrary(void* handle) : handle_(handle) {}
    void* handle_;
};
