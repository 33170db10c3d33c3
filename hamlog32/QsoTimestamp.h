// A QSO's date and time to the minute: checked, shifted between zones, written as the record wants.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

class QsoTimestamp {
public:
    // Date "YYYYMMDD" and time "HHMM" or "HHMMSS" (seconds dropped); none unless both are real.
    static std::optional<QsoTimestamp> fromAdif(std::string_view date, std::string_view time);

    // Date "yy/mm/dd" and time "hh:mm", the year read by TwoDigitYear. None unless real.
    static std::optional<QsoTimestamp> fromHamlog(std::string_view date, std::string_view time);

    // The same instant 'hours' (0 to 23) later, the date rolling over days, months and years.
    // This and the digits are inline: they run for every record.
    QsoTimestamp later(int hours) const {
        QsoTimestamp t = *this;
        t.hour_ += hours % 24;
        if (t.hour_ >= 24) {
            t.hour_ -= 24;
            if (++t.day_ > daysInMonth(t.year_, t.month_)) {
                t.day_ = 1;
                if (++t.month_ > 12) {
                    t.month_ = 1;
                    ++t.year_;
                }
            }
        }
        return t;
    }

    // Fixed-size digits, so that reading a record allocates nothing.
    std::array<char, 6> yymmdd() const { // "980503"
        std::array<char, 6> out;
        putTwoDigits(out.data(), year_ % 100);
        putTwoDigits(out.data() + 2, month_);
        putTwoDigits(out.data() + 4, day_);
        return out;
    }
    std::array<char, 4> hhmm() const { // "2105"
        std::array<char, 4> out;
        putTwoDigits(out.data(), hour_);
        putTwoDigits(out.data() + 2, minute_);
        return out;
    }

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

    // "00" to "99", so that writing a record's date and time takes no division.
    static constexpr std::array<char, 200> kTwoDigits = [] {
        std::array<char, 200> digits{};
        for (int i = 0; i < 100; ++i) {
            digits[2 * i] = static_cast<char>('0' + i / 10);
            digits[2 * i + 1] = static_cast<char>('0' + i % 10);
        }
        return digits;
    }();

    static void putTwoDigits(char* out, int value) {
        const char* two = &kTwoDigits[static_cast<std::size_t>(value % 100) * 2];
        out[0] = two[0];
        out[1] = two[1];
    }

    int year_;
    int month_;
    int day_;
    int hour_;
    int minute_;
};
