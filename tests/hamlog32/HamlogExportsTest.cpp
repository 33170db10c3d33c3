// The built HAMLOG32.DLL loaded as korvane loads it, driven only through its C exports.
#include "hamlog32/HamlogExports.h"

#include "common/AtomicFile.h"
#include "common/DynamicLibrary.h"
#include "tests/hamlog32/LogTestSupport.h"

#include <cstring>
#include <gtest/gtest.h>

namespace {

class HamlogExports : public ::testing::Test {
protected:
    using VersionFn = HamlogVersionFunction*;
    using OpenFn = HamlogOpenFunction*;
    using ReadFn = HamlogReadFunction*;
    using CloseFn = HamlogCloseFunction*;
    using CheckFn = HamlogCheckFunction*;
    using CutFieldsFn = HamlogCutFieldsFunction*;

    void SetUp() override {
        std::string error;
        library = DynamicLibrary::load(HAMLOG32_DLL_PATH, &error);
        ASSERT_TRUE(library) << error;
        version = library->function<VersionFn>("GetThdllVersion");
        open = library->function<OpenFn>("HamlogOpen");
        read = library->function<ReadFn>("THW_read");
        close = library->function<CloseFn>("HamlogClose");
        freqPCheck = library->function<CheckFn>("FreqPCheck");
        chosonCheck = library->function<CheckFn>("ChosonCheck");
        cutFields = library->function<CutFieldsFn>("THW_cutFields");
        ASSERT_TRUE(version && open && read && close && freqPCheck && chosonCheck && cutFields);
    }

    std::string writeLog(const std::string& name, const std::string& bytes) {
        std::string path = folder.file(name);
        EXPECT_TRUE(atomic_file::write(path, bytes));
        return path;
    }

    // The calls of one retrieval: open, read 1, 2, ... until non-zero, close. The calls of the
    // record in the work area at each successful read.
    std::vector<std::string> readAll(unsigned char* work, const std::string& path) {
        std::vector<std::string> calls;
        EXPECT_EQ(open(0, work, path.c_str(), 0, 1), 0);
        for (int32_t n = 1; n < 1000 && read(work, n, 2) == 0; ++n) {
            QsoRecord record;
            std::memcpy(&record, work, sizeof record);
            calls.emplace_back(QsoRecord::text(record.call));
        }
        close(work, 1);
        return calls;
    }

    log_test::ScratchFolder folder;
    std::unique_ptr<DynamicLibrary> library;
    VersionFn version = nullptr;
    OpenFn open = nullptr;
    ReadFn read = nullptr;
    CloseFn close = nullptr;
    CheckFn freqPCheck = nullptr;
    CheckFn chosonCheck = nullptr;
    CutFieldsFn cutFields = nullptr;
};

const std::string kCsv = "JA1AAA,98/05/03,21:05J,599,579,7.025,CW,1001,,,,,,\r\n"
                         "bad line\r\n"
                         "JA1BBB/2,98/05/03,21:06J,599,579,7.025,CW,1002,,,,,,\r\n"
                         "JA1CCC,98/05/03,21:07J,599,579,144,FM,100110,,,,,,\r\n";

} // namespace

TEST_F(HamlogExports, VersionPassesTheCallersCheck) {
    EXPECT_EQ(version(), 0x50000);
    EXPECT_GE(version(), 0x43000);
}

TEST_F(HamlogExports, ReadsEveryRecordThenReportsTheEnd) {
    std::string path = writeLog("QSO.CSV", kCsv);
    // One byte off alignment: the library must not assume an aligned area.
    std::vector<unsigned char> buffer(1025, 0);
    unsigned char* work = buffer.data() + 1;
    ASSERT_EQ(open(0, work, path.c_str(), 0, 1), 0);
    for (int32_t n = 1; n <= 3; ++n) {
        ASSERT_EQ(read(work, n, 2), 0) << n;
    }
    QsoRecord record;
    std::memcpy(&record, work, sizeof record);
    EXPECT_EQ(log_test::describe(record), "JA1CCC||980503|2107J|599|579|144|FM|100110");
    ASSERT_EQ(read(work, 2, 2), 0);
    std::memcpy(&record, work, sizeof record);
    EXPECT_EQ(QsoRecord::text(record.call), "JA1BBB");
    EXPECT_EQ(QsoRecord::text(record.portable), "2");
    EXPECT_NE(read(work, 4, 2), 0);
    EXPECT_NE(read(work, 0, 2), 0);
    EXPECT_NE(read(work, -1, 2), 0);
    close(work, 1);
    EXPECT_NE(read(work, 1, 2), 0);
    close(work, 1);
}

TEST_F(HamlogExports, OpensEachFormatByContent) {
    std::vector<unsigned char> work(kHamlogWorkAreaSize, 0);
    EXPECT_EQ(readAll(work.data(), writeLog("qso.txt", "<CALL:3>JA1<QSO_DATE:8>20240101"
                                                       "<TIME_ON:4>0000<EOR>")),
              std::vector<std::string>{"JA1"});
    EXPECT_EQ(readAll(work.data(), writeLog("QSO.DAT", kCsv)),
              (std::vector<std::string>{"JA1AAA", "JA1BBB", "JA1CCC"}));
    EXPECT_TRUE(readAll(work.data(), writeLog("EMPTY.CSV", "")).empty());
}

