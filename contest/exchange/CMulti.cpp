// Groups "サマリーシート" and "ログシート": nothing, a fixed text or QSO data.
#include "exchange/CMulti.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>
#include <string>

CMulti::CMulti(QWidget* parent) : RulePage("CMulti", parent) {
    struct Group {
        QString title;
        QString qsoData; // caption of the QSO data choice
        std::string prefix;
    };
    const Group groups[] = {
        {QStringLiteral("サマリーシート"), QStringLiteral("ＱＳＯデータで集計"), "summary"},
        {QStringLiteral("ログシート"), QStringLiteral("ＱＳＯデータを記入"), "log"},
    };
    auto* layout = new QVBoxLayout(this);
    for (const Group& g : groups) {
        QGridLayout* grid = nullptr;
        layout->addWidget(group(g.title, grid));
        addChoices(grid, radioGroup((g.prefix + "Choice").c_str(),
                                    {QStringLiteral("記入しない"), QStringLiteral("固定項目を記入"),
                                     g.qsoData}));
        addFixedText(grid, 1, (g.prefix + "FixedText").c_str());
        addQsoData(grid, 2, (g.prefix + "QsoField").c_str(), (g.prefix + "FromColumn").c_str(),
                   (g.prefix + "ToColumn").c_str());
    }
    layout->addStretch(1);
}
