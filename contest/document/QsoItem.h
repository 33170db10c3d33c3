// One retrieved QSO in the document's list: its record number in the log database and its record.
#pragma once

#include "common/QsoRecord.h"

struct QsoItem {
    int recordNumber = 0; // counted from 1
    QsoRecord record{};   // freq holds the band label instead of the raw frequency
    // The frequency as the log holds it (MHz text, read like a record field), which the exports
    // need and the label no longer tells.
    char logFreq[sizeof(QsoRecord::freq)]{};
};
