// The demonstration with its timer stepped by hand: Demo from STEP1 to its
// end with the texts in the real boxes and the layout designed for real,
// Stop Demo midway, Loop Demo with the about page scrolled and closed early,
// the question about a project in progress, a tick that comes while a dialog
// of the screens is open, and the user's input while the example plays.
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QPushButton>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <QTimer>

#include "app/aboutscreen.h"
#include "app/cover.h"
#include "app/demonstration.h"
#include "app/qtdialogs.h"
#include "guitestsupport.h"
#include "screens/placeform.h"
#include "screens/step4screen.h"
#include "screens/step5details.h"
#include "screens/step6screen.h"
#include "units/units.h"

using namespace belt;
using belt::test::MainWindowFixture;
using belt::test::PageLineOf;
using belt::test::VisibleMenus;

namespace {

const QString kCoverMenus = QStringLiteral("mDemo mLoopDemo mFile mInt");

struct Demo : MainWindowFixture {
    MainWindow& w = *window;
    Demonstration& demo = window->demonstration();
    Demo() {
        w.resize(1280, 960);
        w.show();
        w.finishCoverAnimation();
    }
    // One tick of DemoFlash; returns the step it performed.
    int tick() {
        const int step = project.demoStep;
        demo.DemoFlash_Timer();
        return step;
    }
    // Ticks until step `last` has been performed.
    void runThrough(int last) {
        for (int guard = 0; guard < 100 && project.demoStep <= last && project.demoRunning != 0; ++guard)
            tick();
    }
    template <typename Screen>
    Screen* active() {
        return dynamic_cast<Screen*>(w.activeScreen());
    }
};

// The demonstration on a window whose messages and dialogs are the real
// ones, each waiting in an event loop of its own, as in the program.
struct DemoOnRealDialogs {
    DriveProject project;
    QtDialogs dialogs;
    std::unique_ptr<MainWindow> window;
    DemoOnRealDialogs() {
        SetAssetDir(QStringLiteral(BELT_ASSETS_DIR));
        window = std::make_unique<MainWindow>(project, dialogs, /*playTune=*/false);
        dialogs.setParent(window.get());
        window->resize(1280, 960);
        window->show();
        window->finishCoverAnimation();
    }
};

// Types text into the box and presses Enter as the script does.
void TypeAsTheScript(NumericBox* box, const char* text) {
    box->setFocus();
    box->selectAll();
    box->insert(QString::fromLatin1(text));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QCoreApplication::sendEvent(box, &enter);
}

}  // namespace

class TestDemonstration : public QObject {
    Q_OBJECT
private slots:
    void demoPlaysTheExampleToItsEnd();
    void stopDemoMidway();
    void theExamplePlaysInTheStartUpUnitsAndTheUsersComeBack();
    void loopDemoScrollsTheAboutPageAndComesRound();
    void closingTheAboutPageEarlyGoesOnAtStep10();
    void aProjectInProgressIsAskedFor();
    void aTickWaitsForTheDialogOpenOnAScreen();
    void theScreensTakeNoUserInputWhileItPlays();
};

