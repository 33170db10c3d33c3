// Drawing each tool bar image on a 20 by 20 grid, scaled to the sizes asked for.
#include "frame/ToolBarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

namespace {

const QColor kInk(40, 40, 40);
const QColor kPaper(255, 255, 255);
const QColor kBlue(40, 90, 170);
const QColor kYellow(235, 190, 60);
const QColor kRed(190, 50, 40);
const QColor kGreen(50, 130, 70);

void page(QPainter& p, const QRectF& r) {
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 4, r.top());
    path.lineTo(r.right(), r.top() + 4);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - 4, r.top()), QPointF(r.right() - 4, r.top() + 4));
    p.drawLine(QPointF(r.right() - 4, r.top() + 4), QPointF(r.right(), r.top() + 4));
}

void lines(QPainter& p, qreal x1, qreal x2, qreal top, int count) {
    p.setPen(QPen(kBlue, 1));
    for (int i = 0; i < count; ++i) {
        p.drawLine(QPointF(x1, top + i * 2.5), QPointF(x2, top + i * 2.5));
    }
}

void magnifier(QPainter& p, QPointF centre, qreal radius) {
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(200, 225, 250));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
    const qreal d = radius * 0.7;
    p.drawLine(centre + QPointF(d, d), centre + QPointF(d + 4.5, d + 4.5));
}

void printer(QPainter& p) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRect(QRectF(5.5, 2.5, 9, 6));
    p.setBrush(QColor(190, 190, 190));
    p.drawRoundedRect(QRectF(2.5, 8.5, 15, 6), 1, 1);
    p.setBrush(kPaper);
    p.drawRect(QRectF(5.5, 12.5, 9, 5));
    lines(p, 7, 13, 14.5, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(15, 10.5), 0.9, 0.9);
}

void gear(QPainter& p, QPointF c, qreal r) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(QColor(150, 150, 160));
    QPainterPath path;
    for (int i = 0; i < 16; ++i) {
        const qreal angle = i * 3.14159265 / 8;
        const qreal radius = i % 2 == 0 ? r : r * 0.75;
        const QPointF point = c + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        i == 0 ? path.moveTo(point) : path.lineTo(point);
    }
    path.closeSubpath();
    p.drawPath(path);
    p.setBrush(kPaper);
    p.drawEllipse(c, r * 0.3, r * 0.3);
}

void questionMark(QPainter& p, const QRectF& r, const QColor& colour) {
    QFont font;
    font.setBold(true);
    font.setPixelSize(static_cast<int>(r.height()));
    p.setFont(font);
    p.setPen(colour);
    p.drawText(r, Qt::AlignCenter, QStringLiteral("?"));
}

