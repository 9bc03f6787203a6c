#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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

// Enter stores the value in internal units and rewrites the box; refused,
// the target keeping what it held (77 here): a negative value where
// negatives are not taken, text that is no
// number, absurd or unholdable values (with the limit in the box's unit) and
// a factor that is not above zero.
TEST(NumericEntry, EnterStoresInternalValueOrRefusesAndRewritesTheBox) {
    const char* const kNotNegative = "Please, insert positive values.";
    const char* const kNotANumber = "Please, insert a number.";
    struct Case {
        const char* typed;
        int quantity;
        int unit;
        bool allowNegative;
        double stored;
        const char* text;
        const char* message;  // nullptr: taken
        bool positiveOnly = false;
    };
    const Case cases[] = {
        {"2,5", kLength, 1, false, 0.0025, "2.50", nullptr},
        {"2.5", kLength, 1, false, 0.0025, "2.50", nullptr},
        // Letters once stored 0 without a word.
        {"abc", kLength, 1, false, 77, "77000.00", kNotANumber},
        {"-", kPlainNumber, 1, true, 77, "77.00", kNotANumber},
        {",", kForce, 1, false, 77, "77.00", kNotANumber},
        {"", kLength, 1, false, 0, "0.00", nullptr},  // a blank box reads as 0
        {"-3", kLength, 1, false, 77, "77000.00", kNotNegative},
        {"-3", kLength, 1, true, -0.003, "-3.00", nullptr},
        {"10", kForce, 2, false, 98.0665, "10.00", nullptr},
        {" 1 2", kPlainNumber, 1, false, 12, "12.00", nullptr},
        {"12abc", kLength, 2, false, 12, "12.00", nullptr},
        {"100000", kLength, 1, false, 100, "100000.00", nullptr},
        {"100000.01", kLength, 1, false, 77, "77000.00", "Please, insert values up to 100000 [mm]."},
        {"1e400", kLength, 1, false, 77, "77000.00", "Please, insert values up to 100000 [mm]."},
        {"1e999", kLength, 2, false, 77, "77.00", "Please, insert values up to 100 [m]."},
        {"4000", kLength, 4, false, 77, "3031.50", "Please, insert values up to 3937 [in]."},
        {"-1e9", kLength, 1, true, 77, "77000.00", "Please, insert values between -100000 and 100000 [mm]."},
        {"-100000", kLength, 1, true, -100, "-100000.00", nullptr},
        {"1000000", kAngularVelocity, 1, false, 1e6 * 6.283185308 / 60, "1000000.00", nullptr},
        {"1000001", kAngularVelocity, 1, false, 77, "735.30", "Please, insert values up to 1000000 [rpm]."},
        {"10001", kPower, 1, false, 77, "0.08", "Please, insert values up to 10000 [kW]."},
        {"1e400", kPower, 1, false, 77, "0.08", "Please, insert values up to 10000 [kW]."},
        {"2e6", kForce, 2, false, 77, "7.85", "Please, insert values up to 1019716 [kgf]."},
        {"1e5", kMass, 1, false, 1e5, "100000.00", nullptr},
        {"1001", kVelocity, 1, false, 77, "77.00", "Please, insert values up to 1000 [m/s]."},
        {"1e5", kAcceleration, 1, false, 77, "77.00", "Please, insert values up to 10000 [m/s^2]."},
        {"1e7", kTorque, 1, false, 77, "77.00", "Please, insert values up to 1000000 [N m]."},
        {"100", kPlainNumber, 1, false, 100, "100.00", nullptr},
        {"1e30", kPlainNumber, 1, false, 77, "77.00", "Please, insert values up to 100."},
        // A factor: 0 once designed for no load at all.
        {"1,4", kPlainNumber, 1, false, 1.4, "1.40", nullptr, true},
        {"0", kPlainNumber, 1, false, 77, "77.00", kNotNegative, true},
        {"0.004", kPlainNumber, 1, false, 77, "77.00", kNotNegative, true},  // shows as 0.00
        {"-2", kPlainNumber, 1, false, 77, "77.00", kNotNegative, true},
        {"abc", kPlainNumber, 1, false, 77, "77.00", kNotANumber, true},
        {"", kPlainNumber, 1, false, 77, "77.00", kNotNegative, true},
        {"1e400", kPlainNumber, 1, false, 77, "77.00", "Please, insert values up to 100.", true},
    };
    for (const auto& c : cases) {
        DriveProject p = StartedProject();
        ChooseUnit(p, c.quantity, c.unit);
        ScriptedDialogs d;
        double target = 77;
        NumericEntry r = AcceptNumericInput(p, d, c.typed, target, c.quantity, "###0.00", c.allowNegative,
                                            std::nullopt, c.positiveOnly);
        EXPECT_NEAR(target, c.stored, 1e-9) << c.typed;
        EXPECT_EQ(r.text, c.text) << c.typed;
        EXPECT_EQ(r.refused, c.message != nullptr) << c.typed;
        EXPECT_EQ(r.kept, c.message != nullptr && c.stored == 77) << c.typed;
        if (c.message) {
            ASSERT_EQ(d.seen.size(), 1U) << c.typed;
            EXPECT_EQ(d.seen[0].text, c.message);
            EXPECT_EQ(d.seen[0].title, "Warning");
            EXPECT_EQ(d.seen[0].icon, MsgIcon::Warning);
        } else {
            EXPECT_TRUE(d.seen.empty()) << c.typed;
        }
    }

    // A box with a range rule of its own takes any finite value.
    DriveProject p = StartedProject();
    ScriptedDialogs d;
    double slope = 0;
    AcceptNumericInput(p, d, "1e400", slope, kPlainNumber, "####0", false, kNoEntryLimit);
    EXPECT_EQ(slope, std::numeric_limits<double>::max());
    EXPECT_TRUE(d.seen.empty());
}

