#include "engine/navigation.h"

#include "catalogue/beltids.h"
#include "catalogue/belttraits.h"
#include "engine/beltspeed.h"
#include "engine/carriage.h"
#include "project/formnames.h"

namespace belt {

namespace {

constexpr const char* kRefusalTitle = "I can't proceed";

void refuse(Dialogs& d, const std::string& text) {
    d.message(text, kRefusalTitle, MsgIcon::Warning, MsgButtons::Ok);
}

// beltFamily from beltType, once the catalogue has that family; a project
// file may name any word.
bool setFamilyFromType(DriveProject& p, Dialogs& d) {
    std::string family = FamilyFromType(p.beltType);
    if (!FindBeltFamily(family)) {
        refuse(d, UnknownBeltFamilyText(family));
        return false;
    }
    p.beltFamily = std::move(family);
    return true;
}

}  // namespace

void DeriveLoad(DriveProject& p) {
    const auto& mode = p.screen.optionInput;
    ValueRules& r = p.rules;
    if (mode[0]) {  // mass of carriage
        if (StrokeSetsCentreDistance(p)) p.centreDistance = CentreDistanceForStroke(p);
        p.peripheralForce = CarriageForce(p);
        r.force = ValueRule::CarriageForce;
        p.beltSpeed = p.peripheralForce != 0 ? p.power / p.peripheralForce : 0;
        r.speed = p.peripheralForce != 0 ? ValueRule::SpeedFromPowerForce : ValueRule::Given;
    } else if (mode[1]) {  // power and rpm
        p.beltSpeed = BeltSpeed(p.pulleySpeed[1], p.pulleyDiameter[1]);
        r.speed = ValueRule::SpeedFromPulley;
        r.speedPulley = 1;
        if (p.beltSpeed != 0) {
            p.peripheralForce = PeripheralForce(p.power, p.beltSpeed);
            r.force = ValueRule::ForceFromPower;
        }
    } else if (mode[2]) {  // power and belt speed
        r.speed = ValueRule::Given;
        if (p.beltSpeed != 0) {
            p.peripheralForce = PeripheralForce(p.power, p.beltSpeed);
            r.force = ValueRule::ForceFromPower;
        }
    } else if (mode[3]) {  // torque
        if (p.pulleyDiameter[1] != 0) {
            p.peripheralForce = 2 * p.torque / p.pulleyDiameter[1];
            r.force = ValueRule::ForceFromTorque;
        }
        p.power = 0;
        p.beltSpeed = 0;
        r.power = ValueRule::Given;
        r.speed = ValueRule::Given;
    }
}

bool ForceFromCarriageData(const DriveProject& p) {
    const BeltFamilyTraits* page = FamilyOfStep1Tab(p.screen.beltTypeTab);
    return page && page->carriageData && p.screen.optionInput[0];
}

bool GoOnFromStep1(DriveProject& p, Dialogs& d) {
    if (p.beltType.empty()) {
        refuse(d, "Choose the belt !!!");
        return false;
    }
    if (!setFamilyFromType(p, d)) return false;
    // The page shown decides, as on the screen: it took the carriage data.
    const BeltFamilyTraits* page = FamilyOfStep1Tab(p.screen.beltTypeTab);
    if (page && page->carriageData) {
        if ((p.beltType == "TAVOREN QVP" || p.beltType == "SELKIRA QVP") && p.linearDriveType == 2) {
            refuse(d, "Joined QVP are not available!!!");
            return false;
        }
        if (p.stroke == 0 && p.linearDriveType == 1) {
            refuse(d, "Stroke is necessary for omega drive !!!");
            return false;
        }
        if (p.peripheralForce == 0) DeriveLoad(p);
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
        return setFamilyFromType(p, d);
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
        // Multi-rib and flat belts have no pitch chart: step 2 was skipped.
        const BeltFamilyTraits* page = FamilyOfStep1Tab(p.screen.beltTypeTab);
        return page && page->kind != BeltKind::Toothed ? form::kStep1 : form::kStep2;
    }
    if (activeForm == form::kStep4) return form::kStep3;
    if (activeForm == form::kStep5) return p.pulleyCount > 2 ? form::kStep4 : form::kStep3;
    if (activeForm == form::kStep6) return form::kStep5;
    return "";
}

}  // namespace belt
