// Writing an SVG file with Qt's SVG generator. The only file of the program
// that needs the Qt SVG library: the batch tool links it, the desktop program
// reaches it through its output module (output/outputdevices.h).
#pragma once

#include <QByteArray>
#include <QString>

#include "export/svglayout.h"

namespace belt {

// Writes the picture to path, replacing the file only once the picture is
// complete. Returns "" or what went wrong.
QString WriteSvgFile(const QString& path, const SvgPicture& picture);

// The picture as the bytes of an SVG file; empty when it could not be painted.
QByteArray SvgBytes(const SvgPicture& picture);

}  // namespace belt
