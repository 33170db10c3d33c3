// The log library's two classification calls, behind an interface so composition runs without the
// library.
#pragma once

class LogClassifier {
public:
    virtual ~LogClassifier() = default;

    // Band index 0..15 of a NUL-terminated frequency text (FreqPCheck); any other value means no
    // band.
    virtual int bandIndex(const char* freqText) const = 0;

    // Kind of a NUL-terminated address code (ChosonCheck): 4 or 6 a city code, 5 or 7 a county
    // code, anything else neither.
    virtual int addressKind(const char* code) const = 0;
};
