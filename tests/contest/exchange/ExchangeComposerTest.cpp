// Composition of the log-sheet columns from the rules, and the per-band multiplier tally.
#include "exchange/ExchangeComposer.h"

#include "common/Cp932.h"
#include "tests/contest/exchange/FakeClassifier.h"

#include <climits>
#include <functional>
#include <gtest/gtest.h>
#include <optional>

namespace {

// A Japan-time QSO on 7 MHz dated 3 May 1998 with a 6-digit (city) address code.
QsoRecord makeRecord() {
    QsoRecord r{};
    QsoRecord::setText(r.call, "JA1ABC");
    QsoRecord::setText(r.qsoDate, "980503");
    QsoRecord::setText(r.qsoTime, "1234J");
    QsoRecord::setText(r.hisRst, "599");
    QsoRecord::setText(r.myRst, "579");
    QsoRecord::setText(r.freq, "7.025");
    QsoRecord::setText(r.mode, "CW");
    QsoRecord::setText(r.code, "100101");
    QsoRecord::setText(r.gl, "PM95");
    QsoRecord::setText(r.name, "Taro");
    QsoRecord::setText(r.qth, "Tokyo");
    QsoRecord::setText(r.remarks1, "r1");
    QsoRecord::setText(r.remarks2, "r2");
    return r;
}

// The composer works from a copy of the rules, so it is made on first use, once a test has set
// them.
struct Fixture {
    ExchangeRules rules;
    FakeClassifier classifier;
    BandResults results;
    std::optional<ExchangeComposer> made;

    ExchangeComposer& composer() {
        if (!made) {
            made.emplace(rules, classifier, results);
        }
        return *made;
    }
};

constexpr int kBand7 = 2;
constexpr int kBand14 = 4;

} // namespace

TEST(ExchangeComposer, NewRulesComposeEveryRuleColumnEmpty) {
    Fixture f;
    EXPECT_EQ(f.composer().composeRow(makeRecord(), 1), kBand7);
    ASSERT_EQ(f.results.rowCount(kBand7), 1u);
    LogRow expected;
    expected.monthDay = "05/03";
    expected.hourMinute = "12:34";
    expected.station = "JA1ABC";
    EXPECT_EQ(f.results.bandRows(kBand7)[0], expected);
    EXPECT_EQ(f.results.multiplierCount(kBand7), 0u);
}

