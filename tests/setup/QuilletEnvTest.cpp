// The quillet-env tool run as a program on a temporary machine: UTF-8 in and out, and each
// command showing what it found or did.
#include "services/Shortcuts.h"
#include "services/platform/Win32Codes.h"
#include "tests/setup/services/EmulatedMachine.h"
#include "tests/setup/services/SzddFixture.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>
#include <sys/wait.h>

namespace {

struct Result {
    int status;
    std::string output;
};

// Runs quillet-env with $QUILLET_ROOT set to the machine's root; arguments are quoted for the
// shell.
Result env(const EmulatedMachine& m, const std::vector<std::string>& arguments) {
    std::string command = "QUILLET_ROOT='" + m.root() + "' '" QUILLET_ENV "'";
    for (const std::string& argument : arguments) {
        command += " '" + argument + "'";
    }
    command += " 2>/dev/null";
    Result result{-1, {}};
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) {
        return result;
    }
    std::array<char, 4096> buffer{};
    while (std::fgets(buffer.data(), buffer.size(), pipe)) {
        result.output += buffer.data();
    }
    int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

} // namespace

TEST(QuilletEnv, PathsErrorTextsAndUsage) {
    EmulatedMachine m;
    const std::string root = m.root();
    struct Row {
        std::vector<std::string> arguments;
        int status;
        std::string output;
    };
    const Row rows[] = {
        {{"hostpath", "c:\\windows\\ﾃﾞｽｸﾄｯﾌﾟ\\app.lnk"},
         0,
         root + "/drive_c/WINDOWS/ﾃﾞｽｸﾄｯﾌﾟ/app.lnk\n"},
        {{"hostpath", "Z:\\etc\\hosts"}, 0, "/etc/hosts\n"},
        {{"hostpath", "Q:\\X"}, 1, ""},
        {{"winpath", root + "/drive_c/ソフト/表.txt"}, 0, "C:\\ソフト\\表.txt\n"},
        {{"winpath", "/home/u/pkg"}, 0, "Z:\\home\\u\\pkg\n"},
        {{"errtext", "2"}, 0, "指定されたファイルが見つかりません。\n"},
        {{"errtext", "0x91"}, 0, "ディレクトリが空ではありません。\n"},
        {{"errtext", "12345"}, 0, "不明なエラー　（エラー　コード　１２３４５）\n"},
        {{"errtext", "x"}, 2, ""},
        {{"nonsense"}, 2, ""},
    };
    for (const Row& row : rows) {
        Result result = env(m, row.arguments);
        EXPECT_EQ(result.status, row.status) << row.arguments[0];
        EXPECT_EQ(result.output, row.output) << row.arguments[0];
    }
}

TEST(QuilletEnv, ShowsTheRegistryAndLinks) {
    EmulatedMachine m;
    m.platform.regCreateKey(RegistryRoot::LocalMachine, "SOFTWARE\\Quillet");
    m.platform.regSetValue(RegistryRoot::LocalMachine, "SOFTWARE\\Quillet", J("名前"),
                           RegistryValue::string(J("C:\\ソフト")));
    EXPECT_EQ(env(m, {"reg"}).output, "REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE]\n\n"
                                      "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Quillet]\n"
                                      "\"名前\"=\"C:\\\\ソフト\"\n\n");

    std::string link = CreateShortcut(m.context, J("C:\\アプリ\\APP.EXE"), "App",
                                      special_folder::Desktop, "", "-x");
    ASSERT_FALSE(link.empty());
    const std::string expected =
        "Target=C:\\アプリ\\APP.EXE\nWorkingDir=C:\\アプリ\\\nArguments=-x\n";
    EXPECT_EQ(env(m, {"lnk", cp932::toUtf8(link)}).output, expected);
    EXPECT_EQ(env(m, {"lnk", m.host(link)}).output, expected);
    m.write("C:\\NOTALINK.LNK", "text");
    EXPECT_EQ(env(m, {"lnk", "C:\\NOTALINK.LNK"}).status, 1);
}

TEST(QuilletEnv, ExpandsAndMovesIntoPlace) {
    EmulatedMachine m;
    m.platform.createDirectory("C:\\APP");
    const std::string compressed = m.folder.file("readme.tx_");
    TempFolder::write(compressed, literalSzdd("expanded text", 't'));
    Result result = env(m, {"expand", compressed, "C:\\APP\\AUTO.EXT"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.output, "C:\\APP\\README.TXT\n");
    EXPECT_EQ(m.read("C:\\APP\\README.TXT"), "expanded text");
    EXPECT_FALSE(m.exists("C:\\WINDOWS\\TEMP\\EXPAND.BST"));

    TempFolder::write(compressed, literalSzdd("expanded text", 't').substr(0, 20));
    result = env(m, {"expand", compressed, "C:\\APP\\BROKEN.TXT"});
    EXPECT_EQ(result.status, 1);
    EXPECT_FALSE(m.exists("C:\\APP\\BROKEN.TXT"));
}
