#include "catalogue/idlerdiameters.h"

#include <array>

namespace belt {

namespace {

struct IdlerRow {
    std::string_view beltName;
    IdlerDiametersMm diameters;
};

// Recommended minimum idler diameters in mm: inside (toothed side), outside
// (back of the belt). Double-sided belts have their own rows.
constexpr std::array<IdlerRow, 67> kMinimumIdlerDiameters = {{
    {"ORVANTO T2.5", {20, 18}},     {"ORVANTO MXL", {20, 18}},       {"ORVANTO T5", {30, 30}},
    {"ORVANTO T5DL", {30, 30}},     {"ORVANTO XL", {30, 30}},        {"ORVANTO T10", {60, 60}},
    {"ORVANTO T10DL", {60, 60}},    {"ORVANTO AT5", {60, 60}},       {"ORVANTO L", {60, 60}},
    {"ORVANTO H", {60, 60}},        {"ORVANTO AT10", {150, 120}},    {"RUBBER XL", {20, 20}},
    {"RUBBER XLDT", {20, 20}},      {"RUBBER L", {40, 40}},          {"RUBBER LDT", {40, 40}},
    {"RUBBER H", {60, 60}},         {"RUBBER HDT", {60, 60}},        {"RUBBER QVP8", {60, 60}},
    {"RUBBER QVP8DD", {60, 60}},    {"RUBBER XH", {150, 150}},       {"RUBBER QVP5", {20, 60}},
    {"RUBBER QVP5DD", {20, 60}},    {"RUBBER QVP14", {125, 125}},    {"RUBBER QVP14DD", {125, 125}},
    {"TAVOREN T5", {30, 30}},       {"TAVOREN T5DD", {30, 30}},      {"TAVOREN T10", {40, 60}},
    {"TAVOREN T10DD", {40, 60}},    {"TAVOREN L", {40, 60}},         {"TAVOREN LDD", {40, 60}},
    {"TAVOREN T20", {120, 120}},    {"TAVOREN T20DD", {120, 120}},   {"TAVOREN AT5", {25, 60}},
    {"TAVOREN AT5DD", {25, 60}},    {"TAVOREN AT10", {50, 100}},     {"TAVOREN AT10DD", {50, 100}},
    {"TAVOREN AT20", {120, 180}},   {"TAVOREN AT20DD", {120, 180}},  {"TAVOREN XL", {20, 30}},
    {"TAVOREN XLDD", {20, 30}},     {"TAVOREN H", {60, 60}},         {"TAVOREN HDD", {60, 60}},
    {"TAVOREN QVP5", {60, 60}},     {"TAVOREN QVP5DD", {60, 60}},    {"TAVOREN XH", {150, 150}},
    {"TAVOREN XHDD", {150, 150}},   {"TAVOREN QVP8", {100, 100}},    {"TAVOREN QVP8DD", {100, 100}},
    {"TAVOREN QVP14", {250, 250}},  {"TAVOREN QVP14DD", {250, 250}}, {"SELKIRA T5", {30, 30}},
    {"SELKIRA T10", {40, 60}},      {"SELKIRA L", {40, 60}},         {"SELKIRA T20", {120, 120}},
    {"SELKIRA AT5", {25, 60}},      {"SELKIRA AT10", {50, 100}},     {"SELKIRA QXD8M", {50, 100}},
    {"SELKIRA AT20", {120, 180}},   {"SELKIRA QXD14M", {120, 180}},  {"SELKIRA XL", {20, 30}},
    {"SELKIRA H", {60, 60}},        {"SELKIRA QVP5", {60, 60}},      {"SELKIRA XH", {150, 150}},
    {"SELKIRA QVP8HP", {150, 150}}, {"SELKIRA QXD5M", {20, 60}},     {"SELKIRA QVP8", {100, 100}},
    {"SELKIRA QVP14", {250, 250}},
}};

}  // namespace

std::optional<IdlerDiametersMm> FindMinimumIdlerDiameters(std::string_view beltName) {
    for (const auto& row : kMinimumIdlerDiameters)
        if (row.beltName == beltName) return row.diameters;
    return std::nullopt;
}

void LoadMinimumIdlerDiameters(DriveProject& p) {
    const IdlerDiametersMm d = FindMinimumIdlerDiameters(p.beltName).value_or(kDefaultIdlerDiametersMm);
    p.minIdlerDiameterInside = d.inside / 1000.0;
    p.minIdlerDiameterOutside = d.outside / 1000.0;
}

}  // namespace belt
