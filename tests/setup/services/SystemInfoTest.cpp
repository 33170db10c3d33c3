// Error texts for reports, free disk space with its fallback, and version texts.
#include "services/SystemInfo.h"

#include "services/platform/VersionResource.h"
#include "tests/setup/services/EmulatedMachine.h"
#include "tests/setup/services/PeFixture.h"

#include <gtest/gtest.h>
#include <limits>
#include <sstream>
#include <vector>

namespace {

// A machine whose system messages and disk functions a test decides.
class ScriptedPlatform : public PosixPlatform {
public:
    using PosixPlatform::PosixPlatform;

    std::string formatMessage(std::uint32_t code) override {
        return code == 7 ? message : PosixPlatform::formatMessage(code);
    }
    bool hasDiskFreeSpaceEx() override { return hasEx; }
    // The folder must exist as on the real machine, but the figure is fixed: other tests
    // write to the same disk while this one runs.
    bool getDiskFreeSpaceEx(const std::string& folder, std::uint64_t& free) override {
        asked.push_back(folder);
        if (!PosixPlatform::getDiskFreeSpaceEx(folder, free)) {
            return false;
        }
        free = freeBytes;
        return true;
    }
    bool getDiskFreeSpace(const std::string&, DiskGeometry& geometry) override {
        geometry = {8, 512, 1000, 5000};
        return fallbackWorks;
    }

    std::string message;
    std::vector<std::string> asked;
    std::uint64_t freeBytes = 80640356352;
    bool hasEx = true;
    bool fallbackWorks = true;
};

struct ScriptedMachine {
    TempFolder folder;
    ScriptedPlatform platform{PosixPlatform::Options{folder.path().string(), {}}};
    ScriptedPrompter prompter;
    ProcessValues values;
    SetupContext context{platform, prompter, values};
};

} // namespace

TEST(SystemInfo, ErrorTextsInFullWidth) {
    EmulatedMachine m;
    EXPECT_EQ(SystemErrorText(m.context, 0), "");
    EXPECT_EQ(SystemErrorText(m.context, 2), J("指定されたファイルが見つかりません。\r\n"));
    EXPECT_EQ(SystemErrorText(m.context, 145), J("ディレクトリが空ではありません。\r\n"));
    EXPECT_EQ(SystemErrorText(m.context, 1117),
              J("Ｉ／Ｏ　デバイス　エラーが発生したため、要求を実行できませんでした。\r\n"));
    EXPECT_EQ(SystemErrorText(m.context, 9999),
              J("不明なエラー　（エラー　コード　９９９９）\r\n"));
    // Every code the routines can meet has a text of its own.
    const std::string unknown = SystemErrorText(m.context, 9999);
    for (std::uint32_t code : {3u, 5u, 13u, 32u, 80u, 87u, 112u, 123u, 126u, 183u, 267u}) {
        std::string text = SystemErrorText(m.context, code);
        EXPECT_NE(text, unknown) << code;
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    }
}

TEST(SystemInfo, ErrorTextTrimming) {
    struct Row {
        std::string message;
        std::string text;
    };
    const Row rows[] = {
        {"Disk error.\r\n", J("Ｄｉｓｋ　ｅｒｒｏｒ\r\n")},
        {"x . .\t\r\n", J("ｘ\r\n")},
        {J("ソ.\r\n"), J("ソ\r\n")},
        {"...\r\n", J("不明なエラー　（エラー　コード　７）\r\n")},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        ScriptedMachine m;
        m.platform.message = rows[i].message;
        EXPECT_EQ(SystemErrorText(m.context, 7), rows[i].text) << i;
    }
    ScriptedMachine m;
    m.platform.message = std::string(300, 'a');
    EXPECT_EQ(SystemErrorText(m.context, 7).size(), 256u * 2 + 2); // 256 bytes, each made double
}

TEST(SystemInfo, FreeDiskSpace) {
    ScriptedMachine m;
    EXPECT_EQ(GetFreeDiskSpace(m.context, "C:"), 80640356352);
    EXPECT_EQ(GetFreeDiskSpace(m.context, "C:\\"), 80640356352);
    EXPECT_EQ(m.platform.asked, (std::vector<std::string>{"C:\\", "C:\\"}));
    m.platform.freeBytes = ~std::uint64_t{0}; // more than a signed figure holds
    EXPECT_EQ(GetFreeDiskSpace(m.context, "C:"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(GetFreeDiskSpace(m.context, "Q:"), -1);
    EXPECT_EQ(GetFreeDiskSpace(m.context, "C:\\NO\\SUCH\\FOLDER"), -1);
    // Without GetDiskFreeSpaceExA: clusters times sectors times bytes, in 64 bits.
    m.platform.hasEx = false;
    EXPECT_EQ(GetFreeDiskSpace(m.context, "C:"), 1000 * 8 * 512);
    m.platform.fallbackWorks = false;
    EXPECT_EQ(GetFreeDiskSpace(m.context, "C:"), -1);
}

TEST(SystemInfo, FileVersionText) {
    EmulatedMachine m;
    const std::string beta3 = J("β3");
    auto withVersion = [](const std::string& version) {
        return peFile(VersionResource::build(version, "041103a4", {{"FileVersion", version}}));
    };
    struct Row {
        std::string file;
        std::string text;
    };
    m.write("C:\\APP\\V1005.EXE", withVersion("1.0.0.5"));
    m.write("C:\\APP\\V2.EXE", withVersion("2.10.3.456"));
    m.write("C:\\APP\\NOVER.EXE", peFile(""));
    m.write("C:\\APP\\README.TXT", "text");
    m.write("C:\\APP\\ENGLISH.EXE",
            peFile(VersionResource::build("1.0.0.1", "040904b0", {{"FileVersion", "1.0.0.1"}})));
    const Row rows[] = {
        {"C:\\APP\\V1005.EXE", J("1.00β3(Build:5)")},
        {"C:\\APP\\V2.EXE", J("2.103β3(Build:456)")},
        {"C:\\APP\\NOVER.EXE", ""},
        {"C:\\APP\\README.TXT", ""},
        {"C:\\APP\\ENGLISH.EXE", ""},
        {"C:\\APP\\MISSING.EXE", ""},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(GetFileVersionText(m.context, row.file, beta3), row.text) << row.file;
    }
    // The running program reports the version it was built with.
    std::string parts[4];
    std::istringstream built(SETUP_FILE_VERSION);
    for (std::string& part : parts) {
        std::getline(built, part, '.');
    }
    EXPECT_EQ(GetFileVersionText(m.context, m.platform.moduleFileName(), beta3),
              parts[0] + "." + parts[1] + parts[2] + beta3 + "(Build:" + parts[3] + ")");
}
