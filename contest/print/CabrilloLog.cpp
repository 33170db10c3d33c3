// Writing the Cabrillo log from the document's rows and the QSOs they came from.
#include "print/CabrilloLog.h"

#include "common/Cp932.h"
#include "common/TwoDigitYear.h"
#include "exchange/BandTable.h"
#include "exchange/Scoring.h"
#include "print/ElectronicLogQsos.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr int kJapanHoursAheadOfUtc = 9;

bool isAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

// Digits [from, from + count) of text as a number; -1 when any of them is not a digit.
int number(std::string_view text, std::size_t from, std::size_t count) {
    if (text.size() < from + count) {
        return -1;
    }
    int value = 0;
    for (std::size_t i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return -1;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

int daysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

std::string twoDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

std::string recordError(int recordNumber, std::string_view what) {
    return cp932::lit("Cabrillo: レコード番号 ") + std::to_string(recordNumber) +
           cp932::lit(" のQSO: ") + std::string(what);
}

// Appends the QSO line of one QSO; the error message when it cannot be written, else "".
std::string qsoLine(const ElectronicLogQsos::Qso& qso, std::string_view myCall,
                    std::vector<std::pair<CabrilloLog::Moment, std::string>>& lines) {
    if (!qso.item) {
        return cp932::lit("Cabrillo: バンド ") +
               std::string(cp932::trim(BandTable::listLabel(qso.band))) +
               cp932::lit(" の行に対応するQSOがありません");
    }
    const QsoRecord& record = qso.item->record;
    const int recordNumber = qso.item->recordNumber;
    const std::string_view freq = CabrilloLog::frequency(qso.band);
    if (freq.empty()) {
        return recordError(recordNumber, cp932::lit("その他のバンドは書けません"));
    }
    const std::optional<CabrilloLog::Moment> utc =
        CabrilloLog::utcOf(QsoRecord::text(record.qsoDate), QsoRecord::text(record.qsoTime));
    if (!utc) {
        return recordError(recordNumber, cp932::lit("日付か時刻が読めません"));
    }
    std::string line = "QSO: ";
    line.append(freq).append(" ").append(CabrilloLog::mode(QsoRecord::text(record.mode)));
    line.append(" ").append(std::to_string(utc->year)).append("-").append(twoDigits(utc->month));
    line.append("-").append(twoDigits(utc->day)).append(" ");
    line.append(twoDigits(utc->hour)).append(twoDigits(utc->minute)).append(" ");
    line.append(myCall).append(" ").append(cp932::trim(qso.row.sent)).append(" ");
    line.append(cp932::trim(qso.row.station)).append(" ");
    line.append(cp932::trim(qso.row.received));
    if (!isAscii(line)) {
        return recordError(recordNumber, cp932::lit("ASCII以外の文字があります: ") + line);
    }
    lines.emplace_back(*utc, std::move(line));
    return {};
}

} // namespace

CabrilloLog::Result CabrilloLog::write(const CKorvaneDoc& doc) {
    Result result;
    const MasterSettings& m = doc.master;
    const ContestSettings& c = doc.contest;
    const Scoring scoring(c.rules, doc.results);
    const bool scoreShown =
        scoring.totalsShown() && scoring.scoreShown() && !scoring.score().overflowed();
    const std::string myCall(cp932::trim(m.callSign));

    std::string text;
    // A tag with its value on one line; a value outside ASCII is not written but listed.
    auto tag = [&text, &result](std::string_view name, std::string_view value) {
        std::string line(cp932::trim(value));
        for (char& c : line) {
            c = c == '\r' || c == '\n' || c == '\t' ? ' ' : c;
        }
        if (!isAscii(line)) {
            result.omitted.emplace_back(name);
            return;
        }
        text.append(name).append(": ").append(line).append(kLineEnd);
    };
    tag("START-OF-LOG", "3.0");
    tag("CONTEST", c.contestName);
    tag("CALLSIGN", myCall);
    // Cabrillo's categories have no counterpart in JARL's category codes; the code goes where a
    // reader sees it, and the CATEGORY- tags are left to the user.
    if (!cp932::trim(c.categoryCode).empty()) {
        tag("SOAPBOX", "JARL category code " + c.categoryCode);
    }
    tag("CLAIMED-SCORE", scoreShown ? std::to_string(scoring.score().value()) : "0");
    tag("OPERATORS", cp932::trim(m.callSign2).empty() ? m.callSign : m.callSign2);
    tag("NAME", m.name);
    for (const std::string* line : {&m.addr1, &m.addr2}) {
        if (!cp932::trim(*line).empty()) {
            tag("ADDRESS", *line);
        }
    }
    tag("EMAIL", m.email);
    tag("CREATED-BY", kCreatedBy);

    std::vector<std::pair<Moment, std::string>> qsoLines;
    std::string error;
    ElectronicLogQsos::forEach(doc, [&](const ElectronicLogQsos::Qso& qso) {
        error = qsoLine(qso, myCall, qsoLines);
        return error.empty();
    });
    if (!error.empty()) {
        result.error = std::move(error);
        return result;
    }
    // Cabrillo logs run in time order; QSOs of the same minute keep their band order.
    std::stable_sort(qsoLines.begin(), qsoLines.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [utc, line] : qsoLines) {
        text.append(line).append(kLineEnd);
    }
    text.append("END-OF-LOG:").append(kLineEnd);
    result.ok = true;
    result.text = std::move(text);
    return result;
}

std::string_view CabrilloLog::frequency(int band) {
    static constexpr std::array<std::string_view, BandTable::kBandCount> kFrequencies = {
        "1800",  "3500", "7000", "10100", "14000", "18068", "21000", "24890",
        "28000", "50",   "144",  "432",   "1.2G",  "2.3G",  "5.7G",  ""};
    return BandTable::isBand(band) ? kFrequencies[static_cast<std::size_t>(band)]
                                   : std::string_view();
}

std::string_view CabrilloLog::mode(std::string_view modeText) {
    const std::string upper = cp932::toUpperAscii(cp932::trim(modeText));
    if (upper == "CW") {
        return "CW";
    }
    if (upper == "SSB" || upper == "AM" || upper == "LSB" || upper == "USB") {
        return "PH";
    }
    if (upper == "FM") {
        return "FM";
    }
    if (upper == "RTTY") {
        return "RY";
    }
    return "DG";
}

std::optional<CabrilloLog::Moment> CabrilloLog::utcOf(std::string_view recordDate,
                                                      std::string_view recordTime) {
    Moment t{TwoDigitYear::fullYear(recordDate), number(recordDate, 2, 2),
             number(recordDate, 4, 2), number(recordTime, 0, 2), number(recordTime, 2, 2)};
    if (recordDate.size() != 6 || t.year < 0 || t.month < 1 || t.month > 12 || t.day < 1 ||
        t.day > daysInMonth(t.year, t.month) || t.hour < 0 || t.hour > 23 || t.minute < 0 ||
        t.minute > 59) {
        return std::nullopt;
    }
    t.hour -= kJapanHoursAheadOfUtc;
    if (t.hour < 0) {
        t.hour += 24;
        if (--t.day < 1) {
            if (--t.month < 1) {
                t.month = 12;
                --t.year;
            }
            t.day = daysInMonth(t.year, t.month);
        }
    }
    return t;
}
