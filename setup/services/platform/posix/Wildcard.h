// File name wildcards as Windows matches them: "*" any run of characters, "?" one character, ASCII
// letters without regard to case, double-byte characters as single characters.
#pragma once

#include <string_view>

namespace wildcard {

// True when a name (CP932) contains "*" or "?".
bool hasWildcard(std::string_view name);

// True when the CP932 name matches the pattern. A pattern ending in ".*" also matches the name
// without an extension, so "*.*" matches every name.
bool matches(std::string_view pattern, std::string_view name);

} // namespace wildcard
