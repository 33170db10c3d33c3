// The last steps of every run of setup.
#include "ui/SetupEnd.h"

#include "common/Cp932.h"
#include "install/StartUp.h"

void SetupEnd::finish(SetupContext& context, std::unique_ptr<Platform::InstanceLock> lock) {
    StartUp::closeMainWindow(context);
    lock.reset();
    if (context.values.rebootRequested && !context.platform.restartDialog()) {
        context.prompter.ask(cp932::lit("Windowsを再起動すると，セットアップは完了します．"),
                             cp932::lit("警告"), Prompter::Icon::exclamation);
    }
}
