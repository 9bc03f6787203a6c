// The lengths in which each belt is made, the range that can be supplied,
// and the check of a calculated length against that range.
#pragma once

#include <span>
#include <string_view>

#include "platform/dialogs.h"
#include "project/driveproject.h"

namespace belt {

// Standard lengths of a belt in whole pitches, ascending, selected by the
// exact beltName (a double-sided name has its own list). For FENDARO the two
// entries are the shortest and the longest belt in mm. Empty when the belt
// has no table (SELKIRA, TAVOREN, unknown names).
std::span<const int> FindStandardLengths(std::string_view beltName);

// Fills standardLengths (element 0 = count, 1..n the lengths) for beltName,
// leaving it as it was when the belt has no table, and sets minBeltLength and
// maxBeltLength in m: from the first and last entry times beltPitch for
// ORVANTO, RUBBER, QUINDEL and FENDARO; fixed for SELKIRA (0 m, 0.9 m as a
// joined belt, up to 100 m) and TAVOREN (1.5 m to 13.5 m).
void LoadStandardLengths(DriveProject& p);

// Tells the user when beltLength cannot be supplied ("Available belts are too
// long/short ..."; calcState = 3) or, for TAVOREN from 1.5 m up to 1.9 m,
// that the belt is not made in this length (no range check then). Leaves
// calcState alone when the length is fine. Allows 1e-5 m at both ends.
void CheckBeltLengthRange(DriveProject& p, Dialogs& d);

}  // namespace belt
