#include "engine/beltwidth.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "catalogue/beltids.h"
#include "engine/beltcode.h"
#include "engine/checks.h"
#include "units/units.h"

namespace belt {

namespace {

constexpr const char* kWarningTitle = "Warning !!!";
constexpr const char* kAvailableTooSmall =
    "Available belts are too small !\rPlease check the data and contact VESTRANO Technical Staff !!";
constexpr const char* kNotAvailable =
    "Requested belt is not available !\rPlease contact VESTRANO Technical Staff !!";
constexpr const char* kTooSmall = "Requested belt is too small !\rPlease contact VESTRANO Technical Staff !!";
constexpr const char* kTooLarge =
    "Entered belt width is too large !\rPlease contact VESTRANO Technical Staff !!";
constexpr const char* kWidthTitleSuffix = ": Enter the belt width";

// A typed width that comes back from the box within this many metres of the
// proposal is the proposal: the box text and the unit factor may cost an ulp.
constexpr double kSameWidth = 1e-9;
// Whole millimetres of a width computed from a typed value and a unit factor
// (0.029 m * 1000 may fall a hair short of 29).
constexpr double kWholeMmSlack = 1e-7;

bool IsRibOrFlat(const DriveProject& p) {
    return p.beltFamily == kQuindel || p.beltFamily == kFendaro;
}
bool IsSelkira(const DriveProject& p) {
    return p.beltFamily == kSelkira;
}

void RefuseInputData(DriveProject& p, Dialogs& d) {
    d.message("Error in input data", "I can't proceed", MsgIcon::Warning);
    p.calcState = 1;
}

int LastWidthIndex(const DriveProject& p) {
    return std::clamp(p.pitchRangeLast, 0, 8);
}

double StandardWidth(const DriveProject& p, int i) {
    return p.standardWidths[static_cast<std::size_t>(i)] / 1000.0;
}

// Index of the standard width equal to w (m), or -1.
int StandardWidthIndex(const DriveProject& p, double w) {
    for (int i = 0; i <= LastWidthIndex(p); ++i)
        if (std::abs(StandardWidth(p, i) - w) <= kSameWidth) return i;
    return -1;
}

// Face width of a pulley for a belt width that is not in the width table:
// the width in whole mm plus 10 mm.
double FaceWidthForOwnWidth(double widthM) {
    return (Int(widthM * 1000.0 + kWholeMmSlack) + 10.0) / 1000.0;
}
// Multi-rib and flat belts: whole mm plus 11 mm.
double FaceWidthRibFlat(double width) {
    return (Int(width * 1000.0 + kWholeMmSlack) + 11.0) / 1000.0;
}

// The open-end belt loads of standard width i, or none (0) when i has no entry.
void SetSelkiraLoads(DriveProject& p, int i) {
    if (i >= 0 && i < 8) {
        const auto k = static_cast<std::size_t>(i);
        p.maxTractionLoad1 = p.admissiblePullOpen[k];
        p.maxTractionLoad2 = p.admissiblePullJoined[k];
        p.maxTractionLoad3 = p.breakingLoad[k];
    } else {
        p.maxTractionLoad1 = 0;
        p.maxTractionLoad2 = 0;
        p.maxTractionLoad3 = 0;
    }
}

std::string WithCommaAsPoint(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

// A width beyond 100 m (QUINDEL: 10000 ribs) is a slip of the keyboard, and
// its rating would overflow: refused with a message that names the limit.
double WidthLimit(const DriveProject& p) {
    return p.beltFamily == kQuindel ? kTeethEntryLimit : EntryLimit(kLength);
}
bool RefuseWidthBeyondLimit(const DriveProject& p, Dialogs& d, double value) {
    if (value <= WidthLimit(p)) return false;
    d.message(LimitMessage(p, p.beltFamily == kQuindel ? kPlainNumber : kLength, WidthLimit(p)), kWarningTitle,
              MsgIcon::Warning);
    return true;
}

// The width input box, asked until it gives a width above 0 and within the
// limit: a text without a number, 0 or a negative width would make a belt of
// no width with an order code. Nothing when the user cancels. An answer that
// reads as the number the box proposed is the proposal itself, not that
// number times the unit factor: the box shows the width rounded in the
// current unit.
std::optional<double> AskBeltWidth(const DriveProject& p, Dialogs& d, const std::string& prompt,
                                   const std::string& title, const std::string& shown, double factor) {
    for (;;) {
        const std::string answer = d.inputBox(prompt, title, shown);
        if (answer.empty()) return std::nullopt;
        const double typed = Val(WithCommaAsPoint(answer));
        const double value = typed == Val(WithCommaAsPoint(shown)) ? p.beltWidth : typed * factor;
        if (!(value > 0 && std::isfinite(value)))
            d.message("Wrong data", kWarningTitle, MsgIcon::Warning);
        else if (!RefuseWidthBeyondLimit(p, d, value))
            return value;
    }
}

// Widths of the RUBBER inch profiles in mm from the width factor x: a fit of
// the catalogue's width table. It rises up to x of about 20.6 and falls
// beyond; past its top it no longer says how wide the belt must be.
double RubberInchWidthMm(double x) {
    return 0.0806 * x * x * x - 0.0023 * x * x * x * x - 1.1321 * x * x + 24.526 * x + 1.9607;
}
double RubberInchWidthSlope(double x) {
    return 0.2418 * x * x - 0.0092 * x * x * x - 2.2642 * x + 24.526;
}

// Length factor of the RUBBER QVP belts: longer belts carry more.
double RubberQvpLengthFactor(const std::string& code, double L) {
    double f = 1;
    if (code == "QVP5") {
        f = 1.2;
        if (L < 1.1) f = 1.1;
        if (L < 0.801) f = 1;
        if (L < 0.561) f = 0.9;
        if (L < 0.44) f = 0.8;
    } else if (code == "QVP8") {
        f = 1.2;
        if (L < 1.76) f = 1.1;
        if (L < 1.281) f = 1;
        if (L < 0.881) f = 0.9;
        if (L < 0.6) f = 0.8;
    } else if (code == "QVP14") {
        f = 1.1;
        if (L < 3.15) f = 1.05;
        if (L < 2.451) f = 1;
        if (L < 1.891) f = 0.95;
        if (L < 1.611) f = 0.9;
        if (L < 1.19) f = 0.8;
    }
    return f;
}

// Teeth in mesh counted for the rating, by family and linear drive kind.
int TeethInMeshCap(const DriveProject& p) {
    if (IsSelkira(p)) return p.linearDriveType < 2 ? 12 : 6;
    if (p.beltFamily == kOrvanto) return 15;
    if (p.beltFamily == kRubber) return 6;
    if (p.beltFamily == kTavoren) return 12;
    return 1 << 30;
}

void SizeTimingBelt(DriveProject& p, Dialogs& d) {
    const int k = FindSmallestPulley(p);
    const auto ks = static_cast<std::size_t>(k);
    const double z = p.pulleyTeeth[ks];
    const double n = p.pulleySpeed[ks];
    const double rpm = n * 30.0 / kPi;

    const double mesh = Int(z * p.pulleyArcOfContact[ks] / 6.283185308);
    if (!std::isfinite(mesh) || !std::isfinite(rpm)) {
        RefuseInputData(p, d);
        return;
    }
    p.teethInMesh = static_cast<int>(std::clamp(mesh, -1e6, 1e6));

    if (rpm > p.toothLoadCoefficients[6])
        d.message("Pulley speed is too high! Reduction in belt life is expected", kWarningTitle,
                  MsgIcon::Question);

    double P = SpecificToothLoad(p, rpm);
    if ((p.beltPitchCode == "AT5" || p.beltPitchCode == "AT10") && !IsSelkira(p)) P *= n < 52.33 ? 0.85 : 0.9;

    p.teethInMesh = std::min(p.teethInMesh, TeethInMeshCap(p));
    // No tooth in mesh or a speed beyond the rating curve leaves nothing to size with.
    if (p.teethInMesh < 1 || !(P > 0) || !std::isfinite(P)) {
        RefuseInputData(p, d);
        return;
    }
    const double F = p.peripheralForce;
    const double teeth = p.teethInMesh;

    double pull = 0;  // SELKIRA: pull the chosen width must carry
    if (IsSelkira(p)) {
        // The peripheral force of a linear drive already holds the carriage
        // acceleration; no pulley inertia is added.
        p.maxEffectivePull = F;
        p.serviceFactor = p.loadFactorSecond;
        p.beltWidthCalculated = p.serviceFactor * p.maxEffectivePull / (teeth * P);
        pull = ((Int(p.maxEffectivePull / 10.0) + 1.0) * 10.0 + p.maxEffectivePull) * p.loadFactorSecond;
    } else {
        double imax = 1;
        for (int j = 2; j <= std::min(p.pulleyCount, 4); ++j) {
            const auto js = static_cast<std::size_t>(j);
            if (p.pulleyIsIdler[js] == 0 && p.pulleyRatio[js] > imax) imax = p.pulleyRatio[js];
        }
        double a = 0;
        if (imax > 1.24) a = 0.1;
        if (imax > 1.74) a = 0.2;
        if (imax > 2.49) a = 0.3;
        if (imax > 3.5) a = 0.4;
        p.serviceFactor = static_cast<float>(a + p.loadFactor + p.loadFactorSecond);
        const double sf = p.serviceFactor;

        double kz = 1;
        if (p.teethInMesh <= 2)
            kz = 0.2;
        else if (p.teethInMesh == 3)
            kz = 0.4;
        else if (p.teethInMesh == 4)
            kz = 0.6;
        else if (p.teethInMesh == 5)
            kz = 0.8;

        const std::string& code = p.beltPitchCode;
        const bool rubber = p.beltFamily == kRubber;
        if (rubber && (code == "XL" || code == "L" || code == "H" || code == "XH")) {
            const double x = sf * F / (kz * P);
            const double mm = RubberInchWidthMm(x);
            if (!(mm > 0) || !(RubberInchWidthSlope(x) > 0)) {
                d.message(kAvailableTooSmall, kWarningTitle, MsgIcon::Warning);
                p.calcState = 1;
                return;
            }
            p.beltWidthCalculated = mm / 1000.0;
            P = sf * F / (teeth * p.beltWidthCalculated);
        } else if (rubber && (code == "QVP5" || code == "QVP8" || code == "QVP14")) {
            const double x = sf * F / (kz * P) / RubberQvpLengthFactor(code, p.beltLength);
            double mm = 0;
            if (code == "QVP5")
                mm = 6.4388 * x + 2.5728;
            else if (code == "QVP8")
                mm = 17.254 * x + 2.7172;
            else
                mm = 34.028 * x + 5.9672;
            p.beltWidthCalculated = mm / 1000.0;
            P = sf * F / (teeth * p.beltWidthCalculated);
        } else {
            p.beltWidthCalculated = sf * F / (teeth * P);
        }
    }
    if (!std::isfinite(p.beltWidthCalculated) || !std::isfinite(P)) {
        RefuseInputData(p, d);
        return;
    }

    // Width proposal.
    const int last = LastWidthIndex(p);
    if (StandardWidth(p, last) < p.beltWidthCalculated)
        p.beltWidth = Int(p.beltWidthCalculated * 200.0) / 200.0 + 0.005;
    if (p.beltWidthCalculated > p.maxBeltWidth) {
        d.message(kAvailableTooSmall, kWarningTitle, MsgIcon::Warning);
        p.calcState = 1;
        return;
    }
    int standard = -1;
    for (int i = 0; i <= last; ++i) {
        if (StandardWidth(p, i) < p.beltWidthCalculated) continue;
        if (IsSelkira(p)) {
            const double carried =
                i < 8 ? (p.linearDriveType == 2 ? p.admissiblePullJoined[static_cast<std::size_t>(i)]
                                                : p.admissiblePullOpen[static_cast<std::size_t>(i)])
                      : 0.0;
            if (!(carried > pull)) continue;
        }
        p.beltWidth = StandardWidth(p, i);
        standard = i;
        break;
    }
    if (standard < 0 && IsSelkira(p) && StandardWidth(p, last) >= p.beltWidthCalculated) {
        // Wide enough, but no width of the table carries the pull, and an
        // open-end belt is not made wider than its widest standard width.
        d.message(kAvailableTooSmall, kWarningTitle, MsgIcon::Warning);
        p.calcState = 1;
        return;
    }
    const std::string label = standard >= 0 ? "Standard belt width is " : "Recommended belt width is ";

    // Width input box.
    const double factor = CurrentFactor(p, kLength);
    const std::string unit = CurrentLabel(p, kLength);
    const std::string shown = Format(p.beltWidth / factor, "###0.00");
    const std::string prompt =
        label + shown + " " + unit + "\r\r" + "Click OK to keep this width or enter another width " + unit;
    const std::optional<double> answer =
        AskBeltWidth(p, d, prompt, p.beltName + kWidthTitleSuffix, shown, factor);
    if (!answer) {
        p.calcState = 1;
        return;
    }
    const double value = *answer;

    if (std::abs(value - p.beltWidth) <= kSameWidth) {
        if (standard >= 0) {
            p.pulleyFaceWidth = p.widthTableA[static_cast<std::size_t>(standard)] / 1000.0;
            if (IsSelkira(p)) SetSelkiraLoads(p, standard);
        } else {
            p.pulleyFaceWidth = FaceWidthForOwnWidth(p.beltWidth);
            if (IsSelkira(p)) SetSelkiraLoads(p, -1);
        }
    } else {
        if (value > p.maxBeltWidth) {
            d.message(kNotAvailable, kWarningTitle, MsgIcon::Warning);
            p.calcState = 1;
            return;
        }
        if (value < p.beltWidthCalculated) d.message(kTooSmall, kWarningTitle, MsgIcon::Warning);
        p.beltWidth = value;
        p.pulleyFaceWidth = FaceWidthForOwnWidth(value);
        // The loads shown and used later must belong to this width: those of
        // the table when it is a standard width, none otherwise.
        if (IsSelkira(p)) SetSelkiraLoads(p, StandardWidthIndex(p, value));
    }
    p.powerRatingWithWidth = p.beltSpeed * P * teeth * p.beltWidth;
}

void SizeRibOrFlatBelt(DriveProject& p, Dialogs& d) {
    const bool quindel = p.beltFamily == kQuindel;
    const bool rated = p.ribFlatRatingTable[0][0] != kNoRatingData;
    const double factor = CurrentFactor(p, kLength);
    const std::string unit = CurrentLabel(p, kLength);

    double P = 0;
    if (rated) {
        const double v = p.beltSpeed;
        const auto& t = p.ribFlatRatingTable;
        int i = 13;
        for (int j = 0; j <= 12; ++j) {
            if (t[static_cast<std::size_t>(j)][0] > v) {
                i = j;
                break;
            }
        }
        i = std::max(i, 1);
        const auto hi = static_cast<std::size_t>(i);
        const auto lo = hi - 1;
        const double span = t[hi][0] - t[lo][0];
        if (!(span > 0) || !std::isfinite(v)) {
            RefuseInputData(p, d);
            return;
        }
        const double u = (v - t[lo][0]) / span;
        const double P1 = t[lo][1] + u * (t[hi][1] - t[lo][1]);
        const double P2 = t[lo][2] + u * (t[hi][2] - t[lo][2]);

        const auto k = static_cast<std::size_t>(FindSmallestPulley(p));
        const double dia = p.pulleyDiameter[k];
        const double dref = quindel ? 0.075 : 0.1;
        P = P1 + (P2 - P1) * (dia - 0.025) / (dref - 0.025);
        const double af = ArcOfContactFactor(p.pulleyArcOfContact[k] * 180.0 / kPi);

        if (quindel) {
            if (!(p.loadFactorSecond > 0) || !(P > 0)) {
                RefuseInputData(p, d);
                return;
            }
            p.serviceFactor = static_cast<float>(af / p.loadFactorSecond);
            p.beltWidthCalculated = p.serviceFactor * p.power / P;
            if (!std::isfinite(p.beltWidthCalculated)) {
                RefuseInputData(p, d);
                return;
            }
            p.beltWidth = std::max(Int(p.beltWidthCalculated) + 1.0, 3.0);
        } else {
            P *= 100.0;
            if (!(P > 0)) {
                RefuseInputData(p, d);
                return;
            }
            p.serviceFactor = static_cast<float>(af * 1.15 * p.loadFactorSecond);
            p.beltWidthCalculated = p.serviceFactor * p.power / P;
            if (!std::isfinite(p.beltWidthCalculated)) {
                RefuseInputData(p, d);
                return;
            }
            p.beltWidth = Int(p.beltWidthCalculated * 1000.0 + 1.0) / 1000.0;
        }
        // A width beyond the limit is made by nobody, and the box would not
        // take it back either.
        if (p.beltWidth > WidthLimit(p)) {
            d.message(kAvailableTooSmall, kWarningTitle, MsgIcon::Warning);
            p.calcState = 1;
            return;
        }
    }

    std::string prompt;
    std::string title = p.beltName + kWidthTitleSuffix;
    std::string shown;
    if (quindel) {
        shown = Format(p.beltWidth, "####0");
        prompt = "Recommended belt width is " + shown + " ribs" + "\r\r" +
                 "Click OK to keep this width or enter another width [ribs]";
    } else if (rated) {
        shown = Format(p.beltWidth / factor, "###0.00");
        prompt = "Recommended belt width is " + shown + " " + unit + "\r\r" +
                 "Click OK to keep this width or enter another width " + unit;
    } else {
        shown = Format(p.beltWidth / factor, "###0.00");
        prompt = "Enter the belt width " + unit;
        title = kUnratedWidthTitle;
    }
    const std::optional<double> answer = AskBeltWidth(p, d, prompt, title, shown, quindel ? 1.0 : factor);
    if (!answer) {
        p.calcState = 1;
        return;
    }
    const double value = *answer;
    if (rated && value < p.beltWidthCalculated) d.message(kTooSmall, kWarningTitle, MsgIcon::Warning);

    p.beltWidth = value;
    p.powerRatingWithWidth = p.beltWidth * P;
    p.pulleyFaceWidth = FaceWidthRibFlat(p.beltWidth);
}

}  // namespace

double SpecificToothLoad(const DriveProject& p, double rpm) {
    const auto& c = p.toothLoadCoefficients;
    if (rpm < c[5]) return 100.0 * (c[0] + c[1] * rpm);
    return 100.0 * (c[2] * std::pow(rpm / 1000.0, c[4]) - c[3] * rpm * rpm);
}

double ArcOfContactFactor(double arc) {
    double f = 0.61;
    if (arc > 100) f = 0.67;
    if (arc > 110) f = 0.71;
    if (arc > 120) f = 0.76;
    if (arc > 130) f = 0.79;
    if (arc > 140) f = 0.84;
    if (arc > 150) f = 0.88;
    if (arc > 160) f = 0.92;
    if (arc > 170) f = 0.97;
    if (arc > 180) f = 1;
    if (arc > 190) f = 1.03;
    if (arc > 200) f = 1.07;
    if (arc > 210) f = 1.09;
    if (arc > 220) f = 1.12;
    if (arc > 230) f = 1.15;
    if (arc > 240) f = 1.18;
    return f;
}

void ComputeBeltWidth(DriveProject& p, Dialogs& d) {
    BusyPointer busy(d);
    p.calcState = 0;
    if (IsRibOrFlat(p))
        SizeRibOrFlatBelt(p, d);
    else
        SizeTimingBelt(p, d);
}

std::vector<std::string> BeltWidthChoices(const DriveProject& p) {
    std::vector<std::string> items;
    if (p.beltFamily == kFendaro) return items;
    if (p.beltFamily == kQuindel) {
        for (int ribs = 1; ribs <= 10; ++ribs) items.push_back(Format(ribs, "####0") + " ribs");
        return items;
    }
    const std::string unit = CurrentLabel(p, kLength);
    for (int i = 0; i <= LastWidthIndex(p); ++i)
        items.push_back(Format(ToDisplay(p, kLength, StandardWidth(p, i)), "###0.00") + " " + unit);
    return items;
}

bool ChangeBeltWidth(DriveProject& p, Dialogs& d, std::string_view text) {
    const bool quindel = p.beltFamily == kQuindel;
    const double typed = Val(WithCommaAsPoint(std::string(text)));
    double value = quindel ? typed : typed * CurrentFactor(p, kLength);
    // A standard width picked from the list (or typed as the list shows it)
    // is that width, not its rounded number in inches or feet.
    if (!IsRibOrFlat(p))
        for (int i = 0; i <= LastWidthIndex(p); ++i)
            if (typed == Val(Format(ToDisplay(p, kLength, StandardWidth(p, i)), "###0.00"))) {
                value = StandardWidth(p, i);
                break;
            }
    if (value == 0 || !std::isfinite(value)) return false;
    if (value < 0) {
        d.message("Wrong data", kWarningTitle, MsgIcon::Warning);
        return false;
    }
    if (value > p.maxBeltWidth && !IsRibOrFlat(p)) {
        d.message(kTooLarge, kWarningTitle, MsgIcon::Warning);
        return false;
    }
    if (RefuseWidthBeyondLimit(p, d, value)) return false;
    // The rating scales with the width; from no width there is nothing to scale.
    if (!(p.beltWidth > 0) || !std::isfinite(p.beltWidth)) {
        d.message("Error in input data", "I can't proceed", MsgIcon::Warning);
        return false;
    }

    p.powerRatingWithWidth = p.powerRatingWithWidth * value / p.beltWidth;
    p.beltWidth = value;

    if (p.beltFamily == kOrvanto || p.beltFamily == kRubber) {
        const int i = StandardWidthIndex(p, value);
        p.pulleyFaceWidth =
            i >= 0 ? p.widthTableA[static_cast<std::size_t>(i)] / 1000.0 : FaceWidthForOwnWidth(value);
    } else if (p.beltFamily == kSelkira || p.beltFamily == kTavoren) {
        const int last = LastWidthIndex(p);
        int i = last;
        for (int j = 0; j < last; ++j) {
            if (StandardWidth(p, j) >= value - kSameWidth) {
                i = j;
                break;
            }
        }
        p.pulleyFaceWidth = p.widthTableA[static_cast<std::size_t>(i)] / 1000.0;
        if (i < 8) SetSelkiraLoads(p, i);
    } else {
        p.pulleyFaceWidth = FaceWidthRibFlat(p.beltWidth);
    }

    BuildBeltCode(p);
    return true;
}

}  // namespace belt
