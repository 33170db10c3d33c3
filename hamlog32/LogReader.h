// The interface of one log file format: framing the record at the start of a text and reading it.
#pragma once

#include "common/ByteCopy.h"
#include "common/Cp932.h"
#include "common/QsoRecord.h"
#include "hamlog32/CallSign.h"
#include "hamlog32/QsoTimestamp.h"

#include <array>
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
        int cutFields = 0; // of a readable record: fields cut to fit or changed (THW_cutFields)
    };

    virtual ~LogReader() = default;

    // Frames the record at the start of a non-empty text and, when it is a readable QSO, fills
    // record (the whole record is overwritten; otherwise it is left alone). atEnd tells that the
    // log ends where text ends; without it, false (nothing framed) means the record may go on past
    // text and more of it is needed. With atEnd it always frames.
    virtual bool next(std::string_view text, bool atEnd, QsoRecord& record, Frame& frame) = 0;

protected:
    static constexpr int kJapanHoursAheadOfUtc = 9;

    // QsoRecord::setText for any view, also one without storage (an absent field). Inline and
    // without library calls, as it runs for every field of every record: the width is a constant,
    // so the zero fill is a few stores, and the copy is a few word moves. The character boundary
    // is only looked for when the last byte kept is not ASCII. True when bytes were left out.
    template <std::size_t N>
    static bool store(char (&field)[N], std::string_view value) {
        std::size_t n = value.size() < N ? value.size() : N;
        if (n != 0 && static_cast<unsigned char>(value[n - 1]) >= 0x80 &&
            cp932::boundaryAtOrBefore(value, n) != n) {
            --n; // the cut leaves out at most the one lead byte
        }
        std::memset(field, 0, N);
        copyBytes(field, value.substr(0, n));
        return n != value.size();
    }

    // Stores the date and time of a QSO, given in UTC or in Japan time, as Japan time ("J").
    static void storeJapanTime(QsoRecord& record, const QsoTimestamp& when, bool utc) {
        const QsoTimestamp japan = utc ? when.later(kJapanHoursAheadOfUtc) : when;
        const std::array<char, 6> date = japan.yymmdd();
        store(record.qsoDate, std::string_view(date.data(), date.size()));
        const std::array<char, 4> hhmm = japan.hhmm();
        const char time[5] = {hhmm[0], hhmm[1], hhmm[2], hhmm[3], 'J'};
        store(record.qsoTime, std::string_view(time, sizeof time));
    }

    // Stores a call as CallSign splits it into the call and portable fields; how many of the two
    // lost text, or 1 when the call had characters without a CP932 form ('replaced') and neither
    // did.
    static int storeCall(QsoRecord& record, std::string_view written, bool replaced) {
        // Most calls have no '/'; they are looked at inline, as this runs for every record.
        bool slash = false;
        for (char c : written) {
            slash = slash || c == '/';
        }
        int cut;
        if (!slash) {
            cut = int(store(record.call, written));
            store(record.portable, {});
        } else {
            const CallSign call(written);
            cut = int(store(record.call, call.station())) +
                  int(store(record.portable, call.portable()) || call.shortened());
        }
        return cut == 0 && replaced ? 1 : cut;
    }
};
