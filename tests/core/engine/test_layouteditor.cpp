#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/layout.h"
#include "engine/layouteditor.h"
#include "engine/standardlength.h"
#include "platform/scripteddialogs.h"
#include "testsupport.h"
#include "units/units.h"

using belt::test::ChooseBelt;
using belt::test::StartedProject;

using namespace belt;

namespace {

const char* const kNoPosition = "I can't find the new position !!!\rChange the pulley layout.";

void Place(DriveProject& p, int k, double x, double y, double d, int teeth) {
    p.pulleyPosition[0][k] = x;
    p.pulleyPosition[1][k] = y;
    p.pulleyDiameter[k] = d;
    p.pulleyTeeth[k] = teeth;
}

// The demonstration design: four pulleys with an ORVANTO T10 belt, pulley 2
// an idler of 60 mm, on its second belt path.
DriveProject DemoLayout() {
    DriveProject p = StartedProject();
    ChooseBelt(p, "ORVANTO T", "T10", 0.01);
    p.beltSuffixAvailable = "DL";
    p.pulleyCount = 4;
    Place(p, 1, 0, 0, 0.23 / kPi, 23);
    Place(p, 2, 0.2, 0.6, 0.06, 0);
    Place(p, 3, 0.38, 0.35, 0.4 / kPi, 40);
    Place(p, 4, 0.45, -0.1, 0.61 / kPi, 61);
    p.pulleyIsIdler[2] = kTrue;
    p.screen.idlerDiameterTyped[2] = true;
    ComputeBeltPaths(p);
    p.beltPathTable[0][1] = 2;
    return p;
}

// The demonstration design after Go On on the layout: the calculated length
// replaced by the longer rounded length, 2190 mm, and an adjustment pending.
DriveProject DemoWithStandardLength() {
    DriveProject p = DemoLayout();
    p.beltLength = ComputeBeltLength(p);
    ScriptedDialogs d;
    d.answers = {MsgAnswer::No, MsgAnswer::No};  // rounded lengths, the longer one
    SelectStandardBeltLength(p, d);
    return p;
}

// Omega drive: driver of 50 mm at the origin, idlers of 30 mm above it, 1 m stroke.
DriveProject Omega() {
    DriveProject p = StartedProject();
    p.beltFamily = "SELKIRA";
    p.beltPitchCode = "T5";
    p.beltName = "SELKIRA T5";
    p.beltPitch = 0.005;
    p.linearDriveType = 1;
    p.pulleyCount = 3;
    p.stroke = 1.0;
    Place(p, 1, 0, 0, 0.05, 31);
    Place(p, 2, 0.06, 0.05, 0.03, 0);
    Place(p, 3, -0.06, 0.05, 0.03, 0);
    p.pulleyIsIdler[2] = p.pulleyIsIdler[3] = kTrue;
    ComputeBeltPaths(p);
    p.beltPathTable[0][1] = 1;
    return p;
}

}  // namespace

TEST(LayoutAdjustment, DemonstrationPulley2MovesUpToTheStandardLength) {
    DriveProject p = DemoWithStandardLength();
    ASSERT_EQ(p.calcState, 0);
    ASSERT_NEAR(p.beltLength, 2.19, 1e-12);
    ASSERT_EQ(p.layoutNeedsAdjust, 1);

    EXPECT_TRUE(OnLayoutMouseMove(p, 0.21, 0.61));  // over pulley 2
    EXPECT_EQ(p.layoutNeedsAdjust, 2);
    ScriptedDialogs d;
    const LayoutMouseUpResult r = OnLayoutMouseUp(p, d, true);
    EXPECT_TRUE(d.seen.empty());
    EXPECT_TRUE(r.redraw);
    EXPECT_TRUE(r.hideHint);
    EXPECT_EQ(d.busyDepth, 0);
    EXPECT_GT(d.busyCalls, 0);

    EXPECT_NEAR(p.pulleyPosition[1][2] * 1000, 600.0557, 5e-5);
    EXPECT_NEAR(p.pulleyPosition[1][2], 0.600055668906588, 1e-9);
    EXPECT_DOUBLE_EQ(p.pulleyPosition[0][2], 0.2);
    EXPECT_EQ(p.layoutNeedsAdjust, 0);
    EXPECT_EQ(p.beltPathTable[0][1], 2);
    EXPECT_TRUE(p.screen.layoutDrawn);
    // What Go On then finds: the layout is as long as the standard belt.
    EXPECT_NEAR(ComputeBeltLength(p), 2.19, 1e-5);
    EXPECT_NEAR(p.lastStandardLength, 2.19, 1e-5);
    EXPECT_NEAR(p.beltLength, 2.19, 1e-12);
    EXPECT_EQ(ShowLayoutLabels(p).py[2], "600.06");
}

