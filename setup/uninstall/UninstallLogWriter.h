// Writing the uninstall information at the end of an installation: the uninstaller copy
// UNQUILL.EXE, the QUILLET.INI line, UNSETUP.INI and the system uninstall entry.
#pragma once

#include "services/MainWindow.h"
#include "services/SetupContext.h"
#include "uninstall/UninstallLists.h"

#include <string>

class UninstallLogWriter {
public:
    struct Names {
        std::string uninstallTitle;
        std::string uninstallKey;    // the subkey under ...\CurrentVersion\Uninstall
        std::string displayName;
        std::string programId;       // may be empty
        std::string uninstallOption; // Extend UnSetupOption of the script, may be empty
    };

    // The failures of the installation, which a failed uninstaller copy adds to.
    struct Failures {
        std::string log;
        int count = 0;
    };

    // Shows the progress messages on the window, copies the uninstaller when the medium's
    // SETUP.EXE is newer, remembers the setup folder for the program ID, replaces
    // <setupFolder>UNSETUP.INI by the lists (numbered as FindIniIndex numbers them, the lists kept
    // in memory and the file written once) and creates the system uninstall entry. False when a
    // registry key or value of the entry could not be written (the log is written by then).
    static bool write(SetupContext& context, MainWindow& window, const UninstallLists& lists,
                      const Names& names, const std::string& setupFolder, Failures& failures);
};
