// Shared by the GUI tests: a main window with scripted dialogs and no tune,
// reading its assets from the source tree, and a minimal step screen for
// hosting tests.
#pragma once

#include <QString>
#include <memory>

#include "app/assets.h"
#include "app/mainwindow.h"
#include "platform/scripteddialogs.h"
#include "project/driveproject.h"
#include "screens/menuactions.h"
#include "screens/stepscreen.h"

namespace belt::test {

// A main window on its own project and scripted dialogs.
struct MainWindowFixture {
    DriveProject project;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> window;
    int quitCalls = 0;

    MainWindowFixture() {
        SetAssetDir(QStringLiteral(BELT_ASSETS_DIR));
        window = std::make_unique<MainWindow>(project, dialogs, /*playTune=*/false);
        window->setQuitHandler([this] { ++quitCalls; });
    }
};

// A step screen that shows nothing and sets the menus of its column of the
// menu table; it counts refreshes and remembers its blinker.
class TestScreen : public StepScreen {
public:
    TestScreen(const QString& name, DriveProject& p, Dialogs& d, MenuActions& m, QWidget* parent)
        : StepScreen(p, d, m, parent), name_(name) {}
    QString formName() const override { return name_; }
    void applyMenus() override {
        const bool omega = project_.beltFamily == "SELKIRA" && project_.linearDriveType == 1;
        const int n = helpContext();
        ShowStepMenus(menus_, /*goOn=*/n == 1 || (n == 2 && omega) || (n >= 3 && n <= 5),
                      /*goOn2=*/n == 2 && !omega, /*print=*/n >= 5, /*print2=*/false);
    }
    void refresh() override { ++refreshes; }
    void setBlinking(bool on) override { blinking = on; }
    void rereadAfterCancelledLength() override { ++rereads; }
    void showAdjustHint() override { ++adjustHints; }

    int refreshes = 0;
    bool blinking = false;
    int rereads = 0;
    int adjustHints = 0;

private:
    QString name_;
};

// Registers TestScreen for every form in names that has no screen yet.
inline void AddTestScreens(MainWindow& w, const QStringList& names, bool replace = false) {
    for (const QString& name : names) {
        if (!replace && w.hasScreenFactory(name)) continue;
        w.setScreenFactory(name, [name](DriveProject& p, Dialogs& d, MenuActions& m, QWidget* parent) {
            return new TestScreen(name, p, d, m, parent);
        });
    }
}

}  // namespace belt::test
