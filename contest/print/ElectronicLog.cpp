// Writing the JARL electronic log from the document, its figures and the master settings.
#include "print/ElectronicLog.h"

#include "common/Cp932.h"
#include "common/TwoDigitYear.h"
#include "exchange/BandTable.h"
#include "exchange/ExchangeComposer.h"
#include "exchange/Scoring.h"
#include "print/ElectronicLogQsos.h"
#include "print/ElectronicLogWarnings.h"

#include <utility>

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr int kOtherBand = BandTable::kBandCount - 1;

// A figure too large for 64 bits has no number to write; the form then gets 0, as for a hidden one.
std::string figureText(SheetFigure figure) {
    return figure.overflowed() ? "0" : std::to_string(figure.value());
}

// A value for a one-line tag or log column: line breaks and tabs become blanks.
std::string oneLine(std::string_view text) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        line.push_back(c == '\r' || c == '\n' || c == '\t' ? ' ' : c);
    }
    return ElectronicLog::protect(line);
}

// A value that keeps its line breaks, each written as CR LF.
std::string keptLines(std::string_view text) {
    std::string lines;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
            lines += kLineEnd;
        } else {
            lines.push_back(text[i]);
        }
    }
    return ElectronicLog::protect(lines);
}

void element(std::string& out, std::string_view name, std::string_view value) {
    out.append("<").append(name).append(">").append(value);
    out.append("</").append(name).append(">").append(kLineEnd);
}

void tag(std::string& out, std::string_view name, std::string_view value) {
    element(out, name, oneLine(value));
}

std::string address(const MasterSettings& m) {
    std::string text;
    if (!m.postId.empty()) {
        text = cp932::lit("〒") + m.postId + " ";
    }
    return text + m.addr1 + m.addr2;
}

std::string equipment(const MasterSettings& m) {
    std::string text;
    for (const std::string& line : m.setubi) {
        std::string_view item = cp932::trim(line);
        if (!item.empty()) {
            text.append(text.empty() ? "" : " ").append(item);
        }
    }
    return text;
}

std::string dateText(const SheetClock::Date& d) {
    return std::to_string(d.year) + cp932::lit("年") + std::to_string(d.month) + cp932::lit("月") +
           std::to_string(d.day) + cp932::lit("日");
}

void scores(std::string& out, const Scoring& scoring) {
    auto score = [&](std::string_view band, SheetFigure count, SheetFigure points,
                     SheetFigure multipliers) {
        out.append("<SCORE BAND=").append(band).append(">");
        out.append(figureText(count)).append(",").append(figureText(points)).append(",");
        out.append(figureText(multipliers)).append("</SCORE>").append(kLineEnd);
    };
    for (int band : BandTable::summaryBands()) {
        if (!scoring.count(band).isZero()) {
            score(cp932::trim(BandTable::summaryLabel(band)), scoring.count(band),
                  scoring.points(band), scoring.multipliers(band));
        }
    }
    score("TOTAL", scoring.totalCount(), scoring.totalPoints(), scoring.totalMultipliers());
}

void summarySheet(std::string& out, const CKorvaneDoc& doc, const ElectronicLog::Options& o) {
    const MasterSettings& m = doc.master;
    const ContestSettings& c = doc.contest;
    const Scoring scoring(c.rules, doc.results);
    const bool r10 = o.version == ElectronicLog::Version::R10;
    const bool scoreShown =
        scoring.totalsShown() && scoring.scoreShown() && !scoring.score().overflowed();

    out.append("<SUMMARYSHEET VERSION=").append(r10 ? "R1.0" : "R2.1").append(">");
    out.append(kLineEnd);
    tag(out, "CONTESTNAME", c.contestName);
    tag(out, "CATEGORYCODE", c.categoryCode);
    if (r10) {
        tag(out, "CATEGORYNAME", c.categoryName);
    }
    tag(out, "CALLSIGN", m.callSign);
    tag(out, "OPCALLSIGN", m.callSign2);
    if (r10) {
        scores(out, scoring);
    }
    tag(out, "TOTALSCORE", scoreShown ? figureText(scoring.score()) : "0");
    tag(out, "ADDRESS", address(m));
    tag(out, "NAME", m.name);
    tag(out, "TEL", m.telNo);
    tag(out, "EMAIL", m.email);
    if (r10) {
        tag(out, "LICENSECLASS", m.sikaku);
    }
    tag(out, "POWER", m.power);
    if (r10) {
        tag(out, "POWERTYPE", cp932::lit(m.pwrType == 0 ? "定格出力" : "実測出力"));
    }
    tag(out, "FDCOEFF", figureText(scoring.coefficient()));
    tag(out, "OPPLACE", m.moveName);
    tag(out, "POWERSUPPLY", m.moveP);
    if (r10) {
        tag(out, "EQUIPMENT", equipment(m));
    }
    element(out, "COMMENTS", keptLines(c.opinionText));
    tag(out, "MULTIOPLIST", "");
    tag(out, "REGCLUBNUMBER", m.clubNo);
    if (r10) {
        tag(out, "REGCLUBNAME", m.clubName);
    }
    element(out, "OATH", keptLines(c.oathText));
    tag(out, "DATE", dateText(o.today));
    tag(out, "SIGNATURE", m.name);
    out.append("</SUMMARYSHEET>").append(kLineEnd);
}

