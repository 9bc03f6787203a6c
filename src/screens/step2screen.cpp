#include "screens/step2screen.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <vector>

#include "drawing/pitchchart.h"
#include "engine/layout.h"
#include "engine/pitchguide.h"
#include "project/driveproject.h"
#include "screens/fittext.h"
#include "screens/keyboardchoice.h"
#include "screens/menuactions.h"
#include "screens/numericbox.h"
#include "screens/placeform.h"
#include "screens/proposaldialog.h"
#include "screens/screenstyle.h"
#include "units/units.h"

namespace belt {

using namespace style;

namespace {

// The pitch labels; the chosen one stands out until another value is typed.
const QString kPitchButtonStyle = QStringLiteral(
                                      "QLabel { color: %1; background: %2; border: 2px solid %1;"
                                      " border-radius: 4px; padding: 1px 6px; font-weight: bold; }"
                                      "QLabel:hover { background: %3; }")
                                      .arg(Css(kPitchLabelText), Css(kPitchLabel), Css(kPitchLabelHover));
const QString kChosenPitchButtonStyle =
    QStringLiteral(
        "QLabel { color: %1; background: %2; border: 3px solid %3;"
        " border-radius: 4px; padding: 0px 5px; font-weight: bold; }")
        .arg(Css(kPitchLabelText), Css(kPitchLabelChosen), Css(kPitchLabelChosenFrame));

}  // namespace

Indicator::Indicator(QWidget* parent) : QWidget(parent), fill_(kYellow) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setObjectName(QStringLiteral("Indicatore"));
}

void Indicator::setFillColor(const QColor& c) {
    fill_ = c;
    update();
}

void Indicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kIndicatorEdge, 1.5));
    painter.setBrush(fill_);
    const QRectF r = QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75);
    if (width() * 3 < height())
        painter.drawRect(r);  // the force bar
    else
        painter.drawEllipse(r);
}

PitchChartView::PitchChartView(const DriveProject& project, QWidget* parent)
    : QWidget(parent), project_(project) {
    setObjectName(QStringLiteral("Grafico"));
}

int PitchChartView::chart() const {
    return PitchChart(project_);
}

void PitchChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    DrawPitchChart(painter, QRectF(rect()), project_, chart());
}

