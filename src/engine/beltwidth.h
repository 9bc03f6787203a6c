// Sizing the belt: the rating of the chosen profile on the smallest pulley,
// the required width (timing and flat belts) or number of ribs (multi-rib
// belts), the width proposed to the user and the width the user keeps; and
// the later change of width from the results screen.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/details.h"
#include "platform/dialogs.h"
#include "project/driveproject.h"

namespace belt {

// Sizes the belt and asks for its width in an input box. Sets teethInMesh,
// serviceFactor, beltWidthCalculated, beltWidth, pulleyFaceWidth,
// powerRatingWithWidth (W, for the chosen width) and, for SELKIRA,
// maxEffectivePull and maxTractionLoad1..3. calcState 0 when a width was
// accepted, 1 when the user stays (message shown or box cancelled).
void ComputeBeltWidth(DriveProject& p, Dialogs& d);

// Admissible specific tooth load P of a timing belt profile in N per m of
// width and per tooth in mesh, at the speed of the smallest pulley in rpm,
// from toothLoadCoefficients (the catalogue gives them per cm).
double SpecificToothLoad(const DriveProject& p, double rpm);

// Whether width (m) is one of the standard widths of the project's timing
// belt profile (a width cut to measure is not).
bool IsStandardBeltWidth(const DriveProject& p, double width);

// The rating chart of the design: the chosen belt's rating with its width
// against the speed of the smallest pulley (timing belts, rad/s) or the belt
// speed (multi-rib and flat belts), over the catalogue's speed range, through
// powerRatingWithWidth at the design's speed. Not present when the belt has
// no rating.
RatingChart BuildRatingChart(const DriveProject& p);

// Factor of the arc of contact of a multi-rib or flat belt on its smallest
// pulley, arc in degrees.
double ArcOfContactFactor(double arcDegrees);

// Text the results screen's width list shows when nothing is being typed.
inline constexpr std::string_view kChangeWidthCaption = "Change the belt width";

// Title of the width box of a flat belt type without a power rating: its
// width is asked for, with nothing proposed.
inline constexpr std::string_view kUnratedWidthTitle = "CONVEYOR ENDLESS FLAT BELT";

// Items of the results screen's width list: the standard widths in the
// current length unit ("25.00 [mm]") for timing belts, 1 to 10 ribs for
// QUINDEL, none for FENDARO.
std::vector<std::string> BeltWidthChoices(const DriveProject& p);

// The width typed or picked in the results screen's list (a number in the
// current length unit, ribs for QUINDEL; "," reads as "."). Scales the power
// rating to the new width, derives the pulley face width (and the SELKIRA
// loads) and rebuilds the belt code. Returns false when nothing changed: an
// empty or zero entry, or a width refused with a message.
bool ChangeBeltWidth(DriveProject& p, Dialogs& d, std::string_view text);

}  // namespace belt
