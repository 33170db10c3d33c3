// The form kit's rules: 255-byte texts cut at character boundaries with their line breaks, choices
// that name no entry, and integer boxes checked.
#include "common/FormModel.h"

#include "common/Cp932.h"
#include "common/EditorText.h"

#include <gtest/gtest.h>
#include <stdexcept>

TEST(EditorText, CutsAtACharacterBoundaryAndKeepsLineBreaks) {
    const std::string a = cp932::lit("あ");
    std::string doubles;
    for (int i = 0; i < 150; ++i) {
        doubles += a;
    }
    std::string x255(255, 'x');
    struct Row {
        std::string cp932;
        std::size_t kept;
    } rows[] = {
        {doubles, 254},       // 300 bytes: the 128th character would be split
        {"x" + doubles, 255}, // 301 bytes: ends on a boundary
        {x255, 255},          // exactly the limit
        {x255 + "y", 255},
        {std::string(254, 'x') + "\r\nz", 254}, // a CR without its LF is dropped too
        {std::string(253, 'x') + "\r\nz", 255},
        {"", 0},
    };
    for (const Row& r : rows) {
        const std::string limited = EditorText::limit(r.cp932);
        EXPECT_EQ(limited, r.cp932.substr(0, r.kept)) << r.cp932.size();
    }

    const std::string twoLines = cp932::fromUtf8("一行目\r\n二行目");
    EXPECT_EQ(EditorText::toEditor(twoLines, true), "一行目\n二行目");
    EXPECT_EQ(EditorText::toEditor(twoLines, false), "一行目\r\n二行目");
    EXPECT_EQ(EditorText::fromEditor("一行目\n二行目", true), twoLines);
    EXPECT_EQ(EditorText::fromEditor("a\r\nb", true), "a\r\nb");

    // Line breaks count two bytes each against the limit, and a cut never leaves half of one.
    std::string lines;
    for (int i = 0; i < 84; ++i) {
        lines += "x\n";
    }
    lines += "xy\nz"; // 252 + 2 + 2 + 1 bytes with CR LF
    EXPECT_FALSE(EditorText::tooLong(lines, false));
    EXPECT_TRUE(EditorText::tooLong(lines, true));
    const std::string cut = EditorText::fromEditor(lines, true);
    EXPECT_EQ(cut.size(), 254u);
    EXPECT_EQ(cut.substr(cut.size() - 4), "\r\nxy");

    std::string utf8Doubles;
    for (int i = 0; i < 150; ++i) {
        utf8Doubles += "あ";
    }
    EXPECT_TRUE(EditorText::tooLong(utf8Doubles, false));
    EXPECT_EQ(EditorText::fromEditor(utf8Doubles, false), doubles.substr(0, 254));
}

TEST(FormModel, FieldsKeepTheirRules) {
    FormModel page("CTest", "caption", "Title");
    page.addText("t", std::string(300, 'x'));
    page.addRadioGroup("r", 2, 1);
    page.addList("l", {"a", "b", "c"}, 3);
    page.addInteger("i", -12);
    EXPECT_EQ(page.text("t").size(), 255u);
    EXPECT_EQ(page.index("r"), 1);
    EXPECT_EQ(page.index("l"), -1);
    EXPECT_EQ(page.text("i"), "-12");
    EXPECT_TRUE(page.check().ok);

    page.setText("t", std::string(256, 'y'));
    EXPECT_EQ(page.text("t"), std::string(255, 'y'));
    page.setText("i", std::string(300, '1')); // integer boxes keep what was typed for the message
    EXPECT_EQ(page.text("i").size(), 300u);
    EXPECT_FALSE(page.check().ok);
    EXPECT_EQ(page.check().field, "i");
    page.setIndex("l", 2);
    EXPECT_EQ(page.index("l"), 2);
    page.setIndex("r", -3);
    EXPECT_EQ(page.index("r"), -1);
    page.setText("unknown", "ignored");
    EXPECT_FALSE(page.has("unknown"));
    EXPECT_THROW(page.text("unknown"), std::out_of_range);
}
