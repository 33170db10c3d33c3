// Column composition: component values, the row of one QSO and the per-band multiplier tally.
#include "exchange/ExchangeComposer.h"

#include "common/ByteCopy.h"
#include "common/Cp932.h"
#include "common/FieldText.h"
#include "exchange/BandTable.h"
#include "exchange/LogRowList.h"

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

// Writes bytes fromColumn..toColumn of text at out; see cutColumns.
char* writeColumns(char* out, std::string_view text, int fromColumn, int toColumn) {
    if (fromColumn == 0 || toColumn < fromColumn) {
        return copyBytes(out, text);
    }
    // 64-bit, as from and to come from a contest file and their difference may not fit an int.
    const std::int64_t count = std::int64_t{toColumn} - fromColumn + 1;
    const std::size_t start = fromColumn < 1 ? 0 : static_cast<std::size_t>(fromColumn - 1);
    return copyBytes(out, slice(text, start, static_cast<std::size_t>(count)));
}

// No QSO data field is wider than the remarks; cuts only shorten a field's text.
constexpr std::size_t kWidestField = sizeof(QsoRecord::remarks1);
// Sign and digits of any int.
constexpr std::size_t kIntBytes = 11;

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
    : rules_(rules), classifier_(classifier), results_(results) {
    char fixed[kIntBytes];
    pointsText_.assign(fixed,
                       std::to_chars(fixed, fixed + sizeof fixed, rules_.logPoints.fixedValue).ptr);
    sent_ = stepsOf(rules_.sendNo, RstSource::Sent, true);
    received_ = stepsOf(rules_.recvNo, RstSource::Received, true);
    operator_ = stepsOf(rules_.logOperator, RstSource::Received, false);
    remarks_ = stepsOf(rules_.logRemarks, RstSource::Received, false);
    const ExchangeComponent& multi = rules_.logMulti;
    multiplier_ = {singleKind(multi.choice), multi.fixedText, multi.qsoField, multi.fromColumn,
                   multi.toColumn};
    const ExchangeRules::Points& points = rules_.logPoints;
    points_ = {singleKind(points.choice), pointsText_, points.qsoField, points.fromColumn,
               points.toColumn};
    sameFieldMultipliers_ = multipliersFromSameField(rules_);

    // Date, time and station are short, and the multiplier and the points are one part each.
    constexpr std::size_t kOnePart = kWidestField + kIntBytes;
    rowRoom_ = LogRowList::rowRoom(3 * kOnePart + multi.fixedText.size() + kOnePart +
                                   pointsText_.size() + kOnePart + sent_.bound + received_.bound +
                                   operator_.bound + remarks_.bound);
}

std::string ExchangeComposer::cutColumns(std::string_view text, int fromColumn, int toColumn) {
    std::string out(text.size(), '\0');
    out.resize(static_cast<std::size_t>(writeColumns(out.data(), text, fromColumn, toColumn) -
                                        out.data()));
    return out;
}

std::string ExchangeComposer::formatSerial(int serial, int digits) {
    std::string out(componentBound(ComponentKind::Serial, 0, digits), '\0');
    out.resize(static_cast<std::size_t>(writeSerial(out.data(), serial, digits) - out.data()));
    return out;
}

char* ExchangeComposer::writeSerial(char* out, int serial, int digits) {
    const int width = std::min(digits, kMaxSerialWidth);
    if (serial >= 0 && width <= 16) {
        // The common case without printf: zeros up to the width, then the digits written in place.
        int length = 1;
        for (int rest = serial; rest >= 10; rest /= 10) {
            ++length;
        }
        for (int i = length; i < width; ++i) {
            *out++ = '0';
        }
        return std::to_chars(out, out + length, serial).ptr;
    }
    char buffer[kMaxSerialWidth + 16];
    const int length = width > 0 ? std::snprintf(buffer, sizeof buffer, "%0*d", width, serial)
                                 : std::snprintf(buffer, sizeof buffer, "%d", serial);
    return copyBytes(out, std::string_view(buffer, static_cast<std::size_t>(length)));
}

