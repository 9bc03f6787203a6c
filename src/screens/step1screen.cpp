#include "screens/step1screen.h"

#include <QButtonGroup>
#include <QFrame>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTimer>
#include <vector>

#include "catalogue/beltids.h"
#include "catalogue/belttraits.h"
#include "catalogue/calculationtables.h"
#include "catalogue/feasibility.h"
#include "catalogue/flatbelts.h"
#include "catalogue/loadfactors.h"
#include "engine/applicationdata.h"
#include "project/driveproject.h"
#include "screens/fittext.h"
#include "screens/flexgrid.h"
#include "screens/keyboardchoice.h"
#include "screens/menuactions.h"
#include "screens/numericbox.h"
#include "screens/placeform.h"
#include "screens/screenstyle.h"
#include "screens/step1layout.h"
#include "units/units.h"

namespace belt {

using namespace style;
using namespace step1;

Step1Screen::Step1Screen(DriveProject& project, Dialogs& dialogs, MenuActions& menus, QWidget* parent)
    : StepScreen(project, dialogs, menus, parent) {
    setObjectName(QLatin1String(form::kStep1));
    setWindowTitle(QStringLiteral("APPLICATION DATA"));

    beltType_ = new QTabBar(this);
    beltType_->setObjectName(QStringLiteral("BeltType"));
    beltType_->setExpanding(true);
    // Below the smallest font the captions shorten; every tab stays in reach.
    beltType_->setUsesScrollButtons(false);
    beltType_->setElideMode(Qt::ElideRight);
    beltType_->setDrawBase(false);
    for (int t = 0; t < kStep1TabCount; ++t) beltType_->addTab(qs(Step1TabCaption(t)));
    SetFontSize(beltType_, 10, true);

    titolo_ = new QLabel(this);
    titolo_->setObjectName(QStringLiteral("Titolo"));
    titolo_->setAlignment(Qt::AlignCenter);
    titolo_->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(Css(kCaption)));
    SetFontSize(titolo_, kTitlePoints, true);

    makeProfilePictures();

    for (std::size_t i = 0; i < testo_.size(); ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("Testo%1").arg(i));
        l->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(Css(kCaption)));
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        testo_[i] = l;
    }
    for (std::size_t i = 1; i < testo_.size(); ++i) SetFontSize(testo_[i], kCaptionPoints, true);
    testo_[2]->setWordWrap(false);
    testo_[3]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    makeFactorTable();
    makeMachineControls();
    makeLinearDriveControls();
    makeNewsPage();
    makeGrids();

    flash_ = new QTimer(this);
    flash_->setObjectName(QStringLiteral("Flash"));
    flash_->setInterval(500);
    connect(flash_, &QTimer::timeout, this, &Step1Screen::Flash_Timer);

    // Form_Load: the empty page first (a project being opened keeps its tab),
    // then the tables.
    if (project_.beltType.empty()) project_.screen.beltTypeTab = kTabClear;
    if (project_.screen.beltTypeTab < 0 || project_.screen.beltTypeTab >= kStep1TabCount)
        project_.screen.beltTypeTab = kTabClear;
    {
        const QSignalBlocker block(beltType_);
        beltType_->setCurrentIndex(project_.screen.beltTypeTab);
    }
    connect(beltType_, &QTabBar::currentChanged, this, [this](int tab) {
        const int previous = project_.screen.beltTypeTab;
        project_.screen.beltTypeTab = tab;
        BeltType_Click(previous);
    });
    LoadStep1Tables(project_);
    proprieta_->clear();
    loadFeasibilityGrid();
    loadIdlerGrid();

    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) w->hide();
}

int Step1Screen::currentTab() const {
    return project_.screen.beltTypeTab;
}

// ---------------------------------------------------------------------------
// Layout

void Step1Screen::applyMenus() {
    for (QAction* a : {menus_.mStopDemo, menus_.mDemo, menus_.mLoopDemo, menus_.mClose, menus_.mPrinter})
        setShown(a, false);
    for (QAction* a : {menus_.mFile, menus_.mGoBack, menus_.mUnit, menus_.mInt}) setShown(a, true);
    const int tab = currentTab();
    setShown(menus_.mPrinter2, tab == kTabFeasibility || tab == kTabIdler);
    // Timing belts go on to the pitch chart, the others straight to the pulleys.
    if (const BeltFamilyTraits* family = FamilyOfStep1Tab(tab)) {
        const bool toothed = family->kind == BeltKind::Toothed;
        setShown(menus_.mGoon, toothed);
        setShown(menus_.mGoon2, !toothed);
        return;
    }
    switch (tab) {
        case kTabNews:
        case kTabFeasibility:
        case kTabIdler:
            setShown(menus_.mGoon, false);
            setShown(menus_.mGoon2, false);
            break;
        default:
            break;  // the empty page leaves Go On as it was
    }
}

