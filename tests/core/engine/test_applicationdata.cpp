#include <gtest/gtest.h>

#include "catalogue/beltids.h"
#include "catalogue/belttraits.h"
#include "catalogue/flatbelts.h"
#include "engine/applicationdata.h"
#include "engine/pitchguide.h"
#include "platform/scripteddialogs.h"
#include "units/units.h"

namespace belt {
namespace {

class ApplicationDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitUnitTables(p);
        DatiFlatBelt(p);
    }
    DriveProject p;
    ScriptedDialogs d;
};

TEST_F(ApplicationDataTest, TabChangeForgetsTheBeltAndTheStep3Idlers) {
    p.beltType = "SELKIRA T";
    p.beltName = "SELKIRA T10";
    p.beltFamily = "SELKIRA";
    p.beltPitchCode = "T10";
    p.profileButtonIndex = 0;
    ASSERT_TRUE(ChooseLinearDrive(p, kTabSelkira, 1));  // omega ticks pulleys 2 and 3
    EXPECT_EQ(p.screen.checkIdler[2], 1);
    EXPECT_EQ(p.pulleyIsIdler[3], kTrue);
    ForgetBeltChoice(p);
    EXPECT_EQ(p.beltType, "");
    EXPECT_EQ(p.beltName, "");
    EXPECT_EQ(p.beltFamily, "");
    EXPECT_EQ(p.beltPitchCode, "");
    EXPECT_EQ(p.profileButtonIndex, -1);
    for (int k = 2; k <= 4; ++k) {
        EXPECT_EQ(p.screen.checkIdler[static_cast<std::size_t>(k)], 0);
        EXPECT_EQ(p.pulleyIsIdler[static_cast<std::size_t>(k)], 0);
    }
}

