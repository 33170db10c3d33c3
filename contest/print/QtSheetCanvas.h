// The sheets drawn with QPainter on any paint device (PDF, image, printer, preview): layout units
// of 0.1 mm mapped to device pixels with the print offset, text cells placed by their top-left
// corner and sized by cell height and half-width advance, heavy text struck a few times a little
// apart.
#pragma once

#include "print/SheetCanvas.h"

#include <QFont>
#include <QPainter>
#include <QPointF>
#include <map>
#include <string>

class QtSheetCanvas : public SheetCanvas {
public:
    // The painter must be active on the device; devicePixelsPerUnit is the device's pixels per
    // 0.1 mm (dpi / 254).
    QtSheetCanvas(QPainter& painter, double devicePixelsPerUnit, SheetClock::Source clock = {});

    void beginPage(const PagePlan::Page& page, int printX, int printY) override;

    // The installed family that stands for a face: the face itself when present, else IPA Mincho
    // or IPA Gothic for the Mincho and Gothic faces of the sheets.
    static QString familyFor(const std::string& cp932Face);

protected:
    void drawLine(Pen pen, int x1, int y1, int x2, int y2) override;
    void drawText(const Font& font, int x, int y, std::string_view text) override;

private:
    // A face at a reference pixel size, with the measures every text is scaled from. Always the
    // regular style, so heavy text keeps its metrics and is never emboldened twice.
    struct Face {
        QFont font;
        qreal ascent = 0;
        qreal cellHeight = 0;  // ascent plus descent
        qreal halfAdvance = 0; // advance of a half-width character
    };

    const Face& faceFor(const std::string& cp932Face);
    // How far text of the weight is struck again around its place, in reference pixels: not at
    // all up to regular, furthest at heavy.
    static qreal reachFor(int weight);
    QPointF toDevice(int x, int y) const;

    QPainter& painter_;
    qreal scale_;
    int printX_ = 0;
    int printY_ = 0;
    std::map<std::string, Face> faces_;
};
