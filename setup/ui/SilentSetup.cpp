// The silent installation or uninstallation from start to end.
#include "ui/SilentSetup.h"

#include "common/Cp932.h"
#include "install/InstallProcedure.h"
#include "install/SetupScript.h"
#include "install/StartUp.h"
#include "services/PathText.h"
#include "ui/ConsoleText.h"
#include "ui/SetupEnd.h"
#include "ui/SilentWindow.h"
#include "uninstall/UninstallProcedure.h"

#include <utility>

namespace {

using cp932::lit;

int install(SetupContext& context, SilentWindow& window, const std::string& folderOverride,
            std::ostream& out, std::ostream& err) {
    MainWindowModel& model = window.model;
    if (!folderOverride.empty()) {
        if (model["txtFolder"].enabled) {
            model["txtFolder"].text = AddBackslash(folderOverride, "B");
        } else {
            ConsoleText::print(err,
                               lit("セットアップフォルダは変更できないため，指定を無視します．"));
        }
    }
    // The readme is not shown: the window goes straight to the ready state.
    model["fraReadme"].visible = false;
    model["btnEvent"].text = lit("セットアップ開始(&S)");

    SetupScript script = SetupScript::read(context, context.values.scriptCopy);
    InstallProcedure::Options options;
    options.startPrograms = false;
    options.pause = false;
    InstallProcedure::Result result = InstallProcedure::run(context, window, script, options);
    if (!result.failureLog.empty()) {
        ConsoleText::print(err, result.failureLog);
    }
    if (result.outcome != InstallProcedure::Outcome::completed) {
        return SilentSetup::stopped;
    }
    if (context.values.rebootRequested) {
        return SilentSetup::restartNeeded;
    }
    return result.failures > 0 ? SilentSetup::doneWithFailures : SilentSetup::done;
}

// The option boxes stay as start-up set them from the log; shared files no longer used are kept
// (the window answers "Save") and so are the files the prompter is asked about.
int uninstall(SetupContext& context, SilentWindow& window, const std::string& folderOverride,
              std::ostream& err) {
    if (!folderOverride.empty()) {
        ConsoleText::print(err, lit("アンセットアップ(アンインストール)フォルダはアンセットアップ"
                                    "情報から決まるため，指定を無視します．"));
    }
    UninstallProcedure::Result result = UninstallProcedure::run(context, window);
    if (!result.failureLog.empty()) {
        ConsoleText::print(err, result.failureLog);
    }
    if (result.outcome != UninstallProcedure::Outcome::completed) {
        return SilentSetup::stopped;
    }
    return result.failures > 0 ? SilentSetup::doneWithFailures : SilentSetup::done;
}

} // namespace

int SilentSetup::run(SetupContext& context, const std::string& firstArgument,
                     const std::string& folderOverride, std::ostream& out, std::ostream& err) {
    auto lock = context.platform.acquireInstanceLock("QUILLRUN");
    if (!lock) {
        ConsoleText::print(err, lit("セットアップは既に実行中です．"));
        return alreadyRunning;
    }
    SilentWindow window(out);
    std::vector<std::string> fatal = StartUp::run(context, window.model, firstArgument);
    int code = stopped;
    if (fatal.empty()) {
        window.processMessages();
        code = context.values.mode == "SETUP" ? install(context, window, folderOverride, out, err)
                                              : uninstall(context, window, folderOverride, err);
    } else {
        ConsoleText::print(err, window.model["lblMessage"].text);
    }
    // As after the windows close: the platform records the restart (a real system asks the user).
    SetupEnd::finish(context, std::move(lock));
    return code;
}
