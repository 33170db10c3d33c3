// Turbo HAMLOG's CSV export: one QSO a record, fifteen fields, Shift-JIS text.
#pragma once

#include "hamlog32/LogReader.h"

#include <array>
#include <cstdint>
#include <string>

class CsvLogReader : public LogReader {
public:
    // utf8Fields: fields that are well-formed UTF-8 are converted to CP932 (a UTF-8 export, or a
    // log whose start does not tell); otherwise every byte is kept as it stands.
    explicit CsvLogReader(bool utf8Fields = false) : utf8Fields_(utf8Fields) {}

    // A line holds the record's fields in layout order, the portable suffix written within the
    // call ("JA1ABC/1"); a fifteenth field is not used.
    static constexpr std::size_t kFieldCount = QsoRecord::kFieldCount - 1;
    static constexpr std::size_t column(QsoRecord::Field field) {
        return field <= QsoRecord::kPortable ? 0 : field - 1;
    }

    // A record is one line up to LF; CRs before the LF are not part of it. A quoted field may hold
    // line breaks: the record then ends at the LF after its closing quote. A quote that is not
    // closed within kMaxLineBreaks line breaks, kMaxRecordBytes bytes or the log, or whose field
    // would take in a line that reads as a QSO, is a stray one: its field ends with the line.
    bool next(std::string_view text, bool atEnd, QsoRecord& record, Frame& frame) override;

    static constexpr std::size_t kMaxLineBreaks = 15;
    static constexpr std::size_t kMaxRecordBytes = std::size_t(16) << 10;

private:
    enum class Span { kLine, kRecord, kNeedMore };

    // Splits text[0, end), CRs before end left out, into fields_.
    void splitRecord(const char* text, std::size_t end);
    // Where the record at the start of text ends when line breaks may stand in quoted fields:
    // kRecord with recordEnd at its LF (or at the end of the log), kLine when it ends with its
    // first line after all, kNeedMore when text ends before that is known.
    static Span span(std::string_view text, bool atEnd, std::size_t& recordEnd);
    // Fills record from fields_ when they hold a QSO; how many fields were cut goes to cutFields.
    bool fill(QsoRecord& record, int& cutFields);
    // Splits the line ending at end into fields_ when it holds no quote, so that every comma ends
    // a field; false (fields_ undefined) when it finds one.
    bool splitPlain(const char* line, const char* end);
    // Splits any line into fields_; fields past the last one of the line are empty. Quoted fields
    // are unescaped into quoted_.
    void split(const char* line, const char* end);
    // Unescapes the quoted field whose opening quote is at open into quoted_[field]; returns where
    // the field ends (its comma, or end).
    const char* unquote(std::size_t field, const char* open, const char* end);
    // Converts the fields that are UTF-8 to CP932 in fields_ (see the constructor); bit n of the
    // result is set when field n had characters without a CP932 form.
    std::uint32_t convertUtf8Fields();

    std::array<std::string_view, kFieldCount> fields_{};
    // Kept between records, so only the first quoted or converted fields of a log allocate.
    std::array<std::string, kFieldCount> quoted_;
    std::array<std::string, kFieldCount> converted_;
    bool utf8Fields_;
    // Set by splitting: a quoted field ran to the end without its closing quote.
    bool openQuote_ = false;
};
