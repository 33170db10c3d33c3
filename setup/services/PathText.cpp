// Delimiter tests walk the text from its start, so a trail byte 0x5C is never taken for "\".
#include "services/PathText.h"

#include "common/Cp932.h"

namespace {

// Where the folder part of a path ends: after its last "\" or after "X:"; 0 when it has none.
std::size_t folderPartLength(std::string_view path) {
    std::size_t cut = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        auto c = static_cast<unsigned char>(path[i]);
        if (cp932::isLeadByte(c)) {
            ++i;
        } else if (c == '\\' || (c == ':' && i == 1)) {
            cut = i + 1;
        }
    }
    return cut;
}

} // namespace

bool EndsWithBackslash(std::string_view text) {
    std::size_t last = text.size();
    for (std::size_t i = 0; i < text.size();) {
        last = i;
        i += cp932::isLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    }
    return last + 1 == text.size() && text[last] == '\\';
}

std::string AddBackslash(std::string_view path, std::string_view position) {
    std::string out(path);
    if (position.substr(0, 1) == "T" && (out.empty() || out.front() != '\\')) {
        out.insert(out.begin(), '\\');
    } else if (position.substr(0, 1) == "B" && !EndsWithBackslash(out)) {
        out.push_back('\\');
    }
    return out;
}

std::string RemoveBackslash(std::string_view path, std::string_view position) {
    std::string out(path);
    if (position.substr(0, 1) == "T" && !out.empty() && out.front() == '\\') {
        out.erase(0, 1);
    } else if (position.substr(0, 1) == "B" && EndsWithBackslash(out)) {
        out.pop_back();
    }
    return out;
}

std::string ExtractFilePath(std::string_view path) {
    return std::string(path.substr(0, folderPartLength(path)));
}

std::string ExtractFileName(std::string_view path) {
    return std::string(path.substr(folderPartLength(path)));
}
