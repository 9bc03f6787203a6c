#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "engine/pulleydata.h"
#include "platform/scripteddialogs.h"
#include "project/projectfile.h"
#include "testsupport.h"
#include "units/units.h"

using belt::test::ChooseBelt;
using belt::test::StartedProject;
using belt::test::kRpm;

using namespace belt;

namespace {

// Scripted dialogs that also remember which button each box preset.
struct RecordingDialogs : ScriptedDialogs {
    std::vector<MsgAnswer> presets;
    MsgAnswer message(const std::string& text, const std::string& title, MsgIcon icon, MsgButtons buttons,
                      MsgAnswer defaultButton) override {
        presets.push_back(defaultButton);
        return ScriptedDialogs::message(text, title, icon, buttons, defaultButton);
    }
};

DriveProject Drive(const std::string& family, const std::string& code, int pulleys = 2, int mode = 1) {
    DriveProject p = StartedProject();
    ChooseBelt(p, family + " T", code);
    p.pulleyCount = pulleys;
    p.twoPulleyMode = mode;
    p.lastStandardLength = kNoStandardLength;
    return p;
}

// ORVANTO T5 with the driver pulley of 31.9 mm that step 1 left and 1500 rpm,
// laid out: 20 teeth.
DriveProject LaidOutT5(RecordingDialogs& d, int pulleys = 2) {
    DriveProject p = Drive("ORVANTO", "T5", pulleys);
    p.pulleyDiameter[1] = 0.0319;
    p.pulleySpeed[1] = 1500 * kRpm;
    PrepareStep3(p, d);
    return p;
}

bool AllFinite(const DriveProject& p) {
    for (int k = 0; k <= 4; ++k)
        if (!std::isfinite(p.pulleyDiameter[k]) || !std::isfinite(p.pulleySpeed[k]) ||
            !std::isfinite(p.pulleyRatio[k]))
            return false;
    return std::isfinite(p.beltSpeed) && std::isfinite(p.power) && std::isfinite(p.peripheralForce);
}

}  // namespace

TEST(Step3Layout, LoadsTheBeltsCatalogueAndSnapsTheDriverPulley) {
    RecordingDialogs d;
    DriveProject p = LaidOutT5(d);
    EXPECT_TRUE(d.seen.empty());
    EXPECT_DOUBLE_EQ(p.beltPitch, 0.005);
    EXPECT_GT(p.minIdlerDiameterInside, 0);
    EXPECT_GT(p.standardWidths[0] + p.standardWidths[1], 0);
    EXPECT_NE(p.toothLoadCoefficients[0], 0);

    EXPECT_EQ(p.pulleyTeeth[1], 20);
    EXPECT_NEAR(p.pulleyDiameter[1], 0.031831, 5e-7);
    EXPECT_NEAR(p.beltSpeed, 2.5, 1e-4);
    EXPECT_DOUBLE_EQ(p.beltSpeed, p.pulleySpeed[1] * p.pulleyDiameter[1] / 2);
    EXPECT_DOUBLE_EQ(p.pulleyRatio[1], 1);
    const PulleyDataTexts t = ShowPulleyData(p);
    EXPECT_EQ(t.inputz[1], "20");
    EXPECT_EQ(t.inputd[1], "31.83");
    EXPECT_EQ(t.inputn[1], "1500.0");
    EXPECT_EQ(t.dato[7], "2.50");
}

TEST(Step3Layout, IdlerFlagsComeFromTheCheckBoxes) {
    RecordingDialogs d;
    DriveProject p = Drive("ORVANTO", "T10", 4, 0);
    p.screen.checkIdler[3] = 1;
    p.pulleyIsIdler[2] = kTrue;  // left from an earlier layout, box unchecked
    PrepareStep3(p, d);
    EXPECT_EQ(p.pulleyIsIdler[2], 0);
    EXPECT_EQ(p.pulleyIsIdler[3], kTrue);
    EXPECT_FALSE(Step3BoxEnabled(p, Step3Box::InputN, 3));
    EXPECT_TRUE(Step3BoxEnabled(p, Step3Box::InputD, 3));
    EXPECT_FALSE(Step3PanelVisible(p, 8));
    EXPECT_FALSE(Step3PanelVisible(p, 9));
    EXPECT_TRUE(Step3PanelVisible(p, 4));
}

