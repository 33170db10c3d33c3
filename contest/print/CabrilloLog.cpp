// Writing the Cabrillo log from the document's rows and the QSOs they came from, and checking the
// header options.
#include "print/CabrilloLog.h"

#include "common/Cp932.h"
#include "common/TwoDigitYear.h"
#include "exchange/BandTable.h"
#include "exchange/Scoring.h"
#include "print/ElectronicLogQsos.h"
#include "print/ElectronicLogWarnings.h"

#include <algorithm>
#include <array>
#include <cstdint>
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

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The text's words, separated by blanks.
std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> result;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && isBlank(text[i])) {
            ++i;
        }
        const std::size_t start = i;
        while (i < text.size() && !isBlank(text[i])) {
            ++i;
        }
        if (i > start) {
            result.push_back(text.substr(start, i - start));
        }
    }
    return result;
}

using CategoryTag = CabrilloLog::CategoryTag;

// The listed value that the word names in any case; empty when none does.
std::string_view categoryValue(const CategoryTag& tag, std::string_view word) {
    for (std::string_view value : tag.values) {
        if (cp932::equalsNoCase(value, word)) {
            return value;
        }
    }
    return {};
}

// A frequency text in MHz as hertz: the leading decimal number after blanks, in GHz when a "G"
// follows it; nullopt without a number or for one too large to be a radio frequency.
std::optional<std::uint64_t> hertzOf(std::string_view text) {
    text = cp932::trim(text);
    constexpr int kMostIntegerDigits = 7; // a million MHz and more is no radio frequency
    std::uint64_t whole = 0;
    int wholeDigits = 0;
    std::size_t i = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        if (++wholeDigits > kMostIntegerDigits) {
            return std::nullopt;
        }
        whole = whole * 10 + static_cast<std::uint64_t>(text[i] - '0');
    }
    std::uint64_t fraction = 0; // in millionths of the unit
    int fractionDigits = 0;
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            if (fractionDigits < 6) {
                fraction = fraction * 10 + static_cast<std::uint64_t>(text[i] - '0');
                ++fractionDigits;
            }
        }
    }
    if (wholeDigits == 0 && fractionDigits == 0) {
        return std::nullopt;
    }
    for (int d = fractionDigits; d < 6; ++d) {
        fraction *= 10;
    }
    const bool gigahertz = i < text.size() && (text[i] == 'G' || text[i] == 'g');
    const std::uint64_t hertz = whole * 1'000'000 + fraction;
    return gigahertz ? hertz * 1000 : hertz;
}

// The bands Cabrillo names from 50 MHz, by the ranges of their allocations around the world.
struct NamedBand {
    std::uint64_t lowMhz, highMhz;
    std::string_view name;
};
constexpr NamedBand kNamedBands[] = {
    {50, 54, "50"},           {70, 71, "70"},           {144, 148, "144"},
    {219, 225, "222"},        {420, 450, "432"},        {902, 928, "902"},
    {1200, 1300, "1.2G"},     {2300, 2450, "2.3G"},     {3300, 3500, "3.4G"},
    {5650, 5925, "5.7G"},     {10000, 10500, "10G"},    {24000, 24250, "24G"},
    {47000, 47200, "47G"},    {75500, 81000, "75G"},    {119980, 123000, "122G"},
    {134000, 149000, "134G"}, {241000, 250000, "241G"},
};

constexpr std::uint64_t kHertzPerMhz = 1'000'000;
constexpr std::uint64_t kKilohertzBandsBelowHz = 30 * kHertzPerMhz;

// The frequency field of the log's frequency alone; empty when it has none that Cabrillo names.
std::string namedFrequency(std::string_view logFreq) {
    const std::optional<std::uint64_t> hertz = hertzOf(logFreq);
    if (!hertz || *hertz < 1000) {
        return {};
    }
    if (*hertz < kKilohertzBandsBelowHz) {
        return std::to_string(*hertz / 1000);
    }
    for (const NamedBand& band : kNamedBands) {
        if (*hertz >= band.lowMhz * kHertzPerMhz && *hertz <= band.highMhz * kHertzPerMhz) {
            return std::string(band.name);
        }
    }
    return {};
}

