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

// Format writes numbers from here on in exponent form: 15 digits is all the
// precision a Double holds.
constexpr double kLargestPlainNumber = 1e15;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// |value| as the old runtime saw it: its 15 significant decimal digits and
// the power of ten of the first one (value = d.dddddddddddddd * 10^exponent).
struct Decimal15 {
    std::string digits;
    int exponent = 0;
};

Decimal15 decimal15(double value) {
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    const std::string_view s(buf, static_cast<std::size_t>(res.ptr - buf));
    const auto e = s.find('e');
    Decimal15 d;
    for (char c : s.substr(0, e))
        if (c != '.') d.digits.push_back(c);
    std::from_chars(s.data() + e + 1 + (s[e + 1] == '+' ? 1 : 0), s.data() + s.size(), d.exponent);
    return d;
}

// Rounds the decimal digits `digits`, whose point stands after `pointPos`
// of them, half away from zero to `decimals` places. Returns the integer
// part without leading zeros (the pattern decides how many to show) and
// exactly `decimals` fraction digits.
void roundDigits(std::string digits, int pointPos, int decimals, std::string& intPart, std::string& fracPart) {
    if (pointPos <= 0) {
        digits.insert(0, static_cast<std::size_t>(-pointPos), '0');
        pointPos = 0;
    } else if (static_cast<int>(digits.size()) < pointPos) {
        digits.append(static_cast<std::size_t>(pointPos) - digits.size(), '0');
    }
    const auto keep = static_cast<std::size_t>(pointPos + decimals);
    if (digits.size() < keep + 1) digits.append(keep + 1 - digits.size(), '0');
    const bool roundUp = digits[keep] >= '5';
    digits.resize(keep);
    if (roundUp) {
        std::size_t i = keep;
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i > 0) {
            ++digits[i - 1];
        } else {
            digits.insert(digits.begin(), '1');
            ++pointPos;
        }
    }
    const auto point = static_cast<std::size_t>(pointPos);
    const auto nz = digits.find_first_not_of('0');
    intPart.assign(digits, nz == std::string::npos || nz >= point ? point : nz, point - std::min(nz, point));
    fracPart.assign(digits, point);
}

// Decimal digits of |value| rounded half away from zero to `decimals`
// places, taken from the value's 15-significant-digit decimal form (as the
// old runtime did), so 0.125 -> "13" at two places and 2.675 -> "268".
void roundDecimal(double value, int decimals, std::string& intPart, std::string& fracPart) {
    const Decimal15 d = decimal15(value);
    roundDigits(d.digits, d.exponent + 1, decimals, intPart, fracPart);
}

// "#e+" style: one mantissa digit per '#'/'0' before 'e', exponent with its
// sign. The mantissa comes from the decimal digits themselves, never from a
// division by a power of ten, which is 0 below 1e-308.
std::string formatExponent(double value, std::string_view pattern) {
    const auto e = pattern.find_first_of("eE");
    const std::string_view mantPat = pattern.substr(0, e);
    const auto dot = mantPat.find('.');
    const int decimals = dot == std::string_view::npos ? 0 : static_cast<int>(mantPat.size() - dot - 1);
    const std::string_view expPat = pattern.substr(e + 1);
    const bool alwaysSign = !expPat.empty() && expPat[0] == '+';
    const auto expDigits = static_cast<std::size_t>(std::count(expPat.begin(), expPat.end(), '0'));

    std::string ip = "0";
    std::string fp(static_cast<std::size_t>(decimals), '0');
    int exponent = 0;
    if (value != 0 && std::isfinite(value)) {
        const Decimal15 d = decimal15(value);
        exponent = d.exponent;
        roundDigits(d.digits, 1, decimals, ip, fp);
        if (ip.size() > 1) {  // 9.96 rounded to "10": one more power of ten
            ip.resize(1);
            ++exponent;
        }
    }
    std::string out;
    if (value < 0) out.push_back('-');
    out.append(ip);
    if (decimals > 0) out.append(1, '.').append(fp);
    out.push_back(pattern[e]);
    if (exponent < 0)
        out.push_back('-');
    else if (alwaysSign)
        out.push_back('+');
    const std::string ed = std::to_string(std::abs(exponent));
    if (ed.size() < std::max<std::size_t>(expDigits, 1)) out.append(std::max<std::size_t>(expDigits, 1) - ed.size(), '0');
    return out.append(ed);
}

