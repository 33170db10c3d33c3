// Retrieval: period, zone, band, mode and repeat filters, relabelling, composition and failures.
#include "qso/QsoRetrieval.h"

#include "print/ReportJson.h"
#include "qso/HamlogDatabase.h"
#include "tests/contest/qso/FakeQsoSource.h"

#include <gtest/gtest.h>
#include <random>

namespace {

std::vector<std::string> keptCalls(const CKorvaneDoc& doc) {
    std::vector<std::string> calls;
    for (const auto& item : doc.qsoList) {
        calls.emplace_back(QsoRecord::text(item.record.call));
    }
    return calls;
}

int run(CKorvaneDoc& doc, FakeQsoSource& db) {
    return QsoRetrieval::retrieve(doc, db, QsoRetrieval::bandMask(doc.contest),
                                  QsoRetrieval::modeMask(doc.contest));
}

CKorvaneDoc newDoc() {
    CKorvaneDoc doc;
    doc.master.thDir = "log.csv";
    return doc;
}

} // namespace

TEST(QsoRetrieval, PeriodKeys) {
    struct Row {
        int y1, m1, d1, h1, n1, y2, m2, d2, h2, n2;
        const char *startDate, *endDate, *startTime, *endTime;
    } rows[] = {
        {0, 1, 1, 0, 0, 9999, 12, 31, 23, 59, "00000101", "99991231", "0000J", "2359J"},
        {2015, 6, 13, 21, 5, 2015, 6, 14, 24, 60, "20150613", "20150614", "2105J", "2460J"},
        {2000, 1, 1, 0, 0, 2000, 1, 2, 9, 0, "20000101", "20000102", "0000J", "0900J"},
    };
    for (const auto& r : rows) {
        ContestSettings s;
        s.startYear = r.y1, s.startMonth = r.m1, s.startDay = r.d1, s.startHour = r.h1,
        s.startMinute = r.n1;
        s.endYear = r.y2, s.endMonth = r.m2, s.endDay = r.d2, s.endHour = r.h2, s.endMinute = r.n2;
        auto keys = QsoRetrieval::periodKeys(s);
        EXPECT_EQ(keys.startDate, r.startDate);
        EXPECT_EQ(keys.endDate, r.endDate);
        EXPECT_EQ(keys.startTime, r.startTime);
        EXPECT_EQ(keys.endTime, r.endTime);
    }
}

TEST(QsoRetrieval, DefaultsKeepEveryJapanTimeQsoOncePerCallAndBand) {
    FakeQsoSource db(std::vector<FakeQso>{
        {"JA1AAA", "260613", "2100J", "7.025", "CW"},
        {"JA1AAA", "260613", "2101U", "14.025", "CW"},   // UTC: left out
        {"JA1AAA", "260613", "2102J", "7.030", "SSB"},   // same band, other mode: repeat
        {" JA1AAA ", "260613", "2103J", "14.025", "CW"}, // blanks around the call: same station
        {"JA1AAA", "260613", "2104J", "3.5", "CW", "1001", "P"}, // portable plays no part
        {"JA1AAa", "260613", "2105J", "7.025", "CW"},            // case counts
        {"JA2BBB", "990101", "0000", "7.025", "CW"},             // no zone letter at all
    });
    CKorvaneDoc doc = newDoc();
    ASSERT_EQ(run(doc, db), 0);
    EXPECT_EQ(keptCalls(doc), (std::vector<std::string>{"JA1AAA", " JA1AAA ", "JA1AAA", "JA1AAa"}));
    EXPECT_EQ(doc.recordsRead, 7);
    EXPECT_EQ(doc.qsoList[1].recordNumber, 4);
    EXPECT_EQ(QsoRecord::text(doc.qsoList[0].record.freq), "   7"); // the band label
    EXPECT_EQ(QsoRecord::text(doc.qsoList[2].record.freq), "   3.5");
    EXPECT_EQ(db.opens, 1);
    EXPECT_EQ(db.closes, 1);
}

