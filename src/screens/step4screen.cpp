#include "screens/step4screen.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>
#include <vector>

#include "drawing/layoutdrawing.h"
#include "engine/layouteditor.h"
#include "project/driveproject.h"
#include "screens/fittext.h"
#include "screens/menuactions.h"
#include "screens/numericbox.h"
#include "screens/placeform.h"
#include "screens/screenstyle.h"

namespace belt {

using namespace style;

namespace {

// The column beside the drawing, in form units.
constexpr double kColumnLeft = 66.5;
constexpr double kColumnWidth = 32;
constexpr double kPanelTop = 17;
constexpr double kPanelStep = 20.5;
constexpr double kPanelHeight = 19;

constexpr int kTextPoints = 12;

int PulleyCount(const DriveProject& p) {
    return std::clamp(p.pulleyCount, 0, 4);
}

}  // namespace

// ---------------------------------------------------------------------------
// Layout

LayoutCanvas::LayoutCanvas(const DriveProject& project, QWidget* parent) : QWidget(parent), project_(project) {
    setObjectName(QStringLiteral("Layout"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

LayoutFrame LayoutCanvas::frame() const {
    return LayoutFrame(project_, QRectF(rect()));
}

void LayoutCanvas::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const LayoutDrawingStyle style = LayoutDrawingStyle::Screen(logicalDpiY());
    // The belt shows while it is drawn; a typed coordinate hides it until DRAW.
    if (project_.screen.layoutDrawn)
        DrawLayout(painter, QRectF(rect()), project_, style);
    else
        DrawPulleys(painter, QRectF(rect()), project_, style);
}

void LayoutCanvas::mouseMoveEvent(QMouseEvent* event) {
    const LayoutFrame f = frame();
    if (f.valid()) emit mouseMoved(f.toLayout(event->position()));
    QWidget::mouseMoveEvent(event);
}

void LayoutCanvas::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseReleased(event->button());
    QWidget::mouseReleaseEvent(event);
}

// ---------------------------------------------------------------------------
// STEP4

Step4Screen::Step4Screen(DriveProject& project, Dialogs& dialogs, MenuActions& menus, QWidget* parent)
    : StepScreen(project, dialogs, menus, parent) {
    setObjectName(QLatin1String(form::kStep4));
    setWindowTitle(QStringLiteral("PULLEY LAYOUT"));
    setAutoFillBackground(true);
    SetColour(this, QPalette::Window, kBackground);

    Layout = new LayoutCanvas(project_, this);
    PlaceForm(Layout, 1, 1.5, 64, 97);
    connect(Layout, &LayoutCanvas::mouseMoved, this, [this](QPointF m) { Layout_MouseMove(m.x(), m.y()); });
    connect(Layout, &LayoutCanvas::mouseReleased, this,
            [this](Qt::MouseButton b) { Layout_MouseUp(b); });

    zn0 = MakeLabel(Layout, QStringLiteral("zn0"), kTextPoints, true, kHeading);
    zn0->setAttribute(Qt::WA_TransparentForMouseEvents);
    PlaceForm(zn0, 20, 2, 78, 12);
    zn0->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    zn0->hide();

    zT[0] = MakeLabel(this, QStringLiteral("zT0"), kTextPoints, true, kSubtitle);
    PlaceForm(zT[0], kColumnLeft, 2, kColumnWidth, 4.5);

    Draw = new QPushButton(QStringLiteral("DRAW"), this);
    Draw->setObjectName(QStringLiteral("Draw"));
    Draw->setAutoDefault(true);  // Enter presses it, as Space does
    SetFontSize(Draw, kTextPoints, true);
    PlaceForm(Draw, kColumnLeft, 8, kColumnWidth, 7);
    connect(Draw, &QPushButton::clicked, this, &Step4Screen::Draw_Click);

    auto newBox = [this](QWidget* parent, const QString& name) {
        NumericBox* b = MakeNumericBox(project_, dialogs_, parent, name, kTextPoints);
        b->installEventFilter(this);
        return b;
    };
    auto newDriverValue = [](QWidget* parent, const QString& name) {
        QLabel* l = MakeLabel(parent, name, kTextPoints, false, kCaption);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setText(QStringLiteral("0.00"));
        return l;
    };

    for (int k = 1; k <= 4; ++k) {
        const auto ks = static_cast<std::size_t>(k);
        QFrame* panel = MakePanel(this, k);
        Box[ks] = panel;
        PlaceForm(panel, kColumnLeft, kPanelTop + (k - 1) * kPanelStep, kColumnWidth, kPanelHeight);
        panel->installEventFilter(this);
        zT[ks] = MakeLabel(panel, QStringLiteral("zT%1").arg(k), kTextPoints, true, kHeading);
        zT[ks + 4] = MakeLabel(panel, QStringLiteral("zT%1").arg(k + 4), kTextPoints, false, kCaption);
        zT[ks + 4]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (k == 1) {
            Px0 = newDriverValue(panel, QStringLiteral("Px0"));
            Py0 = newDriverValue(panel, QStringLiteral("Py0"));
        } else {
            Px[ks] = newBox(panel, QStringLiteral("Px%1").arg(k));
            Py[ks] = newBox(panel, QStringLiteral("Py%1").arg(k));
            Px[ks]->setCaption(QStringLiteral("Pulley %1, X").arg(k));
            Py[ks]->setCaption(QStringLiteral("Pulley %1, Y").arg(k));
        }
    }
    // Tab visits the boxes in the order Enter does.
    for (int k = 2; k <= 4; ++k) {
        const auto ks = static_cast<std::size_t>(k);
        setTabOrder(Px[ks], Py[ks]);
        if (k < 4) setTabOrder(Py[ks], Px[ks + 1]);
    }
}

void Step4Screen::applyMenus() {
    ShowStepMenus(menus_, /*goOn=*/true, /*goOn2=*/false, /*print=*/false, /*print2=*/false);
}

void Step4Screen::showEvent(QShowEvent* event) {
    StepScreen::showEvent(event);
    // Coming back from a minimised window is no new layout.
    if (!event->spontaneous()) Form_Resize();
}

void Step4Screen::Form_Resize() {
    if (project_.demoRunning == 0) applyMenus();
    ShowLayoutLabels();
    zn0->setText(Lines(LayoutInstruction(project_)));
    for (int k = 5; k <= 8; ++k) zT[static_cast<std::size_t>(k)]->setText(Lines(kCoordinateCaption));
    MarkLayoutDrawn(project_);
    Layout->update();
    const int n = PulleyCount(project_);
    for (int k = 1; k <= 4; ++k) Box[static_cast<std::size_t>(k)]->setVisible(k <= n);
    // Arriving, the focus is in the first coordinate, in sight.
    if (project_.demoRunning == 0) focusBox(2, kAxisX);
}

void Step4Screen::ShowLayoutLabels() {
    const LayoutLabels l = belt::ShowLayoutLabels(project_);
    for (int k = 0; k <= 4; ++k) zT[static_cast<std::size_t>(k)]->setText(qs(l.zT[static_cast<std::size_t>(k)]));
    for (int k = 2; k <= 4; ++k) {
        const auto ks = static_cast<std::size_t>(k);
        ShowText(Px[ks], qs(l.px[ks]));
        ShowText(Py[ks], qs(l.py[ks]));
    }
    fitPanelTitles();
}

// On a screen scaled by 2 "Driver pulley: d = 73.21" lost its last digits:
// the titles of the panels shown share the largest size at which all fit.
void Step4Screen::fitPanelTitles() {
    std::vector<QLabel*> titles;
    for (int k = 1; k <= std::clamp(project_.pulleyCount, 1, 4); ++k)
        titles.push_back(zT[static_cast<std::size_t>(k)]);
    FitLabelsFont(titles, kTextPoints);
}

void Step4Screen::refresh() {
    ShowLayoutLabels();
    Layout->update();
}

void Step4Screen::showAdjustHint() {
    zn0->setText(Lines(LayoutInstruction(project_)));
    zn0->show();
}

// The title of the pulley on top; below it the "X =" and "Y =" of the
// caption zT(k+4), whose lines are two apart, each beside its box.
void Step4Screen::layoutPanel(int k) {
    const auto ks = static_cast<std::size_t>(k);
    QFrame* panel = Box[ks];
    if (!panel) return;
    const int w = panel->width();
    const int h = panel->height();
    const int margin = std::max(2, w / 25);
    zT[ks]->setGeometry(margin, margin, w - 2 * margin, h * 30 / 100);

    QLabel* caption = zT[ks + 4];
    const int line = QFontMetrics(caption->font()).lineSpacing();
    const int top = margin + h * 30 / 100;
    const int centre = (top + h - margin) / 2;
    const int boxHeight = std::min(line * 19 / 10, (h - top - margin) / 2);
    const int captionWidth = w * 28 / 100;
    caption->setGeometry(margin, centre - 3 * line / 2 - 1, captionWidth, 3 * line + 2);
    QWidget* x = k == 1 ? static_cast<QWidget*>(Px0) : Px[ks];
    QWidget* y = k == 1 ? static_cast<QWidget*>(Py0) : Py[ks];
    const int boxLeft = margin + captionWidth + margin / 2;
    const int boxWidth = w - boxLeft - 2 * margin;
    x->setGeometry(boxLeft, centre - line - boxHeight / 2, boxWidth, boxHeight);
    y->setGeometry(boxLeft, centre + line - boxHeight / 2, boxWidth, boxHeight);
}

bool Step4Screen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) {
        for (int k = 1; k <= 4; ++k)
            if (watched == Box[static_cast<std::size_t>(k)]) {
                layoutPanel(k);
                fitPanelTitles();
            }
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            for (int k = 2; k <= 4; ++k) {
                const auto ks = static_cast<std::size_t>(k);
                if (watched == Px[ks] || watched == Py[ks]) {
                    enterCoordinate(k, watched == Px[ks] ? kAxisX : kAxisY);
                    return true;
                }
            }
        }
    }
    return StepScreen::eventFilter(watched, event);
}

