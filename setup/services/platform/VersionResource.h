// Version resources of Windows program files: finding the VS_VERSIONINFO block in a PE file,
// building one, and looking a string up in it as VerQueryValue does.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class VersionResource {
public:
    // The version block of the first RT_VERSION resource of a PE (32- or 64-bit) file; empty when
    // the bytes are no PE file or carry no version resource.
    static std::string extractFromPe(std::string_view fileBytes);

    // A version block whose fixed part holds the numbers of fileVersion ("a.b.c.d") and whose one
    // string table, named by translation (for example "041103a4"), holds the given CP932 strings.
    static std::string build(const std::string& fileVersion, const std::string& translation,
                             const std::vector<std::pair<std::string, std::string>>& strings);

    // The string at a path such as "\StringFileInfo\041103a4\FileVersion" (names compared without
    // regard to case), as CP932; nothing when the path leads nowhere.
    static std::optional<std::string> queryString(std::string_view block,
                                                  std::string_view subBlock);
};
