// The JARL electronic log: tag order of both forms, figures, log lines from the rules, warnings,
// protected texts, encoding.
#include "print/ElectronicLog.h"

#include "common/Cp932.h"
#include "exchange/BandTable.h"
#include "exchange/ExchangeComposer.h"
#include "exchange/Scoring.h"
#include "print/ElectronicLogQsos.h"
#include "print/ElectronicLogWarnings.h"
#include "tests/contest/qso/FakeQsoSource.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr int kBand19 = 0, kBand7 = 2, kBand14 = 4, kBand18 = 5, kBand430 = 11, kBand5600 = 14,
              kOther = 15;

struct Qso {
    int band = kBand7;
    std::string date = "260613"; // YYMMDD
    std::string mode = "CW";
    std::string station = "JA1ABC";
    std::string sent = "599 10M";
    std::string received = "599 13H";
    std::string multiplier{};
    std::string points = "1";
    std::uint8_t sentReport = 3, receivedReport = 3; // bytes of the report in sent and received
};

// Files the QSO as retrieval does: the list item carries the band label, the row goes to its band.
void add(CKorvaneDoc& doc, const Qso& q) {
    QsoItem item;
    item.recordNumber = static_cast<int>(doc.qsoList.size()) + 1;
    QsoRecord::setText(item.record.call, q.station);
    QsoRecord::setText(item.record.qsoDate, q.date);
    QsoRecord::setText(item.record.qsoTime, "2100J");
    QsoRecord::setText(item.record.freq, BandTable::listLabel(q.band));
    QsoRecord::setText(item.record.mode, q.mode);
    doc.qsoList.push_back(item);
    LogRow row;
    row.monthDay = q.date.substr(2, 2) + "/" + q.date.substr(4);
    row.hourMinute = "21:00";
    row.station = q.station;
    row.sent = q.sent;
    row.received = q.received;
    row.multiplier = q.multiplier;
    row.points = q.points;
    row.sentReportBytes = q.sentReport;
    row.receivedReportBytes = q.receivedReport;
    if (!q.multiplier.empty()) {
        doc.results.addMultiplier(q.band, q.multiplier);
    }
    doc.results.appendRow(q.band, row);
}

// One point per QSO, multipliers from the same field on both sheets.
CKorvaneDoc contestDoc() {
    CKorvaneDoc doc;
    doc.contest.rules.logPoints = {.choice = 1, .fixedValue = 1};
    doc.contest.rules.summaryMulti = {.choice = 2, .qsoField = 8};
    doc.contest.rules.logMulti = {.choice = 2, .qsoField = 8};
    doc.contest.contestName = cp932::lit("サンプルコンテスト");
    doc.contest.categoryCode = "XMA";
    doc.contest.categoryName = cp932::lit("電信電話部門");
    doc.master.callSign = "JA1ZZZ";
    doc.master.callSign2 = "JA1YYY";
    doc.master.name = cp932::lit("日本 太郎");
    doc.master.postId = "100-0000";
    doc.master.addr1 = cp932::lit("東京都千代田区");
    doc.master.addr2 = cp932::lit("ハイツ101");
    doc.master.setubi = {"IC-7300", "", " DP ", "GP"};
    return doc;
}

ElectronicLog::Result written(const CKorvaneDoc& doc,
                              ElectronicLog::Version version = ElectronicLog::Version::R21,
                              bool utf8 = false) {
    return ElectronicLog::write(doc, {version, utf8, {2026, 7, 5}});
}

std::string write(const CKorvaneDoc& doc,
                  ElectronicLog::Version version = ElectronicLog::Version::R21, bool utf8 = false) {
    return written(doc, version, utf8).text;
}

