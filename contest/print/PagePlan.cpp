// Page counting and the band search that finds the log sheet a page number holds.
#include "print/PagePlan.h"

#include "exchange/Scoring.h"

#include <algorithm>

PagePlan::PagePlan(const BandResults& results) {
    for (int b = 0; b < BandTable::kBandCount; ++b) {
        rows_[b] = results.rowCount(b);
        pages_[b] = Scoring::pagesForRows(rows_[b]);
        total_ += pages_[b];
    }
}

std::optional<PagePlan::Page> PagePlan::page(std::size_t p) const {
    if (p < 1 || p > total_) {
        return std::nullopt;
    }
    Page page;
    page.number = p;
    if (p == 1) {
        return page;
    }
    std::size_t before = 1;
    for (int b = 0; b < BandTable::kBandCount; ++b) {
        const std::size_t k = pages_[b];
        if (k == 0) {
            continue;
        }
        if (before + k >= p) {
            page.kind = Kind::Log;
            page.band = b;
            page.sheet = p - before - 1;
            page.sheets = k;
            page.firstRow = page.sheet * Scoring::kRowsPerPage;
            page.rowCount = std::min<std::size_t>(Scoring::kRowsPerPage, rows_[b] - page.firstRow);
            return page;
        }
        before += k;
    }
    return std::nullopt;
}
