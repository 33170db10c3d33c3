// Reading the log database into the document: period, band, mode and same-band repeat filters, the
// QSO list and the composition of every kept QSO.
#pragma once

#include "document/CKorvaneDoc.h"
#include "qso/QsoSource.h"

#include <cstdint>
#include <string>

class QsoRetrieval {
public:
    // How earlier QSOs are searched for a same-band repeat. Both give the same result; the scan
    // compares with every kept QSO and is kept as the reference the hashed check is tested against.
    enum class RepeatCheck { hashed, scan };

    // The period keys that compare directly with a record's date key (YYYYMMDD, the two-digit year
    // read by TwoDigitYear: QsoListColumns::dateKey) and time (HHMMJ).
    struct PeriodKeys {
        std::string startDate, endDate, startTime, endTime;
    };
    static PeriodKeys periodKeys(const ContestSettings& settings);

    // Mode index of a mode text: "CW" 0, "AM" 1, "SSB" 2, "FM" 3, "SSTV" 4, "RTTY" 5, else 6 (after
    // blanks at both ends are removed; case counts).
    static int modeIndex(std::string_view modeText);

    // The masks of the ticked bands and modes (bit i for entry i).
    static std::uint32_t bandMask(const ContestSettings& settings);
    static std::uint32_t modeMask(const ContestSettings& settings);

    // Runs the search of the document's conditions over the database named by the master setting
    // THDIR, counting what it reads, skips and finds cut (recordsRead, skipped, cutRecords).
    // Returns 0, or -1 when THDIR is empty or the database cannot be opened; then the QSO list, the
    // per-band results and the counts stay as they were.
    static int retrieve(CKorvaneDoc& doc, QsoSource& database, std::uint32_t bandMask,
                        std::uint32_t modeMask, RepeatCheck repeatCheck = RepeatCheck::hashed);
};
