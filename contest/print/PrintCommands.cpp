// Running the print dialog, the print job with its progress dialog, the preview and page set-up.
#include "print/PrintCommands.h"

#include "app/ProgramTitle.h"
#include "common/Cp932.h"
#include "print/SheetPreviewDialog.h"

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <algorithm>

PrintCommands::PrintCommands(CKorvaneDoc& doc, QWidget* parent)
    : QObject(parent), doc_(doc), parent_(parent),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    // The sheets are laid out for A4 portrait.
    printer_->setPageSize(QPageSize(QPageSize::A4));
    printer_->setPageOrientation(QPageLayout::Portrait);
}

PrintCommands::~PrintCommands() = default;

void PrintCommands::print(Prompter& prompter) {
    const int pages = SheetPainter::pageCount(doc_);
    printer_->setDocName(QString::fromStdString(cp932::toUtf8(doc_.title())));
    QPrintDialog dialog(printer_.get(), parent_);
    dialog.setWindowTitle(QStringLiteral("印刷"));
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintToFile |
                      QAbstractPrintDialog::PrintShowPageSize);
    dialog.setMinMax(1, pages);
    dialog.setFromTo(1, pages);
    printer_->setPrintRange(QPrinter::AllPages);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    int first = 1;
    int last = pages;
    if (printer_->printRange() == QPrinter::PageRange) {
        first = std::max(printer_->fromPage(), 1);
        last = std::min(printer_->toPage(), pages);
    }
    printRange(first, last, prompter);
}

SheetPainter::Outcome PrintCommands::printRange(int first, int last, Prompter& prompter) {
    QProgressDialog progress(parent_);
    progress.setObjectName(QStringLiteral("printProgress"));
    progress.setWindowTitle(QStringLiteral("印刷中"));
    progress.setCancelButtonText(QStringLiteral("ｷｬﾝｾﾙ"));
    progress.setRange(0, std::max(last - first + 1, 1));
    progress.setMinimumDuration(0);
    progress.setWindowModality(Qt::WindowModal);
    const QString document = QString::fromStdString(cp932::toUtf8(doc_.title()));
    const QString printer = printer_->outputFormat() == QPrinter::PdfFormat
                                ? printer_->outputFileName()
                                : printer_->printerName();

    const SheetPainter::Outcome outcome =
        SheetPainter::paint(*printer_, doc_, first, last, [&](int page, int done) {
            progress.setLabelText(
                QStringLiteral("%1\n%2\nﾍﾟｰｼﾞ %3").arg(document, printer).arg(page));
            progress.setValue(done);
            return !progress.wasCanceled();
        });
    progress.reset();
    if (outcome == SheetPainter::Outcome::failed) {
        prompter.ask(cp932::lit("印刷を開始できませんでした。"), kProgramTitle,
                     Prompter::Icon::exclamation);
    }
    return outcome;
}

void PrintCommands::preview(Prompter& prompter) {
    SheetPreviewDialog dialog(doc_, *printer_, parent_);
    if (dialog.exec() == SheetPreviewDialog::kPrintRequested) {
        print(prompter);
    }
}

void PrintCommands::setup() {
    QPageSetupDialog dialog(printer_.get(), parent_);
    dialog.setWindowTitle(QStringLiteral("ﾌﾟﾘﾝﾀの設定"));
    dialog.exec();
}
