// Writing every master and contest setting by its ini key or member name.
#include "print/SettingsJson.h"

#include "app/JsonWriter.h"

namespace settings_json {
namespace {

void component(JsonWriter& json, std::string_view key, const ExchangeComponent& c,
               bool withDigits) {
    json.beginObject(key)
        .number("choice", c.choice)
        .text("fixedText", c.fixedText)
        .number("qsoField", c.qsoField)
        .number("fromColumn", c.fromColumn)
        .number("toColumn", c.toColumn);
    if (withDigits) {
        json.number("digits", c.digits);
    }
    json.endObject();
}

// Serial widths exist only for components 2 and 3 of the sent and received numbers.
void threeParts(JsonWriter& json, const char* name, const ExchangeRules::ThreeParts& parts,
                bool serialWidths) {
    json.beginArray(name);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        component(json, {}, parts[i], serialWidths && i > 0);
    }
    json.endArray();
}

template <typename Array>
void numbers(JsonWriter& json, const char* name, const Array& values) {
    json.beginArray(name);
    for (int v : values) {
        json.number(v);
    }
    json.endArray();
}

} // namespace

std::string write(const MasterSettings& master, const ContestSettings& c) {
    JsonWriter json;
    json.beginObject().beginObject("master");
    for (const auto& key : MasterSettings::keys()) {
        if (const std::string* text = master.textOf(key)) {
            json.text(key.name, *text);
        } else {
            json.number(key.name, master.*key.integer);
        }
    }
    json.endObject();

    json.beginObject("contest").number("selectBands", c.selectBands);
    numbers(json, "bandEnabled", c.bandEnabled);
    json.number("selectModes", c.selectModes);
    numbers(json, "modeEnabled", c.modeEnabled);
    json.number("excludeSameBandDupes", c.excludeSameBandDupes)
        .number("startYear", c.startYear)
        .number("startMonth", c.startMonth)
        .number("startDay", c.startDay)
        .number("endYear", c.endYear)
        .number("endMonth", c.endMonth)
        .number("endDay", c.endDay)
        .number("startHour", c.startHour)
        .number("startMinute", c.startMinute)
        .number("endHour", c.endHour)
        .number("endMinute", c.endMinute)
        .text("categoryName", c.categoryName)
        .text("categoryCode", c.categoryCode)
        .text("contestName", c.contestName)
        .text("opinionText", c.opinionText)
        .text("senderText", c.senderText)
        .text("oathText", c.oathText);

    const ExchangeRules& r = c.rules;
    threeParts(json, "sendNo", r.sendNo, true);
    threeParts(json, "recvNo", r.recvNo, true);
    component(json, "summaryMulti", r.summaryMulti, false);
    component(json, "logMulti", r.logMulti, false);
    json.beginObject("summaryCoef")
        .number("choice", r.summaryCoef.choice)
        .number("value", r.summaryCoef.value)
        .endObject();
    json.beginObject("logPoints")
        .number("choice", r.logPoints.choice)
        .number("fixedValue", r.logPoints.fixedValue)
        .number("qsoField", r.logPoints.qsoField)
        .number("fromColumn", r.logPoints.fromColumn)
        .number("toColumn", r.logPoints.toColumn)
        .endObject();
    threeParts(json, "logOperator", r.logOperator, false);
    threeParts(json, "logRemarks", r.logRemarks, false);
    json.endObject().endObject();
    return json.str();
}

} // namespace settings_json
