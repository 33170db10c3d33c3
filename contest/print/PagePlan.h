// The pages of one print: the summary sheet first, then 50-row log sheets band after band.
#pragma once

#include "exchange/BandResults.h"
#include "exchange/BandTable.h"

#include <array>
#include <cstddef>
#include <optional>

class PagePlan {
public:
    enum class Kind { Summary, Log };

    struct Page {
        std::size_t number = 1; // 1-based page of the print
        Kind kind = Kind::Summary;
        int band = -1;          // log sheets: the band index 0..15
        std::size_t sheet = 0;  // log sheets: 0-based index i within the band
        std::size_t sheets = 0; // log sheets: the band's page count k
        std::size_t firstRow = 0;
        std::size_t rowCount = 0;
        bool operator==(const Page&) const = default;
    };

    // Counts the pages of the results as they are now.
    explicit PagePlan(const BandResults& results);

    std::size_t totalPages() const { return total_; }

    // Page p of 1..totalPages(); nothing for a number outside that range.
    std::optional<Page> page(std::size_t p) const;

private:
    std::array<std::size_t, BandTable::kBandCount> rows_{};
    std::array<std::size_t, BandTable::kBandCount> pages_{};
    std::size_t total_ = 1;
};
