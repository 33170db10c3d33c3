// The C interface of HAMLOG32.DLL: the six exports korvane calls, and the work area they share.
#pragma once

#include <stddef.h>
#include <stdint.h>

// The caller looks the exports up by their plain names and calls them with the Windows calling
// convention; on 32-bit Windows that is stdcall (undecorated through hamlog32.def).
#if defined(_WIN32) && !defined(_WIN64)
#define HAMLOG_CALL __stdcall
#else
#define HAMLOG_CALL
#endif

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
// pointer to the library's state for that area. Callers pass at least kHamlogWorkAreaSize bytes,
// zero-filled before the first HamlogOpen; korvane passes 1024.
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

HAMLOG_API int32_t HAMLOG_CALL GetThdllVersion(void);

// Opens the log file at path (CP932 on Windows, a UTF-8 host path elsewhere). The first, fourth and
// fifth arguments are unused. A failed open leaves the area closed; HamlogClose may still be
// called.
HAMLOG_API int32_t HAMLOG_CALL HamlogOpen(int32_t unused1, void* work, const char* path,
                                          int32_t unused2, int32_t unused3);

// Copies record number recordNumber (1 = first readable record of the file) to the start of work.
HAMLOG_API int32_t HAMLOG_CALL THW_read(void* work, int32_t recordNumber, int32_t unused);

// Frees the state of the area; harmless on an area that is not open or was closed already.
HAMLOG_API int32_t HAMLOG_CALL HamlogClose(void* work, int32_t unused);

// Band index 0 to 14 of a frequency text in MHz (1.9 ... 5600), 15 for any other text.
HAMLOG_API int32_t HAMLOG_CALL FreqPCheck(const char* text);

// Kind of an address code: 4 or 6 city, 5 or 7 county, 0 neither.
HAMLOG_API int32_t HAMLOG_CALL ChosonCheck(const char* code);

#ifdef __cplusplus
}
#endif
