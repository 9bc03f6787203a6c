#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/calculationtables.h"
#include "catalogue/flatbelts.h"
#include "engine/checks.h"
#include "engine/designsequence.h"
#include "engine/details.h"
#include "engine/installation.h"
#include "engine/layout.h"
#include "engine/layouteditor.h"
#include "engine/navigation.h"
#include "engine/shaftloads.h"
#include "platform/scripteddialogs.h"
#include "project/projectfile.h"
#include "testsupport.h"
#include "units/units.h"

using belt::test::ChooseBelt;
using belt::test::StartedProject;

namespace belt {
namespace {

constexpr double kDeg = 3.141592654 / 180;

struct Place {
    double x, y, d;
};

// Pulleys placed and their belt laid as the layout lays it: the path whose
// wraps add up to one turn (the belt round the outside of every pulley).
DriveProject Laid(const std::string& type, const std::string& code, double pitch, double force,
                  const std::vector<Place>& pulleys) {
    DriveProject p = StartedProject();
    ChooseBelt(p, type, code, pitch);
    p.peripheralForce = force;
    p.pulleyCount = static_cast<int>(pulleys.size());
    for (std::size_t k = 1; k <= pulleys.size(); ++k) {
        p.pulleyPosition[0][k] = pulleys[k - 1].x;
        p.pulleyPosition[1][k] = pulleys[k - 1].y;
        p.pulleyDiameter[k] = pulleys[k - 1].d;
        // Teeth enough to mesh on the wrap (a toothed belt's wrap needs some).
        if (pitch > 0) p.pulleyTeeth[k] = std::round(3.141592654 * pulleys[k - 1].d / pitch);
    }
    ComputeBeltPaths(p);
    for (int path = 1; path <= p.beltPathTable[0][0]; ++path) {
        p.beltPathTable[0][1] = path;
        if (ComputeBeltLength(p) < 0) continue;
        double turn = 0;
        for (std::size_t k = 1; k <= pulleys.size(); ++k) turn += p.pulleyArcOfContact[k];
        if (std::abs(turn - 2 * 3.141592654) < 1e-6) return p;
    }
    ADD_FAILURE() << "no belt path round the outside";
    return p;
}

struct Expected {
    double magnitude;  // N
    double angle;      // degrees from +X, counter-clockwise
    double x, y;       // N
};

struct Running {
    double load;                    // N, on both shafts
    bool slack;                     // the slack span goes slack
    std::optional<double> margin;   // flat belts
};

// The report's value of a line, or "" when the installation data have no such line.
std::string LineValue(const DriveProject& p, const std::string& label) {
    for (const ReportLine& l : InstallationDataLines(p))
        if (l.label == label) return l.value;
    return "";
}

TEST(ShaftLoads, HandComputedDrives) {
    struct Case {
        const char* name;
        std::function<DriveProject()> make;
        double spanTension;
        std::vector<Expected> statics;
        std::optional<Running> running;
    };
    const Case cases[] = {
        // d1 100 mm and d2 200 mm, 500 mm apart along X: sin(beta) = 50 / 500,
        // beta = 5.7392 deg; arcs 180 - 2 beta = 168.5217 deg and 191.4783 deg.
        // 1.5 m of T10 are 150 teeth: T0 = 2 F / 3 = 200 N.
        // Static: 2 x 200 x sin(84.2608 deg) = 397.995 N. The spans leave
        // pulley 1 at +-beta: the load points at pulley 2 (0 deg), X = 2 T0
        // cos(beta) = 397.995 N; on pulley 2 the mirror image (180 deg).
        // Running, F = 300 N: T2 = 200 - 150 = 50 N, T1 = 350 N, cos(b1) =
        // -cos(2 beta) = -0.98: sqrt(350^2 + 50^2 + 2 x 350 x 50 x 0.98) =
        // sqrt(159300) = 399.124 N on both shafts.
        {"two-pulley T10",
         [] {
             DriveProject p = Laid("ORVANTO T", "T10", 0.01, 300, {{0, 0, 0.1}, {0.5, 0, 0.2}});
             p.beltLength = 1.5;
             return p;
         },
         200,
         {{397.995, 0, 397.995, 0}, {397.995, 180, -397.995, 0}},
         Running{399.124, false, std::nullopt}},
        // Short belt: 0.5 m of T10 are 50 teeth, T0 = F / 3 = 100 N < F / 2.
        // T2 = 0, T1 = F = 300 N: the running load is T1 itself, more than
        // the static 2 x 100 x sin(84.2608 deg) = 198.997 N.
        {"short T10 belt: slack span goes slack",
         [] {
             DriveProject p = Laid("ORVANTO T", "T10", 0.01, 300, {{0, 0, 0.1}, {0.5, 0, 0.2}});
             p.beltLength = 0.5;
             return p;
         },
         100,
         {{198.997, 0, 198.997, 0}, {198.997, 180, -198.997, 0}},
         Running{300, true, std::nullopt}},
        // QUINDEL H, 13 ribs x 25 N = 325 N a span. Equal pulleys: arcs of
        // exactly 180 deg, 2 T = 650 N along the line of centres, which
        // rises at atan(400 / 300) = 53.1301 deg: X = 650 x 0.6 = 390 N,
        // Y = 650 x 0.8 = 520 N; pulley 2 the opposite (233.1301 deg).
        // Running, F = 200 N: T2 = 225 N, T1 = 425 N, in line: 650 N.
        {"QUINDEL H 13 ribs, arcs of 180 deg",
         [] {
             DriveProject p = Laid("QUINDEL H", "H", 0, 200, {{0, 0, 0.08}, {0.3, 0.4, 0.08}});
             p.beltWidth = 13;
             return p;
         },
         325,
         {{650, 53.1301, 390, 520}, {650, 233.1301, -390, -520}},
         Running{650, false, std::nullopt}},
        // FENDARO FXA3: 300 N per cm x 4 cm = 1200 N a span, inside friction
        // coefficient 0.4; the pulleys of the T10 case. Static 2 x 1200 x
        // sin(84.2608 deg) = 2387.970 N. F = 1000 N: T2 = 700 N, T1 = 1700 N,
        // sqrt(1700^2 + 700^2 + 2 x 1700 x 700 x 0.98) = 2390.063 N. Slip
        // margin on pulley 1 (168.5217 deg = 2.941258 rad):
        // e^(0.4 x 2.941258) / (1700 / 700) = 3.243120 / 2.428571 = 1.33540.
        {"FENDARO FXA3",
         [] {
             DriveProject p = Laid("FENDARO FXA3", "FXA3", 0, 1000, {{0, 0, 0.1}, {0.5, 0, 0.2}});
             DatiFlatBelt(p);
             p.flatBeltIndex = 3;
             p.beltWidth = 0.04;
             return p;
         },
         1200,
         {{2387.970, 0, 2387.970, 0}, {2387.970, 180, -2387.970, 0}},
         Running{2390.063, false, 1.33540}},
        // The same belt at F = 2000 N: T2 = 200 N, T1 = 2200 N, margin
        // 3.243120 / 11 = 0.29483: it slips. Running
        // sqrt(2200^2 + 200^2 + 2 x 2200 x 200 x 0.98) = 2396.331 N.
        {"FENDARO FXA3 overloaded",
         [] {
             DriveProject p = Laid("FENDARO FXA3", "FXA3", 0, 2000, {{0, 0, 0.1}, {0.5, 0, 0.2}});
             DatiFlatBelt(p);
             p.flatBeltIndex = 3;
             p.beltWidth = 0.04;
             return p;
         },
         1200,
         {{2387.970, 0, 2387.970, 0}, {2387.970, 180, -2387.970, 0}},
         Running{2396.331, false, 0.29483}},
        // Three equal pulleys at (0, 0), (400, 0), (200, 300) mm, the third an
        // idler: spans parallel to the lines of centres, T0 = F = 300 N.
        // Pulley 1: spans at 0 and 56.3099 deg, wrap 123.6901 deg:
        // 2 x 300 x sin(61.8450 deg) = 529.005 N along the bisector
        // 28.1550 deg; X = 300 (1 + cos 56.3099) = 466.410 N,
        // Y = 300 sin 56.3099 = 249.615 N. Pulley 2 mirrored (151.8450 deg).
        // Idler: spans at 236.3099 and 303.6901 deg, wrap 112.6199 deg:
        // 2 x 300 x sin(56.3099 deg) = 499.230 N straight down (270 deg).
        // No running loads on three pulleys.
        {"three pulleys with an idler",
         [] {
             DriveProject p =
                 Laid("ORVANTO T", "T10", 0.01, 300, {{0, 0, 0.1}, {0.4, 0, 0.1}, {0.2, 0.3, 0.1}});
             p.pulleyIsIdler[3] = kTrue;
             return p;
         },
         300,
         {{529.005, 28.1550, 466.410, 249.615},
          {529.005, 151.8450, -466.410, 249.615},
          {499.230, 270, 0, -499.230}},
         std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DriveProject p = c.make();
        const ShaftLoads loads = ComputeShaftLoads(p);
        ASSERT_TRUE(loads.spanTension);
        EXPECT_NEAR(*loads.spanTension, c.spanTension, 1e-9);
        ASSERT_EQ(loads.statics.size(), c.statics.size());
        for (std::size_t i = 0; i < c.statics.size(); ++i) {
            SCOPED_TRACE("pulley " + std::to_string(i + 1));
            const StaticShaftLoad& s = loads.statics[i];
            const Expected& e = c.statics[i];
            ASSERT_TRUE(s.hasDirection);
            EXPECT_NEAR(s.magnitude, e.magnitude, 1e-3);
            EXPECT_NEAR(s.angle / kDeg, e.angle, 1e-4);
            EXPECT_NEAR(s.x, e.x, 1e-3);
            EXPECT_NEAR(s.y, e.y, 1e-3);
            // The magnitude is the report's static tension line.
            EXPECT_EQ(LineValue(p, "Static tension on " + GetPulleyLabel(p, s.pulley)),
                      Format(s.magnitude, "###0.0"));
        }
        ASSERT_EQ(loads.running.has_value(), c.running.has_value());
        if (!c.running) continue;
        const RunningShaftLoads& r = *loads.running;
        EXPECT_NEAR(r.load[1], c.running->load, 1e-3);
        EXPECT_NEAR(r.load[2], c.running->load, 1e-3);
        EXPECT_EQ(r.slackSpanGoesSlack, c.running->slack);
        ASSERT_EQ(r.slipMargin.has_value(), c.running->margin.has_value());
        if (r.slipMargin) EXPECT_NEAR(*r.slipMargin, *c.running->margin, 1e-4);
    }
}

// The lines the loads add to the installation data, in their place.
TEST(ShaftLoads, ReportLines) {
    struct Case {
        const char* name;
        std::function<DriveProject()> make;
        std::vector<std::string> lines;  // "label|value|unit" from the first static tension line on
    };
    const Case cases[] = {
        {"short timing belt: running loads and the slack span",
         [] {
             DriveProject p = Laid("ORVANTO T", "T10", 0.01, 300, {{0, 0, 0.1}, {0.5, 0, 0.2}});
             p.beltLength = 0.5;
             return p;
         },
         {"Static tension on driver pulley|199.0|[N]", "Static tension on driven pulley|199.0|[N]",
          "Direction of static tension on driver pulley|0.0\u00B0|",
          "X - static tension on driver pulley|199.0|[N]", "Y - static tension on driver pulley|0.0|[N]",
          "Direction of static tension on driven pulley|180.0\u00B0|",
          "X - static tension on driven pulley|-199.0|[N]", "Y - static tension on driven pulley|0.0|[N]",
          "Running load on driver pulley|300.0|[N]", "Running load on driven pulley|300.0|[N]",
          "Under full load the slack span goes slack (pre-tension below F / 2)||",
          // Then the catalogue's lines go on: 300 x 0.0339292 = 10.2 N on a belt of no width.
          "|", "Load test between pulleys 1 & 2|10.2|[N]"}},
        {"flat belt that slips, after its elongation line",
         [] {
             DriveProject p = Laid("FENDARO FXA3", "FXA3", 0, 2000, {{0, 0, 0.1}, {0.5, 0, 0.2}});
             DatiFlatBelt(p);
             p.flatBeltIndex = 3;
             p.beltWidth = 0.04;
             return p;
         },
         {"Static tension on driver pulley|2388.0|[N]", "Static tension on driven pulley|2388.0|[N]",
          "Direction of static tension on driver pulley|0.0\u00B0|",
          "X - static tension on driver pulley|2388.0|[N]", "Y - static tension on driver pulley|0.0|[N]",
          "Direction of static tension on driven pulley|180.0\u00B0|",
          "X - static tension on driven pulley|-2388.0|[N]", "Y - static tension on driven pulley|0.0|[N]",
          "Running load on driver pulley|2396.3|[N]", "Running load on driven pulley|2396.3|[N]",
          "Slip margin on driver pulley|0.29|",
          "The belt slips at full load unless it is tensioned harder||"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<ReportLine> all = InstallationDataLines(c.make());
        std::vector<std::string> got;
        bool started = false;
        for (const ReportLine& l : all) {
            started = started || l.label.rfind("Static tension on", 0) == 0;
            if (!started) continue;
            std::string text = l.label + "|" + l.value + "|" + l.unit;
            if (l.kind == ReportLineKind::Blank) text = "|";
            got.push_back(text);
            if (got.size() == c.lines.size()) break;
        }
        EXPECT_EQ(got, c.lines);
    }
}

// A belt whose data sheet gives a word for its tension has no loads at all.
TEST(ShaftLoads, ElasticFlatBeltHasNone) {
    DriveProject p = Laid("FENDARO FXA12", "FXA12", 0, 300, {{0, 0, 0.1}, {0.5, 0, 0.2}});
    DatiFlatBelt(p);
    p.flatBeltIndex = 12;
    p.beltWidth = 0.04;
    const ShaftLoads loads = ComputeShaftLoads(p);
    EXPECT_FALSE(loads.spanTension);
    EXPECT_TRUE(loads.statics.empty());
    EXPECT_FALSE(loads.running);
    EXPECT_EQ(LineValue(p, "Static tension on driver pulley"), "");
}

DriveProject Opened(const std::string& file) {
    DriveProject p = StartedProject();
    const OpenResult opened = ProjectFile::open(std::string(BELT_TEST_DATA_DIR) + "/" + file, p);
    EXPECT_TRUE(opened.ok) << opened.message;
    LoadCalculationTables(p);
    return p;
}

// Every span pulls the two pulleys it joins equally and oppositely, so the
// static loads of a closed belt sum to nothing; each one's length is the
// catalogue's 2 T sin(b / 2). Over the designs of the test projects.
TEST(ShaftLoads, StaticLoadsOfAClosedBeltSumToNothing) {
    struct Case {
        const char* file;
        std::vector<MsgAnswer> answers;
        std::vector<std::string> widths;
        int pulley = 2;
        int axis = kAxisY;
        int path = 0;
    };
    const Case cases[] = {
        {"two-pulley-design.dat", {MsgAnswer::Yes, MsgAnswer::Yes}, {}},
        {"quindel-design.dat", {MsgAnswer::Yes, MsgAnswer::Yes}, {}},
        {"fendaro-fxa3.dat", {MsgAnswer::No}, {"40"}},
        {"demo-design.dat", {MsgAnswer::No, MsgAnswer::No, MsgAnswer::No}, {}, 2, kAxisY, 1},
        {"three-pulley-idler.dat", {MsgAnswer::Yes, MsgAnswer::Yes, MsgAnswer::Yes, MsgAnswer::Yes}, {}, 2, kAxisX},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        ScriptedDialogs d;
        d.acceptInputDefaults = true;
        DriveProject p = Opened(c.file);
        if (c.path > 0) p.beltPathTable[0][1] = c.path;
        d.answers = {c.answers.begin(), c.answers.end()};
        d.inputs = {c.widths.begin(), c.widths.end()};
        NextStep step = GoOnFromStep3(p, d);
        if (step == NextStep::ShowStep4) {
            MarkLayoutDrawn(p);
            for (int pass = 0; pass < 3 && step != NextStep::ShowStep5; ++pass) {
                step = GoOnFromStep4(p, d);
                if (step == NextStep::ShowAdjustHint && !AdjustPulley(p, d, c.pulley, c.axis)) break;
            }
        }
        ASSERT_EQ(step, NextStep::ShowStep5);
        const ShaftLoads loads = ComputeShaftLoads(p);
        ASSERT_TRUE(loads.spanTension);
        ASSERT_EQ(static_cast<int>(loads.statics.size()), p.pulleyCount);
        double x = 0, y = 0;
        for (const StaticShaftLoad& s : loads.statics) {
            ASSERT_TRUE(s.hasDirection) << "pulley " << s.pulley;
            EXPECT_NEAR(std::hypot(s.x, s.y), s.magnitude, 1e-6 * *loads.spanTension) << "pulley " << s.pulley;
            x += s.x;
            y += s.y;
        }
        EXPECT_NEAR(x, 0, 1e-9 * *loads.spanTension);
        EXPECT_NEAR(y, 0, 1e-9 * *loads.spanTension);
    }
}

// One details entry for every value the loads add, each with its rule.
TEST(ShaftLoads, DetailsHaveAnEntryPerValue) {
    DriveProject p = Laid("FENDARO FXA3", "FXA3", 0, 1000, {{0, 0, 0.1}, {0.5, 0, 0.2}});
    DatiFlatBelt(p);
    p.flatBeltIndex = 3;
    p.beltWidth = 0.04;
    DesignDetails details;
    InstallationDataLines(p, &details);
    std::vector<std::string> whats;
    for (const DetailEntry& e : details.entries()) {
        if (e.what.find("tension on the") == std::string::npos && e.what.find("span tension") == std::string::npos &&
            e.what.find("Running") == std::string::npos && e.what.find("Slip") == std::string::npos)
            continue;
        EXPECT_FALSE(e.formula.empty()) << e.what;
        EXPECT_FALSE(e.inputs.empty()) << e.what;
        whats.push_back(e.what);
    }
    const std::vector<std::string> expected = {
        "Static tension on the driver pulley",
        "X component of the static tension on the driver pulley",
        "Y component of the static tension on the driver pulley",
        "Direction of the static tension on the driver pulley",
        "Static tension on the driven pulley",
        "X component of the static tension on the driven pulley",
        "Y component of the static tension on the driven pulley",
        "Direction of the static tension on the driven pulley",
        "Slack span tension at full load",
        "Tight span tension at full load",
        "Running load on the driver pulley",
        "Running load on the driven pulley",
        "Slip margin on the driver pulley",
    };
    EXPECT_EQ(whats, expected);
}

}  // namespace
}  // namespace belt
