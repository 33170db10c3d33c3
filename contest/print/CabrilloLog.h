// The log in Cabrillo 3.0: a header from the master settings, the contest and the user's contest
// name and category, one QSO line per composed row, times in UTC.
#pragma once

#include "document/CKorvaneDoc.h"

#include <compare>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CabrilloLog {
public:
    // What Cabrillo asks of the entrant that the JARL settings do not say: the contest's name for
    // CONTEST: and the category as four words, OPERATOR BAND MODE POWER ("SINGLE-OP ALL CW LOW").
    // Either may be empty; the header then lacks those lines.
    struct Options {
        std::string contest;
        std::string category;
    };

    struct Result {
        bool ok = false;
        std::string text;                  // ASCII, lines ended by CR LF; empty unless ok
        std::string error;                 // CP932, for the user: names the QSO's record number
        std::vector<std::string> warnings; // CP932: what was left out or written otherwise
    };

    // A moment of the log: date and time of day.
    struct Moment {
        int year = 0, month = 0, day = 0, hour = 0, minute = 0;
        auto operator<=>(const Moment&) const = default;
    };

    // The file, QSOs in time order. Every QSO line has eleven fields: QSO:, frequency, mode, date,
    // time, then call, report and exchange sent and received, the report and the exchange split
    // where the rule's first component ended. An error when the options are not valid, the own
    // call sign is missing, or a QSO line would have an empty field, a character outside ASCII or
    // a date or time that cannot be read. A QSO whose frequency cannot be named is left out and
    // listed in the warnings, as are header texts outside ASCII.
    static Result write(const CKorvaneDoc& doc, const Options& options);

    // A tag that the category option sets and the values Cabrillo lists for it.
    struct CategoryTag {
        std::string_view tag;
        std::vector<std::string_view> values;
    };
    // CATEGORY-OPERATOR, -BAND, -MODE and -POWER, in the order the category names them.
    static const std::vector<CategoryTag>& categoryTags();

    // "" when the contest name can follow CONTEST: (A-Z, 0-9 and "-", at most 32 characters; small
    // letters count as capitals), else why not (CP932).
    static std::string contestProblem(std::string_view contest);
    // "" when the category is empty or four words, each one of the values Cabrillo lists for
    // CATEGORY-OPERATOR, -BAND, -MODE and -POWER in that order (in any case), else why not (CP932).
    static std::string categoryProblem(std::string_view category);
    // The CATEGORY- tags and their values in Cabrillo's spelling; empty unless the category is
    // four valid words.
    static std::vector<std::pair<std::string_view, std::string_view>>
    categoryLines(std::string_view category);

    // The frequency field of a QSO from the log's frequency (MHz, or GHz with a "G" after the
    // number): whole kHz below 30 MHz, the band's name from 50 MHz ("50", "144", "432", "1.2G",
    // "10G" ...). Without a frequency that can be named so, that of the band; empty when neither.
    static std::string qsoFrequency(std::string_view logFreq, int band);

    // The frequency field of a band: its lower edge in kHz below 30 MHz, the band's name above;
    // empty for the other band.
    static std::string_view frequency(int band);

    // CW, PH for SSB (also written LSB or USB) and AM, FM, RY for RTTY, DG for everything else.
    static std::string_view mode(std::string_view modeText);

    // The record's Japan time (date YYMMDD, time HHMM) as UTC; nullopt when either is not a valid
    // date or time.
    static std::optional<Moment> utcOf(std::string_view recordDate, std::string_view recordTime);

    static constexpr std::string_view kCreatedBy = "korvane 1.80";
};
