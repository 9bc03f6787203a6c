#include "drawing/profiledrawings.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

#include "catalogue/flatbelts.h"
#include "catalogue/pulleytables.h"
#include "catalogue/ribgrooves.h"
#include "engine/applicationdata.h"
#include "engine/beltcode.h"
#include "project/driveproject.h"

namespace belt {

namespace {

constexpr double kPi = 3.141592654;
constexpr double kDegToRad = kPi / 180;

// Included flank angle of the trapezoid profiles, degrees.
struct FlankAngle {
    std::string_view code;
    double degrees;
};
constexpr std::array<FlankAngle, 12> kFlankAngles = {{
    {"T2.5", 40},
    {"T5", 40},
    {"T10", 40},
    {"T20", 40},
    {"AT5", 50},
    {"AT10", 50},
    {"AT20", 50},
    {"MXL", 40},
    {"XL", 50},
    {"L", 40},
    {"H", 40},
    {"XH", 40},
}};

double FlankAngleOf(const std::string& code) {
    for (const FlankAngle& a : kFlankAngles)
        if (a.code == code) return a.degrees;
    return 40;
}

// Width of a curvilinear or parabolic tooth at its root, in pitches.
constexpr double kRoundToothWidth = 0.66;
constexpr double kParabolicToothWidth = 0.64;

double Mm(double metres) { return metres * 1000.0; }

bool IsRibCode(int code) { return code >= 9 && code <= 11; }

// A project with only the belt chosen, its pulley table loaded.
DriveProject ChosenBelt(std::string_view family, std::string_view type, std::string_view code,
                        std::string_view suffix = {}) {
    DriveProject p;
    p.beltFamily = family;
    p.beltType = type;
    p.beltPitchCode = code;
    p.beltSideSuffix = suffix;
    p.beltName = std::string(family) + " " + std::string(code) + std::string(suffix);
    LoadPulleyTable(p);
    return p;
}

// Rounds the corners of a polyline: each inner vertex i is cut back by
// radius[i] along both of its edges (never past half an edge) and joined
// by a curve through the vertex.
void AddRoundedPolyline(QPainterPath& path, const std::vector<QPointF>& points, const std::vector<double>& radius) {
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

// --- Drawing in device pixels ------------------------------------------------

// One drawing: the device rectangle it fills, the size of its lines and
// letters (from that rectangle alone), and the mapping of the part's mm into
// device pixels (x to the right, y down).
class Sheet {
public:
    Sheet(QPainter& painter, const QRectF& area, const DrawingColours& colours)
        : area(area), colours(colours), painter_(painter) {
        const double side = std::min(area.width(), area.height());
        line = std::max(0.5, side / 230.0);
        letter = std::max(6.0, std::min(side * 0.085, area.width() * 0.05));
        font_ = QFont(QStringLiteral("Times New Roman"));
        font_.setItalic(true);
        font_.setPixelSize(std::max(1, static_cast<int>(std::lround(letter))));
        arrow = std::max(3.0 * line, letter * 0.42);
    }

    void place(QPointF originPx, double pxPerMm) {
        origin_ = originPx;
        scale = pxPerMm;
    }
    QPointF at(double x, double y) const { return origin_ + QPointF(x * scale, y * scale); }
    double px(double mm) const { return mm * scale; }
    double mm(double px) const { return scale > 0 ? px / scale : 0; }
    QTransform toDevice() const {
        return QTransform(scale, 0, 0, scale, origin_.x(), origin_.y());
    }
    double textWidth(const QString& s) const { return QFontMetricsF(font_).horizontalAdvance(s); }
    double textHeight() const { return QFontMetricsF(font_).height(); }

    void fillBackground() {
        if (colours.background.alpha() == 0 && colours.frame.alpha() == 0) return;
        painter_.save();
        painter_.setPen(colours.frame.alpha() ? QPen(colours.frame, line) : QPen(Qt::NoPen));
        painter_.setBrush(colours.background.alpha() ? QBrush(colours.background) : QBrush(Qt::NoBrush));
        const double r = std::min(area.width(), area.height()) * 0.03;
        painter_.drawRoundedRect(area.adjusted(line / 2, line / 2, -line / 2, -line / 2), r, r);
        painter_.restore();
    }

    // A part in mm (already in device coordinates through toDevice()).
    void part(const QPainterPath& mmPath, const QColor& fill, double width = 1.0) {
        painter_.save();
        painter_.setPen(QPen(colours.outline, line * width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter_.setBrush(fill.alpha() ? QBrush(fill) : QBrush(Qt::NoBrush));
        painter_.drawPath(toDevice().map(mmPath));
        painter_.restore();
    }
    // Diagonal hatching of a cut face.
    void hatch(const QPainterPath& mmPath) {
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
    void stroke(const QPainterPath& mmPath, const QColor& colour, double width, Qt::PenStyle style = Qt::SolidLine) {
        painter_.save();
        painter_.setPen(QPen(colour, line * width, style, Qt::FlatCap));
        painter_.setBrush(Qt::NoBrush);
        painter_.drawPath(toDevice().map(mmPath));
        painter_.restore();
    }
    void dots(const std::vector<QPointF>& mmCentres, double radiusPx, const QColor& colour) {
        painter_.save();
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(colour);
        for (const QPointF& c : mmCentres) painter_.drawEllipse(at(c.x(), c.y()), radiusPx, radiusPx);
        painter_.restore();
    }

    // Thin lines in device pixels.
    void extension(QPointF a, QPointF b) { thin(a, b, colours.dimension, Qt::SolidLine, 0.55); }
    void centreLine(QPointF a, QPointF b) {
        painter_.save();
        QPen pen(colours.centreLine, line * 0.6, Qt::CustomDashLine, Qt::FlatCap);
        pen.setDashPattern({12, 3, 2, 3});
        painter_.setPen(pen);
        painter_.drawLine(a, b);
        painter_.restore();
    }
    void thin(QPointF a, QPointF b, const QColor& colour, Qt::PenStyle style = Qt::SolidLine, double width = 0.6) {
        painter_.save();
        painter_.setPen(QPen(colour, line * width, style, Qt::FlatCap));
        painter_.drawLine(a, b);
        painter_.restore();
    }

    enum class Side { Before, After };  // above / left of the line, or below / right
    // A dimension line from a to b (device pixels, horizontal or vertical)
    // with its arrows, and the symbol beside its middle. Too short for the
    // arrows inside, the arrows point in from outside.
    void dimension(QPointF a, QPointF b, const QString& symbol, Side side, bool rotated = false) {
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
            // A symbol longer than its line stands beyond the line's upper end.
            QPointF at = mid;
            if (textWidth(symbol) > len - 2 * arrow)
                at = QPointF(mid.x(), std::min(a.y(), b.y()) - arrow - gap - textWidth(symbol) / 2);
            rotatedText(at + QPointF(side == Side::Before ? -gap : gap, 0), symbol, side);
        } else {
            text(mid + QPointF(side == Side::Before ? -gap : gap, 0), symbol,
                 Qt::AlignVCenter | (side == Side::Before ? Qt::AlignRight : Qt::AlignLeft));
        }
    }
    // A leader from a point of the part (device pixels) to its symbol.
    void leader(QPointF from, QPointF to, const QString& symbol, Qt::Alignment align) {
        painter_.save();
        painter_.setPen(QPen(colours.dimension, line * 0.6));
        painter_.drawLine(from, to);
        painter_.setBrush(colours.dimension);
        painter_.drawEllipse(from, line * 1.2, line * 1.2);
        painter_.restore();
        text(to, symbol, align);
    }
    // An angle between two directions (degrees, device y down) around c.
    void angle(QPointF c, double radiusPx, double fromDeg, double spanDeg, const QString& symbol) {
        painter_.save();
        painter_.setPen(QPen(colours.dimension, line * 0.7));
        painter_.setBrush(Qt::NoBrush);
        const QRectF box(c.x() - radiusPx, c.y() - radiusPx, 2 * radiusPx, 2 * radiusPx);
        painter_.drawArc(box, static_cast<int>(std::lround(fromDeg * 16)), static_cast<int>(std::lround(spanDeg * 16)));
        painter_.restore();
        const double mid = (fromDeg + spanDeg / 2) * kDegToRad;
        const QPointF at = c + QPointF(std::cos(mid), -std::sin(mid)) * (radiusPx + letter * 0.2);
        text(at, symbol, Qt::AlignHCenter | Qt::AlignBottom);
    }
    // Text anchored at a device point: the alignment says which side of the
    // text the point is on.
    void text(QPointF anchor, const QString& s, Qt::Alignment align) {
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
        painter_.drawText(QRectF(x, y, w, h), Qt::AlignCenter, s);
        painter_.restore();
    }

    QPainter& painter() { return painter_; }

    const QRectF area;
    const DrawingColours colours;
    double line = 1;    // outline width, px
    double letter = 10; // symbol size, px
    double arrow = 4;   // arrow length, px
    double scale = 1;   // px per mm

private:
    void arrowHead(QPointF tip, QPointF dir) {
        const QPointF n(-dir.y(), dir.x());
        const QPointF base = tip - dir * arrow;
        painter_.setPen(Qt::NoPen);
        painter_.drawPolygon(QPolygonF({tip, base + n * (arrow * 0.3), base - n * (arrow * 0.3)}));
        painter_.setPen(QPen(colours.dimension, line * 0.7, Qt::SolidLine, Qt::FlatCap));
    }
    void rotatedText(QPointF anchor, const QString& s, Side side) {
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

    QPainter& painter_;
    QFont font_;
    QPointF origin_;
};

// Paints into rect in device pixels whatever the painter's window and
// transform, so that lines and letters keep the rectangle's proportions.
template <typename Paint>
void InDevicePixels(QPainter& painter, const QRectF& rect, const DrawingColours& colours, Paint paint) {
    if (rect.isEmpty()) return;
    painter.save();
    // The painter's own coordinates without window and world transform; a
    // widget's offset in its window stays, as the painter keeps it apart.
    const QRectF area = painter.combinedTransform().mapRect(rect);
    painter.setViewTransformEnabled(false);
    painter.setWorldTransform(QTransform());
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setClipRect(area, Qt::IntersectClip);
    Sheet sheet(painter, area, colours);
    sheet.fillBackground();
    paint(sheet);
    painter.restore();
}

// The first subpath as a polyline fine enough to look smooth at any size:
// curves are flattened at a hundred times the path's own scale.
QPolygonF Flattened(const QPainterPath& path) {
    return QTransform::fromScale(0.01, 0.01).map(path.toSubpathPolygons(QTransform::fromScale(100, 100)).value(0));
}

// One tooth as a polyline from the land left of it to the land right of it.
QPolygonF ToothPolyline(const BeltSection& s, double cx) {
    QPainterPath path(QPointF(cx - ToothRootWidth(s), 0));
    AddToothOutline(path, s, cx);
    QPolygonF poly = Flattened(path);
    if (!poly.isEmpty()) poly.removeFirst();
    return poly;
}

// The toothed edge of n pitches of belt, from (0, 0) to (n * pitch, 0).
QPolygonF TeethEdge(const BeltSection& s, int n) {
    QPainterPath path(QPointF(0, 0));
    for (int i = 0; i < n; ++i) AddToothOutline(path, s, s.pitch / 2 + i * s.pitch);
    path.lineTo(n * s.pitch, 0);
    return Flattened(path);
}

// --- Belt sections (Dente) -------------------------------------------------------

// The room a drawing keeps around its part for the dimensions, px.
struct Margins {
    double left, top, right, bottom;
};

// Fits a part of w x h mm into the sheet inside the margins, centred.
void FitPart(Sheet& sheet, double w, double h, const Margins& m) {
    const QRectF room = sheet.area.adjusted(m.left, m.top, -m.right, -m.bottom);
    const double scale = std::max(1e-6, std::min(room.width() / w, room.height() / h));
    sheet.place(QPointF(room.center().x() - w * scale / 2, room.center().y() - h * scale / 2), scale);
}

// Number of teeth shown: a small pitch shows more of its belt.
int TeethShown(double pitchMm) {
    return std::clamp(static_cast<int>(std::lround(16.0 / std::max(pitchMm, 0.5))), 2, 4);
}

void DrawTimingSection(Sheet& sheet, const BeltSection& s) {
    const int n = TeethShown(s.pitch);
    const double length = n * s.pitch;
    const double h = s.toothHeight;
    const double top = s.doubleSided ? h : 0;  // teeth above the back of a double-sided belt
    const double body = s.back;
    const double letter = sheet.letter;
    const double dimGap = letter * 1.9;
    const double wStep = s.tipWidthGiven && s.form == ToothForm::Trapezoid ? dimGap : letter * 0.5;
    FitPart(sheet, length, top + body + h,
            {letter * 0.8, dimGap + letter * 0.3, letter * 3.6, wStep + letter * 0.3});
    // y = 0 on the land of the lower teeth; the back at -body.
    sheet.place(sheet.at(0, top + body), sheet.scale);

    // The toothed edge left to right; a double-sided belt carries it
    // mirrored across its body on the back.
    const QPolygonF edge = TeethEdge(s, n);
    QPolygonF outline;
    if (s.doubleSided)
        outline = QTransform(1, 0, 0, -1, 0, -body).map(edge);
    else
        outline << QPointF(0, -body) << QPointF(length, -body);
    for (auto it = edge.crbegin(); it != edge.crend(); ++it) outline << *it;
    QPainterPath belt;
    belt.addPolygon(outline);
    belt.closeSubpath();
    sheet.part(belt, s.rubber ? sheet.colours.rubber : sheet.colours.belt);

    if (s.rubber) {
        // The fabric facing follows the teeth.
        QPainterPath facing;
        facing.addPolygon(edge);
        sheet.stroke(facing, sheet.colours.facing, 2.2);
        if (s.doubleSided) sheet.stroke(QTransform(1, 0, 0, -1, 0, -body).map(facing), sheet.colours.facing, 2.2);
    }
    // The cords on the pitch line, inside the body.
    std::vector<QPointF> cords;
    const double cordY = -body * 0.45;
    const double cordStep = std::max(s.pitch / 7, sheet.mm(sheet.line * 3.2));
    for (double x = cordStep / 2; x < length; x += cordStep) cords.emplace_back(x, cordY);
    sheet.dots(cords, std::max(0.8, std::min(sheet.px(body) * 0.16, sheet.px(cordStep) * 0.36)), sheet.colours.cord);

    const double extra = letter * 0.5;
    // P between the centres of the first two teeth, above the belt.
    const double x0 = s.pitch / 2;
    const double x1 = x0 + s.pitch;
    const double yTop = sheet.at(0, -body - top).y();
    const double yP = yTop - dimGap * 0.55;
    for (double x : {x0, x1}) sheet.centreLine(QPointF(sheet.at(x, 0).x(), yP - extra), sheet.at(x, h) + QPointF(0, extra));
    sheet.dimension(QPointF(sheet.at(x0, 0).x(), yP), QPointF(sheet.at(x1, 0).x(), yP), QStringLiteral("P"),
                    Sheet::Side::Before);

    // h1 and h2 chained on the right.
    const double xRight = sheet.at(length, 0).x();
    const double xDim = xRight + letter * 1.0;
    const double yBack = sheet.at(0, -body).y();
    const double yLand = sheet.at(0, 0).y();
    const double yTip = sheet.at(0, h).y();
    for (double y : {yBack, yLand}) sheet.extension(QPointF(xRight + sheet.line * 2, y), QPointF(xDim + extra, y));
    const double tipRight = sheet.at(s.pitch / 2 + (n - 1) * s.pitch, 0).x() + sheet.px(s.tipWidth) / 2;
    sheet.extension(QPointF(tipRight + sheet.line * 2, yTip), QPointF(xDim + extra, yTip));
    sheet.dimension(QPointF(xDim, yBack), QPointF(xDim, yLand), QStringLiteral("h1"), Sheet::Side::After);
    sheet.dimension(QPointF(xDim, yLand), QPointF(xDim, yTip), QStringLiteral("h2"), Sheet::Side::After);

    // w across the tip of the middle tooth, below the belt.
    if (s.tipWidthGiven && s.form == ToothForm::Trapezoid) {
        const double cx = s.pitch / 2 + (n / 2) * s.pitch;
        const double yW = yTip + dimGap * 0.55;
        const QPointF left = sheet.at(cx - s.tipWidth / 2, h);
        const QPointF right = sheet.at(cx + s.tipWidth / 2, h);
        sheet.extension(left + QPointF(0, sheet.line * 2), QPointF(left.x(), yW + extra));
        sheet.extension(right + QPointF(0, sheet.line * 2), QPointF(right.x(), yW + extra));
        sheet.dimension(QPointF(left.x(), yW), QPointF(right.x(), yW), QStringLiteral("w"), Sheet::Side::After);
    }
}

void DrawRibSection(Sheet& sheet, const BeltSection& s) {
    const int n = 4;
    const double length = n * s.pitch;
    const double h = s.toothHeight;
    const double total = std::max(s.back, h * 1.2);
    const double body = total - h;
    const double letter = sheet.letter;
    const double dimGap = letter * 1.9;
    FitPart(sheet, length, total, {letter * 0.8, letter * 0.8, letter * 6.0, dimGap + letter * 0.3});
    sheet.place(sheet.at(0, body), sheet.scale);  // y = 0 at the rib roots

    // The ribs: V-shapes of the groove angle with flattened, rounded tips.
    const double halfTop = s.pitch / 2;
    const double halfTip = std::max(s.pitch * 0.06, halfTop - h * std::tan(s.flankAngle / 2 * kDegToRad));
    QPainterPath section;
    section.moveTo(0, -body);
    section.lineTo(length, -body);
    std::vector<QPointF> points{{length, 0}};
    std::vector<double> radius{0};
    for (int i = n - 1; i >= 0; --i) {
        const double cx = (i + 0.5) * s.pitch;
        points.insert(points.end(), {{cx + halfTip, h}, {cx - halfTip, h}, {i * s.pitch, 0}});
        radius.insert(radius.end(), {halfTip * 0.8, halfTip * 0.8, s.pitch * 0.08});
    }
    radius.back() = 0;
    AddRoundedPolyline(section, points, radius);
    section.closeSubpath();
    sheet.part(section, sheet.colours.belt);
    std::vector<QPointF> cords;
    for (double x = s.pitch / 4; x < length; x += s.pitch / 2) cords.emplace_back(x, -body * 0.45);
    sheet.dots(cords, std::max(0.8, sheet.px(std::min(body * 0.2, s.pitch * 0.12))), sheet.colours.cord);

    const double extra = letter * 0.5;
    // P between the middles of two ribs, below them.
    const double x0 = 1.5 * s.pitch;
    const double x1 = x0 + s.pitch;
    const double yTip = sheet.at(0, h).y();
    const double yP = yTip + dimGap * 0.55;
    for (double x : {x0, x1}) sheet.centreLine(sheet.at(x, -body) - QPointF(0, extra), QPointF(sheet.at(x, 0).x(), yP + extra));
    sheet.dimension(QPointF(sheet.at(x0, 0).x(), yP), QPointF(sheet.at(x1, 0).x(), yP), QStringLiteral("P"),
                    Sheet::Side::After);
    // h2 the rib, h1 the whole belt, on the right.
    const double xRight = sheet.at(length, 0).x();
    const double yBack = sheet.at(0, -body).y();
    const double yRoot = sheet.at(0, 0).y();
    const double x2 = xRight + letter * 1.0;
    const double x1Dim = xRight + letter * 3.2;
    const double ribTipRight = sheet.at((n - 0.5) * s.pitch + halfTip, 0).x();
    sheet.extension(QPointF(xRight + sheet.line * 2, yBack), QPointF(x1Dim + extra, yBack));
    sheet.extension(QPointF(xRight + sheet.line * 2, yRoot), QPointF(x2 + extra, yRoot));
    sheet.extension(QPointF(ribTipRight + sheet.line * 2, yTip), QPointF(x1Dim + extra, yTip));
    sheet.dimension(QPointF(x2, yRoot), QPointF(x2, yTip), QStringLiteral("h2"), Sheet::Side::After);
    sheet.dimension(QPointF(x1Dim, yBack), QPointF(x1Dim, yTip), QStringLiteral("h1"), Sheet::Side::After);
}

void DrawFlatSection(Sheet& sheet, const BeltSection& s) {
    const double letter = sheet.letter;
    const double dimGap = letter * 1.9;
    // A belt many times wider than thick is drawn broken in the middle, so
    // that its thickness can be seen.
    const double T = s.thickness;
    const double W = std::min(s.width, T * 12);
    const bool broken = W < s.width;
    FitPart(sheet, W, T, {letter * 0.8, letter * 0.8, letter * 3.2, dimGap + letter * 0.3});
    const double gap = broken ? W * 0.06 : 0;
    const double zig = T * 0.25;
    auto piece = [&](double x0, double x1, bool breakLeft, bool breakRight) {
        QPainterPath path;
        path.moveTo(x0, 0);
        path.lineTo(x1, 0);
        if (breakRight) {
            path.lineTo(x1 + zig, T / 3);
            path.lineTo(x1 - zig, 2 * T / 3);
        }
        path.lineTo(x1, T);
        path.lineTo(x0, T);
        if (breakLeft) {
            path.lineTo(x0 - zig, 2 * T / 3);
            path.lineTo(x0 + zig, T / 3);
        }
        path.closeSubpath();
        return path;
    };
    std::vector<QPainterPath> pieces;
    if (broken)
        pieces = {piece(0, W / 2 - gap, false, true), piece(W / 2 + gap, W, true, false)};
    else
        pieces = {piece(0, W, false, false)};
    for (const QPainterPath& body : pieces) {
        sheet.part(body, sheet.colours.belt);
        // The tension member in the middle of the thickness.
        QPainterPath member;
        member.addRect(QRectF(0, T * 0.42, W, T * 0.16));
        QPainterPath inside = body.intersected(member);
        sheet.part(inside, sheet.colours.cord, 0.3);
    }

    const double extra = letter * 0.5;
    const QPointF bl = sheet.at(0, T);
    const QPointF br = sheet.at(W, T);
    const double yW = bl.y() + dimGap * 0.55;
    sheet.extension(bl + QPointF(0, sheet.line * 2), QPointF(bl.x(), yW + extra));
    sheet.extension(br + QPointF(0, sheet.line * 2), QPointF(br.x(), yW + extra));
    sheet.dimension(QPointF(bl.x(), yW), QPointF(br.x(), yW), QStringLiteral("W"), Sheet::Side::After);
    const QPointF tr = sheet.at(W, 0);
    const double xT = tr.x() + letter * 1.0;
    sheet.extension(tr + QPointF(sheet.line * 2, 0), QPointF(xT + extra, tr.y()));
    sheet.extension(br + QPointF(sheet.line * 2, 0), QPointF(xT + extra, br.y()));
    sheet.dimension(QPointF(xT, tr.y()), QPointF(xT, br.y()), QStringLiteral("T"), Sheet::Side::After);
}

// --- Pulleys (Puleggia) ----------------------------------------------------------

// The driver pulley in mm, with what a drawing needs where the project
// gives nothing.
struct PulleyShape {
    double dp = 0, de = 0, df = 0, bore = 0, face = 0, crown = 0;
    int teeth = 0;
};

PulleyShape DriverPulley(const DriveProject& p, const BeltSection& s) {
    PulleyShape q;
    q.dp = Mm(p.pulleyDiameter[1]);
    q.teeth = p.pulleyTeeth[1];
    if (!(q.dp > 0)) {
        q.teeth = 20;
        q.dp = s.form == ToothForm::Flat || IsRibCode(s.drawingCode) ? 60 : q.teeth * s.pitch / kPi;
    }
    if (q.teeth <= 0 && s.pitch > 0) q.teeth = static_cast<int>(std::lround(q.dp * kPi / s.pitch));
    q.de = Mm(p.pulleyOutsideDiameter[1]);
    if (!(q.de > 0) || q.de >= q.dp) q.de = q.dp - 0.18 * s.pitch;
    q.df = Mm(p.pulleyFlangeDiameter[1]);
    if (!(q.df > q.de)) q.df = q.de + 2.5 * (s.toothHeight + s.back);
    q.bore = Mm(p.pulleyMaxBore[1]);
    if (!(q.bore > 0) || q.bore >= q.de * 0.8) q.bore = q.de * 0.4;
    q.face = Mm(p.pulleyFaceWidth);
    if (!(q.face > 0)) q.face = std::max(Mm(p.beltWidth) * 1.25, 3 * s.pitch);
    q.crown = Mm(p.pulleyCrownHeight[1]);
    return q;
}

// Front view: the pulley as seen along its axis, centred on c (mm).
void DrawFrontView(Sheet& sheet, const BeltSection& s, const PulleyShape& q, QPointF c, int kind) {
    const double ro = kind == 0 ? q.de / 2 : q.dp / 2;
    if (kind == 0) {
        QPainterPath flange;
        flange.addEllipse(c, q.df / 2, q.df / 2);
        sheet.part(flange, sheet.colours.metal.lighter(112), 0.7);
        // The grooves: the belt's tooth, a little wider, cut into the rim.
        const int z = std::clamp(q.teeth, 8, 90);
        const double step = 2 * kPi / z;
        BeltSection groove = s;
        groove.tipWidth = s.tipWidth * 1.08;
        const QPolygonF outline = ToothPolyline(groove, 0);
        QPolygonF rim;
        for (int i = 0; i < z; ++i) {
            const double a0 = i * step;
            for (const QPointF& pt : outline) {
                // x along the rim, y into it.
                const double a = a0 + pt.x() / ro;
                const double r = ro - pt.y() * 1.04;
                rim << c + QPointF(r * std::sin(a), -r * std::cos(a));
            }
            const double half = ToothRootWidth(groove) / 2 / ro;
            for (double a = a0 + half; a < a0 + step - half; a += step / 12)
                rim << c + QPointF(ro * std::sin(a), -ro * std::cos(a));
        }
        QPainterPath body;
        body.addPolygon(rim);
        body.closeSubpath();
        sheet.part(body, sheet.colours.metal);
    } else {
        QPainterPath body;
        body.addEllipse(c, ro, ro);
        sheet.part(body, sheet.colours.metal);
        if (kind == 1) {
            // The groove bottoms seen from the front.
            QPainterPath inner;
            const double t = s.toothHeight;
            inner.addEllipse(c, ro - t, ro - t);
            sheet.stroke(inner, sheet.colours.outline, 0.6, Qt::DashLine);
        }
    }
    // Bore with its keyway.
    const double rb = q.bore / 2;
    const double key = rb * 0.25;
    QPainterPath bore;
    bore.moveTo(c + QPointF(-key, -rb * 0.97));
    bore.lineTo(c + QPointF(-key, -rb - key * 0.8));
    bore.lineTo(c + QPointF(key, -rb - key * 0.8));
    bore.lineTo(c + QPointF(key, -rb * 0.97));
    bore.arcTo(QRectF(c.x() - rb, c.y() - rb, 2 * rb, 2 * rb), 90 - std::asin(key / rb) / kDegToRad,
               -(360 - 2 * std::asin(key / rb) / kDegToRad));
    bore.closeSubpath();
    sheet.part(bore, sheet.colours.background.alpha() ? sheet.colours.background : QColor(Qt::white));
    if (kind == 0) {
        QPainterPath pitch;
        pitch.addEllipse(c, q.dp / 2, q.dp / 2);
        sheet.stroke(pitch, sheet.colours.centreLine, 0.6, Qt::DashDotLine);
    }
    const double reach = (kind == 0 ? q.df : q.dp) / 2 + sheet.mm(sheet.letter * 0.4);
    sheet.centreLine(sheet.at(c.x() - reach, c.y()), sheet.at(c.x() + reach, c.y()));
    sheet.centreLine(sheet.at(c.x(), c.y() - reach), sheet.at(c.x(), c.y() + reach));
}

// Diameters dimensioned side by side to the right of a section, smallest
// first; each symbol written along its line.
struct Diameter {
    double d;
    QString symbol;
};
void DimensionDiameters(Sheet& sheet, double xFrom, double xFirst, const std::vector<Diameter>& ds) {
    const double step = sheet.letter * 1.25;
    double x = xFirst;
    for (const Diameter& d : ds) {
        const QPointF top = sheet.at(0, -d.d / 2);
        const QPointF bottom = sheet.at(0, d.d / 2);
        const double xStart = sheet.at(xFrom, 0).x() + sheet.line * 2;
        sheet.extension(QPointF(xStart, top.y()), QPointF(x + sheet.letter * 0.4, top.y()));
        sheet.extension(QPointF(xStart, bottom.y()), QPointF(x + sheet.letter * 0.4, bottom.y()));
        sheet.dimension(QPointF(x, top.y()), QPointF(x, bottom.y()), d.symbol, Sheet::Side::Before, true);
        x += step;
    }
}

// B: the face width between x0 and x1 (mm), under the section whose lowest
// edge is at y (mm), measured at the rim's radius r (mm).
void DimensionFaceWidth(Sheet& sheet, double x0, double x1, double r, double y) {
    const double yB = sheet.at(0, y).y() + sheet.letter * 0.8;
    const QPointF left = sheet.at(x0, r);
    const QPointF right = sheet.at(x1, r);
    sheet.extension(left + QPointF(0, sheet.line * 2), QPointF(left.x(), yB + sheet.letter * 0.4));
    sheet.extension(right + QPointF(0, sheet.line * 2), QPointF(right.x(), yB + sheet.letter * 0.4));
    sheet.dimension(QPointF(left.x(), yB), QPointF(right.x(), yB), QStringLiteral("B"), Sheet::Side::After);
}

void DrawTimingPulley(Sheet& sheet, const BeltSection& s, const PulleyShape& q) {
    const double letter = sheet.letter;
    const double flange = std::max(q.face * 0.06, (q.df - q.de) * 0.12);
    const double sectionW = q.face + 2 * flange;
    const double gap = q.df * 0.22;
    const double dimsPx = letter * (0.9 + 1.25 * 4);
    FitPart(sheet, q.df + gap + sectionW, q.df, {letter * 0.5, letter * 0.5, dimsPx, letter * 2.4});
    const double x0 = q.df + gap;  // left of the section
    // y = 0 on the axis.
    sheet.place(sheet.at(0, q.df / 2), sheet.scale);
    DrawFrontView(sheet, s, q, QPointF(q.df / 2, 0), 0);

    // Axial section: hub and rim cut through, flanges either side.
    const double root = q.de / 2 - s.toothHeight;
    for (double sign : {-1.0, 1.0}) {
        auto band = [&](double xl, double xr, double r0, double r1) {
            QPainterPath path;
            path.addRect(QRectF(QPointF(xl, sign < 0 ? -r1 : r0), QPointF(xr, sign < 0 ? -r0 : r1)));
            return path;
        };
        const QPainterPath rim = band(x0 + flange, x0 + flange + q.face, q.bore / 2, q.de / 2);
        const QPainterPath left = band(x0, x0 + flange, q.bore / 2, q.df / 2);
        const QPainterPath right = band(x0 + flange + q.face, x0 + sectionW, q.bore / 2, q.df / 2);
        for (const QPainterPath& piece : {rim, left, right}) {
            sheet.part(piece, sheet.colours.metal, 0.8);
            sheet.hatch(piece);
        }
        // The groove bottoms, hidden behind the teeth.
        QPainterPath grooves;
        grooves.moveTo(x0 + flange, sign * root);
        grooves.lineTo(x0 + flange + q.face, sign * root);
        sheet.stroke(grooves, sheet.colours.outline, 0.6, Qt::DashLine);
    }
    const double reach = sheet.mm(letter * 0.5);
    const double xEnd = x0 + sectionW;
    sheet.centreLine(sheet.at(x0 - reach, 0), sheet.at(xEnd + reach, 0));
    for (double sign : {-1.0, 1.0})
        sheet.centreLine(sheet.at(x0 + flange - reach, sign * q.dp / 2), sheet.at(xEnd, sign * q.dp / 2));

    const double xFirst = sheet.at(xEnd, 0).x() + letter * 1.5;
    DimensionDiameters(sheet, xEnd, xFirst,
                       {{q.bore, QStringLiteral("dmax")}, {q.dp, QStringLiteral("dp")},
                        {q.de, QStringLiteral("de")}, {q.df, QStringLiteral("df")}});
    DimensionFaceWidth(sheet, x0 + flange, x0 + flange + q.face, q.de / 2, q.df / 2);
}

void DrawFlatPulley(Sheet& sheet, const BeltSection&, const PulleyShape& q) {
    const double letter = sheet.letter;
    const double d = q.dp;
    const double gap = d * 0.22;
    const double dimsPx = letter * (0.9 + 1.25 * 2);
    FitPart(sheet, d + gap + q.face, d, {letter * 0.5, letter * 1.0, dimsPx, letter * 2.4});
    sheet.place(sheet.at(0, d / 2), sheet.scale);
    const BeltSection none;
    DrawFrontView(sheet, none, q, QPointF(d / 2, 0), 2);

    // The crown is far too small to see at scale: it is drawn at least a
    // few lines high.
    const double crown = std::max(q.crown, sheet.mm(sheet.line * 5));
    const double x0 = d + gap;
    const double x1 = x0 + q.face;
    for (double sign : {-1.0, 1.0}) {
        QPainterPath rim;
        rim.moveTo(x0, sign * q.bore / 2);
        rim.lineTo(x0, sign * (d / 2 - crown));
        rim.quadTo((x0 + x1) / 2, sign * (d / 2 + crown), x1, sign * (d / 2 - crown));
        rim.lineTo(x1, sign * q.bore / 2);
        rim.closeSubpath();
        sheet.part(rim, sheet.colours.metal, 0.8);
        sheet.hatch(rim);
    }
    const double reach = sheet.mm(letter * 0.5);
    sheet.centreLine(sheet.at(x0 - reach, 0), sheet.at(x1 + reach, 0));
    const double xFirst = sheet.at(x1, 0).x() + letter * 1.5;
    DimensionDiameters(sheet, x1, xFirst, {{d, QStringLiteral("d")}});
    DimensionFaceWidth(sheet, x0, x1, d / 2 - crown, d / 2);

    // h: from the edge of the rim up to the crown's top, at the left edge.
    const QPointF edge = sheet.at(x0, -(d / 2 - crown));
    const QPointF topLeft = sheet.at(x0, -d / 2);
    const double xh = edge.x() - letter * 0.6;
    sheet.extension(QPointF(sheet.at((x0 + x1) / 2, 0).x(), topLeft.y()), QPointF(xh - letter * 0.4, topLeft.y()));
    sheet.extension(edge - QPointF(sheet.line * 2, 0), QPointF(xh - letter * 0.4, edge.y()));
    sheet.dimension(QPointF(xh, topLeft.y()), QPointF(xh, edge.y()), QStringLiteral("h"), Sheet::Side::Before);
}

void DrawRibPulley(Sheet& sheet, const BeltSection& s, const PulleyShape& q, const RibGroove& g, int ribs) {
    const double letter = sheet.letter;
    const double P = Mm(g.pitch);
    const double t = Mm(g.depth);
    const double R = Mm(g.ridgeRadius);
    const double r = Mm(g.bottomRadius);
    const double half = g.grooveAngleDegrees / 2 * kDegToRad;
    const int grooves = std::clamp(ribs, 3, 12);

    // Left part: front view and section; right part: the grooves enlarged.
    const QRectF whole = sheet.area;
    const double split = whole.left() + whole.width() * 0.56;
    const double d = q.dp;
    const double face = grooves * P + P;
    const double gap = d * 0.2;
    {
        const double dimsPx = letter * (0.9 + 1.25);
        const QRectF room = QRectF(QPointF(whole.left(), whole.top()), QPointF(split, whole.bottom()))
                                .adjusted(letter * 0.5, letter * 0.5, -dimsPx, -letter * 0.5);
        const double w = d + gap + face;
        const double scale = std::min(room.width() / w, room.height() / d);
        sheet.place(QPointF(room.center().x() - w * scale / 2, room.center().y()), scale);
    }
    DrawFrontView(sheet, s, q, QPointF(d / 2, 0), 1);
    const double x0 = d + gap;
    const double tanHalf = std::tan(half);
    for (double sign : {-1.0, 1.0}) {
        QPainterPath rim;
        rim.moveTo(x0, sign * q.bore / 2);
        rim.lineTo(x0, sign * d / 2);
        // Grooves cut into the rim; the first begins after half a pitch.
        for (int i = 0; i < grooves; ++i) {
            const double cx = x0 + P + i * P;
            rim.lineTo(cx - t * tanHalf, sign * d / 2);
            rim.lineTo(cx, sign * (d / 2 - t));
            rim.lineTo(cx + t * tanHalf, sign * d / 2);
        }
        rim.lineTo(x0 + face, sign * d / 2);
        rim.lineTo(x0 + face, sign * q.bore / 2);
        rim.closeSubpath();
        sheet.part(rim, sheet.colours.metal, 0.7);
        sheet.hatch(rim);
    }
    const double reach = sheet.mm(letter * 0.5);
    sheet.centreLine(sheet.at(x0 - reach, 0), sheet.at(x0 + face + reach, 0));
    DimensionDiameters(sheet, x0 + face, sheet.at(x0 + face, 0).x() + letter * 1.5,
                       {{d, QString(QChar(0x00D8))}});
    // Where the enlarged grooves come from.
    const QPointF spot = sheet.at(x0 + face / 2, -d / 2);
    const double ring = std::max(letter * 0.9, sheet.px(P * 1.6));
    {
        QPainter& painter = sheet.painter();
        painter.save();
        painter.setPen(QPen(sheet.colours.dimension, sheet.line * 0.6, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(spot, ring, ring);
        painter.restore();
    }

    // The detail: three grooves between two half ridges.
    const int shown = 3;
    const double detailW = shown * P;
    const double base = t * 1.9;
    const QRectF room = QRectF(QPointF(split, whole.top()), QPointF(whole.right(), whole.bottom()))
                            .adjusted(letter * 2.4, letter * 2.6, -letter * 1.8, -letter * 1.2);
    const double scale = std::min(room.width() / detailW, room.height() / base);
    sheet.place(QPointF(room.center().x() - detailW * scale / 2, room.center().y() - base * scale / 2), scale);
    QPainterPath detail;
    detail.moveTo(0, base);
    std::vector<QPointF> points{{0, 0}};
    std::vector<double> radius{0};
    for (int i = 0; i < shown; ++i) {
        const double cx = (i + 0.5) * P;
        points.insert(points.end(), {{cx - t * tanHalf, 0}, {cx, t}, {cx + t * tanHalf, 0}});
        radius.insert(radius.end(), {R, r, R});
    }
    points.emplace_back(detailW, 0);
    radius.push_back(0);
    AddRoundedPolyline(detail, points, radius);
    detail.lineTo(detailW, base);
    detail.closeSubpath();
    sheet.part(detail, sheet.colours.metal);
    sheet.hatch(detail);

    const double extra = letter * 0.5;
    // P between the centres of the first two grooves, above the ridges.
    const double yTop = sheet.at(0, 0).y();
    const double yP = yTop - letter * 1.3;
    const double c0 = 0.5 * P;
    const double c1 = 1.5 * P;
    for (double cx : {c0, c1}) sheet.centreLine(QPointF(sheet.at(cx, 0).x(), yP - extra), sheet.at(cx, t) + QPointF(0, extra));
    sheet.dimension(QPointF(sheet.at(c0, 0).x(), yP), QPointF(sheet.at(c1, 0).x(), yP), QStringLiteral("P"),
                    Sheet::Side::Before);
    // t: the depth of the last groove, on the right.
    const double xt = sheet.at(detailW, 0).x() + letter * 0.9;
    const QPointF bottom = sheet.at(2.5 * P, t);
    sheet.extension(sheet.at(detailW, 0) + QPointF(sheet.line * 2, 0), QPointF(xt + extra, yTop));
    sheet.extension(bottom + QPointF(sheet.line * 3, 0), QPointF(xt + extra, bottom.y()));
    sheet.dimension(QPointF(xt, yTop), QPointF(xt, bottom.y()), QStringLiteral("t"), Sheet::Side::After);
    // The groove angle of the last groove, its flanks prolonged above the rim.
    const QPointF vertex = sheet.at(2.5 * P, t);
    const double arm = sheet.px(t) + letter * 1.4;
    const QPointF leftArm = vertex + QPointF(-std::sin(half), -std::cos(half)) * arm;
    const QPointF rightArm = vertex + QPointF(std::sin(half), -std::cos(half)) * arm;
    sheet.extension(sheet.at(2.5 * P - t * tanHalf, 0), leftArm);
    sheet.extension(sheet.at(2.5 * P + t * tanHalf, 0), rightArm);
    sheet.angle(vertex, arm * 0.9, 90 - g.grooveAngleDegrees / 2, g.grooveAngleDegrees, QString(QChar(0x00DF)));
    // R on the left ridge's corner, r at the bottom of the first groove.
    const QPointF ridge = sheet.at(0.5 * P - t * tanHalf, 0);
    sheet.leader(ridge, QPointF(ridge.x() - letter * 1.2, yTop - letter * 0.9), QStringLiteral("R"),
                 Qt::AlignRight | Qt::AlignVCenter);
    const QPointF groove = sheet.at(0.5 * P, t);
    sheet.leader(groove, QPointF(sheet.at(0, 0).x() - letter * 0.6, groove.y() + letter * 0.9), QStringLiteral("r"),
                 Qt::AlignRight | Qt::AlignVCenter);
}

}  // namespace

// --- Public ----------------------------------------------------------------------

DrawingColours ScreenDrawingColours() {
    DrawingColours c;
    c.background = QColor(244, 247, 252);
    c.frame = QColor(120, 135, 155);
    c.outline = QColor(30, 40, 60);
    c.belt = QColor(238, 226, 186);
    c.rubber = QColor(70, 72, 78);
    c.facing = QColor(40, 110, 200);
    c.cord = QColor(105, 112, 122);
    c.metal = QColor(196, 204, 214);
    c.hatch = QColor(110, 120, 135);
    c.centreLine = QColor(30, 90, 200);
    c.dimension = QColor(200, 0, 0);
    return c;
}

DrawingColours PaperDrawingColours() {
    DrawingColours c;
    c.background = Qt::transparent;
    c.frame = Qt::transparent;
    c.outline = Qt::black;
    c.belt = QColor(236, 236, 236);
    c.rubber = QColor(150, 150, 150);
    c.facing = QColor(40, 40, 40);
    c.cord = QColor(90, 90, 90);
    c.metal = QColor(250, 250, 250);
    c.hatch = QColor(80, 80, 80);
    c.centreLine = QColor(60, 60, 60);
    c.dimension = QColor(150, 0, 0);
    return c;
}

double ToothRootWidth(const BeltSection& s) {
    switch (s.form) {
        case ToothForm::Curvilinear:
            return s.pitch * kRoundToothWidth;
        case ToothForm::Parabolic:
            return s.pitch * kParabolicToothWidth;
        default:
            return s.tipWidth + 2 * s.toothHeight * std::tan(s.flankAngle / 2 * kDegToRad);
    }
}

void AddToothOutline(QPainterPath& path, const BeltSection& s, double cx) {
    const double h = s.toothHeight;
    const double half = ToothRootWidth(s) / 2;
    switch (s.form) {
        case ToothForm::Curvilinear: {
            // Straight flanks ending in a round tip, with fillets into the land.
            const double fillet = half * 0.15;
            const double ry = std::min(half, h - fillet);
            path.lineTo(cx - half - fillet, 0);
            path.quadTo(cx - half, 0, cx - half, fillet);
            path.lineTo(cx - half, h - ry);
            path.arcTo(QRectF(cx - half, h - 2 * ry, 2 * half, 2 * ry), 180, 180);
            path.lineTo(cx + half, fillet);
            path.quadTo(cx + half, 0, cx + half + fillet, 0);
            break;
        }
        case ToothForm::Parabolic: {
            // Flanks curving in towards a flat tip with a shallow recess.
            const double fillet = half * 0.15;
            const double tip = half * 0.5;
            const double recessHalf = tip * 0.55;
            const double recess = h * 0.08;
            path.lineTo(cx - half - fillet, 0);
            path.quadTo(cx - half, 0, cx - half, fillet);
            path.cubicTo(cx - half, h * 0.6, cx - tip * 1.35, h, cx - tip, h);
            path.lineTo(cx - recessHalf, h);
            path.quadTo(cx, h - recess * 2, cx + recessHalf, h);
            path.lineTo(cx + tip, h);
            path.cubicTo(cx + tip * 1.35, h, cx + half, h * 0.6, cx + half, fillet);
            path.quadTo(cx + half, 0, cx + half + fillet, 0);
            break;
        }
        default: {
            // Straight flanks of the profile's angle; small radii at the
            // root and at the tip corners.
            const double tip = s.tipWidth / 2;
            const double rootR = h * 0.16;
            const double tipR = std::min(h * 0.14, tip * 0.4);
            AddRoundedPolyline(path,
                               {{cx - half - rootR, 0}, {cx - half, 0}, {cx - tip, h}, {cx + tip, h}, {cx + half, 0},
                                {cx + half + rootR, 0}},
                               {0, rootR, tipR, tipR, rootR, 0});
            break;
        }
    }
}

DriveProject SampleDrawingProject(int code) {
    struct Sample {
        std::string_view family, type, pitchCode, suffix;
    };
    static constexpr std::array<Sample, 13> kSamples = {{
        {"ORVANTO", "ORVANTO T", "T10", ""},
        {"ORVANTO", "ORVANTO T", "T10", "DL"},
        {"ORVANTO", "ORVANTO AT", "AT10", ""},
        {"ORVANTO", "ORVANTO I", "XL", ""},
        {"RUBBER", "RUBBER I", "L", ""},
        {"RUBBER", "RUBBER I", "L", "DT"},
        {"SELKIRA", "SELKIRA QXD", "QXD8M", ""},
        {"SELKIRA", "SELKIRA QVP", "QVP8", ""},
        {"RUBBER", "RUBBER QVP", "QVP8", "DD"},
        {"QUINDEL", "QUINDEL ZB2", "ZB2", ""},
        {"QUINDEL", "QUINDEL J", "J", ""},
        {"QUINDEL", "QUINDEL H", "H", ""},
        {"FENDARO", "", "", ""},
    }};
    const Sample& s = kSamples[static_cast<std::size_t>(std::clamp(code, 0, 12))];
    DriveProject p;
    p.pulleyCount = 2;
    if (s.family == "QUINDEL") {
        const int picture = s.pitchCode == "ZB2" ? 6 : s.pitchCode == "H" ? 7 : 8;
        SelectToothProfile(p, kTabQuindel, picture);
        p.beltFamily = s.family;
        LoadPulleyTable(p);
        p.beltWidth = 6;
        p.pulleyDiameter[1] = 0.06;
    } else if (s.family == "FENDARO") {
        DatiFlatBelt(p);
        ChooseFlatBeltType(p, kFlatBeltGroups[0], 0);
        p.beltFamily = s.family;
        LoadPulleyTable(p);
        p.beltWidth = 0.05;
        p.pulleyFaceWidth = 0.063;
        p.pulleyDiameter[1] = 0.1;
        LookupIsoDiameter(p, 1);
    } else {
        p = ChosenBelt(s.family, s.type, s.pitchCode, s.suffix);
        p.pulleyCount = 2;
        p.beltWidth = 0.025;
        p.pulleyFaceWidth = 0.032;
        p.pulleyTeeth[1] = 20;
        LookupPulleyTeeth(p, 1);
    }
    p.beltKindCode = BeltKindCode(p);
    p.profileDrawingCode = ProfileDrawingCode(p);
    return p;
}

BeltSection BeltSectionOf(const DriveProject& p) {
    BeltSection s;
    s.drawingCode = std::clamp(p.profileDrawingCode, 0, 12);
    const int code = s.drawingCode;
    const auto& dim = p.toothDimensions;
    if (code == 12) {
        s.form = ToothForm::Flat;
        s.width = p.beltWidth > 0 ? Mm(p.beltWidth) : 50;
        s.thickness = dim[0] > 0 ? Mm(dim[0]) : 2.5;
        s.tipWidthGiven = false;
        return s;
    }
    if (IsRibCode(code)) {
        if (!(dim[0] > 0 && dim[1] > 0 && dim[2] > 0)) return BeltSectionOf(SampleDrawingProject(code));
        s.form = ToothForm::Rib;
        s.pitch = Mm(dim[2]);
        s.back = Mm(dim[0]);
        s.toothHeight = Mm(dim[1]);
        s.tipWidthGiven = false;
        const RibGroove* g = FindRibGroove(p.beltName);
        s.flankAngle = g ? g->grooveAngleDegrees : 40;
        return s;
    }
    if (!(p.beltPitch > 0 && dim[1] > 0)) return BeltSectionOf(SampleDrawingProject(code));
    s.form = code == 6 ? ToothForm::Curvilinear : (code == 7 || code == 8) ? ToothForm::Parabolic : ToothForm::Trapezoid;
    s.doubleSided = code == 1 || code == 5 || code == 8;
    s.rubber = code == 4 || code == 5 || p.beltFamily == "RUBBER";
    s.pitch = Mm(p.beltPitch);
    s.back = Mm(dim[0]);
    s.toothHeight = Mm(dim[1]);
    s.tipWidth = Mm(dim[2]);
    s.tipWidthGiven = dim[2] > 0;
    s.flankAngle = FlankAngleOf(p.beltPitchCode);
    if (s.form == ToothForm::Trapezoid && (!(s.back > 0) || !(s.tipWidth > 0))) {
        // Rubber inch belts: the polyurethane belt of the profile.
        const DriveProject pu = ChosenBelt("SELKIRA", "SELKIRA I", p.beltPitchCode);
        if (!(s.back > 0)) s.back = pu.toothDimensions[0] > 0 ? Mm(pu.toothDimensions[0]) : s.toothHeight * 0.8;
        if (!(s.tipWidth > 0)) s.tipWidth = pu.toothDimensions[2] > 0 ? Mm(pu.toothDimensions[2]) : s.pitch * 0.3;
    }
    if (!(s.back > 0)) s.back = s.toothHeight * 0.7;
    return s;
}

void DrawProfileDrawing(QPainter& painter, const QRectF& rect, const DriveProject& p, const DrawingColours& colours) {
    const BeltSection s = BeltSectionOf(p);
    InDevicePixels(painter, rect, colours, [&](Sheet& sheet) {
        switch (s.form) {
            case ToothForm::Rib:
                DrawRibSection(sheet, s);
                break;
            case ToothForm::Flat:
                DrawFlatSection(sheet, s);
                break;
            default:
                DrawTimingSection(sheet, s);
                break;
        }
    });
}

void DrawPulleyDrawing(QPainter& painter, const QRectF& rect, const DriveProject& p, const DrawingColours& colours) {
    const int kind = std::clamp(p.beltKindCode, 0, 2);
    DriveProject sample;
    const DriveProject* source = &p;
    // A belt of another kind than the drawing asks for (a project file may
    // hold any code) is drawn with a sample belt of the kind.
    const BeltSection own = BeltSectionOf(p);
    const bool matches = kind == 2 ? own.form == ToothForm::Flat
                                   : kind == 1 ? own.form == ToothForm::Rib
                                               : own.form != ToothForm::Flat && own.form != ToothForm::Rib;
    if (!matches) {
        sample = SampleDrawingProject(kind == 2 ? 12 : kind == 1 ? 10 : 0);
        source = &sample;
    }
    const BeltSection s = matches ? own : BeltSectionOf(sample);
    const PulleyShape q = DriverPulley(*source, s);
    InDevicePixels(painter, rect, colours, [&](Sheet& sheet) {
        switch (kind) {
            case 1: {
                const RibGroove* g = FindRibGroove(source->beltName);
                const RibGroove fallback = *FindRibGroove("QUINDEL J");
                DrawRibPulley(sheet, s, q, g ? *g : fallback, static_cast<int>(std::lround(source->beltWidth)));
                break;
            }
            case 2:
                DrawFlatPulley(sheet, s, q);
                break;
            default:
                DrawTimingPulley(sheet, s, q);
                break;
        }
    });
}

}  // namespace belt
