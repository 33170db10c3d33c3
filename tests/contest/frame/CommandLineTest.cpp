// The headless command line: options, saving, settings and report output, and its failures.
#include "frame/CommandLine.h"

#include "common/Cp932.h"
#include "document/ContestFile.h"
#include "tests/common/TempFolder.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome run(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    int status = CommandLine::run(CommandLine::parse(args), out, err);
    return {status, out.str(), err.str()};
}

} // namespace

TEST(CommandLine, ParsesOptionsAndRefusesBadOnes) {
    CommandLine::Options o = CommandLine::parse(
        {"--ini", "k.ini", "--log", "a.adi", "--png", "out", "--dpi", "300", "in.con"});
    EXPECT_EQ(o.ini, "k.ini");
    EXPECT_EQ(o.log, "a.adi");
    EXPECT_EQ(o.png, "out");
    EXPECT_EQ(o.dpi, 300);
    EXPECT_EQ(o.input, "in.con");
    EXPECT_TRUE(CommandLine::isHeadless(o));
    EXPECT_TRUE(CommandLine::needsRetrieval(o));
    EXPECT_FALSE(CommandLine::isHeadless(CommandLine::parse({"in.con"})));

    const std::vector<std::vector<std::string>> bad = {
        {"--save-as"},
        {"--frobnicate"},
        {"a.con", "b.con"},
        {"--dpi", "x"},
        {"--dpi", "5"},
        {"--elog-version", "R3"},
        {"--encoding", "latin1"},
        {"--cabrillo-contest", "ALL JA"},
        {"--cabrillo-category", "SINGLE-OP ALL CW"},
        {"--cabrillo-category", "SINGLE-OP 40 CW LOW"},
    };
    for (const auto& args : bad) {
        Outcome r = run(args);
        EXPECT_EQ(r.status, 2) << args[0];
        EXPECT_NE(r.err.find("usage:"), std::string::npos) << args[0];
    }
    EXPECT_EQ(run({"--help"}).status, 0);
}

TEST(CommandLine, SavesAndPrintsSettings) {
    TempFolder dir;
    const std::string ini = dir.file("k.ini");
    TempFolder::write(ini, "[MASTER]\r\nCALLSIGN=JJ1KVN\r\nNAME=" + cp932::lit("見本") +
                               "\r\nPRINTX=-3\r\n");
    const std::string con = dir.file("new.con");
    ASSERT_EQ(run({"--ini", ini, "--save-as", con}).status, 0);
    EXPECT_EQ(TempFolder::read(con).size(), 616u);

    Outcome r = run({"--ini", ini, "--settings-json", con});
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* expected : {"\"CALLSIGN\": \"JJ1KVN\"", "\"NAME\": \"見本\"", "\"PRINTX\": -3",
                                 "\"excludeSameBandDupes\": 1", "\"endYear\": 9999",
                                 "\"digits\": 0", "\"summaryCoef\": {", "\"fixedValue\": 0"}) {
        EXPECT_NE(r.out.find(expected), std::string::npos) << expected;
    }
    EXPECT_EQ(TempFolder::read(ini).find("CALLSIGN2"), std::string::npos); // nothing written back
}

TEST(CommandLine, ReportsUnreadableInputs) {
    TempFolder dir;
    const std::string ini = dir.file("k.ini");
    const std::string broken = dir.file("broken.con");
    TempFolder::write(broken, std::string("\xAA\0\0\0\1\0", 6));
    Outcome r = run({"--ini", ini, "--settings-json", broken});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("予期しないﾌｧｲﾙ形式です。"), std::string::npos) << r.err;
    EXPECT_TRUE(r.out.empty());

    r = run({"--ini", ini, "--settings-json", dir.file("missing.con")});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("missing.con"), std::string::npos);

    r = run({"--ini", ini, "--save-as", dir.file("no/such/folder/x.con")});
    EXPECT_EQ(r.status, 1);
}

