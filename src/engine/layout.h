// Layout geometry of two, three and four pulley drives: the common tangents
// of every span, the feasible belt paths, the belt length and arcs of contact
// of the current path, the pulley overlap check and the drawing extent.
//
// Coordinates and diameters in metres, angles in radians. Pulley 1 sits at
// the origin; span i runs from pulley i to pulley i + 1, the last span back to
// pulley 1. Tangent choice t = 1..4: (outer, -), (outer, +), (inner, -), (inner, +).
#pragma once

#include <vector>

#include "engine/details.h"
#include "platform/dialogs.h"
#include "project/driveproject.h"

namespace belt {

// The arcsine used by all the geometry: pi/2 whenever 1 - x^2 < 1e-15, so
// ratios at or beyond +-1 (rounding on a tangent chord) never give NaN.
double ArcSin(double x);

// A linear drive belt (SELKIRA) with linearDriveType 1: the span from pulley 2 runs to the belt clamp.
bool IsOmegaDrive(const DriveProject& p);

// Below this diameter (0.1 mm) a pulley has no belt path.
inline constexpr double kSmallestLayoutDiameter = 1e-4;

// Fills tangentPoint for every span and choice and beltPathTable rows
// 1..P with the feasible paths, (0,0) = P. Leaves the current path (0,1)
// alone. P = 0 when neighbouring pulleys overlap or coincide, when a pulley
// has no diameter (or one below kSmallestLayoutDiameter), when the layout is
// beyond LayoutWithinLimits, or when no combination of tangents makes a
// usable belt.
void ComputeBeltPaths(DriveProject& p);

// The row of beltPathTable of the current path (0,1), or null when there is
// none: no path, or a path number or tangent choice (1..4) out of range,
// which only a damaged project file holds.
const Arr<int, 5>* CurrentPathRow(const DriveProject& p);

// The length in m of the current path (0,1) once pulleys have moved,
// without enumerating the other paths: the tangents of every span again and
// the current path's wraps tested, then ComputeBeltLength. -1 when the
// layout has no tangents now or the current path cannot be laid on it; the
// path table itself is left as it was.
double MeasureCurrentPath(DriveProject& p);

// Length in m of the current path (0,1) and its arcs of contact, written to
// pulleyArcOfContact. -1 when the arriving and departing points on a pulley
// are not on one circle, or when there is no current path.
double ComputeBeltLength(DriveProject& p);

// Whether every pulley's position and diameter, and an omega drive's stroke,
// lie within what the entry boxes take (EntryLimit(kLength)); geometry is
// never computed beyond it.
bool LayoutWithinLimits(const DriveProject& p);

// The current path as ComputeBeltLength measured it, into the calculation
// details (when asked) at step: every span, every arc of contact and the
// belt length (what names it). With storesLength the length is the one the
// design keeps in beltLength.
// Where pulleys 2 to N stand (pulley 1 at the origin), into the calculation
// details (when asked) at step.
void RecordPulleyPositions(const DriveProject& p, Dialogs& d, DetailStep step);

void RecordBeltPathDetails(const DriveProject& p, Dialogs& d, DetailStep step, const std::string& what,
                           double length, bool storesLength);

// calcState = 1 with "Pulley positions and diameters must be within 100000
// [mm]. Check the data !!!" when the layout is beyond LayoutWithinLimits.
// calcState = 1 at the first pair of pulleys that overlap or touch, else 0.
// The message "Pulley interference. Check the data !!!" is shown unless the
// second pulley of the pair still sits at the origin (not placed yet).
void CheckPulleyInterference(DriveProject& p, Dialogs& d);

// Square that holds the layout with a margin, for scaling drawings:
// centre (cx, cy) and half its side, in m.
struct LayoutExtent {
    double half = 0;
    double cx = 0;
    double cy = 0;
};
LayoutExtent ComputeLayoutExtent(const DriveProject& p);

// The straight lines of the belt on a drawing of the layout, in m: the spans
// of the current path, the run from pulley 3 of an omega drive to its clamp
// (span 2 already runs from pulley 2 to the other clamp) and the carriage of
// a two-pulley open-end drive, the middle quarter of span 2. None when the
// layout has no belt path.
struct BeltLine {
    enum class Kind { Span, ClampRun, Carriage };
    Kind kind = Kind::Span;
    int span = 0;  // 1..N for a span
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};
std::vector<BeltLine> LayoutBeltLines(const DriveProject& p);

// The belt as it runs on the current path, in order: the straight pieces of
// LayoutBeltLines and the wraps round the pulleys between them, in the
// direction of the spans (span k runs from pulley k to the next). An omega
// drive's belt starts at the clamp beyond pulley 3 and ends at the clamp
// beyond pulley 2. Every drawing of a layout takes the belt from here: the
// screen, the paper and the SVG draw its straight pieces (its wraps lie on
// the pulleys' circles), the DXF draws all of it. Empty when the layout has
// no belt path.
struct BeltPiece {
    bool wrap = false;
    int pulley = 0;        // a wrap's pulley
    double x0 = 0, y0 = 0;  // where the piece starts (m)
    double x1 = 0, y1 = 0;  // where it ends
    // A wrap as a counter-clockwise arc of the pulley's pitch circle: from
    // startAngle to endAngle (rad, from the X axis), sweep rad long (0: the
    // belt only touches the pulley). The belt turns the way it arrives.
    double startAngle = 0, endAngle = 0, sweep = 0;
};
std::vector<BeltPiece> LayoutBeltRoute(const DriveProject& p);

}  // namespace belt
