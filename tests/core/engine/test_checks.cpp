#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "engine/checks.h"
#include "platform/scripteddialogs.h"

using namespace belt;

namespace {

// Step 3 data that agree with each other, as the pulley screen computes
// them: ORVANTO T10, driver 20 teeth at 100 rad/s, driven 40 teeth.
DriveProject Consistent(const std::string& family = "ORVANTO") {
    DriveProject p;
    p.beltFamily = family;
    p.beltPitchCode = "T10";
    p.beltPitch = 0.01;
    p.pulleyCount = 2;
    p.twoPulleyMode = 1;
    p.centreDistance = 0.3;
    const int teeth[] = {0, 20, 40};
    for (int k = 1; k <= 2; ++k) {
        p.pulleyTeeth[k] = teeth[k];
        p.pulleyDiameter[k] = teeth[k] * p.beltPitch / kPi;
        p.pulleySpeed[k] = 100.0 * teeth[1] / teeth[k];
        p.pulleyRatio[k] = p.pulleySpeed[1] / p.pulleySpeed[k];
    }
    p.beltSpeed = p.pulleyDiameter[1] * p.pulleySpeed[1] / 2;
    p.peripheralForce = 200;
    p.power = p.beltSpeed * p.peripheralForce;
    return p;
}

void AddIdler(DriveProject& p, double d) {
    p.pulleyCount = 3;
    p.pulleyIsIdler[3] = kTrue;
    p.pulleyDiameter[3] = d;
}

}  // namespace

TEST(GetPulleyLabel, NamesByRoleAndNumber) {
    DriveProject p;
    p.pulleyCount = 2;
    EXPECT_EQ(GetPulleyLabel(p, 1), "driver pulley");
    EXPECT_EQ(GetPulleyLabel(p, 2), "driven pulley");
    p.pulleyCount = 4;
    p.pulleyIsIdler[4] = kTrue;
    EXPECT_EQ(GetPulleyLabel(p, 1), "driver pulley");
    EXPECT_EQ(GetPulleyLabel(p, 2), "pulley # 2");
    EXPECT_EQ(GetPulleyLabel(p, 3), "pulley # 3");
    EXPECT_EQ(GetPulleyLabel(p, 4), "idler # 4");
}

TEST(FindSmallestPulley, SkipsIdlersAndKeepsTheFirstOfEqualOnes) {
    struct Case {
        const char* name;
        std::vector<double> d;  // pulleys 1..n
        std::vector<int> idlers;
        int smallest;
    };
    const std::vector<Case> cases = {
        {"driver smallest", {50, 100}, {}, 1},
        {"driven smallest", {100, 50}, {}, 2},
        {"tie keeps the lower index", {100, 50, 50}, {}, 2},
        {"tie with the driver", {50, 50}, {}, 1},
        {"idler never chosen", {100, 80, 30, 60}, {3}, 4},
        {"only idlers smaller", {100, 120, 30, 20}, {3, 4}, 1},
    };
    for (const Case& c : cases) {
        DriveProject p;
        p.pulleyCount = static_cast<int>(c.d.size());
        for (int k = 1; k <= p.pulleyCount; ++k) p.pulleyDiameter[k] = c.d[k - 1] / 1000;
        for (int k : c.idlers) p.pulleyIsIdler[k] = kTrue;
        EXPECT_EQ(FindSmallestPulley(p), c.smallest) << c.name;
    }
}

