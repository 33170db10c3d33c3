// The install procedure on an emulated machine: scripts and scripted answers, the window states it
// leaves, what it installs and what it records for the uninstaller.
#include "install/InstallProcedure.h"

#include "services/IniValues.h"
#include "services/SharedDllCounts.h"
#include "services/SystemInfo.h"
#include "tests/setup/services/EmulatedMachine.h"
#include "tests/setup/services/RecordingWindow.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <deque>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <thread>

namespace {

using Answer = Prompter::Answer;
using Outcome = InstallProcedure::Outcome;

// The emulated machine with the free space its drive reports under our control.
class SpacePlatform : public PosixPlatform {
public:
    using PosixPlatform::PosixPlatform;
    std::optional<std::uint64_t> free; // none: the system cannot tell

    bool hasDiskFreeSpaceEx() override { return true; }
    bool getDiskFreeSpaceEx(const std::string&, std::uint64_t& bytes) override {
        bytes = free.value_or(0);
        return free.has_value();
    }
};

class InstallProcedureTest : public ::testing::Test {
protected:
    InstallProcedureTest() : platform(options()), context{platform, prompter, machine.values} {
        prompter.otherwise = Answer::yes;
        machine.values.sourceFolder = "C:\\MEDIA\\";
        machine.values.workFolder = "C:\\WINDOWS\\TEMP\\BSTMP1\\";
        machine.values.setupSpeed = 5;
        platform.createDirectory("C:\\WINDOWS\\TEMP\\BSTMP1");
        window.model["txtFolder"].text = "C:\\Program Files\\Sample\\";
    }

    PosixPlatform::Options options() {
        PosixPlatform::Options o;
        o.root = machine.root();
        return o;
    }

    // Writes the medium: SETUP.INI (UTF-8 here, CP932 on the medium) and the files.
    void medium(const std::string& script,
                const std::vector<std::pair<std::string, std::string>>& files = {}) {
        write("C:\\MEDIA\\SETUP.INI", cp932::fromUtf8(script));
        for (const auto& [name, bytes] : files) {
            write("C:\\MEDIA\\" + name, bytes);
        }
    }

    void write(const std::string& path, const std::string& bytes) {
        const std::string host = platform.hostPath(path);
        std::filesystem::create_directories(std::filesystem::path(host).parent_path());
        TempFolder::write(host, bytes);
    }

    bool exists(const std::string& path) {
        return std::filesystem::exists(platform.hostPath(path));
    }

    InstallProcedure::Result install() {
        script = SetupScript::read(context, "C:\\MEDIA\\SETUP.INI");
        return InstallProcedure::run(context, window, script);
    }

    std::string log(const std::string& section, const std::string& key) {
        return ReadIniValue(context, section, key, "", "C:\\Program Files\\Sample\\UNSETUP.INI");
    }

    std::vector<std::string> captions() const {
        std::vector<std::string> c;
        for (const auto& q : prompter.asked) {
            c.push_back(cp932::toUtf8(q.caption));
        }
        return c;
    }

