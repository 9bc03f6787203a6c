// Feasibility grid (which polyurethane timing belts are made in which cord
// and cover executions, with their length and width limits) and the idler
// minimum diameter grid, both information pages of step 1. No calculation
// reads them; the screen shows them in the grids Feasibility and
// IdlerMinDiameter.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/dialogs.h"
#include "project/driveproject.h"

namespace belt {

constexpr int kFeasibilityRows = 44;
constexpr int kFeasibilityCols = 25;
constexpr int kIdlerRows = 20;
constexpr int kIdlerCols = 4;

// Symbols of the feasibility grid (UTF-8). The "minimum quantity" symbol is
// the control character 14; how it is drawn is up to the screen
// (kFeasibilityMinQuantityGlyph is the suggested glyph), the cell text
// stays the control character.
constexpr std::string_view kFeasibilityExStock = "S";
constexpr std::string_view kFeasibilityOnRequest = "o";
constexpr std::string_view kFeasibilityMinQuantity = "\x0E";
constexpr std::string_view kFeasibilityNotAvailable = "\u00D7";  // ×
constexpr std::string_view kFeasibilityCutTavoren = "~";
constexpr std::string_view kFeasibilityMinQuantityGlyph = "\u25C6";  // ◆

// The legend under the printed table and on the screen's tab: each symbol
// with its meaning as the catalogue prints it, in the catalogue's order.
struct FeasibilityLegendEntry {
    std::string_view symbol;
    std::string_view meaning;
};
extern const std::array<FeasibilityLegendEntry, 5> kFeasibilityLegend;

// DatiFeasibility: fills feasibilityTable (column, row).
void DatiFeasibility(DriveProject& p);
// DatiIdler: fills idlerTable (row, column).
void DatiIdler(DriveProject& p);

// Grid set-up the screen needs. Widths in twips.
struct GridLayout {
    int rows;
    int cols;
    int fixedRows;
    int fixedCols;
    std::string_view fontName;
    std::string_view toolTip;  // empty: none
};
extern const GridLayout kFeasibilityGrid;
extern const GridLayout kIdlerGrid;
// Width of feasibility column c (750 twips, column 0 850, column 1 3000).
int FeasibilityColumnWidth(int col);
extern const std::array<int, kIdlerCols> kIdlerColumnWidths;
// Equal neighbouring texts are merged along these rows and down these columns.
extern const std::array<int, 5> kFeasibilityMergeRows;
extern const std::array<int, 2> kFeasibilityMergeCols;

// Feasibility_Click: what a click on a cell explains. The title is row 0
// text + " " + row 1 text + ": " + the pitch of the clicked row; only the
// symbol cells explain anything.
struct SymbolExplanation {
    std::string title;
    std::string text;
};
std::optional<SymbolExplanation> ExplainFeasibilitySymbol(const DriveProject& p, int row, int col);
// Shows the explanation in a message box with only an OK button, or nothing.
void FeasibilityClick(const DriveProject& p, Dialogs& d, int row, int col);

}  // namespace belt
