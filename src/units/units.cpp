#include "units/units.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace belt {

namespace {

struct UnitDef {
    int quantity;
    int unit;
    const char* label;
    double factor;  // internal units per displayed unit
};

// The Unit menu: label and factor of every unit, in menu order.
constexpr UnitDef kUnits[] = {
    {kLength, 1, "[mm]", 0.001},
    {kLength, 2, "[m]", 1},
    {kLength, 3, "[cm]", 0.01},
    {kLength, 4, "[in]", 0.0254},
    {kLength, 5, "[ft]", 0.3048},
    {kAngularVelocity, 1, "[rpm]", 6.283185308 / 60},
    {kAngularVelocity, 2, "[rad/s]", 1},
    {kMass, 1, "[kg]", 1},
    {kMass, 2, "[lb]", 0.4535924},
    {kForce, 1, "[N]", 1},
    {kForce, 2, "[kgf]", 9.80665},
    {kForce, 3, "[lbf]", 0.4535924 * 9.80665},
    {kPower, 1, "[kW]", 1000},
    {kPower, 2, "[W]", 1},
    {kPower, 3, "[kcal/h]", 1.163},
    {kPower, 4, "[kgf m/s]", 9.80665},
    {kPower, 5, "[lbf ft/s]", 1.355818},
    {kPower, 6, "[CV]", 735.4988},
    {kPower, 7, "[HP]", 745.6999},
    {kVelocity, 1, "[m/s]", 1},
    {kVelocity, 2, "[ft/s]", 0.3048},
    {kVelocity, 3, "[m/min]", 1.0 / 60},
    {kAcceleration, 1, "[m/s^2]", 1},
    {kAcceleration, 2, "[ft/s^2]", 0.3048},
    {kTorque, 1, "[N m]", 1},
    {kTorque, 2, "[kgf m]", 9.80665},
    {kTorque, 3, "[lbf ft]", 1.355818},
};

bool validQuantity(int q) { return q >= 0 && q < 8; }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Decimal digits of |value| rounded half away from zero to `decimals`
// places, taken from the value's 15-significant-digit decimal form (as the
// old runtime did), so 0.125 -> "13" at two places and 2.675 -> "268".
// Returns the integer part and the fraction digits.
void roundDecimal(double value, int decimals, std::string& intPart, std::string& fracPart) {
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    std::string s(buf, res.ptr);
    auto e = s.find('e');
    int exponent = std::stoi(s.substr(e + 1));
    std::string mant;
    for (char c : s.substr(0, e))
        if (c != '.') mant += c;  // 15 digits, value = 0.mant * 10^(exponent+1)
    // Place the digits: position of the decimal point after (exponent + 1) digits.
    int pointPos = exponent + 1;
    std::string digits;
    if (pointPos <= 0) {
        digits = std::string(static_cast<std::size_t>(-pointPos), '0') + mant;
        pointPos = 0;
    } else {
        digits = mant;
        if (static_cast<int>(digits.size()) < pointPos) digits.append(static_cast<std::size_t>(pointPos) - digits.size(), '0');
    }
    // digits with the point after pointPos characters; keep pointPos+decimals digits.
    int keep = pointPos + decimals;
    if (static_cast<int>(digits.size()) < keep + 1) digits.append(static_cast<std::size_t>(keep + 1) - digits.size(), '0');
    bool roundUp = digits[static_cast<std::size_t>(keep)] >= '5';
    std::string kept = digits.substr(0, static_cast<std::size_t>(keep));
    if (roundUp) {
        int i = keep - 1;
        for (; i >= 0; --i) {
            if (kept[static_cast<std::size_t>(i)] == '9') {
                kept[static_cast<std::size_t>(i)] = '0';
            } else {
                ++kept[static_cast<std::size_t>(i)];
                break;
            }
        }
        if (i < 0) {
            kept.insert(kept.begin(), '1');
            ++pointPos;
        }
    }
    intPart = kept.substr(0, static_cast<std::size_t>(pointPos));
    fracPart = kept.substr(static_cast<std::size_t>(pointPos));
    // Drop leading zeros of the integer part; the pattern decides how many to show.
    auto nz = intPart.find_first_not_of('0');
    intPart = nz == std::string::npos ? std::string() : intPart.substr(nz);
}

// "#e+" style: one mantissa digit per '#'/'0' before 'e', exponent with its sign.
std::string formatExponent(double value, std::string_view pattern) {
    auto e = pattern.find_first_of("eE");
    std::string_view mantPat = pattern.substr(0, e);
    auto dot = mantPat.find('.');
    int decimals = dot == std::string_view::npos ? 0 : static_cast<int>(mantPat.size() - dot - 1);
    std::string_view expPat = pattern.substr(e + 1);
    bool alwaysSign = !expPat.empty() && expPat[0] == '+';
    int expDigits = 0;
    for (char c : expPat)
        if (c == '0') ++expDigits;
    if (value == 0 || !std::isfinite(value)) {
        std::string m = "0";
        if (decimals > 0) m += "." + std::string(static_cast<std::size_t>(decimals), '0');
        return m + pattern[e] + (alwaysSign ? "+" : "") + std::string(static_cast<std::size_t>(std::max(expDigits, 1)), '0');
    }
    int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    double mant = std::fabs(value) / std::pow(10.0, exponent);
    std::string ip, fp;
    roundDecimal(mant, decimals, ip, fp);
    if (ip == "10") {
        ++exponent;
        roundDecimal(std::fabs(value) / std::pow(10.0, exponent), decimals, ip, fp);
    }
    if (ip.empty()) ip = "0";
    std::string out = value < 0 ? "-" : "";
    out += ip;
    if (decimals > 0) out += "." + fp;
    out += pattern[e];
    if (exponent < 0)
        out += '-';
    else if (alwaysSign)
        out += '+';
    std::string ed = std::to_string(std::abs(exponent));
    if (static_cast<int>(ed.size()) < expDigits) ed.insert(0, static_cast<std::size_t>(expDigits) - ed.size(), '0');
    return out + ed;
}

}  // namespace

