#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "catalogue/beltids.h"
#include "catalogue/flatbelts.h"
#include "engine/report.h"
#include "testsupport.h"
#include "units/units.h"

using belt::test::ChooseBelt;
using belt::test::StartedProject;
using belt::test::kRpm;

namespace belt {
namespace {

constexpr double kPiOld = 3.141592654;

// ORVANTO T10, 20 and 40 teeth at 1000 rpm, 1 kW, 300 mm apart, 25 mm wide.
DriveProject TwoPulleyT10() {
    DriveProject p = StartedProject();
    ChooseBelt(p, "ORVANTO T", "T10", 0.01);
    p.pulleyCount = 2;
    p.pulleyTeeth = {0, 20, 40, 0, 0};
    p.pulleyDiameter = {0, 0.2 / kPiOld, 0.4 / kPiOld, 0, 0};
    p.pulleySpeed = {0, 1000 * kRpm, 500 * kRpm, 0, 0};
    p.pulleyRatio = {0, 1, 2, 0, 0};
    p.pulleyArcOfContact = {0, 170 * kPiOld / 180, 190 * kPiOld / 180, 0, 0};
    p.pulleyPosition[0][2] = 0.3;
    p.beltSpeed = p.pulleyDiameter[1] * p.pulleySpeed[1] / 2;
    p.power = 1000;
    p.peripheralForce = p.power / p.beltSpeed;
    p.centreDistance = 0.3;
    p.beltLength = 0.9;
    p.beltWidth = 0.025;
    p.beltWidthCalculated = 0.0212;
    p.serviceFactor = 1.4F;
    p.teethInMesh = 9;
    p.powerRatingWithWidth = 3000;
    p.beltCodeDetail = "30 T10 ";
    p.beltPathTable[0][0] = 2;
    p.beltPathTable[0][1] = 1;
    p.beltPathTable[1][1] = 1;
    p.beltPathTable[1][2] = 1;
    p.tangentPoint[0][1][1][0] = 0.0;
    p.tangentPoint[0][1][1][1] = 0.3;
    return p;
}

// One text per line: "label|value|unit"; "#label" for a pulley title,
// "=label" for a section title, "" for a blank line.
std::vector<std::string> Texts(const std::vector<ReportLine>& lines) {
    std::vector<std::string> out;
    for (const ReportLine& l : lines) {
        switch (l.kind) {
            case ReportLineKind::Blank:
                out.emplace_back();
                break;
            case ReportLineKind::PulleyTitle:
                out.push_back("#" + l.label);
                break;
            case ReportLineKind::SectionTitle:
                out.push_back("=" + l.label);
                break;
            case ReportLineKind::Item:
                out.push_back(l.label + "|" + l.value + "|" + l.unit);
                break;
        }
    }
    return out;
}

bool Has(const std::vector<std::string>& texts, const std::string& prefix) {
    return std::any_of(texts.begin(), texts.end(),
                       [&](const std::string& t) { return t.rfind(prefix, 0) == 0; });
}

const ReportLine* Find(const std::vector<ReportLine>& lines, const std::string& label) {
    for (const ReportLine& l : lines)
        if (l.label == label) return &l;
    return nullptr;
}

TEST(ResultsReport, TwoPulleyTimingBeltDrive) {
    const std::vector<std::string> expected = {
        "Belt made in|POLYURETHANE|",
        "Tensile member|Steel|",
        "Driver pulley|30 T10  / 20|",
        "Driven pulley|30 T10  / 40|",
        "",
        "Number of teeth belt|90|",
        "Belt length|900|[mm]",
        "Belt width|25|[mm]",
        "Belt width (calculated)|21.20|[mm]",
        "",
        "Power rating|1.00|[kW]",
        "Total service factor|1.4|",
        "Power rating incl. service factor|1.40|[kW]",
        "",
        // 3000 W / (9 teeth x 3.33 m/s x 2.5 cm)
        "Admissible specific load on tooth|40.0|[N/cm]",
        "Power rating with 25 mm belt width|3.00|[kW]",
        "New safety factor|3.0|",
        "",
        "Min. number of teeth in mesh|9|",
        "Max. num. of teeth in mesh for calc.|15|",
        "",
        "Belt speed|3.3|[m/s]",
        "Centre distance|300.00|[mm]",
        "|(toler. range according to DIN 7721-1)|",
        "Peripheral force|300.0|[N]",
        "",
        "#Driver pulley",
        "RPM|1000.0|[rpm]",
        "Number of teeth|20|",
        "Pitch diametre|63.66|[mm]",
        "Speed ratio|1.0|",
        "X - position|0.00|[mm]",
        "Y - position|0.00|[mm]",
        "Arc of contact|170\u00B0|",
        "",
        "#Driven pulley",
        "RPM|500.0|[rpm]",
        "Number of teeth|40|",
        "Pitch diametre|127.32|[mm]",
        "Speed ratio|2.0|",
        "X - position|300.00|[mm]",
        "Y - position|0.00|[mm]",
        "Arc of contact|190\u00B0|",
        "",
        "=INSTALLATION DATA",
        "",
        // 90 teeth: F / 2; 2 x 150 x sin(85 degrees)
        "Span pre-tension|150.0|[N]",
        "Peripheral force|300.0|[N]",
        "Static tension on driver pulley|298.9|[N]",
        "Static tension on driven pulley|298.9|[N]",
        // T0 = F / 2: at full load T2 = 0 and T1 = F pulls alone.
        "Running load on driver pulley|300.0|[N]",
        "Running load on driven pulley|300.0|[N]",
        "",
        "Load test between pulleys 1 & 2|23.0|[N]",
        "Span length deflection between pulleys 1 & 2|4.98|[mm]",
    };
    const std::vector<ReportLine> lines = BuildResultsReport(TwoPulleyT10());
    EXPECT_EQ(Texts(lines), expected);

    // Blocks, colours and columns the screen and the printer draw by.
    EXPECT_EQ(lines.front().section, ReportSection::Belt);
    EXPECT_EQ(Find(lines, "Driver pulley")->section, ReportSection::Results);
    EXPECT_EQ(Find(lines, "Peripheral force")->section, ReportSection::Results);
    EXPECT_EQ(Find(lines, "RPM")->section, ReportSection::PulleyTable);
    EXPECT_EQ(Find(lines, "INSTALLATION DATA")->section, ReportSection::Installation);
    EXPECT_EQ(Find(lines, "INSTALLATION DATA")->column, ReportColumn::Title);
    EXPECT_EQ(Find(lines, "Power rating")->colour, kReportLightCyan);
    EXPECT_EQ(Find(lines, "New safety factor")->colour, kReportYellow);
    EXPECT_EQ(Find(lines, "Belt speed")->colour, kReportLightCyan);
    EXPECT_EQ(Find(lines, "RPM")->colour, kReportLightCyan);
    const auto tolerance = std::find_if(lines.begin(), lines.end(), [](const ReportLine& l) {
        return l.value == "(toler. range according to DIN 7721-1)";
    });
    ASSERT_NE(tolerance, lines.end());
    EXPECT_EQ(tolerance->column, ReportColumn::Value);
    for (const ReportLine& l : lines) {
        EXPECT_TRUE(l.bold);
        EXPECT_FALSE(l.italic);
        if (l.kind == ReportLineKind::PulleyTitle) EXPECT_EQ(l.colour, kReportYellow);
    }
}

TEST(ResultsReport, ThreePulleyDriveWithAnIdler) {
    DriveProject p = TwoPulleyT10();
    p.pulleyCount = 3;
    p.pulleyIsIdler[3] = kTrue;
    p.pulleyDiameter[3] = 0.06;
    p.pulleyPosition[0][3] = 0.15;
    p.pulleyPosition[1][3] = 0.2;
    p.minIdlerDiameterInside = 0.06;
    p.minIdlerDiameterOutside = 0.06;
    const auto texts = Texts(BuildResultsReport(p));
    EXPECT_FALSE(Has(texts, "Centre distance"));
    EXPECT_FALSE(Has(texts, "|(toler. range"));
    EXPECT_TRUE(Has(texts, "Idler # 3|\u00D8 60.00 mm|"));
    EXPECT_TRUE(Has(texts, "Pulley # 2|30 T10  / 40|"));
    const auto idler = std::find(texts.begin(), texts.end(), "#Idler # 3");
    ASSERT_NE(idler, texts.end());
    const std::vector<std::string> idlerLines(idler + 1, idler + 6);
    EXPECT_EQ(idlerLines,
              (std::vector<std::string>{"Diametre|60.00|[mm]", "Recom. min. idler diameter inside|60.00|[mm]",
                                        "Recom. min. idler diameter outside|60.00|[mm]",
                                        "X - position|150.00|[mm]", "Y - position|200.00|[mm]"}));
    EXPECT_EQ(*(idler + 6), "");
    EXPECT_TRUE(Has(texts, "Load test between pulleys 3 & 1|"));
}

TEST(ResultsReport, FamilyLines) {
    struct Case {
        const char* name;
        void (*change)(DriveProject&);
        std::vector<std::string> present;
        std::vector<std::string> absent;
    };
    const Case cases[] = {
        {"rubber belt",
         [](DriveProject& p) { p.beltFamily = "RUBBER"; },
         {"Belt made in|POLYCHLOROPRENE|", "Tensile member|FIBERGLASS|",
          "|(toler. range according to DIN 7721-1)|", "Max. num. of teeth in mesh for calc.|6|"},
         {}},
        {"inch profile lengths with two decimals",
         [](DriveProject& p) {
             p.beltType = "ORVANTO I";
             p.beltPitchCode = "XL";
             p.beltPitch = 0.00508;
             p.beltLength = 177 * 0.00508;
             p.beltWidth = 0.009398;
         },
         {"Number of teeth belt|177|", "Belt length|899.16|[mm]", "Belt width|9.40|[mm]",
          "Power rating with 9.40 mm belt width|"},
         {}},
        {"angular velocity in rad/s keeps the label RPM",
         [](DriveProject& p) { ChooseUnit(p, kAngularVelocity, 2); },
         {"RPM|104.7|[rad/s]"},
         {}},
        // Whole numbers are for millimetres: in other units a belt length
        // or width keeps two decimals.
        {"lengths in inches",
         [](DriveProject& p) { ChooseUnit(p, kLength, 4); },
         {"Belt length|35.43|[in]", "Belt width|0.98|[in]", "Power rating with 0.98 in belt width|",
          "Centre distance|11.81|[in]"},
         {}},
        {"lengths in feet",
         [](DriveProject& p) { ChooseUnit(p, kLength, 5); },
         {"Belt length|2.95|[ft]", "Belt width|0.08|[ft]", "Power rating with 0.08 ft belt width|"},
         {}},
        {"lengths in metres",
         [](DriveProject& p) { ChooseUnit(p, kLength, 2); },
         {"Belt length|0.90|[m]", "Belt width|0.03|[m]"},
         {}},
        {"lengths in mm stay whole",
         [](DriveProject&) {},
         {"Belt length|900|[mm]", "Belt width|25|[mm]", "Power rating with 25 mm belt width|"},
         {}},
        {"double sided belt", [](DriveProject& p) { p.beltSideSuffix = "DL"; }, {"|Double sided belt|"}, {}},
        {"long-length belt",
         [](DriveProject& p) { p.beltFamily = "TAVOREN"; },
         {"Tensile member|Steel|", "Max. num. of teeth in mesh for calc.|12|"},
         {"|(toler. range", "Load test"}},
        {"high-performance open-end belt, omega drive",
         [](DriveProject& p) {
             p.beltFamily = "SELKIRA";
             p.beltName = "SELKIRA QXD8M";
             p.linearDriveType = 1;
             p.stroke = 1.0;
             p.maxEffectivePull = 300;
             p.loadFactorSecond = 1.0F;
             p.maxTractionLoad1 = 2920;
         },
         {"Tensile member|HP|", "|Omega drive belt|", "Stroke|1000.0|[mm]", "Max. effective pull|300.0|[N]",
          "Max. pull force|610.0|[N]", "Max. traction load|2920.0|[N]",
          "Max. num. of teeth in mesh for calc.|12|"},
         {"|(toler. range"}},
        {"open-end belt: stroke from the centre distance",
         [](DriveProject& p) {
             p.beltFamily = "SELKIRA";
             p.carriageLength = 0.1;
             p.maxEffectivePull = 300;
         },
         // 300 - 100 - (63.66 + 127.32) / 2
         {"|Open end belt|", "Stroke|104.5|[mm]"},
         {}},
        {"joined belt without a joined load",
         [](DriveProject& p) {
             p.beltFamily = "SELKIRA";
             p.linearDriveType = 2;
             p.maxTractionLoad1 = 2560;
             p.maxTractionLoad2 = 0;
         },
         {"|Joined belt|", "Max. num. of teeth in mesh for calc.|6|"},
         {"Max. traction load", "Stroke"}},
        {"zero width has no specific load",
         [](DriveProject& p) {
             p.beltWidth = 0;
             p.powerRatingWithWidth = 0;
         },
         {"Admissible specific load on tooth|-|[N/cm]", "New safety factor|0.0|"},
         {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DriveProject p = TwoPulleyT10();
        c.change(p);
        const auto texts = Texts(BuildResultsReport(p));
        for (const std::string& t : c.present) EXPECT_TRUE(Has(texts, t)) << t;
        for (const std::string& t : c.absent) EXPECT_FALSE(Has(texts, t)) << t;
    }
}

DriveProject RibOrFlat(const std::string& family, const std::string& code) {
    DriveProject p = TwoPulleyT10();
    ChooseBelt(p, family + " " + code, code, 0.001);
    LoadProfileRatingData(p);
    return p;
}

TEST(ResultsReport, MultiRibBelt) {
    DriveProject p = RibOrFlat("QUINDEL", "J");
    p.beltWidth = 6;
    p.beltWidthCalculated = 4.25;
    p.powerRatingWithWidth = 2400;
    const std::vector<ReportLine> lines = BuildResultsReport(p);
    const auto texts = Texts(lines);
    EXPECT_TRUE(Has(texts, "Tensile member|POLYESTER|"));
    EXPECT_TRUE(Has(texts, "Driver pulley|\u00D8 63.66 mm|"));
    EXPECT_TRUE(Has(texts, "Number of ribs|6 ribs|"));
    EXPECT_TRUE(Has(texts, "Ribs belt (calculated)|4.25 ribs|"));
    EXPECT_TRUE(Find(lines, "Ribs belt (calculated)")->italic);
    EXPECT_TRUE(Has(texts, "Power rating with 6 ribs belt width|2.40|[kW]"));
    EXPECT_TRUE(Has(texts, "Diametre|63.66|[mm]"));
    EXPECT_TRUE(Has(texts, "Recommanded installation tension|240.0|[N]"));
    for (const char* absent : {"Number of teeth", "Total service factor", "Admissible specific load",
                               "Belt width", "Min. number of teeth", "Pitch diametre"})
        EXPECT_FALSE(Has(texts, absent)) << absent;
}

TEST(ResultsReport, FlatBelts) {
    DriveProject p = RibOrFlat("FENDARO", "FXA3");
    DatiFlatBelt(p);
    p.flatBeltIndex = 3;
    p.flatBeltInfoColumn = 22;
    p.beltWidth = 0.04;
    const std::vector<ReportLine> lines = BuildResultsReport(p);
    const auto texts = Texts(lines);
    EXPECT_TRUE(Has(texts, "Tensile member|Polyester fabric|"));
    const ReportLine* coating = Find(lines, "Coating material");
    ASSERT_NE(coating, nullptr);
    EXPECT_EQ(coating->value, "Polyurethane on both sides");
    EXPECT_EQ(coating->valueColour, kReportGreen);
    EXPECT_EQ(coating->colour, kReportYellow);
    EXPECT_TRUE(Has(texts, "Belt width (calculated)|"));
    EXPECT_TRUE(Has(texts, "Power rating|"));
    EXPECT_TRUE(Has(texts, "Tension installation|1200.0|[N]"));

    // A conveyor type has no rating: no calculated width and no power block.
    DriveProject c = RibOrFlat("FENDARO", "FXA14");
    DatiFlatBelt(c);
    c.flatBeltIndex = 14;
    c.flatBeltInfoColumn = 21;
    const auto conveyor = Texts(BuildResultsReport(c));
    EXPECT_TRUE(Has(conveyor, "Belt width|25|[mm]"));
    for (const char* absent : {"Belt width (calculated)", "Power rating", "New safety factor"})
        EXPECT_FALSE(Has(conveyor, absent)) << absent;
    EXPECT_TRUE(Has(conveyor, "Tension installation|SEMI ELASTIC|"));
}

}  // namespace
}  // namespace belt
