// Cuts and numbers of setup script values.
#include "install/ScriptText.h"

#include "services/MbcsText.h"

#include <cstdint>

ScriptCut CutAtFirst(std::string_view text, std::string_view separator) {
    int at = MbcsPosText(separator, text);
    if (at == 0) {
        return {text, {}, false};
    }
    std::size_t head = static_cast<std::size_t>(at) - 1;
    return {text.substr(0, head), text.substr(head + separator.size()), true};
}

bool IsToken(std::string_view text, std::string_view token) {
    return text.size() == token.size() && MbcsPosText(token, text) == 1;
}

std::optional<std::int32_t> ParseScriptNumber(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const bool hex = !text.empty() && text.front() == '$';
    if (hex) {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    const std::uint64_t base = hex ? 16 : 10;
    const std::uint64_t limit = hex ? 0xFFFFFFFFu : (negative ? 0x80000000u : 0x7FFFFFFFu);
    std::uint64_t magnitude = 0;
    for (char c : text) {
        int digit = -1;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (hex && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (hex && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        }
        if (digit < 0) {
            return std::nullopt;
        }
        magnitude = magnitude * base + static_cast<std::uint64_t>(digit);
        if (magnitude > limit) {
            return std::nullopt;
        }
    }
    auto bits = static_cast<std::uint32_t>(negative ? 0 - magnitude : magnitude);
    return static_cast<std::int32_t>(bits);
}
