#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

#include "app/cover.h"
#include "guitestsupport.h"
#include "screens/logowidget.h"
#include "screens/placeform.h"
#include "units/units.h"

using namespace belt;
using belt::test::AddTestScreens;
using belt::test::MainWindowFixture;
using belt::test::TestScreen;

namespace {

const QStringList kSteps = {"STEP1", "STEP2", "STEP3", "STEP4", "STEP5", "STEP6"};

// The menu bar items in the order of the visibility table.
QList<QPair<QString, QAction*>> menuItems(MenuActions& m) {
    return {{"mStopDemo", m.mStopDemo}, {"mDemo", m.mDemo},         {"mLoopDemo", m.mLoopDemo},
            {"mClose", m.mClose},       {"mFile", m.mFile},         {"mGoBack", m.mGoBack},
            {"mGoon", m.mGoon},         {"mGoon2", m.mGoon2},       {"mUnit", m.mUnit},
            {"mPrinter", m.mPrinter},   {"mPrinter2", m.mPrinter2}, {"mInt", m.mInt}};
}

QString visibleMenus(MenuActions& m) {
    QStringList names;
    for (const auto& [name, action] : menuItems(m))
        if (action && action->isVisible()) names << name;
    return names.join(' ');
}

TestScreen* testScreen(MainWindow& w, const QString& name) {
    return dynamic_cast<TestScreen*>(w.loadedScreen(name));
}

int runCoverAnimation(MainWindow& w, int limit = 1000) {
    int ticks = 0;
    while (w.flashTimer()->isActive() && ticks < limit) {
        w.FLASH_Timer();
        ++ticks;
    }
    return ticks;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void menuCaptions();
    void menuVisibility_data();
    void menuVisibility();
    void menuLettersWorkOnEveryScreen_data();
    void menuLettersWorkOnEveryScreen();
    void coverAnimationReachesItsEnd();
    void coverTextsAreSizedToTheirTextOnScreen();
    void enterOnTheCoverStarts();
    void saveQuestion_data();
    void saveQuestion();
    void resetKeepsTheUnitChoice();
    void exitCancelLeavesTheActiveScreen();
    void exitWithEmptyProjectDoesNotAsk();
    void exitMessageTicks();
    void helpContext_data();
    void helpContext();
    void helpExplainsTheDeparturesFromTheCatalogue();
    void helpFromOtherWindowsKeepsTheContext();
    void helpGoesBackAndForward();
    void goOnAndGoBack();
    void goOnFromStep1Refuses();
    void driveConfigurationFromStep2();
    void unitChangeMovesChecksAndRefreshes();
    void designSequenceDecidesOnStep3();
    void goOnOnStep3RunsTheDesignCalculation();
};

void MainWindowTest::menuCaptions() {
    MainWindowFixture f;
    MenuActions& m = f.window->menus();
    // "[*]": the title marks a project changed since it was saved or opened.
    QCOMPARE(f.window->windowTitle(), QString(" VESTRANO BELT CALCULATION[*]"));
    const QList<QPair<QAction*, QString>> captions = {
        {m.mStopDemo, "&Stop Demo"},
        {m.mClose, "&Close"},
        {m.mFile, "&File"},
        {m.mOpen, "&Open"},
        {m.mRecent, "Recent &projects"},
        {m.mSave, "&Save"},
        {m.mSaveAs, "Save &As\u2026"},
        {m.mReset, "&Reset"},
        {m.mExit, "&Exit"},
        {m.mGoBack, "Go &Back"},
        {m.mGoon, "Go &On"},
        {m.mGoon2, "Go &On"},
        {m.m2Pulleys, "&2 Pulleys"},
        {m.mCentreDistance, "&Centre Distance"},
        {m.mBeltLength, "&Belt Length"},
        {m.m3Pulleys, "&3 Pulleys"},
        {m.m4Pulleys, "&4 Pulleys"},
        {m.mUnit, "&Unit"},
        {m.mPrinter, "&Print"},
        {m.mPrinter2, "&Print"},
        {m.mDemo, "&Demo"},
        {m.mLoopDemo, "&Loop Demo"},
        {m.mInt, "&?"},
        {m.mHelp, "&Help"},
        {m.mInfo, "about &VESTRANO"},
    };
    for (const auto& [action, caption] : captions) {
        QVERIFY(action);
        QCOMPARE(action->text(), caption);
    }
    // The unit groups in menu order, each with its first unit checked.
    QStringList groups;
    for (QAction* a : m.mUnit->menu()->actions()) groups << a->text();
    QCOMPARE(groups, QStringList({"&Lenght", "&Velocity", "&Angular velocity", "A&cceleration", "&Mass",
                                  "&Force", "&Torque", "&Power"}));
    QCOMPARE(m.unitItems[kPower][6]->text(), QString("CV"));
    QCOMPARE(m.unitItems[kTorque][3]->text(), QString("lbf ft"));
    QCOMPARE(m.unitItems[kAcceleration][1]->text(), QString("m/s^2"));
    for (int q = 0; q < 8; ++q)
        for (int u = 1; u <= kUnitCount[q]; ++u) QCOMPARE(m.unitItems[q][u]->isChecked(), u == 1);
}

void MainWindowTest::menuVisibility_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<bool>("omega");
    QTest::addColumn<QString>("visible");
    QTest::newRow("cover") << "MAIN" << false << "mDemo mLoopDemo mFile mInt";
    QTest::newRow("STEP1") << "STEP1" << false << "mFile mGoBack mGoon mUnit mInt";
    QTest::newRow("STEP2") << "STEP2" << false << "mFile mGoBack mGoon2 mUnit mInt";
    QTest::newRow("STEP2 omega") << "STEP2" << true << "mFile mGoBack mGoon mUnit mInt";
    QTest::newRow("STEP3") << "STEP3" << false << "mFile mGoBack mGoon mUnit mInt";
    QTest::newRow("STEP4") << "STEP4" << false << "mFile mGoBack mGoon mUnit mInt";
    QTest::newRow("STEP5") << "STEP5" << false << "mFile mGoBack mGoon mUnit mPrinter mInt";
    QTest::newRow("STEP6") << "STEP6" << false << "mFile mGoBack mUnit mPrinter mInt";
}

