#include <gtest/gtest.h>

#include <string>

#include "catalogue/beltids.h"
#include "catalogue/standardwidths.h"

namespace belt {
namespace {

DriveProject beltNamed(const std::string& type, const std::string& name) {
    DriveProject p;
    p.beltType = type;
    p.beltFamily = FamilyFromType(type);
    p.beltName = name;
    return p;
}

TEST(StandardWidths, LoadedByExactBeltName) {
    struct Case {
        const char* type;
        const char* name;
        int last;  // pitchRangeLast afterwards
        double firstWidth, lastWidth, lastFace, widestM;
        const char* suffix;
    };
    const Case cases[] = {
        {"ORVANTO T", "ORVANTO T2.5", 4, 4, 12, 16, 0.3, "err"},
        {"ORVANTO AT", "ORVANTO AT5", 6, 6, 25, 30, 0.3, "err"},
        {"ORVANTO T", "ORVANTO T10DL", 7, 10, 75, 80, 0.3, "DL"},
        {"ORVANTO I", "ORVANTO MXL", 2, 3.048, 6.35, 8.9, 0.3, "err"},
        {"RUBBER I", "RUBBER LDT", 2, 12.7, 25.4, 29.7, 0.305, "DT"},
        {"RUBBER I", "RUBBER XH", 2, 50.8, 101.6, 119, 0.54, "err"},
        {"RUBBER QVP", "RUBBER QVP14DD", 4, 40, 170, 187, 0.25, "DD"},
        {"TAVOREN AT", "TAVOREN AT20DD", 7, 10, 150, 160, 0.15, "DD"},
        // Nine widths: the last index the width tables have.
        {"TAVOREN I", "TAVOREN XHDD", 8, 9.398, 152.4, 162, 0.15, "DD"},
        {"TAVOREN QVP", "TAVOREN QVP14", 7, 10, 150, 164, 0.15, "err"},
        {"SELKIRA T", "SELKIRA T20", 5, 25, 150, 160, 0.15, "err"},
        {"SELKIRA I", "SELKIRA XL", 6, 6.35, 50.8, 59, 0.0508, "err"},
        {"SELKIRA QVP", "SELKIRA QVP8HP", 6, 10, 100, 108, 0.1, "err"},
        {"SELKIRA QXD", "SELKIRA QXD14M", 5, 25, 115, 129, 0.115, "err"},
    };
    for (const Case& c : cases) {
        DriveProject p = beltNamed(c.type, c.name);
        p.pitchRangeLast = 30;  // the pitch list's index from step 2
        LoadStandardWidths(p);
        const auto last = static_cast<std::size_t>(c.last);
        EXPECT_EQ(p.pitchRangeLast, c.last) << c.name;
        EXPECT_EQ(p.standardWidths[0], c.firstWidth) << c.name;
        EXPECT_EQ(p.standardWidths[last], c.lastWidth) << c.name;
        EXPECT_EQ(p.widthTableA[last], c.lastFace) << c.name;
        EXPECT_DOUBLE_EQ(p.maxBeltWidth, c.widestM) << c.name;
        EXPECT_EQ(p.beltSuffixAvailable, c.suffix) << c.name;
    }
}

TEST(StandardWidths, SelkiraLoadsPerWidth) {
    struct Case {
        const char* type;
        const char* name;
        int index;
        double open, joined, breaking;
    };
    const Case cases[] = {
        {"SELKIRA T", "SELKIRA T5", 0, 190, 0, 570},
        {"SELKIRA T", "SELKIRA T10", 7, 12000, 6000, 38000},
        {"SELKIRA AT", "SELKIRA AT20", 6, 49100, 24550, 160500},
        {"SELKIRA I", "SELKIRA XL", 3, 450, 225, 1370},
        {"SELKIRA QXD", "SELKIRA QXD5M", 3, 4255, 2128, 13230},
        // QVP8 and QVP8HP share their widths but not their loads.
        {"SELKIRA QVP", "SELKIRA QVP8", 6, 15800, 0, 63595},
        {"SELKIRA QVP", "SELKIRA QVP8HP", 6, 19850, 0, 90750},
        {"SELKIRA QVP", "SELKIRA QVP14", 3, 36500, 0, 144525},
    };
    for (const Case& c : cases) {
        DriveProject p = beltNamed(c.type, c.name);
        LoadStandardWidths(p);
        const auto i = static_cast<std::size_t>(c.index);
        EXPECT_EQ(p.admissiblePullOpen[i], c.open) << c.name;
        EXPECT_EQ(p.admissiblePullJoined[i], c.joined) << c.name;
        EXPECT_EQ(p.breakingLoad[i], c.breaking) << c.name;
    }
}

TEST(StandardWidths, NothingOfThePreviousBeltSurvives) {
    DriveProject p = beltNamed("SELKIRA T", "SELKIRA T10");
    LoadStandardWidths(p);
    p.beltType = "SELKIRA QVP";
    p.beltName = "SELKIRA QVP14";
    LoadStandardWidths(p);
    EXPECT_EQ(p.standardWidths[4], 0);
    EXPECT_EQ(p.widthTableA[4], 0);
    EXPECT_EQ(p.admissiblePullOpen[4], 0);
    EXPECT_EQ(p.breakingLoad[7], 0);

    p.beltType = "TAVOREN T";
    p.beltFamily = "TAVOREN";
    p.beltName = "TAVOREN T10";
    LoadStandardWidths(p);
    EXPECT_EQ(p.admissiblePullOpen[0], 0);
    EXPECT_EQ(p.breakingLoad[0], 0);
}

TEST(StandardWidths, BeltWithoutWidthsKeepsTheTablesButGetsItsSuffix) {
    struct Case {
        const char* type;
        const char* name;
        const char* suffix;
    };
    const Case cases[] = {
        {"QUINDEL ZB2", "QUINDEL ZB2", "err"},
        {"FENDARO FXA2", "FENDARO FXA2", "err"},
        // Names match exactly, but the double-sided rule is a prefix test.
        {"ORVANTO T", "ORVANTO T10 ", "DL"},
        {"orvanto T", "orvanto T10", "err"},
    };
    for (const Case& c : cases) {
        DriveProject p = beltNamed(c.type, c.name);
        p.standardWidths[0] = 7;
        p.widthTableA[0] = 8;
        p.pitchRangeLast = 12;
        p.maxBeltWidth = 0.5;
        p.beltSuffixAvailable = "DT";
        LoadStandardWidths(p);
        EXPECT_EQ(p.standardWidths[0], 7) << c.name;
        EXPECT_EQ(p.widthTableA[0], 8) << c.name;
        EXPECT_EQ(p.pitchRangeLast, 12) << c.name;
        EXPECT_EQ(p.maxBeltWidth, 0.5) << c.name;
        EXPECT_EQ(p.beltSuffixAvailable, c.suffix) << c.name;
    }
}

// Each timing belt the catalogue offers, and its double-sided version, must
// have widths that fit the width tables; SELKIRA loads must be given for
// exactly the standard widths.
TEST(StandardWidths, EveryOfferedTimingBeltHasConsistentRows) {
    for (std::string_view family : {kOrvanto, kSelkira, kTavoren, kRubber}) {
        for (std::string_view code : FamilyProfiles(family)) {
            std::string name = std::string(family) + " " + std::string(code);
            const StandardWidthRow* row = FindStandardWidths(name);
            ASSERT_NE(row, nullptr) << name;
            EXPECT_LE(row->widthsMm.size(), 9u) << name;
            EXPECT_EQ(row->widthsMm.size(), row->faceWidthsMm.size()) << name;
            for (std::size_t i = 0; i < row->widthsMm.size(); ++i) {
                if (i > 0) EXPECT_LT(row->widthsMm[i - 1], row->widthsMm[i]) << name;
                EXPECT_GT(row->faceWidthsMm[i], row->widthsMm[i]) << name;
            }

            const SelkiraLoadRow* loads = FindSelkiraLoads(name);
            EXPECT_EQ(loads != nullptr, family == kSelkira) << name;
            if (loads) {
                ASSERT_LE(loads->widthsMm.size(), 8u) << name;
                EXPECT_TRUE(std::equal(loads->widthsMm.begin(), loads->widthsMm.end(), row->widthsMm.begin(),
                                       row->widthsMm.end()))
                    << name;
                EXPECT_EQ(loads->admissiblePullOpen.size(), loads->widthsMm.size()) << name;
                EXPECT_EQ(loads->admissiblePullJoined.size(), loads->widthsMm.size()) << name;
                EXPECT_EQ(loads->breakingLoad.size(), loads->widthsMm.size()) << name;
            }

            const std::string type =
                family == kTavoren && code.starts_with("QVP") ? "TAVOREN QVP" : std::string(family) + " T";
            const std::string suffix = DoubleSidedSuffix(family, type, name);
            if (suffix != "err") EXPECT_NE(FindStandardWidths(name + suffix), nullptr) << name + suffix;
        }
    }
}

}  // namespace
}  // namespace belt
