// Loaders of the standard pulley tables and the lookups of the pulley-data
// screen.
#include "catalogue/pulleytables.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <string_view>

#include "catalogue/beltids.h"
#include "catalogue/belttraits.h"
#include "catalogue/pulleytabledata.h"
#include "units/units.h"

namespace belt {
namespace {

// Tooth dimensions of a profile in mm: body above the teeth, tooth height,
// tooth tip width. Profiles that differ between belt families list the
// families a row applies to; an empty list means every family.
struct ToothDimensionRow {
    PulleyTableId table;
    std::array<std::string_view, 3> families;
    float body;
    float height;
    float tip;
};

using enum PulleyTableId;
constexpr ToothDimensionRow kToothDimensions[] = {
    {T2, {}, 0.6f, 0.7f, 1.0f},
    {T5, {}, 1.0f, 1.2f, 1.8f},
    {T10, {}, 2.0f, 2.5f, 3.5f},
    {T20, {}, 3.0f, 5.0f, 6.5f},
    {AT5, {}, 1.5f, 1.2f, 2.5f},
    {AT10, {}, 2.0f, 2.5f, 5.0f},
    {AT20, {}, 3.0f, 5.0f, 10.0f},
    {MXL, {}, 0.69f, 0.51f, 0.76f},
    {XL, {kOrvanto}, 1.0f, 1.25f, 1.352f},
    {XL, {kSelkira, kTavoren}, 1.03f, 1.27f, 1.37f},
    {XL, {kRubber}, 0.0f, 1.27f, 0.0f},
    {L, {kOrvanto}, 1.65f, 1.9f, 3.25f},
    {L, {kSelkira, kTavoren}, 1.7f, 1.9f, 3.25f},
    {L, {kRubber}, 0.0f, 1.91f, 0.0f},
    {H, {kOrvanto, kSelkira, kTavoren}, 2.01f, 2.29f, 4.43f},
    {H, {kRubber}, 0.0f, 2.29f, 0.0f},
    {XH, {kSelkira, kTavoren}, 4.85f, 6.35f, 7.94f},
    {XH, {kRubber}, 0.0f, 6.22f, 0.0f},
    {QXD5M, {}, 1.5f, 2.1f, 0.0f},
    {QXD8M, {}, 2.2f, 3.4f, 0.0f},
    {QXD14M, {}, 3.9f, 6.1f, 0.0f},
    {QVP5, {kSelkira, kTavoren}, 1.8f, 2.0f, 0.0f},
    {QVP5, {kRubber}, 0.0f, 2.0f, 0.0f},
    {QVP8, {kSelkira, kTavoren}, 2.2f, 3.2f, 0.0f},
    {QVP8, {kRubber}, 0.0f, 3.2f, 0.0f},
    {QVP8RUBBER, {kSelkira, kTavoren}, 2.2f, 3.2f, 0.0f},
    {QVP8RUBBER, {kRubber}, 0.0f, 3.2f, 0.0f},
    {QVP8HP, {}, 2.2f, 3.2f, 0.0f},
    {QVP14, {kSelkira, kTavoren}, 4.0f, 6.0f, 0.0f},
    {QVP14, {kRubber}, 0.0f, 6.0f, 0.0f},
    {QVP14RUBBER, {kSelkira, kTavoren}, 4.0f, 6.0f, 0.0f},
    {QVP14RUBBER, {kRubber}, 0.0f, 6.0f, 0.0f},
};

bool AppliesTo(const ToothDimensionRow& row, const std::string& family) {
    if (row.families[0].empty()) return true;
    return std::any_of(row.families.begin(), row.families.end(),
                       [&](std::string_view f) { return !f.empty() && f == family; });
}

float Metres(float mm) {
    return static_cast<float>(mm / 1000.0);
}

void SetToothDimensions(DriveProject& p, PulleyTableId table) {
    for (const ToothDimensionRow& row : kToothDimensions) {
        if (row.table != table || !AppliesTo(row, p.beltFamily)) continue;
        p.toothDimensions = {Metres(row.body), Metres(row.height), Metres(row.tip)};
        return;
    }
}

void LoadTimingTable(DriveProject& p, PulleyTableId table) {
    const PulleyTableSpec& def = PulleyTableSpecOf(table);
    const std::vector<PulleyRow>& rows = PulleyRowsOf(table);
    const std::size_t n = std::min(rows.size(), p.pulleyTable.size() - 1);

    p.beltPitch = def.pitchMm / 1000.0;
    SetToothDimensions(p, table);
    p.pulleyTable[0] = {static_cast<double>(n), def.delta0Mm / 1000.0, 0, 0};
    for (std::size_t r = 0; r < n; ++r) {
        p.pulleyTable[r + 1] = {static_cast<double>(rows[r].z), rows[r].de, rows[r].df, rows[r].dmax};
    }
}

int UsedRows(const DriveProject& p) {
    const double n = p.pulleyTable[0][0];
    if (!(n > 0)) return 0;
    return static_cast<int>(std::min(n, static_cast<double>(p.pulleyTable.size() - 1)));
}

}  // namespace

void PuleggeT2(DriveProject& p) {
    LoadTimingTable(p, T2);
}
void PuleggeT5(DriveProject& p) {
    LoadTimingTable(p, T5);
}
void PuleggeT10(DriveProject& p) {
    LoadTimingTable(p, T10);
}
void PuleggeT20(DriveProject& p) {
    LoadTimingTable(p, T20);
}
void PuleggeAT5(DriveProject& p) {
    LoadTimingTable(p, AT5);
}
void PuleggeAT10(DriveProject& p) {
    LoadTimingTable(p, AT10);
}
void PuleggeAT20(DriveProject& p) {
    LoadTimingTable(p, AT20);
}
void PuleggeMXL(DriveProject& p) {
    LoadTimingTable(p, MXL);
}
void PuleggeXL(DriveProject& p) {
    LoadTimingTable(p, XL);
}
void PuleggeL(DriveProject& p) {
    LoadTimingTable(p, L);
}
void PuleggeH(DriveProject& p) {
    LoadTimingTable(p, H);
}
void PuleggeXH(DriveProject& p) {
    LoadTimingTable(p, XH);
}
void PuleggeQXD5M(DriveProject& p) {
    LoadTimingTable(p, QXD5M);
}
void PuleggeQXD8M(DriveProject& p) {
    LoadTimingTable(p, QXD8M);
}
void PuleggeQXD14M(DriveProject& p) {
    LoadTimingTable(p, QXD14M);
}
void PuleggeQVP5(DriveProject& p) {
    LoadTimingTable(p, QVP5);
}
void PuleggeQVP8(DriveProject& p) {
    LoadTimingTable(p, QVP8);
}
void PuleggeQVP8HP(DriveProject& p) {
    LoadTimingTable(p, QVP8HP);
}
void PuleggeQVP14(DriveProject& p) {
    LoadTimingTable(p, QVP14);
}
void PuleggeQVP8RUBBER(DriveProject& p) {
    LoadTimingTable(p, QVP8RUBBER);
}
void PuleggeQVP14RUBBER(DriveProject& p) {
    LoadTimingTable(p, QVP14RUBBER);
}

void PuleggeFlat(DriveProject& p) {
    p.beltPitch = 0.001;
    // Thickness and its tolerance from the type's data sheet; a project file
    // may carry any index, and row 0 holds captions that read as 0.
    const int row = (p.flatBeltIndex >= 1 && p.flatBeltIndex < static_cast<int>(p.flatBeltTable[10].size()))
                        ? p.flatBeltIndex
                        : 0;
    p.toothDimensions = {static_cast<float>(Val(p.flatBeltTable[10][row]) / 1000.0),
                         static_cast<float>(Val(p.flatBeltTable[11][row]) / 1000.0), 0.0f};
    p.pulleyTable[0] = {static_cast<double>(kIsoPulleyRows), 0, 0, 0};
    for (int b = 0; b < kIsoPulleyRows; ++b) {
        p.pulleyTable[b + 1] = {kIsoPulleys[b].diameterMm / 1000.0, kIsoPulleys[b].crownHeightMm / 1000.0, 0,
                                0};
    }
}

void LoadPulleyTable(DriveProject& p) {
    // A word no family has finds no table of its profile either.
    const BeltFamilyTraits* family = FindBeltFamily(p.beltFamily);
    if (family && family->kind == BeltKind::Flat) {
        PuleggeFlat(p);
        return;
    }
    if (family && family->kind == BeltKind::MultiRib) {
        p.beltPitch = 0.001;
        return;
    }
    const bool rubber = p.beltFamily == kRubber;
    struct Choice {
        std::string_view code;
        void (*load)(DriveProject&);
    };
    const Choice choices[] = {
        {"T2.5", PuleggeT2},
        {"T5", PuleggeT5},
        {"T10", PuleggeT10},
        {"T20", PuleggeT20},
        {"AT5", PuleggeAT5},
        {"AT10", PuleggeAT10},
        {"AT20", PuleggeAT20},
        {"MXL", PuleggeMXL},
        {"XL", PuleggeXL},
        {"L", PuleggeL},
        {"H", PuleggeH},
        {"XH", PuleggeXH},
        {"QXD5M", PuleggeQXD5M},
        {"QXD8M", PuleggeQXD8M},
        {"QXD14M", PuleggeQXD14M},
        {"QVP5", PuleggeQVP5},
        {"QVP8HP", PuleggeQVP8HP},
        {"QVP8", rubber ? PuleggeQVP8RUBBER : PuleggeQVP8},
        {"QVP14", rubber ? PuleggeQVP14RUBBER : PuleggeQVP14},
    };
    for (const Choice& c : choices) {
        if (p.beltPitchCode == c.code) {
            c.load(p);
            return;
        }
    }
}

TeethLookup LookupPulleyTeeth(DriveProject& p, int k) {
    const int z = p.pulleyTeeth.at(k);
    if (z < p.pulleyTable[1][0]) return TeethLookup::kTooSmall;
    if (z > kMaxPulleyTeeth) return TeethLookup::kTooLarge;

    p.pulleyDiameter[k] = z * p.beltPitch / kPi;
    const int n = UsedRows(p);
    for (int r = 1; r <= n; ++r) {
        if (p.pulleyTable[r][0] != z) continue;
        p.pulleyOutsideDiameter[k] = p.pulleyTable[r][1] / 1000.0;
        p.pulleyFlangeDiameter[k] = p.pulleyTable[r][2] / 1000.0;
        p.pulleyMaxBore[k] = p.pulleyTable[r][3] / 1000.0;
        return TeethLookup::kAccepted;
    }
    p.pulleyOutsideDiameter[k] = p.pulleyDiameter[k] - p.pulleyTable[0][1];
    p.pulleyFlangeDiameter[k] = 0;
    p.pulleyMaxBore[k] = -1;
    return TeethLookup::kAccepted;
}

int TeethForDiameter(const DriveProject& p, double d) {
    if (!(p.beltPitch > 0) || !std::isfinite(d)) return 0;
    // Any count far beyond kMaxPulleyTeeth is refused alike; the bound keeps
    // the conversion to a whole number defined for absurd diameters.
    constexpr double kBound = 1e6;
    return CInt(std::clamp(d * kPi / p.beltPitch, -kBound, kBound));
}

TeethLookup SnapPulleyDiameterToTeeth(DriveProject& p, int k) {
    p.pulleyTeeth.at(k) = TeethForDiameter(p, p.pulleyDiameter.at(k));
    return LookupPulleyTeeth(p, k);
}

int FindIsoPulleyRow(const DriveProject& p, double d) {
    // Entered diameters pass through a unit conversion; a diameter within a
    // nanometre of halfway between two standard diameters counts as halfway.
    constexpr double kTie = 1e-9;
    int b = 1;
    while (b <= kIsoPulleyRows && !(p.pulleyTable[b][0] > d)) ++b;
    // Above the largest standard diameter the largest is the nearest one.
    if (b > kIsoPulleyRows) return kIsoPulleyRows;
    if (b > 1 && (p.pulleyTable[b][0] - d) - (d - p.pulleyTable[b - 1][0]) > kTie) --b;
    return b;
}

double LookupIsoDiameter(DriveProject& p, int k) {
    const int b = FindIsoPulleyRow(p, p.pulleyDiameter.at(k));
    p.pulleyCrownHeight[k] = p.pulleyTable[b][1];
    return p.pulleyTable[b][0];
}

}  // namespace belt
