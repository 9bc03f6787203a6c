// MAIN: the program's frame. It hosts the step screens STEP1..STEP6 one at a
// time, maximised in its MDI area, or the cover, and switches between them as
// the menu commands ask; the menu bar (menubar.h), the cover's animation
// (cover.h), the help (helpviewer.h), the file commands, the about page and the
// demonstration are parts of their own.
#pragma once

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>

#include "app/aboutscreen.h"
#include "app/demonstration.h"
#include "app/filecommands.h"
#include "app/helpviewer.h"
#include "app/printing.h"
#include "engine/designsequence.h"
#include "engine/details.h"
#include "platform/dialogs.h"
#include "platform/standindialogs.h"
#include "screens/menuactions.h"

class QMdiArea;
class QMdiSubWindow;
class QStackedWidget;
class QTextBrowser;
class QTimer;

namespace belt {

struct DriveProject;
class StepScreen;
class Cover;
class TunePlayer;

class MainWindow : public QMainWindow,
                   public MenuCommands,
                   public FileCommandsHost,
                   public AboutScreenHost,
                   public DemonstrationHost {
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
    StepScreen* loadedScreen(const QString& formName) const override;
    // Loads the screen if needed and shows it maximised (the cover is hidden);
    // sets its menus unless the demonstration runs. nullptr without factory.
    StepScreen* showScreen(const QString& formName) override;
    void hideScreen(const QString& formName) override;
    // Unloads every step screen, STEP6 down to STEP1. They are gone from the
    // window at once and deleted once control is back in the event loop, so
    // that a screen whose code waits on a message or a dialog outlives it.
    void unloadScreens();
    void showCover();
    // "STEP1".."STEP6", or "MAIN" while only the cover is shown.
    QString activeFormName() const override;
    StepScreen* activeScreen() const override;

    DriveProject& project() { return project_; }
    MenuActions& menus() { return menus_; }
    Cover* cover() const { return cover_; }
    // File > Open and File > Save, the command line's and a dropped file.
    FileCommands& fileCommands() const { return *files_; }
    // The about screen STEP0, loaded the first time it is asked for.
    AboutScreen& aboutScreen() override;
    bool playsOn(const QWidget& widget) const override;
    // Demo and Loop Demo with their DemoFlash timer.
    Demonstration& demonstration() const { return *demo_; }
    QMdiArea* mdiArea() const { return mdi_; }

    // The design calculation sequence run by Go On on STEP3 and STEP4
    // (GoOnFromStep3 / GoOnFromStep4 unless a test replaces it).
    void setDesignSequence(DesignSequence sequence) { designSequence_ = std::move(sequence); }
    // The calculation details of the design in progress: what Go On's
    // design sequence computed (and the width changed on STEP5), shown on
    // STEP5 and printed with the report. Cleared with the project.
    void answerWith(Dialogs* answers) override { dialogs_.setStandIn(answers); }
    DesignDetails& designDetails() { return details_; }

    // What ends the program on the closing message's third tick (tests
    // replace it).
    void setQuitHandler(std::function<void()> quit) { quit_ = std::move(quit); }

    // Where Print sends its page: the print preview unless a test replaces it.
    void setPrintHandler(std::function<void(const PrintJob&)> print) { print_ = std::move(print); }

    // --- Cover and closing message (the cover's FLASH timer) ------------------------
    QTimer* flashTimer() const;
    void FLASH_Timer();
    bool coverAnimationDone() const;
    // Brings the cover to the end state of its animation at once.
    void finishCoverAnimation();
    bool closingMessageShown() const override { return closing_; }

    // --- Help ------------------------------------------------------------------
    int helpContext() const { return helpContext_; }
    QTextBrowser* helpBrowser() const { return help_.browser(); }

    // The save question: "Data will be lost" + CR + "Do you want to save?".
    MsgAnswer askToSave() override;

    // --- What the file commands, the about page and the demonstration ask -------------
    QWidget& frame() override { return *this; }
    void showMenus(MenuPlace place) override;
    void returnFromAbout() override;
    bool resetProject() override;
    void goOn(Dialogs& answers) override;
    void chooseDriveConfiguration(int pulleyCount, int twoPulleyMode, Dialogs& answers) override;

public slots:
    // Menu commands, by the names of their menu items.
    void mGoon_Click() override;
    void mGoBack_Click() override;
    void mCentreDistance_Click() override;
    void mBeltLength_Click() override;
    void m3Pulleys_Click() override;
    void m4Pulleys_Click() override;
    void mOpen_Click() override;
    void mSave_Click() override;
    void mSaveAs_Click() override;
    void mExportLayout_Click() override;
    void mReset_Click() override;
    void mExit_Click() override;
    void mClose_Click() override;
    void mHelp_Click() override;
    void mInfo_Click() override;
    void mPrinter_Click() override;
    void mPrinter2_Click() override;
    void mDemo_Click() override;
    void mLoopDemo_Click() override;
    void mStopDemo_Click() override;
    // L_Click, V_Click, ...: quantity q (0..7) and the item index u (1..n).
    void unitClick(int quantity, int u) override;
    // Checks the units chosen in the Unit menu and shows them on the active screen.
    void ChangeUnit() override;
    // Clears the project, unloads the screens and shows the cover (no question).
    void Resetta() override;
    void COVER_GotFocus();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void startClosingMessage();
    void setBlinking(const QString& formName, bool on);
    void goToStep3From(const QString& formName);
    // False (after saying which box waits) while the active screen holds a
    // number typed and not confirmed with Enter.
    bool entriesConfirmed();
    void applyMenusOf(StepScreen* screen);

    DriveProject& project_;
    // The user's dialogs, which the demonstration stands in for while it plays.
    StandInDialogs dialogs_;
    MenuActions menus_;
    QStackedWidget* stack_ = nullptr;
    Cover* cover_ = nullptr;
    FileCommands* files_ = nullptr;
    AboutScreen* about_ = nullptr;
    Demonstration* demo_ = nullptr;
    QMdiArea* mdi_ = nullptr;
    QHash<QString, ScreenFactory> factories_;
    QHash<QString, QPointer<QMdiSubWindow>> subWindows_;
    // Unloaded screens waiting for the event loop to delete them.
    QList<QPointer<QMdiSubWindow>> unloaded_;
    QPointer<StepScreen> active_;
    DesignSequence designSequence_;
    DesignDetails details_;
    std::function<void()> quit_;
    std::function<void(const PrintJob&)> print_;
    std::unique_ptr<TunePlayer> tune_;
    HelpViewer help_;
    int helpContext_ = 0;
    bool closing_ = false;
};

// Registers the step screens built into the program.
void RegisterBuiltInScreens(MainWindow& window);

}  // namespace belt
