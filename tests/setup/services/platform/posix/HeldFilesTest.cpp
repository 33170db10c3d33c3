// Holding the files changes nothing a caller sees: random runs of file calls give the same answers
// and leave the same host tree on a held machine as on one that looks afresh every time.
#include "services/platform/Win32Codes.h"
#include "tests/setup/services/EmulatedMachine.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <string>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

// One call with its answer and error, so that two machines can be compared call by call.
std::string step(Platform& p, int op, const std::string& a, const std::string& b) {
    std::string answer;
    switch (op) {
    case 0:
        answer = std::to_string(p.writeFile(a, "text of " + a));
        break;
    case 1:
        answer = std::to_string(p.copyFile(a, b, a.size() % 2 == 0));
        break;
    case 2:
        answer = std::to_string(p.moveFile(a, b));
        break;
    case 3:
        answer = std::to_string(p.deleteFile(a));
        break;
    case 4:
        answer = std::to_string(p.createDirectory(a));
        break;
    case 5:
        answer = std::to_string(p.removeDirectory(a));
        break;
    case 6:
        answer = std::to_string(p.shellDelete(a));
        break;
    case 7:
        answer = std::to_string(p.setFileAttributes(a, b.size() % 2 ? file_attribute::ReadOnly
                                                                    : file_attribute::Normal));
        break;
    case 8:
        answer = std::to_string(p.getFileAttributes(a));
        break;
    case 9:
    case 12:
        for (const Platform::FindData& entry : p.findFiles(op == 9 ? a + "\\*" : a)) {
            answer += entry.name + "/" + std::to_string(entry.size) + " ";
        }
        break;
    case 10:
        answer = std::to_string(p.writePrivateProfileString("S", "K", b, a));
        break;
    default:
        answer = p.getPrivateProfileString("S", "K", "none", 64, a);
        break;
    }
    return answer + " e" + std::to_string(p.lastError());
}

// Every host entry below the drive with its mode, and the contents of files.
std::map<std::string, std::string> tree(const std::string& root) {
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(root + "/drive_c/T")) {
        struct stat st {};
        ::lstat(entry.path().c_str(), &st);
        std::string text = std::to_string(st.st_mode);
        if (entry.is_regular_file()) {
            text += " " + TempFolder::read(entry.path().string());
        }
        entries[entry.path().string().substr(root.size())] = text;
    }
    return entries;
}

TEST(HeldFiles, AnswerAsAMachineThatLooksAfreshEveryTime) {
    // Names that differ only in case, in a folder and one below it.
    const char* names[] = {"C:\\T\\a",    "C:\\T\\A",    "C:\\T\\b",    "C:\\T\\D",
                           "C:\\T\\d\\a", "C:\\T\\D\\A", "c:\\t\\d\\B", "C:\\T\\d\\b\\A"};
    for (unsigned seed = 1; seed <= 12; ++seed) {
        EmulatedMachine held, fresh;
        for (EmulatedMachine* m : {&held, &fresh}) {
            ASSERT_TRUE(m->platform.createDirectory("C:\\T"));
        }
        held.platform.holdFiles();
        std::mt19937 random(seed);
        for (int i = 0; i < 120; ++i) {
            int op = static_cast<int>(random() % 13);
            std::string a = names[random() % std::size(names)];
            std::string b = names[random() % std::size(names)];
            ASSERT_EQ(step(held.platform, op, a, b), step(fresh.platform, op, a, b))
                << "seed " << seed << " step " << i << " op " << op << " " << a << " " << b;
        }
        held.platform.releaseFiles();
        EXPECT_EQ(tree(held.root()), tree(fresh.root())) << "seed " << seed;
    }
}

TEST(HeldFiles, ReleasedSeeWhatOthersChanged) {
    EmulatedMachine m;
    m.write("C:\\T\\KEEP.TXT", "k");
    m.platform.holdFiles();
    EXPECT_EQ(m.platform.getFileAttributes("C:\\T\\new.txt"), file_attribute::Invalid);
    // Another program writes a file whose name differs from the one asked for only in case.
    TempFolder::write(m.root() + "/drive_c/T/New.txt", "n");
    m.platform.releaseFiles();
    EXPECT_NE(m.platform.getFileAttributes("C:\\T\\new.txt"), file_attribute::Invalid);
    EXPECT_EQ(m.read("C:\\T\\NEW.TXT"), "n");
}

TEST(HeldFiles, RegistryChangesReachTheFileAtOnce) {
    EmulatedMachine m;
    m.platform.holdFiles();
    ASSERT_EQ(m.platform.regCreateKey(RegistryRoot::CurrentUser, "Software\\Held"), 0u);
    ASSERT_EQ(m.platform.regSetValue(RegistryRoot::CurrentUser, "Software\\Held", "v",
                                     RegistryValue::dword(7)),
              0u);
    // Only the forcing to disk waits for the end of the hold: a setup that dies keeps its keys.
    PosixPlatform other(PosixPlatform::Options{m.root(), {}});
    RegistryValue value;
    EXPECT_EQ(other.regQueryValue(RegistryRoot::CurrentUser, "Software\\Held", "v", value), 0u);
    EXPECT_EQ(value, RegistryValue::dword(7));
    m.platform.releaseFiles();
    EXPECT_TRUE(m.platform.warnings().empty());
}

} // namespace
