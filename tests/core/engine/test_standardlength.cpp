#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include "engine/geometry.h"
#include "engine/layout.h"
#include "engine/standardlength.h"
#include "platform/scripteddialogs.h"
#include "testsupport.h"
#include "units/units.h"

using belt::test::StartedProject;

namespace belt {
namespace {

struct Belt {
    const char* family;
    const char* pitchCode;
    double pitch;  // m
};

DriveProject MakeProject(const Belt& b, double length, int pulleys = 3) {
    DriveProject p = StartedProject();
    p.beltFamily = b.family;
    p.beltPitchCode = b.pitchCode;
    p.beltName = std::string(b.family) + " " + b.pitchCode;
    p.beltType = p.beltName;
    p.beltPitch = b.pitch;
    p.beltLength = length;
    p.pulleyCount = pulleys;
    return p;
}

const Belt kOrvantoT10{"ORVANTO", "T10", 0.01};

std::string Blanks(int n) {
    return std::string(static_cast<std::size_t>(n), ' ');
}

TEST(StandardLengthBoxes, OrvantoT10BetweenFiveHundredAndFiveHundredThirty) {
    // Standard neighbours 50 and 53 pitches, rounded neighbours 52 and 53.
    const std::string first = Blanks(40) + "BELT LENGTH\r\r" + Blanks(34) +
                              "Shorter       Calculated        Longer\r"
                              "Standard              500 mm        523.40 mm         530 mm\r\r"
                              "No standard        520 mm        523.40 mm         530 mm\r\r"
                              "Do you want to choose a standard belt ?\r"
                              "(Click YES for standard belt length, NO for no standard belt length)";
    auto second = [](const char* shorter) {
        return Blanks(30) + "Shorter       Calculated        Longer\r" + "Belt length        " + shorter +
               " mm        523.40 mm       530 mm\r\r"
               "Do you want to choose the shorter belt ?\r"
               "(Click YES for shorter belt length, NO for longer belt length)";
    };
    struct Case {
        MsgAnswer standard;
        MsgAnswer shorter;
        const char* offeredShorter;
        double chosen;
    };
    const Case cases[] = {
        {MsgAnswer::Yes, MsgAnswer::Yes, "500", 0.50},
        {MsgAnswer::Yes, MsgAnswer::No, "500", 0.53},
        {MsgAnswer::No, MsgAnswer::Yes, "520", 0.52},
        {MsgAnswer::No, MsgAnswer::No, "520", 0.53},
    };
    for (const Case& c : cases) {
        DriveProject p = MakeProject(kOrvantoT10, 0.5234);
        ScriptedDialogs d;
        d.answers = {c.standard, c.shorter};
        SelectStandardBeltLength(p, d);
        SCOPED_TRACE(c.offeredShorter);
        ASSERT_EQ(d.seen.size(), 2u);
        EXPECT_EQ(d.seen[0].text, first);
        EXPECT_EQ(d.seen[0].title, "ORVANTO T10");
        EXPECT_EQ(d.seen[0].buttons, MsgButtons::YesNoCancel);
        EXPECT_EQ(d.seen[1].text, second(c.offeredShorter));
        EXPECT_EQ(d.seen[1].title, "ORVANTO T10");
        EXPECT_EQ(p.calcState, 0);
        EXPECT_NEAR(p.beltLength, c.chosen, 1e-12);
        // Three pulleys: the layout must now be moved to fit the new length.
        EXPECT_EQ(p.layoutNeedsAdjust, 1);
        EXPECT_DOUBLE_EQ(p.lastStandardLength, 0.5234);
    }
}

TEST(StandardLengthBoxes, NeighboursOfEachFamily) {
    struct Case {
        Belt belt;
        double length;
        bool firstBox;
        std::vector<MsgAnswer> answers;
        const char* secondBoxLengths;  // "shorter mm ... longer" part of the second box
        double chosen;
    };
    const Case cases[] = {
        // Standard multi-rib lengths are whole mm.
        {{"QUINDEL", "J", 0.001},
         0.4,
         true,
         {MsgAnswer::Yes, MsgAnswer::No},
         "Belt length        392 mm        400.00 mm       406 mm",
         0.406},
        // Open-end belts: whole pitches, no standard question.
        {{"SELKIRA", "T10", 0.01},
         1.2345,
         false,
         {MsgAnswer::Yes},
         "Belt length        1230 mm        1234.50 mm       1240 mm",
         1.23},
        // Flat belts: whole mm; 1234.5 rounds half to even.
        {{"FENDARO", "FXA1", 0.001},
         1.2345,
         false,
         {MsgAnswer::No},
         "Belt length        1234 mm        1234.50 mm       1235 mm",
         1.235},
        {{"TAVOREN", "AT10", 0.01},
         2.0017,
         false,
         {MsgAnswer::No},
         "Belt length        2000 mm        2001.70 mm       2010 mm",
         2.01},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.belt.family);
        DriveProject p = MakeProject(c.belt, c.length);
        ScriptedDialogs d;
        d.answers.assign(c.answers.begin(), c.answers.end());
        SelectStandardBeltLength(p, d);
        ASSERT_EQ(d.seen.size(), c.firstBox ? 2u : 1u);
        const std::string& box = d.seen.back().text;
        EXPECT_NE(box.find(std::string("\r") + c.secondBoxLengths + "\r"), std::string::npos) << box;
        EXPECT_EQ(p.calcState, 0);
        EXPECT_NEAR(p.beltLength, c.chosen, 1e-12);
    }
}

TEST(StandardLengthBoxes, FirstBoxShowsTheStandardNeighboursOfAMultiRibBelt) {
    DriveProject p = MakeProject({"QUINDEL", "J", 0.001}, 0.4);
    ScriptedDialogs d;
    d.answers = {MsgAnswer::No, MsgAnswer::Yes};
    SelectStandardBeltLength(p, d);
    ASSERT_EQ(d.seen.size(), 2u);
    EXPECT_NE(d.seen[0].text.find("Standard              392 mm        400.00 mm         406 mm\r"),
              std::string::npos);
    EXPECT_NE(d.seen[0].text.find("No standard        400 mm        400.00 mm         401 mm\r"),
              std::string::npos);
    EXPECT_NEAR(p.beltLength, 0.4, 1e-12);
}

TEST(StandardLength, OutcomesWithoutAChoice) {
    struct Case {
        const char* name;
        Belt belt;
        double length;
        std::vector<MsgAnswer> answers;
        int calcState;
        std::optional<std::string> message;  // the one message box expected, if any
        double lastStandardLength;           // after the call (starts at 7)
    };
    const double nan = std::nan("");
    const Case cases[] = {
        {"already standard", kOrvantoT10, 0.5300000001, {}, 0, std::nullopt, 0.5300000001},
        {"cancel first box", kOrvantoT10, 0.5234, {MsgAnswer::Cancel}, 2, std::nullopt, 7},
        {"cancel second box", kOrvantoT10, 0.5234, {MsgAnswer::Yes, MsgAnswer::Cancel}, 2, std::nullopt, 7},
        {"shorter than the shortest belt",
         kOrvantoT10,
         0.25,
         {},
         3,
         "Available belts are too long. Please contact VESTRANO technical staff.",
         7},
        {"failed layout", kOrvantoT10, 2.5e6, {}, 1, std::nullopt, 7},
        {"undefined length", kOrvantoT10, nan, {}, 1, std::nullopt, 7},
        {"no pitch", {"ORVANTO", "T10", 0.0}, 0.5234, {}, 3, "Error in input data", 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DriveProject p = MakeProject(c.belt, c.length);
        p.lastStandardLength = 7;
        ScriptedDialogs d;
        d.answers.assign(c.answers.begin(), c.answers.end());
        SelectStandardBeltLength(p, d);
        EXPECT_EQ(p.calcState, c.calcState);
        if (!std::isnan(c.length)) EXPECT_EQ(p.beltLength, c.length);
        EXPECT_EQ(p.layoutNeedsAdjust, 0);
        EXPECT_DOUBLE_EQ(p.lastStandardLength, c.lastStandardLength);
        const auto texts = d.messageTexts();
        if (c.message) {
            ASSERT_EQ(texts.size(), 1u);
            EXPECT_EQ(texts[0], *c.message);
        } else {
            EXPECT_EQ(texts.size(), c.answers.size());
        }
    }
}

// Two pulleys d = 50 and 100 mm at 300 mm give 837.704 mm; the choice of
// 840 mm (84 pitches) moves pulley 2 out to the centre distance of that length.
TEST(StandardLength, TwoPulleyDriveGetsTheCentreDistanceOfTheChosenLength) {
    DriveProject p = MakeProject(kOrvantoT10, 0, 2);
    p.twoPulleyMode = 1;
    p.pulleyDiameter[1] = 0.05;
    p.pulleyDiameter[2] = 0.1;
    p.pulleyTeeth[1] = 16;
    p.pulleyTeeth[2] = 31;
    p.centreDistance = 0.3;
    ScriptedDialogs geometry;
    ComputeCentreDistance(p, geometry, 0);
    p.beltLength = ComputeBeltLength(p);
    ASSERT_NEAR(p.beltLength, 0.837704, 5e-7);

    ScriptedDialogs d;
    d.answers = {MsgAnswer::Yes, MsgAnswer::No};  // standard 810 / 840 mm, take 840 mm
    SelectStandardBeltLength(p, d);
    ASSERT_EQ(p.calcState, 0);
    EXPECT_DOUBLE_EQ(p.beltLength, 0.84);
    EXPECT_DOUBLE_EQ(p.lastStandardLength, 0.84);
    EXPECT_EQ(p.layoutNeedsAdjust, 0);
    // The open belt at the new centre distance is 840 mm long...
    const double C = p.centreDistance;
    const double q = 0.025;
    const double a = std::asin(q / C);
    EXPECT_NEAR((kPi - 2 * a) * 0.025 + (kPi + 2 * a) * 0.05 + 2 * std::sqrt(C * C - q * q), 0.84, 1e-5);
    EXPECT_NEAR(p.pulleyPosition[0][2], C, 1e-15);
    // ...and the arcs of contact belong to it, not to the 300 mm layout.
    EXPECT_NEAR(p.pulleyArcOfContact[1], kPi - 2 * a, 1e-6);
    EXPECT_NEAR(p.pulleyArcOfContact[2], kPi + 2 * a, 1e-6);
}

}  // namespace
}  // namespace belt
