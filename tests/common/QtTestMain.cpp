// The main of the window tests: a QApplication on the offscreen platform around the GoogleTest run.
#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

int main(int argc, char** argv) {
    // Tests never need a display; an explicit -platform argument still wins.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Without a session Qt notes on every start that it has no runtime folder; a private one for
    // the run keeps test and build logs quiet.
    std::string runtime;
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr) {
        char folder[] = "/tmp/korvane-tests-XXXXXX";
        if (mkdtemp(folder) != nullptr) {
            runtime = folder;
            setenv("XDG_RUNTIME_DIR", folder, 1);
        }
    }
    int result = 0;
    {
        QApplication application(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    if (!runtime.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(runtime, ignored);
    }
    return result;
}