TEST(Step3Layout, MultiRibAndFlatBeltsHaveNoTeethBoxes) {
    for (const char* family : {"QUINDEL", "FENDARO"}) {
        SCOPED_TRACE(family);
        RecordingDialogs d;
        DriveProject p = Drive(family, family == std::string("QUINDEL") ? "J" : "FXA1");
        p.pulleyDiameter[1] = 0.0319;
        PrepareStep3(p, d);
        EXPECT_FALSE(Step3BoxVisible(p, Step3Box::InputZ, 1));
        EXPECT_DOUBLE_EQ(p.pulleyDiameter[1], 0.0319);  // not snapped to teeth
        EXPECT_EQ(p.pulleyTeeth[1], 0);
        EXPECT_DOUBLE_EQ(p.beltPitch, 0.001);
    }
}

TEST(Step3Entry, RatioGivesSpeedAndSnappedDiameter) {
    RecordingDialogs d;
    DriveProject p = LaidOutT5(d);
    const Step3Response r = OnInputiEnter(p, d, 2, "2");
    EXPECT_TRUE(d.seen.empty());
    EXPECT_EQ(p.pulleyTeeth[2], 40);
    EXPECT_NEAR(p.pulleyDiameter[2], 0.063662, 5e-7);
    EXPECT_NEAR(p.pulleySpeed[2] / kRpm, 750, 1e-6);
    EXPECT_DOUBLE_EQ(p.pulleyRatio[2], p.pulleyDiameter[2] / p.pulleyDiameter[1]);
    EXPECT_EQ(r.focus, (Step3Focus{Step3Box::Dato, 8}));
    const PulleyDataTexts t = ShowPulleyData(p);
    EXPECT_EQ(t.inputn[2], "750.0");
    EXPECT_EQ(t.inputz[2], "40");
    EXPECT_EQ(t.inputi[2], "2.0");

    // Enter in a ratio box that shows the ratio unchanged reads nothing.
    const Step3Response again = OnInputiEnter(p, d, 2, "2.0");
    EXPECT_FALSE(again.refresh);
    EXPECT_EQ(again.enteredText, "2.0");
}

// A teeth number the pulley table does not hold is refused, whether typed
// or reached from another box: the whole drive stays as it was, and the box
// typed in keeps the focus with its old value.
TEST(Step3Entry, TeethOutsideTheTableChangeNothing) {
    struct Case {
        const char* code;
        Step3Focus box;
        const char* typed;
        const char* message;
    } cases[] = {
        {"T5", {Step3Box::InputZ, 2}, "251", "driven pulley is too large"},
        {"T10", {Step3Box::InputZ, 2}, "251", "driven pulley is too large"},
        {"MXL", {Step3Box::InputZ, 2}, "300", "driven pulley is too large"},
        {"T10", {Step3Box::InputZ, 2}, "11", "driven pulley is too small"},
        {"AT10", {Step3Box::InputZ, 2}, "14", "driven pulley is too small"},
        {"T5", {Step3Box::InputZ, 2}, "0", "driven pulley is too small"},
        {"T5", {Step3Box::InputZ, 1}, "0", "driver pulley is too small"},
        {"T10", {Step3Box::InputD, 1}, "1", "driver pulley is too small"},
        {"T10", {Step3Box::Dato, 7}, "900", "driver pulley is too large"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.code) + " box " + std::to_string(c.box.index) + " = " + c.typed);
        RecordingDialogs d;
        DriveProject p = Drive("ORVANTO", c.code);
        p.pulleySpeed[1] = 1450 * kRpm;
        PrepareStep3(p, d);
        OnInputzEnter(p, d, 1, "20");
        OnInputzEnter(p, d, 2, "40");
        ASSERT_TRUE(d.seen.empty());
        const std::string before = ProjectFile::write(p);
        const PulleyDataTexts shown = ShowPulleyData(p);
        Step3Response r;
        switch (c.box.box) {
            case Step3Box::InputN: r = OnInputnEnter(p, d, c.box.index, c.typed); break;
            case Step3Box::InputZ: r = OnInputzEnter(p, d, c.box.index, c.typed); break;
            case Step3Box::InputD: r = OnInputdEnter(p, d, c.box.index, c.typed); break;
            case Step3Box::InputI: r = OnInputiEnter(p, d, c.box.index, c.typed); break;
            case Step3Box::Dato: r = OnDatoEnter(p, d, c.box.index, c.typed); break;
        }
        ASSERT_EQ(d.seen.size(), 1u);
        EXPECT_EQ(d.seen[0].text,
                  std::string("Requested teeth number for ") + c.message + " !\rChange n or belt speed.");
        EXPECT_EQ(d.seen[0].title, "Warning !!!");
        EXPECT_EQ(d.seen[0].icon, MsgIcon::Error);
        EXPECT_EQ(ProjectFile::write(p), before);
        EXPECT_EQ(r.focus, c.box);
        const std::size_t k = static_cast<std::size_t>(c.box.index);
        switch (c.box.box) {
            case Step3Box::InputN: EXPECT_EQ(r.enteredText, shown.inputn[k]); break;
            case Step3Box::InputZ: EXPECT_EQ(r.enteredText, shown.inputz[k]); break;
            case Step3Box::InputD: EXPECT_EQ(r.enteredText, *shown.inputd[k]); break;
            case Step3Box::InputI: EXPECT_EQ(r.enteredText, shown.inputi[k]); break;
            case Step3Box::Dato: EXPECT_EQ(r.enteredText, shown.dato[k]); break;
        }
    }
}

