// An installation or uninstallation without windows: start-up, the setup folder given on the
// command line, the install or uninstall procedure with every question answered by the context's
// prompter, and the clean-up, with the outcome as the process exit code.
#pragma once

#include "services/SetupContext.h"

#include <ostream>
#include <string>

class SilentSetup {
public:
    enum ExitCode {
        done = 0,
        doneWithFailures = 1,
        stopped = 2, // fatal start-up error, setup folder not made, too little space, damaged log
        restartNeeded = 3,
        alreadyRunning = 4,
    };

    // firstArgument: the Windows path of the first command-line argument (empty for none);
    // folderOverride: the setup folder to use instead of the proposed one (empty for none; an
    // uninstallation takes its folder from the log).
    static int run(SetupContext& context, const std::string& firstArgument,
                   const std::string& folderOverride, std::ostream& out, std::ostream& err);
};
