#include "engine/layout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "catalogue/beltids.h"
#include "catalogue/belttraits.h"
#include "engine/checks.h"
#include "units/units.h"

namespace belt {

namespace {

constexpr double kTwoPi = 6.283185308;
// h^2 / D^2 below which two pulleys count as touching (a gap of about 5e-10 D).
constexpr double kTouchingGap = 1e-9;

struct Pt {
    double x = 0;
    double y = 0;
};

Pt operator-(Pt a, Pt b) {
    return {a.x - b.x, a.y - b.y};
}
double Dot(Pt a, Pt b) {
    return a.x * b.x + a.y * b.y;
}
double Dist(Pt a, Pt b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

int PulleyCountOf(const DriveProject& p) {
    return std::clamp(p.pulleyCount, 0, 4);
}
bool IsIdler(const DriveProject& p, int k) {
    return p.pulleyIsIdler[k] != 0;
}
double Sgn(double v) {
    return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0);
}

Pt Centre(const DriveProject& p, int k) {
    return {p.pulleyPosition[0][k], p.pulleyPosition[1][k]};
}

// End 0 is on pulley i where span i starts, end 1 on the next pulley.
Pt Tangent(const DriveProject& p, int t, int span, int end) {
    return {p.tangentPoint[0][t][span][end], p.tangentPoint[1][t][span][end]};
}

void SetTangent(DriveProject& p, int t, int span, int end, Pt v) {
    p.tangentPoint[0][t][span][end] = v.x;
    p.tangentPoint[1][t][span][end] = v.y;
}

// The point where the belt of an omega drive leaves pulley k horizontally
// towards its clamp: the top of the pulley above the driver, the bottom below.
Pt ClampSide(const DriveProject& p, int k) {
    const Pt c = Centre(p, k);
    return {c.x, c.y + Sgn(c.y) * p.pulleyDiameter[k] / 2};
}

bool OmegaLayout(const DriveProject& p) {
    return IsOmegaDrive(p) && PulleyCountOf(p) == 3;
}

// End points of a span ordered by X (by Y when the X values tie within tol).
void Ordered(Pt a, Pt b, double tol, Pt& first, Pt& second) {
    const bool swap = std::abs(a.x - b.x) < tol ? a.y > b.y : a.x > b.x;
    first = swap ? b : a;
    second = swap ? a : b;
}

// X of the intersection of the lines P1P2 and Q1Q2; false when they are parallel.
bool IntersectX(Pt p1, Pt p2, Pt q1, Pt q2, double& x) {
    const double pdx = p2.x - p1.x;
    const double pdy = p2.y - p1.y;
    const double qdx = q2.x - q1.x;
    const double qdy = q2.y - q1.y;
    const double den = qdx * pdy - pdx * qdy;
    if (!(std::abs(den) > 1e-40)) return false;
    x = (qdx * pdy * p1.x - pdx * qdy * q1.x - qdx * pdx * (p1.y - q1.y)) / den;
    return true;
}

// The common tangents of span i: the outer ones (choices 1, 2) and the inner
// ones (3, 4). Returns how many choices the span has: 4; 2 when the pulleys
// touch, so that their inner "tangents" meet in the point where the pulleys
// do, spans of no length through which a crossed belt of no length would
// pass; 0 when the pulleys overlap or coincide. With a gap below about a
// billionth of the centre distance the pulleys count as touching.
int ComputeSpanTangents(DriveProject& p, int i, int j) {
    const Pt ci = Centre(p, i);
    const Pt cj = Centre(p, j);
    const double dx = cj.x - ci.x;
    const double dy = cj.y - ci.y;
    const double d2 = dx * dx + dy * dy;
    const double ri = p.pulleyDiameter[i] / 2;
    const double rj = p.pulleyDiameter[j] / 2;
    for (int t = 1; t <= 4; ++t) {
        const double s1 = t <= 2 ? -1.0 : 1.0;  // outer, inner
        const double s2 = t % 2 == 1 ? -1.0 : 1.0;
        const double rho = ri + s1 * rj;
        if (d2 - rho * rho < 0 || d2 == 0) return 0;
        const double h = std::sqrt(d2 - rho * rho);
        // (tx, ty) is the radius of pulley i to the tangent point: its
        // projection on the line of centres is ri * rho / D. Both from the
        // closed form, never by dividing by a dx that may be tiny beside dy
        // (which put the point off the pulley for a nearly vertical span).
        const double ty = ri * (rho * dy + s2 * h * dx) / d2;
        const double tx = std::abs(dx) < 1e-15 ? s2 * std::sqrt(std::max(0.0, ri * ri - ty * ty))
                                               : ri * (rho * dx - s2 * h * dy) / d2;
        const Pt start{ci.x + tx, ci.y + ty};
        Pt end;
        if (std::abs(ty) < 1e-15) {
            end = {start.x, cj.y};
        } else {
            // Foot of the perpendicular from centre j on the tangent line.
            const double along = ((cj.x - start.x) * ty - (cj.y - start.y) * tx) / (tx * tx + ty * ty);
            end = {start.x + along * ty, start.y - along * tx};
        }
        SetTangent(p, t, i, 0, start);
        SetTangent(p, t, i, 1, end);
    }
    const double inner = ri + rj;
    return d2 - inner * inner > kTouchingGap * d2 ? 4 : 2;
}

// Whether at least one whole tooth of a z-tooth pulley is in mesh on the arc
// of a wrap whose chord is c diameters: floor(z ArcSin(c) / kPi) >= 1. Away
// from sin(kPi / z) a comparison of c decides it exactly; ArcSin rises at
// least as fast as its argument (relatively) and is computed to a few units
// in the last place, far inside the 1e-9 band left to it.
class ToothInMesh {
public:
    ToothInMesh() = default;
    explicit ToothInMesh(int teeth) : teeth_(teeth) {
        // From 3 teeth on, kPi / z lies below pi/2, where ArcSin is one to one.
        if (teeth >= 3) {
            const double s = std::sin(kPi / teeth);
            below_ = s * (1 - 1e-9);
            above_ = s * (1 + 1e-9);
        }
    }
    bool operator()(double c) const {
        if (c < below_) return false;
        if (c > above_) return true;
        return std::floor(teeth_ * ArcSin(c) / kPi) >= 1;
    }

private:
    int teeth_ = 0;
    double below_ = -HUGE_VAL;
    double above_ = HUGE_VAL;
};

// What the belt's family asks of every wrap, looked up once per layout.
struct WrapRules {
    // Open-end belts may leave a pulley at any chord. Only the linear drive
    // families run open-ended: a linear drive type left over from their tab
    // does not exempt another family's belt.
    bool anyChord = false;
    bool toothed = false;
    explicit WrapRules(const DriveProject& p) : anyChord(IsLinearDriveBelt(p)), toothed(IsToothedBelt(p)) {}
};

// Whether the belt can wrap pulley j arriving on span prev with tangent
// choice tPrev and leaving on span j with choice tNext.
bool WrapIsUsable(const DriveProject& p, const WrapRules& rules, int j, int prev, int tPrev, int tNext,
                  const ToothInMesh& inMesh) {
    const Pt a = Tangent(p, tPrev, prev, 1);
    const Pt b = Tangent(p, tNext, j, 0);
    const double c = Dist(a, b) / p.pulleyDiameter[j];

    if (!rules.anyChord && (c > 1.0001 || c < 1e-4)) return false;
    if (rules.toothed && !IsIdler(p, j) && !inMesh(c)) return false;

    // The belt must not turn back on itself at the pulley.
    const Pt prevStart = Tangent(p, tPrev, prev, 0);
    const Pt nextEnd = Tangent(p, tNext, j, 1);
    const Pt e = b - a;
    if (Dot(e, a - prevStart) * Dot(e, nextEnd - b) < -1e-14) return false;

    // The two spans at this pulley must not cross each other.
    Pt p1, p2, q1, q2;
    Ordered(prevStart, a, 1e-14, p1, p2);
    Ordered(b, nextEnd, 1e-14, q1, q2);
    if (!(std::abs(p1.x - q1.x) < 1e-14 && std::abs(p1.y - q1.y) < 1e-14)) {
        double x = 0;
        if (IntersectX(p1, p2, q1, q2, x) && p1.x < x && x < p2.x) return false;
    }
    return true;
}

// An omega drive's span 3 with choice t3 must leave pulley 3 on the side of
// its clamp, and both idlers must sit on the same side of the driver.
bool OmegaSpanIsUsable(const DriveProject& p, int t3) {
    const Pt c2 = Centre(p, 2);
    const Pt c3 = Centre(p, 3);
    const double sx = Tangent(p, t3, 3, 0).x;
    return !(std::abs(c3.x) < std::abs(sx) || Sgn(c3.y) != Sgn(c2.y));
}

// Tangent choices that exist on each span (index 1..4), see ComputeSpanTangents.
using SpanChoices = std::array<int, 5>;

// The tangents of every span (the clamp run of an omega drive in place of
// span 2) and the choices each span has. False when the layout has none: a
// pulley without a diameter, a layout beyond the limits, neighbours that
// overlap or coincide.
bool ComputeAllSpanTangents(DriveProject& p, SpanChoices& choices) {
    choices = {0, 4, 4, 4, 4};
    const int n = PulleyCountOf(p);
    if (n < 2) return false;
    // A pulley without a diameter has no tangents; a layout beyond what the
    // entry boxes take has none either, nor one with a pulley so small that
    // the rounding of the coordinates swamps it.
    if (!LayoutWithinLimits(p)) return false;
    for (int k = 1; k <= n; ++k)
        if (!(p.pulleyDiameter[k] >= kSmallestLayoutDiameter)) return false;
    for (int i = 1; i <= n; ++i) {
        choices[static_cast<std::size_t>(i)] = ComputeSpanTangents(p, i, i < n ? i + 1 : 1);
        if (choices[static_cast<std::size_t>(i)] == 0) return false;
    }
    if (OmegaLayout(p)) {
        const Pt start = ClampSide(p, 2);
        const Pt end{Sgn(start.x) * p.stroke / 2, start.y};
        for (int t = 1; t <= 4; ++t) {
            SetTangent(p, t, 2, 0, start);
            SetTangent(p, t, 2, 1, end);
        }
        choices[2] = 4;
    }
    return true;
}

// Whether every wrap of a complete path (one tangent choice per span) is usable.
bool PathIsUsable(const DriveProject& p, const SpanChoices& choices, const Arr<int, 5>& row) {
    const int n = PulleyCountOf(p);
    for (int k = 1; k <= n; ++k)
        if (row[static_cast<std::size_t>(k)] > choices[static_cast<std::size_t>(k)]) return false;
    if (OmegaLayout(p) && !OmegaSpanIsUsable(p, row[3])) return false;
    const WrapRules rules(p);
    for (int j = 1; j <= n; ++j) {
        const int prev = j == 1 ? n : j - 1;
        if (!WrapIsUsable(p, rules, j, prev, row[prev], row[j], ToothInMesh(p.pulleyTeeth[j]))) return false;
    }
    return true;
}

}  // namespace

double ArcSin(double x) {
    const double u = 1 - x * x;
    if (!(u >= 1e-15)) return kPi / 2;
    return std::atan(x / std::sqrt(u));
}

bool IsOmegaDrive(const DriveProject& p) {
    return IsLinearDriveBelt(p) && p.linearDriveType == 1;
}

void ComputeBeltPaths(DriveProject& p) {
    auto& table = p.beltPathTable;
    table[0][0] = 0;
    SpanChoices choices{};
    if (!ComputeAllSpanTangents(p, choices)) return;
    const int n = PulleyCountOf(p);
    const bool omega = OmegaLayout(p);

    // A wrap depends on the choices of its two spans only: each of the (at
    // most) 4 x 16 wraps is tested once, when a candidate first needs it.
    enum : signed char { kUntested = -1 };
    signed char wrapUsable[5][5][5];
    std::memset(wrapUsable, kUntested, sizeof wrapUsable);
    ToothInMesh inMesh[5];
    for (int k = 1; k <= n; ++k) inMesh[k] = ToothInMesh(p.pulleyTeeth[k]);
    const WrapRules rules(p);
    auto wrap = [&](int j, int prev, int tPrev, int tNext) {
        signed char& known = wrapUsable[j][tPrev][tNext];
        if (known == kUntested) known = WrapIsUsable(p, rules, j, prev, tPrev, tNext, inMesh[j]) ? 1 : 0;
        return known == 1;
    };
    bool omegaUsable[5] = {};
    if (omega)
        for (int t = 1; t <= 4; ++t) omegaUsable[t] = OmegaSpanIsUsable(p, t);

    // Every combination of one tangent per span, in nested order; a
    // rejected candidate is overwritten by the next one.
    int m = 1;
    const int last3 = n < 3 ? 1 : choices[3];
    const int last4 = n < 4 ? 1 : choices[4];
    for (int t1 = 1; t1 <= choices[1]; ++t1)
        for (int t2 = 1; t2 <= choices[2]; ++t2)
            for (int t3 = 1; t3 <= last3; ++t3)
                for (int t4 = 1; t4 <= last4; ++t4) {
                    Arr<int, 5>& row = table[m];
                    row = {0, t1, t2, t3, t4};
                    bool usable = !omega || omegaUsable[t3];
                    for (int j = 1; j <= n && usable; ++j) {
                        const int prev = j == 1 ? n : j - 1;
                        usable = wrap(j, prev, row[prev], row[j]);
                    }
                    if (usable) ++m;
                }
    table[0][0] = m - 1;
}

const Arr<int, 5>* CurrentPathRow(const DriveProject& p) {
    const auto& table = p.beltPathTable;
    const int path = table[0][1];
    const int n = PulleyCountOf(p);
    if (n < 2 || path < 1 || path > table[0][0] || path >= static_cast<int>(table.size())) return nullptr;
    const Arr<int, 5>& row = table[static_cast<std::size_t>(path)];
    for (int k = 1; k <= n; ++k)
        if (row[k] < 1 || row[k] > 4) return nullptr;
    return &row;
}

double MeasureCurrentPath(DriveProject& p) {
    const Arr<int, 5>* row = CurrentPathRow(p);
    SpanChoices choices{};
    if (!row || !ComputeAllSpanTangents(p, choices) || !PathIsUsable(p, choices, *row)) return -1;
    return ComputeBeltLength(p);
}

double ComputeBeltLength(DriveProject& p) {
    const int n = PulleyCountOf(p);
    const Arr<int, 5>* current = CurrentPathRow(p);
    if (!current) return -1;
    for (int k = 1; k <= n; ++k)
        if (!(p.pulleyDiameter[k] > 0)) return -1;
    const Arr<int, 5>& row = *current;

    if (OmegaLayout(p)) {
        // Pulley 1 between the spans to and from the idlers; the idlers
        // between their span and the horizontal run to the clamp.
        const Pt span1Start = Tangent(p, row[1], 1, 0);
        const Pt span1End = Tangent(p, row[1], 1, 1);
        const Pt span3Start = Tangent(p, row[3], 3, 0);
        const Pt span3End = Tangent(p, row[3], 3, 1);
        const double chord[4] = {0, Dist(span1Start, span3End), Dist(span1End, ClampSide(p, 2)),
                                 Dist(ClampSide(p, 3), span3Start)};
        double wrapped = 0;
        for (int k = 1; k <= 3; ++k) {
            const double c = chord[k] / p.pulleyDiameter[k];
            if (c > 1.0001) return -1;
            p.pulleyArcOfContact[k] = 2 * ArcSin(c);
            wrapped += p.pulleyArcOfContact[k] * p.pulleyDiameter[k];
        }
        return wrapped / 2 + Dist(span1Start, span1End) + Dist(span3Start, span3End) + p.stroke -
               std::abs(p.pulleyPosition[0][2] - p.pulleyPosition[0][3]);
    }

    double length = 0;
    for (int i = 1; i <= n; ++i) {
        const int prev = i == 1 ? n : i - 1;
        const Pt b = Tangent(p, row[i], i, 0);
        const Pt a = Tangent(p, row[prev], prev, 1);
        const Pt e = Tangent(p, row[i], i, 1);
        const double c = Dist(a, b) / p.pulleyDiameter[i];
        if (c > 1.0001) return -1;
        double arc = 2 * ArcSin(c);
        // Arriving ahead of the departure direction: the belt wraps the long way.
        if (Dot(a - b, e - b) > 0) arc = kTwoPi - arc;
        p.pulleyArcOfContact[i] = arc;
        length += arc * p.pulleyDiameter[i] / 2 + Dist(e, b);
    }
    return length;
}

void RecordPulleyPositions(const DriveProject& p, Dialogs& d, DetailStep step) {
    const int n = std::clamp(p.pulleyCount, 2, 4);
    for (int k = 2; k <= n; ++k)
        for (int axis = 0; axis <= 1; ++axis)
            Record(d, step, [&] {
                DetailEntry e;
                e.what = std::string(axis == 0 ? "X" : "Y") + " of the " + GetPulleyLabel(p, k);
                return e.is(std::string(axis == 0 ? "x" : "y") + std::to_string(k), p.pulleyPosition[axis][k],
                            kLength)
                    .stores(axis == 0 ? "pulleyPositionX" : "pulleyPositionY", k);
            });
}

void RecordBeltPathDetails(const DriveProject& p, Dialogs& d, DetailStep step, const std::string& what,
                           double length, bool storesLength) {
    using namespace detail_units;
    if (!d.details()) return;
    const Arr<int, 5>* row = CurrentPathRow(p);
    if (!row) return;
    const int n = PulleyCountOf(p);
    const bool omega = OmegaLayout(p);
    for (int i = 1; i <= n; ++i) {
        if (omega && i == 2) continue;  // the clamp runs, below
        const int next = i < n ? i + 1 : 1;
        const int t = (*row)[i];
        const double span = Dist(Tangent(p, t, i, 0), Tangent(p, t, i, 1));
        Record(d, step, [&] {
            DetailEntry e;
            e.what = "Span from the " + GetPulleyLabel(p, i) + " to the " + GetPulleyLabel(p, next);
            e.formula = t <= 2 ? "s = length of the outer common tangent" : "s = length of the inner common tangent";
            return e.in("d" + std::to_string(i), p.pulleyDiameter[i], kLength)
                .in("d" + std::to_string(next), p.pulleyDiameter[next], kLength)
                .is("s" + std::to_string(i), span, kLength);
        });
    }
    if (omega)
        Record(d, step, [&] {
            DetailEntry e;
            e.what = "Runs from pulleys 2 and 3 to the belt clamps";
            e.formula = "the stroke less the distance between pulleys 2 and 3";
            return e.in("stroke", p.stroke, kLength)
                .in("x2 - x3", std::abs(p.pulleyPosition[0][2] - p.pulleyPosition[0][3]), kLength)
                .is("", p.stroke - std::abs(p.pulleyPosition[0][2] - p.pulleyPosition[0][3]), kLength);
        });
    for (int k = 1; k <= n; ++k)
        Record(d, step, [&] {
            DetailEntry e;
            e.what = "Arc of contact on the " + GetPulleyLabel(p, k);
            e.formula = omega ? "b = 2 asin(c / d), c the chord between the belt's ends on the pulley"
                              : "b = 2 asin(c / d), c the chord between the spans' ends; 360\u00B0 - that where the "
                                "belt wraps the long way";
            return e.in("d" + std::to_string(k), p.pulleyDiameter[k], kLength)
                .is("b" + std::to_string(k), p.pulleyArcOfContact[k], kDegrees)
                .stores("pulleyArcOfContact", k);
        });
    Record(d, step, [&] {
        DetailEntry e;
        e.what = what;
        e.formula = omega ? "L = sum of pi b d / 360\u00B0 + s1 + s3 + the runs to the clamps"
                            : "L = sum of pi b d / 360\u00B0 + sum of s";
        e.is("L", length, kLength);
        if (storesLength) e.stores("beltLength");
        return e;
    });
}

bool LayoutWithinLimits(const DriveProject& p) {
    const double limit = EntryLimit(kLength);
    for (int k = 1; k <= PulleyCountOf(p); ++k)
        for (double v : {p.pulleyPosition[0][k], p.pulleyPosition[1][k], p.pulleyDiameter[k]})
            if (!(std::fabs(v) <= limit)) return false;
    // The stroke of an omega drive places its belt clamps.
    return !IsOmegaDrive(p) || std::fabs(p.stroke) <= limit;
}

void CheckPulleyInterference(DriveProject& p, Dialogs& d) {
    p.calcState = 0;
    if (!LayoutWithinLimits(p)) {
        p.calcState = 1;
        d.message("Pulley positions and diameters must be within " + LimitText(p, kLength, EntryLimit(kLength)) +
                      ". Check the data !!!",
                  "I can't proceed", MsgIcon::Warning);
        return;
    }
    const int n = PulleyCountOf(p);
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            if (i == j) continue;
            const double dx = p.pulleyPosition[0][i] - p.pulleyPosition[0][j];
            const double dy = p.pulleyPosition[1][i] - p.pulleyPosition[1][j];
            const double reach = p.pulleyDiameter[i] + p.pulleyDiameter[j];
            if (dx * dx + dy * dy <= reach * reach / 4) {
                p.calcState = 1;
                // A pulley still at the origin has not been placed yet: the
                // layout is refused without blaming the user's data.
                if (p.pulleyPosition[0][j] != 0 || p.pulleyPosition[1][j] != 0)
                    d.message("Pulley interference. Check the data !!!", "I can't proceed", MsgIcon::Warning);
                return;
            }
        }
    }
}

