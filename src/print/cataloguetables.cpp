#include "print/cataloguetables.h"

#include <QPainter>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "catalogue/feasibility.h"
#include "drawing/logo.h"
#include "drawing/stylecolours.h"
#include "print/pagecanvas.h"
#include "project/driveproject.h"

namespace belt {

namespace {

constexpr double kPageSize = 100;

// Feasibility table: columns of the catalogue that are executions (one
// symbol each) and limits (lengths and width in mm).
constexpr int kFirstExecution = 2;
constexpr int kLastExecution = 20;
constexpr int kFirstLimit = 21;
constexpr int kLastLimit = 24;
constexpr int kExecutions = kLastExecution - kFirstExecution + 1;
constexpr int kLimits = kLastLimit - kFirstLimit + 1;
constexpr int kFirstBeltRow = 2;
// The cleats and the double-sided belt have no group caption in the
// catalogue's heading row; the printed heading column names them.
constexpr int kFirstCleatsColumn = 19;

// The printed table: the heading column and three family blocks side by
// side, from Y 14 to 83 (the heading column reaches one unit under the
// first block).
constexpr double kTableTop = 14;
constexpr double kTableHeight = 69;
constexpr double kFamilyRowHeight = 3;
constexpr double kProfileRowHeight = 6;
constexpr double kExecutionRowHeight = 2.2;
constexpr double kLimitRowHeight =
    (kTableHeight - kFamilyRowHeight - kProfileRowHeight - kExecutions * kExecutionRowHeight) / kLimits;
constexpr double kCaptionStrip = 3.5;  // the rotated group captions at the left of the heading column
constexpr double kTablePoints = 6.5;

struct Block {
    const char* family;
    double left;
    double width;
};
constexpr std::array<Block, 3> kBlocks = {{{"ORVANTO", 17, 24}, {"SELKIRA", 41, 34}, {"TAVOREN", 75, 25}}};
constexpr double kHeadingRight = 17;


double ExecutionRowTop(int column) {
    return kTableTop + kFamilyRowHeight + kProfileRowHeight + (column - kFirstExecution) * kExecutionRowHeight;
}
double LimitRowTop(int column) {
    return ExecutionRowTop(kLastExecution + 1) + (column - kFirstLimit) * kLimitRowHeight;
}
double RowTop(int column) { return column <= kLastExecution ? ExecutionRowTop(column) : LimitRowTop(column); }
double RowHeight(int column) { return column <= kLastExecution ? kExecutionRowHeight : kLimitRowHeight; }

enum class Turn { IfNeeded, Always };

// Text centred in a logical rectangle: across it when it fits at `points`
// (unless it is always turned), else turned a quarter (reading upwards)
// when that fits, else across and smaller.
void CellText(PageCanvas& c, const QRectF& cell, const QString& text, double points, bool bold,
              Turn turn = Turn::IfNeeded) {
    c.setFont(points, bold, false);
    const double margin = 0.3;
    double w = c.textWidth(text);
    if (turn == Turn::IfNeeded && w <= cell.width() - margin) {
        c.text(cell.center().x() - w / 2, cell.center().y() - c.lineHeight() / 2, text);
        return;
    }
    // Turned: the text's length runs along the page's height.
    const QRectF d = c.device(cell);
    const double deviceLength = c.page().width() * w / kPageSize;
    if (deviceLength <= d.height() - c.millimetres(0.6)) {
        QPainter& p = c.painter();
        p.save();
        p.translate(d.center());
        p.rotate(-90);
        const QFontMetricsF fm(c.font(), p.device());
        p.drawText(QPointF(-fm.horizontalAdvance(text) / 2, fm.ascent() - fm.height() / 2), text);
        p.restore();
        return;
    }
    double scale = (cell.width() - margin) / w;
    c.setFont(points * scale, bold, false);
    w = c.textWidth(text);
    c.text(cell.center().x() - w / 2, cell.center().y() - c.lineHeight() / 2, text);
}

// The five symbols of the legend, drawn as shapes centred in a cell.
void DrawSymbol(PageCanvas& c, const QRectF& cell, const std::string& symbol) {
    const QRectF d = c.device(cell);
    const double size = std::min(d.width(), d.height()) * 0.55;
    const QRectF box(d.center().x() - size / 2, d.center().y() - size / 2, size, size);
    const double shadow = size * 0.18;
    QPainter& p = c.painter();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(Qt::black, c.millimetres(0.2));
    p.setPen(pen);
    if (symbol == kFeasibilityExStock) {
        p.setBrush(Qt::black);
        p.drawEllipse(box);
    } else if (symbol == kFeasibilityOnRequest || symbol == kFeasibilityMinQuantity) {
        const bool circle = symbol == kFeasibilityOnRequest;
        const QRectF face = box.adjusted(0, 0, -shadow, -shadow);
        p.setBrush(Qt::black);
        if (circle)
            p.drawEllipse(face.translated(shadow, shadow));
        else
            p.drawRect(face.translated(shadow, shadow));
        p.setBrush(Qt::white);
        if (circle)
            p.drawEllipse(face);
        else
            p.drawRect(face);
    } else if (symbol == kFeasibilityNotAvailable) {
        pen.setWidthF(size * 0.18);
        pen.setCapStyle(Qt::FlatCap);
        p.setPen(pen);
        const QRectF x = box.adjusted(size * 0.12, size * 0.12, -size * 0.12, -size * 0.12);
        p.drawLine(x.topLeft(), x.bottomRight());
        p.drawLine(x.topRight(), x.bottomLeft());
    } else if (symbol == kFeasibilityCutTavoren) {
        p.setBrush(Qt::black);
        p.drawPolygon(QPolygonF({QPointF(box.center().x(), box.top()), box.bottomRight(), box.bottomLeft()}));
    }
    p.restore();
}

void GridLines(PageCanvas& c, double left, double right) {
    c.line(left, kTableTop, right, kTableTop);
    for (int col = kFirstExecution; col <= kLastLimit; ++col) c.line(left, RowTop(col), right, RowTop(col));
    const double bottom = kTableTop + kTableHeight;
    c.line(left, bottom, right, bottom);
}

// The heading column: the group captions turned at the left, the execution
// and limit names beside them.
void PaintHeadingColumn(PageCanvas& c, const DriveProject& t) {
    const double bottom = kTableTop + kTableHeight;
    GridLines(c, kCaptionStrip, kHeadingRight);
    c.line(0, RowTop(kFirstExecution), 0, RowTop(kFirstLimit));
    c.line(kCaptionStrip, RowTop(kFirstExecution), kCaptionStrip, bottom);
    c.line(0, RowTop(kFirstExecution), kCaptionStrip, RowTop(kFirstExecution));

    for (int col = kFirstExecution; col <= kLastLimit; ++col) {
        QRectF cell(kCaptionStrip + 0.4, RowTop(col), kHeadingRight - kCaptionStrip - 0.8, RowHeight(col));
        const QString name = style::qs(t.feasibilityTable[col][1]);
        c.setFont(kTablePoints, true, false);
        double points = kTablePoints;
        if (c.textWidth(name) > cell.width()) points *= cell.width() / c.textWidth(name);
        c.setFont(points, true, false);
        c.text(cell.left(), cell.center().y() - c.lineHeight() / 2, name);
    }

    // Group captions: runs of equal heading-row texts among the executions.
    auto caption = [&](int col) {
        if (col >= kFirstCleatsColumn) return QStringLiteral("cleats");
        return style::qs(t.feasibilityTable[col][0]).replace(QLatin1Char('\r'), QLatin1Char(' ')).simplified();
    };
    int first = kFirstExecution;
    for (int col = kFirstExecution; col <= kLastExecution + 1; ++col) {
        if (col <= kLastExecution && caption(col) == caption(first)) continue;
        const QRectF strip(0, RowTop(first), kCaptionStrip, RowTop(col) - RowTop(first));
        c.line(0, strip.bottom(), kCaptionStrip, strip.bottom());
        CellText(c, strip, caption(first), kTablePoints + 1, true, Turn::Always);
        first = col;
    }
}

void PaintFamilyBlock(PageCanvas& c, const DriveProject& t, const Block& b) {
    std::vector<int> rows;
    for (int r = kFirstBeltRow; r < kFeasibilityRows; ++r)
        if (t.feasibilityTable[0][r] == b.family) rows.push_back(r);
    if (rows.empty()) return;
    const double colWidth = b.width / static_cast<double>(rows.size());
    const double right = b.left + b.width;
    const double bottom = kTableTop + kTableHeight;

    GridLines(c, b.left, right);
    c.line(b.left, kTableTop + kFamilyRowHeight, right, kTableTop + kFamilyRowHeight);
    c.line(right, kTableTop, right, bottom);
    c.line(b.left, kTableTop, b.left, bottom);
    CellText(c, QRectF(b.left, kTableTop, b.width, kFamilyRowHeight), QString::fromLatin1(b.family),
             kTablePoints + 2, true);

    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double x = b.left + static_cast<double>(i) * colWidth;
        if (i > 0) c.line(x, kTableTop + kFamilyRowHeight, x, RowTop(kFirstLimit));
        const int r = rows[i];
        CellText(c, QRectF(x, kTableTop + kFamilyRowHeight, colWidth, kProfileRowHeight),
                 style::qs(t.feasibilityTable[1][r]), kTablePoints, true, Turn::Always);
        for (int col = kFirstExecution; col <= kLastExecution; ++col)
            DrawSymbol(c, QRectF(x, RowTop(col), colWidth, RowHeight(col)), t.feasibilityTable[col][r]);
    }

