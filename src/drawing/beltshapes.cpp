#include "drawing/beltshapes.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <vector>

namespace belt {

namespace {
constexpr double kPiD = 3.141592654;
constexpr double kDegrees = 180.0 / kPiD;
}  // namespace

QPainterPath BeltLoopPath(QPointF c1, double r1, QPointF c2, double r2) {
    const double dx = c2.x() - c1.x();
    const double dy = c2.y() - c1.y();
    const double d = std::hypot(dx, dy);
    const double base = std::atan2(dy, dx);
    const double phi = std::acos((r1 - r2) / d);  // angle from the centre line to the tangent point
    QPainterPath path;
    const double a1 = base + phi;
    const double a2 = base - phi;
    path.moveTo(c1.x() + r1 * std::cos(a1), c1.y() + r1 * std::sin(a1));
    path.lineTo(c2.x() + r2 * std::cos(a1), c2.y() + r2 * std::sin(a1));
    // Qt's arcs run counter-clockwise in degrees with y pointing down.
    path.arcTo(QRectF(c2.x() - r2, c2.y() - r2, 2 * r2, 2 * r2), -a1 * kDegrees, (a1 - a2) * kDegrees);
    path.lineTo(c1.x() + r1 * std::cos(a2), c1.y() + r1 * std::sin(a2));
    path.arcTo(QRectF(c1.x() - r1, c1.y() - r1, 2 * r1, 2 * r1), -a2 * kDegrees,
               (2 * kPiD - (a1 - a2)) * kDegrees);
    path.closeSubpath();
    return path;
}

void DrawTeethAlong(QPainter& painter, const QPainterPath& path, int count, double depth, double width,
                    const QColor& colour) {
    if (count <= 0) return;
    // One pass along the flattened outline: each tooth is placed by its
    // distance along the line. (QPainterPath's percent look-ups measure the
    // whole path again for every call.)
    const QList<QPolygonF> outlines = path.toSubpathPolygons();
    std::vector<QLineF> segments;
    std::vector<double> ends;  // distance along the line at the end of each segment
    double total = 0;
    for (const QPolygonF& outline : outlines) {
        for (qsizetype i = 1; i < outline.size(); ++i) {
            const QLineF segment(outline[i - 1], outline[i]);
            if (segment.length() <= 0) continue;
            total += segment.length();
            segments.push_back(segment);
            ends.push_back(total);
        }
    }
    if (segments.empty()) return;
    painter.save();
    painter.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    std::size_t k = 0;
    for (int i = 0; i < count; ++i) {
        const double at = total * (i + 0.5) / count;
        while (k + 1 < segments.size() && ends[k] < at) ++k;
        const QLineF& segment = segments[k];
        const double length = segment.length();
        const double into = std::clamp(length - (ends[k] - at), 0.0, length);
        const QPointF a = segment.pointAt(into / length);
        // The left of the direction of travel, with y pointing down.
        const QPointF normal(segment.dy() / length, -segment.dx() / length);
        painter.drawLine(a, a + depth * normal);
    }
    painter.restore();
}

void DrawToothedPulley(QPainter& painter, QPointF centre, double radius, int teeth, const QColor& metal) {
    painter.save();
    QPolygonF rim;
    const int points = teeth * 4;
    for (int i = 0; i < points; ++i) {
        const double a = 2 * kPiD * i / points;
        // Two points on the tip, two in the gap.
        const double r = (i % 4 < 2) ? radius : radius * 0.93;
        rim << centre + QPointF(r * std::cos(a), r * std::sin(a));
    }
    painter.setPen(QPen(metal.darker(220), radius * 0.02));
    painter.setBrush(metal);
    painter.drawPolygon(rim);
    painter.setBrush(metal.darker(115));
    painter.drawEllipse(centre, radius * 0.78, radius * 0.78);
    painter.setBrush(metal.lighter(110));
    painter.drawEllipse(centre, radius * 0.36, radius * 0.36);
    painter.setBrush(QColor(30, 30, 36));
    painter.drawEllipse(centre, radius * 0.16, radius * 0.16);
    painter.restore();
}

}  // namespace belt
