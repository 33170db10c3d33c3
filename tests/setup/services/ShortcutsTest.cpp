// CreateShortcut on the emulated machine: where the link goes, what it says, and that Debian's
// independent reader (lnkinfo) reads the same target, working directory and arguments.
#include "services/Shortcuts.h"

#include "services/platform/ShellLinkFile.h"
#include "services/platform/Win32Codes.h"
#include "tests/setup/services/EmulatedMachine.h"

#include <array>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::string programs() {
    return J("C:\\WINDOWS\\ｽﾀｰﾄ ﾒﾆｭｰ\\ﾌﾟﾛｸﾞﾗﾑ");
}

bool haveLnkinfo() {
    return std::system("command -v lnkinfo >/dev/null 2>&1") == 0;
}

// The value of a "Name : value" line of lnkinfo's report (UTF-8), empty when there is none.
std::string lnkinfoField(const std::string& report, const std::string& name) {
    std::size_t at = report.find("\t" + name);
    if (at == std::string::npos) {
        return {};
    }
    std::size_t colon = report.find(": ", at);
    std::size_t end = report.find('\n', colon);
    return report.substr(colon + 2, end - colon - 2);
}

std::string run(const std::string& command) {
    std::string output;
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    std::array<char, 4096> buffer{};
    while (pipe && std::fgets(buffer.data(), buffer.size(), pipe.get())) {
        output += buffer.data();
    }
    return output;
}

} // namespace

TEST(Shortcuts, LinksInTheSpecialFolders) {
    struct Row {
        std::string target;
        std::string linkName;
        int folder;
        std::string workingDirectory;
        std::string arguments;
        std::string link; // empty: no link is made
        std::string linkWorkingDirectory;
    };
    const Row rows[] = {
        {"C:\\APP\\APP.EXE", "\\Quillet\\App", special_folder::Programs, "", "-a \"x y\"",
         programs() + "\\Quillet\\App.lnk", "C:\\APP\\"},
        {"C:\\APP\\APP.EXE", "App", special_folder::Desktop, "C:\\WORK", "",
         J("C:\\WINDOWS\\ﾃﾞｽｸﾄｯﾌﾟ\\App.lnk"), "C:\\WORK\\"},
        {"C:\\APP\\APP.EXE", "App", special_folder::Startup, "C:\\MISSING\\", "",
         programs() + J("\\ｽﾀｰﾄｱｯﾌﾟ\\App.lnk"), "C:\\APP\\"},
        {J("C:\\ソフト\\表.EXE"), J("\\表\\ソフト"), special_folder::SendTo, "", J("ソ"),
         J("C:\\WINDOWS\\SENDTO\\表\\ソフト.lnk"), J("C:\\ソフト\\")},
        {"C:\\APP\\APP.EXE", "App", 5, "", "", "", ""},
    };
    for (const Row& row : rows) {
        EmulatedMachine m;
        m.write("C:\\APP\\APP.EXE", "MZ");
        m.platform.createDirectory("C:\\WORK");
        std::string made = CreateShortcut(m.context, row.target, row.linkName, row.folder,
                                          row.workingDirectory, row.arguments);
        EXPECT_EQ(made, row.link) << cp932::toUtf8(row.linkName);
        if (row.link.empty()) {
            continue;
        }
        auto link = ShellLinkFile::read(m.read(made));
        ASSERT_TRUE(link.has_value());
        EXPECT_EQ(link->target, row.target);
        EXPECT_EQ(link->workingDirectory, row.linkWorkingDirectory);
        EXPECT_EQ(link->arguments, row.arguments);

        if (haveLnkinfo()) {
            std::string report = run("lnkinfo '" + m.host(made) + "' 2>&1");
            EXPECT_EQ(lnkinfoField(report, "Local path"), cp932::toUtf8(row.target)) << report;
            EXPECT_EQ(lnkinfoField(report, "Working directory"),
                      cp932::toUtf8(row.linkWorkingDirectory))
                << report;
            EXPECT_EQ(lnkinfoField(report, "Command line arguments"), cp932::toUtf8(row.arguments))
                << report;
        }
    }
    if (!haveLnkinfo()) {
        GTEST_SKIP() << "lnkinfo (Debian package liblnk-utils) is not installed: links were "
                        "checked with the built-in reader only";
    }
}
