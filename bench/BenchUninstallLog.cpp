// Times writing the uninstall log of a large package (first install, then a reinstall that
// carries the log over) against the same count of plain file copies on the emulated machine.
#include "bench/BenchClock.h"
#include "common/ScriptedPrompter.h"
#include "services/FileRoutines.h"
#include "services/platform/posix/PosixPlatform.h"
#include "ui/SilentWindow.h"
#include "uninstall/UninstallLists.h"
#include "uninstall/UninstallLogWriter.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>

namespace {

using bench::Clock;
using bench::millisecondsSince;

constexpr int kFiles = 1000;
constexpr int kFolders = 20;
constexpr int kShortcuts = 50;

UninstallLists packageLists() {
    UninstallLists lists;
    for (int i = 0; i < kFolders; ++i) {
        lists.folders.push_back("C:\\APP\\SUB" + std::to_string(i) + "\\");
    }
    for (int i = 0; i < kFiles; ++i) {
        lists.files.push_back("C:\\APP\\SUB" + std::to_string(i % kFolders) + "\\FILE" +
                              std::to_string(i) + ".DAT" + (i % 10 == 0 ? ",/S" : ""));
    }
    for (int i = 0; i < kShortcuts; ++i) {
        lists.shortcuts.push_back("C:\\WINDOWS\\LINK" + std::to_string(i) + ".LNK");
    }
    lists.registryKeys.push_back("(Local)SOFTWARE\\APP");
    lists.recordAssociation("app", "");
    return lists;
}

} // namespace

int main() {
    std::string pattern = (std::filesystem::temp_directory_path() / "bench-unlog-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string root = pattern;
    int result = 0;
    {
        PosixPlatform platform(PosixPlatform::Options{root + "/root", {}});
        ScriptedPrompter prompter;
        ProcessValues values;
        values.sourceFolder = "C:\\MEDIUM\\";
        values.windowsFolder = "C:\\WINDOWS\\";
        values.workFolder = "C:\\WINDOWS\\TEMP\\BSTMP1\\";
        SetupContext context{platform, prompter, values};
        platform.createDirectory("C:\\WINDOWS\\TEMP\\BSTMP1");
        platform.createDirectory("C:\\APP");
        platform.createDirectory("C:\\COPIES");
        platform.writeFile("C:\\MEDIUM.DAT", std::string(4096, 'x'));

        Clock::time_point start = Clock::now();
        for (int i = 0; i < kFiles; ++i) {
            CopyFileOverwrite(context, "C:\\MEDIUM.DAT", "C:\\COPIES\\F" + std::to_string(i));
        }
        const double baseline = millisecondsSince(start);

        std::ostream quiet(nullptr);
        SilentWindow window(quiet); // shows nothing
        UninstallLogWriter::Failures failures;
        const UninstallLogWriter::Names names{"Bench", "Bench", "Bench", "BENCH", ""};
        start = Clock::now();
        UninstallLogWriter::write(context, window, packageLists(), names, "C:\\APP\\", failures);
        const double first = millisecondsSince(start);

        start = Clock::now();
        UninstallLists again;
        again.carryOver(context, "C:\\APP\\");
        const double carried = millisecondsSince(start);
        const std::size_t carriedFiles = again.files.size();
        UninstallLists more = packageLists();
        again.files.insert(again.files.end(), more.files.begin(), more.files.end());
        start = Clock::now();
        UninstallLogWriter::write(context, window, again, names, "C:\\APP\\", failures);
        const double second = millisecondsSince(start);

        std::printf("%d files %d folders %d shortcuts  %d copies %8.1f ms\n", kFiles, kFolders,
                    kShortcuts, kFiles, baseline);
        std::printf("first install log  %8.1f ms  ratio %5.2f\n", first, first / baseline);
        std::printf("carry-over         %8.1f ms  ratio %5.2f\n", carried, carried / baseline);
        std::printf("reinstall log      %8.1f ms  ratio %5.2f\n", second, second / baseline);
        if (carriedFiles != static_cast<std::size_t>(kFiles)) {
            std::fprintf(stderr, "carried over %zu files, expected %d\n", carriedFiles, kFiles);
            result = 1;
        }
    }
    std::error_code ec;
    std::filesystem::remove_all(root, ec);
    return result;
}
