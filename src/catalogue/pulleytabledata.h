// Catalogue data behind the standard pulley tables and the rule that
// completes them. The catalogue lists every standard tooth count of a
// profile but only a few rows with their measured diameters; the remaining
// rows follow one rule per table (GeneratePulleyRows), so the loaders and
// the tests read the same rows.
#pragma once

#include <array>
#include <span>
#include <string_view>
#include <vector>

namespace belt {

struct TeethRange {
    int first;
    int last;
};

// A row as the catalogue prints it: outside, flange and bore diameter in mm;
// 0 = none listed.
struct PulleyRow {
    int z;
    double de;
    double df;
    double dmax;
};

struct PulleyTableSpec {
    std::string_view method;  // loader name, e.g. "PuleggeT5"
    double pitchMm;
    int rowCount;                              // N, rows 1..N of the working table
    std::span<const TeethRange> teeth;         // every standard tooth count, ascending
    double delta0Mm;                           // header offset for counts not listed
    double deltaTypicalMm;                     // dp - de typical of the listed rows
    int dfZeroFrom;                            // no flange from this count on; 0 = never
    int dmaxZeroFrom;                          // no bore value from this count on; 0 = never
    std::span<const PulleyRow> catalogueRows;  // rows given by the catalogue, ascending z
};

enum class PulleyTableId {
    T2,
    T5,
    T10,
    T20,
    AT5,
    AT10,
    AT20,
    MXL,
    XL,
    L,
    H,
    XH,
    QXD5M,
    QXD8M,
    QXD14M,
    QVP5,
    QVP8,
    QVP8HP,
    QVP14,
    QVP8RUBBER,
    QVP14RUBBER,
};
constexpr int kPulleyTableCount = 21;

const PulleyTableSpec& PulleyTableSpecOf(PulleyTableId id);

// Rows 1..N of a table in ascending tooth count. Catalogue rows stand as
// given; every other listed count z follows the rule (all in mm):
//   de   = z * pitch / pi - deltaTypical, rounded to two decimals;
//   df   = 0 from dfZeroFrom on, otherwise de plus a margin, rounded to the
//          whole mm (halves up); the margin (df - de) is interpolated
//          linearly in z between the catalogue rows that list a flange and
//          held constant beyond the first and the last of them;
//   dmax = 0 from dmaxZeroFrom on, otherwise the catalogue rows' bore values
//          interpolated linearly in z the same way, rounded to the whole mm
//          (halves up).
std::vector<PulleyRow> GeneratePulleyRows(const PulleyTableSpec& def);

// The generated rows of a table, built once on first use.
const std::vector<PulleyRow>& PulleyRowsOf(PulleyTableId id);

// ISO standard flat belt pulleys in mm.
struct IsoPulley {
    double diameterMm;
    double crownHeightMm;
};
extern const std::array<IsoPulley, 24> kIsoPulleys;

}  // namespace belt
