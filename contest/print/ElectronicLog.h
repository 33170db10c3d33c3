// The JARL electronic log: the summary sheet (form R2.1 or R1.0) and the log sheet in one text
// file.
#pragma once

#include "document/CKorvaneDoc.h"
#include "print/SheetClock.h"

#include <string>
#include <string_view>
#include <vector>

class ElectronicLog {
public:
    enum class Version { R21, R10 };

    struct Options {
        Version version = Version::R21;
        bool utf8 = false;      // UTF-8 instead of CP932
        SheetClock::Date today; // written as the summary sheet's date
    };

    struct Result {
        std::string text;                  // the whole file, every line ended by CR LF
        std::vector<std::string> warnings; // CP932: what was left out or written as "-"
    };

    // The summary sheet and the log sheet. The log sheet has a line for each QSO on the bands the
    // summary counts, every item one word: the report and the number of an exchange apart, an
    // empty item "-", and the operator after the points when the contest composes an operator
    // column (multi-operator entries). QSOs on other bands, and those whose band the log library
    // did not know (no row, as on the printed sheets), are left out.
    static Result write(const CKorvaneDoc& doc, const Options& options);

    // The log sheet's first line, naming its items.
    static constexpr std::string_view kLogHeader =
        "DATE(JST) TIME BAND MODE CALLSIGN SENTNo RCVNo Multi PTS";

    // The text with "<" and ">" replaced by their full-width forms, so that no user text can open
    // or close a tag.
    static std::string protect(std::string_view cp932Text);

    // A band as the log sheet names it in MHz ("1.9", "7", "430"); "Etc" for the other band.
    static std::string_view bandName(int band);
};
