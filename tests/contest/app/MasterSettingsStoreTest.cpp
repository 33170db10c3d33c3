// The master settings file: defaults, value forms, write-back and the fallback folder.
#include "app/MasterSettingsStore.h"

#include "common/Cp932.h"
#include "tests/common/TempFolder.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>

TEST(MasterSettingsStore, PathBesideTheProgram) {
    struct Row {
        const char* program;
        const char* ini;
    } rows[] = {
        {"D:\\LOG\\PROG.EXE", "D:\\LOG\\PROG.ini"},
        {"D:\\LOG\\PROG.exe", "D:\\LOG\\PROG.ini"},
        {"/opt/korvane/korvane", "/opt/korvane/korvane.ini"},
        {"/opt/kor.vane/korvane", "/opt/kor.vane/korvane.ini"},
        {"/usr/bin/korvane.bin", "/usr/bin/korvane.ini"},
        {"/x/a.b", "/x/a.b.ini"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(MasterSettingsStore::pathBesideProgram(r.program), r.ini) << r.program;
    }
}

TEST(MasterSettingsStore, FirstRunGivesDefaultsAndWritesAllKeys) {
    TempFolder dir;
    MasterSettingsStore store(dir.file("korvane.ini"), "");
    MasterSettings settings = store.load();
    EXPECT_EQ(settings, MasterSettings{});
    ASSERT_TRUE(store.save(settings));
    EXPECT_EQ(TempFolder::read(dir.file("korvane.ini")),
              "[MASTER]\r\nCALLSIGN=\r\nCALLSIGN2=\r\nCLUBNAME=\r\nCLUBNO=\r\nTHDIR=\r\nPOWER=\r\n"
              "PWRTYPE=0\r\nSIKAKU=\r\nADDR1=\r\nADDR2=\r\nNAME=\r\nEMAIL=\r\nPOSTID=\r\nTELNO=\r\n"
              "MOVENAME=\r\nMOVEP=\r\nSETUBI1=\r\nSETUBI2=\r\nSETUBI3=\r\nSETUBI4=\r\nPRINTX=0\r\n"
              "PRINTY=0\r\nCABRILLO_CONTEST=\r\nCABRILLO_CATEGORY=\r\n");
}

TEST(MasterSettingsStore, ValueFormsAndLongTexts) {
    TempFolder dir;
    const std::string path = dir.file("k.ini");
    struct Row {
        const char* pwrType;
        int expected;
    } rows[] = {{"abc", 0}, {"1x", 1}, {"1", 1}, {"-2", -2}, {"", 0}};
    for (auto r : rows) {
        TempFolder::write(path, "[MASTER]\nPWRTYPE=" + std::string(r.pwrType) + "\nADDR1=" +
                                    std::string(300, 'a') + "\nPRINTX=-15\nPRINTY=7mm\nSETUBI3=" +
                                    cp932::lit("ＩＣ－７３０") + "\n");
        MasterSettingsStore store(path, "");
        MasterSettings settings = store.load();
        EXPECT_EQ(settings.pwrType, r.expected) << r.pwrType;
        EXPECT_EQ(settings.addr1, std::string(255, 'a'));
        EXPECT_EQ(settings.printX, -15);
        EXPECT_EQ(settings.printY, 7);
        EXPECT_EQ(settings.setubi[2], cp932::lit("ＩＣ－７３０"));
        ASSERT_TRUE(store.save(settings));
        EXPECT_EQ(MasterSettingsStore(path, "").load(), settings);
    }
}

TEST(MasterSettingsStore, KeepsOtherSectionsOfTheFile) {
    TempFolder dir;
    const std::string path = dir.file("k.ini");
    TempFolder::write(path, "[Recent File List]\r\nFile1=a.con\r\n[MASTER]\r\nCALLSIGN=JA1ZZZ\r\n");
    MasterSettingsStore store(path, "");
    MasterSettings settings = store.load();
    settings.name = cp932::lit("山田");
    ASSERT_TRUE(store.save(settings));
    std::string text = TempFolder::read(path);
    EXPECT_EQ(text.rfind("[Recent File List]\r\nFile1=a.con\r\n[MASTER]\r\nCALLSIGN=JA1ZZZ\r\n", 0),
              0u);
    EXPECT_EQ(MasterSettingsStore(path, "").load().name, cp932::lit("山田"));
}

TEST(MasterSettingsStore, CabrilloOptionsComeBackUnderTheirOwnKeys) {
    TempFolder dir;
    const std::string path = dir.file("k.ini");
    MasterSettings settings;
    settings.cabrilloContest = "JARL-ALLJA";
    settings.cabrilloCategory = "SINGLE-OP ALL CW LOW";
    ASSERT_TRUE(MasterSettingsStore(path, "").save(settings));
    const std::string text = TempFolder::read(path);
    EXPECT_NE(text.find("\r\nCABRILLO_CONTEST=JARL-ALLJA\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nCABRILLO_CATEGORY=SINGLE-OP ALL CW LOW\r\n"), std::string::npos);
    EXPECT_EQ(MasterSettingsStore(path, "").load(), settings);
}

TEST(MasterSettingsStore, FallsBackToTheUserFolderAndReadsItFirst) {
    TempFolder dir;
    const std::string unwritable = dir.file("no-such-folder/korvane.ini");
    const std::string user = dir.file("config/korvane/korvane.ini");
    MasterSettingsStore store(unwritable, user);
    MasterSettings settings = store.load();
    settings.callSign = "JA1ZZZ";
    ASSERT_TRUE(store.save(settings));
    EXPECT_EQ(store.activePath(), user);

    MasterSettingsStore later(unwritable, user);
    EXPECT_EQ(later.load().callSign, "JA1ZZZ");
    EXPECT_EQ(later.activePath(), user);

    std::string error;
    EXPECT_FALSE(MasterSettingsStore(unwritable, "").save(settings, &error));
    EXPECT_FALSE(error.empty());
}

TEST(MasterSettingsStore, TheFileBesideTheProgramIsWrittenAndTheLastWrittenRead) {
    struct Row {
        const char* program;  // CALLSIGN beside the program; null: no file
        const char* fallback; // CALLSIGN in the fallback; null: no file
        bool fallbackNewer;
        const char* loaded;
    } rows[] = {
        {"JA1PRG", "JA1USR", false, "JA1PRG"}, // edited beside the program after the fallback
        {"JA1PRG", "JA1USR", true, "JA1USR"},  // the fallback of a folder that was read-only
        {nullptr, "JA1USR", true, "JA1USR"},
        {"JA1PRG", nullptr, false, "JA1PRG"},
    };
    const auto now = std::filesystem::file_time_type::clock::now();
    for (const Row& r : rows) {
        TempFolder dir;
        const std::string program = dir.file("korvane.ini");
        const std::string user = dir.file("config/korvane/korvane.ini");
        std::filesystem::create_directories(dir.file("config/korvane"));
        const auto place = [&](const std::string& path, const char* call, bool newer) {
            if (call) {
                TempFolder::write(path, "[MASTER]\r\nCALLSIGN=" + std::string(call) + "\r\n");
                std::filesystem::last_write_time(
                    path, now - (newer ? std::chrono::minutes(1) : std::chrono::hours(1)));
            }
        };
        place(program, r.program, !r.fallbackNewer);
        place(user, r.fallback, r.fallbackNewer);

        MasterSettingsStore store(program, user);
        MasterSettings settings = store.load();
        EXPECT_EQ(settings.callSign, r.loaded);
        ASSERT_TRUE(store.save(settings));
        EXPECT_EQ(store.activePath(), program);
        // Carried over: from now on the file beside the program is read.
        MasterSettingsStore later(program, user);
        EXPECT_EQ(later.load().callSign, r.loaded);
        EXPECT_EQ(later.activePath(), program);
    }
}

TEST(MasterSettingsStore, UserConfigPathFollowsXdg) {
    const char* saved = std::getenv("XDG_CONFIG_HOME");
    std::string keep = saved ? saved : "";
    ::setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
    EXPECT_EQ(MasterSettingsStore::userConfigPath("korvane.ini"), "/tmp/cfg/korvane/korvane.ini");
    if (saved) {
        ::setenv("XDG_CONFIG_HOME", keep.c_str(), 1);
    } else {
        ::unsetenv("XDG_CONFIG_HOME");
    }
}
