// The interface of one log file format: framing the record at the start of a text and reading it.
#pragma once

#include "common/ByteCopy.h"
#include "common/Cp932.h"
#include "common/QsoRecord.h"

#include <cstddef>
#include <cstring>
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
    // QsoRecord::setText for any view, also one without storage (an absent field). Inline and
    // without library calls, as it runs for every field of every record: the width is a constant,
    // so the zero fill is a few stores, and the copy is a few word moves. The character boundary
    // is only looked for when the last byte kept is not ASCII.
    template <std::size_t N>
    static void store(char (&field)[N], std::string_view value) {
        std::size_t n = value.size() < N ? value.size() : N;
        if (n != 0 && static_cast<unsigned char>(value[n - 1]) >= 0x80 &&
            cp932::boundaryAtOrBefore(value, n) != n) {
            --n; // the cut leaves out at most the one lead byte
        }
        std::memset(field, 0, N);
        copyBytes(field, value.substr(0, n));
    }
};
