// Atomic replacement keeps the old file on failure and leaves no temporary files behind.
#include "common/AtomicFile.h"

#include "tests/common/TempFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#endif

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

#ifndef _WIN32
TEST(AtomicFile, CopyKeepsModeAndTimesAndTheOldFileOnFailure) {
    TempFolder dir;
    const std::string from = dir.file("from.bin");
    const std::string to = dir.file("to.bin");
    TempFolder::write(from, std::string(200000, 'x') + "end"); // more than one buffer
    ASSERT_EQ(::chmod(from.c_str(), 0751), 0);
    const struct timespec times[2] = {{1000000000, 5}, {1200000000, 123456789}};
    ASSERT_EQ(::utimensat(AT_FDCWD, from.c_str(), times, 0), 0);
    ASSERT_TRUE(atomic_file::write(to, "old"));
    ASSERT_TRUE(atomic_file::copy(from, to));
    EXPECT_EQ(TempFolder::read(to), TempFolder::read(from));
    struct stat st {};
    ASSERT_EQ(::stat(to.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0751u);
    EXPECT_EQ(st.st_mtim.tv_sec, times[1].tv_sec);
    EXPECT_EQ(st.st_mtim.tv_nsec, times[1].tv_nsec);

    ASSERT_TRUE(atomic_file::write(to, "kept"));
    std::string error;
    EXPECT_FALSE(atomic_file::copy(dir.file("none"), to, &error));
    EXPECT_EQ(error, dir.file("none") + ": 指定されたファイルが見つかりません。");
    EXPECT_FALSE(atomic_file::copy(from, dir.file("missing/x.bin"), &error));
    EXPECT_EQ(error, dir.file("missing/x.bin") + ": 指定されたパスが見つかりません。");
    EXPECT_FALSE(atomic_file::copy(dir.path().string(), to));
    EXPECT_EQ(TempFolder::read(to), "kept");
    int files = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) {
        ++files;
    }
    EXPECT_EQ(files, 2);
    // A file that says it is empty and is not.
    if (std::filesystem::exists("/proc/self/status")) {
        ASSERT_TRUE(atomic_file::copy("/proc/self/status", dir.file("status")));
        EXPECT_NE(TempFolder::read(dir.file("status")).find("Umask:"), std::string::npos);
    }
}
#endif
