// Fields of the composition pages and their rule members.
#include "exchange/CompositionPageModel.h"

#include "app/ProgramTitle.h"
#include "common/Cp932.h"

namespace {

constexpr int kFirstChoices = 2; // 固定項目, ＱＳＯデータ
constexpr int kOtherChoices = 4; // 使用しない, 固定項目, 連番, ＱＳＯデータ

struct ThreePartPage {
    const char* pageName;
    const char* caption; // UTF-8
    ExchangeRules::ThreeParts ExchangeRules::*rule;
    bool digits; // components 2 and 3 have a serial width box
};

const ThreePartPage kThreePartPages[] = {
    {"CSendno", "送信Ｎｏ", &ExchangeRules::sendNo, true},
    {"CRecno", "受信Ｎｏ", &ExchangeRules::recvNo, true},
    {"CLogop", "運用者", &ExchangeRules::logOperator, false},
    {"CLogrmk", "備考", &ExchangeRules::logRemarks, false},
};

std::string numbered(const char* name, std::size_t component) {
    return name + std::to_string(component + 1);
}

FormModel threePartPage(const ThreePartPage& table, const ExchangeRules& rules) {
    FormModel page(table.pageName, cp932::lit(table.caption), kProgramTitle);
    const ExchangeRules::ThreeParts& parts = rules.*table.rule;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const ExchangeComponent& c = parts[i];
        page.addRadioGroup(numbered("choice", i), i == 0 ? kFirstChoices : kOtherChoices, c.choice);
        page.addText(numbered("fixedText", i), c.fixedText);
        if (table.digits && i > 0) {
            page.addInteger(numbered("digits", i), c.digits);
        }
        page.addList(numbered("qsoField", i), CompositionPageModel::qsoFieldEntries(), c.qsoField);
        page.addInteger(numbered("fromColumn", i), c.fromColumn);
        page.addInteger(numbered("toColumn", i), c.toColumn);
    }
    return page;
}

void threePartRule(const ThreePartPage& table, const FormModel& page, ExchangeRules& rules) {
    ExchangeRules::ThreeParts& parts = rules.*table.rule;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        ExchangeComponent& c = parts[i];
        c.choice = page.index(numbered("choice", i));
        c.fixedText = page.text(numbered("fixedText", i));
        if (table.digits && i > 0) {
            c.digits = page.integer(numbered("digits", i));
        }
        c.qsoField = page.index(numbered("qsoField", i));
        c.fromColumn = page.integer(numbered("fromColumn", i));
        c.toColumn = page.integer(numbered("toColumn", i));
    }
}

// One group of CMulti: 記入しない, 固定項目を記入, ＱＳＯデータで集計 (or を記入).
void addMultiGroup(FormModel& page, const std::string& prefix, const ExchangeComponent& c) {
    page.addRadioGroup(prefix + "Choice", 3, c.choice);
    page.addText(prefix + "FixedText", c.fixedText);
    page.addList(prefix + "QsoField", CompositionPageModel::qsoFieldEntries(), c.qsoField);
    page.addInteger(prefix + "FromColumn", c.fromColumn);
    page.addInteger(prefix + "ToColumn", c.toColumn);
}

void readMultiGroup(const FormModel& page, const std::string& prefix, ExchangeComponent& c) {
    c.choice = page.index(prefix + "Choice");
    c.fixedText = page.text(prefix + "FixedText");
    c.qsoField = page.index(prefix + "QsoField");
    c.fromColumn = page.integer(prefix + "FromColumn");
    c.toColumn = page.integer(prefix + "ToColumn");
}

FormModel multiPage(const ExchangeRules& rules) {
    FormModel page("CMulti", cp932::lit("マルチプライヤー"), kProgramTitle);
    addMultiGroup(page, "summary", rules.summaryMulti);
    addMultiGroup(page, "log", rules.logMulti);
    return page;
}

FormModel pointsPage(const ExchangeRules& rules) {
    FormModel page("CTokuten", cp932::lit("点数"), kProgramTitle);
    page.addRadioGroup("coefChoice", 2, rules.summaryCoef.choice);
    page.addInteger("coefValue", rules.summaryCoef.value);
    const ExchangeRules::Points& p = rules.logPoints;
    page.addRadioGroup("pointsChoice", 3, p.choice);
    page.addInteger("pointsFixedValue", p.fixedValue);
    page.addList("pointsQsoField", CompositionPageModel::qsoFieldEntries(), p.qsoField);
    page.addInteger("pointsFromColumn", p.fromColumn);
    page.addInteger("pointsToColumn", p.toColumn);
    return page;
}

} // namespace

const std::vector<std::string>& CompositionPageModel::qsoFieldEntries() {
    static const std::vector<std::string> entries = [] {
        std::vector<std::string> e;
        for (const char* label : {"RST", "日付", "時間", "周波数", "MODE", "住所ｺｰﾄﾞ", "市No",
                                  "郡No", "県No", "GL", "名前", "QTH", "Remarks1", "Remarks2"}) {
            e.push_back(cp932::fromUtf8(label));
        }
        return e;
    }();
    return entries;
}

std::vector<FormModel> CompositionPageModel::fromRules(const ExchangeRules& rules) {
    return {
        threePartPage(kThreePartPages[0], rules),
        threePartPage(kThreePartPages[1], rules),
        multiPage(rules),
        pointsPage(rules),
        threePartPage(kThreePartPages[2], rules),
        threePartPage(kThreePartPages[3], rules),
    };
}

void CompositionPageModel::toRules(const std::vector<FormModel>& pages, ExchangeRules& rules) {
    for (const ThreePartPage& table : kThreePartPages) {
        threePartRule(table, FormModel::page(pages, table.pageName), rules);
    }
    const FormModel& multi = FormModel::page(pages, "CMulti");
    readMultiGroup(multi, "summary", rules.summaryMulti);
    readMultiGroup(multi, "log", rules.logMulti);

    const FormModel& points = FormModel::page(pages, "CTokuten");
    rules.summaryCoef.choice = points.index("coefChoice");
    rules.summaryCoef.value = points.integer("coefValue");
    rules.logPoints.choice = points.index("pointsChoice");
    rules.logPoints.fixedValue = points.integer("pointsFixedValue");
    rules.logPoints.qsoField = points.index("pointsQsoField");
    rules.logPoints.fromColumn = points.integer("pointsFromColumn");
    rules.logPoints.toColumn = points.integer("pointsToColumn");
}
