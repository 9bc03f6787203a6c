#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/beltpaths.h"
#include "engine/layout.h"
#include "platform/scripteddialogs.h"

using namespace belt;

namespace {

const char* const kTitle = "VESTRANO BELT CALCULATION";
const char* const kQuestion = "Do you want to use a double sided belt? ";
const char* const kNeedDoubleSided =
    "For this configuration you should use a double sided belt\rGo back and choose a suitable belt";

// Three pulleys with the third just above the line of the other two: path 1
// is the plain loop (every pulley on the toothed side), path 2 snakes under
// pulley 3, which then runs on the back of the belt.
DriveProject Serpentine(bool thirdIsIdler = false) {
    DriveProject p;
    p.beltFamily = "ORVANTO";
    p.beltName = "ORVANTO T10";
    p.beltSuffixAvailable = "DL";
    p.pulleyCount = 3;
    const double x[] = {0, 0, 0.3, 0.15};
    const double y[] = {0, 0, 0, 0.04};
    const double d[] = {0, 0.05, 0.1, 0.04};
    for (int k = 1; k <= 3; ++k) {
        p.pulleyPosition[0][k] = x[k];
        p.pulleyPosition[1][k] = y[k];
        p.pulleyDiameter[k] = d[k];
        p.pulleyTeeth[k] = 100;
    }
    if (thirdIsIdler) {
        p.pulleyIsIdler[3] = kTrue;
        p.screen.idlerDiameterTyped[3] = true;
    }
    ComputeBeltPaths(p);
    return p;
}

}  // namespace

