#include "batch/projectjson.h"

#include <charconv>
#include <cmath>
#include <numbers>
#include <string>

#include "catalogue/beltids.h"
#include "catalogue/belttraits.h"
#include "engine/beltspeed.h"
#include "catalogue/ribgrooves.h"
#include "engine/pulleydata.h"
#include "engine/report.h"
#include "engine/shaftloads.h"

namespace belt::batch {

using nlohmann::ordered_json;

namespace {

// Where ProjectToJson counts the numbers it met that are not finite.
thread_local int* tNonFinite = nullptr;

ordered_json NotFinite() {
    if (tNonFinite) ++*tNonFinite;
    return nullptr;
}

}  // namespace

ordered_json ToJson(double v) {
    if (!std::isfinite(v)) return NotFinite();
    return v;
}

ordered_json ToJson(float v) {
    if (!std::isfinite(v)) return NotFinite();
    // The shortest text that reads back as this Single, read as a Double:
    // a service factor of 1.6 stays 1.6.
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, v).ptr;
    double d = 0;
    std::from_chars(text, end, d);
    return d;
}

std::string JsonText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += '\n';
        } else {
            out += text[i];
        }
    }
    return out;
}

ordered_json WidthJson(std::string_view beltName, double width) {
    ordered_json j;
    const bool ribs = FindRibGroove(beltName) != nullptr;
    j["value"] = ToJson(width);
    j["unit"] = ribs ? "ribs" : "m";
    j["metres"] = ToJson(BeltWidthMetres(beltName, width));
    return j;
}

ordered_json PulleyJson(const PulleyFacts& f) {
    ordered_json j;
    j["number"] = f.number;
    j["role"] = f.role;
    j["teeth"] = f.teeth ? ordered_json(*f.teeth) : ordered_json();
    j["diameter"] = ToJson(f.diameter);
    j["speed"] = ToJson(f.speed);
    j["ratio"] = ToJson(f.ratio);
    j["arcOfContact"] = ToJson(f.arcOfContact);
    return j;
}

ordered_json WarningsJson(const std::vector<ProposalWarning>& warnings) {
    ordered_json out = ordered_json::array();
    for (const ProposalWarning& w : warnings) out.push_back({{"label", w.label}, {"text", JsonText(w.text)}});
    return out;
}

std::string Dump(const ordered_json& j) {
    return j.dump(1, ' ', false, ordered_json::error_handler_t::replace);
}

namespace {

// A length, or null where the program holds a marker instead of one.
ordered_json Metres(double v, double none) {
    return v == none ? ordered_json() : ToJson(v);
}

ordered_json PulleysJson(const DriveProject& p, bool calculated) {
    ordered_json out = ordered_json::array();
    const int count = p.pulleyCount >= 1 && p.pulleyCount <= 4 ? p.pulleyCount : 0;
    const bool toothed = IsToothedBelt(p);
    for (int k = 1; k <= count; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const bool idler = p.pulleyIsIdler[i] != 0;
        PulleyFacts f;
        f.number = k;
        f.role = k == 1 ? "driver" : idler ? "idler" : "driven";
        if (toothed && p.pulleyTeeth[i] > 0) f.teeth = p.pulleyTeeth[i];
        f.diameter = p.pulleyDiameter[i];
        f.speed = p.pulleySpeed[i];
        f.ratio = p.pulleyRatio[i];
        f.arcOfContact = p.pulleyArcOfContact[i];
        ordered_json j = PulleyJson(f);
        // A layout drawn before the calculation has its arcs already.
        if (!calculated && f.arcOfContact == 0) j["arcOfContact"] = nullptr;
        j["outsideDiameter"] = ToJson(p.pulleyOutsideDiameter[i]);
        j["flangeDiameter"] = ToJson(p.pulleyFlangeDiameter[i]);
        j["maxBore"] = Metres(p.pulleyMaxBore[i], -1);
        j["crownHeight"] = ToJson(p.pulleyCrownHeight[i]);
        j["beltSide"] = p.pulleyBeltSide[i] != 0 ? "inner" : "back";
        j["position"] = {{"x", ToJson(p.pulleyPosition[0][i])}, {"y", ToJson(p.pulleyPosition[1][i])}};
        out.push_back(std::move(j));
    }
    return out;
}

// The belt path of a layout of three or four pulleys: its number among the
// feasible paths (as paths numbers them) and its tangent choice per span.
ordered_json BeltPathJson(const DriveProject& p) {
    const auto& table = p.beltPathTable;
    if (p.pulleyCount < 3 || p.pulleyCount > 4 || table[0][0] <= 0) return nullptr;
    const int current = table[0][1];
    ordered_json j;
    j["path"] = current;
    j["paths"] = table[0][0];
    ordered_json tangents = ordered_json::array();
    if (current >= 1 && current <= table[0][0] && current < static_cast<int>(table.size()))
        for (int k = 1; k <= p.pulleyCount; ++k)
            tangents.push_back(table[static_cast<std::size_t>(current)][static_cast<std::size_t>(k)]);
    j["tangents"] = tangents;
    return j;
}

}  // namespace

