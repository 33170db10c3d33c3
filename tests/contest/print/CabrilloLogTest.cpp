// Cabrillo 3.0: header and its options, QSO lines in UTC, frequencies and modes, QSOs refused or
// left out.
#include "print/CabrilloLog.h"

#include "common/Cp932.h"
#include "exchange/BandTable.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kBand19 = 0, kBand7 = 2, kBand18 = 5, kBand430 = 11, kOther = 15;

struct Qso {
    int recordNumber = 1;
    int band = kBand7;
    std::string freq = "7.0105"; // as the log holds it
    std::string date = "260613";
    std::string time = "2100J";
    std::string mode = "CW";
    std::string station = "JA1ABC";
    std::string sent = "599 10M";
    std::string received = "599 13H";
    std::uint8_t sentReport = 3, receivedReport = 3;
};

// Files the QSO as retrieval does: the list item carries the band label, the row goes to its band.
void add(CKorvaneDoc& doc, const Qso& q) {
    QsoItem item;
    item.recordNumber = q.recordNumber;
    QsoRecord::setText(item.record.qsoDate, q.date);
    QsoRecord::setText(item.record.qsoTime, q.time);
    QsoRecord::setText(item.record.freq, BandTable::listLabel(q.band));
    QsoRecord::setText(item.record.mode, q.mode);
    QsoRecord::setText(item.logFreq, q.freq);
    doc.qsoList.push_back(item);
    LogRow row;
    row.station = q.station;
    row.sent = q.sent;
    row.received = q.received;
    row.sentReportBytes = q.sentReport;
    row.receivedReportBytes = q.receivedReport;
    row.points = "1";
    doc.results.appendRow(q.band, row);
}

CKorvaneDoc contestDoc() {
    CKorvaneDoc doc;
    doc.contest.rules.logPoints = {.choice = 1, .fixedValue = 2};
    doc.contest.contestName = cp932::lit("テストコンテスト");
    doc.contest.categoryCode = "XMA";
    doc.master.callSign = "JA1ZZZ";
    doc.master.name = "Taro Nippon";
    doc.master.addr1 = "1-2-3 Chiyoda";
    doc.master.email = "ja1zzz@example.invalid";
    return doc;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        result.push_back(text.substr(start, end - start));
    }
    EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
    return result;
}

// The QSO lines, each checked to have Cabrillo's eleven fields.
std::vector<std::string> qsoLines(const std::string& text) {
    std::vector<std::string> result;
    for (const std::string& line : lines(text)) {
        if (line.rfind("QSO:", 0) == 0) {
            std::size_t fields = 0;
            for (std::size_t i = 0; i < line.size(); ++i) {
                fields += line[i] != ' ' && (i == 0 || line[i - 1] == ' ');
            }
            EXPECT_EQ(fields, 11u) << line;
            result.push_back(line);
        }
    }
    return result;
}

std::string warningText(const CabrilloLog::Result& result) {
    std::string text;
    for (const std::string& warning : result.warnings) {
        text += cp932::toUtf8(warning) + "\n";
    }
    return text;
}

} // namespace

