// The drawing operations of every page as UTF-8 JSON, for regression checks of the layouts.
#pragma once

#include "document/CKorvaneDoc.h"
#include "print/SheetClock.h"

#include <string>

namespace layout_json {

// Pages in print order with their kind, band, sheet number and print offset, and their lines and
// texts in layout units before the offset. Dates come from the clock (the system's when empty).
std::string write(const CKorvaneDoc& doc, SheetClock::Source clock = {});

} // namespace layout_json
