#include "drawing/shaftloadarrows.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <string>

#include "drawing/stylecolours.h"
#include "engine/shaftloads.h"
#include "project/driveproject.h"
#include "units/units.h"

namespace belt {

namespace {

// The largest load's arrow at most this part of the square's side.
constexpr double kLongest = 0.25;
// A barb of the head as a part of its arrow, and its angle to the shaft.
constexpr double kBarb = 0.22;
constexpr double kBarbAngle = 25.0;

QFont ArrowFont(const LayoutDrawingStyle& s, double k) {
    QFont f(s.fontFamily);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(s.nameSize * k))));
    return f;
}

QString ForceText(const DriveProject& p, double newtons) {
    std::string unit = CurrentLabel(p, kForce);
    std::erase_if(unit, [](char c) { return c == '[' || c == ']'; });
    return style::qs(Format(ToDisplay(p, kForce, newtons), "###0.0") + " " + unit);
}

// The label just beyond the tip, on the arrow's line.
QRectF LabelAt(const QPointF& tip, const QPointF& dir, const QSizeF& size, double gap) {
    const double reach = gap + std::abs(dir.x()) * size.width() / 2 + std::abs(dir.y()) * size.height() / 2;
    const QPointF c = tip + reach * dir;
    return QRectF(c.x() - size.width() / 2, c.y() - size.height() / 2, size.width(), size.height());
}

// The box moved the least that puts it inside room (it fits: a label is
// far smaller than the square).
QRectF Inside(QRectF box, const QRectF& room) {
    if (box.left() < room.left()) box.moveLeft(room.left());
    if (box.right() > room.right()) box.moveRight(room.right());
    if (box.top() < room.top()) box.moveTop(room.top());
    if (box.bottom() > room.bottom()) box.moveBottom(room.bottom());
    return box;
}

bool Crosses(const QLineF& line, const QRectF& box) {
    if (box.contains(line.p1()) || box.contains(line.p2())) return true;
    const QLineF edges[] = {{box.topLeft(), box.topRight()},
                            {box.topRight(), box.bottomRight()},
                            {box.bottomRight(), box.bottomLeft()},
                            {box.bottomLeft(), box.topLeft()}};
    for (const QLineF& e : edges)
        if (line.intersects(e, nullptr) == QLineF::BoundedIntersection) return true;
    return false;
}

// Where the value of arrow i goes: beyond its tip, else beside the middle
// of its arrow or beside its tip, the first place that covers no value
// placed before and no other arrow (arrows of neighbouring pulleys may meet
// tip to tip); beyond the tip when there is no such place.
QRectF PlaceLabel(std::size_t i, const QPointF& dir, const QSizeF& size, double gap, const QRectF& room,
                  const std::vector<ShaftLoadArrow>& arrows) {
    const QLineF& shaft = arrows[i].shaft;
    const QPointF across(-dir.y(), dir.x());
    const QPointF middle = (shaft.p1() + shaft.p2()) / 2;
    // Beside the arrow: clear of a value centred on its line.
    const QPointF aside = across * (gap + std::abs(across.x()) * size.width() / 2 +
                                    std::abs(across.y()) * size.height() / 2);
    const QRectF candidates[] = {LabelAt(shaft.p2(), dir, size, gap),
                                 LabelAt(middle + aside, across, size, gap),
                                 LabelAt(middle - aside, -across, size, gap),
                                 LabelAt(shaft.p2() + aside, across, size, gap),
                                 LabelAt(shaft.p2() - aside, -across, size, gap)};
    for (const QRectF& c : candidates) {
        const QRectF in = Inside(c, room);
        bool free = true;
        for (std::size_t j = 0; j < arrows.size() && free; ++j) {
            if (j < i) free = !in.intersects(arrows[j].label);
            if (j != i && free) free = !Crosses(arrows[j].shaft, in);
        }
        if (free) return in;
    }
    return Inside(candidates[0], room);
}

}  // namespace

QColor ShaftLoadColour(const LayoutDrawingStyle& style) {
    // Apart from every other line of the drawing: orange on the dark
    // screen, a deep violet on paper.
    return style.background.isValid() && style.background.lightness() < 128 ? QColor(255, 150, 40)
                                                                             : QColor(130, 0, 160);
}

