// Formatting the count and clock panes.
#include "frame/StatusBarText.h"

#include "common/Cp932.h"

#include <array>
#include <cstdio>

const std::string& StatusBarText::initialCount() {
    return cp932::lit("表示件数：    0件");
}

std::string StatusBarText::count(int rows) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%4d", rows);
    return cp932::lit("表示件数：") + digits + cp932::lit("件");
}

namespace {

// The filters in their order, with the count each skipped.
struct SkipCount {
    const char* label; // UTF-8
    int count;
};

std::array<SkipCount, 5> skipCounts(const CKorvaneDoc::Skipped& s) {
    return {{{"JST以外", s.zone},
             {"期間外", s.period},
             {"バンド外", s.band},
             {"モード外", s.mode},
             {"同一バンド重複", s.repeat}}};
}

// "n件" (UTF-8).
std::string records(int n) {
    return std::to_string(n) + "件";
}

} // namespace

std::string StatusBarText::retrievalSummary(const CKorvaneDoc& doc) {
    std::string line;
    if (doc.skipped.total() > 0) {
        line =
            "読んだ" + records(doc.recordsRead) + "中" + records(doc.skipped.total()) + "を除外（";
        const char* separator = "";
        for (const SkipCount& s : skipCounts(doc.skipped)) {
            if (s.count > 0) {
                line += separator + std::string(s.label) + " " + records(s.count);
                separator = "、";
            }
        }
        line += "）";
    }
    if (doc.cutRecords > 0) {
        line += (line.empty() ? "" : "、") + std::string("欄の切り詰め ") + records(doc.cutRecords);
    }
    return cp932::fromUtf8(line);
}

std::string StatusBarText::retrievalDetails(const CKorvaneDoc& doc) {
    std::string text = "読み込み " + records(doc.recordsRead) + "\n表示 " +
                       records(static_cast<int>(doc.qsoList.size())) + "\n除外 " +
                       records(doc.skipped.total());
    for (const SkipCount& s : skipCounts(doc.skipped)) {
        text += "\n　" + std::string(s.label) + " " + records(s.count);
    }
    text +=
        "\n欄の切り詰め " + (doc.cutRecords < 0 ? std::string("不明（HAMLOG32.DLLが数えません）")
                                                : records(doc.cutRecords));
    return cp932::fromUtf8(text);
}

const std::string& StatusBarText::nothingRead() {
    return cp932::lit("0 件のQSOを読みました");
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
