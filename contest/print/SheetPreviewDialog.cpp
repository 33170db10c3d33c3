// The preview window: a button bar over the page view, which draws the pages on request.
#include "print/SheetPreviewDialog.h"

#include "print/SheetPainter.h"

#include <QHBoxLayout>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int kZoomLevels = 2;
constexpr double kZoomStep = 1.6;

QPushButton* button(const QString& caption, const char* name, QHBoxLayout* bar) {
    auto* b = new QPushButton(caption);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    bar->addWidget(b);
    return b;
}
} // namespace

SheetPreviewDialog::SheetPreviewDialog(const CKorvaneDoc& doc, QPrinter& printer, QWidget* parent)
    : QDialog(parent), doc_(doc) {
    setObjectName(QStringLiteral("SheetPreviewDialog"));
    setWindowTitle(QStringLiteral("印刷ﾌﾟﾚﾋﾞｭｰ"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    auto* bar = new QHBoxLayout;
    QPushButton* print = button(QStringLiteral("印刷(&P)..."), "btnPrint", bar);
    next_ = button(QStringLiteral("次ﾍﾟｰｼﾞ(&N)"), "btnNext", bar);
    previous_ = button(QStringLiteral("前ﾍﾟｰｼﾞ(&V)"), "btnPrevious", bar);
    twoPages_ = button(QStringLiteral("2 ﾍﾟｰｼﾞ(&T)"), "btnTwoPages", bar);
    zoomIn_ = button(QStringLiteral("拡大(&I)"), "btnZoomIn", bar);
    zoomOut_ = button(QStringLiteral("縮小(&O)"), "btnZoomOut", bar);
    QPushButton* close = button(QStringLiteral("閉じる(&C)"), "btnClose", bar);
    bar->addStretch();

    preview_ = new QPrintPreviewWidget(&printer, this);
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setViewMode(QPrintPreviewWidget::SinglePageView);
    preview_->setZoomMode(QPrintPreviewWidget::FitInView);
    connect(preview_, &QPrintPreviewWidget::paintRequested, this, [this](QPrinter* target) {
        SheetPainter::paint(*target, doc_, 1, SheetPainter::pageCount(doc_));
    });
    connect(preview_, &QPrintPreviewWidget::previewChanged, this,
            &SheetPreviewDialog::updateButtons);

    connect(print, &QPushButton::clicked, this, [this] { done(kPrintRequested); });
    connect(next_, &QPushButton::clicked, this, [this] { step(twoPageView_ ? 2 : 1); });
    connect(previous_, &QPushButton::clicked, this, [this] { step(twoPageView_ ? -2 : -1); });
    connect(twoPages_, &QPushButton::clicked, this, &SheetPreviewDialog::toggleTwoPages);
    connect(zoomIn_, &QPushButton::clicked, this, [this] { zoom(1); });
    connect(zoomOut_, &QPushButton::clicked, this, [this] { zoom(-1); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addLayout(bar);
    layout->addWidget(preview_, 1);
    resize(900, 860);
    updateButtons();
}

void SheetPreviewDialog::step(int pages) {
    const int target = std::clamp(preview_->currentPage() + pages, 1, preview_->pageCount());
    preview_->setCurrentPage(target);
    updateButtons();
}

void SheetPreviewDialog::toggleTwoPages() {
    twoPageView_ = !twoPageView_;
    preview_->setViewMode(twoPageView_ ? QPrintPreviewWidget::FacingPagesView
                                       : QPrintPreviewWidget::SinglePageView);
    twoPages_->setText(twoPageView_ ? QStringLiteral("1 ﾍﾟｰｼﾞ(&O)")
                                    : QStringLiteral("2 ﾍﾟｰｼﾞ(&T)"));
    if (zoomLevel_ == 0) {
        preview_->fitInView();
    }
    updateButtons();
}

void SheetPreviewDialog::zoom(int levels) {
    const int level = std::clamp(zoomLevel_ + levels, 0, kZoomLevels);
    if (level == zoomLevel_) {
        return;
    }
    if (level == 0) {
        preview_->fitInView();
    } else {
        if (zoomLevel_ == 0) {
            // Larger views grow from the whole-page size of this window.
            preview_->fitInView();
        }
        const double factor = levels > 0 ? kZoomStep : 1.0 / kZoomStep;
        preview_->setZoomFactor(preview_->zoomFactor() * factor);
    }
    zoomLevel_ = level;
    updateButtons();
}

void SheetPreviewDialog::updateButtons() {
    const int page = preview_->currentPage();
    const int pages = preview_->pageCount();
    previous_->setEnabled(page > 1);
    next_->setEnabled(page < pages);
    twoPages_->setEnabled(pages > 1 || twoPageView_);
    zoomIn_->setEnabled(zoomLevel_ < kZoomLevels);
    zoomOut_->setEnabled(zoomLevel_ > 0);
}
