// The drive's layout for CAD as a DXF drawing, 1:1 in millimetres, pulley 1
// at the origin, Y up, on layers:
//   PITCH     the pitch circles
//   OUTSIDE   the outside diameters where known
//   CENTRES   a cross at every pulley's centre
//   BELT      the belt of the current path: the straight spans between the
//             tangent points and the arcs of contact along the pitch circles
//             (an omega drive's runs to its clamps included)
//   CARRIAGE  the carriage of a two-pulley open-end drive
//   TEXT      each pulley's name and diameter
#pragma once

#include <iosfwd>

#include "project/driveproject.h"

namespace belt {

// Writes the layout; false when the layout has no belt path (the pulleys are
// written all the same).
bool WriteLayoutDxf(const DriveProject& p, std::ostream& out);

}  // namespace belt
