// The uninstall procedure started by "アンセットアップ開始(&S)": files with their shared counts and
// questions, shortcuts, folders, registry keys, associations restored, the system uninstall entry,
// the setup folder, the failure report and the completion.
#pragma once

#include "services/MainWindow.h"
#include "services/SetupContext.h"

#include <string>

class UninstallProcedure {
public:
    enum class Outcome {
        completed,
        stopped, // the log names no setup folder or cannot be read, or the temporary folder could
                 // not be made current
    };
    struct Result {
        Outcome outcome = Outcome::completed;
        int failures = 0;
        std::string failureLog; // the failure blocks as the details view shows them (CP932)
    };
    // Runs every step on the window's model over the working copy of the log
    // (context.values.scriptCopy), asking through context.prompter and the window's deletion
    // dialog. The caller has run StartUp in uninstall mode. Only the wait for "続行(&C)" sleeps;
    // after a stop the window is closed as after completion.
    static Result run(SetupContext& context, MainWindow& window);
};
