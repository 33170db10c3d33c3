// The eight exchange-column rules of one contest, as the contest file stores them.
#pragma once

#include "exchange/ExchangeComponent.h"

#include <array>

struct ExchangeRules {
    // The points column of the log sheet keeps its fixed value as an integer.
    struct Points {
        int choice = 0;
        int fixedValue = 0;
        int qsoField = 0;
        int fromColumn = 0;
        int toColumn = 0;
        bool operator==(const Points&) const = default;
    };

    // The station-class coefficient of the summary sheet.
    struct Coefficient {
        int choice = 0;
        int value = 0;
        bool operator==(const Coefficient&) const = default;
    };

    using ThreeParts = std::array<ExchangeComponent, 3>;

    ThreeParts sendNo{};
    ThreeParts recvNo{};
    ExchangeComponent summaryMulti{};
    ExchangeComponent logMulti{};
    Coefficient summaryCoef{};
    Points logPoints{};
    ThreeParts logOperator{};
    ThreeParts logRemarks{};

    bool operator==(const ExchangeRules&) const = default;
};
