// The message area of the silent run on the console.
#include "ui/SilentWindow.h"

#include "tests/setup/services/EmulatedMachine.h"

#include <gtest/gtest.h>
#include <sstream>

namespace {

TEST(SilentWindowTest, PrintsEachNewMessageAsLines) {
    std::ostringstream out;
    SilentWindow window(out);
    window.processMessages(); // nothing shown yet
    window.showMessage(J("一行目\r\r三行目\r"));
    window.showMessage(J("一行目\r\r三行目\r")); // unchanged: not printed again
    window.model["lblStatus"].text = "50%(1/2)";
    window.processMessages();
    window.showMessage("A\r\nB\nC");
    window.sleep(400);
    window.close();
    EXPECT_EQ(out.str(), "一行目\n\n三行目\nA\nB\nC\n");
    EXPECT_TRUE(window.closed);
}

TEST(SilentWindowTest, KeepsSharedFilesAndSaysWhich) {
    std::ostringstream out;
    SilentWindow window(out);
    window.showDeletionDialog("C:\\A.DLL\r\r" + J("削除してもよろしいですか？"));
    EXPECT_EQ(window.model["lblFormShare"].text, "Save");
    EXPECT_EQ(out.str(),
              "[ファイル削除の確認]\nC:\\A.DLL\n\n削除してもよろしいですか？\n=> Save\n");
}

} // namespace
