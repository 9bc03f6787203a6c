#include <gtest/gtest.h>

#include <string>

#include "catalogue/beltids.h"
#include "catalogue/standardlengths.h"
#include "platform/scripteddialogs.h"

namespace belt {
namespace {

DriveProject beltNamed(const std::string& name, double pitch, int linearDriveType = 0) {
    DriveProject p;
    p.beltName = name;
    p.beltFamily = FamilyFromType(name);
    p.beltPitch = pitch;
    p.linearDriveType = linearDriveType;
    return p;
}

TEST(StandardLengths, LoadedByExactBeltName) {
    struct Case {
        const char* name;
        double pitch;
        int count, first, last;
        double minM, maxM;
    };
    const Case cases[] = {
        {"ORVANTO T2.5", 0.0025, 26, 48, 474, 0.12, 1.185},
        {"ORVANTO T5", 0.005, 65, 24, 391, 0.12, 1.955},
        // The double-sided belt has lengths of its own.
        {"ORVANTO T5DL", 0.005, 9, 82, 220, 0.41, 1.1},
        {"ORVANTO T10", 0.01, 54, 26, 225, 0.26, 2.25},
        {"ORVANTO MXL", 0.002032, 43, 55, 485, 55 * 0.002032, 485 * 0.002032},
        {"RUBBER XLDT", 0.00508, 20, 55, 180, 55 * 0.00508, 180 * 0.00508},
        {"RUBBER QVP5", 0.005, 58, 45, 505, 0.225, 2.525},
        {"RUBBER QVP14DD", 0.014, 19, 69, 354, 69 * 0.014, 354 * 0.014},
        {"QUINDEL J", 0.001, 31, 271, 1397, 0.271, 1.397},
        {"QUINDEL H", 0.001, 15, 178, 1775, 0.178, 1.775},
        // Flat belts are made to any length between two limits.
        {"FENDARO FXA3", 0.001, 2, 185, 2250, 0.185, 2.25},
        {"FENDARO FXA16", 0.001, 2, 200, 2000, 0.2, 2.0},
    };
    for (const Case& c : cases) {
        DriveProject p = beltNamed(c.name, c.pitch);
        LoadStandardLengths(p);
        EXPECT_EQ(p.standardLengths[0], c.count) << c.name;
        EXPECT_EQ(p.standardLengths[1], c.first) << c.name;
        EXPECT_EQ(p.standardLengths[static_cast<std::size_t>(c.count)], c.last) << c.name;
        EXPECT_NEAR(p.minBeltLength, c.minM, 1e-12) << c.name;
        EXPECT_NEAR(p.maxBeltLength, c.maxM, 1e-12) << c.name;
    }
}

TEST(StandardLengths, ListsAreAscendingAndFitTheTable) {
    for (std::string_view family : {kOrvanto, kRubber, kQuindel}) {
        for (std::string_view code : FamilyProfiles(family)) {
            const std::string name = std::string(family) + " " + std::string(code);
            const auto lengths = FindStandardLengths(name);
            ASSERT_FALSE(lengths.empty()) << name;
            EXPECT_LE(lengths.size(), 65u) << name;
            for (std::size_t i = 1; i < lengths.size(); ++i) EXPECT_LT(lengths[i - 1], lengths[i]) << name;
            // A double-sided version, where one exists, has its own list.
            const std::string suffix = DoubleSidedSuffix(family, "", name);
            if (suffix != "err") EXPECT_FALSE(FindStandardLengths(name + suffix).empty()) << name + suffix;
        }
    }
}

TEST(StandardLengths, BeltsMadeToLengthHaveFixedRanges) {
    struct Case {
        const char* name;
        int linearDriveType;
        double minM, maxM;
    };
    const Case cases[] = {
        {"SELKIRA T10", 0, 0.0, 100.0},
        {"SELKIRA AT10", 1, 0.0, 100.0},
        {"SELKIRA AT10", 2, 0.9, 100.0},
        {"TAVOREN T10DD", 0, 1.5, 13.5},
    };
    for (const Case& c : cases) {
        DriveProject p = beltNamed(c.name, 0.01, c.linearDriveType);
        p.standardLengths[0] = 3;
        p.standardLengths[1] = 44;
        LoadStandardLengths(p);
        EXPECT_EQ(p.minBeltLength, c.minM) << c.name;
        EXPECT_EQ(p.maxBeltLength, c.maxM) << c.name;
        // They have no table: the previous one stays as it was.
        EXPECT_EQ(p.standardLengths[0], 3) << c.name;
        EXPECT_EQ(p.standardLengths[1], 44) << c.name;
    }
}

TEST(StandardLengths, ShorterListClearsTheTailOfALongerOne) {
    DriveProject p = beltNamed("ORVANTO T5", 0.005);
    LoadStandardLengths(p);
    p.beltName = "ORVANTO T5DL";
    LoadStandardLengths(p);
    EXPECT_EQ(p.standardLengths[9], 220);
    EXPECT_EQ(p.standardLengths[10], 0);
    EXPECT_EQ(p.standardLengths[65], 0);
}

TEST(StandardLengths, CountOutsideTheTableGivesAnEmptyRange) {
    // A count read from a damaged project file must not index past the table.
    DriveProject p = beltNamed("ORVANTO T99", 0.01);
    p.standardLengths[0] = 1000;
    LoadStandardLengths(p);
    EXPECT_EQ(p.minBeltLength, 0);
    EXPECT_EQ(p.maxBeltLength, 0);
}

TEST(BeltLengthRange, MessagesAndState) {
    const char* tooLong = "Available belts are too long. Please contact VESTRANO technical staff.";
    const char* tooShort = "Available belts are too short. Please contact VESTRANO technical staff.";
    const char* notMade =
        "NFT belt are not available with this length. Please contact VESTRANO technical staff.";
    // calcState before the check; the check leaves it alone unless the
    // length cannot be supplied.
    constexpr int kBefore = 2;
    struct Case {
        const char* name;
        double pitch;
        int linearDriveType;
        double length;
        const char* text;  // nullptr: no message
        const char* title;
        MsgIcon icon;
        int state;
    };
    const Case cases[] = {
        {"ORVANTO T10", 0.01, 0, 0.25, tooLong, "I can't proceed", MsgIcon::Warning, 3},
        {"ORVANTO T10", 0.01, 0, 0.26, nullptr, "", MsgIcon::None, kBefore},
        {"ORVANTO T10", 0.01, 0, 2.2500099, nullptr, "", MsgIcon::None, kBefore},
        {"ORVANTO T10", 0.01, 0, 2.2501, tooShort, "I can't proceed", MsgIcon::Warning, 3},
        {"TAVOREN T10", 0.01, 0, 1.7, notMade, "Warning !!!", MsgIcon::Question, kBefore},
        {"TAVOREN T10", 0.01, 0, 1.5, notMade, "Warning !!!", MsgIcon::Question, kBefore},
        {"TAVOREN T10", 0.01, 0, 1.9, nullptr, "", MsgIcon::None, kBefore},
        {"TAVOREN T10", 0.01, 0, 1.4, tooLong, "I can't proceed", MsgIcon::Warning, 3},
        {"TAVOREN QVP8", 0.008, 0, 14.0, tooShort, "I can't proceed", MsgIcon::Warning, 3},
        {"SELKIRA AT10", 0.01, 2, 0.8, tooLong, "I can't proceed", MsgIcon::Warning, 3},
        {"SELKIRA AT10", 0.01, 0, 0.8, nullptr, "", MsgIcon::None, kBefore},
        {"FENDARO FXA3", 0.001, 0, 0.185, nullptr, "", MsgIcon::None, kBefore},
        {"FENDARO FXA3", 0.001, 0, 2.25, nullptr, "", MsgIcon::None, kBefore},
        {"FENDARO FXA3", 0.001, 0, 0.18, tooLong, "I can't proceed", MsgIcon::Warning, 3},
    };
    for (const Case& c : cases) {
        DriveProject p = beltNamed(c.name, c.pitch, c.linearDriveType);
        LoadStandardLengths(p);
        p.beltLength = c.length;
        p.calcState = kBefore;
        ScriptedDialogs d;
        CheckBeltLengthRange(p, d);
        EXPECT_EQ(p.calcState, c.state) << c.name << ' ' << c.length;
        if (!c.text) {
            EXPECT_TRUE(d.seen.empty()) << c.name << ' ' << c.length;
            continue;
        }
        ASSERT_EQ(d.seen.size(), 1u) << c.name << ' ' << c.length;
        EXPECT_EQ(d.seen[0].text, c.text);
        EXPECT_EQ(d.seen[0].title, c.title);
        EXPECT_EQ(d.seen[0].icon, c.icon);
        EXPECT_EQ(d.seen[0].buttons, MsgButtons::Ok);
    }
}

}  // namespace
}  // namespace belt
