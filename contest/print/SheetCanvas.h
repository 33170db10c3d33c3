// The drawing surface of the sheets, in layout units of 0.1 mm with y downwards. Subclasses draw
// lines and single texts; the composite operations are built here once so every surface follows
// the same sizing and wrapping rules.
#pragma once

#include "print/PagePlan.h"
#include "print/SheetClock.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class SheetCanvas {
public:
    enum class Pen { Thin, Dotted, Thick };

    static constexpr int kNormal = 400;
    static constexpr int kHeavy = 900;

    // A font by face (CP932), cell height and half-width character width in 0.1 mm (0: the
    // face's own proportions) and weight.
    struct Font {
        std::string face;
        int height = 0;
        int width = 0;
        int weight = kNormal;
        bool operator==(const Font&) const = default;
    };

    // "ＭＳ 明朝" and "ＭＳ ゴシック" in CP932.
    static const std::string& minchoFace();
    static const std::string& gothicFace();

    // Dates come from the clock given, or from SheetClock::today without one.
    explicit SheetCanvas(SheetClock::Source clock = {});
    virtual ~SheetCanvas() = default;
    SheetCanvas(const SheetCanvas&) = delete;
    SheetCanvas& operator=(const SheetCanvas&) = delete;

    // Called by the page framework before and after each page; printX and printY are the print
    // offset in 0.1 mm (positive: right and down).
    virtual void beginPage(const PagePlan::Page& page, int printX, int printY) = 0;
    virtual void endPage() {}

    void selectFont(const Font& font) { font_ = font; }
    const Font& currentFont() const { return font_; }

    void line(Pen pen, int x1, int y1, int x2, int y2);

    // The four sides, never filled.
    void frame(Pen pen, int x1, int y1, int x2, int y2);

    // The text's cell has its top-left corner at (x, y); an empty text draws nothing.
    void text(int x, int y, std::string_view text);

    // In a heavy Mincho font sized by fittedFont; the current font stays selected.
    void fittedText(int x, int y, int width, std::string_view text);

    // Lines cut by wrapLines, line k at y + k × pitch, in the current font.
    void wrappedText(int x, int y, std::size_t bytesPerLine, int pitch, std::string_view text);

    // Today as "%4d年%2d月%2d日" and this year as "%4d", in the current font.
    void today(int x, int y);
    void year(int x, int y);

    // The name without a trailing "コンテスト" or "ｺﾝﾃｽﾄ", as a fitted text.
    void contestName(int x, int y, int width, std::string_view name);

    // The font that fits `bytes` fixed-pitch bytes into `width`: 3.9 mm square cells when they
    // fit, otherwise width / bytes wide and twice that high, at most 3.9 mm.
    static Font fittedFont(std::size_t bytes, int width);

    // The text (at most its first 255 bytes) cut into lines of at most bytesPerLine bytes, a
    // double-byte character never split; line breaks in the text are not interpreted.
    static std::vector<std::string_view> wrapLines(std::string_view text, std::size_t bytesPerLine);

    static std::string_view withoutContestEnding(std::string_view name);

    struct Point {
        int x = 0;
        int y = 0;
        bool operator==(const Point&) const = default;
    };

    // Where a layout point lands, in 0.1 mm right of and below the top-left corner of the
    // printable area: layout point (70, 50) sits on that corner, moved by the print offset.
    static Point toPaper(int x, int y, int printX, int printY);

    static std::string dateText(const SheetClock::Date& date);
    static std::string yearText(const SheetClock::Date& date);

protected:
    virtual void drawLine(Pen pen, int x1, int y1, int x2, int y2) = 0;
    virtual void drawText(const Font& font, int x, int y, std::string_view text) = 0;

private:
    SheetClock::Source clock_;
    Font font_;
};
