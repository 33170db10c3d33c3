// The built setup program run as SETUP.EXE from a medium assembled from examples/package, on a
// temporary emulated machine: what a silent install leaves behind, and the exit codes.
#include "common/Cp932.h"
#include "tests/common/TempFolder.h"

#include <array>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <string>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int code = -1;
    std::string out; // bytes as written
    std::string err;
};

// Runs a shell command; its standard error goes through a file of the temporary folder.
Outcome run(const TempFolder& temp, const std::string& command) {
    Outcome outcome;
    const std::string errFile = temp.file("stderr.txt");
    FILE* pipe = ::popen((command + " 2>'" + errFile + "'").c_str(), "r");
    if (!pipe) {
        return outcome;
    }
    std::array<char, 4096> buffer{};
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
        outcome.out.append(buffer.data(), n);
    }
    int status = ::pclose(pipe);
    outcome.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    outcome.err = TempFolder::read(errFile);
    return outcome;
}

// An installation medium (the example files and the built program as SETUP.EXE) and the root of
// an emulated machine, side by side in one temporary folder.
class Medium {
public:
    Medium() {
        fs::create_directories(medium);
        for (const auto& entry : fs::directory_iterator(QUILLET_SOURCE_DIR "/examples/package")) {
            fs::copy_file(entry.path(), medium / entry.path().filename());
        }
        fs::copy_file(SETUP_PROGRAM, medium / "SETUP.EXE");
    }

    Outcome setup(const std::string& arguments = "") {
        return run(temp, "QUILLET_ROOT='" + root.string() + "' '" +
                             (medium / "SETUP.EXE").string() + "' /SILENT " + arguments);
    }

    // Replaces the first occurrence of an ASCII piece of SETUP.INI.
    void editScript(const std::string& from, const std::string& to) {
        std::string script = TempFolder::read(medium / "SETUP.INI");
        std::size_t at = script.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        TempFolder::write(medium / "SETUP.INI", script.replace(at, from.size(), to));
    }

    std::string installed(const std::string& hostPath) {
        return TempFolder::read((root / "drive_c" / hostPath).string());
    }

    TempFolder temp;
    fs::path medium = temp.path() / "medium";
    fs::path root = temp.path() / "root";
};

std::string crlf(const std::string& text) {
    std::string out;
    for (char c : text) {
        out += c == '\n' ? std::string("\r\n") : std::string(1, c);
    }
    return out;
}

std::string withoutCr(std::string text) {
    std::erase(text, '\r');
    return text;
}

// The value of a "Name : value" line of lnkinfo's report.
std::string lnkField(const std::string& report, const std::string& name) {
    std::size_t at = report.find("\t" + name);
    if (at == std::string::npos) {
        return "<missing " + name + ">";
    }
    std::size_t start = report.find(": ", at) + 2;
    return report.substr(start, report.find('\n', start) - start);
}

// The last CopyFile entry of the example script, and one more after it.
const std::string lastCopy = "File4=(Sys)\\SAMPLEX.DLL,/S\r\n";
const std::string oneMoreCopy = lastCopy + "File5=(App)\\Data\\EXTRA.TXT\r\n";

const char* const firstLog = R"([Information]
Message1=Quillet UnSetup(UnInstall) Initialize File
Message2=！！！　警告　！！！
Message3=このファイルをエディタなどで書き換えたり，削除しないでください．
Message4=書き換えた場合，アンセットアップ動作の保証はできません．
[Title]
UnSetup=サンプル 1.0 アンセットアップ
[SetupFolder]
Folder=C:\Program Files\Sample\
[DeleteFolder]
Folder1=C:\Program Files\Sample\
Folder2=C:\Program Files\Sample\Data\
[DeleteFile]
File1=C:\Program Files\Sample\SAMPLE.EXE
File2=C:\Program Files\Sample\SAMPLE.HLP
File3=C:\Program Files\Sample\Data\SAMPLE.INI
File4=C:\WINDOWS\SYSTEM32\SAMPLEX.DLL,/S
File5=C:\Program Files\Sample\UNSETUP.INI
[DeleteShortCut]
File1=C:\WINDOWS\ｽﾀｰﾄ ﾒﾆｭｰ\ﾌﾟﾛｸﾞﾗﾑ\サンプル\サンプル 1.0.lnk
[DeleteRegistry]
Key1=Software\Quillet\Sample
[RestoreRelate]
Key1=smp,
[UnSetupOption]
CheckBox=1,0,0,0
[UnSetupRegistryKey]
Key=SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\QuilletSample
[ProgramID]
ID=QUILLET-SAMPLE
)";

