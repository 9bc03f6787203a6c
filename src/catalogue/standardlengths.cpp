#include "catalogue/standardlengths.h"

#include <algorithm>
#include <array>

#include "catalogue/beltids.h"
#include "catalogue/belttraits.h"

namespace belt {

namespace {

// Standard belt lengths in whole pitches, ascending, one list per belt name.
constexpr std::array<int, 26> kOrvantoT2_5 = {48,  58,  64,  71,  80,  92,  98,  106, 114,
                                              116, 122, 127, 132, 152, 168, 192, 200, 240,
                                              248, 260, 272, 312, 352, 366, 380, 474};
constexpr std::array<int, 65> kOrvantoT5 = {24,  30,  37,  40,  42,  43,  44,  45,  49,  50,  51,  52,  54,
                                            56,  59,  61,  66,  68,  70,  71,  73,  78,  80,  82,  84,  91,
                                            92,  95,  96,  100, 102, 105, 109, 110, 112, 115, 118, 122, 124,
                                            126, 130, 132, 138, 144, 150, 156, 163, 166, 168, 172, 177, 180,
                                            188, 198, 215, 220, 232, 240, 243, 255, 256, 263, 271, 276, 391};
constexpr std::array<int, 9> kOrvantoT5DL = {82, 92, 118, 124, 150, 163, 172, 188, 220};
constexpr std::array<int, 54> kOrvantoT10 = {
    26,  34,  37,  39,  40,  41,  44,  48,  50,  53,  56,  60,  61,  63,  66,  68,  69,  70,
    72,  73,  75,  78,  81,  84,  88,  89,  90,  92,  96,  97,  98,  101, 108, 111, 114, 115,
    121, 124, 125, 130, 132, 135, 139, 140, 142, 146, 150, 156, 161, 175, 178, 188, 196, 225};
constexpr std::array<int, 15> kOrvantoT10DL = {26,  53,  63,  66,  72,  84,  98, 121,
                                               124, 125, 132, 135, 142, 161, 188};
constexpr std::array<int, 27> kOrvantoAT5 = {45,  51,  56,  60,  66,  68,  75,  78,  84,
                                             90,  91,  100, 109, 120, 122, 132, 142, 144,
                                             150, 156, 165, 172, 195, 210, 225, 300, 400};
constexpr std::array<int, 38> kOrvantoAT10 = {50,  56,  60,  61,  66,  70,  73,  78,  80,  84,  89,  92,  96,
                                              98,  100, 101, 105, 108, 110, 115, 120, 121, 125, 128, 130, 132,
                                              135, 136, 140, 142, 148, 150, 160, 170, 172, 180, 186, 194};
constexpr std::array<int, 43> kOrvantoMXL = {55,  57,  60,  70,  72,  75,  76,  79,  80,  82,  88,
                                             91,  92,  96,  101, 102, 103, 110, 114, 120, 130, 132,
                                             135, 140, 145, 150, 155, 175, 190, 200, 256, 280, 285,
                                             308, 332, 352, 360, 395, 405, 412, 432, 454, 485};
constexpr std::array<int, 33> kOrvantoXL = {30,  35,  40,  45,  48,  50,  53,  55,  60,  65,  67,
                                            70,  75,  80,  85,  90,  95,  97,  100, 105, 110, 115,
                                            120, 125, 130, 135, 144, 145, 150, 178, 207, 225, 283};
constexpr std::array<int, 23> kOrvantoL = {23, 33, 40, 50,  54,  56,  60,  64,  68,  72,  76, 80,
                                           86, 92, 98, 104, 112, 120, 128, 136, 144, 152, 160};
constexpr std::array<int, 10> kOrvantoH = {48, 54, 60, 66, 72, 78, 84, 90, 96, 102};
constexpr std::array<int, 52> kRubberXL = {27,  30,  35,  40,  45,  49,  50,  51,  53,  55,  60,  65,  70,
                                           75,  78,  80,  85,  90,  91,  95,  99,  100, 101, 105, 106, 107,
                                           110, 114, 115, 117, 120, 125, 130, 135, 138, 145, 150, 155, 158,
                                           160, 165, 172, 176, 182, 190, 192, 195, 196, 217, 265, 300, 355};
constexpr std::array<int, 20> kRubberXLDT = {55,  60,  70,  75,  80,  85,  90,  95,  100, 105,
                                             110, 115, 120, 125, 130, 138, 154, 155, 160, 180};
constexpr std::array<int, 27> kRubberL = {33, 36,  40,  50,  54,  56,  60,  64,  68,  72,  76,  80,  86, 92,
                                          98, 104, 108, 110, 112, 120, 128, 136, 144, 160, 176, 194, 218};
constexpr std::array<int, 17> kRubberLDT = {56, 60,  64,  68,  72,  76,  80,  86, 92,
                                            98, 104, 112, 120, 128, 136, 144, 160};
constexpr std::array<int, 33> kRubberH = {45,  48,  54,  60,  64,  66,  72,  78,  80,  84,  90,
                                          96,  102, 104, 108, 114, 120, 126, 132, 140, 145, 150,
                                          160, 170, 180, 200, 220, 224, 228, 230, 250, 280, 340};
constexpr std::array<int, 26> kRubberHDT = {48,  54,  56,  60,  66,  72,  78,  84,  90,  96,  102, 108, 114,
                                            120, 126, 132, 140, 150, 160, 170, 180, 200, 220, 250, 280, 340};
constexpr std::array<int, 12> kRubberXH = {58, 64, 72, 80, 88, 96, 112, 128, 144, 160, 176, 200};
constexpr std::array<int, 58> kRubberQVP5 = {
    45,  47,  49,  53,  59,  60,  65,  69,  70,  75,  80,  84,  85,  90,  91,  92,  93,  95,  100, 105,
    107, 113, 115, 116, 120, 122, 127, 128, 135, 140, 141, 142, 145, 148, 151, 160, 167, 170, 178, 187,
    188, 190, 196, 200, 210, 225, 239, 248, 254, 284, 319, 338, 358, 360, 379, 400, 450, 505};
constexpr std::array<int, 28> kRubberQVP5DD = {127, 128, 135, 140, 141, 142, 145, 148, 151, 160,
                                               170, 178, 187, 188, 190, 196, 200, 210, 225, 239,
                                               248, 254, 284, 319, 338, 358, 360, 379};
constexpr std::array<int, 34> kRubberQVP8 = {40,  60,  67,  70,  75,  79,  80,  85,  90,  100, 105, 110,
                                             115, 120, 130, 135, 140, 150, 153, 160, 169, 180, 183, 200,
                                             220, 225, 250, 300, 325, 350, 381, 410, 450, 550};
constexpr std::array<int, 28> kRubberQVP8DD = {75,  79,  80,  85,  90,  100, 105, 110, 115, 120,
                                               130, 140, 150, 153, 160, 169, 180, 200, 220, 225,
                                               250, 300, 325, 350, 381, 410, 450, 550};
constexpr std::array<int, 19> kRubberQVP14 = {69,  85,  100, 115, 126, 127, 135, 150, 165, 175,
                                              185, 200, 225, 240, 250, 275, 309, 327, 354};
constexpr std::array<int, 19> kRubberQVP14DD = {69,  85,  100, 115, 126, 127, 135, 150, 165, 175,
                                                185, 200, 225, 240, 250, 275, 309, 327, 354};
constexpr std::array<int, 27> kQuindelZB2 = {156, 170, 200, 220, 231, 248, 266, 295, 310,
                                             327, 330, 345, 360, 380, 400, 430, 480, 510,
                                             526, 535, 598, 630, 660, 675, 725, 770, 1186};
constexpr std::array<int, 31> kQuindelJ = {271, 278,  288,  304,  330,  345,  356,  381,  392, 406, 431,
                                           444, 457,  483,  508,  558,  610,  660,  711,  762, 864, 914,
                                           953, 1010, 1086, 1120, 1163, 1202, 1239, 1245, 1397};
constexpr std::array<int, 15> kQuindelH = {178, 227, 340,  375,  485,  507,  594, 602,
                                           650, 935, 1086, 1120, 1163, 1240, 1775};

struct LengthRow {
    std::string_view beltName;
    std::span<const int> lengths;
};
constexpr std::array<LengthRow, 27> kStandardLengthRows = {{
    {"ORVANTO T2.5", kOrvantoT2_5},   {"ORVANTO T5", kOrvantoT5},       {"ORVANTO T5DL", kOrvantoT5DL},
    {"ORVANTO T10", kOrvantoT10},     {"ORVANTO T10DL", kOrvantoT10DL}, {"ORVANTO AT5", kOrvantoAT5},
    {"ORVANTO AT10", kOrvantoAT10},   {"ORVANTO MXL", kOrvantoMXL},     {"ORVANTO XL", kOrvantoXL},
    {"ORVANTO L", kOrvantoL},         {"ORVANTO H", kOrvantoH},         {"RUBBER XL", kRubberXL},
    {"RUBBER XLDT", kRubberXLDT},     {"RUBBER L", kRubberL},           {"RUBBER LDT", kRubberLDT},
    {"RUBBER H", kRubberH},           {"RUBBER HDT", kRubberHDT},       {"RUBBER XH", kRubberXH},
    {"RUBBER QVP5", kRubberQVP5},     {"RUBBER QVP5DD", kRubberQVP5DD}, {"RUBBER QVP8", kRubberQVP8},
    {"RUBBER QVP8DD", kRubberQVP8DD}, {"RUBBER QVP14", kRubberQVP14},   {"RUBBER QVP14DD", kRubberQVP14DD},
    {"QUINDEL ZB2", kQuindelZB2},     {"QUINDEL J", kQuindelJ},         {"QUINDEL H", kQuindelH},
}};

// FENDARO flat belts are made to any length between two limits, in mm.
struct FlatLengthRow {
    std::string_view beltName;
    std::array<int, 2> limitsMm;
};
constexpr std::array<FlatLengthRow, 16> kFlatBeltLengthLimits = {{
    {"FENDARO FXA1", {200, 3500}},
    {"FENDARO FXA2", {200, 4500}},
    {"FENDARO FXA3", {185, 2250}},
    {"FENDARO FXA4", {300, 4000}},
    {"FENDARO FXA5", {300, 4000}},
    {"FENDARO FXA6", {200, 1000}},
    {"FENDARO FXA7", {200, 1000}},
    {"FENDARO FXA8", {150, 1500}},
    {"FENDARO FXA9", {150, 2000}},
    {"FENDARO FXA10", {300, 4000}},
    {"FENDARO FXA11", {200, 1000}},
    {"FENDARO FXA12", {150, 1500}},
    {"FENDARO FXA13", {200, 2000}},
    {"FENDARO FXA14", {150, 1500}},
    {"FENDARO FXA15", {200, 2000}},
    {"FENDARO FXA16", {200, 2000}},
}};

// Fixed supply ranges of the belts made to length, m.
constexpr double kSelkiraShortest = 0.0;
constexpr double kSelkiraJoinedShortest = 0.9;
constexpr double kSelkiraLongest = 100.0;
constexpr double kTavorenShortest = 1.5;
constexpr double kTavorenLongest = 13.5;
// TAVOREN lengths from 1.5 m up to this one are not made.
constexpr double kTavorenGapEnd = 1.9;
// A length this close to the shortest or longest belt counts as that belt.
constexpr double kLengthTolerance = 1e-5;

}  // namespace

std::span<const int> FindStandardLengths(std::string_view beltName) {
    for (const auto& row : kStandardLengthRows)
        if (row.beltName == beltName) return row.lengths;
    for (const auto& row : kFlatBeltLengthLimits)
        if (row.beltName == beltName) return row.limitsMm;
    return {};
}

void LoadStandardLengths(DriveProject& p) {
    const std::span<const int> lengths = FindStandardLengths(p.beltName);
    if (!lengths.empty()) {
        p.standardLengths.fill(0);
        p.standardLengths[0] = static_cast<int>(lengths.size());
        std::copy(lengths.begin(), lengths.end(), p.standardLengths.begin() + 1);
    }

    if (p.beltFamily == kSelkira) {
        p.minBeltLength = p.linearDriveType == 2 ? kSelkiraJoinedShortest : kSelkiraShortest;
        p.maxBeltLength = kSelkiraLongest;
    } else if (p.beltFamily == kTavoren) {
        p.minBeltLength = kTavorenShortest;
        p.maxBeltLength = kTavorenLongest;
    } else if (FindBeltFamily(p.beltFamily)) {
        // Every other family has its range in its list. The count may come from a project file: one outside the table's
        // bounds yields an empty range rather than a read past its end.
        const int n = p.standardLengths[0];
        const bool valid = n >= 1 && n < static_cast<int>(p.standardLengths.size());
        p.minBeltLength = valid ? p.standardLengths[1] * p.beltPitch : 0.0;
        p.maxBeltLength = valid ? p.standardLengths[static_cast<std::size_t>(n)] * p.beltPitch : 0.0;
    }
}

void CheckBeltLengthRange(DriveProject& p, Dialogs& d) {
    if (p.beltFamily == kTavoren && p.beltLength >= kTavorenShortest && p.beltLength < kTavorenGapEnd) {
        d.message("NFT belt are not available with this length. Please contact VESTRANO technical staff.",
                  "Warning !!!", MsgIcon::Question);
        return;
    }
    if (p.beltLength - p.minBeltLength < -kLengthTolerance) {
        d.message("Available belts are too long. Please contact VESTRANO technical staff.", "I can't proceed",
                  MsgIcon::Warning);
        p.calcState = 3;
    } else if (p.beltLength - p.maxBeltLength > kLengthTolerance) {
        d.message("Available belts are too short. Please contact VESTRANO technical staff.",
                  "I can't proceed", MsgIcon::Warning);
        p.calcState = 3;
    }
}

}  // namespace belt