TEST(QsoRetrieval, PeriodEndsAreInclusiveAndDatesCompareWithTheirCentury) {
    struct Row {
        int y1, m1, d1, h1, n1, y2, m2, d2, h2, n2;
        std::vector<std::string> kept;
    } rows[] = {
        {2026, 6, 13, 21, 0, 2026, 6, 14, 20, 59, {"START", "IN", "END", "LONGT"}},
        {2026, 6, 13, 21, 1, 2026, 6, 14, 20, 58, {"IN", "LONGT"}},
        {2000, 1, 1, 0, 0, 2000, 1, 2, 23, 59, {"Y2K", "NYD"}},
        {1999, 12, 31, 0, 0, 2000, 1, 1, 23, 59, {"NYE", "NYD"}}, // "99" is 1999, "00" is 2000
        {1999, 1, 1, 0, 0, 1999, 12, 31, 23, 59, {"NYE", "ODD"}},
        {2099, 12, 31, 0, 0, 2100, 1, 1, 23, 59, {}}, // no two-digit year is 2099 or 2100
    };
    std::vector<FakeQso> qsos = {
        {"BEFORE", "260613", "2059J", "7.0", "CW"},
        {"START", "260613", "2100J", "7.0", "CW"},
        {"IN", "260614", "0800J", "7.0", "CW"},
        {"END", "260614", "2059J", "7.0", "CW"},
        {"AFTER", "260614", "2100J", "7.0", "CW"},
        {"Y2K", "000102", "1200J", "7.0", "CW"},
        {"NYE", "991231", "1200J", "7.0", "CW"},
        {"NYD", "000101", "0000J", "7.0", "CW"},
        // Dates and times of other lengths compare as texts too, after their century.
        {"SHORT", "26061", "1200J", "7.0", "CW"},
        {"ODD", "99123", "1200J", "7.0", "CW"},
        {"LONGD", "2606140", "1200J", "7.0", "CW"},
        {"LONGT", "260614", "0800J0", "7.0", "CW"},
    };
    for (const auto& r : rows) {
        FakeQsoSource db(qsos);
        CKorvaneDoc doc = newDoc();
        ContestSettings& s = doc.contest;
        s.startYear = r.y1, s.startMonth = r.m1, s.startDay = r.d1, s.startHour = r.h1,
        s.startMinute = r.n1;
        s.endYear = r.y2, s.endMonth = r.m2, s.endDay = r.d2, s.endHour = r.h2, s.endMinute = r.n2;
        ASSERT_EQ(run(doc, db), 0);
        EXPECT_EQ(keptCalls(doc), r.kept) << r.y1 << "/" << r.m1 << "/" << r.d1;
    }
}

TEST(QsoRetrieval, EveryRecordReadIsKeptOrSkippedOnceUnderTheFirstFilterThatRefusedIt) {
    // The contest: 2026-06-13 21:00 to 06-14 20:59 on 7 MHz in CW; records 2 and 5 have cut fields.
    const std::vector<FakeQso> qsos = {
        {"KEPT", "260613", "2100J", "7.025", "CW"},
        {"ZONE", "260612", "1200U", "3.5", "SSB"}, // every filter would refuse it: zone comes first
        {"PERIOD", "260612", "2100J", "3.5", "SSB"},
        {"BAND", "260613", "2101J", "3.5", "SSB"},
        {"MODE", "260613", "2102J", "7.030", "SSB"},
        {"KEPT", "260613", "2103J", "7.030", "CW"},
        {"OTHER", "260614", "2059J", "7.0", "CW"},
    };
    struct Row {
        int selectBands, selectModes, excludeRepeats;
        CKorvaneDoc::Skipped skipped;
    } rows[] = {
        {1, 1, 1, {1, 1, 1, 1, 1}},
        {0, 1, 1, {1, 1, 0, 2, 1}}, // the band's refusal falls to the mode
        {0, 0, 1, {1, 1, 0, 0, 1}},
        {1, 1, 0, {1, 1, 1, 1, 0}},
    };
    for (const auto check : {QsoRetrieval::RepeatCheck::hashed, QsoRetrieval::RepeatCheck::scan}) {
        for (const auto& r : rows) {
            FakeQsoSource db(qsos);
            db.cuts = {0, 3, 0, 0, 1, 0, 0};
            CKorvaneDoc doc = newDoc();
            ContestSettings& s = doc.contest;
            s.startYear = 2026, s.startMonth = 6, s.startDay = 13, s.startHour = 21;
            s.endYear = 2026, s.endMonth = 6, s.endDay = 14, s.endHour = 20, s.endMinute = 59;
            s.selectBands = r.selectBands, s.selectModes = r.selectModes;
            s.excludeSameBandDupes = r.excludeRepeats;
            s.bandEnabled[2] = 1;
            s.modeEnabled[0] = 1;
            ASSERT_EQ(QsoRetrieval::retrieve(doc, db, QsoRetrieval::bandMask(s),
                                             QsoRetrieval::modeMask(s), check),
                      0);
            const auto& k = doc.skipped;
            const auto& e = r.skipped;
            EXPECT_EQ(std::tie(k.zone, k.period, k.band, k.mode, k.repeat),
                      std::tie(e.zone, e.period, e.band, e.mode, e.repeat))
                << r.selectBands << r.selectModes << r.excludeRepeats;
            EXPECT_EQ(doc.recordsRead, 7);
            EXPECT_EQ(doc.qsoList.size() + static_cast<std::size_t>(k.total()), 7u);
            EXPECT_EQ(doc.cutRecords, 2); // among the records read, kept or not
        }
    }
    FakeQsoSource uncounted(qsos);
    CKorvaneDoc doc = newDoc();
    ASSERT_EQ(run(doc, uncounted), 0);
    EXPECT_EQ(doc.cutRecords, -1);
}

