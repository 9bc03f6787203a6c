#include "engine/pulleydata.h"

#include <algorithm>
#include <cmath>

#include "catalogue/beltids.h"
#include "catalogue/calculationtables.h"
#include "catalogue/pulleytables.h"
#include "engine/beltspeed.h"
#include "engine/carriage.h"
#include "engine/checks.h"
#include "engine/navigation.h"
#include "units/units.h"

namespace belt {

namespace {

constexpr const char* kWarningTitle = "Warning !!!";
constexpr const char* kChangeQuestion = "Do I change to this value ?";

// An entry that resizes pulley 1 or 2 of an open-end drive moves pulley 2 so
// that the carriage keeps the stroke asked on step 1.
class KeepStroke {
public:
    explicit KeepStroke(DriveProject& p) : p_(p), d1_(p.pulleyDiameter[1]), d2_(p.pulleyDiameter[2]) {}
    ~KeepStroke() {
        if (p_.pulleyDiameter[1] != d1_ || p_.pulleyDiameter[2] != d2_) FollowStroke(p_);
    }
    KeepStroke(const KeepStroke&) = delete;
    KeepStroke& operator=(const KeepStroke&) = delete;

private:
    DriveProject& p_;
    double d1_;
    double d2_;
};

int PulleyCountOf(const DriveProject& p) {
    return std::clamp(p.pulleyCount, 0, 4);
}
bool IsIdler(const DriveProject& p, int k) {
    return p.pulleyIsIdler[k] != 0;
}

// Every derived value goes through here: a product or quotient of absurd
// entries that overflows must not leave an infinity or a NaN in the drive.
double Finite(double x) {
    return std::isfinite(x) ? x : 0.0;
}
double Quotient(double num, double den) {
    return den != 0 ? Finite(num / den) : 0.0;
}
// The force that carries the power at the belt speed; none without a speed.
double ForceFor(double power, double beltSpeed) {
    return beltSpeed != 0 ? Finite(PeripheralForce(power, beltSpeed)) : 0.0;
}

std::string InUnit(const DriveProject& p, int quantity, double value, std::string_view pattern) {
    return Format(ToDisplay(p, quantity, value), pattern) + " " + CurrentLabel(p, quantity);
}

bool Ask(Dialogs& d, const std::string& text) {
    return d.message(text, kWarningTitle, MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::No) ==
           MsgAnswer::Yes;
}

// Smallest pitch diameter of the multi-rib sections that have one (m).
std::optional<double> MultiRibMinimumDiameter(const std::string& beltName) {
    if (beltName == "QUINDEL ZB2") return 0.015;
    if (beltName == "QUINDEL J") return 0.020;
    if (beltName == "QUINDEL H") return 0.013;
    return std::nullopt;
}

NumericEntry Accept(DriveProject& p, Dialogs& d, std::string_view text, double& target, int quantity,
                    std::string_view format, std::optional<double> limit = std::nullopt) {
    return AcceptNumericInput(p, d, text, target, quantity, format, false, limit);
}

// An entry refused with the value kept changes nothing: the box shows the
// value again and keeps the focus for another try.
Step3Response Refused(const NumericEntry& e, Step3Box box, int index) {
    return {e.text, {box, index}, false};
}

// The first enabled box of the pulleys after k; after the last pulley the
// centre distance or belt length of a two-pulley drive, else the power.
Step3Focus NextPulleyFocus(const DriveProject& p, int k) {
    for (int j = k + 1; j <= PulleyCountOf(p); ++j)
        for (Step3Box b : {Step3Box::InputN, Step3Box::InputZ, Step3Box::InputD})
            if (Step3BoxVisible(p, b, j) && Step3BoxEnabled(p, b, j)) return {b, j};
    if (p.pulleyCount == 2 && p.twoPulleyMode == 1) return {Step3Box::Dato, 8};
    if (p.pulleyCount == 2 && p.twoPulleyMode == 2) return {Step3Box::Dato, 9};
    return {Step3Box::Dato, 5};
}

// Inside an entry, a teeth number the pulley table refuses abandons the
// whole entry once the user has been told: ModificaZ throws this, and
// RunEntry puts the drive back as it was before the Enter.
struct TeethRefused {};
thread_local int entriesRunning = 0;

// The text ShowPulleyData gives a box.
std::string BoxText(const DriveProject& p, Step3Box box, int index) {
    const PulleyDataTexts t = ShowPulleyData(p);
    const auto i = static_cast<std::size_t>(std::clamp(index, 0, 9));
    const auto k = std::min<std::size_t>(i, 4);
    switch (box) {
        case Step3Box::InputN: return t.inputn[k];
        case Step3Box::InputZ: return t.inputz[k];
        case Step3Box::InputD:
            return t.inputd[k].value_or(Format(ToDisplay(p, kLength, p.pulleyDiameter[k]), "###0.00"));
        case Step3Box::InputI: return t.inputi[k];
        case Step3Box::Dato: return t.dato[i];
    }
    return {};
}

// One Enter on step 3. A refusal anywhere in what it sets off leaves every
// value of the drive as it was, and the focus in the box for another try.
template <typename Entry>
Step3Response RunEntry(DriveProject& p, Step3Box box, int index, Entry&& entry) {
    const DriveProject before = p;
    ++entriesRunning;
    try {
        Step3Response r = entry();
        --entriesRunning;
        return r;
    } catch (const TeethRefused&) {
        --entriesRunning;
        p = before;
        return {BoxText(p, box, index), {box, index}, true};
    }
}

// Enter on the text the value already shows: nothing to store or follow.
Step3Response Unchanged(const DriveProject& p, Step3Box box, int index, std::string_view text) {
    return {std::string(text), Step3FocusAfter(p, box, index), false};
}

void SpeedFromPulley(DriveProject& p, int k) {
    p.rules.speed = ValueRule::SpeedFromPulley;
    p.rules.speedPulley = k;
}
bool GaveBeltSpeed(const DriveProject& p, int k) {
    return p.rules.speed == ValueRule::SpeedFromPulley && p.rules.speedPulley == k;
}
// A new diameter for the pulley whose speed gave the belt speed keeps the
// belt speed: from now on the pulley's speed follows from it.
void DiameterChanged(DriveProject& p, int k) {
    if (GaveBeltSpeed(p, k) && p.beltSpeed != 0) p.rules.speed = ValueRule::Given;
}
// The force now follows from the power and the speed: a speed that came
// from the force is kept as it is.
void ForceFromPower(DriveProject& p) {
    p.peripheralForce = ForceFor(p.power, p.beltSpeed);
    p.rules.force = ValueRule::ForceFromPower;
    if (p.rules.speed == ValueRule::SpeedFromPowerForce) p.rules.speed = ValueRule::Given;
}

void ClearPulley(DriveProject& p, int k) {
    DiameterChanged(p, k);
    p.rules.pulleySpeed[k] = ValueRule::Given;
    p.pulleySpeed[k] = 0;
    p.pulleyRatio[k] = 0;
    p.pulleyTeeth[k] = 0;
    p.pulleyDiameter[k] = 0;
}

bool ValidPulley(int k) {
    return k >= 1 && k <= 4;
}

}  // namespace

bool Step3BoxVisible(const DriveProject& p, Step3Box box, int index) {
    if (box == Step3Box::Dato) return index >= 5 && index <= 9 && Step3PanelVisible(p, index);
    if (!ValidPulley(index) || index > PulleyCountOf(p)) return false;
    return box != Step3Box::InputZ || IsToothedBelt(p);
}

bool Step3BoxEnabled(const DriveProject& p, Step3Box box, int index) {
    if (box == Step3Box::Dato) return index >= 5 && index <= 9;
    if (!ValidPulley(index)) return false;
    return box == Step3Box::InputD || !IsIdler(p, index);
}

bool Step3PanelVisible(const DriveProject& p, int panel) {
    if (panel >= 0 && panel <= 4) return panel <= PulleyCountOf(p);
    if (panel >= 5 && panel <= 7) return true;
    if (panel == 8) return p.twoPulleyMode == 1;
    if (panel == 9) return p.twoPulleyMode == 2;
    return false;
}

void ModificaZ(DriveProject& p, Dialogs& d, int k) {
    if (!ValidPulley(k)) return;
    const TeethLookup r = LookupPulleyTeeth(p, k);
    if (r == TeethLookup::kAccepted) {
        ModificaI(p, d, k);
        return;
    }
    d.message("Requested teeth number for " + GetPulleyLabel(p, k) + " is too " +
                  (r == TeethLookup::kTooSmall ? "small" : "large") + " !" + "\r" + "Change n or belt speed.",
              kWarningTitle, MsgIcon::Error);
    if (entriesRunning > 0) throw TeethRefused{};
    ClearPulley(p, k);
}

void ModificaD(DriveProject& p, Dialogs& d, int k) {
    if (!ValidPulley(k) || p.pulleyDiameter[k] == 0) return;
    if (IsToothedBelt(p) && !IsIdler(p, k)) {
        p.pulleyTeeth[k] = TeethForDiameter(p, p.pulleyDiameter[k]);
        ModificaZ(p, d, k);
    }
    ModificaI(p, d, k);
}

void ModificaI(DriveProject& p, Dialogs& d, int k) {
    if (!ValidPulley(k)) return;
    if (p.beltSpeed == 0) {
        p.beltSpeed = Finite(BeltSpeed(p.pulleySpeed[k], p.pulleyDiameter[k]));
        SpeedFromPulley(p, k);
        if (p.beltSpeed != 0) ModificaV(p, d);
    }
    if (p.power != 0 && p.rules.power == ValueRule::PowerFromForceSpeed) {
        // The power came from the force given: the force stays, the power
        // follows the speed.
        p.power = Finite(p.beltSpeed * p.peripheralForce);
    } else if (p.power != 0) {
        // A speed derived from the force and the power already carries
        // that force: deriving the force back from it would go in a circle.
        if (p.rules.speed != ValueRule::SpeedFromPowerForce) ForceFromPower(p);
    } else {
        p.power = Finite(p.beltSpeed * p.peripheralForce);
        p.rules.power = ValueRule::PowerFromForceSpeed;
    }

    for (int j = 1; j <= PulleyCountOf(p); ++j) {
        if (IsIdler(p, j)) continue;
        if (p.pulleyDiameter[j] != 0) {
            p.pulleySpeed[j] = Quotient(2 * p.beltSpeed, p.pulleyDiameter[j]);
            // The pulley that gave the belt speed keeps its own rule: its
            // speed and diameter still give that belt speed.
            if (!GaveBeltSpeed(p, j)) p.rules.pulleySpeed[j] = ValueRule::PulleyFromBeltSpeed;
        }
        if (p.pulleyDiameter[j] == 0 && p.pulleySpeed[j] != 0) {
            p.pulleyDiameter[j] = Quotient(2 * p.beltSpeed, p.pulleySpeed[j]);
            ModificaD(p, d, j);
        }
        if (p.pulleyDiameter[1] != 0) p.pulleyRatio[j] = Quotient(p.pulleyDiameter[j], p.pulleyDiameter[1]);
    }
}

void ModificaN(DriveProject& p, Dialogs& d, int k) {
    if (!ValidPulley(k)) return;
    double& n = p.pulleySpeed[k];
    double& dk = p.pulleyDiameter[k];
    if (p.beltSpeed == 0) {
        p.beltSpeed = Finite(BeltSpeed(n, dk));
        SpeedFromPulley(p, k);
        ModificaV(p, d);
    } else if (dk != 0 || n == 0) {
        // Exact comparison: retyping the speed the pulley already has asks nothing.
        if (n != 0 && dk != 0 && BeltSpeed(n, dk) != p.beltSpeed) {
            const std::string q =
                "Do you want to change the belt speed v = " + InUnit(p, kVelocity, p.beltSpeed, "###0.0") +
                " ?";
            if (Ask(d, q)) {
                p.beltSpeed = Finite(BeltSpeed(n, dk));
                SpeedFromPulley(p, k);
                ModificaV(p, d);
            } else if (n != 0) {
                dk = Quotient(2 * p.beltSpeed, n);
                ModificaD(p, d, k);
            }
        }
    } else {
        dk = Quotient(2 * p.beltSpeed, n);
        ModificaD(p, d, k);
    }
    if (k == 1)
        for (int j = 2; j <= 4; ++j)
            if (p.pulleyRatio[j] != 0) {
                p.pulleySpeed[j] = Quotient(p.pulleySpeed[1], p.pulleyRatio[j]);
                p.rules.pulleySpeed[j] = ValueRule::PulleyFromRatio;
            }
}

void ModificaV(DriveProject& p, Dialogs& d) {
    for (int j = 1; j <= PulleyCountOf(p); ++j) {
        if (!IsIdler(p, j) && p.pulleySpeed[j] == 0 && p.pulleyDiameter[j] != 0)
            p.pulleySpeed[j] = Quotient(2 * p.beltSpeed, p.pulleyDiameter[j]);
        if (j == 1)
            for (int m = 2; m <= 4; ++m)
                if (p.pulleyRatio[m] != 0) p.pulleySpeed[m] = Quotient(p.pulleySpeed[1], p.pulleyRatio[m]);
        if (p.pulleySpeed[j] != 0) {
            p.pulleyDiameter[j] = Quotient(2 * p.beltSpeed, p.pulleySpeed[j]);
            ModificaD(p, d, j);
        }
    }
}

Step3Focus Step3FocusAfter(const DriveProject& p, Step3Box box, int index) {
    switch (box) {
        case Step3Box::InputN:
            return {Step3BoxVisible(p, Step3Box::InputZ, index) ? Step3Box::InputZ : Step3Box::InputD, index};
        case Step3Box::InputZ: return {Step3Box::InputD, index};
        case Step3Box::InputD:
        case Step3Box::InputI: return NextPulleyFocus(p, index);
        case Step3Box::Dato: break;
    }
    switch (index) {
        case 5: return {Step3Box::Dato, 6};
        case 6: return {Step3Box::Dato, 7};
        case 7: return {Step3Box::InputN, 1};
        default: return {Step3Box::Dato, 5};
    }
}

Step3Response OnInputnEnter(DriveProject& p, Dialogs& d, int k, std::string_view text) {
    if (!ValidPulley(k)) return {};
    return RunEntry(p, Step3Box::InputN, k, [&] {
        const KeepStroke keep(p);
        Step3Response r;
        const NumericEntry e = Accept(p, d, text, p.pulleySpeed[k], kAngularVelocity, "###0.0");
        if (e.kept) return Refused(e, Step3Box::InputN, k);
        if (e.unchanged) return Unchanged(p, Step3Box::InputN, k, text);
        r.enteredText = e.text;
        p.rules.pulleySpeed[k] = ValueRule::Given;
        ModificaN(p, d, k);
        r.focus = Step3FocusAfter(p, Step3Box::InputN, k);
        return r;
    });
}

Step3Response OnInputzEnter(DriveProject& p, Dialogs& d, int k, std::string_view text) {
    if (!ValidPulley(k)) return {};
    return RunEntry(p, Step3Box::InputZ, k, [&] {
        const KeepStroke keep(p);
        Step3Response r;
        // The teeth are a whole number: the entry is rounded (halves to even)
        // as it is stored.
        double z = p.pulleyTeeth[k];
        const NumericEntry e = Accept(p, d, text, z, kPlainNumber, "####0", kTeethEntryLimit);
        if (e.kept) return Refused(e, Step3Box::InputZ, k);
        if (e.unchanged) return Unchanged(p, Step3Box::InputZ, k, text);
        p.pulleyTeeth[k] = CInt(z);
        r.enteredText = Format(p.pulleyTeeth[k], "####0");
        DiameterChanged(p, k);
        ModificaZ(p, d, k);
        r.focus = Step3FocusAfter(p, Step3Box::InputZ, k);
        return r;
    });
}

Step3Response OnInputdEnter(DriveProject& p, Dialogs& d, int k, std::string_view text) {
    if (!ValidPulley(k)) return {};
    return RunEntry(p, Step3Box::InputD, k, [&] {
        const KeepStroke keep(p);
        Step3Response r;
        double& dk = p.pulleyDiameter[k];
        const NumericEntry e = Accept(p, d, text, dk, kLength, "###0.00");
        if (e.kept) return Refused(e, Step3Box::InputD, k);
        if (e.unchanged) return Unchanged(p, Step3Box::InputD, k, text);
        r.enteredText = e.text;
        if (IsIdler(p, k)) p.screen.idlerDiameterTyped[k] = Val(r.enteredText) != 0;
        r.focus = PulleyDiameterEntered(p, d, k);
        return r;
    });
}

Step3Focus PulleyDiameterEntered(DriveProject& p, Dialogs& d, int k) {
    if (!ValidPulley(k)) return {};
    double& dk = p.pulleyDiameter[k];
    DiameterChanged(p, k);

    if (IsMultiRibBelt(p)) {
        const std::optional<double> min = MultiRibMinimumDiameter(p.beltName);
        if (min && dk < *min &&
            Ask(d, "Minimum allowed diameter is " + InUnit(p, kLength, *min, "###0.00") + "\r" +
                       kChangeQuestion))
            dk = *min;
        ModificaI(p, d, k);
    } else if (IsFlatBelt(p)) {
        const double iso = LookupIsoDiameter(p, k);
        if (dk != iso && Ask(d, "For " + GetPulleyLabel(p, k) + " ISO standard diameter is " +
                                    InUnit(p, kLength, iso, "###0.00") + "\r" + kChangeQuestion))
            dk = iso;
        ModificaI(p, d, k);
    } else if (IsIdler(p, k)) {
        // A smaller idler is the user's decision: it is only advised against.
        if (dk < p.minIdlerDiameterInside)
            d.message("Recommended idler minimum diameter is " +
                          InUnit(p, kLength, p.minIdlerDiameterInside, "###0.00"),
                      kWarningTitle, MsgIcon::Error);
    } else {
        p.pulleyTeeth[k] = TeethForDiameter(p, dk);
        ModificaZ(p, d, k);
    }
    return NextPulleyFocus(p, k);
}

Step3Response OnInputiEnter(DriveProject& p, Dialogs& d, int k, std::string_view text) {
    if (!ValidPulley(k)) return {};
    return RunEntry(p, Step3Box::InputI, k, [&] {
        const KeepStroke keep(p);
        Step3Response r;
        r.focus = Step3FocusAfter(p, Step3Box::InputI, k);
        const NumericEntry e = Accept(p, d, text, p.pulleyRatio[k], kPlainNumber, "###0.0");
        if (e.kept) return Refused(e, Step3Box::InputI, k);
        if (e.unchanged) return Unchanged(p, Step3Box::InputI, k, text);
        r.enteredText = e.text;
        if (p.pulleyRatio[k] != 0) {
            p.pulleySpeed[k] = Quotient(p.pulleySpeed[1], p.pulleyRatio[k]);
            p.rules.pulleySpeed[k] = ValueRule::PulleyFromRatio;
            ModificaN(p, d, k);
        }
        return r;
    });
}

namespace {

Step3Response DatoEntry(DriveProject& p, Dialogs& d, int index, std::string_view text) {
    const KeepStroke keep(p);
    Step3Response r;
    double& P = p.power;
    double& F = p.peripheralForce;
    double& v = p.beltSpeed;
    if (index >= 5 && index <= 7) {
        double& target = index == 5 ? P : index == 6 ? F : v;
        const int quantity = index == 5 ? kPower : index == 6 ? kForce : kVelocity;
        const NumericEntry e = Accept(p, d, text, target, quantity, "###0.00");
        if (e.kept) return Refused(e, Step3Box::Dato, index);
        if (e.unchanged) return Unchanged(p, Step3Box::Dato, index, text);
        r.enteredText = e.text;
    }
    switch (index) {
        case 5:
            p.rules.power = ValueRule::Given;
            // The force box is enabled, so a power without force or speed
            // derives nothing rather than dividing by a zero force.
            if (v == 0 && F != 0) {
                v = Quotient(P, F);
                p.rules.speed = ValueRule::SpeedFromPowerForce;
            } else if (v != 0) {
                ForceFromPower(p);
            }
            ModificaV(p, d);
            r.focus = Step3FocusAfter(p, Step3Box::Dato, index);
            break;
        case 6:
            p.rules.force = ValueRule::Given;
            if (P == 0) {
                P = Finite(F * v);
                p.rules.power = ValueRule::PowerFromForceSpeed;
            } else {
                v = F != 0 ? Quotient(P, F) : 0;
                p.rules.speed = F != 0 ? ValueRule::SpeedFromPowerForce : ValueRule::Given;
            }
            ModificaV(p, d);
            r.focus = Step3FocusAfter(p, Step3Box::Dato, index);
            break;
        case 7:
            p.rules.speed = ValueRule::Given;
            // A power that came from the force given follows the new speed.
            if (P != 0 && p.rules.power != ValueRule::PowerFromForceSpeed) {
                ForceFromPower(p);
            } else {
                P = Finite(v * F);
                p.rules.power = ValueRule::PowerFromForceSpeed;
            }
            ModificaV(p, d);
            r.focus = Step3FocusAfter(p, Step3Box::Dato, index);
            break;
        case 8:
        case 9: {
            double& length = index == 8 ? p.centreDistance : p.beltLength;
            const NumericEntry e = Accept(p, d, text, length, kLength, "###0.00");
            if (e.kept) return Refused(e, Step3Box::Dato, index);
            if (e.unchanged) return Unchanged(p, Step3Box::Dato, index, text);
            r.focus = Step3FocusAfter(p, Step3Box::Dato, index);
            r.enteredText = e.text;
            // A new centre distance or length makes the standard length
            // accepted earlier meaningless.
            p.lastStandardLength = kNoStandardLength;
            break;
        }
        default:
            r.refresh = false;
            break;
    }
    return r;
}

}  // namespace

Step3Response OnDatoEnter(DriveProject& p, Dialogs& d, int index, std::string_view text) {
    return RunEntry(p, Step3Box::Dato, index, [&] { return DatoEntry(p, d, index, text); });
}

void OnCheckIdlerClick(DriveProject& p, int k, bool checked) {
    if (k < 2 || k > 4) return;
    p.screen.checkIdler[k] = checked ? 1 : 0;
    p.pulleyIsIdler[k] = checked ? kTrue : 0;
    ClearPulley(p, k);
    // The cleared box reads 0: the idler has no typed diameter.
    p.screen.idlerDiameterTyped[k] = false;
}

Step3Focus PrepareStep3(DriveProject& p, Dialogs& d) {
    const KeepStroke keep(p);
    LoadCalculationTables(p);
    if (IsToothedBelt(p)) {
        p.pulleyTeeth[1] = TeethForDiameter(p, p.pulleyDiameter[1]);
        if (p.pulleyTeeth[1] > 0) ModificaZ(p, d, 1);
    }
    for (int k = 2; k <= 4; ++k) p.pulleyIsIdler[k] = p.screen.checkIdler[k] != 0 ? kTrue : 0;
    for (int k = 1; k <= PulleyCountOf(p); ++k) ModificaD(p, d, k);
    return {Step3Box::Dato, 5};
}

void FollowApplicationData(DriveProject& p, Dialogs& d) {
    if (ForceFromCarriageData(p)) DeriveLoad(p);
    PrepareStep3(p, d);
}

Step3Titles TitoloBox(const DriveProject& p) {
    const std::string& t = p.beltPitchCode;
    const std::string sf = "Service factor: " + Format(p.loadFactorSecond, "###0.0");
    const std::string sfLf = sf + "    Load factor: " + Format(p.loadFactor, "###0.0");
    if (p.beltFamily.empty()) return {};
    const BeltFamilyTraits& family = BeltFamilyTraitsOf(p.beltFamily);
    const int title = family.linearDrive ? p.linearDriveType : 0;
    if (title < 0 || title > 2) return {};
    return {std::string(family.pulleyDataTitle[static_cast<std::size_t>(title)]) + t,
            family.factorTable == FactorTableKind::OperationTime ? sfLf : sf};
}

PulleyDataTexts ShowPulleyData(const DriveProject& p) {
    PulleyDataTexts s;
    s.titoloBox[0] = TitoloBox(p).title;
    s.titoloBox[1] = "Driver Pulley";
    s.titoloBox[2] = "Pulley 2";
    s.titoloBox[3] = "Pulley 3";
    s.titoloBox[4] = "Pulley 4";
    const struct {
        const char* caption;
        int quantity;
        double value;
    } drive[] = {{"Power ", kPower, p.power},
                 {"Peripheral force ", kForce, p.peripheralForce},
                 {"Belt speed ", kVelocity, p.beltSpeed},
                 {"Center Distance ", kLength, p.centreDistance},
                 {"Belt Length ", kLength, p.beltLength}};
    for (int i = 5; i <= 9; ++i) {
        const auto& row = drive[i - 5];
        s.titoloBox[i] = row.caption + CurrentLabel(p, row.quantity);
        s.dato[i] = Format(ToDisplay(p, row.quantity, row.value), "###0.00");
    }
    for (int k = 1; k <= 4; ++k) {
        s.nomeinputn[k] = "n " + CurrentLabel(p, kAngularVelocity);
        s.nomeinputz[k] = "z [n\u00B0 of teeth]";
        s.nomeinputd[k] = "Dp " + CurrentLabel(p, kLength);
        s.nomeinputi[k] = "i [speed ratio]";
        s.inputn[k] = Format(ToDisplay(p, kAngularVelocity, p.pulleySpeed[k]), "###0.0");
        s.inputz[k] = Format(p.pulleyTeeth[k], "####0");
        if (!IsIdler(p, k) || p.screen.idlerDiameterTyped[k])
            s.inputd[k] = Format(ToDisplay(p, kLength, p.pulleyDiameter[k]), "###0.00");
        s.inputi[k] = Format(p.pulleyRatio[k], "###0.0");
    }
    return s;
}

}  // namespace belt
