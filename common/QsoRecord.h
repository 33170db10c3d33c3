// The 218-byte QSO record that the log database library leaves at the start of the caller's work
// area.
#pragma once

#include "common/Cp932.h"

#include <cstddef>
#include <cstring>
#include <string_view>

// Fixed fields of Shift-JIS text. A text shorter than its field ends with a NUL; a text that fills
// the whole field has none, so readers take each field up to its width (see text()).
struct QsoRecord {
    char call[8];
    char portable[4];
    char qsoDate[9]; // YYMMDD
    char qsoTime[7]; // HHMM and a zone letter, "J" for Japan time
    char hisRst[4];  // report sent
    char myRst[4];   // report received
    char freq[8];
    char mode[4];
    char code[7]; // address code
    char gl[7];
    char qsl[4];
    char name[13];
    char qth[29];
    char remarks1[55];
    char remarks2[55];

    // The fields in layout order, as lists of them number them.
    enum Field {
        kCall,
        kPortable,
        kQsoDate,
        kQsoTime,
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

    // Calls visit(field, which) for every field of a record (const or not) in layout order.
    template <class Record, class Visit>
    static void forEachField(Record& r, Visit visit) {
        visit(r.call, kCall);
        visit(r.portable, kPortable);
        visit(r.qsoDate, kQsoDate);
        visit(r.qsoTime, kQsoTime);
        visit(r.hisRst, kHisRst);
        visit(r.myRst, kMyRst);
        visit(r.freq, kFreq);
        visit(r.mode, kMode);
        visit(r.code, kCode);
        visit(r.gl, kGl);
        visit(r.qsl, kQsl);
        visit(r.name, kName);
        visit(r.qth, kQth);
        visit(r.remarks1, kRemarks1);
        visit(r.remarks2, kRemarks2);
    }

    // A field's text: up to its first NUL, or the whole width when it has none.
    template <std::size_t N>
    static std::string_view text(const char (&field)[N]) {
        // A plain loop: fields are short and mostly empty, and a library call per field costs more
        // than the scan.
        std::size_t length = 0;
        while (length < N && field[length] != '\0') {
            ++length;
        }
        return {field, length};
    }

    // Stores a text cut to the field's width without splitting a double-byte character; the rest of
    // the field is zero-filled.
    template <std::size_t N>
    static void setText(char (&field)[N], std::string_view value) {
        std::size_t n = cp932::boundaryAtOrBefore(value, N);
        std::memset(field, 0, N);
        if (n != 0) { // an empty view may have no storage at all
            std::memcpy(field, value.data(), n);
        }
    }
};

static_assert(sizeof(QsoRecord) == 218, "the record layout is fixed by the library interface");
static_assert(offsetof(QsoRecord, freq) == 36 && offsetof(QsoRecord, mode) == 44);
static_assert(offsetof(QsoRecord, remarks1) == 108 && offsetof(QsoRecord, remarks2) == 163);