TEST(QsoRetrieval, CutRecordsCountOnlyWhereTheLibraryCountsThem) {
    // The fake library's three records carry no time, so the zone filter skips them all.
    struct Row {
        const char* library;
        int cut;
        const char* json;
    } rows[] = {{FAKE_HAMLOG_OK, -1, "\"cut\": null"}, {FAKE_HAMLOG_CUT, 1, "\"cut\": 1"}};
    for (const auto& r : rows) {
        HamlogLibrary library(r.library);
        ASSERT_TRUE(library.bound()) << r.library;
        HamlogDatabase db(library);
        CKorvaneDoc doc;
        doc.master.thDir = "good.log";
        ASSERT_EQ(QsoRetrieval::retrieve(doc, db, 0, 0), 0);
        EXPECT_EQ(doc.recordsRead, 3);
        EXPECT_EQ(doc.skipped.zone, 3);
        EXPECT_EQ(doc.cutRecords, r.cut);
        const std::string json = report_json::write(doc);
        EXPECT_NE(json.find(r.json), std::string::npos) << json.substr(0, 200);
        EXPECT_NE(json.find("\"zone\": 3"), std::string::npos) << json.substr(0, 200);
    }
}

TEST(QsoRetrieval, BandAndModeSelection) {
    std::vector<FakeQso> qsos = {
        {"A", "260613", "2100J", "3.525", "CW"},    {"B", "260613", "2100J", "7.025", "ssb"},
        {"C", "260613", "2100J", "7.050", " SSB "}, {"D", "260613", "2100J", "10.1", "RTTY"},
        {"E", "260613", "2100J", "Etc", "SSTV"},    {"F", "260613", "2100J", "  1.9  ", "FM"},
    };
    struct Row {
        std::vector<int> bands, modes;
        std::vector<std::string> kept;
    } rows[] = {
        {{1}, {}, {"A"}},                                 // the "3.8MHz" box is band 1
        {{2}, {}, {"B", "C"}}, {{0, 15}, {}, {"E", "F"}}, // blanks around a frequency do not matter
        {{}, {2}, {"C"}},                                 // "ssb" in lower case is another mode
        {{}, {6}, {"B"}},      {{}, {4, 5}, {"D", "E"}},  {{2, 3}, {5}, {"D"}},
    };
    for (const auto& r : rows) {
        FakeQsoSource db(qsos);
        CKorvaneDoc doc = newDoc();
        doc.contest.selectBands = r.bands.empty() ? 0 : 1;
        doc.contest.selectModes = r.modes.empty() ? 0 : 1;
        for (int b : r.bands) {
            doc.contest.bandEnabled[static_cast<std::size_t>(b)] = 1;
        }
        for (int m : r.modes) {
            doc.contest.modeEnabled[static_cast<std::size_t>(m)] = 1;
        }
        ASSERT_EQ(run(doc, db), 0);
        EXPECT_EQ(keptCalls(doc), r.kept);
    }
    EXPECT_EQ(QsoRetrieval::modeIndex(" RTTY"), 5);
    EXPECT_EQ(QsoRetrieval::modeIndex("CW "), 0);
    EXPECT_EQ(QsoRetrieval::modeIndex("cw"), 6);
}

TEST(QsoRetrieval, RepeatsKeptWhenAllowed) {
    FakeQsoSource db(std::vector<FakeQso>{{"JA1AAA", "260613", "2100J", "7.025", "CW"},
                                          {"JA1AAA", "260613", "2101J", "7.030", "SSB"}});
    CKorvaneDoc doc = newDoc();
    doc.contest.excludeSameBandDupes = 0;
    ASSERT_EQ(run(doc, db), 0);
    EXPECT_EQ(doc.qsoList.size(), 2u);
}

