// The C interface of HAMLOG32.DLL: the exports korvane calls, and the work area they share.
#pragma once

#include "common/HamlogInterface.h"

#include <stddef.h>
#include <stdint.h>

#if defined(_WIN32)
#if defined(HAMLOG32_BUILDING_DLL)
#define HAMLOG_API __declspec(dllexport)
#else
#define HAMLOG_API __declspec(dllimport)
#endif
#else
#define HAMLOG_API __attribute__((visibility("default")))
#endif

// The work area: the current 218-byte QSO record at offset 0, then (at an aligned offset) the
// 8-byte token of the log open in that area; the log itself stays with the library, under the
// area's address. Callers pass at least kHamlogWorkAreaSize bytes and keep the area where it is
// while it is open; korvane passes 1024. Whatever the area holds before the first HamlogOpen, a
// call on an area that is not open finds no log.
enum {
    kHamlogRecordSize = 218,
    kHamlogStateOffset = 224,
    kHamlogWorkAreaSize = 256,
};

// GetThdllVersion: release 5.00.00 (its hexadecimal digits are read as the release number).
enum { kHamlogVersion = 0x50000 };

// Results of HamlogOpen and THW_read; 0 is success.
enum {
    kHamlogOk = 0,
    kHamlogNoRecord = 1,     // THW_read: no record of that number, or the area is not open
    kHamlogCannotOpen = 2,   // HamlogOpen: no work area, or a missing, unreadable or too large file
    kHamlogUnrecognised = 3, // HamlogOpen: the file holds no log this library can read
};

#ifdef __cplusplus
extern "C" {
#endif

HAMLOG_API HamlogVersionFunction GetThdllVersion;

// Opens the log file at path (CP932 on Windows, a UTF-8 host path elsewhere). The first, fourth and
// fifth arguments are unused. A failed open leaves the area closed; HamlogClose may still be
// called.
HAMLOG_API HamlogOpenFunction HamlogOpen;

// Copies record number recordNumber (1 = first readable record of the file) to the start of work.
HAMLOG_API HamlogReadFunction THW_read;

// How many fields of the record the last successful THW_read left in work were cut to fit it or
// changed in reading: characters without a CP932 form (written as '?'), an ADIF FREQ that gave way
// to BAND or was read only up to where its number ends. 0 when none, or when the area is not open
// or no record was read since it was opened.
HAMLOG_API HamlogCutFieldsFunction THW_cutFields;

// Frees the state of the area; harmless on an area that is not open or was closed already.
HAMLOG_API HamlogCloseFunction HamlogClose;

// Band index 0 to 14 of a frequency text in MHz (1.9 ... 5600), 15 for any other text.
HAMLOG_API HamlogCheckFunction FreqPCheck;

// Kind of an address code: 4 or 6 city, 5 or 7 county, 0 neither.
HAMLOG_API HamlogCheckFunction ChosonCheck;

#ifdef __cplusplus
}
#endif
