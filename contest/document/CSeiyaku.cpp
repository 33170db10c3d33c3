// One multi-line text box filling the page.
#include "document/CSeiyaku.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

CSeiyaku::CSeiyaku(QWidget* parent) : SheetPage("CSeiyaku", parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(multiLineBox("oathText"));
}
