// The drive's layout as an SVG picture, painted by the layout drawing of the
// screens and pages (dark lines on white, 200 mm square).
#pragma once

#include <QString>

namespace belt {

struct DriveProject;

// Writes the picture to path. Returns "" or what went wrong.
QString WriteLayoutSvg(const DriveProject& p, const QString& path);

}  // namespace belt
