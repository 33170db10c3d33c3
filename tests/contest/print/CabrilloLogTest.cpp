// Cabrillo 3.0: header, QSO lines in UTC, frequencies and modes, refused QSOs.
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
    std::string date = "260613";
    std::string time = "2100J";
    std::string mode = "CW";
    std::string station = "JA1ABC";
    std::string sent = "599 10M";
    std::string received = "599 13H";
};

// Files the QSO as retrieval does: the list item carries the band label, the row goes to its band.
void add(CKorvaneDoc& doc, const Qso& q) {
    QsoItem item;
    item.recordNumber = q.recordNumber;
    QsoRecord::setText(item.record.qsoDate, q.date);
    QsoRecord::setText(item.record.qsoTime, q.time);
    QsoRecord::setText(item.record.freq, BandTable::listLabel(q.band));
    QsoRecord::setText(item.record.mode, q.mode);
    doc.qsoList.push_back(item);
    LogRow row;
    row.station = q.station;
    row.sent = q.sent;
    row.received = q.received;
    row.points = "1";
    doc.results.appendRow(q.band, row);
}

CKorvaneDoc contestDoc() {
    CKorvaneDoc doc;
    doc.contest.rules.logPoints = {.choice = 1, .fixedValue = 2};
    doc.contest.contestName = "JA-TEST";
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
    add(doc,
        {.recordNumber = 7, .band = kBand430, .date = "260614", .time = "0830J", .mode = "FM"});
    add(doc, {.recordNumber = 3,
              .band = kBand7,
              .mode = "SSB",
              .station = "JA1ABC/1",
              .sent = "59 10M",
              .received = "59 13H"});
    add(doc, {.recordNumber = 9, .band = kBand19, .date = "270101", .time = "0005J"});
    const CabrilloLog::Result result = CabrilloLog::write(doc);
    ASSERT_TRUE(result.ok) << cp932::toUtf8(result.error);
    EXPECT_TRUE(result.omitted.empty());
    EXPECT_EQ(lines(result.text), (std::vector<std::string>{
                                      "START-OF-LOG: 3.0",
                                      "CONTEST: JA-TEST",
                                      "CALLSIGN: JA1ZZZ",
                                      "SOAPBOX: JARL category code XMA",
                                      "CLAIMED-SCORE: 6",
                                      "OPERATORS: JA1ZZZ",
                                      "NAME: Taro Nippon",
                                      "ADDRESS: 1-2-3 Chiyoda",
                                      "EMAIL: ja1zzz@example.invalid",
                                      "CREATED-BY: korvane 1.80",
                                      "QSO: 7000 PH 2026-06-13 1200 JA1ZZZ 59 10M JA1ABC/1 59 13H",
                                      "QSO: 432 FM 2026-06-13 2330 JA1ZZZ 599 10M JA1ABC 599 13H",
                                      "QSO: 1800 CW 2026-12-31 1505 JA1ZZZ 599 10M JA1ABC 599 13H",
                                      "END-OF-LOG:",
                                  }));
}

TEST(CabrilloLog, HeaderTextsOutsideAsciiAreLeftOut) {
    CKorvaneDoc doc = contestDoc();
    doc.contest.contestName = cp932::lit("サンプルコンテスト");
    doc.master.name = cp932::lit("日本 太郎");
    doc.master.addr2 = cp932::lit("ハイツ101");
    doc.master.callSign2 = "JA1YYY";
    add(doc, {.band = kBand18});
    const CabrilloLog::Result result = CabrilloLog::write(doc);
    ASSERT_TRUE(result.ok);
    EXPECT_EQ(result.omitted, (std::vector<std::string>{"CONTEST", "NAME", "ADDRESS"}));
    const std::vector<std::string> all = lines(result.text);
    EXPECT_EQ(all[1], "CALLSIGN: JA1ZZZ");
    EXPECT_EQ(all[3], "CLAIMED-SCORE: 0") << "a QSO on 18 MHz hides the totals";
    EXPECT_EQ(all[4], "OPERATORS: JA1YYY");
    EXPECT_EQ(all[5], "ADDRESS: 1-2-3 Chiyoda");
    EXPECT_EQ(all[8], "QSO: 18068 CW 2026-06-13 1200 JA1ZZZ 599 10M JA1ABC 599 13H");
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
        {"other band", {.recordNumber = 1234, .band = kOther}, cp932::lit("その他")},
        {"unreadable date", {.recordNumber = 1234, .date = "26--13"}, cp932::lit("日付か時刻")},
    };
    for (const Row& row : rows) {
        CKorvaneDoc doc = contestDoc();
        add(doc, {.recordNumber = 5});
        add(doc, row.qso);
        const CabrilloLog::Result result = CabrilloLog::write(doc);
        EXPECT_FALSE(result.ok) << row.what;
        EXPECT_TRUE(result.text.empty()) << row.what;
        EXPECT_NE(result.error.find(cp932::lit("レコード番号 1234 ")), std::string::npos)
            << row.what << ": " << cp932::toUtf8(result.error);
        EXPECT_NE(result.error.find(row.reason), std::string::npos) << row.what;
    }
}
