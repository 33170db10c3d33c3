// The log-sheet layout: header, table, QSO lines and page totals.
#include "print/LogSheet.h"

#include "common/Cp932.h"
#include "exchange/BandTable.h"
#include "exchange/Scoring.h"
#include "print/SheetFormat.h"

#include <string>

namespace {

using Pen = SheetCanvas::Pen;

struct Label {
    int x;
    int y;
    const char* utf8;
};

// Column headings, two lines per column.
constexpr Label kHeadings[] = {
    {160, 210, "Date  Time"},
    {160, 265, "月日　時分　JST"},
    {530, 210, "Station Wkd."},
    {550, 265, "交　信　局"},
    {920, 210, "Exchange（コンテストナンバー）"},
    {860, 265, "Sent（送信）"},
    {1170, 265, "Received（受信）"},
    {1510, 210, "Mult."},
    {1500, 265, "マルチ"},
    {1670, 210, "Pts"},
    {1660, 265, "得点"},
    {1800, 210, "Op."},
    {1770, 265, "運用者"},
    {1945, 210, "Rmks"},
    {1950, 265, "備考"},
};

constexpr Label kLineNumbers[] = {
    {90, 780, "10"}, {90, 1280, "20"}, {90, 1780, "30"}, {90, 2280, "40"}, {90, 2780, "50"},
};

struct Rule {
    Pen pen;
    int x1, y1, x2, y2;
};

constexpr Rule kUnderlines[] = {
    {Pen::Thin, 1050, 130, 1298, 130}, // year
    {Pen::Thin, 1370, 130, 1688, 130}, // contest name
    {Pen::Thin, 465, 182, 855, 182},   // call sign
    {Pen::Thin, 1085, 182, 1325, 182}, // band
    {Pen::Thin, 1845, 182, 2040, 182}, // sheet number
};

constexpr int kTableLeft = 150;
constexpr int kTableRight = 2060;
constexpr int kTableTop = 210;
constexpr int kTableBottom = 2805;
constexpr int kHeadingsBottom = 305;
constexpr int kRowHeight = 50;
constexpr int kTotalsBottom = 2873;

constexpr Rule kTotalBoxes[] = {
    {Pen::Thin, 455, kTotalsBottom, 792, kTotalsBottom},
    {Pen::Thin, 1455, kTotalsBottom, 1740, kTotalsBottom},
};

// Column edges, left to right.
constexpr Rule kColumns[] = {
    {Pen::Thin, 455, kTableTop, 455, kTotalsBottom},   // date and time | station
    {Pen::Thin, 792, kTableTop, 792, kTotalsBottom},   // station | exchange
    {Pen::Thin, 1120, 252, 1120, kTableBottom},        // sent | received
    {Pen::Thin, 1455, kTableTop, 1455, kTotalsBottom}, // exchange | multiplier
    {Pen::Thin, 1650, kTableTop, 1650, kTotalsBottom}, // multiplier | points
    {Pen::Thin, 1740, kTableTop, 1740, kTotalsBottom}, // points | operator
    {Pen::Thin, 1915, kTableTop, 1915, kTableBottom},  // operator | remarks
};

constexpr int kFirstRowTop = 310;
constexpr int kTotalsTop = 2830;

void rule(SheetCanvas& canvas, const Rule& r) {
    canvas.line(r.pen, r.x1, r.y1, r.x2, r.y2);
}

void label(SheetCanvas& canvas, const Label& l) {
    canvas.text(l.x, l.y, cp932::lit(l.utf8));
}

} // namespace