namespace {

// Where calc's JSON holds the project variable a details entry names.
ordered_json FieldPointer(const DetailEntry& e) {
    if (e.field.empty()) return nullptr;
    const std::string pulley = "/pulleys/" + std::to_string(e.index - 1);
    if (e.field == "pulleyDiameter") return pulley + "/diameter";
    if (e.field == "pulleySpeed") return pulley + "/speed";
    if (e.field == "pulleyRatio") return pulley + "/ratio";
    if (e.field == "pulleyArcOfContact") return pulley + "/arcOfContact";
    if (e.field == "pulleyPositionX") return pulley + "/position/x";
    if (e.field == "pulleyPositionY") return pulley + "/position/y";
    if (e.field == "beltWidth" || e.field == "beltWidthCalculated") return "/" + e.field + "/value";
    if (e.field == "powerRatingWithWidth") return "/powerRating";
    return "/" + e.field;
}

// A value as the project holds it: the service factor is a Single.
ordered_json DetailNumber(const DetailEntry& e, double v) {
    return e.field == "serviceFactor" ? ToJson(static_cast<float>(v)) : ToJson(v);
}

}  // namespace

ordered_json DetailsJson(const std::vector<DetailEntry>& recorded) {
    ordered_json out = ordered_json::array();
    for (const DetailEntry& e : DetailsInStepOrder(recorded)) {
        ordered_json j;
        j["step"] = std::string(DetailStepName(e.step));
        if (e.message) {
            j["message"] = {{"title", JsonText(e.what)}, {"text", JsonText(e.result.text)}};
            out.push_back(std::move(j));
            continue;
        }
        j["what"] = e.what;
        j["formula"] = e.formula.empty() ? ordered_json() : ordered_json(e.formula);
        ordered_json inputs = ordered_json::array();
        for (const DetailValue& v : e.inputs)
            inputs.push_back({{"symbol", v.symbol}, {"value", ToJson(v.value)},
                              {"unit", std::string(DetailSiUnit(v.unit))}});
        j["inputs"] = std::move(inputs);
        j["source"] = e.source.empty() ? ordered_json() : ordered_json(e.source);
        j["symbol"] = e.result.symbol;
        if (e.result.isText) {
            j["value"] = e.result.text;
            j["unit"] = nullptr;
        } else {
            j["value"] = DetailNumber(e, e.result.value);
            j["unit"] = std::string(DetailSiUnit(e.result.unit));
        }
        j["field"] = FieldPointer(e);
        out.push_back(std::move(j));
    }
    return out;
}

bool DesignCalculated(const DriveProject& p) {
    return !p.beltCode.empty();
}

double DriverTorque(const DriveProject& p) {
    if (p.torque == 0 && p.peripheralForce != 0 && p.pulleyDiameter[1] != 0)
        return TorqueOnPulley(p.peripheralForce, p.pulleyDiameter[1]);
    return p.torque;
}