TEST(LayoutAdjustment, RightButtonMovesHorizontally) {
    DriveProject p = DemoWithStandardLength();
    const double y3 = p.pulleyPosition[1][3];
    const double x3 = p.pulleyPosition[0][3];
    ASSERT_TRUE(OnLayoutMouseMove(p, 0.38, 0.35));
    ASSERT_EQ(p.layoutNeedsAdjust, 3);
    ScriptedDialogs d;
    OnLayoutMouseUp(p, d, false);
    EXPECT_TRUE(d.seen.empty());
    EXPECT_DOUBLE_EQ(p.pulleyPosition[1][3], y3);
    EXPECT_NE(p.pulleyPosition[0][3], x3);
    EXPECT_NEAR(ComputeBeltLength(p), 2.19, 1e-5);
}

TEST(LayoutAdjustment, PointerOverNoPulley) {
    DriveProject p = DemoWithStandardLength();
    EXPECT_FALSE(OnLayoutMouseMove(p, 0.1, -0.3));
    EXPECT_EQ(p.layoutNeedsAdjust, 5);
    // Pulley 1 cannot be moved.
    EXPECT_FALSE(OnLayoutMouseMove(p, 0, 0));
    ScriptedDialogs d;
    const LayoutMouseUpResult r = OnLayoutMouseUp(p, d, true);
    EXPECT_FALSE(r.redraw);
    EXPECT_EQ(p.layoutNeedsAdjust, 5);

    // Nothing pending: the pointer selects nothing.
    p.layoutNeedsAdjust = 0;
    EXPECT_FALSE(OnLayoutMouseMove(p, 0.2, 0.6));
    EXPECT_EQ(p.layoutNeedsAdjust, 0);
}

