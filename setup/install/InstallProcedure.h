// The install procedure started by "セットアップ開始(&S)": sizes and free space, setup folder,
// carry-over of a previous log, folders, files with progress, shortcuts, registry values,
// associations, the uninstall information, the failure summary and the completion.
#pragma once

#include "install/SetupScript.h"
#include "services/MainWindow.h"
#include "services/SetupContext.h"

#include <string>

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
        std::string failureLog; // the failure entries as the details view shows them (CP932)
    };
    // How the run meets the user: the silent front end neither starts the ExecuteFile program nor
    // pauses after each step.
    struct Options {
        bool startPrograms = true;
        bool pause = true;
    };

    // Runs every phase on the window's model, asking through context.prompter. The caller has
    // run StartUp; the script is the working copy it read.
    static Result run(SetupContext& context, MainWindow& window, const SetupScript& script,
                      const Options& options);
    static Result run(SetupContext& context, MainWindow& window, const SetupScript& script) {
        return run(context, window, script, Options());
    }
};