std::size_t ExchangeComposer::componentBound(ComponentKind kind, std::size_t fixedBytes,
                                             int digits) {
    switch (kind) {
    case ComponentKind::Fixed:
        return fixedBytes;
    case ComponentKind::Serial:
        return static_cast<std::size_t>(std::clamp(digits, 0, kMaxSerialWidth)) + kIntBytes;
    case ComponentKind::QsoData:
        return kWidestField;
    default:
        return 0;
    }
}

ExchangeComposer::Steps ExchangeComposer::stepsOf(const ExchangeRules::ThreeParts& parts,
                                                  RstSource whichRst, bool withSerialWidths) {
    Steps steps;
    for (int i = 0; i < static_cast<int>(parts.size()); ++i) {
        const ExchangeComponent& c = parts[i];
        const ComponentKind kind = threePartKind(i, c.choice);
        if (kind == ComponentKind::None) { // most rules leave parts unused
            continue;
        }
        const int digits = withSerialWidths ? c.digits : 0;
        steps.firstIsReport = steps.firstIsReport || i == 0;
        steps.steps[steps.count++] = {kind,       c.fixedText, c.qsoField, c.fromColumn,
                                      c.toColumn, digits,      whichRst};
        steps.bound += componentBound(kind, c.fixedText.size(), digits);
    }
    return steps;
}

char* ExchangeComposer::writeSteps(char* out, const QsoRecord& record, const Steps& steps,
                                   int serial) const {
    for (int i = 0; i < steps.count; ++i) {
        out = writeStep(out, record, steps.steps[i], serial);
    }
    return out;
}

char* ExchangeComposer::writeExchange(char* out, const QsoRecord& record, const Steps& steps,
                                      int serial, std::uint8_t& reportBytes) const {
    char* const start = out;
    int i = 0;
    if (steps.firstIsReport) {
        out = writeStep(out, record, steps.steps[i++], serial);
    }
    // A first component is a fixed text of at most 255 bytes or a field narrower still.
    reportBytes = static_cast<std::uint8_t>(std::min<std::ptrdiff_t>(out - start, 255));
    for (; i < steps.count; ++i) {
        out = writeStep(out, record, steps.steps[i], serial);
    }
    return out;
}

bool ExchangeComposer::writesText(const ExchangeRules::ThreeParts& parts) {
    for (int i = 0; i < static_cast<int>(parts.size()); ++i) {
        const ExchangeComponent& c = parts[static_cast<std::size_t>(i)];
        const ComponentKind kind = threePartKind(i, c.choice);
        if (kind == ComponentKind::Serial || kind == ComponentKind::QsoData ||
            (kind == ComponentKind::Fixed && !cp932::trim(c.fixedText).empty())) {
            return true;
        }
    }
    return false;
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
    const auto code = [&record] { return QsoRecord::text(record.code); };
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
        return code();
    case kCityNumber: {
        const int kind = classifier_.addressKind(FieldText(code()).c_str());
        return (kind == 4 || kind == 6) ? slice(code(), 0, 4) : std::string_view();
    }
    case kCountyNumber: {
        const int kind = classifier_.addressKind(FieldText(code()).c_str());
        return (kind == 5 || kind == 7) ? slice(code(), 0, 5) : std::string_view();
    }
    case kPrefectureNumber:
        return slice(code(), 0, 2);
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
    const std::size_t size = out.size();
    out.resize(size + componentBound(kind, fixedText.size(), digits));
    char* end = writeComponent(out.data() + size, record, kind, fixedText, qsoField, fromColumn,
                               toColumn, serial, whichRst, digits);
    out.resize(static_cast<std::size_t>(end - out.data()));
}

