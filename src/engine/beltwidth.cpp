#include "engine/beltwidth.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "catalogue/beltids.h"
#include "catalogue/belttraits.h"
#include "engine/beltcode.h"
#include "engine/checks.h"
#include "engine/report.h"
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
constexpr const char* kProgramTitle = "VESTRANO BELT CALCULATION";

// A typed width that comes back from the box within this many metres of the
// proposal is the proposal: the box text and the unit factor may cost an ulp.
constexpr double kSameWidth = 1e-9;
// Whole millimetres of a width computed from a typed value and a unit factor
// (0.029 m * 1000 may fall a hair short of 29).
constexpr double kWholeMmSlack = 1e-7;

bool IsRibOrFlat(const DriveProject& p) {
    return !IsToothedBelt(p);
}
// Open-end belts carry a pull of their own on top of the rating.
bool IsOpenEnd(const DriveProject& p) {
    return IsLinearDriveBelt(p);
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
// Flat belts: whole mm plus 11 mm. A multi-rib pulley has no face width in
// the catalogue (its grooves follow from the ribs): 0, where the width in
// ribs would otherwise be taken for metres.
double FaceWidthRibFlat(const DriveProject& p) {
    if (IsMultiRibBelt(p)) return 0;
    return (Int(p.beltWidth * 1000.0 + kWholeMmSlack) + 11.0) / 1000.0;
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

// A typed width that the belt code cannot write (27.5 mm where the code has
// whole mm) is rounded up to one it can, and the user is told: the rating,
// the face width and the code then all belong to the belt ordered.
double ToCodedWidth(const DriveProject& p, Dialogs& d, double width) {
    const double coded = CodedBeltWidth(p, width);
    if (coded == width) return width;
    // Said in the code's own steps, whatever the display unit.
    const CodeWidthStep step = CodeWidthStepOf(p);
    std::string shown = Format(coded / step.step, "####0") + (IsMultiRibBelt(p) ? " ribs" : " mm");
    if (step.step == 0.000254) shown = Format(coded / 0.0254, "##0.00") + " in";
    d.message("The belt code gives the width in " + std::string(step.words) +
                  ":\rthe belt width is rounded up to " + shown + ".",
              kProgramTitle, MsgIcon::Information);
    return coded;
}

// A width beyond 100 m (QUINDEL: 10000 ribs) is a slip of the keyboard, and
// its rating would overflow: refused with a message that names the limit.
double WidthLimit(const DriveProject& p) {
    return IsMultiRibBelt(p) ? kTeethEntryLimit : EntryLimit(kLength);
}
bool RefuseWidthBeyondLimit(const DriveProject& p, Dialogs& d, double value) {
    if (value <= WidthLimit(p)) return false;
    d.message(LimitMessage(p, IsMultiRibBelt(p) ? kPlainNumber : kLength, WidthLimit(p)), kWarningTitle,
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

// The width kept, with its pulley face width and, for SELKIRA, its loads.
void RecordChosenWidth(const DriveProject& p, Dialogs& d, const std::string& faceSource) {
    using namespace detail_units;
    const bool quindel = IsMultiRibBelt(p);
    Record(d, DetailStep::WidthChosen, [&] {
        DetailEntry e;
        e.what = "Belt width chosen";
        return e.is("w", p.beltWidth, quindel ? kRibs : kLength).stores("beltWidth");
    });
    Record(d, DetailStep::WidthChosen, [&] {
        DetailEntry e;
        e.what = "Pulley face width";
        if (quindel)
            e.formula = "none: a multi-rib pulley's grooves follow from the ribs";
        else if (!faceSource.empty())
            e.formula = "the face width of the standard width";
        else
            e.formula = IsFlatBelt(p) ? "B = Int(w) + 11 mm" : "B = Int(w) + 10 mm";
        if (quindel) return e.isText("B", "none");
        if (faceSource.empty()) e.in("w", p.beltWidth, kLength);
        return e.from(faceSource).is("B", p.pulleyFaceWidth, kLength).stores("pulleyFaceWidth");
    });
    if (!IsOpenEnd(p)) return;
    const char* names[] = {"Admissible pull of the open-end belt", "Admissible pull of the joined belt",
                           "Third load value of the width"};
    const double loads[] = {p.maxTractionLoad1, p.maxTractionLoad2, p.maxTractionLoad3};
    const int i = StandardWidthIndex(p, p.beltWidth);
    for (int j = 0; j < 3; ++j)
        Record(d, DetailStep::WidthChosen, [&] {
            DetailEntry e;
            e.what = names[j];
            if (i >= 0 && i < 8)
                e.from(p.beltName + " loads of the standard widths, row " + std::to_string(i + 1));
            else
                e.formula = "none: the width is not a standard width";
            return e.is("", loads[j], kForce).stores("maxTractionLoad" + std::to_string(j + 1));
        });
}

// The rating against what the drive asks, as the results page shows them.
void RecordSafety(const DriveProject& p, Dialogs& d) {
    using namespace detail_units;
    Record(d, DetailStep::WidthChosen, [&] {
        DetailEntry e;
        e.what = "Power rating incl. service factor";
        e.formula = "Ps = S P";
        return e.in("S", p.serviceFactor, kNone).in("P", p.power, kPower).is("Ps", p.serviceFactor * p.power,
                                                                             kPower);
    });
    if (const std::optional<double> safety = NewSafetyFactor(p))
        Record(d, DetailStep::WidthChosen, [&] {
            DetailEntry e;
            e.what = "New safety factor";
            e.formula = "Pr / P";
            return e.in("Pr", p.powerRatingWithWidth, kPower)
                .in("P", p.power, kPower)
                .is("", *safety, kNone)
                .stores("safetyFactor");
        });
    if (DetailSink* sink = d.details()) sink->recordChart(BuildRatingChart(p));
}

// The specific load a timing belt is sized with at the smallest pulley's
// speed n (rad/s): the tooth load table, less for the AT profiles of the
// endless families.
double TimingSpecificLoad(const DriveProject& p, double n) {
    double P = SpecificToothLoad(p, n * 30.0 / kPi);
    if ((p.beltPitchCode == "AT5" || p.beltPitchCode == "AT10") && !IsOpenEnd(p)) P *= n < 52.33 ? 0.85 : 0.9;
    return P;
}

// The entry of the specific load: the branch of the tooth load rule taken.
DetailEntry ToothLoadEntry(const DriveProject& p, double n, double rpm, double P) {
    using namespace detail_units;
    const auto& c = p.toothLoadCoefficients;
    DetailEntry e;
    e.what = "Specific tooth load at the smallest pulley's speed";
    e.in("n", n, kRpm);
    if (rpm < c[5]) {
        e.formula = "Pt = c0 + c1 n   (n in rpm, below c5)";
        e.in("c0", c[0], kNone).in("c1", c[1], kNone).in("c5", c[5], kNone);
    } else {
        e.formula = "Pt = c2 (n / 1000)^c4 - c3 n^2   (n in rpm, from c5)";
        e.in("c2", c[2], kNone).in("c3", c[3], kNone).in("c4", c[4], kNone).in("c5", c[5], kNone);
    }
    if ((p.beltPitchCode == "AT5" || p.beltPitchCode == "AT10") && !IsOpenEnd(p))
        e.formula += n < 52.33 ? ", x 0.85 (AT profile below 500 rpm)" : ", x 0.9 (AT profile from 500 rpm)";
    e.from(p.beltName + " tooth load coefficients c0..c6 (n in rpm, Pt in N per cm of width and tooth)");
    e.is("Pt", P, kNewtonPerCm);
    return e;
}

std::string TeethInMeshCapSource(const DriveProject& p) {
    if (IsOpenEnd(p)) return p.linearDriveType < 2 ? "open-end belts: at most 12" : "joined belts: at most 6";
    return p.beltFamily + " belts: at most " + std::to_string(TeethInMeshCap(p));
}

void SizeTimingBelt(DriveProject& p, Dialogs& d) {
    using namespace detail_units;
    const int k = FindSmallestPulley(p);
    const auto ks = static_cast<std::size_t>(k);
    const double z = p.pulleyTeeth[ks];
    const double n = p.pulleySpeed[ks];
    const double rpm = n * 30.0 / kPi;

    BeginDetails(d, DetailStep::TeethInMesh);
    const double mesh = Int(z * p.pulleyArcOfContact[ks] / 6.283185308);
    if (!std::isfinite(mesh) || !std::isfinite(rpm)) {
        RefuseInputData(p, d);
        return;
    }
    p.teethInMesh = static_cast<int>(std::clamp(mesh, -1e6, 1e6));
    Record(d, DetailStep::TeethInMesh, [&] {
        DetailEntry e;
        e.what = "Teeth in mesh on the smallest pulley, the " + GetPulleyLabel(p, k);
        e.formula = "zm = Int(z b / 360\u00B0)";
        return e.in("z", z, kTeeth).in("b", p.pulleyArcOfContact[ks], kDegrees).is("zm", mesh, kTeeth);
    });

    BeginDetails(d, DetailStep::Rating);
    if (rpm > p.toothLoadCoefficients[6])
        d.message("Pulley speed is too high! Reduction in belt life is expected", kWarningTitle,
                  MsgIcon::Question);

    double P = TimingSpecificLoad(p, n);
    Record(d, DetailStep::Rating, [&] { return ToothLoadEntry(p, n, rpm, P); });

    p.teethInMesh = std::min(p.teethInMesh, TeethInMeshCap(p));
    Record(d, DetailStep::TeethInMesh, [&] {
        DetailEntry e;
        e.what = "Teeth in mesh counted for the rating";
        e.formula = "zm = min(zm, cap)";
        return e.in("zm", mesh, kTeeth)
            .from(TeethInMeshCapSource(p))
            .is("zm", p.teethInMesh, kTeeth)
            .stores("teethInMesh");
    });
    // No tooth in mesh or a speed beyond the rating curve leaves nothing to size with.
    if (p.teethInMesh < 1 || !(P > 0) || !std::isfinite(P)) {
        RefuseInputData(p, d);
        return;
    }
    const double F = p.peripheralForce;
    const double teeth = p.teethInMesh;

    double pull = 0;  // SELKIRA: pull the chosen width must carry
    BeginDetails(d, DetailStep::Width);
    if (IsOpenEnd(p)) {
        // The peripheral force of a linear drive already holds the carriage
        // acceleration; no pulley inertia is added.
        p.maxEffectivePull = F;
        p.serviceFactor = p.loadFactorSecond;
        p.beltWidthCalculated = p.serviceFactor * p.maxEffectivePull / (teeth * P);
        pull = ((Int(p.maxEffectivePull / 10.0) + 1.0) * 10.0 + p.maxEffectivePull) * p.loadFactorSecond;
        Record(d, DetailStep::ApplicationData, [&] {
            DetailEntry e;
            e.what = "Total service factor";
            e.formula = "S = load factor of the operating conditions";
            return e.from("step 1: load factor by operating conditions")
                .is("S", p.serviceFactor, kNone)
                .stores("serviceFactor");
        });
        Record(d, DetailStep::Width, [&] {
            DetailEntry e;
            e.what = "Max. effective pull";
            e.formula = "Fe = F";
            return e.in("F", F, kForce).is("Fe", p.maxEffectivePull, kForce).stores("maxEffectivePull");
        });
        Record(d, DetailStep::Width, [&] {
            DetailEntry e;
            e.what = "Belt width calculated";
            e.formula = "wc = S Fe / (zm Pt)";
            return e.in("S", p.serviceFactor, kNone)
                .in("Fe", p.maxEffectivePull, kForce)
                .in("zm", teeth, kTeeth)
                .in("Pt", P, kNewtonPerCm)
                .is("wc", p.beltWidthCalculated, kLength)
                .stores("beltWidthCalculated");
        });
        Record(d, DetailStep::Width, [&] {
            DetailEntry e;
            e.what = "Max. pull force the width must carry";
            e.formula = "Fw = ((Int(Fe / 10 N) + 1) 10 N + Fe) S";
            return e.in("Fe", p.maxEffectivePull, kForce).in("S", p.loadFactorSecond, kNone).is("Fw", pull, kForce);
        });
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
        Record(d, DetailStep::ApplicationData, [&] {
            DetailEntry e;
            e.what = "Speed ratio addition to the service factor";
            e.formula = "a = 0.1 above i 1.24, 0.2 above 1.74, 0.3 above 2.49, 0.4 above 3.5";
            return e.in("i", imax, kNone).is("a", a, kNone);
        });
        Record(d, DetailStep::ApplicationData, [&] {
            DetailEntry e;
            e.what = "Total service factor";
            e.formula = "S = a + LF + LT";
            return e.in("a", a, kNone)
                .in("LF", p.loadFactor, kNone)
                .in("LT", p.loadFactorSecond, kNone)
                .from("step 1: load factor LF of the driven machine and driver class, LT of the operation time")
                .is("S", p.serviceFactor, kNone)
                .stores("serviceFactor");
        });

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
        const bool widthFits = BeltFamilyTraitsOf(p.beltFamily).widthFits;
        // The RUBBER width fits take a width factor x and give the width in mm.
        auto recordFit = [&](const char* formula, double x, double f) {
            Record(d, DetailStep::Width, [&] {
                DetailEntry e;
                e.what = "Width factor of the RUBBER width fit";
                e.formula = f > 0 ? "x = S F / (kz Pt) / fL   (kz: 0.2 up to 2 teeth in mesh ... 1 from 6)"
                                  : "x = S F / (kz Pt)   (kz: 0.2 up to 2 teeth in mesh ... 1 from 6)";
                e.in("S", sf, kNone).in("F", F, kForce).in("kz", kz, kNone).in("Pt", P, kNewtonPerCm);
                if (f > 0) e.in("fL", f, kNone).from("length factor fL of the belt length");
                return e.is("x", x, kNone);
            });
            Record(d, DetailStep::Width, [&] {
                DetailEntry e;
                e.what = "Belt width calculated";
                e.formula = formula;
                return e.in("x", x, kNone)
                    .from(p.beltName + " width fit")
                    .is("wc", p.beltWidthCalculated, kLength)
                    .stores("beltWidthCalculated");
            });
            Record(d, DetailStep::Rating, [&] {
                DetailEntry e;
                e.what = "Specific tooth load of the fitted width";
                e.formula = "Pt = S F / (zm wc)";
                return e.in("S", sf, kNone)
                    .in("F", F, kForce)
                    .in("zm", teeth, kTeeth)
                    .in("wc", p.beltWidthCalculated, kLength)
                    .is("Pt", P, kNewtonPerCm);
            });
        };
        if (widthFits && IsInchProfile(code)) {
            const double x = sf * F / (kz * P);
            const double mm = RubberInchWidthMm(x);
            if (!(mm > 0) || !(RubberInchWidthSlope(x) > 0)) {
                d.message(kAvailableTooSmall, kWarningTitle, MsgIcon::Warning);
                p.calcState = 1;
                return;
            }
            p.beltWidthCalculated = mm / 1000.0;
            P = sf * F / (teeth * p.beltWidthCalculated);
            recordFit("wc = 0.0806 x^3 - 0.0023 x^4 - 1.1321 x^2 + 24.526 x + 1.9607 (mm)", x, 0);
        } else if (widthFits && (code == "QVP5" || code == "QVP8" || code == "QVP14")) {
            const double f = RubberQvpLengthFactor(code, p.beltLength);
            const double x = sf * F / (kz * P) / f;
            double mm = 0;
            const char* fit = "";
            if (code == "QVP5") {
                mm = 6.4388 * x + 2.5728;
                fit = "wc = 6.4388 x + 2.5728 (mm)";
            } else if (code == "QVP8") {
                mm = 17.254 * x + 2.7172;
                fit = "wc = 17.254 x + 2.7172 (mm)";
            } else {
                mm = 34.028 * x + 5.9672;
                fit = "wc = 34.028 x + 5.9672 (mm)";
            }
            p.beltWidthCalculated = mm / 1000.0;
            P = sf * F / (teeth * p.beltWidthCalculated);
            recordFit(fit, x, f);
        } else {
            p.beltWidthCalculated = sf * F / (teeth * P);
            Record(d, DetailStep::Width, [&] {
                DetailEntry e;
                e.what = "Belt width calculated";
                e.formula = "wc = S F / (zm Pt)";
                return e.in("S", sf, kNone)
                    .in("F", F, kForce)
                    .in("zm", teeth, kTeeth)
                    .in("Pt", P, kNewtonPerCm)
                    .is("wc", p.beltWidthCalculated, kLength)
                    .stores("beltWidthCalculated");
            });
        }
    }
    if (!std::isfinite(p.beltWidthCalculated) || !std::isfinite(P)) {
        RefuseInputData(p, d);
        return;
    }

    // Width proposal.
    const int last = LastWidthIndex(p);
    // Beyond the widest standard width: the next 5 mm step, as the code
    // writes it (an inch belt's code has hundredths of an inch).
    if (StandardWidth(p, last) < p.beltWidthCalculated)
        p.beltWidth = CodedBeltWidth(p, Int(p.beltWidthCalculated * 200.0) / 200.0 + 0.005);
    if (p.beltWidthCalculated > p.maxBeltWidth) {
        d.message(kAvailableTooSmall, kWarningTitle, MsgIcon::Warning);
        p.calcState = 1;
        return;
    }
    int standard = -1;
    for (int i = 0; i <= last; ++i) {
        if (StandardWidth(p, i) < p.beltWidthCalculated) continue;
        if (IsOpenEnd(p)) {
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
    if (standard < 0 && IsOpenEnd(p) && StandardWidth(p, last) >= p.beltWidthCalculated) {
        // Wide enough, but no width of the table carries the pull, and an
        // open-end belt is not made wider than its widest standard width.
        d.message(kAvailableTooSmall, kWarningTitle, MsgIcon::Warning);
        p.calcState = 1;
        return;
    }
    Record(d, DetailStep::Width, [&] {
        DetailEntry e;
        if (standard >= 0) {
            e.what = "Standard belt width proposed";
            e.formula = IsOpenEnd(p) ? "the first standard width w >= wc whose admissible pull exceeds Fw"
                                     : "the first standard width w >= wc";
            e.in("wc", p.beltWidthCalculated, kLength);
            if (IsOpenEnd(p)) e.in("Fw", pull, kForce);
            e.from(p.beltName + " standard widths, row " + std::to_string(standard + 1) + " of " +
                   std::to_string(last + 1));
        } else {
            e.what = "Recommended belt width (wider than the widest standard width)";
            e.formula = "w = Int(wc / 5 mm) 5 mm + 5 mm, up to the width the code writes";
            e.in("wc", p.beltWidthCalculated, kLength);
        }
        return e.is("w", p.beltWidth, kLength);
    });

    // Width input box.
    const double factor = CurrentFactor(p, kLength);
    const std::string unit = CurrentLabel(p, kLength);
    const std::string shown = Format(p.beltWidth / factor, "###0.00");
    const std::string label = standard >= 0 ? "Standard belt width is " : "Recommended belt width is ";
    const std::string prompt =
        label + shown + " " + unit + "\r\r" + "Click OK to keep this width or enter another width " + unit;
    const std::optional<double> answer =
        AskBeltWidth(p, d, prompt, p.beltName + kWidthTitleSuffix, shown, factor);
    if (!answer) {
        p.calcState = 1;
        return;
    }
    const bool kept = std::abs(*answer - p.beltWidth) <= kSameWidth;
    if (!kept && CodedBeltWidth(p, *answer) > p.maxBeltWidth) {
        d.message(kNotAvailable, kWarningTitle, MsgIcon::Warning);
        p.calcState = 1;
        return;
    }
    const double value = kept ? *answer : ToCodedWidth(p, d, *answer);

    std::string faceSource;
    if (std::abs(value - p.beltWidth) <= kSameWidth) {
        if (standard >= 0) {
            p.pulleyFaceWidth = p.widthTableA[static_cast<std::size_t>(standard)] / 1000.0;
            faceSource = p.beltName + " pulley face widths, row " + std::to_string(standard + 1);
            if (IsOpenEnd(p)) SetSelkiraLoads(p, standard);
        } else {
            p.pulleyFaceWidth = FaceWidthForOwnWidth(p.beltWidth);
            if (IsOpenEnd(p)) SetSelkiraLoads(p, -1);
        }
    } else {
        if (value < p.beltWidthCalculated) d.message(kTooSmall, kWarningTitle, MsgIcon::Warning);
        p.beltWidth = value;
        p.pulleyFaceWidth = FaceWidthForOwnWidth(value);
        // The loads shown and used later must belong to this width: those of
        // the table when it is a standard width, none otherwise.
        if (IsOpenEnd(p)) SetSelkiraLoads(p, StandardWidthIndex(p, value));
    }
    p.powerRatingWithWidth = p.beltSpeed * P * teeth * p.beltWidth;
    RecordChosenWidth(p, d, faceSource);
    Record(d, DetailStep::WidthChosen, [&] {
        DetailEntry e;
        e.what = "Power rating with the belt width";
        e.formula = "Pr = v Pt zm w";
        return e.in("v", p.beltSpeed, kVelocity)
            .in("Pt", P, kNewtonPerCm)
            .in("zm", teeth, kTeeth)
            .in("w", p.beltWidth, kLength)
            .is("Pr", p.powerRatingWithWidth, kPower)
            .stores("powerRatingWithWidth");
    });
    RecordSafety(p, d);
}

// The rating of a multi-rib or flat belt per rib or per cm of width (W) at
// belt speed v (m/s) on a pulley of diameter dia (m): the rating table
// interpolated in speed (rows lo and hi; below 2 m/s the first interval,
// beyond the last row the last one extrapolated), then between the columns
// of 25 mm and of the reference diameter.
struct RibFlatRatingAtSpeed {
    bool known = false;
    std::size_t lo = 0, hi = 0;
    double P1 = 0, P2 = 0, P = 0;
};
RibFlatRatingAtSpeed RibFlatRatingAt(const DriveProject& p, double v, double dia) {
    RibFlatRatingAtSpeed r;
    const auto& t = p.ribFlatRatingTable;
    int i = 13;
    for (int j = 0; j <= 12; ++j) {
        if (t[static_cast<std::size_t>(j)][0] > v) {
            i = j;
            break;
        }
    }
    i = std::max(i, 1);
    r.hi = static_cast<std::size_t>(i);
    r.lo = r.hi - 1;
    const double span = t[r.hi][0] - t[r.lo][0];
    if (!(span > 0) || !std::isfinite(v)) return r;
    const double u = (v - t[r.lo][0]) / span;
    r.P1 = t[r.lo][1] + u * (t[r.hi][1] - t[r.lo][1]);
    r.P2 = t[r.lo][2] + u * (t[r.hi][2] - t[r.lo][2]);
    const double dref = BeltFamilyTraitsOf(p.beltFamily).ratingReferenceDiameter;
    r.P = r.P1 + (r.P2 - r.P1) * (dia - 0.025) / (dref - 0.025);
    r.known = true;
    return r;
}

void SizeRibOrFlatBelt(DriveProject& p, Dialogs& d) {
    using namespace detail_units;
    const bool quindel = IsMultiRibBelt(p);
    const bool rated = p.ribFlatRatingTable[0][0] != kNoRatingData;
    const double factor = CurrentFactor(p, kLength);
    const std::string unit = CurrentLabel(p, kLength);

    double P = 0;
    BeginDetails(d, DetailStep::Rating);
    if (rated) {
        const double v = p.beltSpeed;
        const auto k = static_cast<std::size_t>(FindSmallestPulley(p));
        const double dia = p.pulleyDiameter[k];
        const RibFlatRatingAtSpeed r = RibFlatRatingAt(p, v, dia);
        if (!r.known) {
            RefuseInputData(p, d);
            return;
        }
        P = r.P;
        const auto& t = p.ribFlatRatingTable;
        const DetailUnit perWidth = quindel ? kWattPerRib : kWattPerCm;
        // The table gives W per cm; the entries show it as it is.
        const double toSi = quindel ? 1.0 : 100.0;
        Record(d, DetailStep::Rating, [&] {
            DetailEntry e;
            e.what = "Rating at the belt speed, on 25 mm and on the reference pulley";
            e.formula = "Pw1, Pw2 interpolated in v between the rows";
            return e.in("v", v, kVelocity)
                .in("v lo", t[r.lo][0], kVelocity)
                .in("v hi", t[r.hi][0], kVelocity)
                .in("Pw1 lo", t[r.lo][1] * toSi, perWidth)
                .in("Pw1 hi", t[r.hi][1] * toSi, perWidth)
                .in("Pw2 lo", t[r.lo][2] * toSi, perWidth)
                .in("Pw2 hi", t[r.hi][2] * toSi, perWidth)
                .from(p.beltName + " rating table, rows " + std::to_string(r.lo + 1) + " and " +
                      std::to_string(r.hi + 1) + ", interpolated")
                .is("Pw1", r.P1 * toSi, perWidth);
        });
        Record(d, DetailStep::Rating, [&] {
            DetailEntry e;
            e.what = "Rating on the smallest pulley, the " + GetPulleyLabel(p, static_cast<int>(k));
            e.formula = quindel ? "Pw = Pw1 + (Pw2 - Pw1) (d - 25 mm) / (75 mm - 25 mm)"
                                : "Pw = Pw1 + (Pw2 - Pw1) (d - 25 mm) / (100 mm - 25 mm)";
            return e.in("Pw1", r.P1 * toSi, perWidth)
                .in("Pw2", r.P2 * toSi, perWidth)
                .in("d", dia, kLength)
                .is("Pw", r.P * toSi, perWidth);
        });
        const double arc = p.pulleyArcOfContact[k] * 180.0 / kPi;
        const double af = ArcOfContactFactor(arc);
        Record(d, DetailStep::Rating, [&] {
            DetailEntry e;
            e.what = "Arc factor of the smallest pulley";
            e.formula = "0.61 up to 100 degrees ... 1.00 above 180 ... 1.18 above 240";
            return e.in("b", p.pulleyArcOfContact[k], kDegrees).from("arc of contact factors").is("fb", af, kNone);
        });

        // The duty factor raises the load to be carried; the arc factor
        // lowers what the belt carries on a small wrap (and raises it above
        // 180 degrees), so it divides. FENDARO flat belts carry 1.15 more.
        if (!(p.loadFactorSecond > 0) || !(P > 0)) {
            RefuseInputData(p, d);
            return;
        }
        if (!quindel) P *= 100.0;  // W per m of width
        const double duty = quindel ? p.loadFactorSecond : 1.15 * p.loadFactorSecond;
        p.serviceFactor = static_cast<float>(duty / af);
        Record(d, DetailStep::ApplicationData, [&] {
            DetailEntry e;
            e.what = "Total service factor";
            e.formula = quindel ? "S = SD / fb" : "S = 1.15 SD / fb";
            return e.in("SD", p.loadFactorSecond, kNone)
                .in("fb", af, kNone)
                .from("step 1: service factor SD by duty")
                .is("S", p.serviceFactor, kNone)
                .stores("serviceFactor");
        });
        BeginDetails(d, DetailStep::Width);
        p.beltWidthCalculated = p.serviceFactor * p.power / P;
        if (!std::isfinite(p.beltWidthCalculated)) {
            RefuseInputData(p, d);
            return;
        }
        if (quindel)
            p.beltWidth = std::max(Int(p.beltWidthCalculated) + 1.0, 3.0);
        else
            p.beltWidth = Int(p.beltWidthCalculated * 1000.0 + 1.0) / 1000.0;
        Record(d, DetailStep::Width, [&] {
            DetailEntry e;
            e.what = quindel ? "Ribs calculated" : "Belt width calculated";
            e.formula = "wc = S P / Pw";
            return e.in("S", p.serviceFactor, kNone)
                .in("P", p.power, kPower)
                .in("Pw", P, quindel ? kWattPerRib : kWattPerCm)
                .is("wc", p.beltWidthCalculated, quindel ? kRibs : kLength)
                .stores("beltWidthCalculated");
        });
        Record(d, DetailStep::Width, [&] {
            DetailEntry e;
            e.what = "Belt width proposed";
            e.formula = quindel ? "w = Int(wc) + 1, at least 3 ribs" : "w = the next whole mm above wc";
            return e.in("wc", p.beltWidthCalculated, quindel ? kRibs : kLength)
                .is("w", p.beltWidth, quindel ? kRibs : kLength);
        });
        // A width beyond the limit is made by nobody, and the box would not
        // take it back either.
        if (p.beltWidth > WidthLimit(p)) {
            d.message(kAvailableTooSmall, kWarningTitle, MsgIcon::Warning);
            p.calcState = 1;
            return;
        }
    } else {
        BeginDetails(d, DetailStep::Width);
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
    const bool kept = std::abs(*answer - p.beltWidth) <= kSameWidth;
    const double value = kept ? *answer : ToCodedWidth(p, d, *answer);
    if (rated && value < p.beltWidthCalculated) d.message(kTooSmall, kWarningTitle, MsgIcon::Warning);

    p.beltWidth = value;
    p.powerRatingWithWidth = p.beltWidth * P;
    p.pulleyFaceWidth = FaceWidthRibFlat(p);
    RecordChosenWidth(p, d, {});
    if (!rated) return;
    Record(d, DetailStep::WidthChosen, [&] {
        DetailEntry e;
        e.what = "Power rating with the belt width";
        e.formula = "Pr = w Pw";
        return e.in("w", p.beltWidth, quindel ? kRibs : kLength)
            .in("Pw", P, quindel ? kWattPerRib : kWattPerCm)
            .is("Pr", p.powerRatingWithWidth, kPower)
            .stores("powerRatingWithWidth");
    });
    RecordSafety(p, d);
}

}  // namespace

RatingChart BuildRatingChart(const DriveProject& p) {
    RatingChart c;
    c.power = p.power;
    c.servicePower = static_cast<double>(p.serviceFactor) * p.power;
    c.rating = p.powerRatingWithWidth;
    const auto k = static_cast<std::size_t>(FindSmallestPulley(p));
    if (!(p.powerRatingWithWidth > 0) || !std::isfinite(p.powerRatingWithWidth)) return c;
    // The shape is the catalogue's rating over speed, scaled through the
    // rating of the design at its own speed, so that the curve passes
    // through the very value the results show (the RUBBER width fits rate
    // the belt with a load of their own).
    if (IsRibOrFlat(p)) {
        if (p.ribFlatRatingTable[0][0] == kNoRatingData) return c;
        const double dia = p.pulleyDiameter[k];
        const RibFlatRatingAtSpeed at = RibFlatRatingAt(p, p.beltSpeed, dia);
        if (!at.known || !(at.P > 0)) return c;
        c.speedIsRpm = false;
        c.operatingSpeed = p.beltSpeed;
        const double top = p.ribFlatRatingTable[13][0];
        for (int i = 0; i <= 60; ++i) {
            const double v = top * i / 60.0;
            const RibFlatRatingAtSpeed r = RibFlatRatingAt(p, v, dia);
            if (r.known) c.curve.emplace_back(v, std::max(0.0, p.powerRatingWithWidth * r.P / at.P));
        }
    } else {
        const double n0 = p.pulleySpeed[k];
        const double at = n0 * TimingSpecificLoad(p, n0);
        if (!(at > 0) || !std::isfinite(at)) return c;
        c.speedIsRpm = true;
        c.operatingSpeed = n0;
        const double top = std::max(p.toothLoadCoefficients[6], n0 * 30.0 / kPi) * kPi / 30.0;
        for (int i = 0; i <= 60; ++i) {
            const double n = top * i / 60.0;
            const double P = TimingSpecificLoad(p, n);
            c.curve.emplace_back(n, std::max(0.0, p.powerRatingWithWidth * n * P / at));
        }
    }
    // The design's own point lies on the curve.
    c.curve.emplace_back(c.operatingSpeed, p.powerRatingWithWidth);
    std::sort(c.curve.begin(), c.curve.end());
    c.present = true;
    return c;
}

bool IsStandardBeltWidth(const DriveProject& p, double width) {
    return StandardWidthIndex(p, width) >= 0;
}

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
    if (IsFlatBelt(p)) return items;
    if (IsMultiRibBelt(p)) {
        for (int ribs = 1; ribs <= 10; ++ribs) items.push_back(Format(ribs, "####0") + " ribs");
        return items;
    }
    const std::string unit = CurrentLabel(p, kLength);
    for (int i = 0; i <= LastWidthIndex(p); ++i)
        items.push_back(Format(ToDisplay(p, kLength, StandardWidth(p, i)), "###0.00") + " " + unit);
    return items;
}

bool ChangeBeltWidth(DriveProject& p, Dialogs& d, std::string_view text) {
    const bool quindel = IsMultiRibBelt(p);
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
    if (CodedBeltWidth(p, value) > p.maxBeltWidth && !IsRibOrFlat(p)) {
        d.message(kTooLarge, kWarningTitle, MsgIcon::Warning);
        return false;
    }
    if (RefuseWidthBeyondLimit(p, d, value)) return false;
    // The rating scales with the width; from no width there is nothing to scale.
    if (!(p.beltWidth > 0) || !std::isfinite(p.beltWidth)) {
        d.message("Error in input data", "I can't proceed", MsgIcon::Warning);
        return false;
    }
    // From here the width is taken: its details replace those of the old one.
    BeginDetails(d, DetailStep::WidthChosen);
    value = ToCodedWidth(p, d, value);
    // Narrower than the design needs: said as the width question says it,
    // and taken all the same.
    const bool rated = !(IsFlatBelt(p) && p.ribFlatRatingTable[0][0] == kNoRatingData);
    if (rated && value < p.beltWidthCalculated) d.message(kTooSmall, kWarningTitle, MsgIcon::Warning);

    const double before = p.beltWidth;
    const double ratingBefore = p.powerRatingWithWidth;
    p.powerRatingWithWidth = p.powerRatingWithWidth * value / p.beltWidth;
    p.beltWidth = value;

    const FaceWidthRule faceRule = BeltFamilyTraitsOf(p.beltFamily).faceWidth;
    if (faceRule == FaceWidthRule::StandardOrOwnWidth) {
        const int i = StandardWidthIndex(p, value);
        p.pulleyFaceWidth =
            i >= 0 ? p.widthTableA[static_cast<std::size_t>(i)] / 1000.0 : FaceWidthForOwnWidth(value);
    } else if (faceRule == FaceWidthRule::NextStandardWidth) {
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
        p.pulleyFaceWidth = FaceWidthRibFlat(p);
    }

    std::string faceSource;
    const int standard = StandardWidthIndex(p, p.beltWidth);
    if (!IsRibOrFlat(p) && p.pulleyFaceWidth != FaceWidthForOwnWidth(p.beltWidth))
        faceSource = p.beltName + " pulley face widths, row " +
                     std::to_string((standard >= 0 ? standard : LastWidthIndex(p)) + 1);
    RecordChosenWidth(p, d, faceSource);
    Record(d, DetailStep::WidthChosen, [&] {
        using namespace detail_units;
        const DetailUnit unit = IsMultiRibBelt(p) ? kRibs : kLength;
        DetailEntry e;
        e.what = "Power rating with the belt width changed on the results page";
        e.formula = "Pr = Pr0 w / w0";
        return e.in("Pr0", ratingBefore, kPower)
            .in("w", p.beltWidth, unit)
            .in("w0", before, unit)
            .is("Pr", p.powerRatingWithWidth, kPower)
            .stores("powerRatingWithWidth");
    });
    RecordSafety(p, d);
    BuildBeltCode(p);
    RecordBeltCode(p, d);
    return true;
}

}  // namespace belt
