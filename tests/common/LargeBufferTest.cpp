// Large buffers and the small copies of record texts: zero-filled memory of every size that is
// writable to its last byte, moves, and copies of every short length.
#include "common/LargeBuffer.h"

#include "common/ByteCopy.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>

TEST(LargeBuffer, ZeroFilledAndWritableAtEverySize) {
    for (std::size_t size :
         {std::size_t(1), std::size_t(4095), std::size_t(4096), LargeBuffer::kHugePage - 1,
          LargeBuffer::kHugePage, LargeBuffer::kHugePage + 1, 3 * LargeBuffer::kHugePage}) {
        LargeBuffer buffer(size);
        ASSERT_NE(buffer.data(), nullptr) << size;
        EXPECT_EQ(buffer.size(), size);
        std::size_t nonZero = 0;
        for (std::size_t i = 0; i < size; i += 511) {
            nonZero += buffer.data()[i] != 0;
        }
        EXPECT_EQ(nonZero + (buffer.data()[size - 1] != 0), 0u) << size;
        buffer.data()[0] = 1;
        buffer.data()[size - 1] = 2;
        EXPECT_EQ(buffer.data()[size - 1], 2);
    }
    EXPECT_EQ(LargeBuffer(0).size(), 0u);
}

TEST(LargeBuffer, MovesHandOverTheMemory) {
    LargeBuffer a(LargeBuffer::kHugePage);
    a.data()[5] = 'x';
    char* memory = a.data();
    LargeBuffer b(std::move(a));
    EXPECT_EQ(b.data(), memory);
    EXPECT_EQ(a.data(), nullptr);
    LargeBuffer c(100);
    c = std::move(b);
    EXPECT_EQ(c.data()[5], 'x');
    EXPECT_EQ(c.size(), LargeBuffer::kHugePage);
}

TEST(ByteCopy, EveryLengthLandsExactly) {
    // Every path: up to 3, 4 to 7, 8 to 16, 17 to 64 bytes, and beyond.
    std::string source;
    for (int i = 0; i < 80; ++i) {
        source.push_back(static_cast<char>('0' + i % 75));
    }
    for (std::size_t n = 0; n <= 77; ++n) {
        std::string out(90, '#');
        char* end = copyBytes(out.data() + 1, std::string_view(source).substr(3, n));
        EXPECT_EQ(end, out.data() + 1 + n);
        EXPECT_EQ(out, "#" + source.substr(3, n) + std::string(89 - n, '#')) << n;
    }
}
