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

    bool scan(std::string_view text, std::vector<Span>& spans) override;
    bool read(std::string_view line, QsoRecord& record) override;

private:
    // Splits a line into fields_ (missing fields empty); quoted fields are unescaped into quoted_.
    // Splits the line into fields_, stopping after the first fieldLimit fields (the rest empty).
    void split(std::string_view line, std::size_t fieldLimit = kFieldCount);
    // The date and time of the split line and its zone letter ('J' or 'U'); none when malformed.
    std::optional<QsoTimestamp> timestamp(char& zone) const;

    std::array<std::string_view, kFieldCount> fields_{};
    std::array<std::string, kFieldCount> quoted_;
};
