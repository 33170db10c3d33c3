// The print document: its page plan, and each page drawn onto a canvas with the print offset.
#pragma once

#include "document/CKorvaneDoc.h"
#include "print/PagePlan.h"
#include "print/SheetCanvas.h"

#include <cstddef>

class SheetPrinter {
public:
    // Plans the pages of the document's current results; the document must outlive the printer.
    explicit SheetPrinter(const CKorvaneDoc& doc);

    const PagePlan& plan() const { return plan_; }
    std::size_t pageCount() const { return plan_.totalPages(); }

    // Draws page p (1-based) between the canvas's beginPage and endPage; false, drawing nothing,
    // for a page the plan does not hold.
    bool drawPage(std::size_t p, SheetCanvas& canvas) const;

private:
    const CKorvaneDoc& doc_;
    PagePlan plan_;
};
