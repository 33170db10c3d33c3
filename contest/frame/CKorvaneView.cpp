// The QSO list view: columns, font, header-click sorting and the refill with its count.
#include "frame/CKorvaneView.h"

#include "common/Cp932.h"
#include "print/QtSheetCanvas.h"
#include "qso/QsoListColumns.h"
#include "qso/QsoListModel.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace {
constexpr int kFontHeight = 16; // pixels, the cell height of the list font
}

CKorvaneView::CKorvaneView(CKorvaneDoc& doc, QWidget* parent)
    : QTableView(parent), doc_(doc), model_(new QsoListModel(doc, this)) {
    setObjectName(QStringLiteral("CKorvaneView"));
    setModel(model_);

    QFont font(listFontFamily());
    font.setPixelSize(kFontHeight);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::TypeWriter);
    setFont(font);

    setShowGrid(false);
    setWordWrap(false);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);

    // Every row has the same height, so hundreds of thousands of rows cost nothing to lay out.
    QHeaderView* rowHeader = verticalHeader();
    rowHeader->hide();
    rowHeader->setSectionResizeMode(QHeaderView::Fixed);
    rowHeader->setDefaultSectionSize(QFontMetrics(font).height() + 2);

    QHeaderView* header = horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(false);
    header->setHighlightSections(false);
    header->setStretchLastSection(false);
    for (int c = 0; c < QsoListColumns::kColumnCount; ++c) {
        setColumnWidth(c, QsoListColumns::columns()[static_cast<std::size_t>(c)].width);
    }
    connect(header, &QHeaderView::sectionClicked, this,
            [this](int column) { model_->sort(column); });
}

QString CKorvaneView::listFontFamily() {
    return QtSheetCanvas::familyFor(cp932::lit("ＭＳ ゴシック"));
}

void CKorvaneView::refill() {
    if (model_->refill() == QsoListRows::Refill::rebuilt) {
        emit countChanged(model_->rowCount());
    }
}

void CKorvaneView::keyPressEvent(QKeyEvent* event) {
    // The list has no copy command; the key stays without effect.
    if (event->matches(QKeySequence::Copy)) {
        event->ignore();
        return;
    }
    QTableView::keyPressEvent(event);
}
