#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "catalogue/pulleytabledata.h"
#include "catalogue/pulleytables.h"
#include "project/driveproject.h"

using namespace belt;

namespace {

using Loader = void (*)(DriveProject&);

struct TableCase {
    const char* name;
    Loader load;
    PulleyTableId id;
    double pitchMm;
    int n;
    int smallest;
    int largest;
    double delta0Mm;
    std::vector<PulleyRow> rows;  // as the catalogue prints them
};

const std::vector<TableCase>& Tables() {
    static const std::vector<TableCase> tables = {
        {"T2",
         PuleggeT2,
         PulleyTableId::T2,
         2.5,
         104,
         10,
         113,
         0.568,
         {{10, 7.45, 10, 3}, {62, 48.85, 52, 37}, {113, 89.4, 93, 67}}},
        {"T5",
         PuleggeT5,
         PulleyTableId::T5,
         5,
         104,
         10,
         113,
         0.894,
         {{10, 15.05, 20, 6}, {20, 31.0, 36, 18}, {62, 97.85, 102, 80}, {112, 177.45, 182, 152}}},
        {"T10",
         PuleggeT10,
         PulleyTableId::T10,
         10,
         103,
         12,
         114,
         2.07,
         {{12, 36.35, 42, 24}, {63, 198.65, 204, 170}, {114, 361, 367, 330}}},
        {"T20",
         PuleggeT20,
         PulleyTableId::T20,
         20,
         100,
         15,
         114,
         3.03,
         {{15, 92.65, 102, 67}, {65, 410.95, 420, 385}, {114, 722.9, 732, 682}}},
        {"AT5",
         PuleggeAT5,
         PulleyTableId::AT5,
         5,
         102,
         12,
         113,
         1.286,
         {{12, 17.85, 23, 6}, {63, 99.05, 104, 82}, {113, 178.65, 184, 152}}},
        {"AT10",
         PuleggeAT10,
         PulleyTableId::AT10,
         10,
         100,
         15,
         114,
         2.07,
         {{15, 45.9, 51, 34}, {65, 205.05, 210, 174}, {114, 361, 367, 330}}},
        {"AT20",
         PuleggeAT20,
         PulleyTableId::AT20,
         20,
         97,
         18,
         114,
         3.03,
         {{18, 111.75, 121, 86}, {66, 417.3, 427, 392}, {114, 722.9, 732, 682}}},
        {"MXL",
         PuleggeMXL,
         PulleyTableId::MXL,
         2.032,
         28,
         10,
         130,
         0.557,
         {{10, 5.97, 11, 11}, {36, 22.78, 28, 17}, {130, 83.57, 88, 17}}},
        {"XL",
         PuleggeXL,
         PulleyTableId::XL,
         5.08,
         46,
         10,
         72,
         0.564,
         {{10, 15.66, 23, 6}, {38, 60.94, 0, 8}, {72, 115.92, 0, 11}}},
        {"L",
         PuleggeL,
         PulleyTableId::L,
         9.525,
         46,
         10,
         120,
         0.943,
         {{10, 29.56, 36, 8}, {34, 102.32, 111, 11}, {120, 363.07, 0, 14}}},
        {"H",
         PuleggeH,
         PulleyTableId::H,
         12.7,
         46,
         14,
         156,
         1.49,
         {{14, 55.22, 63, 14}, {40, 160.33, 168, 14}, {156, 629.26, 0, 19}}},
        {"XH",
         PuleggeXH,
         PulleyTableId::XH,
         22.225,
         29,
         18,
         120,
         2.97,
         {{18, 124.55, 138, 24}, {40, 280.18, 296, 28}, {120, 846.14, 0, 28}}},
        {"QXD5M",
         PuleggeQXD5M,
         PulleyTableId::QXD5M,
         5,
         62,
         12,
         73,
         1.286,
         {{12, 17.96, 23, 4}, {43, 67.3, 74, 8}, {73, 115.04, 0, 8}}},
        {"QXD8M",
         PuleggeQXD8M,
         PulleyTableId::QXD8M,
         8,
         74,
         18,
         91,
         1.5,
         {{18, 44.47, 50, 12}, {55, 138.68, 145, 15}, {91, 230.36, 0, 15}}},
        {"QXD14M",
         PuleggeQXD14M,
         PulleyTableId::QXD14M,
         14,
         69,
         25,
         93,
         2.5,
         {{25, 108.61, 115, 24}, {59, 260.13, 268, 28}, {93, 411.64, 0, 28}}},
        {"QVP5",
         PuleggeQVP5,
         PulleyTableId::QVP5,
         5,
         102,
         12,
         113,
         1.286,
         {{12, 17.96, 23, 4}, {63, 99.13, 0, 8}, {113, 178.71, 0, 0}}},
        {"QVP8",
         PuleggeQVP8,
         PulleyTableId::QVP8,
         8,
         97,
         18,
         114,
         1.5,
         {{18, 44.47, 50, 12}, {66, 166.7, 174, 15}, {114, 288.93, 0, 0}}},
        {"QVP8HP",
         PuleggeQVP8HP,
         PulleyTableId::QVP8HP,
         8,
         93,
         22,
         114,
         1.5,
         {{22, 54.65, 60, 12}, {68, 171.79, 180, 15}, {114, 288.93, 0, 0}}},
        {"QVP14",
         PuleggeQVP14,
         PulleyTableId::QVP14,
         14,
         83,
         32,
         114,
         2.5,
         {{32, 139.81, 154, 24}, {73, 322.52, 0, 28}, {114, 505.23, 0, 0}}},
        {"QVP8RUBBER",
         PuleggeQVP8RUBBER,
         PulleyTableId::QVP8RUBBER,
         8,
         92,
         22,
         114,
         1.5,
         {{22, 54.65, 60, 12}, {69, 174.34, 183, 15}, {114, 288.93, 0, 0}}},
        {"QVP14RUBBER",
         PuleggeQVP14RUBBER,
         PulleyTableId::QVP14RUBBER,
         14,
         87,
         28,
         114,
         2.5,
         {{28, 121.98, 127, 24}, {72, 318.06, 0, 28}, {114, 505.23, 0, 28}}},
    };
    return tables;
}

std::vector<int> LoadedTeeth(const DriveProject& p) {
    std::vector<int> z;
    for (int r = 1; r <= static_cast<int>(p.pulleyTable[0][0]); ++r)
        z.push_back(static_cast<int>(p.pulleyTable[r][0]));
    return z;
}

std::vector<int> Span(int first, int last) {
    std::vector<int> z;
    for (int i = first; i <= last; ++i) z.push_back(i);
    return z;
}

std::vector<int> Join(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> z;
    for (const auto& part : parts) z.insert(z.end(), part.begin(), part.end());
    return z;
}

const PulleyRow* CatalogueRow(const TableCase& t, int z) {
    for (const PulleyRow& r : t.rows)
        if (r.z == z) return &r;
    return nullptr;
}

// Linear interpolation in z between (z, value) anchors, constant beyond them.
double Between(const std::vector<std::pair<int, double>>& anchors, int z) {
    if (z <= anchors.front().first) return anchors.front().second;
    if (z >= anchors.back().first) return anchors.back().second;
    for (std::size_t i = 1; i < anchors.size(); ++i) {
        const auto& [z0, v0] = anchors[i - 1];
        const auto& [z1, v1] = anchors[i];
        if (z <= z1) return v0 + (v1 - v0) * (z - z0) / (z1 - z0);
    }
    return anchors.back().second;
}

}  // namespace

