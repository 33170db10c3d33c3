// Logs read through small windows: cut records, numbering, reading again, open results.
#include "hamlog32/LogDatabase.h"

#include "common/AtomicFile.h"
#include "tests/hamlog32/LogTestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

const std::string kRest = ",599,579,7.025,CW,1001,PM95,J,Taro,Tokyo,r1,r2";

std::string csvLine(const std::string& call, const std::string& end = "\r\n") {
    return call + ",98/05/03,21:05J" + kRest + end;
}

std::string adifField(const std::string& name, const std::string& data) {
    return "<" + name + ":" + std::to_string(data.size()) + ">" + data;
}

std::string adifQso(const std::string& call, const std::string& more = {}) {
    return adifField("CALL", call) + adifField("QSO_DATE", "20240501") +
           adifField("TIME_ON", "0305") + more + "<EOR>\r\n";
}

struct Opened {
    LogDatabase::OpenResult result = LogDatabase::OpenResult::kCannotRead;
    std::vector<std::string> records;
};

// Opens the file at path with the given window and reads 1, 2, 3, ... until a read fails.
Opened openAndReadAll(const std::string& path, std::size_t windowBytes) {
    Opened opened;
    std::unique_ptr<LogDatabase> database = LogDatabase::open(path, opened.result, windowBytes);
    if (database) {
        QsoRecord record;
        for (std::size_t n = 1; database->read(n, record); ++n) {
            opened.records.push_back(log_test::describe(record));
        }
    }
    return opened;
}

std::vector<std::string> calls(const std::vector<std::string>& described) {
    std::vector<std::string> out;
    for (const std::string& record : described) {
        out.push_back(record.substr(0, record.find('|')));
    }
    return out;
}

struct WindowCase {
    const char* what;
    const char* fileName;
    std::string text;
    std::vector<std::string> calls; // of the records, in numbering order
};

} // namespace

TEST(LogDatabase, EveryWindowSizeReadsWhatTheWholeFileHolds) {
    const std::string longRemarks = std::string(300, 'y');
    const WindowCase cases[] = {
        {"CR LF lines",
         "QSO.CSV",
         csvLine("JA1AAA") + csvLine("JA1BBB/2") + csvLine("JA1CCC"),
         {"JA1AAA", "JA1BBB", "JA1CCC"}},
        {"LF lines, the last without a line end",
         "QSO.CSV",
         csvLine("JA1AAA", "\n") + csvLine("JA1BBB", "\n") + csvLine("JA1CCC", ""),
         {"JA1AAA", "JA1BBB", "JA1CCC"}},
        {"byte order mark, then blank and unreadable lines between the records",
         "QSO.CSV",
         "\xEF\xBB\xBF" + csvLine("JA1AAA") + "\r\n   \r\nCall,Date,Time\r\n" +
             "JA1BAD,98/13/03,21:05J\r\n" + csvLine("JA1BBB") + "\n\n" + csvLine("JA1CCC"),
         {"JA1AAA", "JA1BBB", "JA1CCC"}},
        {"a quoted record far longer than the window",
         "QSO.CSV",
         csvLine("JA1AAA") + "\"JA1LNG\",98/05/03,21:05J,599,579,7,CW,1,,,,,\"a,\"\"" +
             longRemarks + "\",r2\r\n" + csvLine("JA1CCC"),
         {"JA1AAA", "JA1LNG", "JA1CCC"}},
        {"quoted fields holding line breaks, longer than the window",
         "QSO.CSV",
         csvLine("JA1AAA") + "JA1LNB,98/05/03,21:05J,599,579,7,CW,1,,,,,\"a\r\n\r\nb\r\n" +
             longRemarks + "\",r2\r\n" + csvLine("JA1CCC") + csvLine("JA1DDD", "") + ",\"x\n\"",
         {"JA1AAA", "JA1LNB", "JA1CCC", "JA1DDD"}},
        {"ADIF header, records cut anywhere, a long one and one without <EOR>",
         "qso.adi",
         "Exported for a test\r\n" + adifField("ADIF_VER", "3.1.4") + "<EOH>\r\n" +
             adifQso("JA1AAA", adifField("FREQ", "7.025") + adifField("MODE", "CW")) +
             adifQso("", adifField("NOTES", "no call: skipped")) +
             adifQso("JA1BBB", adifField("COMMENT", longRemarks)) + adifField("CALL", "JA1CCC") +
             adifField("QSO_DATE", "20240501") + adifField("TIME_ON", "1500"),
         {"JA1AAA", "JA1BBB", "JA1CCC"}},
        {"ADIF without a header, a tag's data holding '<EOR>'",
         "log.txt",
         adifQso("JA1AAA", adifField("NOTES", "x<EOR>y")) + adifQso("JA1BBB"),
         {"JA1AAA", "JA1BBB"}},
    };
    log_test::ScratchFolder folder;
    for (const WindowCase& c : cases) {
        const std::string path = folder.file(c.fileName);
        ASSERT_TRUE(atomic_file::write(path, c.text));
        const Opened whole = openAndReadAll(path, LogDatabase::kWindowBytes);
        EXPECT_EQ(whole.result, LogDatabase::OpenResult::kOpened) << c.what;
        EXPECT_EQ(calls(whole.records), c.calls) << c.what;
        for (std::size_t window = 16; window <= 64; ++window) {
            EXPECT_EQ(openAndReadAll(path, window).records, whole.records)
                << c.what << ", window " << window;
        }
    }
}

