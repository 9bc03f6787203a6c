// File > "Export layout…" on the layout, results and data sheet screens: the
// drive's layout into a file for CAD (DXF) or as a picture (SVG), chosen by
// the file's type.
#pragma once

#include <QString>

#include "app/filedialogs.h"

namespace belt {

struct DriveProject;
class Dialogs;

// What the file dialog asks: a DXF or SVG file, DXF when the name has no
// type; proposed beside the project's file, with its name.
FileDialogRequest LayoutExportRequest(const QString& startFolder, const QString& projectFile);

// Writes the layout to path, DXF or SVG by its type, and tells the user
// through d when it could not be written or holds no belt.
void ExportLayout(const DriveProject& p, Dialogs& d, const QString& path);

}  // namespace belt
