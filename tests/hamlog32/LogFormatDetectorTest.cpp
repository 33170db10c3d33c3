// Recognising ADIF and HAMLOG CSV by content, whatever the file is called.
#include "hamlog32/LogFormatDetector.h"

#include <gtest/gtest.h>

TEST(LogFormatDetector, RecognisesAdifByContent) {
    const std::string csvLine = "JA1ABC,98/05/03,21:05J,599,579,7.025,CW,1001,,,,,,\r\n";
    const struct {
        const char* what;
        std::string text;
        const char* fileName;
        LogFormat format;
    } cases[] = {
        {"first character '<'", "<CALL:6>JA1ABC<EOR>", "log.txt", LogFormat::kAdif},
        {"'<' after a byte order mark and blanks", "\xEF\xBB\xBF \r\n<call:1>A", "",
         LogFormat::kAdif},
        {"header text up to <eoh>", "Made by X\r\nversion 1\r\n<adif_ver:5>3.1.4 <eoh>\r\n", "",
         LogFormat::kAdif},
        {"text line, then fields without <EOH>", "Made by X\r\n\r\n<CALL:6>JA1ABC<EOR>", "",
         LogFormat::kAdif},
        {"extension .ADIF", csvLine, "C:\\LOG\\QSO.ADIF", LogFormat::kAdif},
        {"HAMLOG CSV", csvLine + csvLine, "QSO.CSV", LogFormat::kCsv},
        {"CSV with '<' in its remarks", "JA1ABC,98/05/03,21:05J,,,,,,,,,,<b>,<EOH>\n", "",
         LogFormat::kCsv},
        {"<EOH> only after an <EOR> is not a header", csvLine + "x <EOR> <EOH>\n", "",
         LogFormat::kCsv},
        {"second line starting with '<' but no field", "text\n<not a field>\n", "",
         LogFormat::kCsv},
        {"CSV record, then a line starting with a field", csvLine + "<CALL:1>A\n", "",
         LogFormat::kCsv},
        {"empty text", "", "", LogFormat::kCsv},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LogFormatDetector::detect(c.text, c.fileName), c.format) << c.what;
    }
}
