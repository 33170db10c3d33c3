// Windows paths of the emulated machine and the host paths they stand for: C: is <root>/drive_c,
// Z: is the host's "/", components are CP932 outside and UTF-8 on the host, and names resolve
// without regard to ASCII case.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
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

    // The host path of an absolute Windows path. Each component that exists on the host under any
    // ASCII case is spelled as it is there; the others are converted as they are.
    std::optional<std::string> toHost(const WindowsPath& path, std::uint32_t& error) const;

    // The Windows path of a host path (absolute, or relative to the host's current folder).
    std::string toWindows(const std::string& hostPath) const;

private:
    std::string root_;
    std::string driveC_;
};