// Adds the QSO line of one QSO with its time, or notes why it is left out; the error message when
// it cannot be written, else "".
std::string qsoLine(const ElectronicLogQsos::Qso& qso, std::string_view myCall,
                    std::vector<std::pair<CabrilloLog::Moment, std::string>>& lines,
                    ElectronicLogWarnings& warnings) {
    if (!qso.item) {
        return cp932::lit("Cabrillo: バンド ") +
               std::string(cp932::trim(BandTable::listLabel(qso.band))) +
               cp932::lit(" の行に対応するQSOがありません");
    }
    const QsoRecord& record = qso.item->record;
    const int recordNumber = qso.item->recordNumber;
    const std::optional<CabrilloLog::Moment> utc =
        CabrilloLog::utcOf(QsoRecord::text(record.qsoDate), QsoRecord::text(record.qsoTime));
    if (!utc) {
        return recordError(recordNumber, cp932::lit("日付か時刻が読めません"));
    }
    const ElectronicLogQsos::Exchange sent = qso.sent();
    const ElectronicLogQsos::Exchange received = qso.received();
    const std::string_view call = cp932::trim(qso.row.station);
    for (const auto& [value, what] :
         {std::pair<std::string_view, const char*>{call, "コールサイン"},
          {sent.report, "送信RST"},
          {sent.number, "送信ナンバー"},
          {received.report, "受信RST"},
          {received.number, "受信ナンバー"}}) {
        if (value.empty()) {
            return recordError(recordNumber, cp932::lit(what) + cp932::lit("が空です"));
        }
    }
    std::string freq = namedFrequency(QsoRecord::text(qso.item->logFreq));
    if (freq.empty()) {
        freq = CabrilloLog::frequency(qso.band);
        if (freq.empty()) {
            warnings.note(cp932::lit("周波数が分からず書いていないQSO"), recordNumber);
            return {};
        }
        warnings.note(cp932::lit("ログの周波数が読めないためバンドの周波数を書いたQSO"),
                      recordNumber);
    }
    if (cp932::trim(QsoRecord::text(record.mode)).empty()) {
        warnings.note(cp932::lit("モードが空のため DG と書いたQSO"), recordNumber);
    }
    std::string line = "QSO: ";
    line.append(freq).append(" ").append(CabrilloLog::mode(QsoRecord::text(record.mode)));
    line.append(" ").append(std::to_string(utc->year)).append("-").append(twoDigits(utc->month));
    line.append("-").append(twoDigits(utc->day)).append(" ");
    line.append(twoDigits(utc->hour)).append(twoDigits(utc->minute));
    for (std::string_view field :
         {myCall, std::string_view(sent.report), std::string_view(sent.number), call,
          std::string_view(received.report), std::string_view(received.number)}) {
        line.append(" ").append(field);
    }
    if (!isAscii(line)) {
        return recordError(recordNumber, cp932::lit("ASCII以外の文字があります: ") + line);
    }
    if (words(line).size() != 11) {
        return recordError(recordNumber, cp932::lit("項目に空白があり11項目になりません: ") + line);
    }
    lines.emplace_back(*utc, std::move(line));
    return {};
}

} // namespace

CabrilloLog::Result CabrilloLog::write(const CKorvaneDoc& doc, const Options& options) {
    Result result;
    for (const std::string& problem :
         {contestProblem(options.contest), categoryProblem(options.category)}) {
        if (!problem.empty()) {
            result.error = problem;
            return result;
        }
    }
    const MasterSettings& m = doc.master;
    const ContestSettings& c = doc.contest;
    const std::string myCall(cp932::trim(m.callSign));
    if (myCall.empty()) {
        result.error = cp932::lit("Cabrillo: 基本設定のコールサインがありません");
        return result;
    }
    const Scoring scoring(c.rules, doc.results);
    const bool scoreShown =
        scoring.totalsShown() && scoring.scoreShown() && !scoring.score().overflowed();

    std::string text;
    std::vector<std::string_view> omitted; // tags whose value is not ASCII
    // A tag with its value on one line; a value outside ASCII is not written but listed.
    auto tag = [&text, &omitted](std::string_view name, std::string_view value) {
        std::string line(cp932::trim(value));
        for (char& c : line) {
            c = isBlank(c) ? ' ' : c;
        }
        if (!isAscii(line)) {
            if (std::find(omitted.begin(), omitted.end(), name) == omitted.end()) {
                omitted.push_back(name);
            }
            return;
        }
        text.append(name).append(": ").append(line).append(kLineEnd);
    };
    tag("START-OF-LOG", "3.0");
    const std::string contest = cp932::toUpperAscii(cp932::trim(options.contest));
    if (!contest.empty()) {
        tag("CONTEST", contest);
    }
    tag("CALLSIGN", myCall);
    const auto categories = categoryLines(options.category);
    for (const auto& [name, value] : categories) {
        tag(name, value);
    }
    if (!cp932::trim(c.categoryCode).empty()) {
        tag("SOAPBOX", "JARL category code " + c.categoryCode);
    }
    tag("CLAIMED-SCORE", scoreShown ? std::to_string(scoring.score().value()) : "0");
    tag("OPERATORS", cp932::trim(m.callSign2).empty() ? m.callSign : m.callSign2);
    if (!cp932::trim(m.name).empty()) {
        tag("NAME", m.name);
    }
    for (const std::string* line : {&m.addr1, &m.addr2}) {
        if (!cp932::trim(*line).empty()) {
            tag("ADDRESS", *line);
        }
    }
    if (!cp932::trim(m.postId).empty()) {
        tag("ADDRESS-POSTALCODE", m.postId);
    }
    if (!cp932::trim(m.email).empty()) {
        tag("EMAIL", m.email);
    }
    tag("CREATED-BY", kCreatedBy);

    std::vector<std::pair<Moment, std::string>> lines;
    ElectronicLogWarnings warnings;
    std::string error;
    ElectronicLogQsos::forEach(doc, [&](const ElectronicLogQsos::Qso& qso) {
        error = qsoLine(qso, myCall, lines, warnings);
        return error.empty();
    });
    if (!error.empty()) {
        result.error = std::move(error);
        return result;
    }
    for (int record : ElectronicLogQsos::unfiledRecords(doc)) {
        warnings.note(ElectronicLogQsos::unfiledWarning(), record);
    }
    // Cabrillo logs run in time order; QSOs of the same minute keep their band order.
    std::stable_sort(lines.begin(), lines.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [utc, line] : lines) {
        text.append(line).append(kLineEnd);
    }
    text.append("END-OF-LOG:").append(kLineEnd);

    if (contest.empty()) {
        result.warnings.push_back(
            cp932::lit("Cabrillo: コンテスト名 (CONTEST:) が指定されていません"));
    }
    if (categories.empty()) {
        result.warnings.push_back(
            cp932::lit("Cabrillo: カテゴリー (CATEGORY-) が指定されていません"));
    }
    if (!omitted.empty()) {
        std::string names;
        for (std::string_view name : omitted) {
            names.append(names.empty() ? "" : ", ").append(name);
        }
        result.warnings.push_back(
            cp932::lit("Cabrillo: ASCII以外の文字を含むため書いていない項目: ") + names);
    }
    for (std::string& warning : warnings.messages()) {
        result.warnings.push_back(cp932::lit("Cabrillo: ") + warning);
    }
    result.ok = true;
    result.text = std::move(text);
    return result;
}

