#include "screens/step3screen.h"

#include <QCheckBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QShowEvent>
#include <algorithm>
#include <vector>

#include "engine/designsequence.h"
#include "project/driveproject.h"
#include "screens/fittext.h"
#include "screens/menuactions.h"
#include "screens/numericbox.h"
#include "screens/placeform.h"
#include "screens/screenstyle.h"
#include "units/units.h"

namespace belt {

using namespace style;

namespace {

// Pulley panels: width and gap in form units; the visible ones are centred.
constexpr double kPulleyPanelWidth = 23.5;
constexpr double kPulleyPanelStep = 24.5;
constexpr double kPulleyPanelTop = 15;
constexpr double kPulleyPanelHeight = 42;
// The captions of the pulley boxes: point size before fitting, and their
// room in the panel's units.
constexpr int kCaptionPoints = 10;
constexpr double kCaptionWidth = 90;
constexpr double kCaptionHeight = 7.5;

}  // namespace

Step3Screen::Step3Screen(DriveProject& project, Dialogs& dialogs, MenuActions& menus, QWidget* parent)
    : StepScreen(project, dialogs, menus, parent) {
    setObjectName(QLatin1String(form::kStep3));
    setWindowTitle(QStringLiteral("INPUT DATA"));
    setAutoFillBackground(true);
    SetColour(this, QPalette::Window, kBackground);

    auto newBox = [this](QWidget* parent, const QString& name) {
        NumericBox* b = MakeNumericBox(project_, dialogs_, parent, name, 12);
        b->installEventFilter(this);
        return b;
    };

    Box[0] = MakePanel(this, 0);
    TitoloBox[0] = MakeLabel(Box[0], QStringLiteral("TitoloBox0"), 17, true, kHeading);
    TitoloBox[0]->setAlignment(Qt::AlignCenter);
    Sottotitolo = MakeLabel(Box[0], QStringLiteral("Sottotitolo"), 12, false, kSubtitle);
    Sottotitolo->setAlignment(Qt::AlignCenter);
    PlaceForm(TitoloBox[0], 0, 6, 100, 50);
    PlaceForm(Sottotitolo, 0, 56, 100, 38);

    // The pulley panels, created in the order the Tab key visits them.
    for (int k = 1; k <= 4; ++k) {
        const auto ks = static_cast<std::size_t>(k);
        QFrame* panel = MakePanel(this, k);
        Box[ks] = panel;
        TitoloBox[ks] = MakeLabel(panel, QStringLiteral("TitoloBox%1").arg(k), 13, true, kHeading);
        TitoloBox[ks]->setAlignment(Qt::AlignCenter);
        PlaceForm(TitoloBox[ks], 0, 2, 100, 13);

        nomeinputn[ks] =
            MakeLabel(panel, QStringLiteral("nomeinputn%1").arg(k), kCaptionPoints, false, kCaption);
        inputn[ks] = newBox(panel, QStringLiteral("inputn%1").arg(k));
        nomeinputz[ks] =
            MakeLabel(panel, QStringLiteral("nomeinputz%1").arg(k), kCaptionPoints, false, kCaption);
        inputz[ks] = newBox(panel, QStringLiteral("inputz%1").arg(k));
        nomeinputd[ks] =
            MakeLabel(panel, QStringLiteral("nomeinputd%1").arg(k), kCaptionPoints, false, kCaption);
        inputd[ks] = newBox(panel, QStringLiteral("inputd%1").arg(k));
        nomeinputi[ks] =
            MakeLabel(panel, QStringLiteral("nomeinputi%1").arg(k), kCaptionPoints, false, kCaption);
        inputi[ks] = newBox(panel, QStringLiteral("inputi%1").arg(k));
        nomeinputz[ks]->setText(QStringLiteral("z [n\u00B0 of teeth]"));
        nomeinputi[ks]->setText(QStringLiteral("i [speed ratio]"));

        const std::array<std::pair<QLabel*, NumericBox*>, 4> rows = {
            std::pair{nomeinputn[ks], inputn[ks]}, std::pair{nomeinputz[ks], inputz[ks]},
            std::pair{nomeinputd[ks], inputd[ks]}, std::pair{nomeinputi[ks], inputi[ks]}};
        double top = 15;
        for (const auto& [caption, entry] : rows) {
            entry->setCaptionLabels({TitoloBox[ks], caption});
            PlaceForm(caption, 5, top, kCaptionWidth, kCaptionHeight);
            PlaceForm(entry, 5, top + 7.5, 90, 9);
            top += 17.5;
        }
        if (k >= 2) {
            auto* check = new QCheckBox(QStringLiteral("Idler"), panel);
            check->setObjectName(QStringLiteral("checkidler%1").arg(k));
            SetColour(check, QPalette::WindowText, kCaption);
            QFont f = check->font();
            f.setPointSize(11);
            f.setBold(true);
            check->setFont(f);
            PlaceForm(check, 5, top + 1, 90, 9);
            connect(check, &QCheckBox::clicked, this, [this, k] { checkidler_Click(k); });
            checkidler[ks] = check;
        }
    }

    const char* const driveCaptions[] = {"Power [kW]", "Peripheral force [N]", "Belt Speed [m/s]",
                                         "Center Distance [mm]", "Belt Length [mm]"};
    for (int i = 5; i <= 9; ++i) {
        const auto is = static_cast<std::size_t>(i);
        QFrame* panel = MakePanel(this, i);
        Box[is] = panel;
        TitoloBox[is] = MakeLabel(panel, QStringLiteral("TitoloBox%1").arg(i), 12, true, kHeading);
        TitoloBox[is]->setAlignment(Qt::AlignCenter);
        TitoloBox[is]->setText(QString::fromLatin1(driveCaptions[i - 5]));
        PlaceForm(TitoloBox[is], 0, 6, 100, 36);
        Dato[is] = newBox(panel, QStringLiteral("Dato%1").arg(i));
        Dato[is]->setCaptionLabels({TitoloBox[is]});
        PlaceForm(Dato[is], 20, 48, 60, 30);
    }
    TitoloBox[1]->setText(QStringLiteral("Driver Pulley"));
    for (int k = 2; k <= 4; ++k) TitoloBox[static_cast<std::size_t>(k)]->setText(QStringLiteral("Pulley %1").arg(k));
}

void Step3Screen::applyMenus() {
    ShowStepMenus(menus_, /*goOn=*/true, /*goOn2=*/false, /*print=*/false, /*print2=*/false);
}

void Step3Screen::refresh() { ShowPulleyData(); }

void Step3Screen::showEvent(QShowEvent* event) {
    StepScreen::showEvent(event);
    // Coming back from a minimised window is no new layout.
    if (!event->spontaneous()) Form_Resize();
}

void Step3Screen::resizeEvent(QResizeEvent* event) {
    StepScreen::resizeEvent(event);
    fitCaptions();
}

// The captions of the pulley boxes at one size, the largest at which all
// fit: on a screen scaled by 2 "z [n\u00B0 of teeth]" lost its foot. Their
// room is taken from the panels, which a hidden panel has not passed on yet.
void Step3Screen::fitCaptions() {
    const int panels = std::clamp(project_.pulleyCount, 2, 4);
    const QFrame* panel = Box[1];
    // A pixel less than the share, for the rounding of the placing.
    const QSize room(static_cast<int>(panel->width() * kCaptionWidth / 100) - 1,
                     static_cast<int>(panel->height() * kCaptionHeight / 100) - 1);
    int size = kCaptionPoints;
    for (const int smallest = SmallestReadablePoints(this); size > smallest; --size) {
        QFont f = nomeinputn[1]->font();
        f.setPointSize(size);
        const QFontMetrics fm(f);
        bool fits = true;
        for (std::size_t k = 1; k <= static_cast<std::size_t>(panels); ++k)
            for (const QLabel* l : {nomeinputn[k], nomeinputz[k], nomeinputd[k], nomeinputi[k]})
                fits =
                    fits && fm.horizontalAdvance(l->text()) <= room.width() && fm.height() <= room.height();
        if (fits) break;
    }
    for (std::size_t k = 1; k <= 4; ++k)
        for (QLabel* l : {nomeinputn[k], nomeinputz[k], nomeinputd[k], nomeinputi[k]}) SetFontSize(l, size);
}

void Step3Screen::Form_Resize() {
    for (QFrame* panel : Box) panel->hide();
    if (project_.demoRunning == 0) applyMenus();

    const Step3Focus focus = PrepareStep3(project_, dialogs_);
    const Step3Titles titles = belt::TitoloBox(project_);
    TitoloBox[0]->setText(qs(titles.title));
    Sottotitolo->setText(qs(titles.subtitle));

    const bool toothed = IsToothedBelt(project_);
    for (int k = 1; k <= 4; ++k) {
        const auto ks = static_cast<std::size_t>(k);
        nomeinputz[ks]->setEnabled(toothed);
        inputz[ks]->setVisible(toothed);
        if (checkidler[ks]) checkidler[ks]->setChecked(project_.screen.checkIdler[ks] != 0);
    }
    Dato[6]->setEnabled(true);
    applyEnabledStates();
    placePanels();

    for (int i = 0; i <= 9; ++i)
        if (Step3PanelVisible(project_, i)) Box[static_cast<std::size_t>(i)]->show();
    ShowPulleyData();
    moveFocus(focus);
}

void Step3Screen::placePanels() {
    PlaceForm(Box[0], 1.5, 1, 97, 12);
    const int n = std::clamp(project_.pulleyCount, 2, 4);
    const double first = 50 - (n * kPulleyPanelStep - (kPulleyPanelStep - kPulleyPanelWidth)) / 2;
    for (int k = 1; k <= 4; ++k)
        PlaceForm(Box[static_cast<std::size_t>(k)], first + (k - 1) * kPulleyPanelStep, kPulleyPanelTop,
                  kPulleyPanelWidth, kPulleyPanelHeight);
    for (int i = 5; i <= 7; ++i) PlaceForm(Box[static_cast<std::size_t>(i)], 4 + (i - 5) * 31.5, 61, 29, 15);
    PlaceForm(Box[8], 35.5, 80, 29, 15);
    PlaceForm(Box[9], 35.5, 80, 29, 15);
}

void Step3Screen::applyEnabledStates() {
    for (int k = 1; k <= 4; ++k) {
        const auto ks = static_cast<std::size_t>(k);
        inputn[ks]->setEnabled(Step3BoxEnabled(project_, Step3Box::InputN, k));
        inputz[ks]->setEnabled(Step3BoxEnabled(project_, Step3Box::InputZ, k));
        inputi[ks]->setEnabled(Step3BoxEnabled(project_, Step3Box::InputI, k));
        inputd[ks]->setEnabled(Step3BoxEnabled(project_, Step3Box::InputD, k));
    }
}

void Step3Screen::ShowPulleyData() {
    const PulleyDataTexts t = belt::ShowPulleyData(project_);
    for (int i = 5; i <= 9; ++i) {
        const auto is = static_cast<std::size_t>(i);
        TitoloBox[is]->setText(qs(t.titoloBox[is]));
        ShowText(Dato[is], qs(t.dato[is]));
    }
    for (int k = 1; k <= 4; ++k) {
        const auto ks = static_cast<std::size_t>(k);
        nomeinputn[ks]->setText(qs(t.nomeinputn[ks]));
        nomeinputz[ks]->setText(qs(t.nomeinputz[ks]));
        nomeinputd[ks]->setText(qs(t.nomeinputd[ks]));
        nomeinputi[ks]->setText(qs(t.nomeinputi[ks]));
        ShowText(inputn[ks], qs(t.inputn[ks]));
        ShowText(inputz[ks], qs(t.inputz[ks]));
        if (t.inputd[ks]) {
            ShowText(inputd[ks], qs(*t.inputd[ks]));
        } else if (Val(inputd[ks]->text().toStdString()) != 0) {
            // An idler box keeps a text that reads 0, so the idler can still
            // get its recommended diameter; any other text is rewritten, or
            // a cleared idler would go on showing its old diameter.
            ShowText(inputd[ks], qs(Format(ToDisplay(project_, kLength, project_.pulleyDiameter[ks]), "###0.00")));
        }
        ShowText(inputi[ks], qs(t.inputi[ks]));
    }
    fitCaptions();
}

NumericBox* Step3Screen::box(Step3Box kind, int index) const {
    if (kind == Step3Box::Dato) return index >= 5 && index <= 9 ? Dato[static_cast<std::size_t>(index)] : nullptr;
    if (index < 1 || index > 4) return nullptr;
    const auto i = static_cast<std::size_t>(index);
    switch (kind) {
        case Step3Box::InputN: return inputn[i];
        case Step3Box::InputZ: return inputz[i];
        case Step3Box::InputD: return inputd[i];
        case Step3Box::InputI: return inputi[i];
        case Step3Box::Dato: break;
    }
    return nullptr;
}

bool Step3Screen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            for (Step3Box kind : {Step3Box::InputN, Step3Box::InputZ, Step3Box::InputD, Step3Box::InputI})
                for (int k = 1; k <= 4; ++k)
                    if (watched == box(kind, k)) {
                        enter(kind, k);
                        return true;
                    }
            for (int i = 5; i <= 9; ++i)
                if (watched == Dato[static_cast<std::size_t>(i)]) {
                    enter(Step3Box::Dato, i);
                    return true;
                }
        }
    }
    return StepScreen::eventFilter(watched, event);
}

