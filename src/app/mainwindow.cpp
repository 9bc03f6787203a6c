#include "app/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QStackedWidget>
#include <QTimer>
#include <utility>

#include "app/assets.h"
#include "app/cover.h"
#include "app/layoutexport.h"
#include "app/menubar.h"
#include "app/tuneplayer.h"
#include "app/whenshown.h"
#include "drawing/logo.h"
#include "drawing/stylecolours.h"
#include "engine/navigation.h"
#include "project/driveproject.h"
#include "project/formnames.h"
#include "screens/stepscreen.h"
#include "units/units.h"

namespace belt {

namespace {

const char* const kTitle = "VESTRANO BELT CALCULATION";

QString Form(const char* name) {
    return QString::fromLatin1(name);
}

// The screens that show the drive's layout, or follow it, offer its export.
bool OffersLayoutExport(const QString& formName) {
    const std::optional<MenuPlace> place = MenuPlaceOf(formName);
    return place && MenuShownOn(&MenuActions::mExportLayout, *place);
}

}  // namespace

MainWindow::MainWindow(DriveProject& project, Dialogs& dialogs, bool playTune, QWidget* parent)
    : QMainWindow(parent),
      project_(project),
      dialogs_(dialogs),
      designSequence_([](DriveProject& p, Dialogs& d, const QString& active) {
          return active == QLatin1String(form::kStep3) ? GoOnFromStep3(p, d) : GoOnFromStep4(p, d);
      }),
      quit_([] { QApplication::quit(); }),
      print_([this](const PrintJob& job) {
          const QString error = ShowPrintPreview(this, job);
          if (!error.isEmpty())
              dialogs_.message("Printing is not available:\r" + error.toStdString(), kTitle,
                               MsgIcon::Warning);
      }),
      help_(*this) {
    setObjectName(Form(form::kMain));
    setWindowTitle(QStringLiteral(" VESTRANO BELT CALCULATION"));
    QPixmap icon(64, 64);
    icon.fill(Qt::transparent);
    {
        QPainter painter(&icon);
        DrawLogo(painter, QRectF(icon.rect()), false);
    }
    setWindowIcon(QIcon(icon));

    stack_ = new QStackedWidget(this);
    cover_ = new Cover(stack_);
    mdi_ = new QMdiArea(stack_);
    mdi_->setBackground(style::kWorkspace);
    stack_->addWidget(cover_);
    stack_->addWidget(mdi_);
    setCentralWidget(stack_);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        resize(avail.width() * 99 / 100, avail.height() * 95 / 100);
    }

    menus_ = BuildMenuBar(*menuBar(), *this);
    files_ = new FileCommands(*this, project_, dialogs_);
    files_->setRecentMenu(menus_.mRecent->menu());
    demo_ = new Demonstration(*this, project_, this);

    connect(cover_, &Cover::startClicked, this, &MainWindow::mGoon_Click);
    connect(cover_, &Cover::infoClicked, this, &MainWindow::mInfo_Click);
    connect(cover_, &Cover::gotFocus, this, &MainWindow::COVER_GotFocus);
    connect(cover_, &Cover::closingMessageDone, this, [this] { quit_(); });

    // MDIForm_Load: the start values of the project and the unit tables.
    project_.loadFactor = 1.0f;
    project_.pulleyRatio[1] = 1.0;
    InitUnitTables(project_);
    ChangeUnit();

    RegisterBuiltInScreens(*this);

    if (playTune) {
        tune_ = std::make_unique<TunePlayer>();
        // Once the window stands painted, and one turn of the event loop
        // later, so that nothing of the synthesizer delays the window.
        new WhenShown(*this, [this] {
            QTimer::singleShot(0, this, [this] {
                if (tune_) tune_->play(AssetPath(QStringLiteral("tune.mid")));
            });
        });
    }
    showCover();
    cover_->startAnimation();
}

MainWindow::~MainWindow() {
    // MDIForm_Unload closes the tune; the screens go before the project they use.
    tune_.reset();
    unloadScreens();
    // Those the event loop has not deleted yet go with the window.
    for (const QPointer<QMdiSubWindow>& sub : std::as_const(unloaded_)) delete sub.data();
}

// ---------------------------------------------------------------------------
// Menus

void MainWindow::showMenus(MenuPlace place) {
    ShowMenus(menus_, place);
}