void InitUnitTables(DriveProject& p) {
    for (auto& row : p.unitLabel) row.fill("");
    for (auto& row : p.unitFactor) row.fill(0);
    for (const auto& u : kUnits) p.unitLabel[static_cast<std::size_t>(u.quantity)][static_cast<std::size_t>(u.unit)] = u.label;
    for (const auto& u : kUnits) p.unitFactor[static_cast<std::size_t>(u.quantity)][static_cast<std::size_t>(u.unit)] = u.factor;
    for (int q = 0; q < 8; ++q) p.unitFactor[static_cast<std::size_t>(q)][0] = 1;
}

void ChooseUnit(DriveProject& p, int quantity, int unit) {
    if (!validQuantity(quantity) || unit < 1 || unit > kUnitCount[quantity]) return;
    p.unitFactor[static_cast<std::size_t>(quantity)][0] = unit;
}

int CurrentUnit(const DriveProject& p, int quantity) {
    if (!validQuantity(quantity)) return 0;
    int u = static_cast<int>(p.unitFactor[static_cast<std::size_t>(quantity)][0]);
    return (u >= 1 && u <= kUnitCount[quantity]) ? u : 1;
}

bool UnitChecked(const DriveProject& p, int quantity, int unit) { return CurrentUnit(p, quantity) == unit; }

double CurrentFactor(const DriveProject& p, int quantity) {
    if (!validQuantity(quantity)) return 1;
    double f = p.unitFactor[static_cast<std::size_t>(quantity)][static_cast<std::size_t>(CurrentUnit(p, quantity))];
    // Tables not filled yet (a bare project): behave as the internal unit.
    return f > 0 ? f : 1;
}

std::string CurrentLabel(const DriveProject& p, int quantity) {
    if (!validQuantity(quantity)) return "";
    return p.unitLabel[static_cast<std::size_t>(quantity)][static_cast<std::size_t>(CurrentUnit(p, quantity))];
}

double ToDisplay(const DriveProject& p, int quantity, double internal) { return internal / CurrentFactor(p, quantity); }

double ToInternal(const DriveProject& p, int quantity, double displayed) { return displayed * CurrentFactor(p, quantity); }

