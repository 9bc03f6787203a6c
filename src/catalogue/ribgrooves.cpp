#include "catalogue/ribgrooves.h"

#include <array>

namespace belt {

namespace {

// Multi-rib pulley grooves (m).
constexpr std::array<RibGroove, 3> kRibGrooves = {{
    {"QUINDEL ZB2", 0.002, " = 60\u00B0", 60, 0.0003, 0.00015, 0.0013},
    {"QUINDEL J", 0.00234, " = 40\u00B0", 40, 0.0002, 0.0004, 0.0018},
    {"QUINDEL H", 0.0016, " = 40\u00B0", 40, 0.00015, 0.0003, 0.0013},
}};

}  // namespace

const RibGroove* FindRibGroove(std::string_view beltName) {
    for (const RibGroove& g : kRibGrooves)
        if (g.beltName == beltName) return &g;
    return nullptr;
}

}  // namespace belt
