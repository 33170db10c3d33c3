// The canvas rules shared by every surface: fitted fonts, wrapping, contest-name endings, dates,
// frames, the paper position and the clock.
#include "print/SheetCanvas.h"

#include "common/Cp932.h"
#include "tests/contest/print/SheetTestSupport.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>

using namespace sheet_test;

TEST(SheetCanvas, FittedFontSizes) {
    struct Row {
        std::size_t bytes;
        int width;
        int cellWidth;
        int cellHeight;
    };
    const Row rows[] = {
        {8, 290, 36, 39},  // 3.6 mm by 3.9 mm
        {6, 290, 39, 39},  // square cells when the text fits
        {7, 273, 39, 39},  // exactly 39 per byte still fits
        {20, 290, 14, 28}, // height twice the width
        {15, 290, 19, 38}, // 599 and a 12-character address code
        {19, 740, 38, 39}, // twice the width capped at 39
        {71, 70, 1, 2},    // narrower than a unit per byte: 0.1 mm cells
        {0, 290, 39, 39},
    };
    for (const Row& row : rows) {
        const Font font = SheetCanvas::fittedFont(row.bytes, row.width);
        EXPECT_EQ(font, (Font{SheetCanvas::minchoFace(), row.cellHeight, row.cellWidth, 900}))
            << row.bytes << " bytes in " << row.width;
    }
}

TEST(SheetCanvas, WrapsByBytesWithoutSplittingCharacters) {
    const std::string a = cp932::lit("ア");     // 0x83 0x41
    const std::string small = cp932::lit("ぁ"); // 0x82 0x9F: its trail byte is in the lead range
    struct Row {
        const char* what;
        std::string text;
        std::size_t bytesPerLine;
        std::vector<std::size_t> lineBytes;
    };
    const Row rows[] = {
        {"95 single bytes", std::string(95, 'a'), 90, {90, 5}},
        {"exactly one line", std::string(90, 'a'), 90, {90}},
        {"empty", "", 90, {}},
        {"double-byte character starting at byte 90 moves whole",
         std::string(89, 'a') + a + "bcd",
         90,
         {89, 5}},
        {"double-byte character ending at byte 90 stays",
         std::string(88, 'a') + a + "bcd",
         90,
         {90, 3}},
        {"a trail byte that looks like a lead byte is no break point",
         std::string(88, 'a') + small + a,
         90,
         {90, 2}},
        {"only the first 255 bytes", std::string(300, 'a'), 100, {100, 100, 55}},
        {"line breaks are ordinary bytes", "ab\r\ncd", 3, {3, 3}},
        {"a line is never shorter than one character", a + a, 1, {2, 2}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        std::vector<std::size_t> lineBytes;
        std::string joined;
        for (std::string_view line : SheetCanvas::wrapLines(row.text, row.bytesPerLine)) {
            lineBytes.push_back(line.size());
            joined += line;
        }
        EXPECT_EQ(lineBytes, row.lineBytes);
        EXPECT_EQ(joined, row.text.substr(0, 255));
    }
}

TEST(SheetCanvas, ContestNameEndings) {
    struct Row {
        const char* name;
        const char* drawn;
    };
    const Row rows[] = {
        {"ALL JA1コンテスト", "ALL JA1"},
        {"ALL JA1ｺﾝﾃｽﾄ", "ALL JA1"},
        {"コンテスト", "コンテスト"}, // exactly the ending: kept whole
        {"ｺﾝﾃｽﾄ", "ｺﾝﾃｽﾄ"},
        {"6m AND DOWN", "6m AND DOWN"},
        {"コンテスト２０２６", "コンテスト２０２６"},
        {"QSOｺﾝﾃｽﾄコンテスト", "QSOｺﾝﾃｽﾄ"}, // one ending only
    };
    for (const Row& row : rows) {
        EXPECT_EQ(cp932::toUtf8(SheetCanvas::withoutContestEnding(cp932::lit(row.name))),
                  row.drawn);
    }
    // "ｺﾝﾃｽﾄ" bytes that continue a double-byte character are no ending.
    const std::string straddling = "x\x83" + cp932::lit("ｺﾝﾃｽﾄ");
    EXPECT_EQ(SheetCanvas::withoutContestEnding(straddling), straddling);
}

TEST(SheetCanvas, DatesFramesAndEmptyTexts) {
    EXPECT_EQ(cp932::toUtf8(SheetCanvas::dateText({2026, 6, 4})), "2026年 6月 4日");
    EXPECT_EQ(cp932::toUtf8(SheetCanvas::dateText({2026, 12, 31})), "2026年12月31日");
    EXPECT_EQ(SheetCanvas::yearText({987, 1, 1}), " 987");

    RecordingCanvas canvas(fixedClock());
    canvas.frame(Pen::Thick, 10, 20, 30, 40);
    canvas.text(5, 5, "");
    canvas.fittedText(5, 5, 100, "");
    canvas.selectFont(mincho(33, 400));
    canvas.today(300, 2640);
    canvas.year(1130, 90);
    const RecordingCanvas::Page& page = canvas.pages().at(0);
    const std::vector<Op> sides = lines(page);
    ASSERT_EQ(sides.size(), 4u);
    const int expected[4][4] = {
        {10, 20, 30, 20}, {30, 20, 30, 40}, {30, 40, 10, 40}, {10, 40, 10, 20}};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(sides[k].pen, Pen::Thick);
        EXPECT_EQ((std::vector<int>{sides[k].x1, sides[k].y1, sides[k].x2, sides[k].y2}),
                  (std::vector<int>(expected[k], expected[k] + 4)));
    }
    ASSERT_EQ(texts(page).size(), 2u);
    EXPECT_EQ(textAt(page, 300, 2640), "2026年 6月14日");
    EXPECT_EQ(textAt(page, 1130, 90), "2026");
    EXPECT_EQ(texts(page)[0].font, mincho(33, 400));
}

