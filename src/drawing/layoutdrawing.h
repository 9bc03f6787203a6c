// The drawing of a drive's layout to scale: the pulleys with their centre
// crosses and names, the scale along the bottom and left edges, and the belt
// of the current path (DrawPulleys, DrawLayout). One painting function for
// the layout screen, the data sheet, the printed drawings page and the SVG
// export: it takes a QPainter and a target rectangle, whatever the device.
//
// The layout's square (ComputeLayoutScale: metres, Y up) is fitted into the
// target with one scale for both axes, centred, so pulleys stay round on a
// target of any shape and on a device whose window is not square.
#pragma once

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

#include "engine/layouteditor.h"

class QPainter;

namespace belt {

struct DriveProject;

// Colours and sizes of the drawing. Sizes are in the target rectangle's
// units (pixels of a widget, units of a page's window), so the caller says
// how large a label is on its own device.
struct LayoutDrawingStyle {
    QColor background;     // fills the target; invalid: the target is left as it is
    QColor frame;          // border of the layout's square
    QColor scale;          // ticks, their labels and the axis names
    QColor pulley;         // circle and name of a pulley
    QColor idler;          // circle and name of an idler
    QColor mark;           // centre crosses, the omega drive's clamp run, the carriage
    QColor belt;           // spans of the current path
    QString fontFamily = QStringLiteral("Arial");
    double labelSize = 12;     // tick labels: text height
    double axisSize = 19;      // axis names "Y" and "X"
    double nameSize = 12;      // pulley names
    double lineWidth = 1;      // circles, ticks, crosses, frame
    double beltWidth = 2;      // belt spans and the clamp run
    double carriageWidth = 10;  // the carriage bar of an open-end drive

    // Light lines on the dark screen, text sizes given in device pixels
    // (tick labels 9 points, axis names 14 points at dpi pixels per inch).
    static LayoutDrawingStyle Screen(double dpi);
    // Dark lines on white paper; sizes in the target's units, where a
    // label is labelSize high.
    static LayoutDrawingStyle Paper(double labelSize);
};

// Where the layout lies in a target rectangle: the fitted square and the
// mapping between target points and layout metres (the mouse on the screen).
class LayoutFrame {
public:
    LayoutFrame(const DriveProject& p, const QRectF& target);

    // False when the layout has no extent (no pulley has a size yet) or the
    // target is empty: nothing can be mapped.
    bool valid() const { return valid_; }
    // The layout's square inside the target, in target units.
    const QRectF& square() const { return square_; }
    const LayoutScale& scale() const { return scale_; }

    QPointF toTarget(double x, double y) const;
    QPointF toTarget(const QPointF& metres) const { return toTarget(metres.x(), metres.y()); }
    // A target point in layout metres (Y up).
    QPointF toLayout(const QPointF& target) const;
    // A length in metres as target units.
    double toTargetLength(double metres) const { return metres * unitsPerMetre_; }

private:
    LayoutScale scale_;
    QRectF square_;
    double unitsPerMetre_ = 0;
    bool valid_ = false;
};

// A number of the scale as the drawing writes it, in device units.
struct ScaleLabel {
    QRectF box;
    QString text;
    bool alongX;  // beside a tick of the bottom edge, above the ticks; else beside one of the left edge
};
// The numbers of the scale that DrawPulleys writes into a target whose
// device units are k per target unit: one at every labelled tick where
// they stand apart; where they would run together, every 2nd, 5th, 10th
// ... from 0 along that edge. A number that would leave the square or cover
// an axis name or a tick is left out, and so is one of the left edge that
// would stand in the row of the bottom edge's numbers. No two boxes
// intersect, and no tick runs through one.
std::vector<ScaleLabel> ScaleLabels(const LayoutFrame& f, const LayoutDrawingStyle& style, double k = 1);

// The pulleys of the layout without belt: circles (idlers in their own
// colour), centre crosses, pulley names below the circles, the ticks and
// labels of the scale and the axis names.
void DrawPulleys(QPainter& painter, const QRectF& target, const DriveProject& p, const LayoutDrawingStyle& style);

// DrawPulleys and, when the layout has a belt path, the spans of the current
// path, an omega drive's run from pulley 3 to its clamp and the carriage of
// a two-pulley open-end drive.
void DrawLayout(QPainter& painter, const QRectF& target, const DriveProject& p, const LayoutDrawingStyle& style);

}  // namespace belt
