#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/flatbelts.h"
#include "project/driveproject.h"

using namespace belt;

namespace {

DriveProject LoadedProject() {
    DriveProject p;
    DatiFlatBelt(p);
    return p;
}

// Continuation line of a value in the characteristics panel.
const std::string kNext = "\r" + std::string(30, ' ');

const FlatBeltGroup& Group(int picture) {
    const FlatBeltGroup* g = FlatBeltGroupOfPicture(picture);
    EXPECT_NE(g, nullptr);
    return *g;
}

}  // namespace

TEST(FlatBelts, DataSheetReadsBack) {
    const DriveProject p = LoadedProject();
    struct Case {
        int col, row;
        std::string text;
    };
    const Case cases[] = {
        {0, 0, ""},
        {1, 0, ""},
        {2, 0, "Tensile reinforcement: ............................"},
        {6, 0, "Breaking strenght/cm width [N]:............."},
        {17, 0, "Chemical resistence-Water: ...................."},
        {20, 0, "Applications:     "},
        {21, 0, ""},
        {23, 0, ""},
        {0, 1, ""},
        {1, 1, "FXA1"},
        {1, 16, "FXA16"},
        {7, 1, "300"},
        {8, 1, "0.007"},
        {12, 1, "200/3600"},
        {12, 2, "200 / 4500"},
        {14, 1, "-30/110"},
        {14, 3, "-40 / 90"},
        {5, 4, "On request"},
        {6, 4, "1250"},
        {2, 6, "Polyester cord"},
        {22, 6, "NBR on both sides"},
        {23, 6, "Neoprene/NBR"},
        {3, 9, "0.75"},
        {2, 10, "Polyester Cotton Fabric"},
        {6, 12, "----"},
        {7, 12, "ELASTIC"},
        {7, 14, "SEMI ELASTIC"},
        {8, 13, "0.3"},
        {10, 15, "1.8"},
        {13, 16, "Silicon/Polyester"},
        {14, 16, "-50 / 150"},
        {21, 16, "Silicon on both sides"},
        {20, 14, "CHECK WEIGHTER"},
        {20, 15, "PAPER TRANSPORT CONVEYOR BELT"},
        {20, 1,
         "INTERNAL GRINDING MACHINES" + kNext + "GRINDERS" + kNext + "MACHINES TOOLS" + kNext + "HIGH SPEED"},
        {20, 8,
         "AUTOMATIC TELLER MACHINE" + kNext + "HIGH SPEED DRIVE" + kNext +
             "LIGHT LOAD TRANSMISSION AND CONVEYING"},
    };
    for (const auto& c : cases) EXPECT_EQ(p.flatBeltTable[c.col][c.row], c.text) << c.col << "," << c.row;
}

TEST(FlatBelts, ListsTheTypesOfAGroup) {
    const DriveProject p = LoadedProject();
    EXPECT_EQ(ListFlatBeltTypes(p, 7, 10), (std::vector<std::string>{"FXA7", "FXA8", "FXA9", "FXA10"}));
    EXPECT_EQ(ListFlatBeltTypes(p, 1, 6).size(), 6u);
    EXPECT_EQ(ListFlatBeltTypes(p, 11, 16).back(), "FXA16");
    EXPECT_EQ(ListFlatBeltTypes(p, 0, 20).size(), 16u);
}

TEST(FlatBelts, ChoosingATypeSetsTheIdentifiersAndDescribesIt) {
    DriveProject p = LoadedProject();
    // The list click recognises the group by the description beside it.
    const FlatBeltGroup* g = FlatBeltGroupOfCaption(ProfileDescription(4, 10));
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(g->first, 7);

    const auto text = ChooseFlatBeltType(p, *g, 2);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(p.flatBeltIndex, 9);
    EXPECT_EQ(p.beltType, "FENDARO FXA9");
    EXPECT_EQ(p.beltName, "FENDARO FXA9");
    EXPECT_EQ(p.beltPitchCode, "FXA9");

    // 19 property lines; the second application continues on an indented line.
    EXPECT_EQ(std::count(text->begin(), text->end(), '\r'), 20);
    EXPECT_EQ(text->substr(0, text->find('\r')),
              "Tensile reinforcement: ............................Polyester fabric");
    EXPECT_NE(text->find("\rBreaking strenght/cm width [N]:.............1600\r"), std::string::npos);
    const std::string tail = "Applications:     OPEN END SPINNING FRAME" + kNext + "PAPER TRANSPORT\r";
    EXPECT_EQ(text->substr(text->size() - tail.size()), tail);
}

