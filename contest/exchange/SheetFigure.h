// A count, point sum or score of the sheets, computed in 64 bits; a result beyond 64 bits is
// flagged rather than wrapped, so a sheet can say it does not fit instead of printing a wrong
// number.
#pragma once

#include <cstdint>
#include <limits>

class SheetFigure {
public:
    constexpr SheetFigure() = default;
    constexpr explicit SheetFigure(std::int64_t value) : value_(value) {}

    // The exact value; meaningless when overflowed().
    constexpr std::int64_t value() const { return value_; }

    // True when a sum or product on the way left the 64-bit range.
    constexpr bool overflowed() const { return overflowed_; }

    // True when the exact value fits a signed 32-bit sheet field.
    constexpr bool fits32() const {
        return !overflowed_ && value_ >= std::numeric_limits<std::int32_t>::min() &&
               value_ <= std::numeric_limits<std::int32_t>::max();
    }

    // A figure is left off a sheet when it is 0; an overflowed figure is not 0.
    constexpr bool isZero() const { return !overflowed_ && value_ == 0; }

    friend SheetFigure operator+(SheetFigure a, SheetFigure b);
    friend SheetFigure operator*(SheetFigure a, SheetFigure b);

    bool operator==(const SheetFigure&) const = default;

private:
    static SheetFigure overflow();

    std::int64_t value_ = 0;
    bool overflowed_ = false;
};
