// Puleggia(0..2), the pulley drawings of the data sheet: a timing belt
// pulley with its flanges, a multi-rib pulley with its grooves enlarged, a
// crowned flat belt pulley. Each shows the project's driver pulley in
// proportion, in front view and in section, with the symbols of the data
// sheet (dp, de, df, dmax, B; the diameter sign, P, R, r, t and the groove
// angle; d, h, B) on its dimension lines.
#pragma once

#include <QRectF>

#include "drawing/profiledrawings.h"

class QPainter;

namespace belt {

struct DriveProject;

// Puleggia(beltKindCode) for the project: its driver pulley, its grooves
// cut to the belt's tooth or rib.
void DrawPulleyDrawing(QPainter& painter, const QRectF& rect, const DriveProject& p,
                       const DrawingColours& colours);

}  // namespace belt
