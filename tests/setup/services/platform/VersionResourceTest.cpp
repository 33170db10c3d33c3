// Version resources: a block found in a PE file, strings looked up by path, and truncated or
// foreign data that yields nothing rather than a misread.
#include "services/platform/VersionResource.h"

#include "common/Cp932.h"
#include "tests/setup/services/PeFixture.h"

#include <gtest/gtest.h>

TEST(VersionResource, FindsTheBlockAndItsStrings) {
    const std::string block = VersionResource::build(
        "1.0.0.5", "041103a4",
        {{"CompanyName", cp932::fromUtf8("クイレット")}, {"FileVersion", "1.0.0.5"}});
    EXPECT_EQ(VersionResource::extractFromPe(peFile(block)), block);
    struct Row {
        std::string path;
        std::optional<std::string> value;
    };
    const Row rows[] = {
        {"\\StringFileInfo\\041103a4\\FileVersion", "1.0.0.5"},
        {"\\stringfileinfo\\041103A4\\fileversion", "1.0.0.5"},
        {"\\StringFileInfo\\041103a4\\CompanyName", cp932::fromUtf8("クイレット")},
        {"\\StringFileInfo\\040904b0\\FileVersion", std::nullopt},
        {"\\StringFileInfo\\041103a4\\ProductName", std::nullopt},
        {"\\StringFileInfo\\041103a4", std::nullopt},
        {"\\", std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(VersionResource::queryString(block, row.path), row.value) << row.path;
    }
}

TEST(VersionResource, NothingFromOtherOrDamagedData) {
    const std::string block =
        VersionResource::build("2.3.4.5", "041103a4", {{"FileVersion", "2.3.4.5"}});
    const std::string pe = peFile(block);
    EXPECT_EQ(VersionResource::extractFromPe(peFile("")), "");
    EXPECT_EQ(VersionResource::extractFromPe("\x7F"
                                             "ELF and so on"),
              "");
    for (std::size_t length = 0; length < pe.size(); ++length) {
        EXPECT_EQ(VersionResource::extractFromPe(pe.substr(0, length)), "") << length;
    }
    for (std::size_t length = 0; length < block.size(); ++length) {
        auto value = VersionResource::queryString(block.substr(0, length),
                                                  "\\StringFileInfo\\041103a4\\FileVersion");
        EXPECT_TRUE(!value || *value == "2.3.4.5") << length;
    }
}