TEST(PulleyTables, LoadersWriteHeaderPitchAndCatalogueRows) {
    for (const TableCase& t : Tables()) {
        SCOPED_TRACE(t.name);
        DriveProject p;
        t.load(p);
        EXPECT_DOUBLE_EQ(p.beltPitch, t.pitchMm / 1000);
        EXPECT_EQ(p.pulleyTable[0][0], t.n);
        EXPECT_DOUBLE_EQ(p.pulleyTable[0][1], t.delta0Mm / 1000);
        const std::vector<int> teeth = LoadedTeeth(p);
        ASSERT_EQ(static_cast<int>(teeth.size()), t.n);
        EXPECT_EQ(teeth.front(), t.smallest);
        EXPECT_EQ(teeth.back(), t.largest);
        EXPECT_TRUE(std::adjacent_find(teeth.begin(), teeth.end(), std::greater_equal<int>()) == teeth.end())
            << "tooth counts must rise strictly";
        for (const PulleyRow& row : t.rows) {
            SCOPED_TRACE(row.z);
            const auto at = std::find(teeth.begin(), teeth.end(), row.z);
            ASSERT_NE(at, teeth.end());
            const auto& loaded = p.pulleyTable[1 + (at - teeth.begin())];
            EXPECT_DOUBLE_EQ(loaded[1], row.de);
            EXPECT_DOUBLE_EQ(loaded[2], row.df);
            EXPECT_DOUBLE_EQ(loaded[3], row.dmax);
        }
    }
}

