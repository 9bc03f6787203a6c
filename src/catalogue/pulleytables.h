// Standard pulley tables: the catalogue's standard pulleys of every timing
// belt profile (teeth, outside, flange and bore diameters), the ISO flat
// belt pulley diameters with their crown heights, the loaders that copy one
// of them into the project's working table together with the profile's
// pitch and tooth dimensions, and the lookups the pulley-data screen runs
// when a tooth count or a diameter is entered.
//
// Working table layout (pulleyTable, 105 rows x 4 columns):
//   timing belts: row 0 = {N, delta0 [m], 0, 0}; rows 1..N ascending by
//     teeth = {z, de [mm], df [mm] (0 = none), dmax [mm] (0 = none)};
//   flat belts:   row 0 = {24, 0, 0, 0}; rows 1..24 = {ISO diameter [m],
//     crown height [m], 0, 0}.
// A loader writes row 0 and its own rows only; rows above them keep what an
// earlier table left there and are never read.
#pragma once

#include "project/driveproject.h"

namespace belt {

// Highest tooth count a pulley may have, listed in the table or not.
constexpr int kMaxPulleyTeeth = 250;
// Number of ISO standard flat belt pulley diameters.
constexpr int kIsoPulleyRows = 24;

// Loaders of the timing belt profiles. Each sets beltPitch (m),
// toothDimensions (m; methods that choose by family leave them unchanged for
// a family they do not name) and pulleyTable.
void PuleggeT2(DriveProject& p);  // T2.5
void PuleggeT5(DriveProject& p);
void PuleggeT10(DriveProject& p);
void PuleggeT20(DriveProject& p);
void PuleggeAT5(DriveProject& p);
void PuleggeAT10(DriveProject& p);
void PuleggeAT20(DriveProject& p);
void PuleggeMXL(DriveProject& p);
void PuleggeXL(DriveProject& p);  // tooth dimensions by beltFamily
void PuleggeL(DriveProject& p);   // tooth dimensions by beltFamily
void PuleggeH(DriveProject& p);   // tooth dimensions by beltFamily
void PuleggeXH(DriveProject& p);  // tooth dimensions by beltFamily
void PuleggeQXD5M(DriveProject& p);
void PuleggeQXD8M(DriveProject& p);
void PuleggeQXD14M(DriveProject& p);
void PuleggeQVP5(DriveProject& p);  // tooth dimensions by beltFamily
void PuleggeQVP8(DriveProject& p);  // tooth dimensions by beltFamily
void PuleggeQVP8HP(DriveProject& p);
void PuleggeQVP14(DriveProject& p);        // tooth dimensions by beltFamily
void PuleggeQVP8RUBBER(DriveProject& p);   // tooth dimensions by beltFamily
void PuleggeQVP14RUBBER(DriveProject& p);  // tooth dimensions by beltFamily

// FENDARO: the ISO diameter table; beltPitch = 0.001; toothDimensions(0..1)
// = thickness and thickness tolerance of the chosen flat belt type
// (flatBeltTable columns 10 and 11 of row flatBeltIndex, mm -> m), (2) = 0.
void PuleggeFlat(DriveProject& p);

// The loader the pulley-data screen runs when it is laid out, chosen by
// beltFamily and beltPitchCode:
//   "FENDARO" (any type)            -> PuleggeFlat
//   "QUINDEL" (any rib section)     -> no table, beltPitch = 0.001 only
//   "T2.5"                          -> PuleggeT2
//   "T5", "T10", "T20"              -> PuleggeT5, PuleggeT10, PuleggeT20
//   "AT5", "AT10", "AT20"           -> PuleggeAT5, PuleggeAT10, PuleggeAT20
//   "MXL", "XL", "L", "H", "XH"     -> PuleggeMXL, PuleggeXL, PuleggeL, PuleggeH, PuleggeXH
//   "QXD5M", "QXD8M", "QXD14M"      -> PuleggeQXD5M, PuleggeQXD8M, PuleggeQXD14M
//   "QVP5", "QVP8HP"                -> PuleggeQVP5, PuleggeQVP8HP
//   "QVP8", "QVP14", not "RUBBER"   -> PuleggeQVP8, PuleggeQVP14
//   "QVP8", "QVP14", "RUBBER"       -> PuleggeQVP8RUBBER, PuleggeQVP14RUBBER
// The selection uses beltPitchCode, so a double-sided beltName loads the
// table of its single-sided profile. An unknown profile code changes nothing.
void LoadPulleyTable(DriveProject& p);

enum class TeethLookup {
    kAccepted,  // the pulley's diameters were written
    kTooSmall,  // z below the table's smallest tooth count: nothing written
    kTooLarge,  // z above kMaxPulleyTeeth: nothing written
};

// Teeth lookup for pulley k (1..4) with z = pulleyTeeth(k): writes
// pulleyDiameter (z * beltPitch / pi), pulleyOutsideDiameter,
// pulleyFlangeDiameter and pulleyMaxBore (m) from the table row of z; a tooth
// count in range but not listed gets de = dp - delta0, df = 0, dmax = -1.
TeethLookup LookupPulleyTeeth(DriveProject& p, int k);

// Whole number of teeth nearest to pitch diameter d (m) for beltPitch:
// round(d * pi / beltPitch), halves to even. 0 without a pitch.
int TeethForDiameter(const DriveProject& p, double d);

// Diameter to teeth for a pulley that is not an idler: pulleyTeeth(k) =
// TeethForDiameter(pulleyDiameter(k)), then the teeth lookup, which replaces
// the diameter by the exact pitch diameter of those teeth.
TeethLookup SnapPulleyDiameterToTeeth(DriveProject& p, int k);

// Row 1..24 of the ISO flat belt table nearest to diameter d (m); a diameter
// halfway between two rows takes the larger one, a diameter above the
// largest standard diameter takes the largest.
int FindIsoPulleyRow(const DriveProject& p, double d);

// ISO diameter lookup for flat belt pulley k: sets pulleyCrownHeight(k) and
// returns the standard diameter (m) to offer; the caller offers it when it
// differs from pulleyDiameter(k).
double LookupIsoDiameter(DriveProject& p, int k);

}  // namespace belt
