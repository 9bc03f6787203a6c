// Calculation details: what a design computed, step by step, with the rule in
// the program's symbols, the values it used, the catalogue rows it read and
// the result. The engine records an entry where it computes the value, into
// a sink that only a caller who asks for the details gives (through
// Dialogs::details()); without one nothing is built, so the proposals and
// the fuzz harnesses pay for a null check only. Values are kept in SI and
// shown in the user's units when they are written out.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/dialogs.h"
#include "project/driveproject.h"
#include "units/units.h"

namespace belt {

// The steps of a design, in the order a design goes through them.
enum class DetailStep {
    ApplicationData,
    Geometry,
    StandardLength,
    TeethInMesh,
    Rating,
    Width,        // the width the design needs and the one proposed
    WidthChosen,  // the width kept and what follows from it (shown under "Width" too)
    BeltCode,
    Installation,
};

// "Application data", "Geometry", ...
std::string_view DetailStepName(DetailStep step);

// How a value is shown: in the unit chosen for a quantity of the unit menu
// (kLength ... kTorque), or, for kPlainNumber, in a unit of its own: the
// value divided by factor, followed by label.
struct DetailUnit {
    int quantity = kPlainNumber;
    std::string_view label = {};
    double factor = 1;
    std::string_view si = {};  // the unit the value is kept in, for the JSON
    constexpr DetailUnit() = default;
    // A quantity of the unit menu (kLength, kForce, ...): shown in the user's unit.
    constexpr DetailUnit(Quantity q) : quantity(q) {}  // NOLINT(google-explicit-constructor)
    constexpr DetailUnit(std::string_view ownLabel, double ownFactor, std::string_view siLabel = {})
        : quantity(kPlainNumber), label(ownLabel), factor(ownFactor), si(siLabel.empty() ? ownLabel : siLabel) {}
    friend bool operator==(const DetailUnit&, const DetailUnit&) = default;
};

// The unit a detail value is kept in: "m", "rad/s", "N", ..., "rad" for
// angles, "" for a plain number.
std::string_view DetailSiUnit(const DetailUnit& unit);

// Units of their own; the quantities of the unit menu convert implicitly.
namespace detail_units {
inline constexpr DetailUnit kNone{};
inline constexpr DetailUnit kDegrees{"\u00B0", 3.141592654 / 180, "rad"};
inline constexpr DetailUnit kRibs{"ribs", 1};
inline constexpr DetailUnit kTeeth{"teeth", 1};
inline constexpr DetailUnit kMillimetres{"mm", 0.001, "m"};
inline constexpr DetailUnit kMetres{"m", 1};  // lengths of rules written for metres  // lengths the catalogue gives in mm only
// Specific tooth load: N per m of width per tooth in mesh, shown per cm as
// the catalogue gives it.
inline constexpr DetailUnit kNewtonPerCm{"N/cm", 100, "N/m"};
inline constexpr DetailUnit kWattPerRib{"W/rib", 1};
inline constexpr DetailUnit kWattPerCm{"W/cm", 100, "W/m"};  // flat belts: W per m of width, shown per cm
inline constexpr DetailUnit kDegreeSlope{"\u00B0", 1};  // the slope is kept in degrees
// Pulley speeds in the rules that are written for revolutions per minute.
inline constexpr DetailUnit kRpm{"rpm", 6.283185308 / 60, "rad/s"};
}  // namespace detail_units

struct DetailValue {
    std::string symbol;  // "d1", "n", "P"; may be empty for a plain result
    double value = 0;    // SI (angles in rad)
    DetailUnit unit;
    std::string text;  // a value that is a text (a belt code): shown instead of the number
    bool isText = false;
};

struct DetailEntry {
    DetailStep step = DetailStep::ApplicationData;
    std::string what;     // "Belt length of the open drive"
    std::string formula;  // "L = 2 C cos b + ..."; empty for a value taken as it is
    std::vector<DetailValue> inputs;
    std::string source;  // the catalogue table and rows, or empty
    DetailValue result;
    // The project variable that holds the result ("beltWidth", with index 2
    // for pulleyArcOfContact(2)); empty when the result is not stored.
    std::string field;
    int index = -1;
    // A message the design showed (a warning, a refusal): result.text holds
    // its text, what its title.
    bool message = false;

