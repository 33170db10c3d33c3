// One multi-line text box filling the page.
#include "document/CIken.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

CIken::CIken(QWidget* parent) : SheetPage("CIken", parent) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(multiLineBox("opinionText"));
}
