// The interface of one log file format: framing the record at the start of a text and reading it.
#pragma once

#include "QsoRecord.h"

#include <cstddef>
#include <string_view>

class LogReader {
public:
    // What next() found at the start of a text.
    struct Frame {
        std::size_t length = 0; // bytes the record takes, its terminator included (never 0)
        bool readable = false;  // a QSO: the record was filled
        // The record showed this format's structure (a readable QSO, or a format mark such as an
        // ADIF <EOR> or header end), so a text without QSOs can still be told from one of another
        // kind.
        bool marked = false;
    };

    virtual ~LogReader() = default;

    // Frames the record at the start of a non-empty text and, when it is a readable QSO, fills
    // record (the whole record is overwritten; otherwise it is left alone). atEnd tells that the
    // log ends where text ends; without it, false (nothing framed) means the record may go on past
    // text and more of it is needed. With atEnd it always frames.
    virtual bool next(std::string_view text, bool atEnd, QsoRecord& record, Frame& frame) = 0;

protected:
    // QsoRecord::setText for any view, also one without storage (an absent field), which must not
    // reach memcpy as a null pointer.
    template <std::size_t N>
    static void store(char (&field)[N], std::string_view value) {
        QsoRecord::setText(field, value.data() ? value : std::string_view(""));
    }
};
