// The master sheet's models: pages and fields, copy in and out, the power type radio group, the
// 255-byte texts and the chooser of the log database file.
#include "MasterSheetModel.h"

#include "Cp932.h"
#include "EditorText.h"

#include <gtest/gtest.h>

namespace {

// Every text a value of its own, and the power type given.
MasterSettings distinct(int pwrType) {
    MasterSettings s;
    int n = 0;
    for (const MasterSettings::Key& key : MasterSettings::keys()) {
        if (std::string* text = s.textOf(key)) {
            *text = cp932::lit("局") + key.name + std::to_string(++n);
        }
    }
    s.pwrType = pwrType;
    s.printX = -12;
    s.printY = 34;
    return s;
}

} // namespace

TEST(MasterSheetModel, PagesFieldsAndCopies) {
    const std::vector<FormModel> pages = MasterSheetModel::fromSettings(MasterSettings{});
    std::vector<std::string> layout;
    for (const FormModel& page : pages) {
        std::string line = page.pageName() + " " + cp932::toUtf8(page.caption()) + ":";
        for (const FormModel::Field& f : page.fields()) {
            line += " " + f.name;
        }
        layout.push_back(line);
    }
    EXPECT_EQ(layout, (std::vector<std::string>{
                          "CHamlogDir ＨＡＭＬＯＧ: THDIR",
                          "CManset 個人情報: NAME TELNO POSTID ADDR1 ADDR2 EMAIL",
                          "CHamset 無線情報: CALLSIGN SIKAKU POWER PWRTYPE CALLSIGN2",
                          "CSetuset 使用した設備: SETUBI1 SETUBI2 SETUBI3 SETUBI4",
                          "CMoveinfo 移動先: MOVENAME MOVEP",
                          "CClubset 登録クラブ: CLUBNO CLUBNAME",
                      }));
    EXPECT_EQ(cp932::toUtf8(MasterSheetModel::title()), "マスター設定");

    for (int pwrType : {0, 1}) {
        const MasterSettings settings = distinct(pwrType);
        MasterSettings back;
        MasterSheetModel::toSettings(MasterSheetModel::fromSettings(settings), back);
        back.printX = settings.printX; // not on these pages
        back.printY = settings.printY;
        EXPECT_EQ(back, settings);
    }
}

TEST(MasterSheetModel, PowerTypeOutsideTheGroupShowsNoneAndStoresMinusOne) {
    struct Row {
        int stored;
        int shown;
    } rows[] = {{0, 0}, {1, 1}, {2, -1}, {-1, -1}, {-7, -1}};
    for (const Row& r : rows) {
        MasterSettings settings;
        settings.pwrType = r.stored;
        std::vector<FormModel> pages = MasterSheetModel::fromSettings(settings);
        EXPECT_EQ(FormModel::page(pages, "CHamset").index("PWRTYPE"), r.shown) << r.stored;
        MasterSheetModel::toSettings(pages, settings);
        EXPECT_EQ(settings.pwrType, r.shown) << r.stored;
    }
    std::vector<FormModel> pages = MasterSheetModel::fromSettings(MasterSettings{});
    pages[2].setIndex("PWRTYPE", 2);
    EXPECT_EQ(pages[2].index("PWRTYPE"), -1);
}

TEST(MasterSheetModel, HamlogDataChooser) {
    const DataFileChooser::Request request =
        MasterSheetModel::hamlogDataRequest(cp932::fromUtf8("/home/局/log/HAMLOG.mst"));
    EXPECT_EQ(cp932::toUtf8(request.caption), "ハムログデータ");
    ASSERT_EQ(request.filters.size(), 3u);
    EXPECT_EQ(cp932::toUtf8(request.filters[0].name), "データﾌｧｲﾙ(*.mst)");
    EXPECT_EQ(request.filters[0].patterns, "*.mst");
    EXPECT_EQ(request.filters[1].patterns, "*.csv");
    EXPECT_EQ(request.filters[2].patterns, "*.adi *.adif");
    EXPECT_EQ(request.defaultExtension, "mst");
    EXPECT_EQ(request.initialName, "*.mst");
    EXPECT_EQ(request.initialFolder, "/home/局/log");
    EXPECT_EQ(MasterSheetModel::hamlogDataRequest("").initialFolder, "");

    EXPECT_EQ(MasterSheetModel::chosenPath("/home/局/log/HAMLOG.mst"),
              cp932::fromUtf8("/home/局/log/HAMLOG.mst"));
}

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
    FormModel page("CTest", "caption");
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
