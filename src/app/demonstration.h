// The demonstration: a stored example, a four-pulley drive with an ORVANTO
// T10 belt carrying 3.4 kW at 1200 rpm, played through the real screens one
// step per tick of DemoFlash. Demo plays it once from STEP1; Loop Demo starts
// with the about page scrolling and plays it until Stop Demo.
#pragma once

#include <QObject>

class QTimer;

namespace belt {

struct DriveProject;
class MainWindow;

class Demonstration : public QObject {
    Q_OBJECT
public:
    // A step every three seconds.
    static constexpr int kTickMs = 3000;
    // The script's last step.
    static constexpr int kLastStep = 43;

    Demonstration(MainWindow& window, DriveProject& project);

    QTimer* DemoFlash() const { return timer_; }

    // The menu commands. Demo and Loop Demo ask to save a project in
    // progress first; Cancel (or a save that did not happen) leaves the
    // project alone and starts nothing.
    void mDemo_Click();
    void mLoopDemo_Click();
    void mStopDemo_Click();
    // One tick: performs step demoStep of the script and moves on.
    void DemoFlash_Timer();

private:
    bool resetFirst();
    void start(int firstStep, int mode);
    void showDemoMenus();
    void finish();
    void performStep(int step);

    MainWindow& window_;
    DriveProject& project_;
    QTimer* timer_ = nullptr;
};

}  // namespace belt
