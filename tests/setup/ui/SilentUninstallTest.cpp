// The silent run in uninstall mode, in process: the log given as the argument, and the exit codes.
#include "ui/SilentSetup.h"

#include "tests/setup/services/EmulatedMachine.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

TEST(SilentSetupTest, UninstallsWithTheLogGiven) {
    const std::string log = "C:\\Program Files\\Sample\\UNSETUP.INI";
    const std::string program = "C:\\Program Files\\Sample\\PROG.EXE";
    const std::string entries = "[DeleteFile]\r\nFile1=" + program + "\r\nFile2=" + log + "\r\n";
    const std::string folder = "[SetupFolder]\r\nFolder=C:\\Program Files\\Sample\\\r\n";
    struct Case {
        const char* name;
        std::string log;
        bool extraFile;
        int code;
    } cases[] = {
        {"everything removed", folder + entries, false, SilentSetup::done},
        {"a file of the user stays", folder + entries, true, SilentSetup::doneWithFailures},
        {"a log without its folder", entries, false, SilentSetup::stopped},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EmulatedMachine machine;
        machine.prompter.otherwise = Prompter::Answer::no;
        machine.write(log, c.log);
        machine.write(program, "x");
        if (c.extraFile) {
            machine.write("C:\\Program Files\\Sample\\NOTES.TXT", "x");
        }
        std::ostringstream out, err;
        EXPECT_EQ(SilentSetup::run(machine.context, log, "", out, err), c.code);
        EXPECT_EQ(machine.exists(program), c.code == SilentSetup::stopped);
        EXPECT_EQ(err.str().find("<SetupFolder>") != std::string::npos, c.extraFile);
        EXPECT_FALSE(machine.exists("C:\\WINDOWS\\TEMP\\BSTMP1"));
    }
}

} // namespace
