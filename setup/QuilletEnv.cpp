// quillet-env: looks into and acts on the emulated Windows machine that setup uses on Linux. Its
// arguments and output are UTF-8; inside, everything is CP932 as in setup.
#include "common/Cp932.h"
#include "services/CompressedFiles.h"
#include "services/FileRoutines.h"
#include "services/MbcsText.h"
#include "services/SystemInfo.h"
#include "services/platform/ShellLinkFile.h"
#include "services/platform/posix/PosixPlatform.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

namespace {

// Messages of the routines go to standard error; every question is answered yes.
class ConsolePrompter : public Prompter {
public:
    Answer ask(const std::string& text, const std::string& caption, Icon,
               Buttons buttons) override {
        std::cerr << cp932::toUtf8(caption) << ": " << cp932::toUtf8(text) << "\n";
        return buttons == Buttons::ok || buttons == Buttons::okCancel ? Answer::ok : Answer::yes;
    }
};

int usage() {
    std::cerr << "usage: quillet-env hostpath WINPATH | winpath HOSTPATH | reg | lnk FILE\n"
                 "                   | expand SOURCE DEST | errtext CODE\n"
                 "The machine lives in $QUILLET_ROOT (default $XDG_DATA_HOME/quillet).\n"
                 "FILE, SOURCE and DEST are Windows paths (C:\\..., Z:\\...) or host paths.\n";
    return 2;
}

std::string unixLines(std::string text) {
    std::string out;
    for (char c : text) {
        if (c != '\r') {
            out += c;
        }
    }
    return out;
}

// A Windows path as given (with its drive letter), else a host path in its Windows form.
std::string windowsPathOf(PosixPlatform& platform, const std::string& argument) {
    bool hasDrive = argument.size() >= 2 && argument[1] == ':' &&
                    std::isalpha(static_cast<unsigned char>(argument[0]));
    return hasDrive ? cp932::fromUtf8(argument) : platform.argumentPath(argument);
}

int failWith(SetupContext& context, const std::string& what, std::uint32_t code) {
    std::cerr << "quillet-env: " << what << ": "
              << unixLines(cp932::toUtf8(SystemErrorText(context, code)));
    return 1;
}

int run(PosixPlatform& platform, int argc, char** argv) {
    const std::string command = argv[1];
    ConsolePrompter prompter;
    ProcessValues values;
    values.temporaryFolder = platform.tempPath();
    values.windowsFolder = platform.windowsDirectory() + "\\";
    values.systemFolder = platform.systemDirectory() + "\\";
    SetupContext context{platform, prompter, values};

    if (command == "hostpath" && argc == 3) {
        std::string host = platform.hostPath(cp932::fromUtf8(argv[2]));
        if (host.empty()) {
            return failWith(context, argv[2], platform.lastError());
        }
        std::cout << host << "\n";
        return 0;
    }
    if (command == "winpath" && argc == 3) {
        std::cout << cp932::toUtf8(platform.argumentPath(argv[2])) << "\n";
        return 0;
    }
    if (command == "reg" && argc == 2) {
        std::cout << cp932::toUtf8(platform.registryText("\n"));
        return 0;
    }
    if (command == "lnk" && argc == 3) {
        std::string bytes;
        if (!platform.readFile(windowsPathOf(platform, argv[2]), bytes)) {
            return failWith(context, argv[2], platform.lastError());
        }
        auto link = ShellLinkFile::read(bytes);
        if (!link) {
            std::cerr << "quillet-env: " << argv[2] << ": not a shell link\n";
            return 1;
        }
        std::cout << "Target=" << cp932::toUtf8(link->target) << "\n"
                  << "WorkingDir=" << cp932::toUtf8(link->workingDirectory) << "\n"
                  << "Arguments=" << cp932::toUtf8(link->arguments) << "\n";
        return 0;
    }
    if (command == "expand" && argc == 4) {
        std::string result = ExpandCompressedFile(context, windowsPathOf(platform, argv[2]),
                                                  windowsPathOf(platform, argv[3]));
        int comma = MbcsPos(",", result);
        std::string temporary = LeftStr(result, comma - 1);
        std::string destination = MidStr(result, comma + 1);
        // The install procedure copies the expanded file into place, then deletes it.
        std::uint32_t error = CopyFileOverwrite(context, temporary, destination);
        DeleteFileSilent(context, temporary);
        if (error != 0) {
            return failWith(context, cp932::toUtf8(destination), error);
        }
        std::cout << cp932::toUtf8(destination) << "\n";
        return 0;
    }
    if (command == "errtext" && argc == 3) {
        char* end = nullptr;
        unsigned long code = std::strtoul(argv[2], &end, 0);
        if (end == argv[2] || *end != '\0') {
            return usage();
        }
        std::cout << unixLines(
            cp932::toUtf8(SystemErrorText(context, static_cast<std::uint32_t>(code))));
        return 0;
    }
    return usage();
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return usage();
    }
    PosixPlatform platform;
    int status = run(platform, argc, argv);
    for (const std::string& warning : platform.warnings()) {
        std::cerr << "quillet-env: " << cp932::toUtf8(warning) << "\n";
    }
    return status;
}
