// A table classifier standing in for the log library in composition tests; it records what it was
// given.
#pragma once

#include "exchange/LogClassifier.h"

#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

class FakeClassifier : public LogClassifier {
public:
    // Megahertz before the decimal point -> band index; "x" gives 99, a value with no band.
    int bandIndex(const char* freqText) const override {
        freqTexts.emplace_back(freqText);
        const std::string text(freqText);
        if (text.find('x') != std::string::npos) {
            return 99;
        }
        static const int kMegahertz[] = {1,  3,  7,   10,  14,   18,   21,  24,
                                         28, 50, 144, 430, 1200, 2400, 5600};
        const long mhz = std::strtol(text.c_str(), nullptr, 10);
        for (int band = 0; band < 15; ++band) {
            if (mhz == kMegahertz[band]) {
                return band;
            }
        }
        return 15;
    }

    // 4, 5 or 6 digits -> 4, 5, 6; 5 digits and a letter -> 7; anything else 0.
    int addressKind(const char* code) const override {
        codes.emplace_back(code);
        const std::string text(code);
        std::size_t digits = 0;
        while (digits < text.size() && std::isdigit(static_cast<unsigned char>(text[digits]))) {
            ++digits;
        }
        const std::string rest = text.substr(digits);
        if (rest.empty() && digits >= 4 && digits <= 6) {
            return static_cast<int>(digits);
        }
        if (digits == 5 && rest.size() == 1 && std::isalpha(static_cast<unsigned char>(rest[0]))) {
            return 7;
        }
        return 0;
    }

    mutable std::vector<std::string> freqTexts;
    mutable std::vector<std::string> codes;
};
