// The background window on Qt's offscreen platform: the first resize places the banner, captions
// the window with the version and runs the main window; later resizes do neither.
#include "ui/TfrmBack.h"

#include <QApplication>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

TEST(TfrmBackTest, OnlyTheFirstResizeRunsTheMainWindow) {
    int runs = 0;
    TfrmBack back("1.00\x83\xc0"
                  "3(Build:1)",
                  [&runs] { ++runs; });
    EXPECT_FALSE(back.isEnabled());
    back.setTitle("Sample");
    auto* banner = back.findChild<QLabel*>("lblPrgTitle1");
    auto* shadow = back.findChild<QLabel*>("lblPrgTitle2");
    ASSERT_TRUE(banner && shadow);
    EXPECT_TRUE(banner->isHidden());

    back.resize(800, 600);
    back.show();
    QApplication::processEvents();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(back.windowTitle(), QString::fromUtf8("Quillet Standard Version1.00β3(Build:1)"));
    EXPECT_FALSE(banner->isHidden());
    EXPECT_TRUE(banner->text().startsWith("Quillet Standard\n"));
    // Bottom right, 24 and 48 pixels in; the shadow 2 pixels right and below.
    EXPECT_EQ(banner->geometry().right() + 1, 800 - 24);
    EXPECT_EQ(banner->geometry().bottom() + 1, 600 - 48);
    EXPECT_EQ(shadow->pos(), banner->pos() + QPoint(2, 2));
    EXPECT_EQ(back.findChild<QLabel*>("lblBackTitle2")->pos(), QPoint(18, 18));

    // The main window has returned and closed the background; restored, it stays as it is.
    back.show();
    back.resize(640, 480);
    QApplication::processEvents();
    back.resize(1024, 700);
    QApplication::processEvents();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(banner->geometry().right() + 1, 800 - 24);
}

} // namespace
