// Telling an ADIF log from a HAMLOG CSV export by its content (and by the .adi/.adif extension),
// and a UTF-8 CSV export from a Shift-JIS one.
#pragma once

#include <cstddef>
#include <string_view>

enum class LogFormat { kCsv, kAdif };

class LogFormatDetector {
public:
    // The format of a log text. It is ADIF when fileName ends in .adi or .adif, or when, after an
    // optional UTF-8 byte order mark and blanks,
    // - the text starts with '<' (ADIF without a header), or
    // - "<EOH>" in any case stands before the first "<EOR>" (a header, whatever text it holds), or
    // - the first line is text and the next non-blank line starts with an ADIF field such as
    //   "<CALL:5>" (a header that lacks its end mark),
    // unless a line before that "<EOH>" or field is a readable HAMLOG CSV QSO. Anything else is
    // read as HAMLOG CSV, whose lines start with a call sign and never with '<'.
    static LogFormat detect(std::string_view text, std::string_view fileName = {});

    // Whether the fields of a CSV log that starts with text may be UTF-8: it starts with a byte
    // order mark, or its bytes beyond ASCII (if any) are well-formed UTF-8. The kanji of a
    // Shift-JIS log are almost never well-formed UTF-8, so its start tells it apart.
    static bool mayHoldUtf8(std::string_view text);

    // True for "<NAME:digits" or "<EOR>"/"<EOH>" (any case) at pos.
    static bool isFieldTagAt(std::string_view text, std::size_t pos);
};
