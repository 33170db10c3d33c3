// The band labels, kept together so the list, the log sheet and the summary sheet agree.
#include "exchange/BandTable.h"

#include "common/Cp932.h"

namespace {

constexpr std::array<std::string_view, BandTable::kBandCount> kListLabels = {
    "   1.9", "   3.5", "   7", "  10", "  14", "  18", "  21", "  24",
    "  28",   "  50",   " 144", " 430", "1200", "2400", "5600", "Etc"};

// Empty where the band has no summary row (10, 18, 24 MHz and other).
constexpr std::array<std::string_view, BandTable::kBandCount> kSummaryLabels = {
    " 1.9MHz", " 3.5MHz", "   7MHz", "",        "  14MHz", "",        "  21MHz", "",
    "  28MHz", "  50MHz", " 144MHz", " 430MHz", "1200MHz", "2400MHz", "5600MHz", ""};

constexpr int kOtherBand = 15;

} // namespace

std::string_view BandTable::listLabel(int band) {
    return isBand(band) ? kListLabels[band] : std::string_view();
}

std::string_view BandTable::logSheetLabel(int band) {
    if (band == kOtherBand) {
        return cp932::lit("その他");
    }
    return listLabel(band);
}

std::string_view BandTable::summaryLabel(int band) {
    return isBand(band) ? kSummaryLabels[band] : std::string_view();
}

bool BandTable::hasSummaryRow(int band) {
    return !summaryLabel(band).empty();
}

const std::array<int, BandTable::kSummaryBandCount>& BandTable::summaryBands() {
    static constexpr std::array<int, kSummaryBandCount> kBands = {0, 1,  2,  4,  6,  8,
                                                                  9, 10, 11, 12, 13, 14};
    return kBands;
}