TEST(ExchangeComposer, ComponentValues) {
    const std::string tokyo = cp932::lit("東京"); // 93 8C 8B 9E
    struct Row {
        const char* what;
        ComponentKind kind;
        std::string fixedText;
        int field, from, to, serial;
        RstSource rst;
        int digits;
        std::string code; // address code of the record
        std::string expected;
    } rows[] = {
        {"fixed, never cut", ComponentKind::Fixed, "5NN", 1, 1, 1, 7, RstSource::Sent, 3, "",
         "5NN"},
        {"serial not cut by columns", ComponentKind::Serial, "", 0, 1, 1, 1234, RstSource::Sent, 0,
         "", "1234"},
        {"date 3..6", ComponentKind::QsoData, "", 1, 3, 6, 0, RstSource::Sent, 0, "", "0503"},
        {"date to before from", ComponentKind::QsoData, "", 1, 5, 2, 0, RstSource::Sent, 0, "",
         "980503"},
        {"date start past end", ComponentKind::QsoData, "", 1, 9, 12, 0, RstSource::Sent, 0, "",
         ""},
        {"date from 0", ComponentKind::QsoData, "", 1, 0, 4, 0, RstSource::Sent, 0, "", "980503"},
        {"date start clamped", ComponentKind::QsoData, "", 1, -1, 2, 0, RstSource::Sent, 0, "",
         "9805"},
        {"date count clamped", ComponentKind::QsoData, "", 1, 6, 100, 0, RstSource::Sent, 0, "",
         "3"},
        {"extreme columns", ComponentKind::QsoData, "", 1, INT_MIN, INT_MAX, 0, RstSource::Sent, 0,
         "", "980503"},
        {"RST sent", ComponentKind::QsoData, "", 0, 0, 0, 0, RstSource::Sent, 0, "", "599"},
        {"RST received", ComponentKind::QsoData, "", 0, 0, 0, 0, RstSource::Received, 0, "", "579"},
        {"time as held", ComponentKind::QsoData, "", 2, 0, 0, 0, RstSource::Sent, 0, "", "1234J"},
        {"frequency as held", ComponentKind::QsoData, "", 3, 0, 0, 0, RstSource::Sent, 0, "",
         "7.025"},
        {"prefecture", ComponentKind::QsoData, "", 8, 0, 0, 0, RstSource::Sent, 0, "10123A", "10"},
        {"prefecture of short code", ComponentKind::QsoData, "", 8, 0, 0, 0, RstSource::Sent, 0,
         "1", "1"},
        {"city of 4-digit code", ComponentKind::QsoData, "", 6, 0, 0, 0, RstSource::Sent, 0, "1012",
         "1012"},
        {"city of 6-digit code", ComponentKind::QsoData, "", 6, 0, 0, 0, RstSource::Sent, 0,
         "101234", "1012"},
        {"city of county code", ComponentKind::QsoData, "", 6, 0, 0, 0, RstSource::Sent, 0,
         "10123A", ""},
        {"county of 5-digit code", ComponentKind::QsoData, "", 7, 0, 0, 0, RstSource::Sent, 0,
         "10123", "10123"},
        {"county of code with letter", ComponentKind::QsoData, "", 7, 0, 0, 0, RstSource::Sent, 0,
         "10123A", "10123"},
        {"county of city code", ComponentKind::QsoData, "", 7, 0, 0, 0, RstSource::Sent, 0,
         "101234", ""},
        {"county then cut", ComponentKind::QsoData, "", 7, 3, 5, 0, RstSource::Sent, 0, "10123A",
         "123"},
        {"unclassified code", ComponentKind::QsoData, "", 5, 0, 0, 0, RstSource::Sent, 0, "ABC",
         "ABC"},
        {"field -1", ComponentKind::QsoData, "", -1, 0, 0, 0, RstSource::Sent, 0, "", ""},
        {"field 14", ComponentKind::QsoData, "", 14, 0, 0, 0, RstSource::Sent, 0, "", ""},
        {"kind none", ComponentKind::None, "5NN", 1, 0, 0, 7, RstSource::Sent, 0, "", ""},
        {"kind out of range", static_cast<ComponentKind>(-1), "5NN", 1, 0, 0, 7, RstSource::Sent, 0,
         "", ""},
        {"cut splits a double-byte character", ComponentKind::QsoData, "", 12, 2, 3, 0,
         RstSource::Sent, 0, "", "\x8C\x8B"},
    };
    FakeClassifier classifier;
    ExchangeRules rules;
    BandResults results;
    const ExchangeComposer composer(rules, classifier, results);
    for (const Row& row : rows) {
        QsoRecord record = makeRecord();
        if (!row.code.empty()) {
            QsoRecord::setText(record.code, row.code);
        }
        QsoRecord::setText(record.remarks1, tokyo);
        EXPECT_EQ(composer.composeComponent(record, row.kind, row.fixedText, row.field, row.from,
                                            row.to, row.serial, row.rst, row.digits),
                  row.expected)
            << row.what;
    }
}

TEST(ExchangeComposer, SerialPaddingHasASaneLimit) {
    EXPECT_EQ(ExchangeComposer::formatSerial(7, INT_MAX).size(), 255u);
    EXPECT_EQ(ExchangeComposer::formatSerial(-7, 3), "-07");
}

TEST(ExchangeComposer, FieldsAreReadUpToTheirWidth) {
    Fixture f;
    QsoRecord record = makeRecord();
    QsoRecord::setText(record.call, "JA1ABCDE"); // fills its 8 bytes, portable follows
    QsoRecord::setText(record.portable, "3");
    QsoRecord::setText(record.freq, "1200.000"); // fills its 8 bytes, mode follows
    QsoRecord::setText(record.mode, "RTTY");     // fills its 4 bytes, code follows
    QsoRecord::setText(record.code, "1234567");  // fills its 7 bytes, gl follows
    f.rules.sendNo[0] = {.choice = 1, .qsoField = 4};
    f.rules.recvNo[0] = {.choice = 1, .qsoField = 5};
    f.rules.logRemarks[0] = {.choice = 1, .qsoField = 6};

    EXPECT_EQ(f.composer().composeRow(record, 1), 12);
    const LogRow& row = f.results.bandRows(12).at(0);
    EXPECT_EQ(row.station, "JA1ABCDE/3");
    EXPECT_EQ(row.sent, "RTTY");
    EXPECT_EQ(row.received, "1234567");
    EXPECT_EQ(row.remarks, "");
    EXPECT_EQ(f.classifier.freqTexts, std::vector<std::string>{"1200.000"});
    EXPECT_EQ(f.classifier.codes, std::vector<std::string>{"1234567"});
}

