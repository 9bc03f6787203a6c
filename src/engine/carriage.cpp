#include "engine/carriage.h"

#include <cmath>

#include "catalogue/beltids.h"
#include "catalogue/belttraits.h"

namespace belt {

namespace {

bool CarriageFamily(const DriveProject& p) {
    return TakesCarriageData(p);
}

// d1 + d2 over 2, with pulley 2 taken as pulley 1 until it is chosen.
double HalfDiameters(const DriveProject& p) {
    const double d1 = p.pulleyDiameter[1];
    const double d2 = p.pulleyDiameter[2] > 0 ? p.pulleyDiameter[2] : d1;
    return (d1 + d2) / 2;
}

}  // namespace

double CarriageForce(const DriveProject& p) {
    // The slope is measured from the horizontal (pulley 2 is placed along
    // it): the weight's share along the belt is m g sin(slope).
    const double along = kCarriageGravity * std::sin(p.slopeAngle * kPi / 180) + p.acceleration;
    return along * p.carriageMass + p.frictionForce;
}

double CentreDistanceForStroke(const DriveProject& p) {
    return p.carriageLength + p.stroke + HalfDiameters(p);
}

double StrokeOfOpenEndDrive(const DriveProject& p) {
    return p.centreDistance - p.carriageLength - HalfDiameters(p);
}

bool StrokeSetsCentreDistance(const DriveProject& p) {
    return CarriageFamily(p) && p.screen.optionInput[0] && p.stroke > 0;
}

void FollowStroke(DriveProject& p) {
    if (!StrokeSetsCentreDistance(p) || p.linearDriveType != 0 || p.pulleyCount != 2 || p.twoPulleyMode != 1)
        return;
    if (!(p.pulleyDiameter[1] > 0)) return;
    const double C = CentreDistanceForStroke(p);
    if (C == p.centreDistance || !std::isfinite(C)) return;
    p.centreDistance = C;
    // A standard length accepted for the old centre distance no longer fits.
    p.lastStandardLength = kNoStandardLength;
}

}  // namespace belt
