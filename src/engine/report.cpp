#include "engine/report.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "catalogue/beltids.h"
#include "catalogue/belttraits.h"
#include "engine/carriage.h"
#include "engine/checks.h"
#include "engine/installation.h"
#include "units/units.h"

namespace belt {

namespace {

constexpr const char* kDiameterSign = "\u00D8";  // Ø
constexpr const char* kDegreeSign = "\u00B0";    // °

class Writer {
public:
    explicit Writer(const DriveProject& p) : p_(p) {}

    ReportSection section = ReportSection::Belt;
    Rgb colour = kReportYellow;
    bool italic = false;

    void item(std::string label, std::string value, std::string unit = {}) {
        ReportLine l = base();
        l.label = std::move(label);
        l.value = std::move(value);
        l.unit = std::move(unit);
        lines.push_back(std::move(l));
    }
    // A text alone in the value column.
    void lone(std::string value, Rgb valueColour) {
        ReportLine l = base();
        l.column = ReportColumn::Value;
        l.value = std::move(value);
        l.valueColour = valueColour;
        lines.push_back(std::move(l));
    }
    void blank() {
        ReportLine l = base();
        l.kind = ReportLineKind::Blank;
        lines.push_back(std::move(l));
    }
    void pulleyTitle(std::string label) {
        ReportLine l = base();
        l.kind = ReportLineKind::PulleyTitle;
        l.label = std::move(label);
        lines.push_back(std::move(l));
    }
    // A value of quantity q in the current unit, with the unit's label.
    void quantity(std::string label, int q, double internal, std::string_view format) {
        item(std::move(label), Format(ToDisplay(p_, q, internal), format), CurrentLabel(p_, q));
    }

    std::vector<ReportLine> lines;

private:
    ReportLine base() const {
        ReportLine l;
        l.section = section;
        l.colour = colour;
        l.valueColour = colour;
        l.italic = italic;
        return l;
    }
    const DriveProject& p_;
};

// a / b, or nothing when the quotient is not a number.
bool Quotient(double a, double b, double& out) {
    if (b == 0) return false;
    out = a / b;
    return std::isfinite(out);
}

std::string FlatBeltText(const DriveProject& p, int column) {
    if (p.flatBeltIndex < 0 || p.flatBeltIndex > 16 || column < 0 || column > 23) return {};
    return p.flatBeltTable[static_cast<std::size_t>(column)][static_cast<std::size_t>(p.flatBeltIndex)];
}

}  // namespace

std::string CapitalisedPulleyLabel(const DriveProject& p, int k) {
    std::string s = GetPulleyLabel(p, k);
    if (!s.empty()) s[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(s[0])));
    return s;
}

std::optional<double> NewSafetyFactor(const DriveProject& p) {
    if (IsFlatBelt(p) && p.ribFlatRatingTable[0][0] == kNoRatingData) return std::nullopt;
    double safety = 0;
    if (!Quotient(p.powerRatingWithWidth, p.power, safety)) return std::nullopt;
    return safety;
}