Step2Screen::Step2Screen(DriveProject& project, Dialogs& dialogs, MenuActions& menus, QWidget* parent)
    : StepScreen(project, dialogs, menus, parent) {
    setObjectName(QLatin1String(form::kStep2));
    setWindowTitle(QStringLiteral("BELT PITCH SELECTION GUIDE"));
    setAutoFillBackground(false);

    grafico_ = new PitchChartView(project_, this);
    titolo_ = new QLabel(this);
    titolo_->setObjectName(QStringLiteral("Titolo"));
    titolo_->setAlignment(Qt::AlignCenter);
    titolo_->setTextFormat(Qt::PlainText);
    titolo_->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(Css(kCaption)));

    for (std::size_t i = 0; i < scelta_.size(); ++i) {
        auto* b = new PitchButton(this);
        b->setObjectName(QStringLiteral("Scelta%1").arg(i));
        b->setAlignment(Qt::AlignCenter);
        b->setTextFormat(Qt::PlainText);
        b->setCursor(Qt::PointingHandCursor);
        b->setToolTip(QStringLiteral("Click to choose this pitch"));
        b->setChoosable(true);
        b->setStyleSheet(kPitchButtonStyle);
        QFont f = b->font();
        f.setPointSize(12);
        b->setFont(f);
        connect(b, &PitchButton::clicked, this, [this, i] { Scelta_Click(static_cast<int>(i)); });
        scelta_[i] = b;
    }
    const char* names[] = {
        "Power [kW]:", "R.P.M. [rpm]:", "Peripheral force [N]:", "* Also available double sided"};
    for (std::size_t i = 0; i < nomeDato_.size(); ++i) {
        auto* l = new QLabel(QString::fromLatin1(names[i]), this);
        l->setObjectName(QStringLiteral("NomeDato%1").arg(i));
        l->setTextFormat(Qt::PlainText);
        l->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(Css(kCaption)));
        QFont f = l->font();
        f.setPointSize(i == 3 ? 9 : kDataPoints);
        f.setBold(i != 3);
        l->setFont(f);
        nomeDato_[i] = l;
    }
    nomeDato_[3]->setWordWrap(true);
    for (std::size_t i = 0; i < dato_.size(); ++i) {
        auto* box = new NumericBox(project_, dialogs_, this);
        box->setObjectName(QStringLiteral("Dato%1").arg(i));
        const Step2Box field = Step2DataBox(static_cast<int>(i));
        box->bind(&Step2DataTarget(project_, static_cast<int>(i)), field.quantity,
                  QString::fromLatin1(field.format.data(), static_cast<int>(field.format.size())));
        box->setAlignment(Qt::AlignRight);
        QFont f = box->font();
        f.setPointSize(12);
        box->setFont(f);
        connect(box, &NumericBox::accepted, this, [this, i](bool changed) {
            if (changed) datoEntered(static_cast<int>(i));
            else focusAfter(static_cast<int>(i));
        });
        box->setCaptionLabels({nomeDato_[i]});
        dato_[i] = box;
    }
    setTabOrder(dato_[0], dato_[1]);

    pitchHint_ = new QLabel(QStringLiteral("Click a pitch label to choose the pitch."), this);
    pitchHint_->setObjectName(QStringLiteral("PitchHint"));
    pitchHint_->setTextFormat(Qt::PlainText);
    pitchHint_->setWordWrap(true);
    pitchHint_->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(kSubtitle.name()));
    SetFontSize(pitchHint_, kHintPoints);

    propose_ = new QPushButton(QStringLiteral("Propose drives\u2026"), this);
    propose_->setObjectName(QStringLiteral("ProposeDrives"));
    propose_->setAutoDefault(true);  // Enter presses it, as Space does
    SetFontSize(propose_, kProposePoints, true);
    connect(propose_, &QPushButton::clicked, this, &Step2Screen::proposeDrives);
    // Tab goes from the data to the pitches (one stop, the arrows choose
    // among them) and on to the proposals.
    ChainTabOrder({dato_[0], dato_[1], dato_[2], scelta_[0], scelta_[1], scelta_[2], scelta_[3], propose_});

    indicatore_ = new Indicator(this);
    flash_ = new QTimer(this);
    flash_->setObjectName(QStringLiteral("Flash"));
    flash_->setInterval(500);
    connect(flash_, &QTimer::timeout, this, &Step2Screen::Flash_Timer);

    // Form_Load: the recommendation lines and widths.
    LoadPitchGuideTables(project_);
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) w->hide();
}

void Step2Screen::applyMenus() {
    const bool omega = IsOmegaDrive(project_);
    ShowStepMenus(menus_, /*goOn=*/omega, /*goOn2=*/!omega, /*print=*/false, /*print2=*/false);
}

void Step2Screen::refresh() {
    ShowStep2Data();
}

void Step2Screen::setBlinking(bool on) {
    if (on)
        flash_->start();
    else
        flash_->stop();
}

void Step2Screen::showEvent(QShowEvent* event) {
    StepScreen::showEvent(event);
    Form_Resize();
}

void Step2Screen::resizeEvent(QResizeEvent* event) {
    StepScreen::resizeEvent(event);
    // The buttons keep their font, so their share of the form changes.
    placePitchButtons();
    FitLabelFont(titolo_, titleSize_);
    FitLabelFont(pitchHint_, kHintPoints);
    FitButtonFont(propose_, kProposePoints);
    FitLabelsFont(std::array<QLabel*, 3>{nomeDato_[0], nomeDato_[1], nomeDato_[2]}, kDataPoints,
                  SmallestReadablePoints(this));
}

void Step2Screen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient bg(0, 0, 0, height());
    bg.setColorAt(0, kBackground.lighter(130));
    bg.setColorAt(1, kBackground);
    painter.fillRect(rect(), bg);
}

