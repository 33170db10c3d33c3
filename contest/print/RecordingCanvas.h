// A canvas that keeps every line and text it is given, page by page, in layout units before the
// print offset: for tests and the layout export.
#pragma once

#include "print/SheetCanvas.h"

#include <string>
#include <vector>

class RecordingCanvas : public SheetCanvas {
public:
    struct Op {
        enum class Kind { Line, Text };
        Kind kind = Kind::Line;
        Pen pen = Pen::Thin; // lines
        int x1 = 0, y1 = 0;  // a line's start, a text's top-left corner
        int x2 = 0, y2 = 0;  // a line's end
        Font font;           // texts
        std::string text;    // texts, CP932
    };

    struct Page {
        PagePlan::Page page;
        int printX = 0;
        int printY = 0;
        std::vector<Op> ops;
    };

    using SheetCanvas::SheetCanvas;

    void beginPage(const PagePlan::Page& page, int printX, int printY) override;

    // Operations drawn before any page began land on a summary page without offset.
    const std::vector<Page>& pages() const { return pages_; }
    void clear() { pages_.clear(); }

protected:
    void drawLine(Pen pen, int x1, int y1, int x2, int y2) override;
    void drawText(const Font& font, int x, int y, std::string_view text) override;

private:
    std::vector<Op>& ops();

    std::vector<Page> pages_;
};
