// Documents built by hand for the sheet tests, and look-ups in what the recording canvas saw.
#pragma once

#include "common/Cp932.h"
#include "document/CKorvaneDoc.h"
#include "print/RecordingCanvas.h"
#include "print/SheetPrinter.h"

#include <string>
#include <vector>

namespace sheet_test {

using Op = RecordingCanvas::Op;
using Font = SheetCanvas::Font;
using Pen = SheetCanvas::Pen;

inline constexpr SheetClock::Date kToday{2026, 6, 14};

inline SheetClock::Source fixedClock() {
    return [] { return kToday; };
}

inline Font mincho(int height, int weight) {
    return Font{SheetCanvas::minchoFace(), height, 0, weight};
}

inline Font gothic(int height, int weight) {
    return Font{SheetCanvas::gothicFace(), height, 0, weight};
}

// A contest's usual rules: one point per QSO, multipliers tallied from the same field.
inline ExchangeRules contestRules() {
    ExchangeRules rules;
    rules.logPoints = {.choice = 1, .fixedValue = 1};
    rules.summaryMulti = {.choice = 2, .qsoField = 8};
    rules.logMulti = {.choice = 2, .qsoField = 8};
    return rules;
}

inline CKorvaneDoc contestDoc() {
    CKorvaneDoc doc;
    doc.contest.rules = contestRules();
    doc.master.callSign = "JA1ZZZ";
    return doc;
}

// Appends n QSOs to the band, all on one day unless newDayAt names the first row of 06/14; every
// `multiplierEvery`-th row (0: none) brings a multiplier.
inline void addRows(CKorvaneDoc& doc, int band, int n, int newDayAt = -1, int multiplierEvery = 0) {
    const int before = static_cast<int>(doc.results.rowCount(band));
    for (int i = 0; i < n; ++i) {
        LogRow row;
        row.monthDay = newDayAt >= 0 && before + i >= newDayAt ? "06/14" : "06/13";
        row.hourMinute = "21:" + std::to_string(10 + i % 50);
        row.station = "JA1A" + std::to_string(before + i);
        row.sent = "59910";
        row.received = "5913";
        row.points = "1";
        if (multiplierEvery > 0 && i % multiplierEvery == 0) {
            row.multiplier = std::to_string(before + i);
            doc.results.addMultiplier(band, row.multiplier);
        }
        doc.results.appendRow(band, row);
    }
}

inline RecordingCanvas::Page record(const CKorvaneDoc& doc, std::size_t pageNumber) {
    RecordingCanvas canvas(fixedClock());
    SheetPrinter(doc).drawPage(pageNumber, canvas);
    return canvas.pages().empty() ? RecordingCanvas::Page{} : canvas.pages().front();
}

inline std::vector<Op> texts(const RecordingCanvas::Page& page) {
    std::vector<Op> found;
    for (const Op& op : page.ops) {
        if (op.kind == Op::Kind::Text) {
            found.push_back(op);
        }
    }
    return found;
}

inline std::vector<Op> lines(const RecordingCanvas::Page& page) {
    std::vector<Op> found;
    for (const Op& op : page.ops) {
        if (op.kind == Op::Kind::Line) {
            found.push_back(op);
        }
    }
    return found;
}

// The texts drawn with their top-left corner at (x, y).
inline std::vector<Op> textsAt(const RecordingCanvas::Page& page, int x, int y) {
    std::vector<Op> found;
    for (const Op& op : texts(page)) {
        if (op.x1 == x && op.y1 == y) {
            found.push_back(op);
        }
    }
    return found;
}

inline std::string textAt(const RecordingCanvas::Page& page, int x, int y) {
    const std::vector<Op> found = textsAt(page, x, y);
    return found.size() == 1 ? cp932::toUtf8(found[0].text) : std::string("<none>");
}

inline int countLines(const RecordingCanvas::Page& page, Pen pen, int x1, int y1, int x2, int y2) {
    int n = 0;
    for (const Op& op : lines(page)) {
        n += op.pen == pen && op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2;
    }
    return n;
}

} // namespace sheet_test
