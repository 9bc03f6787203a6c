// Shapes shared by the program's artwork: a belt wrapped round two pulleys,
// teeth set along a belt's toothed side, a toothed pulley seen from the front.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace belt {

// Outline of a belt line wrapped round two pulleys (centres c1, c2, radii
// r1, r2) along their outer common tangents, closed.
QPainterPath BeltLoopPath(QPointF c1, double r1, QPointF c2, double r2);

// Short teeth of length `depth` along `path`, spread evenly, standing on the
// left of the direction of travel (inside a loop drawn clockwise on screen).
void DrawTeethAlong(QPainter& painter, const QPainterPath& path, int count, double depth, double width,
                    const QColor& colour);

// A toothed pulley from the front: rim with `teeth` teeth, web, hub and bore.
void DrawToothedPulley(QPainter& painter, QPointF centre, double radius, int teeth, const QColor& metal);

}  // namespace belt
