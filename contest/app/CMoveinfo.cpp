// Captioned text boxes, one under another.
#include "app/CMoveinfo.h"

#include <QGridLayout>
#include <QVBoxLayout>

CMoveinfo::CMoveinfo(QWidget* parent) : SheetPage("CMoveinfo", parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(captionedBoxes({
        {QStringLiteral("運用地"), "MOVENAME"},
        {QStringLiteral("使用電源"), "MOVEP"},
    }));
    layout->addStretch(1);
}
