// The shell link format: what is written reads back, and damaged bytes are refused, never
// misread past their end.
#include "services/platform/ShellLinkFile.h"

#include "common/Cp932.h"

#include <gtest/gtest.h>

TEST(ShellLinkFile, RoundTrips) {
    const ShellLinkFile::Link links[] = {
        {"C:\\APP\\APP.EXE", "C:\\APP\\", "-a \"x y\"", 0x20, 132000000000000000ULL, 4096},
        {cp932::fromUtf8("C:\\ソフト\\表.EXE"), cp932::fromUtf8("C:\\ソフト\\"), "", 0, 0, 0},
        {"Z:\\home\\u\\pkg\\SETUP.EXE", "", "", 0x21, 1, 2},
    };
    for (const auto& link : links) {
        std::string bytes = ShellLinkFile::write(link);
        auto read = ShellLinkFile::read(bytes);
        ASSERT_TRUE(read.has_value());
        EXPECT_EQ(read->target, link.target);
        EXPECT_EQ(read->workingDirectory, link.workingDirectory);
        EXPECT_EQ(read->arguments, link.arguments);
        EXPECT_EQ(read->targetAttributes, link.targetAttributes);
        EXPECT_EQ(read->targetWriteTime, link.targetWriteTime);
        EXPECT_EQ(read->targetSize, link.targetSize);
    }
}

TEST(ShellLinkFile, RefusesDamagedBytes) {
    std::string bytes = ShellLinkFile::write({"C:\\APP\\APP.EXE", "C:\\APP\\", "-x"});
    // The terminal block is the only part a reader may go without.
    for (std::size_t length = 0; length + 4 < bytes.size(); ++length) {
        EXPECT_FALSE(ShellLinkFile::read(bytes.substr(0, length)).has_value()) << length;
    }
    std::string wrongClass = bytes;
    wrongClass[4] = 0x02;
    EXPECT_FALSE(ShellLinkFile::read(wrongClass).has_value());
    std::string hugeInfo = bytes;
    hugeInfo[76 + 3] = 0x7F; // link info size far beyond the file
    EXPECT_FALSE(ShellLinkFile::read(hugeInfo).has_value());
    EXPECT_FALSE(ShellLinkFile::read("not a link at all").has_value());
}