void TestDemonstration::demoPlaysTheExampleToItsEnd() {
    Demo f;
    f.w.mDemo_Click();
    QCOMPARE(f.project.demoRunning, 1);
    QCOMPARE(f.project.demoStep, 11);
    QVERIFY(f.demo.DemoFlash()->isActive());
    QCOMPARE(f.demo.DemoFlash()->interval(), 3000);
    QCOMPARE(VisibleMenus(f.w.menus()), QStringLiteral("mStopDemo"));
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP1"));

    // STEP1: the ORVANTO T belt, the driver class, the machine, the factor cell.
    f.runThrough(15);
    auto* s1 = f.active<Step1Screen>();
    QVERIFY(s1);
    QCOMPARE(f.project.beltType, std::string("ORVANTO T"));
    QVERIFY(s1->optionDriver(1)->isChecked());
    QCOMPARE(f.project.screen.proprietaListIndex, 6);
    QCOMPARE(f.project.screen.tabellaBackColor[9], 128 * 65536);
    QCOMPARE(f.project.screen.tabellaForeColor[9], 65535);
    QCOMPARE(f.project.loadFactorSecond, 0.2F);

    // STEP2: power and speed typed, the indicator on the chart, the pitch.
    f.runThrough(18);
    auto* s2 = f.active<Step2Screen>();
    QVERIFY(s2);
    QCOMPARE(s2->dato(0)->text(), QStringLiteral("3.40"));
    QCOMPARE(s2->dato(1)->text(), QStringLiteral("1200"));
    QCOMPARE(LogicalRect(s2->indicatore()), QRectF(49, 47.6, 2, 3));
    QVERIFY(s2->indicatore()->isVisible());
    QCOMPARE(s2->titolo()->text(), QStringLiteral("Belt pitch selection guide: ORVANTO T10"));

    // The pitch the guide advises and a drive of four pulleys.
    f.tick();
    QCOMPARE(f.project.beltName, std::string("ORVANTO T10"));
    QCOMPARE(f.project.pulleyCount, 4);

    // STEP3: the four pulleys typed in.
    f.runThrough(23);
    auto* s3 = f.active<Step3Screen>();
    QVERIFY(s3);
    QCOMPARE(s3->inputz[1]->text(), QStringLiteral("23"));
    QCOMPARE(s3->inputd[1]->text(), QStringLiteral("73.21"));
    QCOMPARE(s3->Dato[6]->text(), QStringLiteral("739.13"));
    QVERIFY(s3->checkidler[2]->isChecked());
    QCOMPARE(s3->inputn[3]->text(), QStringLiteral("690.0"));
    QCOMPARE(s3->inputi[4]->text(), QStringLiteral("2.7"));
    QVERIFY(s3->inputz[4]->hasFocus() || !f.w.isActiveWindow());
    QCOMPARE(f.project.pulleyTeeth[4], 61);

    // STEP4: the coordinates, then the belt paths shown in turn.
    f.runThrough(30);
    auto* s4 = f.active<Step4Screen>();
    QVERIFY(s4);
    QCOMPARE(s4->Px[3]->text(), QStringLiteral("380.00"));
    QCOMPARE(s4->Py[4]->text(), QStringLiteral("-100.00"));
    QCOMPARE(f.project.pulleyPosition[1][2], 0.6);
    for (const int path : {1, 2, 1, 2}) {
        f.tick();
        QCOMPARE(f.project.beltPathTable[0][1], path);
        QVERIFY(f.project.screen.layoutDrawn);
    }
    f.tick();  // 35
    QCOMPARE(s4->Py[2]->text(), QStringLiteral("600.06"));

    // 36: the results of the real calculation of that layout.
    f.tick();
    auto* s5 = f.active<Step5Screen>();
    QVERIFY(s5);
    QCOMPARE(f.project.beltCode, std::string("85 T10-2190"));
    QCOMPARE(f.project.beltSideSuffix, std::string(""));
    QCOMPARE(f.project.beltWidth, 0.085);
    QVERIFY(qAbs(f.project.beltLength - 2.19) < 1e-6);
    QVERIFY(qAbs(f.project.powerRatingWithWidth - 5707.48343363927) < 1e-6);
    const double arcs[] = {1.55271742106815, 2.49439209484904, 0.20002763464256, 2.43610342590495};
    for (int k = 1; k <= 4; ++k) QVERIFY(qAbs(f.project.pulleyArcOfContact[k] - arcs[k - 1]) < 1e-9);
    QCOMPARE(f.project.teethInMesh, 5);
    QCOMPARE(f.project.beltPathTable[0][1], 2);
    QVERIFY(s5->BeltCode->text().endsWith(QStringLiteral("85 T10-2190")));
    QVERIFY(PageLineOf(*s5, QStringLiteral("Belt length")).contains(QStringLiteral("2190")));
    QCOMPARE(s5->Remarks->toPlainText(),
             QStringLiteral("This is an example of VESTRANO BELT DRIVE Calculation"));
    QVERIFY(s5->Flash->isActive());
    // Its calculation details are there to see, the width among them.
    QVERIFY(s5->Details->listText().contains(QLatin1String("gives w = 85 mm")));

    // The results scroll, then the data sheet. The page scrolls no further
    // than its last line.
    QVERIFY(s5->ScrollInfo->maximum() > 151);
    for (const int value : {66, 151, 213, 300}) {
        f.tick();
        QCOMPARE(s5->ScrollInfo->value(), std::min(value, s5->ScrollInfo->maximum()));
    }
    f.tick();  // 41
    QVERIFY(!s5->Flash->isActive());
    QVERIFY(f.active<Step6Screen>());

    f.tick();  // 42: Reset
    QCOMPARE(f.w.activeFormName(), QStringLiteral("MAIN"));
    QCOMPARE(f.project.pulleyCount, 0);
    QCOMPARE(f.tick(), 43);
    QCOMPARE(f.project.demoRunning, 0);
    QVERIFY(!f.demo.DemoFlash()->isActive());
    QCOMPARE(VisibleMenus(f.w.menus()), kCoverMenus);
    // Nothing was asked or told on the way.
    QVERIFY(f.dialogs.seen.empty());
}