TEST(Step3Entry, TeethOfAFourPulleyDriveFollowTheDriver) {
    // The demonstration's pulleys: 3.4 kW at 1200 rpm on 23 teeth of T10,
    // pulley 2 an idler of 60 mm, pulleys 3 and 4 with 40 and 61 teeth.
    RecordingDialogs d;
    DriveProject p = Drive("ORVANTO", "T10", 4, 0);
    p.power = 3400;
    p.pulleySpeed[1] = 1200 * kRpm;
    p.pulleyDiameter[1] = 0.07321;
    PrepareStep3(p, d);
    OnCheckIdlerClick(p, 2, true);
    EXPECT_EQ(OnInputdEnter(p, d, 2, "60").focus, (Step3Focus{Step3Box::InputN, 3}));
    OnInputzEnter(p, d, 3, "40");
    OnInputzEnter(p, d, 4, "61");
    EXPECT_TRUE(d.seen.empty());

    const PulleyDataTexts t = ShowPulleyData(p);
    struct Row {
        int k;
        const char *n, *z, *dp, *i;
    } rows[] = {{1, "1200.0", "23", "73.21", "1.0"},
                {3, "690.0", "40", "127.32", "1.7"},
                {4, "452.5", "61", "194.17", "2.7"}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.k);
        EXPECT_EQ(t.inputn[r.k], r.n);
        EXPECT_EQ(t.inputz[r.k], r.z);
        EXPECT_EQ(*t.inputd[r.k], r.dp);
        EXPECT_EQ(t.inputi[r.k], r.i);
    }
    EXPECT_EQ(*t.inputd[2], "60.00");
    EXPECT_EQ(t.dato[5], "3.40");
    EXPECT_EQ(t.dato[6], "739.13");
    EXPECT_EQ(t.dato[7], "4.60");
    EXPECT_DOUBLE_EQ(p.pulleyDiameter[3], 40 * 0.01 / kPi);
    EXPECT_DOUBLE_EQ(p.pulleyRatio[4], p.pulleyDiameter[4] / p.pulleyDiameter[1]);
    EXPECT_DOUBLE_EQ(p.pulleyDiameter[2], 0.06);
    EXPECT_EQ(p.pulleySpeed[2], 0);
}

TEST(Step3Entry, IdlerCheckBoxClearsThePulley) {
    RecordingDialogs d;
    DriveProject p = Drive("ORVANTO", "T10", 3, 0);
    PrepareStep3(p, d);
    p.pulleySpeed[3] = 50;
    p.pulleyTeeth[3] = 30;
    p.pulleyRatio[3] = 1.5;
    p.pulleyDiameter[3] = 0.0955;
    OnCheckIdlerClick(p, 3, true);
    EXPECT_EQ(p.pulleyIsIdler[3], kTrue);
    EXPECT_EQ(p.screen.checkIdler[3], 1);
    EXPECT_EQ(p.pulleySpeed[3], 0);
    EXPECT_EQ(p.pulleyTeeth[3], 0);
    EXPECT_EQ(p.pulleyRatio[3], 0);
    EXPECT_EQ(p.pulleyDiameter[3], 0);
    for (Step3Box b : {Step3Box::InputN, Step3Box::InputZ, Step3Box::InputI})
        EXPECT_FALSE(Step3BoxEnabled(p, b, 3));
    EXPECT_TRUE(Step3BoxEnabled(p, Step3Box::InputD, 3));

    OnCheckIdlerClick(p, 3, false);
    EXPECT_EQ(p.pulleyIsIdler[3], 0);
    EXPECT_TRUE(Step3BoxEnabled(p, Step3Box::InputN, 3));
}

