// Two captioned text boxes.
#include "document/CBumon.h"

#include <QGridLayout>
#include <QVBoxLayout>

CBumon::CBumon(QWidget* parent) : SheetPage("CBumon", parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(captionedBoxes({
        {QStringLiteral("コードナンバー"), "categoryCode"},
        {QStringLiteral("名　　　　　　称"), "categoryName"},
    }));
    layout->addStretch(1);
}