// The warnings as one UTF-8 text.
std::string warningText(const ElectronicLog::Result& result) {
    std::string text;
    for (const std::string& warning : result.warnings) {
        text += cp932::toUtf8(warning) + "\n";
    }
    return text;
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

// The lines between the log sheet's header line and its end tag.
std::vector<std::string> logLines(const std::string& text) {
    std::vector<std::string> all = lines(text);
    std::vector<std::string> result;
    bool inLog = false;
    for (const std::string& line : all) {
        if (line == "</LOGSHEET>") {
            break;
        }
        if (inLog) {
            result.push_back(line);
        }
        inLog = inLog || line.rfind("DATE(JST)", 0) == 0;
    }
    return result;
}

// The value of the first <NAME> element (one line), or "(none)".
std::string value(const std::string& text, const std::string& name) {
    const std::string open = "<" + name + ">";
    for (const std::string& line : lines(text)) {
        if (line.rfind(open, 0) == 0) {
            const std::size_t end = line.find("</" + name + ">");
            return line.substr(open.size(), end == std::string::npos ? end : end - open.size());
        }
    }
    return "(none)";
}

} // namespace

TEST(ElectronicLog, TagOrderOfBothForms) {
    const std::vector<std::string> r21 = {"SUMMARYSHEET VERSION=R2.1",
                                          "CONTESTNAME",
                                          "CATEGORYCODE",
                                          "CALLSIGN",
                                          "OPCALLSIGN",
                                          "TOTALSCORE",
                                          "ADDRESS",
                                          "NAME",
                                          "TEL",
                                          "EMAIL",
                                          "POWER",
                                          "FDCOEFF",
                                          "OPPLACE",
                                          "POWERSUPPLY",
                                          "COMMENTS",
                                          "MULTIOPLIST",
                                          "REGCLUBNUMBER",
                                          "OATH",
                                          "DATE",
                                          "SIGNATURE",
                                          "/SUMMARYSHEET",
                                          "LOGSHEET TYPE=" + cp932::lit("自作"),
                                          "/LOGSHEET"};
    const std::vector<std::string> r10 = {"SUMMARYSHEET VERSION=R1.0",
                                          "CONTESTNAME",
                                          "CATEGORYCODE",
                                          "CATEGORYNAME",
                                          "CALLSIGN",
                                          "OPCALLSIGN",
                                          "SCORE BAND=7MHz",
                                          "SCORE BAND=14MHz",
                                          "SCORE BAND=TOTAL",
                                          "TOTALSCORE",
                                          "ADDRESS",
                                          "NAME",
                                          "TEL",
                                          "EMAIL",
                                          "LICENSECLASS",
                                          "POWER",
                                          "POWERTYPE",
                                          "FDCOEFF",
                                          "OPPLACE",
                                          "POWERSUPPLY",
                                          "EQUIPMENT",
                                          "COMMENTS",
                                          "MULTIOPLIST",
                                          "REGCLUBNUMBER",
                                          "REGCLUBNAME",
                                          "OATH",
                                          "DATE",
                                          "SIGNATURE",
                                          "/SUMMARYSHEET",
                                          "LOGSHEET TYPE=" + cp932::lit("自作"),
                                          "/LOGSHEET"};
    struct Row {
        ElectronicLog::Version version;
        const std::vector<std::string>& tags;
    } rows[] = {{ElectronicLog::Version::R21, r21}, {ElectronicLog::Version::R10, r10}};
    CKorvaneDoc doc = contestDoc();
    doc.contest.opinionText = "first\r\nsecond";
    add(doc, {.band = kBand14});
    add(doc, {.band = kBand7});
    for (const Row& row : rows) {
        std::vector<std::string> tags;
        for (const std::string& line : lines(write(doc, row.version))) {
            if (!line.empty() && line[0] == '<') {
                tags.push_back(line.substr(1, line.find('>') - 1));
            }
        }
        EXPECT_EQ(tags, row.tags);
    }
}

