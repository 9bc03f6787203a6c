// The grooves of the multi-rib pulleys: rib pitch, groove angle, the radii
// at the ridge tip and the groove bottom, and the groove depth of each
// QUINDEL rib section, as the data sheet and the drawings give them.
#pragma once

#include <string_view>

namespace belt {

struct RibGroove {
    std::string_view beltName;   // "QUINDEL ZB2", "QUINDEL J", "QUINDEL H"
    double pitch;                // P, m
    std::string_view angleText;  // " = 60°": follows the angle sign in the texts
    double grooveAngleDegrees;   // the same angle as a number
    double ridgeRadius;          // R, m
    double bottomRadius;         // r, m
    double depth;                // t, m
};

// The groove of the rib section named beltName; nullptr for any other belt.
const RibGroove* FindRibGroove(std::string_view beltName);

}  // namespace belt