TEST_F(ApplicationDataTest, ProfilePictureGivesTheBeltType) {
    struct Case {
        int tab;
        int picture;
        const char* beltType;
        bool description;
    };
    const Case cases[] = {
        {kTabOrvanto, 0, "ORVANTO T", true},
        {kTabOrvanto, 1, "ORVANTO AT", true},
        {kTabOrvanto, 2, "ORVANTO I", true},
        {kTabSelkira, 0, "SELKIRA T", false},
        {kTabSelkira, 1, "SELKIRA AT", false},
        {kTabSelkira, 3, "SELKIRA I", false},
        {kTabSelkira, 4, "SELKIRA QXD", false},
        {kTabSelkira, 5, "SELKIRA QVP", false},
        {kTabTavoren, 0, "TAVOREN T", false},
        {kTabTavoren, 1, "TAVOREN AT", false},
        {kTabTavoren, 3, "TAVOREN I", false},
        {kTabTavoren, 5, "TAVOREN QVP", false},
        {kTabRubber, 3, "RUBBER I", true},
        {kTabRubber, 5, "RUBBER QVP", true},
        // A picture the tab does not offer leaves no belt.
        {kTabRubber, 0, "", false},
        {kTabTavoren, 4, "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.tab) + "/" + std::to_string(c.picture));
        p.profileButtonIndex = -1;
        p.beltName = "stale";
        p.beltPitchCode = "stale";
        ProfileSelection shown;
        ASSERT_TRUE(TipoDenteClick(p, c.tab, c.picture, &shown));
        EXPECT_EQ(p.beltType, c.beltType);
        EXPECT_EQ(p.profileButtonIndex, c.picture);
        EXPECT_EQ(p.beltName, "");
        EXPECT_EQ(p.beltPitchCode, "");
        EXPECT_EQ(!shown.description.empty(), c.description);
    }
}

TEST_F(ApplicationDataTest, ClickingTheChosenPictureAgainDoesNothing) {
    ForgetBeltChoice(p);  // as opening the tab does
    ASSERT_TRUE(TipoDenteClick(p, kTabOrvanto, 0));
    p.beltName = "ORVANTO T10";
    p.beltPitchCode = "T10";
    EXPECT_FALSE(TipoDenteClick(p, kTabOrvanto, 0));
    EXPECT_EQ(p.beltName, "ORVANTO T10");
    EXPECT_TRUE(TipoDenteClick(p, kTabOrvanto, 1));
    EXPECT_EQ(p.beltName, "");
    EXPECT_EQ(p.beltPitchCode, "");
}

TEST_F(ApplicationDataTest, MultiRibSectionsAreCompleteBelts) {
    struct Case {
        int picture;
        const char* type;
        const char* code;
        float dims[3];
    };
    const Case cases[] = {
        {6, "QUINDEL ZB2", "ZB2", {0.0022F, 0.0013F, 0.0020F}},
        {7, "QUINDEL H", "H", {0.0025F, 0.0012F, 0.0016F}},
        {8, "QUINDEL J", "J", {0.0035F, 0.0020F, 0.00234F}},
    };
    for (const auto& c : cases) {
        p.profileButtonIndex = -1;
        TipoDenteClick(p, kTabQuindel, c.picture);
        EXPECT_EQ(p.beltType, c.type);
        EXPECT_EQ(p.beltPitchCode, c.code);
        EXPECT_EQ(p.beltName, c.type);
        for (int j = 0; j < 3; ++j)
            EXPECT_FLOAT_EQ(p.toothDimensions[static_cast<std::size_t>(j)], c.dims[j]);
    }
}

TEST_F(ApplicationDataTest, FlatBeltGroupListsItsTypesAndRestoresTheChoice) {
    ProfileSelection shown;
    ASSERT_TRUE(TipoDenteClick(p, kTabFendaro, 10, &shown));
    EXPECT_EQ(p.flatBeltIndex, 6);
    EXPECT_EQ(p.beltType, "");
    ASSERT_NE(shown.flatGroup, nullptr);
    EXPECT_EQ(shown.flatGroup->first, 7);
    EXPECT_EQ(shown.flatGroup->last, 10);
    EXPECT_EQ(shown.listIndex, -1);  // a fresh group has no type chosen
    EXPECT_EQ(shown.description.substr(0, 24), "LIGHT LOAD TRANSMISSION:");
    // The third row of the light-load group is FXA9; rebuilding the page
    // selects it again.
    ASSERT_TRUE(ChooseFlatBeltType(p, *shown.flatGroup, 2));
    EXPECT_EQ(p.flatBeltIndex, 9);
    EXPECT_EQ(p.beltType, "FENDARO FXA9");
    const ProfileSelection again = SelectToothProfile(p, kTabFendaro, 10);
    EXPECT_EQ(again.listIndex, 2);
    // SelectToothProfile clears beltType; the list choice sets it again.
    EXPECT_EQ(p.beltType, "");
}

TEST_F(ApplicationDataTest, LinearDriveType) {
    struct Case {
        int i;
        int type;
        bool carriageLength;
        bool stroke;
        int idler;
    };
    const Case cases[] = {{0, 0, true, true, 0}, {1, 1, false, true, 1}, {2, 2, false, false, 0}};
    for (const auto& c : cases) {
        ASSERT_TRUE(ChooseLinearDrive(p, kTabSelkira, c.i));
        EXPECT_EQ(p.linearDriveType, c.type);
        EXPECT_EQ(CarriageLengthEnabled(p), c.carriageLength);
        EXPECT_EQ(StrokeEnabled(p), c.stroke);
        EXPECT_EQ(p.screen.checkIdler[2], c.idler);
        EXPECT_EQ(p.screen.checkIdler[3], c.idler);
        EXPECT_EQ(p.screen.checkIdler[4], 0);
    }
    // Only the SELKIRA tab has linear drive types.
    EXPECT_FALSE(ChooseLinearDrive(p, kTabTavoren, 1));
    EXPECT_FALSE(ChooseLinearDrive(p, kTabOrvanto, 1));
    EXPECT_EQ(p.linearDriveType, 2);
}

TEST_F(ApplicationDataTest, TickingAnIdlerFromStep1ClearsThatPulley) {
    p.pulleyTeeth[2] = 20;
    p.pulleyDiameter[2] = 0.05;
    p.pulleySpeed[2] = 100;
    p.pulleyRatio[2] = 2;
    ChooseLinearDrive(p, kTabSelkira, 1);
    EXPECT_EQ(p.pulleyIsIdler[2], kTrue);
    EXPECT_EQ(p.pulleyTeeth[2], 0);
    EXPECT_EQ(p.pulleyDiameter[2], 0);
    EXPECT_EQ(p.pulleySpeed[2], 0);
    EXPECT_EQ(p.pulleyRatio[2], 0);
    // Clearing a box that is already clear leaves its pulley alone.
    p.pulleyDiameter[4] = 0.07;
    ChooseLinearDrive(p, kTabSelkira, 0);
    EXPECT_EQ(p.pulleyDiameter[4], 0.07);
    EXPECT_EQ(p.pulleyIsIdler[2], 0);
}

TEST_F(ApplicationDataTest, InputModeEnablesItsFields) {
    using E = std::array<bool, 9>;
    EXPECT_EQ(InputModeEnabled(0), (E{true, false, false, true, true, true, false, false, false}));
    EXPECT_EQ(InputModeEnabled(1), (E{true, true, false, false, false, false, false, true, true}));
    EXPECT_EQ(InputModeEnabled(2), (E{true, true, true, false, false, false, false, false, false}));
    EXPECT_EQ(InputModeEnabled(3), (E{true, false, false, false, false, false, true, false, true}));
    ChooseInputMode(p, 2);
    EXPECT_EQ(SelectedInputMode(p), 2);
    EXPECT_FALSE(p.screen.optionInput[0]);
}

TEST_F(ApplicationDataTest, SlopeMustLieInsideZeroTo180) {
    const char* const kSlopeRule = "Slope must be included between 0\u00B0 and 180\u00B0.";
    const char* const kNotNegative = "Please, insert positive values.";
    struct Case {
        const char* typed;
        double slope;
        const char* shown;
        const char* warning;  // nullptr: none
        double force;         // 0: Go On derives it again
    };
    // From a slope of 45 and the force derived from it. A refused slope
    // leaves both, and so does Enter on the slope shown.
    const Case cases[] = {
        {"30", 30, "30", nullptr, 0},
        {"180", 180, "180", nullptr, 0},
        {"0", 0, "0", kSlopeRule, 0},
        {"181", 45, "45", kSlopeRule, 500},
        {"1e400", 45, "45", kSlopeRule, 500},
        {"-5", 45, "45", kNotNegative, 500},
        {"abc", 45, "45", "Please, insert a number.", 500},
        {"45", 45, "45", nullptr, 500},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        ScriptedDialogs dialogs;
        p.slopeAngle = 45;
        p.peripheralForce = 500;
        EXPECT_EQ(Step1DataEntry(p, dialogs, 0, c.typed), c.shown);
        EXPECT_EQ(p.slopeAngle, c.slope);
        EXPECT_EQ(p.peripheralForce, c.force);
        if (c.warning) {
            ASSERT_EQ(dialogs.seen.size(), 1U);
            EXPECT_EQ(dialogs.seen.back().text, c.warning);
            EXPECT_EQ(dialogs.seen.back().title, "Warning");
            EXPECT_EQ(dialogs.seen.back().icon, MsgIcon::Warning);
        } else {
            EXPECT_TRUE(dialogs.seen.empty());
        }
    }
}

TEST_F(ApplicationDataTest, DataFieldsInTheirUnits) {
    p.lastStandardLength = 1.2;
    EXPECT_EQ(Step1DataEntry(p, d, 10, "350"), "350.0");
    EXPECT_DOUBLE_EQ(p.stroke, 0.35);
    EXPECT_EQ(p.lastStandardLength, kNoStandardLength);
    EXPECT_EQ(Step1DataEntry(p, d, 5, "12,5"), "12.5");
    EXPECT_DOUBLE_EQ(p.carriageMass, 12.5);
    Step1DataEntry(p, d, 1, "1.5");
    EXPECT_DOUBLE_EQ(p.power, 1500);

    ChooseUnit(p, kPower, 7);   // HP
    ChooseUnit(p, kLength, 4);  // in
    EXPECT_EQ(Step1DataLabel(p, 1), "Power.........................[HP]");
    EXPECT_EQ(Step1DataLabel(p, 0), "Slope..........................[degrees]");
    EXPECT_EQ(Step1DataLabel(p, 8), "\u00D8 driver pulley..........[in]");
    EXPECT_EQ(CarriageAndStrokeCaption(p),
              "Carriage length.......[in]\r\rStroke........................[in]");
    EXPECT_EQ(Step1DataText(p, 1), "2.01");
    EXPECT_EQ(Step1DataText(p, 10), "13.8");
}

TEST_F(ApplicationDataTest, TabsAndPictures) {
    EXPECT_EQ(Step1TabTitle(kTabRubber), "RUBBER TIMING BELTS");
    EXPECT_EQ(Step1TabTitle(kTabIdler), "VESTRANO IDLER MINIMUM DIAMETER");
    EXPECT_EQ(Step1TabCaption(kTabNews), kNewsTabCaption);
    EXPECT_EQ(std::vector<int>(Step1TabPictures(kTabSelkira).begin(), Step1TabPictures(kTabSelkira).end()),
              (std::vector<int>{0, 1, 3, 4, 5}));
    EXPECT_TRUE(Step1TabPictures(kTabClear).empty());
    EXPECT_EQ(Step1HighlightColour(kTabTavoren), 255 + 256 * 224 + 65536 * 192);
}

// Every family has its page: the tab names it, and every picture on it
// chooses a belt type of the family (a flat belt picture lists the types of
// its group); a timing belt type has its pitch chart on step 2.
TEST_F(ApplicationDataTest, EveryFamilyHasItsStep1Page) {
    for (const BeltFamilyTraits& family : BeltFamilyTable()) {
        SCOPED_TRACE(std::string(family.name));
        EXPECT_EQ(Step1TabCaption(family.tab).substr(0, family.name.size()), family.name);
        EXPECT_EQ(Step1TabTitle(family.tab).substr(0, family.name.size()), family.name);
        EXPECT_NE(Step1HighlightColour(family.tab), 0);
        ASSERT_FALSE(Step1TabPictures(family.tab).empty());
        for (int picture : Step1TabPictures(family.tab)) {
            SCOPED_TRACE(picture);
            DriveProject q = p;
            q.profileButtonIndex = -1;
            ProfileSelection shown;
            EXPECT_TRUE(TipoDenteClick(q, family.tab, picture, &shown));
            if (family.kind == BeltKind::Flat) {
                ASSERT_NE(shown.flatGroup, nullptr);
                continue;
            }
            EXPECT_EQ(FamilyFromType(q.beltType), family.name) << q.beltType;
            if (family.kind == BeltKind::Toothed) EXPECT_NE(FindPitchGroup(q.beltType), nullptr) << q.beltType;
        }
    }
}

}  // namespace
}  // namespace belt