// Only the tables with gaps: for the others, N consecutive counts from the
// smallest to the largest are checked above.
TEST(PulleyTables, ToothCountListsWithGapsAreComplete) {
    struct Case {
        Loader load;
        std::vector<int> teeth;
    };
    const Case cases[] = {
        {PuleggeMXL, Join({Span(10, 12),
                           Span(14, 16),
                           {18},
                           Span(20, 22),
                           {24, 28, 30, 32, 36, 40, 42, 44, 48},
                           {60, 65, 72, 80, 90, 100, 110, 120, 130}})},
        {PuleggeXL, Join({Span(10, 22),
                          {24},
                          Span(26, 30),
                          {32},
                          Span(34, 36),
                          Span(38, 49),
                          {52},
                          Span(56, 60),
                          Span(68, 72)})},
        {PuleggeL, Join({Span(10, 30),
                         Span(32, 36),
                         Span(40, 42),
                         Span(44, 45),
                         Span(47, 50),
                         {52},
                         Span(56, 57),
                         {60},
                         Span(65, 66),
                         {72, 84, 90, 96, 120}})},
        {PuleggeH, Join({Span(14, 30),
                         Span(32, 36),
                         {38, 40},
                         Span(44, 45),
                         Span(48, 50),
                         {52, 58, 60, 70, 72, 82, 84, 94, 96, 106, 116, 118, 120, 150, 152, 154, 156}})},
        {PuleggeXH, Join({Span(18, 22),
                          Span(24, 28),
                          {30, 32, 34, 38, 40, 46, 48, 58, 60, 70, 72, 78, 80, 82, 84, 94, 96, 118, 120}})},
        {PuleggeQVP8RUBBER, Join({{22}, Span(24, 114)})},
    };
    for (const Case& c : cases) {
        DriveProject p;
        c.load(p);
        EXPECT_EQ(LoadedTeeth(p), c.teeth);
    }
}

// Rows the catalogue does not print follow the table's rule: de from the
// typical offset, flange a margin above de and bore values interpolated
// between the printed rows, both whole millimetres, and 0 from the listed
// tooth counts on.
TEST(PulleyTables, RowsBetweenCatalogueRowsFollowTheRule) {
    for (const TableCase& t : Tables()) {
        SCOPED_TRACE(t.name);
        const PulleyTableSpec& def = PulleyTableSpecOf(t.id);
        std::vector<std::pair<int, double>> margins;
        std::vector<std::pair<int, double>> bores;
        for (const PulleyRow& r : t.rows) {
            if (r.df != 0) margins.push_back({r.z, r.df - r.de});
            if (r.dmax != 0) bores.push_back({r.z, r.dmax});
        }
        DriveProject p;
        t.load(p);
        for (int r = 1; r <= t.n; ++r) {
            const int z = static_cast<int>(p.pulleyTable[r][0]);
            if (CatalogueRow(t, z)) continue;
            SCOPED_TRACE(z);
            const double de = p.pulleyTable[r][1];
            const double df = p.pulleyTable[r][2];
            const double dmax = p.pulleyTable[r][3];
            EXPECT_NEAR(de, std::round((z * t.pitchMm / kPi - def.deltaTypicalMm) * 100) / 100, 1e-9);
            if (def.dfZeroFrom != 0 && z >= def.dfZeroFrom) {
                EXPECT_EQ(df, 0);
            } else {
                EXPECT_EQ(df, std::floor(df));
                EXPECT_NEAR(df, de + Between(margins, z), 0.5 + 1e-9);
            }
            if (def.dmaxZeroFrom != 0 && z >= def.dmaxZeroFrom) {
                EXPECT_EQ(dmax, 0);
            } else {
                EXPECT_EQ(dmax, std::floor(dmax));
                EXPECT_NEAR(dmax, Between(bores, z), 0.5 + 1e-9);
            }
        }
    }
}

