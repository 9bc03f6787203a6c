#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engine/datasheet.h"
#include "testsupport.h"
#include "units/units.h"

using belt::test::ChooseBelt;
using belt::test::StartedProject;

namespace belt {
namespace {

using Row = std::array<std::string, kPulleyDataCols>;

// ORVANTO T10: pulley 1 of 20 teeth at the origin with flange and bore,
// pulley 2 of 40 teeth 400 mm away; 25 mm wide, 1200 mm long.
DriveProject TwoPulleyT10() {
    DriveProject p = StartedProject();
    ChooseBelt(p, "ORVANTO T", "T10", 0.01);
    p.toothDimensions = {0.002F, 0.0025F, 0.0035F};
    p.pulleyCount = 2;
    p.beltLength = 1.2;
    p.beltWidth = 0.025;
    p.pulleyFaceWidth = 0.032;
    p.pulleyDiameter = {0, 0.06366, 0.12732, 0, 0};
    p.pulleyOutsideDiameter = {0, 0.06181, 0.12547, 0, 0};
    p.pulleyFlangeDiameter = {0, 0.07, 0, 0, 0};
    p.pulleyMaxBore = {0, 0.025, -1, 0, 0};
    p.pulleyPosition[0][2] = 0.4;
    return p;
}

TEST(DataSheet, TimingDriveFillsTheRowsOfItsTwoPulleys) {
    const ProfileDataSheet s = BuildProfileDataSheet(TwoPulleyT10());
    EXPECT_EQ(s.maker, "VESTRANO");
    EXPECT_EQ(s.beltLine, "ORVANTO T10;  length = 1200.00 mm;  width = 25.00 mm");
    using Pair = std::array<std::string, 2>;
    EXPECT_EQ(s.toothData[0], (Pair{"P", "10.00"}));
    EXPECT_EQ(s.toothData[1], (Pair{"h1", "2.00"}));
    EXPECT_EQ(s.toothData[2], (Pair{"h2", "2.50"}));
    EXPECT_EQ(s.toothData[3], (Pair{"w", "3.50"}));

    const std::string driver = "driver pulley;   B = 32.00";
    EXPECT_EQ(s.pulleyData[0], (Row{driver, driver, driver, driver, driver, driver}));
    EXPECT_EQ(s.pulleyData[1], (Row{"dp", "de", "df", "dmax", "X", "Y"}));
    EXPECT_EQ(s.pulleyData[2], (Row{"63.66", "61.81", "70.00", "25.00", "0.00", "0.00"}));
    EXPECT_EQ(s.pulleyData[3][0], "driven pulley;   B = 32.00");
    // No flange and a tooth count outside the table (bore -1): both blank.
    EXPECT_EQ(s.pulleyData[5], (Row{"127.32", "125.47", "", "", "400.00", "0.00"}));
    for (int r = 0; r < kPulleyDataRows; ++r) {
        EXPECT_EQ(s.titleRow[static_cast<std::size_t>(r)], r == 0 || r == 3) << "row " << r;
        if (r >= 6) EXPECT_EQ(s.pulleyData[static_cast<std::size_t>(r)], Row{}) << "row " << r;
    }
    EXPECT_EQ(s.unitCaption, "Unit: [mm]");
}

TEST(DataSheet, FourPulleysFillEveryRowAndAnIdlerShowsOnlyDiameterAndPosition) {
    DriveProject p = TwoPulleyT10();
    p.pulleyCount = 4;
    p.pulleyIsIdler = {0, 0, 0, -1, 0};
    p.pulleyDiameter[3] = 0.05;
    p.pulleyOutsideDiameter[3] = 0.048;  // what a tooth lookup left behind
    p.pulleyPosition[0][3] = 0.38;
    p.pulleyPosition[1][3] = 0.35;
    p.pulleyDiameter[4] = 0.1;
    p.pulleyPosition[0][4] = 0.45;
    p.pulleyPosition[1][4] = -0.1;
    const ProfileDataSheet s = BuildProfileDataSheet(p);
    EXPECT_EQ(s.pulleyData[3][0], "pulley # 2;   B = 32.00");
    EXPECT_EQ(s.pulleyData[6][5], "idler # 3;   B = 32.00");
    EXPECT_EQ(s.pulleyData[7], (Row{"\u00D8", "X", "Y", "", "", ""}));
    EXPECT_EQ(s.pulleyData[8], (Row{"50.00", "380.00", "350.00", "", "", ""}));
    EXPECT_EQ(s.pulleyData[9][0], "pulley # 4;   B = 32.00");
    EXPECT_EQ(s.pulleyData[10], (Row{"dp", "de", "df", "dmax", "X", "Y"}));
    EXPECT_EQ(s.pulleyData[11][4], "450.00");
    EXPECT_EQ(s.pulleyData[11][5], "-100.00");
    for (int r = 0; r < kPulleyDataRows; ++r)
        EXPECT_EQ(s.titleRow[static_cast<std::size_t>(r)], r % 3 == 0) << "row " << r;
}

TEST(DataSheet, MultiRibBeltShowsRibsAndTheGrooveOfItsSection) {
    struct Case {
        std::string section;
        std::string title;
        Row values;
    };
    const std::vector<Case> cases = {
        {"ZB2",
         "driver pulley;   P = 2.00;   \u00DF = 60\u00B0",
         {"40.00", "0.30", "0.15", "1.30", "0.00", "0.00"}},
        {"J",
         "driver pulley;   P = 2.34;   \u00DF = 40\u00B0",
         {"40.00", "0.20", "0.40", "1.80", "0.00", "0.00"}},
        {"H",
         "driver pulley;   P = 1.60;   \u00DF = 40\u00B0",
         {"40.00", "0.15", "0.30", "1.30", "0.00", "0.00"}},
    };
    for (const Case& c : cases) {
        DriveProject p = StartedProject();
        ChooseBelt(p, "QUINDEL " + c.section, c.section, 0.001);
        p.beltName = p.beltType;
        p.toothDimensions = {0.0035F, 0.002F, 0.00234F};
        p.pulleyCount = 2;
        p.beltLength = 0.66;
        p.beltWidth = 12;
        p.pulleyDiameter = {0, 0.04, 0.08, 0, 0};
        const ProfileDataSheet s = BuildProfileDataSheet(p);
        EXPECT_EQ(s.beltLine, "QUINDEL " + c.section + ";  length = 660.00 mm;  width = 12 ribs");
        EXPECT_EQ(s.toothData[0][0] + " " + s.toothData[0][1], "P 2.34");
        EXPECT_EQ(s.toothData[1][0] + " " + s.toothData[1][1], "h1 3.50");
        EXPECT_EQ(s.toothData[2][0] + " " + s.toothData[2][1], "h2 2.00");
        EXPECT_EQ(s.toothData[3][0] + s.toothData[3][1], "");
        EXPECT_EQ(s.pulleyData[0][3], c.title);
        EXPECT_EQ(s.pulleyData[1], (Row{"\u00D8", "R", "r", "t", "X", "Y"}));
        EXPECT_EQ(s.pulleyData[2], c.values) << c.section;
    }
}

TEST(DataSheet, FlatBeltShowsWidthThicknessToleranceAndCrown) {
    DriveProject p = StartedProject();
    ChooseBelt(p, "FENDARO FXA1", "FXA1", 0.001);
    p.beltName = p.beltType;
    p.toothDimensions = {0.0028F, 0.0002F, 0};
    p.pulleyCount = 2;
    p.beltLength = 1.5;
    p.beltWidth = 0.05;
    p.pulleyFaceWidth = 0.063;
    p.pulleyDiameter = {0, 0.1, 0.2, 0, 0};
    p.pulleyCrownHeight = {0, 0.0003, 0, 0, 0};
    p.pulleyPosition[0][2] = 0.5;
    const ProfileDataSheet s = BuildProfileDataSheet(p);
    EXPECT_EQ(s.beltLine, "FENDARO FXA1;  length = 1500.00 mm;  width = 50.00 mm");
    using Pair = std::array<std::string, 2>;
    EXPECT_EQ(s.toothData[0], (Pair{"W", "50.00"}));
    EXPECT_EQ(s.toothData[1], (Pair{"T", "2.80"}));
    EXPECT_EQ(s.toothData[2], (Pair{"T tol.", "\u00B10.20"}));
    EXPECT_EQ(s.toothData[3], (Pair{"", ""}));
    EXPECT_EQ(s.pulleyData[0][0], "driver pulley;   B = 63.00");
    EXPECT_EQ(s.pulleyData[1], (Row{"d", "h", "X", "Y", "", ""}));
    EXPECT_EQ(s.pulleyData[2], (Row{"100.00", "0.30", "0.00", "0.00", "", ""}));
    EXPECT_EQ(s.pulleyData[5], (Row{"200.00", "", "500.00", "0.00", "", ""}));
}

TEST(DataSheet, EveryLengthFollowsTheLengthUnit) {
    DriveProject p = TwoPulleyT10();
    ChooseUnit(p, kLength, 4);  // in
    const ProfileDataSheet s = BuildProfileDataSheet(p);
    EXPECT_EQ(s.beltLine, "ORVANTO T10;  length = 47.24 in;  width = 0.98 in");
    EXPECT_EQ(s.toothData[0][1], "0.39");
    EXPECT_EQ(s.toothData[3][1], "0.14");
    EXPECT_EQ(s.pulleyData[0][0], "driver pulley;   B = 1.26");
    EXPECT_EQ(s.pulleyData[2], (Row{"2.51", "2.43", "2.76", "0.98", "0.00", "0.00"}));
    EXPECT_EQ(s.pulleyData[5][4], "15.75");
    EXPECT_EQ(s.unitCaption, "Unit: [in]");
}

TEST(DataSheet, ProfileWithoutTipWidthLeavesTheFourthRowBlank) {
    DriveProject p = TwoPulleyT10();
    ChooseBelt(p, "RUBBER I", "L", 0.009525);
    p.toothDimensions = {0, 0.00191F, 0};
    const ProfileDataSheet s = BuildProfileDataSheet(p);
    EXPECT_EQ(s.toothData[0][1], "9.53");
    EXPECT_EQ(s.toothData[1][1], "0.00");
    EXPECT_EQ(s.toothData[3][0] + s.toothData[3][1], "");
}

using Cells = std::vector<std::string>;

TEST(PulleyTable, TimingDriveMarksAnIndicativeOutsideDiameterAndDashesWhatAnIdlerLacks) {
    DriveProject p = TwoPulleyT10();
    p.pulleyTeeth = {0, 20, 37, 0, 0};
    p.pulleyCount = 4;
    p.pulleyIsIdler = {0, 0, 0, -1, 0};
    p.pulleyDiameter[3] = 0.05;
    p.pulleyOutsideDiameter[3] = 0.048;  // what a tooth lookup left behind
    p.pulleyFlangeDiameter[3] = 0.055;
    p.pulleyMaxBore[3] = -1;
    p.pulleyPosition[0][3] = 0.38;
    p.pulleyPosition[1][3] = 0.35;
    p.pulleyTeeth[4] = 0;  // a pulley whose teeth are not known yet
    p.pulleyDiameter[4] = 0.1;
    p.pulleyPosition[1][4] = -0.1;
    const PulleyTable t = BuildPulleyTable(p);
    EXPECT_EQ(t.headings, (Cells{"dp [mm]", "z", "B [mm]", "dmax [mm]", "de [mm]", "df [mm]", "X [mm]", "Y [mm]"}));
    EXPECT_EQ(t.names, (Cells{"driver pulley", "pulley # 2", "idler # 3", "pulley # 4"}));
    ASSERT_EQ(t.rows.size(), 4U);
    EXPECT_EQ(t.rows[0], (Cells{"63.66", "20", "32.00", "25.00", "61.81", "70.00", "0.00", "0.00"}));
    // Pulley 2: teeth outside the standard table (bore -1), no flange.
    EXPECT_EQ(t.rows[1], (Cells{"127.32", "37", "32.00", "-", "125.47\u00B9", "-", "400.00", "0.00"}));
    EXPECT_EQ(t.rows[2], (Cells{"50.00", "-", "32.00", "-", "-", "-", "380.00", "350.00"}));
    EXPECT_EQ(t.rows[3], (Cells{"100.00", "-", "32.00", "-", "-", "-", "0.00", "-100.00"}));
    EXPECT_TRUE(t.indicative);

    p.pulleyMaxBore[2] = 0.04;
    EXPECT_FALSE(BuildPulleyTable(p).indicative);
}

TEST(PulleyTable, MultiRibAndFlatBeltsHaveTheirOwnColumns) {
    DriveProject quindel = StartedProject();
    ChooseBelt(quindel, "QUINDEL J", "J", 0.001);
    quindel.beltName = quindel.beltType;
    quindel.beltWidth = 12;
    quindel.pulleyCount = 3;
    quindel.pulleyIsIdler = {0, 0, 0, -1, 0};
    quindel.pulleyDiameter = {0, 0.04, 0.08, 0.03, 0};
    const PulleyTable q = BuildPulleyTable(quindel);
    EXPECT_EQ(q.headings,
              (Cells{"d [mm]", "B [ribs]", "P [mm]", "R [mm]", "r [mm]", "t [mm]", "X [mm]", "Y [mm]"}));
    EXPECT_EQ(q.rows[1], (Cells{"80.00", "12", "2.34", "0.20", "0.40", "1.80", "0.00", "0.00"}));
    EXPECT_EQ(q.rows[2], (Cells{"30.00", "-", "-", "-", "-", "-", "0.00", "0.00"}));
    EXPECT_FALSE(q.indicative);

    DriveProject fendaro = StartedProject();
    ChooseBelt(fendaro, "FENDARO FXA1", "FXA1", 0.001);
    fendaro.pulleyCount = 2;
    fendaro.pulleyFaceWidth = 0.063;
    fendaro.pulleyDiameter = {0, 0.1, 0.2, 0, 0};
    fendaro.pulleyCrownHeight = {0, 0.0003, 0, 0, 0};
    fendaro.pulleyPosition[0][2] = 0.5;
    ChooseUnit(fendaro, kLength, 4);  // in
    const PulleyTable f = BuildPulleyTable(fendaro);
    EXPECT_EQ(f.headings, (Cells{"d [in]", "B [in]", "h [in]", "X [in]", "Y [in]"}));
    EXPECT_EQ(f.names, (Cells{"driver pulley", "driven pulley"}));
    EXPECT_EQ(f.rows[0], (Cells{"3.94", "2.48", "0.01", "0.00", "0.00"}));
    EXPECT_EQ(f.rows[1], (Cells{"7.87", "2.48", "-", "19.69", "0.00"}));
}

}  // namespace
}  // namespace belt
