// The figures of the summary sheet and the log-sheet pages, and the plan of the printed pages.
#pragma once

#include "exchange/BandResults.h"
#include "exchange/ExchangeRules.h"
#include "exchange/SheetFigure.h"

#include <cstddef>

class Scoring {
public:
    static constexpr int kRowsPerPage = 50;

    // The figures of one log-sheet page and the rows it prints: bandRows(band)[firstRow] onwards,
    // rowCount of them.
    struct PageFigures {
        std::size_t firstRow = 0;
        std::size_t rowCount = 0;
        SheetFigure qsos;
        SheetFigure newMultipliers;
        SheetFigure points;
    };

    // Reads the rules and the results when asked; both must outlive the object.
    Scoring(const ExchangeRules& rules, const BandResults& results);

    // Figures of one band's summary row; 0 for a value outside 0..15.
    SheetFigure count(int band) const;
    SheetFigure points(int band) const;      // fixed points per QSO times the count, else 0
    SheetFigure multipliers(int band) const; // distinct values, when the multipliers are tallied

    // Totals over the bands with a summary row.
    SheetFigure totalCount() const;
    SheetFigure totalPoints() const;
    SheetFigure totalMultipliers() const;

    // The totals line is shown only when no QSO lies on a band without a summary row (10, 18, 24
    // MHz, other, or no band at all).
    bool totalsShown() const;

    // The station-class coefficient (1 unless a fixed, non-zero value is set) and whether the sheet
    // prints it.
    SheetFigure coefficient() const;
    bool coefficientPrinted() const;

    // Total multipliers, or 1 when there are none.
    SheetFigure multiplierFactor() const;

    // Multiplier factor × total points × coefficient; shown only when the total points are not 0.
    SheetFigure score() const;
    bool scoreShown() const;

    // The figures of page `pageIndex` (0-based) of a band's log sheets; a page past the band's last
    // holds no rows and every figure is 0.
    PageFigures page(int band, std::size_t pageIndex) const;

    // Log-sheet pages of a band: ceil(rows / 50). The print document adds the summary sheet.
    static std::size_t pagesForRows(std::size_t rows);
    std::size_t logSheetPages(int band) const;
    std::size_t totalPages() const;

private:
    bool pointsFixed() const;

    const ExchangeRules& rules_;
    const BandResults& results_;
};
