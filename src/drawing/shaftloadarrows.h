// The static shaft loads on a drawing of the layout: from each pulley's
// centre an arrow in the direction of its load, with its value in the
// current force unit. Arrows are scaled to the largest load and kept, with
// their values, inside the layout's square. Painted over DrawLayout on the
// data sheet screen and the printed drawings page.
#pragma once

#include <QColor>
#include <QLineF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <vector>

#include "drawing/layoutdrawing.h"

class QPainter;

namespace belt {

struct DriveProject;

struct ShaftLoadArrow {
    int pulley = 0;
    QLineF shaft;  // from the pulley's centre to the tip
    QLineF barbs[2];
    QRectF label;
    QString text;
};

// The arrows of the layout fitted into f's square, in its target units,
// for text whose device units are k per target unit. None when the belt
// has no installation tension or the layout no belt path.
std::vector<ShaftLoadArrow> ShaftLoadArrows(const DriveProject& p, const LayoutFrame& f,
                                            const LayoutDrawingStyle& style, double k = 1);

// The colour of the arrows on the style's background.
QColor ShaftLoadColour(const LayoutDrawingStyle& style);

// Paints the arrows into target, which DrawLayout painted with style.
void DrawShaftLoadArrows(QPainter& painter, const QRectF& target, const DriveProject& p,
                         const LayoutDrawingStyle& style);

}  // namespace belt