void Step2Screen::Form_Resize() {
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) w->hide();
    if (project_.demoRunning == 0) applyMenus();
    ShowStep2Data();

    // Title, chart range and, with no pitch chosen, the recommendation.
    const Step2Title title = Step2LayoutTitle(project_);

    PlaceForm(nomeDato_[0], 76, 36, 24, 3.5);
    PlaceForm(dato_[0], 78, 40, 18, 4);
    PlaceForm(nomeDato_[1], 76, 51, 24, 3.5);
    PlaceForm(dato_[1], 78, 55, 18, 4);
    PlaceForm(nomeDato_[2], 76, 36, 24, 3.5);
    PlaceForm(dato_[2], 78, 40, 18, 4);
    PlaceForm(nomeDato_[3], 80, 10, 19, 6);
    // Two pulleys by centre distance, which an omega drive is not.
    PlaceForm(propose_, 78, 72, 18, 4);
    FitButtonFont(propose_, kProposePoints);
    FitLabelsFont(std::array<QLabel*, 3>{nomeDato_[0], nomeDato_[1], nomeDato_[2]}, kDataPoints,
                  SmallestReadablePoints(this));
    propose_->setVisible(!IsOmegaDrive(project_));

    const PitchGroup* group = FindPitchGroup(project_.beltType);
    buttonCount_ = group ? group->count : 0;
    for (int i = 0; i < buttonCount_; ++i)
        scelta_[static_cast<std::size_t>(i)]->setText(
            QString::fromLatin1(group->captions[static_cast<std::size_t>(i)].data(),
                                static_cast<int>(group->captions[static_cast<std::size_t>(i)].size())));
    if (group && group->note) nomeDato_[3]->show();

    PlaceForm(grafico_, kChartLeft, kChartTop, kChartWidth, kChartHeight);
    grafico_->show();
    grafico_->lower();
    placePitchButtons();
    for (int i = 0; i < buttonCount_; ++i) scelta_[static_cast<std::size_t>(i)]->show();

    PlaceForm(titolo_, 0, 0.5, 100, 4.5);
    setTitolo(qs(title.caption), title.fontSize);
    titolo_->show();

    if (IsWidthChart(grafico_->chart())) {
        nomeDato_[2]->show();
        dato_[2]->show();
    } else {
        for (int i : {0, 1}) {
            nomeDato_[static_cast<std::size_t>(i)]->show();
            dato_[static_cast<std::size_t>(i)]->show();
        }
    }
    // The first box is there to be typed into: its value is selected, so
    // that the digits typed replace it.
    if (project_.demoRunning == 0) {
        NumericBox* first = dato_[2]->isHidden() ? dato_[0] : dato_[2];
        first->setFocus(Qt::OtherFocusReason);
        first->selectAll();
    }
    PlaceForm(pitchHint_, 76, 63, 23, 7);
    showChosenPitch();
    VisualizzaIndicatore();
}

void Step2Screen::showChosenPitch() {
    const int chosen = ChosenPitchButton(project_);
    for (int i = 0; i < buttonCount_; ++i)
        scelta_[static_cast<std::size_t>(i)]->setStyleSheet(i == chosen ? kChosenPitchButtonStyle
                                                                          : kPitchButtonStyle);
    MakeTabStop(std::vector<QWidget*>(scelta_.begin(), scelta_.begin() + buttonCount_),
                chosen >= 0 && chosen < buttonCount_ ? scelta_[static_cast<std::size_t>(chosen)] : nullptr);
    // Nothing on the chart says that its labels are buttons.
    pitchHint_->setVisible(buttonCount_ > 0 && chosen < 0);
    FitLabelFont(pitchHint_, kHintPoints);
}

