// Checks of the pulley data before the geometry runs, the speed warnings of
// the belt families, and two small helpers shared by the whole engine.
#pragma once

#include <string>

#include "platform/dialogs.h"
#include "project/driveproject.h"

namespace belt {

// Name of pulley k in messages and reports: "driver pulley", "driven pulley"
// (two-pulley drives), "idler # k" or "pulley # k".
std::string GetPulleyLabel(const DriveProject& p, int k);

// Index of the smallest pitch diameter among pulley 1 and the non-idler
// pulleys 2..pulleyCount; ties keep the lower index, idlers are never returned.
int FindSmallestPulley(const DriveProject& p);

// Refuses missing, zero or inconsistent step 3 data with one "I can't
// proceed" box (calcState = 1); fills in idler diameters left at zero.
void CheckInputData(DriveProject& p, Dialogs& d);

// Warns about belt and pulley speeds the belt family does not tolerate;
// calcState = 1 after the belt life warning or the too-high-speed message.
void CheckBeltSpeed(DriveProject& p, Dialogs& d);

// calcState = 1 when the smallest pulley has too few teeth for its speed
// (ORVANTO and RUBBER rules by beltPitchCode), else 0. Shows nothing.
void CheckSmallestPulleyTeeth(DriveProject& p);

}  // namespace belt