void MainWindow::unitClick(int quantity, int u) {
    ChooseUnit(project_, quantity, u);
    ChangeUnit();
}

void MainWindow::ChangeUnit() {
    ShowUnitChecks(menus_, project_);
    if (StepScreen* s = activeScreen()) s->refresh();
}

// ---------------------------------------------------------------------------
// Screens

void MainWindow::setScreenFactory(const QString& formName, ScreenFactory factory) {
    factories_.insert(formName, std::move(factory));
}

bool MainWindow::hasScreenFactory(const QString& formName) const {
    return factories_.contains(formName);
}

StepScreen* MainWindow::loadedScreen(const QString& formName) const {
    const QPointer<QMdiSubWindow> sub = subWindows_.value(formName);
    return sub ? qobject_cast<StepScreen*>(sub->widget()) : nullptr;
}

StepScreen* MainWindow::showScreen(const QString& formName) {
    StepScreen* screen = loadedScreen(formName);
    const bool fresh = screen == nullptr;
    if (fresh) {
        const auto it = factories_.constFind(formName);
        if (it == factories_.constEnd()) return nullptr;
        screen = (*it)(project_, dialogs_, menus_, nullptr);
        if (!screen) return nullptr;
        QMdiSubWindow* sub = mdi_->addSubWindow(screen, Qt::FramelessWindowHint);
        sub->setObjectName(formName);
        sub->setAttribute(Qt::WA_DeleteOnClose, false);
        subWindows_.insert(formName, sub);
    }
    QMdiSubWindow* sub = subWindows_.value(formName);
    stack_->setCurrentWidget(mdi_);
    sub->showMaximized();
    mdi_->setActiveSubWindow(sub);
    active_ = screen;
    if (!fresh) screen->refresh();
    applyMenusOf(screen);
    // A screen that put the focus in its first box keeps it there, also
    // while a dialog still holds the keyboard (a proposal taken leads to
    // STEP3 from inside its dialog): the window's own focus is asked.
    if (!screen->isAncestorOf(focusWidget())) screen->setFocus();
    return screen;
}

void MainWindow::applyMenusOf(StepScreen* screen) {
    if (project_.demoRunning != 0) return;
    screen->applyMenus();
    menus_.mExportLayout->setVisible(OffersLayoutExport(screen->formName()));
}

void MainWindow::hideScreen(const QString& formName) {
    if (QMdiSubWindow* sub = subWindows_.value(formName)) sub->hide();
    if (active_ && active_->formName() == formName) active_ = nullptr;
}

void MainWindow::unloadScreens() {
    const auto unload = [this](QMdiSubWindow* sub) {
        if (StepScreen* s = qobject_cast<StepScreen*>(sub->widget())) s->setBlinking(false);
        sub->hide();
        mdi_->removeSubWindow(sub);
        sub->deleteLater();
        unloaded_.append(sub);
    };
    unloaded_.removeAll(nullptr);
    for (auto it = form::kSteps.rbegin(); it != form::kSteps.rend(); ++it)
        if (QPointer<QMdiSubWindow> sub = subWindows_.take(Form(*it))) unload(sub);
    // Screens a test registered under other names go as well.
    for (auto it = subWindows_.begin(); it != subWindows_.end(); it = subWindows_.erase(it))
        if (it.value()) unload(it.value());
    active_ = nullptr;
}

void MainWindow::showCover() {
    stack_->setCurrentWidget(cover_);
    cover_->show();
    active_ = nullptr;
    cover_->takeFocus();
    COVER_GotFocus();
}

QString MainWindow::activeFormName() const {
    if (active_ && stack_->currentWidget() == mdi_) return active_->formName();
    return Form(form::kMain);
}

StepScreen* MainWindow::activeScreen() const {
    return stack_->currentWidget() == mdi_ ? active_.data() : nullptr;
}

void MainWindow::setBlinking(const QString& formName, bool on) {
    if (StepScreen* s = loadedScreen(formName)) s->setBlinking(on);
}

void MainWindow::COVER_GotFocus() {
    if (project_.demoRunning == 0 && !closing_) ShowCoverMenus(menus_);
}

// ---------------------------------------------------------------------------
// Navigation

bool MainWindow::entriesConfirmed() {
    StepScreen* s = activeScreen();
    return !s || s->entriesConfirmed();
}

void MainWindow::mGoon_Click() {
    goOn(dialogs_);
}

