// Checked 64-bit arithmetic of the sheet figures.
#include "exchange/SheetFigure.h"

namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

bool addOverflows(std::int64_t a, std::int64_t b) {
    return (b > 0 && a > kMax - b) || (b < 0 && a < kMin - b);
}

bool multiplyOverflows(std::int64_t a, std::int64_t b) {
    if (a == 0 || b == 0) {
        return false;
    }
    if (a > 0) {
        return b > 0 ? a > kMax / b : b < kMin / a;
    }
    return b > 0 ? a < kMin / b : b < kMax / a;
}

} // namespace

SheetFigure SheetFigure::overflow() {
    SheetFigure figure;
    figure.overflowed_ = true;
    return figure;
}

SheetFigure operator+(SheetFigure a, SheetFigure b) {
    if (a.overflowed_ || b.overflowed_ || addOverflows(a.value_, b.value_)) {
        return SheetFigure::overflow();
    }
    return SheetFigure(a.value_ + b.value_);
}

SheetFigure operator*(SheetFigure a, SheetFigure b) {
    if (a.overflowed_ || b.overflowed_ || multiplyOverflows(a.value_, b.value_)) {
        return SheetFigure::overflow();
    }
    return SheetFigure(a.value_ * b.value_);
}
