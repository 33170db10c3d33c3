// Atomic replacement keeps the old file on failure and leaves no temporary files behind.
#include "common/AtomicFile.h"

#include "tests/common/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

TEST(AtomicFile, ReplacesWholeFileAndLeavesNoTemporaries) {
    TempFolder dir;
    const std::string path = dir.file("data.bin");
    ASSERT_TRUE(atomic_file::write(path, std::string("old\0contents", 12)));
    ASSERT_TRUE(atomic_file::write(path, "new"));
    std::string back;
    ASSERT_TRUE(atomic_file::read(path, back));
    EXPECT_EQ(back, "new");
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) {
        ++files;
    }
    EXPECT_EQ(files, 1);
}

TEST(AtomicFile, FailureKeepsOldFile) {
    TempFolder dir;
    const std::string path = dir.file("keep.txt");
    ASSERT_TRUE(atomic_file::write(path, "precious"));
#ifndef _WIN32
    if (::geteuid() != 0) {
        // Without write permission on the folder the temporary cannot be made.
        std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::remove);
        std::string error;
        EXPECT_FALSE(atomic_file::write(path, "lost?", &error));
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(error, path + ": アクセスが拒否されました。");
        std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_write,
                                     std::filesystem::perm_options::add);
    }
#endif
    std::string error;
    EXPECT_FALSE(atomic_file::write(dir.file("missing/x.txt"), "x", &error));
    EXPECT_NE(error.find("missing"), std::string::npos);
    // In the words of a Japanese Windows, the folder of a new file being what is missing.
    EXPECT_EQ(error, dir.file("missing/x.txt") + ": 指定されたパスが見つかりません。");
    EXPECT_EQ(TempFolder::read(path), "precious");
}

TEST(AtomicFile, ReadReportsMissingFilesAndFolders) {
    TempFolder dir;
    std::string contents = "stale";
    std::string error;
    EXPECT_FALSE(atomic_file::read(dir.file("none"), contents, &error));
    EXPECT_TRUE(contents.empty());
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(error, dir.file("none") + ": 指定されたファイルが見つかりません。");
    EXPECT_FALSE(atomic_file::read(dir.path().string(), contents));
}
