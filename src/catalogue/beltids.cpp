#include "catalogue/beltids.h"

#include <algorithm>
#include <cmath>

#include "catalogue/belttraits.h"

namespace belt {

namespace {

// Profiles offered per family, in catalogue order.
constexpr std::array<std::string_view, 9> kOrvantoProfiles = {"T2.5", "T5", "T10", "AT5", "AT10",
                                                              "MXL",  "XL", "L",   "H"};
constexpr std::array<std::string_view, 17> kSelkiraProfiles = {
    "T5", "T10",   "T20",   "AT5",    "AT10", "AT20", "XL",     "L",    "H",
    "XH", "QXD5M", "QXD8M", "QXD14M", "QVP5", "QVP8", "QVP8HP", "QVP14"};
constexpr std::array<std::string_view, 13> kTavorenProfiles = {
    "T5", "T10", "T20", "AT5", "AT10", "AT20", "XL", "L", "H", "XH", "QVP5", "QVP8", "QVP14"};
constexpr std::array<std::string_view, 7> kRubberProfiles = {"XL", "L", "H", "XH", "QVP5", "QVP8", "QVP14"};
constexpr std::array<std::string_view, 3> kQuindelProfiles = {"ZB2", "J", "H"};
constexpr std::array<std::string_view, 16> kFendaroProfiles = {
    "FXA1", "FXA2",  "FXA3",  "FXA4",  "FXA5",  "FXA6",  "FXA7",  "FXA8",
    "FXA9", "FXA10", "FXA11", "FXA12", "FXA13", "FXA14", "FXA15", "FXA16"};

// Pitch of the timing belt profiles, mm.
struct PitchRow {
    std::string_view code;
    double pitchMm;
};
constexpr std::array<PitchRow, 19> kProfilePitches = {{
    {"T2.5", 2.5},  {"T5", 5},    {"AT5", 5},   {"QXD5M", 5}, {"QVP5", 5},    {"T10", 10},    {"AT10", 10},
    {"T20", 20},    {"AT20", 20}, {"QXD8M", 8}, {"QVP8", 8},  {"QVP8HP", 8},  {"QXD14M", 14}, {"QVP14", 14},
    {"MXL", 2.032}, {"XL", 5.08}, {"L", 9.525}, {"H", 12.7},  {"XH", 22.225},
}};

struct CoefficientRow {
    std::string_view code;
    ToothLoadCoefficients c;
};

// Rating coefficients of the polyurethane timing belts (ORVANTO, SELKIRA,
// TAVOREN). The curvilinear QXD profiles are rated like the AT profiles.
constexpr std::array<CoefficientRow, 19> kPolyurethaneCoefficients = {{
    {"T2.5", {7.8, 0, 7, 3e-09, -0.27, 600, 15000}},
    {"T5", {24, -0.025, 15.85, 2e-08, -0.1825, 100, 10000}},
    {"T10", {50.5, -0.06, 30.48, 6.25e-08, -0.2195, 100, 10000}},
    {"T20", {101.5, -0.13, 56.85, 2.75e-07, -0.2585, 100, 6500}},
    {"AT5", {35.3, -0.017, 25.05, 5e-08, -0.1825, 100, 10000}},
    {"QXD5M", {35.3, -0.017, 25.05, 5e-08, -0.1825, 100, 10000}},
    {"AT10", {73.5, -0.048, 48.2, 1.45e-07, -0.2195, 100, 10000}},
    {"QXD8M", {73.5, -0.048, 48.2, 1.45e-07, -0.2195, 100, 10000}},
    {"AT20", {147, -0.12, 89.5, 7.85e-07, -0.244, 100, 6500}},
    {"QXD14M", {147, -0.12, 89.5, 7.85e-07, -0.244, 100, 6500}},
    {"MXL", {6.74, 0, 6, 3e-09, -0.25, 600, 15000}},
    {"XL", {18.9, 0, 13.5, 1e-08, -0.15, 100, 10000}},
    {"L", {36, -0.02, 22, 5e-08, -0.22, 100, 10000}},
    {"H", {42.76, -0.03, 26, 6e-08, -0.2, 100, 10000}},
    {"XH", {122.02, -0.1, 70, 5e-07, -0.24, 100, 4500}},
    {"QVP5", {36.7, -0.017, 25.09303157, 3.3491e-08, -0.192470719, 100, 10000}},
    {"QVP8", {75.71, -0.0495, 48.9809854, 1.24185e-07, -0.190164626, 100, 10000}},
    {"QVP8HP", {75.71, -0.0495, 49.14703232, 1.23232e-07, -0.1992264, 100, 10000}},
    {"QVP14", {139.65, -0.1141, 84.60820373, 8.03068e-07, -0.224803508, 100, 6500}},
}};

// Rating coefficients of the RUBBER timing belts; their value is a basic
// rating that the width sizing turns into a width through the width factor.
constexpr std::array<CoefficientRow, 7> kRubberCoefficients = {{
    {"XL", {1.77, 0, 1.8, 1.9e-09, -0.0005, 1300, 15000}},
    {"L", {2.4, 0, 2.5, 7.5e-09, -0.04, 2000, 7000}},
    {"H", {6.14, 0, 6.14, 2.2e-08, -0.006, 700, 6000}},
    {"XH", {8.4, 0, 8.4, 2.88e-07, -0.001, 100, 4500}},
    {"QVP5", {4.2, 0, 1.44, 1.35e-09, -0.25, 10, 14000}},
    {"QVP8", {24.38, 0, 7.6, 4e-08, -0.25, 10, 6000}},
    {"QVP14", {68.32, 0, 21.6, 2.4e-07, -0.25, 10, 4000}},
}};

// Rating tables of the QUINDEL rib sections (W per rib) and the FENDARO flat
// types (W per cm of width), at a 25 mm pulley and at the reference pulley.
constexpr RibFlatRating kQuindelZB2 = {
    {85, 85, 125, 140, 180, 200, 250, 300, 400, 500, 600, 700, 700, 700},
    {127, 127, 180, 250, 340, 380, 500, 560, 850, 1000, 1400, 1500, 1500, 1500}};
constexpr RibFlatRating kQuindelJ = {
    {100, 100, 140, 170, 220, 240, 300, 360, 500, 650, 850, 1000, 1000, 1000},
    {150, 150, 210, 300, 400, 450, 560, 660, 1000, 1200, 1700, 1800, 1800, 1800}};
constexpr RibFlatRating kQuindelH = {{50, 50, 70, 85, 110, 120, 150, 180, 300, 400, 500, 600, 600, 600},
                                     {75, 75, 100, 150, 200, 220, 280, 330, 500, 600, 800, 900, 900, 900}};
constexpr RibFlatRating kFendaroFxa1356 = {
    {90, 180, 290, 345, 440, 500, 610, 740, 1100, 1450, 2200, 2800, 3200, 3500},
    {120, 220, 350, 440, 540, 640, 800, 900, 1400, 1800, 2800, 3600, 4000, 4200}};
constexpr RibFlatRating kFendaroFxa2 = {
    {180, 320, 490, 650, 800, 1000, 1250, 1450, 2200, 2900, 4000, 4200, 4400, 4400},
    {210, 370, 580, 740, 900, 1100, 1400, 1600, 2500, 3400, 4200, 4600, 4800, 4900}};
constexpr RibFlatRating kFendaroFxa4 = {
    {37, 72, 115, 150, 190, 225, 300, 340, 480, 650, 850, 1000, 1100, 1200},
    {42, 82, 130, 170, 220, 270, 320, 370, 520, 700, 900, 1100, 1250, 1350}};
constexpr RibFlatRating kFendaroFxa7_10 = {
    {27, 55, 80, 110, 130, 160, 220, 280, 410, 520, 680, 740, 750, 760},
    {30, 60, 90, 120, 150, 180, 255, 310, 440, 580, 740, 800, 810, 820}};
constexpr RibFlatRating kFendaroFxa8_9 = {
    {55, 110, 165, 220, 280, 320, 380, 440, 630, 780, 1100, 1350, 1550, 1700},
    {65, 125, 190, 250, 320, 370, 430, 520, 740, 1000, 1300, 1600, 1800, 1900}};

struct RibFlatRow {
    std::string_view code;
    const RibFlatRating* rating;
};
constexpr std::array<RibFlatRow, 3> kQuindelRatings = {
    {{"ZB2", &kQuindelZB2}, {"J", &kQuindelJ}, {"H", &kQuindelH}}};
// FXA11 to FXA16 have no rating data.
constexpr std::array<RibFlatRow, 10> kFendaroRatings = {{
    {"FXA1", &kFendaroFxa1356},
    {"FXA3", &kFendaroFxa1356},
    {"FXA5", &kFendaroFxa1356},
    {"FXA6", &kFendaroFxa1356},
    {"FXA2", &kFendaroFxa2},
    {"FXA4", &kFendaroFxa4},
    {"FXA7", &kFendaroFxa7_10},
    {"FXA10", &kFendaroFxa7_10},
    {"FXA8", &kFendaroFxa8_9},
    {"FXA9", &kFendaroFxa8_9},
}};

template <typename Rows>
auto findByCode(const Rows& rows, std::string_view code) -> decltype(&rows[0]) {
    auto it = std::find_if(rows.begin(), rows.end(), [&](const auto& r) { return r.code == code; });
    return it == rows.end() ? nullptr : &*it;
}

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

// Multi-rib and flat belts: rated per rib or per width, their name is their type.
bool ratedPerRibOrWidth(std::string_view family) {
    const BeltFamilyTraits* t = FindBeltFamily(family);
    return t && t->kind != BeltKind::Toothed;
}

}  // namespace

std::span<const std::string_view> FamilyProfiles(std::string_view family) {
    if (family == kOrvanto) return kOrvantoProfiles;
    if (family == kSelkira) return kSelkiraProfiles;
    if (family == kTavoren) return kTavorenProfiles;
    if (family == kRubber) return kRubberProfiles;
    if (family == kQuindel) return kQuindelProfiles;
    if (family == kFendaro) return kFendaroProfiles;
    return {};
}

std::string FamilyFromType(std::string_view beltType) {
    return std::string(beltType.substr(0, beltType.find(' ')));
}

std::string PitchCodeFromCaption(std::string_view caption) {
    if (!caption.empty() && caption.back() == '*') caption.remove_suffix(1);
    return std::string(caption);
}

std::string ComposeBeltName(std::string_view beltFamily, std::string_view beltType,
                            std::string_view beltPitchCode) {
    if (ratedPerRibOrWidth(beltFamily)) return std::string(beltType);
    std::string name(beltFamily);
    name += ' ';
    name += beltPitchCode;
    return name;
}

std::string DoubleSidedSuffix(std::string_view beltFamily, std::string_view beltType,
                              std::string_view beltName) {
    // Each later rule overrides the earlier ones.
    std::string suffix = "err";
    if (startsWith(beltName, "ORVANTO T5") || startsWith(beltName, "ORVANTO T10")) suffix = "DL";
    if (beltFamily == kRubber && beltName != "RUBBER XH") suffix = "DT";
    if (startsWith(beltName, "RUBBER QVP") || (beltFamily == kTavoren && beltType != "TAVOREN QVP"))
        suffix = "DD";
    return suffix;
}

double ProfilePitchMm(std::string_view beltFamily, std::string_view beltPitchCode) {
    if (ratedPerRibOrWidth(beltFamily)) {
        const auto profiles = FamilyProfiles(beltFamily);
        return std::find(profiles.begin(), profiles.end(), beltPitchCode) != profiles.end() ? 1.0 : 0.0;
    }
    const PitchRow* row = findByCode(kProfilePitches, beltPitchCode);
    return row ? row->pitchMm : 0.0;
}

bool IsInchProfile(std::string_view code) {
    return code == "XL" || code == "L" || code == "H" || code == "XH";
}

bool IsInchPitch(double pitch) {
    for (double inch : {0.002032, 0.00508, 0.009525, 0.0127, 0.022225})
        if (std::abs(pitch - inch) < 1e-9) return true;
    return false;
}

const ToothLoadCoefficients* FindToothLoadCoefficients(std::string_view beltFamily,
                                                       std::string_view beltPitchCode) {
    if (ratedPerRibOrWidth(beltFamily)) return nullptr;
    const CoefficientRow* row = beltFamily == kRubber ? findByCode(kRubberCoefficients, beltPitchCode)
                                                      : findByCode(kPolyurethaneCoefficients, beltPitchCode);
    return row ? &row->c : nullptr;
}

const RibFlatRating* FindRibFlatRating(std::string_view beltFamily, std::string_view beltPitchCode) {
    const RibFlatRow* row = nullptr;
    if (beltFamily == kQuindel) row = findByCode(kQuindelRatings, beltPitchCode);
    if (beltFamily == kFendaro) row = findByCode(kFendaroRatings, beltPitchCode);
    return row ? row->rating : nullptr;
}

void LoadProfileRatingData(DriveProject& p) {
    if (ratedPerRibOrWidth(p.beltFamily)) {
        const RibFlatRating* rating = FindRibFlatRating(p.beltFamily, p.beltPitchCode);
        if (rating) {
            for (std::size_t i = 0; i < kRatingSpeeds.size(); ++i) {
                p.ribFlatRatingTable[i][0] = kRatingSpeeds[i];
                p.ribFlatRatingTable[i][1] = rating->at25mm[i];
                p.ribFlatRatingTable[i][2] = rating->atReference[i];
            }
        } else if (BeltFamilyTraitsOf(p.beltFamily).kind == BeltKind::Flat) {
            p.ribFlatRatingTable[0][0] = kNoRatingData;
        }
        return;
    }
    if (const ToothLoadCoefficients* c = FindToothLoadCoefficients(p.beltFamily, p.beltPitchCode))
        p.toothLoadCoefficients = *c;
}

}  // namespace belt
