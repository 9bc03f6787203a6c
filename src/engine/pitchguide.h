// Step 2, the belt pitch selection guide: which chart and pitch buttons a
// profile group shows, the recommendation read off the chart's boundary
// lines, where the operating-point indicator lands, and the pitch choice.
// Positions are in the STEP2 form's own 100 x 100 units.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/dialogs.h"
#include "project/driveproject.h"

namespace belt {

// One profile group of the guide.
struct PitchGroup {
    std::string_view beltType;
    int chart;                                 // Grafico index 0..8
    std::array<std::string_view, 4> captions;  // Scelta(0..count-1)
    int count;
    int rangeFirst;  // pitch index of Scelta(0)
    int rangeLast;   // last pitch index the recommendation considers
    bool note;       // NomeDato(3) "* Also available double sided" is shown
};

// The group of a beltType, or null: any other belt shows chart 0 without
// pitch buttons.
const PitchGroup* FindPitchGroup(std::string_view beltType);
// Every profile group of the guide, in catalogue order.
std::span<const PitchGroup> PitchGroups();
// The Scelta index whose caption names pitchCode in beltType's group, or -1.
int PitchButtonIndex(std::string_view beltType, std::string_view pitchCode);
// The chart shown for the project's beltType.
int PitchChart(const DriveProject& p);
// Width charts (force over belt width) are 3..6; the others plot power over speed.
inline bool IsWidthChart(int chart) {
    return chart >= 3 && chart <= 6;
}
// Full force scale of a width chart in N: 8000 for charts 4 and 6, else 4000.
double ChartForceScale(int chart);

// Form_Load of STEP2: fills guideLine and guideWidths.
void LoadPitchGuideTables(DriveProject& p);

// Layout step 6: pitchRangeFirst and pitchRangeLast of the project's group
// (left as they are for a belt without a group).
void SetPitchRange(DriveProject& p);

// Natural logarithm of x over that of 10.
double Log10(double x);

// What the screen writes into Titolo.
struct Step2Title {
    std::string caption;  // "\r" breaks lines
    int fontSize = 18;
};

// The power in W below which pitch k is enough at `rpm`, read off its
// boundary line guideLine(.., k) in log-log coordinates: 0 below the line's
// first speed, its last power from its last speed on.
double GuidePowerLimit(const DriveProject& p, int k, double rpm);
// The belt width in mm pitch k needs for force F in N, on its straight
// width line (not clamped).
double GuideRequiredWidth(const DriveProject& p, int k, double force);
// The smallest standard width of pitch k (15..30) that carries F, or 0 when
// none of its widths does.
double GuideSufficientWidth(const DriveProject& p, int k, double force);

// The pitch index (first..last) whose region of the power chart holds
// power (W) at the driver speed: the first whose limit exceeds it, the last
// of the range otherwise.
int GuidePitchForPower(const DriveProject& p, double power, int first, int last);

// Recommendation on a power chart: the first pitch whose limit at the driver
// speed exceeds the power; the last pitch of the range otherwise.
// Nothing for a belt without a pitch group.
std::optional<Step2Title> ConsigliaOrvantoRubber(const DriveProject& p);
// Recommendation on a width chart: every pitch with its smallest sufficient
// standard width. Nothing for a belt without a pitch group.
std::optional<Step2Title> ConsigliaSelkiraTavoren(const DriveProject& p);

// Titolo as the layout sets it: the chosen pitch, or the guide's title
// followed, while no pitch is chosen, by the recommendation for the data.
// Also sets the pitch range (SetPitchRange).
Step2Title Step2LayoutTitle(DriveProject& p);

// Scelta_Click(index): beltPitchCode := caption without "*", beltName :=
// beltFamily + " " + pitch code. Nothing for an index without a button.
std::optional<Step2Title> Scelta_Click(DriveProject& p, int index);

// The pitch button of the chosen pitch, -1 while none is chosen.
int ChosenPitchButton(const DriveProject& p);

// Indicatore: where it is placed, or hidden.
struct IndicatorPlacement {
    bool visible = false;
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};
// VisualizzaIndicatore for the project's chart and data.
IndicatorPlacement VisualizzaIndicatore(const DriveProject& p);

// The service factor the guide knows on step 2: the load factor and the
// factor of the operating conditions (the speed ratio's share follows from
// the pulleys on step 3).
double GuideServiceFactor(const DriveProject& p);

// What a power chart shows beside the power it recommends from: a hollow
// marker at the design power (service factor x power) and a line naming
// both, with the pitch the design power points to when that is a larger
// one. Nothing (line empty, marker hidden) on a width chart or without power
// and speed.
struct DesignPowerNote {
    IndicatorPlacement at;
    double serviceFactor = 0;
    double designPower = 0;  // W
    std::string pitch;       // "T5", or empty
    std::string line;
};
DesignPowerNote GuideDesignPower(const DriveProject& p);

// The mapping the indicator follows, as functions of the chart's own
// quantities, so the drawn axes agree with it. The operating point is the
// centre of the indicator: (left + width/2, top + height/2).
inline constexpr double kPowerMarkerWidth = 2;
inline constexpr double kPowerMarkerHeight = 3;
inline constexpr double kForceBarWidth = 0.4;
inline constexpr double kForceBarTop = 9;
inline constexpr double kForceBarHeight = 81;
// Indicator left for driver speed n (rad/s) and top for power P (W) on power
// charts; the "RUBBER QVP" chart 8 has its own scale.
double PowerIndicatorLeft(double n, bool rubberQvp);
double PowerIndicatorTop(double power, bool rubberQvp);
// Indicator left for force F (N) on a width chart of full scale S (N).
double ForceIndicatorLeft(double force, double scale);

// Form position of a chart value (the centre of the indicator): speed in rpm,
// power in kW, force in N, width in mm. The width axis spans the force bar:
// 0 mm at its foot, 100 mm at its top.
double ChartXForRpm(double rpm, bool rubberQvp);
double ChartYForKw(double kw, bool rubberQvp);
double ChartXForForce(double force, double scale);
double ChartYForWidth(double mm);

// The chart's place on the form.
inline constexpr double kChartLeft = 0;
inline constexpr double kChartTop = 5;
inline constexpr double kChartWidth = 73;
inline constexpr double kChartHeight = 94;

// Dato_KeyPress(index) with Enter: the typed text is taken into power (0),
// driver speed (1) or peripheral force (2); the chosen pitch is forgotten
// and, for a non-zero value, the recommendation follows; after a zero the
// title is the one the layout would show for the values that stand.
struct Step2Entry {
    std::string text;                 // the box's new text
    std::optional<Step2Title> title;  // new Titolo, when a recommendation ran
    int focusNext = -1;               // Dato index to focus, -1 = stay
};
Step2Entry Step2DataEntry(DriveProject& p, Dialogs& d, int index, std::string_view text);
// The same after the entry box has stored the value itself (text left empty).
Step2Entry Step2DataEntered(DriveProject& p, int index);
// The Dato index Enter in Dato(index) moves the focus to, -1 = stay; also
// where Enter on a value left as it was goes, which changes nothing.
int Step2NextBox(int index);
// Dato(i): the variable, its unit quantity and the pattern Enter rewrites it with.
struct Step2Box {
    int quantity;
    std::string_view format;
};
Step2Box Step2DataBox(int index);
double& Step2DataTarget(DriveProject& p, int index);

}  // namespace belt
