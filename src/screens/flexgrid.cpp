#include "screens/flexgrid.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <functional>

#include "drawing/stylecolours.h"

namespace belt {

namespace {

constexpr int kTextRole = Qt::UserRole + 1;     // the cell's own text
constexpr int kRotatedRole = Qt::UserRole + 2;  // drawn turned a quarter left

// Draws cells of rotated rows with their text running bottom to top.
class GridDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (!index.data(kRotatedRole).toBool()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        painter->save();
        const QVariant back = index.data(Qt::BackgroundRole);
        if (back.canConvert<QBrush>()) painter->fillRect(option.rect, back.value<QBrush>());
        painter->setFont(option.font);
        painter->setPen(option.palette.color(QPalette::Text));
        painter->translate(option.rect.bottomLeft());
        painter->rotate(-90);
        const QRectF turned(4, 0, option.rect.height() - 8, option.rect.width());
        const int align = index.data(Qt::TextAlignmentRole).toInt() & Qt::AlignHCenter
                              ? Qt::AlignCenter
                              : Qt::AlignLeft | Qt::AlignVCenter;
        painter->drawText(turned, align | Qt::TextWordWrap, index.data().toString());
        painter->restore();
    }
};

void setUpView(QTableView* v, QAbstractItemModel* model) {
    v->setModel(model);
    v->horizontalHeader()->hide();
    v->verticalHeader()->hide();
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->setSelectionMode(QAbstractItemView::NoSelection);
    v->setFocusPolicy(Qt::NoFocus);
    v->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    v->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    v->setWordWrap(false);
    v->setTextElideMode(Qt::ElideRight);
    v->setItemDelegate(new GridDelegate(v));
    v->verticalHeader()->setMinimumSectionSize(4);
    v->horizontalHeader()->setMinimumSectionSize(4);
}

}  // namespace

FlexGrid::FlexGrid(QWidget* parent)
    : QTableView(parent),
      model_(new QStandardItemModel(this)),
      top_(new QTableView(this)),
      left_(new QTableView(this)),
      corner_(new QTableView(this)) {
    setUpView(this, model_);
    setFocusPolicy(Qt::StrongFocus);
    for (QTableView* v : {top_, left_, corner_}) {
        setUpView(v, model_);
        v->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        v->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        v->setFrameShape(QFrame::NoFrame);
        v->viewport()->installEventFilter(this);
        v->viewport()->setMouseTracking(true);
    }
    // The frozen parts follow the grid's scrolling along their free direction.
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, top_->horizontalScrollBar(),
            &QScrollBar::setValue);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, left_->verticalScrollBar(),
            &QScrollBar::setValue);
    top_->raise();
    left_->raise();
    corner_->raise();
}

void FlexGrid::setEmptyAreaColor(const QColor& colour) {
    forEachView([&](QTableView* v) {
        QPalette pal = v->palette();
        pal.setColor(QPalette::Base, colour);
        v->setPalette(pal);
    });
    setFrameShape(QFrame::NoFrame);
}

void FlexGrid::forEachView(const std::function<void(QTableView*)>& f) {
    for (QTableView* v : {static_cast<QTableView*>(this), top_, left_, corner_}) f(v);
}

void FlexGrid::setGrid(int rows, int cols, int fixedRows, int fixedCols) {
    model_->clear();
    model_->setRowCount(rows);
    model_->setColumnCount(cols);
    fixedRows_ = fixedRows;
    fixedCols_ = fixedCols;
    forEachView([](QTableView* v) { v->clearSpans(); });
    updateFrozenGeometry();
}

void FlexGrid::setCell(int row, int col, const QString& text, const QString& shown) {
    auto* item = new QStandardItem(shown.isNull() ? text : shown);
    item->setData(text, kTextRole);
    item->setTextAlignment(Qt::AlignCenter);
    item->setBackground(row < fixedRows_ || col < fixedCols_ ? style::kGridFixedCell : style::kGridCell);
    item->setData(model_->data(model_->index(row, col), kRotatedRole), kRotatedRole);
    model_->setItem(row, col, item);
}

QString FlexGrid::cellText(int row, int col) const {
    return model_->index(row, col).data(kTextRole).toString();
}

QString FlexGrid::cellShown(int row, int col) const {
    return model_->index(row, col).data().toString();
}

void FlexGrid::setCellColours(int row, int col, const QColor& back, const QColor& text) {
    model_->setData(model_->index(row, col), QBrush(back), Qt::BackgroundRole);
    model_->setData(model_->index(row, col), QBrush(text), Qt::ForegroundRole);
}