TEST(SheetCanvas, PaperPositionFollowsThePrintOffset) {
    struct Row {
        int x, y, printX, printY;
        SheetCanvas::Point paper;
    };
    const Row rows[] = {
        {70, 50, 0, 0, {0, 0}},
        {70, 50, 15, 0, {15, 0}},
        {100, 200, 20, -15, {50, 135}},
        {2060, 2873, 0, 0, {1990, 2823}},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SheetCanvas::toPaper(row.x, row.y, row.printX, row.printY), row.paper);
    }
}

TEST(SheetClock, SourceDateEpoch) {
    struct Row {
        const char* value;
        std::optional<SheetClock::Date> date;
    };
    const Row rows[] = {
        {"0", SheetClock::Date{1970, 1, 1}},
        {"1781395199", SheetClock::Date{2026, 6, 13}},
        {"1781395200", SheetClock::Date{2026, 6, 14}},
        {"", std::nullopt},
        {"-86400", std::nullopt},
        {"12x", std::nullopt},
        {" 12", std::nullopt},
        {"99999999999999999999", std::nullopt},
        {"253402300800", std::nullopt}, // year 10000
    };
    for (const Row& row : rows) {
        EXPECT_EQ(SheetClock::fromSourceDateEpoch(row.value), row.date) << row.value;
    }

    const char* saved = std::getenv("SOURCE_DATE_EPOCH");
    const std::string previous = saved ? saved : "";
    ::setenv("SOURCE_DATE_EPOCH", "1781395200", 1);
    EXPECT_EQ(SheetClock::today(), (SheetClock::Date{2026, 6, 14}));
    ::setenv("SOURCE_DATE_EPOCH", "not a number", 1);
    EXPECT_GE(SheetClock::today().year, 2024); // the system clock instead
    if (saved) {
        ::setenv("SOURCE_DATE_EPOCH", previous.c_str(), 1);
    } else {
        ::unsetenv("SOURCE_DATE_EPOCH");
    }
}