void TestDemonstration::stopDemoMidway() {
    Demo f;
    f.w.mDemo_Click();
    f.runThrough(27);
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP4"));
    f.w.menus().mStopDemo->trigger();
    QVERIFY(!f.demo.DemoFlash()->isActive());
    QCOMPARE(f.project.demoRunning, 0);
    QCOMPARE(f.w.activeFormName(), QStringLiteral("MAIN"));
    QCOMPARE(f.project.beltType, std::string());
    QCOMPARE(f.project.pulleyCount, 0);
    QCOMPARE(VisibleMenus(f.w.menus()), kCoverMenus);
    QVERIFY(f.dialogs.seen.empty());
}

void TestDemonstration::theExamplePlaysInTheStartUpUnitsAndTheUsersComeBack() {
    Demo f;
    // The script's texts are millimetres, kW and rpm: typed into boxes that
    // show inches and horsepower they would design another drive.
    ChooseUnit(f.project, kLength, 3);
    ChooseUnit(f.project, kPower, 2);
    f.w.ChangeUnit();
    f.w.mDemo_Click();
    f.runThrough(36);
    QCOMPARE(f.project.beltCode, std::string("85 T10-2190"));
    QVERIFY(qAbs(f.project.beltLength - 2.19) < 1e-6);
    QCOMPARE(CurrentUnit(f.project, kLength), 1);
    f.runThrough(Demonstration::kLastStep);
    QCOMPARE(f.project.demoRunning, 0);
    QCOMPARE(CurrentUnit(f.project, kLength), 3);
    QCOMPARE(CurrentUnit(f.project, kPower), 2);

    // Stop Demo gives them back too.
    f.w.mDemo_Click();
    f.runThrough(20);
    f.w.menus().mStopDemo->trigger();
    QCOMPARE(CurrentUnit(f.project, kLength), 3);
    QCOMPARE(CurrentUnit(f.project, kPower), 2);
    QVERIFY(f.dialogs.seen.empty());
}

void TestDemonstration::loopDemoScrollsTheAboutPageAndComesRound() {
    Demo f;
    f.w.mLoopDemo_Click();
    AboutScreen& about = f.w.aboutScreen();
    QCOMPARE(f.project.demoRunning, 2);
    QVERIFY(about.isVisible());
    QCOMPARE(about.windowModality(), Qt::NonModal);
    QCOMPARE(VisibleMenus(f.w.menus()), QStringLiteral("mStopDemo"));
    const double tops[] = {-97, -190, -285, -360, -410, -479, -549, -619, -679, -749};
    // The page stops where the user can scroll it to: the last text 40
    // units below the top.
    const double end = -about.ScrollInfo->maximum();
    QVERIFY(end < tops[8]);
    for (const double top : tops) {
        f.tick();
        QCOMPARE(about.pageTop(), std::max(top, end));
    }
    // Step 10 leaves the page, and is done a second time since closing the
    // page sends the demonstration back to it.
    QCOMPARE(f.tick(), 10);
    QVERIFY(!about.isVisible());
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP1"));
    QCOMPARE(f.tick(), 10);
    // Round the whole script: one loop is 45 ticks, and the page comes back.
    int ticks = 12;
    while (f.project.demoStep != 0 && ticks < 100) {
        f.tick();
        ++ticks;
    }
    QCOMPARE(ticks, 45);
    QCOMPARE(f.project.demoRunning, 2);
    QVERIFY(about.isVisible());
    QVERIFY(f.demo.DemoFlash()->isActive());
    f.w.mStopDemo_Click();
    QVERIFY(!about.isVisible());
    QCOMPARE(VisibleMenus(f.w.menus()), kCoverMenus);
}

void TestDemonstration::closingTheAboutPageEarlyGoesOnAtStep10() {
    Demo f;
    f.w.mLoopDemo_Click();
    f.tick();
    f.tick();
    f.w.aboutScreen().close();
    QCOMPARE(f.project.demoStep, 10);
    // The menus stay the demonstration's.
    QCOMPARE(VisibleMenus(f.w.menus()), QStringLiteral("mStopDemo"));
    QCOMPARE(f.tick(), 10);
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP1"));
    QCOMPARE(f.tick(), 11);
}

