#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "catalogue/beltids.h"
#include "catalogue/belttraits.h"
#include "catalogue/calculationtables.h"
#include "catalogue/flatbelts.h"
#include "catalogue/loadfactors.h"
#include "catalogue/standardlengths.h"
#include "catalogue/standardwidths.h"
#include "project/projectfile.h"

namespace belt {
namespace {

// A belt of the family as step 1 and step 2 choose it.
DriveProject ChosenBelt(const BeltFamilyTraits& family, std::string_view code, int row) {
    DriveProject p;
    p.beltFamily = std::string(family.name);
    p.beltPitchCode = std::string(code);
    p.beltType = p.beltFamily + " " + p.beltPitchCode;
    p.beltName = ComposeBeltName(p.beltFamily, p.beltType, p.beltPitchCode);
    if (family.kind == BeltKind::Flat) p.flatBeltIndex = row;
    return p;
}

// What the program asks of every family: each of its profiles has a pulley
// table, rating data and the standard widths and lengths its kind has; its
// pictures exist and it has a step 1 page of its own with the factor table
// its row names.
TEST(BeltFamilyTraits, EveryFamilyHasItsTablesPicturesAndPage) {
    std::set<int> tabs;
    for (const BeltFamilyTraits& family : BeltFamilyTable()) {
        SCOPED_TRACE(std::string(family.name));
        const bool toothed = family.kind == BeltKind::Toothed;
        EXPECT_EQ(FindBeltFamily(family.name), &family);
        EXPECT_EQ(FamilyOfStep1Tab(family.tab), &family);
        EXPECT_TRUE(tabs.insert(family.tab).second) << "two families on one page";
        EXPECT_EQ(FactorTableForTab(family.tab), family.factorTable);
        EXPECT_FALSE(family.pulleyDataTitle[0].empty());
        EXPECT_EQ(family.teethInMeshCap > 0, toothed);
        EXPECT_EQ(family.ratingReferenceDiameter > 0, !toothed);
        EXPECT_FALSE(family.speedLimit.message.empty());

        EXPECT_FALSE(family.pictures.empty());
        for (int picture : family.pictures) {
            EXPECT_TRUE(picture >= 0 && picture < 12) << picture;
            if (family.kind == BeltKind::Flat) EXPECT_NE(FlatBeltGroupOfPicture(picture), nullptr) << picture;
        }

        const auto profiles = FamilyProfiles(family.name);
        EXPECT_FALSE(profiles.empty());
        int row = 0;
        for (std::string_view code : profiles) {
            SCOPED_TRACE(std::string(code));
            DriveProject p = ChosenBelt(family, code, ++row);
            LoadCalculationTables(p);
            EXPECT_GT(p.beltPitch, 0);
            if (family.kind != BeltKind::MultiRib) EXPECT_GT(p.pulleyTable[0][0], 0) << "no pulley table";
            if (toothed)
                EXPECT_NE(FindToothLoadCoefficients(family.name, code), nullptr);
            else  // a rating table, or the marker of a flat type without one
                EXPECT_TRUE(p.ribFlatRatingTable[0][0] == kNoRatingData || p.ribFlatRatingTable[1][1] > 0);
            EXPECT_EQ(FindStandardWidths(p.beltName) != nullptr, toothed);
            const std::size_t lengths = FindStandardLengths(p.beltName).size();
            switch (family.standardLengths) {
                case StandardLengthKind::List:
                    EXPECT_GT(lengths, 0u);
                    break;
                case StandardLengthKind::Range:
                    EXPECT_EQ(lengths, 2u);
                    break;
                case StandardLengthKind::None:
                    EXPECT_EQ(lengths, 0u);
                    break;
            }
        }
    }
}

// A word no family has never falls through to some default: it is refused,
// and the refusal names it. "" is no family either, but before a belt is
// chosen the questions about the belt have their answers.
TEST(BeltFamilyTraits, AnUnknownFamilyIsRefusedWithItsName) {
    EXPECT_EQ(FindBeltFamily("ACME"), nullptr);
    EXPECT_EQ(FindBeltFamily("orvanto"), nullptr);
    EXPECT_EQ(FindBeltFamily(""), nullptr);
    try {
        BeltFamilyTraitsOf("ACME");
        ADD_FAILURE() << "no exception";
    } catch (const UnknownBeltFamily& e) {
        EXPECT_STREQ(e.what(), "Unknown belt family \"ACME\"");
        EXPECT_EQ(e.family(), "ACME");
    }

    DriveProject p;
    p.beltFamily = "ACME";
    EXPECT_EQ(BeltFamilyError(p), "Unknown belt family \"ACME\"");
    EXPECT_THROW(IsToothedBelt(p), UnknownBeltFamily);
    EXPECT_THROW(IsLinearDriveBelt(p), UnknownBeltFamily);
    EXPECT_THROW(TeethInMeshCap(p), UnknownBeltFamily);

    p.beltFamily.clear();
    EXPECT_EQ(BeltFamilyError(p), "");
    EXPECT_TRUE(IsToothedBelt(p));
    EXPECT_FALSE(IsMultiRibBelt(p) || IsFlatBelt(p) || IsLinearDriveBelt(p) || TakesCarriageData(p));
    EXPECT_THROW(TeethInMeshCap(p), UnknownBeltFamily);
}

TEST(BeltFamilyTraits, TeethInMeshCapOfTheJoinedBelt) {
    struct Case {
        const char* family;
        int linearDriveType;
        int cap;
    };
    const Case cases[] = {
        {"ORVANTO", 0, 15}, {"RUBBER", 0, 6},  {"TAVOREN", 0, 12}, {"TAVOREN", 2, 12},
        {"SELKIRA", 0, 12}, {"SELKIRA", 1, 12}, {"SELKIRA", 2, 6},
    };
    for (const Case& c : cases) {
        DriveProject p;
        p.beltFamily = c.family;
        p.linearDriveType = c.linearDriveType;
        EXPECT_EQ(TeethInMeshCap(p), c.cap) << c.family << ' ' << c.linearDriveType;
    }
}

std::string FileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Record 2, the step 1 page, of a project file's text.
std::string WithSavedTab(std::string text, const std::string& number) {
    const std::size_t start = text.find("\r\n") + 2;
    return text.replace(start, text.find("\r\n", start) - start, number);
}
std::string SavedTab(const std::string& text) {
    const std::size_t start = text.find("\r\n") + 2;
    return text.substr(start, text.find("\r\n", start) - start);
}

// A project saved with any page number opens on the page, and so the family,
// it always opened on, and is saved with that number again: the numbers are
// the file's, not the order of the tabs. A number of no page opens the empty
// page, as the screen always showed it.
TEST(SavedStep1Tab, EveryNumberOpensTheFamilyItAlwaysDid) {
    struct Case {
        const char* number;
        int tab;
        const char* family;  // "" for the pages of no family
        const char* savedAs;
    };
    const Case cases[] = {
        {"0", kTabOrvanto, "ORVANTO", "0"},   {"1", kTabSelkira, "SELKIRA", "1"},
        {"2", kTabTavoren, "TAVOREN", "2"},   {"3", kTabQuindel, "QUINDEL", "3"},
        {"4", kTabFendaro, "FENDARO", "4"},   {"5", kTabRubber, "RUBBER", "5"},
        {"6", kTabNews, "", "6"},             {"7", kTabFeasibility, "", "7"},
        {"8", kTabIdler, "", "8"},            {"9", kTabClear, "", "9"},
        {"42", kTabClear, "", "9"},           {"-1", kTabClear, "", "9"},
    };
    const std::string demo = FileText(BELT_TEST_DATA_DIR "/demo-design.dat");
    ASSERT_FALSE(demo.empty());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        DriveProject p;
        ASSERT_TRUE(ProjectFile::read(WithSavedTab(demo, c.number), p).ok);
        EXPECT_EQ(p.screen.beltTypeTab, c.tab);
        const BeltFamilyTraits* family = FamilyOfStep1Tab(p.screen.beltTypeTab);
        EXPECT_EQ(family ? family->name : "", c.family);
        EXPECT_EQ(SavedTab(ProjectFile::write(p, "STEP1")), c.savedAs);
    }
}

}  // namespace
}  // namespace belt
