// One QPainter over the printer, a new page before every page after the first.
#include "print/SheetPainter.h"

#include "print/QtSheetCanvas.h"
#include "print/SheetPrinter.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace {
constexpr double kUnitsPerInch = 254.0; // 0.1 mm
}

int SheetPainter::pageCount(const CKorvaneDoc& doc) {
    return static_cast<int>(SheetPrinter(doc).pageCount());
}

SheetPainter::Outcome SheetPainter::paint(QPrinter& printer, const CKorvaneDoc& doc, int first,
                                          int last, const BeforePage& beforePage) {
    const SheetPrinter sheets(doc);
    first = std::max(first, 1);
    last = std::min(last, static_cast<int>(sheets.pageCount()));
    QPainter painter;
    if (!painter.begin(&printer)) {
        return Outcome::failed;
    }
    QtSheetCanvas canvas(painter, printer.resolution() / kUnitsPerInch);
    for (int p = first; p <= last; ++p) {
        if (beforePage && !beforePage(p, p - first)) {
            printer.abort();
            painter.end();
            return Outcome::cancelled;
        }
        if (p > first && !printer.newPage()) {
            painter.end();
            return Outcome::failed;
        }
        sheets.drawPage(static_cast<std::size_t>(p), canvas);
    }
    return painter.end() ? Outcome::printed : Outcome::failed;
}
