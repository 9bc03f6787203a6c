#include "engine/standardlength.h"

#include <algorithm>
#include <cmath>

#include "catalogue/belttraits.h"
#include "catalogue/standardlengths.h"
#include "engine/details.h"
#include "engine/geometry.h"
#include "engine/layout.h"
#include "units/units.h"

namespace belt {

namespace {

// Lengths closer than this to a standard one count as that standard length.
constexpr double kSameLength = 1e-5;
// Beyond this the calculated length comes from a layout that failed.
constexpr double kUnusableLength = 2000000.0;

std::string Mm(double metres) {
    return Format(metres * 1000.0, "####0");
}
std::string MmExact(double metres) {
    return Format(metres * 1000.0, "###0.00");
}

}  // namespace

std::string StandardLengthFirstBoxText(double shorter, double calculated, double longer, double lower,
                                       double upper) {
    std::string t = std::string(40, ' ') + "BELT LENGTH" + "\r\r";
    t += std::string(34, ' ') + "Shorter       Calculated        Longer" + "\r";
    t += "Standard              ";
    if (shorter != 0) t += Mm(shorter) + " mm        ";
    t += MmExact(calculated) + " mm         ";
    if (longer != 0) t += Mm(longer) + " mm";
    t += "\r\r";
    t += "No standard        " + Mm(lower) + " mm        " + MmExact(calculated) + " mm         " +
         Mm(upper) + " mm";
    t += "\r\r";
    t += "Do you want to choose a standard belt ?\r";
    t += "(Click YES for standard belt length, NO for no standard belt length)";
    return t;
}

std::string StandardLengthSecondBoxText(double shorter, double calculated, double longer) {
    std::string t = std::string(30, ' ') + "Shorter       Calculated        Longer" + "\r";
    t += "Belt length        " + Mm(shorter) + " mm        " + MmExact(calculated) + " mm       " +
         Mm(longer) + " mm";
    t += "\r\r";
    t += "Do you want to choose the shorter belt ?\r";
    t += "(Click YES for shorter belt length, NO for longer belt length)";
    return t;
}

void SelectStandardBeltLength(DriveProject& p, Dialogs& d) {
    using namespace detail_units;
    p.calcState = 0;
    BeginDetails(d, DetailStep::StandardLength);
    const double L = p.beltLength;
    // A failed layout leaves an absurd or undefined length behind.
    if (!(L <= kUnusableLength)) {
        p.calcState = 1;
        return;
    }
    const BeltFamilyTraits& family = BeltFamilyTraitsOf(p.beltFamily);
    // Multi-rib and flat belts are made to the whole millimetre.
    const bool ribOrFlat = family.kind != BeltKind::Toothed;
    const bool fromList = family.standardLengths == StandardLengthKind::List;
    const double pitch = p.beltPitch;
    if (!ribOrFlat && !(pitch > 0 && std::isfinite(pitch))) {
        // Without a pitch there are no whole-pitch neighbours to offer.
        d.message("Error in input data", "I can't proceed", MsgIcon::Warning);
        p.calcState = 3;
        return;
    }

    LoadStandardLengths(p);

    double lower = 0;
    double upper = 0;
    if (!ribOrFlat) {
        lower = Int(L / pitch) * pitch;
        upper = lower + pitch;
    } else {
        const double s = std::nearbyint(L * 1000.0) / 1000.0;  // whole mm, halves to even
        if (s > L) {
            upper = s;
            lower = s - 0.001;
        } else {
            lower = s;
            upper = s + 0.001;
        }
    }
    double shorter = lower;
    double longer = upper;

    const int n = std::clamp(p.standardLengths[0], 0, 65);
    auto entry = [&](int j) { return p.standardLengths[static_cast<std::size_t>(j)] * pitch; };
    if (fromList && n >= 1) {
        bool found = false;
        for (int j = 2; j <= n; ++j) {
            if (L < entry(j)) {
                shorter = entry(j - 1);
                longer = entry(j);
                found = true;
                break;
            }
        }
        if (!found && lower > entry(n)) {
            shorter = entry(n);
            longer = 0;
        }
    } else if (family.standardLengths == StandardLengthKind::Range && n >= 2) {
        if (upper < entry(1)) {
            shorter = 0;
            longer = entry(1);
        }
        if (lower > entry(2)) {
            shorter = entry(2);
            longer = 0;
        }
    }

    // The neighbours name where they came from: the catalogue's list, or
    // whole pitches or millimetres (bounded by the range made, if any).
    const bool bounded = family.standardLengths == StandardLengthKind::Range && (shorter == 0 || longer == 0);
    auto recordNeighbours = [&](bool fromTable) {
        for (const bool below : {true, false})
            Record(d, DetailStep::StandardLength, [&] {
                DetailEntry e;
                e.what = below ? "Standard length below the calculated length"
                               : "Standard length above the calculated length";
                if (fromTable)
                    e.formula = below ? "the longest length of the list not above L"
                                      : "the first length of the list above L";
                else
                    e.formula = std::string("the next ") + (ribOrFlat ? "whole millimetre" : "whole pitch") +
                                (below ? " not above L" : " above L") + (bounded ? ", within the lengths made" : "");
                e.in("L", L, kLength);
                if (!ribOrFlat && !fromTable) e.in("p", pitch, kLength);
                if (fromTable) e.from(p.beltName + " standard lengths");
                const double value = below ? shorter : longer;
                const char* symbol = below ? "Ls" : "Ll";
                if (value == 0) return e.isText(symbol, "none");
                return e.is(symbol, value, kLength);
            });
    };
    recordNeighbours(fromList && n >= 1);

    CheckBeltLengthRange(p, d);
    if (p.calcState == 3) return;

    if ((shorter != 0 && std::abs(shorter - L) < kSameLength) ||
        (longer != 0 && std::abs(longer - L) < kSameLength)) {
        p.lastStandardLength = L;
        Record(d, DetailStep::StandardLength, [&] {
            DetailEntry e;
            e.what = "The calculated length is a standard length";
            return e.is("L", L, kLength).stores("beltLength");
        });
        return;
    }

    if (fromList) {
        const MsgAnswer a = d.message(StandardLengthFirstBoxText(shorter, L, longer, lower, upper),
                                      p.beltName, MsgIcon::None, MsgButtons::YesNoCancel, MsgAnswer::Yes);
        if (a == MsgAnswer::Cancel) {
            p.calcState = 2;
            return;
        }
        if (a == MsgAnswer::No) {
            shorter = lower;
            longer = upper;
            recordNeighbours(false);
        }
    }

    double chosen = 0;
    if (shorter == 0 || longer == 0) {
        chosen = shorter == 0 ? longer : shorter;
    } else {
        const MsgAnswer a = d.message(StandardLengthSecondBoxText(shorter, L, longer), p.beltName,
                                      MsgIcon::None, MsgButtons::YesNoCancel, MsgAnswer::Yes);
        if (a == MsgAnswer::Cancel) {
            p.calcState = 2;
            return;
        }
        chosen = a == MsgAnswer::Yes ? shorter : longer;
    }

    p.lastStandardLength = L;
    p.beltLength = chosen;
    Record(d, DetailStep::StandardLength, [&] {
        DetailEntry e;
        e.what = "Belt length chosen";
        e.formula = chosen == shorter ? "L = Ls" : "L = Ll";
        return e.in("Ls", shorter, kLength)
            .in("Ll", longer, kLength)
            .is("L", p.beltLength, kLength)
            .stores("beltLength");
    });

    if (p.pulleyCount == 2) {
        ComputeCentreDistance(p, d, 1);
        if (p.calcState == 1) {
            p.calcState = 2;
            return;
        }
        CheckPulleyInterference(p, d);
        if (p.calcState != 1) {
            p.lastStandardLength = p.beltLength;
            // The arcs of contact must belong to the new centre distance, not
            // to the one of the calculated length; the length itself stays the
            // standard one.
            const double measured = ComputeBeltLength(p);
            Record(d, DetailStep::StandardLength, [&] {
                DetailEntry e;
                e.what = "Centre distance for the belt length chosen";
                e.formula = "Lopen(C) = (pi - 2 phi) r + (pi + 2 phi) R + 2 sqrt(C^2 - q^2) = L, phi = asin(q / C), "
                            "q = R - r, solved for C";
                return e.in("L", p.beltLength, kLength)
                    .in("d1", p.pulleyDiameter[1], kLength)
                    .in("d2", p.pulleyDiameter[2], kLength)
                    .is("C", p.centreDistance, kLength)
                    .stores("centreDistance");
            });
            RecordPulleyPositions(p, d, DetailStep::StandardLength);
            RecordBeltPathDetails(p, d, DetailStep::StandardLength, "Belt length measured at that centre distance",
                                  measured, false);
        }
    } else {
        p.layoutNeedsAdjust = 1;
    }
}

}  // namespace belt