QColor FlexGrid::cellBackColour(int row, int col) const {
    return model_->index(row, col).data(Qt::BackgroundRole).value<QBrush>().color();
}

QColor FlexGrid::cellTextColour(int row, int col) const {
    const QVariant v = model_->index(row, col).data(Qt::ForegroundRole);
    return v.isValid() ? v.value<QBrush>().color() : palette().color(QPalette::Text);
}

void FlexGrid::setColumnWidthTwips(int col, int twips) {
    const int px = qRound(twips * logicalDpiX() / 1440.0);
    forEachView([&](QTableView* v) { v->setColumnWidth(col, px); });
    updateFrozenGeometry();
}

void FlexGrid::setRowHeightPx(int row, int px) {
    forEachView([&](QTableView* v) { v->setRowHeight(row, px); });
    updateFrozenGeometry();
}

void FlexGrid::setRotatedRow(int row) {
    for (int c = 0; c < model_->columnCount(); ++c) {
        // Turned names start at the foot of the cell.
        model_->setData(model_->index(row, c), true, kRotatedRole);
        model_->setData(model_->index(row, c), int(Qt::AlignLeft | Qt::AlignVCenter), Qt::TextAlignmentRole);
    }
}

void FlexGrid::setRotatedColumn(int col, int fromRow) {
    for (int r = fromRow; r < model_->rowCount(); ++r)
        model_->setData(model_->index(r, col), true, kRotatedRole);
}

void FlexGrid::mergeBlock(int row, int col, int rowSpan, int colSpan) {
    if (rowSpan <= 1 && colSpan <= 1) return;
    forEachView([&](QTableView* v) { v->setSpan(row, col, rowSpan, colSpan); });
}

void FlexGrid::mergeRow(int row, int fromCol) {
    int start = fromCol;
    for (int c = fromCol + 1; c <= model_->columnCount(); ++c) {
        if (c < model_->columnCount() && cellShown(row, c) == cellShown(row, start)) continue;
        mergeBlock(row, start, 1, c - start);
        start = c;
    }
}

void FlexGrid::mergeCol(int col, int fromRow, int toRow) {
    int start = fromRow;
    for (int r = fromRow + 1; r <= toRow + 1; ++r) {
        if (r <= toRow && cellShown(r, col) == cellShown(start, col)) continue;
        mergeBlock(start, col, r - start, 1);
        start = r;
    }
}

void FlexGrid::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    updateFrozenGeometry();
}

void FlexGrid::updateFrozenGeometry() {
    int h = 0;
    for (int r = 0; r < fixedRows_; ++r) h += rowHeight(r);
    int w = 0;
    for (int c = 0; c < fixedCols_; ++c) w += columnWidth(c);
    const QRect vp = viewport()->geometry();
    const int fw = frameWidth();
    top_->setGeometry(fw, fw, vp.width(), h);
    left_->setGeometry(fw, fw, w, vp.height());
    corner_->setGeometry(fw, fw, w, h);
    top_->setVisible(h > 0);
    left_->setVisible(w > 0);
    corner_->setVisible(h > 0 && w > 0);
}

bool FlexGrid::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* me = static_cast<QMouseEvent*>(event);
        const QPoint pos = me->position().toPoint();
        const int row = rowAt(pos.y());
        const int col = columnAt(pos.x());
        if (me->button() == Qt::LeftButton && row >= 0 && col >= 0) emit cellClicked(row, col);
    }
    return QTableView::viewportEvent(event);
}

bool FlexGrid::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        for (QTableView* v : {top_, left_, corner_}) {
            if (watched != v->viewport()) continue;
            auto* me = static_cast<QMouseEvent*>(event);
            const QPoint pos = me->position().toPoint();
            const int row = v->rowAt(pos.y());
            const int col = v->columnAt(pos.x());
            if (me->button() == Qt::LeftButton && row >= 0 && col >= 0) emit cellClicked(row, col);
            return true;
        }
    }
    if (event->type() == QEvent::Wheel) {
        // Scrolling over a frozen part scrolls the grid.
        for (QTableView* v : {top_, left_, corner_})
            if (watched == v->viewport()) return QCoreApplication::sendEvent(viewport(), event);
    }
    return QTableView::eventFilter(watched, event);
}

void FlexGrid::scrollTo(const QModelIndex& index, ScrollHint hint) {
    // Cells under the frozen parts need no scrolling.
    if (index.row() >= fixedRows_ && index.column() >= fixedCols_) QTableView::scrollTo(index, hint);
}

}  // namespace belt