void draw(QPainter& p, ToolBarIcons::Kind kind) {
    using Kind = ToolBarIcons::Kind;
    switch (kind) {
    case Kind::newFile:
        page(p, QRectF(4.5, 1.5, 11, 17));
        p.setPen(QPen(kYellow, 1.5));
        p.drawLine(QPointF(14, 10), QPointF(18, 14));
        p.drawLine(QPointF(18, 10), QPointF(14, 14));
        p.drawLine(QPointF(16, 9), QPointF(16, 15));
        break;
    case Kind::open: {
        p.setPen(QPen(kInk, 1));
        p.setBrush(kYellow.darker(115));
        p.drawRect(QRectF(1.5, 5.5, 15, 11));
        p.setBrush(kYellow);
        QPolygonF front;
        front << QPointF(4.5, 9.5) << QPointF(19, 9.5) << QPointF(16.5, 16.5) << QPointF(1.5, 16.5);
        p.drawPolygon(front);
        p.setPen(QPen(kBlue, 1.5));
        p.drawLine(QPointF(12, 2), QPointF(16, 2));
        p.drawLine(QPointF(16, 2), QPointF(16, 6));
        break;
    }
    case Kind::save:
        p.setPen(QPen(kInk, 1));
        p.setBrush(kBlue);
        p.drawRoundedRect(QRectF(2.5, 2.5, 15, 15), 1, 1);
        p.setBrush(kPaper);
        p.drawRect(QRectF(5.5, 2.5, 9, 6));
        p.setBrush(QColor(190, 190, 190));
        p.drawRect(QRectF(5.5, 11.5, 9, 6));
        p.setBrush(kInk);
        p.drawRect(QRectF(11, 12.5, 2, 4));
        break;
    case Kind::print:
        printer(p);
        break;
    case Kind::preview:
        page(p, QRectF(2.5, 1.5, 11, 16));
        lines(p, 4.5, 11.5, 5, 3);
        magnifier(p, QPointF(12, 11.5), 3.5);
        break;
    case Kind::printPosition:
        page(p, QRectF(3.5, 3.5, 13, 14));
        p.setPen(QPen(kRed, 1.5));
        p.drawLine(QPointF(10, 6), QPointF(10, 15));
        p.drawLine(QPointF(5.5, 10.5), QPointF(14.5, 10.5));
        p.setBrush(kRed);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF{QPointF(10, 4.5), QPointF(8, 7), QPointF(12, 7)});
        p.drawPolygon(QPolygonF{QPointF(16, 10.5), QPointF(13.5, 8.5), QPointF(13.5, 12.5)});
        break;
    case Kind::masterSettings:
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(240, 200, 160));
        p.drawEllipse(QPointF(7.5, 5.5), 3.5, 3.5);
        p.setBrush(kBlue);
        p.drawChord(QRectF(1.5, 10.5, 12, 12), 0, 180 * 16);
        gear(p, QPointF(15, 14), 4.5);
        break;
    case Kind::contestSettings:
        p.setPen(QPen(kInk, 1.5));
        p.drawLine(QPointF(4, 2), QPointF(4, 18.5));
        p.setPen(QPen(kInk, 1));
        p.setBrush(kRed);
        p.drawPolygon(QPolygonF{QPointF(4.5, 2.5), QPointF(17, 6), QPointF(4.5, 10)});
        gear(p, QPointF(14, 14.5), 4);
        break;
    case Kind::search:
        magnifier(p, QPointF(8, 8), 5.5);
        break;
    case Kind::about:
        p.setPen(QPen(kBlue.darker(120), 1));
        p.setBrush(kBlue);
        p.drawEllipse(QPointF(10, 10), 8, 8);
        questionMark(p, QRectF(2, 2, 16, 16), kPaper);
        break;
    case Kind::contextHelp: {
        p.setPen(QPen(kInk, 1));
        p.setBrush(kPaper);
        QPolygonF arrow;
        arrow << QPointF(1.5, 1.5) << QPointF(1.5, 14) << QPointF(4.5, 11) << QPointF(7, 16.5)
              << QPointF(9, 15.5) << QPointF(6.5, 10) << QPointF(10.5, 10);
        p.drawPolygon(arrow);
        questionMark(p, QRectF(9, 3, 11, 14), kBlue);
        break;
    }
    }
}

QIcon paint(ToolBarIcons::Kind kind) {
    QIcon icon;
    for (int size : {20, 40}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 20.0, size / 20.0);
        draw(painter, kind);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon ToolBarIcons::icon(Kind kind) {
    return paint(kind);
}

QIcon ToolBarIcons::programIcon() {
    QIcon icon;
    for (int size : {16, 32, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 32.0, size / 32.0);
        // A log sheet with a call-sign "K" stamped on it.
        p.setPen(QPen(kInk, 1.5));
        p.setBrush(kPaper);
        p.drawRect(QRectF(5, 2, 22, 28));
        p.setPen(QPen(kBlue, 1));
        for (int i = 0; i < 6; ++i) {
            p.drawLine(QPointF(8, 16 + i * 2.3), QPointF(24, 16 + i * 2.3));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(kRed);
        p.drawEllipse(QPointF(16, 9), 6, 6);
        QFont font;
        font.setBold(true);
        font.setPixelSize(10);
        p.setFont(font);
        p.setPen(kPaper);
        p.drawText(QRectF(10, 3, 12, 12), Qt::AlignCenter, QStringLiteral("K"));
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
