// Windows paths of the emulated machine and the host paths they stand for: C: is <root>/drive_c,
// Z: is the host's "/", components are CP932 outside and UTF-8 on the host, and names resolve
// without regard to ASCII case.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class PathMapper {
public:
    // An absolute Windows path: an upper-case drive letter and its components (CP932).
    struct WindowsPath {
        char drive = 'C';
        std::vector<std::string> components;

        // "C:\A\B", or "C:\" for the drive root.
        std::string text() const;
        bool operator==(const WindowsPath&) const = default;
    };

    explicit PathMapper(const std::string& hostRoot);

    const std::string& root() const { return root_; }

    // Makes a Windows path absolute against the current directory, with "/" read as "\", "." and
    // ".." resolved and trailing dots and blanks of names dropped, as Windows does. Sets error (3
    // path not found, 123 bad name) and returns nothing for paths that cannot be made absolute.
    static std::optional<WindowsPath> absolute(std::string_view path, const WindowsPath& current,
                                               std::uint32_t& error);

    // What the mapping learnt of the host path it returned, so that callers need not look again.
    struct Found {
        bool looked = false; // exists and st are known
        bool exists = false;
        struct stat st {}; // lstat of the path when it exists
    };

    // The host path of an absolute Windows path. Each component that exists on the host under any
    // ASCII case is spelled as it is there; the others are converted as they are.
    std::optional<std::string> toHost(const WindowsPath& path, std::uint32_t& error,
                                      Found* found = nullptr) const;

    // A host path or name with its ASCII letters in upper case, as names are compared.
    static std::string fold(std::string_view utf8);

    // Whether the host folder exists (the host's "/" for an empty path).
    bool folderExists(const std::string& hostFolder) const;
    // Whether the folder is known to exist without looking: only while held.
    bool knownFolder(const std::string& hostFolder) const {
        return held_ && folders_.count(hostFolder) != 0;
    }

    // While held, the names of each folder looked into and the folders known to exist are kept, so
    // that many files in one folder cost one listing. The holder promises that meanwhile names
    // change only through it, and tells of each change; releasing forgets everything.
    void hold(bool held);
    void added(const std::string& hostPath);
    void removed(const std::string& hostPath);

    // The Windows path of a host path (absolute, or relative to the host's current folder).
    std::string toWindows(const std::string& hostPath) const;

private:
    // The spelling of an existing entry of folder that equals name without regard to ASCII case.
    std::optional<std::string> findEntry(const std::string& folder, const std::string& name) const;

    std::string root_;
    std::string driveC_;
    bool held_ = false;
    // Per host folder: each name folded to upper case and its smallest spelling there.
    mutable std::unordered_map<std::string, std::unordered_map<std::string, std::string>> names_;
    mutable std::unordered_set<std::string> folders_;
};
