// The factory's platform is this system's: on POSIX hosts the emulated machine at $QUILLET_ROOT.
#include "services/platform/PlatformFactory.h"

#include "services/platform/Win32Codes.h"
#include "tests/common/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

TEST(PlatformFactory, GivesTheEmulatedMachineAtQuilletRoot) {
    TempFolder folder;
    const std::string root = folder.file("root");
    const char* saved = std::getenv("QUILLET_ROOT");
    const std::optional<std::string> previous =
        saved ? std::optional<std::string>(saved) : std::nullopt;
    ::setenv("QUILLET_ROOT", root.c_str(), 1);
    std::unique_ptr<Platform> platform = PlatformFactory::create();
    if (previous) {
        ::setenv("QUILLET_ROOT", previous->c_str(), 1);
    } else {
        ::unsetenv("QUILLET_ROOT");
    }
    ASSERT_NE(platform, nullptr);
    EXPECT_EQ(platform->getFileAttributes("C:\\WINDOWS\\SYSTEM32"), file_attribute::Directory);
    EXPECT_TRUE(platform->createDirectory("C:\\FACTORY"));
    EXPECT_TRUE(std::filesystem::is_directory(root + "/drive_c/FACTORY"));
}
