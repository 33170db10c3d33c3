// Turbo HAMLOG's CSV export: one QSO a line, fifteen fields, Shift-JIS text.
#pragma once

#include "LogReader.h"
#include "QsoTimestamp.h"

#include <array>
#include <optional>
#include <string>

class CsvLogReader : public LogReader {
public:
    // Field order of a line; the fifteenth field is not used.
    enum Field {
        kCall,
        kDate,
        kTime,
        kHisRst,
        kMyRst,
        kFreq,
        kMode,
        kCode,
        kGl,
        kQsl,
        kName,
        kQth,
        kRemarks1,
        kRemarks2,
        kFieldCount
    };

    // A record is one line up to LF; CRs before the LF are not part of it.
    bool next(std::string_view text, bool atEnd, QsoRecord& record, Frame& frame) override;

private:
    bool readLine(std::string_view line, QsoRecord& record);
    // Splits fields [first, limit) of line into fields_, starting at pos (the start of field
    // 'first'); pos ends at the start of field 'limit', or at npos once the line has no more fields
    // (the rest are then empty). Quoted fields are unescaped into quoted_.
    void split(std::string_view line, std::size_t& pos, std::size_t first, std::size_t limit);
    // The date and time of the split line and its zone letter ('J' or 'U'); none when malformed.
    std::optional<QsoTimestamp> timestamp(char& zone) const;

    std::array<std::string_view, kFieldCount> fields_{};
    // Kept between records, so only the first quoted fields of a log allocate.
    std::array<std::string, kFieldCount> quoted_;
};