TEST(ElectronicLog, ScoreLinesMatchTheSummaryFigures) {
    CKorvaneDoc doc = contestDoc();
    add(doc, {.band = kBand19, .multiplier = "10"});
    add(doc, {.band = kBand19, .multiplier = "11"});
    add(doc, {.band = kBand19});
    add(doc, {.band = kBand430, .multiplier = "10"});
    add(doc, {.band = kBand5600, .points = ""});
    const Scoring scoring(doc.contest.rules, doc.results);
    ASSERT_EQ(scoring.count(kBand19).value(), 3);
    ASSERT_EQ(scoring.multipliers(kBand19).value(), 2);

    std::vector<std::string> scores;
    for (const std::string& line : lines(write(doc, ElectronicLog::Version::R10))) {
        if (line.rfind("<SCORE ", 0) == 0) {
            scores.push_back(line);
        }
    }
    EXPECT_EQ(scores, (std::vector<std::string>{
                          "<SCORE BAND=1.9MHz>3,3,2</SCORE>", "<SCORE BAND=430MHz>1,1,1</SCORE>",
                          "<SCORE BAND=5600MHz>1,1,0</SCORE>", "<SCORE BAND=TOTAL>5,5,3</SCORE>"}));
    EXPECT_EQ(value(write(doc, ElectronicLog::Version::R10), "TOTALSCORE"), "15");
}

TEST(ElectronicLog, TotalScoreAndCoefficient) {
    struct Row {
        const char* what;
        std::vector<int> bands;
        int pointsChoice;
        int coefficientChoice, coefficientValue;
        std::string totalScore, coefficient;
    } rows[] = {
        {"points times multipliers", {kBand7, kBand7, kBand14}, 1, 0, 0, "9", "1"},
        {"coefficient doubles the score", {kBand7, kBand14}, 1, 1, 2, "8", "2"},
        {"coefficient 0 counts as 1", {kBand7}, 1, 1, 0, "1", "1"},
        {"a QSO on 18 MHz hides the totals", {kBand7, kBand18}, 1, 0, 0, "0", "1"},
        {"a QSO on the other band hides the totals", {kBand7, kOther}, 1, 0, 0, "0", "1"},
        {"points from QSO data leave no score", {kBand7}, 2, 0, 0, "0", "1"},
        {"no QSO", {}, 1, 0, 0, "0", "1"},
    };
    for (const Row& row : rows) {
        CKorvaneDoc doc = contestDoc();
        doc.contest.rules.logPoints.choice = row.pointsChoice;
        doc.contest.rules.summaryCoef = {row.coefficientChoice, row.coefficientValue};
        for (std::size_t i = 0; i < row.bands.size(); ++i) {
            add(doc, {.band = row.bands[i], .multiplier = "M" + std::to_string(i)});
        }
        const std::string text = write(doc);
        EXPECT_EQ(value(text, "TOTALSCORE"), row.totalScore) << row.what;
        EXPECT_EQ(value(text, "FDCOEFF"), row.coefficient) << row.what;
    }
}

TEST(ElectronicLog, LogLines) {
    struct Row {
        const char* what;
        Qso qso;
        std::string expected;
    } rows[] = {
        {"year 00 is 2000", {.date = "000101"}, "2000-01-01 21:00 7 CW JA1ABC 599 10M 599 13H - 1"},
        {"year 79 is 2079", {.date = "791231"}, "2079-12-31 21:00 7 CW JA1ABC 599 10M 599 13H - 1"},
        {"year 80 is 1980", {.date = "800101"}, "1980-01-01 21:00 7 CW JA1ABC 599 10M 599 13H - 1"},
        {"year 99 is 1999", {.date = "991231"}, "1999-12-31 21:00 7 CW JA1ABC 599 10M 599 13H - 1"},
        {"multiplier and points",
         {.multiplier = "13H", .points = "2"},
         "2026-06-13 21:00 7 CW JA1ABC 599 10M 599 13H 13H 2"},
        {"empty points", {.points = ""}, "2026-06-13 21:00 7 CW JA1ABC 599 10M 599 13H - -"},
        {"blank points count as empty",
         {.multiplier = "  ", .points = " "},
         "2026-06-13 21:00 7 CW JA1ABC 599 10M 599 13H - -"},
        {"no blank between report and number",
         {.sent = "59910M", .received = "59913H"},
         "2026-06-13 21:00 7 CW JA1ABC 599 10M 599 13H - 1"},
        {"blanks around and inside the parts",
         {.mode = "SSB ", .station = "JA1ABC/1 ", .sent = " 59  1 0 M ", .sentReport = 3},
         "2026-06-13 21:00 7 SSB JA1ABC/1 59 10M 599 13H - 1"},
        {"empty mode, report and number",
         {.mode = "", .sent = "10M", .received = "599", .sentReport = 0},
         "2026-06-13 21:00 7 - JA1ABC - 10M 599 - - 1"},
        {"band names", {.band = kBand19}, "2026-06-13 21:00 1.9 CW JA1ABC 599 10M 599 13H - 1"},
    };
    for (const Row& row : rows) {
        CKorvaneDoc doc = contestDoc();
        add(doc, row.qso);
        EXPECT_EQ(logLines(write(doc)), std::vector<std::string>{row.expected}) << row.what;
    }
}