// Whether a decimal number that does not fit a Double ("[-]digits[.digits][e[+-]digits]")
// is out of range because it is too large rather than too small: the power
// of ten of its first significant digit is positive.
bool beyondLargest(std::string_view num) {
    if (!num.empty() && num[0] == '-') num.remove_prefix(1);
    const auto e = num.find('e');
    const std::string_view mantissa = num.substr(0, e);
    long long power = 0;
    if (e != std::string_view::npos) {
        std::string_view ex = num.substr(e + 1);
        const bool negative = !ex.empty() && ex[0] == '-';
        if (!ex.empty() && (ex[0] == '-' || ex[0] == '+')) ex.remove_prefix(1);
        for (char c : ex) {
            power = std::min(power * 10 + (c - '0'), 1000000000LL);  // far beyond any Double
        }
        if (negative) power = -power;
    }
    const auto dot = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, dot);
    const auto firstWhole = whole.find_first_not_of('0');
    if (firstWhole != std::string_view::npos) return power + static_cast<long long>(whole.size() - firstWhole) > 0;
    const std::string_view fraction = dot == std::string_view::npos ? std::string_view() : mantissa.substr(dot + 1);
    const auto firstFraction = fraction.find_first_not_of('0');
    return firstFraction != std::string_view::npos && power - static_cast<long long>(firstFraction) > 0;
}

}  // namespace

void InitUnitTables(DriveProject& p) {
    p.unitLabel = {};
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

// The entry limits by quantity, internal units.
constexpr double kEntryLimits[9] = {
    100,                         // length: 100 m
    1e6 * 6.283185308 / 60,      // angular velocity: 10^6 rpm
    1e5,                         // mass: 100 t
    1e7,                         // force: 10 MN
    1e7,                         // power: 10 MW
    1000,                        // velocity
    1e4,                         // acceleration
    1e6,                         // torque
    100,                         // a factor or a ratio
};

template <typename T>
NumericEntry acceptImpl(const DriveProject& p, Dialogs& dialogs, std::string_view text, T& target,
                        int quantity, std::string_view format, bool allowNegative,
                        std::optional<double> limit, bool positiveOnly) {
    std::string cleaned(text);
    std::replace(cleaned.begin(), cleaned.end(), ',', '.');
    const double factor = quantity == kPlainNumber ? 1.0 : CurrentFactor(p, quantity);
    const bool blank = std::all_of(cleaned.begin(), cleaned.end(), isBlank);
    const std::optional<double> read = LeadingNumber(cleaned);
    const double x = read.value_or(0);
    const double most = limit.value_or(EntryLimit(quantity));
    NumericEntry r;
    if (std::string_view(text) == Format(static_cast<double>(target) / factor, format)) {
        r.unchanged = true;
        r.stored = static_cast<double>(target);
        r.text = std::string(text);
        return r;
    }
    const auto refuse = [&](const std::string& message) {
        dialogs.message(message, "Warning", MsgIcon::Warning);
        r.refused = true;
        r.kept = true;
    };
    if (!read && !blank) {
        refuse(std::string(kNotANumberText));
    } else if (positiveOnly && !(Val(Format(x, format)) > 0)) {
        // Shown as 0 in the box, a factor would be taken for 0 as well.
        refuse(std::string(kNotPositiveText));
    } else if (x < 0 && !allowNegative) {
        refuse(std::string(kNotPositiveText));
    } else if (const double value = x * factor;
               // The limit itself, typed in any unit, is taken despite the rounding of the factor.
               !(std::fabs(value) <= most * (1 + 1e-12)) || !std::isfinite(static_cast<T>(value))) {
        refuse(LimitMessage(p, quantity, most, allowNegative));
    } else {
        target = static_cast<T>(value);
    }
    r.stored = static_cast<double>(target);
    r.text = Format(static_cast<double>(target) / factor, format);
    return r;
}

}  // namespace

