#include "screens/step6screen.h"

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QShowEvent>
#include <QStyle>
#include <algorithm>
#include <cmath>
#include <vector>

#include "drawing/layoutdrawing.h"
#include "drawing/profiledrawings.h"
#include "drawing/pulleydrawings.h"
#include "drawing/shaftloadarrows.h"
#include "project/driveproject.h"
#include "screens/flexgrid.h"
#include "screens/menuactions.h"
#include "screens/placeform.h"
#include "screens/screenstyle.h"

namespace belt {

using style::qs;

namespace {

// Where the pictures stand, in the form's 100 x 100 units.
constexpr double kPulleyCentreX = 79;
constexpr double kPulleyWidth = 38;
constexpr double kPulleyHeight = 21;
constexpr double kProfileLeft = 59;
constexpr double kProfileWidth = 27;
constexpr double kProfileHeight = 30;
constexpr double kProfileBottom = 98;

constexpr int kToothColumnTwips = 850;
constexpr int kToothRowTwips = 350;
constexpr int kPulleyColumnTwips = 780;
constexpr int kPulleyRowTwips = 290;

int TwipsToPixels(const QWidget* w, int twips) {
    return qRound(twips * w->logicalDpiX() / 1440.0);
}

FlexGrid* MakeGrid(QWidget* parent, const QString& name) {
    auto* g = new FlexGrid(parent);
    g->setObjectName(name);
    g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    g->setEmptyAreaColor(style::kBackground);
    g->setFocusPolicy(Qt::NoFocus);
    return g;
}

}  // namespace

DataSheetPicture::DataSheetPicture(Kind kind, int index, const DriveProject& project, QWidget* parent)
    : QWidget(parent), kind_(kind), project_(project) {
    switch (kind) {
        case Kind::Profile:
            setObjectName(QStringLiteral("Dente%1").arg(index));
            break;
        case Kind::Pulley:
            setObjectName(QStringLiteral("Puleggia%1").arg(index));
            break;
        case Kind::Layout:
            setObjectName(QStringLiteral("Layout"));
            break;
    }
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void DataSheetPicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF r(rect());
    switch (kind_) {
        case Kind::Profile:
            DrawProfileDrawing(painter, r, project_, ScreenDrawingColours());
            break;
        case Kind::Pulley:
            DrawPulleyDrawing(painter, r, project_, ScreenDrawingColours());
            break;
        case Kind::Layout:
        {
            const LayoutDrawingStyle style = LayoutDrawingStyle::Screen(logicalDpiY());
            DrawLayout(painter, r, project_, style);
            DrawShaftLoadArrows(painter, r, project_, style);
            break;
        }
    }
}

Step6Screen::Step6Screen(DriveProject& project, Dialogs& dialogs, MenuActions& menus, QWidget* parent)
    : StepScreen(project, dialogs, menus, parent) {
    setObjectName(QLatin1String(form::kStep6));
    setWindowTitle(QStringLiteral("OUTPUT DATA: LAYOUT"));
    setAutoFillBackground(true);
    style::SetColour(this, QPalette::Window, style::kBackground);

    Layout = new DataSheetPicture(DataSheetPicture::Kind::Layout, 0, project_, this);
    for (int i = 0; i < static_cast<int>(Dente.size()); ++i)
        Dente[static_cast<std::size_t>(i)] =
            new DataSheetPicture(DataSheetPicture::Kind::Profile, i, project_, this);
    for (int i = 0; i < static_cast<int>(Puleggia.size()); ++i)
        Puleggia[static_cast<std::size_t>(i)] =
            new DataSheetPicture(DataSheetPicture::Kind::Pulley, i, project_, this);
    DatiDente = MakeGrid(this, QStringLiteral("DatiDente"));
    DatiPulegge = MakeGrid(this, QStringLiteral("DatiPulegge"));
    Unita = style::MakeLabel(this, QStringLiteral("Unita"), 10, true, style::kYellow);
}

void Step6Screen::applyMenus() {
    // The end of the wizard: no Go On; Print gives the drawings page.
    ShowStepMenus(menus_, /*goOn=*/false, /*goOn2=*/false, /*print=*/true, /*print2=*/false);
}

void Step6Screen::refresh() {
    Form_Resize();
}

void Step6Screen::showEvent(QShowEvent* event) {
    StepScreen::showEvent(event);
    if (!event->spontaneous()) Form_Resize();
}

void Step6Screen::resizeEvent(QResizeEvent* event) {
    StepScreen::resizeEvent(event);
    Form_Resize();
}

void Step6Screen::Form_Resize() {
    if (width() <= 0 || height() <= 0) return;
    Layout->hide();
    for (QWidget* w : Dente) w->hide();
    for (QWidget* w : Puleggia) w->hide();
    DatiDente->hide();
    DatiPulegge->hide();
    Unita->hide();

    PlaceForm(Layout, 0, 17, 58, 83);
    const std::size_t kind = static_cast<std::size_t>(std::clamp(project_.beltKindCode, 0, 2));
    const std::size_t code = static_cast<std::size_t>(std::clamp(project_.profileDrawingCode, 0, 12));
    PlaceForm(Puleggia[kind], kPulleyCentreX - kPulleyWidth / 2, 1, kPulleyWidth, kPulleyHeight);
    PlaceForm(Dente[code], kProfileLeft, kProfileBottom - kProfileHeight, kProfileWidth, kProfileHeight);

    DatiDente->setGrid(kToothDataRows, 2, 0, 0);
    DatiPulegge->setGrid(kPulleyDataRows, kPulleyDataCols, 0, 0);
    DrawProfileDataSheet();

    Dente[code]->show();
    Puleggia[kind]->show();
    Layout->show();
    DatiDente->show();
    DatiPulegge->show();
    Unita->show();
    unsetCursor();
    update();
}

void Step6Screen::DrawProfileDataSheet() {
    if (height() <= 0) return;
    sheet_ = BuildProfileDataSheet(project_);
    const ProfileDataSheet& s = sheet_;

    // Every cell holds at least a blank, as a cleared grid does.
    auto cell = [](const std::string& text) { return text.empty() ? QStringLiteral(" ") : qs(text); };
    for (int r = 0; r < kToothDataRows; ++r)
        for (int c = 0; c < 2; ++c)
            DatiDente->setCell(r, c,
                               cell(s.toothData[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]));
    for (int r = 0; r < kPulleyDataRows; ++r) {
        const auto row = static_cast<std::size_t>(r);
        for (int c = 0; c < kPulleyDataCols; ++c) {
            DatiPulegge->setCell(r, c, cell(s.pulleyData[row][static_cast<std::size_t>(c)]));
            if (s.titleRow[row]) DatiPulegge->setCellColours(r, c, style::kRed, style::kWhite);
        }
    }
    for (int r = 0; r < kPulleyDataRows; r += 3) DatiPulegge->mergeRow(r, 0);
    placeGrids();

    Unita->setText(qs(s.unitCaption));
    const QRectF grid = LogicalRect(DatiDente);
    const QSizeF caption = LogicalSizeHint(Unita);
    const double left = kProfileWidth + 62;
    PlaceForm(Unita, left, grid.bottom() + 2, std::min(caption.width(), 100 - left), caption.height());
    update();
}

namespace {

// The largest pixel size from `largest` down to 8 at which the widest of
// the texts, with the cell's margins and its grid line, fits a column.
template <typename Rows>
int FittingPixelSize(const FlexGrid* grid, QFont font, int largest, int column, const Rows& rows) {
    const int margin = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1) + 1;
    int size = std::max(8, largest);
    for (; size > 8; --size) {
        font.setPixelSize(size);
        const QFontMetrics fm(font);
        int widest = 0;
        for (const auto& row : rows)
            for (const std::string& text : row) widest = std::max(widest, fm.horizontalAdvance(qs(text)));
        if (widest + margin <= column) break;
    }
    return size;
}

}  // namespace