// Rows composed from the rules as retrieval composes them, and what the warnings say.
TEST(ElectronicLog, LogLinesFromTheRules) {
    struct Row {
        const char* what;
        std::function<void(ExchangeRules&)> rules;
        const char* freq; // MHz
        const char* mode;
        std::string line; // "" when the QSO is left out
        std::string warning;
    } rows[] = {
        {"report and number without a blank", [](ExchangeRules&) {}, "7.025", "CW",
         "2026-06-13 21:00 7 CW JA1ABC 599 10M 579 13 - 1", ""},
        {"blanks in the rules",
         [](ExchangeRules& r) {
             r.sendNo[0] = {.choice = 0, .fixedText = " 5NN "};
             r.sendNo[1] = {.choice = 1, .fixedText = " 1 0"};
             r.sendNo[2] = {.choice = 1, .fixedText = "M "};
         },
         "7.025", "CW", "2026-06-13 21:00 7 CW JA1ABC 5NN 10M 579 13 - 1", ""},
        {"empty mode", [](ExchangeRules&) {}, "7.025", "",
         "2026-06-13 21:00 7 - JA1ABC 599 10M 579 13 - 1",
         "モードが空のため「-」と書いたQSO: 1件 (レコード番号 1)"},
        {"empty number", [](ExchangeRules& r) { r.recvNo[1] = {}; }, "7.025", "CW",
         "2026-06-13 21:00 7 CW JA1ABC 599 10M 579 - - 1", "受信ナンバーが空"},
        {"multiplier tallied and marked", [](ExchangeRules& r) { r.logMulti = r.summaryMulti; },
         "7.025", "CW", "2026-06-13 21:00 7 CW JA1ABC 599 10M 579 13 13 1", ""},
        {"empty multiplier", [](ExchangeRules&) {}, "7.025", "CW",
         "2026-06-13 21:00 7 CW JA1ABC 599 10M 579 13 - 1", "マルチが空のため「-」と書いたQSO"},
        {"operator column of a multi-op rule",
         [](ExchangeRules& r) { r.logOperator[0] = {.choice = 1, .qsoField = 12}; }, "7.025", "CW",
         "2026-06-13 21:00 7 CW JA1ABC 599 10M 579 13 - 1 JA1OPR", ""},
        {"blank operator rule writes no column",
         [](ExchangeRules& r) { r.logOperator[0] = {.choice = 0, .fixedText = " "}; }, "7.025",
         "CW", "2026-06-13 21:00 7 CW JA1ABC 599 10M 579 13 - 1", ""},
        {"WARC QSO left out", [](ExchangeRules&) {}, "10.125", "CW", "",
         "10MHz帯のQSO (集計するバンドではないため書いていません): 1件 (レコード番号 1)"},
        {"other band left out", [](ExchangeRules&) {}, "5.357", "CW", "", "その他のバンドのQSO"},
    };
    for (const Row& row : rows) {
        CKorvaneDoc doc = contestDoc();
        ExchangeRules& rules = doc.contest.rules;
        rules.sendNo[0] = {.choice = 1, .qsoField = 0};
        rules.sendNo[1] = {.choice = 1, .fixedText = "10M"};
        rules.recvNo[0] = {.choice = 1, .qsoField = 0};
        rules.recvNo[1] = {.choice = 3, .qsoField = 8};
        rules.logMulti = {};
        row.rules(rules);
        QsoRecord record = makeRecord({"JA1ABC", "260613", "2100J", row.freq, row.mode, "1301"});
        QsoRecord::setText(record.remarks1, "JA1OPR");
        FakeQsoSource classifier;
        ExchangeComposer composer(rules, classifier, doc.results);
        const int band = composer.composeRow(record, 1);
        doc.qsoList.push_back(1, record, band);

        const ElectronicLog::Result result = written(doc);
        EXPECT_EQ(logLines(result.text),
                  row.line.empty() ? std::vector<std::string>{} : std::vector{row.line})
            << row.what;
        EXPECT_NE(warningText(result).find(row.warning), std::string::npos)
            << row.what << ": " << warningText(result);
    }
}