TEST(PulleyTables, RuleGivesTheseRows) {
    struct Case {
        Loader load;
        int z;
        double de, df, dmax;
    };
    const Case cases[] = {
        // 30 * 10 / pi - 1.86; margin 5.65 -> 5.35 and bore 24 -> 170 between z 12 and 63.
        {PuleggeT10, 30, 93.63, 99, 76},
        // One flanged catalogue row (margin 7.34); bore 6 -> 8 between z 10 and 38.
        {PuleggeXL, 30, 48.00, 55, 7},
        {PuleggeXL, 34, 54.47, 0, 8},
        // Bore values stop at 74 teeth, flanges at 44.
        {PuleggeQVP5, 73, 115.04, 0, 8},
        {PuleggeQVP5, 74, 116.63, 0, 0},
        // Beyond the last catalogue row the bore and margin stay as there.
        {PuleggeT5, 113, 179.03, 184, 152},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.z);
        DriveProject p;
        c.load(p);
        p.pulleyTeeth[1] = c.z;
        ASSERT_EQ(LookupPulleyTeeth(p, 1), TeethLookup::kAccepted);
        EXPECT_NEAR(p.pulleyOutsideDiameter[1] * 1000, c.de, 1e-9);
        EXPECT_NEAR(p.pulleyFlangeDiameter[1] * 1000, c.df, 1e-9);
        EXPECT_NEAR(p.pulleyMaxBore[1] * 1000, c.dmax, 1e-9);
    }
}

TEST(PulleyTables, TeethLookup) {
    constexpr double kUntouched = 0.777;
    struct Case {
        const char* what;
        Loader load;
        int z;
        TeethLookup result;
        double dp, de, df, dmax;  // mm; dmax -1 = not in the table
        double tolerance;         // on dp
    };
    const double dp250 = 250 * 10 / kPi;
    const double dp13 = 13 * 2.032 / kPi;
    const Case cases[] = {
        {"listed", PuleggeT5, 20, TeethLookup::kAccepted, 31.831, 31.0, 36, 18, 5e-4},
        // 13 * 2.032 / pi = 8.40847 mm
        {"not listed", PuleggeMXL, 13, TeethLookup::kAccepted, 8.4085, dp13 - 0.557, 0, -1, 5e-5},
        {"listed without flange", PuleggeXL, 38, TeethLookup::kAccepted, 38 * 5.08 / kPi, 60.94, 0, 8, 1e-9},
        {"gap in the list", PuleggeXL, 23, TeethLookup::kAccepted, 23 * 5.08 / kPi, 23 * 5.08 / kPi - 0.564,
         0, -1, 1e-9},
        {"smallest", PuleggeT10, 12, TeethLookup::kAccepted, 12 * 10 / kPi, 36.35, 42, 24, 1e-9},
        {"below the smallest", PuleggeT10, 11, TeethLookup::kTooSmall, kUntouched, kUntouched, kUntouched,
         kUntouched, 0},
        {"zero teeth", PuleggeT10, 0, TeethLookup::kTooSmall, kUntouched, kUntouched, kUntouched, kUntouched,
         0},
        {"largest accepted", PuleggeT10, 250, TeethLookup::kAccepted, dp250, dp250 - 2.07, 0, -1, 1e-9},
        {"too large", PuleggeT10, 251, TeethLookup::kTooLarge, kUntouched, kUntouched, kUntouched, kUntouched,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DriveProject p;
        c.load(p);
        const int k = 3;
        p.pulleyTeeth[k] = c.z;
        p.pulleyDiameter[k] = p.pulleyOutsideDiameter[k] = p.pulleyFlangeDiameter[k] = p.pulleyMaxBore[k] =
            kUntouched / 1000;
        EXPECT_EQ(LookupPulleyTeeth(p, k), c.result);
        EXPECT_NEAR(p.pulleyDiameter[k] * 1000, c.dp, c.tolerance);
        EXPECT_NEAR(p.pulleyOutsideDiameter[k] * 1000, c.de, 1e-9);
        EXPECT_NEAR(p.pulleyFlangeDiameter[k] * 1000, c.df, 1e-9);
        if (c.dmax == -1) {
            EXPECT_EQ(p.pulleyMaxBore[k], -1);  // the marker is -1 m, not -1 mm
        } else {
            EXPECT_NEAR(p.pulleyMaxBore[k] * 1000, c.dmax, 1e-9);
        }
        EXPECT_EQ(p.pulleyTeeth[k], c.z);
    }
}

TEST(PulleyTables, EnteredDiameterSnapsToWholeTeeth) {
    struct Case {
        Loader load;
        double dMm;
        int z;
        TeethLookup result;
    };
    const Case cases[] = {
        {PuleggeT5, 31.9, 20, TeethLookup::kAccepted},  // 20.04 teeth
        {PuleggeT5, 32.7, 21, TeethLookup::kAccepted},  // 20.55 teeth
        {PuleggeT10, 30.0, 9, TeethLookup::kTooSmall},  // 9.42 teeth
        {PuleggeT5, 5000.0, 3142, TeethLookup::kTooLarge},
        {PuleggeT5, 1e30, 1000000, TeethLookup::kTooLarge},  // no overflow on absurd entries
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dMm);
        DriveProject p;
        c.load(p);
        p.pulleyDiameter[2] = c.dMm / 1000;
        EXPECT_EQ(SnapPulleyDiameterToTeeth(p, 2), c.result);
        EXPECT_EQ(p.pulleyTeeth[2], c.z);
        if (c.result == TeethLookup::kAccepted) {
            EXPECT_DOUBLE_EQ(p.pulleyDiameter[2], c.z * p.beltPitch / kPi);
        }
    }
    DriveProject p;
    p.pulleyDiameter[1] = 31.831 / 1000;
    p.pulleyTeeth[1] = 20;
    PuleggeT5(p);
    EXPECT_EQ(SnapPulleyDiameterToTeeth(p, 1), TeethLookup::kAccepted);
    EXPECT_NEAR(p.pulleyDiameter[1] * 1000, 31.831, 5e-4);
}

