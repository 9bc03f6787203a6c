#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "catalogue/flatbelts.h"
#include "engine/installation.h"
#include "testsupport.h"
#include "units/units.h"

using belt::test::ChooseBelt;
using belt::test::StartedProject;

namespace belt {
namespace {

constexpr double kDeg = 3.141592654 / 180;

// A drive of n pulleys, every arc 180 degrees (2 pulleys) or 120 degrees,
// and every span of the current path 0.3 m long.
DriveProject Drive(const std::string& type, const std::string& code, double pitch, int n, double force) {
    DriveProject p = StartedProject();
    ChooseBelt(p, type, code, pitch);
    p.pulleyCount = n;
    p.peripheralForce = force;
    p.beltLength = 1.5;
    p.beltWidth = 0.025;
    p.beltPathTable[0][0] = 1;
    p.beltPathTable[0][1] = 1;
    for (int i = 1; i <= n; ++i) {
        p.pulleyArcOfContact[i] = (n == 2 ? 180 : 120) * kDeg;
        p.beltPathTable[1][i] = 2;
        p.tangentPoint[0][2][i][0] = 0.1 * i;
        p.tangentPoint[1][2][i][0] = 0.05;
        p.tangentPoint[0][2][i][1] = 0.1 * i + 0.18;
        p.tangentPoint[1][2][i][1] = 0.05 + 0.24;
    }
    return p;
}

// The lines after the title and its blank line, as "label|value|unit".
std::vector<std::string> Lines(const DriveProject& p) {
    const std::vector<ReportLine> lines = InstallationDataLines(p);
    EXPECT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0].kind, ReportLineKind::SectionTitle);
    EXPECT_EQ(lines[0].label, "INSTALLATION DATA");
    EXPECT_EQ(lines[1].kind, ReportLineKind::Blank);
    std::vector<std::string> out;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        const ReportLine& l = lines[i];
        EXPECT_EQ(l.section, ReportSection::Installation);
        out.push_back(l.kind == ReportLineKind::Blank ? std::string()
                                                      : l.label + "|" + l.value + "|" + l.unit);
    }
    return out;
}

struct Case {
    const char* name;
    std::function<DriveProject()> make;
    std::vector<std::string> lines;
};

