#include "catalogue/flatbelts.h"

#include <algorithm>

#include "project/step1tab.h"

namespace belt {

namespace {

using Row = std::array<std::string_view, kFlatBeltColumns>;

// FENDARO flat belt data sheet: row 0 the property captions, rows 1..16 the
// types FXA1..FXA16 (1..6 high load, 7..10 light load, 11..16 conveyor);
// column 1 the name, 2..20 the properties, 21..23 the coating variants.
// Several applications are separated by " / " here and laid out on their own
// lines when the table is loaded.
constexpr std::array<Row, kFlatBeltTypes + 1> kFlatBelts = {{
    // Row 0: property captions.
    {{"",
      "",
      "Tensile reinforcement: ............................",
      "Friction coefficient (inside):.....................",
      "Friction coefficient (outside):..................",
      "Antistatic:.....................................................",
      "Breaking strenght/cm width [N]:.............",
      "Tension installation/cm width [N]:..........",
      "Elongation with tension installation:......",
      "Min pulley diameter [mm]:........................",
      "Thickness [mm]:.........................................",
      "Thickness tolerances [mm]:....................",
      "Standard length [mm]:...............................",
      "Coating material:.........................................",
      "Temperature range [C]:.............................",
      "Chemical resistence-Oil:...........................",
      "Chemical resistence-Ozone:....................",
      "Chemical resistence-Water: ....................",
      "Chemical resistence-Acids:......................",
      "Chemical resistence-Solvents:................",
      "Applications:     ",
      "",
      "",
      ""}},
    {{"",
      "FXA1",
      "Polyester fabric",
      "0.6",
      "0.6",
      "YES",
      "3000",
      "300",
      "0.007",
      "15",
      "0.9",
      "0.15",
      "200/3600",
      "Neoprene",
      "-30/110",
      "HIGH",
      "HIGH",
      "HIGH",
      "HIGH",
      "MEDIUM",
      "INTERNAL GRINDING MACHINES / GRINDERS / MACHINES TOOLS / HIGH SPEED",
      "Neoprene on both sides",
      "Neoprene on both sides",
      "Neoprene on both sides"}},
    {{"",
      "FXA2",
      "Polyester fabric",
      "0.6",
      "0.6",
      "YES",
      "4000",
      "400",
      "0.007",
      "18",
      "1.1",
      "0.15",
      "200 / 4500",
      "Neoprene",
      "-30/110",
      "HIGH",
      "HIGH",
      "HIGH",
      "HIGH",
      "MEDIUM",
      "HIGH SPEED / MACHINES TOOLS / HIGH TORQUE",
      "Neoprene on both sides",
      "Neoprene on both sides",
      "Neoprene on both sides"}},
    {{"",
      "FXA3",
      "Polyester fabric",
      "0.4",
      "0.4",
      "NO",
      "3000",
      "300",
      "0.006",
      "20",
      "1.1",
      "0.05",
      "185 / 2250",
      "Polyurethane",
      "-40 / 90",
      "HIGH",
      "HIGH",
      "MEDIUM",
      "MEDIUM",
      "HIGH",
      "HIGH TORQUE / GRINDERS",
      "Polyurethane on both sides",
      "Polyurethane on both sides",
      "Polyurethane on both sides"}},
    {{"",
      "FXA4",
      "Polyester fabric",
      "0.4",
      "0.4",
      "On request",
      "1250",
      "120",
      "0.008",
      "12",
      "1",
      "0.05",
      "300 / 4000",
      "Polyurethane",
      "-10 / 60",
      "HIGH",
      "HIGH",
      "MEDIUM",
      "LOW",
      "HIGH",
      "INTERNAL GRINDING MACHINES / GRINDERS / MACHINES TOOLS",
      "Polyurethane on both sides",
      "Polyurethane on both sides",
      "Polyurethane on both sides"}},
    {{"",
      "FXA5",
      "Polyester fabric",
      "0.3",
      "0.4",
      "On request",
      "3200",
      "300",
      "0.008",
      "20",
      "1.3",
      "0.05",
      "300 / 4000",
      "Polyurethane",
      "-10 / 60",
      "HIGH",
      "HIGH",
      "MEDIUM",
      "LOW",
      "HIGH",
      "HIGH TORQUE / MACHINES TOOLS",
      "Polyurethane on both sides",
      "Polyurethane on both sides",
      "Polyurethane on both sides"}},
    {{"",
      "FXA6",
      "Polyester cord",
      "0.25",
      "0.6",
      "YES",
      "3000",
      "300",
      "0.008",
      "15",
      "1.1",
      "0.05",
      "200 / 1000",
      "Neoprene/NBR",
      "-20 / 90",
      "HIGH",
      "HIGH",
      "HIGH",
      "HIGH",
      "MEDIUM",
      "OPEN END SPINNING FRAME / HIGH SPEED",
      "Neoprene on both sides",
      "NBR on both sides",
      "Neoprene/NBR"}},
    {{"",
      "FXA7",
      "Polyester fabric",
      "0.4",
      "0.4",
      "YES",
      "400",
      "30",
      "0.008",
      "4",
      "0.5",
      "0.1",
      "200 / 1000",
      "Neoprene",
      "-20 / 60",
      "HIGH",
      "HIGH",
      "HIGH",
      "HIGH",
      "MEDIUM",
      "FLOPPY DISK DRIVE / CARDS READERS / DRIVER FOR OFFICE AUTOMATION MACHINES",
      "Neoprene on both sides",
      "Neoprene on both sides",
      "Neoprene on both sides"}},
    {{"",
      "FXA8",
      "Polyester fabric",
      "0.6",
      "0.5",
      "YES",
      "1500",
      "150",
      "0.008",
      "6",
      "0.5",
      "0.15",
      "150 / 1500",
      "Neoprene",
      "-30 / 110",
      "HIGH",
      "HIGH",
      "HIGH",
      "HIGH",
      "MEDIUM",
      "AUTOMATIC TELLER MACHINE / HIGH SPEED DRIVE / LIGHT LOAD TRANSMISSION AND CONVEYING",
      "Neoprene on both sides",
      "Neoprene on both sides",
      "Neoprene on both sides"}},
    {{"",
      "FXA9",
      "Polyester fabric",
      "0.75",
      "0.6",
      "YES",
      "1600",
      "160",
      "0.008",
      "10",
      "0.6",
      "0.15",
      "150 / 2000",
      "Neoprene/Cotton",
      "-30 / 110",
      "HIGH",
      "HIGH",
      "HIGH",
      "HIGH",
      "MEDIUM",
      "OPEN END SPINNING FRAME / PAPER TRANSPORT",
      "Neoprene on both sides",
      "Cotton on both sides",
      "Neoprene/Cotton"}},
    {{"",
      "FXA10",
      "Polyester Cotton Fabric",
      "0.4",
      "0.4",
      "On request",
      "850",
      "80",
      "0.008",
      "6",
      "0.8",
      "0.05",
      "300 / 4000",
      "Polyurethane/Polyester",
      "-10 / 60",
      "HIGH",
      "HIGH",
      "MEDIUM",
      "LOW",
      "HIGH",
      "PAPER TRANSPORT / MEDICAL DEVICE",
      "Polyurethane on both sides",
      "Polyester on both sides",
      "Polyurethane/Polyester"}},
    {{"",
      "FXA11",
      "Polyester cord",
      "0.25",
      "0.6",
      "YES",
      "800",
      "40",
      "0.006",
      "8",
      "1",
      "0.05",
      "200 / 1000",
      "Neoprene/NBR",
      "-20 / 90",
      "HIGH",
      "HIGH",
      "HIGH",
      "HIGH",
      "MEDIUM",
      "TICKET VENDORS / MONEY EXCHANGING MACHINES / CARDS READERS",
      "Neoprene on both sides",
      "NBR on both sides",
      "Neoprene/NBR"}},
    {{"",
      "FXA12",
      "No reinforcement",
      "0.4",
      "0.4",
      "NO",
      "----",
      "ELASTIC",
      "0.1",
      "12",
      "0.7",
      "0.05",
      "150 / 1500",
      "Polyurethane",
      "-20 / 80",
      "HIGH",
      "HIGH",
      "MEDIUM",
      "MEDIUM",
      "HIGH",
      "AUTOMATIC TELLER MACHINE / TICKET VENDORS / COPYING MACHINES",
      "Polyurethane on both sides",
      "Polyurethane on both sides",
      "Polyurethane on both sides"}},
    {{"",
      "FXA13",
      "No reinforcement",
      "0.4",
      "0.4",
      "On request",
      "----",
      "ELASTIC",
      "0.3",
      "8",
      "0.9",
      "0.05",
      "200 / 2000",
      "Polyurethane",
      "-10 / 60",
      "HIGH",
      "HIGH",
      "MEDIUM",
      "LOW",
      "HIGH",
      "DRIVE FOR OFFICE AUTOMATION / TICKET CHECKERS",
      "Polyurethane on both sides",
      "Polyurethane on both sides",
      "Polyurethane on both sides"}},
    {{"",
      "FXA14",
      "No reinforcement",
      "0.4",
      "0.4",
      "On request",
      "----",
      "SEMI ELASTIC",
      "0.16",
      "10",
      "0.6",
      "0.05",
      "150 / 1500",
      "Polyurethane",
      "-20 / 80",
      "HIGH",
      "HIGH",
      "MEDIUM",
      "MEDIUM",
      "HIGH",
      "CHECK WEIGHTER",
      "Polyurethane on both sides",
      "Polyurethane on both sides",
      "Polyurethane on both sides"}},
    {{"",
      "FXA15",
      "Cotton cord",
      "0.3",
      "0.4",
      "On request",
      "----",
      "SEMI ELASTIC",
      "0.04",
      "25",
      "1.8",
      "0.05",
      "200 / 2000",
      "Polyurethane/Cotton",
      "-10 / 60",
      "HIGH",
      "HIGH",
      "MEDIUM",
      "LOW",
      "HIGH",
      "PAPER TRANSPORT CONVEYOR BELT",
      "Polyurethane on both sides",
      "Cotton on both sides",
      "Polyurethane/Cotton"}},
    {{"",
      "FXA16",
      "Polyester fabric",
      "0.2",
      "0.6",
      "On request",
      "1000",
      "90",
      "0.008",
      "12",
      "1",
      "0.05",
      "200 / 2000",
      "Silicon/Polyester",
      "-50 / 150",
      "MEDIUM",
      "HIGH",
      "HIGH",
      "MEDIUM",
      "HIGH",
      "HIGH TEMPERATURE / FOOD TRANSPORT",
      "Silicon on both sides",
      "Polyester on both sides",
      "Silicon/Polyester"}},
}};

constexpr int kApplicationsColumn = 20;
// Width of the caption column in the characteristics panel: continuation
// lines of the applications start under the first value.
constexpr std::size_t kPanelIndent = 30;

// The panel shows one application per line.
std::string ApplicationLines(std::string_view text) {
    const std::string next = "\r" + std::string(kPanelIndent, ' ');
    std::string out;
    std::size_t pos = 0;
    for (;;) {
        std::size_t cut = text.find('/', pos);
        std::string_view part = text.substr(pos, cut == std::string_view::npos ? cut : cut - pos);
        while (!part.empty() && part.front() == ' ') part.remove_prefix(1);
        while (!part.empty() && part.back() == ' ') part.remove_suffix(1);
        if (pos != 0) out += next;
        out += part;
        if (cut == std::string_view::npos) break;
        pos = cut + 1;
    }
    return out;
}

// Group descriptions, in the order of kFlatBeltGroups.
constexpr std::array<std::string_view, 3> kFlatGroupTexts = {
    "HIGH LOAD TRANSMISSION:\rPOWER RATING from 0.1 kW to 40 kW\rSPEED to 60 m/s\rHIGH TORQUE\rHIGH "
    "FRICTION SURFACE\rPULLEY \u00D8 from 15 mm",
    "LIGHT LOAD TRANSMISSION:\rPOWER RATING to 10 kW\rSPEED to 40 m/s\rMEDIUM TORQUE\rDIFFERENT "
    "FRICTION SURFACE\rPULLEY \u00D8 from 4 mm",
    "CONVEYOR:\rTRANSPORT AUTOMATION\rCONSTANCY THICKNESS\rNO ADJUSTMENT REQUIRED\rLOW NOISE\rHIGH "
    "FRICTION OUTSIDE SURFACE",
};

}  // namespace

const std::array<FlatBeltGroup, 3> kFlatBeltGroups = {{
    {9, 1, 6, 0},
    {10, 7, 10, 6},
    {11, 11, 16, 10},
}};

void DatiFlatBelt(DriveProject& p) {
    for (int r = 0; r <= kFlatBeltTypes; ++r)
        for (int c = 0; c < kFlatBeltColumns; ++c)
            p.flatBeltTable[c][r] = (r > 0 && c == kApplicationsColumn) ? ApplicationLines(kFlatBelts[r][c])
                                                                        : std::string(kFlatBelts[r][c]);
}

std::vector<std::string> ListFlatBeltTypes(const DriveProject& p, int first, int last) {
    first = std::max(first, 1);
    last = std::min(last, kFlatBeltTypes);
    std::vector<std::string> names;
    for (int i = first; i <= last; ++i) names.push_back(p.flatBeltTable[1][i]);
    return names;
}

const FlatBeltGroup* FlatBeltGroupOfPicture(int picture) {
    for (const auto& g : kFlatBeltGroups)
        if (g.picture == picture) return &g;
    return nullptr;
}

const FlatBeltGroup* FlatBeltGroupOfCaption(std::string_view testo0Caption) {
    if (testo0Caption.empty()) return nullptr;
    for (std::size_t i = 0; i < kFlatBeltGroups.size(); ++i)
        if (kFlatGroupTexts[i].front() == testo0Caption.front()) return &kFlatBeltGroups[i];
    return nullptr;
}

int FlatBeltListIndex(const DriveProject& p, const FlatBeltGroup& g) {
    if (p.flatBeltIndex < g.first || p.flatBeltIndex > g.last) return -1;
    return p.flatBeltIndex - g.first;
}

std::string FlatBeltCharacteristics(const DriveProject& p, int row) {
    if (row < 1 || row > kFlatBeltTypes) return {};
    std::string text;
    for (int c = kFlatBeltFirstProperty; c <= kFlatBeltLastProperty; ++c)
        text += p.flatBeltTable[c][0] + p.flatBeltTable[c][row] + "\r";
    return text;
}

std::optional<std::string> ChooseFlatBeltType(DriveProject& p, const FlatBeltGroup& g, int listIndex) {
    if (listIndex < 0 || g.first + listIndex > g.last) return std::nullopt;
    p.flatBeltIndex = g.first + listIndex;
    const std::string& name = p.flatBeltTable[1][p.flatBeltIndex];
    p.beltType = "FENDARO " + name;
    p.beltName = p.beltType;
    p.beltPitchCode = name;
    return FlatBeltCharacteristics(p, p.flatBeltIndex);
}

std::string_view ProfileDescription(int tab, int picture) {
    switch (tab) {
        case kTabOrvanto:
            switch (picture) {
                case 0:
                    return "T BELT: Transmittable power up to 30 kW; rpm max up to 40000; peripheral speed "
                           "up "
                           "to 75 m/s\rAPPLICATIONS: Precision drives; typewriter, computer, printer, "
                           "copiers; grinders, office machines, household machines, tool machines, textile "
                           "machines, woods working machines, pumps, compressors.";
                case 1:
                    return "AT BELT: Transmittable power up to 70 kW; rpm max up to 15000; peripheral speed "
                           "up to 75 m/s\rAPPLICATIONS: Grinders, textile machines, tool machines, spoolers "
                           "machines, lathes, compressors, tool machines, looms and textile machines.";
                case 2:
                    return "MXL, XL, L, H BELT: Transmittable power up to 30 kW; rpm max up to 40000; "
                           "peripheral speed up to 70 m/s\rAPPLICATIONS: Precision drives, office "
                           "automation machines, vending machines, film camera drives, food processers, "
                           "household machines, compressors, printing machines, textile machines.";
                default:
                    return {};
            }
        case kTabRubber:
            switch (picture) {
                case 3:
                    return "\rCLASSICAL SYNCHRONOUS BELT: trapezoidal tooth profile; polychloroprene teeth "
                           "allow correct meshing with the pulley grooves; fibreglass tensile cord resist "
                           "elongation; nylon fabric cover protects the tooth surface.";
                case 5:
                    return "\rSYNCHRONOUS BELT FOR HIGH TORQUE DRIVES: curvilinear tooth profile guarantees "
                           "high power transmission and correct meshing with the pulley grooves; fibreglass "
                           "cords resist elongation and offer long flex life; durable polychloroprene "
                           "backing protects the cords against environmental pollution and frictional "
                           "wear; tough nylon facing protect the tooth surface.";
                default:
                    return {};
            }
        case kTabFendaro:
            for (std::size_t i = 0; i < kFlatBeltGroups.size(); ++i)
                if (kFlatBeltGroups[i].picture == picture) return kFlatGroupTexts[i];
            return {};
        default:
            return {};
    }
}

const std::string_view kQuindelProductText =
    "QUINDEL multi-rib belts are endless polyurethane belts with longitudinal ribs that run in the "
    "matching grooves of the pulleys: compact drives, high speed ratios and quiet running on small "
    "pulleys.\r"
    "STRUCTURE: polyurethane, hardness 85 \u00B1 4 Shore A, with a high-tenacity polyester cord.\r"
    "WORKING TEMPERATURE: from -15 \u00B0C to +80 \u00B0C.\r"
    "RESISTANCE: very good to oils and gasoline, ozone and water.\r"
    "APPLICATIONS: food processors, grass cutters, household appliances, washing machines, electrical "
    "tools, woodworking machines.";

const std::string_view kNewsTabCaption = "QVP NEWS";

const std::array<std::string_view, 6> kNewsTexts = {
    "QVP: THE PARABOLIC TOOTH PROFILE FOR POLYURETHANE TIMING BELTS",
    "WHY A PARABOLIC PROFILE?\r"
    "The flanks of the QVP tooth follow a parabola. The tooth enters and leaves the pulley groove "
    "without sliding on its flanks, the load spreads evenly from the root to the tip of the tooth "
    "and the belt runs with less noise and less wear than a trapezoidal tooth of the same pitch.",
    "WHY THE RECESS ON THE TOOTH TOP?\r"
    "A shallow recess along the top of each tooth lets the tooth give slightly as it seats in the "
    "groove. The tooth meets the groove over its whole flank instead of at its corners, so it "
    "carries more load before it jumps. Compared on a belt 20 mm wide running on a pulley of 56 mm "
    "diameter, the recessed QVP tooth transmits clearly more power than the trapezoidal tooth of the "
    "same pitch; the power rating of your own drive is computed in the following steps.",
    "BELT STRUCTURE\r"
    "Thermoplastic polyurethane body and teeth, wear and oil resistant; steel "
    "cords of high tensile strength and low stretch; on request a polyamide fabric on the teeth "
    "(NFT) or on the back (NFB) for lower friction.",
    "PERFORMANCE\r"
    "Higher power rating on small pulleys; accurate positioning thanks to the low backlash of the "
    "parabolic flank; quiet running at high speed; long life without relubrication or "
    "retensioning.",
    "AVAILABILITY\r"
    "QVP belts are made in the pitches QVP5, QVP8 and QVP14 as SELKIRA open-end belts for linear "
    "drives and as TAVOREN long-length endless belts. See the FEASIBILITY page for executions and "
    "limits.",
};

}  // namespace belt
