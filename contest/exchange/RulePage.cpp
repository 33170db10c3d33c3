// Group boxes and rows of the rule pages.
#include "exchange/RulePage.h"

#include "exchange/CompositionPageModel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {
constexpr int kLastColumn = 5; // list, from, "カラム目から", to, "カラム目まで"
}

QGroupBox* RulePage::group(const QString& title, QGridLayout*& grid) {
    auto* box = new QGroupBox(title, this);
    grid = new QGridLayout(box);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(kLastColumn + 1, 1);
    return box;
}

void RulePage::addQsoData(QGridLayout* grid, int row, const char* list, const char* from,
                          const char* to) {
    QComboBox* fields = listBox(list, CompositionPageModel::qsoFieldEntries());
    fields->setMinimumContentsLength(8);
    fields->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    grid->addWidget(fields, row, 1);
    grid->addWidget(integerBox(from), row, 2);
    grid->addWidget(label(QStringLiteral("カラム目から")), row, 3);
    grid->addWidget(integerBox(to), row, 4);
    grid->addWidget(label(QStringLiteral("カラム目まで")), row, 5);
}

void RulePage::addFixedText(QGridLayout* grid, int row, const char* name) {
    grid->addWidget(textBox(name), row, 1, 1, kLastColumn);
}

void RulePage::addInteger(QGridLayout* grid, int row, const char* name) {
    grid->addWidget(integerBox(name), row, 1, Qt::AlignLeft);
}

void RulePage::addChoices(QGridLayout* grid, const std::vector<QRadioButton*>& buttons) {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        grid->addWidget(buttons[i], static_cast<int>(i), 0);
    }
}
