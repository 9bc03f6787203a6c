#include <gtest/gtest.h>

#include <string>

#include "catalogue/beltids.h"

namespace belt {
namespace {

DriveProject beltOf(std::string family, std::string pitchCode) {
    DriveProject p;
    p.beltFamily = std::move(family);
    p.beltPitchCode = std::move(pitchCode);
    return p;
}

TEST(BeltIdentifiers, ComposedFromTypeCaptionAndFamily) {
    EXPECT_EQ(FamilyFromType("ORVANTO T"), "ORVANTO");
    EXPECT_EQ(FamilyFromType("FENDARO FXA12"), "FENDARO");
    EXPECT_EQ(FamilyFromType("RUBBER TIMING BELT"), "RUBBER");
    EXPECT_EQ(FamilyFromType("FENDARO"), "FENDARO");
    EXPECT_EQ(FamilyFromType(""), "");
    EXPECT_EQ(PitchCodeFromCaption("T10*"), "T10");
    EXPECT_EQ(PitchCodeFromCaption("QXD8M"), "QXD8M");
    EXPECT_EQ(ComposeBeltName("ORVANTO", "ORVANTO T", "T10"), "ORVANTO T10");
    EXPECT_EQ(ComposeBeltName("RUBBER", "RUBBER QVP", "QVP8"), "RUBBER QVP8");
    // Multi-rib and flat belts are named by their step 1 type.
    EXPECT_EQ(ComposeBeltName("QUINDEL", "QUINDEL H", "H"), "QUINDEL H");
    EXPECT_EQ(ComposeBeltName("FENDARO", "FENDARO FXA4", "FXA4"), "FENDARO FXA4");
}

TEST(BeltIdentifiers, DoubleSidedSuffixFollowsTheLastMatchingRule) {
    struct Case {
        const char* family;
        const char* type;
        const char* name;
        const char* suffix;
    };
    const Case cases[] = {
        {"ORVANTO", "ORVANTO T", "ORVANTO T5", "DL"},
        {"ORVANTO", "ORVANTO T", "ORVANTO T10DL", "DL"},
        {"ORVANTO", "ORVANTO T", "ORVANTO T2.5", "err"},
        {"ORVANTO", "ORVANTO AT", "ORVANTO AT10", "err"},
        {"RUBBER", "RUBBER I", "RUBBER XL", "DT"},
        {"RUBBER", "RUBBER I", "RUBBER XH", "err"},
        {"RUBBER", "RUBBER QVP", "RUBBER QVP8", "DD"},
        {"TAVOREN", "TAVOREN T", "TAVOREN T10", "DD"},
        {"TAVOREN", "TAVOREN I", "TAVOREN XH", "DD"},
        {"TAVOREN", "TAVOREN QVP", "TAVOREN QVP8", "err"},
        {"SELKIRA", "SELKIRA T", "SELKIRA T10", "err"},
        {"QUINDEL", "QUINDEL ZB2", "QUINDEL ZB2", "err"},
        {"FENDARO", "FENDARO FXA1", "FENDARO FXA1", "err"},
        // Comparisons are case-sensitive.
        {"orvanto", "orvanto T", "orvanto T5", "err"},
    };
    for (const Case& c : cases) EXPECT_EQ(DoubleSidedSuffix(c.family, c.type, c.name), c.suffix) << c.name;
}

TEST(BeltIdentifiers, ProfilePitch) {
    struct Case {
        const char* family;
        const char* code;
        double pitchMm;
    };
    const Case cases[] = {
        {"ORVANTO", "T2.5", 2.5}, {"SELKIRA", "QXD5M", 5}, {"ORVANTO", "AT10", 10},   {"TAVOREN", "T20", 20},
        {"SELKIRA", "QVP8HP", 8}, {"RUBBER", "QVP14", 14}, {"ORVANTO", "MXL", 2.032}, {"RUBBER", "XL", 5.08},
        {"ORVANTO", "L", 9.525},  {"ORVANTO", "H", 12.7},  {"TAVOREN", "XH", 22.225}, {"QUINDEL", "H", 1},
        {"FENDARO", "FXA16", 1},  {"ORVANTO", "T7", 0},    {"QUINDEL", "XL", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(ProfilePitchMm(c.family, c.code), c.pitchMm) << c.code;
}

TEST(ProfileRatingData, TimingBeltCoefficientsBySet) {
    struct Case {
        const char* family;
        const char* code;
        ToothLoadCoefficients c;
    };
    const Case cases[] = {
        {"ORVANTO", "T2.5", {7.8, 0, 7, 3e-09, -0.27, 600, 15000}},
        {"ORVANTO", "T10", {50.5, -0.06, 30.48, 6.25e-08, -0.2195, 100, 10000}},
        {"TAVOREN", "XH", {122.02, -0.1, 70, 5e-07, -0.24, 100, 4500}},
        {"SELKIRA", "QVP14", {139.65, -0.1141, 84.60820373, 8.03068e-07, -0.224803508, 100, 6500}},
        {"SELKIRA", "QVP8HP", {75.71, -0.0495, 49.14703232, 1.23232e-07, -0.1992264, 100, 10000}},
        // The curvilinear profiles are rated like the AT profiles.
        {"SELKIRA", "QXD8M", {73.5, -0.048, 48.2, 1.45e-07, -0.2195, 100, 10000}},
        {"SELKIRA", "QXD14M", {147, -0.12, 89.5, 7.85e-07, -0.244, 100, 6500}},
        // RUBBER has a set of its own for the same profile codes.
        {"RUBBER", "XL", {1.77, 0, 1.8, 1.9e-09, -0.0005, 1300, 15000}},
        {"RUBBER", "H", {6.14, 0, 6.14, 2.2e-08, -0.006, 700, 6000}},
        {"RUBBER", "QVP14", {68.32, 0, 21.6, 2.4e-07, -0.25, 10, 4000}},
    };
    for (const Case& c : cases) {
        DriveProject p = beltOf(c.family, c.code);
        LoadProfileRatingData(p);
        EXPECT_EQ(p.toothLoadCoefficients, c.c) << c.family << ' ' << c.code;
    }
}

TEST(ProfileRatingData, DoubleSidedNameRatesLikeItsProfile) {
    DriveProject single = beltOf("ORVANTO", "T5");
    single.beltName = "ORVANTO T5";
    DriveProject doubled = beltOf("ORVANTO", "T5");
    doubled.beltName = "ORVANTO T5DL";
    LoadProfileRatingData(single);
    LoadProfileRatingData(doubled);
    EXPECT_EQ(doubled.toothLoadCoefficients[0], 24);
    EXPECT_EQ(doubled.toothLoadCoefficients, single.toothLoadCoefficients);
}

TEST(ProfileRatingData, ProfileWithoutRowKeepsPreviousData) {
    // No RUBBER row for T10, no rib table for a rib section the catalogue
    // does not list, and a misspelt code: nothing may change.
    const ToothLoadCoefficients before = {1, 2, 3, 4, 5, 6, 7};
    for (const auto& [family, code] :
         {std::pair{"RUBBER", "T10"}, std::pair{"QUINDEL", "PK"}, std::pair{"ORVANTO", "t10"}}) {
        DriveProject p = beltOf(family, code);
        p.toothLoadCoefficients = before;
        p.ribFlatRatingTable[3][1] = 11;
        LoadProfileRatingData(p);
        EXPECT_EQ(p.toothLoadCoefficients, before) << family << ' ' << code;
        EXPECT_EQ(p.ribFlatRatingTable[3][1], 11) << family << ' ' << code;
        EXPECT_EQ(p.ribFlatRatingTable[0][0], 0) << family << ' ' << code;
    }
}

TEST(ProfileRatingData, RibAndFlatTablesOverTheFourteenSpeeds) {
    struct Case {
        const char* family;
        const char* code;
        int row;
        double speed, at25, atReference;
    };
    const Case cases[] = {
        {"QUINDEL", "ZB2", 0, 0, 85, 127},       {"QUINDEL", "ZB2", 13, 60, 700, 1500},
        {"QUINDEL", "J", 8, 15, 500, 1000},      {"QUINDEL", "H", 1, 2, 50, 75},
        {"QUINDEL", "H", 13, 60, 600, 900},      {"FENDARO", "FXA6", 13, 60, 3500, 4200},
        {"FENDARO", "FXA3", 6, 8, 610, 800},     {"FENDARO", "FXA2", 0, 0, 180, 210},
        {"FENDARO", "FXA4", 11, 40, 1000, 1100}, {"FENDARO", "FXA10", 6, 8, 220, 255},
        {"FENDARO", "FXA9", 12, 50, 1550, 1800},
    };
    for (const Case& c : cases) {
        DriveProject p = beltOf(c.family, c.code);
        LoadProfileRatingData(p);
        const auto& r = p.ribFlatRatingTable[static_cast<std::size_t>(c.row)];
        EXPECT_EQ(r[0], c.speed) << c.code << " row " << c.row;
        EXPECT_EQ(r[1], c.at25) << c.code << " row " << c.row;
        EXPECT_EQ(r[2], c.atReference) << c.code << " row " << c.row;
        // The multi-rib H section never takes the inch H coefficients.
        EXPECT_EQ(p.toothLoadCoefficients, ToothLoadCoefficients{}) << c.code;
    }
}

TEST(ProfileRatingData, FlatTypeWithoutRatingGetsOnlyTheMarker) {
    DriveProject fresh = beltOf("FENDARO", "FXA13");
    LoadProfileRatingData(fresh);
    EXPECT_EQ(fresh.ribFlatRatingTable[0][0], kNoRatingData);
    EXPECT_EQ(fresh.ribFlatRatingTable[1][0], 0);
    EXPECT_EQ(fresh.ribFlatRatingTable[0][1], 0);

    DriveProject after = beltOf("FENDARO", "FXA1");
    LoadProfileRatingData(after);
    after.beltPitchCode = "FXA11";
    LoadProfileRatingData(after);
    EXPECT_EQ(after.ribFlatRatingTable[0][0], -9999);
    EXPECT_EQ(after.ribFlatRatingTable[0][1], 90);
    EXPECT_EQ(after.ribFlatRatingTable[13][0], 60);
}

// Every profile the catalogue offers must find its rating data, or the width
// sizing would run on the data of the belt chosen before it.
TEST(ProfileRatingData, EveryOfferedProfileIsRated) {
    for (std::string_view family : kBeltFamilies) {
        for (std::string_view code : FamilyProfiles(family)) {
            const bool flatWithoutRating =
                family == kFendaro && (code == "FXA11" || code == "FXA12" || code == "FXA13" ||
                                       code == "FXA14" || code == "FXA15" || code == "FXA16");
            const bool rated = FindToothLoadCoefficients(family, code) != nullptr ||
                               FindRibFlatRating(family, code) != nullptr;
            EXPECT_EQ(rated, !flatWithoutRating) << family << ' ' << code;
            EXPECT_GT(ProfilePitchMm(family, code), 0) << family << ' ' << code;
        }
    }
}

}  // namespace
}  // namespace belt
