// Shared by the GUI tests: a main window with scripted dialogs and no tune,
// reading its assets from the source tree; a minimal step screen for hosting
// tests; a step screen shown on its own; typing into the boxes and reading
// the results page as a user does.
#pragma once

#include <QAction>
#include <QObject>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTest>
#include <deque>
#include <memory>
#include <vector>

#include "app/assets.h"
#include "app/filecommands.h"
#include "app/filedialogs.h"
#include "app/mainwindow.h"
#include "engine/layout.h"
#include "platform/scripteddialogs.h"
#include "project/driveproject.h"
#include "screens/menuactions.h"
#include "screens/numericbox.h"
#include "screens/step1screen.h"
#include "screens/step2screen.h"
#include "screens/step3screen.h"
#include "screens/step5screen.h"
#include "screens/stepscreen.h"
#include "units/units.h"

namespace belt::test {

// Three pulleys of 100 mm on a triangle, the third an idler, the belt on
// the first feasible path.
inline DriveProject TriangleLayout() {
    DriveProject p;
    InitUnitTables(p);
    p.beltFamily = "ORVANTO";
    p.pulleyCount = 3;
    const double at[4][2] = {{0, 0}, {0, 0}, {0.3, 0}, {0.15, 0.26}};
    for (int k = 1; k <= 3; ++k) {
        p.pulleyPosition[0][k] = at[k][0];
        p.pulleyPosition[1][k] = at[k][1];
        p.pulleyDiameter[k] = 0.1;
        p.pulleyTeeth[k] = 31;
    }
    p.pulleyIsIdler[3] = kTrue;
    ComputeBeltPaths(p);
    p.beltPathTable[0][1] = 1;
    return p;
}

// Types text into a box and presses Enter, which is when the box acts.
inline void EnterText(NumericBox* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

// The main window's bar items that are visible, by name, in the bar's order.
inline QString VisibleMenus(const MenuActions& m) {
    const QList<QPair<QString, QAction*>> items = {
        {"mStopDemo", m.mStopDemo}, {"mDemo", m.mDemo},         {"mLoopDemo", m.mLoopDemo},
        {"mClose", m.mClose},       {"mFile", m.mFile},         {"mGoBack", m.mGoBack},
        {"mGoon", m.mGoon},         {"mGoon2", m.mGoon2},       {"mUnit", m.mUnit},
        {"mPrinter", m.mPrinter},   {"mPrinter2", m.mPrinter2}, {"mInt", m.mInt}};
    QStringList names;
    for (const auto& [name, action] : items)
        if (action && action->isVisible()) names << name;
    return names.join(' ');
}

// A menu bar's worth of actions, all visible to begin with, for a screen
// shown without a main window.
struct StandaloneMenus {
    QObject owner;
    MenuActions m;
    StandaloneMenus() {
        for (QAction** a : {&m.mStopDemo, &m.mClose, &m.mFile, &m.mGoBack, &m.mGoon, &m.mGoon2, &m.mUnit,
                            &m.mPrinter, &m.mPrinter2, &m.mDemo, &m.mLoopDemo, &m.mInt})
            *a = new QAction(&owner);
    }
};

// A step screen of type Screen on its own project (unit tables loaded, as at
// start-up), scripted dialogs and its own menus; show() builds it.
template <typename Screen>
struct ScreenFixture {
    DriveProject p;
    ScriptedDialogs d;
    StandaloneMenus menus;
    std::unique_ptr<Screen> screen;

    ScreenFixture() { InitUnitTables(p); }
    Screen& show(QSize size) {
        screen = std::make_unique<Screen>(p, d, menus.m);
        screen->resize(size);
        screen->show();
        return *screen;
    }
    static void enter(NumericBox* box, const QString& text) { EnterText(box, text); }
};

// The results page's text that reads text, or null.
inline const PageText* PageTextOf(const Step5Screen& s, const QString& text) {
    for (const PageText& t : s.pageTexts())
        if (t.text == text) return &t;
    return nullptr;
}

// The texts the results page printed on the line that starts with label.
inline QStringList PageLineOf(const Step5Screen& s, const QString& label) {
    const PageText* t = PageTextOf(s, label);
    if (!t) return {};
    QStringList line;
    for (const PageText& u : s.pageTexts())
        if (u.line == t->line) line << u.text;
    return line;
}

// File dialogs that answer from a queue (a path, or "" for Cancel) and
// remember what they were asked; one nobody expected fails the test.
class ScriptedFileDialogs : public FileDialogs {
public:
    std::deque<QString> answers;
    std::vector<FileDialogRequest> seen;

    QString chooseFile(QWidget*, const FileDialogRequest& request) override {
        seen.push_back(request);
        if (answers.empty()) throw UnexpectedDialog("unexpected file dialog: " + request.title.toStdString());
        const QString path = answers.front();
        answers.pop_front();
        return path;
    }
};

// A main window on its own project, scripted dialogs and scripted file dialogs.
struct MainWindowFixture {
    DriveProject project;
    ScriptedDialogs dialogs;
    ScriptedFileDialogs* files = nullptr;  // owned by the window's file commands
    std::unique_ptr<MainWindow> window;
    int quitCalls = 0;

    MainWindowFixture() {
        SetAssetDir(QStringLiteral(BELT_ASSETS_DIR));
        window = std::make_unique<MainWindow>(project, dialogs, /*playTune=*/false);
        window->setQuitHandler([this] { ++quitCalls; });
        auto scripted = std::make_unique<ScriptedFileDialogs>();
        files = scripted.get();
        window->fileCommands().setFileDialogs(std::move(scripted));
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

// The main window shown at 1280 x 960, past the cover animation and START,
// walked step by step as a user does.
struct WizardWalk : MainWindowFixture {
    MainWindow& w = *window;

    WizardWalk() {
        w.resize(1280, 960);
        w.show();
        w.finishCoverAnimation();
        w.mGoon_Click();  // START
    }
    Step1Screen* step1() { return dynamic_cast<Step1Screen*>(w.activeScreen()); }
    Step2Screen* step2() { return dynamic_cast<Step2Screen*>(w.activeScreen()); }
    Step3Screen* step3() { return dynamic_cast<Step3Screen*>(w.activeScreen()); }
    Step5Screen* step5() { return dynamic_cast<Step5Screen*>(w.activeScreen()); }

    // ORVANTO tab, T profile group; 3.4 kW at 1200 rpm, pitch T10; two
    // pulleys by centre distance.
    void orvantoT10ToStep3() {
        step1()->setBeltTypeTab(0);
        QTest::mouseClick(step1()->tipoDente(0), Qt::LeftButton);
        w.mGoon_Click();
        EnterText(step2()->dato(0), "3.4");
        EnterText(step2()->dato(1), "1200");
        step2()->Scelta_Click(2);
        w.mCentreDistance_Click();
    }
    // 1200 rpm on a 20-tooth driver pulley, 40 teeth driven.
    void orvantoT10Teeth() {
        EnterText(step3()->inputn[1], "1200");
        EnterText(step3()->inputz[1], "20");
        EnterText(step3()->inputz[2], "40");
    }
};

}  // namespace belt::test
