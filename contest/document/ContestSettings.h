// Everything a contest file holds: search conditions, entry texts and exchange-column rules.
#pragma once

#include "exchange/ExchangeRules.h"

#include <array>
#include <string>

struct ContestSettings {
    static constexpr int kBandCount = 16; // band index 0 (1.9 MHz) .. 14 (5600 MHz), 15 other
    static constexpr int kModeCount = 7;  // 0 CW, 1 AM, 2 SSB, 3 FM, 4 SSTV, 5 RTTY, 6 other
    static constexpr std::size_t kMaxText = 255;

    // Search conditions.
    int selectBands = 0;
    std::array<int, kBandCount> bandEnabled{};
    int selectModes = 0;
    std::array<int, kModeCount> modeEnabled{};
    int excludeSameBandDupes = 1;
    int startYear = 0, startMonth = 1, startDay = 1;
    int endYear = 9999, endMonth = 12, endDay = 31;
    int startHour = 0, startMinute = 0;
    int endHour = 23, endMinute = 59;

    // Entry texts (CP932, at most kMaxText bytes each).
    std::string categoryName;
    std::string categoryCode;
    std::string contestName;
    std::string opinionText;
    std::string senderText;
    std::string oathText = defaultOath();

    ExchangeRules rules;

    // The oath printed on the summary sheet unless the user changes it (CP932).
    static const std::string& defaultOath();

    bool operator==(const ContestSettings&) const = default;
};