TEST(CommandLine, ReportRetrievesThroughTheLibrary) {
    TempFolder dir;
    const std::string ini = dir.file("k.ini");
    const std::string log = dir.file("log.csv");
    TempFolder::write(log, "JA1AAA,26/06/13,21:00J,599,599,7.025,CW,1001,,J,,,,,0\r\n"
                           "JA1AAA,26/06/13,21:01J,599,599,7.030,CW,1001,,J,,,,,0\r\n"
                           "JA2BBB/P,26/06/13,21:02J,59,59,144.2,FM,2001,,J,,,,,0\r\n"
                           "JA3CCC,26/06/13,12:03U,599,599,7.025,CW,3001,,J,,,,,0\r\n"
                           "JA4DDDDDD,26/06/13,21:04J,599,599,7.025,CW,4001,,J,,,,,0\r\n");
    const std::string report = dir.file("report.json");
    Outcome r = run({"--ini", ini, "--log", log, "--report", report});
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string json = TempFolder::read(report);
    for (const char* expected : {"\"recordsRead\": 5", "\"   7\"", "\" 144\"", "\"JA2BBB/P\"",
                                 "\"totalCount\": 4", "\"pages\": 3", "\"21:02J\"", "\"21:03J\"",
                                 "\"zone\": 0", "\"repeat\": 1", "\"cut\": 1", "\"JA4DDDDD\""}) {
        EXPECT_NE(json.find(expected), std::string::npos) << expected;
    }
    // A call longer than the record's eight bytes is kept cut, and counted.
    EXPECT_EQ(r.err, "korvane: 読んだ5件中1件を除外（同一バンド重複 1件）、欄の切り詰め 1件\n");

    r = run({"--ini", ini, "--log", dir.file("missing.csv"), "--report", "-"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("HAMLOGのデータを開けません"), std::string::npos) << r.err;
    r = run({"--ini", ini, "--report", "-"}); // no THDIR at all
    EXPECT_EQ(r.status, 1);
}

TEST(CommandLine, SaysInJapaneseWhatWentWrongWithAFile) {
    TempFolder dir;
    const std::string ini = dir.file("k.ini");
    const std::string empty = dir.file("empty.csv");
    TempFolder::write(empty, "");
    struct Row {
        std::vector<std::string> args;
        int status;
        std::string said;
    } rows[] = {
        {{"--settings-json", dir.file("missing.con")},
         1,
         dir.file("missing.con") + ": 指定されたファイルが見つかりません。"},
        {{"--save-as", dir.file("no/x.con")},
         1,
         dir.file("no/x.con") + ": 指定されたパスが見つかりません。"},
        {{"--log", empty, "--report", dir.file("no/r.json")},
         1,
         dir.file("no/r.json") + ": 指定されたパスが見つかりません。"},
        {{"--log", empty, "--report", "-"}, 0, empty + ": 0 件のQSOを読みました"},
    };
    for (Row& r : rows) {
        r.args.insert(r.args.begin(), {"--ini", ini});
        Outcome o = run(r.args);
        EXPECT_EQ(o.status, r.status) << r.said;
        EXPECT_NE(o.err.find("korvane: " + r.said + "\n"), std::string::npos) << o.err;
    }
}

TEST(CommandLine, ExportsWarnOnStandardErrorAndTakeTheCabrilloOptions) {
    TempFolder dir;
    const std::string ini = dir.file("k.ini");
    TempFolder::write(ini, "[MASTER]\r\nCALLSIGN=JJ1KVN\r\nCABRILLO_CONTEST=JA-TEST\r\n"
                           "CABRILLO_CATEGORY=SINGLE-OP ALL CW LOW\r\n");
    ContestSettings contest;
    contest.rules.sendNo[0] = {.choice = 1, .qsoField = 0};
    contest.rules.sendNo[1] = {.choice = 1, .fixedText = "10M"};
    contest.rules.recvNo[0] = {.choice = 1, .qsoField = 0};
    contest.rules.recvNo[1] = {.choice = 3, .qsoField = 8};
    contest.rules.logPoints = {.choice = 1, .fixedValue = 1};
    const std::string con = dir.file("c.con");
    ASSERT_TRUE(ContestFile::saveFile(con, contest).ok);
    const std::string log = dir.file("log.csv");
    TempFolder::write(log, "JA1AAA,26/06/13,21:00J,599,579,7.0125,CW,1301,,J,,,,,0\r\n"
                           "JA2BBB,26/06/13,21:01J,599,599,10.125,CW,2001,,J,,,,,0\r\n");

    const std::string elog = dir.file("e.txt");
    Outcome r = run({"--ini", ini, "--log", log, "--elog", elog, con});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(
        TempFolder::read(elog).find("\r\n2026-06-13 21:00 7 CW JA1AAA 599 10M 579 13 - 1\r\n"),
        std::string::npos);
    EXPECT_NE(r.err.find("korvane: 10MHz帯のQSO (集計するバンドではないため書いていません): 1件 "
                         "(レコード番号 2)\n"),
              std::string::npos)
        << r.err;

    r = run({"--ini", ini, "--log", log, "--cabrillo", "-", "--cabrillo-category",
             "MULTI-OP ALL MIXED HIGH", con});
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* expected :
         {"\r\nCONTEST: JA-TEST\r\n", "\r\nCATEGORY-OPERATOR: MULTI-OP\r\n",
          "\r\nQSO: 7012 CW 2026-06-13 1200 JJ1KVN 599 10M JA1AAA 579 13\r\n",
          "\r\nQSO: 10125 CW 2026-06-13 1201 JJ1KVN 599 10M JA2BBB 599 20\r\n"}) {
        EXPECT_NE(r.out.find(expected), std::string::npos) << expected << r.out;
    }
    EXPECT_EQ(TempFolder::read(ini).find("MULTI-OP"), std::string::npos); // nothing written back

    TempFolder::write(ini, "[MASTER]\r\nCALLSIGN=JJ1KVN\r\nCABRILLO_CATEGORY=SOAB\r\n");
    r = run({"--ini", ini, "--log", log, "--cabrillo", "-", con});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("OPERATOR BAND MODE POWER"), std::string::npos) << r.err;
}
