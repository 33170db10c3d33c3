// Checking UTF-8 byte by byte; conversion through common/Cp932.
#include "hamlog32/Utf8Text.h"

#include "common/Cp932.h"

#include <algorithm>

bool Utf8Text::isWellFormed(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        std::size_t follow;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (c < 0x80) {
            follow = 0;
        } else if (c >= 0xC2 && c <= 0xDF) {
            follow = 1;
        } else if (c >= 0xE0 && c <= 0xEF) {
            follow = 2;
            low = c == 0xE0 ? 0xA0 : 0x80;
            high = c == 0xED ? 0x9F : 0xBF;
        } else if (c >= 0xF0 && c <= 0xF4) {
            follow = 3;
            low = c == 0xF0 ? 0x90 : 0x80;
            high = c == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (text.size() - i <= follow) {
            return false;
        }
        for (std::size_t k = 1; k <= follow; ++k) {
            unsigned char t = static_cast<unsigned char>(text[i + k]);
            if (t < (k == 1 ? low : 0x80) || t > (k == 1 ? high : 0xBF)) {
                return false;
            }
        }
        i += follow + 1;
    }
    return true;
}

bool Utf8Text::toCp932(std::string_view text, std::string& out) {
    out = cp932::fromUtf8(text);
    // A '?' that the text did not hold stands for a character without a CP932 form.
    return std::count(out.begin(), out.end(), '?') > std::count(text.begin(), text.end(), '?');
}
