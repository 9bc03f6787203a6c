#include "drawing/logo.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

namespace belt {

namespace {

// Badge geometry in a 100 x 115 box; the word mark takes the bottom 15.
constexpr double kBoxW = 100.0;
constexpr double kBoxH = 115.0;

// Outline of a belt wrapped round two pulleys (centres c1, c2, radii r1, r2)
// along the outer common tangents.
QPainterPath beltOutline(QPointF c1, double r1, QPointF c2, double r2) {
    const double dx = c2.x() - c1.x();
    const double dy = c2.y() - c1.y();
    const double d = std::hypot(dx, dy);
    const double base = std::atan2(dy, dx);
    const double phi = std::acos((r1 - r2) / d);  // angle from the centre line to the tangent point
    constexpr double deg = 180.0 / 3.141592654;
    QPainterPath path;
    const double a1 = base + phi;
    const double a2 = base - phi;
    path.moveTo(c1.x() + r1 * std::cos(a1), c1.y() + r1 * std::sin(a1));
    path.lineTo(c2.x() + r2 * std::cos(a1), c2.y() + r2 * std::sin(a1));
    // Qt's arcs run counter-clockwise in degrees with y pointing down.
    path.arcTo(QRectF(c2.x() - r2, c2.y() - r2, 2 * r2, 2 * r2), -a1 * deg, (a1 - a2) * deg);
    path.lineTo(c1.x() + r1 * std::cos(a2), c1.y() + r1 * std::sin(a2));
    path.arcTo(QRectF(c1.x() - r1, c1.y() - r1, 2 * r1, 2 * r1), -a2 * deg,
               (2 * 3.141592654 - (a1 - a2)) * deg);
    path.closeSubpath();
    return path;
}

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
    const QPainterPath outer = beltOutline(big, rBig + 5, small, rSmall + 5);
    const QPainterPath inner = beltOutline(big, rBig + 1, small, rSmall + 1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 30, 36));
    painter.drawPath(outer.subtracted(inner));
    // Teeth: short marks spread evenly along the inner line.
    painter.setPen(QPen(QColor(30, 30, 36), 2.2, Qt::SolidLine, Qt::FlatCap));
    constexpr int kTeeth = 34;
    for (int i = 0; i < kTeeth; ++i) {
        const double t = (i + 0.5) / kTeeth;
        const QPointF a = inner.pointAtPercent(t);
        const double angle = inner.angleAtPercent(t) * 3.141592654 / 180.0;
        // Normal pointing into the belt loop.
        const QPointF n(-std::sin(angle), -std::cos(angle));
        painter.drawLine(a, a + 2.2 * n);
    }
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

LogoWidget::LogoWidget(QWidget* parent, bool withWordMark) : QWidget(parent), withWordMark_(withWordMark) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void LogoWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    DrawLogo(p, QRectF(rect()), withWordMark_);
}

}  // namespace belt
