#include "app/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFrame>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QShortcutEvent>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <cmath>

#include "app/aboutscreen.h"
#include "app/assets.h"
#include "app/cover.h"
#include "app/demonstration.h"
#include "app/filecommands.h"
#include "app/layoutexport.h"
#include "app/tuneplayer.h"
#include "app/whenshown.h"
#include "drawing/logo.h"
#include "drawing/stylecolours.h"
#include "engine/navigation.h"
#include "project/driveproject.h"
#include "screens/placeform.h"
#include "screens/stepscreen.h"
#include "units/units.h"

namespace belt {

namespace {

const char* const kTitle = "VESTRANO BELT CALCULATION";
constexpr int kCoverTick = 50;
constexpr int kClosingTick = 2000;

const QStringList& stepNames() {
    static const QStringList names = {QStringLiteral("STEP1"), QStringLiteral("STEP2"),
                                      QStringLiteral("STEP3"), QStringLiteral("STEP4"),
                                      QStringLiteral("STEP5"), QStringLiteral("STEP6")};
    return names;
}

// The screens that show the drive's layout, or follow it, offer its export.
bool IsLayoutScreen(const QString& form) {
    return form == QLatin1String("STEP4") || form == QLatin1String("STEP5") || form == QLatin1String("STEP6");
}

}  // namespace

int HelpContextFor(const QString& activeForm, int previous) {
    if (activeForm == QLatin1String("MAIN")) return 0;
    const int index = stepNames().indexOf(activeForm);
    return index >= 0 ? index + 1 : previous;
}

MainWindow::MainWindow(DriveProject& project, Dialogs& dialogs, bool playTune, QWidget* parent)
    : QMainWindow(parent),
      project_(project),
      dialogs_(dialogs),
      designSequence_([](DriveProject& p, Dialogs& d, const QString& form) {
          return form == QLatin1String("STEP3") ? GoOnFromStep3(p, d) : GoOnFromStep4(p, d);
      }),
      quit_([] { QApplication::quit(); }),
      print_([this](const PrintJob& job) {
          const QString error = ShowPrintPreview(this, job);
          if (!error.isEmpty())
              dialogs_.message("Printing is not available:\r" + error.toStdString(), kTitle,
                               MsgIcon::Warning);
      }) {
    setObjectName(QStringLiteral("MAIN"));
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

    buildMenus();
    files_ = new FileCommands(*this, project_, dialogs_);
    demo_ = new Demonstration(*this, project_);

    flash_ = new QTimer(this);
    flash_->setObjectName(QStringLiteral("FLASH"));
    flash_->setInterval(kCoverTick);
    connect(flash_, &QTimer::timeout, this, &MainWindow::FLASH_Timer);

    connect(cover_->START, &QPushButton::clicked, this, &MainWindow::mGoon_Click);
    connect(cover_->bINFO, &QPushButton::clicked, this, &MainWindow::mInfo_Click);
    connect(cover_, &Cover::gotFocus, this, &MainWindow::COVER_GotFocus);

    initialiseCover();

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
    flash_->start();
}

MainWindow::~MainWindow() {
    // MDIForm_Unload closes the tune; the screens go before the project they use.
    tune_.reset();
    unloadScreens();
}

// ---------------------------------------------------------------------------
// Menus

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    MenuActions& m = menus_;
    auto command = [&](const char* name, const char* caption, void (MainWindow::*slot)()) {
        QAction* a = bar->addAction(QString::fromUtf8(caption));
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    auto item = [&](QMenu* menu, const char* name, const char* caption, void (MainWindow::*slot)()) {
        QAction* a = menu->addAction(QString::fromUtf8(caption));
        a->setObjectName(QString::fromLatin1(name));
        if (slot) connect(a, &QAction::triggered, this, slot);
        return a;
    };
    auto submenu = [&](QWidget* parentMenu, const char* name, const char* caption) {
        auto* menu = new QMenu(QString::fromUtf8(caption), parentMenu);
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name));
        return menu;
    };

    m.mStopDemo = command("mStopDemo", "&Stop Demo", &MainWindow::mStopDemo_Click);
    // The only item left on the bar while the about screen is up: it closes that screen.
    m.mClose = bar->addAction(QStringLiteral("&Close"));
    m.mClose->setObjectName(QStringLiteral("mClose"));
    connect(m.mClose, &QAction::triggered, this, [this] {
        if (about_ && about_->isVisible()) about_->mClose_Click();
    });

    QMenu* file = submenu(bar, "mFile", "&File");
    m.mOpen = item(file, "mOpen", "&Open", &MainWindow::mOpen_Click);
    m.mSave = item(file, "mSave", "&Save", &MainWindow::mSave_Click);
    m.mExportLayout = item(file, "mExportLayout", "Export &layout\u2026", &MainWindow::mExportLayout_Click);
    m.mReset = item(file, "mReset", "&Reset", &MainWindow::mReset_Click);
    file->addSeparator()->setObjectName(QStringLiteral("m0"));
    m.mExit = item(file, "mExit", "&Exit", &MainWindow::mExit_Click);
    m.mFile = bar->addMenu(file);

    m.mGoBack = command("mGoBack", "Go &Back", &MainWindow::mGoBack_Click);
    m.mGoon = command("mGoon", "Go &On", &MainWindow::mGoon_Click);

    QMenu* goon2 = submenu(bar, "mGoon2", "Go &On");
    QMenu* two = submenu(goon2, "m2Pulleys", "&2 Pulleys");
    m.mCentreDistance = item(two, "mCentreDistance", "&Centre Distance", &MainWindow::mCentreDistance_Click);
    m.mBeltLength = item(two, "mBeltLength", "&Belt Length", &MainWindow::mBeltLength_Click);
    m.m2Pulleys = goon2->addMenu(two);
    m.m3Pulleys = item(goon2, "m3Pulleys", "&3 Pulleys", &MainWindow::m3Pulleys_Click);
    m.m4Pulleys = item(goon2, "m4Pulleys", "&4 Pulleys", &MainWindow::m4Pulleys_Click);
    m.mGoon2 = bar->addMenu(goon2);

    QMenu* unit = submenu(bar, "mUnit", "&Unit");
    struct Group {
        const char* name;
        const char* caption;
        const char* items;  // control array name
        int quantity;
        std::initializer_list<const char*> captions;
    };
    const Group groups[] = {
        {"mLenght", "&Lenght", "L", kLength, {"mm", "m", "cm", "in", "ft"}},
        {"mVelocity", "&Velocity", "V", kVelocity, {"m/s", "ft/s", "m/min"}},
        {"mAngVel", "&Angular velocity", "A", kAngularVelocity, {"rpm", "rad/s"}},
        {"mAcc", "A&cceleration", "C", kAcceleration, {"m/s^2", "ft/s^2"}},
        {"mMass", "&Mass", "m", kMass, {"kg", "lb"}},
        {"mForce", "&Force", "F", kForce, {"N", "kgf", "lbf"}},
        {"mTorque", "&Torque", "T", kTorque, {"N m", "kgf m", "lbf ft"}},
        {"mPower", "&Power", "P", kPower, {"kW", "W", "kcal/h", "kgf m/s", "lbf ft/s", "CV", "HP"}},
    };
    for (const Group& g : groups) {
        QMenu* menu = submenu(unit, g.name, g.caption);
        int u = 1;
        for (const char* caption : g.captions) {
            QAction* a = menu->addAction(QString::fromUtf8(caption));
            a->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(g.items)).arg(u));
            a->setCheckable(true);
            const int q = g.quantity;
            connect(a, &QAction::triggered, this, [this, q, u] { unitClick(q, u); });
            m.unitItems[static_cast<std::size_t>(q)][static_cast<std::size_t>(u)] = a;
            ++u;
        }
        unit->addMenu(menu);
    }
    m.mUnit = bar->addMenu(unit);

    m.mPrinter = command("mPrinter", "&Print", &MainWindow::mPrinter_Click);
    m.mPrinter2 = command("mPrinter2", "&Print", &MainWindow::mPrinter2_Click);
    m.mDemo = command("mDemo", "&Demo", &MainWindow::mDemo_Click);
    m.mLoopDemo = command("mLoopDemo", "&Loop Demo", &MainWindow::mLoopDemo_Click);

    QMenu* help = submenu(bar, "mInt", "&?");
    m.mHelp = item(help, "mHelp", "&Help", &MainWindow::mHelp_Click);
    help->addSeparator()->setObjectName(QStringLiteral("m14"));
    m.mInfo = item(help, "mInfo", "about &VESTRANO", &MainWindow::mInfo_Click);
    m.mInt = bar->addMenu(help);

    // The desktop's usual keys; a hidden command does not answer its key.
    m.mOpen->setShortcut(QKeySequence::Open);
    m.mSave->setShortcut(QKeySequence::Save);
    m.mPrinter->setShortcut(QKeySequence::Print);
    m.mPrinter2->setShortcut(QKeySequence::Print);
    m.mHelp->setShortcut(QKeySequence::HelpContents);

    // The design: everything but File, Demo, Loop Demo and "?" is hidden.
    ShowCoverMenus(m);
    bar->installEventFilter(this);
}

