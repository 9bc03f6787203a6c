#include "engine/designsequence.h"

#include <cmath>
#include <string>

#include "catalogue/beltids.h"
#include "engine/beltcode.h"
#include "engine/beltpaths.h"
#include "engine/beltwidth.h"
#include "engine/checks.h"
#include "engine/geometry.h"
#include "engine/layout.h"
#include "engine/standardlength.h"
#include "units/units.h"

namespace belt {

namespace {

constexpr const char* kRefusalTitle = "I can't proceed";
// A length this close to the one last accepted is that standard length.
constexpr double kSameLength = 1e-5;

void Refuse(Dialogs& d, const char* text) {
    d.message(text, kRefusalTitle, MsgIcon::Warning);
}

// Width and code of a layout whose length is standard: STEP5 follows unless
// the width was not accepted.
NextStep SizeAndName(DriveProject& p, Dialogs& d) {
    ComputeBeltWidth(p, d);
    if (p.calcState == 1) return NextStep::Stay;
    BuildBeltCode(p);
    return NextStep::ShowStep5;
}

NextStep TwoPulleysFromStep3(DriveProject& p, Dialogs& d) {
    ComputeCentreDistance(p, d, 0);
    // The position has not been found (message shown): the paths still
    // belong to the previous placement and must not be sized.
    if (p.calcState == 1) return NextStep::Stay;
    if (p.beltPathTable[0][0] == 0) {
        Refuse(d, "Pulley interference. Check the data  !!!");
        return NextStep::Stay;
    }
    CheckPulleyInterference(p, d);
    if (p.calcState == 1) return NextStep::Stay;

    p.lastStandardLength = p.beltLength;
    p.beltLength = ComputeBeltLength(p);
    SelectStandardBeltLength(p, d);
    switch (p.calcState) {
        case 1:
            Refuse(d, "Pulley interference. Check the data !!!");
            return NextStep::Stay;
        case 2:
            p.lastStandardLength = kNoStandardLength;
            return NextStep::StayRereadCentreDistanceAndLength;
        case 3:
            return NextStep::Stay;
        default:
            return SizeAndName(p, d);
    }
}

}  // namespace

NextStep GoOnFromStep3(DriveProject& p, Dialogs& d) {
    CheckInputData(p, d);
    if (p.calcState == 1) return NextStep::Stay;
    // Its warnings are advice: the design goes on.
    CheckBeltSpeed(p, d);

    if (p.pulleyCount == 2) return TwoPulleysFromStep3(p, d);

    ComputeBeltPaths(p);
    NextBeltPath(p, d);
    return NextStep::ShowStep4;
}

NextStep GoOnFromStep4(DriveProject& p, Dialogs& d) {
    if (p.beltPathTable[0][0] == 0) {
        Refuse(d, "This configuration is not possible !!!");
        return NextStep::Stay;
    }
    if (!p.screen.layoutDrawn) {
        d.message("Click on DRAW button", "", MsgIcon::None);
        return NextStep::Stay;
    }
    if (p.layoutNeedsAdjust != 0) {
        Refuse(d, IsOmegaDrive(p) ? "Adjust the stroke."
                                  : "Adjust the position of the pulleys by clicking on one of them.");
        return NextStep::Stay;
    }
    CheckPulleyInterference(p, d);
    if (p.calcState == 1) return NextStep::Stay;

    p.layoutNeedsAdjust = 0;
    // The length is measured on every pass: DRAW may have moved to another
    // path since a standard length was accepted, and the arcs of contact
    // that the width sizing reads must belong to the path shown.
    const double length = ComputeBeltLength(p);
    // -1 for a path whose wraps do not close; a layout far beyond any drive
    // (coordinates near the limits of a Double) gives no number at all.
    if (!std::isfinite(length) || length < 0) {
        Refuse(d, "This configuration is not possible !!!");
        return NextStep::Stay;
    }
    p.beltLength = length;

    if (std::abs(p.beltLength - p.lastStandardLength) <= kSameLength) return SizeAndName(p, d);

    SelectStandardBeltLength(p, d);
    switch (p.calcState) {
        case 1:
            Refuse(d, "Pulley interference. Check the data !!!");
            p.lastStandardLength = kNoStandardLength;
            return NextStep::Stay;
        case 2:
        case 3:
            p.lastStandardLength = kNoStandardLength;
            return NextStep::Stay;
        default:
            return NextStep::ShowAdjustHint;
    }
}

void RereadCentreDistanceAndLength(DriveProject& p, Dialogs& d, std::string_view centreDistanceText,
                                   std::string_view beltLengthText) {
    AcceptNumericInput(p, d, centreDistanceText, p.centreDistance, kLength, "###0.00");
    AcceptNumericInput(p, d, beltLengthText, p.beltLength, kLength, "###0.00");
}

void RereadCentreDistanceAndLength(DriveProject& p, Dialogs& d) {
    const std::string centre = Format(ToDisplay(p, kLength, p.centreDistance), "###0.00");
    const std::string length = Format(ToDisplay(p, kLength, p.beltLength), "###0.00");
    RereadCentreDistanceAndLength(p, d, centre, length);
}

}  // namespace belt
