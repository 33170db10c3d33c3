// Component registration with tiny shared objects as components: the three messages, the
// unregistration before a silent deletion, and the substring test for component files.
#include "services/ComponentRegistration.h"

#include "services/FileRoutines.h"
#include "tests/setup/services/EmulatedMachine.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

// Installs a fixture library as a component file of the machine and logs its entry points.
class ComponentMachine : public EmulatedMachine {
public:
    ComponentMachine() {
        log_ = folder.file("calls.log");
        ::setenv("QUILLET_COMPONENT_LOG", log_.c_str(), 1);
    }
    ~ComponentMachine() { ::unsetenv("QUILLET_COMPONENT_LOG"); }

    void install(const char* fixture, const std::string& windowsPath) {
        write(windowsPath, TempFolder::read(fixture));
    }
    std::string calls() const { return TempFolder::read(log_); }

private:
    std::string log_;
};

} // namespace

TEST(ComponentRegistration, ComponentFilesBySubstring) {
    struct Row {
        std::string path;
        bool component;
    };
    const Row rows[] = {
        {"C:\\WIN\\X.Dll", true},     {"C:\\A.DLLS\\B.TXT", true}, {"c:\\app\\grid.ocx", true},
        {"C:\\A\\B.TXT", false},      {"C:\\A\\B.DL", false},      {J("C:\\Ｘ.ＤＬＬ"), false},
        {"C:\\WINDOWS\\*.DLL", true},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(IsComponentFile(row.path), row.component) << row.path;
    }
}

TEST(ComponentRegistration, RegisterAndItsMessages) {
    struct Row {
        const char* fixture; // null: no file at all
        bool doRegister;
        bool result;
        std::string calls;
        std::string message; // after the path; empty when none is shown
    };
    const Row rows[] = {
        {COMPONENT_OK, true, true, "register\n", ""},
        {COMPONENT_FAIL, true, false, "register\n", J("のDllRegisterServer関数が失敗しました．")},
        {COMPONENT_NOEXPORT, true, false, "", J("のDllRegisterServerエントリが見つかりません．")},
        {nullptr, true, false, "", J("の読み込みに失敗しました．")},
        {COMPONENT_OK, false, false, "unregister\n", ""},
        {COMPONENT_NOEXPORT, false, false, "", ""},
        {nullptr, false, false, "", J("の読み込みに失敗しました．")},
    };
    const std::string path = "C:\\WINDOWS\\SYSTEM32\\QCOMP.DLL";
    for (const Row& row : rows) {
        ComponentMachine m;
        if (row.fixture) {
            m.install(row.fixture, path);
        }
        EXPECT_EQ(RegisterComponent(m.context, path, row.doRegister), row.result);
        EXPECT_EQ(m.calls(), row.calls);
        if (row.message.empty()) {
            EXPECT_TRUE(m.prompter.asked.empty());
        } else {
            ASSERT_EQ(m.prompter.asked.size(), 1u);
            const auto& shown = m.prompter.asked[0];
            EXPECT_EQ(shown.text, path + row.message);
            EXPECT_EQ(shown.caption, J("OCX/DLL登録エラー"));
            EXPECT_EQ(shown.buttons, Prompter::Buttons::ok);
            EXPECT_EQ(shown.icon, Prompter::Icon::exclamation);
        }
    }
}

TEST(ComponentRegistration, SilentDeletionUnregistersFirst) {
    ComponentMachine m;
    m.install(COMPONENT_OK, "C:\\APP\\GRID.OCX");
    m.install(COMPONENT_OK, "C:\\APP\\PLAIN.BIN");
    EXPECT_EQ(DeleteFileSilent(m.context, "C:\\APP\\GRID.OCX"), 0u);
    EXPECT_EQ(DeleteFileSilent(m.context, "C:\\APP\\PLAIN.BIN"), 0u);
    EXPECT_EQ(m.calls(), "unregister\n");
    EXPECT_FALSE(m.exists("C:\\APP\\GRID.OCX"));
    EXPECT_FALSE(m.exists("C:\\APP\\PLAIN.BIN"));

    // A component that cannot be loaded is still deleted, after the message.
    m.write("C:\\APP\\BROKEN.DLL", "not a library");
    EXPECT_EQ(DeleteFileSilent(m.context, "C:\\APP\\BROKEN.DLL"), 0u);
    EXPECT_FALSE(m.exists("C:\\APP\\BROKEN.DLL"));
    ASSERT_EQ(m.prompter.asked.size(), 1u);
    EXPECT_EQ(m.prompter.asked[0].text, "C:\\APP\\BROKEN.DLL" + J("の読み込みに失敗しました．"));
}
