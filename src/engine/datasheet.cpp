#include "engine/datasheet.h"

#include <algorithm>

#include "catalogue/belttraits.h"
#include "catalogue/ribgrooves.h"
#include "engine/checks.h"
#include "engine/report.h"
#include "units/units.h"

namespace belt {

namespace {

constexpr std::string_view kDiameterSign = "\u00D8";  // Ø
constexpr std::string_view kPlusMinus = "\u00B1";     // ±
// The sign in front of a multi-rib groove angle (character 223 of the
// Windows Latin-1 code page).
constexpr std::string_view kGrooveAngleSign = "\u00DF";

std::string Length(const DriveProject& p, double metres) {
    return Format(ToDisplay(p, kLength, metres), "###0.00");
}

// " mm": the length unit without its brackets, after a blank.
std::string UnitSuffix(const DriveProject& p) {
    std::string unit = CurrentLabel(p, kLength);
    std::erase_if(unit, [](char c) { return c == '[' || c == ']'; });
    return " " + unit;
}

void FillToothData(const DriveProject& p, ProfileDataSheet& s) {
    auto& t = s.toothData;
    const auto& dim = p.toothDimensions;
    if (IsFlatBelt(p)) {
        t[0] = {"W", Length(p, p.beltWidth)};
        t[1] = {"T", Length(p, dim[0])};
        t[2] = {"T tol.", std::string(kPlusMinus) + Length(p, dim[1])};
    } else if (IsMultiRibBelt(p)) {
        t[0] = {"P", Length(p, dim[2])};
        t[1] = {"h1", Length(p, dim[0])};
        t[2] = {"h2", Length(p, dim[1])};
    } else {
        t[0] = {"P", Length(p, p.beltPitch)};
        t[1] = {"h1", Length(p, dim[0])};
        t[2] = {"h2", Length(p, dim[1])};
        if (dim[2] != 0) t[3] = {"w", Length(p, dim[2])};
    }
}

void FillPulley(const DriveProject& p, int k, ProfileDataSheet& s) {
    const int a = 3 * k - 3;
    auto& symbols = s.pulleyData[static_cast<std::size_t>(a + 1)];
    auto& values = s.pulleyData[static_cast<std::size_t>(a + 2)];
    const auto ks = static_cast<std::size_t>(k);
    const bool quindel = IsMultiRibBelt(p);
    const RibGroove* groove = quindel ? FindRibGroove(p.beltName) : nullptr;

    std::string title = GetPulleyLabel(p, k);
    if (!quindel)
        title += ";   B = " + Length(p, p.pulleyFaceWidth);
    else if (groove)
        title += ";   P = " + Length(p, groove->pitch) + ";   " + std::string(kGrooveAngleSign) +
                 std::string(groove->angleText);
    s.pulleyData[static_cast<std::size_t>(a)].fill(title);
    s.titleRow[static_cast<std::size_t>(a)] = true;

    const std::string x = Length(p, p.pulleyPosition[0][ks]);
    const std::string y = Length(p, p.pulleyPosition[1][ks]);
    const std::string d = Length(p, p.pulleyDiameter[ks]);
    if (k > 1 && p.pulleyIsIdler[ks] != 0) {
        symbols = {std::string(kDiameterSign), "X", "Y", "", "", ""};
        values = {d, x, y, "", "", ""};
    } else if (IsFlatBelt(p)) {
        const double crown = p.pulleyCrownHeight[ks];
        symbols = {"d", "h", "X", "Y", "", ""};
        values = {d, crown != 0 ? Length(p, crown) : "", x, y, "", ""};
    } else if (quindel) {
        symbols = {std::string(kDiameterSign), "R", "r", "t", "X", "Y"};
        if (groove)
            values = {d,
                      Length(p, groove->ridgeRadius),
                      Length(p, groove->bottomRadius),
                      Length(p, groove->depth),
                      x,
                      y};
        else
            values = {d, "", "", "", x, y};
    } else {
        const double df = p.pulleyFlangeDiameter[ks];
        const double dmax = p.pulleyMaxBore[ks];
        symbols = {"dp", "de", "df", "dmax", "X", "Y"};
        values = {d,
                  Length(p, p.pulleyOutsideDiameter[ks]),
                  df != 0 ? Length(p, df) : "",
                  dmax > 0 ? Length(p, dmax) : "",
                  x,
                  y};
    }
}

}  // namespace

ProfileDataSheet BuildProfileDataSheet(const DriveProject& p) {
    ProfileDataSheet s;
    const std::string u = UnitSuffix(p);
    s.maker = std::string(kMakerName);
    s.beltLine =
        p.beltName + ";  length = " + Length(p, p.beltLength) + u + ";  width = " +
        (IsMultiRibBelt(p) ? Format(p.beltWidth, "##0") + " ribs" : Length(p, p.beltWidth) + u);
    FillToothData(p, s);
    const int count = std::clamp(p.pulleyCount, 0, 4);
    for (int k = 1; k <= count; ++k) FillPulley(p, k, s);
    s.unitCaption = "Unit: " + CurrentLabel(p, kLength);
    return s;
}

PulleyTable BuildPulleyTable(const DriveProject& p) {
    PulleyTable t;
    const std::string unit = " " + CurrentLabel(p, kLength);
    const std::string none = "-";
    const bool quindel = IsMultiRibBelt(p);
    const bool fendaro = IsFlatBelt(p);
    const RibGroove* groove = quindel ? FindRibGroove(p.beltName) : nullptr;
    if (fendaro)
        t.headings = {"d", "B", "h", "X", "Y"};
    else if (quindel)
        t.headings = {"d", "B", "P", "R", "r", "t", "X", "Y"};
    else
        t.headings = {"dp", "z", "B", "dmax", "de", "df", "X", "Y"};
    for (std::string& h : t.headings) h += h == "z" ? "" : h == "B" && quindel ? " [ribs]" : unit;

    const int count = std::clamp(p.pulleyCount, 0, 4);
    for (int k = 1; k <= count; ++k) {
        const auto ks = static_cast<std::size_t>(k);
        const bool idler = k > 1 && p.pulleyIsIdler[ks] != 0;
        const std::string d = Length(p, p.pulleyDiameter[ks]);
        const std::string x = Length(p, p.pulleyPosition[0][ks]);
        const std::string y = Length(p, p.pulleyPosition[1][ks]);
        // A length that applies only to a driving pulley and only when set.
        auto given = [&](double metres, bool applies) { return applies ? Length(p, metres) : none; };
        std::vector<std::string> row;
        if (fendaro) {
            const double crown = p.pulleyCrownHeight[ks];
            row = {d, Length(p, p.pulleyFaceWidth), given(crown, crown != 0), x, y};
        } else if (quindel) {
            const bool ribs = !idler && groove;
            row = {d,
                   idler ? none : Format(p.beltWidth, "####0"),
                   given(groove ? groove->pitch : 0, ribs),
                   given(groove ? groove->ridgeRadius : 0, ribs),
                   given(groove ? groove->bottomRadius : 0, ribs),
                   given(groove ? groove->depth : 0, ribs),
                   x,
                   y};
        } else {
            const int teeth = p.pulleyTeeth[ks];
            const double bore = p.pulleyMaxBore[ks];
            const double outside = p.pulleyOutsideDiameter[ks];
            const double flange = p.pulleyFlangeDiameter[ks];
            std::string de = given(outside, !idler && outside != 0);
            if (!idler && outside != 0 && bore < 0) {
                de += kIndicativeMark;
                t.indicative = true;
            }
            row = {d,
                   idler || teeth == 0 ? none : Format(teeth, "####0"),
                   Length(p, p.pulleyFaceWidth),
                   given(bore, !idler && bore > 0),
                   de,
                   given(flange, !idler && flange != 0),
                   x,
                   y};
        }
        t.names.push_back(GetPulleyLabel(p, k));
        t.rows.push_back(std::move(row));
    }
    return t;
}

}  // namespace belt