ordered_json ProjectToJson(const DriveProject& p, int* nonFinite) {
    struct Counting {
        explicit Counting(int* counter) { tNonFinite = counter; }
        ~Counting() { tNonFinite = nullptr; }
    } counting(nonFinite);
    ordered_json j;
    // A project saved before the calculation holds zeros where its results
    // go: a script must not read them as a belt of no length that fails.
    const bool calculated = DesignCalculated(p);
    auto result = [calculated](ordered_json value) { return calculated ? value : ordered_json(); };
    // Values that some modes take as input and others compute.
    auto inputOrResult = [calculated](double v) { return calculated || v != 0 ? ToJson(v) : ordered_json(); };
    // An open-end belt's own pull and loads; other belts have none.
    const bool openEnd = IsLinearDriveBelt(p);
#define BELT_FIELD(name) j[#name] = ToJson(p.name)
    // Belt selection.
    j["beltFamily"] = p.beltFamily;
    j["beltType"] = p.beltType;
    j["beltPitchCode"] = p.beltPitchCode;
    j["beltName"] = p.beltName;
    j["beltSuffixAvailable"] = p.beltSuffixAvailable;
    j["beltSideSuffix"] = p.beltSideSuffix;
    j["beltCode"] = result(p.beltCode);
    j["beltCodeDetail"] = result(p.beltCodeDetail);
    // Rib sections and flat types carry a pitch of 1 mm only so that their
    // lengths read as mm: they have none.
    j["beltPitch"] = IsToothedBelt(p) ? ToJson(p.beltPitch) : ordered_json();
    j["toothDimensions"] = ordered_json::array();
    for (float v : p.toothDimensions) j["toothDimensions"].push_back(ToJson(v));
    j["profileButtonIndex"] = p.profileButtonIndex;
    j["profileDrawingCode"] = p.profileDrawingCode;
    j["beltKindCode"] = p.beltKindCode;
    j["flatBeltIndex"] = p.flatBeltIndex;
    j["flatBeltInfoColumn"] = p.flatBeltInfoColumn;
    // Drive configuration and control.
    j["pulleyCount"] = p.pulleyCount;
    j["twoPulleyMode"] = p.twoPulleyMode;
    j["linearDriveType"] = p.linearDriveType;
    j["pitchRangeFirst"] = p.pitchRangeFirst;
    j["pitchRangeLast"] = p.pitchRangeLast;
    j["calcState"] = p.calcState;
    j["layoutNeedsAdjust"] = p.layoutNeedsAdjust;
    // Application data; the program holds the slope in degrees (and the
    // conversion is ours, so exact).
    j["slopeAngle"] = ToJson(p.slopeAngle * std::numbers::pi / 180);
    BELT_FIELD(carriageMass);
    BELT_FIELD(stroke);
    j["torque"] = ToJson(DriverTorque(p));
    BELT_FIELD(carriageLength);
    BELT_FIELD(acceleration);
    BELT_FIELD(beltSpeed);
    BELT_FIELD(frictionForce);
    BELT_FIELD(power);
    BELT_FIELD(peripheralForce);
    j["serviceFactor"] = result(ToJson(p.serviceFactor));
    BELT_FIELD(loadFactorSecond);
    BELT_FIELD(loadFactor);
    // Results.
    j["maxEffectivePull"] = openEnd ? result(ToJson(p.maxEffectivePull)) : ordered_json();
    j["centreDistance"] = inputOrResult(p.centreDistance);
    j["beltLength"] = inputOrResult(p.beltLength);
    j["lastStandardLength"] = Metres(p.lastStandardLength, kNoStandardLength);
    j["beltWidth"] = result(WidthJson(p.beltName, p.beltWidth));
    j["beltWidthCalculated"] = result(WidthJson(p.beltName, p.beltWidthCalculated));
    j["maxTractionLoad1"] = openEnd ? result(ToJson(p.maxTractionLoad1)) : ordered_json();
    j["maxTractionLoad2"] = openEnd ? result(ToJson(p.maxTractionLoad2)) : ordered_json();
    j["maxTractionLoad3"] = openEnd ? result(ToJson(p.maxTractionLoad3)) : ordered_json();
    BELT_FIELD(maxBeltWidth);
    // The catalogue's range of the belt, once a belt is chosen.
    j["maxBeltLength"] = p.maxBeltLength != 0 ? ToJson(p.maxBeltLength) : ordered_json();
    j["minBeltLength"] = p.maxBeltLength != 0 ? ToJson(p.minBeltLength) : ordered_json();
    j["powerRating"] = result(ToJson(p.powerRatingWithWidth));
    const std::optional<double> safety = NewSafetyFactor(p);
    j["safetyFactor"] = calculated && safety ? ToJson(*safety) : ordered_json();
    BELT_FIELD(minIdlerDiameterInside);
    BELT_FIELD(minIdlerDiameterOutside);
    // A multi-rib pulley has no face width.
    j["pulleyFaceWidth"] = IsMultiRibBelt(p) ? ordered_json() : result(ToJson(p.pulleyFaceWidth));
    j["teethInMesh"] = IsToothedBelt(p) ? result(p.teethInMesh) : ordered_json();
#undef BELT_FIELD
    j["pulleys"] = PulleysJson(p, calculated);
    j["beltPath"] = BeltPathJson(p);
    j["remarks"] = JsonText(p.screen.remarks);
    return j;
}

// The force on every shaft: one object per pulley, the static load with its
// direction and, for a two-pulley rotary drive, the running load.
nlohmann::ordered_json ShaftLoadsJson(const DriveProject& p) {
    nlohmann::ordered_json out = nlohmann::ordered_json::array();
    const ShaftLoads loads = ComputeShaftLoads(p);
    for (const StaticShaftLoad& s : loads.statics) {
        nlohmann::ordered_json j;
        j["pulley"] = s.pulley;
        nlohmann::ordered_json st;
        st["magnitude"] = ToJson(s.magnitude);
        st["angle"] = s.hasDirection ? ToJson(s.angle) : nlohmann::ordered_json();
        st["x"] = s.hasDirection ? ToJson(s.x) : nlohmann::ordered_json();
        st["y"] = s.hasDirection ? ToJson(s.y) : nlohmann::ordered_json();
        j["static"] = std::move(st);
        nlohmann::ordered_json running;
        if (loads.running && s.pulley <= 2) {
            const RunningShaftLoads& r = *loads.running;
            running["magnitude"] = ToJson(r.load[s.pulley]);
            running["tightSpanTension"] = ToJson(r.tightTension);
            running["slackSpanTension"] = ToJson(r.slackTension);
            running["slackSpanGoesSlack"] = r.slackSpanGoesSlack;
            running["slipMargin"] =
                r.slipMargin && r.slipPulley == s.pulley ? ToJson(*r.slipMargin) : nlohmann::ordered_json();
        }
        j["running"] = std::move(running);
        out.push_back(std::move(j));
    }
    return out;
}

}  // namespace belt::batch
