#include <gtest/gtest.h>

#include <cmath>

#include "platform/scripteddialogs.h"
#include "testsupport.h"
#include "units/units.h"

using belt::test::StartedProject;

using namespace belt;

TEST(UnitTables, StartUpChoosesTheFirstUnitOfEveryQuantity) {
    DriveProject p = StartedProject();
    const char* labels[8] = {"[mm]", "[rpm]", "[kg]", "[N]", "[kW]", "[m/s]", "[m/s^2]", "[N m]"};
    for (int q = 0; q < 8; ++q) {
        EXPECT_EQ(CurrentUnit(p, q), 1) << q;
        EXPECT_EQ(CurrentLabel(p, q), labels[q]) << q;
        for (int u = 1; u <= kUnitCount[q]; ++u) EXPECT_EQ(UnitChecked(p, q, u), u == 1);
    }
    EXPECT_DOUBLE_EQ(p.unitFactor[1][1], 6.283185308 / 60);
    EXPECT_DOUBLE_EQ(p.unitFactor[5][3], 1.0 / 60);
    EXPECT_EQ(p.unitLabel[4][7], "[HP]");
    EXPECT_EQ(p.unitFactor[4][7], 745.6999);
    EXPECT_EQ(p.unitLabel[0][6], "");  // cells past the last unit stay empty
    EXPECT_EQ(CurrentFactor(p, kPlainNumber), 1.0);
}

TEST(UnitTables, DisplayedValuesFollowTheChoice) {
    struct Case {
        int quantity, unit;
        double internal;
        const char* format;
        const char* shown;
        const char* label;
    };
    const Case cases[] = {
        {kLength, 5, 1.0, "###0.00", "3.28", "[ft]"},
        {kForce, 3, 4.448222, "###0.00", "1.00", "[lbf]"},
        {kAngularVelocity, 1, 1.0, "###0.000", "9.549", "[rpm]"},
        {kPower, 1, 3400, "###0.00", "3.40", "[kW]"},
        {kVelocity, 3, 1.0, "####0", "60", "[m/min]"},
    };
    for (const auto& c : cases) {
        DriveProject p = StartedProject();
        ChooseUnit(p, c.quantity, c.unit);
        EXPECT_EQ(Format(ToDisplay(p, c.quantity, c.internal), c.format), c.shown) << c.label;
        EXPECT_EQ(CurrentLabel(p, c.quantity), c.label);
        EXPECT_TRUE(UnitChecked(p, c.quantity, c.unit));
        if (c.unit != 1) EXPECT_FALSE(UnitChecked(p, c.quantity, 1));
    }
    DriveProject p = StartedProject();
    ChooseUnit(p, kLength, 5);
    EXPECT_DOUBLE_EQ(ToInternal(p, kLength, 1), 0.3048);
    ChooseUnit(p, kLength, 9);  // no such unit: the choice stays
    EXPECT_EQ(CurrentUnit(p, kLength), 5);
}

TEST(UnitTables, ResetKeepsTheChoice) {
    DriveProject p = StartedProject();
    ChooseUnit(p, kPower, 7);
    p.reset();
    EXPECT_EQ(CurrentUnit(p, kPower), 7);
    EXPECT_EQ(CurrentLabel(p, kPower), "[HP]");
}

TEST(NumericEntry, EnterStoresInternalValueAndRewritesTheBox) {
    struct Case {
        const char* typed;
        int quantity;
        int unit;
        bool allowNegative;
        double stored;
        const char* text;
        bool refused;
    };
    const Case cases[] = {
        {"2,5", kLength, 1, false, 0.0025, "2.50", false},
        {"2.5", kLength, 1, false, 0.0025, "2.50", false},
        {"abc", kLength, 1, false, 0, "0.00", false},
        {"-3", kLength, 1, false, 0, "0.00", true},
        {"-3", kLength, 1, true, -0.003, "-3.00", false},
        {"10", kForce, 2, false, 98.0665, "10.00", false},
        {" 1 2", kPlainNumber, 1, false, 12, "12.00", false},
        {"12abc", kLength, 2, false, 12, "12.00", false},
    };
    for (const auto& c : cases) {
        DriveProject p = StartedProject();
        ChooseUnit(p, c.quantity, c.unit);
        ScriptedDialogs d;
        double target = 77;
        NumericEntry r = AcceptNumericInput(p, d, c.typed, target, c.quantity, "###0.00", c.allowNegative);
        EXPECT_NEAR(target, c.stored, 1e-12) << c.typed;
        EXPECT_EQ(r.text, c.text) << c.typed;
        EXPECT_EQ(r.refused, c.refused) << c.typed;
        if (c.refused) {
            ASSERT_EQ(d.seen.size(), 1U);
            EXPECT_EQ(d.seen[0].text, "Please, insert positive values.");
            EXPECT_EQ(d.seen[0].title, "Warning");
            EXPECT_EQ(d.seen[0].icon, MsgIcon::Warning);
        } else {
            EXPECT_TRUE(d.seen.empty()) << c.typed;
        }
    }
}

