// The results report as a list of lines, built once from the project in the
// current units and drawn by the results screen and by the printed report.
// A line knows its texts, its logical columns, colour and font, never a
// position: the screen and the printed page place the columns themselves.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "project/driveproject.h"

namespace belt {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kReportRed{255, 0, 0};
inline constexpr Rgb kReportYellow{255, 255, 0};
inline constexpr Rgb kReportCyan{0, 255, 255};
inline constexpr Rgb kReportLightCyan{128, 255, 255};
inline constexpr Rgb kReportGreen{0, 255, 0};

// Where a text stands: the label column, the value column, the unit column,
// or the column of a section title ("INSTALLATION DATA").
enum class ReportColumn { Label, Value, Unit, Title };

enum class ReportLineKind {
    Item,          // label, value and unit (any of them may be empty)
    Blank,         // an empty line
    SectionTitle,  // "INSTALLATION DATA"
    PulleyTitle,   // a pulley's name above its lines in the pulley table
};

// The blocks of the page; the printed report arranges them in two halves
// and frames each.
enum class ReportSection {
    Belt,          // material, tensile member, coating, drive kind, double sided
    Results,       // pulley designations, belt size, power, teeth in mesh, motion and forces
    PulleyTable,   // one block per pulley
    Installation,  // "INSTALLATION DATA" and its lines
};

struct ReportLine {
    ReportLineKind kind = ReportLineKind::Item;
    ReportSection section = ReportSection::Results;
    std::string label;
    std::string value;
    std::string unit;
    // The column of the line's first text: Label for ordinary lines, Value
    // for a text that stands alone in the value column, Title for a section title.
    ReportColumn column = ReportColumn::Label;
    Rgb colour = kReportYellow;  // label and unit (and value unless valueColour differs)
    Rgb valueColour = kReportYellow;
    int fontSize = 14;  // points on the results screen
    bool bold = true;
    bool italic = false;
};

// Fixed texts of the report's heading (the maker's name and what it makes;
// its address and contact line are the head office's, catalogue/maker.h);
// the screen and the printed page lay the heading out.
inline constexpr std::string_view kMakerName = "VESTRANO";
inline constexpr std::string_view kCountryLine = "Power transmission belts  -  ITALY";

// The body of the results page below its heading, from "Belt made in" to
// the end of the installation data, in the current units.
std::vector<ReportLine> BuildResultsReport(const DriveProject& p);

// The report's "New safety factor": the power rating of the belt in its
// width over the power. Nothing when it is not known (no power, or a flat
// belt type without a rating).
std::optional<double> NewSafetyFactor(const DriveProject& p);

// A pulley's name as a heading: GetPulleyLabel with its first letter in
// upper case ("Driver pulley", "Pulley # 3").
std::string CapitalisedPulleyLabel(const DriveProject& p, int k);

}  // namespace belt
