// UTF-8 text in log fields: telling it from Shift-JIS, and converting it to CP932.
#pragma once

#include <string>
#include <string_view>

class Utf8Text {
public:
    static bool isAscii(std::string_view text);

    // Well-formed UTF-8: no overlong forms, surrogates or values beyond U+10FFFF, no cut sequence.
    static bool isWellFormed(std::string_view text);

    // UTF-8 text converted to CP932 into out; true when some character has no CP932 form and was
    // written as '?'.
    static bool toCp932(std::string_view text, std::string& out);
};
