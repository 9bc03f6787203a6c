// Shaft loads: the force the belt puts on every pulley's shaft, at rest with
// the installation tension and, for a two-pulley rotary drive, under the
// full peripheral force, with the direction of the static load in the
// layout's axes. Computed from the state like the installation data, never
// stored; the report, the details, the JSON and the drawings show it.
//
// Forces in N, angles in rad (from +X, counter-clockwise), layout axes as
// the layout keeps them (pulley 1 at the origin, Y up).
#pragma once

#include <optional>
#include <vector>

#include "engine/details.h"
#include "project/driveproject.h"

namespace belt {

struct StaticShaftLoad {
    int pulley = 0;
    // 2 T sin(b / 2), the rule the catalogue states for timing belts: the
    // length of the vector below whenever the spans meet the pulley where
    // the arc of contact says.
    double magnitude = 0;
    // The sum of the two span tensions at the pulley, each along its span
    // away from the pulley. Only with a belt path to take the spans from.
    bool hasDirection = false;
    double x = 0;
    double y = 0;
    double angle = 0;  // [0, 2 pi)
    // The directions of the two spans away from the pulley (rad), the
    // inputs of the components.
    double arrivingSpan = 0;
    double leavingSpan = 0;
};

// Under the full peripheral force F the tension sum of the spans stays that
// of the installation (2 T): the slack span keeps T2 = max(T - F / 2, 0),
// the tight span carries T1 = T2 + F.
struct RunningShaftLoads {
    double spanTension = 0;  // T, the installation tension of a span
    double peripheralForce = 0;
    double slackTension = 0;  // T2
    double tightTension = 0;  // T1
    // Where T < F / 2: the slack span carries no tension at full load.
    bool slackSpanGoesSlack = false;
    // |T1 u1 + T2 u2| on each pulley (the same on both shafts of a
    // two-pulley drive), pulleys 1 and 2.
    double load[3] = {0, 0, 0};
    // Flat belts: e^(mu b) / (T1 / T2) on the smallest pulley, with the
    // inside friction coefficient mu of the data sheet; below 1 the belt
    // slips at full load. 0 when the slack span goes slack.
    std::optional<double> slipMargin;
    int slipPulley = 0;
    double frictionCoefficient = 0;
};

struct ShaftLoads {
    // The installation tension of one span (T0 of a timing belt, the
    // recommended tension of a multi-rib or flat belt); nothing when the
    // data sheet gives a word instead of a tension.
    std::optional<double> spanTension;
    std::vector<StaticShaftLoad> statics;  // one per pulley, driver first
    // Two-pulley rotary drives only: how a three- or four-pulley drive or a
    // linear drive divides its power among the pulleys is not known.
    std::optional<RunningShaftLoads> running;
};

// The installation tension of one span, as the installation data give it.
std::optional<double> InstallationSpanTension(const DriveProject& p);

ShaftLoads ComputeShaftLoads(const DriveProject& p);

// The shaft load values into the details at the installation step: the
// static load of every pulley (unless the installation lines recorded it
// already: withMagnitudes false), its X and Y components and angle, and
// the running loads with the tensions and the slip margin they follow from.
void RecordShaftLoadDetails(const DriveProject& p, const ShaftLoads& loads, bool withMagnitudes,
                            DetailSink* sink);

}  // namespace belt
