// The numeric entry and the number formats on arbitrary text: the first
// bytes choose the quantity, its unit, the pattern and whether negatives are
// allowed or only positive values (a factor); the rest is what the user
// typed. Afterwards:
// - the target holds a finite value within the entry limit, or what it held;
// - a factor holds a value above zero; a refusal that keeps the value keeps it;
// - the box never shows more than the pattern and 15 digits can give;
// - confirming the box's own text again changes nothing.
#include <string_view>

#include "fuzzsupport.h"
#include "platform/scripteddialogs.h"
#include "units/units.h"

namespace {

using namespace belt;

constexpr std::string_view kPatterns[] = {"###0.00", "###0.0", "####0", "##0", "000", "+###0.0", "0.000", "#e+"};

// The widest a number can be written: sign, 15 digits, the pattern's
// decimals, an exponent.
bool Plausible(const std::string& text, std::string_view pattern) {
    if (text.size() > pattern.size() + 24) return false;
    return text.find_first_not_of("0123456789.-+eE") == std::string::npos;
}

template <typename T>
void Enter(DriveProject& p, int quantity, std::string_view pattern, bool allowNegative, bool positiveOnly,
           const std::string& typed, double limit) {
    ScriptedDialogs d;
    T target = static_cast<T>(1.5);
    const T before = target;
    const NumericEntry e =
        AcceptNumericInput(p, d, typed, target, quantity, pattern, allowNegative, std::nullopt, positiveOnly);
    FUZZ_CHECK(std::isfinite(static_cast<double>(target)), "the entry stored a value that is not finite");
    // A Single may round the limit itself up by its last digit.
    FUZZ_CHECK(std::fabs(static_cast<double>(target)) <= limit * (1 + 1e-6) || target == before,
               "the entry stored a value beyond its limit");
    FUZZ_CHECK(allowNegative || target >= 0, "the entry stored a negative value");
    FUZZ_CHECK(!positiveOnly || target > 0, "a factor took a value that is not above zero");
    FUZZ_CHECK(!e.kept || target == before, "a refusal that keeps the value changed it");
    FUZZ_CHECK(e.stored == static_cast<double>(target), "the entry reports another value than it stored");
    FUZZ_CHECK(Plausible(e.text, pattern), "the box shows more than a number");

    // Enter again on the box as it now reads.
    T again = target;
    const NumericEntry e2 =
        AcceptNumericInput(p, d, e.text, again, quantity, pattern, allowNegative, std::nullopt, positiveOnly);
    FUZZ_CHECK(e2.text == e.text, "confirming the box's own text changes it");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::Bytes in(data, size);
    const int quantity = in.byte() % 9;
    const int unit = 1 + in.byte() % 7;
    const std::string_view pattern = kPatterns[in.byte() % (std::size(kPatterns) - 1)];
    const unsigned flags = in.byte();
    const bool allowNegative = flags & 1U;
    const bool positiveOnly = flags & 2U;
    const std::string typed = in.rest();

    const double v = Val(typed);
    FUZZ_CHECK(!std::isnan(v), "Val gave NaN");
    for (std::string_view pat : kPatterns) {
        const std::string shown = Format(v, pat);
        FUZZ_CHECK(Plausible(shown, pat), "Format wrote more than a number");
    }

    DriveProject p;
    InitUnitTables(p);
    ChooseUnit(p, quantity, unit);
    Enter<double>(p, quantity, pattern, allowNegative, positiveOnly, typed, EntryLimit(quantity));
    Enter<float>(p, quantity, pattern, allowNegative, positiveOnly, typed, EntryLimit(quantity));
    return 0;
}