    DetailEntry& in(std::string symbol, double value, DetailUnit unit) {
        inputs.push_back({std::move(symbol), value, unit, {}, false});
        return *this;
    }
    DetailEntry& from(std::string catalogueSource) {
        source = std::move(catalogueSource);
        return *this;
    }
    DetailEntry& is(std::string symbol, double value, DetailUnit unit) {
        result = {std::move(symbol), value, unit, {}, false};
        return *this;
    }
    DetailEntry& isText(std::string symbol, std::string text) {
        result = {std::move(symbol), 0, {}, std::move(text), true};
        return *this;
    }
    DetailEntry& stores(std::string name, int i = -1) {
        field = std::move(name);
        index = i;
        return *this;
    }
};

// Where the entries go. begin() starts a step: the entries of that step and
// of every later one are dropped, so that a step computed again (another
// pass over the layout, a width changed on the results page) replaces what
// it recorded before.
struct RatingChart;
class DetailSink {
public:
    virtual ~DetailSink() = default;
    virtual void begin(DetailStep step) = 0;
    virtual void record(DetailEntry entry) = 0;
    virtual DetailStep current() const = 0;
    // The rating chart of the width chosen (recorded with the width).
    virtual void recordChart(RatingChart chart) = 0;
};

// Samples of the chosen belt's rating against speed, for the rating chart:
// the rating with the chosen width over the catalogue's speed range, the
// operating point and the power the service factor asks for.
struct RatingChart {
    bool present = false;
    bool speedIsRpm = true;  // x: rpm of the smallest pulley (timing belts) or belt speed m/s
    std::vector<std::pair<double, double>> curve;  // (x in rad/s or m/s, rating in W)
    double operatingSpeed = 0;                     // rad/s or m/s
    double power = 0;                              // W transmitted
    double servicePower = 0;                       // W, service factor x power
    double rating = 0;                             // W, the rating the width gives at the operating speed
};

// The details of one design: every entry in order, and the rating chart.
class DesignDetails : public DetailSink {
public:
    void begin(DetailStep step) override;
    void record(DetailEntry entry) override;
    DetailStep current() const override { return current_; }
    void recordChart(RatingChart c) override { chart = std::move(c); }
    void clear();

    const std::vector<DetailEntry>& entries() const { return entries_; }
    RatingChart chart;

private:
    std::vector<DetailEntry> entries_;
    DetailStep current_ = DetailStep::ApplicationData;
};

// Records an entry when the caller asked for details: make() builds it only then.
template <class Make>
void Record(Dialogs& d, DetailStep step, Make&& make) {
    if (DetailSink* sink = d.details()) {
        DetailEntry e = make();
        e.step = step;
        sink->record(std::move(e));
    }
}
template <class Make>
void Record(DetailSink* sink, DetailStep step, Make&& make) {
    if (sink) {
        DetailEntry e = make();
        e.step = step;
        sink->record(std::move(e));
    }
}
inline void BeginDetails(Dialogs& d, DetailStep step) {
    if (DetailSink* sink = d.details()) sink->begin(step);
}

// The entries in the order of the steps (an entry recorded later for an
// earlier step, such as the service factor found while sizing, joins its
// step), each step in the order of recording.
std::vector<DetailEntry> DetailsInStepOrder(const std::vector<DetailEntry>& entries);

// A Dialogs that passes everything on to another and keeps the details of
// what the design computes in sink, the messages it shows included.
class RecordingDialogs : public Dialogs {
public:
    RecordingDialogs(Dialogs& inner, DetailSink& sink) : inner_(inner), sink_(sink) {}
    MsgAnswer message(const std::string& text, const std::string& title, MsgIcon icon,
                      MsgButtons buttons = MsgButtons::Ok, MsgAnswer defaultButton = MsgAnswer::Ok) override;
    std::string inputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    void setBusy(bool busy) override { inner_.setBusy(busy); }
    DetailSink* details() override { return &sink_; }

private:
    Dialogs& inner_;
    DetailSink& sink_;
};

// One entry written out in the current units of p: numbers with up to six
// significant digits, "symbol = value unit".
struct DetailText {
    std::string step;
    std::string what;
    std::string formula;
    std::vector<std::string> inputs;  // "d1 = 63.6620 mm"
    std::string source;
    std::string result;  // "L = 900.000 mm", or the message's text
    bool message = false;
};
std::string FormatDetailValue(const DriveProject& p, const DetailValue& v);
DetailText FormatDetail(const DriveProject& p, const DetailEntry& e);
// The whole list as plain text, a step heading before each step's entries.
std::string DetailsAsText(const DriveProject& p, const std::vector<DetailEntry>& entries);

}  // namespace belt
