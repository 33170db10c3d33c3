// The print position dialog's values: copied in, refused when not integers, and applied to the
// next page drawn.
#include "print/PrintPositionForm.h"

#include "common/ScriptedPrompter.h"
#include "tests/contest/print/SheetTestSupport.h"

#include <climits>
#include <gtest/gtest.h>

using namespace sheet_test;

TEST(PrintPositionForm, CopiesInAndRefusesWhatIsNoInteger) {
    MasterSettings settings;
    settings.printX = -7;
    settings.printY = 12;
    EXPECT_EQ(PrintPositionForm::fromSettings(settings).boxes,
              (std::array<std::string, 2>{"-7", "12"}));

    struct Row {
        const char* x;
        const char* y;
        int refused; // -1: stored
        int printX, printY;
    } rows[] = {
        {"20", "-15", -1, 20, -15},
        {" +3 ", "0", -1, 3, 0},
        {"-2147483648", "2147483647", -1, INT_MIN, INT_MAX}, // no range is imposed
        {"1a", "5", 0, -7, 12},
        {"5", "", 1, -7, 12},
        {"", "x", 0, -7, 12}, // the first box that fails takes the focus
        {"2147483648", "0", 0, -7, 12},
        {"1.5", "0", 0, -7, 12},
        {"３", "0", 0, -7, 12}, // full-width digits are no integer
    };
    for (const auto& r : rows) {
        MasterSettings s = settings;
        PrintPositionForm form{{cp932::lit(r.x), r.y}};
        ScriptedPrompter prompter;
        const int refused = form.confirm(prompter);
        EXPECT_EQ(refused, r.refused) << r.x << " " << r.y;
        if (refused < 0) {
            EXPECT_TRUE(prompter.asked.empty());
            form.toSettings(s);
        } else {
            ASSERT_EQ(prompter.asked.size(), 1u);
            EXPECT_EQ(cp932::toUtf8(prompter.asked[0].text), "整数を入力してください。");
            EXPECT_EQ(prompter.asked[0].icon, Prompter::Icon::exclamation);
        }
        EXPECT_EQ(s.printX, r.printX) << r.x;
        EXPECT_EQ(s.printY, r.printY) << r.y;
    }
}

TEST(PrintPositionForm, OffsetAppliesFromTheNextPageDrawn) {
    CKorvaneDoc doc = contestDoc();
    addRows(doc, 0, 120);
    const SheetPrinter printer(doc); // one print job, its plan made before the change
    RecordingCanvas canvas(fixedClock());
    ASSERT_TRUE(printer.drawPage(1, canvas));

    PrintPositionForm form{{"20", "-15"}};
    ScriptedPrompter prompter;
    ASSERT_EQ(form.confirm(prompter), -1);
    form.toSettings(doc.master);
    ASSERT_TRUE(printer.drawPage(2, canvas));

    ASSERT_EQ(canvas.pages().size(), 2u);
    EXPECT_EQ(canvas.pages()[0].printX, 0);
    EXPECT_EQ(canvas.pages()[0].printY, 0);
    EXPECT_EQ(canvas.pages()[1].printX, 20);
    EXPECT_EQ(canvas.pages()[1].printY, -15);
}
