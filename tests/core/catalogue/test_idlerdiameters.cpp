#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalogue/beltids.h"
#include "catalogue/idlerdiameters.h"

namespace belt {
namespace {

TEST(MinimumIdlerDiameters, ByExactBeltName) {
    struct Case {
        const char* name;
        double insideM, outsideM;
    };
    const Case cases[] = {
        {"ORVANTO T2.5", 0.020, 0.018},
        {"ORVANTO T10DL", 0.060, 0.060},
        {"ORVANTO AT10", 0.150, 0.120},
        {"RUBBER QVP5DD", 0.020, 0.060},
        {"RUBBER QVP14", 0.125, 0.125},
        {"TAVOREN LDD", 0.040, 0.060},
        {"TAVOREN AT20DD", 0.120, 0.180},
        {"TAVOREN QVP14", 0.250, 0.250},
        {"SELKIRA QXD5M", 0.020, 0.060},
        {"SELKIRA QVP8HP", 0.150, 0.150},
        // Belts the table does not list get 40 mm on both sides.
        {"QUINDEL ZB2", 0.040, 0.040},
        {"FENDARO FXA1", 0.040, 0.040},
        {"ORVANTO AT10DL", 0.040, 0.040},
        {"orvanto T2.5", 0.040, 0.040},
        {"", 0.040, 0.040},
    };
    for (const Case& c : cases) {
        DriveProject p;
        p.beltName = c.name;
        p.minIdlerDiameterInside = 9;
        p.minIdlerDiameterOutside = 9;
        LoadMinimumIdlerDiameters(p);
        EXPECT_DOUBLE_EQ(p.minIdlerDiameterInside, c.insideM) << c.name;
        EXPECT_DOUBLE_EQ(p.minIdlerDiameterOutside, c.outsideM) << c.name;
    }
}

// A timing belt missing from the table would silently get the 40 mm default.
TEST(MinimumIdlerDiameters, EveryOfferedTimingBeltIsListed) {
    for (std::string_view family : {kOrvanto, kSelkira, kTavoren, kRubber}) {
        for (std::string_view code : FamilyProfiles(family)) {
            const std::string name = std::string(family) + " " + std::string(code);
            const std::string type =
                family == kTavoren && code.starts_with("QVP") ? "TAVOREN QVP" : std::string(family) + " T";
            const std::string suffix = DoubleSidedSuffix(family, type, name);
            std::vector<std::string> names = {name};
            if (suffix != "err") names.push_back(name + suffix);
            for (const std::string& n : names) EXPECT_TRUE(FindMinimumIdlerDiameters(n).has_value()) << n;
        }
    }
}

}  // namespace
}  // namespace belt