// Enter on the text the value already shows stores nothing: read back, the
// rounded text would move the value (a belt speed of 5.4397 m/s shown as
// "5.44"). Any other text is a new value, even one that reads the same.
TEST(NumericEntry, TheShownTextKeepsTheValueBehindIt) {
    struct Case {
        const char* typed;
        int quantity;
        int unit;
        double value;  // internal, before and after when unchanged
        const char* format;
        bool unchanged;
        double stored;
    };
    const Case cases[] = {
        {"5.44", kVelocity, 1, 5.4397, "###0.00", true, 5.4397},
        {"5.440", kVelocity, 1, 5.4397, "###0.00", false, 5.44},
        {"5,44", kVelocity, 1, 5.4397, "###0.00", false, 5.44},
        {"1450.7", kAngularVelocity, 1, 151.92, "###0.0", true, 151.92},
        {"1.26", kLength, 4, 0.032, "###0.00", true, 0.032},
        {"45", kPlainNumber, 1, 45, "####0", true, 45},
        {"-2.00", kLength, 1, -0.002, "###0.00", true, -0.002},
        {"0.00", kLength, 1, 0.001, "###0.00", false, 0},
    };
    for (const auto& c : cases) {
        DriveProject p = StartedProject();
        ChooseUnit(p, c.quantity, c.unit);
        ScriptedDialogs d;
        double target = c.value;
        const NumericEntry r = AcceptNumericInput(p, d, c.typed, target, c.quantity, c.format);
        EXPECT_EQ(r.unchanged, c.unchanged) << c.typed;
        EXPECT_DOUBLE_EQ(target, c.stored) << c.typed;
        EXPECT_FALSE(r.refused) << c.typed;
        if (c.unchanged) EXPECT_EQ(r.text, c.typed);
        EXPECT_TRUE(d.seen.empty()) << c.typed;
    }
}

TEST(NumericEntry, SingleTargetsNeverHoldInfinity) {
    // 1e39 is beyond a Single; with kgf the product overflows a Double too.
    DriveProject p = StartedProject();
    ChooseUnit(p, kForce, 2);
    for (const char* typed : {"1e39", "1e400", "1e308"}) {
        ScriptedDialogs d;
        float loadFactor = 1.5F;
        float force = 2.5F;
        EXPECT_EQ(AcceptNumericInput(p, d, typed, loadFactor, kPlainNumber, "###0.0").text, "1.5") << typed;
        EXPECT_EQ(AcceptNumericInput(p, d, typed, force, kForce, "###0.00", false, kNoEntryLimit).text, "0.25")
            << typed;
        EXPECT_EQ(loadFactor, 1.5F);
        EXPECT_EQ(force, 2.5F);
        EXPECT_EQ(d.seen.size(), 2U);
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
        {HUGE_VAL, "###0.00", "0.00"},
        // No more digits than a Double holds: exponent form from 10^15 on.
        {999999999999999.0, "####0", "999999999999999"},
        {1e15, "####0", "1E+15"},
        {1e30, "###0.0", "1.0E+30"},
        {-1.797e308, "###0.00", "-1.80E+308"},
        {2.5e20, "+###0.0", "+2.5E+20"},
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
        // Beyond a Double: too large is the largest Double, too small is 0.
        {"1e999", std::numeric_limits<double>::max()}, {"-1e999", -std::numeric_limits<double>::max()},
        {"1e-400", 0}, {"2e-324", 0}, {"-1e-400", 0}, {"0.0001e-320", 0}, {"1000e-326", 1e-323},
        {"0.00000001e316", 1e308}, {"0.0000000001e318", 1e308}, {"100000e304", std::numeric_limits<double>::max()},
        {"1e99999999999999999999", std::numeric_limits<double>::max()},
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
