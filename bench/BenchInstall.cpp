// Times a silent installation of a large package on a fresh emulated machine, its reinstall over
// the first and its uninstallation, against `/bin/cp -r` and `/bin/rm -r` of the same files in the
// same run, and against copying them one by one flushed to disk.
#include "bench/BenchClock.h"
#include "common/AtomicFile.h"
#include "install/InstallProcedure.h"
#include "install/SetupScript.h"
#include "install/StartUp.h"
#include "services/platform/posix/PosixPlatform.h"
#include "ui/SilentPrompter.h"
#include "ui/SilentWindow.h"
#include "uninstall/UninstallProcedure.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <unistd.h>

namespace {

using bench::Clock;
using bench::millisecondsSince;

constexpr int kFiles = 1000;
constexpr int kFolders = 20;
constexpr int kShortcuts = 20;
constexpr int kRegistryValues = 20;
constexpr std::size_t kTotalBytes = 10u * 1000 * 1000;
constexpr int kRounds = 5;

// Each step starts with nothing left for the disk to write: what one step leaves in the journal
// (the flushed copies above all) is not charged to the next.
void settle() {
    ::sync();
}

std::string numbered(const char* prefix, int n, int width) {
    char text[32];
    std::snprintf(text, sizeof text, "%s%0*d", prefix, width, n);
    return text;
}

std::string fileName(int i) {
    return numbered("FILE", i, 4) + ".DAT";
}
std::string folderName(int i) {
    return numbered("DIR", i % kFolders, 2);
}

void writeHostFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

// The medium: SETUP.EXE (empty: only its folder counts), SETUP.INI and the files.
void writeMedium(const std::filesystem::path& medium) {
    std::filesystem::create_directories(medium);
    writeHostFile(medium / "SETUP.EXE", "");
    std::string ini = "[Title]\r\nSetup=Bench\r\n[ProgramID]\r\nID=BENCH\r\n"
                      "[DefaultFolder]\r\nFolder=(Prg)\\Bench\\\r\n[MakeFolder]\r\n";
    for (int i = 0; i < kFolders; ++i) {
        ini += "Folder" + std::to_string(i + 1) + "=(App)\\" + folderName(i) + "\r\n";
    }
    ini += "[CopyFile]\r\n";
    const std::string bytes(kTotalBytes / kFiles, 'x');
    for (int i = 0; i < kFiles; ++i) {
        ini += "File" + std::to_string(i + 1) + "=(App)\\" + folderName(i) + "\\" + fileName(i) +
               "\r\n";
        writeHostFile(medium / fileName(i), bytes);
    }
    ini += "[ShortCut]\r\n";
    for (int i = 0; i < kShortcuts; ++i) {
        ini += "Make" + std::to_string(i + 1) + "=(App)\\" + folderName(i) + "\\" + fileName(i) +
               "\r\nName" + std::to_string(i + 1) + "=Bench " + std::to_string(i) + "\r\n";
    }
    ini += "[Registry]\r\n";
    for (int i = 0; i < kRegistryValues; ++i) {
        const std::string n = std::to_string(i + 1);
        ini += "Key" + n + "=(Local)\\Software\\Bench\\Settings\r\nName" + n + "=Value" + n +
               "\r\nValue" + n + "=(Str)(App)\\" + folderName(i) + "(Pdd)\r\n";
    }
    writeHostFile(medium / "SETUP.INI", ini);
}

struct Timing {
    double startUp = 0, script = 0, procedure = 0, total = 0;
    int failures = 0;
    bool completed = false;
};

// An emulated machine with the silent front end's prompter and window, without console output.
struct SilentRun {
    SilentRun(const std::string& root, const std::string& programHostPath)
        : platform(PosixPlatform::Options{root, programHostPath}), quiet(nullptr),
          prompter(quiet, quiet), context{platform, prompter, values}, window(quiet) {}

