// Formatting the sheet figures.
#include "print/SheetFormat.h"

#include <algorithm>
#include <cstdio>

namespace sheet_format {

std::string figure(SheetFigure value, int width) {
    if (value.overflowed()) {
        return std::string(static_cast<std::size_t>(std::max(width, 10)), '*');
    }
    char text[48];
    std::snprintf(text, sizeof text, "%*lld", width, static_cast<long long>(value.value()));
    return text;
}

} // namespace sheet_format