void Step1Screen::refresh() {
    // The data fields show units on the SELKIRA page and on the TAVOREN page
    // alike; both must follow a unit change, or a typed value would be read
    // in a unit its label does not name.
    const BeltFamilyTraits* family = FamilyOfStep1Tab(currentTab());
    if (family && family->carriageData) ShowApplicationData();
    // An opened project sets its load factor after the page was laid out, so
    // the box shows the value the design will use, not the one the page had.
    if (family && family->factorTable == FactorTableKind::OperationTime && !loadFactorBox_->isPending())
        loadFactorBox_->showValue();
}

void Step1Screen::setBlinking(bool on) {
    if (on)
        flash_->start();
    else
        flash_->stop();
}

void Step1Screen::showEvent(QShowEvent* event) {
    StepScreen::showEvent(event);
    Form_Resize();
}

void Step1Screen::resizeEvent(QResizeEvent* event) {
    StepScreen::resizeEvent(event);
    // The tabs fill the strip's 8 units.
    const int tabHeight = std::max(18, beltType_->height() - 8);
    // Narrow forms (a screen scaled by 2) keep less room around the
    // captions; the keyboard's focus frame has its own beside them.
    const int tabPadding = std::clamp(width() / 200, 2, 6) + kTabFocusRoom;
    beltType_->setStyleSheet(
        QStringLiteral("QTabBar::tab { height: %1px; padding: 0 %2px; margin: 6px 1px 0 1px;"
                       " background: %3; color: %4; border: 1px solid %5;"
                       " border-bottom: none; border-top-left-radius: 6px; border-top-right-radius: 6px; }"
                       "QTabBar::tab:selected { background: %6; color: %7; }"
                       "QTabBar::tab:hover:!selected { background: %8; }")
            .arg(tabHeight)
            .arg(tabPadding)
            .arg(Css(kTab), Css(kTabText), Css(kTabBorder), Css(kTabChosen), Css(kTabChosenText),
                 Css(kTabHover)));
    // All ten tabs stay in sight on a small screen; the scroll arrows would
    // hide the last ones. A screen scaled by 2 has the pixels for a smaller
    // size, where the captions would otherwise shorten.
    FitTabBarFont(beltType_, 10, SmallestReadablePoints(this));
    wrapDriverCaptions();
    fitDataCaptions();
    placeCarriageBoxes();
    fitPageTexts();
}

// Texts that a screen scaled by 1.5 or 2 gives less room: the profile
// description lost its last line, the driven machines their ends, the
// factor table its first and last lines.
void Step1Screen::fitPageTexts() {
    const int smallest = SmallestReadablePoints(this);
    FitLabelFont(titolo_, kTitlePoints, smallest);
    FitLabelFont(testo_[0], 10, smallest);
    for (std::size_t i = 1; i < testo_.size(); ++i)
        if (i != 2 || currentTab() != kTabSelkira) FitLabelFont(testo_[i], kCaptionPoints, smallest);
    FitListFont(proprieta_, 10, smallest);
    fitTableFonts();
}

void Step1Screen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient bg(0, 0, 0, height());
    bg.setColorAt(0, kBackground.lighter(140));
    bg.setColorAt(1, kBackground);
    painter.fillRect(rect(), bg);
}

void Step1Screen::Form_Resize() {
    laidOut_ = true;
    for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) w->hide();
    if (project_.demoRunning == 0) {
        for (QAction* a : {menus_.mStopDemo, menus_.mDemo, menus_.mLoopDemo, menus_.mClose, menus_.mPrinter,
                           menus_.mPrinter2})
            setShown(a, false);
        for (QAction* a : {menus_.mFile, menus_.mGoBack, menus_.mUnit, menus_.mInt}) setShown(a, true);
    }
    PlaceForm(beltType_, 0, 0, 100, 8);
    PlaceForm(feasibility_, 0, 15, 100, kFeasibilityLegendTop - 15);
    PlaceForm(idler_, 6, 16, 95, 82);
    beltType_->show();
    {
        const QSignalBlocker block(beltType_);
        beltType_->setCurrentIndex(currentTab());
    }
    BeltType_Click(currentTab());
    // The chosen belt's caption (and a flat belt's list of types) stay shown.
    const BeltFamilyTraits* chosen = FindBeltFamily(FamilyFromType(project_.beltType));
    if (chosen && chosen->tab == kTabOrvanto) testo_[0]->show();
    if (chosen && chosen->kind == BeltKind::Flat) {
        proprieta_->show();
        testo_[0]->show();
    }
    if (!project_.beltType.empty()) SelectToothProfile(project_.profileButtonIndex);
    // The keyboard starts on the belt families.
    if (project_.demoRunning == 0) beltType_->setFocus(Qt::OtherFocusReason);
}

