#include "drawing/layoutdrawing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/checks.h"
#include "engine/layout.h"
#include "project/driveproject.h"
#include "screens/stylecolours.h"

namespace belt {

namespace {

using style::qs;

// On the screen an idler is drawn in light blue, a pulley in the yellow of
// the headings.
const QColor kIdlerBlue(192, 192, 255);

// The part of segment a-b inside rect (Liang-Barsky); false when none is.
// Lines that leave the layout's square (an omega drive's clamp far out) stop
// at its edge as they would at the edge of a picture.
bool ClipToRect(const QRectF& rect, QPointF& a, QPointF& b) {
    // Tangents of a layout beyond any drive may not be numbers at all.
    for (double v : {a.x(), a.y(), b.x(), b.y()})
        if (!std::isfinite(v)) return false;
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - rect.left(), rect.right() - a.x(), a.y() - rect.top(), rect.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, r);
        else
            t1 = std::min(t1, r);
        if (t0 > t1) return false;
    }
    const QPointF start = a;
    a = start + t0 * QPointF(dx, dy);
    b = start + t1 * QPointF(dx, dy);
    return true;
}

// Everything is painted in device coordinates: the caller's transformation
// decides only where the target lies, never how text and circles are
// stretched.
struct Device {
    QRectF target;   // the target rectangle in device units
    double k = 1;    // device units per target unit (text and line sizes)
};

// Resets the painter's transformation and says where the target now lies.
// What a reset leaves is the scale of a screen set to 150 % or 200 %, which
// the combined transformation holds as well: mapped through it, the target
// would come out that much too large and be cut off.
Device ToDevice(QPainter& painter, const QRectF& target) {
    const QTransform t = painter.combinedTransform();
    painter.resetTransform();
    Device d;
    d.target = (t * painter.combinedTransform().inverted()).mapRect(target);
    d.k = target.height() > 0 ? d.target.height() / target.height() : 1;
    return d;
}

QFont LabelFont(const LayoutDrawingStyle& style, double size, double k) {
    QFont f(style.fontFamily);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(size * k))));
    return f;
}

QPen Pen(const QColor& colour, double width, Qt::PenCapStyle cap = Qt::SquareCap) {
    QPen pen(colour, std::max(width, 0.0));
    pen.setCapStyle(cap);
    return pen;
}

void DrawLine(QPainter& painter, const LayoutFrame& f, double x0, double y0, double x1, double y1) {
    QPointF a = f.toTarget(x0, y0);
    QPointF b = f.toTarget(x1, y1);
    if (ClipToRect(f.square(), a, b)) painter.drawLine(a, b);
}

void PaintPulleys(QPainter& painter, const LayoutFrame& f, const DriveProject& p, const LayoutDrawingStyle& s,
                  double k) {
    const LayoutScale& sc = f.scale();
    const QRectF& sq = f.square();
    const int n = std::clamp(p.pulleyCount, 0, 4);

    painter.setBrush(Qt::NoBrush);
    const QFont names = LabelFont(s, s.nameSize, k);
    for (int i = 1; i <= n; ++i) {
        const double x = p.pulleyPosition[0][i];
        const double y = p.pulleyPosition[1][i];
        const double d = p.pulleyDiameter[i];
        const QColor colour = p.pulleyIsIdler[i] != 0 ? s.idler : s.pulley;
        painter.setPen(Pen(colour, s.lineWidth * k));
        const double r = f.toTargetLength(d / 2);
        painter.drawEllipse(f.toTarget(x, y), r, r);
        // The name hangs below the circle, starting under its centre.
        painter.setFont(names);
        const QPointF at = f.toTarget(x, y - 0.55 * d);
        painter.drawText(QRectF(at, QSizeF(sq.right() - at.x(), QFontMetricsF(names).height())),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, qs(GetPulleyLabel(p, i)));
    }

    painter.setPen(Pen(s.mark, s.lineWidth * k, Qt::FlatCap));
    for (int i = 1; i <= n; ++i) {
        const double x = p.pulleyPosition[0][i];
        const double y = p.pulleyPosition[1][i];
        DrawLine(painter, f, x - sc.crossHalf, y, x + sc.crossHalf, y);
        DrawLine(painter, f, x, y - sc.crossHalf, x, y + sc.crossHalf);
    }

    // The scale: ticks stand on the bottom and left edges; a label sits
    // beside its tick, against the edge.
    painter.setPen(Pen(s.scale, s.lineWidth * k, Qt::FlatCap));
    const QFont labels = LabelFont(s, s.labelSize, k);
    const QFontMetricsF lm(labels);
    painter.setFont(labels);
    const double gap = lm.averageCharWidth() / 2;
    // A label that would run into its neighbour or out of the square (the
    // numbers of an absurdly large layout) is left out; its tick stays.
    std::vector<QRectF> placed;
    auto label = [&](const QRectF& box, const std::string& text, int align) {
        if (box.right() > sq.right()) return;
        for (const QRectF& other : placed)
            if (other.intersects(box)) return;
        placed.push_back(box);
        painter.drawText(box, align | Qt::TextDontClip, qs(text));
    };
    for (const LayoutTick& t : sc.xTicks) {
        const double len = t.big ? sc.bigTick : sc.smallTick;
        DrawLine(painter, f, t.at, sc.bottom, t.at, sc.bottom + len);
        if (t.label.empty()) continue;
        const QPointF at = f.toTarget(t.at, sc.bottom);
        label(QRectF(at.x() + gap, at.y() - lm.height(), lm.horizontalAdvance(qs(t.label)), lm.height()), t.label,
              Qt::AlignLeft | Qt::AlignBottom);
    }
    for (const LayoutTick& t : sc.yTicks) {
        const double len = t.big ? sc.bigTick : sc.smallTick;
        DrawLine(painter, f, sc.left, t.at, sc.left + len, t.at);
        if (t.label.empty()) continue;
        const QPointF at = f.toTarget(sc.left + sc.bigTick, t.at);
        label(QRectF(at.x() + gap, at.y(), lm.horizontalAdvance(qs(t.label)), lm.height()), t.label,
              Qt::AlignLeft | Qt::AlignTop);
    }

    const QFont axis = LabelFont(s, s.axisSize, k);
    const QFontMetricsF am(axis);
    painter.setFont(axis);
    const QString y = QStringLiteral("       Y");
    painter.drawText(QRectF(sq.left() + gap, sq.top(), am.horizontalAdvance(y) + gap, am.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, y);
    const double tick = f.toTargetLength(sc.bigTick);
    painter.drawText(QRectF(sq.right() - am.horizontalAdvance(QStringLiteral("X")) - 2 * gap,
                            sq.bottom() - tick - am.height(), am.horizontalAdvance(QStringLiteral("X")) + gap,
                            am.height()),
                     Qt::AlignLeft | Qt::AlignBottom | Qt::TextDontClip, QStringLiteral("X"));
}

void PaintBelt(QPainter& painter, const LayoutFrame& f, const DriveProject& p, const LayoutDrawingStyle& s,
               double k) {
    for (const BeltLine& l : LayoutBeltLines(p)) {
        switch (l.kind) {
            case BeltLine::Kind::Span:
                painter.setPen(Pen(s.belt, s.beltWidth * k, Qt::RoundCap));
                break;
            case BeltLine::Kind::ClampRun:
                painter.setPen(Pen(s.mark, s.beltWidth * k, Qt::RoundCap));
                break;
            case BeltLine::Kind::Carriage:
                painter.setPen(Pen(s.mark, s.carriageWidth * k, Qt::FlatCap));
                break;
        }
        DrawLine(painter, f, l.x0, l.y0, l.x1, l.y1);
    }
}

void Paint(QPainter& painter, const QRectF& target, const DriveProject& p, const LayoutDrawingStyle& s, bool belt) {
    painter.save();
    const Device dev = ToDevice(painter, target);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    if (s.background.isValid()) painter.fillRect(dev.target, s.background);
    const LayoutFrame f(p, dev.target);
    if (f.valid()) {
        if (s.frame.isValid()) {
            // Inset by half the pen, so the border stays inside the target.
            const double w = std::max(s.lineWidth * dev.k, 1.0);
            painter.setPen(Pen(s.frame, w));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(f.square().adjusted(w / 2, w / 2, -w / 2, -w / 2));
        }
        PaintPulleys(painter, f, p, s, dev.k);
        if (belt) PaintBelt(painter, f, p, s, dev.k);
    }
    painter.restore();
}

}  // namespace

