// Fields of the entry-text pages; the composition pages come from their own model.
#include "document/ContestSheetModel.h"

#include "app/ProgramTitle.h"
#include "common/Cp932.h"
#include "exchange/CompositionPageModel.h"

const std::string& ContestSheetModel::title() {
    return cp932::lit("コンテスト設定");
}

std::vector<FormModel> ContestSheetModel::fromSettings(const ContestSettings& settings) {
    std::vector<FormModel> pages;
    pages.emplace_back("CContname", cp932::lit("コンテスト名称"), kProgramTitle)
        .addText("contestName", settings.contestName);
    FormModel& category = pages.emplace_back("CBumon", cp932::lit("部門"), kProgramTitle);
    category.addText("categoryCode", settings.categoryCode);
    category.addText("categoryName", settings.categoryName);
    pages.emplace_back("CIken", cp932::lit("意見"), kProgramTitle)
        .addMultiLineText("opinionText", settings.opinionText);
    pages.emplace_back("CSeiyaku", cp932::lit("誓約"), kProgramTitle)
        .addMultiLineText("oathText", settings.oathText);
    for (FormModel& page : CompositionPageModel::fromRules(settings.rules)) {
        pages.push_back(std::move(page));
    }
    return pages;
}

void ContestSheetModel::toSettings(const std::vector<FormModel>& pages, ContestSettings& settings) {
    settings.contestName = FormModel::page(pages, "CContname").text("contestName");
    const FormModel& category = FormModel::page(pages, "CBumon");
    settings.categoryCode = category.text("categoryCode");
    settings.categoryName = category.text("categoryName");
    settings.opinionText = FormModel::page(pages, "CIken").text("opinionText");
    settings.oathText = FormModel::page(pages, "CSeiyaku").text("oathText");
    CompositionPageModel::toRules(pages, settings.rules);
}
