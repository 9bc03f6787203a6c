// STEP1: the feasibility grid with its legend and the idler minimum diameter
// grid.

#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QTableView>
#include <algorithm>
#include <cmath>
#include <vector>

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

namespace {

// A symbol as the grid shows it (the minimum quantity character as its glyph).
QString GridSymbol(std::string_view symbol) {
    return symbol == kFeasibilityMinQuantity ? qs(kFeasibilityMinQuantityGlyph) : qs(symbol);
}

// The legend under the grid: each symbol in a white cell as the grid shows
// it, with its meaning as the printed table gives it, the entries running
// on like words and onto a second line where the screen is narrow.
class FeasibilityLegend : public QWidget {
public:
    explicit FeasibilityLegend(QWidget* parent) : QWidget(parent) {
        setObjectName(QStringLiteral("FeasibilityLegend"));
        QStringList lines;
        for (const FeasibilityLegendEntry& e : kFeasibilityLegend)
            lines << GridSymbol(e.symbol) + QStringLiteral("  ") + qs(e.meaning);
        setAccessibleName(QStringLiteral("Legend"));
        setAccessibleDescription(lines.join(QLatin1Char('\n')));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::TextAntialiasing);
        // The largest type, up to the grid's own, at which every entry fits.
        QFont font(QStringLiteral("Arial"));
        font.setBold(true);
        std::vector<QRectF> boxes;
        for (double points = 9; points >= 5; points -= 0.5) {
            font.setPointSizeF(points);
            if (layOut(QFontMetricsF(font), boxes)) break;
        }
        const QFontMetricsF fm(font);
        QFont symbolFont = font;
        symbolFont.setBold(false);
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const QRectF cell(boxes[i].topLeft(), QSizeF(boxes[i].height(), boxes[i].height()));
            painter.fillRect(cell, kGridCell);
            painter.setPen(kGridText);
            painter.setFont(symbolFont);
            painter.drawText(cell, Qt::AlignCenter, GridSymbol(kFeasibilityLegend[i].symbol));
            painter.setPen(kCaption);
            painter.setFont(font);
            painter.drawText(boxes[i].adjusted(cell.width() + fm.averageCharWidth(), 0, 0, 0),
                             Qt::AlignLeft | Qt::AlignVCenter, qs(kFeasibilityLegend[i].meaning));
        }
    }

private:
    // Places the entries left to right in rows; false when they need more
    // height than the legend has.
    bool layOut(const QFontMetricsF& fm, std::vector<QRectF>& boxes) const {
        boxes.clear();
        const double rowHeight = fm.height() + 4;
        const double space = 3 * fm.averageCharWidth();
        double x = 0, y = 0;
        for (const FeasibilityLegendEntry& e : kFeasibilityLegend) {
            const double w = rowHeight + fm.averageCharWidth() + fm.horizontalAdvance(qs(e.meaning)) + 2;
            if (x > 0 && x + w > width()) {
                x = 0;
                y += rowHeight + 2;
            }
            boxes.emplace_back(x, y, w, rowHeight);
            x += w + space;
        }
        return y + rowHeight <= height() &&
               std::all_of(boxes.begin(), boxes.end(), [&](const QRectF& b) { return b.right() <= width(); });
    }
};

// The width a text needs on at most two lines, broken at a blank.
double TwoLineWidth(const QFontMetricsF& fm, const QString& text) {
    double best = fm.horizontalAdvance(text);
    for (qsizetype i = text.indexOf(QLatin1Char(' ')); i >= 0; i = text.indexOf(QLatin1Char(' '), i + 1))
        best = std::min(best, std::max(fm.horizontalAdvance(text.left(i).trimmed()),
                                       fm.horizontalAdvance(text.mid(i + 1).trimmed())));
    return best;
}

}  // namespace

void Step1Screen::makeGrids() {
    feasibilityLegend_ = new FeasibilityLegend(this);
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
    for (int c = 0; c < fg.cols; ++c) feasibility_->setColumnWidthTwips(c, FeasibilityColumnWidth(c));
    // The limits are sentences in columns a symbol wide ("for joined belts
    // = 900 mm"): such a column is widened to hold its texts on two lines,
    // which wrap, and their rows grow to the lines they take.
    const QFontMetricsF fmf(font);
    const double padding = 8;
    std::vector<double> widths(static_cast<std::size_t>(fg.cols));
    for (int c = 0; c < fg.cols; ++c) {
        double w = FeasibilityColumnWidth(c) * logicalDpiX() / 1440.0;
        if (c >= 21)
            for (int r = fg.fixedRows; r < fg.rows; ++r)
                w = std::max(w, std::ceil(TwoLineWidth(fmf, feasibility_->cellShown(r, c))) + padding);
        widths[static_cast<std::size_t>(c)] = w;
        if (c >= 21)
            feasibility_->setColumnWidthTwips(c, static_cast<int>(std::ceil(w * 1440.0 / logicalDpiX())));
    }
    feasibility_->setWordWrap(true);
    for (int r = 2; r < fg.rows; ++r) {
        double lines = 1;
        for (int c = 21; c < fg.cols; ++c) {
            const QRectF need =
                fmf.boundingRect(QRectF(0, 0, widths[static_cast<std::size_t>(c)] - padding, 1e4),
                                 Qt::TextWordWrap, feasibility_->cellShown(r, c));
            lines = std::max(lines, std::round(need.height() / fmf.lineSpacing()));
        }
        feasibility_->setRowHeightPx(r, static_cast<int>(lines) * fm.lineSpacing() + 6);
    }
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
    if (tab == kTabFeasibility) {
        PlaceForm(feasibilityLegend_, 0.5, kFeasibilityLegendTop, 99, 100 - kFeasibilityLegendTop);
        feasibilityLegend_->show();
    }
}

void Step1Screen::Feasibility_Click(int row, int col) {
    FeasibilityClick(project_, dialogs_, row, col);
}

}  // namespace belt
