// Writes examples/sample-contest.con, the contest settings for the sample logs, with the program's
// own contest-file writer.
#include "common/Cp932.h"
#include "document/ContestFile.h"

#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_sample_contest OUT.con\n";
        return 2;
    }
    using cp932::lit;
    ContestSettings c;
    c.contestName = lit("サンプルＱＳＯパーティ・コンテスト２０２６");
    c.categoryName = lit("電信電話部門 シングルオペ オールバンド");
    c.categoryCode = "XMA";
    c.opinionText =
        lit("初めて全バンドで参加しました。\r\n１４ＭＨｚのコンディションが良好でした。");

    c.startYear = 2026, c.startMonth = 6, c.startDay = 13, c.startHour = 21, c.startMinute = 0;
    c.endYear = 2026, c.endMonth = 6, c.endDay = 14, c.endHour = 20, c.endMinute = 59;
    // The bands of the contest: 1.9 to 1200 MHz without 10, 18 and 24 MHz.
    c.selectBands = 1;
    for (int band : {0, 1, 2, 4, 6, 8, 9, 10, 11, 12}) {
        c.bandEnabled[band] = 1;
    }
    c.excludeSameBandDupes = 1;

    ExchangeRules& r = c.rules;
    // Sent: the RST sent, a blank and our number (prefecture 10 and power code M); received: the
    // RST received, a blank and their prefecture number. The blanks make the sheets read as JARL
    // entrants write the exchange ("599 10M").
    r.sendNo[0] = {.choice = 1, .qsoField = 0};
    r.sendNo[1] = {.choice = 1, .fixedText = " 10M"};
    r.recvNo[0] = {.choice = 1, .qsoField = 0};
    r.recvNo[1] = {.choice = 1, .fixedText = " "};
    r.recvNo[2] = {.choice = 3, .qsoField = 8};
    // Multipliers: prefecture numbers, counted per band and marked on their first QSO.
    r.summaryMulti = {.choice = 2, .qsoField = 8};
    r.logMulti = {.choice = 2, .qsoField = 8};
    r.logPoints = {.choice = 1, .fixedValue = 1};

    ContestFile::SaveResult saved = ContestFile::saveFile(argv[1], c);
    if (!saved.ok) {
        std::cerr << cp932::toUtf8(saved.message) << "\n";
        return 1;
    }
    return 0;
}
