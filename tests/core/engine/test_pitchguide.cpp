#include <gtest/gtest.h>

#include <cmath>

#include "engine/pitchguide.h"
#include "platform/scripteddialogs.h"
#include "testsupport.h"
#include "units/units.h"

using belt::test::kRpm;

namespace belt {
namespace {

class PitchGuideTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitUnitTables(p);
        LoadPitchGuideTables(p);
    }
    void choose(const std::string& beltType) {
        p.beltType = beltType;
        p.beltFamily = beltType.substr(0, beltType.find(' '));
        SetPitchRange(p);
    }
    DriveProject p;
    ScriptedDialogs d;
};

TEST_F(PitchGuideTest, OrvantoTLimitsAtThousandRpm) {
    choose("ORVANTO T");
    EXPECT_NEAR(GuidePowerLimit(p, 0, 1000), 346.6, 0.05);
    EXPECT_NEAR(GuidePowerLimit(p, 1, 1000), 1791, 0.5);
    // Below the first speed of a line the pitch carries nothing; beyond the
    // last it carries the line's last power.
    EXPECT_EQ(GuidePowerLimit(p, 0, 100), 0);
    EXPECT_FLOAT_EQ(GuidePowerLimit(p, 0, 5000), 660);
}

TEST_F(PitchGuideTest, PowerChartRecommendation) {
    struct Case {
        const char* beltType;
        double rpm;
        double watts;
        const char* title;
    };
    const Case cases[] = {
        {"ORVANTO T", 1000, 300, "Belt pitch selection guide: ORVANTO T2.5"},
        {"ORVANTO T", 1000, 400, "Belt pitch selection guide: ORVANTO T5"},
        // Above every tested limit the last pitch is the fallback ("*" dropped).
        {"ORVANTO T", 1000, 3000, "Belt pitch selection guide: ORVANTO T10"},
        // Below the first speed of every tested line nothing qualifies.
        {"ORVANTO AT", 5, 50, "Belt pitch selection guide: ORVANTO AT10"},
        {"ORVANTO I", 2000, 150, "Belt pitch selection guide: ORVANTO MXL"},
        {"RUBBER I", 1000, 5000, "Belt pitch selection guide: RUBBER L"},
        {"RUBBER QVP", 1000, 10000, "Belt pitch selection guide: RUBBER QVP8"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.beltType) + " " + std::to_string(c.watts));
        choose(c.beltType);
        p.pulleySpeed[1] = c.rpm * kRpm;
        p.power = c.watts;
        auto title = ConsigliaOrvantoRubber(p);
        ASSERT_TRUE(title);
        EXPECT_EQ(title->caption, c.title);
        EXPECT_EQ(title->fontSize, 18);
    }
}

TEST_F(PitchGuideTest, SelkiraT400NewtonsListsEveryPitchWithItsWidth) {
    choose("SELKIRA T");
    EXPECT_NEAR(GuideRequiredWidth(p, 15, 400), 32.4, 0.05);
    EXPECT_NEAR(GuideRequiredWidth(p, 16, 400), 14.8, 0.05);
    EXPECT_NEAR(GuideRequiredWidth(p, 17, 400), 11.0, 0.05);
    p.peripheralForce = 400;
    auto title = ConsigliaSelkiraTavoren(p);
    ASSERT_TRUE(title);
    EXPECT_EQ(title->caption,
              "Belt pitch selection guide: \rSELKIRA T5 (w=50 mm)  T10 (w=16 mm)  T20 (w=25 mm) ");
    EXPECT_EQ(title->fontSize, 13);
}

TEST_F(PitchGuideTest, WidthRecommendationSkipsPitchesWithoutASufficientWidth) {
    // 3000 N needs 282 mm of T5, more than its widest belt: T5 is left out.
    choose("TAVOREN T");
    p.peripheralForce = 3000;
    auto title = ConsigliaSelkiraTavoren(p);
    ASSERT_TRUE(title);
    EXPECT_EQ(title->caption, "Belt pitch selection guide: \rTAVOREN T10 (w=150 mm)  T20 (w=100 mm) ");
    // The AT5 row ends with a 0: a force beyond its last width lists no AT5.
    choose("SELKIRA AT");
    p.peripheralForce = 2000;
    EXPECT_EQ(ConsigliaSelkiraTavoren(p)->caption,
              "Belt pitch selection guide: \rSELKIRA AT10 (w=75 mm)  AT20 (w=32 mm) ");
}

