// ADIF records: header forms, names in any case, byte lengths of UTF-8 data, UTC to Japan time,
// bands.
#include "hamlog32/AdifLogReader.h"

#include "tests/hamlog32/LogTestSupport.h"

#include <gtest/gtest.h>

namespace {

// Builds "<NAME:n>data" with n counted in bytes, as an exporting program would.
std::string field(const std::string& name, const std::string& data) {
    return "<" + name + ":" + std::to_string(data.size()) + ">" + data;
}

std::string qso(const std::string& call, const std::string& date, const std::string& time,
                const std::string& more = {}) {
    return field("CALL", call) + field("QSO_DATE", date) + field("TIME_ON", time) + more +
           "<EOR>\n";
}

struct AdifCase {
    const char* what;
    std::string text; // bytes as in the file (UTF-8 where the case says so)
    std::vector<std::string> expected;
};

} // namespace

TEST(AdifLogReader, ReadsRecordsAsTheTableSays) {
    const std::string date = "20240501";
    const AdifCase cases[] = {
        {"header text and fields, all mapped fields",
         "Exported by a logger\r\n" + field("ADIF_VER", "3.1.4") + field("CALL", "HEADER") +
             "<EOH>\r\n" +
             qso("JA1ABC/3", date, "0305",
                 field("FREQ", "7.02500") + field("BAND", "20m") + field("MODE", "CW") +
                     field("RST_SENT", "599") + field("RST_RCVD", "579") +
                     field("SRX_STRING", "100 110 H") + field("GRIDSQUARE", "PM95ab12") +
                     field("QSL_RCVD", "Y") + field("NAME", "Taro") + field("QTH", "Tokyo") +
                     field("COMMENT", "c1") + field("NOTES", "n1")),
         {"JA1ABC|3|240501|1205J|599|579|7.025|CW|100110H|PM95ab|Y|Taro|Tokyo|c1|n1 [cut 1]"}},
        {"no header, names in any case, TYPE part, data holding '<' and '>'",
         "<call:6:S>JA1XYZ<Qso_Date:8:D>20240501<time_on:6:T>101530<Freq:7:N>144.100"
         "<comment:8>a<b>:c<d><eor>",
         {"JA1XYZ||240501|1915J|||144.1|||||||a<b>:c<d"}},
        {"UTF-8 data: lengths count bytes, text becomes CP932; _INTL fields stand in",
         qso("JA1ABC", date, "0000",
             field("NAME", "太郎") + field("QTH_INTL", "東京都千代田区") +
                 field("COMMENT", "ｿﾌﾄ確認")),
         {"JA1ABC||240501|0900J||||||||太郎|東京都千代田区|ｿﾌﾄ確認"}},
        {"Shift-JIS data that is not UTF-8 is kept as it is",
         qso("JA1ABC", date, "0000", field("NAME", cp932::fromUtf8("太郎"))),
         {"JA1ABC||240501|0900J||||||||太郎"}},
        {"UTC to Japan time across day, month, year and leap days",
         qso("D1", "20231231", "1459") + qso("D2", "20231231", "1500") +
             qso("D3", "20240131", "2000") + qso("D4", "20240228", "2000") +
             qso("D5", "20230228", "2000") + qso("D6", "20000228", "235959") +
             qso("D7", "19000228", "1500") + qso("D8", "20240430", "1500"),
         {"D1||231231|2359J", "D2||240101|0000J", "D3||240201|0500J", "D4||240229|0500J",
          "D5||230301|0500J", "D6||000229|0859J", "D7||000301|0000J", "D8||240501|0000J"}},
        {"frequency from FREQ written compactly, else from BAND",
         qso("F1", date, "0000", field("FREQ", "1296.123456")) +
             qso("F2", date, "0000", field("FREQ", "14.0253456")) +
             qso("F3", date, "0000", field("BAND", "40M")) +
             qso("F4", date, "0000", field("BAND", "70cm")) +
             qso("F5", date, "0000", field("BAND", "23cm")) +
             qso("F6", date, "0000", field("FREQ", "abc") + field("BAND", " 2m ")) +
             qso("F7", date, "0000", field("BAND", "160m")) +
             qso("F8", date, "0000", field("BAND", "nowhere")) +
             qso("F9", date, "0000", field("FREQ", "123456789")),
         {"F1||240501|0900J|||1296.123 [cut 1]", "F2||240501|0900J|||14.02534 [cut 1]",
          "F3||240501|0900J|||7", "F4||240501|0900J|||430", "F5||240501|0900J|||1200",
          "F6||240501|0900J|||144 [cut 1]", "F7||240501|0900J|||1.9", "F8||240501|0900J",
          "F9||240501|0900J [cut 1]"}},
        {"records without CALL or a real date and time are skipped; numbering has no gaps",
         qso("", date, "0000") + field("QSO_DATE", date) + field("TIME_ON", "0000") + "<EOR>" +
             qso("BAD1", "2024050", "0000") + qso("BAD2", "20240230", "0000") +
             qso("BAD3", date, "2400") + qso("BAD4", date, "12345") + qso("OK1", date, "0000"),
         {"OK1||240501|0900J"}},
        {"missing <EOR> at the end, second header of appended files",
         qso("A1", date, "0000") + "junk<ADIF_VER:5>3.1.4<EOH>" + qso("A2", date, "0000") +
             field("CALL", "A3") + field("QSO_DATE", date) + field("TIME_ON", "0100"),
         {"A1||240501|0900J", "A2||240501|0900J", "A3||240501|1000J"}},
        {"garbage tags are passed over",
         "<<<CALL:abc>x<CALL>" + qso("G1", date, "0000") + "<:3>abc<CALL:3x>JA1<" +
             qso("G2", date, "0000", field("MODE", "FT8")) +
             "<CALL:99999999999999999999999>G3<QSO_DATE:8>20240501<TIME_ON:4>0000<EOR>",
         {"G1||240501|0900J", "G2||240501|0900J||||FT8"}},
        {"a FREQ in no band gives way to a BAND that names one; a FREQ in a band stays",
         qso("K1", date, "0000", field("FREQ", "7010") + field("BAND", "40m")) +
             qso("K2", date, "0000", field("FREQ", "7,010") + field("BAND", "40m")) +
             qso("K3", date, "0000", field("FREQ", "0.0") + field("BAND", "20m")) +
             qso("K4", date, "0000", field("FREQ", "14.025") + field("BAND", "40m")) +
             qso("K5", date, "0000", field("FREQ", "5.3585") + field("BAND", "60m")) +
             qso("K6", date, "0000", field("FREQ", "10368.1") + field("BAND", "3cm")) +
             qso("K7", date, "0000", field("FREQ", "7,010")) +
             qso("K8", date, "0000", field("FREQ", "7.025MHz")),
         {"K1||240501|0900J|||7 [cut 1]", "K2||240501|0900J|||7 [cut 1]",
          "K3||240501|0900J|||14 [cut 1]", "K4||240501|0900J|||14.025", "K5||240501|0900J|||5.3585",
          "K6||240501|0900J|||10368.1", "K7||240501|0900J|||7 [cut 1]",
          "K8||240501|0900J|||7.025 [cut 1]"}},
        {"SUBMODE names the mode of a family; the modes korvane filters on keep theirs",
         // As WSJT-X writes a QSO.
         "<call:6>JA1ABC <gridsquare:4>PM95 <mode:4>MFSK <submode:3>FT4 <rst_sent:3>-10 "
         "<rst_rcvd:3>-05 <qso_date:8>20240501 <time_on:6>031500 <qso_date_off:8>20240501 "
         "<time_off:6>031600 <band:3>20m <freq:9>14.080000 <station_callsign:6>JA1XYZ "
         "<my_gridsquare:6>PM95ab <eor>\n" +
             qso("M2", date, "0000", field("MODE", "PSK") + field("SUBMODE", "PSK31")) +
             qso("M3", date, "0000", field("MODE", "SSB") + field("SUBMODE", "USB")) +
             qso("M4", date, "0000", field("MODE", "CW") + field("SUBMODE", "PCW")) +
             qso("M5", date, "0000", field("MODE", "RTTY") + field("SUBMODE", "ASCI")) +
             qso("M6", date, "0000", field("MODE", "FT8")) +
             qso("M7", date, "0000", field("MODE", "MFSK")) +
             qso("M8", date, "0000", field("SUBMODE", "FT4")) +
             qso("M9", date, "0000", field("MODE", "SSTV")),
         {"JA1ABC||240501|1215J|-10|-05|14.08|FT4||PM95", "M2||240501|0900J||||PSK3 [cut 1]",
          "M3||240501|0900J||||SSB", "M4||240501|0900J||||CW", "M5||240501|0900J||||RTTY",
          "M6||240501|0900J||||FT8", "M7||240501|0900J||||MFSK", "M8||240501|0900J||||FT4",
          "M9||240501|0900J||||SSTV"}},
        {"a prefix before the call is the portable text, so stations under one prefix stay apart",
         qso("JD1/JA1ABC", date, "0000") + qso("JD1/JG2XYZ", date, "0000") +
             qso("KH0/JA1ABC/P", date, "0000"),
         {"JA1ABC|JD1|240501|0900J", "JG2XYZ|JD1|240501|0900J", "JA1ABC|KH0|240501|0900J [cut 1]"}},
    };
    for (const AdifCase& c : cases) {
        EXPECT_EQ(log_test::describeAll(c.text, LogFormat::kAdif), c.expected) << c.what;
    }
}

TEST(AdifLogReader, TagsAreTakenByByteLength) {
    std::string text = "<NAME:6>" + std::string("太郎") + "<QTH:3>abc";
    std::size_t pos = 0;
    AdifLogReader::Tag tag;
    ASSERT_TRUE(AdifLogReader::nextTag(text, pos, tag));
    EXPECT_EQ(tag.name, "NAME");
    EXPECT_EQ(tag.data, "太郎");
    ASSERT_TRUE(AdifLogReader::nextTag(text, pos, tag));
    EXPECT_EQ(tag.data, "abc");
    EXPECT_FALSE(AdifLogReader::nextTag(text, pos, tag));
    EXPECT_EQ(pos, text.size());

    std::string cut = "<NAME:50>short";
    pos = 0;
    ASSERT_TRUE(AdifLogReader::nextTag(cut, pos, tag));
    EXPECT_EQ(tag.data, "short");
}
