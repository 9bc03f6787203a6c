#include "engine/details.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "units/units.h"

namespace belt {

std::string_view DetailStepName(DetailStep step) {
    switch (step) {
        case DetailStep::ApplicationData:
            return "Application data";
        case DetailStep::Geometry:
            return "Geometry";
        case DetailStep::StandardLength:
            return "Standard length";
        case DetailStep::TeethInMesh:
            return "Teeth in mesh";
        case DetailStep::Rating:
            return "Rating";
        case DetailStep::Width:
        case DetailStep::WidthChosen:
            return "Width";
        case DetailStep::BeltCode:
            return "Belt code";
        case DetailStep::Installation:
            return "Installation data";
    }
    return "";
}

void DesignDetails::begin(DetailStep step) {
    std::erase_if(entries_, [step](const DetailEntry& e) { return e.step >= step; });
    if (step <= DetailStep::WidthChosen) chart = RatingChart{};
    current_ = step;
}

std::vector<DetailEntry> DetailsInStepOrder(const std::vector<DetailEntry>& entries) {
    std::vector<DetailEntry> out = entries;
    std::stable_sort(out.begin(), out.end(),
                     [](const DetailEntry& a, const DetailEntry& b) { return a.step < b.step; });
    return out;
}

void DesignDetails::record(DetailEntry entry) {
    current_ = entry.step;
    entries_.push_back(std::move(entry));
}

void DesignDetails::clear() {
    entries_.clear();
    chart = RatingChart{};
    current_ = DetailStep::ApplicationData;
}

MsgAnswer RecordingDialogs::message(const std::string& text, const std::string& title, MsgIcon icon,
                                    MsgButtons buttons, MsgAnswer defaultButton) {
    // Warnings and refusals are part of the design's story; a question's
    // answer shows in what the design does next.
    if (buttons == MsgButtons::Ok) {
        DetailEntry e;
        e.step = sink_.current();
        e.what = title;
        e.message = true;
        e.result.text = text;
        e.result.isText = true;
        sink_.record(std::move(e));
    }
    return inner_.message(text, title, icon, buttons, defaultButton);
}

std::string RecordingDialogs::inputBox(const std::string& prompt, const std::string& title,
                                       const std::string& defaultText) {
    return inner_.inputBox(prompt, title, defaultText);
}

namespace {

// Up to six significant digits, no exponent for the sizes of a drive, no
// trailing zeros after the point.
std::string Number(double x) {
    if (!std::isfinite(x)) return "-";
    char buf[64];
    const double a = std::abs(x);
    if (a != 0 && (a >= 1e9 || a < 1e-4)) {
        std::snprintf(buf, sizeof buf, "%.5e", x);
        return buf;
    }
    const int digits = a == 0 ? 0 : static_cast<int>(std::floor(std::log10(a))) + 1;
    const int decimals = std::clamp(6 - digits, 0, 9);
    std::snprintf(buf, sizeof buf, "%.*f", decimals, x);
    std::string s = buf;
    if (s.find('.') != std::string::npos) {
        while (s.back() == '0') s.pop_back();
        if (s.back() == '.') s.pop_back();
    }
    if (s == "-0") s = "0";
    return s;
}

std::string UnitText(const DriveProject& p, const DetailUnit& u) {
    if (u.quantity >= kLength && u.quantity < kPlainNumber) {
        std::string label = CurrentLabel(p, u.quantity);
        // "[mm]" -> "mm"
        std::erase(label, '[');
        std::erase(label, ']');
        return label;
    }
    return std::string(u.label);
}

double Shown(const DriveProject& p, const DetailValue& v) {
    if (v.unit.quantity >= kLength && v.unit.quantity < kPlainNumber) return ToDisplay(p, v.unit.quantity, v.value);
    return v.value / v.unit.factor;
}

}  // namespace

std::string_view DetailSiUnit(const DetailUnit& unit) {
    static constexpr std::string_view kSi[] = {"m", "rad/s", "kg", "N", "W", "m/s", "m/s^2", "N m"};
    if (unit.quantity >= kLength && unit.quantity < kPlainNumber) return kSi[unit.quantity];
    return unit.si;
}

std::string FormatDetailValue(const DriveProject& p, const DetailValue& v) {
    std::string value = v.isText ? v.text : Number(Shown(p, v));
    if (!v.isText) {
        const std::string unit = UnitText(p, v.unit);
        if (!unit.empty()) value += unit == "\u00B0" ? unit : " " + unit;
    }
    return v.symbol.empty() ? value : v.symbol + " = " + value;
}

DetailText FormatDetail(const DriveProject& p, const DetailEntry& e) {
    DetailText t;
    t.step = std::string(DetailStepName(e.step));
    t.what = e.what;
    t.formula = e.formula;
    t.source = e.source;
    t.message = e.message;
    for (const DetailValue& v : e.inputs) t.inputs.push_back(FormatDetailValue(p, v));
    t.result = e.message ? e.result.text : FormatDetailValue(p, e.result);
    return t;
}

std::string DetailsAsText(const DriveProject& p, const std::vector<DetailEntry>& recorded) {
    const std::vector<DetailEntry> entries = DetailsInStepOrder(recorded);
    std::string out;
    bool first = true;
    DetailStep step = DetailStep::ApplicationData;
    for (const DetailEntry& e : entries) {
        if (first || DetailStepName(e.step) != DetailStepName(step)) {
            if (!first) out += "\n";
            out += std::string(DetailStepName(e.step)) + "\n";
            step = e.step;
            first = false;
        }
        const DetailText t = FormatDetail(p, e);
        if (t.message) {
            std::string text = t.result;
            std::replace(text.begin(), text.end(), '\r', ' ');
            out += "  ! " + (t.what.empty() ? std::string("Message") : t.what) + ": " + text + "\n";
            continue;
        }
        out += "  " + t.what + "\n";
        if (!t.formula.empty()) out += "    " + t.formula + "\n";
        if (!t.inputs.empty()) {
            std::string line;
            for (const std::string& in : t.inputs) line += (line.empty() ? "" : ", ") + in;
            out += "    with " + line + "\n";
        }
        if (!t.source.empty()) out += "    from " + t.source + "\n";
        out += "    gives " + t.result + "\n";
    }
    return out;
}

}  // namespace belt