LayoutExtent ComputeLayoutExtent(const DriveProject& p) {
    double minX = 0, maxX = 0, minY = 0, maxY = 0, dmax = 0;
    for (int k = 1; k <= PulleyCountOf(p); ++k) {
        minX = std::min(minX, p.pulleyPosition[0][k]);
        maxX = std::max(maxX, p.pulleyPosition[0][k]);
        minY = std::min(minY, p.pulleyPosition[1][k]);
        maxY = std::max(maxY, p.pulleyPosition[1][k]);
        dmax = std::max(dmax, p.pulleyDiameter[k]);
    }
    const double width = maxX - minX;
    const double size = std::max(width, maxY - minY);
    double margin = std::max({0.75 * dmax, width / 3, size / 3});
    if (IsOmegaDrive(p)) margin = 1.5 * dmax;
    LayoutExtent ext;
    ext.cx = (minX + maxX) / 2;
    ext.cy = (minY + maxY) / 2;
    ext.half = size / 2 + margin;
    return ext;
}

std::vector<BeltLine> LayoutBeltLines(const DriveProject& p) {
    std::vector<BeltLine> lines;
    const int n = PulleyCountOf(p);
    const Arr<int, 5>* row = CurrentPathRow(p);
    if (!row) return lines;
    for (int k = 1; k <= n; ++k) {
        const int t = (*row)[k];
        const Pt a = Tangent(p, t, k, 0);
        const Pt b = Tangent(p, t, k, 1);
        lines.push_back({BeltLine::Kind::Span, k, a.x, a.y, b.x, b.y});
    }
    if (OmegaLayout(p)) {
        const Pt from = ClampSide(p, 3);
        lines.push_back({BeltLine::Kind::ClampRun, 0, from.x, from.y, Sgn(from.x) * p.stroke / 2, from.y});
    }
    if (IsLinearDriveBelt(p) && p.linearDriveType == 0 && n == 2) {
        const Pt s = Tangent(p, (*row)[2], 2, 0);
        const Pt e = Tangent(p, (*row)[2], 2, 1);
        const Pt d = s - e;
        lines.push_back({BeltLine::Kind::Carriage, 0, e.x + 3 * d.x / 8, e.y + 3 * d.y / 8, e.x + 5 * d.x / 8,
                         e.y + 5 * d.y / 8});
    }
    return lines;
}

