#include "engine/pitchguide.h"

#include <cmath>

#include "catalogue/beltids.h"
#include "units/units.h"

namespace belt {

namespace {

// Profile groups of the guide: chart, pitch buttons and pitch index range.
constexpr std::array<PitchGroup, 14> kPitchGroups = {{
    {"ORVANTO T", 0, {"T2.5", "T5*", "T10*", ""}, 3, 0, 2, true},
    {"ORVANTO AT", 1, {"AT5", "AT10", "", ""}, 2, 4, 5, false},
    {"ORVANTO I", 2, {"MXL", "XL", "L", "H"}, 4, 7, 10, false},
    {"SELKIRA T", 3, {"T5", "T10", "T20", ""}, 3, 15, 17, false},
    {"SELKIRA AT", 4, {"AT5", "AT10", "AT20", ""}, 3, 18, 20, false},
    {"SELKIRA I", 5, {"XL", "L", "H", "XH"}, 4, 21, 24, false},
    {"SELKIRA QXD", 6, {"QXD5M", "QXD8M", "QXD14M", ""}, 3, 25, 27, false},
    // QVP8HP is a button of its own beyond the range: selectable, never recommended.
    {"SELKIRA QVP", 6, {"QVP5", "QVP8", "QVP14", "QVP8HP"}, 4, 28, 30, false},
    {"TAVOREN T", 3, {"T5*", "T10*", "T20*", ""}, 3, 15, 17, true},
    {"TAVOREN AT", 4, {"AT5*", "AT10*", "AT20*", ""}, 3, 18, 20, true},
    {"TAVOREN I", 5, {"XL*", "L*", "H*", "XH*"}, 4, 21, 24, true},
    {"TAVOREN QVP", 6, {"QVP5*", "QVP8*", "QVP14*", ""}, 3, 28, 30, true},
    {"RUBBER I", 7, {"XL*", "L*", "H*", "XH"}, 4, 8, 11, true},
    {"RUBBER QVP", 8, {"QVP5*", "QVP8*", "QVP14*", ""}, 3, 12, 14, true},
}};

// guideLine(0..3, k): x0, y0, x1, y1. Power charts: rpm and kW on log-log
// axes, the upper boundary of the pitch's region. Width charts: force in N
// and the belt width in mm it needs.
constexpr std::array<std::array<float, 4>, 31> kGuideLines = {{
    {120, 0.1F, 3000, 0.66F},  // 0  ORVANTO T2.5
    {17, 0.1F, 5000, 5.6F},    // 1  ORVANTO T5
    {10, 0.7F, 4000, 45},      // 2  ORVANTO T10
    {10, 2, 4000, 90},         // 3
    {12, 0.1F, 4000, 3.3F},    // 4  ORVANTO AT5
    {10, 0.66F, 4000, 34},     // 5  ORVANTO AT10
    {10, 2, 5000, 90},         // 6
    {300, 0.1F, 5000, 0.47F},  // 7  MXL
    {17, 0.1F, 4000, 3.1F},    // 8  XL
    {10, 0.26F, 4000, 16},     // 9  L
    {10, 0.6F, 4000, 45},      // 10 H
    {10, 1, 4000, 80},         // 11 XH
    {10, 0.2F, 6000, 30},      // 12 RUBBER QVP5
    {10, 1.05F, 2200, 160},    // 13 RUBBER QVP8
    {10, 4, 1400, 400},        // 14 RUBBER QVP14
    {167, 10, 583, 50},        // 15 T5
    {333, 12, 2417, 100},      // 16 T10
    {583, 16, 3646, 100},      // 17 T20
    {229, 10, 917, 50},        // 18 AT5
    {583, 16, 3646, 100},      // 19 AT10
    {1833, 25, 7667, 100},     // 20 AT20
    {167, 10, 583, 50},        // 21 XL
    {229, 10, 917, 50},        // 22 L
    {333, 12, 2417, 100},      // 23 H
    {583, 16, 3646, 100},      // 24 XH
    {229, 10, 917, 50},        // 25 QXD5M
    {583, 16, 3646, 100},      // 26 QXD8M
    {1833, 25, 7667, 100},     // 27 QXD14M
    {229, 10, 917, 50},        // 28 QVP5
    {583, 16, 3646, 100},      // 29 QVP8
    {1833, 25, 7667, 100},     // 30 QVP14
}};

// guideWidths(0..7, k), k = 15..30: standard widths in mm, 0 = no further width.
constexpr std::array<std::array<double, 8>, 16> kGuideWidths = {{
    {6, 10, 16, 25, 32, 50, 75, 100},                 // 15
    {12, 16, 25, 32, 50, 75, 100, 150},               // 16
    {25, 32, 50, 75, 100, 150, 0, 0},                 // 17
    {6, 10, 16, 25, 32, 50, 75, 0},                   // 18
    {16, 25, 32, 50, 75, 100, 150, 0},                // 19
    {25, 32, 50, 75, 100, 150, 200, 0},               // 20
    {6.35, 7.874, 9.398, 12.7, 25.4, 38.1, 50.8, 0},  // 21
    {9.398, 12.7, 19.05, 25.4, 38.1, 50.8, 0, 0},     // 22
    {12.7, 19.05, 25.4, 38.1, 50.8, 76.2, 101.6, 0},  // 23
    {25.4, 38.1, 50.8, 76.2, 101.6, 152.4, 0, 0},     // 24
    {10, 15, 25, 50, 0, 0, 0, 0},                     // 25
    {10, 15, 20, 30, 50, 85, 100, 0},                 // 26
    {25, 40, 55, 85, 100, 115, 0, 0},                 // 27
    {10, 15, 25, 30, 50, 0, 0, 0},                    // 28
    {10, 15, 20, 30, 50, 85, 100, 0},                 // 29
    {40, 55, 85, 115, 0, 0, 0, 0},                    // 30
}};

constexpr int kFirstWidthPitch = 15;
constexpr int kLastPitch = 30;

bool validPitch(int k) {
    return k >= 0 && k <= kLastPitch;
}

// Caption of Scelta(i) without its trailing "*".
std::string pitchText(const PitchGroup& g, int i) {
    if (i < 0 || i >= g.count) return {};
    return PitchCodeFromCaption(g.captions[static_cast<std::size_t>(i)]);
}

bool isRubberQvp(const DriveProject& p) {
    return p.beltType == "RUBBER QVP";
}

constexpr double kRadPerSecPerRpm = 2 * kPi / 60;

}  // namespace

const PitchGroup* FindPitchGroup(std::string_view beltType) {
    for (const auto& g : kPitchGroups)
        if (g.beltType == beltType) return &g;
    return nullptr;
}

std::span<const PitchGroup> PitchGroups() {
    return kPitchGroups;
}

int PitchButtonIndex(std::string_view beltType, std::string_view pitchCode) {
    const PitchGroup* g = FindPitchGroup(beltType);
    for (int i = 0; g && i < g->count; ++i)
        if (PitchCodeFromCaption(g->captions[static_cast<std::size_t>(i)]) == pitchCode) return i;
    return -1;
}

int PitchChart(const DriveProject& p) {
    const PitchGroup* g = FindPitchGroup(p.beltType);
    return g ? g->chart : 0;
}

double ChartForceScale(int chart) {
    return (chart == 4 || chart == 6) ? 8000 : 4000;
}

void LoadPitchGuideTables(DriveProject& p) {
    for (std::size_t k = 0; k < kGuideLines.size(); ++k)
        for (std::size_t j = 0; j < 4; ++j) p.guideLine[j][k] = kGuideLines[k][j];
    for (std::size_t w = 0; w < 8; ++w) {
        for (auto& row : p.guideWidths[w]) row = 0;
        for (std::size_t i = 0; i < kGuideWidths.size(); ++i)
            p.guideWidths[w][i + kFirstWidthPitch] = kGuideWidths[i][w];
    }
}

void SetPitchRange(DriveProject& p) {
    if (const PitchGroup* g = FindPitchGroup(p.beltType)) {
        p.pitchRangeFirst = g->rangeFirst;
        p.pitchRangeLast = g->rangeLast;
    }
}

double Log10(double x) {
    return std::log(x) / std::log(10.0);
}

double GuidePowerLimit(const DriveProject& p, int k, double rpm) {
    if (!validPitch(k)) return 0;
    const auto kk = static_cast<std::size_t>(k);
    const double x0 = p.guideLine[0][kk];
    const double y0 = p.guideLine[1][kk];
    const double x1 = p.guideLine[2][kk];
    const double y1 = p.guideLine[3][kk];
    if (rpm >= x1) return 1000 * y1;
    // A line not loaded yet (all zero) has no region at all.
    if (x0 <= 0 || y0 <= 0 || y1 <= 0 || x1 <= x0) return 0;
    if (rpm >= x0 && rpm < x1) {
        const double e =
            Log10(y0) + (Log10(y1) - Log10(y0)) * (Log10(rpm) - Log10(x0)) / (Log10(x1) - Log10(x0));
        return 1000 * std::pow(10.0, e);
    }
    return 0;
}

double GuideRequiredWidth(const DriveProject& p, int k, double force) {
    if (!validPitch(k)) return 0;
    const auto kk = static_cast<std::size_t>(k);
    const double x0 = p.guideLine[0][kk];
    const double y0 = p.guideLine[1][kk];
    const double x1 = p.guideLine[2][kk];
    const double y1 = p.guideLine[3][kk];
    if (x1 == x0) return y0;
    return (y1 - y0) * (force - x0) / (x1 - x0) + y0;
}

double GuideSufficientWidth(const DriveProject& p, int k, double force) {
    if (k < kFirstWidthPitch || k > kLastPitch) return 0;
    const double r = GuideRequiredWidth(p, k, force);
    for (std::size_t w = 0; w < 8; ++w) {
        const double width = p.guideWidths[w][static_cast<std::size_t>(k)];
        if (width == 0) return 0;
        if (width >= r) return width;
    }
    return 0;
}

int GuidePitchForPower(const DriveProject& p, double power, int first, int last) {
    const double rpm = p.pulleySpeed[1] * 30 / kPi;
    int k = first;
    // The last pitch is the fallback and is never tested.
    for (; k <= last - 1; ++k)
        if (GuidePowerLimit(p, k, rpm) > power) break;
    if (k > last - 1) k = last;
    return k;
}

std::optional<Step2Title> ConsigliaOrvantoRubber(const DriveProject& p) {
    const PitchGroup* g = FindPitchGroup(p.beltType);
    if (!g) return std::nullopt;
    const int k = GuidePitchForPower(p, p.power, p.pitchRangeFirst, p.pitchRangeLast);
    const std::string text = FamilyFromType(p.beltType) + " " + pitchText(*g, k - p.pitchRangeFirst);
    return Step2Title{"Belt pitch selection guide: " + text, 18};
}

std::optional<Step2Title> ConsigliaSelkiraTavoren(const DriveProject& p) {
    const PitchGroup* g = FindPitchGroup(p.beltType);
    if (!g) return std::nullopt;
    std::string text;
    for (int k = p.pitchRangeFirst; k <= p.pitchRangeLast; ++k) {
        const double width = GuideSufficientWidth(p, k, p.peripheralForce);
        if (width != 0)
            text += " " + pitchText(*g, k - p.pitchRangeFirst) + " (w=" + Format(width, "####0") + " mm) ";
    }
    return Step2Title{"Belt pitch selection guide: \r" + FamilyFromType(p.beltType) + text, 13};
}

Step2Title Step2LayoutTitle(DriveProject& p) {
    SetPitchRange(p);
    Step2Title title;
    title.fontSize = 18;
    title.caption =
        p.beltName.empty() ? std::string("BELT PITCH SELECTION GUIDE") : "Pitch selected: " + p.beltName;
    if (p.beltName.empty()) {
        std::optional<Step2Title> advice;
        if (p.peripheralForce != 0 && p.pitchRangeFirst > 14)
            advice = ConsigliaSelkiraTavoren(p);
        else if (p.power != 0 && p.pitchRangeFirst <= 14 && p.pulleySpeed[1] != 0)
            advice = ConsigliaOrvantoRubber(p);
        if (advice) title = *advice;
    }
    return title;
}

int ChosenPitchButton(const DriveProject& p) {
    const PitchGroup* g = FindPitchGroup(p.beltType);
    if (!g || p.beltName.empty()) return -1;
    for (int i = 0; i < g->count; ++i)
        if (pitchText(*g, i) == p.beltPitchCode) return i;
    return -1;
}

std::optional<Step2Title> Scelta_Click(DriveProject& p, int index) {
    const PitchGroup* g = FindPitchGroup(p.beltType);
    if (!g || index < 0 || index >= g->count) return std::nullopt;
    p.beltPitchCode = pitchText(*g, index);
    p.beltName = p.beltFamily + " " + p.beltPitchCode;
    return Step2Title{"Pitch selected: " + p.beltName, 18};
}

double PowerIndicatorLeft(double n, bool rubberQvp) {
    if (n == 0) return 7;
    return rubberQvp ? 6.5 + 20.1 * Log10(n) : 6 + 20.5 * Log10(n);
}

double PowerIndicatorTop(double power, bool rubberQvp) {
    if (power == 0) return 88;
    return rubberQvp ? 128 - 20 * Log10(power) : 143 - 27 * Log10(power);
}

double ForceIndicatorLeft(double force, double scale) {
    return scale == 8000 ? force / 129 + 7 : force / 64.5 + 7;
}

double ChartXForRpm(double rpm, bool rubberQvp) {
    return PowerIndicatorLeft(rpm * kRadPerSecPerRpm, rubberQvp) + kPowerMarkerWidth / 2;
}

double ChartYForKw(double kw, bool rubberQvp) {
    return PowerIndicatorTop(kw * 1000, rubberQvp) + kPowerMarkerHeight / 2;
}

double ChartXForForce(double force, double scale) {
    return ForceIndicatorLeft(force, scale) + kForceBarWidth / 2;
}

double ChartYForWidth(double mm) {
    return kForceBarTop + kForceBarHeight * (1 - mm / 100);
}

namespace {

// The marker of a power chart at power (W) and the driver's speed, or hidden
// outside the chart.
IndicatorPlacement PowerMarker(const DriveProject& p, double power) {
    IndicatorPlacement at;
    const double n = p.pulleySpeed[1];
    const bool rubberQvp = isRubberQvp(p);
    // TAVOREN QVP shows a width chart and never gets here.
    const double maxPower = rubberQvp ? 1000000 : 100000;
    if ((n >= 1 || power >= 100) && n <= 1050 && power <= maxPower) {
        at = {true, PowerIndicatorLeft(n, rubberQvp), PowerIndicatorTop(power, rubberQvp), kPowerMarkerWidth,
              kPowerMarkerHeight};
    }
    return at;
}

}  // namespace

double GuideServiceFactor(const DriveProject& p) {
    return static_cast<double>(p.loadFactor) + static_cast<double>(p.loadFactorSecond);
}

namespace {
std::string PowerText(const DriveProject& p, double watts) {
    std::string unit = CurrentLabel(p, kPower);
    std::erase(unit, '[');
    std::erase(unit, ']');
    return Format(ToDisplay(p, kPower, watts), "###0.00") + " " + unit;
}
}  // namespace

DesignPowerNote GuideDesignPower(const DriveProject& p) {
    DesignPowerNote note;
    const PitchGroup* g = FindPitchGroup(p.beltType);
    if (IsWidthChart(PitchChart(p)) || !(p.power > 0) || !(p.pulleySpeed[1] > 0)) return note;
    note.serviceFactor = GuideServiceFactor(p);
    note.designPower = note.serviceFactor * p.power;
    note.at = PowerMarker(p, note.designPower);
    note.line = "\u25CF power " + PowerText(p, p.power) + "  \u25CB design power " +
                PowerText(p, note.designPower) + " (service factor " + Format(note.serviceFactor, "###0.0") + ")";
    if (g) {
        const int forPower = GuidePitchForPower(p, p.power, g->rangeFirst, g->rangeLast);
        const int forDesign = GuidePitchForPower(p, note.designPower, g->rangeFirst, g->rangeLast);
        if (forDesign > forPower) {
            note.pitch = pitchText(*g, forDesign - g->rangeFirst);
            note.line += ": the design power points to " + note.pitch;
        }
    }
    return note;
}

IndicatorPlacement VisualizzaIndicatore(const DriveProject& p) {
    IndicatorPlacement at;
    const int chart = PitchChart(p);
    const double force = p.peripheralForce;
    if (!IsWidthChart(chart)) return PowerMarker(p, p.power);
    const double scale = ChartForceScale(chart);
    if (force > 0 && force <= scale)
        at = {true, ForceIndicatorLeft(force, scale), kForceBarTop, kForceBarWidth, kForceBarHeight};
    return at;
}

Step2Box Step2DataBox(int index) {
    switch (index) {
        case 0:
            return {kPower, "###0.00"};
        case 1:
            return {kAngularVelocity, "####0"};
        default:
            return {kForce, "###0.00"};
    }
}

double& Step2DataTarget(DriveProject& p, int index) {
    switch (index) {
        case 0:
            return p.power;
        case 1:
            return p.pulleySpeed[1];
        default:
            return p.peripheralForce;
    }
}

int Step2NextBox(int index) {
    return index == 0 ? 1 : index == 1 ? 0 : -1;
}

Step2Entry Step2DataEntered(DriveProject& p, int index) {
    Step2Entry out;
    if (index < 0 || index > 2) return out;
    // A new value invalidates the chosen pitch.
    p.beltName.clear();
    p.beltPitchCode.clear();
    out.focusNext = Step2NextBox(index);
    switch (index) {
        case 0:
            if (p.power != 0) out.title = ConsigliaOrvantoRubber(p);
            break;
        case 1:
            if (p.pulleySpeed[1] != 0) out.title = ConsigliaOrvantoRubber(p);
            break;
        default:
            if (p.peripheralForce != 0) out.title = ConsigliaSelkiraTavoren(p);
            break;
    }
    // A zero (typed, or a refused value) recommends nothing by itself; the
    // title must still follow the values that stand, never keep a pitch or
    // a recommendation of values that are gone.
    if (!out.title) out.title = Step2LayoutTitle(p);
    return out;
}

Step2Entry Step2DataEntry(DriveProject& p, Dialogs& d, int index, std::string_view text) {
    if (index < 0 || index > 2) return {};
    const Step2Box box = Step2DataBox(index);
    const NumericEntry e = AcceptNumericInput(p, d, text, Step2DataTarget(p, index), box.quantity, box.format);
    Step2Entry out;
    if (e.kept) {
        out.text = e.text;
        out.focusNext = index;
        return out;
    }
    if (e.unchanged)
        out.focusNext = Step2NextBox(index);
    else
        out = Step2DataEntered(p, index);
    out.text = e.text;
    return out;
}

}  // namespace belt
