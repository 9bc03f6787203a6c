// Service and load factor tables of step 1: the driven machines with their
// load factors per driver class, the driver class captions, and the three
// small factor tables shown in STEP1.Tabella(0..11) (operation time,
// operating conditions, duty). Also the rules by which a cell or a machine
// is picked, written into the project state so the screen keeps no copy.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/belttraits.h"
#include "project/driveproject.h"

namespace belt {

// One entry of the driven machine list (STEP1.Proprieta on the ORVANTO and
// RUBBER tabs). Upper-case entries are group headings with factor 1.0.
struct DrivenMachine {
    std::string_view text;        // without the leading blanks
    int indent;                   // leading blanks in the list: 0, 6 or 8
    std::array<float, 3> factor;  // load factor for driver class 0, 1, 2
};

// Rows 0..62 of loadFactorC3Table; row 63 stays 0 and has no list entry.
constexpr int kDrivenMachineCount = 63;
extern const std::array<DrivenMachine, kDrivenMachineCount> kDrivenMachines;

// Captions of STEP1.OptionDriver(0..2) on the ORVANTO and RUBBER tabs.
extern const std::array<std::string_view, 3> kDriverClassCaptions;

// DatiLoadFactorC3: fills loadFactorC3Table (row = list index, column = class).
void DatiLoadFactorC3(DriveProject& p);

// CaricaLoadFactor: the 63 list texts in order, leading blanks included.
std::vector<std::string> CaricaLoadFactor();

// FactorTableKind (catalogue/belttraits.h): which of the tables below a
// family's page shows.

// The table of the family whose STEP1.BeltType page is `tab` (its traits);
// none for the information tabs.
std::optional<FactorTableKind> FactorTableForTab(int tab);

// Captions of Tabella(0..11) for a table: 0 header title, 1..5 column
// headers, 6 value title, 7..11 values (line breaks are "\r"). Cells that are
// not part of the table have an empty caption.
struct FactorTable {
    std::array<std::string_view, 12> caption;
    // Whether Tabella(cell) belongs to this table (and is shown with it).
    bool inTable(int cell) const;
};
const FactorTable& FactorTableOf(FactorTableKind kind);

// Colours of the value cells, as Long r + 256 g + 65536 b.
constexpr std::int32_t Rgb(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}
constexpr std::int32_t kFactorCellBack = Rgb(0, 255, 255);
constexpr std::int32_t kFactorCellFore = Rgb(0, 0, 128);
constexpr std::int32_t kFactorCellSelectedBack = Rgb(0, 0, 128);
constexpr std::int32_t kFactorCellSelectedFore = Rgb(255, 255, 0);

// Page initialisation of the factor table: value cells 7..11 unselected
// (p.screen.tabellaBackColor/ForeColor); loadFactorSecond := 0 and
// loadFactor := 1.0 for the operation time table, loadFactorSecond := 1.0
// for the other two.
void InitFactorTable(DriveProject& p, FactorTableKind kind);

// Tabella_Click(index) on the table on show: a header click picks the value
// below it; the picked cell gets the selected colours, the others the
// unselected ones, and loadFactorSecond takes the cell's value. Returns the
// value cell picked (7..11), or nothing when the click selects nothing
// (title cells, cells outside the table such as the FENDARO characteristics
// panel Tabella(5)).
std::optional<int> PickFactorCell(DriveProject& p, FactorTableKind kind, int index);

// The driver class chosen in p.screen.optionDriver (the first selected), or -1.
int SelectedDriverClass(const DriveProject& p);

// Load factor look-up on the ORVANTO and RUBBER tabs (a click in the driven
// machine list or on a driver class): with a list row 0..62 and a driver
// class chosen, loadFactor := loadFactorC3Table(row, class) and the new
// LoadFactorBox text ("###0.0") is returned; otherwise nothing changes.
std::optional<std::string> LookUpLoadFactor(DriveProject& p, int listIndex, int driverClass);
// The same with the list index and class taken from p.screen.
std::optional<std::string> LookUpLoadFactor(DriveProject& p);

}  // namespace belt
