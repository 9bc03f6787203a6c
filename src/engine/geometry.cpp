#include "engine/geometry.h"

#include <cmath>
#include <string>

#include "catalogue/beltids.h"
#include "catalogue/belttraits.h"
#include "engine/layout.h"

namespace belt {

double CentreDistanceStep(DriveProject& p, double& C, double q, double r, double R) {
    p.calcState = 0;
    double rest = C * C - q * q;
    if (rest < 0) {
        // An extrapolated guess shorter than the radius difference: restart
        // from a centre distance that is surely long enough.
        C = 2 * p.beltLength;
        rest = C * C - q * q;
        if (rest < 0) {
            p.calcState = 1;
            return 0;
        }
    }
    if (C == 0) {
        p.calcState = 1;
        return 0;
    }
    // Open belt: wrap pi - 2a on the small pulley, pi + 2a on the large one.
    const double a = ArcSin(q / C);
    const double open = (kPi - 2 * a) * r + (kPi + 2 * a) * R + 2 * std::sqrt(rest);
    return C + open - p.beltLength;
}

void ComputeCentreDistance(DriveProject& p, Dialogs& d, int force) {
    p.calcState = 0;
    std::string message = "I can't find the pulley position !!!\r";
    if (p.twoPulleyMode == 1) message += "Change the centre distance.";
    if (p.twoPulleyMode == 2) message += "Change the belt length.";

    if (force == 1 || p.twoPulleyMode == 2) {
        double r = p.pulleyDiameter[1] / 2;
        double R = p.pulleyDiameter[2] / 2;
        if (r > R) std::swap(r, R);
        const double q = R - r;
        const AitkenResult solved =
            SolveFixedPointAitken(p.beltLength, [&](double& c) -> std::optional<double> {
                const double next = CentreDistanceStep(p, c, q, r, R);
                if (p.calcState == 1) return std::nullopt;
                return next;
            });
        // No centre distance gives this length (a belt shorter than the
        // pulleys need makes the iteration wander off, even below zero):
        // refuse it rather than place pulley 2 at a meaningless distance.
        if (solved.failed || !solved.converged || !(solved.x > 0)) {
            p.calcState = 1;
            d.message(message, "Warning", MsgIcon::Exclamation);
            return;
        }
        p.centreDistance = solved.x;
    }

    const bool sloped = TakesCarriageData(p);
    const double angle = sloped ? p.slopeAngle * kPi / 180 : 0.0;
    p.pulleyPosition[0][1] = 0;
    p.pulleyPosition[1][1] = 0;
    p.pulleyPosition[0][2] = std::cos(angle) * p.centreDistance;
    p.pulleyPosition[1][2] = std::sin(angle) * p.centreDistance;
    ComputeBeltPaths(p);
    p.beltPathTable[0][1] = 1;
}

}  // namespace belt
