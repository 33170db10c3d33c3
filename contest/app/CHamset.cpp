// Captioned text boxes; the power box carries its unit and the two power kinds beside it.
#include "app/CHamset.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

CHamset::CHamset(QWidget* parent) : SheetPage("CHamset", parent) {
    QGridLayout* grid = captionedBoxes({
        {QStringLiteral("コールサイン"), "CALLSIGN"},
        {QStringLiteral("無線従事者の資格"), "SIKAKU"},
    });

    QLineEdit* power = textBox("POWER");
    power->setMaximumWidth(power->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 10 + 12);
    QLabel* powerCaption = label(QStringLiteral("最大空中線電力"));
    powerCaption->setBuddy(power);
    auto* powerRow = new QHBoxLayout;
    powerRow->addWidget(power);
    powerRow->addWidget(label(QStringLiteral("Ｗ")));
    powerRow->addSpacing(16);
    for (QRadioButton* kind :
         radioGroup("PWRTYPE", {QStringLiteral("定格電力"), QStringLiteral("実測電力")})) {
        powerRow->addWidget(kind);
    }
    powerRow->addStretch(1);
    grid->addWidget(powerCaption, 2, 0);
    grid->addLayout(powerRow, 2, 1);

    QLineEdit* operatorCall = textBox("CALLSIGN2");
    QLabel* operatorCaption = label(QStringLiteral("運用者のコールサイン"));
    operatorCaption->setBuddy(operatorCall);
    grid->addWidget(operatorCaption, 3, 0);
    grid->addWidget(operatorCall, 3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
}
