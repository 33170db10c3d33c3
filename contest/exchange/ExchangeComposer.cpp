// Column composition: component values, the row of one QSO and the per-band multiplier tally.
#include "ExchangeComposer.h"

#include "Cp932.h"
#include "FieldText.h"

#include <algorithm>
#include <charconv>
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

// Appends bytes fromColumn..toColumn of text; see cutColumns.
void appendColumns(std::string& out, std::string_view text, int fromColumn, int toColumn) {
    if (fromColumn == 0 || toColumn < fromColumn) {
        out.append(text);
        return;
    }
    // 64-bit, as from and to come from a contest file and their difference may not fit an int.
    const std::int64_t count = std::int64_t{toColumn} - fromColumn + 1;
    const std::size_t start = fromColumn < 1 ? 0 : static_cast<std::size_t>(fromColumn - 1);
    out.append(slice(text, start, static_cast<std::size_t>(count)));
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
    std::string out;
    appendColumns(out, text, fromColumn, toColumn);
    return out;
}

std::string ExchangeComposer::formatSerial(int serial, int digits) {
    std::string out;
    appendSerial(out, serial, digits);
    return out;
}

void ExchangeComposer::appendSerial(std::string& out, int serial, int digits) {
    const int width = std::min(digits, kMaxSerialWidth);
    if (serial >= 0 && width <= 16) {
        // The common case without printf: digits, then zeros in front up to the width.
        char buffer[16];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, serial).ptr;
        const auto length = static_cast<int>(end - buffer);
        if (width > length) {
            out.append(static_cast<std::size_t>(width - length), '0');
        }
        out.append(buffer, end);
        return;
    }
    char buffer[kMaxSerialWidth + 16];
    if (width > 0) {
        std::snprintf(buffer, sizeof buffer, "%0*d", width, serial);
    } else {
        std::snprintf(buffer, sizeof buffer, "%d", serial);
    }
    out.append(buffer);
}

bool ExchangeComposer::multipliersFromSameField(const ExchangeRules& rules) {
    return rules.summaryMulti.choice == 2 && rules.logMulti.choice == 2 &&
           rules.summaryMulti.qsoField == rules.logMulti.qsoField;
}

std::string ExchangeComposer::fieldText(const QsoRecord& record, int qsoField,
                                        RstSource whichRst) const {
    return std::string(fieldView(record, qsoField, whichRst));
}

std::string_view ExchangeComposer::fieldView(const QsoRecord& record, int qsoField,
                                             RstSource whichRst) const {
    const std::string_view code = QsoRecord::text(record.code);
    switch (qsoField) {
    case kRst:
        return whichRst == RstSource::Sent ? QsoRecord::text(record.hisRst)
                                           : QsoRecord::text(record.myRst);
    case kDate:
        return QsoRecord::text(record.qsoDate);
    case kTime:
        return QsoRecord::text(record.qsoTime);
    case kFrequency:
        return QsoRecord::text(record.freq);
    case kMode:
        return QsoRecord::text(record.mode);
    case kAddressCode:
        return code;
    case kCityNumber: {
        const int kind = classifier_.addressKind(FieldText(code).c_str());
        return (kind == 4 || kind == 6) ? slice(code, 0, 4) : std::string_view();
    }
    case kCountyNumber: {
        const int kind = classifier_.addressKind(FieldText(code).c_str());
        return (kind == 5 || kind == 7) ? slice(code, 0, 5) : std::string_view();
    }
    case kPrefectureNumber:
        return slice(code, 0, 2);
    case kGridLocator:
        return QsoRecord::text(record.gl);
    case kName:
        return QsoRecord::text(record.name);
    case kQth:
        return QsoRecord::text(record.qth);
    case kRemarks1:
        return QsoRecord::text(record.remarks1);
    case kRemarks2:
        return QsoRecord::text(record.remarks2);
    default:
        return {};
    }
}

std::string ExchangeComposer::composeComponent(const QsoRecord& record, ComponentKind kind,
                                               std::string_view fixedText, int qsoField,
                                               int fromColumn, int toColumn, int serial,
                                               RstSource whichRst, int digits) const {
    std::string out;
    appendComponent(out, record, kind, fixedText, qsoField, fromColumn, toColumn, serial, whichRst,
                    digits);
    return out;
}

