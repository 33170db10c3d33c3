// Dispatching a page number to the summary sheet or its log sheet.
#include "print/SheetPrinter.h"

#include "print/LogSheet.h"
#include "print/SummarySheet.h"

SheetPrinter::SheetPrinter(const CKorvaneDoc& doc) : doc_(doc), plan_(doc.results) {}

bool SheetPrinter::drawPage(std::size_t p, SheetCanvas& canvas) const {
    const std::optional<PagePlan::Page> page = plan_.page(p);
    if (!page) {
        return false;
    }
    canvas.beginPage(*page, doc_.master.printX, doc_.master.printY);
    if (page->kind == PagePlan::Kind::Summary) {
        SummarySheet::draw(canvas, doc_);
    } else {
        LogSheet::draw(canvas, doc_, *page);
    }
    canvas.endPage();
    return true;
}
