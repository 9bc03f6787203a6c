#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "engine/geometry.h"
#include "engine/layout.h"
#include "platform/scripteddialogs.h"

using namespace belt;

namespace {

constexpr double kDeg = 180 / kPi;

DriveProject TwoPulleys(double d1Mm, double d2Mm, int mode) {
    DriveProject p;
    p.beltFamily = "ORVANTO";
    p.pulleyCount = 2;
    p.twoPulleyMode = mode;
    p.pulleyDiameter[1] = d1Mm / 1000;
    p.pulleyDiameter[2] = d2Mm / 1000;
    p.pulleyTeeth[1] = 31;
    p.pulleyTeeth[2] = 62;
    return p;
}

}  // namespace

TEST(SolveAitken, FindsTheLengthOfALinearAndACurvedMap) {
    // A plain fixed-point iteration of these maps diverges (slope 3).
    const AitkenResult linear = SolveAitken(
        1.0, [](double x) -> std::optional<double> { return 2 * x + 0.5; }, 4.5);
    EXPECT_TRUE(linear.converged);
    EXPECT_NEAR(linear.x, 2.0, 1e-9);

    const AitkenResult curved = SolveAitken(
        3.0, [](double x) -> std::optional<double> { return x * x; }, 2.0);
    EXPECT_TRUE(curved.converged);
    EXPECT_NEAR(curved.x, std::sqrt(2.0), 1e-5);
}

TEST(SolveAitken, RefusedValueAndNoSolutionAreReported) {
    const AitkenResult refused = SolveAitken(
        1.0, [](double) -> std::optional<double> { return std::nullopt; }, 1.0);
    EXPECT_TRUE(refused.failed);
    EXPECT_EQ(refused.x, 1.0);

    // x^2 + 1 never reaches 0: all 100 passes run and the result says so.
    const AitkenResult none = SolveAitken(
        1.0, [](double x) -> std::optional<double> { return x * x + 1; }, 0.0);
    EXPECT_FALSE(none.converged);
    EXPECT_FALSE(none.failed);
    EXPECT_EQ(none.iterations, 100);
    EXPECT_TRUE(std::isfinite(none.x));
}

TEST(CentreDistanceStep, ShortGuessRestartsAndZeroFails) {
    DriveProject p = TwoPulleys(50, 100, 2);
    p.beltLength = 0.837704;
    double c = 0.01;  // shorter than q = 25 mm
    const double next = CentreDistanceStep(p, c, 0.025, 0.025, 0.05);
    EXPECT_EQ(p.calcState, 0);
    EXPECT_DOUBLE_EQ(c, 2 * 0.837704);
    EXPECT_TRUE(std::isfinite(next));

    p.beltLength = 0;
    c = 0;
    CentreDistanceStep(p, c, 0, 0.025, 0.025);
    EXPECT_EQ(p.calcState, 1);
}

