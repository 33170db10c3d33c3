// The install procedure started by "セットアップ開始(&S)": sizes and free space, setup folder,
// carry-over of a previous log, folders, files with progress, shortcuts, registry values,
// associations, the uninstall information, the failure summary and the completion.
#pragma once

#include "install/SetupScript.h"
#include "services/MainWindow.h"
#include "services/SetupContext.h"

class InstallProcedure {
public:
    enum class Outcome {
        completed, // context.values.rebootRequested tells whether a restart was asked for
        stopped,   // the user declined (space, setup folder) or the folder could not be made
        aborted,   // the abort flag was set during the run
    };
    struct Result {
        Outcome outcome = Outcome::completed;
        int failures = 0;
    };

    // Runs every phase on the window's model, asking through context.prompter. The caller has
    // run StartUp; the script is the working copy it read.
    static Result run(SetupContext& context, MainWindow& window, const SetupScript& script);
};
