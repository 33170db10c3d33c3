// HAMLOG CSV lines: quoting, line ends, field counts, malformed lines, portable split and field
// cutting.
#include "CsvLogReader.h"

#include "LogTestSupport.h"

#include <gtest/gtest.h>

namespace {

struct CsvCase {
    const char* what;
    std::string utf8Text; // converted to CP932 before reading
    std::vector<std::string> expected;
};

const std::string kRest = ",599,579,7.025,CW,1001,PM95,J,Taro,Tokyo,r1,r2";

} // namespace

TEST(CsvLogReader, ReadsLinesAsTheTableSays) {
    const CsvCase cases[] = {
        {"plain line with the ignored last field",
         "JA1ABC,98/05/03,21:05J,599,579,7.025,CW,1001,PM95,J,Taro,Tokyo,r1,r2,ignored\r\n",
         {"JA1ABC||980503|2105J|599|579|7.025|CW|1001|PM95|J|Taro|Tokyo|r1|r2"}},
        {"missing last field, no line end",
         "JA1ABC,05/12/31,00:00U" + kRest,
         {"JA1ABC||051231|0000U|599|579|7.025|CW|1001|PM95|J|Taro|Tokyo|r1|r2"}},
        {"short line: missing fields are empty",
         "JA1ABC,98/05/03,21:05J\n",
         {"JA1ABC||980503|2105J"}},
        {"quoted fields, doubled quotes, commas inside quotes, blanks kept in the frequency",
         "\"JA1ABC/1\",\"98/05/03\",\"21:05u\",\"59\",\"59\",\"   7.05\",\"SSB\",\"100110\",\"\","
         "\"\",\"Name \"\"Q\"\"\",\"Tokyo, Chiyoda\",\"a,b\",\"\",\"\"\n",
         {"JA1ABC|1|980503|2105U|59|59|   7.05|SSB|100110|||Name \"Q\"|Tokyo, Chiyoda|a,b"}},
        {"blank and malformed lines are skipped, numbering has no gaps",
         "Call,Date,Time,His,My,Freq,Mode,Code,GL,QSL,Name,QTH,Rem1,Rem2,x\r\n"
         "JA1AAA,98/05/03,21:05J" +
             kRest +
             "\r\n"
             "\r\n   \n"
             "JA1BAD,98-05-03,21:05J" +
             kRest +
             "\n"
             "JA1BAD,98/05/03,2105J" +
             kRest +
             "\n"
             "JA1BAD,98/05/03,21:05X" +
             kRest +
             "\n"
             "JA1BAD,98/13/03,21:05J" +
             kRest +
             "\n"
             "JA1BAD,98/02/29,21:05J" +
             kRest +
             "\n"
             "JA1BAD,98/05/03,24:00J" +
             kRest +
             "\n"
             "\"JA1BAD,98/05/03,21:05J" +
             kRest +
             "\n"
             "JA1BBB,00/02/29,23:59J" +
             kRest + "\n",
         {"JA1AAA||980503|2105J|599|579|7.025|CW|1001|PM95|J|Taro|Tokyo|r1|r2",
          "JA1BBB||000229|2359J|599|579|7.025|CW|1001|PM95|J|Taro|Tokyo|r1|r2"}},
        {"text is cut to the field width at a character boundary; full fields have no terminator",
         "JA1ABCDEF/1234567,98/05/03,21:05J,5991,579,1296.1234,RTTY,1001001,PM95AA12,JJJJ,"
         "ab漢字漢字漢字,東京,r1,r2\n"
         "JA1XYZ,98/05/03,21:05J,599,579,7,PSK31,1001,,,a漢字漢字漢字,ソフト\\,,\n",
         {"JA1ABCDE|1234|980503|2105J|5991|579|1296.123|RTTY|1001001|PM95AA1|JJJJ|ab漢字漢字漢|"
          "東京|r1|r2",
          "JA1XYZ||980503|2105J|599|579|7|PSK3|1001|||a漢字漢字漢字|ソフト\\"}},
    };
    for (const CsvCase& c : cases) {
        EXPECT_EQ(log_test::describeAll(cp932::fromUtf8(c.utf8Text), LogFormat::kCsv), c.expected)
            << c.what;
    }
}

TEST(CsvLogReader, FullWidthModeKeepsAllFourBytes) {
    std::vector<QsoRecord> records = log_test::records("JA1ABC,98/05/03,21:05J,599,579,7.025,SSTV" +
                                                           std::string(",,,,,,,,") + "\n",
                                                       LogFormat::kCsv);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(std::string(records[0].mode, 4), "SSTV");
    EXPECT_EQ(QsoRecord::text(records[0].mode), "SSTV");
    EXPECT_EQ(records[0].myRst[3], '\0');
}

TEST(CsvLogReader, ReadsTheSameRecordAgainAndAfterOthers) {
    std::unique_ptr<LogDatabase> database = LogDatabase::fromText(
        "JA1AAA,98/05/03,21:05J" + kRest + "\nJA1BBB,98/05/04,01:00U" + kRest + "\n",
        LogFormat::kCsv);
    ASSERT_TRUE(database);
    QsoRecord record;
    ASSERT_TRUE(database->read(2, record));
    EXPECT_EQ(QsoRecord::text(record.call), "JA1BBB");
    ASSERT_TRUE(database->read(1, record));
    EXPECT_EQ(QsoRecord::text(record.call), "JA1AAA");
    EXPECT_EQ(QsoRecord::text(record.qsoTime), "2105J");
    EXPECT_FALSE(database->read(0, record));
    EXPECT_FALSE(database->read(3, record));
}
