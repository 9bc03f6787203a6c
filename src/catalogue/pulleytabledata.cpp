// Standard pulley tables of the catalogue: the tooth counts of every
// profile, the rows the catalogue prints, and the rule for the other rows.
#include "catalogue/pulleytabledata.h"

#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "project/driveproject.h"

namespace belt {
namespace {

// Tooth counts (complete lists of the catalogue).
constexpr TeethRange kT2Teeth[] = {{10, 113}};
constexpr TeethRange kT5Teeth[] = {{10, 113}};
constexpr TeethRange kT10Teeth[] = {{12, 114}};
constexpr TeethRange kT20Teeth[] = {{15, 114}};
constexpr TeethRange kAT5Teeth[] = {{12, 113}};
constexpr TeethRange kAT10Teeth[] = {{15, 114}};
constexpr TeethRange kAT20Teeth[] = {{18, 114}};
constexpr TeethRange kMXLTeeth[] = {{10, 12},   {14, 16},   {18, 18},   {20, 22},  {24, 24}, {28, 28},
                                    {30, 30},   {32, 32},   {36, 36},   {40, 40},  {42, 42}, {44, 44},
                                    {48, 48},   {60, 60},   {65, 65},   {72, 72},  {80, 80}, {90, 90},
                                    {100, 100}, {110, 110}, {120, 120}, {130, 130}};
constexpr TeethRange kXLTeeth[] = {{10, 22}, {24, 24}, {26, 30}, {32, 32}, {34, 36},
                                   {38, 49}, {52, 52}, {56, 60}, {68, 72}};
constexpr TeethRange kLTeeth[] = {{10, 30}, {32, 36}, {40, 42}, {44, 45}, {47, 50}, {52, 52}, {56, 57},
                                  {60, 60}, {65, 66}, {72, 72}, {84, 84}, {90, 90}, {96, 96}, {120, 120}};
constexpr TeethRange kHTeeth[] = {{14, 30},   {32, 36},   {38, 38},   {40, 40},   {44, 45},   {48, 50},
                                  {52, 52},   {58, 58},   {60, 60},   {70, 70},   {72, 72},   {82, 82},
                                  {84, 84},   {94, 94},   {96, 96},   {106, 106}, {116, 116}, {118, 118},
                                  {120, 120}, {150, 150}, {152, 152}, {154, 154}, {156, 156}};
constexpr TeethRange kXHTeeth[] = {{18, 22}, {24, 28}, {30, 30}, {32, 32}, {34, 34}, {38, 38},   {40, 40},
                                   {46, 46}, {48, 48}, {58, 58}, {60, 60}, {70, 70}, {72, 72},   {78, 78},
                                   {80, 80}, {82, 82}, {84, 84}, {94, 94}, {96, 96}, {118, 118}, {120, 120}};
constexpr TeethRange kQXD5MTeeth[] = {{12, 73}};
constexpr TeethRange kQXD8MTeeth[] = {{18, 91}};
constexpr TeethRange kQXD14MTeeth[] = {{25, 93}};
constexpr TeethRange kQVP5Teeth[] = {{12, 113}};
constexpr TeethRange kQVP8Teeth[] = {{18, 114}};
constexpr TeethRange kQVP8HPTeeth[] = {{22, 114}};
constexpr TeethRange kQVP14Teeth[] = {{32, 114}};
constexpr TeethRange kQVP8RUBBERTeeth[] = {{22, 22}, {24, 114}};
constexpr TeethRange kQVP14RUBBERTeeth[] = {{28, 114}};

// Rows printed in the catalogue: z, de, df, dmax in mm.
constexpr PulleyRow kT2Rows[] = {{10, 7.45, 10, 3}, {62, 48.85, 52, 37}, {113, 89.4, 93, 67}};
// z = 20 is the catalogue's worked example of the T5 table.
constexpr PulleyRow kT5Rows[] = {
    {10, 15.05, 20, 6}, {20, 31.0, 36, 18}, {62, 97.85, 102, 80}, {112, 177.45, 182, 152}};
constexpr PulleyRow kT10Rows[] = {{12, 36.35, 42, 24}, {63, 198.65, 204, 170}, {114, 361, 367, 330}};
constexpr PulleyRow kT20Rows[] = {{15, 92.65, 102, 67}, {65, 410.95, 420, 385}, {114, 722.9, 732, 682}};
constexpr PulleyRow kAT5Rows[] = {{12, 17.85, 23, 6}, {63, 99.05, 104, 82}, {113, 178.65, 184, 152}};
constexpr PulleyRow kAT10Rows[] = {{15, 45.9, 51, 34}, {65, 205.05, 210, 174}, {114, 361, 367, 330}};
constexpr PulleyRow kAT20Rows[] = {{18, 111.75, 121, 86}, {66, 417.3, 427, 392}, {114, 722.9, 732, 682}};
constexpr PulleyRow kMXLRows[] = {{10, 5.97, 11, 11}, {36, 22.78, 28, 17}, {130, 83.57, 88, 17}};
constexpr PulleyRow kXLRows[] = {{10, 15.66, 23, 6}, {38, 60.94, 0, 8}, {72, 115.92, 0, 11}};
constexpr PulleyRow kLRows[] = {{10, 29.56, 36, 8}, {34, 102.32, 111, 11}, {120, 363.07, 0, 14}};
constexpr PulleyRow kHRows[] = {{14, 55.22, 63, 14}, {40, 160.33, 168, 14}, {156, 629.26, 0, 19}};
constexpr PulleyRow kXHRows[] = {{18, 124.55, 138, 24}, {40, 280.18, 296, 28}, {120, 846.14, 0, 28}};
constexpr PulleyRow kQXD5MRows[] = {{12, 17.96, 23, 4}, {43, 67.3, 74, 8}, {73, 115.04, 0, 8}};
constexpr PulleyRow kQXD8MRows[] = {{18, 44.47, 50, 12}, {55, 138.68, 145, 15}, {91, 230.36, 0, 15}};
constexpr PulleyRow kQXD14MRows[] = {{25, 108.61, 115, 24}, {59, 260.13, 268, 28}, {93, 411.64, 0, 28}};
constexpr PulleyRow kQVP5Rows[] = {{12, 17.96, 23, 4}, {63, 99.13, 0, 8}, {113, 178.71, 0, 0}};
constexpr PulleyRow kQVP8Rows[] = {{18, 44.47, 50, 12}, {66, 166.7, 174, 15}, {114, 288.93, 0, 0}};
constexpr PulleyRow kQVP8HPRows[] = {{22, 54.65, 60, 12}, {68, 171.79, 180, 15}, {114, 288.93, 0, 0}};
constexpr PulleyRow kQVP14Rows[] = {{32, 139.81, 154, 24}, {73, 322.52, 0, 28}, {114, 505.23, 0, 0}};
constexpr PulleyRow kQVP8RUBBERRows[] = {{22, 54.65, 60, 12}, {69, 174.34, 183, 15}, {114, 288.93, 0, 0}};
constexpr PulleyRow kQVP14RUBBERRows[] = {{28, 121.98, 127, 24}, {72, 318.06, 0, 28}, {114, 505.23, 0, 28}};

// In PulleyTableId order.
//  method, pitch, N, teeth, delta0, delta typical, df = 0 from, dmax = 0 from, rows
const PulleyTableSpec kSpecs[kPulleyTableCount] = {
    {"PuleggeT2", 2.5, 104, kT2Teeth, 0.568, 0.51, 0, 0, kT2Rows},
    {"PuleggeT5", 5, 104, kT5Teeth, 0.894, 0.82, 0, 0, kT5Rows},
    {"PuleggeT10", 10, 103, kT10Teeth, 2.07, 1.86, 0, 0, kT10Rows},
    {"PuleggeT20", 20, 100, kT20Teeth, 3.03, 2.86, 0, 0, kT20Rows},
    {"PuleggeAT5", 5, 102, kAT5Teeth, 1.286, 1.22, 0, 0, kAT5Rows},
    {"PuleggeAT10", 10, 100, kAT10Teeth, 2.07, 1.86, 0, 0, kAT10Rows},
    {"PuleggeAT20", 20, 97, kAT20Teeth, 3.03, 2.86, 0, 0, kAT20Rows},
    {"PuleggeMXL", 2.032, 28, kMXLTeeth, 0.557, 0.51, 0, 0, kMXLRows},
    {"PuleggeXL", 5.08, 46, kXLTeeth, 0.564, 0.51, 34, 0, kXLRows},
    {"PuleggeL", 9.525, 46, kLTeeth, 0.943, 0.76, 49, 0, kLRows},
    {"PuleggeH", 12.7, 46, kHTeeth, 1.49, 1.37, 49, 0, kHRows},
    {"PuleggeXH", 22.225, 29, kXHTeeth, 2.97, 2.79, 46, 0, kXHRows},
    {"PuleggeQXD5M", 5, 62, kQXD5MTeeth, 1.286, 1.14, 44, 0, kQXD5MRows},
    {"PuleggeQXD8M", 8, 74, kQXD8MTeeth, 1.5, 1.37, 80, 0, kQXD8MRows},
    {"PuleggeQXD14M", 14, 69, kQXD14MTeeth, 2.5, 2.79, 72, 0, kQXD14MRows},
    {"PuleggeQVP5", 5, 102, kQVP5Teeth, 1.286, 1.14, 44, 74, kQVP5Rows},
    {"PuleggeQVP8", 8, 97, kQVP8Teeth, 1.5, 1.37, 80, 92, kQVP8Rows},
    {"PuleggeQVP8HP", 8, 93, kQVP8HPTeeth, 1.5, 1.37, 80, 92, kQVP8HPRows},
    {"PuleggeQVP14", 14, 83, kQVP14Teeth, 2.5, 2.79, 72, 94, kQVP14Rows},
    {"PuleggeQVP8RUBBER", 8, 92, kQVP8RUBBERTeeth, 1.5, 1.37, 80, 92, kQVP8RUBBERRows},
    {"PuleggeQVP14RUBBER", 14, 87, kQVP14RUBBERTeeth, 2.5, 2.79, 72, 0, kQVP14RUBBERRows},
};

// Hundredths of a millimetre, so that interpolation and rounding are exact.
std::int64_t Hundredths(double mm) {
    return std::llround(mm * 100.0);
}

// num / den rounded to the nearest whole number, halves up (num, den > 0).
std::int64_t RoundedQuotient(std::int64_t num, std::int64_t den) {
    return (2 * num + den) / (2 * den);
}

struct Anchor {
    int z;
    std::int64_t value;  // hundredths of a mm
};

// Linear interpolation in z between the anchors, constant beyond the first
// and the last; returns numerator and denominator of the exact value.
void Interpolate(const std::vector<Anchor>& anchors, int z, std::int64_t& num, std::int64_t& den) {
    if (z <= anchors.front().z) {
        num = anchors.front().value;
        den = 1;
        return;
    }
    if (z >= anchors.back().z) {
        num = anchors.back().value;
        den = 1;
        return;
    }
    for (std::size_t i = 1; i < anchors.size(); ++i) {
        const Anchor& a = anchors[i - 1];
        const Anchor& b = anchors[i];
        if (z <= b.z) {
            den = b.z - a.z;
            num = a.value * (b.z - z) + b.value * (z - a.z);
            return;
        }
    }
}

bool Below(int z, int zeroFrom) {
    return zeroFrom == 0 || z < zeroFrom;
}

}  // namespace

const PulleyTableSpec& PulleyTableSpecOf(PulleyTableId id) {
    const int i = static_cast<int>(id);
    if (i < 0 || i >= kPulleyTableCount) throw std::out_of_range("pulley table id");
    return kSpecs[i];
}

std::vector<PulleyRow> GeneratePulleyRows(const PulleyTableSpec& def) {
    std::vector<Anchor> flangeMargins;
    std::vector<Anchor> bores;
    for (const PulleyRow& r : def.catalogueRows) {
        if (r.df != 0 && Below(r.z, def.dfZeroFrom)) flangeMargins.push_back({r.z, Hundredths(r.df - r.de)});
        if (r.dmax != 0 && Below(r.z, def.dmaxZeroFrom)) bores.push_back({r.z, Hundredths(r.dmax)});
    }

    std::vector<PulleyRow> rows;
    auto catalogueRow = def.catalogueRows.begin();
    for (const TeethRange& range : def.teeth) {
        for (int z = range.first; z <= range.last; ++z) {
            while (catalogueRow != def.catalogueRows.end() && catalogueRow->z < z) ++catalogueRow;
            if (catalogueRow != def.catalogueRows.end() && catalogueRow->z == z) {
                rows.push_back(*catalogueRow);
                continue;
            }
            const std::int64_t deH = Hundredths(z * def.pitchMm / kPi - def.deltaTypicalMm);
            PulleyRow row{z, static_cast<double>(deH) / 100.0, 0, 0};
            if (Below(z, def.dfZeroFrom) && !flangeMargins.empty()) {
                std::int64_t num = 0;
                std::int64_t den = 1;
                Interpolate(flangeMargins, z, num, den);
                row.df = static_cast<double>(RoundedQuotient(deH * den + num, 100 * den));
            }
            if (Below(z, def.dmaxZeroFrom) && !bores.empty()) {
                std::int64_t num = 0;
                std::int64_t den = 1;
                Interpolate(bores, z, num, den);
                row.dmax = static_cast<double>(RoundedQuotient(num, 100 * den));
            }
            rows.push_back(row);
        }
    }
    return rows;
}

const std::vector<PulleyRow>& PulleyRowsOf(PulleyTableId id) {
    static const auto all = [] {
        std::array<std::vector<PulleyRow>, kPulleyTableCount> tables;
        for (int i = 0; i < kPulleyTableCount; ++i) tables[i] = GeneratePulleyRows(kSpecs[i]);
        return tables;
    }();
    PulleyTableSpecOf(id);  // range check
    return all[static_cast<int>(id)];
}

// ISO standard pulley diameters for flat belts with their crown heights.
const std::array<IsoPulley, 24> kIsoPulleys = {{
    {40, 0.3},  {50, 0.3},  {63, 0.3},  {71, 0.3},  {80, 0.3},  {90, 0.3},  {100, 0.3}, {112, 0.3},
    {125, 0.4}, {140, 0.4}, {160, 0.5}, {180, 0.5}, {200, 0.6}, {224, 0.6}, {250, 0.8}, {280, 0.8},
    {315, 0.8}, {355, 0.8}, {400, 1.0}, {450, 1.0}, {500, 1.0}, {560, 1.2}, {630, 1.2}, {710, 1.2},
}};

}  // namespace belt
