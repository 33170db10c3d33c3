// Writing the report of one retrieval.
#include "print/ReportJson.h"

#include "app/JsonWriter.h"
#include "exchange/BandTable.h"
#include "exchange/Scoring.h"
#include "qso/QsoListColumns.h"

#include <vector>

namespace report_json {
namespace {

// A figure as its exact value; one that does not fit the sheet's 32-bit field is listed by name,
// and one beyond 64 bits is written as null.
void figure(JsonWriter& json, const std::string& name, SheetFigure value,
            std::vector<std::string>& tooLarge, const std::string& where = {}) {
    if (!value.fits32()) {
        tooLarge.push_back(where + name);
    }
    if (value.overflowed()) {
        json.null(name);
    } else {
        json.number(name, value.value());
    }
}

} // namespace

std::string write(const CKorvaneDoc& doc) {
    JsonWriter json;
    json.beginObject().number("recordsRead", doc.recordsRead);
    // Every record read is a kept QSO or counted once here, under the first filter that refused it.
    json.beginObject("skipped")
        .number("zone", doc.skipped.zone)
        .number("period", doc.skipped.period)
        .number("band", doc.skipped.band)
        .number("mode", doc.skipped.mode)
        .number("repeat", doc.skipped.repeat)
        .endObject();
    // Records with a field cut to fit the record; null when the library does not count them.
    if (doc.cutRecords < 0) {
        json.null("cut");
    } else {
        json.number("cut", doc.cutRecords);
    }

    json.beginArray("qsos");
    for (const QsoItem& item : doc.qsoList) {
        json.beginObject().number("recordNumber", item.recordNumber).beginArray("cells");
        for (int c = 0; c < QsoListColumns::kColumnCount; ++c) {
            json.text(QsoListColumns::cellText(item, c));
        }
        json.endArray().endObject();
    }
    json.endArray();

    json.beginArray("bands");
    for (int b = 0; b < BandTable::kBandCount; ++b) {
        json.beginObject().number("index", b).text("label", BandTable::listLabel(b));
        json.beginArray("rows");
        for (const LogRow& row : doc.results.bandRows(b)) {
            json.beginObject()
                .text("monthDay", row.monthDay)
                .text("hourMinute", row.hourMinute)
                .text("station", row.station)
                .text("sent", row.sent)
                .text("received", row.received)
                .text("multiplier", row.multiplier)
                .text("points", row.points)
                .text("operator", row.operatorText)
                .text("remarks", row.remarks)
                .endObject();
        }
        json.endArray().beginArray("multipliers");
        for (const std::string& m : doc.results.bandMultipliers(b)) {
            json.text(m);
        }
        json.endArray().endObject();
    }
    json.endArray();

    Scoring scoring(doc.contest.rules, doc.results);
    std::vector<std::string> tooLarge;
    json.beginObject("summary").beginArray("bands");
    for (int b = 0; b < BandTable::kBandCount; ++b) {
        json.beginObject().number("index", b);
        const std::string where = "bands[" + std::to_string(b) + "].";
        figure(json, "count", scoring.count(b), tooLarge, where);
        figure(json, "points", scoring.points(b), tooLarge, where);
        figure(json, "multipliers", scoring.multipliers(b), tooLarge, where);
        json.endObject();
    }
    json.endArray();
    figure(json, "totalCount", scoring.totalCount(), tooLarge);
    figure(json, "totalPoints", scoring.totalPoints(), tooLarge);
    figure(json, "totalMultipliers", scoring.totalMultipliers(), tooLarge);
    json.boolean("totalsShown", scoring.totalsShown());
    figure(json, "coefficient", scoring.coefficient(), tooLarge);
    figure(json, "score", scoring.score(), tooLarge);
    json.boolean("scoreShown", scoring.scoreShown());
    json.beginArray("doesNotFitSheet");
    for (const std::string& name : tooLarge) {
        json.utf8({}, name);
    }
    json.endArray().endObject();

    json.number("pages", static_cast<std::int64_t>(scoring.totalPages()));
    json.endObject();
    return json.str();
}

} // namespace report_json
