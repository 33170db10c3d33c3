// Per-band rows and multiplier tallies: the list keeps the order, the set answers membership.
#include "BandResults.h"

namespace {

const LogRowList kNoRows;
const std::vector<std::string> kNoMultipliers;

} // namespace

void BandResults::clearResults() {
    for (auto& rows : rows_) {
        rows.clear();
    }
    for (auto& tally : tallies_) {
        tally.inOrder.clear();
        tally.members.clear();
    }
    unfiled_ = 0;
}

const LogRowList& BandResults::bandRows(int band) const {
    return BandTable::isBand(band) ? rows_[band] : kNoRows;
}

const std::vector<std::string>& BandResults::bandMultipliers(int band) const {
    return BandTable::isBand(band) ? tallies_[band].inOrder : kNoMultipliers;
}

bool BandResults::hasMultiplier(int band, std::string_view value) const {
    return BandTable::isBand(band) && tallies_[band].members.contains(value);
}

bool BandResults::addMultiplier(int band, std::string_view value) {
    if (!BandTable::isBand(band)) {
        return false;
    }
    Tally& tally = tallies_[band];
    if (tally.members.contains(value)) {
        return false;
    }
    tally.inOrder.emplace_back(value);
    tally.members.emplace(value);
    return true;
}

void BandResults::appendRow(int band, const LogRow& row) {
    if (BandTable::isBand(band)) {
        rows_[band].push_back(row);
    } else {
        ++unfiled_;
    }
}

void BandResults::appendPackedRow(int band, std::string_view packedRow) {
    if (BandTable::isBand(band)) {
        rows_[band].pushPacked(packedRow);
    } else {
        ++unfiled_;
    }
}
