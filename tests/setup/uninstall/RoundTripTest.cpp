// Install then uninstall on an emulated machine, for many random packages and the example medium:
// the install changes only what its log names, and the uninstall gives back the machine as it was
// but for the uninstaller, QUILLET.INI and the shared libraries that the rules keep.
#include "install/InstallProcedure.h"
#include "install/StartUp.h"
#include "services/IniValues.h"
#include "services/SharedDllCounts.h"
#include "tests/setup/services/RecordingWindow.h"
#include "tests/setup/uninstall/MachineSnapshot.h"
#include "tests/setup/uninstall/PackageGenerator.h"
#include "uninstall/UninstallProcedure.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

namespace {

namespace fs = std::filesystem;

// The emulated registry is flushed to disk at every change: on a memory file system, where there
// is one, two hundred round trips take seconds instead of half a minute.
const bool kMemoryTemp = [] {
    std::error_code error;
    return fs::is_directory("/dev/shm", error) && ::setenv("TMPDIR", "/dev/shm", 0) == 0;
}();

std::string upper(std::string text) {
    for (char& c : text) {
        c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return text;
}

// The user of the main window: after a failure the details are read and "続行(&C)" pressed.
void pressContinue(RecordingWindow& w) {
    if (w.model["fraReadme"].visible && w.model["btnEvent"].text == J("続行(&C)")) {
        w.model["btnEvent"].enabled = false;
    }
}

// One machine with its medium in a host folder outside it, seen under Z:.
struct RoundTrip {
    TempFolder media;
    EmulatedMachine m{PosixPlatform::Options{"", media.file("SETUP.EXE")}};
    std::string failures; // the failure logs of both runs (UTF-8)

    void install(const std::array<bool, 4>& boxes) {
        RecordingWindow window;
        window.onMessages = pressContinue;
        ASSERT_TRUE(StartUp::run(m.context, window.model, "").empty());
        const char* const names[] = {"chkSCutDesktop", "chkSCutStartMenu", "chkSCutStartUp",
                                     "chkSCutSendTo"};
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            window.model[names[i]].checked = boxes[i];
        }
        const SetupScript script = SetupScript::read(m.context, m.values.scriptCopy);
        InstallProcedure::Options options;
        options.startPrograms = false;
        options.pause = false;
        const auto result = InstallProcedure::run(m.context, window, script, options);
        StartUp::closeMainWindow(m.context);
        EXPECT_EQ(result.outcome, InstallProcedure::Outcome::completed);
        failures += cp932::toUtf8(result.failureLog);
    }

    // deletion: the answer to every shared file no longer used, "Save" or "Delete".
    void uninstall(const std::string& log, const std::string& deletion) {
        RecordingWindow window;
        window.onMessages = pressContinue;
        window.deletionAnswers.assign(4, deletion);
        ASSERT_TRUE(StartUp::run(m.context, window.model, log).empty());
        const auto result = UninstallProcedure::run(m.context, window);
        StartUp::closeMainWindow(m.context);
        EXPECT_EQ(result.outcome, UninstallProcedure::Outcome::completed);
        EXPECT_TRUE(window.closed);
        failures += cp932::toUtf8(result.failureLog);
    }

    // A numbered list of the log, each value cut at its first ",".
    std::vector<std::string> list(const std::string& log, const std::string& section,
                                  const std::string& prefix, bool cut = true) {
        std::vector<std::string> values;
        for (int n = 1;; ++n) {
            std::string value =
                ReadIniValue(m.context, section, prefix + std::to_string(n), "", log);
            if (value.empty()) {
                return values;
            }
            values.push_back(cut ? value.substr(0, value.find(',')) : value);
        }
    }

    // What the install changed that its log does not name, one line each; and the logged paths
    // that are not there.
    std::string unlogged(const MachineSnapshot& before, const MachineSnapshot& after,
                         const std::string& log) {
        std::vector<std::string> covered; // paths and keys whose entries and contents are logged
        for (const auto& [section, prefix] : {std::pair{"DeleteFile", "File"},
                                              {"DeleteFolder", "Folder"},
                                              {"DeleteShortCut", "File"}}) {
            for (const std::string& path : list(log, section, prefix)) {
                covered.push_back(path);
                if (!m.exists(path)) {
                    ADD_FAILURE() << "logged but missing: " << cp932::toUtf8(path);
                }
            }
        }
        for (const std::string& link : list(log, "DeleteShortCut", "File")) {
            covered.push_back(link.substr(0, link.rfind('\\'))); // the group it made
        }
        covered.push_back(ReadIniValue(m.context, "SetupFolder", "Folder", "", log));
        for (std::string key : list(log, "DeleteRegistry", "Key", false)) {
            const bool token = key.size() > 7 && key[0] == '(' && key[6] == ')';
            const std::string root = token && upper(key.substr(0, 7)) == "(LOCAL)"
                                         ? "HKEY_LOCAL_MACHINE\\"
                                         : "HKEY_CURRENT_USER\\";
            covered.push_back(root + (token ? key.substr(7) : key));
        }
        for (const std::string& extension : list(log, "RestoreRelate", "Key")) {
            covered.push_back("HKEY_CLASSES_ROOT\\." + extension);
            covered.push_back("HKEY_CLASSES_ROOT\\" + extension + "_auto_file");
        }
        covered.push_back("HKEY_LOCAL_MACHINE\\" +
                          ReadIniValue(m.context, "UnSetupRegistryKey", "Key", "", log));
        for (const std::string& path : list(log, "DeleteFile", "File")) {
            covered.push_back(
                "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs : " +
                path);
        }
        covered.push_back("C:\\WINDOWS\\UNQUILL.EXE");
        covered.push_back("C:\\WINDOWS\\QUILLET.INI");
        const auto logged = [&](const std::string& name) {
            const std::string n = upper(name);
            for (std::string c : covered) {
                c = upper(c);
                if (c.ends_with('\\')) {
                    c.pop_back();
                }
                if (n == c || n.starts_with(c + "\\") || n.starts_with(c + " : ")) {
                    return true;
                }
            }
            return false;
        };
        return before.diff(after, logged);
    }
};

int caseCount() {
    const char* text = std::getenv("QUILLET_ROUND_TRIPS");
    return text ? std::atoi(text) : 200;
}

// Every fifth package is installed twice before the uninstall: the log is carried over, and each
// install counts its shared libraries once, so one use of each stays counted and its file stays.
TEST(RoundTripTest, RandomPackagesLeaveTheMachineAsItWas) {
    const std::string counts =
        "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs : ";
    int failed = 0;
    for (int n = 1; n <= caseCount() && failed < 3; ++n) {
        SCOPED_TRACE("case " + std::to_string(n));
        RoundTrip trip;
        PackageGenerator::prepareMachine(trip.m);
        PackageGenerator generator(n);
        const auto package = generator.make(trip.m, trip.media.path().string());
        const std::string log = package.setupFolder + "UNSETUP.INI";
        const std::string deletion = n % 2 ? "Save" : "Delete";
        const bool twice = n % 5 == 0;
        const MachineSnapshot before = MachineSnapshot::take(trip.m);

        std::string unlogged;
        for (int run = 0; run < (twice ? 2 : 1); ++run) {
            trip.install(package.boxes);
            unlogged += trip.unlogged(before, MachineSnapshot::take(trip.m), log);
        }
        EXPECT_TRUE(unlogged.empty()) << "changed but not logged:\n" << unlogged;
        EXPECT_EQ(trip.m.exists("C:\\WINDOWS\\UNQUILL.EXE"), package.setupExe);
        for (const auto& [file, bytes] : package.installed) {
            EXPECT_TRUE(trip.m.exists(package.setupFolder + file) &&
                        trip.m.read(package.setupFolder + file) == bytes)
                << cp932::toUtf8(file);
        }
        if (package.iniBox) {
            // The program's own settings, which the ticked box lets the uninstaller delete.
            trip.m.write(package.setupFolder + "USER.INI", "[Window]\r\nLeft=0\r\n");
        }

        trip.uninstall(log, deletion);
        std::set<std::string> kept = {"C:\\WINDOWS\\QUILLET.INI"};
        if (package.setupExe) {
            kept.insert("C:\\WINDOWS\\UNQUILL.EXE");
        }
        for (const auto& [path, users] : package.countedShared) {
            kept.insert({path, counts + path});
            EXPECT_TRUE(trip.m.exists(path)) << cp932::toUtf8(path);
            EXPECT_EQ(GetSharedDllCount(trip.m.context, path), users + (twice ? 1 : 0));
        }
        for (const std::string& path : package.newShared) {
            const bool stays = twice || deletion == "Save";
            kept.insert({path, counts + path});
            EXPECT_EQ(trip.m.exists(path), stays) << cp932::toUtf8(path);
            EXPECT_EQ(GetSharedDllCount(trip.m.context, path), twice ? 1 : 0);
        }
        const std::string diff = before.diff(MachineSnapshot::take(trip.m),
                                             [&](const auto& name) { return kept.contains(name); });
        EXPECT_TRUE(diff.empty()) << "not as before:\n" << diff;
        EXPECT_TRUE(trip.failures.empty()) << trip.failures;
        if (!unlogged.empty() || !diff.empty() || !trip.failures.empty()) {
            ++failed;
            ADD_FAILURE() << "deletion answer " << deletion << (twice ? ", installed twice" : "")
                          << ", script:\n"
                          << cp932::toUtf8(package.script);
        }
    }
}

// The example medium, copied beside the machine: its program's key goes with the uninstall, the
// maker's key above it stays, as its script deletes only the program's own.
TEST(RoundTripTest, ExampleMediumLeavesTheMachineAsItWas) {
    for (const std::string deletion : {"Save", "Delete"}) {
        SCOPED_TRACE(deletion);
        RoundTrip trip;
        fs::copy(QUILLET_SOURCE_DIR "/examples/package", trip.media.path(),
                 fs::copy_options::recursive);
        PackageGenerator::prepareMachine(trip.m);
        const MachineSnapshot before = MachineSnapshot::take(trip.m);
        const std::string folder = "C:\\Program Files\\Sample\\";

        trip.install({true, true, true, true});
        EXPECT_EQ(trip.unlogged(before, MachineSnapshot::take(trip.m), folder + "UNSETUP.INI"),
                  "+ HKEY_CURRENT_USER\\Software\\Quillet  [key]\n");
        EXPECT_TRUE(trip.m.exists(folder + "SAMPLE.HLP"));

        trip.uninstall(folder + "UNSETUP.INI", deletion);
        const std::string dll = "C:\\WINDOWS\\SYSTEM32\\SAMPLEX.DLL";
        EXPECT_EQ(trip.m.exists(dll), deletion == "Save");
        EXPECT_EQ(GetSharedDllCount(trip.m.context, dll), 0);
        const std::set<std::string> kept = {"C:\\WINDOWS\\QUILLET.INI", dll};
        EXPECT_EQ(before.diff(MachineSnapshot::take(trip.m),
                              [&](const auto& name) { return kept.contains(name); }),
                  "+ HKEY_CURRENT_USER\\Software\\Quillet  [key]\n");
        EXPECT_TRUE(trip.failures.empty()) << trip.failures;
    }
}

} // namespace
