// Reading records in order allocates nothing per record (this program counts operator new).
#include "hamlog32/LogDatabase.h"

#include <atomic>
#include <cstdlib>
#include <gtest/gtest.h>
#include <new>

namespace {
std::atomic<long> allocations{0};
} // namespace

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) {
        return p;
    }
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept {
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

TEST(LogDatabase, ReadingInOrderAllocatesNothingPerRecord) {
    constexpr int kRecords = 3000;
    std::string csv;
    std::string adif = "header<EOH>\r\n";
    for (int i = 0; i < kRecords; ++i) {
        // Fields longer than a short string's inline room, quoted ones too.
        csv += "JA1Q" + std::to_string(i) +
               ",98/05/03,21:05J,599,579,7.025,CW,1001,PM95,J,\"Name, \"\"quoted\"\" at length\","
               "Tokyo,remarks long enough to need the heap,r2\r\n";
        adif += "<CALL:6>JA1ABC<QSO_DATE:8>20240501<TIME_ON:4>0305<FREQ:10>14.0253456"
                "<SRX_STRING:30>100 110 120 130 140 150 160 17<EOR>\r\n";
    }
    for (const auto& [text, format] :
         {std::pair(csv, LogFormat::kCsv), std::pair(adif, LogFormat::kAdif)}) {
        std::unique_ptr<LogDatabase> database = LogDatabase::fromText(text, format, 4096);
        ASSERT_TRUE(database);
        QsoRecord record;
        ASSERT_TRUE(database->read(1, record));
        ASSERT_TRUE(database->read(2, record));
        long before = allocations;
        int n = 3;
        while (database->read(n, record)) {
            ++n;
        }
        long during = allocations - before;
        EXPECT_EQ(n - 1, kRecords);
        // Only the index of record offsets grows, a block of offsets at a time.
        EXPECT_LE(during, kRecords / 32) << "format " << static_cast<int>(format);
    }
}