void MainWindowTest::menuVisibility() {
    QFETCH(QString, form);
    QFETCH(bool, omega);
    QFETCH(QString, visible);
    MainWindowFixture f;
    // The program's own step 1 and 2 screens where it has them.
    AddTestScreens(*f.window, {"STEP1", "STEP2"});
    AddTestScreens(*f.window, {"STEP3", "STEP4", "STEP5", "STEP6"}, /*replace=*/true);
    f.project.beltType = omega ? "SELKIRA T" : "ORVANTO T";
    f.project.beltFamily = omega ? "SELKIRA" : "ORVANTO";
    f.project.linearDriveType = omega ? 1 : 0;
    f.project.screen.beltTypeTab = omega ? 1 : 0;
    if (form != "MAIN") QVERIFY(f.window->showScreen(form));
    QCOMPARE(f.window->activeFormName(), form);
    QCOMPARE(visibleMenus(f.window->menus()), visible);
    // Back on the cover the cover's state returns.
    f.window->showCover();
    QCOMPARE(visibleMenus(f.window->menus()), QString("mDemo mLoopDemo mFile mInt"));
}

void MainWindowTest::menuLettersWorkOnEveryScreen_data() {
    QTest::addColumn<QString>("screen");
    for (const char* s : {"cover", "demo", "STEP1", "STEP1 QUINDEL", "STEP1 FEASIBILITY", "STEP2", "STEP2 omega",
                          "STEP3", "STEP4", "STEP5", "STEP6"})
        QTest::newRow(s) << s;
}

