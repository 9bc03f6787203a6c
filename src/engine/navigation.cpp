#include "engine/navigation.h"

#include "catalogue/beltids.h"
#include "engine/beltspeed.h"
#include "engine/carriage.h"
#include "project/formnames.h"

namespace belt {

namespace {

constexpr const char* kRefusalTitle = "I can't proceed";
// The STEP1 family tabs whose belts run as linear drives and carry a load.
constexpr int kTabSelkira = 1;
constexpr int kTabTavoren = 2;
constexpr int kTabQuindel = 3;
constexpr int kTabFendaro = 4;

void refuse(Dialogs& d, const char* text) {
    d.message(text, kRefusalTitle, MsgIcon::Warning, MsgButtons::Ok);
}

// Peripheral force and belt speed from the data of the chosen input mode.
void deriveLoad(DriveProject& p) {
    const auto& mode = p.screen.optionInput;
    if (mode[0]) {  // mass of carriage
        if (StrokeSetsCentreDistance(p)) p.centreDistance = CentreDistanceForStroke(p);
        p.peripheralForce = CarriageForce(p);
        p.beltSpeed = p.peripheralForce != 0 ? p.power / p.peripheralForce : 0;
    } else if (mode[1]) {  // power and rpm
        p.beltSpeed = BeltSpeed(p.pulleySpeed[1], p.pulleyDiameter[1]);
        if (p.beltSpeed != 0) p.peripheralForce = PeripheralForce(p.power, p.beltSpeed);
    } else if (mode[2]) {  // power and belt speed
        if (p.beltSpeed != 0) p.peripheralForce = PeripheralForce(p.power, p.beltSpeed);
    } else if (mode[3]) {  // torque
        if (p.pulleyDiameter[1] != 0) p.peripheralForce = 2 * p.torque / p.pulleyDiameter[1];
        p.power = 0;
        p.beltSpeed = 0;
    }
}

}  // namespace

bool GoOnFromStep1(DriveProject& p, Dialogs& d) {
    if (p.beltType.empty()) {
        refuse(d, "Choose the belt !!!");
        return false;
    }
    p.beltFamily = FamilyFromType(p.beltType);
    const int tab = p.screen.beltTypeTab;
    if (tab == kTabSelkira || tab == kTabTavoren) {
        if ((p.beltType == "TAVOREN QVP" || p.beltType == "SELKIRA QVP") && p.linearDriveType == 2) {
            refuse(d, "Joined QVP are not available!!!");
            return false;
        }
        if (p.stroke == 0 && p.linearDriveType == 1) {
            refuse(d, "Stroke is necessary for omega drive !!!");
            return false;
        }
        if (p.peripheralForce == 0) deriveLoad(p);
    }
    return true;
}

bool GoOnFromStep2(DriveProject& p, Dialogs& d) {
    if (p.beltName.empty()) {
        refuse(d, "Choose the belt pitch!!!");
        return false;
    }
    p.pulleyCount = 3;
    p.twoPulleyMode = 0;
    return true;
}

bool ChooseDriveConfiguration(DriveProject& p, Dialogs& d, int pulleyCount, int twoPulleyMode,
                              bool fromStep1) {
    p.pulleyCount = pulleyCount;
    p.twoPulleyMode = twoPulleyMode;
    if (fromStep1) {
        if (p.beltType.empty()) {
            refuse(d, "Choose the belt !!!");
            return false;
        }
        p.beltFamily = FamilyFromType(p.beltType);
        return true;
    }
    if (p.beltName.empty()) {
        refuse(d, "Choose the belt pitch!!!");
        return false;
    }
    return true;
}

std::string GoBackTarget(const DriveProject& p, const std::string& activeForm) {
    if (activeForm == form::kStep1) return form::kMain;
    if (activeForm == form::kStep2) return form::kStep1;
    if (activeForm == form::kStep3) {
        const int tab = p.screen.beltTypeTab;
        return (tab == kTabQuindel || tab == kTabFendaro) ? form::kStep1 : form::kStep2;
    }
    if (activeForm == form::kStep4) return form::kStep3;
    if (activeForm == form::kStep5) return p.pulleyCount > 2 ? form::kStep4 : form::kStep3;
    if (activeForm == form::kStep6) return form::kStep5;
    return "";
}

}  // namespace belt