TEST_F(PitchGuideTest, LayoutTitleFollowsChoiceAndData) {
    choose("ORVANTO T");
    EXPECT_EQ(Step2LayoutTitle(p).caption, "BELT PITCH SELECTION GUIDE");
    p.power = 300;
    EXPECT_EQ(Step2LayoutTitle(p).caption, "BELT PITCH SELECTION GUIDE");  // no speed yet
    p.pulleySpeed[1] = 1000 * kRpm;
    EXPECT_EQ(Step2LayoutTitle(p).caption, "Belt pitch selection guide: ORVANTO T2.5");
    p.beltName = "ORVANTO T5";
    EXPECT_EQ(Step2LayoutTitle(p).caption, "Pitch selected: ORVANTO T5");
    // A force on a power chart recommends nothing by width.
    choose("RUBBER I");
    p.beltName.clear();
    p.power = 0;
    p.peripheralForce = 500;
    EXPECT_EQ(Step2LayoutTitle(p).caption, "BELT PITCH SELECTION GUIDE");
    choose("SELKIRA T");
    p.peripheralForce = 400;
    EXPECT_EQ(Step2LayoutTitle(p).fontSize, 13);
    EXPECT_EQ(p.pitchRangeFirst, 15);
    EXPECT_EQ(p.pitchRangeLast, 17);
}

TEST_F(PitchGuideTest, SceltaClickNamesTheBelt) {
    struct Case {
        const char* beltType;
        int index;
        const char* code;
        const char* name;
    };
    const Case cases[] = {
        {"ORVANTO T", 2, "T10", "ORVANTO T10"},
        {"TAVOREN I", 0, "XL", "TAVOREN XL"},
        {"SELKIRA QVP", 3, "QVP8HP", "SELKIRA QVP8HP"},
        {"RUBBER I", 3, "XH", "RUBBER XH"},
    };
    for (const auto& c : cases) {
        choose(c.beltType);
        auto title = Scelta_Click(p, c.index);
        ASSERT_TRUE(title);
        EXPECT_EQ(p.beltPitchCode, c.code);
        EXPECT_EQ(p.beltName, c.name);
        EXPECT_EQ(title->caption, std::string("Pitch selected: ") + c.name);
    }
    // A button the group does not have changes nothing.
    choose("ORVANTO AT");
    p.beltName.clear();
    EXPECT_FALSE(Scelta_Click(p, 2));
    EXPECT_EQ(p.beltName, "");
}

TEST_F(PitchGuideTest, IndicatorOnPowerCharts) {
    struct Case {
        const char* beltType;
        double n;  // rad/s
        double watts;
        bool visible;
        double left;
        double top;
    };
    const Case cases[] = {
        // The demonstration's points: 3.4 kW before and after 1200 rpm.
        {"ORVANTO T", 0, 3400, true, 7, 143 - 27 * std::log10(3400.0)},
        {"ORVANTO T", 1200 * kRpm, 3400, true, 6 + 20.5 * std::log10(1200 * kRpm),
         143 - 27 * std::log10(3400.0)},
        {"ORVANTO T", 10, 0, true, 6 + 20.5, 88},
        {"ORVANTO T", 0.5, 50, false, 0, 0},     // neither on the scale
        {"ORVANTO I", 1051, 1000, false, 0, 0},  // too fast
        {"RUBBER I", 100, 100001, false, 0, 0},  // too much power
        {"RUBBER QVP", 100, 500000, true, 6.5 + 20.1 * 2, 128 - 20 * std::log10(500000.0)},
        {"RUBBER QVP", 100, 1000001, false, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.beltType) + " " + std::to_string(c.n) + " " + std::to_string(c.watts));
        choose(c.beltType);
        p.pulleySpeed[1] = c.n;
        p.power = c.watts;
        auto at = VisualizzaIndicatore(p);
        EXPECT_EQ(at.visible, c.visible);
        if (!c.visible) continue;
        EXPECT_NEAR(at.left, c.left, 1e-9);
        EXPECT_NEAR(at.top, c.top, 1e-9);
        EXPECT_EQ(at.width, 2);
        EXPECT_EQ(at.height, 3);
    }
    // The demonstration places the marker at top 47.6 and left 49.
    choose("ORVANTO T");
    p.power = 3400;
    p.pulleySpeed[1] = 125.66370616;
    auto at = VisualizzaIndicatore(p);
    EXPECT_NEAR(at.top, 47.6, 0.06);  // 47.65, shown to one decimal
    EXPECT_NEAR(at.left, 49, 0.05);
}