const char* const registryValues = R"([HKEY_CLASSES_ROOT\.smp]
@="smp_auto_file"

[HKEY_CLASSES_ROOT\smp_auto_file]
@="サンプル文書"

[HKEY_CLASSES_ROOT\smp_auto_file\DefaultIcon]
@="C:\\Program Files\\Sample\\SAMPLE.EXE,0"
)";

const char* const registryCommand = R"([HKEY_CLASSES_ROOT\smp_auto_file\shell\open\command]
@="\"C:\\Program Files\\Sample\\SAMPLE.EXE\" %1"
)";

const char* const registryFolder = R"([HKEY_CURRENT_USER\Software\Quillet\Sample]
"Folder"="C:\\Program Files\\Sample"
)";

const char* const uninstallEntry =
    R"([HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\QuilletSample]
"DisplayName"="サンプル 1.0"
"UninstallString"="C:\\WINDOWS\\UNQUILL.EXE \"C:\\Program Files\\Sample\\UNSETUP.INI\""
)";

TEST(SilentSetupProgram, InstallsTheSampleMediumAndAgainWithOneMoreFile) {
    Medium m;
    Outcome first = m.setup();
    ASSERT_EQ(first.code, 0) << first.err;
    EXPECT_EQ(first.err, "");
    for (const char* line :
         {"Creating -> C:\\Program Files\\Sample\\Data\\\n",
          "Copying -> C:\\Program Files\\Sample\\SAMPLE.HLP\n",
          "Copying -> C:\\WINDOWS\\SYSTEM32\\SAMPLEX.DLL\n", "Creating -> サンプル\\サンプル 1.0\n",
          "セットアップが完了しました．\n"}) {
        EXPECT_NE(first.out.find(line), std::string::npos) << line << "\nin:\n" << first.out;
    }

    // The files, the compressed one as msexpand expands it.
    const fs::path source = m.medium;
    EXPECT_EQ(m.installed("Program Files/Sample/SAMPLE.EXE"),
              TempFolder::read(source / "SAMPLE.EXE"));
    EXPECT_EQ(m.installed("Program Files/Sample/Data/SAMPLE.INI"),
              TempFolder::read(source / "SAMPLE.INI"));
    EXPECT_EQ(m.installed("WINDOWS/SYSTEM32/SAMPLEX.DLL"),
              TempFolder::read(source / "SAMPLEX.DLL"));
    Outcome expanded = run(m.temp, "msexpand < '" + (source / "SAMPLE.HL_").string() + "'");
    ASSERT_EQ(expanded.code, 0) << "msexpand (package mscompress) is needed: " << expanded.err;
    ASSERT_GT(expanded.out.size(), 0u);
    EXPECT_EQ(m.installed("Program Files/Sample/SAMPLE.HLP"), expanded.out);

    // The uninstaller, its log, the remembered folder and the registry.
    const fs::path uninstaller = m.root / "drive_c/WINDOWS/UNQUILL.EXE";
    EXPECT_EQ(::access(uninstaller.c_str(), X_OK), 0);
    EXPECT_EQ(TempFolder::read(uninstaller), TempFolder::read(source / "SETUP.EXE"));
    EXPECT_EQ(cp932::toUtf8(m.installed("Program Files/Sample/UNSETUP.INI")), crlf(firstLog));
    EXPECT_EQ(cp932::toUtf8(m.installed("WINDOWS/QUILLET.INI")),
              crlf("[QUILLET-SAMPLE]\nFolder=C:\\Program Files\\Sample\\\n"));
    std::string registry = withoutCr(cp932::toUtf8(TempFolder::read(m.root / "registry.reg")));
    EXPECT_EQ(registry.rfind("REGEDIT4\n", 0), 0u);
    for (const char* part : {registryValues, registryCommand, registryFolder, uninstallEntry}) {
        EXPECT_NE(registry.find(part), std::string::npos) << part << "\nin:\n" << registry;
    }

    // The shortcut as an outside reader of the link format sees it.
    Outcome link = run(m.temp, "lnkinfo '" + m.root.string() +
                                   "/drive_c/WINDOWS/ｽﾀｰﾄ ﾒﾆｭｰ/ﾌﾟﾛｸﾞﾗﾑ/サンプル/サンプル 1.0.lnk'");
    ASSERT_EQ(link.code, 0) << "lnkinfo (package liblnk-utils) is needed: " << link.err;
    EXPECT_EQ(lnkField(link.out, "Local path"), "C:\\Program Files\\Sample\\SAMPLE.EXE");
    EXPECT_EQ(lnkField(link.out, "Working directory"), "C:\\Program Files\\Sample\\");

    // Once more with a sixth file: the log keeps its numbers and adds the new file after them.
    m.editScript(lastCopy, oneMoreCopy);
    TempFolder::write(m.medium / "EXTRA.TXT", "extra\r\n");
    Outcome second = m.setup();
    ASSERT_EQ(second.code, 0) << second.err;
    EXPECT_EQ(second.err, "");
    std::string log = crlf(firstLog);
    const std::string last = "File5=C:\\Program Files\\Sample\\UNSETUP.INI\r\n";
    log.insert(log.find(last) + last.size(),
               "File6=C:\\Program Files\\Sample\\Data\\EXTRA.TXT\r\n");
    EXPECT_EQ(cp932::toUtf8(m.installed("Program Files/Sample/UNSETUP.INI")), log);
    EXPECT_EQ(m.installed("Program Files/Sample/Data/EXTRA.TXT"), "extra\r\n");
    registry = withoutCr(cp932::toUtf8(TempFolder::read(m.root / "registry.reg")));
    EXPECT_NE(registry.find(R"("C:\\WINDOWS\\SYSTEM32\\SAMPLEX.DLL"=dword:00000002)"),
              std::string::npos)
        << registry;
}