namespace {

template <typename T>
NumericEntry acceptImpl(const DriveProject& p, Dialogs& dialogs, std::string_view text, T& target, int quantity,
                        std::string_view format, bool allowNegative) {
    std::string cleaned(text);
    std::replace(cleaned.begin(), cleaned.end(), ',', '.');
    double factor = quantity == kPlainNumber ? 1.0 : CurrentFactor(p, quantity);
    double x = Val(cleaned);
    NumericEntry r;
    if (x >= 0 || allowNegative) {
        target = static_cast<T>(x * factor);
    } else {
        dialogs.message("Please, insert positive values.", "Warning", MsgIcon::Warning);
        target = 0;
        r.refused = true;
    }
    r.stored = static_cast<double>(target);
    r.text = Format(static_cast<double>(target) / factor, format);
    return r;
}

}  // namespace

NumericEntry AcceptNumericInput(const DriveProject& p, Dialogs& dialogs, std::string_view text, double& target,
                                int quantity, std::string_view format, bool allowNegative) {
    return acceptImpl(p, dialogs, text, target, quantity, format, allowNegative);
}

NumericEntry AcceptNumericInput(const DriveProject& p, Dialogs& dialogs, std::string_view text, float& target,
                                int quantity, std::string_view format, bool allowNegative) {
    return acceptImpl(p, dialogs, text, target, quantity, format, allowNegative);
}

std::string Format(double value, std::string_view pattern) {
    if (pattern.find_first_of("eE") != std::string_view::npos) return formatExponent(value, pattern);
    if (!std::isfinite(value)) value = 0;  // never print "nan" or "inf" into a report

    std::string prefix;
    std::string_view pat = pattern;
    while (!pat.empty() && pat[0] != '#' && pat[0] != '0' && pat[0] != '.') {
        prefix += pat[0];
        pat.remove_prefix(1);
    }
    auto dot = pat.find('.');
    std::string_view intPat = pat.substr(0, dot);
    std::string_view fracPat = dot == std::string_view::npos ? std::string_view() : pat.substr(dot + 1);
    int minInt = static_cast<int>(std::count(intPat.begin(), intPat.end(), '0'));
    int decimals = static_cast<int>(fracPat.size());

    std::string ip, fp;
    roundDecimal(value, decimals, ip, fp);
    if (static_cast<int>(ip.size()) < minInt) ip.insert(0, static_cast<std::size_t>(minInt) - ip.size(), '0');
    bool isZero = ip.find_first_not_of('0') == std::string::npos && fp.find_first_not_of('0') == std::string::npos;
    std::string out;
    if (value < 0 && !isZero) {
        // A literal leading "+" only ever marks positive values.
        out = "-";
        if (prefix == "+") prefix.clear();
    }
    out += prefix + ip;
    if (decimals > 0) out += "." + fp;
    return out;
}

double Val(std::string_view text) {
    std::string s;
    for (char c : text)
        if (!isBlank(c)) s += c;
    std::size_t i = 0;
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o')) {
        int base = (s[1] == 'H' || s[1] == 'h') ? 16 : 8;
        long long v = 0;
        auto r = std::from_chars(s.data() + 2, s.data() + s.size(), v, base);
        return r.ec == std::errc() ? static_cast<double>(v) : 0.0;
    }
    std::string num;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) num += s[i++];
    bool digits = false;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
        num += s[i++];
        digits = true;
    }
    if (i < s.size() && s[i] == '.') {
        num += s[i++];
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
            num += s[i++];
            digits = true;
        }
    }
    if (!digits) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        std::string ex = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ex += s[j++];
        bool expDigits = false;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
            ex += s[j++];
            expDigits = true;
        }
        if (expDigits) num += ex;
    }
    if (num[0] == '+') num.erase(0, 1);
    double v = 0;
    auto r = std::from_chars(num.data(), num.data() + num.size(), v);
    if (r.ec == std::errc::result_out_of_range) return num[0] == '-' ? -std::numeric_limits<double>::max()
                                                                     : std::numeric_limits<double>::max();
    return r.ec == std::errc() ? v : 0.0;
}

int CInt(double x) {
    if (std::isnan(x)) return 0;
    double r = std::nearbyint(x);  // default rounding mode: halves to even
    if (r >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (r <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}

double Int(double x) { return std::floor(x); }

}  // namespace belt
