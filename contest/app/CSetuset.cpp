// Four text boxes one under another, without captions.
#include "app/CSetuset.h"

#include <QLineEdit>
#include <QVBoxLayout>

CSetuset::CSetuset(QWidget* parent) : SheetPage("CSetuset", parent) {
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(10);
    for (const char* name : {"SETUBI1", "SETUBI2", "SETUBI3", "SETUBI4"}) {
        layout->addWidget(textBox(name));
    }
    layout->addStretch(1);
}