TEST(Step3Entry, IdlerDiameterBelowTheRecommendationIsKept) {
    RecordingDialogs d;
    DriveProject p = Drive("ORVANTO", "T10", 3, 0);
    PrepareStep3(p, d);
    OnCheckIdlerClick(p, 3, true);
    // An idler whose box still reads 0 keeps its text: the layout gives it
    // the recommended diameter later.
    p.pulleyDiameter[3] = p.minIdlerDiameterInside;
    EXPECT_FALSE(ShowPulleyData(p).inputd[3].has_value());

    const std::string min = Format(p.minIdlerDiameterInside * 1000, "###0.00");
    const Step3Response r = OnInputdEnter(p, d, 3, "10");
    ASSERT_EQ(d.seen.size(), 1u);
    EXPECT_EQ(d.seen[0].text, "Recommended idler minimum diameter is " + min + " [mm]");
    EXPECT_EQ(d.seen[0].title, "Warning !!!");
    EXPECT_EQ(d.seen[0].icon, MsgIcon::Error);
    EXPECT_DOUBLE_EQ(p.pulleyDiameter[3], 0.01);
    EXPECT_TRUE(p.screen.idlerDiameterTyped[3]);
    EXPECT_EQ(r.enteredText, "10.00");
    EXPECT_EQ(*ShowPulleyData(p).inputd[3], "10.00");
    EXPECT_EQ(r.focus, (Step3Focus{Step3Box::Dato, 5}));
}

