// The layout of three and four pulley drives on step 4: typing pulley
// coordinates, stepping through the belt paths, moving one pulley (or the
// stroke of an omega drive) until the layout has the chosen standard belt
// length, the texts beside the drawing and the scale of the drawing. Shared
// by the layout screen, the data sheet, the printed drawing and the batch tool.
//
// Coordinates in metres, pulley 1 at the origin, Y up.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialogs.h"
#include "project/driveproject.h"

namespace belt {

// Axis of a pulley coordinate: pulleyPosition(axis, k).
enum LayoutAxis : int { kAxisX = 0, kAxisY = 1 };

// The state effect of drawing the layout on STEP4: the belt is visible
// (screen.layoutDrawn) exactly when there is a belt path to draw.
void MarkLayoutDrawn(DriveProject& p);

// Sets coordinate axis of pulley layoutNeedsAdjust to u and measures the
// current belt path into lastStandardLength. The result u + beltLength -
// lastStandardLength is the fixed-point map whose fixed point is the
// position at which the belt is exactly beltLength long; nothing when the
// layout at u has no length.
std::optional<double> BLCalc(DriveProject& p, double u, int axis);

// Moves pulley k (2..pulleyCount) along axis until the belt length equals
// beltLength (Aitken's iteration on BLCalc). Refused, with the pulley left
// where it was and "I can't find the new position !!!", when the length
// cannot be measured, when the iteration does not settle in 100 passes or
// when the move exceeds a quarter of the drawing's width. In every case the
// belt paths are recomputed and the adjustment is no longer pending
// (layoutNeedsAdjust = 0). True when the pulley moved.
bool AdjustPulley(DriveProject& p, Dialogs& d, int k, int axis);

// Mouse over the drawing at (x, y) while an adjustment is pending (not for an
// omega drive): the first pulley 2..N under the pointer is selected
// (layoutNeedsAdjust = k), over none layoutNeedsAdjust = N + 1. True when the
// pointer should be the four-way arrow.
bool OnLayoutMouseMove(DriveProject& p, double x, double y);

// What the layout screen does after a mouse button is released.
struct LayoutMouseUpResult {
    bool redraw = false;              // DrawLayout on STEP4, Px/Py rewritten
    bool hideHint = false;            // hide zn(0)
    std::optional<std::string> hint;  // new text of zn(0), shown
};
// Omega drive, left button, an adjustment pending: the stroke takes up the
// difference between the chosen and the computed belt length. Otherwise,
// with a pulley selected: the left button moves it vertically, any other
// button horizontally (AdjustPulley).
LayoutMouseUpResult OnLayoutMouseUp(DriveProject& p, Dialogs& d, bool leftButton);

// Enter in Px(k) (axis X) or Py(k) (axis Y), k = 2..4: the typed coordinate
// (negative values allowed) cancels a pending adjustment and the chosen
// standard length; the belt paths are recomputed when the pulleys do not
// overlap, and the belt stays hidden until the next DRAW. A refused entry
// that keeps the coordinate changes nothing and keeps the focus.
struct CoordinateResponse {
    std::string enteredText;  // new text of the box typed in
    int focusAxis = kAxisY;   // next box: Px (X) or Py (Y) ...
    int focusPulley = 2;      // ... of this pulley
};
CoordinateResponse OnCoordinateEnter(DriveProject& p, Dialogs& d, int k, int axis, std::string_view text);

// The DRAW button: the next belt path (with its checks and questions). True
// when the layout is to be drawn again.
bool OnDrawClick(DriveProject& p, Dialogs& d);

// Texts of STEP4 in the current length unit (ShowLayoutLabels), indexed like
// the controls: zT(0) unit, zT(1) driver pulley, zT(2..N) the other pulleys,
// Px/Py(2..N) coordinates; elements beyond pulleyCount stay empty.
struct LayoutLabels {
    Arr<std::string, 5> zT;
    Arr<std::string, 5> px;
    Arr<std::string, 5> py;
};
LayoutLabels ShowLayoutLabels(const DriveProject& p);

// zn(0): how to adjust the layout (omega drive: the stroke).
std::string LayoutInstruction(const DriveProject& p);
// zT(5..8): the captions beside each pulley's coordinates.
inline constexpr const char* kCoordinateCaption = "X = \r\rY = ";

// The scale of the layout drawing (DrawPulleys): the picture's user
// coordinates and the ticks along its bottom (X) and left (Y) edges. In mm
// the spacing is the big tick's leading digit; in another unit the labels
// (every fifth tick) step by a round number of that unit.
struct LayoutTick {
    double at = 0;      // X or Y of the tick, m
    bool big = false;   // every fifth tick from 0
    std::string label;  // value in the current length unit; empty when not labelled
};
struct LayoutScale {
    double left = 0, top = 0, right = 0, bottom = 0;  // m, Y up
    double scaleWidth = 0;                            // right - left
    double bigTick = 0;                               // length of a big tick mark, m
    double smallTick = 0;                             // length of a small tick mark, m
    double crossHalf = 0;                             // half the arm of a pulley's centre cross, m
    double spacing = 0;                               // distance between ticks, m
    std::string labelFormat;
    std::vector<LayoutTick> xTicks;
    std::vector<LayoutTick> yTicks;
};
LayoutScale ComputeLayoutScale(const DriveProject& p);

// Tick spacing for a big tick length: its leading digit times its power of
// ten (0.0196 -> 0.02, 0.35 -> 0.4).
double TickSpacing(double bigTick);
// The round number (1, 2 or 5 times a power of ten) nearest to x: the step
// of the labels when lengths are not shown in mm (2.36 -> 2, 0.8 -> 1).
double RoundStep(double x);

}  // namespace belt
