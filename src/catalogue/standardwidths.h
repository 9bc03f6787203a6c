// The widths in which each belt is made, the pulley face width that goes with
// each, the widest belt, and the loads of the SELKIRA open-end belts.
#pragma once

#include <span>
#include <string_view>

#include "project/driveproject.h"

namespace belt {

// Standard widths of one belt (or of several belts sharing a row), in mm.
struct StandardWidthRow {
    std::span<const std::string_view> beltNames;
    std::span<const double> widthsMm;      // ascending
    std::span<const double> faceWidthsMm;  // pulley face width per width
    double widestMm;                       // widest belt that can be made
};

// Loads of a SELKIRA belt per standard width, in N. joined = 0 where the
// joined belt is not made in that width.
struct SelkiraLoadRow {
    std::string_view beltName;
    std::span<const double> widthsMm;
    std::span<const double> admissiblePullOpen;
    std::span<const double> admissiblePullJoined;
    std::span<const double> breakingLoad;
};

// Rows selected by the exact beltName; nullptr when the belt has none
// (QUINDEL and FENDARO have no standard widths).
const StandardWidthRow* FindStandardWidths(std::string_view beltName);
const SelkiraLoadRow* FindSelkiraLoads(std::string_view beltName);

// Sets beltSuffixAvailable, then for a belt with standard widths fills
// standardWidths and widthTableA (mm), the SELKIRA loads, maxBeltWidth (m),
// and overwrites pitchRangeLast with the index of the last standard width.
// A belt without standard widths leaves all of these as they were.
void LoadStandardWidths(DriveProject& p);

}  // namespace belt
