// How HAMLOG32.DLL is called, as the library and its callers both see it: the calling convention
// and the function type of each export. Plain C, so the library's C header can use it.
#pragma once

#include <stdint.h>

// The caller looks the exports up by their plain names and calls them with the Windows calling
// convention; on 32-bit Windows that is stdcall (undecorated through hamlog32.def).
#if defined(_WIN32) && !defined(_WIN64)
#define HAMLOG_CALL __stdcall
#else
#define HAMLOG_CALL
#endif

// GetThdllVersion
typedef int32_t HAMLOG_CALL HamlogVersionFunction(void);
// HamlogOpen
typedef int32_t HAMLOG_CALL HamlogOpenFunction(int32_t unused1, void* work, const char* path,
                                               int32_t unused2, int32_t unused3);
// THW_read
typedef int32_t HAMLOG_CALL HamlogReadFunction(void* work, int32_t recordNumber, int32_t unused);
// HamlogClose
typedef int32_t HAMLOG_CALL HamlogCloseFunction(void* work, int32_t unused);
// FreqPCheck and ChosonCheck
typedef int32_t HAMLOG_CALL HamlogCheckFunction(const char* text);
// THW_cutFields, an export of this project's stand-in only (callers treat it as optional): how many
// fields of the record that the last successful THW_read left in work were cut to fit the record,
// 0 when none or when the area holds no record.
typedef int32_t HAMLOG_CALL HamlogCutFieldsFunction(void* work);
