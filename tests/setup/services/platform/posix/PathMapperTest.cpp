// Windows paths of the emulated machine: the lexical rules of Windows, the drives, names found
// without regard to ASCII case, and host paths turned back into Windows paths.
#include "services/platform/posix/PathMapper.h"

#include "common/Cp932.h"
#include "tests/common/TempFolder.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

const std::string& J(std::string_view utf8) {
    return cp932::lit(utf8);
}

} // namespace

TEST(PathMapper, MakesPathsAbsolute) {
    struct Row {
        std::string path;
        std::string current;
        std::string absolute; // empty: error
        std::uint32_t error;
    };
    const Row rows[] = {
        {"C:\\A\\B", "C:\\X", "C:\\A\\B", 0},
        {"c:/a/./b/../c", "Z:\\", "C:\\a\\c", 0},
        {"a\\b", "C:\\X", "C:\\X\\a\\b", 0},
        {"\\a", "Z:\\home\\u", "Z:\\a", 0},
        {"..\\..\\..", "C:\\X\\Y", "C:\\", 0},
        {"D:x", "C:\\X", "D:\\x", 0},
        {"C:x", "C:\\X", "C:\\X\\x", 0},
        {"C:\\A. \\B..", "C:\\", "C:\\A\\B", 0},
        {J("C:\\ソフト\\表"), "C:\\", J("C:\\ソフト\\表"), 0},
        {"C:\\a<b", "C:\\", "", 123},
        {"C:\\a|b", "C:\\", "", 123},
        {std::string("C:\\a\0b", 6), "C:\\", "", 123},
        {"", "C:\\", "", 3},
        {"\\\\server\\share", "C:\\", "", 3},
    };
    for (const Row& row : rows) {
        std::uint32_t error = 0;
        auto current = PathMapper::absolute(row.current, PathMapper::WindowsPath{'C', {}}, error);
        ASSERT_TRUE(current);
        auto absolute = PathMapper::absolute(row.path, *current, error);
        EXPECT_EQ(absolute ? absolute->text() : std::string(), row.absolute) << row.path;
        if (!absolute) {
            EXPECT_EQ(error, row.error) << row.path;
        }
    }
}

TEST(PathMapper, HostPathsWithoutRegardToCase) {
    TempFolder folder;
    const std::string root = folder.path().string();
    PathMapper mapper(root);
    std::filesystem::create_directories(root + "/drive_c/Program Files/MyApp");
    std::filesystem::create_directories(root + "/drive_c/ソフト");
    struct Row {
        std::string path;
        std::string host; // empty: error 3
    };
    const Row rows[] = {
        {"C:\\PROGRAM FILES\\myapp\\new.txt", root + "/drive_c/Program Files/MyApp/new.txt"},
        {"C:\\program files\\NEW\\MyApp", root + "/drive_c/Program Files/NEW/MyApp"},
        {J("C:\\ソフト\\表.TXT"), root + "/drive_c/ソフト/表.TXT"},
        {"C:\\", root + "/drive_c"},
        {"Z:\\", "/"},
        {"Z:\\TMP", "/tmp"},
        {"D:\\A", ""},
    };
    for (const Row& row : rows) {
        std::uint32_t error = 0;
        auto absolute = PathMapper::absolute(row.path, PathMapper::WindowsPath{'C', {}}, error);
        ASSERT_TRUE(absolute) << row.path;
        auto host = mapper.toHost(*absolute, error);
        EXPECT_EQ(host.value_or(std::string()), row.host) << row.path;
        if (!host) {
            EXPECT_EQ(error, 3u);
        }
    }
}

TEST(PathMapper, WindowsPathsOfHostPaths) {
    TempFolder folder;
    const std::string root = folder.path().string();
    PathMapper mapper(root + "/");
    auto onZ = [](std::string host) {
        std::replace(host.begin(), host.end(), '/', '\\');
        return "Z:" + host;
    };
    struct Row {
        std::string host;
        std::string windows;
    };
    const Row rows[] = {
        {root + "/drive_c/WINDOWS/x.ini", "C:\\WINDOWS\\x.ini"},
        {root + "/drive_c", "C:\\"},
        {root + "/drive_c_other/x", onZ(root + "/drive_c_other/x")},
        {"/etc/./x/../passwd", "Z:\\etc\\passwd"},
        {"/", "Z:\\"},
        {root + "/drive_c/ソフト/表", J("C:\\ソフト\\表")},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(mapper.toWindows(row.host), row.windows) << row.host;
    }
}
