// The drive project as JSON: every variable under its own name, in internal
// units, arrays indexed from 0 with the bounds the program gives them.
#pragma once

#include <nlohmann/json.hpp>

#include "project/driveproject.h"

namespace belt::batch {

// All members of DriveProject, the screen state as the object "screen".
// Single values are written with the digits they hold as Singles (1.6, not
// 1.600000023841858); numbers that are not finite become null.
nlohmann::ordered_json ProjectToJson(const DriveProject& p);

// The same conversions, for other tables a command writes.
nlohmann::ordered_json ToJson(double v);
nlohmann::ordered_json ToJson(float v);

}  // namespace belt::batch