// The save question comes first; Cancel leaves the project and starts
// nothing, No starts the demonstration over it.
void TestDemonstration::aProjectInProgressIsAskedFor() {
    Demo f;
    f.w.mGoon_Click();
    f.project.beltType = "RUBBER H";
    f.dialogs.answers = {MsgAnswer::Cancel};
    f.w.mDemo_Click();
    QCOMPARE(f.dialogs.seen.size(), std::size_t(1));
    QCOMPARE(f.dialogs.seen[0].text, std::string("Data will be lost\rDo you want to save?"));
    QCOMPARE(f.project.demoRunning, 0);
    QCOMPARE(f.project.beltType, std::string("RUBBER H"));
    QVERIFY(!f.demo.DemoFlash()->isActive());

    f.dialogs.answers = {MsgAnswer::No};
    f.w.mLoopDemo_Click();
    QCOMPARE(f.project.demoRunning, 2);
    QCOMPARE(f.project.beltType, std::string());
    f.w.mStopDemo_Click();
}

// The user changed the profile on step 1, so step 19 finds no pitch to
// choose and stops the play, which resets the project and unloads the
// screens. Its tick comes while a dialog opened on step 2 waits: the step
// waits for the dialog, and runs once it has closed.
void TestDemonstration::aTickWaitsForTheDialogOpenOnAScreen() {
    struct Case {
        const char* name;
        void (*open)(Step2Screen&);
    };
    const Case cases[] = {
        {"Propose drives", [](Step2Screen& s) { s.proposeButton()->click(); }},
        {"a refused R.P.M.", [](Step2Screen& s) { TypeAsTheScript(s.dato(1), "abc"); }},
    };
    for (const Case& c : cases) {
        DemoOnRealDialogs f;
        MainWindow& w = *f.window;
        Demonstration& demo = w.demonstration();
        w.mDemo_Click();
        for (int guard = 0; guard < 20 && f.project.demoStep <= 12; ++guard) demo.DemoFlash_Timer();
        auto* step1 = dynamic_cast<Step1Screen*>(w.loadedScreen(QStringLiteral("STEP1")));
        QVERIFY2(step1, c.name);
        step1->SelectToothProfile(1);
        for (int guard = 0; guard < 20 && f.project.demoStep <= 18; ++guard) demo.DemoFlash_Timer();
        auto* step2 = dynamic_cast<Step2Screen*>(w.activeScreen());
        QVERIFY2(step2 && f.project.demoStep == 19, c.name);

        bool dialogOpen = false;
        int stepAfterTick = -1;
        bool step2Kept = false;
        QTimer::singleShot(0, &w, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            dialogOpen = dialog != nullptr;
            demo.DemoFlash_Timer();
            stepAfterTick = f.project.demoStep;
            step2Kept = w.loadedScreen(QStringLiteral("STEP2")) == step2;
            if (dialog) dialog->reject();
        });
        c.open(*step2);
        QVERIFY2(dialogOpen, c.name);
        QVERIFY2(stepAfterTick == 19 && step2Kept, c.name);
        QCOMPARE(f.project.demoRunning, 1);

        demo.DemoFlash_Timer();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY2(f.project.demoRunning == 0 && !demo.DemoFlash()->isActive(), c.name);
        QCOMPARE(w.activeFormName(), QStringLiteral("MAIN"));
        QVERIFY2(w.cover()->isVisible(), c.name);
        QVERIFY2(!w.loadedScreen(QStringLiteral("STEP2")), c.name);
    }
}

// Clicks and keys on the screens do nothing while the example plays; Stop
// Demo is what the user can do.
void TestDemonstration::theScreensTakeNoUserInputWhileItPlays() {
    Demo f;
    f.w.mDemo_Click();
    f.runThrough(18);
    auto* step2 = f.active<Step2Screen>();
    QVERIFY(step2);
    const QString power = step2->dato(0)->text();
    bool dialogOpened = false;
    QTimer::singleShot(0, &f.w, [&dialogOpened] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialogOpened = true;
            d->reject();
        }
    });
    QTest::mouseClick(step2->proposeButton(), Qt::LeftButton);
    QTest::keyClicks(step2->dato(0), QStringLiteral("abc"));
    QTest::keyClick(step2->dato(0), Qt::Key_Return);
    QTest::qWait(10);
    QVERIFY(!dialogOpened);
    QCOMPARE(step2->dato(0)->text(), power);
    QVERIFY(f.dialogs.seen.empty());
    QCOMPARE(f.project.demoStep, 19);

    f.w.menus().mStopDemo->trigger();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("MAIN"));
    // Once the play has stopped the cover takes the keys again.
    QTest::keyClick(f.w.cover()->START, Qt::Key_Return);
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP1"));
}

QTEST_MAIN(TestDemonstration)
#include "test_demonstration.moc"