// Every file below drive_c with its bytes, and every registry value under its key; keys without
// values are left out (a parent key made for a value stays when the value goes, as on Windows).
std::map<std::string, std::string> machineState(const fs::path& root) {
    std::map<std::string, std::string> state;
    for (const auto& entry : fs::recursive_directory_iterator(root / "drive_c")) {
        if (entry.is_regular_file()) {
            state[fs::relative(entry.path(), root).string()] = TempFolder::read(entry.path());
        }
    }
    std::istringstream registry(withoutCr(cp932::toUtf8(TempFolder::read(root / "registry.reg"))));
    std::string key;
    for (std::string line; std::getline(registry, line);) {
        if (line.starts_with("[")) {
            key = line;
        } else if (!line.empty() && line != "REGEDIT4") {
            state["registry " + key + " " + line] = "";
        }
    }
    return state;
}

TEST(SilentSetupProgram, UninstallingLeavesTheMachineAsBefore) {
    Medium m;
    // A run without a script makes the machine and installs nothing.
    fs::rename(m.medium / "SETUP.INI", m.temp.path() / "SETUP.INI");
    ASSERT_EQ(m.setup().code, 2);
    fs::rename(m.temp.path() / "SETUP.INI", m.medium / "SETUP.INI");
    const auto before = machineState(m.root);

    ASSERT_EQ(m.setup().code, 0);
    Outcome removed = run(m.temp, "QUILLET_ROOT='" + m.root.string() + "' '" +
                                      (m.root / "drive_c/WINDOWS/UNQUILL.EXE").string() +
                                      "' 'C:\\Program Files\\Sample\\UNSETUP.INI' /SILENT");
    EXPECT_EQ(removed.code, 0) << removed.err;

    // Left behind by rule: the uninstaller, the installer's own ini file, and the shared library
    // that no program uses any more, kept as the unattended answer "Save" keeps it.
    auto after = machineState(m.root);
    for (const char* kept : {"drive_c/WINDOWS/UNQUILL.EXE", "drive_c/WINDOWS/QUILLET.INI",
                             "drive_c/WINDOWS/SYSTEM32/SAMPLEX.DLL"}) {
        EXPECT_EQ(after.erase(kept), 1u) << kept;
    }
    std::string differences;
    for (const auto& [name, bytes] : before) {
        if (!after.contains(name)) {
            differences += "gone: " + name + "\n";
        } else if (after[name] != bytes) {
            differences += "changed: " + name + "\n";
        }
    }
    for (const auto& [name, bytes] : after) {
        if (!before.contains(name)) {
            differences += "left: " + name + "\n";
        }
    }
    EXPECT_EQ(differences, "");
    EXPECT_FALSE(fs::exists(m.root / "drive_c/Program Files/Sample"));
}

