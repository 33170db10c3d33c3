// One captioned text box.
#include "document/CContname.h"

#include <QGridLayout>
#include <QVBoxLayout>

CContname::CContname(QWidget* parent) : SheetPage("CContname", parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(captionedBoxes({{QStringLiteral("コンテストの名称"), "contestName"}}));
    layout->addStretch(1);
}
