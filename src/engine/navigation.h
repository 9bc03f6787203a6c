// The checks and state changes of the wizard's Go On, Go Back and drive
// configuration commands, kept apart from the windows: the main window asks
// these what to do and only then hides and shows screens.
#pragma once

#include <string>

#include "platform/dialogs.h"
#include "project/driveproject.h"

namespace belt {

// Go On from STEP1: refuses a missing belt choice and a belt type whose
// family word no family has ("Unknown belt family "WORD"", beltFamily left as
// it was), sets beltFamily and, on the pages that take carriage data (SELKIRA,
// TAVOREN), refuses joined QVP belts and omega drives without stroke, then
// derives the missing load values from the chosen input mode while
// peripheralForce is 0. True when STEP2 may be shown.
bool GoOnFromStep1(DriveProject& p, Dialogs& d);

// The load values that the chosen input mode of step 1 derives: the force
// from the carriage, the power and a speed, or the torque, and the belt
// speed (and, for a stroke, the centre distance) that follow.
void DeriveLoad(DriveProject& p);

// Whether step 1 derives the force from the carriage data: the page of the
// belt takes it and "Mass of carriage" is the input mode.
bool ForceFromCarriageData(const DriveProject& p);

// Go On from STEP2 (offered only for an omega drive): needs a chosen pitch,
// then fixes a three-pulley drive. True when STEP3 may be shown.
bool GoOnFromStep2(DriveProject& p, Dialogs& d);

// The drive-configuration commands (2 pulleys by centre distance: 2, 1; by
// belt length: 2, 2; 3 pulleys: 3, 0; 4 pulleys: 4, 0) from STEP1 (fromStep1)
// or STEP2. The configuration is set before the checks and stays set when
// they refuse (from STEP1 also an unknown family, as Go On refuses it). True
// when STEP3 may be shown.
bool ChooseDriveConfiguration(DriveProject& p, Dialogs& d, int pulleyCount, int twoPulleyMode,
                              bool fromStep1);

// The screen Go Back shows from activeForm: "MAIN" (the cover) from STEP1,
// STEP1 or STEP2 from STEP3 by the belt family tab (its family's kind), STEP3 or STEP4 from STEP5
// by the pulley count; "" when there is nothing to go back to.
std::string GoBackTarget(const DriveProject& p, const std::string& activeForm);

}  // namespace belt
