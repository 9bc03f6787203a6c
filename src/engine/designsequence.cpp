#include "engine/designsequence.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "catalogue/beltids.h"
#include "catalogue/belttraits.h"
#include "engine/beltcode.h"
#include "engine/beltspeed.h"
#include "engine/beltpaths.h"
#include "engine/beltwidth.h"
#include "engine/carriage.h"
#include "engine/checks.h"
#include "engine/details.h"
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

// The data the design starts from: the load, the belt speed, each pulley's
// size and speed, and for a linear drive the carriage that gives the force.
// Each value is written with the rule that set it (p.rules).
void RecordApplicationData(const DriveProject& p, Dialogs& d) {
    using namespace detail_units;
    if (!d.details()) return;
    const DetailStep step = DetailStep::ApplicationData;
    const ValueRules& rules = p.rules;
    const bool carriage = TakesCarriageData(p) && p.screen.optionInput[0];
    auto force = [&] {
        Record(d, step, [&] {
            DetailEntry e;
            switch (rules.force) {
                case ValueRule::CarriageForce:
                    e.what = "Force that moves the carriage up its slope";
                    e.formula = "F = m (g sin(\u03B8) + acc) + Ff";
                    e.in("m", p.carriageMass, kMass)
                        .in("\u03B8", p.slopeAngle, kDegreeSlope)
                        .in("acc", p.acceleration, kAcceleration)
                        .in("Ff", p.frictionForce, kForce)
                        .in("g", kCarriageGravity, kAcceleration);
                    break;
                case ValueRule::ForceFromTorque:
                    e.what = "Peripheral force from the torque";
                    e.formula = "F = 2 T / d1";
                    e.in("T", p.torque, kTorque).in("d1", p.pulleyDiameter[1], kLength);
                    break;
                case ValueRule::ForceFromPower:
                    e.what = "Peripheral force";
                    e.formula = "F = P / v";
                    e.in("P", p.power, kPower).in("v", p.beltSpeed, kVelocity);
                    break;
                default:
                    e.what = "Peripheral force given";
                    break;
            }
            return e.is("F", p.peripheralForce, kForce).stores("peripheralForce");
        });
    };
    auto power = [&] {
        Record(d, step, [&] {
            DetailEntry e;
            if (rules.power == ValueRule::PowerFromForceSpeed) {
                e.what = "Power transmitted";
                e.formula = "P = F v";
                e.in("F", p.peripheralForce, kForce).in("v", p.beltSpeed, kVelocity);
            } else {
                e.what = "Power transmitted";
            }
            return e.is("P", p.power, kPower).stores("power");
        });
    };
    const bool forceFirst = rules.force != ValueRule::ForceFromPower;
    const bool powerFirst = rules.power != ValueRule::PowerFromForceSpeed;
    if (forceFirst) force();
    if (carriage && StrokeSetsCentreDistance(p) && p.linearDriveType == 0)
        Record(d, step, [&] {
            DetailEntry e;
            e.what = "Carriage length and stroke asked";
            e.formula = "C = lc + stroke + (d1 + d2) / 2 keeps the stroke";
            return e.in("lc", p.carriageLength, kLength)
                .in("stroke", p.stroke, kLength)
                .in("d1", p.pulleyDiameter[1], kLength)
                .in("d2", p.pulleyDiameter[2], kLength)
                .is("C", CentreDistanceForStroke(p), kLength);
        });
    if (powerFirst && (p.power != 0 || rules.force != ValueRule::CarriageForce)) power();
    const int speedPulley = rules.speed == ValueRule::SpeedFromPulley ? std::clamp(rules.speedPulley, 1, 4) : 0;
    Record(d, step, [&] {
        DetailEntry e;
        e.what = "Belt speed";
        if (speedPulley > 0) {
            const std::string k = std::to_string(speedPulley);
            e.formula = "v = pi n" + k + " d" + k + " / 60   (n" + k + " in rpm)";
            e.in("n" + k, p.pulleySpeed[speedPulley], kRpm).in("d" + k, p.pulleyDiameter[speedPulley], kLength);
        } else if (rules.speed == ValueRule::SpeedFromPowerForce) {
            e.formula = "v = P / F";
            e.in("P", p.power, kPower).in("F", p.peripheralForce, kForce);
        } else {
            e.what = "Belt speed given";
        }
        return e.is("v", p.beltSpeed, kVelocity).stores("beltSpeed");
    });
    if (!forceFirst) force();
    if (!powerFirst) power();
    Record(d, step, [&] {
        DetailEntry e;
        e.what = "Torque on the driver pulley";
        e.formula = "T = F d1 / 2";
        return e.in("F", p.peripheralForce, kForce)
            .in("d1", p.pulleyDiameter[1], kLength)
            .is("T", TorqueOnPulley(p.peripheralForce, p.pulleyDiameter[1]), kTorque);
    });
    const bool toothed = IsToothedBelt(p);
    const int n = std::clamp(p.pulleyCount, 2, 4);
    for (int k = 1; k <= n; ++k) {
        const bool idler = k > 1 && p.pulleyIsIdler[k] != 0;
        const std::string name = std::to_string(k);
        Record(d, step, [&] {
            DetailEntry e;
            if (toothed && !idler) {
                e.what = "Pitch diameter of the " + GetPulleyLabel(p, k);
                e.formula = "d = z p / pi";
                e.in("z", p.pulleyTeeth[k], kTeeth).in("p", p.beltPitch, kLength);
                e.from(p.beltName + " pulley table");
            } else {
                e.what = "Diameter of the " + GetPulleyLabel(p, k);
            }
            return e.is("d" + name, p.pulleyDiameter[k], kLength).stores("pulleyDiameter", k);
        });
        if (idler) continue;
        Record(d, step, [&] {
            DetailEntry e;
            e.what = "Speed of the " + GetPulleyLabel(p, k);
            const ValueRule rule = p.rules.pulleySpeed[static_cast<std::size_t>(k)];
            if (k == speedPulley) {
                // It gave the belt speed: its own entry must not derive it back.
                e.what += " given";
            } else if (rule == ValueRule::PulleyFromRatio && k > 1) {
                e.formula = "n" + name + " = n1 / i" + name;
                e.in("n1", p.pulleySpeed[1], kRpm).in("i" + name, p.pulleyRatio[k], kNone);
            } else if (rule == ValueRule::Given) {
                e.what += " given";
            } else {
                e.formula = "n" + name + " = 60 v / (pi d" + name + ")   (n" + name + " in rpm)";
                e.in("v", p.beltSpeed, kVelocity).in("d" + name, p.pulleyDiameter[k], kLength);
            }
            return e.is("n" + name, p.pulleySpeed[k], kRpm).stores("pulleySpeed", k);
        });
        if (k > 1)
            Record(d, step, [&] {
                DetailEntry e;
                e.what = "Speed ratio of the " + GetPulleyLabel(p, k);
                e.formula = "i" + name + " = d" + name + " / d1";
                return e.in("d1", p.pulleyDiameter[1], kLength)
                    .in("d" + name, p.pulleyDiameter[k], kLength)
                    .is("i" + name, p.pulleyRatio[k], kNone)
                    .stores("pulleyRatio", k);
            });
    }
}