namespace {

// A wrap's arc: the belt turns the way it arrives (or, arriving along no
// span, the way it leaves). Angles with the exact pi, as a CAD program reads them.
void SetWrapArc(std::vector<BeltPiece>& route, std::size_t i, Pt c) {
    constexpr double kTurn = 2 * 3.14159265358979323846;
    BeltPiece& w = route[i];
    const BeltPiece& before = route[(i + route.size() - 1) % route.size()];
    Pt dir{before.x1 - before.x0, before.y1 - before.y0};
    Pt at{w.x0, w.y0};
    if (std::hypot(dir.x, dir.y) < 1e-12) {
        const BeltPiece& next = route[(i + 1) % route.size()];
        dir = {next.x1 - next.x0, next.y1 - next.y0};
        at = {w.x1, w.y1};
    }
    const Pt r = at - c;
    const bool counterClockwise = r.x * dir.y - r.y * dir.x >= 0;
    const double a = std::atan2(w.y0 - c.y, w.x0 - c.x);
    const double b = std::atan2(w.y1 - c.y, w.x1 - c.x);
    double sweep = std::fmod(counterClockwise ? b - a : a - b, kTurn);
    if (sweep < 0) sweep += kTurn;
    // Arriving and leaving at the same point is no wrap, not a whole turn.
    if (sweep > kTurn - 1e-9) sweep = 0;
    w.sweep = sweep;
    w.startAngle = counterClockwise ? a : b;
    w.endAngle = counterClockwise ? b : a;
}

}  // namespace

