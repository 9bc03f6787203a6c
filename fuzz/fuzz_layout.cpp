// Belt paths and layout geometry on arbitrary positions and diameters: the
// input gives the number of pulleys, the belt, the idlers and each pulley's
// place and size (mostly within a few metres, now and then any Double).
// Afterwards:
// - the path count fits the path table and every path has a positive belt
//   length with finite arcs of contact;
// - no tangent point, drawing scale or belt line is NaN or infinite.
#include "engine/beltpaths.h"
#include "engine/layout.h"
#include "engine/layouteditor.h"
#include "fuzzsupport.h"
#include "units/units.h"

namespace {

using namespace belt;

double Coordinate(fuzz::Bytes& in, double scale) {
    if (in.byte() == 255) return in.real();
    // Low byte first, in this order whatever the compiler.
    const int low = in.byte();
    const auto raw = static_cast<std::int16_t>(low | in.byte() << 8);
    return raw * scale;
}

template <typename Array>
bool AllFinite(const Array& a) {
    if constexpr (std::is_arithmetic_v<std::remove_cvref_t<decltype(a[0])>>) {
        for (const auto& v : a)
            if (!std::isfinite(v)) return false;
        return true;
    } else {
        for (const auto& inner : a)
            if (!AllFinite(inner)) return false;
        return true;
    }
}

void CheckPaths(DriveProject p) {
    const int paths = p.beltPathTable[0][0];
    FUZZ_CHECK(paths >= 0 && paths <= 256, "path count out of the table");
    for (int m = 1; m <= paths; ++m) {
        p.beltPathTable[0][1] = m;
        const double length = ComputeBeltLength(p);
        FUZZ_CHECK(std::isfinite(length) && length > 0, "a belt path without a positive length");
        FUZZ_CHECK(AllFinite(p.pulleyArcOfContact), "an arc of contact is not finite");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes in(data, size);
    DriveProject p;
    InitUnitTables(p);
    p.pulleyCount = 2 + in.byte() % 3;
    static const char* const kFamilies[] = {"ORVANTO", "SELKIRA", "QUINDEL", "FENDARO", "RUBBER"};
    p.beltFamily = kFamilies[in.byte() % 5];
    p.linearDriveType = in.byte() % 3;
    p.stroke = std::fabs(Coordinate(in, 1e-3));
    const int idlers = in.byte();
    for (int k = 1; k <= p.pulleyCount; ++k) {
        if (k > 1) {
            p.pulleyPosition[0][k] = Coordinate(in, 1e-3);
            p.pulleyPosition[1][k] = Coordinate(in, 1e-3);
        }
        p.pulleyDiameter[k] = std::fabs(Coordinate(in, 1e-4));
        if (k > 1 && (idlers >> k & 1)) p.pulleyIsIdler[k] = kTrue;
    }
    const auto tangentsBefore = p.tangentPoint;

    ComputeBeltPaths(p);
    CheckPaths(p);
    if (!LayoutWithinLimits(p)) {
        FUZZ_CHECK(p.beltPathTable[0][0] == 0 && p.tangentPoint == tangentsBefore,
                   "geometry computed on a layout beyond the limits");
    }
    FUZZ_CHECK(AllFinite(p.tangentPoint), "a tangent point is not finite");

    fuzz::FuzzDialogs d(fuzz::Hash(data, size));
    p.beltPathTable[0][1] = in.byte();
    const bool finiteDiameters = AllFinite(p.pulleyDiameter);
    NextBeltPath(p, d);
    CheckPaths(p);
    FUZZ_CHECK(AllFinite(p.tangentPoint), "a tangent point is not finite");
    FUZZ_CHECK(!finiteDiameters || AllFinite(p.pulleyDiameter), "an idler diameter is not finite");

    // The layout screen draws whatever a file holds.
    const LayoutScale s = ComputeLayoutScale(p);
    FUZZ_CHECK(s.xTicks.size() < 5000 && s.yTicks.size() < 5000, "thousands of ticks on one edge");
    if (LayoutWithinLimits(p)) {
        FUZZ_CHECK(std::isfinite(s.left) && std::isfinite(s.right) && std::isfinite(s.top) &&
                       std::isfinite(s.bottom) && std::isfinite(s.spacing),
                   "the drawing scale is not finite");
        for (const BeltLine& l : LayoutBeltLines(p))
            FUZZ_CHECK(std::isfinite(l.x0) && std::isfinite(l.y0) && std::isfinite(l.x1) && std::isfinite(l.y1),
                       "a belt line is not finite");
    }
    return 0;
}
