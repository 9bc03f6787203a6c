#include "engine/beltpaths.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "catalogue/beltids.h"
#include "catalogue/belttraits.h"
#include "engine/layout.h"

namespace belt {

namespace {

int PulleyCountOf(const DriveProject& p) {
    return std::clamp(p.pulleyCount, 0, 4);
}
bool IsIdler(const DriveProject& p, int k) {
    return p.pulleyIsIdler[k] != 0;
}

void SayNotPossible(Dialogs& d) {
    d.message("This configuration is not possible !!! Change pulleys layout!", "I can't proceed",
              MsgIcon::Warning);
}

struct Pt {
    double x, y;
};

// End points ordered by X, by Y when the X values tie.
void Ordered(Pt a, Pt b, Pt& first, Pt& second) {
    const bool swap = std::abs(a.x - b.x) < 1e-16 ? a.y > b.y : a.x > b.x;
    first = swap ? b : a;
    second = swap ? a : b;
}

// The last two characters of a name, where the double-sided suffix sits.
std::string Right2(const std::string& s) {
    return s.size() < 2 ? s : s.substr(s.size() - 2);
}

}  // namespace

void SetIdlerDiameters(DriveProject& p) {
    bool changed = false;
    for (int k = 2; k <= PulleyCountOf(p); ++k) {
        if (p.screen.idlerDiameterTyped[k] || !IsIdler(p, k)) continue;
        p.pulleyDiameter[k] = p.pulleyBeltSide[k] != 0 ? p.minIdlerDiameterInside : p.minIdlerDiameterOutside;
        changed = true;
    }
    if (changed) ComputeBeltPaths(p);
}

void CheckBeltSides(DriveProject& p) {
    p.pulleyBeltSide[1] = 1;
    if (IsOmegaDrive(p)) {
        // The run from the clamps wraps both upper pulleys with the back of
        // the belt, idlers included.
        p.pulleyBeltSide[2] = 0;
        p.pulleyBeltSide[3] = 0;
        if (!IsIdler(p, 2) || !IsIdler(p, 3)) p.beltSideSuffix = p.beltSuffixAvailable;
        return;
    }
    const Arr<int, 5>* current = CurrentPathRow(p);
    if (!current) return;
    const Arr<int, 5>& row = *current;
    const int n = PulleyCountOf(p);
    for (int i = 1; i < n; ++i) {
        const int j = i + 1;
        const int t = row[i];
        p.pulleyBeltSide[j] = 1;

        Pt p1, p2, c1, c2;
        Ordered({p.tangentPoint[0][t][i][0], p.tangentPoint[1][t][i][0]},
                {p.tangentPoint[0][t][i][1], p.tangentPoint[1][t][i][1]}, p1, p2);
        Ordered({p.pulleyPosition[0][i], p.pulleyPosition[1][i]},
                {p.pulleyPosition[0][j], p.pulleyPosition[1][j]}, c1, c2);

        // A span that crosses the line of centres reaches the next pulley
        // with the other face of the belt.
        const double den = (c2.x - c1.x) * (p2.y - p1.y) - (p2.x - p1.x) * (c2.y - c1.y);
        if (std::abs(den) > 1e-40) {
            const double x = ((c2.x - c1.x) * (p2.y - p1.y) * p1.x - (p2.x - p1.x) * (c2.y - c1.y) * c1.x -
                              (c2.x - c1.x) * (p2.x - p1.x) * (p1.y - c1.y)) /
                             den;
            if (p.pulleyBeltSide[i] == 1 && p1.x < x && x < p2.x) p.pulleyBeltSide[j] = 0;
        }
        if (!IsIdler(p, j) && p.pulleyBeltSide[j] == 0) p.beltSideSuffix = p.beltSuffixAvailable;
    }
}

void DecideDoubleSidedBelt(DriveProject& p, Dialogs& d) {
    const std::string& suffix = p.beltSuffixAvailable;
    if (p.beltSideSuffix == "err") {
        d.message(
            "For this configuration you should use a double sided belt\rGo back and choose a "
            "suitable belt",
            "VESTRANO BELT CALCULATION", MsgIcon::Error);
    } else if (!suffix.empty() && p.beltName.size() >= 2 && Right2(p.beltName) == suffix &&
               p.beltSideSuffix.empty()) {
        p.beltName.resize(p.beltName.size() - 2);
    } else if (!suffix.empty() && p.beltSideSuffix == suffix) {
        const MsgAnswer a = d.message("Do you want to use a double sided belt? ", "VESTRANO BELT CALCULATION",
                                      MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::Yes);
        if (a == MsgAnswer::Yes) {
            // Accepting again on a later path must not double the suffix.
            if (Right2(p.beltName) != suffix) p.beltName += suffix;
        } else {
            p.beltSideSuffix.clear();
        }
    }
}

void NextBeltPath(DriveProject& p, Dialogs& d) {
    p.beltSideSuffix.clear();
    CheckPulleyInterference(p, d);
    if (p.calcState == 1) return;
    auto& table = p.beltPathTable;
    if (table[0][0] == 0) {
        SayNotPossible(d);
        return;
    }
    // After the last path comes the first; so does a path number the layout
    // does not have (a damaged file may hold any).
    table[0][1] = table[0][1] >= 0 && table[0][1] < table[0][0] ? table[0][1] + 1 : 1;

    // The idler diameters follow the belt side of the path shown until now;
    // with new diameters the set of paths may change.
    SetIdlerDiameters(p);
    if (table[0][0] == 0) {
        SayNotPossible(d);
        return;
    }
    if (table[0][1] > table[0][0]) table[0][1] = 1;

    if (!IsFlatBelt(p) && PulleyCountOf(p) > 2) CheckBeltSides(p);

    SetIdlerDiameters(p);
    if (table[0][0] > 0 && table[0][1] > table[0][0]) table[0][1] = 1;

    DecideDoubleSidedBelt(p, d);
}

}  // namespace belt