void Step6Screen::placeGrids() {
    // The cells keep their sizes in twips as far as the form has room for
    // them; the pulley grid's cells grow to fill its box on a large screen.
    // On a small one, or one scaled by 1.5 or 2, both grids shrink to their
    // boxes and their fonts to the widest value ("-100.00" once lost its last
    // digits, and the grids ran off the form over the tooth drawing).
    const double unitX = width() / 100.0;
    const double unitY = height() / 100.0;

    const double toothLeft = kProfileLeft + kProfileWidth;
    const double toothTop = 99 - kProfileHeight;
    const int toothFrame = 2 * DatiDente->frameWidth();
    const int toothCol = std::min(TwipsToPixels(this, kToothColumnTwips),
                                  (static_cast<int>((99.5 - toothLeft) * unitX) - toothFrame) / 2);
    const int toothRow = std::min(TwipsToPixels(this, kToothRowTwips),
                                  (static_cast<int>((99 - toothTop) * unitY) - toothFrame) / kToothDataRows);
    QFont toothFont = DatiDente->font();
    toothFont.setBold(true);
    toothFont.setPixelSize(
        FittingPixelSize(DatiDente, toothFont, toothRow * 11 / 20, toothCol, sheet_.toothData));
    DatiDente->setFont(toothFont);
    for (int c = 0; c < 2; ++c) DatiDente->setColumnWidth(c, toothCol);
    for (int r = 0; r < kToothDataRows; ++r) DatiDente->setRowHeightPx(r, toothRow);
    PlaceForm(DatiDente, toothLeft, toothTop, (2 * toothCol + toothFrame) / unitX,
              (kToothDataRows * toothRow + toothFrame) / unitY);

    const double top = kPulleyHeight + 2;
    const int frame = 2 * DatiPulegge->frameWidth();
    const int boxW = static_cast<int>(40 * unitX) - frame;
    const int boxH = static_cast<int>(42 * unitY) - frame;
    const int col = boxW / kPulleyDataCols;
    const int row = boxH / kPulleyDataRows;
    std::vector<std::array<std::string, kPulleyDataCols>> values;
    for (std::size_t r = 0; r < sheet_.pulleyData.size(); ++r)
        if (!sheet_.titleRow[r]) values.push_back(sheet_.pulleyData[r]);
    QFont pulleyFont = DatiPulegge->font();
    pulleyFont.setBold(true);
    pulleyFont.setPixelSize(
        FittingPixelSize(DatiPulegge, pulleyFont, std::min(row * 11 / 20, 15), col, values));
    DatiPulegge->setFont(pulleyFont);
    for (int c = 0; c < kPulleyDataCols; ++c) DatiPulegge->setColumnWidth(c, col);
    for (int r = 0; r < kPulleyDataRows; ++r) DatiPulegge->setRowHeightPx(r, row);
    PlaceForm(DatiPulegge, kProfileLeft, top, (kPulleyDataCols * col + frame) / unitX,
              (kPulleyDataRows * row + frame) / unitY);
}

void Step6Screen::paintEvent(QPaintEvent* event) {
    StepScreen::paintEvent(event);
    if (height() <= 0) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(style::kRed);
    const double unitX = width() / 100.0;
    const double unitY = height() / 100.0;
    auto printAt = [&](double x, double y, const QString& text, const QFont& font) {
        painter.setFont(font);
        painter.drawText(QPointF(x * unitX, y * unitY + QFontMetricsF(font).ascent()), text);
    };
    const double scale = style::FormFontScale(QSizeF(size()));
    const QString arial = QStringLiteral("Arial");
    printAt(1, 1, qs(sheet_.maker), style::FormFont(arial, 44, true, true, scale));
    printAt(1, 13, qs(sheet_.beltLine), style::FormFont(arial, 12, true, false, scale));
}

}  // namespace belt