TEST(ExchangeComposer, DateTimeAndStation) {
    struct Row {
        const char *call, *portable, *date, *time;
        const char *monthDay, *hourMinute, *station;
    } rows[] = {
        {"JA1ABC", "", "980503", "1234J", "05/03", "12:34", "JA1ABC"},
        {" JA1ABC ", " 1 ", "991231", "0005J", "12/31", "00:05", "JA1ABC/1"},
        {"JA1ABC", "   ", "980503", "1234J", "05/03", "12:34", "JA1ABC"},
        {"JA1ABC", "P", "98", "1", "/", "1:", "JA1ABC/P"}, // short texts never read beyond them
        {"", "", "", "", "/", ":", ""},
    };
    for (const Row& r : rows) {
        Fixture f;
        QsoRecord record = makeRecord();
        QsoRecord::setText(record.call, r.call);
        QsoRecord::setText(record.portable, r.portable);
        QsoRecord::setText(record.qsoDate, r.date);
        QsoRecord::setText(record.qsoTime, r.time);
        f.composer().composeRow(record, 1);
        const LogRow& row = f.results.bandRows(kBand7).at(0);
        EXPECT_EQ(row.monthDay, r.monthDay) << r.date;
        EXPECT_EQ(row.hourMinute, r.hourMinute) << r.time;
        EXPECT_EQ(row.station, r.station) << r.call;
    }
}