    EmulatedMachine machine;
    SpacePlatform platform;
    ScriptedPrompter prompter;
    SetupContext context;
    RecordingWindow window;
    SetupScript script;
};

TEST_F(InstallProcedureTest, InstallsRecordsAndCompletes) {
    platform.free = 1u << 30;
    medium("[Title]\r\nSetup=Sample\r\n[ProgramID]\r\nID=SAMPLE\r\n"
           "[MakeFolder]\r\nFolder1=(App)DATA\r\n"
           "[CopyFile]\r\nFile1=(App)\\PROG.EXE\r\nFile2=(App)DATA\\README.TXT\r\n"
           "File3=(Sys)\\COMP.DLL,/S\r\n"
           "[ShortCut]\r\nMake1=(App)\\PROG.EXE\r\n"
           "[Registry]\r\nKey1=(Local)\\Software\\Maker\\Sample\r\nName1=Path\r\n"
           "Value1=(Str)(App)(Pdd)\r\n"
           "[DeleteRegistry]\r\nKey1=(Local)Software\\Maker\\Sample\r\n",
           {{"PROG.EXE", "program"}, {"README.TXT", "readme"}, {"COMP.DLL", ""}});
    std::vector<std::string> duringCopy;
    window.onMessages = [&](RecordingWindow& w) {
        if (w.model["lblMessage"].text.find("Copying") != std::string::npos) {
            duringCopy.push_back(w.model["btnEvent"].text);
        }
    };
    const auto result = install();

    EXPECT_EQ(result.outcome, Outcome::completed);
    EXPECT_EQ(result.failures, 0) << cp932::toUtf8(result.failureLog);
    EXPECT_EQ(captions(), (std::vector<std::string>{"フォルダ作成", "完了"}));
    ASSERT_FALSE(duringCopy.empty());
    EXPECT_EQ(cp932::toUtf8(duringCopy.front()), "中断(&A)");
    EXPECT_EQ(window.model["lblStatus"].text, "100%(3/3)");
    EXPECT_FALSE(window.model["fraStatus"].visible);
    EXPECT_TRUE(window.closed);
    EXPECT_TRUE(window.model.backgroundEnabled);
    EXPECT_EQ(machine.values.setupSpeed, 5);
    EXPECT_TRUE(std::count(window.sleeps.begin(), window.sleeps.end(), 5) > 3);

    EXPECT_TRUE(exists("C:\\Program Files\\Sample\\DATA\\README.TXT"));
    EXPECT_EQ(GetSharedDllCount(context, "C:\\WINDOWS\\SYSTEM32\\COMP.DLL"), 1);
    RegistryValue value;
    ASSERT_EQ(platform.regQueryValue(RegistryRoot::LocalMachine, "Software\\Maker\\Sample", "Path",
                                     value),
              0u);
    EXPECT_EQ(value.text(), "C:\\Program Files\\Sample");
    EXPECT_TRUE(exists("C:\\WINDOWS\\" + J("ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ\\PROG.EXE.lnk")));

    for (const auto& [section, key, expected] : std::vector<std::array<std::string, 3>>{
             {"DeleteFolder", "Folder1", "C:\\Program Files\\Sample\\DATA\\"},
             {"DeleteFile", "File1", "C:\\Program Files\\Sample\\PROG.EXE"},
             {"DeleteFile", "File3", "C:\\WINDOWS\\SYSTEM32\\COMP.DLL,/S"},
             {"DeleteFile", "File4", "C:\\Program Files\\Sample\\UNSETUP.INI"},
             {"DeleteShortCut", "File1", "C:\\WINDOWS\\" + J("ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ\\PROG.EXE.lnk")},
             {"DeleteRegistry", "Key1", "(Local)Software\\Maker\\Sample"},
             {"ProgramID", "ID", "SAMPLE"},
         }) {
        EXPECT_EQ(log(section, key), expected) << section << " " << key;
    }
}

TEST_F(InstallProcedureTest, MissingSourceCountsEntriesAndIsReported) {
    medium("[CopyFile]\r\nFile1=(App)\\A.TXT\r\nFile2=(App)\\MISSING.TXT\r\nFile3=(App)\\C.TXT\r\n",
           {{"A.TXT", "a"}, {"C.TXT", "c"}});
    platform.createDirectory("C:\\Program Files\\Sample");
    std::vector<std::string> labels;
    window.onMessages = [&](RecordingWindow& w) {
        if (labels.empty() || labels.back() != w.model["lblStatus"].text) {
            labels.push_back(w.model["lblStatus"].text);
        }
        // The user reads the failure details and presses "続行(&C)".
        if (w.model["btnEvent"].text == J("続行(&C)") && w.model["fraReadme"].visible) {
            w.model["btnEvent"].enabled = false;
        }
    };
    const auto result = install();

    EXPECT_EQ(result.outcome, Outcome::completed);
    EXPECT_EQ(labels, (std::vector<std::string>{"0%(0/0)", "33%(1/3)", "66%(2/3)", "100%(3/3)"}));
    EXPECT_EQ(result.failures, 1);
    const std::string entry =
        "<File> C:\\Program Files\\Sample\\MISSING.TXT\r\n" + SystemErrorText(context, 2) + "\r\n";
    EXPECT_EQ(result.failureLog, entry);
    // No free-space check without every size; the failure question, then the details shown.
    EXPECT_EQ(captions(), (std::vector<std::string>{"警告", "完了"}));
    EXPECT_EQ(window.model["txtReadme"].text, entry);
    EXPECT_FALSE(window.model["fraReadme"].visible);
    EXPECT_EQ(cp932::toUtf8(window.model["btnEvent"].text), "セットアップ開始(&S)");
    EXPECT_EQ(log("DeleteFile", "File2"), "C:\\Program Files\\Sample\\C.TXT");
}

TEST_F(InstallProcedureTest, FreeSpaceMustExceedTheTotal) {
    struct Row {
        std::optional<std::uint64_t> free;
        Answer answer;
        std::vector<std::string> captions;
        Outcome outcome;
    } rows[] = {
        {1001, Answer::yes, {"完了"}, Outcome::completed},
        {1000, Answer::yes, {"空き容量不足", "完了"}, Outcome::completed},
        {1000, Answer::no, {"空き容量不足", "セットアップ中止"}, Outcome::stopped},
        {std::nullopt, Answer::yes, {"空き容量不足", "完了"}, Outcome::completed},
    };
    for (const Row& r : rows) {
        // 999 bytes and an empty file, which counts as one byte.
        medium("[CopyFile]\r\nFile1=(App)\\A.BIN\r\nFile2=(App)\\EMPTY.BIN\r\n",
               {{"A.BIN", std::string(999, 'a')}, {"EMPTY.BIN", ""}});
        platform.createDirectory("C:\\Program Files\\Sample");
        platform.free = r.free;
        prompter.asked.clear();
        prompter.answers = {r.answer};
        window.closed = false;
        EXPECT_EQ(install().outcome, r.outcome);
        EXPECT_EQ(captions(), r.captions);
        EXPECT_TRUE(window.closed);
        if (!r.free && !prompter.asked.empty()) {
            EXPECT_NE(cp932::toUtf8(prompter.asked[0].text).find("1000 Byteです．"),
                      std::string::npos);
        }
    }
}

TEST_F(InstallProcedureTest, ExistingFilesByDateOrByAnswer) {
    medium("[CopyFile]\r\nFile1=(App)\\LIB.DLL,/S\r\n", {{"LIB.DLL", "new"}});
    write("C:\\Program Files\\Sample\\LIB.DLL", "newer");
    const auto later = std::filesystem::file_time_type::clock::now() + std::chrono::hours(1);
    std::filesystem::last_write_time(platform.hostPath("C:\\Program Files\\Sample\\LIB.DLL"),
                                     later);
    platform.free = 1u << 30;

    struct Row {
        bool overwrite;
        std::deque<Answer> answers;
        std::string content;
    } rows[] = {
        {true, {}, "newer"},            // not copied: the destination is newer
        {false, {Answer::no}, "newer"}, // asked, and declined
        {false, {Answer::yes}, "new"},  // asked, and replaced
    };
    // An existing file without a count counts as one user.
    int count = 1;
    for (const Row& r : rows) {
        window.model["chkOverWrite"].checked = r.overwrite;
        prompter.answers = r.answers;
        EXPECT_EQ(install().outcome, Outcome::completed);
        EXPECT_EQ(TempFolder::read(platform.hostPath("C:\\Program Files\\Sample\\LIB.DLL")),
                  r.content);
        // Recorded and counted whether copied or not.
        EXPECT_EQ(GetSharedDllCount(context, "C:\\Program Files\\Sample\\LIB.DLL"), ++count);
        EXPECT_EQ(log("DeleteFile", "File1"), "C:\\Program Files\\Sample\\LIB.DLL,/S");
    }
}

TEST_F(InstallProcedureTest, AbortDuringCopyingWritesNoLog) {
    platform.free = 1u << 30;
    platform.createDirectory("C:\\Program Files\\Sample");
    write("C:\\Program Files\\Sample\\UNSETUP.INI", "[SetupFolder]\r\nFolder=previous\r\n");
    medium("[CopyFile]\r\nFile1=(App)\\A.TXT\r\nFile2=(App)\\B.TXT\r\n",
           {{"A.TXT", "a"}, {"B.TXT", "b"}});
    window.onMessages = [&](RecordingWindow& w) {
        if (w.model["lblMessage"].text.find("B.TXT") != std::string::npos) {
            machine.values.abortRequested = true;
        }
    };
    EXPECT_EQ(install().outcome, Outcome::aborted);
    EXPECT_TRUE(exists("C:\\Program Files\\Sample\\A.TXT"));
    EXPECT_FALSE(exists("C:\\Program Files\\Sample\\B.TXT"));
    EXPECT_EQ(TempFolder::read(platform.hostPath("C:\\Program Files\\Sample\\UNSETUP.INI")),
              "[SetupFolder]\r\nFolder=previous\r\n");
}

TEST_F(InstallProcedureTest, SetupFolderDeclinedStops) {
    medium("[CopyFile]\r\nFile1=(App)\\A.TXT\r\n", {{"A.TXT", "a"}});
    platform.free = 1u << 30;
    prompter.answers = {Answer::no};
    EXPECT_EQ(install().outcome, Outcome::stopped);
    EXPECT_EQ(captions(), (std::vector<std::string>{"フォルダ作成", "セットアップ中止"}));
    EXPECT_FALSE(exists("C:\\Program Files\\Sample"));
}

TEST_F(InstallProcedureTest, ShortcutsFollowTheirBoxes) {
    platform.free = 1u << 30;
    medium("[CopyFile]\r\nFile1=(App)\\PROG.EXE\r\n"
           "[ShortCut]\r\nMake1=(App)\\PROG.EXE\r\n"
           "Make2=(App)\\PROG.EXE\r\nName2=(Sta)Group\\Prog\r\n"
           "Make3=(App)\\PROG.EXE\r\nName3=Group\\Other\r\n"
           "Make4=(App)\\PROG.EXE,-x\r\nName4=(Dsk)Prog\r\n",
           {{"PROG.EXE", "p"}});
    window.model["chkSCutStartMenu"].checked = false;
    install();
    const std::string programs = "C:\\WINDOWS\\" + J("ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ\\");
    EXPECT_FALSE(exists(programs + "PROG.EXE.lnk"));
    EXPECT_FALSE(exists(programs + "Group\\Prog.lnk"));
    EXPECT_TRUE(exists(programs + "Group\\Other.lnk"));
    EXPECT_TRUE(exists("C:\\WINDOWS\\" + J("ﾃﾞｽｸﾄｯﾌﾟ\\Prog.lnk")));
    EXPECT_EQ(log("DeleteShortCut", "File1"), programs + "Group\\Other.lnk");
    EXPECT_EQ(log("DeleteShortCut", "File3"), "");
}

TEST_F(InstallProcedureTest, AssociationsKeepTheFirstEarlierType) {
    platform.free = 1u << 30;
    platform.regCreateKey(RegistryRoot::ClassesRoot, ".smp");
    platform.regSetValue(RegistryRoot::ClassesRoot, ".smp", "", RegistryValue::string("old_type"));
    medium("[Relate]\r\nName1=smp,Sample data\r\nFile1=open,(App)\\VIEW.EXE,%1,0\r\n"
           "Name3=dec\r\nFile3=open,(App)\\VIEW.EXE,0\r\n");
    prompter.answers = {Answer::yes, Answer::yes, Answer::no};
    install();
    RegistryValue v;
    platform.regQueryValue(RegistryRoot::ClassesRoot, "smp_auto_file\\shell\\open\\command", "", v);
    EXPECT_EQ(v.text(), "\"C:\\Program Files\\Sample\\VIEW.EXE\" %1");
    EXPECT_NE(platform.regOpenKey(RegistryRoot::ClassesRoot, ".dec"), 0u);
    EXPECT_EQ(log("RestoreRelate", "Key1"), "smp,old_type");

    // Installed again: the first earlier type stays, not the installer's own.
    prompter.answers = {Answer::yes, Answer::no};
    install();
    EXPECT_EQ(log("RestoreRelate", "Key1"), "smp,old_type");
    EXPECT_EQ(log("RestoreRelate", "Key2"), "");
}

TEST_F(InstallProcedureTest, CompletionStartsAProgramOrAsksForARestart) {
    platform.free = 1u << 30;
    const std::string marker = machine.root() + "/started";
    write("C:\\MEDIA\\RUN.SH", "#!/bin/sh\necho \"$@\" > '" + marker + "'\n");
    std::filesystem::permissions(platform.hostPath("C:\\MEDIA\\RUN.SH"),
                                 std::filesystem::perms::owner_all);
    struct Row {
        std::string execute;
        std::vector<std::string> captions;
        bool reboot;
    } rows[] = {
        {"(App)\\RUN.SH,-a", {"フォルダ作成", "完了"}, false},
        {"(App)\\NOWHERE.EXE", {"完了", "警告"}, false},
        {"WINDOWS_REBOOT", {}, true},
    };
    for (const Row& r : rows) {
        medium("[CopyFile]\r\nFile1=(App)\\RUN.SH\r\n[ExecuteFile]\r\nFile=" + r.execute + "\r\n");
        prompter.asked.clear();
        machine.values.rebootRequested = false;
        EXPECT_EQ(install().outcome, Outcome::completed);
        EXPECT_EQ(captions(), r.captions) << r.execute;
        EXPECT_EQ(machine.values.rebootRequested, r.reboot);
    }
    // Without starting programs, the status line names what was not started.
    medium("[CopyFile]\r\nFile1=(App)\\RUN.SH\r\n[ExecuteFile]\r\nFile=(App)\\RUN.SH,-b\r\n");
    InstallProcedure::Options quiet;
    quiet.startPrograms = false;
    quiet.pause = false;
    window.sleeps.clear();
    InstallProcedure::run(context, window, SetupScript::read(context, "C:\\MEDIA\\SETUP.INI"),
                          quiet);
    EXPECT_TRUE(window.sleeps.empty());
    EXPECT_EQ(window.messages.back(), J("セットアップ後のプログラムは起動しません：") +
                                          "C:\\Program Files\\Sample\\RUN.SH -b");
    // The program started before runs on its own; give it a moment to leave its mark, a long one
    // when other tests keep the machine busy.
    for (int i = 0; i < 1000 && !std::filesystem::exists(marker); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_EQ(TempFolder::read(marker), "-a\n");
}

} // namespace
