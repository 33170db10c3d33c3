// Groups "サマリーシート 係数欄" (nothing or a fixed value) and "ログシート 得点欄" (nothing, a
// fixed value or QSO data).
#include "exchange/CTokuten.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

CTokuten::CTokuten(QWidget* parent) : RulePage("CTokuten", parent) {
    auto* layout = new QVBoxLayout(this);

    QGridLayout* coefficient = nullptr;
    layout->addWidget(group(QStringLiteral("サマリーシート 係数欄"), coefficient));
    addChoices(coefficient, radioGroup("coefChoice", {QStringLiteral("記入しない"),
                                                      QStringLiteral("固定項目を記入")}));
    addInteger(coefficient, 1, "coefValue");

    QGridLayout* points = nullptr;
    layout->addWidget(group(QStringLiteral("ログシート 得点欄"), points));
    addChoices(points, radioGroup("pointsChoice",
                                  {QStringLiteral("記入しない"), QStringLiteral("固定項目を記入"),
                                   QStringLiteral("ＱＳＯデータを記入")}));
    addInteger(points, 1, "pointsFixedValue");
    addQsoData(points, 2, "pointsQsoField", "pointsFromColumn", "pointsToColumn");

    layout->addStretch(1);
}
