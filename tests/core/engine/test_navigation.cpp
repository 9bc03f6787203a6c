#include <gtest/gtest.h>

#include <cmath>

#include "engine/navigation.h"
#include "platform/scripteddialogs.h"

namespace belt {
namespace {

constexpr const char* kRefusal = "I can't proceed";

void ExpectOneRefusal(const ScriptedDialogs& d, const std::string& text) {
    ASSERT_EQ(d.seen.size(), 1u);
    EXPECT_EQ(d.seen[0].text, text);
    EXPECT_EQ(d.seen[0].title, kRefusal);
    EXPECT_EQ(d.seen[0].icon, MsgIcon::Warning);
    EXPECT_EQ(d.seen[0].buttons, MsgButtons::Ok);
}

// A SELKIRA open-end belt on its tab with the carriage data given by mass.
DriveProject LinearDrive(double slope) {
    DriveProject p;
    p.beltType = "SELKIRA T";
    p.screen.beltTypeTab = 1;
    p.screen.optionInput[0] = true;
    p.slopeAngle = slope;
    p.carriageMass = 10;
    p.acceleration = 2;
    p.frictionForce = 5;
    p.power = 100;
    return p;
}

TEST(GoOnFromStep1, RefusesWithoutABelt) {
    DriveProject p;
    ScriptedDialogs d;
    EXPECT_FALSE(GoOnFromStep1(p, d));
    ExpectOneRefusal(d, "Choose the belt !!!");
    EXPECT_EQ(p.beltFamily, "");
}

// A belt type from a project file whose first word no family has: refused
// with that word, and the family chosen before stays.
TEST(GoOnFromStep1, RefusesAnUnknownFamilyWithItsName) {
    DriveProject p = LinearDrive(0);
    p.beltType = "ACME T";
    p.beltFamily = "SELKIRA";
    ScriptedDialogs d;
    EXPECT_FALSE(GoOnFromStep1(p, d));
    ExpectOneRefusal(d, "Unknown belt family \"ACME\"");
    EXPECT_EQ(p.beltFamily, "SELKIRA");
    EXPECT_EQ(p.peripheralForce, 0);
}

TEST(GoOnFromStep1, EndlessBeltSetsTheFamilyAndDerivesNothing) {
    DriveProject p;
    p.beltType = "ORVANTO T";
    p.screen.beltTypeTab = 0;
    p.screen.optionInput[3] = true;
    p.torque = 10;
    p.pulleyDiameter[1] = 0.1;
    p.power = 500;
    ScriptedDialogs d;
    EXPECT_TRUE(GoOnFromStep1(p, d));
    EXPECT_TRUE(d.seen.empty());
    EXPECT_EQ(p.beltFamily, "ORVANTO");
    EXPECT_EQ(p.peripheralForce, 0);
    EXPECT_EQ(p.power, 500);
}

// The force along the belt that moves the carriage up its slope (measured
// from the horizontal): m (g sin(slope) + a) + friction, with g = 9.806, at
// every slope the box takes and with no jump anywhere.
TEST(GoOnFromStep1, CarriageForceAlongTheSlope) {
    struct Case {
        double slope;  // degrees
        double force;  // N, worked out by hand: 10 kg, 2 m/s^2, 5 N friction
    };
    const Case cases[] = {
        {0, 10 * 2 + 5.0},                             // level: acceleration and friction only
        {0.001, 10 * (9.806 * 1.74533e-5 + 2) + 5},    // 25.0017 N
        {15, 10 * (9.806 * 0.2588190 + 2) + 5},        // 50.3798 N
        {16, 10 * (9.806 * 0.2756374 + 2) + 5},        // 52.0290 N, no jump from 15
        {30, 10 * (9.806 * 0.5 + 2) + 5},              // 74.03 N
        {90, 10 * (9.806 + 2) + 5},                    // vertical lift: 123.06 N
        {150, 10 * (9.806 * 0.5 + 2) + 5},             // 74.03 N
        {180, 10 * 2 + 5.0},                           // level again
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slope);
        DriveProject p = LinearDrive(c.slope);
        ScriptedDialogs d;
        ASSERT_TRUE(GoOnFromStep1(p, d));
        EXPECT_NEAR(p.peripheralForce, c.force, 1e-4);
        EXPECT_NEAR(p.beltSpeed, 100 / c.force, 1e-6);
        EXPECT_EQ(p.beltFamily, "SELKIRA");
    }
    // The two drives the old division by the sine got wrong: 10 kg at 20
    // degrees and nothing else is 33.5 N, not 286.71 N (three times the
    // carriage's weight); 30 degrees, 5 m/s^2 and 20 N friction need 119.03 N.
    DriveProject still = LinearDrive(20);
    still.acceleration = 0;
    still.frictionForce = 0;
    ScriptedDialogs d;
    GoOnFromStep1(still, d);
    EXPECT_NEAR(still.peripheralForce, 10 * 9.806 * 0.3420201, 1e-4);
    DriveProject moving = LinearDrive(30);
    moving.acceleration = 5;
    moving.frictionForce = 20;
    GoOnFromStep1(moving, d);
    EXPECT_NEAR(moving.peripheralForce, 119.03, 1e-6);
}

TEST(GoOnFromStep1, CarriageMassWithStrokeSetsTheCentreDistance) {
    DriveProject p = LinearDrive(0);
    p.carriageLength = 0.3;
    p.stroke = 0.5;
    p.pulleyDiameter[1] = 0.05;
    ScriptedDialogs d;
    ASSERT_TRUE(GoOnFromStep1(p, d));
    EXPECT_DOUBLE_EQ(p.centreDistance, 0.85);

    DriveProject noStroke = LinearDrive(0);
    noStroke.carriageLength = 0.3;
    noStroke.centreDistance = 1.25;
    ASSERT_TRUE(GoOnFromStep1(noStroke, d));
    EXPECT_EQ(noStroke.centreDistance, 1.25);
}

// The omega drive needs the stroke; given it, the carriage data set the
// centre distance as for an open-end belt.
TEST(GoOnFromStep1, OmegaDriveWithStrokeSetsTheCentreDistance) {
    DriveProject p = LinearDrive(0);
    p.linearDriveType = 1;
    p.carriageLength = 0.3;
    p.stroke = 0.5;
    p.pulleyDiameter[1] = 0.05;
    ScriptedDialogs d;
    ASSERT_TRUE(GoOnFromStep1(p, d));
    EXPECT_TRUE(d.seen.empty());
    EXPECT_DOUBLE_EQ(p.centreDistance, 0.85);
    EXPECT_DOUBLE_EQ(p.peripheralForce, 2 * 10 + 5);
}

TEST(GoOnFromStep1, NoLoadGivesZeroBeltSpeed) {
    DriveProject p = LinearDrive(0);
    p.carriageMass = 0;
    p.frictionForce = 0;
    ScriptedDialogs d;
    ASSERT_TRUE(GoOnFromStep1(p, d));
    EXPECT_EQ(p.peripheralForce, 0);
    EXPECT_EQ(p.beltSpeed, 0);
}

TEST(GoOnFromStep1, OtherInputModes) {
    struct Case {
        const char* name;
        int mode;
        double pulleySpeed, diameter, beltSpeed, power, torque;
        double wantForce, wantSpeed, wantPower;
    };
    const Case cases[] = {
        {"power and rpm", 1, 100, 0.1, 0, 1000, 0, 200, 5, 1000},
        {"power and rpm, standing pulley", 1, 0, 0.1, 3, 1000, 0, 0, 0, 1000},
        {"power and belt speed", 2, 0, 0, 2, 500, 0, 250, 2, 500},
        {"power and no belt speed", 2, 0, 0, 0, 500, 0, 0, 0, 500},
        {"torque zeroes power and belt speed", 3, 0, 0.1, 2, 500, 10, 200, 0, 0},
        {"torque without diameter", 3, 0, 0, 2, 500, 10, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DriveProject p;
        p.beltType = "TAVOREN T";
        p.screen.beltTypeTab = 2;
        p.screen.optionInput[static_cast<std::size_t>(c.mode)] = true;
        p.pulleySpeed[1] = c.pulleySpeed;
        p.pulleyDiameter[1] = c.diameter;
        p.beltSpeed = c.beltSpeed;
        p.power = c.power;
        p.torque = c.torque;
        ScriptedDialogs d;
        ASSERT_TRUE(GoOnFromStep1(p, d));
        EXPECT_DOUBLE_EQ(p.peripheralForce, c.wantForce);
        EXPECT_DOUBLE_EQ(p.beltSpeed, c.wantSpeed);
        EXPECT_DOUBLE_EQ(p.power, c.wantPower);
    }
}

TEST(GoOnFromStep1, AGivenPeripheralForceIsKept) {
    DriveProject p = LinearDrive(90);
    p.peripheralForce = 42;
    p.beltSpeed = 1.5;
    ScriptedDialogs d;
    ASSERT_TRUE(GoOnFromStep1(p, d));
    EXPECT_EQ(p.peripheralForce, 42);
    EXPECT_EQ(p.beltSpeed, 1.5);
}

TEST(GoOnFromStep1, LinearDriveRefusals) {
    struct Case {
        const char* beltType;
        int tab, linearDriveType;
        double stroke;
        const char* message;
    };
    const Case cases[] = {
        {"SELKIRA QVP", 1, 2, 0.5, "Joined QVP are not available!!!"},
        {"TAVOREN QVP", 2, 2, 0.5, "Joined QVP are not available!!!"},
        {"SELKIRA T", 1, 1, 0, "Stroke is necessary for omega drive !!!"},
        // An omega drive of the QVP group is no joined belt: the stroke rule refuses it.
        {"SELKIRA QVP", 1, 1, 0, "Stroke is necessary for omega drive !!!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.beltType);
        DriveProject p = LinearDrive(90);
        p.beltType = c.beltType;
        p.screen.beltTypeTab = c.tab;
        p.linearDriveType = c.linearDriveType;
        p.stroke = c.stroke;
        ScriptedDialogs d;
        EXPECT_FALSE(GoOnFromStep1(p, d));
        ExpectOneRefusal(d, c.message);
        EXPECT_EQ(p.peripheralForce, 0) << "no load is derived before the refusal";
    }
    // The same checks do not apply on the other tabs.
    DriveProject p = LinearDrive(90);
    p.beltType = "SELKIRA QVP";
    p.screen.beltTypeTab = 0;
    p.linearDriveType = 2;
    ScriptedDialogs d;
    EXPECT_TRUE(GoOnFromStep1(p, d));
    EXPECT_TRUE(d.seen.empty());
}

TEST(GoOnFromStep2, NeedsAPitchThenFixesThreePulleys) {
    DriveProject p;
    p.pulleyCount = 2;
    p.twoPulleyMode = 1;
    ScriptedDialogs d;
    EXPECT_FALSE(GoOnFromStep2(p, d));
    ExpectOneRefusal(d, "Choose the belt pitch!!!");
    EXPECT_EQ(p.pulleyCount, 2);

    p.beltName = "SELKIRA T10";
    EXPECT_TRUE(GoOnFromStep2(p, d));
    EXPECT_EQ(p.pulleyCount, 3);
    EXPECT_EQ(p.twoPulleyMode, 0);
}

TEST(ChooseDriveConfiguration, SetsTheConfigurationEvenWhenRefused) {
    struct Case {
        int pulleys, mode;
        bool fromStep1;
        const char* beltType;
        const char* beltName;
        bool goes;
        const char* message;
    };
    const Case cases[] = {
        {2, 1, true, "QUINDEL ZB2", "", true, ""},
        {2, 2, true, "", "", false, "Choose the belt !!!"},
        {3, 0, false, "ORVANTO T", "ORVANTO T10", true, ""},
        {4, 0, false, "ORVANTO T", "", false, "Choose the belt pitch!!!"},
        {3, 0, true, "ACME T", "", false, "Unknown belt family \"ACME\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pulleys << "/" << c.mode);
        DriveProject p;
        p.beltType = c.beltType;
        p.beltName = c.beltName;
        ScriptedDialogs d;
        EXPECT_EQ(ChooseDriveConfiguration(p, d, c.pulleys, c.mode, c.fromStep1), c.goes);
        EXPECT_EQ(p.pulleyCount, c.pulleys);
        EXPECT_EQ(p.twoPulleyMode, c.mode);
        if (c.goes)
            EXPECT_TRUE(d.seen.empty());
        else
            ExpectOneRefusal(d, c.message);
    }
    DriveProject p;
    p.beltType = "QUINDEL ZB2";
    ScriptedDialogs d;
    ChooseDriveConfiguration(p, d, 2, 1, true);
    EXPECT_EQ(p.beltFamily, "QUINDEL");
}

TEST(GoBackTarget, FollowsTheScreenOrder) {
    struct Case {
        const char* form;
        int tab, pulleyCount;
        const char* target;
    };
    const Case cases[] = {
        {"STEP1", 0, 0, "MAIN"},  {"STEP2", 0, 0, "STEP1"}, {"STEP3", 0, 2, "STEP2"},
        {"STEP3", 3, 2, "STEP1"}, {"STEP3", 4, 2, "STEP1"}, {"STEP3", 5, 2, "STEP2"},
        {"STEP4", 0, 3, "STEP3"}, {"STEP5", 0, 2, "STEP3"}, {"STEP5", 0, 3, "STEP4"},
        {"STEP5", 0, 4, "STEP4"}, {"STEP6", 0, 2, "STEP5"}, {"MAIN", 0, 0, ""},
        {"STEP0", 0, 0, ""},
    };
    for (const Case& c : cases) {
        DriveProject p;
        p.screen.beltTypeTab = c.tab;
        p.pulleyCount = c.pulleyCount;
        EXPECT_EQ(GoBackTarget(p, c.form), c.target) << c.form << " tab " << c.tab;
    }
}

}  // namespace
}  // namespace belt