TEST(CheckInputData, RefusesMissingAndInconsistentData) {
    struct Case {
        const char* name;
        std::function<void(DriveProject&)> change;
        const char* message;  // nullptr: accepted
    };
    const std::vector<Case> cases = {
        {"consistent", [](DriveProject&) {}, nullptr},
        {"driven speed missing", [](DriveProject& p) { p.pulleySpeed[2] = 0; },
         "n missing on driven pulley !!!"},
        {"driven diameter missing", [](DriveProject& p) { p.pulleyDiameter[2] = 0; },
         "d missing on driven pulley !!!"},
        {"diameter wins over speed on one pulley",
         [](DriveProject& p) { p.pulleySpeed[2] = p.pulleyDiameter[2] = 0; },
         "d missing on driven pulley !!!"},
        {"driver reported after the driven pulley",
         [](DriveProject& p) { p.pulleySpeed[2] = p.pulleySpeed[1] = 0; }, "n missing on driver pulley !!!"},
        {"three pulleys",
         [](DriveProject& p) {
             p.pulleyCount = 3;
             p.pulleyDiameter[3] = 0;
         },
         "d missing on pulley # 3 !!!"},
        {"peripheral force", [](DriveProject& p) { p.peripheralForce = 0; },
         "Peripheral force must be greater than zero !!!"},
        {"belt speed", [](DriveProject& p) { p.beltSpeed = 0; }, "Belt speed must be greater than zero !!!"},
        {"power hides a missing speed",
         [](DriveProject& p) {
             p.pulleySpeed[1] = 0;
             p.power = 0;
         },
         "Power must be greater than zero !!!"},
        {"centre distance in mode 1", [](DriveProject& p) { p.centreDistance = 0; },
         "Center distance must be greater than zero !!!"},
        {"centre distance not needed in mode 2",
         [](DriveProject& p) {
             p.twoPulleyMode = 2;
             p.centreDistance = 0;
             p.beltLength = 0.8;
         },
         nullptr},
        {"belt length in mode 2",
         [](DriveProject& p) {
             p.twoPulleyMode = 2;
             p.beltLength = 0;
         },
         "Belt length must be greater than zero !!!"},
        {"power disagrees", [](DriveProject& p) { p.power += 1e-9; }, "Error in input data"},
        {"megawatts with the force derived from them",
         [](DriveProject& p) {
             p.power = 1728395.002;
             p.peripheralForce = p.power / p.beltSpeed;
         },
         nullptr},
        {"belt speed disagrees",
         [](DriveProject& p) {
             p.beltSpeed += 1e-9;
             p.power = p.beltSpeed * p.peripheralForce;
         },
         "Error in input data"},
        {"ratio disagrees", [](DriveProject& p) { p.pulleyRatio[2] += 1e-9; }, "Error in input data"},
        {"diameter off teeth times pitch", [](DriveProject& p) { p.pulleyTeeth[2] = 41; },
         "Error in input data"},
        {"diameter 0.2 nm off teeth times pitch", [](DriveProject& p) { p.pulleyDiameter[2] += 2e-10; },
         "Error in input data"},
        {"driver without teeth", [](DriveProject& p) { p.pulleyTeeth[1] = 0; }, "Error in input data"},
        {"after reset: no teeth and no driver ratio",
         [](DriveProject& p) {
             p.pulleyTeeth[1] = p.pulleyTeeth[2] = 0;
             p.pulleyRatio[1] = 0;
         },
         "Error in input data"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DriveProject p = Consistent();
        c.change(p);
        ScriptedDialogs d;
        CheckInputData(p, d);
        if (c.message == nullptr) {
            EXPECT_EQ(p.calcState, 0);
            EXPECT_TRUE(d.seen.empty());
            continue;
        }
        EXPECT_EQ(p.calcState, 1);
        ASSERT_EQ(d.seen.size(), 1U);
        EXPECT_EQ(d.seen[0].text, c.message);
        EXPECT_EQ(d.seen[0].title, "I can't proceed");
        EXPECT_EQ(d.seen[0].icon, MsgIcon::Warning);
    }
}

TEST(CheckInputData, MultiRibAndFlatBeltsSkipTheTeethChecks) {
    for (const char* family : {"QUINDEL", "FENDARO"}) {
        DriveProject p = Consistent(family);
        p.pulleyTeeth[1] = 0;
        p.pulleyTeeth[2] = 41;
        ScriptedDialogs d;
        CheckInputData(p, d);
        EXPECT_EQ(p.calcState, 0) << family;
        EXPECT_TRUE(d.seen.empty()) << family;
    }
}

TEST(CheckInputData, IdlerWithoutDiameterGetsTheMinimumInsideDiameter) {
    DriveProject p = Consistent();
    p.minIdlerDiameterInside = 0.04;
    AddIdler(p, 0);
    ScriptedDialogs d;
    CheckInputData(p, d);
    EXPECT_EQ(p.calcState, 0);
    EXPECT_TRUE(d.seen.empty());
    EXPECT_EQ(p.pulleyDiameter[3], 0.04);

    // A refused project keeps its idler at zero: the fill-in runs with the
    // consistency checks only.
    DriveProject q = Consistent();
    q.minIdlerDiameterInside = 0.04;
    AddIdler(q, 0);
    q.power = 0;
    CheckInputData(q, d);
    EXPECT_EQ(q.pulleyDiameter[3], 0.0);
}

TEST(CheckSmallestPulleyTeeth, RulesBySpeedAndTeeth) {
    struct Case {
        const char* code;
        int teeth;
        double speed;  // rad/s
        int state;
    };
    const std::vector<Case> cases = {
        {"T10", 12, 60, 1},    {"T10", 12, 50, 0},    {"T10", 12, 52, 0},   {"T10", 14, 95, 1},
        {"T10", 15, 95, 0},    {"T10", 18, 189, 1},   {"T10", 19, 1000, 0}, {"T5", 10, 95, 1},
        {"T5", 10, 94, 0},     {"T5", 13, 127, 1},    {"T5", 20, 692, 1},   {"T5", 21, 2000, 0},
        {"T2.5", 13, 0, 1},    {"T2.5", 14, 1000, 0}, {"AT5", 12, 116, 1},  {"AT10", 20, 378, 1},
        {"AT10", 20, 377, 0},  {"MXL", 14, 127, 1},   {"XL", 11, 137, 1},   {"XL", 20, 943, 1},
        {"L", 10, 0, 1},       {"L", 13, 169, 1},     {"L", 13, 168, 0},    {"H", 22, 587, 1},
        {"XH", 18, 0, 1},      {"XH", 28, 357, 1},    {"XH", 29, 1000, 0},  {"T20", 5, 1000, 0},
        {"QXD8M", 5, 1000, 0},
    };
    for (const Case& c : cases) {
        DriveProject p = Consistent();
        p.beltPitchCode = c.code;
        p.pulleyTeeth[1] = c.teeth;
        p.pulleySpeed[1] = c.speed;
        p.pulleyTeeth[2] = 100;
        CheckSmallestPulleyTeeth(p);
        EXPECT_EQ(p.calcState, c.state) << c.code << " z=" << c.teeth << " n=" << c.speed;
    }
}

TEST(CheckSmallestPulleyTeeth, LooksAtTheSmallestDrivenPulley) {
    DriveProject p = Consistent();
    // Pulley 2 is the small one and runs fast; an even smaller idler is ignored.
    p.pulleyDiameter[2] = p.pulleyDiameter[1] / 2;
    p.pulleyTeeth[2] = 12;
    p.pulleySpeed[2] = 60;
    p.pulleySpeed[1] = 30;
    AddIdler(p, 0.001);
    p.pulleyTeeth[3] = 5;
    p.pulleySpeed[3] = 1000;
    CheckSmallestPulleyTeeth(p);
    EXPECT_EQ(p.calcState, 1);
    p.pulleySpeed[2] = 50;
    CheckSmallestPulleyTeeth(p);
    EXPECT_EQ(p.calcState, 0);
}

TEST(CheckBeltSpeed, WarningsByFamily) {
    struct Case {
        const char* name;
        const char* family;
        const char* code;
        int smallTeeth;
        double pulleySpeed;  // rad/s of the smallest pulley
        double beltSpeed;    // m/s
        int state;
        std::vector<std::string> texts;
        MsgIcon icon;
    };
    const std::string staff = "Please contact VESTRANO Technical Staff.";
    const std::vector<Case> cases = {
        {"small T10 pulley too fast",
         "ORVANTO",
         "T10",
         12,
         60,
         5,
         1,
         {"Expected belt life reduction !!\r" + staff},
         MsgIcon::Warning},
        {"small T10 pulley slow enough", "ORVANTO", "T10", 12, 50, 5, 0, {}, MsgIcon::None},
        {"double-sided T5 uses the T5 rules",
         "ORVANTO",
         "T5",
         10,
         95,
         5,
         1,
         {"Expected belt life reduction !!\r" + staff},
         MsgIcon::Warning},
        {"rubber XH",
         "RUBBER",
         "XH",
         18,
         10,
         5,
         1,
         {"Expected belt life reduction !!\r" + staff},
         MsgIcon::Warning},
        {"rubber over 28 m/s",
         "RUBBER",
         "H",
         30,
         100,
         28.5,
         0,
         {"Critical pulley speed over 28 m/s !\r" + staff},
         MsgIcon::Warning},
        {"ORVANTO at 28 m/s", "ORVANTO", "T10", 30, 100, 28, 0, {}, MsgIcon::None},
        {"ORVANTO small and fast",
         "ORVANTO",
         "T10",
         12,
         60,
         30,
         1,
         {"Expected belt life reduction !!\r" + staff, "Critical pulley speed over 28 m/s !\r" + staff},
         MsgIcon::Warning},
        {"TAVOREN at 15 m/s", "TAVOREN", "T10", 12, 600, 15, 0, {}, MsgIcon::None},
        {"TAVOREN above 15 m/s",
         "TAVOREN",
         "T10",
         12,
         600,
         15.01,
         0,
         {"Belt speed greater than 15 m/s !\rExpected noise drive !!\r" + staff},
         MsgIcon::Warning},
        {"SELKIRA above 15 m/s",
         "SELKIRA",
         "AT10",
         12,
         600,
         16,
         0,
         {"Belt speed greater than 15 m/s !\rExpected noise drive !!\r" + staff},
         MsgIcon::Warning},
        {"FENDARO at 60 m/s", "FENDARO", "FXA3", 0, 600, 60, 0, {}, MsgIcon::None},
        {"FENDARO above 60 m/s",
         "FENDARO",
         "FXA3",
         0,
         600,
         61,
         1,
         {"Belt speed is too high !!"},
         MsgIcon::Error},
        {"QUINDEL above 60 m/s",
         "QUINDEL",
         "ZB2",
         0,
         600,
         61,
         1,
         {"Belt speed is too high !!"},
         MsgIcon::Error},
        {"TAVOREN at 61 m/s warns of noise only",
         "TAVOREN",
         "T10",
         20,
         600,
         61,
         0,
         {"Belt speed greater than 15 m/s !\rExpected noise drive !!\r" + staff},
         MsgIcon::Warning},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DriveProject p = Consistent(c.family);
        p.beltPitchCode = c.code;
        p.pulleyTeeth[1] = c.smallTeeth;
        p.pulleySpeed[1] = c.pulleySpeed;
        p.beltSpeed = c.beltSpeed;
        ScriptedDialogs d;
        CheckBeltSpeed(p, d);
        EXPECT_EQ(p.calcState, c.state);
        EXPECT_EQ(d.messageTexts(), c.texts);
        for (const RecordedDialog& r : d.seen) {
            EXPECT_EQ(r.title, "Warning !!!");
            EXPECT_EQ(r.icon, c.icon);
        }
    }
}