std::vector<ShaftLoadArrow> ShaftLoadArrows(const DriveProject& p, const LayoutFrame& f,
                                            const LayoutDrawingStyle& style, double k) {
    std::vector<ShaftLoadArrow> arrows;
    if (!f.valid()) return arrows;
    const ShaftLoads loads = ComputeShaftLoads(p);
    double largest = 0;
    for (const StaticShaftLoad& s : loads.statics)
        if (s.hasDirection && std::isfinite(s.magnitude)) largest = std::max(largest, s.magnitude);
    if (!(largest > 0)) return arrows;

    const QRectF& sq = f.square();
    const QFontMetricsF fm(ArrowFont(style, k));
    const double gap = fm.averageCharWidth() / 2;
    const QRectF room = sq.adjusted(gap, gap, -gap, -gap);

    struct Load {
        int pulley;
        QPointF from;
        QPointF dir;  // unit, in target units (Y down)
        double share;
        QSizeF text;
        QString value;
    };
    std::vector<Load> shown;
    for (const StaticShaftLoad& s : loads.statics) {
        if (!s.hasDirection || !(s.magnitude > 0) || !std::isfinite(s.magnitude)) continue;
        const auto ks = static_cast<std::size_t>(s.pulley);
        const QPointF from = f.toTarget(p.pulleyPosition[0][ks], p.pulleyPosition[1][ks]);
        if (!std::isfinite(from.x()) || !std::isfinite(from.y())) continue;
        const QString value = ForceText(p, s.magnitude);
        shown.push_back({s.pulley, from, QPointF(std::cos(s.angle), -std::sin(s.angle)), s.magnitude / largest,
                         QSizeF(fm.horizontalAdvance(value), fm.height()), value});
    }

    // One scale for every arrow, shortened until every tip and every label
    // lies in the square.
    double longest = kLongest * sq.width();
    for (int tries = 0; tries < 40; ++tries) {
        bool fits = true;
        for (const Load& l : shown) {
            const QPointF tip = l.from + longest * l.share * l.dir;
            if (!room.contains(tip) || !room.contains(LabelAt(tip, l.dir, l.text, gap))) fits = false;
        }
        if (fits) break;
        longest *= 0.85;
    }

    for (const Load& l : shown) {
        ShaftLoadArrow a;
        a.pulley = l.pulley;
        const double length = longest * l.share;
        QPointF tip = l.from + length * l.dir;
        if (!room.contains(tip)) tip = l.from;  // a centre on the edge keeps no arrow
        a.shaft = QLineF(l.from, tip);
        const double barb = std::min(kBarb * length, 1.2 * fm.height());
        for (int side = 0; side < 2; ++side) {
            QLineF b = QLineF(tip, tip - barb * l.dir);
            b.setAngle(b.angle() + (side == 0 ? kBarbAngle : -kBarbAngle));
            a.barbs[side] = b;
        }
        a.text = l.value;
        arrows.push_back(a);
    }
    // The values once every arrow stands, so that none covers an arrow.
    for (std::size_t i = 0; i < arrows.size(); ++i)
        arrows[i].label = PlaceLabel(i, shown[i].dir, shown[i].text, gap, room, arrows);
    return arrows;
}

void DrawShaftLoadArrows(QPainter& painter, const QRectF& target, const DriveProject& p,
                         const LayoutDrawingStyle& style) {
    painter.save();
    // In device pixels, as DrawLayout paints: the square comes out where it put it.
    const QTransform t = painter.combinedTransform();
    painter.resetTransform();
    const QRectF device = (t * painter.combinedTransform().inverted()).mapRect(target);
    const double k = target.height() > 0 ? device.height() / target.height() : 1;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const LayoutFrame f(p, device);
    const QColor colour = ShaftLoadColour(style);
    QPen pen(colour, std::max(style.beltWidth * k, 1.0));
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.setFont(ArrowFont(style, k));
    for (const ShaftLoadArrow& a : ShaftLoadArrows(p, f, style, k)) {
        painter.drawLine(a.shaft);
        painter.drawLines(a.barbs, 2);
        painter.drawText(a.label, Qt::AlignCenter | Qt::TextDontClip, a.text);
    }
    painter.restore();
}

}  // namespace belt