TEST(FlatBelts, GroupsAndTheirFirstRows) {
    struct Case {
        int picture;
        int listIndex;
        int flatBeltIndex;
        const char* name;
    };
    const Case cases[] = {
        {9, 0, 1, "FXA1"},    {9, 5, 6, "FXA6"},    {10, 0, 7, "FXA7"},
        {10, 3, 10, "FXA10"}, {11, 0, 11, "FXA11"}, {11, 5, 16, "FXA16"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DriveProject p = LoadedProject();
        const FlatBeltGroup& g = Group(c.picture);
        EXPECT_EQ(FlatBeltGroupOfCaption(ProfileDescription(4, c.picture)), &g);
        ASSERT_TRUE(ChooseFlatBeltType(p, g, c.listIndex).has_value());
        EXPECT_EQ(p.flatBeltIndex, c.flatBeltIndex);
        EXPECT_EQ(p.beltPitchCode, c.name);
        EXPECT_EQ(FlatBeltListIndex(p, g), c.listIndex);  // re-selected when the page is rebuilt
    }
}

TEST(FlatBelts, NoChoiceWithoutASelectedRowOfTheGroup) {
    DriveProject p = LoadedProject();
    const FlatBeltGroup& light = Group(10);
    p.flatBeltIndex = light.indexOnChoice;  // fresh group choice
    EXPECT_EQ(p.flatBeltIndex, 6);
    EXPECT_EQ(FlatBeltListIndex(p, light), -1);
    EXPECT_EQ(ChooseFlatBeltType(p, light, -1), std::nullopt);
    EXPECT_EQ(ChooseFlatBeltType(p, light, 4), std::nullopt);
    EXPECT_EQ(p.flatBeltIndex, 6);
    EXPECT_EQ(p.beltType, "");

    // A type of another group is not re-selected in this group's list.
    p.flatBeltIndex = 3;
    EXPECT_EQ(FlatBeltListIndex(p, light), -1);
    EXPECT_EQ(FlatBeltGroupOfCaption(""), nullptr);
    EXPECT_EQ(FlatBeltGroupOfCaption("\rCLASSICAL"), nullptr);
    EXPECT_EQ(FlatBeltGroupOfPicture(5), nullptr);
    EXPECT_EQ(FlatBeltCharacteristics(p, 0), "");
}

TEST(FlatBelts, ProfileDescriptions) {
    EXPECT_EQ(
        ProfileDescription(4, 9),
        "HIGH LOAD TRANSMISSION:\rPOWER RATING from 0.1 kW to 40 kW\rSPEED to 60 m/s\rHIGH TORQUE\rHIGH "
        "FRICTION SURFACE\rPULLEY \u00D8 from 15 mm");
    EXPECT_EQ(ProfileDescription(4, 11),
              "CONVEYOR:\rTRANSPORT AUTOMATION\rCONSTANCY THICKNESS\rNO ADJUSTMENT REQUIRED\rLOW NOISE\rHIGH "
              "FRICTION OUTSIDE SURFACE");
    EXPECT_TRUE(ProfileDescription(0, 1).starts_with(
        "AT BELT: Transmittable power up to 70 kW; rpm max up to 15000; peripheral speed up to 75 m/s\r"));
    EXPECT_TRUE(ProfileDescription(0, 2).ends_with("printing machines, textile machines."));
    EXPECT_TRUE(ProfileDescription(5, 3).starts_with("\rCLASSICAL SYNCHRONOUS BELT:"));
    EXPECT_TRUE(ProfileDescription(5, 5).starts_with("\rSYNCHRONOUS BELT FOR HIGH TORQUE DRIVES:"));
    // Pages without a description beside the pictures.
    EXPECT_EQ(ProfileDescription(1, 0), "");
    EXPECT_EQ(ProfileDescription(2, 5), "");
    EXPECT_EQ(ProfileDescription(0, 3), "");
    EXPECT_FALSE(kQuindelProductText.empty());
    EXPECT_NE(kQuindelProductText.find("85 \u00B1 4 Shore A"), std::string_view::npos);
}
