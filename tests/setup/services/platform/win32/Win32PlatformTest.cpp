// Windows itself as the platform: the files setup's own code writes and reads checked against the
// system's readers and writers: SZDD files, version resources and shell links; and the shell's
// restart dialog.
#include "services/platform/win32/Win32Platform.h"

#include "common/Cp932.h"
#include "services/platform/ShellLinkFile.h"
#include "services/platform/VersionResource.h"
#include "services/platform/Win32Codes.h"
#include "tests/setup/services/PeFixture.h"
#include "tests/setup/services/SzddFixture.h"
#include "tests/setup/services/platform/win32/SystemContractMachine.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>
#include <windows.h>

namespace {

class Win32Formats : public ::testing::Test {
protected:
    SystemContractMachine m;
    Platform& p = m.platform();
};

} // namespace

// SZDD files with the last letter of their name stored, with and without literal runs long
// enough to need several control bytes.
TEST_F(Win32Formats, SystemExpandsSzddFiles) {
    struct Row {
        std::string name;
        char missing;
        std::string data;
        std::string expandedName;
    };
    const Row rows[] = {
        {"C:\\LZ\\README.TX_", 'T', "hello", "C:\\LZ\\README.TXT"},
        {"C:\\LZ\\DATA.BI_", 'N', std::string(70, 'x') + "\r\nend", "C:\\LZ\\DATA.BIN"},
        {"C:\\LZ\\EMPTY.DA_", 'T', "", "C:\\LZ\\EMPTY.DAT"},
    };
    for (const Row& row : rows) {
        m.write(row.name, literalSzdd(row.data, row.missing));
        std::string expanded;
        ASSERT_TRUE(p.getExpandedName(row.name, expanded)) << row.name;
        EXPECT_TRUE(cp932::equalsNoCase(expanded, row.expandedName)) << expanded;
        ASSERT_TRUE(p.lzExpand(row.name, "C:\\LZ\\OUT")) << row.name;
        EXPECT_EQ(m.read("C:\\LZ\\OUT"), row.data) << row.name;
    }
    // A file that is not compressed is copied as it is.
    m.write("C:\\LZ\\PLAIN.TXT", "plain");
    ASSERT_TRUE(p.lzExpand("C:\\LZ\\PLAIN.TXT", "C:\\LZ\\OUT"));
    EXPECT_EQ(m.read("C:\\LZ\\OUT"), "plain");
}

TEST_F(Win32Formats, SystemReadsTheVersionResourcesSetupBuilds) {
    const std::string block = VersionResource::build(
        "1.2.3.4", "041103a4", {{"FileVersion", "1.2.3.4"}, {"ProductName", "Sample"}});
    m.write("C:\\VER\\APP.EXE", peFile(block));
    std::string read;
    ASSERT_TRUE(p.getFileVersionInfo("C:\\VER\\APP.EXE", read));
    struct Row {
        const char* subBlock;
        const char* value; // null: no such string
    };
    const Row rows[] = {
        {"\\StringFileInfo\\041103a4\\FileVersion", "1.2.3.4"},
        {"\\StringFileInfo\\041103A4\\ProductName", "Sample"},
        {"\\StringFileInfo\\040904b0\\FileVersion", nullptr},
        {"\\StringFileInfo\\041103a4\\Comments", nullptr},
    };
    for (const Row& row : rows) {
        std::string value;
        EXPECT_EQ(p.verQueryString(read, row.subBlock, value), row.value != nullptr)
            << row.subBlock;
        EXPECT_EQ(value, row.value ? row.value : "") << row.subBlock;
    }
    m.write("C:\\VER\\PLAIN.EXE", "MZ");
    EXPECT_FALSE(p.getFileVersionInfo("C:\\VER\\PLAIN.EXE", read));
}

#ifdef SETUP_FILE_VERSION
// setup.exe, built beside this program, carries the version resource setup reads for its title.
TEST_F(Win32Formats, SetupCarriesItsVersion) {
    const std::string self = p.moduleFileName();
    const std::string setup = self.substr(0, self.find_last_of('\\') + 1) + "setup.exe";
    std::string block;
    ASSERT_TRUE(p.getFileVersionInfo(setup, block)) << setup;
    std::string version;
    ASSERT_TRUE(p.verQueryString(block, "\\StringFileInfo\\041103a4\\FileVersion", version));
    EXPECT_EQ(version, SETUP_FILE_VERSION);
}
#endif

