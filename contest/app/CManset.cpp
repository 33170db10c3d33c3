// Captioned text boxes, one under another.
#include "app/CManset.h"

#include <QGridLayout>
#include <QVBoxLayout>

CManset::CManset(QWidget* parent) : SheetPage("CManset", parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(captionedBoxes({
        {QStringLiteral("名前"), "NAME"},
        {QStringLiteral("電話番号"), "TELNO"},
        {QStringLiteral("郵便番号"), "POSTID"},
        {QStringLiteral("住所１"), "ADDR1"},
        {QStringLiteral("住所２"), "ADDR2"},
        {QStringLiteral("E-Mail"), "EMAIL"},
    }));
    layout->addStretch(1);
}