TEST(Step3Entry, BeltSpeedQuestionOnlyForADifferentSpeed) {
    RecordingDialogs d;
    DriveProject p = LaidOutT5(d);
    const double v = p.beltSpeed;
    const double d1 = p.pulleyDiameter[1];

    // The speed the pulley already has: v = n d / 2 holds exactly.
    OnInputnEnter(p, d, 1, "1500");
    EXPECT_TRUE(d.seen.empty());

    // 1600 rpm, No: the belt speed stays and the diameter follows from it.
    d.answers = {MsgAnswer::No};
    Step3Response r = OnInputnEnter(p, d, 1, "1600");
    ASSERT_EQ(d.seen.size(), 1u);
    EXPECT_EQ(d.seen[0].text, "Do you want to change the belt speed v = 2.5 [m/s] ?");
    EXPECT_EQ(d.seen[0].title, "Warning !!!");
    EXPECT_EQ(d.seen[0].icon, MsgIcon::Question);
    EXPECT_EQ(d.seen[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(d.presets[0], MsgAnswer::No);
    EXPECT_DOUBLE_EQ(p.beltSpeed, v);
    EXPECT_EQ(p.pulleyTeeth[1], 19);  // 2 v / n = 29.84 mm snapped to 19 teeth
    EXPECT_DOUBLE_EQ(p.pulleySpeed[1], 2 * v / p.pulleyDiameter[1]);
    EXPECT_EQ(r.focus, (Step3Focus{Step3Box::InputZ, 1}));

    // Yes: the belt speed follows the pulley.
    d.answers = {MsgAnswer::Yes};
    OnInputzEnter(p, d, 1, "20");
    OnInputnEnter(p, d, 1, "1600");
    EXPECT_DOUBLE_EQ(p.pulleyDiameter[1], d1);
    EXPECT_NEAR(p.pulleySpeed[1] / kRpm, 1600, 1e-9);
    EXPECT_DOUBLE_EQ(p.beltSpeed, p.pulleySpeed[1] * d1 / 2);
}

TEST(Step3Entry, MultiRibMinimumDiameterQuestion) {
    struct Case {
        const char* section;
        const char* min;
        double minM;
    } cases[] = {{"ZB2", "15.00", 0.015}, {"J", "20.00", 0.020}, {"H", "13.00", 0.013}};
    for (const Case& c : cases) {
        for (MsgAnswer answer : {MsgAnswer::Yes, MsgAnswer::No}) {
            SCOPED_TRACE(std::string(c.section) + (answer == MsgAnswer::Yes ? " Yes" : " No"));
            RecordingDialogs d;
            DriveProject p = Drive("QUINDEL", c.section);
            PrepareStep3(p, d);
            d.answers = {answer};
            OnInputdEnter(p, d, 1, "12");
            ASSERT_EQ(d.seen.size(), 1u);
            EXPECT_EQ(d.seen[0].text, std::string("Minimum allowed diameter is ") + c.min +
                                          " [mm]\rDo I change to this value ?");
            EXPECT_EQ(d.seen[0].title, "Warning !!!");
            EXPECT_EQ(d.seen[0].icon, MsgIcon::Question);
            EXPECT_EQ(d.presets[0], MsgAnswer::No);
            EXPECT_DOUBLE_EQ(p.pulleyDiameter[1], answer == MsgAnswer::Yes ? c.minM : 0.012);
        }
    }
    RecordingDialogs d;
    DriveProject p = Drive("QUINDEL", "J");
    OnInputdEnter(p, d, 1, "20");
    EXPECT_TRUE(d.seen.empty());
}

TEST(Step3Entry, FlatBeltIsoDiameterQuestion) {
    struct Case {
        const char* typed;
        const char* offered;  // nullptr: no question
        double crownMm;
    } cases[] = {{"95", "100.00", 0.3}, {"120", "125.00", 0.4}, {"30", "40.00", 0.3}, {"100", nullptr, 0.3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        RecordingDialogs d;
        DriveProject p = Drive("FENDARO", "FXA1", 2);
        PrepareStep3(p, d);
        d.answers = {MsgAnswer::Yes};
        OnInputdEnter(p, d, 2, c.typed);
        EXPECT_NEAR(p.pulleyCrownHeight[2], c.crownMm / 1000, 1e-12);
        if (!c.offered) {
            EXPECT_TRUE(d.seen.empty());
            continue;
        }
        ASSERT_EQ(d.seen.size(), 1u);
        EXPECT_EQ(d.seen[0].text, std::string("For driven pulley ISO standard diameter is ") + c.offered +
                                      " [mm]\rDo I change to this value ?");
        EXPECT_EQ(d.seen[0].title, "Warning !!!");
        EXPECT_EQ(d.presets[0], MsgAnswer::No);
        EXPECT_NEAR(p.pulleyDiameter[2], Val(c.offered) / 1000, 1e-12);
    }
}

TEST(Step3Entry, DriveDataKeepPowerForceAndSpeedTogether) {
    struct Case {
        const char* name;
        double P, F, v;  // before, W N m/s
        int box;
        const char* typed;
        double wantP, wantF, wantV;
        Step3Focus focus;
    } cases[] = {
        {"power with speed", 0, 0, 2, 5, "3", 3000, 1500, 2, {Step3Box::Dato, 6}},
        {"power with force only", 0, 500, 0, 5, "1", 1000, 500, 2, {Step3Box::Dato, 6}},
        {"power without force or speed", 0, 0, 0, 5, "1", 1000, 0, 0, {Step3Box::Dato, 6}},
        {"force without power", 0, 0, 2, 6, "100", 200, 100, 2, {Step3Box::Dato, 7}},
        {"force with power", 1000, 0, 2, 6, "250", 1000, 250, 4, {Step3Box::Dato, 7}},
        {"zero force with power", 1000, 500, 2, 6, "0", 1000, 0, 0, {Step3Box::Dato, 7}},
        {"speed with power", 1000, 0, 0, 7, "4", 1000, 250, 4, {Step3Box::InputN, 1}},
        {"zero speed with power", 1000, 500, 2, 7, "0", 1000, 0, 0, {Step3Box::InputN, 1}},
        {"speed without power", 0, 100, 0, 7, "3", 300, 100, 3, {Step3Box::InputN, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingDialogs d;
        DriveProject p = Drive("ORVANTO", "T10");
        p.power = c.P;
        p.peripheralForce = c.F;
        p.beltSpeed = c.v;
        const Step3Response r = OnDatoEnter(p, d, c.box, c.typed);
        EXPECT_DOUBLE_EQ(p.power, c.wantP);
        EXPECT_DOUBLE_EQ(p.peripheralForce, c.wantF);
        EXPECT_DOUBLE_EQ(p.beltSpeed, c.wantV);
        EXPECT_EQ(r.focus, c.focus);
        EXPECT_TRUE(d.seen.empty());
    }
}

TEST(Step3Entry, PowerWithoutSpeedClearsDiametersOfTurningPulleys) {
    RecordingDialogs d;
    DriveProject p = Drive("ORVANTO", "T10", 3, 0);
    PrepareStep3(p, d);
    p.pulleySpeed[1] = 100;
    p.pulleyDiameter[1] = 0.1;
    p.pulleyDiameter[2] = 0.2;  // no speed: keeps its diameter
    OnDatoEnter(p, d, 5, "2");
    EXPECT_EQ(p.beltSpeed, 0);
    EXPECT_EQ(p.peripheralForce, 0);
    EXPECT_EQ(p.pulleyDiameter[1], 0);
    EXPECT_EQ(p.pulleySpeed[2], 0);
    EXPECT_TRUE(AllFinite(p));
}

TEST(Step3Entry, CentreDistanceAndLengthForgetTheStandardLength) {
    for (int box : {8, 9}) {
        RecordingDialogs d;
        DriveProject p = Drive("ORVANTO", "T10", 2, box == 8 ? 1 : 2);
        p.lastStandardLength = 1.2;
        const Step3Response r = OnDatoEnter(p, d, box, "450,5");
        EXPECT_EQ(p.lastStandardLength, kNoStandardLength);
        EXPECT_DOUBLE_EQ(box == 8 ? p.centreDistance : p.beltLength, 0.4505);
        EXPECT_EQ(r.enteredText, "450.50");
        EXPECT_EQ(r.focus, (Step3Focus{Step3Box::Dato, 5}));
    }
}

// Enter on a length box that still shows what the program wrote keeps the
// value behind it in every unit: the standard length stays standard, the
// recommended idler diameter stays the recommendation.
TEST(Step3Entry, LengthShownUnchangedKeepsItsValue) {
    for (int unit = 1; unit <= 5; ++unit) {
        SCOPED_TRACE("length unit " + std::to_string(unit));
        for (int box : {8, 9}) {
            RecordingDialogs d;
            DriveProject p = Drive("ORVANTO", "T10", 2, box == 8 ? 1 : 2);
            ChooseUnit(p, kLength, unit);
            p.beltLength = 1.08;
            p.centreDistance = 0.3886998;
            p.lastStandardLength = 1.08;
            const std::string shown = ShowPulleyData(p).dato[static_cast<std::size_t>(box)];
            const Step3Response r = OnDatoEnter(p, d, box, shown);
            EXPECT_EQ(r.enteredText, shown);
            EXPECT_EQ(p.beltLength, 1.08);
            EXPECT_EQ(p.centreDistance, 0.3886998);
            EXPECT_EQ(p.lastStandardLength, 1.08);
        }
        RecordingDialogs d;
        DriveProject p = Drive("ORVANTO", "T10", 3, 0);
        ChooseUnit(p, kLength, unit);
        PrepareStep3(p, d);
        OnCheckIdlerClick(p, 3, true);
        p.pulleyDiameter[3] = p.minIdlerDiameterInside;
        const std::string shown = Format(ToDisplay(p, kLength, p.minIdlerDiameterInside), "###0.00");
        OnInputdEnter(p, d, 3, shown);
        EXPECT_EQ(p.pulleyDiameter[3], p.minIdlerDiameterInside);
        EXPECT_TRUE(d.seen.empty());  // not below its own recommendation
    }
}

TEST(Step3Entry, NegativeEntryIsRefusedByTheEntryRule) {
    RecordingDialogs d;
    DriveProject p = LaidOutT5(d);
    p.power = 2500;
    const Step3Response r = OnDatoEnter(p, d, 5, "-3");
    ASSERT_EQ(d.seen.size(), 1u);
    EXPECT_EQ(d.seen[0].text, "Please, insert positive values.");
    EXPECT_EQ(p.power, 2500);
    EXPECT_EQ(r.enteredText, "2.50");
    EXPECT_EQ(r.focus, (Step3Focus{Step3Box::Dato, 5}));
}

// Enter on what a box shows keeps the value behind it, derives nothing and
// moves on: the belt speed shown as 2.42 stays 2.41667.
TEST(Step3Entry, ShownValueKeepsItsPrecision) {
    RecordingDialogs d;
    DriveProject p = Drive("ORVANTO", "T5");
    p.pulleyDiameter[1] = 0.0319;
    p.pulleySpeed[1] = 1450 * kRpm;
    PrepareStep3(p, d);
    OnInputzEnter(p, d, 2, "45");
    OnDatoEnter(p, d, 5, "0.5");
    OnDatoEnter(p, d, 8, "300");
    ASSERT_TRUE(d.seen.empty());
    const std::string before = ProjectFile::write(p);
    const PulleyDataTexts t = ShowPulleyData(p);
    ASSERT_EQ(t.dato[7], "2.42");
    ASSERT_NE(p.beltSpeed, 2.42);
    for (int box = 5; box <= 8; ++box) {
        const Step3Response r = OnDatoEnter(p, d, box, t.dato[static_cast<std::size_t>(box)]);
        EXPECT_EQ(r.focus, Step3FocusAfter(p, Step3Box::Dato, box));
        EXPECT_FALSE(r.refresh);
    }
    for (int k = 1; k <= 2; ++k) {
        const auto ks = static_cast<std::size_t>(k);
        OnInputnEnter(p, d, k, t.inputn[ks]);
        OnInputzEnter(p, d, k, t.inputz[ks]);
        OnInputdEnter(p, d, k, *t.inputd[ks]);
        OnInputiEnter(p, d, k, t.inputi[ks]);
    }
    EXPECT_EQ(ProjectFile::write(p), before);
    EXPECT_TRUE(d.seen.empty());
}

// Text that is no number is refused in every box: the drive stays as it
// was (nothing is derived from it), and the box keeps the focus.
TEST(Step3Entry, LettersChangeNothing) {
    RecordingDialogs d;
    DriveProject p = LaidOutT5(d, 2);
    OnInputzEnter(p, d, 2, "40");
    d.seen.clear();
    const std::string before = ProjectFile::write(p);
    const Step3Focus boxes[] = {{Step3Box::InputN, 1}, {Step3Box::InputZ, 1}, {Step3Box::InputD, 2},
                                {Step3Box::InputI, 2}, {Step3Box::Dato, 5},   {Step3Box::Dato, 6},
                                {Step3Box::Dato, 7},   {Step3Box::Dato, 8}};
    for (const Step3Focus& b : boxes) {
        Step3Response r;
        switch (b.box) {
            case Step3Box::InputN: r = OnInputnEnter(p, d, b.index, "abc"); break;
            case Step3Box::InputZ: r = OnInputzEnter(p, d, b.index, "abc"); break;
            case Step3Box::InputD: r = OnInputdEnter(p, d, b.index, "abc"); break;
            case Step3Box::InputI: r = OnInputiEnter(p, d, b.index, "abc"); break;
            case Step3Box::Dato: r = OnDatoEnter(p, d, b.index, "abc"); break;
        }
        EXPECT_EQ(ProjectFile::write(p), before) << b.index;
        EXPECT_EQ(r.focus, b);
        EXPECT_FALSE(r.refresh);
    }
    EXPECT_EQ(d.messageTexts(), std::vector<std::string>(std::size(boxes), "Please, insert a number."));
}

TEST(Step3Entry, FocusMovesToTheNextEnabledBox) {
    RecordingDialogs d;
    DriveProject p = Drive("ORVANTO", "T10", 4, 0);
    PrepareStep3(p, d);
    OnCheckIdlerClick(p, 2, true);
    EXPECT_EQ(OnInputdEnter(p, d, 1, "60").focus, (Step3Focus{Step3Box::InputD, 2}));
    d.seen.clear();
    EXPECT_EQ(OnInputiEnter(p, d, 3, "1").focus, (Step3Focus{Step3Box::InputN, 4}));
    EXPECT_EQ(OnInputiEnter(p, d, 4, "1").focus, (Step3Focus{Step3Box::Dato, 5}));

    DriveProject q = Drive("QUINDEL", "J", 2, 2);
    EXPECT_EQ(OnInputnEnter(q, d, 1, "100").focus, (Step3Focus{Step3Box::InputD, 1}));
    EXPECT_EQ(OnInputiEnter(q, d, 2, "1").focus, (Step3Focus{Step3Box::Dato, 9}));
}

TEST(Step3Entry, NoNaNAfterResetOrAbsurdEntries) {
    // After Reset pulleyRatio(1) is 0 and nothing has a speed or diameter.
    RecordingDialogs d;
    d.answers.assign(20, MsgAnswer::No);
    DriveProject p = Drive("ORVANTO", "T10", 3, 0);
    p.reset();
    InitUnitTables(p);
    p.beltFamily = "ORVANTO";
    p.beltPitchCode = "T10";
    p.beltName = "ORVANTO T10";
    p.pulleyCount = 3;
    PrepareStep3(p, d);
    OnInputiEnter(p, d, 1, "2");
    OnInputiEnter(p, d, 2, "2");
    OnInputnEnter(p, d, 1, "1500");
    OnInputiEnter(p, d, 3, "3");
    EXPECT_TRUE(AllFinite(p));
    OnDatoEnter(p, d, 7, "1e300");
    OnInputnEnter(p, d, 2, "1e300");
    OnDatoEnter(p, d, 6, "1e999");
    OnDatoEnter(p, d, 5, "1e308");
    OnInputdEnter(p, d, 3, "1e305");
    EXPECT_TRUE(AllFinite(p));
}

TEST(Step3Texts, TitlesByFamily) {
    struct Case {
        const char* family;
        int linear;
        const char* code;
        const char* title;
        bool withLoadFactor;
    } cases[] = {
        {"ORVANTO", 0, "T10", "ORVANTO PU Endless Timing Belt: Size T10", true},
        {"SELKIRA", 0, "AT10", "SELKIRA PU Open End Timing Belt: Size AT10", false},
        {"SELKIRA", 1, "T5", "SELKIRA PU Omega Drive Timing Belt: Size T5", false},
        {"SELKIRA", 2, "T5", "SELKIRA PU Joined Timing Belt: Size T5", false},
        {"TAVOREN", 0, "T20", "TAVOREN PU Endless Timing Belt: Size T20", false},
        {"QUINDEL", 0, "J", "QUINDEL PU Endless Multirib Belt: Type J", false},
        {"FENDARO", 0, "FXA1", "FENDARO Endless Flat Belt: Type FXA1", false},
        {"RUBBER", 0, "XL", "RUBBER Timing Belt: Size XL", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title);
        DriveProject p = Drive(c.family, c.code);
        p.linearDriveType = c.linear;
        p.loadFactorSecond = 1.6F;
        p.loadFactor = 1.25F;
        const Step3Titles t = TitoloBox(p);
        EXPECT_EQ(t.title, c.title);
        EXPECT_EQ(t.subtitle,
                  c.withLoadFactor ? "Service factor: 1.6    Load factor: 1.3" : "Service factor: 1.6");
        EXPECT_EQ(ShowPulleyData(p).titoloBox[0], c.title);
    }
}

TEST(Step3Texts, CaptionsAndBoxesInTheCurrentUnits) {
    DriveProject p = Drive("ORVANTO", "T10");
    p.power = 3400;
    p.peripheralForce = 739.13;
    p.beltSpeed = 4.6;
    p.centreDistance = 0.5;
    p.beltLength = 1.25;
    p.pulleySpeed[1] = 1200 * kRpm;
    p.pulleyDiameter[1] = 0.07321;
    ChooseUnit(p, kLength, 2);           // m
    ChooseUnit(p, kAngularVelocity, 2);  // rad/s
    ChooseUnit(p, kPower, 2);            // W
    const PulleyDataTexts t = ShowPulleyData(p);
    EXPECT_EQ(t.titoloBox[5], "Power [W]");
    EXPECT_EQ(t.titoloBox[6], "Peripheral force [N]");
    EXPECT_EQ(t.titoloBox[7], "Belt speed [m/s]");
    EXPECT_EQ(t.titoloBox[8], "Center Distance [m]");
    EXPECT_EQ(t.titoloBox[9], "Belt Length [m]");
    EXPECT_EQ(t.dato[5], "3400.00");
    EXPECT_EQ(t.dato[8], "0.50");
    EXPECT_EQ(t.dato[9], "1.25");
    EXPECT_EQ(t.nomeinputn[1], "n [rad/s]");
    EXPECT_EQ(t.nomeinputd[4], "Dp [m]");
    EXPECT_EQ(t.nomeinputz[1], "z [n\u00B0 of teeth]");
    EXPECT_EQ(t.nomeinputi[1], "i [speed ratio]");
    EXPECT_EQ(t.inputn[1], "125.7");
    EXPECT_EQ(*t.inputd[1], "0.07");
    EXPECT_EQ(t.titoloBox[1], "Driver Pulley");
    EXPECT_EQ(t.titoloBox[4], "Pulley 4");
}
