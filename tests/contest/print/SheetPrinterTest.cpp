// The page framework's print offset and the layout export of the recorded pages.
#include "print/LayoutJson.h"
#include "tests/contest/print/SheetTestSupport.h"

#include <gtest/gtest.h>

using namespace sheet_test;

namespace {

// The JSON without the blanks between its tokens, so fragments can be compared on one line.
std::string compact(const std::string& json) {
    std::string out;
    bool inString = false;
    for (std::size_t i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (inString) {
            out += c;
            if (c == '\\' && i + 1 < json.size()) {
                out += json[++i];
            } else if (c == '"') {
                inString = false;
            }
        } else if (c == '"') {
            inString = true;
            out += c;
        } else if (c != ' ' && c != '\n') {
            out += c;
        }
    }
    return out;
}

std::size_t occurrences(const std::string& text, const std::string& fragment) {
    std::size_t n = 0;
    for (std::size_t at = text.find(fragment); at != std::string::npos;
         at = text.find(fragment, at + 1)) {
        ++n;
    }
    return n;
}

} // namespace

TEST(SheetPrinter, PrintOffsetMovesEverything) {
    CKorvaneDoc plain = contestDoc();
    addRows(plain, 10, 3);
    CKorvaneDoc shifted = plain;
    shifted.master.printX = 15;
    shifted.master.printY = -20;
    for (std::size_t p : {1u, 2u}) {
        const RecordingCanvas::Page a = record(plain, p);
        const RecordingCanvas::Page b = record(shifted, p);
        EXPECT_EQ(b.printX, 15);
        EXPECT_EQ(b.printY, -20);
        ASSERT_EQ(a.ops.size(), b.ops.size());
        ASSERT_FALSE(a.ops.empty());
        for (std::size_t i = 0; i < a.ops.size(); ++i) {
            const SheetCanvas::Point pa = SheetCanvas::toPaper(a.ops[i].x1, a.ops[i].y1, 0, 0);
            const SheetCanvas::Point pb =
                SheetCanvas::toPaper(b.ops[i].x1, b.ops[i].y1, b.printX, b.printY);
            EXPECT_EQ(pb, (SheetCanvas::Point{pa.x + 15, pa.y - 20}));
        }
    }
    RecordingCanvas canvas(fixedClock());
    EXPECT_FALSE(SheetPrinter(plain).drawPage(3, canvas));
    EXPECT_FALSE(SheetPrinter(plain).drawPage(0, canvas));
    EXPECT_TRUE(canvas.pages().empty());
}

TEST(LayoutJson, PagesAndOperations) {
    CKorvaneDoc doc = contestDoc();
    doc.master.printX = 3;
    doc.master.printY = -4;
    addRows(doc, 10, 51);
    const std::string json = compact(layout_json::write(doc, fixedClock()));

    EXPECT_EQ(json.rfind("{\"pages\":[{\"page\":1,\"kind\":\"summary\",\"band\":null,\"sheet\":"
                         "null,\"offset\":[3,-4],\"ops\":[",
                         0),
              0u);
    EXPECT_EQ(occurrences(json, "\"page\":"), 3u);
    EXPECT_NE(
        json.find("{\"page\":2,\"kind\":\"log\",\"band\":10,\"sheet\":[1,2],\"offset\":[3,-4]"),
        std::string::npos);
    EXPECT_NE(json.find("{\"page\":3,\"kind\":\"log\",\"band\":10,\"sheet\":[2,2]"),
              std::string::npos);
    EXPECT_NE(json.find("{\"op\":\"line\",\"pen\":\"dotted\",\"x1\":150,\"y1\":252,\"x2\":2060,"
                        "\"y2\":252}"),
              std::string::npos);
    EXPECT_NE(json.find("{\"op\":\"text\",\"x\":1130,\"y\":90,\"font\":{\"face\":\"ＭＳ 明朝\","
                        "\"height\":26,\"width\":0,\"weight\":400},\"text\":\"2026\"}"),
              std::string::npos);
    EXPECT_NE(json.find("{\"op\":\"text\",\"x\":300,\"y\":2640,\"font\":{\"face\":\"ＭＳ 明朝\","
                        "\"height\":33,\"width\":0,\"weight\":900},\"text\":\"2026年 6月14日\"}"),
              std::string::npos);
    // A frame is its four sides: the thick contest-name box.
    EXPECT_EQ(occurrences(json, "\"pen\":\"thick\""), 8u);
}