// Every underlined letter of the bar, pressed with Alt, runs its command or
// opens its menu, on every screen; no two items shown together share one,
// and the letter of a hidden item does nothing.
void MainWindowTest::menuLettersWorkOnEveryScreen() {
    QFETCH(QString, screen);
    const auto setUp = [&screen](MainWindowFixture& f) {
        MainWindow& w = *f.window;
        AddTestScreens(w, {"STEP3", "STEP4", "STEP5", "STEP6"}, /*replace=*/true);
        w.setPrintHandler([](const PrintJob&) {});
        w.resize(1000, 700);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.finishCoverAnimation();
        const QString form = screen.section(' ', 0, 0);
        const QString variant = screen.section(' ', 1);
        if (screen == "demo") w.mDemo_Click();
        if (form == "cover" || form == "demo") return;
        const bool omega = variant == "omega";
        f.project.beltType = omega ? "SELKIRA T" : "ORVANTO T";
        f.project.beltFamily = omega ? "SELKIRA" : "ORVANTO";
        f.project.linearDriveType = omega ? 1 : 0;
        f.project.screen.beltTypeTab = variant == "QUINDEL" ? 3 : variant == "FEASIBILITY" ? 7 : omega ? 1 : 0;
        QVERIFY(w.showScreen(form));
    };
    const auto letterOf = [](const QAction* a) { return QKeySequence::mnemonic(a->text()); };

    QList<QKeySequence> shownLetters;
    {
        MainWindowFixture f;
        setUp(f);
        for (QAction* a : f.window->menuBar()->actions()) {
            if (!a->isVisible()) continue;
            QVERIFY2(!letterOf(a).isEmpty(), qPrintable(a->objectName()));
            QVERIFY2(!shownLetters.contains(letterOf(a)), qPrintable(a->objectName() + " shares its letter"));
            shownLetters << letterOf(a);
        }
    }
    const int items = int(MainWindowFixture().window->menuBar()->actions().size());
    for (int item = 0; item < items; ++item) {
        MainWindowFixture f;
        setUp(f);
        MainWindow& w = *f.window;
        QAction* a = w.menuBar()->actions().at(item);
        const QString name = screen + ": " + a->objectName();
        const bool shown = a->isVisible();
        if (!shown && shownLetters.contains(letterOf(a))) continue;
        const QString formBefore = w.activeFormName();
        QSignalSpy triggered(a, &QAction::triggered);
        QTest::keyClick(&w, letterOf(a)[0].key(), Qt::AltModifier);
        if (!shown) {
            QVERIFY2(triggered.isEmpty() && !(a->menu() && a->menu()->isVisible()), qPrintable(name));
            QCOMPARE(w.activeFormName(), formBefore);
        } else if (QMenu* menu = a->menu()) {
            QVERIFY2(menu->isVisible(), qPrintable(name));
            // The items of an open menu share no letter either.
            QList<QKeySequence> inside;
            for (QAction* b : menu->actions()) {
                if (!b->isVisible() || b->isSeparator()) continue;
                QVERIFY2(!letterOf(b).isEmpty() && !inside.contains(letterOf(b)), qPrintable(b->objectName()));
                inside << letterOf(b);
            }
            menu->hide();
        } else {
            QVERIFY2(triggered.count() == 1, qPrintable(name));
        }
    }
}

void MainWindowTest::coverAnimationReachesItsEnd() {
    MainWindowFixture f;
    MainWindow& w = *f.window;
    Cover& c = *w.cover();
    QVERIFY(w.flashTimer()->isActive());
    QCOMPARE(w.flashTimer()->interval(), 50);
    // Start positions: outside the visible area, the buttons hidden.
    QCOMPARE(LogicalRect(c.LOGO), QRectF(45, -53, 15, 35));
    QVERIFY(LogicalRect(c.BYEMSG[0]).right() <= 0.0001);
    QCOMPARE(LogicalRect(c.BYEMSG[1]).left(), 102.0);
    QCOMPARE(LogicalRect(c.BYEMSG[3]).top(), 105.0);
    QVERIFY(!c.START->isVisibleTo(&c));

    // The logo drops in first; the texts wait for it.
    for (int i = 0; i < 26; ++i) w.FLASH_Timer();
    QCOMPARE(LogicalRect(c.LOGO).top(), -1.0);
    QVERIFY(LogicalRect(c.BYEMSG[0]).right() <= 0.0001);
    QCOMPARE(c.labelFontSize(c.Titolo), 50.0);

    const int ticks = runCoverAnimation(w);
    QVERIFY2(ticks < 300, "the animation ends");
    QVERIFY(!w.flashTimer()->isActive());
    QCOMPARE(LogicalRect(c.LOGO).top(), 1.0);
    const double left = LogicalRect(c.BYEMSG[0]).left();
    QVERIFY(left >= 5 && left < 6);
    for (int i = 1; i < 4; ++i) QCOMPARE(LogicalRect(c.BYEMSG[i]).left(), left);
    QCOMPARE(LogicalRect(c.BYEMSG[3]).top(), 90.0);
    QVERIFY(c.START->isVisibleTo(&c));
    QVERIFY(c.bINFO->isVisibleTo(&c));
    QCOMPARE(c.START->text(), QString("START"));
    QCOMPARE(c.bINFO->text(), QString("about VESTRANO"));
    QCOMPARE(c.BYEMSG[1]->text(), QString("POLYURETHANE AND RUBBER BELT DRIVES CALCULATION"));
}

