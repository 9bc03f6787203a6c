// How a belt is named inside the program: family words, profile codes, the
// identifier strings built from them, the double-sided versions, the pitch of
// each profile and the rating data that the width sizing evaluates.
// Every identifier test is an exact, case-sensitive comparison of whole strings.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

#include "project/driveproject.h"

namespace belt {

inline constexpr std::string_view kOrvanto = "ORVANTO";
inline constexpr std::string_view kSelkira = "SELKIRA";
inline constexpr std::string_view kTavoren = "TAVOREN";
inline constexpr std::string_view kRubber = "RUBBER";
inline constexpr std::string_view kQuindel = "QUINDEL";
inline constexpr std::string_view kFendaro = "FENDARO";

// The six families in catalogue order.
inline constexpr std::array<std::string_view, 6> kBeltFamilies = {kOrvanto, kSelkira, kTavoren,
                                                                  kRubber,  kQuindel, kFendaro};

// Profile codes a family offers, in catalogue order (rib sections for
// QUINDEL, flat types FXA1..FXA16 for FENDARO); empty for an unknown family.
std::span<const std::string_view> FamilyProfiles(std::string_view family);

// beltFamily: the text of beltType up to its first blank (all of it when it
// has none).
std::string FamilyFromType(std::string_view beltType);

// beltPitchCode from the caption of a step 2 pitch button: a trailing "*"
// (the pitch also exists double sided) is dropped.
std::string PitchCodeFromCaption(std::string_view caption);

// beltName for the chosen belt: family + " " + pitch code for timing belts;
// QUINDEL and FENDARO take beltType as it is.
std::string ComposeBeltName(std::string_view beltFamily, std::string_view beltType,
                            std::string_view beltPitchCode);

// Suffix of the double-sided version of a belt: "DL", "DT", "DD", or "err"
// when there is none. LoadStandardWidths stores it in beltSuffixAvailable.
std::string DoubleSidedSuffix(std::string_view beltFamily, std::string_view beltType,
                              std::string_view beltName);

// Pitch of a profile in mm (1 for rib sections and flat types, so that their
// standard lengths read as mm); 0 for a code the family does not know.
double ProfilePitchMm(std::string_view beltFamily, std::string_view beltPitchCode);

// The inch profiles XL, L, H, XH, which carry their widths in hundredths of
// an inch (MXL, an inch pitch too, is named by the callers that include it).
bool IsInchProfile(std::string_view beltPitchCode);
// Whether a pitch in m is one of the inch pitches (MXL, XL, L, H, XH).
bool IsInchPitch(double pitch);

// Rating coefficients c0..c6 of a timing belt profile: c0..c4 give the
// admissible specific tooth load over the speed of the smallest pulley, c5 is
// the speed in rpm below which the linear formula applies, c6 the highest
// speed in rpm before the belt life warning.
using ToothLoadCoefficients = std::array<double, 7>;

// The coefficient row of a timing belt profile: RUBBER's own set for RUBBER,
// the polyurethane set for every other family (QXD profiles rate like AT).
// nullptr when the profile has no row.
const ToothLoadCoefficients* FindToothLoadCoefficients(std::string_view beltFamily,
                                                       std::string_view beltPitchCode);

// Belt speeds in m/s of every multi-rib and flat belt rating table (column 0).
inline constexpr std::array<double, 14> kRatingSpeeds = {0, 2, 3, 4, 5, 6, 8, 10, 15, 20, 30, 40, 50, 60};

// Ratings of a multi-rib section (W per rib) or flat type (W per cm of width)
// at the speeds above: at a 25 mm pitch diameter and at the reference
// diameter (75 mm QUINDEL, 100 mm FENDARO).
struct RibFlatRating {
    std::array<double, 14> at25mm;
    std::array<double, 14> atReference;
};

// The rating of a QUINDEL or FENDARO type; nullptr when it has none.
const RibFlatRating* FindRibFlatRating(std::string_view beltFamily, std::string_view beltPitchCode);

// ribFlatRatingTable(0, 0) for a flat type without rating data: its width is
// asked for instead of sized.
inline constexpr double kNoRatingData = -9999.0;

// Fills toothLoadCoefficients (timing belts) or ribFlatRatingTable (QUINDEL,
// FENDARO) for beltFamily and beltPitchCode. A FENDARO type without rating
// data gets kNoRatingData in element (0, 0) and nothing else; any other
// profile without a row leaves both tables as they were.
void LoadProfileRatingData(DriveProject& p);

}  // namespace belt
