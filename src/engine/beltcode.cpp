#include "engine/beltcode.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "catalogue/beltids.h"
#include "catalogue/belttraits.h"
#include "engine/details.h"
#include "units/units.h"

namespace belt {

namespace {

// "whole": rounded half to even, written without blanks.
std::string Whole(double x) {
    if (!std::isfinite(x)) return "0";
    const double r = std::nearbyint(x);
    constexpr double kMax = 9.0e15;
    return std::to_string(static_cast<long long>(std::clamp(r, -kMax, kMax)));
}

// The old runtime's Str of a number: a leading blank for positive values,
// no trailing zeros.
std::string Str(double x) {
    if (!std::isfinite(x)) x = 0;
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.15g", x);
    std::string s = buf;
    return x < 0 ? s : " " + s;
}

bool StartsWith(const std::string& s, std::string_view prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

// Metric profiles: T, AT, MXL, QXD and QVP (by their first letter).
bool IsMetricProfile(const std::string& code) {
    return !code.empty() && (code[0] == 'T' || code[0] == 'A' || code[0] == 'M' || code[0] == 'Q');
}

std::string MetricWidth(double widthM) {
    return Format(widthM * 1000.0, "####0");
}
std::string InchWidth(double widthM) {
    return Format(widthM / 0.000254, "000");
}

// Open-end belts write the curvilinear profiles without their "QXD".
std::string OpenEndProfilePart(const std::string& code) {
    return StartsWith(code, "QXD") ? code.substr(3) : code;
}

std::string TimingBeltCode(const DriveProject& p) {
    const std::string& code = p.beltPitchCode;
    const double lengthMm = p.beltLength * 1000.0;
    std::string out;
    if (IsInchProfile(code) || code == "MXL") {
        const double teeth = p.beltPitch > 0 ? std::nearbyint(p.beltLength / p.beltPitch) : 0;
        if (code == "MXL") {
            out = "80" + Whole(teeth) + " MXL " + InchWidth(p.beltWidth);
        } else {
            double lengthCode = teeth;
            if (code == "XL")
                lengthCode = teeth * 2;
            else if (code == "L")
                lengthCode = teeth * 3.749;
            else if (code == "H")
                lengthCode = teeth * 5;
            else if (code == "XH")
                lengthCode = teeth * 8.75;
            out = Whole(lengthCode) + " " + code + " " + InchWidth(p.beltWidth);
        }
    } else {
        out = MetricWidth(p.beltWidth) + " " + code + "-" + Whole(lengthMm);
    }
    if (p.beltSideSuffix == "DT")
        out = "DT " + out;
    else if (p.beltSideSuffix == "DD" || p.beltSideSuffix == "DL")
        out += p.beltSideSuffix;
    return out;
}

}  // namespace

CodeWidthStep CodeWidthStepOf(const DriveProject& p) {
    const std::string& code = p.beltPitchCode;
    const BeltFamilyTraits& family = BeltFamilyTraitsOf(p.beltFamily);
    if (family.kind == BeltKind::MultiRib) return {1, "whole ribs"};
    if (family.kind == BeltKind::Flat) return {};
    const bool inch = family.linearDrive ? !IsMetricProfile(code) : IsInchProfile(code) || code == "MXL";
    if (inch) return {0.000254, "hundredths of an inch"};
    return {};
}

double CodedBeltWidth(const DriveProject& p, double width) {
    const double step = CodeWidthStepOf(p).step;
    const double steps = std::ceil(width / step - 1e-6);
    // A standard width is kept to the last digit, not remade from its steps.
    return std::abs(steps * step - width) <= 1e-6 * step ? width : steps * step;
}

void RecordBeltCode(const DriveProject& p, Dialogs& d) {
    using namespace detail_units;
    const bool quindel = IsMultiRibBelt(p);
    Record(d, DetailStep::BeltCode, [&] {
        DetailEntry e;
        e.what = "Belt code";
        if (quindel)
            e.formula = "length (mm), profile, ribs";
        else if (IsFlatBelt(p))
            e.formula = "length (mm), profile, width (mm)";
        else if (IsInchProfile(p.beltPitchCode) || p.beltPitchCode == "MXL")
            e.formula = "length code of the teeth, profile, width in hundredths of an inch";
        else
            e.formula = "width (mm), profile, length (mm)";
        return e.in("w", p.beltWidth, quindel ? kRibs : kLength)
            .in("L", p.beltLength, kLength)
            .isText("", p.beltCode)
            .stores("beltCode");
    });
    if (!p.beltCodeDetail.empty())
        Record(d, DetailStep::BeltCode, [&] {
            DetailEntry e;
            e.what = "Pulley designation";
            e.formula = "face width, profile";
            return e.in("B", p.pulleyFaceWidth, kLength).isText("", p.beltCodeDetail).stores("beltCodeDetail");
        });
}

int BeltKindCode(const DriveProject& p) {
    if (IsFlatBelt(p)) return 2;
    if (IsMultiRibBelt(p)) return 1;
    return 0;
}

int ProfileDrawingCode(const DriveProject& p) {
    const std::string& type = p.beltType;
    const std::string& code = p.beltPitchCode;
    const bool sided = !p.beltSideSuffix.empty();
    if (IsFlatBelt(p)) return 12;
    if (type == "QUINDEL H") return 11;
    if (type == "QUINDEL J") return 10;
    if (type == "QUINDEL ZB2") return 9;
    if (StartsWith(code, "QVP")) return sided ? 8 : 7;
    if (StartsWith(code, "QXD")) return 6;
    if (type == "RUBBER I") return sided ? 5 : 4;
    if (type == "SELKIRA I" || type == "ORVANTO I" || type == "TAVOREN I") return 3;
    if (type == "SELKIRA AT" || type == "ORVANTO AT" || type == "TAVOREN AT") return 2;
    if (type == "ORVANTO T" && sided) return 1;
    if (type == "SELKIRA T" || type == "ORVANTO T" || type == "TAVOREN T") return 0;
    return p.profileDrawingCode;
}

void BuildBeltCode(DriveProject& p) {
    const std::string& code = p.beltPitchCode;
    const double lengthMm = p.beltLength * 1000.0;
    const BeltFamilyTraits& family = BeltFamilyTraitsOf(p.beltFamily);
    // Open-end belts are ordered by width, profile and length.
    const bool openEnd = family.linearDrive;

    if (family.kind == BeltKind::MultiRib) {
        p.beltCode = Whole(lengthMm) + "  " + code + " " + Str(p.beltWidth);
    } else if (family.kind == BeltKind::Flat) {
        p.beltCode = Whole(lengthMm) + "  " + code + " " + MetricWidth(p.beltWidth);
    } else if (openEnd) {
        const std::string width = IsMetricProfile(code) ? MetricWidth(p.beltWidth) : InchWidth(p.beltWidth);
        p.beltCode = width + " " + OpenEndProfilePart(code) + " - " + Format(lengthMm, "####0");
        if (p.linearDriveType == 2) p.beltCode += " - J";
    } else {
        p.beltCode = TimingBeltCode(p);
    }

    std::string profilePart;
    if (openEnd)
        profilePart = OpenEndProfilePart(code);
    else if (family.kind == BeltKind::Toothed)
        profilePart = code;
    const std::string face = IsInchProfile(code) && BeltKindCode(p) == 0 ? InchWidth(p.pulleyFaceWidth)
                                                                         : MetricWidth(p.pulleyFaceWidth);
    // A multi-rib pulley has no face width to write.
    p.beltCodeDetail = family.kind == BeltKind::MultiRib ? std::string() : face + " " + profilePart + " ";

    p.beltKindCode = BeltKindCode(p);
    p.profileDrawingCode = ProfileDrawingCode(p);
}

}  // namespace belt