TEST(ExchangeComposer, RuleColumns) {
    using Column = std::string LogRow::*;
    struct Row {
        const char* what;
        std::function<void(ExchangeRules&)> set;
        int serial;
        Column column;
        std::string expected;
    } rows[] = {
        {"fixed and padded serial",
         [](ExchangeRules& r) {
             r.sendNo[0] = {.choice = 0, .fixedText = "5NN"};
             r.sendNo[1] = {.choice = 2, .digits = 3};
         },
         7, &LogRow::sent, "5NN007"},
        {"plain serial",
         [](ExchangeRules& r) {
             r.sendNo[0] = {.choice = 0, .fixedText = "5NN"};
             r.sendNo[1] = {.choice = 2};
         },
         7, &LogRow::sent, "5NN7"},
        {"serial beyond its digits",
         [](ExchangeRules& r) {
             r.sendNo[0] = {.choice = 0, .fixedText = "5NN"};
             r.sendNo[1] = {.choice = 2, .digits = 3};
         },
         1234, &LogRow::sent, "5NN1234"},
        {"three parts in order",
         [](ExchangeRules& r) {
             r.recvNo[0] = {.choice = 1, .qsoField = 0};
             r.recvNo[1] = {.choice = 1, .fixedText = "-"};
             r.recvNo[2] = {.choice = 3, .qsoField = 8};
         },
         1, &LogRow::received, "579-10"},
        {"sent exchange takes the sent report",
         [](ExchangeRules& r) { r.sendNo[2] = {.choice = 3, .qsoField = 0}; }, 1, &LogRow::sent,
         "599"},
        {"operator serial ignores digits",
         [](ExchangeRules& r) { r.logOperator[2] = {.choice = 2, .digits = 4}; }, 7,
         &LogRow::operatorText, "7"},
        {"remarks take the received report",
         [](ExchangeRules& r) { r.logRemarks[1] = {.choice = 3, .qsoField = 0}; }, 1,
         &LogRow::remarks, "579"},
        {"fixed points", [](ExchangeRules& r) { r.logPoints = {.choice = 1, .fixedValue = 3}; }, 1,
         &LogRow::points, "3"},
        {"points from QSO data",
         [](ExchangeRules& r) {
             r.logPoints = {.choice = 2, .qsoField = 0, .fromColumn = 2, .toColumn = 3};
         },
         1, &LogRow::points, "99"},
        {"fixed multiplier trimmed",
         [](ExchangeRules& r) { r.logMulti = {.choice = 1, .fixedText = " 13  "}; }, 1,
         &LogRow::multiplier, " 13"},
        {"first part choice -1",
         [](ExchangeRules& r) { r.sendNo[0] = {.choice = -1, .fixedText = "5NN"}; }, 1,
         &LogRow::sent, ""},
        {"first part has no serial choice",
         [](ExchangeRules& r) { r.sendNo[0] = {.choice = 2, .fixedText = "5NN"}; }, 1,
         &LogRow::sent, ""},
        {"later part choice 4",
         [](ExchangeRules& r) { r.sendNo[2] = {.choice = 4, .fixedText = "5NN"}; }, 1,
         &LogRow::sent, ""},
        {"field -1", [](ExchangeRules& r) { r.recvNo[0] = {.choice = 1, .qsoField = -1}; }, 1,
         &LogRow::received, ""},
        {"multiplier choice -1",
         [](ExchangeRules& r) { r.logMulti = {.choice = -1, .fixedText = "13"}; }, 1,
         &LogRow::multiplier, ""},
        {"points choice 3", [](ExchangeRules& r) { r.logPoints = {.choice = 3, .fixedValue = 3}; },
         1, &LogRow::points, ""},
        // Long columns take a longer length prefix in the packed row; the rows around them must
        // still come back whole.
        {"254-byte column",
         [](ExchangeRules& r) {
             r.logRemarks[0] = {.choice = 0, .fixedText = std::string(254, 'x')};
         },
         1, &LogRow::remarks, std::string(254, 'x')},
        {"255-byte column",
         [](ExchangeRules& r) {
             r.logRemarks[0] = {.choice = 0, .fixedText = std::string(255, 'x')};
         },
         1, &LogRow::remarks, std::string(255, 'x')},
        {"three long parts and a wide serial",
         [](ExchangeRules& r) {
             r.sendNo[0] = {.choice = 0, .fixedText = std::string(300, 'a')};
             r.sendNo[1] = {.choice = 2, .digits = 1000};
             r.sendNo[2] = {.choice = 1, .fixedText = std::string(300, 'c')};
         },
         42, &LogRow::sent,
         std::string(300, 'a') + std::string(253, '0') + "42" + std::string(300, 'c')},
        {"row after a long column",
         [](ExchangeRules& r) {
             r.recvNo[0] = {.choice = 0, .fixedText = std::string(400, 'r')};
             r.logMulti = {.choice = 1, .fixedText = "13"};
         },
         1, &LogRow::multiplier, "13"},
    };
    for (const Row& row : rows) {
        Fixture f;
        row.set(f.rules);
        f.composer().composeRow(makeRecord(), row.serial);
        EXPECT_EQ(f.results.bandRows(kBand7).at(0).*row.column, row.expected) << row.what;
    }
}

TEST(ExchangeComposer, RowsKeepWhereTheReportEnds) {
    struct Row {
        const char* what;
        std::function<void(ExchangeRules&)> set;
        std::string sent;
        int sentReport, receivedReport;
    } rows[] = {
        {"no rule", [](ExchangeRules&) {}, "", 0, 0},
        {"report and number without a blank",
         [](ExchangeRules& r) {
             r.sendNo[0] = {.choice = 1, .qsoField = 0};
             r.sendNo[1] = {.choice = 1, .fixedText = "10M"};
             r.recvNo[0] = {.choice = 1, .qsoField = 0};
         },
         "59910M", 3, 3},
        {"blanks stay where the rule put them",
         [](ExchangeRules& r) {
             r.sendNo[0] = {.choice = 0, .fixedText = "5NN "};
             r.sendNo[2] = {.choice = 1, .fixedText = " 10M"};
         },
         "5NN  10M", 4, 0},
        {"an unusable first part writes no report",
         [](ExchangeRules& r) {
             r.sendNo[0] = {.choice = 5, .fixedText = "5NN"};
             r.sendNo[1] = {.choice = 2, .digits = 3};
         },
         "001", 0, 0},
        {"a first part beyond a byte's count",
         [](ExchangeRules& r) { r.sendNo[0] = {.choice = 0, .fixedText = std::string(300, 'a')}; },
         std::string(300, 'a'), 255, 0},
    };
    for (const Row& row : rows) {
        Fixture f;
        row.set(f.rules);
        f.composer().composeRow(makeRecord(), 1);
        const LogRow composed = f.results.bandRows(kBand7).at(0);
        EXPECT_EQ(composed.sent, row.sent) << row.what;
        EXPECT_EQ(composed.sentReportBytes, row.sentReport) << row.what;
        EXPECT_EQ(composed.receivedReportBytes, row.receivedReport) << row.what;
    }
}