TEST(SilentSetupProgram, ExitCodes) {
    struct Row {
        const char* name;
        std::string arguments;
        std::string scriptFrom, scriptTo; // an edit of SETUP.INI; "" for none
        bool dropScript;
        bool holdLock;
        int code;
        std::string errPart;  // UTF-8 piece of standard error; "" for any
        std::string rootFile; // a file or folder below the machine's root
        bool rootFileExists;
    };
    const Row rows[] = {
        {"folder given", "'/DIR=C:\\Other\\Place'", "", "", false, false, 0, "",
         "drive_c/Other/Place/Data/SAMPLE.INI", true},
        {"no script", "", "", "", true, false, 2,
         "【致命的エラー  →  iniファイル読み込み失敗】\n\nセットアップ・アンセットアップ("
         "アンインストール)は続行できません．\n",
         "drive_c/Program Files/Sample", false},
        {"running", "", "", "", false, true, 4, "セットアップは既に実行中です．\n",
         "drive_c/Program Files/Sample", false},
        {"restart", "", "[ExecuteFile]\r\nFile=", "[ExecuteFile]\r\nFile=WINDOWS_REBOOT", false,
         false, 3, "", "RESTART-REQUESTED", true},
        {"missing source", "", lastCopy, oneMoreCopy, false, false, 1,
         "<File> C:\\Program Files\\Sample\\Data\\EXTRA.TXT\n"
         "指定されたファイルが見つかりません。\n",
         "drive_c/Program Files/Sample/UNSETUP.INI", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Medium m;
        if (!row.scriptFrom.empty()) {
            m.editScript(row.scriptFrom, row.scriptTo);
        }
        if (row.dropScript) {
            fs::remove(m.medium / "SETUP.INI");
        }
        int lock = -1;
        if (row.holdLock) {
            fs::create_directories(m.root);
            lock = ::open((m.root / "QUILLRUN.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
            ASSERT_EQ(::flock(lock, LOCK_EX), 0);
        }
        Outcome outcome = m.setup(row.arguments);
        if (lock >= 0) {
            ::close(lock);
        }
        EXPECT_EQ(outcome.code, row.code) << outcome.err;
        EXPECT_NE(outcome.err.find(row.errPart), std::string::npos) << outcome.err;
        EXPECT_EQ(fs::exists(m.root / row.rootFile), row.rootFileExists) << row.rootFile;
    }
}

} // namespace