TEST(ElectronicLog, LogLinesFollowBandOrderAndPairWithTheirQsos) {
    CKorvaneDoc doc = contestDoc();
    add(doc, {.band = kBand14, .mode = "SSB", .station = "JA1AAA"});
    add(doc, {.band = kBand7, .date = "260614", .mode = "FM", .station = "JA1BBB"});
    // A QSO whose frequency the library put on no band keeps its text and has no row.
    QsoItem unfiled{3, {}};
    QsoRecord::setText(unfiled.record.freq, "9999");
    doc.qsoList.push_back(unfiled);
    add(doc, {.band = kBand14, .date = "990101", .mode = "RTTY", .station = "JA1CCC"});
    const ElectronicLog::Result result = written(doc);
    EXPECT_NE(
        warningText(result).find("バンドの分からないQSO (印刷するログと同じく書いていません): "
                                 "1件 (レコード番号 3)"),
        std::string::npos)
        << warningText(result);
    EXPECT_EQ(logLines(result.text),
              (std::vector<std::string>{"2026-06-14 21:00 7 FM JA1BBB 599 10M 599 13H - 1",
                                        "2026-06-13 21:00 14 SSB JA1AAA 599 10M 599 13H - 1",
                                        "1999-01-01 21:00 14 RTTY JA1CCC 599 10M 599 13H - 1"}));

    std::vector<ElectronicLogQsos::Qso> qsos;
    ElectronicLogQsos::forEach(doc, [&qsos](const ElectronicLogQsos::Qso& qso) {
        qsos.push_back(qso);
        return true;
    });
    ASSERT_EQ(qsos.size(), 3u);
    EXPECT_EQ(qsos[2].item->recordNumber, 4);
}

TEST(ElectronicLog, RowWithoutItsQsoKeepsWhatItHas) {
    CKorvaneDoc doc = contestDoc();
    LogRow row;
    row.monthDay = "06/13";
    row.hourMinute = "21:00";
    row.station = "JA1ABC";
    doc.results.appendRow(kBand7, row);
    const ElectronicLog::Result result = written(doc);
    EXPECT_EQ(logLines(result.text),
              std::vector<std::string>{"06-13 21:00 7 - JA1ABC - - - - - -"});
    EXPECT_NE(
        warningText(result).find("年が分からず月日だけを書いたQSO: 1件 (レコード番号 番号なし)"),
        std::string::npos)
        << warningText(result);
}