TEST(PulleyTables, TeethForDiameterRoundsHalfToEvenAndNeedsAPitch) {
    DriveProject p;
    p.beltPitch = kPi;  // one tooth per metre of pitch diameter: exact halves
    EXPECT_EQ(TeethForDiameter(p, 20.5), 20);
    EXPECT_EQ(TeethForDiameter(p, 21.5), 22);
    p.beltPitch = 0;  // no table loaded yet: no division by zero
    EXPECT_EQ(TeethForDiameter(p, 0.0319), 0);
}

TEST(PulleyTables, LoadPulleyTableChoosesByFamilyAndProfile) {
    struct Case {
        const char* family;
        const char* code;
        double pitchMm;
        int n;         // row 0 column 0 after loading
        int smallest;  // row 1 column 0 (flat: diameter in mm)
    };
    const Case cases[] = {
        {"ORVANTO", "T2.5", 2.5, 104, 10}, {"ORVANTO", "T5", 5, 104, 10},
        {"SELKIRA", "T10", 10, 103, 12},   {"TAVOREN", "T20", 20, 100, 15},
        {"ORVANTO", "AT5", 5, 102, 12},    {"SELKIRA", "AT10", 10, 100, 15},
        {"TAVOREN", "AT20", 20, 97, 18},   {"ORVANTO", "MXL", 2.032, 28, 10},
        {"RUBBER", "XL", 5.08, 46, 10},    {"ORVANTO", "L", 9.525, 46, 10},
        {"RUBBER", "H", 12.7, 46, 14},     {"SELKIRA", "XH", 22.225, 29, 18},
        {"SELKIRA", "QXD5M", 5, 62, 12},   {"SELKIRA", "QXD8M", 8, 74, 18},
        {"SELKIRA", "QXD14M", 14, 69, 25}, {"RUBBER", "QVP5", 5, 102, 12},
        {"SELKIRA", "QVP8HP", 8, 93, 22},  {"TAVOREN", "QVP8", 8, 97, 18},
        {"RUBBER", "QVP8", 8, 92, 22},     {"SELKIRA", "QVP14", 14, 83, 32},
        {"RUBBER", "QVP14", 14, 87, 28},   {"FENDARO", "FXA3", 1, 24, 40},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.family) + " " + c.code);
        DriveProject p;
        p.beltFamily = c.family;
        p.beltPitchCode = c.code;
        LoadPulleyTable(p);
        EXPECT_DOUBLE_EQ(p.beltPitch, c.pitchMm / 1000);
        EXPECT_EQ(p.pulleyTable[0][0], c.n);
        const double smallest =
            std::string(c.family) == "FENDARO" ? p.pulleyTable[1][0] * 1000 : p.pulleyTable[1][0];
        EXPECT_NEAR(smallest, c.smallest, 1e-9);
    }
}

