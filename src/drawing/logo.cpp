#include "drawing/logo.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "drawing/beltshapes.h"

namespace belt {

namespace {

// Badge geometry in a 100 x 115 box; the word mark takes the bottom 15.
constexpr double kBoxW = 100.0;
constexpr double kBoxH = 115.0;

void drawPulley(QPainter& p, QPointF c, double r) {
    p.setPen(QPen(QColor(40, 40, 48), 1.2));
    p.setBrush(QColor(205, 210, 218));
    p.drawEllipse(c, r, r);
    p.setBrush(QColor(120, 126, 138));
    p.drawEllipse(c, r * 0.42, r * 0.42);
    p.setBrush(QColor(40, 40, 48));
    p.drawEllipse(c, r * 0.14, r * 0.14);
}

}  // namespace

void DrawLogo(QPainter& painter, const QRectF& rect, bool withWordMark) {
    const double boxH = withWordMark ? kBoxH : kBoxW;
    const double scale = std::min(rect.width() / kBoxW, rect.height() / boxH);
    if (scale <= 0) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(rect.center().x() - kBoxW * scale / 2, rect.center().y() - boxH * scale / 2);
    painter.scale(scale, scale);

    // Badge.
    QRadialGradient badge(QPointF(40, 35), 60);
    badge.setColorAt(0, QColor(236, 96, 60));
    badge.setColorAt(1, QColor(168, 34, 24));
    painter.setPen(QPen(QColor(255, 255, 255), 3));
    painter.setBrush(badge);
    painter.drawEllipse(QPointF(50, 50), 47, 47);

    // Belt with teeth on its inner side, round a large and a small pulley.
    const QPointF big(37, 60);
    const QPointF small(68, 32);
    const double rBig = 20, rSmall = 12;
    const QPainterPath outer = BeltLoopPath(big, rBig + 5, small, rSmall + 5);
    const QPainterPath inner = BeltLoopPath(big, rBig + 1, small, rSmall + 1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 36));
    // The belt is the ring between the two outlines (even-odd fill).
    QPainterPath ring = outer;
    ring.addPath(inner);
    ring.setFillRule(Qt::OddEvenFill);
    painter.drawPath(ring);
    // Teeth: short marks spread evenly along the inner line.
    DrawTeethAlong(painter, inner, 34, 2.2, 2.2, QColor(30, 30, 36));
    drawPulley(painter, big, rBig - 1.5);
    drawPulley(painter, small, rSmall - 1.5);

    if (withWordMark) {
        QFont f(QStringLiteral("Sans Serif"));
        f.setBold(true);
        f.setPixelSize(13);
        f.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
        painter.setFont(f);
        painter.setPen(QColor(168, 34, 24));
        painter.drawText(QRectF(0, 99, kBoxW, 16), Qt::AlignCenter, QStringLiteral("VESTRANO"));
    }
    painter.restore();
}

void DrawPhone(QPainter& p, const QRectF& rect, const QColor& body, const QColor& dial) {
    // A desk telephone: handset on top of a rounded base with a dial.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double s = std::min(rect.width(), rect.height());
    p.translate(rect.left() + (rect.width() - s) / 2, rect.top() + (rect.height() - s) / 2);
    p.scale(s / 100.0, s / 100.0);

    QPainterPath handset;
    handset.moveTo(8, 34);
    handset.cubicTo(8, 14, 92, 14, 92, 34);
    handset.lineTo(92, 42);
    handset.lineTo(72, 42);
    handset.lineTo(70, 32);
    handset.cubicTo(58, 28, 42, 28, 30, 32);
    handset.lineTo(28, 42);
    handset.lineTo(8, 42);
    handset.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPath(handset);

    QPainterPath base;
    base.moveTo(30, 40);
    base.lineTo(70, 40);
    base.lineTo(90, 86);
    base.quadTo(90, 92, 84, 92);
    base.lineTo(16, 92);
    base.quadTo(10, 92, 10, 86);
    base.closeSubpath();
    p.drawPath(base);

    p.setBrush(dial);
    p.drawEllipse(QPointF(50, 66), 14, 14);
    p.setBrush(body);
    p.drawEllipse(QPointF(50, 66), 5, 5);
    for (int i = 0; i < 10; ++i) {
        const double a = (i * 27.0 + 200.0) * 3.141592654 / 180.0;
        p.drawEllipse(QPointF(50 + 10 * std::cos(a), 66 + 10 * std::sin(a)), 1.8, 1.8);
    }
    p.restore();
}

}  // namespace belt