void ExchangeComposer::appendComponent(std::string& out, const QsoRecord& record,
                                       ComponentKind kind, std::string_view fixedText, int qsoField,
                                       int fromColumn, int toColumn, int serial, RstSource whichRst,
                                       int digits) const {
    switch (kind) {
    case ComponentKind::Fixed:
        out.append(fixedText);
        break;
    case ComponentKind::Serial:
        appendSerial(out, serial, digits);
        break;
    case ComponentKind::QsoData:
        appendColumns(out, fieldView(record, qsoField, whichRst), fromColumn, toColumn);
        break;
    default:
        break;
    }
}

std::string ExchangeComposer::composeRule(const QsoRecord& record,
                                          const ExchangeRules::ThreeParts& parts, int serial,
                                          RstSource whichRst, bool withSerialWidths) const {
    std::string text;
    appendRule(text, record, parts, serial, whichRst, withSerialWidths);
    return text;
}

void ExchangeComposer::appendRule(std::string& out, const QsoRecord& record,
                                  const ExchangeRules::ThreeParts& parts, int serial,
                                  RstSource whichRst, bool withSerialWidths) const {
    for (int i = 0; i < static_cast<int>(parts.size()); ++i) {
        const ExchangeComponent& c = parts[i];
        const ComponentKind kind = threePartKind(i, c.choice);
        if (kind != ComponentKind::None) { // most rules leave parts unused
            appendComponent(out, record, kind, c.fixedText, c.qsoField, c.fromColumn, c.toColumn,
                            serial, whichRst, withSerialWidths ? c.digits : 0);
        }
    }
}

void ExchangeComposer::composeMultiplier(std::string& out, const QsoRecord& record, int band) {
    const ExchangeComponent& log = rules_.logMulti;
    appendComponent(out, record, singleKind(log.choice), log.fixedText, log.qsoField,
                    log.fromColumn, log.toColumn, 0, RstSource::Sent, 0);
    out.resize(cp932::trimRight(out).size());

    if (multipliersFromSameField(rules_)) {
        // Only the QSO that brings a value first on its band shows it.
        const bool isNew = !out.empty() && results_.addMultiplier(band, out);
        if (!isNew) {
            out.clear();
        }
        return;
    }
    if (rules_.summaryMulti.choice == 2) {
        const ExchangeComponent& summary = rules_.summaryMulti;
        std::string& value = scratch_;
        value.clear();
        appendComponent(value, record, ComponentKind::QsoData, {}, summary.qsoField,
                        summary.fromColumn, summary.toColumn, 0, RstSource::Sent, 0);
        results_.addMultiplier(band, value);
    }
}

int ExchangeComposer::composeRow(const QsoRecord& record, int serial) {
    return composeRow(record, serial,
                      classifier_.bandIndex(FieldText(QsoRecord::text(record.freq)).c_str()));
}

int ExchangeComposer::composeRow(const QsoRecord& record, int serial, int band) {
    // One row reused for every QSO: its texts keep their buffers from row to row.
    LogRow& row = row_;
    const std::string_view date = QsoRecord::text(record.qsoDate);
    row.monthDay.assign(slice(date, 2, 2)).append("/").append(slice(date, 4));
    const std::string_view time = QsoRecord::text(record.qsoTime);
    row.hourMinute.assign(slice(time, 0, 2)).append(":").append(slice(time, 2, 2));

    row.station.assign(cp932::trim(QsoRecord::text(record.call)));
    const std::string_view portable = cp932::trim(QsoRecord::text(record.portable));
    if (!portable.empty()) {
        row.station.append("/").append(portable);
    }

    row.sent.clear();
    appendRule(row.sent, record, rules_.sendNo, serial, RstSource::Sent, true);
    row.received.clear();
    appendRule(row.received, record, rules_.recvNo, serial, RstSource::Received, true);
    row.multiplier.clear();
    composeMultiplier(row.multiplier, record, band);

    const ExchangeRules::Points& points = rules_.logPoints;
    char fixedPoints[16];
    const char* fixedEnd =
        std::to_chars(fixedPoints, fixedPoints + sizeof fixedPoints, points.fixedValue).ptr;
    row.points.clear();
    appendComponent(row.points, record, singleKind(points.choice),
                    std::string_view(fixedPoints, static_cast<std::size_t>(fixedEnd - fixedPoints)),
                    points.qsoField, points.fromColumn, points.toColumn, serial, RstSource::Sent,
                    0);

    row.operatorText.clear();
    appendRule(row.operatorText, record, rules_.logOperator, serial, RstSource::Received, false);
    row.remarks.clear();
    appendRule(row.remarks, record, rules_.logRemarks, serial, RstSource::Received, false);

    results_.appendRow(band, row);
    return band;
}
