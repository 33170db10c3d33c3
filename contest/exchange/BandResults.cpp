// Per-band rows and multiplier tallies: the list keeps the order, the set answers membership.
#include "exchange/BandResults.h"

namespace {

const LogRowList kNoRows;
const std::vector<std::string> kNoMultipliers;

} // namespace

void BandResults::clearResults() {
    for (auto& rows : rows_) {
        rows.clear();
    }
    for (auto& tally : tallies_) {
        tally.clear();
    }
    unfiled_ = 0;
}

const LogRowList& BandResults::bandRows(int band) const {
    return BandTable::isBand(band) ? rows_[band] : kNoRows;
}

const std::vector<std::string>& BandResults::bandMultipliers(int band) const {
    return BandTable::isBand(band) ? tallies_[band].inOrder() : kNoMultipliers;
}

bool BandResults::hasMultiplier(int band, std::string_view value) const {
    return BandTable::isBand(band) && tallies_[band].contains(value);
}

bool BandResults::addMultiplier(int band, std::string_view value) {
    if (!BandTable::isBand(band)) {
        return false;
    }
    return tallies_[band].add(value);
}

void BandResults::appendRow(int band, const LogRow& row) {
    if (BandTable::isBand(band)) {
        rows_[band].push_back(row);
    } else {
        ++unfiled_;
    }
}
