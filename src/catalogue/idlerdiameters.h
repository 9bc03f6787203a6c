// Recommended minimum diameters of idlers running on the toothed side and on
// the back of the belt.
#pragma once

#include <optional>
#include <string_view>

#include "project/driveproject.h"

namespace belt {

struct IdlerDiametersMm {
    double inside;   // idler on the toothed side
    double outside;  // idler on the back
};

// 40 mm on both sides for every belt the table does not list.
inline constexpr IdlerDiametersMm kDefaultIdlerDiametersMm = {40, 40};

// The recommendation listed for the exact beltName (double-sided names have
// their own rows); nothing for a belt the table does not list.
std::optional<IdlerDiametersMm> FindMinimumIdlerDiameters(std::string_view beltName);

// Sets minIdlerDiameterInside and minIdlerDiameterOutside (m) for beltName,
// the default when it is not listed.
void LoadMinimumIdlerDiameters(DriveProject& p);

}  // namespace belt
