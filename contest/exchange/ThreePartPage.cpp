// The three component groups, with the control names of CompositionPageModel.
#include "exchange/ThreePartPage.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <string>

namespace {

std::string numbered(const char* name, int component) {
    return name + std::to_string(component);
}

} // namespace

ThreePartPage::ThreePartPage(const char* className, bool withDigits, QWidget* parent)
    : RulePage(className, parent) {
    auto* layout = new QVBoxLayout(this);
    const QString titles[] = {QStringLiteral("１番目"), QStringLiteral("2番目"),
                              QStringLiteral("3番目")};
    for (int component = 1; component <= 3; ++component) {
        QGridLayout* grid = nullptr;
        layout->addWidget(group(titles[component - 1], grid));
        const std::string choice = numbered("choice", component);
        const std::string fixedText = numbered("fixedText", component);
        const std::string list = numbered("qsoField", component);
        const std::string from = numbered("fromColumn", component);
        const std::string to = numbered("toColumn", component);
        if (component == 1) {
            addChoices(grid, radioGroup(choice.c_str(), {QStringLiteral("固定項目"),
                                                         QStringLiteral("ＱＳＯデータ")}));
            addFixedText(grid, 0, fixedText.c_str());
            addQsoData(grid, 1, list.c_str(), from.c_str(), to.c_str());
            continue;
        }
        addChoices(grid, radioGroup(choice.c_str(),
                                    {QStringLiteral("使用しない"), QStringLiteral("固定項目"),
                                     QStringLiteral("連番"), QStringLiteral("ＱＳＯデータ")}));
        addFixedText(grid, 1, fixedText.c_str());
        if (withDigits) {
            const std::string digits = numbered("digits", component);
            QLineEdit* box = integerBox(digits.c_str());
            QLabel* caption = label(QStringLiteral("桁数"));
            caption->setBuddy(box);
            auto* row = new QHBoxLayout;
            row->addWidget(caption);
            row->addWidget(box);
            row->addStretch(1);
            grid->addLayout(row, 2, 1);
        }
        addQsoData(grid, 3, list.c_str(), from.c_str(), to.c_str());
    }
    layout->addStretch(1);
}