// The marker stays at the power the recommendation reads; a hollow one at
// service factor x power shows the design power the axis names, and the
// line under the chart says where it points when that is a larger pitch.
TEST_F(PitchGuideTest, DesignPowerBesideThePower) {
    struct Case {
        const char* beltType;
        double rpm;
        double watts;
        float loadFactor;
        float operationTime;
        const char* recommended;  // from the power, as before
        const char* pitch;        // the design power's pitch, when larger
        const char* line;
    };
    const Case cases[] = {
        // The catalogue's example keeps its recommendation.
        {"ORVANTO T", 1000, 300, 1.0F, 0.0F, "ORVANTO T2.5", "",
         "\u25CF power 0.30 kW  \u25CB design power 0.30 kW (service factor 1.0)"},
        {"ORVANTO T", 1000, 300, 1.5F, 0.3F, "ORVANTO T2.5", "T5",
         "\u25CF power 0.30 kW  \u25CB design power 0.54 kW (service factor 1.8): the design power points "
         "to T5"},
        {"ORVANTO T", 1450, 3000, 1.5F, 0.3F, "ORVANTO T10", "",
         "\u25CF power 3.00 kW  \u25CB design power 5.40 kW (service factor 1.8)"},
        {"RUBBER I", 1000, 1000, 2.0F, 0.0F, "RUBBER XL", "L",
         "\u25CF power 1.00 kW  \u25CB design power 2.00 kW (service factor 2.0): the design power points "
         "to L"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.beltType) + " " + std::to_string(c.watts));
        choose(c.beltType);
        p.pulleySpeed[1] = c.rpm * kRpm;
        p.power = c.watts;
        p.loadFactor = c.loadFactor;
        p.loadFactorSecond = c.operationTime;
        EXPECT_EQ(ConsigliaOrvantoRubber(p)->caption, std::string("Belt pitch selection guide: ") + c.recommended);
        const IndicatorPlacement power = VisualizzaIndicatore(p);
        const DesignPowerNote note = GuideDesignPower(p);
        const double sf = static_cast<double>(c.loadFactor) + static_cast<double>(c.operationTime);
        EXPECT_DOUBLE_EQ(note.designPower, sf * c.watts);
        ASSERT_TRUE(power.visible);
        ASSERT_TRUE(note.at.visible);
        // Same speed, the design power's height on the power axis.
        EXPECT_DOUBLE_EQ(note.at.left, power.left);
        EXPECT_NEAR(power.top, PowerIndicatorTop(c.watts, false), 1e-12);
        EXPECT_NEAR(note.at.top, PowerIndicatorTop(sf * c.watts, false), 1e-12);
        EXPECT_EQ(note.pitch, c.pitch);
        EXPECT_EQ(note.line, c.line);
    }
}

TEST_F(PitchGuideTest, NoDesignPowerOnWidthChartsOrWithoutData) {
    choose("SELKIRA T");
    p.peripheralForce = 400;
    p.power = 1000;
    p.pulleySpeed[1] = 1000 * kRpm;
    EXPECT_TRUE(GuideDesignPower(p).line.empty());
    EXPECT_FALSE(GuideDesignPower(p).at.visible);
    choose("ORVANTO T");
    p.power = 0;
    EXPECT_TRUE(GuideDesignPower(p).line.empty());
}