TEST(ElectronicLog, UserTextCannotBreakATag) {
    struct Row {
        const char* what;
        std::string text, expected;
    } rows[] = {
        {"plain", "abc", "abc"},
        {"both brackets", "</CONTESTNAME><X>", cp932::lit("＜/CONTESTNAME＞＜X＞")},
        {"after a double-byte character", cp932::lit("東<"), cp932::lit("東＜")},
        {"after a stray lead byte", std::string("\x82<", 2),
         std::string("\x82") + cp932::lit("＜")},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(ElectronicLog::protect(row.text), row.expected) << row.what;
    }

    CKorvaneDoc doc = contestDoc();
    doc.contest.contestName = "A<B>C";
    doc.contest.opinionText = "</COMMENTS>\r\n</SUMMARYSHEET>";
    doc.master.name = "<NAME>";
    add(doc, {.station = "JA1<X>", .sent = "</LOGSHEET>", .sentReport = 0});
    const std::string text = write(doc);
    // Nineteen elements of the summary sheet with two brackets each, and the two sheets' own tags.
    EXPECT_EQ(std::count(text.begin(), text.end(), '<'), 42);
    EXPECT_EQ(std::count(text.begin(), text.end(), '>'), 42);
    EXPECT_EQ(value(text, "CONTESTNAME"), cp932::lit("A＜B＞C"));
    EXPECT_NE(text.find(cp932::lit("＜/COMMENTS＞\r\n＜/SUMMARYSHEET＞</COMMENTS>")),
              std::string::npos);
    EXPECT_EQ(logLines(text), std::vector<std::string>{cp932::lit(
                                  "2026-06-13 21:00 7 CW JA1＜X＞ - ＜/LOGSHEET＞ 599 13H - 1")});
}

TEST(ElectronicLog, ParticularsAndLineBreaks) {
    CKorvaneDoc doc = contestDoc();
    doc.contest.opinionText = "one\ntwo\rthree\r\n";
    doc.master.telNo = "03-0000\r\n-0000";
    doc.master.pwrType = 1;
    const std::string r10 = write(doc, ElectronicLog::Version::R10);
    struct Row {
        const char* tag;
        std::string expected;
    } rows[] = {
        {"ADDRESS", cp932::lit("〒100-0000 東京都千代田区ハイツ101")},
        {"TEL", "03-0000 -0000"},
        {"EQUIPMENT", "IC-7300 DP GP"},
        {"POWERTYPE", cp932::lit("実測出力")},
        {"MULTIOPLIST", ""},
        {"DATE", cp932::lit("2026年7月5日")},
        {"SIGNATURE", cp932::lit("日本 太郎")},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(value(r10, row.tag), row.expected) << row.tag;
    }
    EXPECT_NE(r10.find("<COMMENTS>one\r\ntwo\r\nthree\r\n</COMMENTS>\r\n"), std::string::npos);

    doc.master.postId.clear();
    doc.master.pwrType = 0;
    const std::string plain = write(doc, ElectronicLog::Version::R10);
    EXPECT_EQ(value(plain, "ADDRESS"), cp932::lit("東京都千代田区ハイツ101"));
    EXPECT_EQ(value(plain, "POWERTYPE"), cp932::lit("定格出力"));
}

TEST(ElectronicLog, Utf8OnRequest) {
    CKorvaneDoc doc = contestDoc();
    add(doc, {});
    const std::string cp932Text = write(doc, ElectronicLog::Version::R21, false);
    const std::string utf8Text = write(doc, ElectronicLog::Version::R21, true);
    EXPECT_EQ(utf8Text, cp932::toUtf8(cp932Text));
    EXPECT_NE(utf8Text.find("<LOGSHEET TYPE=自作>"), std::string::npos);
    EXPECT_NE(utf8Text.find("<CONTESTNAME>サンプルコンテスト</CONTESTNAME>"), std::string::npos);
    EXPECT_EQ(cp932Text.find("サンプル"), std::string::npos);
}

TEST(ElectronicLogWarnings, GroupsCountAndNameTheRecords) {
    ElectronicLogWarnings warnings;
    for (int record : {9, 4, 10, 8, 0, 13, 12}) {
        warnings.note("A", record);
    }
    warnings.add("B");
    warnings.note("C", 7);
    EXPECT_EQ(warnings.messages(),
              (std::vector<std::string>{
                  "A: 7" + cp932::lit("件 (レコード番号 番号なし, 4, 8-10, 12, 13)"), "B",
                  "C: 1" + cp932::lit("件 (レコード番号 7)")}));
}