TEST(ExchangeComposer, WritesTextOfAThreePartRule) {
    using Parts = ExchangeRules::ThreeParts;
    EXPECT_FALSE(ExchangeComposer::writesText(Parts{}));
    EXPECT_FALSE(ExchangeComposer::writesText(Parts{{{.choice = 0, .fixedText = " "}}}));
    EXPECT_TRUE(ExchangeComposer::writesText(Parts{{{.choice = 0, .fixedText = "JA1A"}}}));
    EXPECT_TRUE(ExchangeComposer::writesText(Parts{{{.choice = 1, .qsoField = 12}}}));
    EXPECT_TRUE(ExchangeComposer::writesText(Parts{{{}, {}, {.choice = 2}}}));
    EXPECT_FALSE(ExchangeComposer::writesText(Parts{{{.choice = 7}, {.choice = 0}, {}}}));
}

TEST(ExchangeComposer, MultiplierTallies) {
    struct Qso {
        const char* freq;
        const char* remarks1; // the log rule's field
        const char* qth;      // the summary rule's field where the two differ
    };
    struct Row {
        const char* what;
        std::function<void(ExchangeRules&)> set;
        std::vector<Qso> qsos;
        std::vector<std::string> columns;
        std::vector<std::string> tally7, tally14;
    };
    const auto sameField = [](ExchangeRules& r) {
        r.summaryMulti = {.choice = 2, .qsoField = 12};
        r.logMulti = {.choice = 2, .qsoField = 12};
    };
    const Row rows[] = {
        {"first occurrence only",
         sameField,
         {{"7.0", "10", ""}, {"7.0", "10", ""}, {"7.0", "11", ""}},
         {"10", "", "11"},
         {"10", "11"},
         {}},
        {"each band on its own",
         sameField,
         {{"7.0", "10", ""}, {"14.0", "10", ""}, {"14.0", "10", ""}},
         {"10", "10", ""},
         {"10"},
         {"10"}},
        {"trailing blanks removed",
         sameField,
         {{"7.0", "10 ", ""}, {"7.0", "10", ""}},
         {"10", ""},
         {"10"},
         {}},
        {"exact bytes, case kept",
         sameField,
         {{"7.0", "ab", ""}, {"7.0", "AB", ""}, {"7.0", " ab", ""}},
         {"ab", "AB", " ab"},
         {"ab", "AB", " ab"},
         {}},
        {"empty values never counted",
         sameField,
         {{"7.0", "", ""}, {"7.0", "  ", ""}},
         {"", ""},
         {},
         {}},
        {"column ranges are not compared",
         [](ExchangeRules& r) {
             r.summaryMulti = {.choice = 2, .qsoField = 12, .fromColumn = 1, .toColumn = 1};
             r.logMulti = {.choice = 2, .qsoField = 12};
         },
         {{"7.0", "10", ""}, {"7.0", "11", ""}},
         {"10", "11"},
         {"10", "11"},
         {}},
        {"other fields: column is the log value, tally the summary value",
         [](ExchangeRules& r) {
             r.summaryMulti = {.choice = 2, .qsoField = 11};
             r.logMulti = {.choice = 2, .qsoField = 12};
         },
         {{"7.0", "10 ", "Tokyo"}, {"7.0", "10", "Tokyo "}, {"7.0", "10", "Tokyo"}},
         {"10", "10", "10"},
         {"Tokyo", "Tokyo "},
         {}},
        {"other fields: summary value cut by its own columns, empty counted",
         [](ExchangeRules& r) {
             r.summaryMulti = {.choice = 2, .qsoField = 11, .fromColumn = 1, .toColumn = 2};
             r.logMulti = {.choice = 1, .fixedText = "M"};
         },
         {{"7.0", "", "Tokyo"}, {"14.0", "", ""}, {"7.0", "", "Toyama"}},
         {"M", "M", "M"},
         {"To"},
         {""}},
        {"summary not tallied",
         [](ExchangeRules& r) { r.logMulti = {.choice = 2, .qsoField = 12}; },
         {{"7.0", "10", ""}, {"7.0", "10", ""}},
         {"10", "10"},
         {},
         {}},
        {"summary choice -1 is not QSO data",
         [](ExchangeRules& r) {
             r.summaryMulti = {.choice = -1, .qsoField = 12};
             r.logMulti = {.choice = 2, .qsoField = 12};
         },
         {{"7.0", "10", ""}, {"7.0", "10", ""}},
         {"10", "10"},
         {},
         {}},
    };
    for (const Row& row : rows) {
        Fixture f;
        row.set(f.rules);
        std::vector<std::string> columns;
        int serial = 0;
        for (const Qso& q : row.qsos) {
            QsoRecord record = makeRecord();
            QsoRecord::setText(record.freq, q.freq);
            QsoRecord::setText(record.remarks1, q.remarks1);
            QsoRecord::setText(record.qth, q.qth);
            const int band = f.composer().composeRow(record, ++serial);
            columns.push_back(f.results.bandRows(band).back().multiplier);
        }
        EXPECT_EQ(columns, row.columns) << row.what;
        EXPECT_EQ(f.results.bandMultipliers(kBand7), row.tally7) << row.what;
        EXPECT_EQ(f.results.bandMultipliers(kBand14), row.tally14) << row.what;
    }
}

