#include "project/driveproject.h"

#include <utility>

namespace belt {

DriveProject::DriveProject() {
    loadFactor = 1.0F;
    pulleyRatio[1] = 1.0;
}

void DriveProject::reset() {
    // Everything goes back to zero except what outlives a project.
    DriveProject fresh;
    fresh.loadFactor = 0;
    fresh.pulleyRatio[1] = 0;
    fresh.unitFactor = std::move(unitFactor);
    fresh.unitLabel = std::move(unitLabel);
    fresh.maxBeltLength = maxBeltLength;
    fresh.minBeltLength = minBeltLength;
    fresh.demoRunning = demoRunning;
    fresh.demoStep = demoStep;
    *this = std::move(fresh);
}

}  // namespace belt
