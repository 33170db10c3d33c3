// The composite drawing operations of the sheets, shared by every canvas.
#include "print/SheetCanvas.h"

#include "common/Cp932.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

constexpr int kSquareCell = 39; // 3.9 mm: the largest fitted cell, height and width
constexpr std::size_t kMaxTextBytes = 255;

bool endsOnBoundary(std::string_view text, std::string_view ending) {
    if (text.size() <= ending.size() || text.substr(text.size() - ending.size()) != ending) {
        return false;
    }
    // The ending must start a character, not continue the one before it.
    const std::size_t start = text.size() - ending.size();
    return cp932::boundaryAtOrBefore(text, start) == start;
}

} // namespace

const std::string& SheetCanvas::minchoFace() {
    return cp932::lit("ＭＳ 明朝");
}

const std::string& SheetCanvas::gothicFace() {
    return cp932::lit("ＭＳ ゴシック");
}

SheetCanvas::SheetCanvas(SheetClock::Source clock)
    : clock_(clock ? std::move(clock) : SheetClock::Source(&SheetClock::today)), font_{minchoFace(),
                                                                                       kSquareCell,
                                                                                       0, kNormal} {
}

void SheetCanvas::line(Pen pen, int x1, int y1, int x2, int y2) {
    drawLine(pen, x1, y1, x2, y2);
}

void SheetCanvas::frame(Pen pen, int x1, int y1, int x2, int y2) {
    drawLine(pen, x1, y1, x2, y1);
    drawLine(pen, x2, y1, x2, y2);
    drawLine(pen, x2, y2, x1, y2);
    drawLine(pen, x1, y2, x1, y1);
}

void SheetCanvas::text(int x, int y, std::string_view text) {
    if (!text.empty()) {
        drawText(font_, x, y, text);
    }
}

SheetCanvas::Font SheetCanvas::fittedFont(std::size_t bytes, int width) {
    Font font{minchoFace(), kSquareCell, kSquareCell, kHeavy};
    const long long n = static_cast<long long>(bytes);
    if (static_cast<long long>(kSquareCell) * n > width) {
        // A box narrower than one unit per byte still gets 0.1 mm cells rather than none.
        const int w = std::max(1, static_cast<int>(std::max(0LL, width / n)));
        font.width = w;
        font.height = std::min(2 * w, kSquareCell);
    }
    return font;
}

void SheetCanvas::fittedText(int x, int y, int width, std::string_view text) {
    if (!text.empty()) {
        drawText(fittedFont(text.size(), width), x, y, text);
    }
}

std::vector<std::string_view> SheetCanvas::wrapLines(std::string_view text,
                                                     std::size_t bytesPerLine) {
    text = text.substr(0, cp932::boundaryAtOrBefore(text, kMaxTextBytes));
    // Two bytes at least, so a double-byte character always fits a line.
    const std::size_t n = std::max<std::size_t>(bytesPerLine, 2);
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        if (text.size() <= n) {
            lines.push_back(text);
            break;
        }
        // A double-byte character that would start on the line's last byte moves to the next.
        const std::size_t cut = cp932::boundaryAtOrBefore(text, n);
        lines.push_back(text.substr(0, cut));
        text.remove_prefix(cut);
    }
    return lines;
}

void SheetCanvas::wrappedText(int x, int y, std::size_t bytesPerLine, int pitch,
                              std::string_view text) {
    int lineY = y;
    for (std::string_view line : wrapLines(text, bytesPerLine)) {
        this->text(x, lineY, line);
        lineY += pitch;
    }
}

SheetCanvas::Point SheetCanvas::toPaper(int x, int y, int printX, int printY) {
    constexpr int kSheetLeft = 70;
    constexpr int kSheetTop = 50;
    return Point{x - kSheetLeft + printX, y - kSheetTop + printY};
}

std::string SheetCanvas::dateText(const SheetClock::Date& date) {
    char year[16], month[16], day[16];
    std::snprintf(year, sizeof year, "%4d", date.year);
    std::snprintf(month, sizeof month, "%2d", date.month);
    std::snprintf(day, sizeof day, "%2d", date.day);
    return year + cp932::lit("年") + month + cp932::lit("月") + day + cp932::lit("日");
}

std::string SheetCanvas::yearText(const SheetClock::Date& date) {
    char year[16];
    std::snprintf(year, sizeof year, "%4d", date.year);
    return year;
}

void SheetCanvas::today(int x, int y) {
    text(x, y, dateText(clock_()));
}

void SheetCanvas::year(int x, int y) {
    text(x, y, yearText(clock_()));
}

std::string_view SheetCanvas::withoutContestEnding(std::string_view name) {
    for (const std::string* ending : {&cp932::lit("コンテスト"), &cp932::lit("ｺﾝﾃｽﾄ")}) {
        if (endsOnBoundary(name, *ending)) {
            return name.substr(0, name.size() - ending->size());
        }
    }
    return name;
}

void SheetCanvas::contestName(int x, int y, int width, std::string_view name) {
    fittedText(x, y, width, withoutContestEnding(name));
}
