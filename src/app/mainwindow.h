// MAIN: the program's frame. It owns the menu bar, the cover with its
// animation and tune, the help viewer and the wizard navigation, and hosts the
// step screens STEP1..STEP6 one at a time, maximised in its MDI area.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

#include "app/printing.h"
#include "engine/designsequence.h"
#include "engine/details.h"
#include "platform/dialogs.h"
#include "screens/menuactions.h"

class QMdiArea;
class QMdiSubWindow;
class QStackedWidget;
class QTextBrowser;
class QTimer;

namespace belt {

struct DriveProject;
class StepScreen;
class AboutScreen;
class Cover;
class Demonstration;
class FileCommands;
class TunePlayer;

// Help context number for the active form: 0 for the cover ("MAIN"), 1..6 for
// STEP1..STEP6; any other window (the about screen) keeps the previous one.
int HelpContextFor(const QString& activeForm, int previous);

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    using ScreenFactory = std::function<StepScreen*(DriveProject&, Dialogs&, MenuActions&, QWidget*)>;
    using DesignSequence = std::function<NextStep(DriveProject&, Dialogs&, const QString& activeForm)>;

    // Shows nothing by itself; main() shows the window. The tune starts with
    // the window unless playTune is false (tests).
    MainWindow(DriveProject& project, Dialogs& dialogs, bool playTune = true, QWidget* parent = nullptr);
    ~MainWindow() override;

    // --- Hosting the step screens -------------------------------------------------
    // The screens the program knows are registered at construction; tests may
    // replace or add one. A form without factory cannot be shown.
    void setScreenFactory(const QString& formName, ScreenFactory factory);
    bool hasScreenFactory(const QString& formName) const;
    // The screen if it is loaded, else nullptr.
    StepScreen* loadedScreen(const QString& formName) const;
    // Loads the screen if needed and shows it maximised (the cover is hidden);
    // sets its menus unless the demonstration runs. nullptr without factory.
    StepScreen* showScreen(const QString& formName);
    void hideScreen(const QString& formName);
    // Unloads every step screen, STEP6 down to STEP1.
    void unloadScreens();
    void showCover();
    // "STEP1".."STEP6", or "MAIN" while only the cover is shown.
    QString activeFormName() const;
    StepScreen* activeScreen() const;

    DriveProject& project() { return project_; }
    MenuActions& menus() { return menus_; }
    Cover* cover() const { return cover_; }
    // File > Open and File > Save, the command line's and a dropped file.
    FileCommands& fileCommands() const { return *files_; }
    // The about screen STEP0, loaded the first time it is asked for.
    AboutScreen& aboutScreen();
    // Demo and Loop Demo with their DemoFlash timer.
    Demonstration& demonstration() const { return *demo_; }
    QMdiArea* mdiArea() const { return mdi_; }

    // The design calculation sequence run by Go On on STEP3 and STEP4
    // (GoOnFromStep3 / GoOnFromStep4 unless a test replaces it).
    void setDesignSequence(DesignSequence sequence) { designSequence_ = std::move(sequence); }
    // The calculation details of the design in progress: what Go On's
    // design sequence computed (and the width changed on STEP5), shown on
    // STEP5 and printed with the report. Cleared with the project.
    DesignDetails& designDetails() { return details_; }

    // What ends the program on the closing message's third tick (tests
    // replace it).
    void setQuitHandler(std::function<void()> quit) { quit_ = std::move(quit); }

    // Where Print sends its page: the print preview unless a test replaces it.
    void setPrintHandler(std::function<void(const PrintJob&)> print) { print_ = std::move(print); }

    // --- Cover and closing message ------------------------------------------------
    QTimer* flashTimer() const { return flash_; }
    bool coverAnimationDone() const;
    // Brings the cover to the end state of its animation at once.
    void finishCoverAnimation();
    bool closingMessageShown() const { return closing_; }

    // --- Help ------------------------------------------------------------------
    int helpContext() const { return helpContext_; }
    QTextBrowser* helpBrowser() const { return helpBrowser_; }

    // The save question: "Data will be lost" + CR + "Do you want to save?".
    MsgAnswer askToSave();

public slots:
    // Menu commands, by the names of their menu items.
    void mGoon_Click();
    void mGoBack_Click();
    void mCentreDistance_Click();
    void mBeltLength_Click();
    void m3Pulleys_Click();
    void m4Pulleys_Click();
    void mOpen_Click();
    void mSave_Click();
    void mExportLayout_Click();
    void mReset_Click();
    void mExit_Click();
    void mHelp_Click();
    void mInfo_Click();
    void mPrinter_Click();
    void mPrinter2_Click();
    void mDemo_Click();
    void mLoopDemo_Click();
    void mStopDemo_Click();
    // L_Click, V_Click, ...: quantity q (0..7) and the item index u (1..n).
    void unitClick(int quantity, int u);
    void ChangeUnit();
    // Clears the project, unloads the screens and shows the cover (no question).
    void Resetta();
    // The 50 ms cover animation, or the 2000 ms closing message.
    void FLASH_Timer();
    void COVER_GotFocus();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    // Alt and the underlined letter: the item of that letter shown on the bar.
    void pressBarLetter(const QKeySequence& letter);
    void initialiseCover();  // MDIForm_Initialize's cover layout
    void startClosingMessage();
    void setBlinking(const QString& formName, bool on);
    void goToStep3From(const QString& formName);
    void chooseDriveConfiguration(int count, int mode);
    // False (after saying which box waits) while the active screen holds a
    // number typed and not confirmed with Enter.
    bool entriesConfirmed();
    void applyMenusOf(StepScreen* screen);

    DriveProject& project_;
    Dialogs& dialogs_;
    MenuActions menus_;
    QStackedWidget* stack_ = nullptr;
    Cover* cover_ = nullptr;
    FileCommands* files_ = nullptr;
    AboutScreen* about_ = nullptr;
    Demonstration* demo_ = nullptr;
    QMdiArea* mdi_ = nullptr;
    QTimer* flash_ = nullptr;
    QHash<QString, ScreenFactory> factories_;
    QHash<QString, QPointer<QMdiSubWindow>> subWindows_;
    QPointer<StepScreen> active_;
    DesignSequence designSequence_;
    DesignDetails details_;
    std::function<void()> quit_;
    std::function<void(const PrintJob&)> print_;
    std::unique_ptr<TunePlayer> tune_;
    QTextBrowser* helpBrowser_ = nullptr;
    int helpContext_ = 0;
    bool closing_ = false;
    int closingTicks_ = 0;
};

// Registers the step screens built into the program.
void RegisterBuiltInScreens(MainWindow& window);

}  // namespace belt