TEST(QsoRetrieval, ComposesEveryKeptQsoWithItsRawFrequencyAndSerial) {
    FakeQsoSource db(std::vector<FakeQso>{{"JA1AAA", "260613", "2100J", "7.025", "CW"},
                                          {"JA1BBB", "260613", "2100U", "7.025", "CW"},
                                          {"JA1CCC", "260613", "2101J", "14.025", "CW"}});
    CKorvaneDoc doc = newDoc();
    doc.contest.rules.sendNo[0] = {.choice = 1, .qsoField = 3}; // the frequency as logged
    doc.contest.rules.sendNo[1] = {.choice = 2, .digits = 3};   // then the serial
    ASSERT_EQ(run(doc, db), 0);
    ASSERT_EQ(doc.results.bandRows(2).size(), 1u);
    ASSERT_EQ(doc.results.bandRows(4).size(), 1u);
    EXPECT_EQ(doc.results.bandRows(2)[0].sent, "7.025001");
    EXPECT_EQ(doc.results.bandRows(4)[0].sent, "14.025002");
}

TEST(QsoRetrieval, FailuresLeaveThePreviousResults) {
    FakeQsoSource good(std::vector<FakeQso>{{"JA1AAA", "260613", "2100J", "7.025", "CW"}});
    CKorvaneDoc doc = newDoc();
    ASSERT_EQ(run(doc, good), 0);

    FakeQsoSource failing(std::vector<FakeQso>{{"JA9ZZZ", "260613", "2100J", "7.025", "CW"}});
    failing.openFails = true;
    EXPECT_EQ(run(doc, failing), -1);
    doc.master.thDir.clear();
    EXPECT_EQ(run(doc, good), -1);
    EXPECT_EQ(good.opens, 1); // an empty path is not even tried
    EXPECT_EQ(keptCalls(doc), std::vector<std::string>{"JA1AAA"});
    EXPECT_EQ(doc.recordsRead, 1);
    EXPECT_EQ(doc.results.bandRows(2).size(), 1u);

    // A database without records empties the list and the results.
    doc.master.thDir = "empty.csv";
    FakeQsoSource empty;
    EXPECT_EQ(run(doc, empty), 0);
    EXPECT_TRUE(doc.qsoList.empty());
    EXPECT_EQ(doc.recordsRead, 0);
    EXPECT_EQ(doc.results.bandRows(2).size(), 0u);
}

TEST(QsoRetrieval, HashedRepeatCheckMatchesTheFullScan) {
    const char* freqs[] = {"1.9",  "3.525", "7.025", "7.1",  "10.12", "14.2", "21.3",      "28.5",
                           "50.1", "144.2", "430.5", "1295", "Etc",   "",     "   7.000  "};
    const char* modes[] = {"CW", "SSB", "FM", "RTTY"};
    for (unsigned seed = 1; seed <= 20; ++seed) {
        std::mt19937 rng(seed);
        std::vector<FakeQso> qsos;
        for (int i = 0; i < 400; ++i) {
            FakeQso q;
            q.call = "JA" + std::to_string(rng() % 30);
            if (rng() % 4 == 0) {
                q.call = " " + q.call;
            }
            q.portable = rng() % 3 == 0 ? "P" : "";
            q.date = "260613";
            q.time = rng() % 10 == 0 ? "2100U" : "2100J";
            q.freq = freqs[rng() % std::size(freqs)];
            q.mode = modes[rng() % std::size(modes)];
            qsos.push_back(q);
        }
        CKorvaneDoc hashed = newDoc(), scanned = newDoc();
        FakeQsoSource a(qsos), b(qsos);
        ASSERT_EQ(QsoRetrieval::retrieve(hashed, a, 0, 0, QsoRetrieval::RepeatCheck::hashed), 0);
        ASSERT_EQ(QsoRetrieval::retrieve(scanned, b, 0, 0, QsoRetrieval::RepeatCheck::scan), 0);
        ASSERT_EQ(hashed.qsoList.size(), scanned.qsoList.size()) << "seed " << seed;
        for (std::size_t i = 0; i < hashed.qsoList.size(); ++i) {
            EXPECT_EQ(hashed.qsoList[i].recordNumber, scanned.qsoList[i].recordNumber);
        }
        EXPECT_LT(hashed.qsoList.size(), 300u); // the log does hold repeats
    }
}