// One item of a log line: trimmed and one line; an empty one is written "-" and its QSO noted.
std::string item(std::string_view text, std::string_view what, const ElectronicLogQsos::Qso& qso,
                 ElectronicLogWarnings& warnings) {
    const std::string_view value = cp932::trim(text);
    if (value.empty()) {
        warnings.note(std::string(what) + cp932::lit("が空のため「-」と書いたQSO"),
                      qso.recordNumber());
        return "-";
    }
    return oneLine(value);
}

std::string logLine(const ElectronicLogQsos::Qso& qso, bool withOperator,
                    ElectronicLogWarnings& warnings) {
    const LogRow& row = qso.row;
    std::string date;
    if (qso.item) {
        const int year = TwoDigitYear::fullYear(QsoRecord::text(qso.item->record.qsoDate));
        if (year >= 0) {
            date = std::to_string(year) + "-";
        }
    }
    if (date.empty()) {
        warnings.note(cp932::lit("年が分からず月日だけを書いたQSO"), qso.recordNumber());
    }
    for (char c : row.monthDay) {
        date.push_back(c == '/' ? '-' : c);
    }
    const ElectronicLogQsos::Exchange sent = qso.sent();
    const ElectronicLogQsos::Exchange received = qso.received();
    const std::string_view mode = qso.item ? QsoRecord::text(qso.item->record.mode) : "";
    std::string line = item(date, cp932::lit("日付"), qso, warnings);
    for (const auto& [text, what] : {
             std::pair<std::string_view, const char*>{row.hourMinute, "時刻"},
             {ElectronicLog::bandName(qso.band), "バンド"},
             {mode, "モード"},
             {row.station, "コールサイン"},
             {sent.report, "送信RST"},
             {sent.number, "送信ナンバー"},
             {received.report, "受信RST"},
             {received.number, "受信ナンバー"},
             {row.multiplier, "マルチ"},
             {row.points, "得点"},
         }) {
        line.append(" ").append(item(text, cp932::lit(what), qso, warnings));
    }
    if (withOperator) {
        line.append(" ").append(item(row.operatorText, cp932::lit("運用者"), qso, warnings));
    }
    return line;
}

std::string leftOutBand(int band) {
    const std::string name(cp932::trim(BandTable::logSheetLabel(band)));
    return name + cp932::lit(band == kOtherBand ? "のバンド" : "MHz帯") +
           cp932::lit("のQSO (集計するバンドではないため書いていません)");
}

void logSheet(std::string& out, const CKorvaneDoc& doc, ElectronicLogWarnings& warnings) {
    out.append("<LOGSHEET TYPE=").append(cp932::lit("自作")).append(">").append(kLineEnd);
    out.append(ElectronicLog::kLogHeader).append(kLineEnd);
    const bool withOperator = ExchangeComposer::writesText(doc.contest.rules.logOperator);
    ElectronicLogQsos::forEach(doc, [&](const ElectronicLogQsos::Qso& qso) {
        if (!BandTable::hasSummaryRow(qso.band)) {
            warnings.note(leftOutBand(qso.band), qso.recordNumber());
            return true;
        }
        out.append(logLine(qso, withOperator, warnings)).append(kLineEnd);
        return true;
    });
    out.append("</LOGSHEET>").append(kLineEnd);
}

} // namespace

ElectronicLog::Result ElectronicLog::write(const CKorvaneDoc& doc, const Options& options) {
    std::string out;
    ElectronicLogWarnings warnings;
    summarySheet(out, doc, options);
    logSheet(out, doc, warnings);
    for (int record : ElectronicLogQsos::unfiledRecords(doc)) {
        warnings.note(ElectronicLogQsos::unfiledWarning(), record);
    }
    return {options.utf8 ? cp932::toUtf8(out) : std::move(out), warnings.messages()};
}

// "<" (0x3C) and ">" (0x3E) lie below every trail byte of CP932 (0x40 and up), so each such byte
// is a character of its own and can be replaced without reading the text character by character.
std::string ElectronicLog::protect(std::string_view text) {
    std::string safe;
    safe.reserve(text.size());
    for (char c : text) {
        if (c == '<') {
            safe += cp932::lit("＜");
        } else if (c == '>') {
            safe += cp932::lit("＞");
        } else {
            safe.push_back(c);
        }
    }
    return safe;
}

std::string_view ElectronicLog::bandName(int band) {
    return cp932::trim(BandTable::listLabel(band));
}
