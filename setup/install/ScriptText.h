// Small text helpers shared by the setup script's entry types: the cut at the first separator and
// the numbers of the script.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// A value cut at the first occurrence of a separator (found as MbcsPosText finds it): the text
// before it and the text after it; without the separator the whole text is the head.
struct ScriptCut {
    std::string_view head;
    std::string_view tail;
    bool found = false;
};
ScriptCut CutAtFirst(std::string_view text, std::string_view separator);

// True when text is the token, without regard to case (as MbcsPosText compares).
bool IsToken(std::string_view text, std::string_view token);

// A signed 32-bit decimal number, or hexadecimal after "$" (a sign may come first); nothing when
// the text is not such a number or does not fit. Hexadecimal takes the full 32 bits.
std::optional<std::int32_t> ParseScriptNumber(std::string_view text);