    // Limits: equal neighbours share one cell, as on the screen's grid.
    for (int col = kFirstLimit; col <= kLastLimit; ++col) {
        std::size_t first = 0;
        for (std::size_t i = 1; i <= rows.size(); ++i) {
            if (i < rows.size() && t.feasibilityTable[col][rows[i]] == t.feasibilityTable[col][rows[first]])
                continue;
            const double x = b.left + static_cast<double>(first) * colWidth;
            if (first > 0) c.line(x, RowTop(col), x, RowTop(col) + RowHeight(col));
            CellText(c, QRectF(x, RowTop(col), static_cast<double>(i - first) * colWidth, RowHeight(col)),
                     style::qs(t.feasibilityTable[col][rows[first]]), kTablePoints, false);
            first = i;
        }
    }
}

// The legend: each symbol with its meaning, in the catalogue's order.
void PaintLegend(PageCanvas& c) {
    const QRectF area(2, 85, 70, 10);
    const double rowHeight = area.height() / static_cast<double>(kFeasibilityLegend.size());
    c.setFont(7, true, false);
    for (std::size_t i = 0; i < kFeasibilityLegend.size(); ++i) {
        const double top = area.top() + static_cast<double>(i) * rowHeight;
        DrawSymbol(c, QRectF(area.left(), top, 2.5, rowHeight), std::string(kFeasibilityLegend[i].symbol));
        c.text(area.left() + 3, top + (rowHeight - c.lineHeight()) / 2,
               style::qs(kFeasibilityLegend[i].meaning));
    }
}

void PaintIdlerTable(PageCanvas& c, const DriveProject& t) {
    const QRectF area(8, 16, 70, 65);
    double total = 0;
    for (int w : kIdlerColumnWidths) total += w;
    std::array<double, kIdlerCols + 1> x{};
    x[0] = area.left();
    for (int col = 0; col < kIdlerCols; ++col)
        x[static_cast<std::size_t>(col) + 1] =
            x[static_cast<std::size_t>(col)] + area.width() * kIdlerColumnWidths[static_cast<std::size_t>(col)] / total;
    // The heading row is two lines high: the caption and its symbol.
    const double rowHeight = area.height() / (kIdlerRows + 1);
    const std::array<const char*, kIdlerCols> symbols = {"", "z", "\u00D8 [mm]", "\u00D8 [mm]"};

    c.rectangle(area);
    for (int col = 1; col < kIdlerCols; ++col)
        c.line(x[static_cast<std::size_t>(col)], area.top(), x[static_cast<std::size_t>(col)], area.bottom());
    for (int row = 0; row < kIdlerRows; ++row) {
        const double top = area.top() + (row == 0 ? 0 : (row + 1) * rowHeight);
        const double height = row == 0 ? 2 * rowHeight : rowHeight;
        if (row > 0) c.line(area.left(), top, area.right(), top);
        for (int col = 0; col < kIdlerCols; ++col) {
            const QRectF cell(x[static_cast<std::size_t>(col)], top,
                              x[static_cast<std::size_t>(col) + 1] - x[static_cast<std::size_t>(col)], height);
            const QString text = style::qs(t.idlerTable[row][col]);
            if (row == 0) {
                CellText(c, QRectF(cell.left(), cell.top(), cell.width(), rowHeight), text, 10, true);
                CellText(c, QRectF(cell.left(), cell.top() + rowHeight, cell.width(), rowHeight),
                         QString::fromUtf8(symbols[static_cast<std::size_t>(col)]), 10, true);
            } else {
                CellText(c, cell, text, 10, col == 0);
            }
        }
    }
}

}  // namespace

void PaintCatalogueTablePage(QPainter& painter, const QRectF& page, CatalogueTable table) {
    painter.save();
    PageCanvas c(painter, page, kPageSize, kPageSize);
    DrawLogo(painter, c.device(QRectF(3, 4, 4, 10)), false);

    // The tables as step 1 fills them.
    const auto tables = std::make_unique<DriveProject>();
    DatiFeasibility(*tables);
    DatiIdler(*tables);

    c.setFont(20, true, false);
    if (table == CatalogueTable::Feasibility) {
        c.text(10, 7, QStringLiteral("VESTRANO PU TIMING BELT FEASIBILITY"));
        PaintHeadingColumn(c, *tables);
        for (const Block& b : kBlocks) PaintFamilyBlock(c, *tables, b);
        PaintLegend(c);
    } else {
        c.text(10, 7, QStringLiteral("VESTRANO IDLER MINIMUM DIAMETER"));
        PaintIdlerTable(c, *tables);
    }
    painter.restore();
}

}  // namespace belt
