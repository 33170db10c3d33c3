// Drawing pages of the print document onto a printer: the print job, the preview and tests.
#pragma once

#include "document/CKorvaneDoc.h"

#include <functional>

class QPrinter;

class SheetPainter {
public:
    // Called before page `page` is drawn as the `done`-th page of the range (counting from 0);
    // returning false stops the job before that page.
    using BeforePage = std::function<bool(int page, int done)>;

    enum class Outcome { printed, cancelled, failed };

    // Draws pages first..last (clamped to the document's pages) of a page plan made now, with the
    // print offsets as they are when each page is drawn. failed: the printer could not start.
    static Outcome paint(QPrinter& printer, const CKorvaneDoc& doc, int first, int last,
                         const BeforePage& beforePage = {});

    // The number of pages the document prints now.
    static int pageCount(const CKorvaneDoc& doc);
};