TEST(InstallationData, LinesOfEachBelt) {
    // Test force of T10, 25 mm wide at 300 N: 300 x 0.0339292006632 + 514 x 0.025 = 23.03 N.
    // Spans of 0.3 m deflect 4.98 mm.
    const Case cases[] = {
        {"two pulleys, 150 teeth: 2 F / 3",
         [] { return Drive("ORVANTO T", "T10", 0.01, 2, 300); },
         {"Span pre-tension|200.0|[N]", "Peripheral force|300.0|[N]",
          "Static tension on driver pulley|400.0|[N]", "Static tension on driven pulley|400.0|[N]",
          // At full load T2 = 200 - 150 = 50 N and T1 = 350 N, in line over 180 degrees.
          "Running load on driver pulley|400.0|[N]", "Running load on driven pulley|400.0|[N]", "",
          "Load test between pulleys 1 & 2|23.0|[N]",
          "Span length deflection between pulleys 1 & 2|4.98|[mm]"}},
        {"two pulleys, 149 teeth: F / 2",
         [] {
             DriveProject p = Drive("ORVANTO T", "T10", 0.01, 2, 300);
             p.beltLength = 1.49;
             return p;
         },
         {"Span pre-tension|150.0|[N]", "Peripheral force|300.0|[N]",
          "Static tension on driver pulley|300.0|[N]", "Static tension on driven pulley|300.0|[N]",
          // T0 = F / 2 exactly: T2 = 0 at full load, T1 = F, and not below F / 2.
          "Running load on driver pulley|300.0|[N]", "Running load on driven pulley|300.0|[N]", "",
          "Load test between pulleys 1 & 2|23.0|[N]",
          "Span length deflection between pulleys 1 & 2|4.98|[mm]"}},
        {"two pulleys, 59 teeth: F / 3",
         [] {
             DriveProject p = Drive("ORVANTO T", "T10", 0.01, 2, 300);
             p.beltLength = 0.59;
             return p;
         },
         {"Span pre-tension|100.0|[N]", "Peripheral force|300.0|[N]",
          "Static tension on driver pulley|200.0|[N]", "Static tension on driven pulley|200.0|[N]",
          // T0 below F / 2: the slack span goes slack, T1 = F.
          "Running load on driver pulley|300.0|[N]", "Running load on driven pulley|300.0|[N]",
          "Under full load the slack span goes slack (pre-tension below F / 2)||", "",
          "Load test between pulleys 1 & 2|23.0|[N]",
          "Span length deflection between pulleys 1 & 2|4.98|[mm]"}},
        {"three pulleys: F, every span",
         [] {
             DriveProject p = Drive("ORVANTO T", "T10", 0.01, 3, 300);
             p.pulleyIsIdler[3] = kTrue;
             return p;
         },
         // 2 x 300 x sin(60 degrees) = 519.6 N
         {"Span pre-tension|300.0|[N]", "Peripheral force|300.0|[N]",
          "Static tension on driver pulley|519.6|[N]", "Static tension on pulley # 2|519.6|[N]",
          "Static tension on idler # 3|519.6|[N]", "", "Load test between pulleys 1 & 2|23.0|[N]",
          "Span length deflection between pulleys 1 & 2|4.98|[mm]",
          "Load test between pulleys 2 & 3|23.0|[N]",
          "Span length deflection between pulleys 2 & 3|4.98|[mm]",
          "Load test between pulleys 3 & 1|23.0|[N]",
          "Span length deflection between pulleys 3 & 1|4.98|[mm]"}},
        {"rubber inch profile: no test load",
         [] { return Drive("RUBBER I", "XL", 0.00508, 2, 300); },
         // 1.5 m are 295 teeth of XL
         {"Span pre-tension|200.0|[N]", "Peripheral force|300.0|[N]",
          "Static tension on driver pulley|400.0|[N]", "Static tension on driven pulley|400.0|[N]",
          "Running load on driver pulley|400.0|[N]", "Running load on driven pulley|400.0|[N]", ""}},
        {"rubber parabolic profile",
         [] { return Drive("RUBBER QVP", "QVP8", 0.008, 2, 300); },
         // 300 x 0.0339292006632 + 1210 x 0.025 = 40.43 N
         {"Span pre-tension|200.0|[N]", "Peripheral force|300.0|[N]",
          "Static tension on driver pulley|400.0|[N]", "Static tension on driven pulley|400.0|[N]",
          "Running load on driver pulley|400.0|[N]", "Running load on driven pulley|400.0|[N]", "",
          "Load test between pulleys 1 & 2|40.4|[N]",
          "Span length deflection between pulleys 1 & 2|4.98|[mm]"}},
        {"long-length belt: tensions only",
         [] { return Drive("TAVOREN T", "T10", 0.01, 2, 300); },
         {"Span pre-tension|200.0|[N]", "Peripheral force|300.0|[N]",
          "Static tension on driver pulley|400.0|[N]", "Static tension on driven pulley|400.0|[N]",
          "Running load on driver pulley|400.0|[N]", "Running load on driven pulley|400.0|[N]", ""}},
        {"open-end belt: F and the stretch",
         [] {
             DriveProject p = Drive("SELKIRA T", "T10", 0.01, 2, 1000);
             p.beltLength = 2.0;
             p.pulleyDiameter[1] = 0.05;
             p.carriageLength = 0.2;
             p.maxTractionLoad1 = 2560;
             return p;
         },
         // free length 2 - pi x 0.025 - 0.2 = 1.72146 m; 4 x 1.72146 x 1000 / 2560 = 2.69 mm
         {"Span pre-tension|1000.0|[N]", "Peripheral force|1000.0|[N]",
          "Static tension on driver pulley|2000.0|[N]", "Static tension on driven pulley|2000.0|[N]", "",
          "Max. elongation|2.7|[mm]"}},
        {"joined belt: no stretch",
         [] {
             DriveProject p = Drive("SELKIRA T", "T10", 0.01, 2, 1000);
             p.linearDriveType = 2;
             p.maxTractionLoad1 = 2560;
             return p;
         },
         {"Span pre-tension|1000.0|[N]", "Peripheral force|1000.0|[N]",
          "Static tension on driver pulley|2000.0|[N]", "Static tension on driven pulley|2000.0|[N]", ""}},
        {"open-end belt over three pulleys: no stretch",
         [] {
             DriveProject p = Drive("SELKIRA T", "T10", 0.01, 3, 1000);
             p.maxTractionLoad1 = 2560;
             p.pulleyDiameter[1] = 0.05;
             p.carriageLength = 0.2;
             return p;
         },
         // 2 x 1000 x sin(60 degrees) = 1732.1 N
         {"Span pre-tension|1000.0|[N]", "Peripheral force|1000.0|[N]",
          "Static tension on driver pulley|1732.1|[N]", "Static tension on pulley # 2|1732.1|[N]",
          "Static tension on pulley # 3|1732.1|[N]", ""}},
        {"open end without table loads: no stretch",
         [] { return Drive("SELKIRA T", "T10", 0.01, 2, 1000); },
         {"Span pre-tension|1000.0|[N]", "Peripheral force|1000.0|[N]",
          "Static tension on driver pulley|2000.0|[N]", "Static tension on driven pulley|2000.0|[N]", ""}},
        {"multi-rib belt",
         [] {
             DriveProject p = Drive("QUINDEL J", "J", 0.001, 2, 300);
             p.beltWidth = 6;
             return p;
         },
         // 6 x 40 N in each span: 480 N on a shaft at rest; at F = 300 N
         // T2 = 90 N and T1 = 390 N, again 480 N in line.
         {"Number of ribs|6 ribs|", "Recommanded installation tension|240.0|[N]",
          "Static tension on driver pulley|480.0|[N]", "Static tension on driven pulley|480.0|[N]",
          "Running load on driver pulley|480.0|[N]", "Running load on driven pulley|480.0|[N]"}},
        {"flat belt with a tension per cm",
         [] {
             DriveProject p = Drive("FENDARO FXA1", "FXA1", 0.001, 2, 300);
             DatiFlatBelt(p);
             p.flatBeltIndex = 1;
             p.beltWidth = 0.05;
             return p;
         },
         // 1500 N a span; at F = 300 N T2 = 1350 N, T1 = 1650 N. Slip margin
         // with the inside friction coefficient 0.6 over 180 degrees:
         // e^(0.6 pi) / (1650 / 1350) = 6.5862 / 1.2222 = 5.39.
         {"Tension installation|1500.0|[N]", "Elongation with installation tension|0.7%|",
          "Static tension on driver pulley|3000.0|[N]", "Static tension on driven pulley|3000.0|[N]",
          "Running load on driver pulley|3000.0|[N]", "Running load on driven pulley|3000.0|[N]",
          "Slip margin on driver pulley|5.39|"}},
        {"elastic flat belt",
         [] {
             DriveProject p = Drive("FENDARO FXA12", "FXA12", 0.001, 2, 300);
             DatiFlatBelt(p);
             p.flatBeltIndex = 12;
             return p;
         },
         {"Tension installation|ELASTIC|", "Elongation with installation tension|10.0%|"}},
        {"forces in kgf",
         [] {
             DriveProject p = Drive("TAVOREN T", "T10", 0.01, 2, 300);
             ChooseUnit(p, kForce, 2);
             return p;
         },
         {"Span pre-tension|20.4|[kgf]", "Peripheral force|30.6|[kgf]",
          "Static tension on driver pulley|40.8|[kgf]", "Static tension on driven pulley|40.8|[kgf]",
          "Running load on driver pulley|40.8|[kgf]", "Running load on driven pulley|40.8|[kgf]", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Lines(c.make()), c.lines);
    }
}

TEST(InstallationData, DamagedPathHasNoSpanToMeasure) {
    DriveProject p = Drive("ORVANTO T", "T10", 0.01, 2, 300);
    p.beltPathTable[0][1] = 0;
    const auto lines = Lines(p);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "Load test between pulleys 1 & 2|23.0|[N]");
}

}  // namespace
}  // namespace belt