char* ExchangeComposer::writeComponent(char* out, const QsoRecord& record, ComponentKind kind,
                                       std::string_view fixedText, int qsoField, int fromColumn,
                                       int toColumn, int serial, RstSource whichRst,
                                       int digits) const {
    switch (kind) {
    case ComponentKind::Fixed:
        return copyBytes(out, fixedText);
    case ComponentKind::Serial:
        return writeSerial(out, serial, digits);
    case ComponentKind::QsoData:
        return writeColumns(out, fieldView(record, qsoField, whichRst), fromColumn, toColumn);
    default:
        return out;
    }
}

std::string ExchangeComposer::composeRule(const QsoRecord& record,
                                          const ExchangeRules::ThreeParts& parts, int serial,
                                          RstSource whichRst, bool withSerialWidths) const {
    const Steps steps = stepsOf(parts, whichRst, withSerialWidths);
    std::string text(steps.bound, '\0');
    text.resize(
        static_cast<std::size_t>(writeSteps(text.data(), record, steps, serial) - text.data()));
    return text;
}

char* ExchangeComposer::writeMultiplier(char* out, const QsoRecord& record, int band) {
    char* end = writeStep(out, record, multiplier_, 0);
    const std::string_view value =
        cp932::trimRight(std::string_view(out, static_cast<std::size_t>(end - out)));

    if (sameFieldMultipliers_) {
        // Only the QSO that brings a value first on its band shows it.
        const bool isNew = !value.empty() && results_.addMultiplier(band, value);
        return isNew ? out + value.size() : out;
    }
    if (rules_.summaryMulti.choice == 2) {
        const ExchangeComponent& summary = rules_.summaryMulti;
        scratch_.clear();
        appendComponent(scratch_, record, ComponentKind::QsoData, {}, summary.qsoField,
                        summary.fromColumn, summary.toColumn, 0, RstSource::Sent, 0);
        results_.addMultiplier(band, scratch_);
    }
    return out + value.size();
}

int ExchangeComposer::composeRow(const QsoRecord& record, int serial) {
    return composeRow(record, serial,
                      classifier_.bandIndex(FieldText(QsoRecord::text(record.freq)).c_str()));
}

int ExchangeComposer::composeRow(const QsoRecord& record, int serial, int band) {
    if (!BandTable::isBand(band)) {
        // No list holds the row and no tally takes its values: only the count of unfiled QSOs.
        results_.appendRow(band, LogRow{});
        return band;
    }
    char* const start = results_.beginPackedRow(band, rowRoom_);
    char* out = start;
    // Each column is written behind its length prefix, straight into the band's list.
    const auto column = [&out](auto write) { out = LogRowList::writeColumn(out, write); };
    const std::string_view date = QsoRecord::text(record.qsoDate);
    column([&](char* at) {
        at = copyBytes(at, slice(date, 2, 2));
        *at++ = '/';
        return copyBytes(at, slice(date, 4));
    });
    const std::string_view time = QsoRecord::text(record.qsoTime);
    column([&](char* at) {
        at = copyBytes(at, slice(time, 0, 2));
        *at++ = ':';
        return copyBytes(at, slice(time, 2, 2));
    });
    column([&](char* at) {
        at = copyBytes(at, cp932::trim(QsoRecord::text(record.call)));
        const std::string_view portable = cp932::trim(QsoRecord::text(record.portable));
        if (!portable.empty()) {
            *at++ = '/';
            at = copyBytes(at, portable);
        }
        return at;
    });
    std::uint8_t sentReport = 0, receivedReport = 0;
    column([&](char* at) { return writeExchange(at, record, sent_, serial, sentReport); });
    column([&](char* at) { return writeExchange(at, record, received_, serial, receivedReport); });
    column([&](char* at) { return writeMultiplier(at, record, band); });
    column([&](char* at) { return writeStep(at, record, points_, serial); });
    column([&](char* at) { return writeSteps(at, record, operator_, serial); });
    column([&](char* at) { return writeSteps(at, record, remarks_, serial); });
    out = LogRowList::writeReportBytes(out, sentReport, receivedReport);
    results_.commitPackedRow(band, static_cast<std::size_t>(out - start));
    return band;
}