TEST_F(Win32Formats, ShellLinksReadBackWithSetupsReader) {
    m.write("C:\\LINKS\\APP.EXE", "MZ");
    struct Row {
        std::string workingDirectory;
        std::string arguments;
    };
    const Row rows[] = {{"C:\\LINKS\\", ""}, {"C:\\", "/S " + cp932::lit("ファイル.TXT")}};
    for (const Row& row : rows) {
        ASSERT_TRUE(p.createShellLink("C:\\LINKS\\APP.lnk", "C:\\LINKS\\APP.EXE",
                                      row.workingDirectory, row.arguments));
        auto link = ShellLinkFile::read(m.read("C:\\LINKS\\APP.lnk"));
        ASSERT_TRUE(link.has_value());
        EXPECT_TRUE(cp932::equalsNoCase(link->target, "C:\\LINKS\\APP.EXE")) << link->target;
        EXPECT_EQ(link->workingDirectory, row.workingDirectory);
        EXPECT_EQ(link->arguments, row.arguments);
    }
    EXPECT_FALSE(p.createShellLink("C:\\NONE\\APP.lnk", "C:\\LINKS\\APP.EXE", "C:\\", ""));
}

// Setup appends the system's texts to its failure log, cutting the line end itself.
TEST_F(Win32Formats, ErrorTextsEndInALineBreak) {
    const std::string text = p.formatMessage(2);
    ASSERT_GT(text.size(), 2u);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(p.formatMessage(0x2FFFFFFF), "");
}

TEST_F(Win32Formats, RegistryKeepsEveryValueType) {
    const std::string key = "Software\\QuilletWin32Test";
    ASSERT_EQ(p.regCreateKey(RegistryRoot::CurrentUser, "\\" + key), 0u);
    const RegistryValue values[] = {
        RegistryValue::string(cp932::lit("値")),
        RegistryValue::string(""),
        RegistryValue::expandString("%WINDIR%\\X"),
        RegistryValue::dword(0xFFFFFFFF),
        RegistryValue::binary(std::string("\0\x01\xFF", 3)),
    };
    for (const RegistryValue& value : values) {
        ASSERT_EQ(p.regSetValue(RegistryRoot::CurrentUser, key, "V", value), 0u);
        RegistryValue read;
        ASSERT_EQ(p.regQueryValue(RegistryRoot::CurrentUser, key, "V", read), 0u);
        EXPECT_EQ(read, value) << value.type;
    }
    EXPECT_EQ(p.regDeleteKeyTree(RegistryRoot::CurrentUser, key), 0u);
    EXPECT_EQ(p.regOpenKey(RegistryRoot::CurrentUser, key), 2u);
}

// The shell's restart dialog answered "No" by a user who waits until the question shows: the
// restart does not go ahead. (A "Yes" would restart the system under the test.) Wine without a
// display ends the question at once, unanswered.
TEST_F(Win32Formats, RestartDialogDeclined) {
    std::atomic<bool> returned = false, answered = false;
    std::thread user([&] {
        const DWORD self = ::GetCurrentProcessId();
        for (int i = 0; i < 1000 && !returned; ++i) {
            ::Sleep(20);
            HWND box = nullptr;
            while ((box = ::FindWindowExA(nullptr, box, "#32770", nullptr)) != nullptr) {
                DWORD owner = 0;
                ::GetWindowThreadProcessId(box, &owner);
                if (owner == self && ::PostMessageA(box, WM_COMMAND, IDNO, 0)) {
                    answered = true;
                }
            }
        }
        if (!returned) {
            // A question that never showed cannot be answered: the test would wait forever.
            std::fputs("the restart dialog showed no box to answer\n", stderr);
            std::_Exit(1);
        }
    });
    EXPECT_FALSE(p.restartDialog());
    returned = true;
    user.join();
    EXPECT_EQ(answered.load(),
              !SystemContractMachine::underWine() || std::getenv("DISPLAY") != nullptr);
}
