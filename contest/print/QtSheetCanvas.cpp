// QPainter drawing of the sheet operations.
#include "print/QtSheetCanvas.h"

#include "common/Cp932.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPen>
#include <algorithm>
#include <iterator>

namespace {

// Faces are measured at this size and scaled to each cell, so one font serves every size.
constexpr int kReferencePixels = 200;

// How far the heaviest text is struck again on every side, in ems: its strokes thicken by twice
// that, 1/20 em.
constexpr qreal kHeavyReachEm = 1.0 / 40;

constexpr qreal kDotMm = 0.25;
constexpr qreal kDotGapMm = 0.45;

QString toQString(std::string_view cp932Text) {
    QString text = QString::fromStdString(cp932::toUtf8(cp932Text));
    // Control characters keep their cell as a blank, so the fixed pitch of the text holds.
    for (QChar& c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
            c = QLatin1Char(' ');
        }
    }
    return text;
}

} // namespace

QtSheetCanvas::QtSheetCanvas(QPainter& painter, double devicePixelsPerUnit,
                             SheetClock::Source clock)
    : SheetCanvas(std::move(clock)), painter_(painter), scale_(devicePixelsPerUnit) {}

void QtSheetCanvas::beginPage(const PagePlan::Page&, int printX, int printY) {
    printX_ = printX;
    printY_ = printY;
}

QPointF QtSheetCanvas::toDevice(int x, int y) const {
    const Point paper = toPaper(x, y, printX_, printY_);
    return QPointF(paper.x * scale_, paper.y * scale_);
}

QString QtSheetCanvas::familyFor(const std::string& cp932Face) {
    const QString face = QString::fromStdString(cp932::toUtf8(cp932Face));
    if (QFontDatabase::hasFamily(face)) {
        return face;
    }
    if (cp932Face == gothicFace()) {
        return QFontDatabase::hasFamily("MS Gothic") ? QStringLiteral("MS Gothic")
                                                     : QStringLiteral("IPAGothic");
    }
    if (cp932Face == minchoFace()) {
        return QFontDatabase::hasFamily("MS Mincho") ? QStringLiteral("MS Mincho")
                                                     : QStringLiteral("IPAMincho");
    }
    return face;
}

const QtSheetCanvas::Face& QtSheetCanvas::faceFor(const std::string& cp932Face) {
    auto found = faces_.find(cp932Face);
    if (found != faces_.end()) {
        return found->second;
    }
    Face face;
    face.font.setFamilies({familyFor(cp932Face)});
    face.font.setPixelSize(kReferencePixels);
    face.font.setStyleHint(QFont::TypeWriter);
    face.font.setHintingPreference(QFont::PreferNoHinting);
    face.font.setKerning(false);
    const QFontMetricsF metrics(face.font, painter_.device());
    face.ascent = metrics.ascent();
    face.cellHeight = std::max<qreal>(metrics.ascent() + metrics.descent(), 1);
    face.halfAdvance = std::max<qreal>(metrics.horizontalAdvance(QLatin1Char('0')), 1);
    return faces_.emplace(cp932Face, face).first->second;
}

qreal QtSheetCanvas::reachFor(int weight) {
    const qreal heaviness =
        static_cast<qreal>(std::clamp(weight, kNormal, kHeavy) - kNormal) / (kHeavy - kNormal);
    return heaviness * kHeavyReachEm * kReferencePixels;
}

void QtSheetCanvas::drawLine(Pen pen, int x1, int y1, int x2, int y2) {
    const int units = pen == Pen::Thick ? 7 : 1;
    // Never thinner than a device pixel, so low-resolution images keep every rule.
    const qreal width = std::max<qreal>(units * scale_, 1);
    QPen qpen(Qt::black, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    if (pen == Pen::Dotted) {
        const qreal pixelsPerMm = scale_ * 10;
        qpen.setCapStyle(Qt::FlatCap);
        qpen.setDashPattern({std::max<qreal>(kDotMm * pixelsPerMm / width, 1),
                             std::max<qreal>(kDotGapMm * pixelsPerMm / width, 1)});
    }
    painter_.setPen(qpen);
    painter_.drawLine(toDevice(x1, y1), toDevice(x2, y2));
}

void QtSheetCanvas::drawText(const Font& font, int x, int y, std::string_view text) {
    if (font.height <= 0) {
        return;
    }
    const Face& face = faceFor(font.face);
    const qreal sy = font.height * scale_ / face.cellHeight;
    const qreal sx = font.width > 0 ? font.width * scale_ / face.halfAdvance : sy;
    const QString qtext = toQString(text);
    const QPointF baseline(0, face.ascent);
    painter_.save();
    painter_.translate(toDevice(x, y));
    painter_.scale(sx, sy);
    painter_.setFont(face.font);
    painter_.setPen(Qt::black);
    // The faces have no heavy style: heavy text is struck again around its place, which thickens
    // every stroke while the cell and the advances stay the regular face's. Unlike stroking the
    // glyph outlines, this keeps a PDF small and fast to write, and PDF readers take strikes this
    // close as one text.
    const qreal reach = reachFor(font.weight);
    static constexpr QPointF kStrikes[] = {{0, 0}, {1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    const std::size_t strikes = reach > 0 ? std::size(kStrikes) : 1;
    for (std::size_t i = 0; i < strikes; ++i) {
        painter_.drawText(baseline + kStrikes[i] * reach, qtext);
    }
    painter_.restore();
}
