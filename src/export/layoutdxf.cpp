#include "export/layoutdxf.h"

#include <algorithm>
#include <cmath>
#include <ostream>
#include <vector>

#include "engine/checks.h"
#include "engine/layout.h"
#include "engine/layouteditor.h"
#include "engine/report.h"
#include "export/dxfwriter.h"
#include "units/units.h"

namespace belt {

namespace {

constexpr double kMm = 1000.0;
constexpr double kPiExact = 3.14159265358979323846;
constexpr double kDegrees = 180.0 / kPiExact;

struct Point {
    double x = 0;
    double y = 0;
};

Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
double Cross(Point a, Point b) { return a.x * b.y - a.y * b.x; }
double Length(Point a) { return std::hypot(a.x, a.y); }

Point Centre(const DriveProject& p, int k) { return {p.pulleyPosition[0][k], p.pulleyPosition[1][k]}; }

// The belt as it runs: straight pieces and wraps round pulleys, in order.
struct Piece {
    bool wrap = false;
    int pulley = 0;  // a wrap's pulley
    Point from;
    Point to;
};

// The wraps and spans of the current path, in the direction of the spans
// (span k runs from pulley k to the next). An omega drive's belt starts at
// the clamp beyond pulley 3 and ends at the clamp beyond pulley 2.
std::vector<Piece> BeltRoute(const DriveProject& p) {
    std::vector<Piece> route;
    const std::vector<BeltLine> lines = LayoutBeltLines(p);
    std::vector<const BeltLine*> spans(5, nullptr);
    const BeltLine* clampRun = nullptr;
    for (const BeltLine& l : lines) {
        if (l.kind == BeltLine::Kind::Span && l.span >= 1 && l.span <= 4) spans[static_cast<std::size_t>(l.span)] = &l;
        if (l.kind == BeltLine::Kind::ClampRun) clampRun = &l;
    }
    const int n = std::clamp(p.pulleyCount, 2, 4);
    for (int k = 1; k <= n; ++k)
        if (!spans[static_cast<std::size_t>(k)]) return {};
    auto start = [&](int k) { return Point{spans[static_cast<std::size_t>(k)]->x0, spans[static_cast<std::size_t>(k)]->y0}; };
    auto end = [&](int k) { return Point{spans[static_cast<std::size_t>(k)]->x1, spans[static_cast<std::size_t>(k)]->y1}; };

    if (clampRun) {
        const Point clampSide3{clampRun->x0, clampRun->y0};
        route.push_back({false, 0, {clampRun->x1, clampRun->y1}, clampSide3});
        route.push_back({true, 3, clampSide3, start(3)});
        route.push_back({false, 0, start(3), end(3)});
        route.push_back({true, 1, end(3), start(1)});
        route.push_back({false, 0, start(1), end(1)});
        route.push_back({true, 2, end(1), start(2)});
        route.push_back({false, 0, start(2), end(2)});
        return route;
    }
    for (int k = 1; k <= n; ++k) {
        const int prev = k == 1 ? n : k - 1;
        route.push_back({true, k, end(prev), start(k)});
        route.push_back({false, 0, start(k), end(k)});
    }
    return route;
}

// The wrap of piece i as a counter-clockwise DXF arc: the belt turns the way
// it arrives (or, arriving along no span, the way it leaves).
struct Arc {
    double startDegrees = 0;
    double endDegrees = 0;
    double sweep = 0;  // radians
};

Arc WrapArc(const std::vector<Piece>& route, std::size_t i, Point c) {
    const Piece& w = route[i];
    Point dir = route[(i + route.size() - 1) % route.size()].to - route[(i + route.size() - 1) % route.size()].from;
    Point at = w.from;
    if (Length(dir) < 1e-12) {
        const Piece& next = route[(i + 1) % route.size()];
        dir = next.to - next.from;
        at = w.to;
    }
    const bool counterClockwise = Cross(at - c, dir) >= 0;
    const double a = std::atan2(w.from.y - c.y, w.from.x - c.x);
    const double b = std::atan2(w.to.y - c.y, w.to.x - c.x);
    double sweep = std::fmod(counterClockwise ? b - a : a - b, 2 * kPiExact);
    if (sweep < 0) sweep += 2 * kPiExact;
    // Arriving and leaving at the same point is no wrap, not a whole turn.
    if (sweep > 2 * kPiExact - 1e-9) sweep = 0;
    Arc arc;
    arc.sweep = sweep;
    arc.startDegrees = (counterClockwise ? a : b) * kDegrees;
    arc.endDegrees = (counterClockwise ? b : a) * kDegrees;
    return arc;
}

}  // namespace

bool WriteLayoutDxf(const DriveProject& p, std::ostream& out) {
    DxfWriter dxf;
    dxf.addLayer("PITCH", 7);
    dxf.addLayer("OUTSIDE", 8);
    dxf.addLayer("CENTRES", 1);
    dxf.addLayer("BELT", 3);
    dxf.addLayer("CARRIAGE", 6);
    dxf.addLayer("TEXT", 7);

    const int n = std::clamp(p.pulleyCount, 0, 4);
    const LayoutScale scale = ComputeLayoutScale(p);
    const double cross = scale.crossHalf * kMm;
    // Names as large as on the screen's drawing: a sixtieth of its width.
    const double textHeight = std::max(1.0, scale.scaleWidth * kMm / 60);
    for (int k = 1; k <= n; ++k) {
        const Point c = Centre(p, k);
        const double x = c.x * kMm;
        const double y = c.y * kMm;
        const double d = p.pulleyDiameter[k] * kMm;
        if (d > 0) dxf.circle("PITCH", x, y, d / 2);
        if (p.pulleyIsIdler[k] == 0 && p.pulleyOutsideDiameter[k] > 0)
            dxf.circle("OUTSIDE", x, y, p.pulleyOutsideDiameter[k] * kMm / 2);
        dxf.line("CENTRES", x - cross, y, x + cross, y);
        dxf.line("CENTRES", x, y - cross, x, y + cross);
        // Below the circle, as the layout drawing hangs its names.
        const double top = y - 0.55 * d;
        dxf.text("TEXT", x, top - textHeight, textHeight, CapitalisedPulleyLabel(p, k));
        dxf.text("TEXT", x, top - 2.6 * textHeight, textHeight, "%%c " + Format(d, "###0.00") + " mm");
    }

    const std::vector<Piece> route = BeltRoute(p);
    for (std::size_t i = 0; i < route.size(); ++i) {
        const Piece& piece = route[i];
        if (!piece.wrap) {
            dxf.line("BELT", piece.from.x * kMm, piece.from.y * kMm, piece.to.x * kMm, piece.to.y * kMm);
            continue;
        }
        const Point c = Centre(p, piece.pulley);
        const Arc arc = WrapArc(route, i, c);
        if (arc.sweep > 0)
            dxf.arc("BELT", c.x * kMm, c.y * kMm, p.pulleyDiameter[piece.pulley] * kMm / 2, arc.startDegrees,
                    arc.endDegrees);
    }
    for (const BeltLine& l : LayoutBeltLines(p))
        if (l.kind == BeltLine::Kind::Carriage) dxf.line("CARRIAGE", l.x0 * kMm, l.y0 * kMm, l.x1 * kMm, l.y1 * kMm);

    dxf.write(out);
    return !route.empty();
}

}  // namespace belt
