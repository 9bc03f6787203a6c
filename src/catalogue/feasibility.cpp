#include "catalogue/feasibility.h"

#include <algorithm>

namespace belt {

namespace {

using Row = std::array<std::string_view, kFeasibilityCols>;

constexpr std::string_view S = kFeasibilityExStock;
constexpr std::string_view o = kFeasibilityOnRequest;
constexpr std::string_view Q = kFeasibilityMinQuantity;
constexpr std::string_view X = kFeasibilityNotAvailable;
constexpr std::string_view T = kFeasibilityCutTavoren;
// Open-end belts are sold by the roll; only joined belts have a minimum length.
constexpr std::string_view kJoined = "for joined belts = 900 mm";
constexpr std::string_view kRolls = "1 rolls = 100 m     (more 100 m on request)";
constexpr std::string_view kCords = "type\rof\rcords";
constexpr std::string_view kCovered = "type\rof\rcovered";

// Feasibility of the polyurethane timing belts: rows 0 and 1 head the
// columns, rows 2..43 give family, pitch, executions 2..20 and the limits.
// clang-format off
constexpr std::array<Row, kFeasibilityRows> kFeasibility = {{
    {{" ", " ", kCords, kCords, kCords, kCords, kCords, kCords, kCords, kCovered, kCovered,
      kCovered, kCovered, kCovered, kCovered, kCovered, kCovered, kCovered, kCovered, " ", " ", " ",
      " ", " ", " "}},
    {{" ", " ", "STANDARD steel cords", "HF", "HP", "HPF", "KEVLAR", "FIBERGLASS", "STAINLESS",
      "NFT", "NFB", "AVAFC 2 mm 85\u00B0 shore A", "AVAFC 2/3/4/5/6 mm 63/85\u00B0 shore A", "TENAX",
      "LINATEX", "PU BLACK CELLULARE", "HONEY COMB", "NEOPRENE RUBBER", "PU YELLOW", "CLEATS",
      "DOUBLE SIDED BELT", "MIN length", "MIN length with NFT", "MAX length", "MAX width"}},
    {{"ORVANTO", "MXL", S, X, X, X, o, X, X, X, X, X, X, Q, Q, Q, Q, Q, Q, X, X, "112", "_", "985", "300"}},
    {{"ORVANTO", "XL", S, X, X, X, o, o, X, X, X, X, X, Q, Q, Q, Q, Q, Q, X, X, "152", "_", "1437", "300"}},
    {{"ORVANTO", "L", S, X, X, X, o, Q, Q, X, X, X, X, Q, Q, Q, Q, Q, Q, X, X, "218", "_", "1448", "300"}},
    {{"ORVANTO", "H", S, X, X, X, Q, X, Q, X, X, X, X, Q, Q, Q, Q, Q, Q, X, X, "609", "_", "1219", "300"}},
    {{"ORVANTO", "T2", S, X, X, X, X, X, X, X, X, X, X, Q, Q, Q, Q, Q, Q, X, X, "180", "_", "288", "300"}},
    {{"ORVANTO", "T2.5", S, X, X, Q, Q, X, X, X, X, X, X, Q, Q, Q, Q, Q, Q, X, X, "120", "_", "1185", "300"}},
    {{"ORVANTO", "T5", S, Q, Q, Q, Q, X, X, X, X, X, X, Q, Q, Q, Q, Q, Q, X, S, "120", "_", "1955", "300"}},
    {{"ORVANTO", "T10", S, Q, Q, Q, Q, Q, Q, X, X, X, X, Q, Q, Q, Q, Q, Q, X, S, "260", "_", "2250", "300"}},
    {{"ORVANTO", "T5DL", S, Q, X, X, Q, X, Q, X, X, X, X, Q, Q, Q, Q, Q, Q, X, S, "410", "_", "1100", "300"}},
    {{"ORVANTO", "T10DL", S, Q, X, X, Q, X, Q, X, X, X, X, Q, Q, Q, Q, Q, Q, X, S, "260", "_", "1880", "300"}},
    {{"ORVANTO", "AT5", S, Q, Q, Q, Q, X, Q, X, X, X, X, Q, Q, Q, Q, Q, Q, X, X, "225", "_", "2000", "300"}},
    {{"ORVANTO", "AT10", S, Q, Q, Q, Q, X, Q, X, X, X, X, Q, Q, Q, Q, Q, Q, X, X, "500", "_", "1940", "300"}},
    {{"SELKIRA", "XL", S, X, X, X, S, X, X, o, o, o, Q, Q, Q, Q, Q, Q, Q, Q, X, kJoined, kJoined, kRolls, "50.8"}},
    {{"SELKIRA", "L", S, X, X, X, S, X, T, o, o, o, Q, Q, Q, Q, Q, Q, Q, Q, X, kJoined, kJoined, kRolls, "50.8"}},
    {{"SELKIRA", "H", S, X, X, X, S, X, T, o, o, o, Q, Q, Q, Q, Q, Q, Q, Q, X, kJoined, kJoined, kRolls, "203"}},
    {{"SELKIRA", "XH", S, X, X, X, S, X, T, o, o, o, Q, Q, Q, Q, Q, Q, Q, Q, X, kJoined, kJoined, kRolls, "152"}},
    {{"SELKIRA", "5M", S, X, X, X, Q, X, X, o, o, Q, Q, Q, Q, Q, Q, Q, Q, Q, X, kJoined, kJoined, kRolls, "50"}},
    {{"SELKIRA", "8M", X, S, S, X, Q, X, X, o, o, Q, Q, Q, Q, Q, Q, Q, Q, Q, X, kJoined, kJoined, kRolls, "100"}},
    {{"SELKIRA", "14M", X, X, S, X, X, X, X, o, o, Q, Q, Q, Q, Q, Q, Q, Q, Q, X, kJoined, kJoined, kRolls, "115"}},
    {{"SELKIRA", "QVP5", S, X, X, X, X, X, X, S, Q, Q, Q, Q, Q, Q, Q, Q, Q, Q, X, kJoined, kJoined, kRolls, "50"}},
    {{"SELKIRA", "QVP8", S, X, S, X, X, X, X, S, Q, Q, Q, Q, Q, Q, Q, Q, Q, Q, X, kJoined, kJoined, kRolls, "100"}},
    {{"SELKIRA", "QVP14", S, X, X, X, X, X, X, S, Q, Q, Q, Q, Q, Q, Q, Q, Q, Q, X, kJoined, kJoined, kRolls, "115"}},
    {{"SELKIRA", "T5", S, T, S, T, S, X, X, S, S, o, Q, Q, Q, Q, Q, Q, Q, Q, X, kJoined, kJoined, kRolls, "100"}},
    {{"SELKIRA", "T10", S, o, o, Q, S, X, Q, S, S, S, Q, Q, Q, Q, Q, Q, Q, Q, X, kJoined, kJoined, kRolls, "150"}},
    {{"SELKIRA", "T20", S, Q, o, Q, S, X, Q, S, S, o, Q, Q, Q, Q, Q, Q, Q, Q, X, kJoined, kJoined, kRolls, "150"}},
    {{"SELKIRA", "AT5", S, Q, X, S, S, X, X, S, S, o, Q, Q, Q, Q, Q, Q, Q, Q, X, kJoined, kJoined, kRolls, "75"}},
    {{"SELKIRA", "AT10", S, Q, S, S, S, X, Q, S, S, S, Q, Q, Q, Q, Q, Q, Q, Q, X, kJoined, kJoined, kRolls, "150"}},
    {{"SELKIRA", "AT20", S, Q, S, X, S, X, X, S, S, S, Q, Q, Q, Q, Q, Q, Q, Q, X, kJoined, kJoined, kRolls, "200"}},
    {{"TAVOREN", "T5", S, Q, Q, Q, X, X, X, Q, X, Q, Q, Q, Q, Q, Q, Q, Q, Q, S, "1500", "1900", "13500", "150"}},
    {{"TAVOREN", "T10", S, Q, Q, Q, X, X, Q, Q, X, Q, Q, Q, Q, Q, Q, Q, Q, Q, S, "1500", "1900", "13500", "150"}},
    {{"TAVOREN", "T20", S, Q, Q, Q, X, X, Q, Q, X, Q, Q, Q, Q, Q, Q, Q, Q, Q, S, "1500", "1900", "13500", "150"}},
    {{"TAVOREN", "AT5", S, Q, X, X, X, X, Q, Q, X, Q, Q, Q, Q, Q, Q, Q, Q, Q, S, "1500", "1900", "13500", "150"}},
    {{"TAVOREN", "AT10", S, Q, Q, Q, X, X, Q, Q, X, Q, Q, Q, Q, Q, Q, Q, Q, Q, S, "1500", "1900", "13500", "150"}},
    {{"TAVOREN", "AT20", S, Q, X, X, X, X, X, Q, X, Q, Q, Q, Q, Q, Q, Q, Q, Q, S, "1500", "1900", "13500", "150"}},
    {{"TAVOREN", "XL", S, X, X, X, X, X, X, Q, X, Q, Q, Q, Q, Q, Q, Q, Q, Q, S, "1500", "1900", "13500", "150"}},
    {{"TAVOREN", "L", S, X, X, X, X, X, Q, Q, X, Q, Q, Q, Q, Q, Q, Q, Q, Q, S, "1500", "1900", "13500", "150"}},
    {{"TAVOREN", "H", S, X, X, X, X, X, Q, Q, X, Q, Q, Q, Q, Q, Q, Q, Q, Q, S, "1500", "1900", "13500", "150"}},
    {{"TAVOREN", "XH", S, X, X, X, X, X, Q, Q, X, Q, Q, Q, Q, Q, Q, Q, Q, Q, S, "1500", "1900", "13500", "150"}},
    {{"TAVOREN", "QVP5", X, X, X, X, X, X, X, Q, X, Q, Q, Q, Q, Q, Q, Q, Q, Q, X, "_", "1900", "13500", "150"}},
    {{"TAVOREN", "QVP8", S, X, X, X, X, X, X, Q, X, Q, Q, Q, Q, Q, Q, Q, Q, Q, X, "_", "1900", "13500", "150"}},
    {{"TAVOREN", "QVP14", X, X, X, X, X, X, X, Q, X, Q, Q, Q, Q, Q, Q, Q, Q, Q, X, "_", "1900", "13500", "150"}},
    {{"TAVOREN", "P2", S, X, X, X, X, X, X, Q, X, Q, Q, Q, Q, Q, Q, Q, Q, Q, X, "1500", "1900", "13500", "150"}},
}};
// clang-format on

// Idler minimum diameters per cord execution: row 0 heads the columns.
// clang-format off
constexpr std::array<std::array<std::string_view, kIdlerCols>, kIdlerRows> kIdler = {{
    {"Type", "min. no. of teeth", "min. diameter idler outside", "min. diameter idler inside"},
    {"T2.5 HP", "-", "-", "-"},
    {"T5 HF", "z = 10", "\u00D8 = 25 mm", "\u00D8 = 25 mm"},
    {"T5 HP", "z = 15", "\u00D8 = 40 mm", "\u00D8 = 40 mm"},
    {"T5 HPF", "z = 12", "\u00D8 = 30 mm", "\u00D8 = 25 mm"},
    {"AT5 HF", "z = 12", "\u00D8 = 40 mm", "\u00D8 = 25 mm"},
    {"AT5 HP", "z = 25", "\u00D8 = 60 mm", "\u00D8 = 40 mm"},
    {"AT5 HPF", "z = 15", "\u00D8 = 40 mm", "\u00D8 = 25 mm"},
    {"T10 HF", "z = 12", "\u00D8 = 40 mm", "\u00D8 = 40 mm"},
    {"T10 HP", "z = 18", "\u00D8 = 100 mm", "\u00D8 = 50 mm"},
    {"T10 HPF", "z = 14", "\u00D8 = 80 mm", "\u00D8 = 50 mm"},
    {"AT10 HF", "z = 15", "\u00D8 = 80 mm", "\u00D8 = 50 mm"},
    {"AT10 HP", "z = 25", "\u00D8 = 150 mm", "\u00D8 = 80 mm"},
    {"AT10 HPF", "z = 16", "\u00D8 = 100 mm", "\u00D8 = 60 mm"},
    {"T20 HF", "z = 15", "\u00D8 = 100 mm", "\u00D8 = 120 mm"},
    {"T20 HP", "z = 18", "\u00D8 = 150 mm", "\u00D8 = 150 mm"},
    {"T20 HPF", "z = 16", "\u00D8 = 120 mm", "\u00D8 = 120 mm"},
    {"AT20 HF", "z = 18", "\u00D8 = 150 mm", "\u00D8 = 120 mm"},
    {"AT20 HP", "z = 25", "\u00D8 = 250 mm", "\u00D8 = 160 mm"},
    {"AT20 HPF", "-", "-", "-"},
}};
// clang-format on

struct SymbolMeaning {
    std::string_view symbol;
    std::string_view meaning;
};
constexpr std::array<SymbolMeaning, 5> kMeanings = {{
    {S, "Ex stock"},
    {o, "On request without minimum quantity"},
    {Q, "On request with minimum quantity"},
    {X, "Not available"},
    {T,
     "You can use TAVOREN belts and cut it\runtil 13500 mm length. For big quantity please ask "
     "us."},
}};

constexpr int kDefaultColumnWidth = 750;

}  // namespace

const std::array<FeasibilityLegendEntry, 5> kFeasibilityLegend = {{
    {S, "EX STOCK"},
    {o, "ON REQUEST WITHOUT MINIMUM QUANTITY"},
    {Q, "ON REQUEST WITH MINIMUM QUANTITY"},
    {X, "NOT AVALAIBLE"},
    {T, "YOU CAN USE TAVOREN BELTS AND CUT IT AT 13500 MM LENGTH. FOR BIG QUANTITY PLEASE ASK US."},
}};

const GridLayout kFeasibilityGrid = {
    kFeasibilityRows, kFeasibilityCols, 2, 2, "Arial", "Click on a cell to know the symbol meaning"};
const GridLayout kIdlerGrid = {kIdlerRows, kIdlerCols, 1, 1, "Arial", ""};
const std::array<int, kIdlerCols> kIdlerColumnWidths = {1500, 2000, 3500, 3500};
const std::array<int, 5> kFeasibilityMergeRows = {0, 1, 21, 22, 23};
const std::array<int, 2> kFeasibilityMergeCols = {0, 1};

int FeasibilityColumnWidth(int col) {
    if (col == 0) return 850;
    if (col == 1) return 3000;
    return kDefaultColumnWidth;
}

void DatiFeasibility(DriveProject& p) {
    for (int r = 0; r < kFeasibilityRows; ++r)
        for (int c = 0; c < kFeasibilityCols; ++c) p.feasibilityTable[c][r] = std::string(kFeasibility[r][c]);
}

void DatiIdler(DriveProject& p) {
    for (int r = 0; r < kIdlerRows; ++r)
        for (int c = 0; c < kIdlerCols; ++c) p.idlerTable[r][c] = std::string(kIdler[r][c]);
}

std::optional<SymbolExplanation> ExplainFeasibilitySymbol(const DriveProject& p, int row, int col) {
    if (row < 0 || row >= kFeasibilityRows || col < 0 || col >= kFeasibilityCols) return std::nullopt;
    const std::string& cell = p.feasibilityTable[col][row];
    for (const auto& m : kMeanings) {
        if (cell != m.symbol) continue;
        // The heading row's caption is three stacked words; a title has one line.
        std::string group = p.feasibilityTable[col][0];
        std::replace(group.begin(), group.end(), '\r', ' ');
        return SymbolExplanation{group + " " + p.feasibilityTable[col][1] + ": " + p.feasibilityTable[1][row],
                                 std::string(m.meaning)};
    }
    return std::nullopt;
}

void FeasibilityClick(const DriveProject& p, Dialogs& d, int row, int col) {
    if (auto e = ExplainFeasibilitySymbol(p, row, col))
        d.message(e->text, e->title, MsgIcon::None, MsgButtons::Ok);
}

}  // namespace belt