// On a shown window every cover text ends the animation sized to its text at
// the cover's size, as do the two texts of the closing message, centred.
// START holds the keyboard focus from the moment it is there, and Enter
// starts; Enter on the cover before START has arrived starts too.
void MainWindowTest::enterOnTheCoverStarts() {
    struct Case {
        const char* name;
        int coverTicks;  // of the animation before Enter; -1: to its end
        bool reset;      // START once, then File > Reset back to the cover
    };
    const Case cases[] = {{"while the picture moves in", 10, false},
                          {"once START is there", -1, false},
                          {"back on the cover after Reset", -1, true}};
    for (const Case& c : cases) {
        MainWindowFixture f;
        MainWindow& w = *f.window;
        AddTestScreens(w, kSteps, /*replace=*/true);
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        if (c.coverTicks < 0) {
            runCoverAnimation(w);
        } else {
            for (int i = 0; i < c.coverTicks; ++i) w.FLASH_Timer();
            w.flashTimer()->stop();
        }
        if (c.reset) {
            w.mGoon_Click();
            QCOMPARE(w.activeFormName(), QStringLiteral("STEP1"));
            w.mReset_Click();
            QCOMPARE(w.activeFormName(), QStringLiteral("MAIN"));
        }
        QCOMPARE(w.coverAnimationDone(), c.coverTicks < 0);
        if (w.coverAnimationDone()) QVERIFY2(QApplication::focusWidget() == w.cover()->START, c.name);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY2(w.activeFormName() == QStringLiteral("STEP1"), c.name);
        QVERIFY(f.dialogs.seen.empty());
    }
}

void MainWindowTest::coverTextsAreSizedToTheirTextOnScreen() {
    MainWindowFixture f;
    MainWindow& w = *f.window;
    Cover& c = *w.cover();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    auto sizedToText = [&c](QLabel* l) {
        const QSizeF text = c.autoSize(l);
        const QSizeF placed = LogicalRect(l).size();
        return text.width() > 0 && qAbs(placed.width() - text.width()) < 1e-9 &&
               qAbs(placed.height() - text.height()) < 1e-9;
    };
    runCoverAnimation(w);
    QVERIFY(!w.flashTimer()->isActive());
    for (QLabel* l : c.BYEMSG) QVERIFY2(sizedToText(l), qPrintable(l->objectName()));
    const double left = LogicalRect(c.BYEMSG[0]).left();
    QVERIFY(left >= 5 && left < 6);

    f.project.beltType = "ORVANTO T";
    f.dialogs.answers.push_back(MsgAnswer::No);
    w.mExit_Click();
    for (int i : {0, 1}) QVERIFY(sizedToText(c.BYEMSG[i]));
    QCOMPARE(LogicalRect(c.BYEMSG[0]).center().x(), 50.0);
    QCOMPARE(LogicalRect(c.BYEMSG[1]).center().x(), 68.0);
}

void MainWindowTest::saveQuestion_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("Reset") << "reset";
    QTest::newRow("Exit") << "exit";
}

// Cancel in the save question leaves the project and the screen as they were.
void MainWindowTest::saveQuestion() {
    QFETCH(QString, command);
    MainWindowFixture f;
    AddTestScreens(*f.window, kSteps, /*replace=*/true);
    f.project.beltType = "ORVANTO T";
    f.window->showScreen("STEP3");
    f.dialogs.answers.push_back(MsgAnswer::Cancel);
    if (command == "reset")
        f.window->mReset_Click();
    else
        f.window->mExit_Click();
    QCOMPARE(f.dialogs.seen.size(), std::size_t(1));
    const RecordedDialog& q = f.dialogs.seen[0];
    QCOMPARE(q.text, std::string("Data will be lost\rDo you want to save?"));
    QCOMPARE(q.title, std::string("VESTRANO BELT CALCULATION"));
    QCOMPARE(q.icon, MsgIcon::Warning);
    QCOMPARE(q.buttons, MsgButtons::YesNoCancel);
    QCOMPARE(f.project.beltType, std::string("ORVANTO T"));
    QCOMPARE(f.window->activeFormName(), QString("STEP3"));
    QVERIFY(!f.window->closingMessageShown());
}

