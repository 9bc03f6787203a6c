// File > "Export layout…" on the layout, results and data sheet screens: the
// drive's layout into a file for CAD (DXF) or as a picture (SVG), chosen by
// the file's type.
#pragma once

#include <QString>

class QWidget;

namespace belt {

struct DriveProject;
class Dialogs;

// The file dialog: "" when the user cancels. A name without a known type
// gets the type of the chosen filter.
QString AskLayoutExportPath(QWidget* parent);

// Writes the layout to path, DXF or SVG by its type, and tells the user
// through d when it could not be written or holds no belt.
void ExportLayout(const DriveProject& p, Dialogs& d, const QString& path);

}  // namespace belt
