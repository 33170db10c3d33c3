// Page 1 of every print: the summary sheet of the JARL contest entry form.
#pragma once

#include "document/CKorvaneDoc.h"
#include "print/SheetCanvas.h"

class SummarySheet {
public:
    // Draws the summary sheet; the page framework has set up the page.
    static void draw(SheetCanvas& canvas, const CKorvaneDoc& doc);
};
