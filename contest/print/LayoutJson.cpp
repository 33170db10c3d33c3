// Writing the recorded pages, one page at a time so the recording never holds the whole print.
#include "print/LayoutJson.h"

#include "app/JsonWriter.h"
#include "print/RecordingCanvas.h"
#include "print/SheetPrinter.h"

namespace layout_json {
namespace {

const char* penName(SheetCanvas::Pen pen) {
    switch (pen) {
    case SheetCanvas::Pen::Dotted:
        return "dotted";
    case SheetCanvas::Pen::Thick:
        return "thick";
    case SheetCanvas::Pen::Thin:
        break;
    }
    return "thin";
}

void writeOp(JsonWriter& json, const RecordingCanvas::Op& op) {
    json.beginObject();
    if (op.kind == RecordingCanvas::Op::Kind::Line) {
        json.utf8("op", "line")
            .utf8("pen", penName(op.pen))
            .number("x1", op.x1)
            .number("y1", op.y1)
            .number("x2", op.x2)
            .number("y2", op.y2);
    } else {
        json.utf8("op", "text").number("x", op.x1).number("y", op.y1);
        json.beginObject("font")
            .text("face", op.font.face)
            .number("height", op.font.height)
            .number("width", op.font.width)
            .number("weight", op.font.weight)
            .endObject();
        json.text("text", op.text);
    }
    json.endObject();
}

void writePage(JsonWriter& json, const RecordingCanvas::Page& recorded) {
    const PagePlan::Page& page = recorded.page;
    json.beginObject().number("page", static_cast<std::int64_t>(page.number));
    if (page.kind == PagePlan::Kind::Summary) {
        json.utf8("kind", "summary").null("band").null("sheet");
    } else {
        json.utf8("kind", "log").number("band", page.band);
        json.beginArray("sheet")
            .number(static_cast<std::int64_t>(page.sheet + 1))
            .number(static_cast<std::int64_t>(page.sheets))
            .endArray();
    }
    json.beginArray("offset").number(recorded.printX).number(recorded.printY).endArray();
    json.beginArray("ops");
    for (const RecordingCanvas::Op& op : recorded.ops) {
        writeOp(json, op);
    }
    json.endArray().endObject();
}

} // namespace

std::string write(const CKorvaneDoc& doc, SheetClock::Source clock) {
    const SheetPrinter printer(doc);
    RecordingCanvas canvas(std::move(clock));
    JsonWriter json;
    json.beginObject().beginArray("pages");
    for (std::size_t p = 1; p <= printer.pageCount(); ++p) {
        canvas.clear();
        printer.drawPage(p, canvas);
        for (const RecordingCanvas::Page& recorded : canvas.pages()) {
            writePage(json, recorded);
        }
    }
    json.endArray().endObject();
    return json.str();
}

} // namespace layout_json
