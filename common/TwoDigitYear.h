// The one reading of a two-digit year that the log library, the list, the sheets and the exports
// share: 00-79 are 2000-2079, 80-99 are 1980-1999.
#pragma once

#include <string_view>

class TwoDigitYear {
public:
    static constexpr int kPivot = 80;

    // The full year of yy (0..99).
    static constexpr int fullYear(int yy) { return yy < kPivot ? 2000 + yy : 1900 + yy; }

    // The full year of a text that starts with two digits (a record date YYMMDD, "yy/mm/dd"); -1
    // when it does not.
    static constexpr int fullYear(std::string_view text) {
        if (text.size() < 2 || !isDigit(text[0]) || !isDigit(text[1])) {
            return -1;
        }
        return fullYear((text[0] - '0') * 10 + (text[1] - '0'));
    }

private:
    static constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }
};
