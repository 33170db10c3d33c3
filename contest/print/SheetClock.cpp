// Today's date for the sheets, honouring SOURCE_DATE_EPOCH.
#include "print/SheetClock.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <ctime>

namespace {

std::optional<SheetClock::Date> dateOf(std::time_t t, bool utc) {
    std::tm parts{};
    if ((utc ? gmtime_r(&t, &parts) : localtime_r(&t, &parts)) == nullptr) {
        return std::nullopt;
    }
    return SheetClock::Date{parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday};
}

} // namespace

std::optional<SheetClock::Date> SheetClock::fromSourceDateEpoch(std::string_view value) {
    std::int64_t seconds = 0;
    const char* end = value.data() + value.size();
    auto [stop, error] = std::from_chars(value.data(), end, seconds);
    // Only plain non-negative decimal digits count; years beyond 9999 would not fit "%4d".
    constexpr std::int64_t kYear10000 = 253402300800;
    if (value.empty() || value[0] == '-' || error != std::errc() || stop != end ||
        seconds >= kYear10000) {
        return std::nullopt;
    }
    return dateOf(static_cast<std::time_t>(seconds), true);
}

SheetClock::Date SheetClock::today() {
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
        if (auto date = fromSourceDateEpoch(epoch)) {
            return *date;
        }
    }
    return dateOf(std::time(nullptr), false).value_or(Date{1970, 1, 1});
}
