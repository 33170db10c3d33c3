// The sixteen bands of the log library's band index, with every label the program shows for them.
#pragma once

#include <array>
#include <string_view>

class BandTable {
public:
    static constexpr int kBandCount = 16;        // 0 (1.9 MHz) .. 14 (5600 MHz), 15 other
    static constexpr int kSummaryBandCount = 12; // bands with a row on the summary sheet

    // The summary sheet's last row, to which no band index belongs; it never shows figures.
    static constexpr std::string_view kExtraSummaryRowLabel = "10.1GHz";

    static constexpr bool isBand(int band) { return band >= 0 && band < kBandCount; }

    // Label in the QSO list and the retrieval records ("   7", " 144", "Etc"); empty for no band.
    static std::string_view listLabel(int band);

    // Label on the log sheet: the list label, but "その他" (CP932) for other; empty for no band.
    static std::string_view logSheetLabel(int band);

    // Row label on the summary sheet (" 1.9MHz" ...); empty for bands without a summary row.
    static std::string_view summaryLabel(int band);
    static bool hasSummaryRow(int band);

    // The bands of the summary rows, in the sheet's order.
    static const std::array<int, kSummaryBandCount>& summaryBands();
};