// Qt's bar hands Alt and a letter to the first item of that letter, hidden
// or not: "Go &On" and "&Print" stand twice in it, one copy hidden, and
// their letters went to the hidden copy. The letter belongs to the item shown.
bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == menuBar() && event->type() == QEvent::Shortcut) {
        pressBarLetter(static_cast<QShortcutEvent*>(event)->key());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::pressBarLetter(const QKeySequence& letter) {
    QMenuBar* bar = menuBar();
    if (!bar->isEnabled()) return;
    for (QAction* a : bar->actions()) {
        if (!a->isVisible() || !a->isEnabled() || QKeySequence::mnemonic(a->text()) != letter) continue;
        if (a->menu())
            bar->setActiveAction(a);  // the menu opens and takes the keys: a letter or the arrows
        else
            a->trigger();
        return;
    }
}

void MainWindow::unitClick(int quantity, int u) {
    ChooseUnit(project_, quantity, u);
    ChangeUnit();
}

void MainWindow::ChangeUnit() {
    for (int q = 0; q < 8; ++q)
        for (int u = 1; u <= kUnitCount[q]; ++u)
            if (QAction* a = menus_.unitItems[static_cast<std::size_t>(q)][static_cast<std::size_t>(u)])
                a->setChecked(false);
    for (int q = 0; q < 8; ++q) {
        const int u = CurrentUnit(project_, q);
        if (u >= 1 && u <= kUnitCount[q])
            if (QAction* a = menus_.unitItems[static_cast<std::size_t>(q)][static_cast<std::size_t>(u)])
                a->setChecked(true);
    }
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
    // A screen that put the focus in its first box keeps it there.
    if (!screen->isAncestorOf(QApplication::focusWidget())) screen->setFocus();
    return screen;
}

void MainWindow::applyMenusOf(StepScreen* screen) {
    if (project_.demoRunning != 0) return;
    screen->applyMenus();
    menus_.mExportLayout->setVisible(IsLayoutScreen(screen->formName()));
}

void MainWindow::hideScreen(const QString& formName) {
    if (QMdiSubWindow* sub = subWindows_.value(formName)) sub->hide();
    if (active_ && active_->formName() == formName) active_ = nullptr;
}

void MainWindow::unloadScreens() {
    for (int i = stepNames().size() - 1; i >= 0; --i) {
        const QString& name = stepNames().at(i);
        if (QPointer<QMdiSubWindow> sub = subWindows_.take(name)) {
            if (StepScreen* s = qobject_cast<StepScreen*>(sub->widget())) s->setBlinking(false);
            mdi_->removeSubWindow(sub);
            delete sub;
        }
    }
    // Screens a test registered under other names go as well.
    for (auto it = subWindows_.begin(); it != subWindows_.end(); it = subWindows_.erase(it))
        if (it.value()) {
            mdi_->removeSubWindow(it.value());
            delete it.value();
        }
    active_ = nullptr;
}

void MainWindow::showCover() {
    stack_->setCurrentWidget(cover_);
    cover_->show();
    active_ = nullptr;
    cover_->setFocus();
    COVER_GotFocus();
}

QString MainWindow::activeFormName() const {
    if (active_ && stack_->currentWidget() == mdi_) return active_->formName();
    return QStringLiteral("MAIN");
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
    if (!entriesConfirmed()) return;
    const QString form = activeFormName();
    if (form == QLatin1String("MAIN")) {
        if (closing_) return;
        if (showScreen(QStringLiteral("STEP1"))) setBlinking(QStringLiteral("STEP1"), true);
    } else if (form == QLatin1String("STEP1")) {
        if (!GoOnFromStep1(project_, dialogs_)) return;
        setBlinking(form, false);
        hideScreen(form);
        if (showScreen(QStringLiteral("STEP2"))) setBlinking(QStringLiteral("STEP2"), true);
    } else if (form == QLatin1String("STEP2")) {
        if (!GoOnFromStep2(project_, dialogs_)) return;
        setBlinking(form, false);
        hideScreen(form);
        showScreen(QStringLiteral("STEP3"));
    } else if (form == QLatin1String("STEP3") || form == QLatin1String("STEP4")) {
        RecordingDialogs recording(dialogs_, details_);
        switch (designSequence_(project_, recording, form)) {
            case NextStep::Stay:
                // A standard length taken before the stop (the centre
                // distance recomputed for it) is what the next Go On uses:
                // the boxes show it.
                if (form == QLatin1String("STEP3"))
                    if (StepScreen* s = activeScreen()) s->refresh();
                break;
            case NextStep::StayRereadCentreDistanceAndLength:
                if (StepScreen* s = activeScreen()) s->rereadAfterCancelledLength();
                break;
            case NextStep::ShowAdjustHint:
                if (StepScreen* s = activeScreen()) s->showAdjustHint();
                break;
            case NextStep::ShowStep4:
                hideScreen(form);
                showScreen(QStringLiteral("STEP4"));
                break;
            case NextStep::ShowStep5:
                hideScreen(form);
                if (showScreen(QStringLiteral("STEP5"))) setBlinking(QStringLiteral("STEP5"), true);
                break;
        }
    } else if (form == QLatin1String("STEP5")) {
        if (!hasScreenFactory(QStringLiteral("STEP6"))) return;
        setBlinking(form, false);
        hideScreen(form);
        showScreen(QStringLiteral("STEP6"));
    }
}

void MainWindow::mGoBack_Click() {
    if (!entriesConfirmed()) return;
    const QString form = activeFormName();
    const QString target = QString::fromStdString(GoBackTarget(project_, form.toStdString()));
    if (target.isEmpty()) return;
    // A screen the program does not have yet leaves the user where he is.
    if (target != QLatin1String("MAIN") && !hasScreenFactory(target)) return;
    setBlinking(form, false);
    hideScreen(form);
    if (target == QLatin1String("MAIN")) {
        showCover();
        return;
    }
    showScreen(target);
    // The screens with a hint blink it again when the user comes back.
    if (form != QLatin1String("STEP4") && form != QLatin1String("STEP5")) setBlinking(target, true);
}

void MainWindow::goToStep3From(const QString& formName) {
    setBlinking(formName, false);
    hideScreen(formName);
    showScreen(QStringLiteral("STEP3"));
}

void MainWindow::chooseDriveConfiguration(int count, int mode) {
    if (!entriesConfirmed()) return;
    const QString form = activeFormName();
    if (ChooseDriveConfiguration(project_, dialogs_, count, mode, form == QLatin1String("STEP1")))
        goToStep3From(form);
}

void MainWindow::mCentreDistance_Click() {
    chooseDriveConfiguration(2, 1);
}

void MainWindow::mBeltLength_Click() {
    chooseDriveConfiguration(2, 2);
}

void MainWindow::m3Pulleys_Click() {
    chooseDriveConfiguration(3, 0);
}

void MainWindow::m4Pulleys_Click() {
    chooseDriveConfiguration(4, 0);
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

void MainWindow::mExportLayout_Click() {
    if (!IsLayoutScreen(activeFormName())) return;
    const QString path = files_->chooseFile(LayoutExportRequest(files_->startFolder(), files_->fileName()));
    if (!path.isEmpty()) ExportLayout(project_, dialogs_, path);
}

void MainWindow::mReset_Click() {
    if (files_->projectChanged()) {
        const MsgAnswer a = askToSave();
        if (a == MsgAnswer::Cancel) return;
        if (a == MsgAnswer::Yes && !files_->Salva()) return;
    }
    project_.beltType.clear();
    Resetta();
}

void MainWindow::Resetta() {
    project_.reset();
    details_.clear();
    files_->forgetFile();
    // Resetta stops MAIN's timer too; a cover stopped halfway would have no
    // START button, so it is finished instead.
    if (!closing_) {
        flash_->stop();
        finishCoverAnimation();
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
    flash_->stop();
    tune_.reset();
    event->accept();
}

// ---------------------------------------------------------------------------
// Cover

void MainWindow::initialiseCover() {
    Cover& c = *cover_;
    PlaceForm(c.LOGO, 45, -53, 15, 35);
    PlaceForm(c.Titolo, 1, 34, 98, 20);
    // The first and third texts wait just left of the cover, the second just
    // right of it, the last below it.
    c.placeAuto(c.BYEMSG[0], 0, 62, Cover::Anchor::Right);
    c.placeAuto(c.BYEMSG[1], 102, 69);
    c.placeAuto(c.BYEMSG[2], 0, 80, Cover::Anchor::Right);
    c.placeAuto(c.BYEMSG[3], 10, 105);
    PlaceForm(c.START, 72, 79, 23, 18);
    PlaceForm(c.bINFO, 48, 79, 23, 18);
    PlaceForm(c.Line1, 5, 52.85, 90, 0.3);
    c.Line1->show();
    c.START->hide();
    c.bINFO->hide();
}

namespace {
void moveTo(QWidget* w, double left, double top) {
    const QRectF r = LogicalRect(w);
    PlaceForm(w, left, top, r.width(), r.height());
}
}  // namespace

bool MainWindow::coverAnimationDone() const {
    return cover_->START->isVisibleTo(cover_);
}

void MainWindow::finishCoverAnimation() {
    Cover& c = *cover_;
    c.setLabelFontSize(c.Titolo, 50);
    moveTo(c.LOGO, 45, 1);
    for (int i = 0; i < 4; ++i) moveTo(c.BYEMSG[i], 5, LogicalRect(c.BYEMSG[i]).top());
    moveTo(c.BYEMSG[3], 5, 90);
    c.START->show();
    c.bINFO->show();
}

void MainWindow::FLASH_Timer() {
    if (flash_->interval() == kClosingTick) {
        ++closingTicks_;
        if (closingTicks_ == 1)
            cover_->BYEMSG[0]->show();
        else if (closingTicks_ == 2)
            cover_->BYEMSG[1]->show();
        else if (closingTicks_ >= 3) {
            flash_->stop();
            quit_();
        }
        return;
    }

    Cover& c = *cover_;
    const double size = c.labelFontSize(c.Titolo);
    if (size < 50) c.setLabelFontSize(c.Titolo, size + 2);

    const double logoTop = LogicalRect(c.LOGO).top();
    if (logoTop < 1) {
        moveTo(c.LOGO, 45, logoTop + 2);
        return;
    }
    const QRectF b0 = LogicalRect(c.BYEMSG[0]);
    if (b0.left() < 5) {
        moveTo(c.BYEMSG[0], b0.left() + 1, b0.top());
        return;
    }
    // BYEMSG(1) and then BYEMSG(2) close in on the left edge of the text
    // above and snap to it once they are within 2 units.
    const QRectF b1 = LogicalRect(c.BYEMSG[1]);
    if (b1.left() != b0.left()) {
        moveTo(c.BYEMSG[1], std::abs(b1.left() - b0.left()) <= 2 ? b0.left() : b1.left() - 2, b1.top());
        return;
    }
    const QRectF b2 = LogicalRect(c.BYEMSG[2]);
    if (b2.left() != b1.left()) {
        moveTo(c.BYEMSG[2], std::abs(b2.left() - b1.left()) <= 2 ? b1.left() : b2.left() + 1, b2.top());
        return;
    }
    const QRectF b3 = LogicalRect(c.BYEMSG[3]);
    if (b3.top() > 90) {
        moveTo(c.BYEMSG[3], b2.left(), b3.top() - 1);
        return;
    }
    if (c.Line1->isVisibleTo(&c)) {
        c.bINFO->show();
        c.START->show();
        flash_->stop();
    }
}

void MainWindow::startClosingMessage() {
    closing_ = true;
    closingTicks_ = 0;
    flash_->stop();
    if (StepScreen* s = activeScreen()) {
        s->setBlinking(false);
        hideScreen(s->formName());
    }
    Cover& c = *cover_;
    c.START->hide();
    c.bINFO->hide();
    c.Titolo->hide();
    c.setClosingLook(true);
    flash_->setInterval(kClosingTick);
    moveTo(c.LOGO, 45, 5);
    c.BYEMSG[0]->setText(QStringLiteral("Thank you ..."));
    c.BYEMSG[1]->setText(QStringLiteral("to have chosen VESTRANO belts."));
    c.setLabelFontSize(c.BYEMSG[0], 18);
    c.setLabelFontSize(c.BYEMSG[1], 18);
    for (QLabel* l : c.BYEMSG) l->hide();
    c.placeAuto(c.BYEMSG[0], 50, 60, Cover::Anchor::Centre);
    c.placeAuto(c.BYEMSG[1], 68, 70, Cover::Anchor::Centre);
    // Nothing may start anew while the program says goodbye.
    menuBar()->setEnabled(false);
    stack_->setCurrentWidget(cover_);
    flash_->start();
}

// ---------------------------------------------------------------------------
// Help, about, print, demonstration

void MainWindow::mHelp_Click() {
    helpContext_ = HelpContextFor(activeFormName(), helpContext_);
    if (!helpBrowser_) {
        auto* window = new QDialog(this, Qt::Window);
        window->setObjectName(QStringLiteral("HelpWindow"));
        window->setWindowTitle(QStringLiteral("VESTRANO BELT CALCULATION - Help"));
        window->resize(720, 640);
        auto* layout = new QVBoxLayout(window);
        layout->setContentsMargins(0, 0, 0, 0);
        helpBrowser_ = new QTextBrowser(window);
        helpBrowser_->setOpenExternalLinks(false);
        layout->addWidget(helpBrowser_);
        helpBrowser_->setSource(QUrl::fromLocalFile(AssetPath(QStringLiteral("help.html"))));
    }
    helpBrowser_->scrollToAnchor(QStringLiteral("context%1").arg(helpContext_));
    QWidget* window = helpBrowser_->window();
    window->show();
    window->raise();
    window->activateWindow();
}

AboutScreen& MainWindow::aboutScreen() {
    if (!about_) about_ = new AboutScreen(*this, project_);
    return *about_;
}

void MainWindow::mInfo_Click() {
    aboutScreen().showModal();
}

void MainWindow::mPrinter_Click() {
    PrintJob job;
    if (PrinterPage(activeFormName(), project_, job, &details_)) print_(job);
}

void MainWindow::mPrinter2_Click() {
    PrintJob job;
    if (activeFormName() == QLatin1String("STEP1") && CatalogueTablePage(project_, job)) print_(job);
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