void Step1Screen::hidePage() {
    evidenziatore_->hide();
    feasibility_->hide();
    feasibilityLegend_->hide();
    idler_->hide();
    news_->hide();
    scrollInfo_->hide();
    for (auto* w : tipoDente_) w->hide();
    for (auto* w : tabella_) w->hide();
    for (auto* w : testo_) w->hide();
    for (auto* w : dati_) w->hide();
    for (auto* w : optionDriver_) w->hide();
    titolo_->hide();
    proprieta_->hide();
    optionContainer_->hide();
    loadFactorBox_->hide();
    setShown(menus_.mPrinter2, false);
    for (auto* l : printed_) l->hide();  // the text printed on the form
    SetFontSize(testo_[0], 10);
    testo_[0]->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(Css(kCaption)));
    // The captions start each page at their own size: one page's fitting
    // (the SELKIRA carriage caption on a small screen) must not shrink the
    // same label on the next.
    for (std::size_t i = 1; i < testo_.size(); ++i) SetFontSize(testo_[i], kCaptionPoints, true);
}

void Step1Screen::BeltType_Click(int previousTab) {
    const int tab = currentTab();
    const bool changed = previousTab != tab;
    if (changed) ForgetBeltChoice(project_);
    hidePage();
    const bool demo = project_.demoRunning != 0;
    if (FamilyOfStep1Tab(tab)) {
        const QColor c = fromLong(Step1HighlightColour(tab));
        evidenziatore_->setStyleSheet(
            QStringLiteral("#Evidenziatore { border: 4px solid %1; background: transparent; }")
                .arg(c.name()));
        showPictures();
        titolo_->setText(qs(Step1TabTitle(tab)));
    }
    switch (tab) {
        case kTabOrvanto:
        case kTabRubber:
            OrvantoRubber();
            break;
        case kTabSelkira:
            SelkiraTavoren();
            break;
        case kTabTavoren:
            project_.linearDriveType = 0;
            SelkiraTavoren();
            break;
        case kTabQuindel:
            setShown(menus_.mGoon, false);
            if (!demo) setShown(menus_.mGoon2, true);
            Quindel();
            break;
        case kTabFendaro:
            setShown(menus_.mGoon, false);
            if (!demo) setShown(menus_.mGoon2, true);
            if (changed) tabella_[5]->clear();
            Fendaro();
            break;
        case kTabNews:
            News();
            break;
        case kTabFeasibility:
        case kTabIdler:
            InformationGrid();
            break;
        default:
            break;  // the empty page
    }
    PlaceForm(titolo_, 0, 9, 100, 4.5);
    fitPageTexts();
    orderTabs();
}

// Tab reads the page as the eye does: the tabs, the pictures, then the
// choices of the page from top to bottom.
void Step1Screen::orderTabs() {
    std::vector<QWidget*> order{beltType_};
    order.insert(order.end(), tipoDente_.begin(), tipoDente_.end());
    const auto cells = [this, &order] {
        for (std::size_t i = 7; i <= 11; ++i) order.push_back(tabella_[i]);
    };
    const int tab = currentTab();
    if (tab == kTabSelkira || tab == kTabTavoren) {
        cells();
        order.insert(order.end(), dati_.begin(), dati_.begin() + 9);
        order.insert(order.end(), optionInput_.begin(), optionInput_.end());
        order.insert(order.end(), optionDriver_.begin(), optionDriver_.end());
        order.insert(order.end(), dati_.begin() + 9, dati_.end());
    } else {
        order.insert(order.end(), optionDriver_.begin(), optionDriver_.end());
        order.push_back(proprieta_);
        order.push_back(loadFactorBox_);
        cells();
    }
    ChainTabOrder(order);
}

