// Replacing the calculated belt length by a length in which the belt is made:
// the standard lengths around it, or the whole pitches (whole millimetres for
// multi-rib and flat belts), chosen by the user in up to two questions.
#pragma once

#include <string>

#include "platform/dialogs.h"
#include "project/driveproject.h"

namespace belt {

// Asks for the standard belt length and puts it into beltLength.
// calcState: 0 accepted (already standard, or chosen and, for two pulleys, the
// centre distance recomputed); 1 length not usable or the pulleys interfere at
// the new centre distance; 2 cancelled or no centre distance for the chosen
// length; 3 the length cannot be supplied (message already shown).
// Three and four pulley drives get layoutNeedsAdjust = 1 instead of new geometry.
void SelectStandardBeltLength(DriveProject& p, Dialogs& d);

// Texts of the two questions, exactly as the boxes show them. Lengths in m;
// a neighbour of 0 is "none" and is left out of the first box.
std::string StandardLengthFirstBoxText(double shorter, double calculated, double longer, double lower,
                                       double upper);
std::string StandardLengthSecondBoxText(double shorter, double calculated, double longer);

}  // namespace belt