void MainWindow::goOn(Dialogs& answers) {
    if (!entriesConfirmed()) return;
    const QString active = activeFormName();
    if (active == QLatin1String(form::kMain)) {
        if (closing_) return;
        if (showScreen(Form(form::kStep1))) setBlinking(Form(form::kStep1), true);
    } else if (active == QLatin1String(form::kStep1)) {
        if (!GoOnFromStep1(project_, answers)) return;
        setBlinking(active, false);
        hideScreen(active);
        if (showScreen(Form(form::kStep2))) setBlinking(Form(form::kStep2), true);
    } else if (active == QLatin1String(form::kStep2)) {
        if (!GoOnFromStep2(project_, answers)) return;
        setBlinking(active, false);
        hideScreen(active);
        showScreen(Form(form::kStep3));
    } else if (active == QLatin1String(form::kStep3) || active == QLatin1String(form::kStep4)) {
        RecordingDialogs recording(answers, details_);
        switch (designSequence_(project_, recording, active)) {
            case NextStep::Stay:
                // A standard length taken before the stop (the centre
                // distance recomputed for it) is what the next Go On uses:
                // the boxes show it.
                if (active == QLatin1String(form::kStep3))
                    if (StepScreen* s = activeScreen()) s->refresh();
                break;
            case NextStep::StayRereadCentreDistanceAndLength:
                if (StepScreen* s = activeScreen()) s->rereadAfterCancelledLength();
                break;
            case NextStep::ShowAdjustHint:
                if (StepScreen* s = activeScreen()) s->showAdjustHint();
                break;
            case NextStep::ShowStep4:
                hideScreen(active);
                showScreen(Form(form::kStep4));
                break;
            case NextStep::ShowStep5:
                hideScreen(active);
                if (showScreen(Form(form::kStep5))) setBlinking(Form(form::kStep5), true);
                break;
        }
    } else if (active == QLatin1String(form::kStep5)) {
        if (!hasScreenFactory(Form(form::kStep6))) return;
        setBlinking(active, false);
        hideScreen(active);
        showScreen(Form(form::kStep6));
    }
}

void MainWindow::mGoBack_Click() {
    if (!entriesConfirmed()) return;
    const QString active = activeFormName();
    const QString target = QString::fromStdString(GoBackTarget(project_, active.toStdString()));
    if (target.isEmpty()) return;
    const bool toCover = target == QLatin1String(form::kMain);
    // A screen the program does not have yet leaves the user where he is.
    if (!toCover && !hasScreenFactory(target)) return;
    setBlinking(active, false);
    hideScreen(active);
    if (toCover) {
        showCover();
        return;
    }
    showScreen(target);
    // The screens with a hint blink it again when the user comes back.
    if (active != QLatin1String(form::kStep4) && active != QLatin1String(form::kStep5)) setBlinking(target, true);
}

void MainWindow::goToStep3From(const QString& formName) {
    setBlinking(formName, false);
    hideScreen(formName);
    showScreen(Form(form::kStep3));
}

void MainWindow::chooseDriveConfiguration(int pulleyCount, int twoPulleyMode, Dialogs& answers) {
    if (!entriesConfirmed()) return;
    const QString active = activeFormName();
    if (ChooseDriveConfiguration(project_, answers, pulleyCount, twoPulleyMode,
                                 active == QLatin1String(form::kStep1)))
        goToStep3From(active);
}

void MainWindow::mCentreDistance_Click() {
    chooseDriveConfiguration(2, 1, dialogs_);
}

void MainWindow::mBeltLength_Click() {
    chooseDriveConfiguration(2, 2, dialogs_);
}

void MainWindow::m3Pulleys_Click() {
    chooseDriveConfiguration(3, 0, dialogs_);
}

void MainWindow::m4Pulleys_Click() {
    chooseDriveConfiguration(4, 0, dialogs_);
}

// ---------------------------------------------------------------------------
// File

MsgAnswer MainWindow::askToSave() {
    return dialogs_.message("Data will be lost\rDo you want to save?", kTitle, MsgIcon::Warning,
                            MsgButtons::YesNoCancel, MsgAnswer::Yes);
}

void MainWindow::mOpen_Click() {
    files_->Apri();
}

void MainWindow::mSave_Click() {
    if (project_.demoRunning == 0) files_->Salva();
}