std::vector<ReportLine> BuildResultsReport(const DriveProject& p) {
    Writer w(p);
    const BeltFamilyTraits& family = BeltFamilyTraitsOf(p.beltFamily);
    const bool quindel = family.kind == BeltKind::MultiRib;
    const bool fendaro = family.kind == BeltKind::Flat;
    const bool linear = family.linearDrive;
    const bool timing = family.kind == BeltKind::Toothed;
    const bool flatWithoutRating = fendaro && p.ribFlatRatingTable[0][0] == kNoRatingData;
    const int n = std::clamp(p.pulleyCount, 2, 4);
    // Whole millimetres are exact enough; a whole inch or foot is not.
    const bool inMillimetres = CurrentUnit(p, kLength) == 1;
    const std::string lengthFormat = IsInchPitch(p.beltPitch) || !inMillimetres ? "###0.00" : "####0";
    auto idler = [&](int k) { return p.pulleyIsIdler[static_cast<std::size_t>(k)] != 0; };

    // Belt block.
    w.section = ReportSection::Belt;
    w.item("Belt made in", std::string(MaterialText(family.material)));
    std::string tensile(family.tensileMember);
    if (tensile == "Steel" && (p.beltName == "SELKIRA QXD14M" || p.beltName == "SELKIRA QXD8M"))
        tensile = "HP";
    if (fendaro) tensile = FlatBeltText(p, 2);
    w.item("Tensile member", tensile);
    if (fendaro) {
        w.item("Coating material", FlatBeltText(p, p.flatBeltInfoColumn));
        w.lines.back().valueColour = kReportGreen;
    }
    if (linear) {
        if (p.linearDriveType == 0)
            w.lone("Open end belt", w.colour);
        else if (p.linearDriveType == 1)
            w.lone("Omega drive belt", w.colour);
        else if (p.linearDriveType == 2)
            w.lone("Joined belt", w.colour);
    }
    if (p.beltSideSuffix == "DL" || p.beltSideSuffix == "DD" || p.beltSideSuffix == "DT")
        w.lone("Double sided belt", w.colour);

    // Pulley designations.
    w.section = ReportSection::Results;
    for (int k = 1; k <= n; ++k) {
        const auto ks = static_cast<std::size_t>(k);
        std::string value;
        if (timing && !idler(k))
            value = p.beltCodeDetail + " / " + std::to_string(p.pulleyTeeth[ks]);
        else
            value =
                std::string(kDiameterSign) + " " + Format(p.pulleyDiameter[ks] * 1000.0, "###0.00") + " mm";
        w.item(CapitalisedPulleyLabel(p, k), value);
    }
    w.blank();

    // Belt size.
    if (timing) {
        double teeth = 0;
        const bool known = Quotient(p.beltLength, p.beltPitch, teeth);
        w.item("Number of teeth belt", known ? Format(std::nearbyint(teeth), "####0") : "-");
    }
    w.quantity("Belt length", kLength, p.beltLength, lengthFormat);
    if (quindel) {
        w.item("Number of ribs", Format(p.beltWidth, "####0") + " ribs");
        w.italic = true;
        w.item("Ribs belt (calculated)", Format(p.beltWidthCalculated, "###0.00") + " ribs");
        w.italic = false;
    } else {
        w.quantity("Belt width", kLength, p.beltWidth, lengthFormat);
        if (!flatWithoutRating)
            w.quantity("Belt width (calculated)", kLength, p.beltWidthCalculated, "###0.00");
    }

    // Power.
    if (!flatWithoutRating) {
        w.colour = kReportLightCyan;
        w.blank();
        w.quantity("Power rating", kPower, p.power, "###0.00");
        if (!quindel) w.item("Total service factor", Format(p.serviceFactor, "###0.0"));
        w.quantity("Power rating incl. service factor", kPower, p.serviceFactor * p.power, "###0.00");
        w.blank();
        w.colour = kReportYellow;
        if (timing) {
            double load = 0;
            const bool known =
                Quotient(p.powerRatingWithWidth, p.teethInMesh * p.beltSpeed * 100.0 * p.beltWidth, load);
            w.item("Admissible specific load on tooth", known ? Format(load, "###0.0") : "-", "[N/cm]");
        }
        std::string width;
        if (quindel) {
            width = Format(p.beltWidth, "####0") + " ribs";
        } else {
            std::string unit = CurrentLabel(p, kLength);
            unit.erase(std::remove_if(unit.begin(), unit.end(), [](char c) { return c == '[' || c == ']'; }),
                       unit.end());
            width = Format(ToDisplay(p, kLength, p.beltWidth), lengthFormat) + " " + unit;
        }
        w.quantity("Power rating with " + width + " belt width", kPower, p.powerRatingWithWidth, "###0.00");
        const std::optional<double> safety = NewSafetyFactor(p);
        w.item("New safety factor", safety ? Format(*safety, "###0.0") : "-");
    }

    // Teeth in mesh.
    if (timing) {
        w.blank();
        w.item("Min. number of teeth in mesh", Format(p.teethInMesh, "####0"));
        w.item("Max. num. of teeth in mesh for calc.", Format(TeethInMeshCap(p), "####0"));
    }

    // Motion and forces.
    w.colour = kReportLightCyan;
    w.blank();
    w.quantity("Belt speed", kVelocity, p.beltSpeed, "###0.0");
    if (n == 2) w.quantity("Centre distance", kLength, p.centreDistance, "###0.00");
    if (family.dinCentreDistanceTolerance && n == 2)
        w.lone("(toler. range according to DIN 7721-1)", w.colour);
    if (linear) {
        if (n == 2 && p.linearDriveType == 0)
            w.quantity("Stroke", kLength, StrokeOfOpenEndDrive(p), "###0.0");
        else if (p.linearDriveType == 1)
            w.quantity("Stroke", kLength, p.stroke, "###0.0");
    }
    w.quantity("Peripheral force", kForce, p.peripheralForce, "###0.0");
    if (linear) {
        const double pull = p.maxEffectivePull;
        w.quantity("Max. effective pull", kForce, pull, "###0.0");
        w.quantity("Max. pull force", kForce, ((Int(pull / 10.0) + 1.0) * 10.0 + pull) * p.loadFactorSecond,
                   "###0.0");
        const double traction = p.linearDriveType == 2 ? p.maxTractionLoad2 : p.maxTractionLoad1;
        if (traction != 0) w.quantity("Max. traction load", kForce, traction, "###0.0");
    }

    // Pulley table.
    w.section = ReportSection::PulleyTable;
    for (int k = 1; k <= n; ++k) {
        const auto ks = static_cast<std::size_t>(k);
        w.blank();
        w.colour = kReportYellow;
        w.pulleyTitle(CapitalisedPulleyLabel(p, k));
        w.colour = kReportLightCyan;
        if (!idler(k)) w.quantity("RPM", kAngularVelocity, p.pulleySpeed[ks], "###0.0");
        if (timing && !idler(k)) w.item("Number of teeth", Format(p.pulleyTeeth[ks], "####0"));
        w.quantity(timing && !idler(k) ? "Pitch diametre" : "Diametre", kLength, p.pulleyDiameter[ks],
                   "###0.00");
        if (!idler(k)) {
            w.item("Speed ratio", Format(p.pulleyRatio[ks], "###0.0"));
        } else {
            w.quantity("Recom. min. idler diameter inside", kLength, p.minIdlerDiameterInside, "###0.00");
            w.quantity("Recom. min. idler diameter outside", kLength, p.minIdlerDiameterOutside, "###0.00");
        }
        w.quantity("X - position", kLength, p.pulleyPosition[0][ks], "###0.00");
        w.quantity("Y - position", kLength, p.pulleyPosition[1][ks], "###0.00");
        if (!idler(k))
            w.item("Arc of contact",
                   Format(p.pulleyArcOfContact[ks] * 180.0 / 3.141592654, "####0") + kDegreeSign);
    }

    // Installation data.
    w.colour = kReportYellow;
    w.blank();
    for (ReportLine& l : InstallationDataLines(p)) w.lines.push_back(std::move(l));
    return std::move(w.lines);
}

}  // namespace belt