TEST(NextBeltPath, SteppingThroughPathsAddsAndRemovesTheDoubleSidedSuffix) {
    DriveProject p = Serpentine();
    ASSERT_EQ(p.beltPathTable[0][0], 2);
    ScriptedDialogs d;

    NextBeltPath(p, d);  // path 1: single-sided belt is enough
    EXPECT_EQ(p.beltPathTable[0][1], 1);
    EXPECT_EQ(p.pulleyBeltSide[3], 1);
    EXPECT_TRUE(d.seen.empty());
    EXPECT_EQ(p.beltName, "ORVANTO T10");

    d.answers.push_back(MsgAnswer::Yes);
    NextBeltPath(p, d);  // path 2: pulley 3 on the back
    EXPECT_EQ(p.beltPathTable[0][1], 2);
    EXPECT_EQ(p.pulleyBeltSide[3], 0);
    ASSERT_EQ(d.seen.size(), 1U);
    EXPECT_EQ(d.seen[0].text, kQuestion);
    EXPECT_EQ(d.seen[0].title, kTitle);
    EXPECT_EQ(d.seen[0].icon, MsgIcon::Question);
    EXPECT_EQ(d.seen[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(p.beltName, "ORVANTO T10DL");
    EXPECT_EQ(p.beltSideSuffix, "DL");

    NextBeltPath(p, d);  // wraps to path 1: the suffix goes again
    EXPECT_EQ(p.beltPathTable[0][1], 1);
    EXPECT_EQ(d.seen.size(), 1U);
    EXPECT_EQ(p.beltName, "ORVANTO T10");
    EXPECT_EQ(p.beltSideSuffix, "");
}

TEST(NextBeltPath, DoubleSidedDecision) {
    struct Case {
        const char* name;
        bool idler;
        const char* available;
        const char* nameBefore;
        std::vector<MsgAnswer> answers;
        const char* nameAfter;
        const char* sideSuffix;
        std::vector<std::string> texts;
    };
    const std::vector<Case> cases = {
        {"declined", false, "DL", "ORVANTO T10", {MsgAnswer::No}, "ORVANTO T10", "", {kQuestion}},
        {"accepted again keeps one suffix",
         false,
         "DL",
         "ORVANTO T10DL",
         {MsgAnswer::Yes},
         "ORVANTO T10DL",
         "DL",
         {kQuestion}},
        {"idlers may run on the back", true, "DL", "ORVANTO T10", {}, "ORVANTO T10", "", {}},
        {"no double-sided version",
         false,
         "err",
         "ORVANTO T20",
         {},
         "ORVANTO T20",
         "err",
         {kNeedDoubleSided}},
        {"rubber belt", false, "DT", "RUBBER H", {MsgAnswer::Yes}, "RUBBER HDT", "DT", {kQuestion}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DriveProject p = Serpentine(c.idler);
        p.beltSuffixAvailable = c.available;
        p.beltName = c.nameBefore;
        p.beltPathTable[0][1] = 1;  // the next step shows path 2
        ScriptedDialogs d;
        d.answers.assign(c.answers.begin(), c.answers.end());
        NextBeltPath(p, d);
        EXPECT_EQ(p.beltPathTable[0][1], 2);
        EXPECT_EQ(p.beltName, c.nameAfter);
        EXPECT_EQ(p.beltSideSuffix, c.sideSuffix);
        EXPECT_EQ(d.messageTexts(), c.texts);
        if (std::string(c.available) == "err") {
            ASSERT_EQ(d.seen.size(), 1U);
            EXPECT_EQ(d.seen[0].title, kTitle);
            EXPECT_EQ(d.seen[0].icon, MsgIcon::Error);
        }
    }
}

TEST(NextBeltPath, FlatBeltsNeverAskForADoubleSidedBelt) {
    DriveProject p = Serpentine();
    p.beltFamily = "FENDARO";
    p.beltName = "FENDARO FXA3";
    p.beltSuffixAvailable = "err";
    ComputeBeltPaths(p);
    p.beltPathTable[0][1] = p.beltPathTable[0][0] - 1;
    ScriptedDialogs d;
    NextBeltPath(p, d);
    EXPECT_EQ(p.beltPathTable[0][1], p.beltPathTable[0][0]);
    EXPECT_TRUE(d.seen.empty());
    EXPECT_EQ(p.beltName, "FENDARO FXA3");
}

TEST(NextBeltPath, RefusesOverlapAndLayoutsWithoutPath) {
    struct Case {
        const char* name;
        double x3, y3;
        int teeth3;
        int state;
        const char* text;
    };
    const std::vector<Case> cases = {
        {"overlapping pulleys", 0.31, 0.01, 100, 1, "Pulley interference. Check the data !!!"},
        // One tooth can never be fully in mesh, whatever the wrap.
        {"no path", 0.15, 0.04, 1, 0, "This configuration is not possible !!! Change pulleys layout!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DriveProject p = Serpentine();
        p.pulleyPosition[0][3] = c.x3;
        p.pulleyPosition[1][3] = c.y3;
        p.pulleyTeeth[3] = c.teeth3;
        ComputeBeltPaths(p);
        p.beltPathTable[0][1] = 1;
        ScriptedDialogs d;
        NextBeltPath(p, d);
        EXPECT_EQ(p.calcState, c.state);
        EXPECT_EQ(p.beltPathTable[0][1], 1);
        ASSERT_EQ(d.seen.size(), 1U);
        EXPECT_EQ(d.seen[0].text, c.text);
        EXPECT_EQ(d.seen[0].title, "I can't proceed");
        EXPECT_EQ(d.seen[0].icon, MsgIcon::Warning);
    }
}

TEST(SetIdlerDiameters, UntypedIdlersTakeTheMinimumForTheirSide) {
    DriveProject p = Serpentine(true);
    p.screen.idlerDiameterTyped[3] = false;
    p.minIdlerDiameterInside = 0.04;
    p.minIdlerDiameterOutside = 0.03;
    ScriptedDialogs d;

    NextBeltPath(p, d);  // path 1: toothed side on the idler
    EXPECT_EQ(p.pulleyBeltSide[3], 1);
    EXPECT_EQ(p.pulleyDiameter[3], 0.04);

    NextBeltPath(p, d);  // path 2: the back of the belt on the idler
    EXPECT_EQ(p.beltPathTable[0][1], 2);
    EXPECT_EQ(p.pulleyBeltSide[3], 0);
    EXPECT_EQ(p.pulleyDiameter[3], 0.03);
    EXPECT_TRUE(d.seen.empty());

    // A typed diameter stays as typed.
    p.screen.idlerDiameterTyped[3] = true;
    p.pulleyDiameter[3] = 0.05;
    SetIdlerDiameters(p);
    EXPECT_EQ(p.pulleyDiameter[3], 0.05);
}

TEST(CheckBeltSides, OmegaDriveRunsThePulleysOnTheBack) {
    struct Case {
        bool pulley2Idler;
        const char* suffix;
    };
    for (const Case& c : {Case{true, ""}, Case{false, "err"}}) {
        DriveProject p;
        p.beltFamily = "SELKIRA";
        p.linearDriveType = 1;
        p.beltSuffixAvailable = "err";
        p.pulleyCount = 3;
        p.pulleyIsIdler[2] = c.pulley2Idler ? kTrue : 0;
        p.pulleyIsIdler[3] = kTrue;
        CheckBeltSides(p);
        EXPECT_EQ(p.pulleyBeltSide[1], 1);
        EXPECT_EQ(p.pulleyBeltSide[2], 0);
        EXPECT_EQ(p.pulleyBeltSide[3], 0);
        EXPECT_EQ(p.beltSideSuffix, c.suffix);
    }
}

TEST(NextBeltPath, IdlerGrownIntoItsNeighbourLeavesNoPath) {
    // Before the first belt side check every side reads 0, so the untyped
    // idler first gets the back-side diameter, too large for this layout.
    DriveProject p = Serpentine(true);
    p.screen.idlerDiameterTyped[3] = false;
    p.minIdlerDiameterInside = 0.04;
    p.minIdlerDiameterOutside = 0.25;
    ScriptedDialogs d;
    NextBeltPath(p, d);
    EXPECT_EQ(p.pulleyDiameter[3], 0.25);
    EXPECT_EQ(p.beltPathTable[0][0], 0);
    EXPECT_EQ(d.messageTexts(),
              std::vector<std::string>{"This configuration is not possible !!! Change pulleys layout!"});
}

// A damaged file may hold any current path number: DRAW then starts again at
// the first path instead of refusing a layout that has paths.
TEST(NextBeltPath, APathNumberTheLayoutDoesNotHaveStartsAtTheFirst) {
    for (int saved : {2147483647, 3, -1, -2147483647 - 1}) {
        DriveProject p = Serpentine();
        p.beltPathTable[0][1] = saved;
        ScriptedDialogs d;
        NextBeltPath(p, d);
        EXPECT_EQ(p.calcState, 0) << saved;
        EXPECT_EQ(p.beltPathTable[0][1], 1) << saved;
        EXPECT_TRUE(d.seen.empty()) << saved;
    }
}

// Beyond 100 m no geometry is computed: DRAW refuses with the limit named.
TEST(NextBeltPath, ALayoutBeyondTheAcceptedCoordinatesIsRefused) {
    struct Case {
        int pulley;
        int what;  // 0 x, 1 y, 2 diameter
        double value;
    };
    for (const Case& c : std::vector<Case>{{2, 0, 1e300}, {3, 1, -100.5}, {3, 2, 1e300}, {1, 2, 101}}) {
        DriveProject p = Serpentine();
        p.unitFactor[0][1] = 0.001;  // mm, as at start-up
        p.unitLabel[0][1] = "[mm]";
        (c.what == 2 ? p.pulleyDiameter[c.pulley] : p.pulleyPosition[c.what][c.pulley]) = c.value;
        const auto tangents = p.tangentPoint;
        ScriptedDialogs d;
        NextBeltPath(p, d);
        EXPECT_EQ(p.calcState, 1) << c.value;
        ASSERT_EQ(d.seen.size(), 1U) << c.value;
        EXPECT_EQ(d.seen[0].text, "Pulley positions and diameters must be within 100000 [mm]. Check the data !!!");
        EXPECT_EQ(d.seen[0].title, "I can't proceed");
        ComputeBeltPaths(p);
        EXPECT_EQ(p.beltPathTable[0][0], 0);
        EXPECT_EQ(p.tangentPoint, tangents);
    }
}