// ---------------------------------------------------------------------------
// Controls several pages share: the option buttons and the list

void Step1Screen::syncOptionButtons() {
    for (auto* group : {driverGroup_, inputGroup_}) group->setExclusive(false);
    for (std::size_t i = 0; i < optionDriver_.size(); ++i) {
        const QSignalBlocker block(optionDriver_[i]);
        optionDriver_[i]->setChecked(project_.screen.optionDriver[i]);
    }
    for (std::size_t i = 0; i < optionInput_.size(); ++i) {
        const QSignalBlocker block(optionInput_[i]);
        optionInput_[i]->setChecked(project_.screen.optionInput[i]);
    }
    for (auto* group : {driverGroup_, inputGroup_}) group->setExclusive(true);
}

void Step1Screen::wrapDriverCaptions() {
    // One size for the three captions, the largest at which each, wrapped
    // to its button, also fits its height (on a screen scaled by 2 their
    // lines ran into each other).
    const int indicator = 26;
    int size = kDriverPoints;
    for (const int smallest = SmallestReadablePoints(this); size > smallest; --size) {
        QFont f = optionDriver_[0]->font();
        f.setPointSize(size);
        const QFontMetrics fm(f);
        bool fits = true;
        for (std::size_t i = 0; i < optionDriver_.size() && fits; ++i) {
            const QRadioButton* b = optionDriver_[i];
            const int width = b->width() - indicator;
            if (width <= 40) continue;
            const int lines = int(wrapTo(optionDriverCaption_[i], fm, width).count(QLatin1Char('\n'))) + 1;
            fits = lines * fm.lineSpacing() <= b->height();
        }
        if (fits) break;
    }
    for (std::size_t i = 0; i < optionDriver_.size(); ++i) {
        QRadioButton* b = optionDriver_[i];
        SetFontSize(b, size);
        const int width = b->width() - indicator;
        b->setText(width > 40 ? wrapTo(optionDriverCaption_[i], b->fontMetrics(), width)
                              : optionDriverCaption_[i]);
    }
}

void Step1Screen::setTesto0(const std::string& text) {
    testo_[0]->setText(Lines(text));
    FitLabelFont(testo_[0], 10, SmallestReadablePoints(this));
}

void Step1Screen::OptionDriver_Click(int index) {
    for (int i = 0; i < 3; ++i) project_.screen.optionDriver[static_cast<std::size_t>(i)] = i == index;
    const int tab = currentTab();
    if (FactorTableForTab(tab) == FactorTableKind::OperationTime) {
        if (auto text = LookUpLoadFactor(project_)) loadFactorBox_->setText(qs(*text));
    } else if (ChooseLinearDrive(project_, tab, index)) {
        updateDatiEnabled();
    }
    syncOptionButtons();
}

void Step1Screen::Proprieta_Click() {
    const int row = proprieta_->currentRow();
    if (row < 0) return;
    project_.screen.proprietaListIndex = row;
    const int tab = currentTab();
    if (FactorTableForTab(tab) == FactorTableKind::OperationTime) {
        if (auto text = LookUpLoadFactor(project_)) loadFactorBox_->setText(qs(*text));
    } else if (tab == kTabFendaro) {
        const FlatBeltGroup* g = FlatBeltGroupOfCaption(testo_[0]->text().toStdString());
        if (!g) return;
        if (auto text = ChooseFlatBeltType(project_, *g, row)) {
            tabella_[5]->setText(Lines(*text));
            fitTableFonts();
        }
    }
}

// ---------------------------------------------------------------------------
// Controls set from outside

void Step1Screen::setBeltTypeTab(int tab) {
    if (tab < 0 || tab >= kStep1TabCount) return;
    if (beltType_->currentIndex() != tab) {
        beltType_->setCurrentIndex(tab);  // runs BeltType_Click
    } else if (project_.screen.beltTypeTab != tab) {
        const int previous = project_.screen.beltTypeTab;
        project_.screen.beltTypeTab = tab;
        BeltType_Click(previous);
    }
}

void Step1Screen::setOptionDriver(int index) {
    if (index < 0 || index > 2) return;
    OptionDriver_Click(index);
}

void Step1Screen::setProprietaListIndex(int row) {
    {
        const QSignalBlocker block(proprieta_);
        proprieta_->setCurrentRow(row);
    }
    project_.screen.proprietaListIndex = row;
    Proprieta_Click();
}

}  // namespace belt