// The multi-rib section H has no pulley table, and an unknown profile code
// must not leave a half-loaded table behind.
TEST(PulleyTables, LoadPulleyTableLeavesTheTableAloneWithoutAMatch) {
    struct Case {
        const char* family;
        const char* code;
        double pitch;
    };
    const Case cases[] = {{"QUINDEL", "H", 0.001},
                          {"QUINDEL", "ZB2", 0.001},
                          {"ORVANTO", "T10DL", 0.123},
                          {"ORVANTO", "", 0.123}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.family) + " " + c.code);
        DriveProject p;
        PuleggeT5(p);
        const auto before = p.pulleyTable;
        p.toothDimensions = {0.1f, 0.2f, 0.3f};
        p.beltPitch = 0.123;
        p.beltFamily = c.family;
        p.beltPitchCode = c.code;
        LoadPulleyTable(p);
        EXPECT_EQ(p.pulleyTable, before);
        EXPECT_DOUBLE_EQ(p.beltPitch, c.pitch);
        EXPECT_EQ(p.toothDimensions, (Arr<float, 3>{0.1f, 0.2f, 0.3f}));
    }
}

TEST(PulleyTables, ToothDimensionsByProfileAndFamily) {
    constexpr float kPrevious = -5;
    struct Case {
        Loader load;
        const char* family;
        float body, height, tip;  // mm; kPrevious = left as it was
    };
    const Case cases[] = {
        {PuleggeT2, "ORVANTO", 0.6f, 0.7f, 1.0f},
        {PuleggeT5, "TAVOREN", 1.0f, 1.2f, 1.8f},
        {PuleggeT10, "ORVANTO", 2.0f, 2.5f, 3.5f},
        {PuleggeT20, "SELKIRA", 3.0f, 5.0f, 6.5f},
        {PuleggeAT5, "ORVANTO", 1.5f, 1.2f, 2.5f},
        {PuleggeAT10, "SELKIRA", 2.0f, 2.5f, 5.0f},
        {PuleggeAT20, "TAVOREN", 3.0f, 5.0f, 10.0f},
        {PuleggeMXL, "ORVANTO", 0.69f, 0.51f, 0.76f},
        {PuleggeXL, "ORVANTO", 1.0f, 1.25f, 1.352f},
        {PuleggeXL, "SELKIRA", 1.03f, 1.27f, 1.37f},
        {PuleggeXL, "TAVOREN", 1.03f, 1.27f, 1.37f},
        {PuleggeXL, "RUBBER", 0, 1.27f, 0},
        {PuleggeL, "ORVANTO", 1.65f, 1.9f, 3.25f},
        {PuleggeL, "TAVOREN", 1.7f, 1.9f, 3.25f},
        {PuleggeL, "RUBBER", 0, 1.91f, 0},
        {PuleggeH, "ORVANTO", 2.01f, 2.29f, 4.43f},
        {PuleggeH, "SELKIRA", 2.01f, 2.29f, 4.43f},
        {PuleggeH, "RUBBER", 0, 2.29f, 0},
        {PuleggeXH, "SELKIRA", 4.85f, 6.35f, 7.94f},
        {PuleggeXH, "RUBBER", 0, 6.22f, 0},
        {PuleggeXH, "ORVANTO", kPrevious, kPrevious, kPrevious},
        {PuleggeQXD5M, "SELKIRA", 1.5f, 2.1f, 0},
        {PuleggeQXD8M, "SELKIRA", 2.2f, 3.4f, 0},
        {PuleggeQXD14M, "SELKIRA", 3.9f, 6.1f, 0},
        {PuleggeQVP5, "TAVOREN", 1.8f, 2.0f, 0},
        {PuleggeQVP5, "RUBBER", 0, 2.0f, 0},
        {PuleggeQVP5, "ORVANTO", kPrevious, kPrevious, kPrevious},
        {PuleggeQVP8, "SELKIRA", 2.2f, 3.2f, 0},
        {PuleggeQVP8RUBBER, "RUBBER", 0, 3.2f, 0},
        {PuleggeQVP8HP, "SELKIRA", 2.2f, 3.2f, 0},
        {PuleggeQVP14, "TAVOREN", 4.0f, 6.0f, 0},
        {PuleggeQVP14RUBBER, "RUBBER", 0, 6.0f, 0},
        {PuleggeQVP14RUBBER, "", kPrevious, kPrevious, kPrevious},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.family);
        DriveProject p;
        p.beltFamily = c.family;
        p.toothDimensions = {kPrevious / 1000, kPrevious / 1000, kPrevious / 1000};
        c.load(p);
        EXPECT_FLOAT_EQ(p.toothDimensions[0] * 1000, c.body);
        EXPECT_FLOAT_EQ(p.toothDimensions[1] * 1000, c.height);
        EXPECT_FLOAT_EQ(p.toothDimensions[2] * 1000, c.tip);
    }
}