const std::vector<CabrilloLog::CategoryTag>& CabrilloLog::categoryTags() {
    // The values Cabrillo 3 lists for these tags.
    static const std::vector<CategoryTag> kTags = {
        {"CATEGORY-OPERATOR", {"SINGLE-OP", "MULTI-OP", "CHECKLOG"}},
        {"CATEGORY-BAND",
         {"ALL", "160M", "80M", "40M",  "20M",  "15M",  "10M",   "6M",         "4M",
          "2M",  "222",  "432", "902",  "1.2G", "2.3G", "3.4G",  "5.7G",       "10G",
          "24G", "47G",  "75G", "122G", "134G", "241G", "Light", "VHF-3-BAND", "VHF-FM-ONLY"}},
        {"CATEGORY-MODE", {"CW", "DIGI", "FM", "RTTY", "SSB", "MIXED"}},
        {"CATEGORY-POWER", {"HIGH", "LOW", "QRP"}},
    };
    return kTags;
}

std::string CabrilloLog::contestProblem(std::string_view contest) {
    const std::string name = cp932::toUpperAscii(cp932::trim(contest));
    bool valid = name.size() <= 32;
    for (char c : name) {
        valid = valid && ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-');
    }
    if (valid) {
        return {};
    }
    return cp932::lit("Cabrillo: コンテスト名に使えるのは A-Z, 0-9, - の32文字までです: ") +
           std::string(contest);
}

std::string CabrilloLog::categoryProblem(std::string_view category) {
    const std::vector<std::string_view> given = words(category);
    if (given.empty()) {
        return {};
    }
    const auto& tags = categoryTags();
    if (given.size() != tags.size()) {
        return cp932::lit("Cabrillo: カテゴリーは OPERATOR BAND MODE POWER の4語です: ") +
               std::string(category);
    }
    for (std::size_t i = 0; i < tags.size(); ++i) {
        if (categoryValue(tags[i], given[i]).empty()) {
            std::string allowed;
            for (std::string_view value : tags[i].values) {
                allowed.append(allowed.empty() ? "" : " ").append(value);
            }
            return cp932::lit("Cabrillo: ") + std::string(tags[i].tag) +
                   cp932::lit(" に使えない値です: ") + std::string(given[i]) +
                   cp932::lit(" (使える値: ") + allowed + ")";
        }
    }
    return {};
}

std::vector<std::pair<std::string_view, std::string_view>>
CabrilloLog::categoryLines(std::string_view category) {
    std::vector<std::pair<std::string_view, std::string_view>> lines;
    const std::vector<std::string_view> given = words(category);
    const auto& tags = categoryTags();
    if (given.size() != tags.size()) {
        return lines;
    }
    for (std::size_t i = 0; i < tags.size(); ++i) {
        const std::string_view value = categoryValue(tags[i], given[i]);
        if (value.empty()) {
            return {};
        }
        lines.emplace_back(tags[i].tag, value);
    }
    return lines;
}

std::string CabrilloLog::qsoFrequency(std::string_view logFreq, int band) {
    const std::string named = namedFrequency(logFreq);
    return named.empty() ? std::string(frequency(band)) : named;
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
    Moment t{TwoDigitYear::fullYear(recordDate), number(recordDate, 2, 2), number(recordDate, 4, 2),
             number(recordTime, 0, 2), number(recordTime, 2, 2)};
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
