// Column composition: component values, the row of one QSO and the per-band multiplier tally.
#include "ExchangeComposer.h"

#include "Cp932.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <utility>

namespace {

// A zero-padding width beyond any column the sheets can hold; contest files are not validated, and
// a width of millions would only build a useless text.
constexpr int kMaxSerialWidth = 255;

// Part of a text that may be shorter than asked for: clamps both ends instead of throwing.
std::string_view slice(std::string_view text, std::size_t pos,
                       std::size_t count = std::string_view::npos) {
    return pos >= text.size() ? std::string_view() : text.substr(pos, count);
}

// The classifier takes NUL-terminated texts, while a record field that fills its width has no
// terminator; a copy stops the library from reading into the next field.
std::string terminated(std::string_view fieldText) {
    return std::string(fieldText);
}

enum QsoField {
    kRst = 0,
    kDate,
    kTime,
    kFrequency,
    kMode,
    kAddressCode,
    kCityNumber,
    kCountyNumber,
    kPrefectureNumber,
    kGridLocator,
    kName,
    kQth,
    kRemarks1,
    kRemarks2
};

} // namespace

ExchangeComposer::ExchangeComposer(const ExchangeRules& rules, const LogClassifier& classifier,
                                   BandResults& results)
    : rules_(rules), classifier_(classifier), results_(results) {}

ComponentKind ExchangeComposer::threePartKind(int component, int choice) {
    if (component == 0) {
        return (choice == 0 || choice == 1) ? static_cast<ComponentKind>(2 * choice + 1)
                                            : ComponentKind::None;
    }
    return (choice >= 0 && choice <= 3) ? static_cast<ComponentKind>(choice) : ComponentKind::None;
}

ComponentKind ExchangeComposer::singleKind(int choice) {
    switch (choice) {
    case 1:
        return ComponentKind::Fixed;
    case 2:
        return ComponentKind::QsoData;
    default:
        return ComponentKind::None;
    }
}

std::string ExchangeComposer::cutColumns(std::string_view text, int fromColumn, int toColumn) {
    if (fromColumn == 0 || toColumn < fromColumn) {
        return std::string(text);
    }
    // 64-bit, as from and to come from a contest file and their difference may not fit an int.
    const std::int64_t count = std::int64_t{toColumn} - fromColumn + 1;
    const std::size_t start = fromColumn < 1 ? 0 : static_cast<std::size_t>(fromColumn - 1);
    return std::string(slice(text, start, static_cast<std::size_t>(count)));
}

std::string ExchangeComposer::formatSerial(int serial, int digits) {
    const int width = std::min(digits, kMaxSerialWidth);
    char buffer[kMaxSerialWidth + 16];
    if (width > 0) {
        std::snprintf(buffer, sizeof buffer, "%0*d", width, serial);
    } else {
        std::snprintf(buffer, sizeof buffer, "%d", serial);
    }
    return buffer;
}

bool ExchangeComposer::multipliersFromSameField(const ExchangeRules& rules) {
    return rules.summaryMulti.choice == 2 && rules.logMulti.choice == 2 &&
           rules.summaryMulti.qsoField == rules.logMulti.qsoField;
}

std::string ExchangeComposer::fieldText(const QsoRecord& record, int qsoField,
                                        RstSource whichRst) const {
    const std::string_view code = QsoRecord::text(record.code);
    switch (qsoField) {
    case kRst:
        return std::string(whichRst == RstSource::Sent ? QsoRecord::text(record.hisRst)
                                                       : QsoRecord::text(record.myRst));
    case kDate:
        return std::string(QsoRecord::text(record.qsoDate));
    case kTime:
        return std::string(QsoRecord::text(record.qsoTime));
    case kFrequency:
        return std::string(QsoRecord::text(record.freq));
    case kMode:
        return std::string(QsoRecord::text(record.mode));
    case kAddressCode:
        return std::string(code);
    case kCityNumber: {
        const int kind = classifier_.addressKind(terminated(code).c_str());
        return (kind == 4 || kind == 6) ? std::string(slice(code, 0, 4)) : std::string();
    }
    case kCountyNumber: {
        const int kind = classifier_.addressKind(terminated(code).c_str());
        return (kind == 5 || kind == 7) ? std::string(slice(code, 0, 5)) : std::string();
    }
    case kPrefectureNumber:
        return std::string(slice(code, 0, 2));
    case kGridLocator:
        return std::string(QsoRecord::text(record.gl));
    case kName:
        return std::string(QsoRecord::text(record.name));
    case kQth:
        return std::string(QsoRecord::text(record.qth));
    case kRemarks1:
        return std::string(QsoRecord::text(record.remarks1));
    case kRemarks2:
        return std::string(QsoRecord::text(record.remarks2));
    default:
        return {};
    }
}

