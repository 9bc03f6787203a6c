// The order designation of the belt ("25 T10-1500DL"), the pulley
// designation that goes with it, and the two small codes by which the data
// sheet and the drawings pick the tooth profile drawing.
#pragma once

#include <string>

#include "catalogue/beltids.h"
#include "platform/dialogs.h"
#include "project/driveproject.h"

namespace belt {

// Writes beltCode, beltCodeDetail, beltKindCode and profileDrawingCode from
// the belt identifiers, beltWidth, beltLength and pulleyFaceWidth. Lengths in
// the codes are always in mm, whatever the display unit.
void BuildBeltCode(DriveProject& p);

// The code BuildBeltCode wrote, into the calculation details (when asked).
void RecordBeltCode(const DriveProject& p, Dialogs& d);

// 0 timing belt, 1 multi-rib belt (QUINDEL), 2 flat belt (FENDARO).
int BeltKindCode(const DriveProject& p);

// Tooth profile class 0..12 for the data sheet and drawings; the current
// profileDrawingCode when no class fits the belt.
int ProfileDrawingCode(const DriveProject& p);


// The steps in which the belt code writes the width: whole ribs (QUINDEL),
// whole mm, or hundredths of an inch (in m).
struct CodeWidthStep {
    double step = 0.001;
    const char* words = "whole millimetres";
};
CodeWidthStep CodeWidthStepOf(const DriveProject& p);

// width (m; QUINDEL: ribs) rounded up to the next width the belt code can
// write, so that the code never names a narrower belt than the one rated. A
// width within a millionth of a step above a whole step is that step.
double CodedBeltWidth(const DriveProject& p, double width);

}  // namespace belt
