// The demonstration: a stored example, a four-pulley drive with an ORVANTO
// T10 belt carrying 3.4 kW at 1200 rpm, played through the real screens one
// step per tick of DemoFlash. Demo plays it once from STEP1; Loop Demo starts
// with the about page scrolling and plays it until Stop Demo.
//
// The script does what a user does: it clicks the choices, types into the
// boxes and presses Enter, and gives the menu commands; the screens and the
// calculation do the rest, as for a user, and the script answers their
// questions. It plays in the units the program starts with, in which its
// texts are typed; the units chosen before come back when it ends.
//
// A step may unload screens (a reset, a surprise that stops the play), so it
// never runs inside another event loop: while a dialog, a message or a popup
// is open the tick waits. While it plays the screens and the about page take
// no input from the user; the menus (Stop Demo) and closing the window stay.
#pragma once

#include <QObject>
#include <array>

#include "platform/dialogs.h"
#include "screens/menuactions.h"

class QTimer;
class QWidget;

namespace belt {

struct DriveProject;
class AboutScreen;
class StepScreen;
struct DemoStep;
class DemoAnswers;

// What the demonstration needs of the main window.
class DemonstrationHost {
public:
    // File > Reset: the save question for a project in progress, then the
    // reset. False when the user kept the project (Cancel, or a save that
    // did not happen).
    virtual bool resetProject() = 0;
    // Clears the project, unloads the screens and shows the cover, asking nothing.
    virtual void Resetta() = 0;
    virtual StepScreen* loadedScreen(const QString& formName) const = 0;
    virtual StepScreen* showScreen(const QString& formName) = 0;
    virtual void hideScreen(const QString& formName) = 0;
    // Go On, and the drive configurations of the second Go On menu, with
    // their questions put to answers.
    virtual void goOn(Dialogs& answers) = 0;
    virtual void chooseDriveConfiguration(int pulleyCount, int twoPulleyMode, Dialogs& answers) = 0;
    // Shows the units chosen in the project: the Unit menu's checks and the
    // active screen.
    virtual void ChangeUnit() = 0;
    virtual AboutScreen& aboutScreen() = 0;
    // Whether the widget belongs to the screens the script plays on (the
    // cover, the step screens, the about page), not to a menu bar.
    virtual bool playsOn(const QWidget& widget) const = 0;
    // Sets the menu bar as the table says for place.
    virtual void showMenus(MenuPlace place) = 0;
    // Puts the questions of the screens and the calculation to answers
    // (nullptr: back to the user).
    virtual void answerWith(Dialogs* answers) = 0;

protected:
    ~DemonstrationHost() = default;
};

class Demonstration : public QObject {
    Q_OBJECT
public:
    // A step every three seconds.
    static constexpr int kTickMs = 3000;
    // The script's last step.
    static constexpr int kLastStep = 43;

    Demonstration(DemonstrationHost& window, DriveProject& project, QObject* parent);

    QTimer* DemoFlash() const { return timer_; }

    // The menu commands. Demo and Loop Demo ask to save a project in
    // progress first; Cancel (or a save that did not happen) leaves the
    // project alone and starts nothing.
    void mDemo_Click();
    void mLoopDemo_Click();
    void mStopDemo_Click();
    // One tick: performs step demoStep of the script and moves on; waits
    // (does nothing) while another event loop runs.
    void DemoFlash_Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A dialog, a message box or a popup is open, or their event loop runs.
    bool anotherLoopRuns() const;
    void start(int firstStep, int mode);
    void finish();
    void restoreUnits();
    void perform(const DemoStep& step, DemoAnswers& answers);
    void typeInto(const DemoStep& step);

    DemonstrationHost& window_;
    DriveProject& project_;
    QTimer* timer_ = nullptr;
    // The units the user had chosen, for while the script plays in the start-up units.
    std::array<int, 8> userUnits_{};
    // The event loop the play started in: its ticks run only there.
    int loopLevel_ = 0;
};

}  // namespace belt
