// Setup's windowed start: one instance, the three windows in their order, the clean-up and the
// restart question when the windows have closed.
#include "ui/WindowedSetup.h"

#include "common/Cp932.h"
#include "common/qt/QtPrompter.h"
#include "services/SystemInfo.h"
#include "ui/SetupEnd.h"
#include "ui/SetupSmokeDriver.h"
#include "ui/SilentSetup.h"
#include "ui/TfrmBack.h"
#include "ui/TfrmMain.h"

#include <QApplication>
#include <QScreen>
#include <memory>
#include <utility>

int WindowedSetup::run(int& argc, char** argv, Platform& platform,
                       const std::string& firstArgument) {
    auto lock = platform.acquireInstanceLock("QUILLRUN");
    if (!lock) {
        return SilentSetup::alreadyRunning; // this one ends without a word
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillet"));
    // Message boxes belong to no window: a child of the disabled background would be disabled.
    QtPrompter prompter(nullptr);
    ProcessValues values;
    SetupContext context{platform, prompter, values};

    // The suffix is the Greek small beta and the digit 3.
    const std::string version =
        GetFileVersionText(context, platform.moduleFileName(), cp932::lit("β3"));
    std::unique_ptr<TfrmMain> main;
    TfrmBack background(version, [&main] { main->exec(); });
    main = std::make_unique<TfrmMain>(context, firstArgument, &background);

    SetupSmokeDriver smoke(&background);
    if (SetupSmokeDriver::requested()) {
        smoke.start();
    }
    // Without a window manager a maximised window keeps its size: it is given the screen too.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        background.setGeometry(screen->availableGeometry());
    }
    background.showMaximized();
    QApplication::exec();
    main.reset();
    SetupEnd::finish(context, std::move(lock));
    return 0;
}