void Step4Screen::enterCoordinate(int k, int axis) {
    const auto ks = static_cast<std::size_t>(k);
    NumericBox* box = axis == kAxisX ? Px[ks] : Py[ks];
    zn0->hide();
    const CoordinateResponse r = OnCoordinateEnter(project_, dialogs_, k, axis, box->text().toStdString());
    ShowText(box, qs(r.enteredText));
    Layout->update();
    focusBox(r.focusPulley, r.focusAxis);
}

void Step4Screen::focusBox(int k, int axis) {
    if (k < 2 || k > 4) return;
    NumericBox* box = axis == kAxisX ? Px[static_cast<std::size_t>(k)] : Py[static_cast<std::size_t>(k)];
    if (!box->isVisibleTo(this)) return;
    box->setFocus(Qt::OtherFocusReason);
    box->selectAll();
}

void Step4Screen::Draw_Click() {
    if (!OnDrawClick(project_, dialogs_)) return;
    Layout->update();
    ShowLayoutLabels();
}

void Step4Screen::Layout_MouseMove(double x, double y) {
    if (OnLayoutMouseMove(project_, x, y))
        Layout->setCursor(Qt::SizeAllCursor);
    else
        Layout->unsetCursor();
}

void Step4Screen::Layout_MouseUp(Qt::MouseButton button) {
    const int k = project_.layoutNeedsAdjust;
    const LayoutMouseUpResult r = OnLayoutMouseUp(project_, dialogs_, button == Qt::LeftButton);
    if (r.hint) {
        zn0->setText(Lines(*r.hint));
        zn0->show();
    }
    if (r.hideHint) zn0->hide();
    if (r.redraw && k >= 2 && k <= 4) {
        const LayoutLabels l = belt::ShowLayoutLabels(project_);
        const auto ks = static_cast<std::size_t>(k);
        ShowText(Px[ks], qs(l.px[ks]));
        ShowText(Py[ks], qs(l.py[ks]));
    }
    Layout->unsetCursor();
    // A new stroke moves the clamp run as well.
    Layout->update();
}

}  // namespace belt
