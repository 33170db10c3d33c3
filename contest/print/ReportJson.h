// The outcome of a retrieval as UTF-8 JSON: the records read, skipped by each filter and found cut,
// the QSO list as shown, the rows and tallies per band, the summary figures and the page count of
// the print document.
#pragma once

#include "document/CKorvaneDoc.h"

#include <string>

namespace report_json {

std::string write(const CKorvaneDoc& doc);

} // namespace report_json
