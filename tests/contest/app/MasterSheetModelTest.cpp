// The master sheet's models: pages and fields, copy in and out, the power type radio group and
// the chooser of the log database file.
#include "app/MasterSheetModel.h"

#include "common/Cp932.h"

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
        back.cabrilloContest = settings.cabrilloContest; // the export dialog's
        back.cabrilloCategory = settings.cabrilloCategory;
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