    PosixPlatform platform;
    std::ostream quiet;
    SilentPrompter prompter;
    ProcessValues values;
    SetupContext context;
    SilentWindow window;
};

// One silent installation as the silent front end runs it.
Timing install(const std::string& root, const std::string& programHostPath) {
    settle();
    SilentRun run(root, programHostPath);
    SetupContext& context = run.context;
    SilentWindow& window = run.window;
    InstallProcedure::Options options;
    options.startPrograms = false;
    options.pause = false;

    Timing t;
    const Clock::time_point start = Clock::now();
    if (!StartUp::run(context, window.model, "").empty()) {
        return t;
    }
    t.startUp = millisecondsSince(start);
    Clock::time_point phase = Clock::now();
    const SetupScript script = SetupScript::read(context, run.values.scriptCopy);
    t.script = millisecondsSince(phase);
    phase = Clock::now();
    const InstallProcedure::Result result = InstallProcedure::run(context, window, script, options);
    t.procedure = millisecondsSince(phase);
    StartUp::closeMainWindow(context);
    t.total = millisecondsSince(start);
    t.failures = result.failures;
    t.completed = result.outcome == InstallProcedure::Outcome::completed;
    return t;
}

// The silent uninstallation of what install() put in.
Timing uninstall(const std::string& root, const std::string& programHostPath) {
    settle();
    SilentRun run(root, programHostPath);
    SetupContext& context = run.context;
    SilentWindow& window = run.window;
    Timing t;
    const Clock::time_point start = Clock::now();
    if (!StartUp::run(context, window.model, "C:\\Program Files\\Bench\\UNSETUP.INI").empty()) {
        return t;
    }
    t.startUp = millisecondsSince(start);
    const Clock::time_point phase = Clock::now();
    const UninstallProcedure::Result result = UninstallProcedure::run(context, window);
    t.procedure = millisecondsSince(phase);
    StartUp::closeMainWindow(context);
    t.total = millisecondsSince(start);
    t.failures = result.failures;
    t.completed = result.outcome == UninstallProcedure::Outcome::completed;
    return t;
}

double removeTree(const std::filesystem::path& folder) {
    const std::string command = "/bin/rm -r '" + folder.string() + "'";
    settle();
    const Clock::time_point start = Clock::now();
    if (std::system(command.c_str()) != 0) {
        return -1;
    }
    return millisecondsSince(start);
}

double copyTree(const std::filesystem::path& from, const std::filesystem::path& to) {
    const std::string command = "/bin/cp -r '" + from.string() + "' '" + to.string() + "'";
    settle();
    const Clock::time_point start = Clock::now();
    if (std::system(command.c_str()) != 0) {
        return -1;
    }
    return millisecondsSince(start);
}

int countFiles(const std::filesystem::path& folder) {
    std::error_code ec;
    int count = 0;
    for (auto it = std::filesystem::recursive_directory_iterator(folder, ec);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
        count += it->is_regular_file() ? 1 : 0;
    }
    return count;
}

// Each file read and replaced atomically, as the emulated machine copies a file.
double copyFlushed(const std::filesystem::path& from, const std::filesystem::path& to) {
    settle();
    const Clock::time_point start = Clock::now();
    std::filesystem::create_directories(to);
    std::string contents;
    for (const auto& entry : std::filesystem::directory_iterator(from)) {
        if (!atomic_file::read(entry.path().string(), contents) ||
            !atomic_file::write((to / entry.path().filename()).string(), contents)) {
            return -1;
        }
    }
    return millisecondsSince(start);
}

void keepBest(Timing& best, const Timing& t) {
    if (best.total == 0 || t.total < best.total) {
        best = t;
    }
}

void printRow(const char* name, const Timing& t, double baseline, double flushed) {
    std::printf("%-18s %8.1f ms  (start-up %6.1f  script %6.1f  procedure %8.1f)  ratio %5.2f  "
                "flushed ratio %5.2f\n",
                name, t.total, t.startUp, t.script, t.procedure, t.total / baseline,
                t.total / flushed);
}

} // namespace

int main() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "bench-install-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::filesystem::path base = pattern;
    const std::filesystem::path medium = base / "medium";
    writeMedium(medium);

    int result = 0;
    Timing first, again, removed;
    double baseline = 0;
    double removeBaseline = 0;
    double flushed = 0;
    for (int round = 0; round < kRounds; ++round) {
        const std::filesystem::path root = base / ("root" + std::to_string(round));
        const std::filesystem::path copies = base / ("copies" + std::to_string(round));
        const double copied = copyTree(medium, copies);
        if (copied < 0) {
            std::fprintf(stderr, "/bin/cp -r failed\n");
            return 1;
        }
        baseline = round == 0 ? copied : std::min(baseline, copied);
        const double copiedFlushed =
            copyFlushed(medium, base / ("flushed" + std::to_string(round)));
        if (copiedFlushed < 0) {
            std::fprintf(stderr, "flushed copy failed\n");
            return 1;
        }
        flushed = round == 0 ? copiedFlushed : std::min(flushed, copiedFlushed);
        const std::string program = (medium / "SETUP.EXE").string();
        const Timing a = install(root.string(), program);
        const int installed = countFiles(root / "drive_c" / "Program Files" / "Bench");
        if (installed != kFiles + 1) { // the files and UNSETUP.INI
            std::fprintf(stderr, "round %d: %d files installed\n", round, installed);
            result = 1;
        }
        const Timing b = install(root.string(), program);
        for (const Timing* t : {&a, &b}) {
            if (!t->completed || t->failures != 0) {
                std::fprintf(stderr, "round %d: install not completed (%d failures)\n", round,
                             t->failures);
                result = 1;
            }
        }
        const Timing c = uninstall(root.string(), program);
        if (!c.completed || c.failures != 0 ||
            std::filesystem::exists(root / "drive_c" / "Program Files" / "Bench")) {
            std::fprintf(stderr, "round %d: uninstall not complete (%d failures)\n", round,
                         c.failures);
            result = 1;
        }
        const double rm = removeTree(copies);
        if (rm < 0) {
            std::fprintf(stderr, "/bin/rm -r failed\n");
            return 1;
        }
        removeBaseline = round == 0 ? rm : std::min(removeBaseline, rm);
        keepBest(first, a);
        keepBest(again, b);
        keepBest(removed, c);
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
        std::filesystem::remove_all(copies, ec);
        std::filesystem::remove_all(base / ("flushed" + std::to_string(round)), ec);
    }

    std::printf("%d files %zu MB in %d folders, %d shortcuts, %d registry values; best of %d\n",
                kFiles, kTotalBytes / 1000000, kFolders, kShortcuts, kRegistryValues, kRounds);
    std::printf("%-18s %8.1f ms\n", "/bin/cp -r", baseline);
    std::printf("%-18s %8.1f ms\n", "flushed copies", flushed);
    printRow("install", first, baseline, flushed);
    printRow("reinstall", again, baseline, flushed);
    std::printf("%-18s %8.1f ms\n", "/bin/rm -r", removeBaseline);
    std::printf("%-18s %8.1f ms  (start-up %6.1f  procedure %8.1f)  ratio %5.2f\n", "uninstall",
                removed.total, removed.startUp, removed.procedure, removed.total / removeBaseline);
    std::error_code ec;
    std::filesystem::remove_all(base, ec);
    return result;
}