// The stroke an open-end drive's carriage travels, as the results show it.
void RecordStroke(const DriveProject& p, Dialogs& d, DetailStep step) {
    using namespace detail_units;
    if (!IsLinearDriveBelt(p) || p.pulleyCount != 2 || p.linearDriveType != 0) return;
    Record(d, step, [&] {
        DetailEntry e;
        e.what = "Stroke of the carriage";
        e.formula = "stroke = C - lc - (d1 + d2) / 2";
        return e.in("C", p.centreDistance, kLength)
            .in("lc", p.carriageLength, kLength)
            .in("d1", p.pulleyDiameter[1], kLength)
            .in("d2", p.pulleyDiameter[2], kLength)
            .is("stroke", StrokeOfOpenEndDrive(p), kLength);
    });
}

// Width and code of a layout whose length is standard: STEP5 follows unless
// the width was not accepted.
NextStep SizeAndName(DriveProject& p, Dialogs& d) {
    ComputeBeltWidth(p, d);
    if (p.calcState == 1) return NextStep::Stay;
    BuildBeltCode(p);
    BeginDetails(d, DetailStep::BeltCode);
    RecordBeltCode(p, d);
    return NextStep::ShowStep5;
}

NextStep TwoPulleysFromStep3(DriveProject& p, Dialogs& d) {
    using namespace detail_units;
    BeginDetails(d, DetailStep::Geometry);
    ComputeCentreDistance(p, d, 0);
    // The position has not been found (message shown): the paths still
    // belong to the previous placement and must not be sized.
    if (p.calcState == 1) return NextStep::Stay;
    Record(d, DetailStep::Geometry, [&] {
        DetailEntry e;
        if (p.twoPulleyMode == 2) {
            e.what = "Centre distance for the belt length given";
            e.formula = "Lopen(C) = (pi - 2 phi) r + (pi + 2 phi) R + 2 sqrt(C^2 - q^2) = L, phi = asin(q / C), "
                        "q = R - r, solved for C";
            e.in("L", p.beltLength, kLength)
                .in("d1", p.pulleyDiameter[1], kLength)
                .in("d2", p.pulleyDiameter[2], kLength);
        } else {
            e.what = "Centre distance given";
        }
        return e.is("C", p.centreDistance, kLength).stores("centreDistance");
    });
    RecordPulleyPositions(p, d, DetailStep::Geometry);
    if (p.beltPathTable[0][0] == 0) {
        Refuse(d, "Pulley interference. Check the data  !!!");
        return NextStep::Stay;
    }
    CheckPulleyInterference(p, d);
    if (p.calcState == 1) return NextStep::Stay;

    p.lastStandardLength = p.beltLength;
    p.beltLength = ComputeBeltLength(p);
    RecordBeltPathDetails(p, d, DetailStep::Geometry, "Belt length calculated", p.beltLength, true);
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
            RecordStroke(p, d, DetailStep::StandardLength);
            return SizeAndName(p, d);
    }
}

}  // namespace

NextStep GoOnFromStep3(DriveProject& p, Dialogs& d) {
    // Everything the design asks of the belt is its family's: a project file
    // that names no family of the catalogue (or none at all) is refused here.
    if (!FindBeltFamily(p.beltFamily)) {
        p.calcState = 1;
        Refuse(d, UnknownBeltFamilyText(p.beltFamily).c_str());
        return NextStep::Stay;
    }
    BeginDetails(d, DetailStep::ApplicationData);
    RecordApplicationData(p, d);
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
    BeginDetails(d, DetailStep::Geometry);
    RecordPulleyPositions(p, d, DetailStep::Geometry);
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

    if (std::abs(p.beltLength - p.lastStandardLength) <= kSameLength) {
        RecordBeltPathDetails(p, d, DetailStep::Geometry, "Belt length of the layout fitted to the standard length",
                              length, true);
        Record(d, DetailStep::StandardLength, [&] {
            DetailEntry e;
            e.what = "Standard length the layout was fitted to";
            e.formula = "a pulley moved until the layout's length is the standard length";
            return e.is("L", p.lastStandardLength, kLength);
        });
        return SizeAndName(p, d);
    }
    RecordBeltPathDetails(p, d, DetailStep::Geometry, "Belt length calculated", length, true);

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
