// A read-only grid with fixed (non-scrolling) header rows and columns, cell
// merging and column widths in twips: the feasibility and idler minimum
// diameter tables of step 1. Clicks report the cell under the mouse, also
// inside a merged cell.
#pragma once

#include <QStandardItemModel>
#include <QTableView>
#include <vector>

namespace belt {

class FlexGrid : public QTableView {
    Q_OBJECT
public:
    explicit FlexGrid(QWidget* parent = nullptr);

    void setGrid(int rows, int cols, int fixedRows, int fixedCols);
    // Colour of the area beyond the last row and column.
    void setEmptyAreaColor(const QColor& colour);
    int rows() const { return model_->rowCount(); }
    int cols() const { return model_->columnCount(); }
    int fixedRows() const { return fixedRows_; }
    int fixedCols() const { return fixedCols_; }

    // Stores the cell's text; `shown` is what the cell displays (defaults to text).
    void setCell(int row, int col, const QString& text, const QString& shown = QString());
    QString cellText(int row, int col) const;
    QString cellShown(int row, int col) const;
    // A cell's own colours (after setCell, which gives the grid's defaults).
    void setCellColours(int row, int col, const QColor& back, const QColor& text);
    QColor cellBackColour(int row, int col) const;
    QColor cellTextColour(int row, int col) const;

    // Width in twips (1/1440 inch), converted with the screen's resolution.
    void setColumnWidthTwips(int col, int twips);
    void setRowHeightPx(int row, int px);
    // Draws the texts of this row turned a quarter left (long names in narrow columns).
    void setRotatedRow(int row);
    void setRotatedColumn(int col, int fromRow);

    // Equal neighbouring texts merged along `row` from column `fromCol` on,
    // and down `col` from row `fromRow` on (never across the fixed edge).
    void mergeRow(int row, int fromCol);
    void mergeCol(int col, int fromRow, int toRow);
    void mergeBlock(int row, int col, int rowSpan, int colSpan);

    // Cells under the fixed rows and columns need no scrolling.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

    // The fixed header views (for tests and styling).
    QTableView* frozenTop() const { return top_; }
    QTableView* frozenLeft() const { return left_; }

signals:
    void cellClicked(int row, int col);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void updateFrozenGeometry();
    void forEachView(const std::function<void(QTableView*)>& f);

    QStandardItemModel* model_;
    QTableView* top_;
    QTableView* left_;
    QTableView* corner_;
    int fixedRows_ = 0;
    int fixedCols_ = 0;
};

}  // namespace belt
