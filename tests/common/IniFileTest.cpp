// The ini reading and writing rules that both programs rely on.
#include "common/IniFile.h"

#include "common/Cp932.h"
#include "tests/common/TempFolder.h"

#include <gtest/gtest.h>

TEST(IniFile, ReadsWithWindowsRules) {
    TempFolder dir;
    const std::string path = dir.file("a.ini");
    TempFolder::write(path, "; comment\r\n"
                            "[Other]\r\n"
                            "Name=other\r\n"
                            "  [ Master ]  \r\n"
                            "  CallSign  =  JA1ZZZ  \r\n"
                            "QUOTED=\"  spaced  \"\r\n"
                            "HALF=\"open\r\n"
                            "EMPTY=\r\n"
                            "Name=first\r\n"
                            "name=second\r\n"
                            "novalue\r\n"
                            "[master]\r\n"
                            "LATER=ignored, only the first section counts\r\n");
    IniFile ini(path);
    struct Row {
        const char* section;
        const char* key;
        const char* expected;
    } rows[] = {
        {"MASTER", "CALLSIGN", "JA1ZZZ"},
        {"master", "callsign", "JA1ZZZ"},
        {"Master", "QUOTED", "  spaced  "},
        {"Master", "HALF", "\"open"},
        {"Master", "EMPTY", ""},
        {"Master", "NAME", "first"},
        {"Other", "name", "other"},
        {"Master", "MISSING", "dflt"},
        {"Missing", "Name", "dflt"},
        {"Master", "LATER", "dflt"},
    };
    const IniFile::Snapshot snapshot = ini.snapshot();
    for (const auto& r : rows) {
        EXPECT_EQ(ini.readString(r.section, r.key, "dflt"), r.expected)
            << r.section << "/" << r.key;
        EXPECT_EQ(snapshot.find(r.section, r.key).value_or("dflt"), r.expected)
            << r.section << "/" << r.key;
    }
    EXPECT_TRUE(ini.hasKey("MASTER", "empty"));
    EXPECT_FALSE(ini.hasKey("MASTER", "novalue"));
    EXPECT_EQ(ini.keys("master"),
              (std::vector<std::string>{"CallSign", "QUOTED", "HALF", "EMPTY", "Name"}));
    EXPECT_EQ(ini.sections(), (std::vector<std::string>{"Other", "Master", "master"}));
    EXPECT_EQ(IniFile(dir.file("missing.ini")).readString("A", "B", "x"), "x");
}

TEST(IniFile, BufferSizeLimitsTheResult) {
    TempFolder dir;
    const std::string path = dir.file("a.ini");
    const std::string kanji = cp932::lit("漢");
    TempFolder::write(path, "[S]\nLONG=" + std::string(300, 'x') + "\nJP=ab" + kanji + "\n");
    IniFile ini(path);
    EXPECT_EQ(ini.readString("S", "LONG", "", 256), std::string(255, 'x'));
    EXPECT_EQ(ini.readString("S", "LONG", "", 1), "");
    EXPECT_EQ(ini.readString("S", "JP", "", 4), "ab"); // never half a character
    EXPECT_EQ(ini.readString("S", "JP", "", 5), "ab" + kanji);
}

TEST(IniFile, IntegersTakeSignAndLeadingDigits) {
    TempFolder dir;
    const std::string path = dir.file("a.ini");
    TempFolder::write(path, "[S]\nA=12\nB=-7\nC=1x\nD=abc\nE=\nF= +42 \nG=4294967297\nH=-\n");
    IniFile ini(path);
    struct Row {
        const char* key;
        int expected;
    } rows[] = {{"A", 12}, {"B", -7}, {"C", 1},  {"D", 99},   {"E", 99},
                {"F", 42}, {"G", 1},  {"H", 99}, {"NONE", 99}};
    for (auto r : rows) {
        EXPECT_EQ(ini.readInt("S", r.key, 99), r.expected) << r.key;
    }
}

