// The charts of the pitch selection guide (STEP2.Grafico): design power over
// the speed of the smallest pulley (log-log) for endless belts, belt width
// over peripheral force (linear) for open-end and long-length belts, with
// the pitch regions bounded by the recommendation lines.
//
// The chart is drawn in STEP2's form units so that its axes are exactly the
// scales the operating-point indicator follows (engine/pitchguide.h).
#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <vector>

class QPainter;

namespace belt {

struct DriveProject;

// Paints chart `chart` (0..8) for the project's profile group: its axes,
// grid and decade labels, and the boundary lines of the group's pitches
// (none for a belt without a group). `target` is the device rectangle that
// the chart's form rectangle (left 0, top 5, 73 x 94 units) occupies; text is
// sized from it, never stretched.
void DrawPitchChart(QPainter& painter, const QRectF& target, const DriveProject& p, int chart);

// Where the pitch buttons Scelta(0..n-1) of the project's group go: the
// centre of each, in form units, given each button's size in form units.
// On a power chart a button sits inside its pitch's region; on a width chart
// beside its pitch's line, clear of the other buttons and lines.
std::vector<QPointF> PitchLabelCentres(const DriveProject& p, const std::vector<QSizeF>& sizes);

// The plot area of a chart in form units (the axes' extent).
QRectF PitchChartPlotArea(const DriveProject& p, int chart);

}  // namespace belt
