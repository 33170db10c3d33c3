// The start-up version check and the binding of the log database library.
#include "app/HamlogLibrary.h"

#include "common/Cp932.h"
#include "common/DynamicLibrary.h"

#include <gtest/gtest.h>

TEST(HamlogLibrary, CheckRefusesMissingAndOldLibraries) {
    EXPECT_EQ(HamlogLibrary::check("/nonexistent/HAMLOG32.DLL"), cp932::lit("HAMLOG32.DLLを開けません。"));
    EXPECT_EQ(HamlogLibrary::check(FAKE_HAMLOG_OLD),
              cp932::lit("HAMLOG32.DLLのバージョンが\n42FFFです。\nバージョン4.30以上をお使い下さい。"));
    EXPECT_EQ(HamlogLibrary::check(FAKE_HAMLOG_OK), "");
}

TEST(HamlogLibrary, BindsTheSixExportsAndReadsRecords) {
    HamlogLibrary library(FAKE_HAMLOG_OK);  // has none of the optional extra exports
    ASSERT_TRUE(library.bound());
    EXPECT_FALSE(library.read(1));          // nothing is open yet
    EXPECT_FALSE(library.open("missing.log"));
    ASSERT_TRUE(library.open("good.log"));
    std::vector<std::string> calls;
    for (std::int32_t n = 1; library.read(n); ++n) {
        calls.emplace_back(QsoRecord::text(library.record().call));
        EXPECT_EQ(QsoRecord::text(library.record().mode), "RTTY");
    }
    library.close();
    library.close();
    EXPECT_EQ(calls, (std::vector<std::string>{"JA1AAA", "JA2BBB", "JA3CCC"}));
    EXPECT_EQ(library.freqPCheck("7"), 2);
    EXPECT_EQ(library.chosonCheck("1001"), 4);
}

TEST(HamlogLibrary, UnboundLibraryFailsSafely) {
    HamlogLibrary library("/nonexistent/HAMLOG32.DLL");
    EXPECT_FALSE(library.bound());
    EXPECT_FALSE(library.open("good.log"));
    EXPECT_EQ(library.freqPCheck("7"), 15);
    EXPECT_EQ(library.chosonCheck("1001"), 0);
}

TEST(HamlogLibrary, ClosesOnlyADatabaseThatOpened) {
    HamlogLibrary library(FAKE_HAMLOG_OK);
    // The fake library's log of its open and close calls (the same loaded library).
    auto fake = DynamicLibrary::load(FAKE_HAMLOG_OK);
    ASSERT_TRUE(fake);
    const auto callLog = fake->function<const char* (*)()>("FakeCallLog");
    fake->function<void (*)()>("FakeClearCallLog")();
    struct Step {
        const char* open; // nullptr: close
        const char* log;  // the calls the step adds
    } steps[] = {
        {"missing.log", "HamlogOpen=1;"},
        {nullptr, ""},
        {"good.log", "HamlogOpen=0;"},
        {"missing.log", "HamlogClose;HamlogOpen=1;"},
        {nullptr, ""},
        {"good.log", "HamlogOpen=0;"},
        {nullptr, "HamlogClose;"},
        {nullptr, ""},
    };
    std::string expected;
    for (const Step& step : steps) {
        if (step.open) {
            EXPECT_EQ(library.open(step.open), std::string(step.open) == "good.log");
        } else {
            library.close();
        }
        expected += step.log;
        EXPECT_EQ(callLog(), expected);
    }
}

TEST(HamlogLibrary, BindsTheCutFieldCountWhereTheLibraryHasIt) {
    struct Row {
        const char* file;
        bool counts;
        std::vector<std::int32_t> cut; // per record
    } rows[] = {{FAKE_HAMLOG_OK, false, {0, 0, 0}}, {FAKE_HAMLOG_CUT, true, {0, 2, 0}}};
    for (const Row& r : rows) {
        HamlogLibrary library(r.file);
        ASSERT_TRUE(library.bound()) << r.file; // the export is optional
        EXPECT_EQ(library.countsCutFields(), r.counts);
        ASSERT_TRUE(library.open("good.log"));
        std::vector<std::int32_t> cut;
        for (std::int32_t n = 1; library.read(n); ++n) {
            cut.push_back(library.cutFields());
        }
        EXPECT_EQ(cut, r.cut) << r.file;
    }
}