void MainWindowTest::resetKeepsTheUnitChoice() {
    MainWindowFixture f;
    MainWindow& w = *f.window;
    AddTestScreens(w, kSteps, /*replace=*/true);
    w.menus().unitItems[kLength][4]->trigger();  // in
    w.menus().unitItems[kPower][7]->trigger();   // HP
    f.project.beltType = "ORVANTO T";
    f.project.power = 1500;
    w.showScreen("STEP2");
    f.dialogs.answers.push_back(MsgAnswer::No);
    w.mReset_Click();

    QCOMPARE(f.dialogs.seen.size(), std::size_t(1));
    QCOMPARE(f.project.beltType, std::string());
    QCOMPARE(f.project.power, 0.0);
    QCOMPARE(w.activeFormName(), QString("MAIN"));
    QVERIFY(!w.loadedScreen("STEP2"));
    QCOMPARE(CurrentUnit(f.project, kLength), 4);
    QCOMPARE(CurrentUnit(f.project, kPower), 7);
    QVERIFY(w.menus().unitItems[kLength][4]->isChecked());
    QVERIFY(!w.menus().unitItems[kLength][1]->isChecked());
    QVERIFY(w.menus().unitItems[kPower][7]->isChecked());
    QCOMPARE(visibleMenus(w.menus()), QString("mDemo mLoopDemo mFile mInt"));
    // A reset during the cover animation leaves a usable cover.
    QVERIFY(w.cover()->START->isVisibleTo(w.cover()));

    // An empty project is reset without a question.
    w.mReset_Click();
    QCOMPARE(f.dialogs.seen.size(), std::size_t(1));

    // Nor is a project the demonstration is playing.
    f.project.beltType = "ORVANTO T";
    f.project.demoRunning = 1;
    w.showScreen("STEP2");
    w.mReset_Click();
    QCOMPARE(f.dialogs.seen.size(), std::size_t(1));
    QCOMPARE(f.project.beltType, std::string());
    QCOMPARE(f.project.demoRunning, 1);
}

void MainWindowTest::exitCancelLeavesTheActiveScreen() {
    MainWindowFixture f;
    AddTestScreens(*f.window, kSteps, /*replace=*/true);
    f.project.beltType = "QUINDEL ZB2";
    f.window->showScreen("STEP5");
    f.dialogs.answers.push_back(MsgAnswer::Cancel);
    f.window->mExit_Click();
    QCOMPARE(f.window->activeFormName(), QString("STEP5"));
    QVERIFY(f.window->loadedScreen("STEP5")->isVisibleTo(f.window.get()));
    QCOMPARE(f.window->flashTimer()->interval(), 50);
    QCOMPARE(f.quitCalls, 0);
}

void MainWindowTest::exitWithEmptyProjectDoesNotAsk() {
    MainWindowFixture f;
    AddTestScreens(*f.window, kSteps, /*replace=*/true);
    f.window->showScreen("STEP1");
    f.window->mExit_Click();
    QVERIFY(f.dialogs.seen.empty());
    QVERIFY(f.window->closingMessageShown());
    QCOMPARE(f.window->activeFormName(), QString("MAIN"));
    QVERIFY(!f.window->loadedScreen("STEP1")->isVisibleTo(f.window.get()));
}

void MainWindowTest::exitMessageTicks() {
    MainWindowFixture f;
    MainWindow& w = *f.window;
    Cover& c = *w.cover();
    f.project.beltType = "ORVANTO T";
    f.dialogs.answers.push_back(MsgAnswer::No);
    w.mExit_Click();
    QVERIFY(w.closingMessageShown());
    QCOMPARE(w.flashTimer()->interval(), 2000);
    QVERIFY(w.flashTimer()->isActive());
    QVERIFY(c.closingLook());
    for (QWidget* hidden :
         {static_cast<QWidget*>(c.START), static_cast<QWidget*>(c.bINFO), static_cast<QWidget*>(c.Titolo)})
        QVERIFY(!hidden->isVisibleTo(&c));
    QCOMPARE(c.BYEMSG[0]->text(), QString("Thank you ..."));
    QCOMPARE(c.BYEMSG[1]->text(), QString("to have chosen VESTRANO belts."));
    QCOMPARE(c.labelFontSize(c.BYEMSG[1]), 18.0);
    QCOMPARE(c.BYEMSG[0]->palette().color(QPalette::WindowText), QColor(255, 255, 0));
    QCOMPARE(LogicalRect(c.LOGO).top(), 5.0);
    QCOMPARE(LogicalRect(c.BYEMSG[0]).top(), 60.0);
    QCOMPARE(LogicalRect(c.BYEMSG[0]).center().x(), 50.0);
    QCOMPARE(LogicalRect(c.BYEMSG[1]).center().x(), 68.0);
    for (QLabel* l : c.BYEMSG) QVERIFY(!l->isVisibleTo(&c));

    w.FLASH_Timer();
    QVERIFY(c.BYEMSG[0]->isVisibleTo(&c));
    QVERIFY(!c.BYEMSG[1]->isVisibleTo(&c));
    QCOMPARE(f.quitCalls, 0);
    w.FLASH_Timer();
    QVERIFY(c.BYEMSG[1]->isVisibleTo(&c));
    QCOMPARE(f.quitCalls, 0);
    w.FLASH_Timer();
    QCOMPARE(f.quitCalls, 1);
    QVERIFY(!c.BYEMSG[2]->isVisibleTo(&c));
}

