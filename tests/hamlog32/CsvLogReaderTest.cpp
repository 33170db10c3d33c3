// HAMLOG CSV lines: quoting, line ends, field counts, malformed lines, portable split and field
// cutting.
#include "hamlog32/CsvLogReader.h"

#include "tests/hamlog32/LogTestSupport.h"

#include <gtest/gtest.h>

namespace {

struct CsvCase {
    const char* what;
    std::string utf8Text; // converted to CP932 before reading
    std::vector<std::string> expected;
};

const std::string kRest = ",599,579,7.025,CW,1001,PM95,J,Taro,Tokyo,r1,r2";

// Every record's fields as raw bytes separated by '|', without the empty ones at the end.
std::vector<std::string> describeBytes(const std::string& text) {
    std::vector<std::string> out;
    for (const QsoRecord& r : log_test::records(text, LogFormat::kCsv)) {
        std::string line;
        for (std::string_view field :
             {QsoRecord::text(r.call), QsoRecord::text(r.portable), QsoRecord::text(r.qsoDate),
              QsoRecord::text(r.qsoTime), QsoRecord::text(r.hisRst), QsoRecord::text(r.myRst),
              QsoRecord::text(r.freq), QsoRecord::text(r.mode), QsoRecord::text(r.code),
              QsoRecord::text(r.gl), QsoRecord::text(r.qsl), QsoRecord::text(r.name),
              QsoRecord::text(r.qth), QsoRecord::text(r.remarks1), QsoRecord::text(r.remarks2)}) {
            line.append(field).push_back('|');
        }
        out.push_back(line.erase(line.find_last_not_of('|') + 1));
    }
    return out;
}

// One double-byte character (a kanji) in CP932.
const std::string kKanji = "\x8A\xBF";

std::string repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += text;
    }
    return out;
}

} // namespace

TEST(CsvLogReader, ReadsLinesAsTheTableSays) {
    const CsvCase cases[] = {
        {"plain line with the ignored last field",
         "JA1ABC,98/05/03,21:05J,599,579,7.025,CW,1001,PM95,J,Taro,Tokyo,r1,r2,ignored\r\n",
         {"JA1ABC||980503|2105J|599|579|7.025|CW|1001|PM95|J|Taro|Tokyo|r1|r2"}},
        {"missing last field, no line end",
         "JA1ABC,05/12/31,00:00U" + kRest,
         {"JA1ABC||051231|0900J|599|579|7.025|CW|1001|PM95|J|Taro|Tokyo|r1|r2"}},
        {"short line: missing fields are empty",
         "JA1ABC,98/05/03,21:05J\n",
         {"JA1ABC||980503|2105J"}},
        {"quoted fields, doubled quotes, commas inside quotes, blanks kept in the frequency",
         "\"JA1ABC/1\",\"98/05/03\",\"21:05u\",\"59\",\"59\",\"   7.05\",\"SSB\",\"100110\",\"\","
         "\"\",\"Name \"\"Q\"\"\",\"Tokyo, Chiyoda\",\"a,b\",\"\",\"\"\n",
         {"JA1ABC|1|980504|0605J|59|59|   7.05|SSB|100110|||Name \"Q\"|Tokyo, Chiyoda|a,b"}},
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
          "東京|r1|r2 [cut 5]",
          "JA1XYZ||980503|2105J|599|579|7|PSK3|1001|||a漢字漢字漢字|ソフト\\ [cut 1]"}},
        {"a prefix before the call is the portable text, so stations under one prefix stay apart",
         "JD1/JA1ABC,24/05/01,21:05J" + kRest + "\nJD1/JG2XYZ,24/05/01,21:06J" + kRest +
             "\nKH0/JA1ABC/P,24/05/01,21:07J,599\nJA1ABCDEFG/JD1,24/05/01,21:08J,599\n",
         {"JA1ABC|JD1|240501|2105J|599|579|7.025|CW|1001|PM95|J|Taro|Tokyo|r1|r2",
          "JG2XYZ|JD1|240501|2106J|599|579|7.025|CW|1001|PM95|J|Taro|Tokyo|r1|r2",
          "JA1ABC|KH0|240501|2107J|599 [cut 1]", "JA1ABCDE|JD1|240501|2108J|599 [cut 1]"}},
        {"UTC is kept as Japan time, the date rolling over months, years and leap days",
         "U1,23/12/31,14:59U\nU2,23/12/31,15:00U\nU3,24/01/31,20:00U\nU4,24/02/28,20:00U\n"
         "U5,23/02/28,20:00U\nU6,00/02/28,15:00U\nU7,79/12/31,23:59U\nU8,80/02/28,15:00U\n"
         "U9,24/02/29,15:00J\n",
         {"U1||231231|2359J", "U2||240101|0000J", "U3||240201|0500J", "U4||240229|0500J",
          "U5||230301|0500J", "U6||000229|0000J", "U7||800101|0859J", "U8||800229|0000J",
          "U9||240229|1500J"}},
    };
    for (const CsvCase& c : cases) {
        EXPECT_EQ(log_test::describeAll(cp932::fromUtf8(c.utf8Text), LogFormat::kCsv), c.expected)
            << c.what;
    }
}

