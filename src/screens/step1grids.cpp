// STEP1: the feasibility grid and the idler minimum diameter grid.

#include <QTableView>

#include "catalogue/feasibility.h"
#include "catalogue/idlerdiameters.h"
#include "engine/applicationdata.h"
#include "project/driveproject.h"
#include "screens/flexgrid.h"
#include "screens/menuactions.h"
#include "screens/placeform.h"
#include "screens/screenstyle.h"
#include "screens/step1layout.h"
#include "screens/step1screen.h"

namespace belt {

using namespace style;
using namespace step1;

void Step1Screen::makeGrids() {
    feasibility_ = new FlexGrid(this);
    feasibility_->setObjectName(QStringLiteral("Feasibility"));
    connect(feasibility_, &FlexGrid::cellClicked, this, &Step1Screen::Feasibility_Click);
    idler_ = new FlexGrid(this);
    idler_->setObjectName(QStringLiteral("IdlerMinDiameter"));
    for (FlexGrid* g : {feasibility_, idler_}) g->setEmptyAreaColor(kBackground);
}

void Step1Screen::loadFeasibilityGrid() {
    const GridLayout& fg = kFeasibilityGrid;
    QFont font(qs(fg.fontName));
    font.setPointSize(8);
    feasibility_->setFont(font);
    for (QTableView* v : {feasibility_->frozenTop(), feasibility_->frozenLeft()}) v->setFont(font);
    feasibility_->setGrid(fg.rows, fg.cols, fg.fixedRows, fg.fixedCols);
    for (int r = 0; r < fg.rows; ++r)
        for (int c = 0; c < fg.cols; ++c) {
            const std::string& text =
                project_.feasibilityTable[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)];
            QString shown = qs(text);
            shown.replace(qs(kFeasibilityMinQuantity), qs(kFeasibilityMinQuantityGlyph));
            shown.replace(QLatin1Char('\r'), QChar::LineSeparator);
            feasibility_->setCell(r, c, qs(text), shown);
        }
    feasibility_->setToolTip(qs(fg.toolTip));
    const QFontMetrics fm(font);
    feasibility_->setRowHeightPx(0, fm.lineSpacing() * 3 + 6);
    feasibility_->setRowHeightPx(1, fm.lineSpacing() * 10);
    feasibility_->setRotatedRow(1);
    // The family names run down their tall merged cells.
    feasibility_->setRotatedColumn(0, fg.fixedRows);
    for (int r = 2; r < fg.rows; ++r) feasibility_->setRowHeightPx(r, fm.lineSpacing() + 6);
    for (int c = 0; c < fg.cols; ++c) feasibility_->setColumnWidthTwips(c, FeasibilityColumnWidth(c));
    // The corner is one blank cell; equal texts merge along the listed rows
    // and down the family and pitch columns.
    feasibility_->mergeBlock(0, 0, fg.fixedRows, fg.fixedCols);
    for (int r : kFeasibilityMergeRows) feasibility_->mergeRow(r, fg.fixedCols);
    for (int c : kFeasibilityMergeCols) feasibility_->mergeCol(c, fg.fixedRows, fg.rows - 1);
}

void Step1Screen::loadIdlerGrid() {
    const GridLayout& ig = kIdlerGrid;
    QFont ifont(qs(ig.fontName));
    ifont.setPointSize(10);
    idler_->setFont(ifont);
    for (QTableView* v : {idler_->frozenTop(), idler_->frozenLeft()}) v->setFont(ifont);
    idler_->setGrid(ig.rows, ig.cols, ig.fixedRows, ig.fixedCols);
    for (int r = 0; r < ig.rows; ++r)
        for (int c = 0; c < ig.cols; ++c)
            idler_->setCell(
                r, c, qs(project_.idlerTable[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
    for (int c = 0; c < ig.cols; ++c)
        idler_->setColumnWidthTwips(c, kIdlerColumnWidths[static_cast<std::size_t>(c)]);
    const QFontMetrics ifm(ifont);
    for (int r = 0; r < ig.rows; ++r) idler_->setRowHeightPx(r, ifm.lineSpacing() + 8);
}

void Step1Screen::InformationGrid() {
    const int tab = currentTab();
    setShown(menus_.mGoon, false);
    setShown(menus_.mGoon2, false);
    titolo_->setText(qs(Step1TabTitle(tab)));
    titolo_->show();
    if (project_.demoRunning == 0) setShown(menus_.mPrinter2, true);
    (tab == kTabFeasibility ? feasibility_ : idler_)->show();
}

void Step1Screen::Feasibility_Click(int row, int col) {
    FeasibilityClick(project_, dialogs_, row, col);
}

}  // namespace belt
