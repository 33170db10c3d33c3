// Figures as the sheets print them.
#pragma once

#include "exchange/SheetFigure.h"

#include <string>

namespace sheet_format {

// The figure right-aligned in `width` characters ("%10d"; 0 for "%d"). A figure that overflowed
// 64 bits prints as a row of asterisks instead of a wrong number.
std::string figure(SheetFigure value, int width = 0);

} // namespace sheet_format
