// Scoring arithmetic: every sum and product in checked 64 bits, as contest files set the factors
// freely.
#include "exchange/Scoring.h"

#include "exchange/BandTable.h"
#include "exchange/ExchangeComposer.h"

#include <algorithm>

namespace {

SheetFigure figureOf(std::size_t n) {
    return SheetFigure(static_cast<std::int64_t>(n));
}

} // namespace

Scoring::Scoring(const ExchangeRules& rules, const BandResults& results)
    : rules_(rules), results_(results) {}

bool Scoring::pointsFixed() const {
    return rules_.logPoints.choice == 1;
}

SheetFigure Scoring::count(int band) const {
    return figureOf(results_.rowCount(band));
}

SheetFigure Scoring::points(int band) const {
    // Points taken from QSO data are shown per line but never added up.
    return pointsFixed() ? SheetFigure(rules_.logPoints.fixedValue) * count(band) : SheetFigure();
}

SheetFigure Scoring::multipliers(int band) const {
    return ExchangeComposer::multipliersFromSameField(rules_)
               ? figureOf(results_.multiplierCount(band))
               : SheetFigure();
}

SheetFigure Scoring::totalCount() const {
    SheetFigure sum;
    for (int band : BandTable::summaryBands()) {
        sum = sum + count(band);
    }
    return sum;
}

SheetFigure Scoring::totalPoints() const {
    SheetFigure sum;
    for (int band : BandTable::summaryBands()) {
        sum = sum + points(band);
    }
    return sum;
}

SheetFigure Scoring::totalMultipliers() const {
    SheetFigure sum;
    for (int band : BandTable::summaryBands()) {
        sum = sum + multipliers(band);
    }
    return sum;
}

bool Scoring::totalsShown() const {
    if (results_.unfiledCount() != 0) {
        return false;
    }
    for (int band = 0; band < BandTable::kBandCount; ++band) {
        if (!BandTable::hasSummaryRow(band) && results_.rowCount(band) != 0) {
            return false;
        }
    }
    return true;
}

bool Scoring::coefficientPrinted() const {
    return rules_.summaryCoef.choice == 1 && rules_.summaryCoef.value != 0;
}

SheetFigure Scoring::coefficient() const {
    return SheetFigure(coefficientPrinted() ? rules_.summaryCoef.value : 1);
}

SheetFigure Scoring::multiplierFactor() const {
    const SheetFigure total = totalMultipliers();
    return total.isZero() ? SheetFigure(1) : total;
}

SheetFigure Scoring::score() const {
    return multiplierFactor() * totalPoints() * coefficient();
}

bool Scoring::scoreShown() const {
    return !totalPoints().isZero();
}

Scoring::PageFigures Scoring::page(int band, std::size_t pageIndex) const {
    const auto& rows = results_.bandRows(band);
    PageFigures figures;
    if (pageIndex >= pagesForRows(rows.size())) {
        figures.firstRow = rows.size();
        return figures;
    }
    figures.firstRow = pageIndex * kRowsPerPage;
    figures.rowCount = std::min<std::size_t>(kRowsPerPage, rows.size() - figures.firstRow);
    figures.qsos = figureOf(figures.rowCount);

    if (ExchangeComposer::multipliersFromSameField(rules_)) {
        // Then a non-empty multiplier column marks the value's first QSO on the band.
        const auto first = rows.begin() + static_cast<std::ptrdiff_t>(figures.firstRow);
        figures.newMultipliers = figureOf(static_cast<std::size_t>(
            std::count_if(first, first + static_cast<std::ptrdiff_t>(figures.rowCount),
                          [](const LogRow& row) { return !row.multiplier.empty(); })));
    }
    if (pointsFixed()) {
        figures.points = SheetFigure(rules_.logPoints.fixedValue) * figures.qsos;
    }
    return figures;
}

std::size_t Scoring::pagesForRows(std::size_t rows) {
    return rows / kRowsPerPage + (rows % kRowsPerPage != 0 ? 1 : 0);
}

std::size_t Scoring::logSheetPages(int band) const {
    return pagesForRows(results_.rowCount(band));
}

std::size_t Scoring::totalPages() const {
    std::size_t pages = 1;
    for (int band = 0; band < BandTable::kBandCount; ++band) {
        pages += logSheetPages(band);
    }
    return pages;
}
