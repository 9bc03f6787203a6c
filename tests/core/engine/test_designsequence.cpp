#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "catalogue/beltids.h"
#include "catalogue/idlerdiameters.h"
#include "catalogue/pulleytables.h"
#include "catalogue/standardwidths.h"
#include "engine/beltpaths.h"
#include "engine/carriage.h"
#include "catalogue/calculationtables.h"
#include "engine/designsequence.h"
#include "engine/layout.h"
#include "engine/layouteditor.h"
#include "engine/navigation.h"
#include "engine/pulleydata.h"
#include "engine/report.h"
#include "platform/scripteddialogs.h"
#include "project/projectfile.h"
#include "testsupport.h"
#include "units/units.h"

using belt::test::ChooseBelt;
using belt::test::StartedProject;

namespace belt {
namespace {

constexpr const char* kRefusal = "I can't proceed";
constexpr const char* kInterferenceTwoBlanks = "Pulley interference. Check the data  !!!";
constexpr const char* kInterference = "Pulley interference. Check the data !!!";
constexpr const char* kDoubleSidedQuestion = "Do you want to use a double sided belt? ";

// The step 3 loaders for the chosen belt, as laying out the screen runs them.
void LoadBeltTables(DriveProject& p) {
    LoadPulleyTable(p);
    LoadProfileRatingData(p);
    LoadStandardWidths(p);
    LoadMinimumIdlerDiameters(p);
}

DriveProject OrvantoT10() {
    DriveProject p = StartedProject();
    ChooseBelt(p, "ORVANTO T", "T10");
    LoadBeltTables(p);
    p.lastStandardLength = kNoStandardLength;
    return p;
}

// A driven (or idle) pulley k with z teeth at the given ratio to the driver,
// its diameter from the pulley table as step 3 snaps it.
void SetPulley(DriveProject& p, int k, int teeth, double speed) {
    p.pulleyTeeth[k] = teeth;
    p.pulleySpeed[k] = speed;
    ASSERT_EQ(LookupPulleyTeeth(p, k), TeethLookup::kAccepted);
    p.pulleyRatio[k] = static_cast<double>(teeth) / p.pulleyTeeth[1];
}

// ORVANTO T10, driver 20 teeth at 1500 rpm, driven 40 teeth, 2 kW, pulleys
// 300 mm apart unless told otherwise: belt speed 5 m/s, force 400 N.
DriveProject TwoPulleys(double centreDistance = 0.3) {
    DriveProject p = OrvantoT10();
    p.pulleyCount = 2;
    p.twoPulleyMode = 1;
    p.loadFactor = 1.2f;
    p.loadFactorSecond = 0.2f;
    const double n1 = 1500 * kPi / 30;
    SetPulley(p, 1, 20, n1);
    SetPulley(p, 2, 40, n1 / 2);
    p.pulleyRatio[2] = 2;
    p.power = 2000;
    p.beltSpeed = p.pulleyDiameter[1] * n1 / 2;
    p.peripheralForce = p.power / p.beltSpeed;
    p.centreDistance = centreDistance;
    return p;
}

// The demonstration drive: ORVANTO T10, 3.4 kW at 1200 rpm on a 23 tooth
// driver, a 60 mm idler at (200, 600) mm, 40 teeth at (380, 350) mm and 61
// teeth at (450, -100) mm. Step 1 chose centrifuges with an electric motor
// (load factor 1.1) and 0.2 for the operation time.
DriveProject Demonstration() {
    DriveProject p = OrvantoT10();
    p.beltSuffixAvailable = "DL";
    p.pulleyCount = 4;
    p.loadFactor = 1.1f;
    p.loadFactorSecond = 0.2f;
    p.power = 3400;
    SetPulley(p, 1, 23, 125.66370616);
    p.pulleyIsIdler[2] = kTrue;
    p.pulleyDiameter[2] = 0.06;
    p.screen.checkIdler[2] = 1;
    p.screen.idlerDiameterTyped[2] = true;
    SetPulley(p, 3, 40, 72.256631042);
    SetPulley(p, 4, 61, 2890.26524168 / 61);
    p.beltSpeed = p.pulleyDiameter[1] * p.pulleySpeed[1] / 2;
    p.peripheralForce = p.power / p.beltSpeed;
    const double x[] = {0, 0, 0.2, 0.38, 0.45};
    const double y[] = {0, 0, 0.6, 0.35, -0.1};
    for (int k = 2; k <= 4; ++k) {
        p.pulleyPosition[0][k] = x[k];
        p.pulleyPosition[1][k] = y[k];
    }
    return p;
}

std::vector<std::string> Texts(const ScriptedDialogs& d) {
    std::vector<std::string> out;
    for (const auto& r : d.seen) out.push_back(r.text);
    return out;
}

TEST(GoOnFromStep3, TwoPulleyOrvantoT10FromPulleyDataToResults) {
    DriveProject p = TwoPulleys();
    ScriptedDialogs d;
    d.answers = {MsgAnswer::Yes, MsgAnswer::Yes};  // a standard length, the shorter one
    d.inputs = {"32.00"};                          // the proposed width

    EXPECT_EQ(GoOnFromStep3(p, d), NextStep::ShowStep5);

    // Open belt at 300 mm: 903.38 mm between the standard 900 and 920 mm.
    ASSERT_EQ(d.seen.size(), 3U);
    EXPECT_EQ(d.seen[0].title, "ORVANTO T10");
    EXPECT_NE(d.seen[0].text.find("Standard              900 mm        903.38 mm         920 mm"),
              std::string::npos);
    EXPECT_NE(d.seen[1].text.find("Belt length        900 mm        903.38 mm       920 mm"),
              std::string::npos);
    EXPECT_EQ(d.seen[2].kind, RecordedDialog::Kind::Input);
    EXPECT_EQ(d.seen[2].defaultText, "32.00");

    // 900 mm brings the pulleys to 298.300 mm; 9 teeth in mesh on the driver
    // ask for 25.63 mm of belt, so 32 mm is proposed.
    EXPECT_NEAR(p.beltLength, 0.9, 1e-12);
    EXPECT_NEAR(p.centreDistance, 0.2983000732, 1e-8);
    EXPECT_NEAR(p.pulleyPosition[0][2], p.centreDistance, 1e-15);
    EXPECT_NEAR(p.lastStandardLength, 0.9, 1e-12);
    EXPECT_NEAR(p.pulleyArcOfContact[1], 2.9277696561, 1e-8);
    EXPECT_EQ(p.teethInMesh, 9);
    EXPECT_FLOAT_EQ(p.serviceFactor, 1.6f);
    // 25.63 mm with the service factor held as a Single (1.60000002).
    EXPECT_NEAR(p.beltWidthCalculated, 0.02563127922, 1e-10);
    EXPECT_DOUBLE_EQ(p.beltWidth, 0.032);
    EXPECT_DOUBLE_EQ(p.pulleyFaceWidth, 0.037);
    EXPECT_EQ(p.beltCode, "32 T10-900");
}

TEST(GoOnFromStep3, RefusalsOfATwoPulleyDrive) {
    struct Case {
        const char* name;
        double centreDistance;
        std::vector<MsgAnswer> answers;  // the standard length questions
        std::vector<std::string> refusals;
    };
    const std::vector<Case> cases = {
        // 50 mm between pulleys of 63.66 and 127.32 mm: no belt path at all.
        {"overlapping neighbours", 0.05, {}, {kInterferenceTwoBlanks}},
        // 97 mm apart they just clear each other (95.49 mm); the shorter
        // standard belt of 480 mm pulls them together again: the check's own
        // message, then the refusal of the sequence.
        {"standard length makes them touch",
         0.097,
         {MsgAnswer::Yes, MsgAnswer::Yes},
         {kInterference, kInterference}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DriveProject p = TwoPulleys(c.centreDistance);
        ScriptedDialogs d;
        d.answers.assign(c.answers.begin(), c.answers.end());
        EXPECT_EQ(GoOnFromStep3(p, d), NextStep::Stay);
        ASSERT_EQ(d.seen.size(), c.answers.size() + c.refusals.size());
        for (std::size_t i = 0; i < c.refusals.size(); ++i) {
            const RecordedDialog& seen = d.seen[c.answers.size() + i];
            EXPECT_EQ(seen.text, c.refusals[i]);
            EXPECT_EQ(seen.title, kRefusal);
            EXPECT_EQ(seen.icon, MsgIcon::Warning);
        }
        EXPECT_TRUE(p.beltCode.empty());
    }
}

TEST(GoOnFromStep3, CancelledStandardLengthForgetsItAndRereadsTheBoxes) {
    for (const int box : {0, 1}) {
        SCOPED_TRACE(box == 0 ? "first box" : "second box");
        DriveProject p = TwoPulleys();
        ScriptedDialogs d;
        if (box == 1) d.answers.push_back(MsgAnswer::No);
        d.answers.push_back(MsgAnswer::Cancel);

        EXPECT_EQ(GoOnFromStep3(p, d), NextStep::StayRereadCentreDistanceAndLength);
        EXPECT_EQ(p.lastStandardLength, kNoStandardLength);
        EXPECT_EQ(d.seen.size(), static_cast<std::size_t>(box + 1));

        // The boxes show the centre distance and the calculated length:
        // read again unchanged, they keep all their digits.
        const double calculated = p.beltLength;
        EXPECT_NEAR(calculated, 0.90338, 5e-6);
        RereadCentreDistanceAndLength(p, d);
        EXPECT_DOUBLE_EQ(p.centreDistance, 0.3);
        EXPECT_EQ(p.beltLength, calculated);
        EXPECT_EQ(d.seen.size(), static_cast<std::size_t>(box + 1));
    }
}

TEST(RereadCentreDistanceAndLength, ReadsTheBoxesInTheCurrentLengthUnit) {
    DriveProject p = TwoPulleys();
    ChooseUnit(p, kLength, 4);  // in
    ASSERT_EQ(CurrentLabel(p, kLength), "[in]");
    ScriptedDialogs d;
    RereadCentreDistanceAndLength(p, d, "11,81", "35.57");
    EXPECT_NEAR(p.centreDistance, 11.81 * 0.0254, 1e-12);
    EXPECT_NEAR(p.beltLength, 35.57 * 0.0254, 1e-12);

    // Without a screen the boxes show the current values, which stay as
    // they are: nothing was typed.
    p.centreDistance = 0.3;
    RereadCentreDistanceAndLength(p, d);
    EXPECT_EQ(p.centreDistance, 0.3);
    EXPECT_TRUE(d.seen.empty());
}

TEST(GoOnFromStep3, UnplaceablePulleyStopsAtItsOwnMessage) {
    // 100 mm of belt cannot go round pulleys of 63.66 and 127.32 mm.
    DriveProject p = TwoPulleys();
    p.twoPulleyMode = 2;
    p.beltLength = 0.1;
    ScriptedDialogs d;
    EXPECT_EQ(GoOnFromStep3(p, d), NextStep::Stay);
    EXPECT_EQ(Texts(d),
              std::vector<std::string>{"I can't find the pulley position !!!\rChange the belt length."});
}

TEST(GoOnFromStep3, RefusedInputDataStaysBeforeAnyGeometry) {
    DriveProject p = TwoPulleys();
    p.power = 0;
    ScriptedDialogs d;
    EXPECT_EQ(GoOnFromStep3(p, d), NextStep::Stay);
    EXPECT_EQ(Texts(d), std::vector<std::string>{"Power must be greater than zero !!!"});
    EXPECT_EQ(p.beltPathTable[0][0], 0);
}

// A project file may name any family, or none: the design does not start
// on a belt the catalogue does not have, and says which word it refused.
TEST(GoOnFromStep3, AnUnknownFamilyIsRefusedWithItsName) {
    for (const char* family : {"ACME", "", "orvanto"}) {
        SCOPED_TRACE(family);
        DriveProject p = TwoPulleys();
        p.beltFamily = family;
        ScriptedDialogs d;
        EXPECT_EQ(GoOnFromStep3(p, d), NextStep::Stay);
        ASSERT_EQ(d.seen.size(), 1u);
        EXPECT_EQ(d.seen[0].text, "Unknown belt family \"" + std::string(family) + "\"");
        EXPECT_EQ(d.seen[0].title, kRefusal);
        EXPECT_EQ(d.seen[0].icon, MsgIcon::Warning);
        EXPECT_EQ(p.calcState, 1);
        EXPECT_EQ(p.pulleyPosition[0][2], 0);  // no geometry
        EXPECT_TRUE(p.beltCode.empty());
    }
}

TEST(GoOnFromStep3, EachPassStepsToTheNextBeltPathAndWraps) {
    DriveProject p = Demonstration();
    ScriptedDialogs d;
    // Path 1 runs every pulley on the toothed side; path 2 needs the back
    // of the belt on pulley 4 and asks for a double-sided belt.
    d.answers = {MsgAnswer::No};
    const int expected[] = {1, 2, 1};
    for (const int path : expected) {
        EXPECT_EQ(GoOnFromStep3(p, d), NextStep::ShowStep4);
        EXPECT_EQ(p.beltPathTable[0][0], 2);
        EXPECT_EQ(p.beltPathTable[0][1], path);
    }
    EXPECT_EQ(Texts(d), std::vector<std::string>{kDoubleSidedQuestion});
    EXPECT_EQ(p.beltName, "ORVANTO T10");
}

TEST(GoOnFromStep4, RefusesBeforeTheLengthIsMeasured) {
    struct Case {
        const char* name;
        int paths;
        bool drawn;
        int adjust;
        bool omega;
        const char* text;
        const char* title;
        MsgIcon icon;
    };
    const Case cases[] = {
        {"no belt path", 0, true, 0, false, "This configuration is not possible !!!", kRefusal,
         MsgIcon::Warning},
        {"not drawn", 2, false, 0, false, "Click on DRAW button", "", MsgIcon::None},
        {"adjustment pending", 2, true, 1, false,
         "Adjust the position of the pulleys by clicking on one of them.", kRefusal, MsgIcon::Warning},
        {"omega drive adjustment pending", 2, true, 4, true, "Adjust the stroke.", kRefusal,
         MsgIcon::Warning},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DriveProject p = Demonstration();
        ComputeBeltPaths(p);
        p.beltPathTable[0][0] = c.paths;
        p.beltPathTable[0][1] = 1;
        p.screen.layoutDrawn = c.drawn;
        p.layoutNeedsAdjust = c.adjust;
        if (c.omega) {
            p.beltFamily = "SELKIRA";
            p.linearDriveType = 1;
        }
        const double length = p.beltLength;
        ScriptedDialogs d;
        EXPECT_EQ(GoOnFromStep4(p, d), NextStep::Stay);
        ASSERT_EQ(d.seen.size(), 1U);
        EXPECT_EQ(d.seen[0].text, c.text);
        EXPECT_EQ(d.seen[0].title, c.title);
        EXPECT_EQ(d.seen[0].icon, c.icon);
        EXPECT_EQ(d.seen[0].buttons, MsgButtons::Ok);
        EXPECT_EQ(p.layoutNeedsAdjust, c.adjust);
        EXPECT_EQ(p.beltLength, length);
    }
}

TEST(GoOnFromStep4, InterferingPulleysStay) {
    DriveProject p = Demonstration();
    ComputeBeltPaths(p);
    p.beltPathTable[0][1] = 1;
    p.screen.layoutDrawn = true;
    p.pulleyPosition[0][3] = 0.21;  // over the idler at (200, 600) mm
    p.pulleyPosition[1][3] = 0.58;
    ScriptedDialogs d;
    EXPECT_EQ(GoOnFromStep4(p, d), NextStep::Stay);
    EXPECT_EQ(Texts(d), std::vector<std::string>{kInterference});
}

// Demonstration layout on path 1 as DRAW leaves it, with lastStandardLength
// `offset` below the length of the layout.
struct Step4Layout {
    DriveProject p = Demonstration();
    double length = 0;
    Step4Layout() {
        ComputeBeltPaths(p);
        p.beltPathTable[0][1] = 1;
        p.screen.layoutDrawn = true;
        length = ComputeBeltLength(p);
    }
};

TEST(GoOnFromStep4, ALengthWithinOneHundredthOfAMillimetreIsStandard) {
    // The closest lastStandardLength below the length that still counts as
    // standard, and the next one down, which does not.
    Step4Layout layout;
    double within = layout.length - 1e-5;
    while (layout.length - within > 1e-5) within = std::nextafter(within, layout.length);
    while (layout.length - std::nextafter(within, 0.0) <= 1e-5) within = std::nextafter(within, 0.0);
    const double beyond = std::nextafter(within, 0.0);

    {
        DriveProject p = layout.p;
        p.lastStandardLength = within;
        ScriptedDialogs d;
        d.acceptInputDefaults = true;
        EXPECT_EQ(GoOnFromStep4(p, d), NextStep::ShowStep5);
        ASSERT_EQ(d.seen.size(), 1U);
        EXPECT_EQ(d.seen[0].kind, RecordedDialog::Kind::Input);
        EXPECT_EQ(p.beltLength, layout.length);
        EXPECT_FALSE(p.beltCode.empty());
    }
    {
        DriveProject p = layout.p;
        p.lastStandardLength = beyond;
        ScriptedDialogs d;
        d.answers = {MsgAnswer::Cancel};
        EXPECT_EQ(GoOnFromStep4(p, d), NextStep::Stay);
        ASSERT_EQ(d.seen.size(), 1U);
        EXPECT_EQ(d.seen[0].title, "ORVANTO T10");
        EXPECT_EQ(p.lastStandardLength, kNoStandardLength);
        EXPECT_TRUE(p.beltCode.empty());
    }
}

TEST(GoOnFromStep4, ChosenStandardLengthAsksForTheAdjustment) {
    Step4Layout layout;
    DriveProject p = layout.p;
    p.lastStandardLength = kNoStandardLength;
    ScriptedDialogs d;
    d.answers = {MsgAnswer::No, MsgAnswer::Yes};  // rounded lengths, the shorter one
    EXPECT_EQ(GoOnFromStep4(p, d), NextStep::ShowAdjustHint);
    EXPECT_EQ(p.layoutNeedsAdjust, 1);
    EXPECT_DOUBLE_EQ(p.lastStandardLength, layout.length);
    EXPECT_NEAR(p.beltLength, std::floor(layout.length * 100) / 100, 1e-12);

    // Go On again without moving a pulley.
    d.seen.clear();
    EXPECT_EQ(GoOnFromStep4(p, d), NextStep::Stay);
    EXPECT_EQ(Texts(d),
              std::vector<std::string>{"Adjust the position of the pulleys by clicking on one of them."});
}

TEST(GoOnFromStep4, AnotherPathAfterAStandardLengthIsMeasuredAgain) {
    // Path 1 was accepted as standard; DRAW then moved to path 2, whose belt
    // is longer. Go On must not size the belt of path 1.
    Step4Layout layout;
    DriveProject p = layout.p;
    p.beltLength = layout.length;
    p.lastStandardLength = layout.length;
    ScriptedDialogs d;
    d.answers = {MsgAnswer::No, MsgAnswer::Cancel};
    NextBeltPath(p, d);
    ASSERT_EQ(p.beltPathTable[0][1], 2);
    d.seen.clear();

    EXPECT_EQ(GoOnFromStep4(p, d), NextStep::Stay);
    ASSERT_EQ(d.seen.size(), 1U);
    EXPECT_EQ(d.seen[0].title, "ORVANTO T10");
    EXPECT_NE(d.seen[0].text.find("2189.89 mm"), std::string::npos);
    EXPECT_NEAR(p.beltLength, 2.1898944449, 1e-9);
    EXPECT_EQ(p.lastStandardLength, kNoStandardLength);
}

// The demonstration design as saved on STEP4 before DRAW, calculated as the
// user would: DRAW to path 2 (no double-sided belt), Go On, the longer of
// the rounded lengths, pulley 2 moved vertically to fit it, Go On, the
// proposed width.
TEST(DesignSequence, DemonstrationDesignGivesTheDemonstrationResults) {
    DriveProject p = StartedProject();
    const OpenResult opened = ProjectFile::open(std::string(BELT_TEST_DATA_DIR) + "/demo-design.dat", p);
    ASSERT_TRUE(opened.ok) << opened.message;
    LoadStep3Catalogue(p);
    p.beltPathTable[0][1] = 1;  // Go On steps to path 2

    ScriptedDialogs d;
    d.answers = {MsgAnswer::No, MsgAnswer::No, MsgAnswer::No};
    ASSERT_EQ(GoOnFromStep3(p, d), NextStep::ShowStep4);
    EXPECT_EQ(p.beltPathTable[0][1], 2);
    MarkLayoutDrawn(p);
    ASSERT_EQ(GoOnFromStep4(p, d), NextStep::ShowAdjustHint);
    EXPECT_NEAR(p.lastStandardLength, 2.1898944449, 1e-10);  // 2189.89 mm laid out
    EXPECT_DOUBLE_EQ(p.beltLength, 2.19);
    ASSERT_TRUE(AdjustPulley(p, d, 2, kAxisY));
    EXPECT_NEAR(p.pulleyPosition[1][2], 0.6000557, 0.5e-7);  // 600.0557 mm

    d.acceptInputDefaults = true;
    ASSERT_EQ(GoOnFromStep4(p, d), NextStep::ShowStep5);
    const std::vector<std::string> boxes = Texts(d);
    ASSERT_EQ(boxes.size(), 4U);
    EXPECT_EQ(boxes[0], kDoubleSidedQuestion);
    EXPECT_EQ(boxes[3].rfind("Recommended belt width is 85.00 [mm]", 0), 0U);

    EXPECT_NEAR(p.beltLength, 2.19, 1e-5);
    EXPECT_NEAR(p.beltLength, 2.18999999931236, 1e-13);
    const double arcs[] = {0, 1.55271742106815, 2.49439209484904, 0.20002763464256, 2.43610342590495};
    const double degrees[] = {0, 88.96, 142.92, 11.46, 139.58};
    for (int k = 1; k <= 4; ++k) {
        EXPECT_NEAR(p.pulleyArcOfContact[k], arcs[k], 1e-13) << "pulley " << k;
        EXPECT_EQ(Format(p.pulleyArcOfContact[k] * 180 / kPi, "###0.00"), Format(degrees[k], "###0.00"));
    }
    EXPECT_EQ(p.teethInMesh, 5);
    EXPECT_FLOAT_EQ(p.serviceFactor, 1.6f);
    EXPECT_EQ(Format(p.beltWidthCalculated * 1000, "###0.00"), "81.02");
    EXPECT_DOUBLE_EQ(p.beltWidth, 0.085);
    EXPECT_DOUBLE_EQ(p.pulleyFaceWidth, 0.095);
    EXPECT_NEAR(p.powerRatingWithWidth, 5707.48343363927, 1e-8);
    EXPECT_EQ(p.beltSideSuffix, "");
    EXPECT_EQ(p.beltCode, "85 T10-2190");
    EXPECT_EQ(p.beltCodeDetail, "95 T10 ");
}

// An open-end drive whose carriage data give the stroke: the centre distance
// follows every pulley chosen on step 3, so the results show the stroke asked.
TEST(GoOnFromStep3, OpenEndDriveKeepsTheStrokeAsked) {
    DriveProject p = StartedProject();
    ChooseBelt(p, "SELKIRA T", "T10");
    p.screen.beltTypeTab = 1;
    p.screen.optionInput[0] = true;  // mass of carriage
    p.carriageMass = 10;
    p.acceleration = 2;
    p.frictionForce = 5;
    p.power = 100;
    p.carriageLength = 0.2;
    p.stroke = 1.0;
    ScriptedDialogs d;
    ASSERT_TRUE(GoOnFromStep1(p, d));
    // No pulley yet: carriage and stroke alone.
    EXPECT_DOUBLE_EQ(p.centreDistance, 1.2);

    p.pulleyCount = 2;
    p.twoPulleyMode = 1;
    p.loadFactorSecond = 1.0f;
    p.lastStandardLength = kNoStandardLength;
    PrepareStep3(p, d);
    // 20 teeth T10: 63.66 mm; pulley 2 not chosen yet counts as pulley 1.
    OnInputzEnter(p, d, 1, "20");
    const double d20 = 0.2 / kPi;
    EXPECT_NEAR(p.centreDistance, 1.2 + d20, 1e-12);
    OnInputzEnter(p, d, 2, "20");
    EXPECT_NEAR(p.centreDistance, 1.2 + d20, 1e-12);
    // A larger driver moves pulley 2 by half its growth: (d1 + d2) / 2.
    OnInputzEnter(p, d, 1, "25");
    const double d25 = 0.25 / kPi;
    EXPECT_NEAR(p.centreDistance, 1.2 + (d25 + d20) / 2, 1e-12);
    // A typed centre distance is the user's own until a pulley changes again.
    OnDatoEnter(p, d, 8, "1500");
    EXPECT_DOUBLE_EQ(p.centreDistance, 1.5);
    OnInputzEnter(p, d, 1, "20");
    EXPECT_NEAR(p.centreDistance, 1.2 + d20, 1e-12);

    // The belt is a whole number of teeth: 2 x 1263.66 + 200 = 2727.32 mm
    // becomes 2720 or 2730 mm, and the carriage travels 996.3 or 1001.3 mm,
    // the stroke asked within half a pitch, never short with the longer belt.
    struct Pick {
        MsgAnswer answer;
        double beltLength;  // mm
        const char* stroke;
    };
    for (const Pick& pick : {Pick{MsgAnswer::Yes, 2720, "996.3"}, Pick{MsgAnswer::No, 2730, "1001.3"}}) {
        DriveProject q = p;
        ScriptedDialogs answers;
        answers.answers = {pick.answer};
        answers.acceptInputDefaults = true;
        ASSERT_EQ(GoOnFromStep3(q, answers), NextStep::ShowStep5);
        EXPECT_NEAR(q.beltLength, pick.beltLength / 1000, 1e-9);
        EXPECT_NEAR(StrokeOfOpenEndDrive(q), 1.0 + (q.beltLength - 2.72732) / 2, 1e-5);
        std::string stroke;
        for (const ReportLine& l : BuildResultsReport(q))
            if (l.label == "Stroke") stroke = l.value;
        EXPECT_EQ(stroke, pick.stroke);
    }
}

}  // namespace
}  // namespace belt