void LogSheet::draw(SheetCanvas& canvas, const CKorvaneDoc& doc, const PagePlan::Page& page) {
    const SheetCanvas::Font previous = canvas.currentFont();
    const SheetCanvas::Font title{SheetCanvas::gothicFace(), 35, 0, SheetCanvas::kHeavy};
    const SheetCanvas::Font labelFont{SheetCanvas::minchoFace(), 26, 0, SheetCanvas::kNormal};
    const SheetCanvas::Font lineFont{SheetCanvas::minchoFace(), 39, 0, SheetCanvas::kHeavy};

    canvas.selectFont(title);
    canvas.text(150, 90, cp932::lit("ＬＯＧＳＨＥＥＴ（ログシート）"));
    canvas.selectFont(labelFont);
    canvas.text(890, 90, cp932::lit("Year（年）"));
    canvas.year(1130, 90);
    canvas.text(1300, 90, ",");
    canvas.contestName(1370, 90, 320, doc.contest.contestName);
    canvas.text(150, 155, cp932::lit("Callsign（コールサイン）"));
    canvas.text(470, 155, doc.master.callSign);
    canvas.text(860, 155, cp932::lit(", Band（バンド）"));
    canvas.text(1100, 155, BandTable::logSheetLabel(page.band));
    canvas.text(1330, 155, "MHz,");
    canvas.text(1470, 155, cp932::lit("Sheet No.（シートナンバー）"));
    canvas.text(1860, 155, std::to_string(page.sheet + 1) + "/" + std::to_string(page.sheets));

    for (const Label& heading : kHeadings) {
        label(canvas, heading);
    }
    for (const Label& number : kLineNumbers) {
        label(canvas, number);
    }
    canvas.text(260, kTotalsTop, cp932::lit("Totals（合計）"));
    canvas.text(1260, kTotalsTop, cp932::lit("Totals（合計）"));

    for (const Rule& underline : kUnderlines) {
        rule(canvas, underline);
    }
    canvas.frame(Pen::Thin, kTableLeft, kTableTop, kTableRight, kTableBottom);
    canvas.line(Pen::Dotted, kTableLeft, 252, kTableRight, 252);
    canvas.line(Pen::Thin, kTableLeft, kHeadingsBottom, kTableRight, kHeadingsBottom);
    for (int r = 1; r <= Scoring::kRowsPerPage; ++r) {
        const int y = kHeadingsBottom + kRowHeight * r;
        canvas.line(r % 10 == 0 ? Pen::Thin : Pen::Dotted, kTableLeft, y, kTableRight, y);
    }
    for (const Rule& box : kTotalBoxes) {
        rule(canvas, box);
    }
    for (const Rule& column : kColumns) {
        rule(canvas, column);
    }

    canvas.selectFont(lineFont);
    const Scoring scoring(doc.contest.rules, doc.results);
    const Scoring::PageFigures figures = scoring.page(page.band, page.sheet);
    const auto& rows = doc.results.bandRows(page.band);
    std::string shownDate;
    int y = kFirstRowTop;
    for (std::size_t i = 0; i < figures.rowCount; ++i, y += kRowHeight) {
        const LogRow& row = rows[figures.firstRow + i];
        if (row.monthDay != shownDate) {
            canvas.text(160, y, row.monthDay);
            shownDate = row.monthDay;
        }
        canvas.text(315, y, row.hourMinute);
        canvas.text(500, y, row.station);
        canvas.fittedText(810, y, 290, row.sent);
        canvas.fittedText(1130, y, 290, row.received);
        canvas.text(1470, y, row.multiplier);
        canvas.fittedText(1660, y, 70, row.points);
        canvas.fittedText(1750, y, 160, row.operatorText);
        canvas.fittedText(1925, y, 120, row.remarks);
    }

    if (!figures.qsos.isZero()) {
        canvas.text(470, kTotalsTop, sheet_format::figure(figures.qsos));
    }
    if (!figures.newMultipliers.isZero()) {
        canvas.text(1470, kTotalsTop, sheet_format::figure(figures.newMultipliers));
    }
    if (!figures.points.isZero()) {
        canvas.text(1660, kTotalsTop, sheet_format::figure(figures.points));
    }
    canvas.selectFont(previous);
}
