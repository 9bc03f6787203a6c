// The order designation of the belt ("25 T10-1500DL"), the pulley
// designation that goes with it, and the two small codes by which the data
// sheet and the drawings pick the tooth profile drawing.
#pragma once

#include <string>

#include "project/driveproject.h"

namespace belt {

// Writes beltCode, beltCodeDetail, beltKindCode and profileDrawingCode from
// the belt identifiers, beltWidth, beltLength and pulleyFaceWidth. Lengths in
// the codes are always in mm, whatever the display unit.
void BuildBeltCode(DriveProject& p);

// 0 timing belt, 1 multi-rib belt (QUINDEL), 2 flat belt (FENDARO).
int BeltKindCode(const DriveProject& p);

// Tooth profile class 0..12 for the data sheet and drawings; the current
// profileDrawingCode when no class fits the belt.
int ProfileDrawingCode(const DriveProject& p);

// Inch profiles (XL, L, H, XH) carry their widths in hundredths of an inch.
bool IsInchProfile(const std::string& beltPitchCode);

}  // namespace belt
