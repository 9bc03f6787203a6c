#include "engine/checks.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <span>
#include <string_view>

#include "catalogue/beltids.h"
#include "catalogue/belttraits.h"
#include "engine/beltspeed.h"

namespace belt {

namespace {

constexpr double kTolerance = 1e-10;

int PulleyCountOf(const DriveProject& p) {
    return std::clamp(p.pulleyCount, 0, 4);
}

// The driver pulley is never treated as an idler, whatever a project file says.
bool IsIdler(const DriveProject& p, int k) {
    return k > 1 && k <= 4 && p.pulleyIsIdler[k] != 0;
}

// A small-pulley rule: fires when the speed is above minSpeed (or at any speed
// when anySpeed) and the teeth equal, or are below, the given count.
struct TeethRule {
    bool anySpeed;
    double minSpeed;  // rad/s
    bool below;       // z < teeth instead of z = teeth
    int teeth;
};

constexpr TeethRule Eq(double s, int z) {
    return {false, s, false, z};
}
constexpr TeethRule Lt(double s, int z) {
    return {false, s, true, z};
}
constexpr TeethRule EqAny(int z) {
    return {true, 0, false, z};
}
constexpr TeethRule LtAny(int z) {
    return {true, 0, true, z};
}

// Smallest admissible pulleys of the ORVANTO and RUBBER belts by speed.
constexpr TeethRule kT25[] = {LtAny(14)};
constexpr TeethRule kT5[] = {Eq(94, 10),  Eq(105, 11), Lt(126, 14), Eq(188, 14), Eq(251, 15),
                             Eq(377, 16), Eq(440, 17), Eq(524, 18), Eq(607, 19), Eq(691, 20)};
constexpr TeethRule kT10[] = {Eq(52, 12), Lt(94, 15), Lt(115, 17), Lt(188, 19)};
constexpr TeethRule kAT5[] = {Eq(115, 12), Lt(188, 15), Lt(377, 17), Lt(524, 19)};
constexpr TeethRule kAT10[] = {Eq(105, 15), Eq(126, 16), Eq(157, 17), Eq(188, 18), Eq(272, 19), Eq(377, 20)};
constexpr TeethRule kMXL[] = {Lt(126, 15)};
constexpr TeethRule kXL[] = {Eq(126, 10), Eq(136, 11), Eq(398, 12), Lt(461, 15),
                             Lt(733, 17), Lt(838, 19), Lt(942, 21)};
constexpr TeethRule kL[] = {EqAny(10),   Lt(115, 13), Eq(168, 13), Eq(199, 14),
                            Eq(293, 15), Eq(398, 16), Eq(461, 17), Eq(524, 18)};
constexpr TeethRule kH[] = {Lt(94, 15), Lt(126, 17), Lt(188, 19), Lt(377, 21), Lt(586, 23)};
constexpr TeethRule kXH[] = {LtAny(19), Lt(63, 21), Lt(94, 23), Lt(126, 25), Lt(188, 27), Lt(356, 29)};

struct ProfileRules {
    std::string_view code;
    std::span<const TeethRule> rules;
};

constexpr ProfileRules kTeethRules[] = {
    {"T2.5", kT25}, {"T5", kT5}, {"T10", kT10}, {"AT5", kAT5}, {"AT10", kAT10},
    {"MXL", kMXL},  {"XL", kXL}, {"L", kL},     {"H", kH},     {"XH", kXH},
};

}  // namespace

std::string GetPulleyLabel(const DriveProject& p, int k) {
    if (k == 1) return "driver pulley";
    if (p.pulleyCount == 2 && k == 2) return "driven pulley";
    return (IsIdler(p, k) ? "idler # " : "pulley # ") + std::to_string(k);
}

int FindSmallestPulley(const DriveProject& p) {
    int smallest = 1;
    double d = p.pulleyDiameter[1];
    for (int k = 2; k <= PulleyCountOf(p); ++k) {
        if (p.pulleyDiameter[k] < d && !IsIdler(p, k)) {
            smallest = k;
            d = p.pulleyDiameter[k];
        }
    }
    return smallest;
}

void CheckInputData(DriveProject& p, Dialogs& d) {
    p.calcState = 0;
    const int n = PulleyCountOf(p);
    std::string message;

    // Later faults overwrite earlier ones: only the last one found is shown.
    for (int k = n; k >= 1; --k) {
        if (IsIdler(p, k)) continue;
        if (p.pulleySpeed[k] == 0) message = "n missing on " + GetPulleyLabel(p, k) + " !!!";
        if (p.pulleyDiameter[k] == 0) message = "d missing on " + GetPulleyLabel(p, k) + " !!!";
    }
    if (p.peripheralForce == 0) message = "Peripheral force must be greater than zero !!!";
    if (p.beltSpeed == 0) message = "Belt speed must be greater than zero !!!";
    if (p.power == 0) message = "Power must be greater than zero !!!";
    if (p.centreDistance == 0 && p.twoPulleyMode == 1)
        message = "Center distance must be greater than zero !!!";
    if (p.beltLength == 0 && p.twoPulleyMode == 2) message = "Belt length must be greater than zero !!!";

    if (message.empty()) {
        // Step 3 derives power, speeds, diameters and ratios from each other,
        // so any disagreement means a box was typed but not confirmed.
        // The force is derived as power / speed, so speed x force misses the
        // power by the rounding of a double, which beyond a megawatt is more
        // than the tolerance itself.
        const double rounding = 8 * std::numeric_limits<double>::epsilon() * std::abs(p.power);
        bool consistent = std::abs(p.power - p.beltSpeed * p.peripheralForce) <= kTolerance + rounding;
        const bool toothed = IsToothedBelt(p);
        for (int k = 1; k <= n; ++k) {
            if (IsIdler(p, k)) {
                if (p.pulleyDiameter[k] == 0) p.pulleyDiameter[k] = p.minIdlerDiameterInside;
                continue;
            }
            // Every non-idler has a non-zero speed here, the driver included.
            if (std::abs(p.beltSpeed - BeltSpeed(p.pulleySpeed[k], p.pulleyDiameter[k])) > kTolerance)
                consistent = false;
            if (std::abs(p.pulleyRatio[k] - p.pulleySpeed[1] / p.pulleySpeed[k]) > kTolerance)
                consistent = false;
            if (toothed) {
                if (std::abs(kPi * p.pulleyDiameter[k] - p.pulleyTeeth[k] * p.beltPitch) > kTolerance)
                    consistent = false;
                // A driver without teeth cannot give a teeth ratio.
                if (p.pulleyTeeth[1] == 0 ||
                    std::abs(p.pulleyRatio[k] - static_cast<double>(p.pulleyTeeth[k]) / p.pulleyTeeth[1]) >
                        kTolerance)
                    consistent = false;
            }
        }
        if (!consistent) message = "Error in input data";
    }

    if (!message.empty()) {
        p.calcState = 1;
        d.message(message, "I can't proceed", MsgIcon::Warning);
    }
}

void CheckSmallestPulleyTeeth(DriveProject& p) {
    p.calcState = 0;
    const int k = FindSmallestPulley(p);
    const double n = p.pulleySpeed[k];
    const int z = p.pulleyTeeth[k];
    for (const ProfileRules& profile : kTeethRules) {
        if (profile.code != p.beltPitchCode) continue;
        for (const TeethRule& rule : profile.rules) {
            const bool fast = rule.anySpeed || n > rule.minSpeed;
            const bool few = rule.below ? z < rule.teeth : z == rule.teeth;
            if (fast && few) p.calcState = 1;
        }
    }
}

void CheckBeltSpeed(DriveProject& p, Dialogs& d) {
    p.calcState = 0;
    const BeltFamilyTraits& family = BeltFamilyTraitsOf(p.beltFamily);
    if (family.smallestPulleyCheck) {
        CheckSmallestPulleyTeeth(p);
        if (p.calcState == 1)
            d.message("Expected belt life reduction !!\rPlease contact VESTRANO Technical Staff.",
                      "Warning !!!", MsgIcon::Warning);
    }
    const SpeedLimit& limit = family.speedLimit;
    if (p.beltSpeed > limit.metresPerSecond) {
        if (limit.stops) p.calcState = 1;
        d.message(std::string(limit.message), "Warning !!!", limit.stops ? MsgIcon::Error : MsgIcon::Warning);
    }
}

}  // namespace belt
