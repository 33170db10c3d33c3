// setup: installs the package of the folder it was started from, or uninstalls with the log given
// as its argument, in its windows or, with /SILENT, without them (/DIR=FOLDER sets the setup folder
// then). A build without Qt runs only silently.
#include "common/Cp932.h"
#include "services/platform/PlatformFactory.h"
#include "ui/SilentPrompter.h"
#include "ui/SilentSetup.h"
#ifdef QUILLET_SETUP_WINDOWS
#include "ui/WindowedSetup.h"
#endif

#include <cctype>
#include <iostream>
#include <memory>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

bool startsWithNoCase(const std::string& text, const std::string& start) {
    return text.size() >= start.size() && cp932::equalsNoCase(text.substr(0, start.size()), start);
}

// A Windows path as given (drive letter first), else a host path in its Windows form.
std::string windowsPathOf(Platform& platform, const std::string& argument) {
#ifdef _WIN32
    // Windows gives the command line in the ANSI code page, CP932 already.
    return platform.argumentPath(argument);
#else
    bool hasDrive = argument.size() >= 2 && argument[1] == ':' &&
                    std::isalpha(static_cast<unsigned char>(argument[0]));
    return hasDrive ? cp932::fromUtf8(argument) : platform.argumentPath(argument);
#endif
}

} // namespace

int main(int argc, char** argv) {
    std::unique_ptr<Platform> platform = PlatformFactory::create();
    bool silent = false;
    std::string folder;
    std::string firstArgument;
    bool haveFirst = false;
    // Only the two known switches are switches: a host path starts with "/" too.
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (cp932::equalsNoCase(argument, "/SILENT")) {
            silent = true;
        } else if (startsWithNoCase(argument, "/DIR=")) {
            folder = windowsPathOf(*platform, argument.substr(5));
        } else if (!haveFirst) {
            firstArgument = windowsPathOf(*platform, argument);
            haveFirst = true;
        }
    }
    if (!silent) {
#ifdef QUILLET_SETUP_WINDOWS
        // No display is needed before this point: the application is made only for the windows.
        return WindowedSetup::run(argc, argv, *platform, firstArgument);
#else
        std::cerr << "setup: the windows are not available in this build; use /SILENT "
                     "[/DIR=FOLDER] [UNSETUP.INI]\n";
        return 2;
#endif
    }
#ifdef _WIN32
    // The status lines are UTF-8; a console shows them so only when told.
    ::SetConsoleOutputCP(CP_UTF8);
#endif
    SilentPrompter prompter(std::cout, std::cerr);
    ProcessValues values;
    SetupContext context{*platform, prompter, values};
    return SilentSetup::run(context, firstArgument, folder, std::cout, std::cerr);
}
