// Start-up of the installer when its main window first shows: the process-wide folders, the mode,
// the work folder and the working copy of the script or log, the fatal state, and the main
// window filled in for setup or uninstall mode.
#pragma once

#include "services/MainWindowModel.h"
#include "services/SetupContext.h"

#include <string>
#include <vector>

class StartUp {
public:
    // firstArgument: the Windows path of the first command-line argument, empty without one.
    // Fills context.values and the model. Returns the fatal lines (empty when the window is
    // ready).
    static std::vector<std::string> run(SetupContext& context, MainWindowModel& window,
                                        const std::string& firstArgument);

    // Closing the main window: removes the work folders BSTMP1 to BSTMP99 of the temporary folder
    // with their contents and notifies the shell of changed associations and folders.
    static void closeMainWindow(SetupContext& context);
};