void Step3Screen::enter(Step3Box kind, int index) {
    NumericBox* b = box(kind, index);
    if (!b) return;
    const std::string text = b->text().toStdString();
    if (!b->isPending()) {
        // Nothing typed: the value behind the text stands, even where the
        // text is not the value's own (an idler's recommended diameter).
        applyResponse(kind, index, {text, Step3FocusAfter(project_, kind, index), false});
        return;
    }
    Step3Response r;
    switch (kind) {
        case Step3Box::InputN: r = OnInputnEnter(project_, dialogs_, index, text); break;
        case Step3Box::InputZ: r = OnInputzEnter(project_, dialogs_, index, text); break;
        case Step3Box::InputD: r = OnInputdEnter(project_, dialogs_, index, text); break;
        case Step3Box::InputI: r = OnInputiEnter(project_, dialogs_, index, text); break;
        case Step3Box::Dato: r = OnDatoEnter(project_, dialogs_, index, text); break;
    }
    applyResponse(kind, index, r);
}

void Step3Screen::applyResponse(Step3Box kind, int index, const Step3Response& r) {
    if (NumericBox* b = box(kind, index)) ShowText(b, qs(r.enteredText));
    if (r.refresh) ShowPulleyData();
    moveFocus(r.focus);
}

void Step3Screen::moveFocus(const Step3Focus& focus) {
    NumericBox* b = box(focus.box, focus.index);
    if (!b || !b->isEnabled() || !b->isVisibleTo(this)) return;
    b->setFocus(Qt::OtherFocusReason);
    b->selectAll();
}

void Step3Screen::checkidler_Click(int k) {
    if (k < 2 || k > 4) return;
    OnCheckIdlerClick(project_, k, checkidler[static_cast<std::size_t>(k)]->isChecked());
    applyEnabledStates();
    ShowPulleyData();
}

void Step3Screen::rereadAfterCancelledLength() {
    RereadCentreDistanceAndLength(project_, dialogs_, Dato[8]->text().toStdString(), Dato[9]->text().toStdString());
    ShowText(Dato[8], qs(Format(ToDisplay(project_, kLength, project_.centreDistance), "###0.00")));
    ShowText(Dato[9], qs(Format(ToDisplay(project_, kLength, project_.beltLength), "###0.00")));
    moveFocus({Step3Box::Dato, 5});
}

}  // namespace belt