// Save asks for the name each time already; Save As is where a desktop
// user looks for that.
void MainWindow::mSaveAs_Click() {
    mSave_Click();
}

void MainWindow::mExportLayout_Click() {
    if (!OffersLayoutExport(activeFormName())) return;
    const QString path = files_->chooseFile(LayoutExportRequest(files_->startFolder(), files_->fileName()));
    if (!path.isEmpty()) ExportLayout(project_, dialogs_, path);
}

bool MainWindow::resetProject() {
    if (files_->projectChanged()) {
        const MsgAnswer a = askToSave();
        if (a == MsgAnswer::Cancel) return false;
        if (a == MsgAnswer::Yes && !files_->Salva()) return false;
    }
    project_.beltType.clear();
    Resetta();
    return true;
}

void MainWindow::mReset_Click() {
    resetProject();
}

void MainWindow::Resetta() {
    project_.reset();
    details_.clear();
    files_->forgetFile();
    // Resetta stops MAIN's timer too; a cover stopped halfway would have no
    // START button, so it is finished instead.
    if (!closing_) {
        cover_->stopAnimation();
        cover_->finishAnimation();
    }
    unloadScreens();
    showCover();
}

void MainWindow::mExit_Click() {
    if (closing_) return;
    if (files_->projectChanged()) {
        const MsgAnswer a = askToSave();
        if (a == MsgAnswer::Cancel) return;
        if (a == MsgAnswer::Yes && !files_->Salva()) return;
    }
    startClosingMessage();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing the frame would lose a project in progress as surely as Exit.
    if (!closing_ && files_->projectChanged()) {
        const MsgAnswer a = askToSave();
        if (a == MsgAnswer::Cancel) {
            event->ignore();
            return;
        }
        if (a == MsgAnswer::Yes && !files_->Salva()) {
            event->ignore();
            return;
        }
    }
    cover_->stopAnimation();
    tune_.reset();
    event->accept();
}

// ---------------------------------------------------------------------------
// Cover

QTimer* MainWindow::flashTimer() const {
    return cover_->flashTimer();
}

void MainWindow::FLASH_Timer() {
    cover_->FLASH_Timer();
}

bool MainWindow::coverAnimationDone() const {
    return cover_->animationDone();
}

void MainWindow::finishCoverAnimation() {
    cover_->finishAnimation();
}

void MainWindow::startClosingMessage() {
    closing_ = true;
    if (StepScreen* s = activeScreen()) {
        s->setBlinking(false);
        hideScreen(s->formName());
    }
    cover_->showClosingMessage();
    // Nothing may start anew while the program says goodbye.
    menuBar()->setEnabled(false);
    stack_->setCurrentWidget(cover_);
}

// ---------------------------------------------------------------------------
// Help, about, print, demonstration

void MainWindow::mHelp_Click() {
    helpContext_ = HelpContextFor(activeFormName(), helpContext_);
    help_.show(helpContext_);
}

AboutScreen& MainWindow::aboutScreen() {
    if (!about_) about_ = new AboutScreen(*this, project_);
    return *about_;
}

bool MainWindow::playsOn(const QWidget& widget) const {
    for (const QWidget* w = &widget; w; w = w->parentWidget()) {
        if (qobject_cast<const QMenuBar*>(w)) return false;
        if (w == stack_ || (about_ && w == about_)) return true;
    }
    return false;
}

void MainWindow::mInfo_Click() {
    aboutScreen().showModal();
}

void MainWindow::mClose_Click() {
    if (about_ && about_->isVisible()) about_->mClose_Click();
}

void MainWindow::returnFromAbout() {
    // The window gets back the menus of its active screen, which are the
    // ones that screen sets for itself.
    if (StepScreen* s = activeScreen())
        s->applyMenus();
    else
        showCover();
}

void MainWindow::mPrinter_Click() {
    PrintJob job;
    if (PrinterPage(activeFormName(), project_, job, &details_)) print_(job);
}

void MainWindow::mPrinter2_Click() {
    PrintJob job;
    if (activeFormName() == QLatin1String(form::kStep1) && CatalogueTablePage(project_, job)) print_(job);
}

void MainWindow::mDemo_Click() {
    demo_->mDemo_Click();
}

void MainWindow::mLoopDemo_Click() {
    demo_->mLoopDemo_Click();
}

void MainWindow::mStopDemo_Click() {
    demo_->mStopDemo_Click();
}

}  // namespace belt
