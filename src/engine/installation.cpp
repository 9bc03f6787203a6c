#include "engine/installation.h"

#include <algorithm>
#include <cmath>

#include "catalogue/beltids.h"
#include "catalogue/belttraits.h"
#include "engine/checks.h"
#include "engine/shaftloads.h"
#include "units/units.h"

namespace belt {

namespace {

ReportLine Item(std::string label, std::string value, std::string unit) {
    ReportLine l;
    l.section = ReportSection::Installation;
    l.label = std::move(label);
    l.value = std::move(value);
    l.unit = std::move(unit);
    return l;
}

ReportLine Blank() {
    ReportLine l;
    l.kind = ReportLineKind::Blank;
    l.section = ReportSection::Installation;
    return l;
}

ReportLine Force(const DriveProject& p, std::string label, double newtons) {
    return Item(std::move(label), Format(ToDisplay(p, kForce, newtons), "###0.0"), CurrentLabel(p, kForce));
}

// T0 of a timing belt: a two-pulley drive by the teeth of its belt, an
// open-end belt and every drive of three or four pulleys with the whole
// peripheral force.
double TimingPreTension(const DriveProject& p, InstallationRule rule) {
    const double F = p.peripheralForce;
    if (rule == InstallationRule::OpenEnd || std::clamp(p.pulleyCount, 2, 4) != 2) return F;
    const double teeth = p.beltPitch > 0 ? p.beltLength / p.beltPitch : 0;
    if (teeth < 60) return F / 3;
    if (teeth < 150) return F / 2;
    return 2 * F / 3;
}

// Catalogue installation tension of one rib, N.
double TensionPerRib(const std::string& code) {
    if (code == "ZB2") return 30;
    if (code == "J") return 40;
    if (code == "H") return 25;
    return 0;
}

// The flat belt data sheet's installation tension per cm of width, N; 0
// where it gives a word ("ELASTIC").
double FlatTensionPerCm(const DriveProject& p) {
    const int row = p.flatBeltIndex;
    return row >= 1 && row <= 16 ? Val(p.flatBeltTable[7][static_cast<std::size_t>(row)]) : 0;
}

ReportLine Note(std::string text, Rgb colour) {
    ReportLine l = Item(std::move(text), "", "");
    l.colour = colour;
    l.valueColour = colour;
    return l;
}

// After the static tension of every pulley (recorded by the caller unless
// withMagnitudes): where each load points, and the running loads of a
// two-pulley rotary drive.
void ShaftLoadLines(const DriveProject& p, bool withMagnitudes, std::vector<ReportLine>& out, DetailSink* sink) {
    const ShaftLoads loads = ComputeShaftLoads(p);
    if (!loads.spanTension) return;
    if (withMagnitudes)
        for (const StaticShaftLoad& s : loads.statics)
            out.push_back(Force(p, "Static tension on " + GetPulleyLabel(p, s.pulley), s.magnitude));
    for (const StaticShaftLoad& s : loads.statics) {
        if (!s.hasDirection) continue;
        const std::string on = "static tension on " + GetPulleyLabel(p, s.pulley);
        out.push_back(Item("Direction of " + on, Format(s.angle * 180 / kPi, "##0.0") + "\u00B0", ""));
        out.push_back(Force(p, "X - " + on, s.x));
        out.push_back(Force(p, "Y - " + on, s.y));
    }
    if (loads.running) {
        const RunningShaftLoads& r = *loads.running;
        for (int k = 1; k <= 2; ++k) out.push_back(Force(p, "Running load on " + GetPulleyLabel(p, k), r.load[k]));
        if (r.slackSpanGoesSlack)
            out.push_back(Note("Under full load the slack span goes slack (pre-tension below F / 2)",
                               kReportLightCyan));
        if (r.slipMargin) {
            out.push_back(Item("Slip margin on " + GetPulleyLabel(p, r.slipPulley), Format(*r.slipMargin, "###0.00"),
                               ""));
            if (*r.slipMargin < 1)
                out.push_back(Note("The belt slips at full load unless it is tensioned harder", kReportRed));
        }
    }
    RecordShaftLoadDetails(p, loads, withMagnitudes, sink);
}

void TimingBeltLines(const DriveProject& p, InstallationRule rule, std::vector<ReportLine>& out,
                     DetailSink* sink) {
    using namespace detail_units;
    constexpr DetailStep step = DetailStep::Installation;
    const int n = std::clamp(p.pulleyCount, 2, 4);
    const double F = p.peripheralForce;
    // An open-end belt is pre-tensioned with the whole peripheral force.
    const bool openEnd = rule == InstallationRule::OpenEnd;

    const double T0 = TimingPreTension(p, rule);
    const double teeth = p.beltPitch > 0 ? p.beltLength / p.beltPitch : 0;
    out.push_back(Force(p, "Span pre-tension", T0));
    Record(sink, step, [&] {
        DetailEntry e;
        e.what = "Span pre-tension";
        if (!openEnd && n == 2) {
            e.formula = "T0 = F / 3 below 60 teeth of belt, F / 2 below 150, 2 F / 3 from 150";
            e.in("F", F, kForce).in("zb", teeth, kTeeth);
        } else {
            e.formula = "T0 = F";
            e.in("F", F, kForce);
        }
        return e.is("T0", T0, kForce);
    });
    out.push_back(Force(p, "Peripheral force", F));
    for (int i = 1; i <= n; ++i) {
        const double arc = p.pulleyArcOfContact[static_cast<std::size_t>(i)];
        const double load = 2 * T0 * std::sin(arc / 2);
        out.push_back(Force(p, "Static tension on " + GetPulleyLabel(p, i), load));
        Record(sink, step, [&] {
            DetailEntry e;
            e.what = "Static tension on the " + GetPulleyLabel(p, i);
            e.formula = "Fs = 2 T0 sin(b / 2)";
            return e.in("T0", T0, kForce).in("b", arc, kDegrees).is("Fs", load, kForce);
        });
    }
    ShaftLoadLines(p, false, out, sink);
    out.push_back(Blank());

    if (rule == InstallationRule::TimingWithTestLoad && !IsInchPitch(p.beltPitch)) {
        const double ft = F * 0.0339292006632 + TestLoadBase(p.beltPitchCode) * p.beltWidth;
        Record(sink, step, [&] {
            DetailEntry e;
            e.what = "Test load";
            e.formula = "Ft = 0.0339292 F + Bt w";
            return e.in("F", F, kForce)
                .in("Bt", TestLoadBase(p.beltPitchCode), DetailUnit("N/m", 1))
                .in("w", p.beltWidth, kLength)
                .from("test load base Bt of the " + p.beltPitchCode + " profile")
                .is("Ft", ft, kForce);
        });
        const int path = p.beltPathTable[0][1];
        for (int i = 1; i <= n; ++i) {
            if (n == 2 && i == 2) continue;
            const int next = i == n ? 1 : i + 1;
            const std::string span = " " + std::to_string(i) + " & " + std::to_string(next);
            out.push_back(Force(p, "Load test between pulleys" + span, ft));
            // A path number or tangent choice out of range (a damaged project
            // file) has no span to measure.
            if (path < 1 || path > 256) continue;
            const int t = p.beltPathTable[static_cast<std::size_t>(path)][static_cast<std::size_t>(i)];
            if (t < 1 || t > 4) continue;
            const auto& tp = p.tangentPoint;
            const auto ts = static_cast<std::size_t>(t);
            const auto is = static_cast<std::size_t>(i);
            const double dx = tp[0][ts][is][1] - tp[0][ts][is][0];
            const double dy = tp[1][ts][is][1] - tp[1][ts][is][0];
            const double s = std::sqrt(dx * dx + dy * dy);
            out.push_back(
                Item("Span length deflection between pulleys" + span, Format(s * 16.6, "###0.00"), "[mm]"));
            Record(sink, step, [&] {
                DetailEntry e;
                e.what = "Span deflection under the test load between pulleys" + span;
                e.formula = "f = 16.6 s (s in m, f in mm)";
                return e.in("s", s, kMetres).is("f", s * 16.6 / 1000, kMillimetres);
            });
        }
    }

    if (openEnd && n == 2 && p.linearDriveType != 2 && p.maxTractionLoad1 != 0) {
        const double freeLength = p.beltLength - kPi * p.pulleyDiameter[1] / 2 - p.carriageLength;
        const double elongation = 4 * freeLength * F / p.maxTractionLoad1;
        out.push_back(Item("Max. elongation", Format(elongation, "###0.0"), "[mm]"));
        Record(sink, step, [&] {
            DetailEntry e;
            e.what = "Max. elongation of the open-end belt";
            e.formula = "e = 4 lf F / Fadm, lf = L - pi d1 / 2 - lc (lf in m, e in mm)";
            return e.in("L", p.beltLength, kLength)
                .in("d1", p.pulleyDiameter[1], kLength)
                .in("lc", p.carriageLength, kLength)
                .in("lf", freeLength, kMetres)
                .in("F", F, kForce)
                .in("Fadm", p.maxTractionLoad1, kForce)
                .is("e", elongation / 1000, kMillimetres);
        });
    }
}

void MultiRibLines(const DriveProject& p, std::vector<ReportLine>& out, DetailSink* sink) {
    out.push_back(Item("Number of ribs", Format(p.beltWidth, "####0") + " ribs", ""));
    const double perRib = TensionPerRib(p.beltPitchCode);
    out.push_back(Force(p, "Recommanded installation tension", p.beltWidth * perRib));
    Record(sink, DetailStep::Installation, [&] {
        DetailEntry e;
        e.what = "Recommended installation tension";
        e.formula = "T0 = ribs x tension per rib";
        return e.in("ribs", p.beltWidth, detail_units::kRibs)
            .in("per rib", perRib, kForce)
            .from(p.beltPitchCode + " profile: tension per rib")
            .is("T0", p.beltWidth * perRib, kForce);
    });
    ShaftLoadLines(p, true, out, sink);
}

void FlatBeltLines(const DriveProject& p, std::vector<ReportLine>& out, DetailSink* sink) {
    const int row = p.flatBeltIndex;
    const bool known = row >= 1 && row <= 16;
    const std::string tension = known ? p.flatBeltTable[7][static_cast<std::size_t>(row)] : std::string();
    const std::string elongation = known ? p.flatBeltTable[8][static_cast<std::size_t>(row)] : std::string();

    const double perCm = FlatTensionPerCm(p);
    const std::string source = "flat belt data sheet, row of " + p.beltPitchCode;
    if (perCm != 0) {
        out.push_back(Force(p, "Tension installation", perCm * p.beltWidth * 100));
        Record(sink, DetailStep::Installation, [&] {
            DetailEntry e;
            e.what = "Installation tension";
            e.formula = "T0 = tension per cm x w";
            return e.in("per cm", perCm, kForce)
                .in("w", p.beltWidth, kLength)
                .from(source)
                .is("T0", perCm * p.beltWidth * 100, kForce);
        });
    } else {
        out.push_back(Item("Tension installation", tension, ""));
        Record(sink, DetailStep::Installation, [&] {
            DetailEntry e;
            e.what = "Installation tension";
            return e.from(source).isText("T", tension);
        });
    }
    out.push_back(
        Item("Elongation with installation tension", Format(Val(elongation) * 100, "###0.0") + "%", ""));
    Record(sink, DetailStep::Installation, [&] {
        DetailEntry e;
        e.what = "Elongation with the installation tension";
        return e.from(source).is("", Val(elongation) * 100, DetailUnit("%", 1));
    });
    ShaftLoadLines(p, true, out, sink);
}

}  // namespace

std::optional<double> InstallationSpanTension(const DriveProject& p) {
    switch (const InstallationRule rule = BeltFamilyTraitsOf(p.beltFamily).installation) {
        case InstallationRule::MultiRib:
            return p.beltWidth * TensionPerRib(p.beltPitchCode);
        case InstallationRule::Flat:
            if (const double perCm = FlatTensionPerCm(p); perCm != 0) return perCm * p.beltWidth * 100;
            return std::nullopt;
        case InstallationRule::TimingWithTestLoad:
        case InstallationRule::Timing:
        case InstallationRule::OpenEnd:
            return TimingPreTension(p, rule);
    }
    return std::nullopt;
}

double TestLoadBase(const std::string& code) {
    if (code == "T2.5") return 200;
    if (code == "T5") return 285;
    if (code == "T10") return 514;
    if (code == "T20") return 1210;
    if (code == "AT5" || code == "QXD5M" || code == "QVP5") return 470;
    if (code == "AT10" || code == "QXD8M" || code == "QVP8") return 1210;
    if (code == "AT20" || code == "QXD14M" || code == "QVP14") return 1820;
    return 0;
}

std::vector<ReportLine> InstallationDataLines(const DriveProject& p, DetailSink* sink) {
    std::vector<ReportLine> out;
    ReportLine title;
    title.kind = ReportLineKind::SectionTitle;
    title.section = ReportSection::Installation;
    title.column = ReportColumn::Title;
    title.label = "INSTALLATION DATA";
    out.push_back(title);
    out.push_back(Blank());

    if (sink) sink->begin(DetailStep::Installation);
    switch (const InstallationRule rule = BeltFamilyTraitsOf(p.beltFamily).installation) {
        case InstallationRule::MultiRib:
            MultiRibLines(p, out, sink);
            break;
        case InstallationRule::Flat:
            FlatBeltLines(p, out, sink);
            break;
        case InstallationRule::TimingWithTestLoad:
        case InstallationRule::Timing:
        case InstallationRule::OpenEnd:
            TimingBeltLines(p, rule, out, sink);
            break;
    }
    return out;
}

}  // namespace belt
