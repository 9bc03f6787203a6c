// The texts of the profile and pulley data sheet (step 6): the title lines,
// the profile dimensions and the data of every pulley, in the current length
// unit. The step 6 screen lays them out; the printed drawings page copies
// the profile dimensions from the same place.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "project/driveproject.h"

namespace belt {

inline constexpr int kToothDataRows = 4;
inline constexpr int kPulleyDataRows = 12;  // three rows for each of four pulleys
inline constexpr int kPulleyDataCols = 6;

struct ProfileDataSheet {
    // The maker's name and the belt line under it.
    std::string maker;
    std::string beltLine;
    // DatiDente: column 0 the symbol, column 1 the value; "" leaves a cell blank.
    std::array<std::array<std::string, 2>, kToothDataRows> toothData;
    // DatiPulegge: per pulley k a title row 3k - 3, a symbol row and a value
    // row; "" leaves a cell blank. A title row holds the same text in every
    // cell and is shown red and merged.
    std::array<std::array<std::string, kPulleyDataCols>, kPulleyDataRows> pulleyData;
    std::array<bool, kPulleyDataRows> titleRow{};
    // Unita: "Unit: " and the length unit label.
    std::string unitCaption;
};

// The sheet of the project as it stands, every length in the current unit.
ProfileDataSheet BuildProfileDataSheet(const DriveProject& p);

// Follows an outside diameter that is only indicative: the pulley's tooth
// count is not one of the standard pulleys.
inline constexpr std::string_view kIndicativeMark = "\u00B9";  // ¹
inline constexpr std::string_view kIndicativeNote =
    "Pulley De is indicative. For additional details please contact VESTRANO Technical Staff.";

// The table of all pulleys on the printed drawings page: the columns of the
// belt's family, headed by symbol and length unit, one row per pulley,
// every length in the current unit and "-" where a value does not apply.
struct PulleyTable {
    std::vector<std::string> headings;
    std::vector<std::string> names;  // GetPulleyLabel, one per row
    std::vector<std::vector<std::string>> rows;
    // Some outside diameter carries kIndicativeMark: the note goes below.
    bool indicative = false;
};

PulleyTable BuildPulleyTable(const DriveProject& p);

}  // namespace belt
