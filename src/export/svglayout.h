// The drive's layout as an SVG picture, painted by the layout drawing of the
// screens and pages (dark lines on white, 200 mm square).
#pragma once

#include <QSize>
#include <QString>
#include <functional>

class QPainter;

namespace belt {

struct DriveProject;

// A picture for an SVG file (export/svgfile.h): its size in pixels of
// `resolution` per inch, its title and description, and what paints it into
// the rectangle (0, 0, size).
struct SvgPicture {
    QSize size;
    int resolution = 96;
    QString title;
    QString description;
    std::function<void(QPainter&)> paint;
};

// The layout of p. The picture paints p as it is when painted: p must stay.
SvgPicture LayoutSvgPicture(const DriveProject& p);

}  // namespace belt
