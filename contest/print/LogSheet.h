// One log-sheet page: up to 50 QSOs of one band in the contest log-sheet form.
#pragma once

#include "document/CKorvaneDoc.h"
#include "print/PagePlan.h"
#include "print/SheetCanvas.h"

class LogSheet {
public:
    // Draws the log-sheet page of the plan; the page framework has set up the page.
    static void draw(SheetCanvas& canvas, const CKorvaneDoc& doc, const PagePlan::Page& page);
};