TEST(IniFile, WritesKeepEverythingElse) {
    TempFolder dir;
    const std::string path = dir.file("a.ini");
    TempFolder::write(path, "; keep me\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny = 2 \r\n; note\r\nz=3\r\n");
    IniFile ini(path);
    ASSERT_TRUE(ini.writeString("b", "Y", "20"));  // replaced in place, caller's spelling
    ASSERT_TRUE(ini.writeString("A", "new", "n")); // added before the blank separator
    ASSERT_TRUE(ini.writeString("C", "k", "v"));   // new section at the end
    EXPECT_EQ(TempFolder::read(path),
              "; keep me\r\n[A]\r\nx=1\r\nnew=n\r\n\r\n[B]\r\nY=20\r\n; note\r\n"
              "z=3\r\n[C]\r\nk=v\r\n");
    EXPECT_EQ(ini.readString("B", "y", ""), "20"); // a read after a write sees it

    ASSERT_TRUE(ini.deleteKey("B", "z"));
    ASSERT_TRUE(ini.deleteSection("a"));
    ASSERT_TRUE(ini.deleteSection("nothing"));
    EXPECT_EQ(TempFolder::read(path), "; keep me\r\n[B]\r\nY=20\r\n; note\r\n[C]\r\nk=v\r\n");
}

TEST(IniFile, CreatesMissingFileAndKeepsLineEnds) {
    TempFolder dir;
    IniFile fresh(dir.file("new.ini"));
    ASSERT_TRUE(fresh.writeString("MASTER", "CALLSIGN", ""));
    ASSERT_TRUE(fresh.writeInt("MASTER", "PRINTX", -5));
    EXPECT_EQ(TempFolder::read(fresh.path()), "[MASTER]\r\nCALLSIGN=\r\nPRINTX=-5\r\n");

    const std::string unix = dir.file("unix.ini");
    TempFolder::write(unix, "[S]\na=1");
    IniFile ini(unix);
    ASSERT_TRUE(ini.writeString("S", "b", "2"));
    EXPECT_EQ(TempFolder::read(unix), "[S]\na=1\nb=2\n");
}

TEST(IniFile, FailedWriteLeavesFileIntactAndSaysWhy) {
    TempFolder dir;
    IniFile ini(dir.file("no-such-folder/a.ini"));
    EXPECT_FALSE(ini.writeString("S", "k", "v"));
    EXPECT_FALSE(ini.lastError().empty());
}

TEST(IniFile, TrailBytesEqualToBracketsDoNotEndNames) {
    TempFolder dir;
    const std::string path = dir.file("a.ini");
    // ソ ends in 0x5C and ・ (0x81 0x45) has an ASCII trail; a name holding them must round-trip.
    const std::string section = cp932::lit("ソフト]");
    IniFile ini(path);
    ASSERT_TRUE(ini.writeString(cp932::lit("ソフト"), cp932::lit("表示"), cp932::lit("値")));
    EXPECT_EQ(ini.readString(cp932::lit("ソフト"), cp932::lit("表示"), ""), cp932::lit("値"));
    EXPECT_EQ(ini.readString(section, cp932::lit("表示"), "none"), "none");
    // A name ending in a lone lead byte matches nothing, not even itself; such a value loses it.
    ASSERT_TRUE(ini.writeString("S", "K\x81", "v"));
    ASSERT_TRUE(ini.writeString("S", "V", "ab\x81"));
    EXPECT_EQ(ini.readString("S", "K\x81", "none"), "none");
    EXPECT_EQ(ini.readString("S", "V", "", 100), "ab");
    const IniFile::Snapshot snapshot = ini.snapshot();
    EXPECT_EQ(snapshot.find(cp932::lit("ソフト"), cp932::lit("表示")), cp932::lit("値"));
    EXPECT_FALSE(snapshot.find(section, cp932::lit("表示")));
    EXPECT_FALSE(snapshot.find("S", "K\x81"));
    EXPECT_EQ(snapshot.find("S", "V"), "ab");
}