TEST(ExchangeComposer, SerialIsThePositionInTheWholeRetrieval) {
    Fixture f;
    f.rules.sendNo[1] = {.choice = 2, .digits = 3};
    for (int serial = 1; serial <= 45; ++serial) {
        QsoRecord record = makeRecord();
        QsoRecord::setText(record.freq, serial < 40 ? "7.0" : "14.0");
        f.composer().composeRow(record, serial);
    }
    ASSERT_EQ(f.results.rowCount(kBand7), 39u);
    ASSERT_EQ(f.results.rowCount(kBand14), 6u);
    EXPECT_EQ(f.results.bandRows(kBand7).back().sent, "039");
    EXPECT_EQ(f.results.bandRows(kBand14).front().sent, "040");
    EXPECT_EQ(f.results.bandRows(kBand14).back().sent, "045");
}

TEST(ExchangeComposer, RowWithoutABandIsFiledNowhere) {
    Fixture f;
    f.rules.summaryMulti = {.choice = 2, .qsoField = 12};
    f.rules.logMulti = {.choice = 2, .qsoField = 12};
    QsoRecord record = makeRecord();
    QsoRecord::setText(record.freq, "x");
    EXPECT_EQ(f.composer().composeRow(record, 1), 99);
    EXPECT_EQ(f.results.unfiledCount(), 1u);
    EXPECT_TRUE(f.results.bandRows(99).empty());
    EXPECT_TRUE(f.results.bandMultipliers(99).empty());
    EXPECT_FALSE(f.results.hasMultiplier(99, "r1"));
    for (int band = 0; band < BandTable::kBandCount; ++band) {
        EXPECT_EQ(f.results.rowCount(band), 0u) << band;
        EXPECT_EQ(f.results.multiplierCount(band), 0u) << band;
    }
}

TEST(ExchangeComposer, ClearResultsEmptiesEverything) {
    Fixture f;
    f.rules.summaryMulti = {.choice = 2, .qsoField = 12};
    f.rules.logMulti = {.choice = 2, .qsoField = 12};
    QsoRecord record = makeRecord();
    f.composer().composeRow(record, 1);
    QsoRecord::setText(record.freq, "x");
    f.composer().composeRow(record, 2);
    f.results.clearResults();
    EXPECT_EQ(f.results.rowCount(kBand7), 0u);
    EXPECT_EQ(f.results.multiplierCount(kBand7), 0u);
    EXPECT_EQ(f.results.unfiledCount(), 0u);

    // The membership set is emptied with the list: the value counts again as new.
    QsoRecord::setText(record.freq, "7.0");
    f.composer().composeRow(record, 1);
    EXPECT_EQ(f.results.bandRows(kBand7).at(0).multiplier, "r1");
    EXPECT_EQ(f.results.bandMultipliers(kBand7), std::vector<std::string>{"r1"});
}