TEST(PulleyTables, FlatTableAndThicknessOfTheChosenType) {
    DriveProject p;
    PuleggeT5(p);  // a longer table loaded before must not show through
    p.flatBeltIndex = 3;
    p.flatBeltTable[10][3] = "1.1";
    p.flatBeltTable[11][3] = "0.05";
    PuleggeFlat(p);
    EXPECT_DOUBLE_EQ(p.beltPitch, 0.001);
    EXPECT_FLOAT_EQ(p.toothDimensions[0], 0.0011f);
    EXPECT_FLOAT_EQ(p.toothDimensions[1], 0.00005f);
    EXPECT_EQ(p.toothDimensions[2], 0.0f);
    EXPECT_EQ(p.pulleyTable[0][0], 24);
    const double diameters[] = {40,  50,  63,  71,  80,  90,  100, 112, 125, 140, 160, 180,
                                200, 224, 250, 280, 315, 355, 400, 450, 500, 560, 630, 710};
    const double crowns[] = {0.3, 0.3, 0.3, 0.3, 0.3, 0.3, 0.3, 0.3, 0.4, 0.4, 0.5, 0.5,
                             0.6, 0.6, 0.8, 0.8, 0.8, 0.8, 1.0, 1.0, 1.0, 1.2, 1.2, 1.2};
    for (int b = 1; b <= 24; ++b) {
        EXPECT_DOUBLE_EQ(p.pulleyTable[b][0], diameters[b - 1] / 1000) << b;
        EXPECT_DOUBLE_EQ(p.pulleyTable[b][1], crowns[b - 1] / 1000) << b;
    }

    // A project file may carry a type index outside the sheet.
    for (int index : {0, 17, -1, 1000}) {
        p.flatBeltIndex = index;
        PuleggeFlat(p);
        EXPECT_EQ(p.toothDimensions, (Arr<float, 3>{0, 0, 0})) << index;
    }
}

TEST(PulleyTables, IsoDiameterLookupOffersTheNearestStandardDiameter) {
    struct Case {
        double dMm;
        double isoMm;
        double crownMm;
    };
    const Case cases[] = {
        {95, 100, 0.3},                  // halfway between 90 and 100 takes the larger
        {45, 50, 0.3},                   // 45 is not a standard diameter
        {56, 50, 0.3},                   // nor is 56
        {120, 125, 0.4}, {30, 40, 0.3},  // below the smallest
        {100, 100, 0.3},                 // a standard diameter selects itself
        {40, 40, 0.3},   {710, 710, 1.2}, {660, 630, 1.2}, {670, 710, 1.2},  // halfway again
        {900, 710, 1.2},  // above the largest: the largest, never a row beyond the table
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dMm);
        DriveProject p;
        PuleggeT5(p);
        PuleggeFlat(p);
        for (double d : {c.dMm / 1000, c.dMm * 0.001}) {  // as unit conversions deliver it
            p.pulleyDiameter[2] = d;
            p.pulleyCrownHeight[2] = -1;
            EXPECT_NEAR(LookupIsoDiameter(p, 2) * 1000, c.isoMm, 1e-9);
            EXPECT_NEAR(p.pulleyCrownHeight[2] * 1000, c.crownMm, 1e-9);
            EXPECT_EQ(p.pulleyDiameter[2], d);
        }
    }
}

TEST(PulleyTables, GeneratedRowCountsMatchTheHeaders) {
    for (int i = 0; i < kPulleyTableCount; ++i) {
        const PulleyTableSpec& def = PulleyTableSpecOf(static_cast<PulleyTableId>(i));
        EXPECT_EQ(static_cast<int>(GeneratePulleyRows(def).size()), def.rowCount) << def.method;
    }
}