TEST(NumericEntry, SingleTargetsKeepSinglePrecision) {
    DriveProject p = StartedProject();
    ScriptedDialogs d;
    float loadFactor = 0;
    NumericEntry r = AcceptNumericInput(p, d, "1,4", loadFactor, kPlainNumber, "###0.0");
    EXPECT_EQ(loadFactor, 1.4F);
    EXPECT_EQ(r.text, "1.4");
}

TEST(VbFormat, PatternsRoundHalfAwayFromZeroOnTheDecimalValue) {
    struct Case {
        double value;
        const char* pattern;
        const char* text;
    };
    const Case cases[] = {
        {2.5, "####0", "3"},
        {3.5, "####0", "4"},
        {-2.5, "####0", "-3"},
        {0.125, "###0.00", "0.13"},
        {2.675, "###0.00", "2.68"},  // binary 2.67499999... prints as 2.675 first
        {1.005, "###0.00", "1.01"},
        {0.0, "###0.00", "0.00"},
        {-0.001, "###0.00", "0.00"},
        {12345.678, "###0.0", "12345.7"},
        {0.04, "###0.0", "0.0"},
        {0.05, "###0.0", "0.1"},
        {999.96, "###0.0", "1000.0"},
        {7, "000", "007"},
        {1234, "000", "1234"},
        {5.5, "##0", "6"},
        {0.4, "##0", "0"},
        {0.1, "+###0.0", "+0.1"},
        {1.0, "+###0.0", "+1.0"},
        {-0.2, "+###0.0", "-0.2"},
        {0.0, "+###0.0", "+0.0"},
        {0.0234, "#e+", "2e-2"},
        {50.0, "#e+", "5e+1"},
        {96.0, "#e+", "1e+2"},
        {3.0, "#e+", "3e+0"},
        {1e-322, "#e+", "1e-322"},  // subnormal: no power of ten divides it
        {-0.0234, "#e+", "-2e-2"},
        {0.0, "#e+", "0e+0"},
        {std::nan(""), "###0.00", "0.00"},
    };
    for (const auto& c : cases) EXPECT_EQ(Format(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
}

TEST(VbVal, ReadsTheLeadingNumber) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"12.5", 12.5}, {" 1 2 . 5 ", 12.5}, {"-.5", -0.5}, {".5", 0.5},  {"+0.1", 0.1},
        {"1E-05", 1e-5}, {"1e3x", 1000},    {"1e", 1},      {"2,5", 2},   {"abc", 0},
        {"", 0},         {"-", 0},          {"&H1F", 31},   {"3d2", 300}, {"1.2.3", 1.2},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(Val(c.text), c.value) << c.text;
}

TEST(VbRounding, CIntHalvesToEvenIntFloors) {
    struct Case {
        double x;
        int cint;
        double intPart;
    };
    const Case cases[] = {
        {0.5, 0, 0}, {1.5, 2, 1}, {2.5, 2, 2}, {-0.5, 0, -1}, {-1.5, -2, -2}, {2.6, 3, 2}, {-2.4, -2, -3},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CInt(c.x), c.cint) << c.x;
        EXPECT_EQ(Int(c.x), c.intPart) << c.x;
    }
    EXPECT_EQ(CInt(std::nan("")), 0);
    EXPECT_EQ(CInt(1e30), 2147483647);
}
