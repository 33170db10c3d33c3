// Fuzz target: any bytes as the previous UNSETUP.INI of a reinstall. Carrying it over never
// crashes, and the log written from the carried lists carries over again to no more entries.
#include "common/ScriptedPrompter.h"
#include "services/platform/posix/PosixPlatform.h"
#include "ui/SilentWindow.h"
#include "uninstall/UninstallLists.h"
#include "uninstall/UninstallLogWriter.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>

namespace {

std::string makeRoot() {
    std::string pattern = (std::filesystem::temp_directory_path() / "fuzz-unlog-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::abort();
    }
    return pattern;
}

// One emulated machine for the whole run, removed at exit.
struct Machine {
    std::string root = makeRoot();
    PosixPlatform platform{PosixPlatform::Options{root + "/root", {}}};
    ScriptedPrompter prompter;
    ProcessValues values;
    SetupContext context{platform, prompter, values};

    Machine() {
        values.sourceFolder = "C:\\MEDIUM\\";
        values.windowsFolder = "C:\\WINDOWS\\";
        values.workFolder = "C:\\WINDOWS\\TEMP\\BSTMP1\\";
        platform.createDirectory("C:\\WINDOWS\\TEMP\\BSTMP1");
        platform.createDirectory("C:\\APP");
    }
    ~Machine() {
        std::error_code ec;
        std::filesystem::remove_all(root, ec);
    }
};

std::size_t entries(const UninstallLists& lists) {
    return lists.folders.size() + lists.files.size() + lists.shortcuts.size() +
           lists.registryKeys.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Machine machine;
    SetupContext& context = machine.context;
    machine.platform.writeFile("C:\\APP\\UNSETUP.INI",
                               std::string(reinterpret_cast<const char*>(data), size));
    UninstallLists carried;
    carried.carryOver(context, "C:\\APP\\");

    std::ostream quiet(nullptr);
    SilentWindow window(quiet); // shows nothing
    UninstallLogWriter::Failures failures;
    UninstallLogWriter::write(context, window, carried, {"T", "K", "D", "ID", ""}, "C:\\APP\\",
                              failures);
    UninstallLists again;
    again.carryOver(context, "C:\\APP\\");
    if (entries(again) > entries(carried)) {
        std::abort();
    }
    return 0;
}
