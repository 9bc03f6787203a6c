// Shared by the core tests: a project as the program starts it and a belt
// chosen as step 1 chooses it.
#pragma once

#include <string>

#include "project/driveproject.h"
#include "units/units.h"

namespace belt::test {

// Speeds are stored in rad/s; tests speak in rpm.
inline constexpr double kRpm = 6.283185308 / 60;  // rad/s per rpm

// A project as the program starts it: the unit tables loaded and the first
// unit of every quantity chosen.
inline DriveProject StartedProject() {
    DriveProject p;
    InitUnitTables(p);
    return p;
}

// The belt chosen on step 1: the profile group (type, "FAMILY GROUP"), the
// family before its first blank, the name "FAMILY CODE"; pitch in m, 0 where
// the tables give it later.
inline void ChooseBelt(DriveProject& p, const std::string& type, const std::string& pitchCode, double pitch = 0) {
    p.beltType = type;
    p.beltFamily = type.substr(0, type.find(' '));
    p.beltPitchCode = pitchCode;
    p.beltName = p.beltFamily + " " + pitchCode;
    p.beltPitch = pitch;
}

}  // namespace belt::test