std::string LimitText(const DriveProject& p, int quantity, double limit) {
    // Rounded down, so that the number named is taken; the unit's factor
    // must not make 10^6 rpm read 999999.
    const double factor = quantity == kPlainNumber ? 1.0 : CurrentFactor(p, quantity);
    const std::string shown = Format(Int(limit / factor * (1 + 1e-12)), "####0");
    return quantity == kPlainNumber ? shown : shown + " " + CurrentLabel(p, quantity);
}

std::string LimitMessage(const DriveProject& p, int quantity, double limit, bool allowNegative) {
    const std::string shown = LimitText(p, quantity, limit);
    if (!allowNegative) return "Please, insert values up to " + shown + ".";
    const double factor = quantity == kPlainNumber ? 1.0 : CurrentFactor(p, quantity);
    return "Please, insert values between -" + LimitText(p, kPlainNumber, limit / factor) + " and " + shown + ".";
}

double EntryLimit(int quantity) {
    return quantity >= 0 && quantity <= kPlainNumber ? kEntryLimits[quantity] : kEntryLimits[kPlainNumber];
}

NumericEntry AcceptNumericInput(const DriveProject& p, Dialogs& dialogs, std::string_view text,
                                double& target, int quantity, std::string_view format, bool allowNegative,
                                std::optional<double> limit, bool positiveOnly) {
    return acceptImpl(p, dialogs, text, target, quantity, format, allowNegative, limit, positiveOnly);
}

NumericEntry AcceptNumericInput(const DriveProject& p, Dialogs& dialogs, std::string_view text, float& target,
                                int quantity, std::string_view format, bool allowNegative,
                                std::optional<double> limit, bool positiveOnly) {
    return acceptImpl(p, dialogs, text, target, quantity, format, allowNegative, limit, positiveOnly);
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

    if (std::fabs(value) >= kLargestPlainNumber) {
        // Beyond 15 digits the number has no more precision to show: the
        // pattern's decimals in exponent form ("1.0E+30") instead of a
        // thirty-digit number.
        std::string exponentPattern = "0";
        if (decimals > 0) exponentPattern.append(1, '.').append(static_cast<std::size_t>(decimals), '0');
        exponentPattern.append("E+00");
        return (value < 0 ? std::string() : prefix) + formatExponent(value, exponentPattern);
    }

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

std::optional<double> LeadingNumber(std::string_view text) {
    std::string s;
    for (char c : text)
        if (!isBlank(c)) s += c;
    std::size_t i = 0;
    if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o')) {
        int base = (s[1] == 'H' || s[1] == 'h') ? 16 : 8;
        long long v = 0;
        auto r = std::from_chars(s.data() + 2, s.data() + s.size(), v, base);
        if (r.ec != std::errc()) return std::nullopt;
        return static_cast<double>(v);
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
    if (!digits) return std::nullopt;
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
    if (r.ec == std::errc::result_out_of_range) {
        // Too small for a Double reads as 0, too large as the largest Double.
        if (!beyondLargest(num)) return 0.0;
        return num[0] == '-' ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
    }
    if (r.ec != std::errc()) return std::nullopt;
    return v;
}

double Val(std::string_view text) { return LeadingNumber(text).value_or(0.0); }

int CInt(double x) {
    if (std::isnan(x)) return 0;
    double r = std::nearbyint(x);  // default rounding mode: halves to even
    if (r >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (r <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return static_cast<int>(r);
}

double Int(double x) { return std::floor(x); }

}  // namespace belt
