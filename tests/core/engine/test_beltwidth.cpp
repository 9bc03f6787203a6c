#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "catalogue/beltids.h"
#include "catalogue/standardwidths.h"
#include "engine/beltcode.h"
#include "engine/beltwidth.h"
#include "platform/scripteddialogs.h"
#include "testsupport.h"
#include "units/units.h"

using belt::test::ChooseBelt;
using belt::test::StartedProject;
using belt::test::kRpm;

namespace belt {
namespace {

// A two-pulley timing belt drive: pulley 1 (the smaller) with z1 teeth at
// rpm1 and the given wrap, pulley 2 a fifth larger (a speed ratio that adds
// nothing to the service factor); peripheral force F.
DriveProject TimingDrive(const std::string& type, const std::string& code, double pitch, int z1, double rpm1,
                         double arcDegrees, double force) {
    DriveProject p = StartedProject();
    ChooseBelt(p, type, code, pitch);
    p.pulleyCount = 2;
    p.pulleyTeeth[1] = z1;
    p.pulleyTeeth[2] = z1 + z1 / 5;
    p.pulleyRatio[1] = 1;
    p.pulleyRatio[2] = static_cast<double>(p.pulleyTeeth[2]) / z1;
    p.pulleyDiameter[1] = z1 * pitch / kPi;
    p.pulleyDiameter[2] = p.pulleyTeeth[2] * pitch / kPi;
    p.pulleySpeed[1] = rpm1 * kRpm;
    p.pulleySpeed[2] = p.pulleySpeed[1] / p.pulleyRatio[2];
    p.pulleyArcOfContact[1] = arcDegrees * kPi / 180;
    p.pulleyArcOfContact[2] = (360 - arcDegrees) * kPi / 180;
    p.beltSpeed = p.pulleyDiameter[1] * p.pulleySpeed[1] / 2;
    p.peripheralForce = force;
    p.power = force * p.beltSpeed;
    p.loadFactor = 1.0F;
    p.loadFactorSecond = p.beltFamily == "ORVANTO" || p.beltFamily == "RUBBER" ? 0.2F : 1.0F;
    p.beltLength = 1.0;
    LoadProfileRatingData(p);
    LoadStandardWidths(p);
    return p;
}

// The specific load the sizing used, recovered from the required width.
double UsedSpecificLoad(const DriveProject& p) {
    return p.serviceFactor * p.peripheralForce / (p.teethInMesh * p.beltWidthCalculated);
}

DriveProject RibOrFlatDrive(const std::string& family, const std::string& code, double speed, double diameter,
                            double arcDegrees, double power) {
    DriveProject p = StartedProject();
    ChooseBelt(p, family + " " + code, code, 0.001);
    p.pulleyCount = 2;
    p.pulleyDiameter[1] = diameter;
    p.pulleyDiameter[2] = 2 * diameter;
    p.pulleyArcOfContact[1] = arcDegrees * kPi / 180;
    p.pulleyArcOfContact[2] = (360 - arcDegrees) * kPi / 180;
    p.beltSpeed = speed;
    p.power = power;
    p.peripheralForce = power / speed;
    p.loadFactorSecond = 1.0F;
    LoadProfileRatingData(p);
    return p;
}

TEST(SpecificToothLoad, OrvantoT10OnBothSidesOfTheLinearRange) {
    DriveProject p = TimingDrive("ORVANTO T", "T10", 0.01, 20, 1000, 180, 100);
    EXPECT_NEAR(SpecificToothLoad(p, 1000), 3041.75, 1e-9);
    EXPECT_NEAR(SpecificToothLoad(p, 50), 4750, 1e-9);
}

TEST(ComputeBeltWidth, ProfileReductionAndTeethInMeshCap) {
    struct Case {
        const char* type;
        const char* code;
        double rpm;
        int z1;
        double arc;
        int linearDriveType;
        int teethInMesh;
        double reduction;  // of the AT profiles, 1 = none
    };
    const Case cases[] = {
        {"ORVANTO AT", "AT10", 400, 20, 180, 0, 10, 0.85},  // 41.9 rad/s
        {"ORVANTO AT", "AT10", 600, 20, 180, 0, 10, 0.9},
        {"SELKIRA AT", "AT10", 400, 20, 180, 0, 10, 1.0},
        {"ORVANTO T", "T10", 400, 80, 180, 0, 15, 1.0},  // 40 teeth in mesh count as 15
        {"SELKIRA T", "T10", 400, 80, 180, 2, 6, 1.0},   // joined belt: 6
        {"SELKIRA T", "T10", 400, 80, 180, 0, 12, 1.0},  // open end: 12
        {"TAVOREN T", "T10", 400, 80, 180, 0, 12, 1.0},
        {"ORVANTO T", "T10", 400, 21, 170, 0, 9, 1.0},  // 21 x 170 / 360 = 9.9, rounded down
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + std::to_string(c.rpm));
        DriveProject p = TimingDrive(c.type, c.code, 0.01, c.z1, c.rpm, c.arc, 200);
        p.linearDriveType = c.linearDriveType;
        ScriptedDialogs d;
        d.acceptInputDefaults = true;
        ComputeBeltWidth(p, d);
        ASSERT_EQ(p.calcState, 0);
        EXPECT_EQ(p.teethInMesh, c.teethInMesh);
        EXPECT_NEAR(UsedSpecificLoad(p), SpecificToothLoad(p, c.rpm) * c.reduction, 1e-6);
        EXPECT_EQ(d.busyDepth, 0);
    }
}

TEST(ComputeBeltWidth, ServiceFactorAddsTheSpeedRatio) {
    struct Case {
        double ratio;
        float expected;
    };
    const Case cases[] = {{1.24, 1.2F}, {1.25, 1.3F}, {1.75, 1.4F}, {2.5, 1.5F}, {3.5, 1.5F}, {3.51, 1.6F}};
    for (const Case& c : cases) {
        DriveProject p = TimingDrive("ORVANTO T", "T10", 0.01, 20, 1000, 180, 200);
        p.pulleyRatio[2] = c.ratio;
        ScriptedDialogs d;
        d.acceptInputDefaults = true;
        ComputeBeltWidth(p, d);
        EXPECT_FLOAT_EQ(p.serviceFactor, c.expected) << c.ratio;
    }
}

// The drive of the demonstration: four pulleys, pulley 2 an idler, T10 at 1200 rpm.
TEST(ComputeBeltWidth, DemonstrationDriveGetsARecommendedWidth) {
    DriveProject p = StartedProject();
    ChooseBelt(p, "ORVANTO T", "T10", 0.01);
    p.beltName += "DL";  // double-sided
    p.pulleyCount = 4;
    p.power = 3400;
    p.pulleySpeed[1] = 125.66370616;
    p.pulleyTeeth = {0, 23, 0, 40, 61};
    p.pulleyDiameter = {0, 0.23 / 3.141592654, 0.06, 0.4 / 3.141592654, 0.61 / 3.141592654};
    p.pulleyIsIdler[2] = kTrue;
    p.pulleyRatio = {0, 1, 0, 40.0 / 23, 61.0 / 23};
    p.pulleyArcOfContact = {0, 1.55271742106815, 2.49439209484904, 0.20002763464256, 2.43610342590495};
    p.beltSpeed = p.pulleyDiameter[1] * p.pulleySpeed[1] / 2;
    p.peripheralForce = p.power / p.beltSpeed;
    p.loadFactor = 1.1F;
    p.loadFactorSecond = 0.2F;
    p.beltLength = 2.18999999931236;
    LoadProfileRatingData(p);
    LoadStandardWidths(p);

    ScriptedDialogs d;
    d.acceptInputDefaults = true;
    ComputeBeltWidth(p, d);
    ASSERT_EQ(p.calcState, 0);
    ASSERT_EQ(d.seen.size(), 1u);
    EXPECT_EQ(
        d.seen[0].text,
        "Recommended belt width is 85.00 [mm]\r\rClick OK to keep this width or enter another width [mm]");
    EXPECT_EQ(d.seen[0].title, "ORVANTO T10DL: Enter the belt width");
    EXPECT_EQ(d.seen[0].defaultText, "85.00");
    EXPECT_EQ(p.teethInMesh, 5);
    EXPECT_FLOAT_EQ(p.serviceFactor, 1.6F);
    EXPECT_NEAR(p.beltWidthCalculated, 0.08102, 5e-6);
    EXPECT_DOUBLE_EQ(p.beltWidth, 0.085);
    EXPECT_DOUBLE_EQ(p.pulleyFaceWidth, 0.095);
    EXPECT_NEAR(p.powerRatingWithWidth, 5707.48343363927, 1e-8);
}

// ORVANTO T10, 20 teeth at 1000 rpm wrapped 180 degrees: 10 teeth in mesh,
// P = 3041.75 N/m, service factor 1.2, so the required width is F / 253479 m.
TEST(ComputeBeltWidth, WidthBoxAnswers) {
    struct Case {
        const char* name;
        double force;
        std::vector<std::string> answers;
        std::vector<std::string> messages;
        int calcState;
        double width;      // chosen width (m), when accepted
        double faceWidth;  // m
    };
    const double kPerMetre = 10 * 3041.75 / 1.2;  // N of peripheral force per m of width
    const std::string rounded = "The belt code gives the width in whole millimetres:\rthe belt width is rounded up to ";
    const Case cases[] = {
        {"standard width kept", 0.023 * kPerMetre, {"25.00"}, {}, 0, 0.025, 0.030},
        // The code names whole mm: 25.5 mm would be ordered as 26 (or 25.5 as
        // 26 and 26.5 as 26): the belt is rated, faced and named at 26 mm.
        {"own width with a comma", 0.023 * kPerMetre, {"25,5"}, {rounded + "26 mm."}, 0, 0.026, 0.036},
        {"own width rounded up to a standard one", 0.023 * kPerMetre, {"31.2"}, {rounded + "32 mm."}, 0, 0.032,
         0.042},
        {"rounded up, and still too narrow",
         0.023 * kPerMetre,
         {"21.5"},
         {rounded + "22 mm.", "Requested belt is too small !\rPlease contact VESTRANO Technical Staff !!"},
         0,
         0.022,
         0.032},
        {"own standard width", 0.023 * kPerMetre, {"32"}, {}, 0, 0.032, 0.042},
        {"too narrow, still taken",
         0.023 * kPerMetre,
         {"20"},
         {"Requested belt is too small !\rPlease contact VESTRANO Technical Staff !!"},
         0,
         0.020,
         0.030},
        // No number, 0 or a negative width would make a belt of no width:
        // the box comes back until a width above 0 or Cancel.
        {"letters, then 0, then a width", 0.023 * kPerMetre, {"abc", "0", "32"}, {"Wrong data", "Wrong data"},
         0, 0.032, 0.042},
        {"negative width, then cancelled", 0.023 * kPerMetre, {"-5", ""}, {"Wrong data"}, 1, 0, 0},
        {"wider than made",
         0.023 * kPerMetre,
         {"301"},
         {"Requested belt is not available !\rPlease contact VESTRANO Technical Staff !!"},
         1,
         0,
         0},
        {"cancelled", 0.023 * kPerMetre, {""}, {}, 1, 0, 0},
        // Above the widest standard width (75 mm): the next 5 mm step.
        {"recommended width kept", 0.0812 * kPerMetre, {"85.00"}, {}, 0, 0.085, 0.095},
        {"required width on a 5 mm step", 0.080 * kPerMetre, {"85.00"}, {}, 0, 0.085, 0.095},
        {"wider than the widest belt",
         0.31 * kPerMetre,
         {},
         {"Available belts are too small !\rPlease check the data and contact VESTRANO Technical Staff !!"},
         1,
         0,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DriveProject p = TimingDrive("ORVANTO T", "T10", 0.01, 20, 1000, 180, c.force);
        ScriptedDialogs d;
        d.inputs = {c.answers.begin(), c.answers.end()};
        ComputeBeltWidth(p, d);
        EXPECT_EQ(p.calcState, c.calcState);
        EXPECT_EQ(d.messageTexts(), c.messages);
        for (const auto& r : d.seen)
            if (r.kind == RecordedDialog::Kind::Message)
                EXPECT_EQ(r.title, r.text.starts_with("The belt code") ? "VESTRANO BELT CALCULATION" : "Warning !!!");
        if (c.calcState == 0) {
            EXPECT_NEAR(p.beltWidth, c.width, 1e-12);
            EXPECT_NEAR(p.pulleyFaceWidth, c.faceWidth, 1e-12);
            EXPECT_NEAR(p.powerRatingWithWidth, p.beltSpeed * 3041.75 * 10 * c.width, 1e-6);
        }
        EXPECT_EQ(d.busyDepth, 0);
    }
}

TEST(ComputeBeltWidth, ProposalTextNamesAStandardWidth) {
    DriveProject p = TimingDrive("ORVANTO T", "T10", 0.01, 20, 1000, 180, 0.023 * 10 * 3041.75 / 1.2);
    ScriptedDialogs d;
    d.inputs = {"25.00"};
    ComputeBeltWidth(p, d);
    ASSERT_EQ(d.seen.size(), 1u);
    EXPECT_EQ(d.seen[0].text,
              "Standard belt width is 25.00 [mm]\r\rClick OK to keep this width or enter another width [mm]");
    EXPECT_EQ(d.seen[0].title, "ORVANTO T10: Enter the belt width");
    EXPECT_EQ(d.seen[0].defaultText, "25.00");
}

// OK on the proposal keeps the proposal, whatever the box rounded it to:
// the same width, face width and codes in every length unit.
TEST(ComputeBeltWidth, ProposalKeptInEveryUnit) {
    struct Case {
        const char* type;
        const char* code;
        double pitch;
        double force;
        double width;      // m
        double faceWidth;  // m
        const char* beltCode;
        const char* detail;
    };
    // T10 at 1000 rpm: 50 mm for 45 mm needed; XL: 7.874 mm (5/16 in) for 7 mm.
    const Case cases[] = {
        {"ORVANTO T", "T10", 0.01, 0.045 * 10 * 3041.75 / 1.2, 0.050, 0.056, "50 T10-1000", "56 T10 "},
        {"ORVANTO I", "XL", 0.00508, 0.007 * 13490 / 1.2, 0.007874, 0.0104, "394 XL 031", "041 XL "},
    };
    for (const Case& c : cases)
        for (int unit = 1; unit <= 5; ++unit) {
            SCOPED_TRACE(std::string(c.code) + " in length unit " + std::to_string(unit));
            DriveProject p = TimingDrive(c.type, c.code, c.pitch, 20, 1000, 180, c.force);
            ChooseUnit(p, kLength, unit);
            ScriptedDialogs d;
            d.acceptInputDefaults = true;
            ComputeBeltWidth(p, d);
            ASSERT_EQ(p.calcState, 0);
            EXPECT_EQ(d.messageTexts(), std::vector<std::string>{});
            EXPECT_DOUBLE_EQ(p.beltWidth, c.width);
            EXPECT_NEAR(p.pulleyFaceWidth, c.faceWidth, 1e-12);
            BuildBeltCode(p);
            EXPECT_EQ(p.beltCode, c.beltCode);
            EXPECT_EQ(p.beltCodeDetail, c.detail);
        }
    // The flat belt's proposal likewise.
    for (int unit = 1; unit <= 5; ++unit) {
        DriveProject f = RibOrFlatDrive("FENDARO", "FXA1", 5, 0.1, 180, 2000);
        ChooseUnit(f, kLength, unit);
        ScriptedDialogs d;
        d.acceptInputDefaults = true;
        ComputeBeltWidth(f, d);
        EXPECT_DOUBLE_EQ(f.beltWidth, 0.044) << unit;
    }
}

// A batch run or a test that keeps answering with the proposal must not be
// asked for ever when the proposal itself is refused.
TEST(ComputeBeltWidth, RefusedDefaultIsNotAskedForEver) {
    DriveProject p = RibOrFlatDrive("FENDARO", "FXA14", 5, 0.1, 180, 2000);  // no rating: 0.00 proposed
    ScriptedDialogs d;
    d.acceptInputDefaults = true;
    EXPECT_THROW(ComputeBeltWidth(p, d), UnexpectedDialog);
    EXPECT_EQ(d.messageTexts(), std::vector<std::string>{"Wrong data"});
    EXPECT_EQ(p.beltWidth, 0.0);
}

TEST(ComputeBeltWidth, LowSpeedRatingAndSpeedWarning) {
    DriveProject p = TimingDrive("ORVANTO T", "T10", 0.01, 20, 50, 180, 100);
    ScriptedDialogs d;
    d.acceptInputDefaults = true;
    ComputeBeltWidth(p, d);
    EXPECT_NEAR(UsedSpecificLoad(p), 4750, 1e-9);

    DriveProject fast = TimingDrive("ORVANTO T", "T10", 0.01, 20, 10001, 180, 100);
    ScriptedDialogs d2;
    d2.acceptInputDefaults = true;
    ComputeBeltWidth(fast, d2);
    ASSERT_FALSE(d2.seen.empty());
    EXPECT_EQ(d2.seen[0].text, "Pulley speed is too high! Reduction in belt life is expected");
    EXPECT_EQ(d2.seen[0].title, "Warning !!!");
    EXPECT_EQ(d2.seen[0].icon, MsgIcon::Question);
}

TEST(ComputeBeltWidth, SelkiraWidthMustCarryThePull) {
    struct Case {
        const char* name;
        int linearDriveType;
        double force;
        double width;  // proposal, m; 0 = refused
        double load1, load2, load3;
    };
    // T10, 24 teeth at 30 rpm: P = 4870 N/m; 12 teeth in mesh (open end and
    // omega drive) or 6 (joined belt). The pull to carry is
    // T = (next multiple of 10 N above F) + F.
    const Case cases[] = {
        // Needs 22.2 mm; T = 2610 N, more than 25 mm carry (2560 N).
        {"open end", 0, 1300, 0.032, 3370, 1685, 10600},
        // Needs 44.5 mm; 50 mm carry 2615 N as a joined belt.
        {"joined", 2, 1300, 0.050, 5230, 2615, 16450},
        // T = 2615 N exactly: the load must exceed it.
        {"joined, load equal to the pull", 2, 1305, 0.075, 8260, 4130, 25960},
        // Needs 120 mm; T = 14010 N, more than the widest (150 mm, 12000 N) carries.
        {"pull beyond the widest", 0, 7000, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DriveProject p = TimingDrive("SELKIRA T", "T10", 0.01, 24, 30, 180, c.force);
        p.linearDriveType = c.linearDriveType;
        ScriptedDialogs d;
        d.acceptInputDefaults = true;
        ComputeBeltWidth(p, d);
        EXPECT_DOUBLE_EQ(p.maxEffectivePull, c.force);
        EXPECT_FLOAT_EQ(p.serviceFactor, 1.0F);
        if (c.width == 0) {
            EXPECT_EQ(p.calcState, 1);
            EXPECT_EQ(d.messageTexts(),
                      std::vector<std::string>{"Available belts are too small !\rPlease check the "
                                               "data and contact VESTRANO Technical Staff !!"});
            continue;
        }
        ASSERT_EQ(p.calcState, 0);
        EXPECT_DOUBLE_EQ(p.beltWidth, c.width);
        EXPECT_EQ(d.seen[0].text.rfind("Standard belt width is ", 0), 0u);
        EXPECT_DOUBLE_EQ(p.maxTractionLoad1, c.load1);
        EXPECT_DOUBLE_EQ(p.maxTractionLoad2, c.load2);
        EXPECT_DOUBLE_EQ(p.maxTractionLoad3, c.load3);
    }
}

// Loads left from an earlier width must not be reported for a width typed by the user.
TEST(ComputeBeltWidth, SelkiraLoadsFollowTheTypedWidth) {
    struct Case {
        const char* answer;
        double load1;
    };
    const Case cases[] = {{"25", 2560}, {"50", 5230}, {"40", 0}};
    for (const Case& c : cases) {
        DriveProject p = TimingDrive("SELKIRA T", "T10", 0.01, 20, 1000, 180, 490);  // 25 mm proposed
        p.maxTractionLoad1 = 1;
        ScriptedDialogs d;
        d.inputs = {c.answer};
        ComputeBeltWidth(p, d);
        ASSERT_EQ(p.calcState, 0);
        EXPECT_DOUBLE_EQ(p.maxTractionLoad1, c.load1) << c.answer;
    }
}

TEST(ComputeBeltWidth, RubberInchWidthFromTheWidthFactor) {
    // RUBBER XL at 1000 rpm (linear range up to 1300 rpm): P = 177 N/m;
    // 20 teeth at 180 degrees are 10 in mesh, capped at 6; kz = 1.
    DriveProject p = TimingDrive("RUBBER I", "XL", 0.00508, 20, 1000, 180, 177);
    ScriptedDialogs d;
    d.acceptInputDefaults = true;
    ComputeBeltWidth(p, d);
    ASSERT_EQ(p.calcState, 0);
    const double x = static_cast<double>(1.2F);  // service factor x F / (kz x P)
    const double mm = 0.0806 * x * x * x - 0.0023 * x * x * x * x - 1.1321 * x * x + 24.526 * x + 1.9607;
    EXPECT_NEAR(p.beltWidthCalculated, mm / 1000, 1e-9);
    EXPECT_EQ(p.teethInMesh, 6);

    // Beyond the top of the fit the width would shrink as the load grows.
    DriveProject heavy = TimingDrive("RUBBER I", "XL", 0.00508, 20, 1000, 180, 177 * 22 / 1.2);
    ScriptedDialogs d2;
    ComputeBeltWidth(heavy, d2);
    EXPECT_EQ(heavy.calcState, 1);
    EXPECT_EQ(d2.messageTexts(),
              std::vector<std::string>{"Available belts are too small !\rPlease check the data "
                                       "and contact VESTRANO Technical Staff !!"});
}

TEST(ComputeBeltWidth, NoToothInMeshIsRefused) {
    DriveProject p = TimingDrive("ORVANTO T", "T10", 0.01, 20, 1000, 10, 100);  // 0.55 teeth in mesh
    ScriptedDialogs d;
    ComputeBeltWidth(p, d);
    EXPECT_EQ(p.calcState, 1);
    EXPECT_EQ(d.messageTexts(), std::vector<std::string>{"Error in input data"});
    EXPECT_EQ(d.busyDepth, 0);
}

TEST(ArcOfContactFactor, StrictSteps) {
    struct Case {
        double degrees, factor;
    };
    const Case cases[] = {{90, 0.61}, {100, 0.61}, {100.5, 0.67}, {180, 0.97}, {180.5, 1.0}, {245, 1.18}};
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(ArcOfContactFactor(c.degrees), c.factor) << c.degrees;
}

TEST(ComputeBeltWidth, MultiRibAndFlatBelts) {
    struct Case {
        const char* name;
        const char* family;
        const char* code;
        double speed, diameter, arc, power;
        std::vector<std::string> answers;
        std::string prompt, title, defaultText;
        std::vector<std::string> messages;
        int calcState;
        double width, rating;
    };
    // QUINDEL ZB2 at 5 m/s on 75 mm: 340 W per rib; 180 degrees of wrap
    // (not above 180) give the arc factor 0.97, and the duty factor 1.0:
    // service factor 1.0 / 0.97 = 1.0309, 400 W need 1.0309 x 400 / 340 =
    // 1.2128 ribs, and at least 3 are proposed.
    // FENDARO FXA1 at 5 m/s on 100 mm: 540 W per cm, 54000 W per m; service
    // factor 1.15 x 1.0 / 0.97 = 1.1856, 2000 W need 1.1856 x 2000 / 54000 =
    // 0.043911 m, proposed as the next whole mm, 44 mm.
    const double ribs = 400 / 0.97 / 340;            // 1.2128 ribs
    const double flat = 1.15 * 2000 / 0.97 / 54000;  // m
    const std::string tooSmall = "Requested belt is too small !\rPlease contact VESTRANO Technical Staff !!";
    const Case cases[] = {
        {"ribs proposed",
         "QUINDEL",
         "ZB2",
         5,
         0.075,
         180,
         400,
         {"3"},
         "Recommended belt width is 3 ribs\r\rClick OK to keep this width or enter another width [ribs]",
         "QUINDEL ZB2: Enter the belt width",
         "3",
         {},
         0,
         3,
         3 * 340},
        // Two ribs where 1.2 are needed are not too few: only the proposal has a minimum of 3.
        {"two ribs for 1.2 needed",
         "QUINDEL",
         "ZB2",
         5,
         0.075,
         180,
         1.2 * 340 * 0.97,
         {"2"},
         "",
         "",
         "3",
         {},
         0,
         2,
         2 * 340},
        {"fewer ribs than needed",
         "QUINDEL",
         "ZB2",
         5,
         0.075,
         180,
         400,
         {"1"},
         "",
         "",
         "3",
         {tooSmall},
         0,
         1,
         340},
        {"flat belt proposal",
         "FENDARO",
         "FXA1",
         5,
         0.1,
         180,
         2000,
         {"44.00"},
         "Recommended belt width is 44.00 [mm]\r\rClick OK to keep this width or enter another width [mm]",
         "FENDARO FXA1: Enter the belt width",
         "44.00",
         {},
         0,
         0.044,
         0.044 * 54000},
        {"flat belt at 3 m/s on 25 mm",
         "FENDARO",
         "FXA1",
         3,
         0.025,
         190.5,
         290,
         {"12"},
         "",
         "",
         "12.00",
         {},
         0,
         0.012,
         0.012 * 29000},
        {"conveyor belt width",
         "FENDARO",
         "FXA14",
         5,
         0.1,
         180,
         2000,
         {"50"},
         "Enter the belt width [mm]",
         "CONVEYOR ENDLESS FLAT BELT",
         "0.00",
         {},
         0,
         0.05,
         0},
        {"conveyor belt without width, then cancelled", "FENDARO", "FXA14", 5, 0.1, 180, 2000, {"0", ""}, "", "", "",
         {"Wrong data"}, 1, 0, 0},
        {"letters for ribs, then 4", "QUINDEL", "ZB2", 5, 0.075, 180, 400, {"abc", "4"}, "", "", "", {"Wrong data"},
         0, 4, 4 * 340},
        {"negative ribs, then cancelled", "QUINDEL", "J", 5, 0.075, 180, 400, {"-2", ""}, "", "", "",
         {"Wrong data"}, 1, 0, 0},
        // Beyond any belt: its rating would overflow.
        {"conveyor belt 1e400 wide, then 50", "FENDARO", "FXA14", 5, 0.1, 180, 2000, {"1e400", "50"}, "", "", "",
         {"Please, insert values up to 100000 [mm]."}, 0, 0.05, 0},
        {"a gigawatt on a flat belt: over 100 m wide", "FENDARO", "FXA1", 5, 0.1, 180, 1e9, {}, "", "", "",
         {"Available belts are too small !\rPlease check the data and contact VESTRANO Technical Staff !!"}, 1, 0,
         0},
        {"20000 ribs, then 4", "QUINDEL", "ZB2", 5, 0.075, 180, 400, {"20000", "4"}, "", "", "",
         {"Please, insert values up to 10000."}, 0, 4, 4 * 340},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DriveProject p = RibOrFlatDrive(c.family, c.code, c.speed, c.diameter, c.arc, c.power);
        ScriptedDialogs d;
        d.inputs = {c.answers.begin(), c.answers.end()};
        ComputeBeltWidth(p, d);
        EXPECT_EQ(p.calcState, c.calcState);
        ASSERT_FALSE(d.seen.empty());
        if (!c.prompt.empty()) EXPECT_EQ(d.seen[0].text, c.prompt);
        if (!c.title.empty()) EXPECT_EQ(d.seen[0].title, c.title);
        if (!c.defaultText.empty()) EXPECT_EQ(d.seen[0].defaultText, c.defaultText);
        EXPECT_EQ(d.messageTexts(), c.messages);
        if (c.calcState != 0) continue;
        EXPECT_NEAR(p.beltWidth, c.width, 1e-12);
        EXPECT_NEAR(p.powerRatingWithWidth, c.rating, 1e-6);
        // A multi-rib pulley has no face width; a flat one is 11 mm wider than its belt.
        const double face = p.beltFamily == "QUINDEL" ? 0 : (std::floor(c.width * 1000 + 1e-9) + 11) / 1000;
        EXPECT_NEAR(p.pulleyFaceWidth, face, 1e-12);
    }
    DriveProject q = RibOrFlatDrive("QUINDEL", "ZB2", 5, 0.075, 180, 400);
    ScriptedDialogs d;
    d.acceptInputDefaults = true;
    ComputeBeltWidth(q, d);
    EXPECT_NEAR(q.beltWidthCalculated, ribs, 1e-6);
    EXPECT_FLOAT_EQ(q.serviceFactor, static_cast<float>(1 / 0.97));
    DriveProject f = RibOrFlatDrive("FENDARO", "FXA1", 5, 0.1, 180, 2000);
    ComputeBeltWidth(f, d);
    EXPECT_NEAR(f.beltWidthCalculated, flat, 1e-6);
    // 3 m/s on 25 mm wrapped 190.5 degrees: 290 W per cm, arc factor 1.03:
    // a wrap above 180 degrees carries more, so the service factor 1.15 / 1.03
    // is below the flat belt's 1.15.
    DriveProject small = RibOrFlatDrive("FENDARO", "FXA1", 3, 0.025, 190.5, 290);
    ComputeBeltWidth(small, d);
    EXPECT_NEAR(small.beltWidthCalculated, 1.15 / 1.03 * 290 / 29000, 1e-6);
}

// The proposed width of a multi-rib or flat belt carries the load times its
// service factor, for every duty factor of step 1 and every band of the arc
// factor; a heavier duty or a smaller wrap never gives a narrower belt.
TEST(ComputeBeltWidth, RibAndFlatProposalsCarryTheLoad) {
    struct Family {
        const char* family;
        const char* code;
        double diameter;
        double power;  // W: several ribs, some tens of mm
    };
    const Family families[] = {{"QUINDEL", "ZB2", 0.075, 2000}, {"QUINDEL", "J", 0.05, 350},
                               {"FENDARO", "FXA1", 0.1, 2000}, {"FENDARO", "FXA1", 0.04, 700}};
    const float duties[] = {1.0F, 1.2F, 1.4F};
    // One wrap in every band of the arc factor, smallest first.
    const double arcs[] = {95, 105, 115, 125, 135, 145, 155, 165, 175, 180, 185, 195, 205, 215, 225, 235, 245};
    for (const Family& f : families) {
        std::vector<double> previousDuty(std::size(arcs), 0.0);
        for (float duty : duties) {
            double widerArc = HUGE_VAL;  // the width of the next larger wrap seen
            for (int i = static_cast<int>(std::size(arcs)) - 1; i >= 0; --i) {
                const double arc = arcs[i];
                SCOPED_TRACE(std::string(f.family) + " " + f.code + " duty " + std::to_string(duty) + " arc " +
                             std::to_string(arc));
                DriveProject p = RibOrFlatDrive(f.family, f.code, 5, f.diameter, arc, f.power);
                p.loadFactorSecond = duty;
                ScriptedDialogs d;
                d.acceptInputDefaults = true;
                ComputeBeltWidth(p, d);
                ASSERT_EQ(p.calcState, 0);
                EXPECT_EQ(d.messageTexts(), std::vector<std::string>{});
                EXPECT_FLOAT_EQ(p.serviceFactor, static_cast<float>(
                                                     (p.beltFamily == "FENDARO" ? 1.15 : 1.0) * duty /
                                                     ArcOfContactFactor(arc)));
                EXPECT_GE(p.powerRatingWithWidth, p.serviceFactor * p.power);
                if (arc <= 180) EXPECT_GE(p.powerRatingWithWidth / p.power, 1.0);
                // Heavier duty, same wrap; smaller wrap, same duty.
                EXPECT_GE(p.beltWidth, previousDuty[static_cast<std::size_t>(i)]);
                if (widerArc != HUGE_VAL) EXPECT_GE(p.beltWidth, widerArc);
                previousDuty[static_cast<std::size_t>(i)] = p.beltWidth;
                widerArc = p.beltWidth;
            }
        }
    }
}

TEST(ComputeBeltWidth, MultiRibBeltWithoutLoadFactorIsRefused) {
    DriveProject p = RibOrFlatDrive("QUINDEL", "ZB2", 5, 0.075, 180, 400);
    p.loadFactorSecond = 0;  // as after Reset, before the tab sets it
    ScriptedDialogs d;
    ComputeBeltWidth(p, d);
    EXPECT_EQ(p.calcState, 1);
    EXPECT_EQ(d.messageTexts(), std::vector<std::string>{"Error in input data"});
}

// The results screen's width list and the change of width made with it.
TEST(ChangeBeltWidth, WidthListPerFamilyAndUnit) {
    DriveProject p = TimingDrive("ORVANTO T", "T10", 0.01, 20, 1000, 180, 100);
    EXPECT_EQ(BeltWidthChoices(p),
              (std::vector<std::string>{"10.00 [mm]", "12.00 [mm]", "16.00 [mm]", "20.00 [mm]", "25.00 [mm]",
                                        "32.00 [mm]", "50.00 [mm]", "75.00 [mm]"}));
    ChooseUnit(p, kLength, 4);
    EXPECT_EQ(BeltWidthChoices(p)[4], "0.98 [in]");
    DriveProject q = RibOrFlatDrive("QUINDEL", "J", 5, 0.075, 180, 400);
    const auto ribs = BeltWidthChoices(q);
    ASSERT_EQ(ribs.size(), 10u);
    EXPECT_EQ(ribs.front(), "1 ribs");
    EXPECT_EQ(ribs.back(), "10 ribs");
    EXPECT_TRUE(BeltWidthChoices(RibOrFlatDrive("FENDARO", "FXA1", 5, 0.1, 180, 400)).empty());
}

TEST(ChangeBeltWidth, NewWidthScalesTheRatingAndTheFaceWidth) {
    struct Case {
        const char* name;
        const char* type;
        const char* code;
        int lengthUnit;
        std::string text;
        bool changed;
        double width, faceWidth, load1;
        std::vector<std::string> messages;
    };
    const std::string tooLarge =
        "Entered belt width is too large !\rPlease contact VESTRANO Technical Staff !!";
    const std::string rounded = "The belt code gives the width in whole millimetres:\rthe belt width is rounded up to ";
    const Case cases[] = {
        {"standard width from the list", "ORVANTO T", "T10", 1, "32.00 [mm]", true, 0.032, 0.037, 0, {}},
        // 1.26 in would be 32.004 mm, a width of the user's own with a 42 mm face.
        {"inch item is the standard width", "ORVANTO T", "T10", 4, "1.26 [in]", true, 0.032, 0.037, 0, {}},
        // 1.1 in is 27.94 mm, which the code names in whole mm: 28 mm.
        {"inch width of the user's own", "ORVANTO T", "T10", 4, "1.1", true, 0.028, 0.038, 0, {rounded + "28 mm."}},
        {"typed with a comma", "ORVANTO T", "T10", 1, "27,5", true, 0.028, 0.038, 0, {rounded + "28 mm."}},
        {"open-end belt takes the next standard width's data",
         "SELKIRA T",
         "T10",
         1,
         "40",
         true,
         0.040,
         0.056,
         5230,
         {}},
        {"open-end belt beyond the table", "SELKIRA T", "T10", 1, "150", true, 0.150, 0.160, 12000, {}},
        {"wider than made", "ORVANTO T", "T10", 1, "301", false, 0.025, 0.030, 0, {tooLarge}},
        {"no number", "ORVANTO T", "T10", 1, "Change the belt width", false, 0.025, 0.030, 0, {}},
        {"negative", "ORVANTO T", "T10", 1, "-10", false, 0.025, 0.030, 0, {"Wrong data"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DriveProject p = TimingDrive(c.type, c.code, 0.01, 20, 1000, 180, 100);
        ChooseUnit(p, kLength, c.lengthUnit);
        p.beltWidth = 0.025;
        p.pulleyFaceWidth = 0.030;
        p.powerRatingWithWidth = 1000;
        p.beltLength = 1.5;
        ScriptedDialogs d;
        EXPECT_EQ(ChangeBeltWidth(p, d, c.text), c.changed);
        EXPECT_EQ(d.messageTexts(), c.messages);
        EXPECT_NEAR(p.beltWidth, c.width, 1e-12);
        EXPECT_NEAR(p.pulleyFaceWidth, c.faceWidth, 1e-12);
        EXPECT_NEAR(p.powerRatingWithWidth, 1000 * c.width / 0.025, 1e-9);
        EXPECT_DOUBLE_EQ(p.maxTractionLoad1, c.load1);
        if (c.changed) EXPECT_EQ(p.beltCode.substr(0, p.beltCode.find(' ')), Format(c.width * 1000, "####0"));
    }
}

// A width below the one the design needs is taken, with the warning the
// width question gives; one the code cannot write is rounded up first, so
// that the code, the rating and the face width name one belt.
TEST(ChangeBeltWidth, NarrowerThanNeededIsSaidAndRoundedToTheCode) {
    const std::string tooSmall = "Requested belt is too small !\rPlease contact VESTRANO Technical Staff !!";
    struct Case {
        const char* name;
        const char* type;
        const char* code;
        double pitch;
        const char* text;
        double width;  // m (QUINDEL: ribs)
        std::vector<std::string> messages;
    };
    const Case cases[] = {
        // An open-end T10 belt proposed 12 mm wide for 10.5 mm needed.
        {"5,5 mm on an open-end belt",
         "SELKIRA T",
         "T10",
         0.01,
         "5,5",
         0.006,
         {"The belt code gives the width in whole millimetres:\rthe belt width is rounded up to 6 mm.", tooSmall}},
        {"a standard width below the need", "SELKIRA T", "T10", 0.01, "10", 0.010, {tooSmall}},
        {"wide enough", "SELKIRA T", "T10", 0.01, "16", 0.016, {}},
        // An XL code names hundredths of an inch: 7 mm is 0.2756 in, ordered as 0.28 in.
        {"inch profile", "ORVANTO I", "XL", 0.00508, "7", 0.28 * 0.0254,
         {"The belt code gives the width in hundredths of an inch:\rthe belt width is rounded up to 0.28 in.",
          tooSmall}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DriveProject p = TimingDrive(c.type, c.code, c.pitch, 20, 1000, 180, 100);
        p.beltWidthCalculated = 0.0105;
        p.beltWidth = 0.012;
        p.powerRatingWithWidth = 1200;
        p.beltLength = 2.6;
        ScriptedDialogs d;
        ASSERT_TRUE(ChangeBeltWidth(p, d, c.text));
        EXPECT_EQ(d.messageTexts(), c.messages);
        EXPECT_NEAR(p.beltWidth, c.width, 1e-12);
        EXPECT_NEAR(p.powerRatingWithWidth, 1200 * c.width / 0.012, 1e-9);
        EXPECT_EQ(CodedBeltWidth(p, p.beltWidth), p.beltWidth);
    }
    // Ribs are whole: 2.5 ribs are 3.
    DriveProject q = RibOrFlatDrive("QUINDEL", "J", 5, 0.075, 180, 400);
    q.beltWidthCalculated = 3.4;
    q.beltWidth = 4;
    q.powerRatingWithWidth = 1200;
    q.beltLength = 0.66;
    ScriptedDialogs d;
    ASSERT_TRUE(ChangeBeltWidth(q, d, "2.5"));
    EXPECT_EQ(d.messageTexts(), (std::vector<std::string>{
                                    "The belt code gives the width in whole ribs:\rthe belt width is rounded up to 3 ribs.",
                                    tooSmall}));
    EXPECT_EQ(q.beltWidth, 3);
    EXPECT_EQ(q.beltCode, "660  J  3");
}

// Every standard width is one the belt code writes as it is.
TEST(CodedBeltWidth, StandardWidthsNeedNoRounding) {
    int checked = 0;
    for (const char* type : {"ORVANTO T", "ORVANTO I", "ORVANTO AT", "RUBBER I", "SELKIRA T", "SELKIRA I",
                             "TAVOREN T", "TAVOREN I"})
        for (const char* code : {"T2.5", "T5", "T10", "T20", "AT5", "AT10", "AT20", "MXL", "XL", "L", "H", "XH"}) {
            DriveProject p = StartedProject();
            ChooseBelt(p, type, code);
            LoadStandardWidths(p);
            for (int i = 0; i <= std::clamp(p.pitchRangeLast, 0, 8); ++i) {
                const double w = p.standardWidths[static_cast<std::size_t>(i)] / 1000.0;
                if (!(w > 0)) continue;
                EXPECT_EQ(CodedBeltWidth(p, w), w) << type << " " << code << " " << w;
                ++checked;
            }
        }
    EXPECT_GT(checked, 100);
}

TEST(ChangeBeltWidth, MultiRibBeltTakesRibs) {
    DriveProject p = RibOrFlatDrive("QUINDEL", "J", 5, 0.075, 180, 400);
    p.beltWidth = 3;
    p.powerRatingWithWidth = 900;
    p.beltLength = 0.66;
    ScriptedDialogs d;
    ASSERT_TRUE(ChangeBeltWidth(p, d, "12 ribs"));
    EXPECT_DOUBLE_EQ(p.beltWidth, 12);
    EXPECT_DOUBLE_EQ(p.powerRatingWithWidth, 3600);
    EXPECT_EQ(p.beltCode, "660  J  12");
}

TEST(ChangeBeltWidth, RibAndFlatWidthsBeyondAnyBeltAreRefused) {
    struct Case {
        const char* family;
        const char* code;
        double width;
        const char* text;
        const char* message;
    };
    for (const Case& c : {Case{"QUINDEL", "J", 3, "20000 ribs", "Please, insert values up to 10000."},
                          Case{"FENDARO", "FXA3", 0.05, "1e400", "Please, insert values up to 100000 [mm]."}}) {
        SCOPED_TRACE(c.family);
        DriveProject p = RibOrFlatDrive(c.family, c.code, 5, 0.075, 180, 400);
        p.beltWidth = c.width;
        p.powerRatingWithWidth = 900;
        ScriptedDialogs d;
        EXPECT_FALSE(ChangeBeltWidth(p, d, c.text));
        EXPECT_EQ(d.messageTexts(), std::vector<std::string>{c.message});
        EXPECT_EQ(p.beltWidth, c.width);
        EXPECT_EQ(p.powerRatingWithWidth, 900);
    }
}

TEST(ChangeBeltWidth, NoWidthToScaleFrom) {
    DriveProject p = TimingDrive("ORVANTO T", "T10", 0.01, 20, 1000, 180, 100);
    p.beltWidth = 0;
    ScriptedDialogs d;
    EXPECT_FALSE(ChangeBeltWidth(p, d, "25"));
    EXPECT_EQ(d.messageTexts(), std::vector<std::string>{"Error in input data"});
    EXPECT_EQ(p.beltWidth, 0);
}

}  // namespace
}  // namespace belt
