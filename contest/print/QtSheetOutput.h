// Headless output of the sheets: one A4 PDF, or one PNG image per page.
#pragma once

#include "print/SheetPrinter.h"

#include <ostream>
#include <string>

class QtSheetOutput {
public:
    // Every page into one A4 portrait PDF with its fonts embedded, the whole page printable, titled
    // with the UTF-8 title.
    // The file is replaced atomically; "-" writes to out. Returns false after a message on err.
    static bool writePdf(const SheetPrinter& printer, const std::string& title,
                         const std::string& path, std::ostream& out, std::ostream& err);

    // page-001.png, page-002.png, ... at dpi into the folder, which is created when missing.
    static bool writePng(const SheetPrinter& printer, const std::string& folder, int dpi,
                         std::ostream& err);
};