TEST(LayoutAdjustment, RefusedWhenThePulleyWouldMoveTooFar) {
    struct Case {
        const char* name;
        double length;  // standard length to reach, m
        int pulley;
        bool left;
    } cases[] = {
        {"more than a quarter of the drawing", 3.2, 2, true},
        {"no layout has that length", 0.5, 4, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DriveProject p = DemoLayout();
        const double before = ComputeBeltLength(p);
        p.beltLength = c.length;
        p.lastStandardLength = before;
        p.layoutNeedsAdjust = c.pulley;
        const int axis = c.left ? kAxisY : kAxisX;
        const double u0 = p.pulleyPosition[axis][c.pulley];
        ScriptedDialogs d;
        const LayoutMouseUpResult r = OnLayoutMouseUp(p, d, c.left);
        ASSERT_EQ(d.seen.size(), 1u);
        EXPECT_EQ(d.seen[0].text, kNoPosition);
        EXPECT_EQ(d.seen[0].title, "Warning");
        EXPECT_EQ(d.seen[0].icon, MsgIcon::Warning);
        EXPECT_DOUBLE_EQ(p.pulleyPosition[axis][c.pulley], u0);
        EXPECT_EQ(p.layoutNeedsAdjust, 0);
        EXPECT_TRUE(r.redraw);
        EXPECT_NEAR(ComputeBeltLength(p), before, 1e-12);  // paths as before the attempt
    }
}

// The coordinate can stop changing where the belt is not the standard
// length: moving the pulley across the place where the path is shortest
// never makes it shorter. Such a fit is refused as one that does not
// settle; a fit that lands does so within a millionth of the length.
TEST(LayoutAdjustment, AFitLandsOnTheStandardLengthOrIsRefused) {
    struct Case {
        const char* name;
        double offset;  // standard length less the layout's, m
        int axis;
        bool fits;
    };
    const Case cases[] = {
        {"along x, shorter than the layout can be by 0.13 mm", -0.00013, kAxisX, false},
        {"along x, shorter than the layout can be by 0.5 mm", -0.0005, kAxisX, false},
        {"along y, 4 mm longer", 0.004, kAxisY, true},
        {"along y, 1 mm shorter", -0.001, kAxisY, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // Pulley 2 just above the middle of the other two: moving it along
        // x, the belt is shortest where it stands.
        DriveProject p = StartedProject();
        ChooseBelt(p, "FENDARO", "F");
        p.pulleyCount = 3;
        Place(p, 1, 0, 0, 0.1, 0);
        Place(p, 2, 0.5, 0.05, 0.1, 0);
        Place(p, 3, 1.0, 0, 0.1, 0);
        ComputeBeltPaths(p);
        ASSERT_GE(p.beltPathTable[0][0], 1);
        p.beltPathTable[0][1] = 1;
        const double shortest = ComputeBeltLength(p);
        p.beltLength = shortest + c.offset;
        p.lastStandardLength = shortest;
        p.layoutNeedsAdjust = 2;
        ScriptedDialogs d;
        EXPECT_EQ(AdjustPulley(p, d, 2, c.axis), c.fits);
        if (c.fits) {
            EXPECT_TRUE(d.seen.empty());
            EXPECT_NEAR(ComputeBeltLength(p), p.beltLength, 1e-6 * p.beltLength);
            EXPECT_NEAR(p.lastStandardLength, p.beltLength, 1e-6 * p.beltLength);
        } else {
            ASSERT_EQ(d.seen.size(), 1u);
            EXPECT_EQ(d.seen[0].text, kNoPosition);
            EXPECT_DOUBLE_EQ(p.pulleyPosition[0][2], 0.5);
            EXPECT_DOUBLE_EQ(p.pulleyPosition[1][2], 0.05);
            EXPECT_NEAR(ComputeBeltLength(p), shortest, 1e-12);
        }
    }
}

// Moving pulley 2 down brings a new path in front of the one shown: the
// pulley goes where the path shown has the standard length, and that path
// stays the one shown under its new number.
TEST(LayoutAdjustment, ThePathShownStaysShownWhenItsNumberChanges) {
    DriveProject p = StartedProject();
    ChooseBelt(p, "FENDARO", "F");
    p.pulleyCount = 3;
    Place(p, 1, 0, 0, 0.11, 41);
    Place(p, 2, 0.27, -0.11, 0.25, 41);
    Place(p, 3, -0.49, 0.38, 0.19, 45);
    ComputeBeltPaths(p);
    ASSERT_EQ(p.beltPathTable[0][0], 1);
    p.beltPathTable[0][1] = 1;
    const auto shown = p.beltPathTable[1];
    p.beltLength = 2.48;

    ScriptedDialogs d;
    ASSERT_TRUE(AdjustPulley(p, d, 2, kAxisY));
    EXPECT_TRUE(d.seen.empty());
    ASSERT_EQ(p.beltPathTable[0][0], 2);
    EXPECT_EQ(p.beltPathTable[0][1], 2);
    EXPECT_EQ(p.beltPathTable[2], shown);
    EXPECT_NEAR(ComputeBeltLength(p), 2.48, 1e-5);
}

TEST(LayoutAdjustment, BLCalcIsTheLengthMap) {
    DriveProject p = DemoLayout();
    const double len = ComputeBeltLength(p);
    p.beltLength = 2.19;
    p.layoutNeedsAdjust = 2;
    const std::optional<double> x = BLCalc(p, 0.6, kAxisY);
    ASSERT_TRUE(x.has_value());
    EXPECT_NEAR(*x, 0.6 + 2.19 - len, 1e-15);
    EXPECT_DOUBLE_EQ(p.lastStandardLength, len);

    // No pulley selected, or a position that overlaps pulley 1: no value.
    p.layoutNeedsAdjust = 1;
    EXPECT_FALSE(BLCalc(p, 0.6, kAxisY).has_value());
    p.layoutNeedsAdjust = 2;
    p.pulleyPosition[0][2] = 0;
    EXPECT_FALSE(BLCalc(p, 0.0, kAxisY).has_value());
    EXPECT_EQ(p.lastStandardLength, -1);
}

TEST(OmegaStroke, LeftClickTakesUpTheLengthDifference) {
    DriveProject p = Omega();
    const double calculated = ComputeBeltLength(p);
    ASSERT_NEAR(calculated, 1.112758, 5e-7);
    p.lastStandardLength = calculated;
    p.beltLength = 1.12;
    p.layoutNeedsAdjust = 1;
    EXPECT_FALSE(OnLayoutMouseMove(p, 0.06, 0.05));  // no pulley is picked on an omega drive
    EXPECT_EQ(p.layoutNeedsAdjust, 1);

    ScriptedDialogs d;
    const LayoutMouseUpResult r = OnLayoutMouseUp(p, d, true);
    EXPECT_TRUE(d.seen.empty());
    ASSERT_TRUE(r.hint.has_value());
    EXPECT_EQ(*r.hint, "Stroke has been changed to 1007.24 [mm]");
    EXPECT_NEAR(p.stroke, 1 + 1.12 - calculated, 1e-15);
    EXPECT_DOUBLE_EQ(p.lastStandardLength, 1.12);
    EXPECT_EQ(p.layoutNeedsAdjust, 0);
    ComputeBeltPaths(p);
    EXPECT_NEAR(ComputeBeltLength(p), 1.12, 1e-9);

    // A second click has nothing left to take up.
    const LayoutMouseUpResult again = OnLayoutMouseUp(p, d, true);
    EXPECT_FALSE(again.hint.has_value());
    EXPECT_NEAR(p.stroke, 1 + 1.12 - calculated, 1e-15);
}

TEST(OmegaStroke, ClickWithoutAChosenLengthOrBeyondTheStrokeChangesNothing) {
    DriveProject p = Omega();
    p.beltLength = ComputeBeltLength(p);
    p.lastStandardLength = kNoStandardLength;  // no length chosen yet
    p.layoutNeedsAdjust = 0;
    ScriptedDialogs d;
    EXPECT_FALSE(OnLayoutMouseUp(p, d, true).hint.has_value());
    EXPECT_DOUBLE_EQ(p.stroke, 1.0);

    // A standard length shorter than the stroke can take up.
    p.lastStandardLength = p.beltLength;
    p.beltLength -= 1.2;
    p.layoutNeedsAdjust = 1;
    EXPECT_FALSE(OnLayoutMouseUp(p, d, true).hint.has_value());
    ASSERT_EQ(d.seen.size(), 1u);
    EXPECT_EQ(d.seen[0].text, kNoPosition);
    EXPECT_DOUBLE_EQ(p.stroke, 1.0);
    EXPECT_EQ(p.layoutNeedsAdjust, 1);
}

TEST(TypedCoordinates, CancelTheAdjustmentAndHideTheBelt) {
    DriveProject p = DemoWithStandardLength();
    p.screen.layoutDrawn = true;
    ScriptedDialogs d;
    const CoordinateResponse r = OnCoordinateEnter(p, d, 4, kAxisY, "-120");
    EXPECT_TRUE(d.seen.empty());
    EXPECT_DOUBLE_EQ(p.pulleyPosition[1][4], -0.12);
    EXPECT_EQ(r.enteredText, "-120.00");
    EXPECT_EQ(p.layoutNeedsAdjust, 0);
    EXPECT_EQ(p.lastStandardLength, kNoStandardLength);
    EXPECT_FALSE(p.screen.layoutDrawn);
    EXPECT_GT(p.beltPathTable[0][0], 0);
    // The belt paths follow the new position.
    DriveProject moved = DemoLayout();
    moved.pulleyPosition[1][4] = -0.12;
    ComputeBeltPaths(moved);
    EXPECT_EQ(p.beltPathTable, moved.beltPathTable);
    EXPECT_EQ(p.tangentPoint, moved.tangentPoint);
}

// The adjusted position shows rounded; Enter on it as shown keeps the
// position and the standard length it was found for, in every unit.
TEST(TypedCoordinates, CoordinateShownUnchangedKeepsTheStandardLength) {
    for (int unit = 1; unit <= 5; ++unit) {
        DriveProject p = DemoWithStandardLength();
        ChooseUnit(p, kLength, unit);
        p.screen.layoutDrawn = true;
        const DriveProject before = p;
        ScriptedDialogs d;
        const std::string shown = ShowLayoutLabels(p).py[2];
        const CoordinateResponse r = OnCoordinateEnter(p, d, 2, kAxisY, shown);
        EXPECT_EQ(r.enteredText, shown);
        EXPECT_EQ(p.pulleyPosition, before.pulleyPosition) << unit;
        EXPECT_EQ(p.lastStandardLength, before.lastStandardLength) << unit;
        EXPECT_EQ(p.layoutNeedsAdjust, before.layoutNeedsAdjust);
        EXPECT_TRUE(p.screen.layoutDrawn);
        EXPECT_EQ(r.focusPulley, 3);
    }
}

// Letters in a coordinate box are refused: the pulley, the standard length
// it was placed for and the belt drawn stay, and so does the focus.
TEST(TypedCoordinates, LettersChangeNothing) {
    DriveProject p = DemoWithStandardLength();
    p.screen.layoutDrawn = true;
    const DriveProject before = p;
    ScriptedDialogs d;
    const CoordinateResponse r = OnCoordinateEnter(p, d, 3, kAxisX, "abc");
    EXPECT_EQ(d.messageTexts(), std::vector<std::string>({"Please, insert a number."}));
    EXPECT_EQ(r.enteredText, ShowLayoutLabels(p).px[3]);
    EXPECT_EQ(p.pulleyPosition, before.pulleyPosition);
    EXPECT_EQ(p.lastStandardLength, before.lastStandardLength);
    EXPECT_EQ(p.layoutNeedsAdjust, before.layoutNeedsAdjust);
    EXPECT_TRUE(p.screen.layoutDrawn);
    EXPECT_EQ(r.focusPulley, 3);
    EXPECT_EQ(r.focusAxis, kAxisX);
}

TEST(TypedCoordinates, FocusOrder) {
    struct Case {
        int pulleys, k, axis;
        int wantAxis, wantPulley;
    } cases[] = {{4, 2, kAxisX, kAxisY, 2},
                 {4, 2, kAxisY, kAxisX, 3},
                 {4, 4, kAxisY, kAxisX, 2},
                 {3, 3, kAxisY, kAxisX, 2},
                 {3, 3, kAxisX, kAxisY, 3}};
    for (const Case& c : cases) {
        DriveProject p = DemoLayout();
        p.pulleyCount = c.pulleys;
        ScriptedDialogs d;
        const CoordinateResponse r =
            OnCoordinateEnter(p, d, c.k, c.axis, Format(p.pulleyPosition[c.axis][c.k] * 1000, "###0.00"));
        EXPECT_EQ(r.focusAxis, c.wantAxis);
        EXPECT_EQ(r.focusPulley, c.wantPulley);
    }
}

TEST(TypedCoordinates, OverlapKeepsTheOldPaths) {
    DriveProject p = DemoLayout();
    ScriptedDialogs d;
    OnCoordinateEnter(p, d, 3, kAxisX, "210");
    const auto paths = p.beltPathTable;
    OnCoordinateEnter(p, d, 3, kAxisY, "590");
    ASSERT_EQ(d.seen.size(), 1u);
    EXPECT_EQ(d.seen[0].text, "Pulley interference. Check the data !!!");
    EXPECT_EQ(p.calcState, 1);
    EXPECT_DOUBLE_EQ(p.pulleyPosition[1][3], 0.59);
    EXPECT_EQ(p.beltPathTable, paths);
}

TEST(DrawButton, StepsToTheNextPath) {
    DriveProject p = DemoLayout();
    ASSERT_EQ(p.beltPathTable[0][0], 2);
    ScriptedDialogs d;
    d.answers.assign(8, MsgAnswer::No);
    EXPECT_TRUE(OnDrawClick(p, d));
    EXPECT_EQ(p.beltPathTable[0][1], 1);  // after the last path the first again
    EXPECT_TRUE(p.screen.layoutDrawn);
    EXPECT_TRUE(OnDrawClick(p, d));
    EXPECT_EQ(p.beltPathTable[0][1], 2);

    // Overlapping pulleys: the interference message, nothing drawn.
    p.pulleyPosition[0][3] = 0.2;
    p.pulleyPosition[1][3] = 0.59;
    p.screen.layoutDrawn = false;
    ScriptedDialogs d2;
    EXPECT_FALSE(OnDrawClick(p, d2));
    EXPECT_FALSE(p.screen.layoutDrawn);
}

TEST(LayoutTexts, LabelsInTheCurrentLengthUnit) {
    DriveProject p = DemoLayout();
    LayoutLabels l = ShowLayoutLabels(p);
    EXPECT_EQ(l.zT[0], "Unit: [mm]");
    EXPECT_EQ(l.zT[1], "Driver pulley: d = 73.21");
    EXPECT_EQ(l.zT[2], "idler # 2: d = 60.00");
    EXPECT_EQ(l.zT[3], "pulley # 3: d = 127.32");
    EXPECT_EQ(l.zT[4], "pulley # 4: d = 194.17");
    EXPECT_EQ(l.px[2], "200.00");
    EXPECT_EQ(l.py[2], "600.00");
    EXPECT_EQ(l.px[4], "450.00");
    EXPECT_EQ(l.py[4], "-100.00");

    ChooseUnit(p, kLength, 3);  // cm
    p.pulleyCount = 3;
    l = ShowLayoutLabels(p);
    EXPECT_EQ(l.zT[0], "Unit: [cm]");
    EXPECT_EQ(l.py[3], "35.00");
    EXPECT_EQ(l.zT[4], "");
    EXPECT_EQ(l.px[4], "");

    EXPECT_EQ(LayoutInstruction(p), "Vert. displac.: click left\rHoriz. displac.: click right");
    EXPECT_EQ(LayoutInstruction(Omega()), "Change stroke: click left");
}

TEST(LayoutScale, TickSpacingIsTheLeadingDigitOfTheBigTick) {
    struct Case {
        double bigTick, spacing;
    } cases[] = {{0.02, 0.02}, {0.0149, 0.01}, {0.0151, 0.02}, {0.096, 0.1}, {0.36, 0.4}, {7.2, 7}, {0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bigTick);
        EXPECT_NEAR(TickSpacing(c.bigTick), c.spacing, 1e-15);
    }
}

TEST(LayoutScale, RoundStepIsTheNearestOfOneTwoFive) {
    struct Case {
        double x, step;
    } cases[] = {{2.36, 2}, {1.4, 1},    {1.5, 2},      {3.1, 2},     {3.2, 5}, {7, 5},
                 {7.1, 10}, {0.08, 0.1}, {0.033, 0.05}, {4000, 5000}, {0, 0},   {-1, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_NEAR(RoundStep(c.x), c.step, 1e-12 * std::max(1.0, c.step));
    }
}

// Three pulleys of 1E-322 m, as a damaged file may hold them, once threw
// out of the tick spacing: no power of ten divides so small a number.
TEST(LayoutScale, TinyPulleysFromAFileStillScale) {
    DriveProject p = StartedProject();
    p.beltFamily = "ORVANTO";
    p.pulleyCount = 3;
    Place(p, 1, 0, 0, 1e-322, 30);
    Place(p, 2, 0, 0, 1e-322, 30);
    Place(p, 3, 0, 0, 1e-322, 30);
    LayoutScale s;
    EXPECT_NO_THROW(s = ComputeLayoutScale(p));
    EXPECT_LT(s.xTicks.size(), 200U);
}

TEST(LayoutScale, SquareOf1000mmAroundTheOrigin) {
    // Pulleys up to 100 mm spread over 600 mm, centred at the origin.
    DriveProject p = StartedProject();
    p.beltFamily = "ORVANTO";
    p.pulleyCount = 3;
    Place(p, 1, 0, 0, 0.1, 30);
    Place(p, 2, 0.3, 0.3, 0.05, 15);
    Place(p, 3, -0.3, -0.3, 0.08, 25);
    LayoutScale s = ComputeLayoutScale(p);
    EXPECT_NEAR(s.left, -0.5, 1e-12);
    EXPECT_NEAR(s.right, 0.5, 1e-12);
    EXPECT_NEAR(s.top, 0.5, 1e-12);
    EXPECT_NEAR(s.bottom, -0.5, 1e-12);
    EXPECT_NEAR(s.bigTick, 0.02, 1e-12);
    EXPECT_NEAR(s.smallTick, 0.01, 1e-12);
    EXPECT_NEAR(s.crossHalf, 0.005, 1e-12);
    EXPECT_NEAR(s.spacing, 0.02, 1e-15);
    EXPECT_EQ(s.labelFormat, "####0");

    for (const auto* ticks : {&s.xTicks, &s.yTicks}) {
        std::string labels;
        int big = 0;
        for (const LayoutTick& t : *ticks) {
            EXPECT_GT(t.at, -0.5);
            EXPECT_LT(t.at, 0.5);
            big += t.big;
            if (!t.label.empty()) labels += t.label + " ";
            EXPECT_EQ(t.big, std::abs(std::remainder(t.at, 0.1)) < 1e-9);
        }
        EXPECT_EQ(labels, "0 100 200 300 400 -100 -200 -300 -400 ");
        EXPECT_EQ(big, 9);
        EXPECT_GE(ticks->size(), 48u);
        EXPECT_LE(ticks->size(), 50u);
    }

    struct Unit {
        int choice;
        const char* format;
        const char* firstLabel;
    } units[] = {{2, "###0.0", "0.1"}, {3, "####0", "10"}, {4, "####0", "5"}, {5, "###0.0", "0.5"}};
    for (const Unit& u : units) {
        ChooseUnit(p, kLength, u.choice);
        s = ComputeLayoutScale(p);
        EXPECT_EQ(s.labelFormat, u.format);
        EXPECT_EQ(s.xTicks[5].label, u.firstLabel);
    }
}

TEST(LayoutScale, LabelsStopShortOfTheFarEdges) {
    // The layout lies right of and above the origin: the run towards the far
    // edge labels only below 0.9 of it.
    DriveProject p = StartedProject();
    p.pulleyCount = 2;
    Place(p, 1, 0, 0, 0.1, 30);
    Place(p, 2, 0.48, 0.48, 0.1, 30);
    const LayoutScale s = ComputeLayoutScale(p);
    ASSERT_NEAR(s.right, 0.24 + 0.4, 1e-12);
    ASSERT_NEAR(s.spacing, 0.02, 1e-15);
    std::string labels;
    for (const LayoutTick& t : s.xTicks)
        if (!t.label.empty()) labels += t.label + " ";
    // A big tick at 600 mm, but 0.9 x 640 mm = 576 mm.
    EXPECT_EQ(labels, "0 100 200 300 400 500 -100 ");
}

TEST(LayoutScale, EmptyLayoutHasNoTicks) {
    DriveProject p = StartedProject();
    const LayoutScale s = ComputeLayoutScale(p);
    EXPECT_TRUE(s.xTicks.empty());
    EXPECT_TRUE(s.yTicks.empty());
}