TEST_F(PitchGuideTest, IndicatorOnWidthCharts) {
    struct Case {
        const char* beltType;
        double force;
        bool visible;
        double left;
    };
    const Case cases[] = {
        {"SELKIRA T", 0, false, 0},
        {"SELKIRA T", 645, true, 17},
        {"SELKIRA T", 4000, true, 4000 / 64.5 + 7},
        {"SELKIRA T", 8000, false, 0},  // beyond the 4000 N chart
        {"SELKIRA AT", 8000, true, 8000.0 / 129 + 7},
        {"TAVOREN QVP", 1290, true, 17},
        {"TAVOREN QVP", 8001, false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.beltType) + " " + std::to_string(c.force));
        choose(c.beltType);
        p.peripheralForce = c.force;
        p.power = 1000;  // the power data play no part on a width chart
        p.pulleySpeed[1] = 100;
        auto at = VisualizzaIndicatore(p);
        EXPECT_EQ(at.visible, c.visible);
        if (!c.visible) continue;
        EXPECT_NEAR(at.left, c.left, 1e-9);
        EXPECT_EQ(at.top, 9);
        EXPECT_EQ(at.width, 0.4);
        EXPECT_EQ(at.height, 81);
    }
}

TEST_F(PitchGuideTest, DrawnAxesAgreeWithTheIndicator) {
    // The chart is drawn through the same mapping: a value's axis position is
    // the centre of the indicator placed for it.
    choose("ORVANTO T");
    p.pulleySpeed[1] = 1000 * kRpm;
    p.power = 2000;
    auto at = VisualizzaIndicatore(p);
    EXPECT_NEAR(ChartXForRpm(1000, false), at.left + at.width / 2, 1e-9);
    EXPECT_NEAR(ChartYForKw(2, false), at.top + at.height / 2, 1e-9);
    // Three decades of power over 81 units, 10 to 10000 rpm over 61.5.
    EXPECT_NEAR(ChartYForKw(0.1, false) - ChartYForKw(100, false), 81, 1e-9);
    EXPECT_NEAR(ChartXForRpm(10000, false) - ChartXForRpm(10, false), 61.5, 1e-9);
    EXPECT_NEAR(ChartYForKw(0.1, true) - ChartYForKw(1000, true), 80, 1e-9);
    // Width charts: the bar spans the whole width axis.
    EXPECT_EQ(ChartYForWidth(0), 90);
    EXPECT_EQ(ChartYForWidth(100), 9);
    EXPECT_NEAR(ChartXForForce(4000, 4000), ChartXForForce(8000, 8000), 0.01);
}