TEST(LogDatabase, ReadsAgainBackwardsAndSkipsAheadWithoutGaps) {
    std::string text;
    for (int i = 0; i < 40; ++i) {
        text += csvLine("JA1Q" + std::to_string(i));
        if (i % 3 == 0) {
            text += "not a record\r\n\r\n";
        }
    }
    const std::vector<std::string> inOrder = log_test::describeAll(text, LogFormat::kCsv);
    ASSERT_EQ(inOrder.size(), 40u);
    EXPECT_EQ(calls(inOrder)[39], "JA1Q39");

    for (std::size_t window : {std::size_t(16), std::size_t(50), LogDatabase::kWindowBytes}) {
        std::unique_ptr<LogDatabase> database =
            LogDatabase::fromText(text, LogFormat::kCsv, window);
        ASSERT_TRUE(database);
        QsoRecord record;
        // Skipping ahead numbers the records passed over; reading back returns each of them.
        ASSERT_TRUE(database->read(25, record));
        EXPECT_EQ(log_test::describe(record), inOrder[24]);
        EXPECT_EQ(database->indexed(), 25u);
        for (std::size_t n = 25; n >= 1; --n) {
            ASSERT_TRUE(database->read(n, record)) << n;
            EXPECT_EQ(log_test::describe(record), inOrder[n - 1]) << n << ", window " << window;
        }
        for (std::size_t n = 26; n <= 40; ++n) {
            ASSERT_TRUE(database->read(n, record)) << n;
            EXPECT_EQ(log_test::describe(record), inOrder[n - 1]) << n << ", window " << window;
        }
        const std::string last = log_test::describe(record);
        EXPECT_FALSE(database->read(41, record));
        EXPECT_FALSE(database->read(1000, record));
        EXPECT_FALSE(database->read(0, record));
        EXPECT_EQ(log_test::describe(record), last) << "a failed read leaves the record alone";
        ASSERT_TRUE(database->read(7, record));
        EXPECT_EQ(log_test::describe(record), inOrder[6]);
    }
}

TEST(LogDatabase, OpeningReadsOnlyUpToTheFirstRecord) {
    std::string text = "title line\r\n";
    for (int i = 0; i < 2000; ++i) {
        text += csvLine("JA1Q" + std::to_string(i));
    }
    log_test::ScratchFolder folder;
    const std::string path = folder.file("QSO.CSV");
    ASSERT_TRUE(atomic_file::write(path, text));
    LogDatabase::OpenResult result;
    std::unique_ptr<LogDatabase> database = LogDatabase::open(path, result, 64);
    ASSERT_TRUE(database);
    EXPECT_EQ(database->indexed(), 1u);
    QsoRecord record;
    ASSERT_TRUE(database->read(1, record));
    ASSERT_TRUE(database->read(2, record));
    EXPECT_EQ(database->indexed(), 2u);
    EXPECT_EQ(QsoRecord::text(record.call), "JA1Q1");
}

