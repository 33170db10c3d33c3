// The JARL electronic log: the summary sheet (form R2.1 or R1.0) and the log sheet in one text
// file.
#pragma once

#include "document/CKorvaneDoc.h"
#include "print/SheetClock.h"

#include <string>
#include <string_view>

class ElectronicLog {
public:
    enum class Version { R21, R10 };

    struct Options {
        Version version = Version::R21;
        bool utf8 = false;      // UTF-8 instead of CP932
        SheetClock::Date today; // written as the summary sheet's date
    };

    // The whole file, every line ended by CR LF. QSOs whose band the log library did not know
    // have no row and are left out, as on the printed sheets.
    static std::string write(const CKorvaneDoc& doc, const Options& options);

    // The text with "<" and ">" replaced by their full-width forms, so that no user text can open
    // or close a tag.
    static std::string protect(std::string_view cp932Text);

    // A band as the log sheet names it in MHz ("1.9", "7", "430"); "Etc" for the other band.
    static std::string_view bandName(int band);
};
