// The caller's work area of the C exports: the current record in front, the token of its open log
// behind.
#pragma once

#include <cstdint>

class WorkArea {
public:
    // HamlogOpen, THW_read, THW_cutFields and HamlogClose on the area at 'work' (at least
    // kHamlogWorkAreaSize bytes). They return the kHamlog... result codes (or the count) and never
    // throw.
    static std::int32_t open(void* work, const char* hostPath);
    static std::int32_t read(void* work, std::int32_t recordNumber);
    static std::int32_t cutFields(const void* work);
    static std::int32_t close(void* work);
};