std::vector<BeltPiece> LayoutBeltRoute(const DriveProject& p) {
    std::vector<BeltPiece> route;
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
    auto span = [&](int k) { return *spans[static_cast<std::size_t>(k)]; };
    auto straight = [](double x0, double y0, double x1, double y1) {
        BeltPiece piece;
        piece.x0 = x0;
        piece.y0 = y0;
        piece.x1 = x1;
        piece.y1 = y1;
        return piece;
    };
    auto wrap = [&](int k, double x0, double y0, double x1, double y1) {
        BeltPiece piece = straight(x0, y0, x1, y1);
        piece.wrap = true;
        piece.pulley = k;
        return piece;
    };
    auto line = [&](int k) { return straight(span(k).x0, span(k).y0, span(k).x1, span(k).y1); };

    if (clampRun) {
        route.push_back(straight(clampRun->x1, clampRun->y1, clampRun->x0, clampRun->y0));
        route.push_back(wrap(3, clampRun->x0, clampRun->y0, span(3).x0, span(3).y0));
        route.push_back(line(3));
        route.push_back(wrap(1, span(3).x1, span(3).y1, span(1).x0, span(1).y0));
        route.push_back(line(1));
        route.push_back(wrap(2, span(1).x1, span(1).y1, span(2).x0, span(2).y0));
        route.push_back(line(2));
    } else {
        for (int k = 1; k <= n; ++k) {
            const int prev = k == 1 ? n : k - 1;
            route.push_back(wrap(k, span(prev).x1, span(prev).y1, span(k).x0, span(k).y0));
            route.push_back(line(k));
        }
    }
    for (std::size_t i = 0; i < route.size(); ++i)
        if (route[i].wrap) SetWrapArc(route, i, Centre(p, route[i].pulley));
    return route;
}

}  // namespace belt
