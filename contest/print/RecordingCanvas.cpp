// Recording the drawing operations of the sheets.
#include "print/RecordingCanvas.h"

void RecordingCanvas::beginPage(const PagePlan::Page& page, int printX, int printY) {
    pages_.push_back(Page{page, printX, printY, {}});
}

std::vector<RecordingCanvas::Op>& RecordingCanvas::ops() {
    if (pages_.empty()) {
        pages_.emplace_back();
    }
    return pages_.back().ops;
}

void RecordingCanvas::drawLine(Pen pen, int x1, int y1, int x2, int y2) {
    ops().push_back(Op{Op::Kind::Line, pen, x1, y1, x2, y2, {}, {}});
}

void RecordingCanvas::drawText(const Font& font, int x, int y, std::string_view text) {
    ops().push_back(Op{Op::Kind::Text, Pen::Thin, x, y, 0, 0, font, std::string(text)});
}
