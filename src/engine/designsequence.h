// The design calculation that Go On runs on the pulley data screen (STEP3)
// and on the layout screen (STEP4): the checks, the geometry, the standard
// length, the width and the belt code in their fixed order. It only reads and
// writes the project; what the windows must do afterwards is its result.
#pragma once

#include <string_view>

#include "platform/dialogs.h"
#include "project/driveproject.h"

namespace belt {

enum class NextStep {
    Stay,                               // stay on the screen (a message told why)
    StayRereadCentreDistanceAndLength,  // stay on STEP3: refresh Dato(8) and Dato(9), focus Dato(5)
    ShowStep4,                          // hide STEP3, show the layout STEP4
    ShowStep5,                          // hide the screen, show STEP5 and start its blinker
    ShowAdjustHint,                     // stay on STEP4 and show its instruction STEP4.zn(0)
};

// Go On from STEP3. Two pulleys: geometry, standard length, width and code
// (ShowStep5 when all were accepted). Three or four pulleys: the belt paths
// and the first (or next) path, then ShowStep4. A beltFamily that no family
// has (also "") is refused first: "Unknown belt family "WORD"", calcState 1.
NextStep GoOnFromStep3(DriveProject& p, Dialogs& d);

// Go On from STEP4. Reads p.screen.layoutDrawn for "the belt is drawn".
// ShowAdjustHint after a standard length was chosen that the layout does not
// have yet; ShowStep5 when the layout already has a standard length and the
// width and code were accepted.
NextStep GoOnFromStep4(DriveProject& p, Dialogs& d);

// The STEP3 centre distance box Dato(8) and belt length box Dato(9) read
// again into centreDistance and beltLength, as Enter in them would (length
// unit, "###0.00"), from the texts they show.
void RereadCentreDistanceAndLength(DriveProject& p, Dialogs& d, std::string_view centreDistanceText,
                                   std::string_view beltLengthText);

// The same without a screen: the boxes' texts are the current values in the
// current length unit, formatted "###0.00", which Enter keeps as they are.
void RereadCentreDistanceAndLength(DriveProject& p, Dialogs& d);

}  // namespace belt