// A UTF-8 export is read into CP932 as ADIF is: a character without a CP932 form becomes '?' and
// its field counts as changed.
TEST(CsvLogReader, ReadsUtf8ExportsAsCp932) {
    const std::string line1 =
        "JA1ABC,24/05/01,21:05J,599,579,7.025,CW,1001,,J,山田太郎,東京都千代田区,ｿﾌﾄ確認,😀 "
        "ok,0\r\n";
    const std::string line2 = "\"JG2XYZ\",\"24/05/01\",\"21:06J\",\"59\",\"59\",\"433\",\"FM\","
                              "\"100110\",\"\",\"J\",\"山田太郎花子様\",\"\",\"\",\"\",\"0\"\r\n";
    const std::vector<std::string> expected = {
        "JA1ABC||240501|2105J|599|579|7.025|CW|1001||J|山田太郎|東京都千代田区|ｿﾌﾄ確認|? ok [cut "
        "1]",
        "JG2XYZ||240501|2106J|59|59|433|FM|100110||J|山田太郎花子 [cut 1]"};
    EXPECT_EQ(log_test::describeAll("\xEF\xBB\xBF" + line1 + line2, LogFormat::kCsv), expected);
    EXPECT_EQ(log_test::describeAll(line1 + line2, LogFormat::kCsv), expected);
    // In a Shift-JIS log, half-width kana that happen to form UTF-8 ("ﾃｽ") stay as they are.
    EXPECT_EQ(log_test::describeAll(cp932::fromUtf8("JA1ABC,24/05/01,21:05J,,,,,,,,山田,東京\n"
                                                    "JA1DEF,24/05/01,21:06J,,,,,,,,ﾃｽ\n"),
                                    LogFormat::kCsv),
              (std::vector<std::string>{"JA1ABC||240501|2105J||||||||山田|東京",
                                        "JA1DEF||240501|2106J||||||||ﾃｽ"}));
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

// Raw Shift-JIS bytes, so that widths, lone lead bytes and quotes sit exactly where wanted.
TEST(CsvLogReader, StoresFieldsAtTheirWidthsAsTheTableSays) {
    const std::string head = "JA1ABC,98/05/03,21:05J";
    const std::string headOut = "JA1ABC||980503|2105J";
    const std::string q29(29, 'q');
    const std::string r55(55, 'r');
    const struct {
        const char* what;
        std::string text;
        std::vector<std::string> expected;
    } cases[] = {
        {"every field exactly at its width keeps all its bytes",
         "JA1ABCDE/P123,98/05/03,21:05J,5999,5799,14.02500,SSTV,1001001,PM95AB1,JJJJ,"
         "Yamada Taro12," +
             q29 + "," + r55 + "," + r55 + "\n",
         {"JA1ABCDE|P123|980503|2105J|5999|5799|14.02500|SSTV|1001001|PM95AB1|JJJJ|Yamada Taro12|" +
          q29 + "|" + r55 + "|" + r55}},
        {"one byte over the width is cut off",
         "JA1ABCDEF/P1234,98/05/03,21:05J,59999,57999,14.025001,SSTVX,10010011,PM95AB12,JJJJJ,"
         "Yamada Taro123," +
             q29 + "x," + r55 + "x," + r55 + "x\n",
         {"JA1ABCDE|P123|980503|2105J|5999|5799|14.02500|SSTV|1001001|PM95AB1|JJJJ|Yamada Taro12|" +
          q29 + "|" + r55 + "|" + r55}},
        {"a double-byte character across the width is left out whole; one ending at it is kept",
         head + ",599,579,7,CW,1001,,,ab" + repeat(kKanji, 6) + ",a" + repeat(kKanji, 14) + "," +
             repeat(kKanji, 28) + "\n",
         {headOut + "|599|579|7|CW|1001|||ab" + repeat(kKanji, 5) + "|a" + repeat(kKanji, 14) +
          "|" + repeat(kKanji, 27)}},
        {"a lone lead byte ending a short field is dropped",
         head + ",599,579,7,C\x8A,\x81\x81\x81,,,Taro\x81,Tokyo\n",
         {headOut + "|599|579|7|C|\x81\x81|||Taro|Tokyo"}},
        {"bytes in the lead byte range pair up from the last byte outside it",
         head + ",599,579,7,CW,1001,,,a" + repeat("\x81", 13) + "," + repeat("\x81", 15) + "\n",
         {headOut + "|599|579|7|CW|1001|||a" + repeat("\x81", 12) + "|" + repeat("\x81", 14)}},
        {"a lead byte just before a comma is cut and the comma still ends the field",
         head + kRest.substr(0, kRest.find("Taro")) + "\x8A,Tokyo\n",
         {headOut + "|599|579|7.025|CW|1001|PM95|J||Tokyo"}},
        {"quoted last field on a line without a line end",
         head + ",599,579,7.025,CW,1001,PM95,J,Taro,Tokyo,r1,\"r,2\"",
         {headOut + "|599|579|7.025|CW|1001|PM95|J|Taro|Tokyo|r1|r,2"}},
        {"a quoted field without its closing quote takes the rest of the line",
         head + ",599,579,7.025,CW,1001,PM95,J,Taro,Tokyo,r1,\"r2,x,y\n",
         {headOut + "|599|579|7.025|CW|1001|PM95|J|Taro|Tokyo|r1|r2,x,y"}},
        {"empty last field",
         head + ",599,579,7.025,CW,1001,PM95,J,Taro,Tokyo,r1,\r\n",
         {headOut + "|599|579|7.025|CW|1001|PM95|J|Taro|Tokyo|r1"}},
        {"a quote inside an unquoted field is kept; text after a closing quote is kept trimmed",
         head + ",599,579,7.025,CW,1001,PM95,J,Ta\"ro,\"To\"kyo \t,r1,r2\n",
         {headOut + "|599|579|7.025|CW|1001|PM95|J|Ta\"ro|Tokyo|r1|r2"}},
        {"a quote only in the ignored fifteenth field changes nothing",
         head + kRest + ",\"x,y\"\n",
         {headOut + "|599|579|7.025|CW|1001|PM95|J|Taro|Tokyo|r1|r2"}},
        {"a CR inside a field is kept; up to two before the LF are not part of the line",
         head + ",5\r9,579\r\r\n" + head + ",599,579\r\r\r\n",
         {headOut + "|5\r9|579", headOut + "|599|579\r"}},
        {"blanks before an unquoted field are kept, before a quoted one skipped",
         head + ", 59,  \"57\" ,  7.025\n",
         {headOut + "| 59|57|  7.025"}},
        {"call, date and time are trimmed; a lower case zone letter is read",
         "\tJA1ABC/2 ,\t98/05/03 , 21:05u\t,599\n",
         {"JA1ABC|2|980504|0605J|599"}},
        {"quotes around the date and time", "\"JA1ABC\",\"98/05/03\", \"21:05J\"\n", {headOut}},
        {"a quoted field may hold line breaks; the record ends at the LF after its closing quote",
         "\"JA1ABC\",\"98/05/03\",\"21:05J\",\"599\",\"579\",\"7.025\",\"CW\",\"1001\",\"\",\"J\","
         "\"Taro\",\"Tokyo\",\"line one\r\nline \"\"two\"\"\r\n\r\n\",\"r2\",\"0\"\r\n" +
             head + ",599,579,7.025,CW,1001,,,\"Taro\nJr.\",\"a\nb\nc\"\n" + head +
             ",599,579,\"7.025\"\r\n",
         {headOut + "|599|579|7.025|CW|1001||J|Taro|Tokyo|line one\r\nline \"two\"\r\n\r\n|r2",
          headOut + "|599|579|7.025|CW|1001|||Taro\nJr.|a\nb\nc", headOut + "|599|579|7.025"}},
        {"a quote not closed before a QSO's line, within 15 line breaks or in the log is a stray "
         "one",
         head + ",599,579,7,CW,1001,,,Taro,\"Tokyo\n" + head + ",599\n" + head +
             ",599,579,7,CW,1001,,,\"Taro" + repeat("\nnot a QSO", 16) + "\",r2\n" + head +
             ",599,\"579\n\n",
         {headOut + "|599|579|7|CW|1001|||Taro|Tokyo", headOut + "|599",
          headOut + "|599|579|7|CW|1001|||Taro", headOut + "|599|579"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(describeBytes(c.text), c.expected) << c.what;
    }
}

// Fields are looked for eight bytes at a time: each field end must be found wherever it falls in a
// word, and in the bytes after the last whole word.
TEST(CsvLogReader, FieldsEndAnywhereInAWord) {
    const std::string expected =
        "JA1ABC||980503|2105J|599|579|7.025|CW|1001|PM95|J|Taro|Tokyo|r1|r2";
    for (std::size_t shift = 0; shift < 17; ++shift) {
        const std::string blanks(shift, ' ');
        const std::string line = blanks + "JA1ABC,98/05/03,21:05J" + kRest;
        for (const std::string& text :
             {line + "\n", line, line + ",x\r\n", line.substr(0, line.size() - 2) + "\"r2\"\n"}) {
            EXPECT_EQ(describeBytes(text), std::vector<std::string>{expected})
                << "shift " << shift << ": " << text;
        }
    }
}