LayoutDrawingStyle LayoutDrawingStyle::Screen(double dpi) {
    LayoutDrawingStyle s;
    s.background = style::kPageBackground;
    s.frame = style::kPanelBorder;
    s.scale = style::kLightGrey;
    s.pulley = style::kYellow;
    s.idler = kIdlerBlue;
    s.mark = style::kRed;
    s.belt = QColor(0, 230, 120);
    const double point = dpi / 72;
    s.labelSize = 9 * point;
    s.nameSize = 9 * point;
    s.axisSize = 14 * point;
    s.lineWidth = 1;
    s.beltWidth = 2;
    s.carriageWidth = 10;
    return s;
}

LayoutDrawingStyle LayoutDrawingStyle::Paper(double labelSize) {
    LayoutDrawingStyle s;
    s.background = Qt::white;
    s.frame = Qt::black;
    s.scale = Qt::black;
    s.pulley = Qt::black;
    s.idler = QColor(0, 70, 200);
    s.mark = QColor(200, 0, 0);
    s.belt = QColor(0, 120, 40);
    s.labelSize = labelSize;
    s.nameSize = labelSize;
    s.axisSize = labelSize * 14 / 9;
    // Line widths in the proportions of the screen's pixels to its 9-point labels.
    const double pixel = labelSize / 12;
    s.lineWidth = pixel;
    s.beltWidth = 2 * pixel;
    s.carriageWidth = 10 * pixel;
    return s;
}

LayoutFrame::LayoutFrame(const DriveProject& p, const QRectF& target) : scale_(ComputeLayoutScale(p)) {
    const double side = std::min(target.width(), target.height());
    valid_ = std::isfinite(scale_.scaleWidth) && scale_.scaleWidth > 0 && side > 0 && std::isfinite(scale_.left) &&
             std::isfinite(scale_.bottom);
    if (!valid_) return;
    square_ = QRectF(target.center().x() - side / 2, target.center().y() - side / 2, side, side);
    unitsPerMetre_ = side / scale_.scaleWidth;
}

QPointF LayoutFrame::toTarget(double x, double y) const {
    return {square_.left() + (x - scale_.left) * unitsPerMetre_, square_.top() + (scale_.top - y) * unitsPerMetre_};
}

QPointF LayoutFrame::toLayout(const QPointF& target) const {
    if (!valid_) return {};
    return {scale_.left + (target.x() - square_.left()) / unitsPerMetre_,
            scale_.top - (target.y() - square_.top()) / unitsPerMetre_};
}

void DrawPulleys(QPainter& painter, const QRectF& target, const DriveProject& p, const LayoutDrawingStyle& style) {
    Paint(painter, target, p, style, false);
}

void DrawLayout(QPainter& painter, const QRectF& target, const DriveProject& p, const LayoutDrawingStyle& style) {
    Paint(painter, target, p, style, true);
}

}  // namespace belt
