#include "drawing/layoutdrawing.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <vector>

#include "drawing/stylecolours.h"
#include "engine/checks.h"
#include "engine/layout.h"
#include "project/driveproject.h"

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

const QString kAxisY = QStringLiteral("       Y");
const QString kAxisX = QStringLiteral("X");

// Where the axis names stand: "Y" at the top left, "X" at the bottom right
// above the ticks.
struct AxisNames {
    QRectF y;
    QRectF x;
};
AxisNames AxisNameBoxes(const LayoutFrame& f, const LayoutDrawingStyle& s, double k) {
    const QRectF& sq = f.square();
    const double gap = QFontMetricsF(LabelFont(s, s.labelSize, k)).averageCharWidth() / 2;
    const QFontMetricsF am(LabelFont(s, s.axisSize, k));
    const double tick = f.toTargetLength(f.scale().bigTick);
    const double xWidth = am.horizontalAdvance(kAxisX);
    return {
        QRectF(sq.left() + gap, sq.top(), am.horizontalAdvance(kAxisY) + gap, am.height()),
        QRectF(sq.right() - xWidth - 2 * gap, sq.bottom() - tick - am.height(), xWidth + gap, am.height())};
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
    // beside its tick, clear of every tick.
    painter.setPen(Pen(s.scale, s.lineWidth * k, Qt::FlatCap));
    for (const LayoutTick& t : sc.xTicks)
        DrawLine(painter, f, t.at, sc.bottom, t.at, sc.bottom + (t.big ? sc.bigTick : sc.smallTick));
    for (const LayoutTick& t : sc.yTicks)
        DrawLine(painter, f, sc.left, t.at, sc.left + (t.big ? sc.bigTick : sc.smallTick), t.at);
    painter.setFont(LabelFont(s, s.labelSize, k));
    for (const ScaleLabel& l : ScaleLabels(f, s, k))
        painter.drawText(l.box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, l.text);

    const AxisNames axes = AxisNameBoxes(f, s, k);
    painter.setFont(LabelFont(s, s.axisSize, k));
    painter.drawText(axes.y, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, kAxisY);
    painter.drawText(axes.x, Qt::AlignLeft | Qt::AlignBottom | Qt::TextDontClip, kAxisX);
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

std::vector<ScaleLabel> ScaleLabels(const LayoutFrame& f, const LayoutDrawingStyle& s, double k) {
    std::vector<ScaleLabel> placed;
    if (!f.valid()) return placed;
    const LayoutScale& sc = f.scale();
    const QRectF& sq = f.square();
    const QFontMetricsF lm(LabelFont(s, s.labelSize, k));
    const double gap = lm.averageCharWidth() / 2;
    // Numbers closer than a character run together ("-100-50").
    const double apart = lm.averageCharWidth();
    const AxisNames names = AxisNameBoxes(f, s, k);
    const double labelStep = 5 * sc.spacing;
    // The bottom's numbers stand above its tallest tick, clear of its pen:
    // against the edge, the small ticks between two numbers ran through
    // them.
    const double penWidth = std::max(s.lineWidth * k, 1.0);
    const double lift = f.toTargetLength(sc.bigTick) + penWidth;
    // Every tick as the pen covers it. The left edge's ticks reach into
    // the bottom's row of numbers near the corner.
    std::vector<QRectF> ticks;
    for (bool alongX : {true, false})
        for (const LayoutTick& t : alongX ? sc.xTicks : sc.yTicks) {
            const double length = t.big ? sc.bigTick : sc.smallTick;
            const QPointF a = alongX ? f.toTarget(t.at, sc.bottom) : f.toTarget(sc.left, t.at);
            const QPointF b =
                alongX ? f.toTarget(t.at, sc.bottom + length) : f.toTarget(sc.left + length, t.at);
            ticks.push_back(
                QRectF(a, b).normalized().adjusted(-penWidth / 2, -penWidth / 2, penWidth / 2, penWidth / 2));
        }
    const auto onATick = [&](const QRectF& box) {
        return std::any_of(ticks.begin(), ticks.end(), [&](const QRectF& t) { return t.intersects(box); });
    };

    struct Candidate {
        ScaleLabel label;
        long index;  // labelled ticks counted from 0
    };
    auto candidates = [&](bool alongX) {
        std::vector<Candidate> out;
        for (const LayoutTick& t : alongX ? sc.xTicks : sc.yTicks) {
            if (t.label.empty()) continue;
            const QString text = style::qs(t.label);
            const double width = lm.horizontalAdvance(text);
            QRectF box;
            if (alongX) {
                const QPointF at = f.toTarget(t.at, sc.bottom);
                box = QRectF(at.x() + gap, at.y() - lift - lm.height(), width, lm.height());
            } else {
                const QPointF at = f.toTarget(sc.left + sc.bigTick, t.at);
                box = QRectF(at.x() + gap, at.y(), width, lm.height());
            }
            // Out of the square, on an axis name or on a tick, a label is
            // left out alone: the others need not make room for it.
            if (!sq.contains(box) || box.intersects(names.x) || box.intersects(names.y) || onATick(box))
                continue;
            // The left edge's numbers stop above the row of the bottom's,
            // so that the two never read as one row.
            if (!alongX && box.bottom() > sq.bottom() - lift - lm.height() - gap) continue;
            const double index = labelStep > 0 ? std::round(t.at / labelStep) : 0;
            out.push_back({{box, text, alongX}, std::abs(index) < 1e15 ? static_cast<long>(index) : 0});
        }
        std::sort(out.begin(), out.end(), [&](const Candidate& a, const Candidate& b) {
            return alongX ? a.label.box.left() < b.label.box.left() : a.label.box.top() < b.label.box.top();
        });
        return out;
    };
    // Every label where they stand apart; else every 2nd, 5th, 10th, 20th
    // ... from 0, so that the labels shown still step by a round amount.
    // (Numbers of a layout beyond any drive may all count as the 0th: none
    // of them is shown then.)
    auto thin = [&](bool alongX) {
        const std::vector<Candidate> all = candidates(alongX);
        for (long every = 1; every <= 100'000'000'000'000'000L; every *= 10) {
            for (long m : {every, 2 * every, 5 * every}) {
                std::vector<const Candidate*> kept;
                for (const Candidate& c : all)
                    if (c.index % m == 0) kept.push_back(&c);
                bool clear = true;
                for (std::size_t i = 1; i < kept.size() && clear; ++i) {
                    const QRectF& a = kept[i - 1]->label.box;
                    const QRectF& b = kept[i]->label.box;
                    clear = alongX ? b.left() - a.right() >= apart : b.top() - a.bottom() >= 0;
                }
                if (clear || kept.size() <= 1) {
                    for (const Candidate* c : kept) placed.push_back(c->label);
                    return;
                }
            }
        }
    };
    thin(true);
    thin(false);
    return placed;
}

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