TEST(CabrilloLog, JapanTimeToUtc) {
    using M = CabrilloLog::Moment;
    struct Row {
        const char* date;
        const char* time;
        std::optional<M> utc;
    } rows[] = {
        {"260613", "2100J", M{2026, 6, 13, 12, 0}},
        {"260613", "0900J", M{2026, 6, 13, 0, 0}},
        {"260614", "0859J", M{2026, 6, 13, 23, 59}},
        {"260701", "0030J", M{2026, 6, 30, 15, 30}},
        {"260101", "0000J", M{2025, 12, 31, 15, 0}},
        {"000101", "0500J", M{1999, 12, 31, 20, 0}},
        {"240301", "0100J", M{2024, 2, 29, 16, 0}},
        {"230301", "0100J", M{2023, 2, 28, 16, 0}},
        {"000301", "0100J", M{2000, 2, 29, 16, 0}},
        {"240229", "2359J", M{2024, 2, 29, 14, 59}},
        {"230229", "1200J", std::nullopt},
        {"261301", "1200J", std::nullopt},
        {"260600", "1200J", std::nullopt},
        {"260631", "1200J", std::nullopt},
        {"26061", "1200J", std::nullopt},
        {"26O613", "1200J", std::nullopt},
        {"260613", "2400J", std::nullopt},
        {"260613", "1260J", std::nullopt},
        {"260613", "12", std::nullopt},
        {"", "", std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(CabrilloLog::utcOf(row.date, row.time), row.utc) << row.date << " " << row.time;
    }
}

TEST(CabrilloLog, FrequenciesAndModes) {
    const std::vector<std::string> frequencies = {
        "1800",  "3500", "7000", "10100", "14000", "18068", "21000", "24890",
        "28000", "50",   "144",  "432",   "1.2G",  "2.3G",  "5.7G",  ""};
    for (int band = 0; band < BandTable::kBandCount; ++band) {
        EXPECT_EQ(CabrilloLog::frequency(band), frequencies[static_cast<std::size_t>(band)])
            << band;
    }
    EXPECT_EQ(CabrilloLog::frequency(16), "");
    EXPECT_EQ(CabrilloLog::frequency(-1), "");

    struct Frequency {
        const char* logFreq;
        int band;
        const char* field;
    } fields[] = {
        {"7.0105", kBand7, "7010"}, {" 14.0255 ", 4, "14025"}, {"1.9", kBand19, "1900"},
        {"", kBand7, "7000"},       {"abc", kBand7, "7000"},   {"0", kBand7, "7000"},
        {"5.357", kOther, "5357"},  {"10.24G", kOther, "10G"}, {"10250", kOther, "10G"},
        {"146.5", kOther, "144"},   {"40.0", kOther, ""},      {"", kOther, ""},
        {"1295.0", 12, "1.2G"},     {"1200", 12, "1.2G"},      {"433.00", kBand430, "432"},
        {"5600", 14, "5.7G"},       {"50.2", 9, "50"},         {"99999999", kOther, ""},
    };
    for (const Frequency& f : fields) {
        EXPECT_EQ(CabrilloLog::qsoFrequency(f.logFreq, f.band), f.field) << f.logFreq;
    }

    struct Row {
        const char* text;
        const char* mode;
    } rows[] = {{"CW", "CW"}, {"cw ", "CW"},  {"SSB", "PH"},  {"AM", "PH"},  {"USB", "PH"},
                {"FM", "FM"}, {"RTTY", "RY"}, {"SSTV", "DG"}, {"FT8", "DG"}, {"", "DG"}};
    for (const Row& row : rows) {
        EXPECT_EQ(CabrilloLog::mode(row.text), row.mode) << row.text;
    }
}

TEST(CabrilloLog, WholeLogInTimeOrder) {
    CKorvaneDoc doc = contestDoc();
    add(doc, {.recordNumber = 7,
              .band = kBand430,
              .freq = "433.00",
              .date = "260614",
              .time = "0830J",
              .mode = "FM"});
    add(doc, {.recordNumber = 3,
              .band = kBand7,
              .mode = "SSB",
              .station = "JA1ABC/1",
              .sent = "5910M",
              .received = "59 13 H",
              .sentReport = 2,
              .receivedReport = 2});
    add(doc, {.recordNumber = 9, .band = kBand19, .freq = "", .date = "270101", .time = "0005J"});
    const CabrilloLog::Result result =
        CabrilloLog::write(doc, {"ja-test", "single-op all mixed low"});
    ASSERT_TRUE(result.ok) << cp932::toUtf8(result.error);
    EXPECT_EQ(
        warningText(result),
        "Cabrillo: ログの周波数が読めないためバンドの周波数を書いたQSO: 1件 (レコード番号 9)\n");
    EXPECT_EQ(lines(result.text), (std::vector<std::string>{
                                      "START-OF-LOG: 3.0",
                                      "CONTEST: JA-TEST",
                                      "CALLSIGN: JA1ZZZ",
                                      "CATEGORY-OPERATOR: SINGLE-OP",
                                      "CATEGORY-BAND: ALL",
                                      "CATEGORY-MODE: MIXED",
                                      "CATEGORY-POWER: LOW",
                                      "SOAPBOX: JARL category code XMA",
                                      "CLAIMED-SCORE: 6",
                                      "OPERATORS: JA1ZZZ",
                                      "NAME: Taro Nippon",
                                      "ADDRESS: 1-2-3 Chiyoda",
                                      "EMAIL: ja1zzz@example.invalid",
                                      "CREATED-BY: korvane 1.80",
                                      "QSO: 7010 PH 2026-06-13 1200 JA1ZZZ 59 10M JA1ABC/1 59 13H",
                                      "QSO: 432 FM 2026-06-13 2330 JA1ZZZ 599 10M JA1ABC 599 13H",
                                      "QSO: 1800 CW 2026-12-31 1505 JA1ZZZ 599 10M JA1ABC 599 13H",
                                      "END-OF-LOG:",
                                  }));
    EXPECT_EQ(qsoLines(result.text).size(), 3u);
}

TEST(CabrilloLog, HeaderTextsOutsideAsciiAreLeftOut) {
    CKorvaneDoc doc = contestDoc();
    doc.contest.contestName = cp932::lit("サンプルコンテスト");
    doc.master.name = cp932::lit("日本 太郎");
    doc.master.addr2 = cp932::lit("ハイツ101");
    doc.master.callSign2 = "JA1YYY";
    doc.master.postId = "100-0001";
    add(doc, {.band = kBand18, .freq = "18.0805"});
    const CabrilloLog::Result result = CabrilloLog::write(doc, {});
    ASSERT_TRUE(result.ok);
    // The contest's own name is no Cabrillo contest name: without one the header has no CONTEST.
    EXPECT_EQ(warningText(result),
              "Cabrillo: コンテスト名 (CONTEST:) が指定されていません\n"
              "Cabrillo: カテゴリー (CATEGORY-) が指定されていません\n"
              "Cabrillo: ASCII以外の文字を含むため書いていない項目: NAME, ADDRESS\n");
    const std::vector<std::string> all = lines(result.text);
    ASSERT_EQ(all.size(), 11u);
    EXPECT_EQ(all[1], "CALLSIGN: JA1ZZZ");
    EXPECT_EQ(all[3], "CLAIMED-SCORE: 0") << "a QSO on 18 MHz hides the totals";
    EXPECT_EQ(all[4], "OPERATORS: JA1YYY");
    EXPECT_EQ(all[5], "ADDRESS: 1-2-3 Chiyoda");
    EXPECT_EQ(all[6], "ADDRESS-POSTALCODE: 100-0001");
    EXPECT_EQ(all[9], "QSO: 18080 CW 2026-06-13 1200 JA1ZZZ 599 10M JA1ABC 599 13H");
}

TEST(CabrilloLog, RefusedQsos) {
    struct Row {
        const char* what;
        Qso qso;
        std::string reason;
    } rows[] = {
        {"double-byte exchange",
         {.recordNumber = 1234, .received = cp932::lit("599 東京")},
         cp932::lit("ASCII以外")},
        {"half-width kana call",
         {.recordNumber = 1234, .station = "JA1\xB1"},
         cp932::lit("ASCII以外")},
        {"unreadable date", {.recordNumber = 1234, .date = "26--13"}, cp932::lit("日付か時刻")},
        {"empty sent number",
         {.recordNumber = 1234, .sent = "599 "},
         cp932::lit("送信ナンバーが空です")},
        {"empty received report",
         {.recordNumber = 1234, .received = "13H", .receivedReport = 0},
         cp932::lit("受信RSTが空です")},
        {"blank inside the call",
         {.recordNumber = 1234, .station = "JA1 ABC"},
         cp932::lit("11項目になりません")},
    };
    for (const Row& row : rows) {
        CKorvaneDoc doc = contestDoc();
        add(doc, {.recordNumber = 5});
        add(doc, row.qso);
        const CabrilloLog::Result result = CabrilloLog::write(doc, {});
        EXPECT_FALSE(result.ok) << row.what;
        EXPECT_TRUE(result.text.empty()) << row.what;
        EXPECT_NE(result.error.find(cp932::lit("レコード番号 1234 ")), std::string::npos)
            << row.what << ": " << cp932::toUtf8(result.error);
        EXPECT_NE(result.error.find(row.reason), std::string::npos) << row.what;
    }
}

TEST(CabrilloLog, QsosOutsideTheBandTableOrWithoutModeAreWrittenOrLeftOut) {
    CKorvaneDoc doc = contestDoc();
    add(doc, {.recordNumber = 1, .band = kOther, .freq = "5.357"});
    add(doc, {.recordNumber = 2, .band = kOther, .freq = "10.24G", .time = "2101J"});
    add(doc, {.recordNumber = 3, .band = kOther, .freq = "", .time = "2102J"});
    add(doc, {.recordNumber = 4, .band = kOther, .freq = "40.1", .time = "2103J"});
    add(doc, {.recordNumber = 5, .freq = "7.1", .time = "2104J", .mode = ""});
    const CabrilloLog::Result result = CabrilloLog::write(doc, {"JA-TEST", "SINGLE-OP ALL CW LOW"});
    ASSERT_TRUE(result.ok) << cp932::toUtf8(result.error);
    EXPECT_EQ(qsoLines(result.text),
              (std::vector<std::string>{
                  "QSO: 5357 CW 2026-06-13 1200 JA1ZZZ 599 10M JA1ABC 599 13H",
                  "QSO: 10G CW 2026-06-13 1201 JA1ZZZ 599 10M JA1ABC 599 13H",
                  "QSO: 7100 DG 2026-06-13 1204 JA1ZZZ 599 10M JA1ABC 599 13H",
              }));
    EXPECT_EQ(warningText(result),
              "Cabrillo: モードが空のため DG と書いたQSO: 1件 (レコード番号 5)\n"
              "Cabrillo: 周波数が分からず書いていないQSO: 2件 (レコード番号 3, 4)\n");
}

TEST(CabrilloLog, ContestAndCategoryAreChecked) {
    struct Row {
        std::string contest, category;
        std::string problem; // part of the error, "" when the options are fine
    } rows[] = {
        {"", "", ""},
        {"JARL-ALLJA", "SINGLE-OP ALL CW LOW", ""},
        {" cq-ww-cw ", "multi-op 2m fm qrp", ""},
        {"ARRL-VHF-JUN", "CHECKLOG VHF-FM-ONLY DIGI HIGH", ""},
        {"ALL JA", "", "A-Z, 0-9, -"},
        {std::string(33, 'A'), "", "32"},
        {cp932::lit("全日本"), "", "A-Z"},
        {"", "SINGLE-OP ALL CW", "4語"},
        {"", "SINGLE-OP ALL CW LOW FIXED", "4語"},
        {"", "SINGLE ALL CW LOW", "CATEGORY-OPERATOR に使えない値です: SINGLE"},
        {"", "SINGLE-OP 40 CW LOW", "CATEGORY-BAND に使えない値です: 40"},
        {"", "SINGLE-OP ALL PH LOW", "CATEGORY-MODE に使えない値です: PH"},
        {"", "SINGLE-OP ALL CW 100W", "CATEGORY-POWER に使えない値です: 100W"},
    };
    CKorvaneDoc doc = contestDoc();
    add(doc, {});
    for (const Row& row : rows) {
        const std::string problem =
            CabrilloLog::contestProblem(row.contest) + CabrilloLog::categoryProblem(row.category);
        const CabrilloLog::Result result = CabrilloLog::write(doc, {row.contest, row.category});
        if (row.problem.empty()) {
            EXPECT_EQ(problem, "") << row.contest << "/" << row.category;
            EXPECT_TRUE(result.ok) << row.contest << "/" << row.category;
        } else {
            EXPECT_NE(problem.find(cp932::lit(row.problem)), std::string::npos)
                << row.contest << "/" << row.category << ": " << cp932::toUtf8(problem);
            EXPECT_EQ(result.error, problem);
        }
    }
    EXPECT_EQ(CabrilloLog::categoryLines("multi-op light digi high"),
              (std::vector<std::pair<std::string_view, std::string_view>>{
                  {"CATEGORY-OPERATOR", "MULTI-OP"},
                  {"CATEGORY-BAND", "Light"},
                  {"CATEGORY-MODE", "DIGI"},
                  {"CATEGORY-POWER", "HIGH"}}));
}
