// Where the sheets get "today" and "this year": the system clock, or SOURCE_DATE_EPOCH for output
// that can be reproduced.
#pragma once

#include <functional>
#include <optional>
#include <string_view>

class SheetClock {
public:
    struct Date {
        int year = 0;
        int month = 0; // 1-12
        int day = 0;   // 1-31
        bool operator==(const Date&) const = default;
    };

    // A source of today's date; tests inject a fixed one.
    using Source = std::function<Date()>;

    // The date of SOURCE_DATE_EPOCH (UTC) when that variable holds a valid epoch, otherwise the
    // local date of the system clock.
    static Date today();

    // The UTC date of a SOURCE_DATE_EPOCH value: decimal seconds since 1970, nothing else.
    static std::optional<Date> fromSourceDateEpoch(std::string_view value);
};
