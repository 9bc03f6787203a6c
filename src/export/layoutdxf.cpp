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

Point Centre(const DriveProject& p, int k) { return {p.pulleyPosition[0][k], p.pulleyPosition[1][k]}; }

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

    // The belt's own route, as every drawing of the layout takes it.
    const std::vector<BeltPiece> route = LayoutBeltRoute(p);
    for (const BeltPiece& piece : route) {
        if (!piece.wrap) {
            dxf.line("BELT", piece.x0 * kMm, piece.y0 * kMm, piece.x1 * kMm, piece.y1 * kMm);
            continue;
        }
        const Point c = Centre(p, piece.pulley);
        if (piece.sweep > 0)
            dxf.arc("BELT", c.x * kMm, c.y * kMm, p.pulleyDiameter[piece.pulley] * kMm / 2,
                    piece.startAngle * kDegrees, piece.endAngle * kDegrees);
    }
    for (const BeltLine& l : LayoutBeltLines(p))
        if (l.kind == BeltLine::Kind::Carriage) dxf.line("CARRIAGE", l.x0 * kMm, l.y0 * kMm, l.x1 * kMm, l.y1 * kMm);

    dxf.write(out);
    return !route.empty();
}

}  // namespace belt