TEST_F(HamlogExports, OpenFailuresLeaveAClosableArea) {
    std::vector<unsigned char> work(kHamlogWorkAreaSize, 0);
    const std::string missing = folder.file("NOFILE.CSV");
    const std::string binary = writeLog("HAMLOG.MST", std::string("\x03\x7C\x05\x1B\0\0\0\x80", 8));
    const std::string folderPath = folder.file("");
    const std::string good = writeLog("QSO.CSV", kCsv);
    for (const std::string& path : {missing, binary, folderPath}) {
        // A failed open of an open area closes what it held.
        ASSERT_EQ(open(0, work.data(), good.c_str(), 0, 1), 0);
        EXPECT_NE(open(0, work.data(), path.c_str(), 0, 1), 0) << path;
        EXPECT_EQ(read(work.data(), 1, 2), kHamlogNoRecord) << path;
        EXPECT_EQ(cutFields(work.data()), 0) << path;
        EXPECT_EQ(close(work.data(), 1), 0);
        EXPECT_EQ(close(work.data(), 1), 0);
    }
    EXPECT_NE(open(0, work.data(), nullptr, 0, 1), 0);
    EXPECT_NE(open(0, nullptr, missing.c_str(), 0, 1), 0);
    close(nullptr, 1);
}

TEST_F(HamlogExports, ReopeningAnAreaAndCopiesOfItAreSafe) {
    std::string path = writeLog("QSO.CSV", kCsv);
    std::vector<unsigned char> work(kHamlogWorkAreaSize, 0);
    ASSERT_EQ(open(0, work.data(), path.c_str(), 0, 1), 0);
    ASSERT_EQ(open(0, work.data(), path.c_str(), 0, 1), 0);
    std::vector<unsigned char> copy = work;
    // A copy of an open area is another area: it reads nothing and cannot close the original.
    EXPECT_EQ(read(copy.data(), 1, 2), kHamlogNoRecord);
    EXPECT_EQ(close(copy.data(), 1), 0);
    ASSERT_EQ(read(work.data(), 1, 2), 0);
    close(work.data(), 1);
    // Once closed, neither the area nor its copy names a log, even when another area opens a log
    // in the memory the closed one had.
    std::vector<unsigned char> other(kHamlogWorkAreaSize, 0);
    ASSERT_EQ(open(0, other.data(), path.c_str(), 0, 1), 0);
    for (unsigned char* area : {work.data(), copy.data()}) {
        EXPECT_EQ(read(area, 1, 2), kHamlogNoRecord);
        EXPECT_EQ(cutFields(area), 0);
        EXPECT_EQ(close(area, 1), 0);
    }
    EXPECT_EQ(read(other.data(), 3, 2), 0);
    close(other.data(), 1);
}

TEST_F(HamlogExports, AreasNeverOpenedHoldNoLogWhateverTheirBytes) {
    const std::string path = writeLog("QSO.CSV", kCsv);
    for (unsigned char fill : {0x00, 0xA5, 0xFF}) {
        std::vector<unsigned char> work(kHamlogWorkAreaSize, fill);
        EXPECT_EQ(read(work.data(), 1, 2), kHamlogNoRecord) << int(fill);
        EXPECT_EQ(cutFields(work.data()), 0) << int(fill);
        EXPECT_EQ(close(work.data(), 1), 0) << int(fill);
        EXPECT_EQ(readAll(work.data(), path),
                  (std::vector<std::string>{"JA1AAA", "JA1BBB", "JA1CCC"}));
    }
    EXPECT_EQ(read(nullptr, 1, 2), kHamlogNoRecord);
    EXPECT_EQ(cutFields(nullptr), 0);
}

TEST_F(HamlogExports, CutFieldsCountsTheRecordLastRead) {
    const std::string path =
        writeLog("QSO.CSV", "JA1AAA,98/05/03,21:05J,599,579,7.025,CW,1001,,,Taro,,,\r\n"
                            "KH0/JA1ABCDEF/P,98/05/03,21:06J,599,579,7.025,CW,1001,,,"
                            "Taro Yamada Jr.,,,\r\n");
    std::vector<unsigned char> work(kHamlogWorkAreaSize, 0);
    ASSERT_EQ(open(0, work.data(), path.c_str(), 0, 1), 0);
    EXPECT_EQ(cutFields(work.data()), 0) << "no record read yet";
    ASSERT_EQ(read(work.data(), 2, 2), 0);
    QsoRecord record;
    std::memcpy(&record, work.data(), sizeof record);
    EXPECT_EQ(log_test::describe(record),
              "JA1ABCDE|KH0|980503|2106J|599|579|7.025|CW|1001|||Taro Yamada J");
    EXPECT_EQ(cutFields(work.data()), 3) << "call, portable and name";
    ASSERT_EQ(read(work.data(), 1, 2), 0);
    EXPECT_EQ(cutFields(work.data()), 0);
    ASSERT_EQ(read(work.data(), 2, 2), 0);
    EXPECT_NE(read(work.data(), 3, 2), 0);
    EXPECT_EQ(cutFields(work.data()), 3) << "a failed read leaves the record and its count";
    close(work.data(), 1);
    EXPECT_EQ(cutFields(work.data()), 0);
}

TEST_F(HamlogExports, ClassificationExports) {
    EXPECT_EQ(freqPCheck("1.9"), 0);
    EXPECT_EQ(freqPCheck("   3.5"), 1);
    EXPECT_EQ(freqPCheck("5600"), 14);
    EXPECT_EQ(freqPCheck("Etc"), 15);
    EXPECT_EQ(freqPCheck(nullptr), 15);
    EXPECT_EQ(chosonCheck("100110"), 6);
    EXPECT_EQ(chosonCheck("01001A"), 7);
    EXPECT_EQ(chosonCheck(nullptr), 0);
}
