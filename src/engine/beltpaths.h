// Stepping through the feasible belt paths of three- and four-pulley drives,
// the idler diameters that follow from the belt side, and the decision for a
// double-sided belt when a driven pulley runs on the back of the belt.
#pragma once

#include "platform/dialogs.h"
#include "project/driveproject.h"

namespace belt {

// One press of DRAW: checks the pulleys for overlap (calcState = 1 with its
// message), refuses a layout without paths ("This configuration is not
// possible !!! Change pulleys layout!"), moves to the next path (wrapping
// after the last), sizes the untyped idlers, finds the belt side of every
// pulley and settles the double-sided belt.
void NextBeltPath(DriveProject& p, Dialogs& d);

// Idlers whose step 3 diameter box is empty get the recommended minimum
// diameter for the side of the belt that touches them; the paths are then
// computed again.
void SetIdlerDiameters(DriveProject& p);

// pulleyBeltSide of every pulley for the current path (1 toothed side,
// 0 back); beltSideSuffix = beltSuffixAvailable when a pulley that is not an
// idler runs on the back.
void CheckBeltSides(DriveProject& p);

// Adds or removes the double-sided suffix of beltName by beltSideSuffix, asks
// "Do you want to use a double sided belt? " when one is needed and exists,
// and tells the user when one is needed but the belt has none.
void DecideDoubleSidedBelt(DriveProject& p, Dialogs& d);

}  // namespace belt