void MainWindowTest::helpContext_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<int>("context");
    QTest::addColumn<QString>("heading");
    QTest::newRow("cover") << "MAIN" << 0 << "Start screen, menus and units";
    const char* const headings[] = {
        "Step 1: application data", "Step 2: belt pitch selection guide",
        "Step 3: pulley data",      "Step 4: pulley layout",
        "Step 5: results",          "Step 6: tooth profile and pulley data sheet"};
    for (int i = 1; i <= 6; ++i)
        QTest::newRow(qPrintable(kSteps[i - 1])) << kSteps[i - 1] << i << QString(headings[i - 1]);
}

void MainWindowTest::helpContext() {
    QFETCH(QString, form);
    QFETCH(int, context);
    QFETCH(QString, heading);
    MainWindowFixture f;
    AddTestScreens(*f.window, kSteps, /*replace=*/true);
    if (form != "MAIN") f.window->showScreen(form);
    f.window->mHelp_Click();
    QCOMPARE(f.window->helpContext(), context);
    QTextBrowser* help = f.window->helpBrowser();
    QVERIFY(help);
    QVERIFY(help->source().toLocalFile().endsWith("help.html"));
    // The viewer opens with the section's heading in view.
    // The heading, not its line in the contents at the top.
    QTextBlock block = help->document()->lastBlock();
    while (block.isValid() && block.text() != heading) block = block.previous();
    QVERIFY(block.isValid());
    const int y = help->cursorRect(QTextCursor(block)).top();
    QVERIFY2(y >= 0 && y < help->viewport()->height() - 20, qPrintable(QString::number(y)));
}

