// Linear drives that move a carriage (the SELKIRA and TAVOREN tabs of step 1):
// the force the belt pulls the carriage with, and the centre distance of an
// open-end drive that gives the stroke asked.
#pragma once

#include "project/driveproject.h"

namespace belt {

// Gravity as the catalogue takes it.
inline constexpr double kCarriageGravity = 9.806;

// Force along the belt (N) that moves carriageMass with acceleration up a
// slope of slopeAngle degrees from the horizontal, against frictionForce:
// m (g sin(slope) + a) + friction.
double CarriageForce(const DriveProject& p);

// The carriage of an open-end drive travels between the two pulleys:
// stroke = C - carriageLength - (d1 + d2) / 2. Pulley 2 not chosen yet (0)
// counts as the size of pulley 1.
double CentreDistanceForStroke(const DriveProject& p);
double StrokeOfOpenEndDrive(const DriveProject& p);

// Whether the stroke given on step 1 sets the centre distance: "Mass of
// carriage" on the SELKIRA or TAVOREN tab with a stroke above 0.
bool StrokeSetsCentreDistance(const DriveProject& p);

// Step 3 of such a drive with two pulleys by centre distance: the centre
// distance follows the pulleys chosen there, so the stroke stays the one
// asked. Nothing for other drives.
void FollowStroke(DriveProject& p);

}  // namespace belt
