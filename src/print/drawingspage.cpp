#include "print/drawingspage.h"

#include <QPainter>
#include <algorithm>
#include <string>

#include "catalogue/belttraits.h"
#include "drawing/layoutdrawing.h"
#include "drawing/profiledrawings.h"
#include "drawing/pulleydrawings.h"
#include "drawing/shaftloadarrows.h"
#include "drawing/stylecolours.h"
#include "engine/datasheet.h"
#include "print/pagecanvas.h"
#include "print/pageheading.h"
#include "project/driveproject.h"
#include "units/units.h"

namespace belt {

namespace {

using style::qs;

constexpr double kPageWidth = 200;
constexpr double kPageHeight = 100;

// Captions and the title; fonts in points.
constexpr double kTitlePoints = 14;
constexpr double kTablePoints = 10;
constexpr double kLowerPoints = 11;  // "DRIVE LAYOUT" and what follows it
constexpr double kScalePoints = 8;
constexpr int kCaptionColumn = 5;

// The profile dimensions beside the profile drawing: symbol and unit in the
// first column, the value in the second.
constexpr double kProfileTableLeft = 50;
constexpr double kProfileTableRule = 67;
constexpr double kProfileTableRight = 80;
constexpr double kProfileTableTop = 26;
constexpr double kProfileRowHeight = 4;

// The drawings take the room their anchors leave them: the profile up to
// the dimensions' table and the "Pulleys data" caption, the pulley up to
// the pulley table and the right half.
const QRectF kProfileDrawing(6, 26, 42, 19);
constexpr double kPulleysCaptionY = 47;
const QRectF kPulleyDrawing(30, 51, 64, 20);

// The layout in the right half, under its caption.
constexpr double kLayoutCaptionX = 132;
constexpr double kLayoutCaptionY = 3;
constexpr double kLayoutLeft = 100;
constexpr double kLayoutRight = 196;
constexpr double kLayoutBottom = 70;

// The pulley table across the page; its rows get lower when the table and
// its note would run into the footer.
constexpr double kPulleyTableLeft = 6;
constexpr double kPulleyTableRight = 196;
constexpr double kPulleyTableTop = 72;
constexpr double kPulleyRowHeight = 5;
constexpr double kFooterGap = 0.5;

// Text in a cell: from x, or centred, vertically centred; shrunk when it
// is wider than the cell.
void CellText(PageCanvas& c, const QRectF& cell, const QString& text, double points, bool centred,
              double textLeft = 0) {
    c.setFont(points, true, false);
    const double room = centred ? cell.width() - 1 : cell.right() - textLeft - 0.5;
    const double width = c.textWidth(text);
    if (width > room && room > 0) c.setFont(points * room / width, true, false);
    const double w = c.textWidth(text);
    const double x = centred ? cell.center().x() - w / 2 : textLeft;
    c.text(x, cell.center().y() - c.lineHeight() / 2, text);
}

QString ProfileCaption(const DriveProject& p) {
    if (IsMultiRibBelt(p)) return QStringLiteral("Ribs profile");
    if (IsFlatBelt(p)) return QStringLiteral("Belt profile");
    return QStringLiteral("Tooth profile");
}

// The profile dimensions as step 6 shows them: three rows, four for a
// timing belt, whose fourth row holds text only when the profile has one.
void PaintProfileTable(PageCanvas& c, const DriveProject& p) {
    const ProfileDataSheet sheet = BuildProfileDataSheet(p);
    const bool timing = IsToothedBelt(p);
    const int rows = timing ? kToothDataRows : kToothDataRows - 1;
    const double bottom = kProfileTableTop + rows * kProfileRowHeight;
    c.rectangle(QRectF(QPointF(kProfileTableLeft, kProfileTableTop), QPointF(kProfileTableRight, bottom)));
    c.line(kProfileTableRule, kProfileTableTop, kProfileTableRule, bottom);
    const QString unit = QStringLiteral(" ") + qs(CurrentLabel(p, kLength));
    for (int r = 0; r < rows; ++r) {
        const double top = kProfileTableTop + r * kProfileRowHeight;
        if (r > 0) c.line(kProfileTableLeft, top, kProfileTableRight, top);
        const auto& row = sheet.toothData[static_cast<std::size_t>(r)];
        if (row[0].empty()) continue;
        const QRectF symbol(QPointF(kProfileTableLeft, top), QPointF(kProfileTableRule, top + kProfileRowHeight));
        const QRectF value(QPointF(kProfileTableRule, top), QPointF(kProfileTableRight, top + kProfileRowHeight));
        CellText(c, symbol, qs(row[0]) + unit, kTablePoints, false, kProfileTableLeft + 2);
        CellText(c, value, qs(row[1]), kTablePoints, false, kProfileTableRule + 2);
    }
}

// The table of all pulleys from Y 72 down to `bottom` at most, and the
// note on indicative outside diameters under it.
void PaintPulleyTable(PageCanvas& c, const DriveProject& p, double bottom) {
    const PulleyTable table = BuildPulleyTable(p);
    const QString note = qs(std::string(kIndicativeMark) + std::string(kIndicativeNote));
    c.setFont(kLowerPoints, true, false);
    const double noteGap = 0.3;
    const double noteHeight = table.indicative ? noteGap + c.lineHeight() : 0;
    const int rows = 1 + static_cast<int>(table.rows.size());
    const double rowHeight = std::min(kPulleyRowHeight, (bottom - noteHeight - kPulleyTableTop) / rows);
    const double nameWidth = 1.2 * c.textWidth(QStringLiteral("Driver pulley"));
    const double first = kPulleyTableLeft + nameWidth;
    const int columns = static_cast<int>(table.headings.size());
    const double columnWidth = (kPulleyTableRight - first) / columns;
    const double tableBottom = kPulleyTableTop + rows * rowHeight;

    c.rectangle(QRectF(QPointF(kPulleyTableLeft, kPulleyTableTop), QPointF(kPulleyTableRight, tableBottom)));
    for (int r = 1; r < rows; ++r) {
        const double y = kPulleyTableTop + r * rowHeight;
        c.line(kPulleyTableLeft, y, kPulleyTableRight, y);
    }
    for (int col = 0; col < columns; ++col) {
        const double x = first + col * columnWidth;
        c.line(x, kPulleyTableTop, x, tableBottom);
    }

    auto cell = [&](int r, int col) {
        const double top = kPulleyTableTop + r * rowHeight;
        if (col < 0) return QRectF(kPulleyTableLeft, top, nameWidth, rowHeight);
        return QRectF(first + col * columnWidth, top, columnWidth, rowHeight);
    };
    for (int col = 0; col < columns; ++col)
        CellText(c, cell(0, col), qs(table.headings[static_cast<std::size_t>(col)]), kLowerPoints, true);
    for (int r = 1; r < rows; ++r) {
        const auto row = static_cast<std::size_t>(r - 1);
        CellText(c, cell(r, -1), qs(table.names[row]), kLowerPoints, true);
        for (int col = 0; col < columns; ++col)
            CellText(c, cell(r, col), qs(table.rows[row][static_cast<std::size_t>(col)]), kLowerPoints, true);
    }
    if (table.indicative) {
        c.setFont(kLowerPoints, true, false);
        c.text(kPulleyTableLeft, tableBottom + noteGap, note);
    }
}

}  // namespace

void PaintDrawingsPage(QPainter& painter, const QRectF& page, const DriveProject& p, const QDate& date) {
    painter.save();
    PageCanvas c(painter, page, kPageWidth, kPageHeight);

    PaintMakerHeading(c, HeadingPlaces{QRectF(6, 4, 8, 10), QRectF(20, 11, 5, 3), QPointF(20, 3), QPointF(26, 11)});

    c.setFont(kTitlePoints, true, false);
    const QString title = qs(p.beltFamily + " " + p.beltCode);
    const double titleY = 17;
    c.text(48 - c.textWidth(title) / 2, titleY, title);
    // After the title's line and an empty one.
    const double captionY = titleY + 2 * c.lineHeight();
    c.text(c.column(kCaptionColumn), captionY, ProfileCaption(p));
    DrawProfileDrawing(painter, c.device(kProfileDrawing), p, PaperDrawingColours());
    PaintProfileTable(c, p);

    c.setFont(kTitlePoints, true, false);
    c.text(c.column(kCaptionColumn), kPulleysCaptionY, QStringLiteral("Pulleys data"));
    DrawPulleyDrawing(painter, c.device(kPulleyDrawing), p, PaperDrawingColours());

    c.text(kLayoutCaptionX, kLayoutCaptionY, QStringLiteral("DRIVE LAYOUT"));
    const double layoutTop = kLayoutCaptionY + c.lineHeight() + 1;

    const double footerTop = FooterTop(c);
    PaintPulleyTable(c, p, footerTop - kFooterGap);

    const QRectF layout = c.device(QRectF(QPointF(kLayoutLeft, layoutTop), QPointF(kLayoutRight, kLayoutBottom)));
    const LayoutDrawingStyle layoutStyle = LayoutDrawingStyle::Paper(c.pointSize(kScalePoints));
    DrawLayout(painter, layout, p, layoutStyle);
    DrawShaftLoadArrows(painter, layout, p, layoutStyle);

    PaintFooter(c, date, kPulleyTableRight, true);
    painter.restore();
}

}  // namespace belt
