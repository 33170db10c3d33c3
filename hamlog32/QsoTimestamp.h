// A QSO's date and time to the minute: checked, shifted between zones, written as the record wants.
#pragma once

#include <array>
#include <optional>
#include <string_view>

class QsoTimestamp {
public:
    // Date "YYYYMMDD" and time "HHMM" or "HHMMSS" (seconds dropped); none unless both are real.
    static std::optional<QsoTimestamp> fromAdif(std::string_view date, std::string_view time);

    // Date "yy/mm/dd" and time "hh:mm", the year read by TwoDigitYear. None unless real.
    static std::optional<QsoTimestamp> fromHamlog(std::string_view date, std::string_view time);

    // The same instant 'hours' (0 to 23) later, the date rolling over days, months and years.
    QsoTimestamp later(int hours) const;

    // Fixed-size digits, so that reading a record allocates nothing.
    std::array<char, 6> yymmdd() const; // "980503"
    std::array<char, 4> hhmm() const;   // "2105"

    int year() const { return year_; }
    int month() const { return month_; }
    int day() const { return day_; }
    int hour() const { return hour_; }
    int minute() const { return minute_; }

    static bool isLeapYear(int year);
    static int daysInMonth(int year, int month);

private:
    QsoTimestamp(int year, int month, int day, int hour, int minute)
        : year_(year), month_(month), day_(day), hour_(hour), minute_(minute) {}

    static std::optional<QsoTimestamp> make(int year, int month, int day, int hour, int minute);

    int year_;
    int month_;
    int day_;
    int hour_;
    int minute_;
};
