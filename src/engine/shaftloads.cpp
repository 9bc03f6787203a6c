#include "engine/shaftloads.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "catalogue/belttraits.h"
#include "engine/checks.h"
#include "engine/layout.h"
#include "units/units.h"

namespace belt {

namespace {

constexpr double kTurn = 2 * 3.141592654;

// The direction of a straight piece of the belt, seen from its end at the
// pulley: away from the pulley along the span. False for a piece of no length.
bool AwayFrom(const BeltPiece& piece, bool pulleyAtStart, double& angle) {
    double dx = piece.x1 - piece.x0;
    double dy = piece.y1 - piece.y0;
    if (std::hypot(dx, dy) < 1e-12) return false;
    if (!pulleyAtStart) {
        dx = -dx;
        dy = -dy;
    }
    angle = std::atan2(dy, dx);
    return true;
}

// An angle in [0, 2 pi); a hair below a whole turn (rounding of a load
// along +X) is 0.
double FullTurn(double a) {
    a = std::fmod(a, kTurn);
    if (a < 0) a += kTurn;
    if (a > kTurn - 1e-9) a = 0;
    return a;
}

// Puts the direction on every static load whose pulley the belt route wraps.
void AddDirections(const DriveProject& p, double tension, std::vector<StaticShaftLoad>& statics) {
    const std::vector<BeltPiece> route = LayoutBeltRoute(p);
    const std::size_t m = route.size();
    for (std::size_t i = 0; i < m; ++i) {
        const BeltPiece& w = route[i];
        if (!w.wrap || w.pulley < 1 || w.pulley > static_cast<int>(statics.size())) continue;
        const BeltPiece& before = route[(i + m - 1) % m];
        const BeltPiece& after = route[(i + 1) % m];
        if (before.wrap || after.wrap) continue;
        StaticShaftLoad& s = statics[static_cast<std::size_t>(w.pulley - 1)];
        if (!AwayFrom(before, false, s.arrivingSpan) || !AwayFrom(after, true, s.leavingSpan)) continue;
        s.x = tension * (std::cos(s.arrivingSpan) + std::cos(s.leavingSpan));
        s.y = tension * (std::sin(s.arrivingSpan) + std::sin(s.leavingSpan));
        // What is left of a component along an axis is rounding: shown as
        // -0.0 it would look like a load.
        const double noise = 1e-9 * std::max(tension, 1.0);
        if (std::abs(s.x) < noise) s.x = 0;
        if (std::abs(s.y) < noise) s.y = 0;
        // Spans that do not meet the pulley where its arc of contact says
        // (a project file whose path and arcs disagree) give no direction.
        if (std::abs(std::hypot(s.x, s.y) - s.magnitude) > 1e-4 * std::max(s.magnitude, tension)) continue;
        s.angle = FullTurn(std::atan2(s.y, s.x));
        s.arrivingSpan = FullTurn(s.arrivingSpan);
        s.leavingSpan = FullTurn(s.leavingSpan);
        s.hasDirection = true;
    }
}

RunningShaftLoads Running(const DriveProject& p, double tension) {
    RunningShaftLoads r;
    r.spanTension = tension;
    r.peripheralForce = p.peripheralForce;
    r.slackTension = std::max(tension - p.peripheralForce / 2, 0.0);
    r.tightTension = r.slackTension + p.peripheralForce;
    r.slackSpanGoesSlack = tension < p.peripheralForce / 2;
    const double t1 = r.tightTension;
    const double t2 = r.slackTension;
    for (int k = 1; k <= 2; ++k) {
        const double b = p.pulleyArcOfContact[static_cast<std::size_t>(k)];
        r.load[k] = std::sqrt(std::max(t1 * t1 + t2 * t2 - 2 * t1 * t2 * std::cos(b), 0.0));
    }
    if (IsFlatBelt(p)) {
        const int row = p.flatBeltIndex;
        if (row >= 1 && row <= 16) {
            r.frictionCoefficient = Val(p.flatBeltTable[3][static_cast<std::size_t>(row)]);
            r.slipPulley = FindSmallestPulley(p);
            const double b = p.pulleyArcOfContact[static_cast<std::size_t>(r.slipPulley)];
            r.slipMargin = t2 > 0 ? std::exp(r.frictionCoefficient * b) / (t1 / t2) : 0.0;
        }
    }
    return r;
}

}  // namespace

ShaftLoads ComputeShaftLoads(const DriveProject& p) {
    ShaftLoads out;
    out.spanTension = InstallationSpanTension(p);
    if (!out.spanTension) return out;
    const double t = *out.spanTension;
    const int n = std::clamp(p.pulleyCount, 2, 4);
    for (int k = 1; k <= n; ++k) {
        StaticShaftLoad s;
        s.pulley = k;
        s.magnitude = 2 * t * std::sin(p.pulleyArcOfContact[static_cast<std::size_t>(k)] / 2);
        out.statics.push_back(s);
    }
    AddDirections(p, t, out.statics);
    if (n == 2 && !IsLinearDriveBelt(p)) out.running = Running(p, t);
    return out;
}

void RecordShaftLoadDetails(const DriveProject& p, const ShaftLoads& loads, bool withMagnitudes,
                            DetailSink* sink) {
    using namespace detail_units;
    constexpr DetailStep step = DetailStep::Installation;
    if (!sink || !loads.spanTension) return;
    const double t = *loads.spanTension;
    // The span tension is the installation tension, T0 in every family's
    // own entries.
    const std::string T = "T0";
    for (const StaticShaftLoad& s : loads.statics) {
        const std::string on = " on the " + GetPulleyLabel(p, s.pulley);
        const double arc = p.pulleyArcOfContact[static_cast<std::size_t>(s.pulley)];
        if (withMagnitudes)
            Record(sink, step, [&] {
                DetailEntry e;
                e.what = "Static tension" + on;
                e.formula = "Fs = 2 " + T + " sin(b / 2)";
                return e.in(T, t, kForce).in("b", arc, kDegrees).is("Fs", s.magnitude, kForce);
            });
        if (!s.hasDirection) continue;
        Record(sink, step, [&] {
            DetailEntry e;
            e.what = "X component of the static tension" + on;
            e.formula = "Fx = " + T + " (cos a1 + cos a2), a1 and a2 the spans' directions away from the pulley";
            return e.in(T, t, kForce)
                .in("a1", s.arrivingSpan, kDegrees)
                .in("a2", s.leavingSpan, kDegrees)
                .is("Fx", s.x, kForce);
        });
        Record(sink, step, [&] {
            DetailEntry e;
            e.what = "Y component of the static tension" + on;
            e.formula = "Fy = " + T + " (sin a1 + sin a2), a1 and a2 the spans' directions away from the pulley";
            return e.in(T, t, kForce)
                .in("a1", s.arrivingSpan, kDegrees)
                .in("a2", s.leavingSpan, kDegrees)
                .is("Fy", s.y, kForce);
        });
        Record(sink, step, [&] {
            DetailEntry e;
            e.what = "Direction of the static tension" + on;
            e.formula = "phi = angle of (Fx, Fy) from +X, counter-clockwise";
            return e.in("Fx", s.x, kForce).in("Fy", s.y, kForce).is("phi", s.angle, kDegrees);
        });
    }
    if (!loads.running) return;
    const RunningShaftLoads& r = *loads.running;
    Record(sink, step, [&] {
        DetailEntry e;
        e.what = "Slack span tension at full load";
        e.formula = "T2 = max(" + T + " - F / 2, 0)";
        return e.in(T, r.spanTension, kForce).in("F", r.peripheralForce, kForce).is("T2", r.slackTension, kForce);
    });
    Record(sink, step, [&] {
        DetailEntry e;
        e.what = "Tight span tension at full load";
        e.formula = "T1 = T2 + F";
        return e.in("T2", r.slackTension, kForce).in("F", r.peripheralForce, kForce).is("T1", r.tightTension, kForce);
    });
    for (int k = 1; k <= 2; ++k) {
        Record(sink, step, [&] {
            DetailEntry e;
            e.what = "Running load on the " + GetPulleyLabel(p, k);
            e.formula = "Fr = sqrt(T1^2 + T2^2 - 2 T1 T2 cos b)";
            return e.in("T1", r.tightTension, kForce)
                .in("T2", r.slackTension, kForce)
                .in("b", p.pulleyArcOfContact[static_cast<std::size_t>(k)], kDegrees)
                .is("Fr", r.load[k], kForce);
        });
    }
    if (r.slipMargin) {
        Record(sink, step, [&] {
            DetailEntry e;
            e.what = "Slip margin on the " + GetPulleyLabel(p, r.slipPulley);
            e.formula = "m = e^(mu b) / (T1 / T2); 0 when T2 = 0";
            return e.in("mu", r.frictionCoefficient, kNone)
                .in("b", p.pulleyArcOfContact[static_cast<std::size_t>(r.slipPulley)], kDegrees)
                .in("T1", r.tightTension, kForce)
                .in("T2", r.slackTension, kForce)
                .from("flat belt data sheet, row of " + p.beltPitchCode + ": friction coefficient (inside)")
                .is("m", *r.slipMargin, kNone);
        });
    }
}

}  // namespace belt
