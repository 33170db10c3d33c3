// Printing and preview through the QPainter canvas, and the print position dialog.
#include "common/ScriptedPrompter.h"
#include "print/PrintCommands.h"
#include "print/PrintPositionDialog.h"
#include "print/QtSheetOutput.h"
#include "print/SheetPainter.h"
#include "print/SheetPreviewDialog.h"
#include "tests/common/TempFolder.h"
#include "tests/contest/print/SheetTestSupport.h"
#include "tests/contest/qso/UiTestSupport.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>
#include <sstream>

using namespace sheet_test;
using namespace ui_test;

namespace {

// Bands 0 and 10 with 120 and 30 rows: the summary, three 1.9 MHz sheets and one 144 MHz sheet.
CKorvaneDoc fivePages() {
    CKorvaneDoc doc = contestDoc();
    addRows(doc, 0, 120);
    addRows(doc, 10, 30);
    return doc;
}

int pdfPages(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QString text = QString::fromLatin1(file.readAll());
    return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
}

void toPdf(QPrinter& printer, const std::string& path) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(path));
}

} // namespace

TEST(PrintPositionDialog, RefusesNonIntegersAndStoresOnlyOnOk) {
    MasterSettings settings;
    settings.printX = 5;
    settings.printY = -3;
    ScriptedPrompter prompter;
    {
        PrintPositionDialog dialog(settings, prompter);
        dialog.show();
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("印字位置微調整"));
        auto* x = child<QLineEdit>(&dialog, "printX");
        auto* y = child<QLineEdit>(&dialog, "printY");
        EXPECT_EQ(x->text(), QStringLiteral("5"));
        EXPECT_EQ(y->text(), QStringLiteral("-3"));
        QStringList labels;
        for (auto* label : dialog.findChildren<QLabel*>()) {
            labels << label->text();
        }
        EXPECT_EQ(labels, (QStringList{"Ｘ座標", "０．１ミリ単位", "Ｙ座標", "０．１ミリ単位"}));

        y->clear();
        QTest::keyClicks(y, QStringLiteral("1a"));
        QTest::mouseClick(child(&dialog, "IDOK"), Qt::LeftButton);
        ASSERT_EQ(prompter.asked.size(), 1u);
        EXPECT_EQ(cp932::toUtf8(prompter.asked[0].text), "整数を入力してください。");
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.focusWidget(), y);
        EXPECT_EQ(settings.printY, -3);

        // Cancel after typing keeps the previous offsets.
        x->setText("99");
        y->setText("99");
        QTest::mouseClick(child(&dialog, "IDCANCEL"), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(settings.printX, 5);
    }
    PrintPositionDialog dialog(settings, prompter);
    dialog.show();
    child<QLineEdit>(&dialog, "printX")->setText("20");
    child<QLineEdit>(&dialog, "printY")->setText("-15");
    QTest::mouseClick(child(&dialog, "IDOK"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(settings.printX, 20);
    EXPECT_EQ(settings.printY, -15);
    EXPECT_EQ(prompter.asked.size(), 1u);
}

TEST(SheetPainter, PrintsTheRangeAndStopsWhenCancelled) {
    TempFolder dir;
    const CKorvaneDoc doc = fivePages();
    EXPECT_EQ(SheetPainter::pageCount(doc), 5);
    EXPECT_EQ(SheetPainter::pageCount(CKorvaneDoc{}), 1);

    struct Row {
        int first, last, stopBefore; // stopBefore: the page at which the user cancels, or 0
        SheetPainter::Outcome outcome;
        int pages; // in the PDF, when printed
    } rows[] = {
        {1, 5, 0, SheetPainter::Outcome::printed, 5},
        {2, 4, 0, SheetPainter::Outcome::printed, 3},
        {5, 9, 0, SheetPainter::Outcome::printed, 1}, // the range never runs past the plan
        {1, 5, 3, SheetPainter::Outcome::cancelled, -1},
    };
    for (const auto& r : rows) {
        const std::string pdf = dir.file("out.pdf");
        std::filesystem::remove(pdf);
        QPrinter printer(QPrinter::HighResolution);
        toPdf(printer, pdf);
        std::vector<int> seen;
        const SheetPainter::Outcome outcome =
            SheetPainter::paint(printer, doc, r.first, r.last, [&](int page, int done) {
                EXPECT_EQ(done, static_cast<int>(seen.size()));
                seen.push_back(page);
                return page != r.stopBefore;
            });
        EXPECT_EQ(outcome, r.outcome) << r.first << "-" << r.last;
        if (r.outcome == SheetPainter::Outcome::printed) {
            EXPECT_EQ(pdfPages(pdf), r.pages) << r.first << "-" << r.last;
            EXPECT_EQ(seen.front(), r.first);
        } else {
            EXPECT_EQ(seen.back(), r.stopBefore);
        }
    }
}

TEST(PrintCommands, PrintDialogOffersOnlyTheDocumentsPages) {
    TempFolder dir;
    CKorvaneDoc doc = fivePages();
    PrintCommands commands(doc, nullptr);
    ScriptedPrompter prompter;
    int min = 0, max = 0;
    onNextModal([&](QWidget* dialog) {
        auto* print = qobject_cast<QPrintDialog*>(dialog);
        if (print) {
            min = print->minPage();
            max = print->maxPage();
        }
        static_cast<QDialog*>(dialog)->reject();
    });
    commands.print(prompter);
    EXPECT_EQ(min, 1);
    EXPECT_EQ(max, 5);

    // The job itself, with its progress dialog, into a PDF; a printer that cannot start is
    // reported.
    const std::string pdf = dir.file("job.pdf");
    toPdf(commands.printer(), pdf);
    EXPECT_EQ(commands.printRange(1, 5, prompter), SheetPainter::Outcome::printed);
    EXPECT_EQ(pdfPages(pdf), 5);
    EXPECT_TRUE(prompter.asked.empty());
    toPdf(commands.printer(), dir.file("no/such/folder/job.pdf"));
    EXPECT_EQ(commands.printRange(1, 5, prompter), SheetPainter::Outcome::failed);
    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(cp932::toUtf8(prompter.asked[0].text), "印刷を開始できませんでした。");
}

TEST(QtSheetOutput, PdfReplacesTheFileWholeOrSaysInJapaneseWhyNot) {
    TempFolder dir;
    const CKorvaneDoc doc = fivePages();
    const SheetPrinter printer(doc);
    const std::string pdf = dir.file("sheets.pdf");
    TempFolder::write(pdf, "old");
    std::ostringstream out, err;
    ASSERT_TRUE(QtSheetOutput::writePdf(printer, "t", pdf, out, err)) << err.str();
    EXPECT_EQ(pdfPages(pdf), 5);
    EXPECT_TRUE(out.str().empty());

    const std::string missing = dir.file("no/such/folder/sheets.pdf");
    EXPECT_FALSE(QtSheetOutput::writePdf(printer, "t", missing, out, err));
    EXPECT_EQ(err.str(), "korvane: " + missing + ": 指定されたパスが見つかりません。\n");
}

TEST(SheetPreviewDialog, PagesButtonsAndPrint) {
    CKorvaneDoc doc = fivePages();
    QPrinter printer(QPrinter::HighResolution);
    SheetPreviewDialog dialog(doc, printer);
    dialog.show();
    dialog.preview()->updatePreview();
    EXPECT_EQ(dialog.preview()->pageCount(), 5);
    EXPECT_EQ(dialog.preview()->currentPage(), 1);
    auto* next = child<QPushButton>(&dialog, "btnNext");
    auto* previous = child<QPushButton>(&dialog, "btnPrevious");
    EXPECT_EQ(next->text(), QStringLiteral("次ﾍﾟｰｼﾞ(&N)"));
    EXPECT_FALSE(previous->isEnabled());

    for (int i = 0; i < 6; ++i) {
        next->click();
    }
    EXPECT_EQ(dialog.preview()->currentPage(), 5);
    EXPECT_FALSE(next->isEnabled());
    previous->click();
    EXPECT_EQ(dialog.preview()->currentPage(), 4);

    auto* two = child<QPushButton>(&dialog, "btnTwoPages");
    two->click();
    EXPECT_EQ(two->text(), QStringLiteral("1 ﾍﾟｰｼﾞ(&O)"));
    EXPECT_EQ(dialog.preview()->viewMode(), QPrintPreviewWidget::FacingPagesView);
    two->click();
    EXPECT_EQ(dialog.preview()->viewMode(), QPrintPreviewWidget::SinglePageView);

    auto* zoomIn = child<QPushButton>(&dialog, "btnZoomIn");
    auto* zoomOut = child<QPushButton>(&dialog, "btnZoomOut");
    EXPECT_FALSE(zoomOut->isEnabled());
    const qreal whole = dialog.preview()->zoomFactor();
    zoomIn->click();
    zoomIn->click();
    EXPECT_FALSE(zoomIn->isEnabled());
    EXPECT_GT(dialog.preview()->zoomFactor(), whole * 2);
    zoomOut->click();
    zoomOut->click();
    EXPECT_NEAR(dialog.preview()->zoomFactor(), whole, whole * 0.01);

    child<QPushButton>(&dialog, "btnPrint")->click();
    EXPECT_EQ(dialog.result(), SheetPreviewDialog::kPrintRequested);
}
