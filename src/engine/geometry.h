// Two-pulley drive geometry: the centre distance for a given belt length and
// the placement of pulley 2. Also the numeric solver that the program uses
// wherever a layout must be made to fit a belt length.
#pragma once

#include <cmath>
#include <optional>
#include <utility>

#include "platform/dialogs.h"
#include "project/driveproject.h"

namespace belt {

struct AitkenResult {
    double x = 0;            // the solution, or the last estimate
    int iterations = 0;      // passes of the extrapolation made
    bool converged = false;  // relative change below 1e-5, or the extrapolation degenerated
    bool failed = false;     // the map refused a value (or produced a non-finite one)
};

// Aitken's extrapolation of the fixed-point map x -> map(x), at most 100
// passes. map(double& x) returns std::optional<double>: std::nullopt when it
// cannot evaluate x; it may replace x by a better starting value, and the
// extrapolation then uses the replaced value. A denominator below 1e-8 ends
// with the last estimate (counted as converged); a relative change below
// 1e-5 converges.
template <class Map>
AitkenResult SolveFixedPointAitken(double x0, Map&& map) {
    AitkenResult res;
    res.x = x0;
    for (int it = 1; it <= 100; ++it) {
        res.iterations = it;
        std::optional<double> x1 = map(x0);
        if (!x1 || !std::isfinite(*x1)) {
            res.x = x0;
            res.failed = true;
            return res;
        }
        std::optional<double> x2 = map(*x1);
        if (!x2 || !std::isfinite(*x2)) {
            res.x = x0;
            res.failed = true;
            return res;
        }
        const double den = x0 + *x2 - 2.0 * *x1;
        if (std::abs(den) < 1e-8) {
            res.x = x0;
            res.converged = true;
            return res;
        }
        const double c = *x2 - (*x2 - *x1) * (*x2 - *x1) / den;
        res.x = c;
        if (!std::isfinite(c)) {
            res.failed = true;
            return res;
        }
        // |(c - x0) / c| < 1e-5, written without the division so that c = 0
        // cannot produce a NaN.
        if (std::abs(c - x0) < 1e-5 * std::abs(c)) {
            res.converged = true;
            return res;
        }
        x0 = c;
    }
    return res;
}

// The program's solving pattern: the x at which lengthAt(x) equals target,
// through the map g(x) = x + (lengthAt(x) - target). lengthAt(double x)
// returns std::optional<double>, std::nullopt when x gives no usable layout.
template <class LengthAt>
AitkenResult SolveAitken(double x0, LengthAt&& lengthAt, double target) {
    return SolveFixedPointAitken(x0, [&](double& x) -> std::optional<double> {
        std::optional<double> len = lengthAt(x);
        if (!len) return std::nullopt;
        return x + (*len - target);
    });
}

// One fixed-point step C + Lopen(C) - beltLength for the open belt on radii
// r <= R (q = R - r). A C shorter than q is replaced by 2 beltLength (the
// caller's variable too). calcState = 1 when no step can be made.
double CentreDistanceStep(DriveProject& p, double& C, double q, double r, double R);

// Solves centreDistance from beltLength (force = 1 or twoPulleyMode 2),
// places pulley 2 (along slopeAngle for the families that take carriage
// data), computes the belt paths and selects path 1. When no centre distance
// is found: calcState = 1, "I can't find the pulley position !!!" with the
// mode's hint, and the drive is left as it was.
void ComputeCentreDistance(DriveProject& p, Dialogs& d, int force);

}  // namespace belt