TEST(LogDatabase, OpenResultsAsTheTableSays) {
    using R = LogDatabase::OpenResult;
    const struct {
        const char* what;
        const char* fileName;
        std::string text;
        R result;
        std::size_t records;
    } cases[] = {
        {"empty file", "QSO.CSV", "", R::kOpened, 0},
        {"blanks and a byte order mark only", "QSO.CSV", "\xEF\xBB\xBF \r\n\t\n", R::kOpened, 0},
        {"ADIF header without records", "qso.adi", "text<EOH>\r\n", R::kOpened, 0},
        {"ADIF record without a call: its <EOR> still marks the format", "qso.adi",
         adifField("QSO_DATE", "20240501") + "<EOR>", R::kOpened, 0},
        {"garbage text", "QSO.CSV", "hello\r\nworld\r\n" + std::string(500, 'z'), R::kUnrecognised,
         0},
        {"garbage with a byte order mark", "QSO.CSV", "\xEF\xBB\xBFhello", R::kUnrecognised, 0},
        {"binary master file", "HAMLOG.MST", std::string("\x03\x7C\x05\x1B\0\0\0\x80", 8),
         R::kUnrecognised, 0},
        {"a record after a long stretch of garbage", "QSO.CSV",
         std::string(3000, 'g') + "\n" + csvLine("JA1AAA"), R::kOpened, 1},
    };
    log_test::ScratchFolder folder;
    for (const auto& c : cases) {
        const std::string path = folder.file(c.fileName);
        ASSERT_TRUE(atomic_file::write(path, c.text));
        for (std::size_t window : {std::size_t(16), LogDatabase::kWindowBytes}) {
            Opened opened = openAndReadAll(path, window);
            EXPECT_EQ(opened.result, c.result) << c.what << ", window " << window;
            EXPECT_EQ(opened.records.size(), c.records) << c.what << ", window " << window;
        }
        std::filesystem::remove(path);
    }

    EXPECT_EQ(openAndReadAll(folder.file("MISSING.CSV"), 64).result, R::kCannotRead);
    EXPECT_EQ(openAndReadAll(folder.file(""), 64).result, R::kCannotRead);
    // A FIFO named as the log must be refused, not waited on for a writer.
    const std::string fifo = folder.file("FIFO.CSV");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(openAndReadAll(fifo, 64).result, R::kCannotRead);
}

TEST(LogDatabase, FileShortenedOrRewrittenAfterOpeningDoesNotCrash) {
    std::string text;
    for (int i = 0; i < 100; ++i) {
        text += csvLine("JA1Q" + std::to_string(i));
    }
    log_test::ScratchFolder folder;
    const std::string path = folder.file("QSO.CSV");
    for (std::size_t window : {std::size_t(16), std::size_t(256), LogDatabase::kWindowBytes}) {
        ASSERT_TRUE(atomic_file::write(path, text));
        LogDatabase::OpenResult result;
        std::unique_ptr<LogDatabase> database = LogDatabase::open(path, result, window);
        ASSERT_TRUE(database);
        QsoRecord record;
        for (std::size_t n = 1; n <= 10; ++n) {
            ASSERT_TRUE(database->read(n, record));
        }
        // Cut in the middle of record 21, in place, as another program would.
        std::filesystem::resize_file(path, text.find("JA1Q20,") + 5);
        std::size_t n = 11;
        while (database->read(n, record)) {
            EXPECT_EQ(QsoRecord::text(record.call), "JA1Q" + std::to_string(n - 1));
            ++n;
        }
        // Whatever a large window still held may be read; a small one ends where the file ends now.
        if (window < 1024) {
            EXPECT_EQ(n - 1, 20u) << "window " << window;
        }
        EXPECT_FALSE(database->read(50, record));
        // Records numbered before the cut and gone now are refused when read again.
        std::filesystem::resize_file(path, 0);
        EXPECT_FALSE(database->read(5, record));
        EXPECT_FALSE(database->read(1000, record));
        // Rewritten with other text in place: reading again must not crash; what it gives may vary.
        {
            std::FILE* file = std::fopen(path.c_str(), "wb");
            ASSERT_TRUE(file);
            std::fputs("garbage\nJA1NEW,98/05/03,21:05J\n", file);
            std::fclose(file);
        }
        for (std::size_t k = 1; k <= 12; ++k) {
            if (database->read(k, record)) {
                std::string call(QsoRecord::text(record.call));
                EXPECT_TRUE(call == "JA1NEW" || call.rfind("JA1Q", 0) == 0) << call;
            }
        }
    }
}
