// The log in Cabrillo 3.0: a header from the master settings and the contest, one QSO line per
// composed row, times in UTC.
#pragma once

#include "document/CKorvaneDoc.h"

#include <compare>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CabrilloLog {
public:
    struct Result {
        bool ok = false;
        std::string text;                 // ASCII, lines ended by CR LF; empty unless ok
        std::string error;                // CP932, for the user: names the QSO's record number
        std::vector<std::string> omitted; // header tags left out because their value is not ASCII
    };

    // A moment of the log: date and time of day.
    struct Moment {
        int year = 0, month = 0, day = 0, hour = 0, minute = 0;
        auto operator<=>(const Moment&) const = default;
    };

    // The file, QSOs in time order, or an error when a QSO line would hold a character outside
    // ASCII, a record's date or time cannot be read, or a QSO lies on the other band, which
    // Cabrillo cannot name.
    static Result write(const CKorvaneDoc& doc);

    // The QSO line's frequency of a band: its lower edge in kHz below 30 MHz, the band's name
    // above ("50", "144", "432", "1.2G" ...); empty for the other band.
    static std::string_view frequency(int band);

    // CW, PH for SSB (also written LSB or USB) and AM, FM, RY for RTTY, DG for everything else.
    static std::string_view mode(std::string_view modeText);

    // The record's Japan time (date YYMMDD, time HHMM) as UTC; nullopt when either is not a valid
    // date or time.
    static std::optional<Moment> utcOf(std::string_view recordDate, std::string_view recordTime);

    static constexpr std::string_view kCreatedBy = "korvane 1.80";
};
