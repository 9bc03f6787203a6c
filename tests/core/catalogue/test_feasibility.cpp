#include <gtest/gtest.h>

#include <string>

#include "catalogue/feasibility.h"
#include "platform/scripteddialogs.h"
#include "project/driveproject.h"

using namespace belt;

namespace {

DriveProject LoadedProject() {
    DriveProject p;
    DatiFeasibility(p);
    DatiIdler(p);
    return p;
}

const std::string kTavorenMessage =
    "You can use TAVOREN belts and cut it\runtil 13500 mm length. For big quantity please ask us.";

}  // namespace

TEST(Feasibility, CellsReadBack) {
    const DriveProject p = LoadedProject();
    struct Case {
        int row, col;
        const char* text;
    };
    const Case cases[] = {
        {0, 0, " "},
        {0, 2, "type\rof\rcords"},
        {0, 8, "type\rof\rcords"},
        {0, 9, "type\rof\rcovered"},
        {0, 18, "type\rof\rcovered"},
        {0, 19, " "},
        {0, 24, " "},
        {1, 1, " "},
        {1, 2, "STANDARD steel cords"},
        {1, 11, "AVAFC 2 mm 85\u00B0 shore A"},
        {1, 12, "AVAFC 2/3/4/5/6 mm 63/85\u00B0 shore A"},
        {1, 20, "DOUBLE SIDED BELT"},
        {1, 24, "MAX width"},
        {2, 0, "ORVANTO"},
        {2, 1, "MXL"},
        {2, 2, "S"},
        {2, 3, "\u00D7"},
        {2, 13, "\x0E"},
        {2, 21, "112"},
        {2, 22, "_"},
        {2, 23, "985"},
        {7, 1, "T2.5"},
        {11, 1, "T10DL"},
        {11, 23, "1880"},
        {14, 21, "for joined belts = 900 mm"},
        {14, 22, "for joined belts = 900 mm"},
        {14, 23, "1 rolls = 100 m     (more 100 m on request)"},
        {14, 24, "50.8"},
        {15, 8, "~"},
        {16, 24, "203"},
        {19, 2, "\u00D7"},
        {24, 3, "~"},
        {24, 5, "~"},
        {25, 3, "o"},
        {30, 0, "TAVOREN"},
        {30, 20, "S"},
        {40, 21, "_"},
        {40, 22, "1900"},
        {43, 0, "TAVOREN"},
        {43, 1, "P2"},
        {43, 21, "1500"},
        {43, 23, "13500"},
        {43, 24, "150"},
    };
    for (const auto& c : cases) EXPECT_EQ(p.feasibilityTable[c.col][c.row], c.text) << c.row << "," << c.col;
}

TEST(Feasibility, EveryExecutionCellHoldsASymbol) {
    const DriveProject p = LoadedProject();
    int tildes = 0;
    for (int r = 2; r < kFeasibilityRows; ++r)
        for (int c = 2; c <= 20; ++c) {
            const std::string& s = p.feasibilityTable[c][r];
            EXPECT_TRUE(s == "S" || s == "o" || s == "\x0E" || s == "\u00D7" || s == "~") << r << "," << c;
            tildes += s == "~";
        }
    EXPECT_EQ(tildes, 5);
}

TEST(Feasibility, SymbolExplanation) {
    const DriveProject p = LoadedProject();
    struct Case {
        int row, col;
        const char* title;
        std::string text;
    };
    const Case cases[] = {
        {2, 2, "type of cords STANDARD steel cords: MXL", "Ex stock"},
        {14, 9, "type of covered NFT: XL", "On request without minimum quantity"},
        {2, 13, "type of covered TENAX: MXL", "On request with minimum quantity"},
        {2, 3, "type of cords HF: MXL", "Not available"},
        {15, 8, "type of cords STAINLESS: L", kTavorenMessage},
        {30, 20, "  DOUBLE SIDED BELT: T5", "Ex stock"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.row << "," << c.col);
        ScriptedDialogs d;
        FeasibilityClick(p, d, c.row, c.col);
        ASSERT_EQ(d.seen.size(), 1u);
        EXPECT_EQ(d.seen[0].title, c.title);
        EXPECT_EQ(d.seen[0].text, c.text);
        EXPECT_EQ(d.seen[0].buttons, MsgButtons::Ok);
    }
}

TEST(Feasibility, CellsWithoutASymbolExplainNothing) {
    const DriveProject p = LoadedProject();
    struct Case {
        int row, col;
    };
    const Case cases[] = {
        {0, 0},  {0, 5},   {1, 5},   {1, 24}, {2, 0},  {2, 1},
        {2, 21}, {14, 23}, {43, 24}, {44, 2}, {2, 25}, {-1, 3},
    };
    for (const auto& c : cases) {
        ScriptedDialogs d;
        FeasibilityClick(p, d, c.row, c.col);
        EXPECT_TRUE(d.seen.empty()) << c.row << "," << c.col;
    }
}

TEST(Feasibility, IdlerGridReadsBack) {
    const DriveProject p = LoadedProject();
    struct Case {
        int row, col;
        const char* text;
    };
    const Case cases[] = {
        {0, 0, "Type"},
        {0, 1, "min. no. of teeth"},
        {0, 2, "min. diameter idler outside"},
        {0, 3, "min. diameter idler inside"},
        {1, 0, "T2.5 HP"},
        {1, 3, "-"},
        {2, 1, "z = 10"},
        {2, 2, "\u00D8 = 25 mm"},
        {9, 2, "\u00D8 = 100 mm"},
        {14, 3, "\u00D8 = 120 mm"},
        {18, 1, "z = 25"},
        {18, 2, "\u00D8 = 250 mm"},
        {18, 3, "\u00D8 = 160 mm"},
        {19, 0, "AT20 HPF"},
        {19, 2, "-"},
    };
    for (const auto& c : cases) EXPECT_EQ(p.idlerTable[c.row][c.col], c.text) << c.row << "," << c.col;
}

TEST(Feasibility, GridLayout) {
    EXPECT_EQ(FeasibilityColumnWidth(0), 850);
    EXPECT_EQ(FeasibilityColumnWidth(1), 3000);
    EXPECT_EQ(FeasibilityColumnWidth(2), 750);
    EXPECT_EQ(FeasibilityColumnWidth(24), 750);
    EXPECT_EQ(kFeasibilityGrid.fixedRows, 2);
    EXPECT_EQ(kFeasibilityGrid.fixedCols, 2);
    EXPECT_EQ(kFeasibilityGrid.toolTip, "Click on a cell to know the symbol meaning");
    EXPECT_EQ(kIdlerGrid.fixedRows, 1);
    EXPECT_EQ(kIdlerColumnWidths, (std::array<int, 4>{1500, 2000, 3500, 3500}));
}
