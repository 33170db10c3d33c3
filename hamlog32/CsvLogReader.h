// Turbo HAMLOG's CSV export: one QSO a line, fifteen fields, Shift-JIS text.
#pragma once

#include "hamlog32/LogReader.h"

#include <array>
#include <string>

class CsvLogReader : public LogReader {
public:
    // A line holds the record's fields in layout order, the portable suffix written within the
    // call ("JA1ABC/1"); a fifteenth field is not used.
    static constexpr std::size_t kFieldCount = QsoRecord::kFieldCount - 1;
    static constexpr std::size_t column(QsoRecord::Field field) {
        return field <= QsoRecord::kPortable ? 0 : field - 1;
    }

    // A record is one line up to LF; CRs before the LF are not part of it.
    bool next(std::string_view text, bool atEnd, QsoRecord& record, Frame& frame) override;

private:
    bool readLine(const char* line, const char* end, QsoRecord& record, int& cutFields);
    // Splits the line ending at end into fields_ when it holds no quote, so that every comma ends
    // a field; false (fields_ undefined) when it finds one.
    bool splitPlain(const char* line, const char* end);
    // Splits any line into fields_; fields past the last one of the line are empty. Quoted fields
    // are unescaped into quoted_.
    void split(const char* line, const char* end);
    // Unescapes the quoted field whose opening quote is at open into quoted_[field]; returns where
    // the field ends (its comma, or end).
    const char* unquote(std::size_t field, const char* open, const char* end);

    std::array<std::string_view, kFieldCount> fields_{};
    // Kept between records, so only the first quoted fields of a log allocate.
    std::array<std::string, kFieldCount> quoted_;
};
