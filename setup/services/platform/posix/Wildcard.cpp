// Wildcard matching over CP932 characters with backtracking on the last "*".
#include "services/platform/posix/Wildcard.h"

#include "common/Cp932.h"

#include <vector>

namespace wildcard {
namespace {

std::vector<std::string_view> characters(std::string_view text) {
    std::vector<std::string_view> out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n =
            cp932::isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
        out.push_back(text.substr(i, n));
        i += n;
    }
    return out;
}

bool sameCharacter(std::string_view a, std::string_view b) {
    return cp932::equalsNoCase(a, b);
}

bool matchCharacters(const std::vector<std::string_view>& p,
                     const std::vector<std::string_view>& n) {
    std::size_t pi = 0, ni = 0;
    std::size_t starAt = std::string_view::npos, resumeAt = 0;
    while (ni < n.size()) {
        if (pi < p.size() && p[pi] == "*") {
            starAt = pi++;
            resumeAt = ni;
        } else if (pi < p.size() && (p[pi] == "?" || sameCharacter(p[pi], n[ni]))) {
            ++pi;
            ++ni;
        } else if (starAt != std::string_view::npos) {
            pi = starAt + 1;
            ni = ++resumeAt;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == "*") {
        ++pi;
    }
    return pi == p.size();
}

} // namespace

bool hasWildcard(std::string_view name) {
    // Neither byte can be the trail byte of a double-byte character.
    return name.find_first_of("*?") != std::string_view::npos;
}

bool matches(std::string_view pattern, std::string_view name) {
    if (matchCharacters(characters(pattern), characters(name))) {
        return true;
    }
    if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" &&
        name.find('.') == std::string_view::npos) {
        return matchCharacters(characters(pattern.substr(0, pattern.size() - 2)), characters(name));
    }
    return false;
}

} // namespace wildcard
