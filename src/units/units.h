// Units of measure: the factor and label tables, conversion between the
// internal units and the units the user chose, and the numeric entry rule.
#pragma once

#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "platform/dialogs.h"
#include "project/driveproject.h"

namespace belt {

// First index of unitFactor / unitLabel. kPlainNumber (8) is a value without unit.
enum Quantity : int {
    kLength = 0,
    kAngularVelocity = 1,
    kMass = 2,
    kForce = 3,
    kPower = 4,
    kVelocity = 5,
    kAcceleration = 6,
    kTorque = 7,
    kPlainNumber = 8,
};

// Number of units offered for each quantity 0..7.
constexpr int kUnitCount[8] = {5, 2, 2, 3, 7, 3, 2, 3};

// Fills unitLabel and unitFactor and sets every current choice to 1, as the
// main window does once at start-up.
void InitUnitTables(DriveProject& p);

// Chooses unit u (1..kUnitCount[q]) for quantity q; out-of-range choices are ignored.
void ChooseUnit(DriveProject& p, int quantity, int unit);
// The current choice for quantity q (1..n).
int CurrentUnit(const DriveProject& p, int quantity);
// Whether the Unit menu item (q, u) carries the check mark.
bool UnitChecked(const DriveProject& p, int quantity, int unit);

// Internal units per displayed unit for the current choice; 1 for kPlainNumber.
double CurrentFactor(const DriveProject& p, int quantity);
// Label of the current choice, brackets included ("[mm]"); "" for kPlainNumber.
std::string CurrentLabel(const DriveProject& p, int quantity);
double ToDisplay(const DriveProject& p, int quantity, double internal);
double ToInternal(const DriveProject& p, int quantity, double displayed);

// The largest value, in internal units, an entry box takes for quantity q:
// far beyond any belt drive (100 m, 10^6 rpm, 100 t, 10 MN, 10 MW, 1000 m/s,
// 10^4 m/s^2, 10^6 N m; 100 for a factor or a ratio), so that only a slip of
// the keyboard reaches it.
double EntryLimit(int quantity);
// A limit as the messages name it, in the current unit: "100000 [mm]".
std::string LimitText(const DriveProject& p, int quantity, double limit);
// The refusal of a value beyond limit: "Please, insert values up to 100000
// [mm]." ("between -... and ..." where negatives are allowed).
std::string LimitMessage(const DriveProject& p, int quantity, double limit, bool allowNegative = false);
// A box whose value has a rule of its own about its range (the slope).
inline constexpr double kNoEntryLimit = std::numeric_limits<double>::max();
// Teeth of one pulley.
inline constexpr double kTeethEntryLimit = 10000;

// The result of confirming an entry box with Enter.
struct NumericEntry {
    double stored = 0;   // the value written into the target, internal units
    std::string text;    // the box's new text
    bool refused = false;
    bool kept = false;   // refused, and the target holds what it held before
    // The text is what the box shows for the target's value: nothing was
    // typed, or exactly what is shown. The target keeps its full precision.
    bool unchanged = false;
};

// The refusals of the entry rule, title "Warning".
inline constexpr std::string_view kNotPositiveText = "Please, insert positive values.";
inline constexpr std::string_view kNotANumberText = "Please, insert a number.";

// The one rule for every numeric entry box: "," reads as ".", the leading
// number counts, and the box is rewritten from the stored value. A text
// that reads exactly as the target's value is shown in `format` stores
// nothing (`unchanged`): Enter on a box showing "5.44" keeps the 5.4397 behind
// it. Refused (title "Warning", warning icon), the target keeping its
// previous value:
// - text that does not start with a number ("abc"; a blank box reads as 0):
//   "Please, insert a number.";
// - a value beyond `limit` (EntryLimit(quantity) when not given), or one the
//   target cannot hold: "Please, insert values up to 100000 [mm]." (the
//   limit in the current unit; "between -... and ..." where negatives are
//   allowed);
// - where only positive values make sense (`positiveOnly`: a factor), a
//   value that is not above zero in the box's format: "Please, insert
//   positive values.";
// - a negative value, unless negatives are allowed (the layout
//   coordinates): "Please, insert positive values.".
NumericEntry AcceptNumericInput(const DriveProject& p, Dialogs& dialogs, std::string_view text,
                                double& target, int quantity, std::string_view format,
                                bool allowNegative = false, std::optional<double> limit = std::nullopt,
                                bool positiveOnly = false);
NumericEntry AcceptNumericInput(const DriveProject& p, Dialogs& dialogs, std::string_view text,
                                float& target, int quantity, std::string_view format,
                                bool allowNegative = false, std::optional<double> limit = std::nullopt,
                                bool positiveOnly = false);

// The old runtime's number helpers, as the program's texts depend on them.
//
// Format(value, pattern): patterns "###0.00", "###0.0", "####0", "##0", "000",
// "0.000" and friends, with an optional literal leading "+"; "#e+" style
// exponent patterns for chart ticks. Rounds half away from zero on the
// decimal value (Format(2.5, "####0") = "3", Format(0.125, "###0.00") = "0.13").
// Numbers of 10^15 and more, which have no digits left to show, take the
// exponent form with the pattern's decimals (Format(1e30, "###0.0") = "1.0E+30");
// a value that is not finite prints as 0.
std::string Format(double value, std::string_view pattern);
// Val(text): blanks ignored, the leading number ("." decimal point, optional
// sign, exponent), 0 when there is none. A number too large for a Double
// reads as the largest Double (with its sign), one too small as 0.
double Val(std::string_view text);
// The leading number as Val reads it, or nothing when the text has none.
std::optional<double> LeadingNumber(std::string_view text);
// CInt: to the nearest whole number, halves to even.
int CInt(double x);
// Int: the whole part toward minus infinity.
double Int(double x);

}  // namespace belt