TEST_F(PitchGuideTest, DataEntryClearsThePitchAndRecommends) {
    choose("ORVANTO T");
    p.beltName = "ORVANTO T10";
    p.beltPitchCode = "T10";
    auto e = Step2DataEntry(p, d, 1, "1000");
    EXPECT_EQ(p.beltName, "");
    EXPECT_EQ(p.beltPitchCode, "");
    EXPECT_EQ(e.text, "1000");
    EXPECT_EQ(e.focusNext, 0);
    EXPECT_NEAR(p.pulleySpeed[1], 1000 * 6.283185308 / 60, 1e-9);
    // With the speed only, power 0 is below every limit: T2.5.
    ASSERT_TRUE(e.title);
    EXPECT_EQ(e.title->caption, "Belt pitch selection guide: ORVANTO T2.5");

    e = Step2DataEntry(p, d, 0, "0,4");
    EXPECT_EQ(e.text, "0.40");
    EXPECT_EQ(e.focusNext, 1);
    EXPECT_DOUBLE_EQ(p.power, 400);
    EXPECT_EQ(e.title->caption, "Belt pitch selection guide: ORVANTO T5");

    // A zero recommends nothing: neither the chosen pitch nor the old
    // recommendation may go on showing.
    Scelta_Click(p, 1);
    EXPECT_EQ(ChosenPitchButton(p), 1);
    e = Step2DataEntry(p, d, 0, "0");
    ASSERT_TRUE(e.title);
    EXPECT_EQ(e.title->caption, "BELT PITCH SELECTION GUIDE");
    EXPECT_EQ(ChosenPitchButton(p), -1);
    Step2DataEntry(p, d, 0, "0,4");
    e = Step2DataEntry(p, d, 0, "0");
    ASSERT_TRUE(e.title);
    EXPECT_EQ(e.title->caption, "BELT PITCH SELECTION GUIDE");

    // A refused speed changes nothing: the 1000 rpm, its recommendation and
    // the pitch chosen stand, and the box keeps the focus.
    e = Step2DataEntry(p, d, 0, "0,4");
    EXPECT_EQ(e.title->caption, "Belt pitch selection guide: ORVANTO T5");
    Scelta_Click(p, 1);
    e = Step2DataEntry(p, d, 1, "-1000");
    EXPECT_NEAR(p.pulleySpeed[1], 1000 * 6.283185308 / 60, 1e-9);
    EXPECT_FALSE(e.title);
    EXPECT_EQ(e.text, "1000");
    EXPECT_EQ(e.focusNext, 1);
    EXPECT_EQ(ChosenPitchButton(p), 1);
    // Enter on the speed shown changes nothing either, and moves on.
    e = Step2DataEntry(p, d, 1, "1000");
    EXPECT_FALSE(e.title);
    EXPECT_EQ(e.focusNext, 0);
    EXPECT_EQ(ChosenPitchButton(p), 1);
    d.seen.clear();

    // A negative force is refused, the force (none here) kept.
    choose("SELKIRA T");
    e = Step2DataEntry(p, d, 2, "-5");
    EXPECT_EQ(p.peripheralForce, 0);
    EXPECT_EQ(e.text, "0.00");
    ASSERT_EQ(d.messageTexts().size(), 1U);
    EXPECT_EQ(d.messageTexts()[0], "Please, insert positive values.");
    e = Step2DataEntry(p, d, 2, "400");
    EXPECT_EQ(e.title->fontSize, 13);
}

TEST_F(PitchGuideTest, EntriesInOtherUnits) {
    choose("ORVANTO T");
    ChooseUnit(p, kPower, 2);            // W
    ChooseUnit(p, kAngularVelocity, 2);  // rad/s
    auto e = Step2DataEntry(p, d, 0, "300");
    EXPECT_DOUBLE_EQ(p.power, 300);
    EXPECT_EQ(e.text, "300.00");
    Step2DataEntry(p, d, 1, "104.719755");
    EXPECT_EQ(ConsigliaOrvantoRubber(p)->caption, "Belt pitch selection guide: ORVANTO T2.5");
}

TEST_F(PitchGuideTest, UnknownBeltShowsChartZeroAndRecommendsNothing) {
    choose("QUINDEL H");
    EXPECT_EQ(PitchChart(p), 0);
    EXPECT_FALSE(FindPitchGroup("QUINDEL H"));
    p.power = 1000;
    p.pulleySpeed[1] = 100;
    EXPECT_FALSE(ConsigliaOrvantoRubber(p));
    EXPECT_FALSE(Scelta_Click(p, 0));
}

TEST_F(PitchGuideTest, TablesAsLoaded) {
    EXPECT_FLOAT_EQ(p.guideLine[0][17], 583);
    EXPECT_FLOAT_EQ(p.guideLine[3][14], 400);
    EXPECT_DOUBLE_EQ(p.guideWidths[7][15], 100);
    EXPECT_DOUBLE_EQ(p.guideWidths[6][17], 0);
    EXPECT_DOUBLE_EQ(p.guideWidths[0][21], 6.35);
    EXPECT_DOUBLE_EQ(p.guideWidths[3][30], 115);
    EXPECT_DOUBLE_EQ(p.guideWidths[0][14], 0);
}

}  // namespace
}  // namespace belt
