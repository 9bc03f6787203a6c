#include "drawing/drawingsheet.h"

namespace belt::drawing {

Sheet::Sheet(QPainter& painter, const QRectF& area, const DrawingColours& colours)
    : area(area), colours(colours), painter_(painter) {
    const double side = std::min(area.width(), area.height());
    line = std::max(0.5, side / 230.0);
    letter = std::max(6.0, std::min(side * 0.085, area.width() * 0.05));
    font_ = QFont(QStringLiteral("Times New Roman"));
    font_.setItalic(true);
    font_.setPixelSize(std::max(1, static_cast<int>(std::lround(letter))));
    arrow = std::max(3.0 * line, letter * 0.42);
}

void Sheet::place(QPointF originPx, double pxPerMm) {
    origin_ = originPx;
    scale = pxPerMm;
}

QPointF Sheet::at(double x, double y) const {
    return origin_ + QPointF(x * scale, y * scale);
}

double Sheet::px(double mm) const {
    return mm * scale;
}

double Sheet::mm(double px) const {
    return scale > 0 ? px / scale : 0;
}

QTransform Sheet::toDevice() const {
    return QTransform(scale, 0, 0, scale, origin_.x(), origin_.y());
}

double Sheet::textWidth(const QString& s) const {
    return QFontMetricsF(font_).horizontalAdvance(s);
}

double Sheet::textHeight() const {
    return QFontMetricsF(font_).height();
}

void Sheet::fillBackground() {
    if (colours.background.alpha() == 0 && colours.frame.alpha() == 0) return;
    painter_.save();
    painter_.setPen(colours.frame.alpha() ? QPen(colours.frame, line) : QPen(Qt::NoPen));
    painter_.setBrush(colours.background.alpha() ? QBrush(colours.background) : QBrush(Qt::NoBrush));
    const double r = std::min(area.width(), area.height()) * 0.03;
    painter_.drawRoundedRect(area.adjusted(line / 2, line / 2, -line / 2, -line / 2), r, r);
    painter_.restore();
}

void Sheet::part(const QPainterPath& mmPath, const QColor& fill, double width) {
    painter_.save();
    painter_.setPen(QPen(colours.outline, line * width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter_.setBrush(fill.alpha() ? QBrush(fill) : QBrush(Qt::NoBrush));
    painter_.drawPath(toDevice().map(mmPath));
    painter_.restore();
}

void Sheet::hatch(const QPainterPath& mmPath) {
    const QPainterPath region = toDevice().map(mmPath);
    const QRectF box = region.boundingRect();
    const double step = std::max(3.0, letter * 0.35);
    painter_.save();
    painter_.setClipPath(region, Qt::IntersectClip);
    painter_.setPen(QPen(colours.hatch, line * 0.6));
    for (double x = box.left() - box.height(); x < box.right(); x += step)
        painter_.drawLine(QPointF(x, box.bottom()), QPointF(x + box.height(), box.top()));
    painter_.restore();
}

void Sheet::stroke(const QPainterPath& mmPath, const QColor& colour, double width, Qt::PenStyle style) {
    painter_.save();
    painter_.setPen(QPen(colour, line * width, style, Qt::FlatCap));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(toDevice().map(mmPath));
    painter_.restore();
}

void Sheet::dots(const std::vector<QPointF>& mmCentres, double radiusPx, const QColor& colour) {
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(colour);
    for (const QPointF& c : mmCentres) painter_.drawEllipse(at(c.x(), c.y()), radiusPx, radiusPx);
    painter_.restore();
}

void Sheet::extension(QPointF a, QPointF b) {
    painter_.save();
    painter_.setPen(QPen(colours.dimension, line * 0.55, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(a, b);
    painter_.restore();
}

void Sheet::centreLine(QPointF a, QPointF b) {
    painter_.save();
    QPen pen(colours.centreLine, line * 0.6, Qt::CustomDashLine, Qt::FlatCap);
    pen.setDashPattern({12, 3, 2, 3});
    painter_.setPen(pen);
    painter_.drawLine(a, b);
    painter_.restore();
}

void Sheet::dimension(QPointF a, QPointF b, const QString& symbol, Side side, bool rotated) {
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    if (len <= 0) return;
    const QPointF dir = d / len;
    painter_.save();
    painter_.setPen(QPen(colours.dimension, line * 0.7, Qt::SolidLine, Qt::FlatCap));
    painter_.setBrush(colours.dimension);
    if (len >= 2.6 * arrow) {
        painter_.drawLine(a, b);
        arrowHead(a, -dir);
        arrowHead(b, dir);
    } else {
        painter_.drawLine(a - dir * (arrow * 1.8), b + dir * (arrow * 1.8));
        arrowHead(a, dir);
        arrowHead(b, -dir);
    }
    painter_.restore();
    const QPointF mid = (a + b) / 2;
    const bool horizontal = std::abs(d.x()) >= std::abs(d.y());
    const double gap = letter * 0.25;
    if (horizontal) {
        text(mid + QPointF(0, side == Side::Before ? -gap : gap), symbol,
             Qt::AlignHCenter | (side == Side::Before ? Qt::AlignBottom : Qt::AlignTop));
    } else if (rotated) {
        // A symbol longer than its line is written across it instead, on
        // a clear ground over whatever the line passes.
        if (textWidth(symbol) > len - 2 * arrow)
            text(mid + QPointF(side == Side::Before ? -gap : gap, 0), symbol,
                 Qt::AlignVCenter | (side == Side::Before ? Qt::AlignRight : Qt::AlignLeft), true);
        else
            rotatedText(mid + QPointF(side == Side::Before ? -gap : gap, 0), symbol, side);
    } else {
        text(mid + QPointF(side == Side::Before ? -gap : gap, 0), symbol,
             Qt::AlignVCenter | (side == Side::Before ? Qt::AlignRight : Qt::AlignLeft));
    }
}

void Sheet::leader(QPointF from, QPointF to, const QString& symbol, Qt::Alignment align) {
    painter_.save();
    painter_.setPen(QPen(colours.dimension, line * 0.6));
    painter_.drawLine(from, to);
    painter_.setBrush(colours.dimension);
    painter_.drawEllipse(from, line * 1.2, line * 1.2);
    painter_.restore();
    text(to, symbol, align);
}

void Sheet::angle(QPointF c, double radiusPx, double fromDeg, double spanDeg, const QString& symbol) {
    painter_.save();
    painter_.setPen(QPen(colours.dimension, line * 0.7));
    painter_.setBrush(Qt::NoBrush);
    const QRectF box(c.x() - radiusPx, c.y() - radiusPx, 2 * radiusPx, 2 * radiusPx);
    painter_.drawArc(box, static_cast<int>(std::lround(fromDeg * 16)),
                     static_cast<int>(std::lround(spanDeg * 16)));
    painter_.restore();
    const double mid = (fromDeg + spanDeg / 2) * kDegToRad;
    const QPointF at = c + QPointF(std::cos(mid), -std::sin(mid)) * (radiusPx + letter * 0.2);
    text(at, symbol, Qt::AlignHCenter | Qt::AlignBottom);
}

void Sheet::text(QPointF anchor, const QString& s, Qt::Alignment align, bool onClearGround) {
    painter_.save();
    painter_.setFont(font_);
    painter_.setPen(colours.dimension);
    const double w = textWidth(s) + 2;
    const double h = textHeight();
    double x = anchor.x() - w / 2;
    double y = anchor.y() - h / 2;
    if (align & Qt::AlignLeft) x = anchor.x();
    if (align & Qt::AlignRight) x = anchor.x() - w;
    if (align & Qt::AlignTop) y = anchor.y();
    if (align & Qt::AlignBottom) y = anchor.y() - h;
    if (onClearGround)
        painter_.fillRect(QRectF(x, y + h * 0.15, w, h * 0.75),
                          colours.background.alpha() ? colours.background : QColor(Qt::white));
    painter_.drawText(QRectF(x, y, w, h), Qt::AlignCenter, s);
    painter_.restore();
}

void Sheet::arrowHead(QPointF tip, QPointF dir) {
    const QPointF n(-dir.y(), dir.x());
    const QPointF base = tip - dir * arrow;
    painter_.setPen(Qt::NoPen);
    painter_.drawPolygon(QPolygonF({tip, base + n * (arrow * 0.3), base - n * (arrow * 0.3)}));
    painter_.setPen(QPen(colours.dimension, line * 0.7, Qt::SolidLine, Qt::FlatCap));
}

void Sheet::rotatedText(QPointF anchor, const QString& s, Side side) {
    painter_.save();
    painter_.translate(anchor);
    painter_.rotate(-90);
    painter_.setFont(font_);
    painter_.setPen(colours.dimension);
    const double w = textWidth(s) + 2;
    const double h = textHeight();
    // After the turn, "before" (left of a vertical line) is up.
    const QRectF box(-w / 2, side == Side::Before ? -h : 0, w, h);
    painter_.drawText(box, Qt::AlignCenter, s);
    painter_.restore();
}

void AddRoundedPolyline(QPainterPath& path, const std::vector<QPointF>& points,
                        const std::vector<double>& radius) {
    if (points.empty()) return;
    path.lineTo(points.front());
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
        const QPointF v = points[i];
        const QPointF a = points[i - 1] - v;
        const QPointF b = points[i + 1] - v;
        const double la = std::hypot(a.x(), a.y());
        const double lb = std::hypot(b.x(), b.y());
        const double r = std::min({radius[i], la / 2, lb / 2});
        if (r <= 0 || la == 0 || lb == 0) {
            path.lineTo(v);
            continue;
        }
        path.lineTo(v + a * (r / la));
        path.quadTo(v, v + b * (r / lb));
    }
    path.lineTo(points.back());
}

QPolygonF Flattened(const QPainterPath& path) {
    return QTransform::fromScale(0.01, 0.01)
        .map(path.toSubpathPolygons(QTransform::fromScale(100, 100)).value(0));
}

void FitPart(Sheet& sheet, double w, double h, const Margins& m) {
    const QRectF room = sheet.area.adjusted(m.left, m.top, -m.right, -m.bottom);
    const double scale = std::max(1e-6, std::min(room.width() / w, room.height() / h));
    sheet.place(QPointF(room.center().x() - w * scale / 2, room.center().y() - h * scale / 2), scale);
}

}  // namespace belt::drawing