// The sections the help was opened at, and the links followed in it, are
// retraced with Back and Forward, by their buttons and by Alt+Left and
// Alt+Right.
void MainWindowTest::helpGoesBackAndForward() {
    MainWindowFixture f;
    AddTestScreens(*f.window, kSteps, /*replace=*/true);
    f.window->mHelp_Click();
    QTextBrowser* help = f.window->helpBrowser();
    QVERIFY(help);
    auto* back = help->window()->findChild<QToolButton*>("Back");
    auto* forward = help->window()->findChild<QToolButton*>("Forward");
    QVERIFY(back && forward);
    QCOMPARE(back->text(), QString("Back"));
    QCOMPARE(forward->text(), QString("Forward"));
    QVERIFY(!back->isEnabled() && !forward->isEnabled());
    help->window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(help->window()));

    f.window->showScreen("STEP3");
    f.window->mHelp_Click();
    help->setSource(help->source().resolved(QUrl("#departures")));  // a link followed
    const auto section = [help] { return help->source().fragment(); };
    QCOMPARE(section(), QString("departures"));
    QVERIFY(back->isEnabled() && !forward->isEnabled());

    back->click();
    QCOMPARE(section(), QString("context3"));
    QVERIFY(forward->isEnabled());
    help->setFocus();
    QTest::keyClick(help, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(section(), QString("context0"));
    QVERIFY(!back->isEnabled());
    QTest::keyClick(help, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(section(), QString("context3"));
    forward->setFocus();
    QTest::keyClick(forward, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(section(), QString("departures"));
    QVERIFY(!forward->isEnabled());
}

// An engineer checking a result by hand finds where the program computes
// otherwise than the catalogue: a section of the help, linked from the
// results' help.
void MainWindowTest::helpExplainsTheDeparturesFromTheCatalogue() {
    MainWindowFixture f;
    AddTestScreens(*f.window, kSteps, /*replace=*/true);
    f.window->showScreen("STEP5");
    f.window->mHelp_Click();
    QTextBrowser* help = f.window->helpBrowser();
    QVERIFY(help);
    const QString heading = "How the program departs from the catalogue method";
    QVERIFY(help->toHtml().contains("href=\"#departures\""));
    help->scrollToAnchor("departures");
    QTextBlock block = help->document()->lastBlock();
    while (block.isValid() && block.text() != heading) block = block.previous();
    QVERIFY(block.isValid());
    const int y = help->cursorRect(QTextCursor(block)).top();
    QVERIFY2(y >= 0 && y < help->viewport()->height() - 20, qPrintable(QString::number(y)));
    for (const char* rule : {"duty factor / arc factor", "m (g sin(slope) + a) + friction",
                             "carriage length + stroke + (d1 + d2) / 2"})
        QVERIFY2(help->toPlainText().contains(rule), rule);
}

void MainWindowTest::helpFromOtherWindowsKeepsTheContext() {
    QCOMPARE(HelpContextFor("STEP0", 4), 4);
    QCOMPARE(HelpContextFor("STEP0", 0), 0);
    QCOMPARE(HelpContextFor("MAIN", 5), 0);
    QCOMPARE(HelpContextFor("STEP3", 0), 3);
}

void MainWindowTest::goOnAndGoBack() {
    MainWindowFixture f;
    MainWindow& w = *f.window;
    AddTestScreens(w, kSteps, /*replace=*/true);
    f.project.beltType = "ORVANTO T";

    w.mGoon_Click();  // cover -> STEP1
    QCOMPARE(w.activeFormName(), QString("STEP1"));
    QVERIFY(testScreen(w, "STEP1")->blinking);
    w.mGoon_Click();  // STEP1 -> STEP2
    QCOMPARE(w.activeFormName(), QString("STEP2"));
    QCOMPARE(f.project.beltFamily, std::string("ORVANTO"));
    QVERIFY(!testScreen(w, "STEP1")->blinking);
    QVERIFY(testScreen(w, "STEP2")->blinking);
    QVERIFY(!w.loadedScreen("STEP1")->isVisibleTo(&w));

    w.mGoBack_Click();  // STEP2 -> STEP1, shown again and refreshed
    QCOMPARE(w.activeFormName(), QString("STEP1"));
    QVERIFY(testScreen(w, "STEP1")->blinking);
    QVERIFY(!testScreen(w, "STEP2")->blinking);
    QCOMPARE(testScreen(w, "STEP1")->refreshes, 1);
    w.mGoBack_Click();  // STEP1 -> cover
    QCOMPARE(w.activeFormName(), QString("MAIN"));
    QCOMPARE(visibleMenus(w.menus()), QString("mDemo mLoopDemo mFile mInt"));

    // Results of a two-pulley drive: Go On to the data sheet, back to the
    // results (blinking again), back past the layout to the pulley data.
    f.project.pulleyCount = 2;
    w.showScreen("STEP5");
    w.mGoon_Click();
    QCOMPARE(w.activeFormName(), QString("STEP6"));
    w.mGoon_Click();  // nothing after STEP6
    QCOMPARE(w.activeFormName(), QString("STEP6"));
    w.mGoBack_Click();
    QCOMPARE(w.activeFormName(), QString("STEP5"));
    QVERIFY(testScreen(w, "STEP5")->blinking);
    w.mGoBack_Click();
    QCOMPARE(w.activeFormName(), QString("STEP3"));
    f.project.screen.beltTypeTab = 3;  // QUINDEL skips the pitch guide going back too
    w.mGoBack_Click();
    QCOMPARE(w.activeFormName(), QString("STEP1"));
}

void MainWindowTest::goOnFromStep1Refuses() {
    MainWindowFixture f;
    AddTestScreens(*f.window, kSteps, /*replace=*/true);
    f.window->showScreen("STEP1");
    f.window->mGoon_Click();
    QCOMPARE(f.dialogs.messageTexts(), std::vector<std::string>({"Choose the belt !!!"}));
    QCOMPARE(f.window->activeFormName(), QString("STEP1"));
    QVERIFY(!f.window->loadedScreen("STEP2"));
}

void MainWindowTest::driveConfigurationFromStep2() {
    MainWindowFixture f;
    MainWindow& w = *f.window;
    AddTestScreens(w, kSteps, /*replace=*/true);
    f.project.beltType = "ORVANTO T";
    w.showScreen("STEP2");
    w.menus().m4Pulleys->trigger();
    QCOMPARE(f.dialogs.messageTexts(), std::vector<std::string>({"Choose the belt pitch!!!"}));
    QCOMPARE(f.project.pulleyCount, 4);
    QCOMPARE(w.activeFormName(), QString("STEP2"));

    f.project.beltName = "ORVANTO T10";
    w.menus().mBeltLength->trigger();
    QCOMPARE(f.project.pulleyCount, 2);
    QCOMPARE(f.project.twoPulleyMode, 2);
    QCOMPARE(w.activeFormName(), QString("STEP3"));
}

void MainWindowTest::unitChangeMovesChecksAndRefreshes() {
    MainWindowFixture f;
    MainWindow& w = *f.window;
    AddTestScreens(w, kSteps, /*replace=*/true);
    w.menus().unitItems[kForce][3]->trigger();  // on the cover: only the checks move
    QCOMPARE(CurrentUnit(f.project, kForce), 3);
    QVERIFY(w.menus().unitItems[kForce][3]->isChecked());
    QVERIFY(!w.menus().unitItems[kForce][1]->isChecked());

    w.showScreen("STEP3");
    w.menus().unitItems[kAngularVelocity][2]->trigger();
    QCOMPARE(testScreen(w, "STEP3")->refreshes, 1);
    QVERIFY(w.menus().unitItems[kAngularVelocity][2]->isChecked());
    QVERIFY(!w.menus().unitItems[kAngularVelocity][1]->isChecked());
    QVERIFY(w.menus().unitItems[kForce][3]->isChecked());
}

void MainWindowTest::designSequenceDecidesOnStep3() {
    MainWindowFixture f;
    MainWindow& w = *f.window;
    AddTestScreens(w, kSteps, /*replace=*/true);
    w.showScreen("STEP3");
    NextStep next = NextStep::Stay;
    QString seenForm;
    w.setDesignSequence([&](DriveProject&, Dialogs&, const QString& form) {
        seenForm = form;
        return next;
    });
    w.mGoon_Click();
    QCOMPARE(seenForm, QString("STEP3"));
    QCOMPARE(w.activeFormName(), QString("STEP3"));
    QCOMPARE(testScreen(w, "STEP3")->rereads, 0);
    next = NextStep::StayRereadCentreDistanceAndLength;
    w.mGoon_Click();
    QCOMPARE(w.activeFormName(), QString("STEP3"));
    QCOMPARE(testScreen(w, "STEP3")->rereads, 1);
    next = NextStep::ShowStep4;
    w.mGoon_Click();
    QCOMPARE(w.activeFormName(), QString("STEP4"));
    next = NextStep::ShowAdjustHint;
    w.mGoon_Click();
    QCOMPARE(w.activeFormName(), QString("STEP4"));
    QCOMPARE(testScreen(w, "STEP4")->adjustHints, 1);
    next = NextStep::ShowStep5;
    w.mGoon_Click();
    QCOMPARE(seenForm, QString("STEP4"));
    QCOMPARE(w.activeFormName(), QString("STEP5"));
    QVERIFY(testScreen(w, "STEP5")->blinking);
}

// Without a test sequence Go On runs the program's own design calculation,
// whose checks refuse an empty pulley data screen.
void MainWindowTest::goOnOnStep3RunsTheDesignCalculation() {
    MainWindowFixture f;
    AddTestScreens(*f.window, kSteps, /*replace=*/true);
    f.project.beltType = "ORVANTO T";
    f.project.beltName = "ORVANTO T10";
    f.project.pulleyCount = 2;
    f.project.twoPulleyMode = 1;
    f.window->showScreen("STEP3");
    f.window->mGoon_Click();
    QCOMPARE(f.window->activeFormName(), QString("STEP3"));
    QVERIFY(!f.dialogs.seen.empty());
    QCOMPARE(f.dialogs.seen[0].title, std::string("I can't proceed"));
}

QTEST_MAIN(MainWindowTest)
#include "test_mainwindow.moc"
