// Checked calendar arithmetic for QSO times, without the C library's time zone machinery.
#include "hamlog32/QsoTimestamp.h"

#include "common/TwoDigitYear.h"

namespace {

// The value of text[pos, pos + count) when all are ASCII digits, otherwise -1.
int digitsAt(std::string_view text, std::size_t pos, std::size_t count) {
    if (pos + count > text.size()) {
        return -1;
    }
    int value = 0;
    for (std::size_t i = pos; i < pos + count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return -1;
        }
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

// The value of two ASCII digits at text, otherwise -1.
int twoDigits(const char* text) {
    unsigned tens = static_cast<unsigned char>(text[0]) - unsigned('0');
    unsigned ones = static_cast<unsigned char>(text[1]) - unsigned('0');
    return tens <= 9 && ones <= 9 ? static_cast<int>(tens * 10 + ones) : -1;
}

} // namespace

bool QsoTimestamp::isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int QsoTimestamp::daysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

std::optional<QsoTimestamp> QsoTimestamp::make(int year, int month, int day, int hour, int minute) {
    if (year < 0 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month) ||
        hour < 0 || hour > 23 || minute < 0 || minute > 59) {
        return std::nullopt;
    }
    return QsoTimestamp(year, month, day, hour, minute);
}

std::optional<QsoTimestamp> QsoTimestamp::fromAdif(std::string_view date, std::string_view time) {
    if (date.size() != 8 || (time.size() != 4 && time.size() != 6)) {
        return std::nullopt;
    }
    if (time.size() == 6) {
        int seconds = digitsAt(time, 4, 2);
        if (seconds < 0 || seconds > 59) {
            return std::nullopt;
        }
    }
    return make(digitsAt(date, 0, 4), digitsAt(date, 4, 2), digitsAt(date, 6, 2),
                digitsAt(time, 0, 2), digitsAt(time, 2, 2));
}

std::optional<QsoTimestamp> QsoTimestamp::fromHamlog(std::string_view date, std::string_view time) {
    if (date.size() != 8 || date[2] != '/' || date[5] != '/' || time.size() != 5 ||
        time[2] != ':') {
        return std::nullopt;
    }
    // Every CSV line is checked here, so the fixed places are read without bounds checks.
    int yy = twoDigits(date.data());
    if (yy < 0) {
        return std::nullopt;
    }
    return make(TwoDigitYear::fullYear(yy), twoDigits(date.data() + 3), twoDigits(date.data() + 6),
                twoDigits(time.data()), twoDigits(time.data() + 3));
}
