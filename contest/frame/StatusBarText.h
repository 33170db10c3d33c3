// Texts of the main window's status bar panes: the QSO count and the running clock.
#pragma once

#include <ctime>
#include <string>

class StatusBarText {
public:
    // "表示件数：    0件", shown before any count was posted (CP932).
    static const std::string& initialCount();

    // "表示件数：%4d件" with the number of listed QSOs (CP932).
    static std::string count(int rows);

    // The clock pane before the first tick: 31 blanks.
    static const std::string& initialClock();

    // "YYYY/MM/DD(曜) hh:mm:ss" of a broken-down local time (CP932); the weekday is the character
    // of "日月火水木金土" at tm_wday.
    static std::string clock(const std::tm& local);
};