std::string ExchangeComposer::composeComponent(const QsoRecord& record, ComponentKind kind,
                                               std::string_view fixedText, int qsoField,
                                               int fromColumn, int toColumn, int serial,
                                               RstSource whichRst, int digits) const {
    switch (kind) {
    case ComponentKind::Fixed:
        return std::string(fixedText);
    case ComponentKind::Serial:
        return formatSerial(serial, digits);
    case ComponentKind::QsoData:
        return cutColumns(fieldText(record, qsoField, whichRst), fromColumn, toColumn);
    default:
        return {};
    }
}

std::string ExchangeComposer::composeRule(const QsoRecord& record,
                                          const ExchangeRules::ThreeParts& parts, int serial,
                                          RstSource whichRst, bool withSerialWidths) const {
    std::string text;
    for (int i = 0; i < static_cast<int>(parts.size()); ++i) {
        const ExchangeComponent& c = parts[i];
        text += composeComponent(record, threePartKind(i, c.choice), c.fixedText, c.qsoField,
                                 c.fromColumn, c.toColumn, serial, whichRst,
                                 withSerialWidths ? c.digits : 0);
    }
    return text;
}

std::string ExchangeComposer::multiplierColumn(const QsoRecord& record, int band) {
    const ExchangeComponent& log = rules_.logMulti;
    std::string m = std::string(cp932::trimRight(
        composeComponent(record, singleKind(log.choice), log.fixedText, log.qsoField,
                         log.fromColumn, log.toColumn, 0, RstSource::Sent, 0)));

    if (multipliersFromSameField(rules_)) {
        // Only the QSO that brings a value first on its band shows it.
        const bool isNew = !m.empty() && results_.addMultiplier(band, m);
        return isNew ? m : std::string();
    }
    if (rules_.summaryMulti.choice == 2) {
        const ExchangeComponent& summary = rules_.summaryMulti;
        results_.addMultiplier(band, composeComponent(record, ComponentKind::QsoData, {},
                                                      summary.qsoField, summary.fromColumn,
                                                      summary.toColumn, 0, RstSource::Sent, 0));
    }
    return m;
}

int ExchangeComposer::composeRow(const QsoRecord& record, int serial) {
    const int band = classifier_.bandIndex(terminated(QsoRecord::text(record.freq)).c_str());

    LogRow row;
    const std::string_view date = QsoRecord::text(record.qsoDate);
    row.monthDay.append(slice(date, 2, 2)).append("/").append(slice(date, 4));
    const std::string_view time = QsoRecord::text(record.qsoTime);
    row.hourMinute.append(slice(time, 0, 2)).append(":").append(slice(time, 2, 2));

    row.station = cp932::trim(QsoRecord::text(record.call));
    const std::string_view portable = cp932::trim(QsoRecord::text(record.portable));
    if (!portable.empty()) {
        row.station.append("/").append(portable);
    }

    row.sent = composeRule(record, rules_.sendNo, serial, RstSource::Sent, true);
    row.received = composeRule(record, rules_.recvNo, serial, RstSource::Received, true);
    row.multiplier = multiplierColumn(record, band);

    const ExchangeRules::Points& points = rules_.logPoints;
    row.points = composeComponent(record, singleKind(points.choice),
                                  std::to_string(points.fixedValue), points.qsoField,
                                  points.fromColumn, points.toColumn, serial, RstSource::Sent, 0);

    row.operatorText = composeRule(record, rules_.logOperator, serial, RstSource::Received, false);
    row.remarks = composeRule(record, rules_.logRemarks, serial, RstSource::Received, false);

    results_.appendRow(band, std::move(row));
    return band;
}
