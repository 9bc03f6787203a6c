#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "catalogue/loadfactors.h"
#include "project/driveproject.h"

using namespace belt;

namespace {

DriveProject LoadedProject() {
    DriveProject p;
    DatiLoadFactorC3(p);
    return p;
}

}  // namespace

TEST(LoadFactors, TableAndListAgreeRowByRow) {
    DriveProject p = LoadedProject();
    const auto list = CaricaLoadFactor();
    ASSERT_EQ(list.size(), 63u);

    struct Case {
        int row;
        const char* listText;
        float c0, c1, c2;
    };
    const Case cases[] = {
        {0, "OFFICE MACHINERY", 1.0f, 1.0f, 1.0f},
        {1, "        Typewriters", 1.0f, 1.1f, 1.2f},
        {10, "        Industrial sewing machines", 1.2f, 1.3f, 1.4f},
        {16, "      Light-duty belt conveyors", 1.1f, 1.2f, 1.3f},
        {25, "      Lathes", 1.2f, 1.4f, 1.6f},
        {29, "      Lathes and band saws", 1.2f, 1.3f, 1.5f},
        {42, "      Linotype machines, Cutters, Folders", 1.2f, 1.4f, 1.6f},
        {51, "        Helical compressors", 1.4f, 1.5f, 1.6f},
        {55, "        Reciprocating pumps", 1.7f, 1.9f, 2.1f},
        {58, "        Centrifuges", 1.5f, 1.7f, 1.9f},
        {62, "        Ball, roller and gravel mills", 1.7f, 1.9f, 2.1f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        EXPECT_EQ(list[c.row], c.listText);
        EXPECT_FLOAT_EQ(p.loadFactorC3Table[c.row][0], c.c0);
        EXPECT_FLOAT_EQ(p.loadFactorC3Table[c.row][1], c.c1);
        EXPECT_FLOAT_EQ(p.loadFactorC3Table[c.row][2], c.c2);
    }
    // Row 63 has no list entry and stays empty.
    for (int k = 0; k < 3; ++k) EXPECT_EQ(p.loadFactorC3Table[63][k], 0.0f);
}

TEST(LoadFactors, HeadingsHaveFactorOneAndHeavierDriversNeverLowerTheFactor) {
    DriveProject p = LoadedProject();
    const auto list = CaricaLoadFactor();
    int headings = 0;
    for (int r = 0; r < kDrivenMachineCount; ++r) {
        SCOPED_TRACE(list[r]);
        const bool heading = list[r].front() != ' ';
        if (heading) {
            ++headings;
            for (int k = 0; k < 3; ++k) EXPECT_FLOAT_EQ(p.loadFactorC3Table[r][k], 1.0f);
        } else {
            EXPECT_LE(p.loadFactorC3Table[r][0], p.loadFactorC3Table[r][1]);
            EXPECT_LE(p.loadFactorC3Table[r][1], p.loadFactorC3Table[r][2]);
        }
    }
    EXPECT_EQ(headings, 17);
}

TEST(LoadFactors, DriverClassCaptions) {
    EXPECT_EQ(kDriverClassCaptions[0],
              "Electric motors with low starting torque (up to 1.5 times the rated torque); water and "
              "steam turbines; internal combustion engines of 8 or more cylinders.");
    EXPECT_EQ(kDriverClassCaptions[2],
              "Electric motors with high starting and breaking torque (over 2.5 times the rated torque); "
              "internal combustion engines up to 4 cylinders.");
}

TEST(LoadFactors, LookUpNeedsBothARowAndADriverClass) {
    DriveProject p = LoadedProject();
    InitFactorTable(p, FactorTableKind::OperationTime);

    // Machine first, class not yet chosen: nothing changes.
    p.screen.proprietaListIndex = 55;
    EXPECT_EQ(LookUpLoadFactor(p), std::nullopt);
    EXPECT_FLOAT_EQ(p.loadFactor, 1.0f);

    p.screen.optionDriver = {false, false, true};
    EXPECT_EQ(LookUpLoadFactor(p), std::optional<std::string>("2.1"));
    EXPECT_FLOAT_EQ(p.loadFactor, 2.1f);

    p.screen.proprietaListIndex = 53;  // "PUMPS" heading
    EXPECT_EQ(LookUpLoadFactor(p), std::optional<std::string>("1.0"));
    EXPECT_FLOAT_EQ(p.loadFactor, 1.0f);

    // A typed factor stands until a look-up with no row selected changes nothing.
    p.loadFactor = 3.3f;
    p.screen.proprietaListIndex = -1;
    EXPECT_EQ(LookUpLoadFactor(p), std::nullopt);
    EXPECT_FLOAT_EQ(p.loadFactor, 3.3f);

    // Row 63 has no list entry; out-of-range rows and classes change nothing.
    EXPECT_EQ(LookUpLoadFactor(p, 63, 0), std::nullopt);
    EXPECT_EQ(LookUpLoadFactor(p, 0, 3), std::nullopt);
    EXPECT_FLOAT_EQ(p.loadFactor, 3.3f);
}

TEST(LoadFactors, FirstSelectedDriverClassCounts) {
    DriveProject p;
    EXPECT_EQ(SelectedDriverClass(p), -1);
    p.screen.optionDriver = {false, true, true};
    EXPECT_EQ(SelectedDriverClass(p), 1);
}

TEST(LoadFactors, FactorTablesPerTab) {
    struct Case {
        int tab;
        std::optional<FactorTableKind> kind;
    };
    const Case cases[] = {
        {0, FactorTableKind::OperationTime},
        {5, FactorTableKind::OperationTime},
        {1, FactorTableKind::OperatingConditions},
        {2, FactorTableKind::OperatingConditions},
        {3, FactorTableKind::Duty},
        {4, FactorTableKind::Duty},
        {6, std::nullopt},
        {9, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(FactorTableForTab(c.tab), c.kind) << c.tab;

    const auto& time = FactorTableOf(FactorTableKind::OperationTime).caption;
    EXPECT_EQ(time[0], "Operation time");
    EXPECT_EQ(time[5], "Seasonal");
    EXPECT_EQ(time[6], "Service factor");
    EXPECT_EQ(time[11], "-0.1");
    const auto& cond = FactorTableOf(FactorTableKind::OperatingConditions).caption;
    EXPECT_EQ(cond[3], "Average fluctuating\rload");
    EXPECT_EQ(cond[10], "2.0");
    const auto& duty = FactorTableOf(FactorTableKind::Duty).caption;
    EXPECT_EQ(duty[6], "Service\rfactor");
    EXPECT_EQ(duty[9], "+1.4");
}

TEST(LoadFactors, PageInitialisation) {
    DriveProject p;
    p.loadFactor = 2.5f;
    p.screen.tabellaBackColor[8] = kFactorCellSelectedBack;
    InitFactorTable(p, FactorTableKind::OperationTime);
    EXPECT_FLOAT_EQ(p.loadFactorSecond, 0.0f);
    EXPECT_FLOAT_EQ(p.loadFactor, 1.0f);
    for (int i = 7; i <= 11; ++i) {
        EXPECT_EQ(p.screen.tabellaBackColor[i], 16776960);  // RGB(0,255,255)
        EXPECT_EQ(p.screen.tabellaForeColor[i], 8388608);   // RGB(0,0,128)
    }

    // The other tables count their first value although no cell is shown selected.
    p.loadFactor = 2.5f;
    InitFactorTable(p, FactorTableKind::OperatingConditions);
    EXPECT_FLOAT_EQ(p.loadFactorSecond, 1.0f);
    EXPECT_FLOAT_EQ(p.loadFactor, 2.5f);
    InitFactorTable(p, FactorTableKind::Duty);
    EXPECT_FLOAT_EQ(p.loadFactorSecond, 1.0f);
}

TEST(LoadFactors, PickingACell) {
    struct Case {
        FactorTableKind kind;
        int clicked;
        std::optional<int> picked;
        float factor;  // loadFactorSecond afterwards (starts at -9)
    };
    using K = FactorTableKind;
    const Case cases[] = {
        {K::OperationTime, 3, 9, 0.2f},    // "16-24 h"
        {K::OperationTime, 9, 9, 0.2f},    // its value
        {K::OperationTime, 4, 10, -0.2f},  // "Intermittent"
        {K::OperationTime, 1, 7, 0.0f},    // "8-10 h" gives "0"
        {K::OperationTime, 11, 11, -0.1f},
        {K::OperationTime, 0, std::nullopt, -9.0f},  // title cells
        {K::OperationTime, 6, std::nullopt, -9.0f},
        {K::OperationTime, 12, std::nullopt, -9.0f},
        {K::OperatingConditions, 4, 10, 2.0f},  // "2.0" has no sign
        {K::OperatingConditions, 7, 7, 1.0f},
        {K::OperatingConditions, 5, std::nullopt, -9.0f},
        {K::OperatingConditions, 11, std::nullopt, -9.0f},
        {K::Duty, 3, 9, 1.4f},
        {K::Duty, 8, 8, 1.2f},
        {K::Duty, 5, std::nullopt, -9.0f},  // FENDARO characteristics panel
        {K::Duty, 4, std::nullopt, -9.0f},
        {K::Duty, 10, std::nullopt, -9.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << static_cast<int>(c.kind) << " cell " << c.clicked);
        DriveProject p;
        InitFactorTable(p, c.kind);
        p.loadFactorSecond = -9.0f;
        EXPECT_EQ(PickFactorCell(p, c.kind, c.clicked), c.picked);
        EXPECT_FLOAT_EQ(p.loadFactorSecond, c.factor);
        for (int i = 7; i <= 11; ++i) {
            const bool selected = c.picked == i;
            EXPECT_EQ(p.screen.tabellaBackColor[i], selected ? Rgb(0, 0, 128) : Rgb(0, 255, 255)) << i;
            EXPECT_EQ(p.screen.tabellaForeColor[i], selected ? Rgb(255, 255, 0) : Rgb(0, 0, 128)) << i;
        }
    }
}

TEST(LoadFactors, ANewPickClearsThePreviousSelection) {
    DriveProject p;
    InitFactorTable(p, FactorTableKind::OperationTime);
    PickFactorCell(p, FactorTableKind::OperationTime, 9);
    PickFactorCell(p, FactorTableKind::OperationTime, 2);
    EXPECT_EQ(p.screen.tabellaBackColor[9], kFactorCellBack);
    EXPECT_EQ(p.screen.tabellaBackColor[8], kFactorCellSelectedBack);
    EXPECT_EQ(p.screen.tabellaForeColor[8], 65535);  // yellow
    EXPECT_FLOAT_EQ(p.loadFactorSecond, 0.1f);
}
