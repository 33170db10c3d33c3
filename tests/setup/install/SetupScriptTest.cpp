// The setup script read from a CP932 file with CR LF line ends: defaults, numbered series with
// and without gaps, the welcome text and the Extend switches.
#include "install/SetupScript.h"

#include "tests/setup/services/EmulatedMachine.h"

#include <gtest/gtest.h>

namespace {

const std::string kScript = "C:\\WINDOWS\\TEMP\\BSTMP1\\SETUP.INI";

// Writes the lines (UTF-8) as CP932 with CR LF ends and reads the script back.
SetupScript readScript(EmulatedMachine& m, std::initializer_list<std::string_view> lines) {
    std::string text;
    for (std::string_view line : lines) {
        text += cp932::fromUtf8(line) + "\r\n";
    }
    m.write(kScript, text);
    return SetupScript::read(m.context, kScript);
}

} // namespace

TEST(SetupScript, ReadsEveryKey) {
    EmulatedMachine m;
    SetupScript s = readScript(m, {
                                      "[Title]",
                                      "Setup = テスト ",
                                      "UnSetupKey=TestKey",
                                      "[TopMessage]",
                                      "Message1=ようこそ",
                                      "Message3=三行目",
                                      "[Readme]",
                                      "File=\\README.TXT",
                                      "Title=はじめに",
                                      "[DefaultFolder]",
                                      "Folder=(Prg)\\Test",
                                      "[ProgramID]",
                                      "ID=TEST01",
                                      "[Extend]",
                                      "UnSetupOption=1,0,0,0",
                                      "[MakeFolder]",
                                      "Folder1=(App)\\DATA",
                                      "[CopyFile]",
                                      "File1=(App)\\A.EXE",
                                      "File2=(App)\\B.EX_|B.EXE,/S",
                                      "File4=(App)\\D.EXE",
                                      "[ShortCut]",
                                      "Make1=(App)\\A.EXE",
                                      "Name1=",
                                      "Make2=(App)\\B.EXE",
                                      "Name2=(Dsk)B",
                                      "Make4=(App)\\D.EXE",
                                      "[Registry]",
                                      "Key1=(Local)\\Software\\T",
                                      "Value1=(Str)(App)",
                                      "Name2=N",
                                      "Value2=(Int)1",
                                      "Key3=X",
                                      "[Relate]",
                                      "Name1=TXT",
                                      "File1=open,(App)\\A.EXE,%1,0",
                                      "Name2=DOC",
                                      "File3=open,(App)\\A.EXE,0",
                                      "Name4=LOG",
                                      "File4=open,(App)\\A.EXE,0",
                                      "Name20=ZZZ",
                                      "File20=open,(App)\\Z.EXE,0",
                                      "Name21=NO",
                                      "File21=open,(App)\\N.EXE,0",
                                      "[DeleteRegistry]",
                                      "Key1=(Local)\\Software\\T",
                                      "[ExecuteFile]",
                                      "File=(App)\\A.EXE,-first",
                                  });
    EXPECT_EQ(s.setupTitle, J("テスト"));
    EXPECT_EQ(s.uninstallTitle, J("テスト"));
    EXPECT_EQ(s.uninstallKey, "TestKey");
    EXPECT_EQ(s.uninstallDisplay, "TestKey");
    EXPECT_EQ(s.welcomeText, J("ようこそ\r\r三行目\r\r\r"));
    EXPECT_EQ(s.readmeFile, "\\README.TXT");
    EXPECT_EQ(s.readmeTitle, J("はじめに"));
    EXPECT_EQ(s.defaultFolder, "(Prg)\\Test");
    EXPECT_EQ(s.programId, "TEST01");
    EXPECT_EQ(s.uninstallOption, "1,0,0,0");
    EXPECT_EQ(s.makeFolders, std::vector<std::string>{"(App)\\DATA"});
    // A gap ends the CopyFile and ShortCut series but not the Relate entries 1 to 20.
    EXPECT_EQ(s.copyFiles, (std::vector<std::string>{"(App)\\A.EXE", "(App)\\B.EX_|B.EXE,/S"}));
    ASSERT_EQ(s.shortcuts.size(), 2u);
    EXPECT_EQ(s.shortcuts[0].name, "Default");
    EXPECT_EQ(s.shortcuts[1].make, "(App)\\B.EXE");
    EXPECT_EQ(s.shortcuts[1].name, "(Dsk)B");
    ASSERT_EQ(s.registry.size(), 2u);
    EXPECT_EQ(s.registry[0].key, "(Local)\\Software\\T");
    EXPECT_EQ(s.registry[0].value, "(Str)(App)");
    EXPECT_EQ(s.registry[1].key, "");
    EXPECT_EQ(s.registry[1].name, "N");
    ASSERT_EQ(s.relates.size(), 3u);
    EXPECT_EQ(s.relates[0].name, "TXT");
    EXPECT_EQ(s.relates[1].name, "LOG");
    EXPECT_EQ(s.relates[2].file, "open,(App)\\Z.EXE,0");
    EXPECT_EQ(s.deleteRegistry, std::vector<std::string>{"(Local)\\Software\\T"});
    EXPECT_EQ(s.executeFile, "(App)\\A.EXE,-first");
}

TEST(SetupScript, DefaultsOfAnEmptyScript) {
    EmulatedMachine m;
    SetupScript s = readScript(m, {"[TopMessage]", "Message1=", "[Title]", "UnSetup="});
    EXPECT_EQ(s.setupTitle, "Quillet");
    EXPECT_EQ(s.uninstallTitle, "Quillet");
    EXPECT_EQ(s.uninstallKey, "Quillet");
    EXPECT_EQ(s.uninstallDisplay, "Quillet");
    EXPECT_EQ(s.welcomeText, J("セットアップを行います．\r"));
    EXPECT_EQ(s.defaultFolder, "(Prg)\\");
    EXPECT_EQ(s.setupSpeed, 400);
    EXPECT_TRUE(s.setupSpeedValid);
    EXPECT_FALSE(s.choicesLocked);
    EXPECT_TRUE(s.copyFiles.empty());
    EXPECT_TRUE(s.relates.empty());
}

TEST(SetupScript, SpeedAndLock) {
    struct Row {
        std::string speed, enabled;
        int setupSpeed;
        bool valid, locked;
    };
    const Row rows[] = {
        {"0", "False", 1, true, true},        {"-5", "false", 1, true, false},
        {"abc", "FALSE", 400, false, false},  {"250", "True", 250, true, false},
        {"12ms", "False ", 400, false, true},
    };
    for (const Row& row : rows) {
        EmulatedMachine m;
        std::string speed = "SetupSpeed=" + row.speed, enabled = "Enabled=" + row.enabled;
        SetupScript s = readScript(m, {"[Extend]", speed, enabled});
        EXPECT_EQ(s.setupSpeed, row.setupSpeed) << row.speed;
        EXPECT_EQ(s.setupSpeedValid, row.valid) << row.speed;
        EXPECT_EQ(s.choicesLocked, row.locked) << row.enabled;
    }
}
