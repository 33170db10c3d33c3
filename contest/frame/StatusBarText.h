// Texts of the main window's status bar panes: the QSO count with what the last retrieval left out,
// and the running clock. The command line prints the same retrieval texts.
#pragma once

#include "document/CKorvaneDoc.h"

#include <ctime>
#include <string>

class StatusBarText {
public:
    // "表示件数：    0件", shown before any count was posted (CP932).
    static const std::string& initialCount();

    // "表示件数：%4d件" with the number of listed QSOs (CP932).
    static std::string count(int rows);

    // One line on what the last retrieval left out or found cut, naming only the counts that are
    // not 0 (CP932), as "読んだ120件中20件を除外（期間外 15件、同一バンド重複 5件）、
    // 欄の切り詰め 3件". Empty when every record read was kept whole (or the library does not count
    // cut fields).
    static std::string retrievalSummary(const CKorvaneDoc& doc);

    // Every count of the last retrieval, one per line, for the count pane's tool tip (CP932).
    static std::string retrievalDetails(const CKorvaneDoc& doc);

    // "0 件のQSOを読みました", said with the log file's name when a log yields no record (CP932).
    static const std::string& nothingRead();

    // The clock pane before the first tick: 31 blanks.
    static const std::string& initialClock();

    // "YYYY/MM/DD(曜) hh:mm:ss" of a broken-down local time (CP932); the weekday is the character
    // of "日月火水木金土" at tm_wday.
    static std::string clock(const std::tm& local);
};
