// UTF-8 text in log fields: telling it from Shift-JIS, and converting it to CP932.
#pragma once

#include <string>
#include <string_view>

class Utf8Text {
public:
    // Inline, as are the few lines of asCp932 before it converts: they run for every field.
    static bool isAscii(std::string_view text) {
        for (char c : text) {
            if (static_cast<unsigned char>(c) >= 0x80) {
                return false;
            }
        }
        return true;
    }

    // Well-formed UTF-8: no overlong forms, surrogates or values beyond U+10FFFF, no cut sequence.
    static bool isWellFormed(std::string_view text);

    // UTF-8 text converted to CP932 into out; true when some character has no CP932 form and was
    // written as '?'.
    static bool toCp932(std::string_view text, std::string& out);

    // A log field in CP932: well-formed UTF-8 with bytes beyond ASCII is converted into buffer
    // (replaced set when a character had no CP932 form), any other text is taken as it stands.
    static std::string_view asCp932(std::string_view text, std::string& buffer, bool& replaced) {
        replaced = false;
        if (isAscii(text) || !isWellFormed(text)) {
            return text;
        }
        replaced = toCp932(text, buffer);
        return buffer;
    }
};
