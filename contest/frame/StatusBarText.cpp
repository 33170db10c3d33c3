// Formatting the count and clock panes.
#include "frame/StatusBarText.h"

#include "common/Cp932.h"

#include <cstdio>

const std::string& StatusBarText::initialCount() {
    return cp932::lit("表示件数：    0件");
}

std::string StatusBarText::count(int rows) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%4d", rows);
    return cp932::lit("表示件数：") + digits + cp932::lit("件");
}

const std::string& StatusBarText::initialClock() {
    static const std::string blanks(31, ' ');
    return blanks;
}

std::string StatusBarText::clock(const std::tm& t) {
    // Each weekday is one double-byte character of this CP932 text.
    const std::string& days = cp932::lit("日月火水木金土");
    const int wday = t.tm_wday >= 0 && t.tm_wday < 7 ? t.tm_wday : 0;
    const std::string day = days.substr(static_cast<std::size_t>(wday) * 2, 2);
    char text[64];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d(%s) %02d:%02d:%02d", t.tm_year + 1900,
                  t.tm_mon + 1, t.tm_mday, day.c_str(), t.tm_hour, t.tm_min, t.tm_sec);
    return text;
}
