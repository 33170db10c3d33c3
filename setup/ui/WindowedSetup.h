// Setup with its windows: the application, the background window, the main window and the deletion
// dialog over the given platform. Qt-free, so that the command line builds without Qt.
#pragma once

#include "services/platform/Platform.h"

#include <string>

class WindowedSetup {
public:
    // firstArgument: the Windows path of the first command-line argument (empty for none).
    // Returns the exit code: 0 after the windows closed, 4 when another setup is running (which
    // ends without a window).
    static int run(int& argc, char** argv, Platform& platform, const std::string& firstArgument);
};
