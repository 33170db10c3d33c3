// The rows and multiplier tallies that one retrieval leaves per band; derived data, never saved.
#pragma once

#include "exchange/BandTable.h"
#include "exchange/LogRowList.h"
#include "exchange/OrderedTexts.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class BandResults {
public:
    // Empties every band's rows and multipliers.
    void clearResults();

    // A band's rows in retrieval order, and its distinct multiplier texts in order of first
    // occurrence. A value outside 0..15 has no band and reads as an empty list.
    const LogRowList& bandRows(int band) const;
    const std::vector<std::string>& bandMultipliers(int band) const;
    std::size_t rowCount(int band) const { return bandRows(band).size(); }
    std::size_t multiplierCount(int band) const { return bandMultipliers(band).size(); }

    // Exact byte equality: no case folding and no trimming.
    bool hasMultiplier(int band, std::string_view value) const;

    // Appends the value to the band's tally unless it is already there; true when it was new.
    // Does nothing (false) for a value outside 0..15.
    bool addMultiplier(int band, std::string_view value);

    // Appends the row to the band's list. A value outside 0..15 files it nowhere but counts it as
    // unfiled, so the summary can tell that its totals miss a QSO.
    void appendRow(int band, const LogRow& row);
    // The same for a row written straight into a band's list (0..15) in its packed form: room for
    // at most `room` bytes, then the row's size (see LogRowList::beginPacked).
    char* beginPackedRow(int band, std::size_t room) { return rows_[band].beginPacked(room); }
    void commitPackedRow(int band, std::size_t bytes) { rows_[band].commitPacked(bytes); }
    std::size_t unfiledCount() const { return unfiled_; }

private:
    std::array<LogRowList, BandTable::kBandCount> rows_;
    std::array<OrderedTexts, BandTable::kBandCount> tallies_;
    std::size_t unfiled_ = 0;
};