void Step2Screen::placePitchButtons() {
    if (buttonCount_ == 0 || width() == 0 || height() == 0) return;
    std::vector<QSizeF> sizes;
    for (int i = 0; i < buttonCount_; ++i) {
        const QSize hint = scelta_[static_cast<std::size_t>(i)]->sizeHint();
        sizes.emplace_back(hint.width() * 100.0 / width(), hint.height() * 100.0 / height());
    }
    const std::vector<QPointF> centres = PitchLabelCentres(project_, sizes);
    for (int i = 0; i < buttonCount_ && i < static_cast<int>(centres.size()); ++i) {
        const QSizeF s = sizes[static_cast<std::size_t>(i)];
        const QPointF c = centres[static_cast<std::size_t>(i)];
        PlaceForm(scelta_[static_cast<std::size_t>(i)], c.x() - s.width() / 2, c.y() - s.height() / 2,
                  s.width(), s.height());
    }
}

void Step2Screen::setTitolo(const QString& text, int pointSize) {
    QFont f = titolo_->font();
    f.setPointSize(pointSize);
    f.setBold(true);
    titolo_->setFont(f);
    titolo_->setText(QString(text).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    // The two-line recommendation of the width charts must stay whole
    // above the chart on a small screen.
    titleSize_ = pointSize;
    FitLabelFont(titolo_, titleSize_);
}

void Step2Screen::ShowStep2Data() {
    nomeDato_[0]->setText(qs("Power " + CurrentLabel(project_, kPower) + ":"));
    nomeDato_[1]->setText(qs("R.P.M. " + CurrentLabel(project_, kAngularVelocity) + ":"));
    nomeDato_[2]->setText(qs("Peripheral force " + CurrentLabel(project_, kForce) + ":"));
    dato_[0]->setText(qs(Format(ToDisplay(project_, kPower, project_.power), "###0.00")));
    dato_[1]->setText(qs(Format(ToDisplay(project_, kAngularVelocity, project_.pulleySpeed[1]), "###0.0")));
    dato_[2]->setText(qs(Format(ToDisplay(project_, kForce, project_.peripheralForce), "###0.00")));
}

void Step2Screen::VisualizzaIndicatore() {
    indicatore_->hide();
    grafico_->update();
    const IndicatorPlacement at = belt::VisualizzaIndicatore(project_);
    if (at.visible) placeIndicator(at.left, at.top, at.width, at.height);
}

void Step2Screen::placeIndicator(double left, double top, double width, double height) {
    PlaceForm(indicatore_, left, top, width, height);
    indicatore_->show();
    indicatore_->raise();
}

void Step2Screen::Scelta_Click(int index) {
    if (auto title = belt::Scelta_Click(project_, index)) setTitolo(qs(title->caption), title->fontSize);
    showChosenPitch();
}

void Step2Screen::proposeDrives() {
    // The dialog sits on the window, not on the screen: the screen may be
    // unloaded while the dialog is open, and it must not take the dialog along.
    const QPointer<Step2Screen> alive(this);
    const std::optional<DriveProposal> row = ProposalDialog::ask(project_, dialogs_, window());
    if (!alive || !row || !isVisible()) return;
    Scelta_Click(PitchButtonIndex(project_.beltType, row->beltPitchCode));
    ApplyProposal(project_, dialogs_, *row);
    if (menus_.mCentreDistance) menus_.mCentreDistance->trigger();
}

void Step2Screen::Flash_Timer() {
    indicatore_->setFillColor(indicatore_->fillColor() == kYellow ? kLightGrey : kYellow);
}

void Step2Screen::focusAfter(int index) {
    // Enter on a value left as it was moves on as a new one does, and
    // keeps the pitch chosen for it.
    const int next = Step2NextBox(index);
    if (next < 0) return;
    dato_[static_cast<std::size_t>(next)]->setFocus(Qt::OtherFocusReason);
    dato_[static_cast<std::size_t>(next)]->selectAll();
}

void Step2Screen::datoEntered(int index) {
    const Step2Entry entry = Step2DataEntered(project_, index);
    if (entry.title) setTitolo(qs(entry.title->caption), entry.title->fontSize);
    if (entry.focusNext >= 0) {
        // Selected, so the digits typed next replace the old value.
        NumericBox* next = dato_[static_cast<std::size_t>(entry.focusNext)];
        next->setFocus(Qt::OtherFocusReason);
        next->selectAll();
    }
    showChosenPitch();
    VisualizzaIndicatore();
}

}  // namespace belt
