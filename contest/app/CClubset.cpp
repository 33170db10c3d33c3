// Captioned text boxes, one under another.
#include "app/CClubset.h"

#include <QGridLayout>
#include <QVBoxLayout>

CClubset::CClubset(QWidget* parent) : SheetPage("CClubset", parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(captionedBoxes({
        {QStringLiteral("登録クラブ番号"), "CLUBNO"},
        {QStringLiteral("登録クラブ名称"), "CLUBNAME"},
    }));
    layout->addStretch(1);
}