TEST(ComputeCentreDistance, ReferenceDrives) {
    struct Case {
        const char* name;
        double d1, d2;  // mm
        int mode;
        double centre;      // mm, given in mode 1
        double beltLength;  // mm, given in mode 2
        const char* family;
        double slope;                                         // degree
        double expectCentre, expectX, expectY, expectLength;  // mm
        int maxIterations;
    };
    const std::vector<Case> cases = {
        {"centre distance given", 50, 100, 1, 300, 0, "ORVANTO", 0, 300, 300, 0, 837.704, 0},
        {"belt length given", 50, 100, 2, 0, 837.704, "ORVANTO", 0, 300.000, 300.000, 0, 837.704, 3},
        {"equal pulleys", 50, 50, 2, 0, 1000, "ORVANTO", 0, 421.460, 421.460, 0, 1000, 3},
        {"larger driver", 100, 50, 2, 0, 837.704, "ORVANTO", 0, 300.000, 300.000, 0, 837.704, 3},
        {"sloped linear drive", 50, 50, 1, 500, 0, "SELKIRA", 30, 500, 433.013, 250.000, 1157.080, 0},
        {"slope ignored for endless belts", 50, 50, 1, 500, 0, "ORVANTO", 30, 500, 500, 0, 1157.080, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DriveProject p = TwoPulleys(c.d1, c.d2, c.mode);
        p.beltFamily = c.family;
        p.slopeAngle = c.slope;
        p.centreDistance = c.centre / 1000;
        p.beltLength = c.beltLength / 1000;
        ScriptedDialogs d;
        ComputeCentreDistance(p, d, 0);
        EXPECT_EQ(p.calcState, 0);
        EXPECT_TRUE(d.seen.empty());
        EXPECT_NEAR(p.centreDistance * 1000, c.expectCentre, 0.0005);
        EXPECT_NEAR(p.pulleyPosition[0][2] * 1000, c.expectX, 0.0005);
        EXPECT_NEAR(p.pulleyPosition[1][2] * 1000, c.expectY, 0.0005);
        EXPECT_EQ(p.beltPathTable[0][0], 2);
        EXPECT_EQ(p.beltPathTable[0][1], 1);
        EXPECT_NEAR(ComputeBeltLength(p) * 1000, c.expectLength, 0.0005);
    }
}

TEST(ComputeCentreDistance, ArcsOfTheReferenceDrive) {
    DriveProject p = TwoPulleys(50, 100, 1);
    p.centreDistance = 0.3;
    ScriptedDialogs d;
    ComputeCentreDistance(p, d, 0);
    ComputeBeltLength(p);
    EXPECT_NEAR(p.pulleyArcOfContact[1] * kDeg, 170.44, 0.005);
    EXPECT_NEAR(p.pulleyArcOfContact[2] * kDeg, 189.56, 0.005);
}

TEST(ComputeCentreDistance, ReachesTheLengthInThreeIterations) {
    DriveProject p = TwoPulleys(50, 100, 2);
    p.beltLength = 0.837704;
    const double r = 0.025, R = 0.05, q = R - r;
    int steps = 0;
    const AitkenResult res = SolveFixedPointAitken(p.beltLength, [&](double& c) -> std::optional<double> {
        ++steps;
        return CentreDistanceStep(p, c, q, r, R);
    });
    EXPECT_TRUE(res.converged);
    EXPECT_EQ(res.iterations, 3);
    EXPECT_EQ(steps, 6);
    EXPECT_NEAR(res.x * 1000, 300.000, 0.0005);
}

TEST(ComputeCentreDistance, ForcedSolveUsesTheBeltLengthInModeOne) {
    DriveProject p = TwoPulleys(50, 100, 1);
    p.centreDistance = 0.25;
    p.beltLength = 0.837704;
    ScriptedDialogs d;
    ComputeCentreDistance(p, d, 1);
    EXPECT_EQ(p.calcState, 0);
    EXPECT_NEAR(p.centreDistance * 1000, 300.000, 0.0005);
}

TEST(ComputeCentreDistance, NoPositionLeavesTheDriveAsItWas) {
    struct Case {
        const char* name;
        int mode;
        int force;
        double beltLength;  // mm
        const char* hint;
    };
    const std::vector<Case> cases = {
        {"no belt length", 2, 0, 0, "Change the belt length."},
        // Shorter than the half-wraps alone (pi * 75 mm): no centre distance exists.
        {"belt shorter than the pulleys", 2, 0, 200, "Change the belt length."},
        {"forced with no belt length", 1, 1, 0, "Change the centre distance."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DriveProject p = TwoPulleys(50, 100, c.mode);
        p.centreDistance = 0.123;
        p.pulleyPosition[0][2] = 0.123;
        p.beltPathTable[0][0] = 2;
        p.beltPathTable[0][1] = 2;
        p.beltLength = c.beltLength / 1000;
        ScriptedDialogs d;
        ComputeCentreDistance(p, d, c.force);
        EXPECT_EQ(p.calcState, 1);
        ASSERT_EQ(d.seen.size(), 1U);
        EXPECT_EQ(d.seen[0].text, std::string("I can't find the pulley position !!!\r") + c.hint);
        EXPECT_EQ(d.seen[0].title, "Warning");
        EXPECT_EQ(d.seen[0].icon, MsgIcon::Exclamation);
        EXPECT_EQ(p.centreDistance, 0.123);
        EXPECT_EQ(p.pulleyPosition[0][2], 0.123);
        EXPECT_EQ(p.beltPathTable[0][1], 2);
    }
}
