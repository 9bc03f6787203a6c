// The wizard walked as an engineer uses it: a value typed and not yet
// confirmed when Go On or another command that leaves the screen is chosen,
// Esc in such a box, the next box after Enter, a design stopped on the pulley
// data after its standard length was taken, and the answer Yes to the save
// question.
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <functional>

#include "app/cover.h"
#include "drawing/stylecolours.h"
#include "guitestsupport.h"
#include "screens/numericbox.h"
#include "screens/proposaldialog.h"
#include "screens/step1screen.h"
#include "screens/step2screen.h"
#include "screens/step3screen.h"

using namespace belt;
using belt::test::EnterText;
using belt::test::MainWindowFixture;

namespace {

struct Walk : belt::test::WizardWalk {
    // ORVANTO T10 at 3.4 kW and 1200 rpm, two pulleys by centre distance,
    // 20 and 40 teeth (400 mm apart would give 1102.53 mm).
    void orvantoT10WithTeeth() {
        orvantoT10ToStep3();
        orvantoT10Teeth();
    }
    bool saw(const std::string& text) const {
        for (const RecordedDialog& r : dialogs.seen)
            if (r.text.find(text) != std::string::npos) return true;
        return false;
    }
};

// Types into a box without pressing Enter.
void TypeOnly(NumericBox* box, const QString& text) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

}  // namespace

class TestWizardWalk : public QObject {
    Q_OBJECT
private slots:
    void unconfirmedBoxStopsTheCommandsThatLeaveTheScreen();
    void escapeRestoresTheCentreDistanceGoOnThenUses();
    void enterSelectsTheNextBox();
    void cancelledWidthShowsTheCentreDistanceOfTheStandardLength();
    void saveAnswerYesWithoutSavingKeepsTheProject_data();
    void saveAnswerYesWithoutSavingKeepsTheProject();
    void keyboardAloneFromTheCoverToTheDataSheet();
};

void TestWizardWalk::unconfirmedBoxStopsTheCommandsThatLeaveTheScreen() {
    // Each case reaches its screen and returns the box to type into.
    const std::function<NumericBox*(Walk&)> stroke = [](Walk& f) {
        f.step1()->setBeltTypeTab(1);
        QTest::mouseClick(f.step1()->tipoDente(0), Qt::LeftButton);
        f.step1()->setOptionDriver(1);  // omega drive: a stroke is required
        return f.step1()->dati(10);
    };
    const std::function<NumericBox*(Walk&)> loadFactor = [](Walk& f) {
        f.step1()->setBeltTypeTab(0);
        QTest::mouseClick(f.step1()->tipoDente(0), Qt::LeftButton);
        return f.step1()->loadFactorBox();
    };
    const std::function<NumericBox*(Walk&)> rpm = [](Walk& f) {
        f.step1()->setBeltTypeTab(0);
        QTest::mouseClick(f.step1()->tipoDente(0), Qt::LeftButton);
        f.w.mGoon_Click();
        f.step2()->Scelta_Click(2);
        return f.step2()->dato(1);
    };
    const std::function<NumericBox*(Walk&)> centreDistance = [](Walk& f) {
        f.orvantoT10WithTeeth();
        EnterText(f.step3()->Dato[8], "400");
        return f.step3()->Dato[8];
    };
    const std::function<NumericBox*(Walk&)> teeth = [](Walk& f) {
        f.orvantoT10WithTeeth();
        return f.step3()->inputz[2];
    };
    struct Case {
        const char* name;
        std::function<NumericBox*(Walk&)> reach;
        void (MainWindow::*command)();
        const char* form;
        const char* caption;
    };
    const Case cases[] = {
        {"Go On, step 1", stroke, &MainWindow::mGoon_Click, "STEP1", "Stroke"},
        {"Go Back, step 1", loadFactor, &MainWindow::mGoBack_Click, "STEP1", "Load Factor"},
        {"3 Pulleys, step 2", rpm, &MainWindow::m3Pulleys_Click, "STEP2", "R.P.M. [rpm]"},
        {"Go On, step 3", centreDistance, &MainWindow::mGoon_Click, "STEP3", "Center Distance [mm]"},
        {"Go Back, step 3", teeth, &MainWindow::mGoBack_Click, "STEP3", "Pulley 2, z [n\u00B0 of teeth]"},
        {"Save, step 3", centreDistance, &MainWindow::mSave_Click, "STEP3", "Center Distance [mm]"},
    };
    for (const Case& c : cases) {
        Walk f;
        NumericBox* box = c.reach(f);
        const DriveProject before = f.project;
        TypeOnly(box, "5");
        f.dialogs.seen.clear();
        (f.w.*c.command)();
        QVERIFY2(f.dialogs.seen.size() == 1, c.name);
        const RecordedDialog& m = f.dialogs.seen[0];
        QCOMPARE(QString::fromStdString(m.text),
                 QStringLiteral("The value typed in %1 has not been confirmed: press Enter to use it or Esc to "
                                "restore it.")
                     .arg(QString::fromUtf8(c.caption)));
        QCOMPARE(m.title, std::string("I can't proceed"));
        QCOMPARE(m.icon, MsgIcon::Warning);
        QCOMPARE(f.w.activeFormName(), QString::fromLatin1(c.form));
        QCOMPARE(f.w.activeScreen()->focusWidget(), box);
        QVERIFY2(box->isPending(), c.name);
        QCOMPARE(box->text(), QStringLiteral("5"));
        QCOMPARE(f.project.pulleyCount, before.pulleyCount);
        QCOMPARE(f.project.stroke, before.stroke);
        QCOMPARE(f.project.centreDistance, before.centreDistance);
    }

    // Confirmed, the value is taken and the command goes on.
    Walk f;
    NumericBox* box = stroke(f);
    TypeOnly(box, "500");
    QTest::keyClick(box, Qt::Key_Return);
    f.w.mGoon_Click();
    QCOMPARE(f.project.stroke, 0.5);
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP2"));
}

void TestWizardWalk::escapeRestoresTheCentreDistanceGoOnThenUses() {
    Walk f;
    f.orvantoT10WithTeeth();
    Step3Screen* s3 = f.step3();
    EnterText(s3->Dato[8], "400");
    TypeOnly(s3->Dato[8], "500");
    f.w.mGoon_Click();
    QVERIFY(f.saw("The value typed in Center Distance [mm] has not been confirmed"));

    QTest::keyClick(s3->Dato[8], Qt::Key_Escape);
    QCOMPARE(s3->Dato[8]->text(), QStringLiteral("400.00"));
    QVERIFY(!s3->Dato[8]->isPending());
    f.dialogs.seen.clear();
    f.dialogs.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    f.dialogs.inputs = {"50.00"};
    f.w.mGoon_Click();
    // The length of the 400 mm that stand, not of the 500 typed and dropped.
    QVERIFY(!f.dialogs.seen.empty());
    QVERIFY(f.dialogs.seen[0].text.find("1102.53 mm") != std::string::npos);
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP5"));
}

void TestWizardWalk::enterSelectsTheNextBox() {
    Walk f;
    Step1Screen* s1 = f.step1();
    s1->setBeltTypeTab(1);
    QTest::mouseClick(s1->tipoDente(0), Qt::LeftButton);
    // Mass of carriage: after the slope comes the acceleration.
    EnterText(s1->dati(0), "90");
    QCOMPARE(s1->focusWidget(), s1->dati(3));
    QTest::keyClicks(s1->dati(3), "2");
    QTest::keyClick(s1->dati(3), Qt::Key_Return);
    QCOMPARE(f.project.acceleration, 2.0);
    QCOMPARE(s1->dati(3)->text(), QStringLiteral("2.00"));

    s1->setBeltTypeTab(0);
    QTest::mouseClick(s1->tipoDente(0), Qt::LeftButton);
    f.w.mGoon_Click();
    Step2Screen* s2 = f.step2();
    EnterText(s2->dato(0), "3.4");
    QCOMPARE(s2->focusWidget(), s2->dato(1));
    QTest::keyClicks(s2->dato(1), "1200");
    QTest::keyClick(s2->dato(1), Qt::Key_Return);
    QCOMPARE(s2->dato(1)->text(), QStringLiteral("1200"));
    QVERIFY(std::abs(f.project.pulleySpeed[1] - 1200 * 6.283185308 / 60) < 1e-9);
}

void TestWizardWalk::cancelledWidthShowsTheCentreDistanceOfTheStandardLength() {
    Walk f;
    f.orvantoT10WithTeeth();
    Step3Screen* s3 = f.step3();
    EnterText(s3->Dato[8], "400");
    // The shorter standard length, 1080 mm, then Cancel in the width box.
    f.dialogs.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    f.dialogs.inputs = {""};
    f.w.mGoon_Click();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP3"));
    QCOMPARE(f.project.beltLength, 1.08);
    // The next Go On starts from the centre distance of 1080 mm: the box
    // shows it.
    QCOMPARE(s3->Dato[8]->text(), QStringLiteral("388.70"));

    f.dialogs.seen.clear();
    f.dialogs.inputs = {"50.00"};
    f.w.mGoon_Click();
    QCOMPARE(f.dialogs.seen.size(), std::size_t(1));  // the width only
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP5"));
}

void TestWizardWalk::saveAnswerYesWithoutSavingKeepsTheProject_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("Reset") << "reset";
    QTest::newRow("Exit") << "exit";
    QTest::newRow("closing the window") << "close";
}

// Yes asks for the project to be kept: cancelling the Save dialog then
// throws nothing away.
void TestWizardWalk::saveAnswerYesWithoutSavingKeepsTheProject() {
    QFETCH(QString, command);
    Walk f;
    f.step1()->setBeltTypeTab(0);
    QTest::mouseClick(f.step1()->tipoDente(0), Qt::LeftButton);
    f.dialogs.answers = {MsgAnswer::Yes};
    f.files->answers = {QString()};
    if (command == "reset")
        f.w.mReset_Click();
    else if (command == "exit")
        f.w.mExit_Click();
    else
        QVERIFY(!f.w.close());

    QCOMPARE(f.dialogs.seen.size(), std::size_t(1));
    QCOMPARE(f.dialogs.seen[0].text, std::string("Data will be lost\rDo you want to save?"));
    QCOMPARE(f.files->seen.size(), std::size_t(1));
    QCOMPARE(f.files->seen[0].title, QStringLiteral("Save"));
    QCOMPARE(f.project.beltType, std::string("ORVANTO T"));
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP1"));
    QVERIFY(!f.w.closingMessageShown());
    QVERIFY(f.w.isVisible());
    QCOMPARE(f.quitCalls, 0);
}

namespace {

// Whether the widget shows the keyboard focus frame.
bool ShowsFocusFrame(QWidget* w) {
    const QImage shot = w->grab().toImage();
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixelColor(x, y) == style::kFocusFrame) return true;
    return false;
}

}  // namespace

// A two-pulley design from the cover to the data sheet with the keyboard
// alone: Tab and the arrows reach every choice, Space or Enter takes it,
// Alt and the underlined letters give the menus; the drive comes from the
// proposal dialog.
void TestWizardWalk::keyboardAloneFromTheCoverToTheDataSheet() {
    MainWindowFixture f;
    MainWindow& w = *f.window;
    w.resize(1280, 960);
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    w.finishCoverAnimation();
    const auto focused = [] { return QApplication::focusWidget(); };
    const auto press = [&](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::activePopupWidget();
        if (!target) target = focused() ? focused() : &w;
        QTest::keyClick(target, Qt::Key(key), modifiers);
    };
    // A box reached with the keyboard has its value selected: what is typed replaces it.
    const auto type = [&](const QString& text) {
        QTest::keyClicks(focused(), text);
        press(Qt::Key_Return);
    };
    // Tab (at most a screenful of times) until the widget has the focus.
    const auto tabTo = [&](QWidget* target) {
        for (int i = 0; i < 40 && focused() != target; ++i) press(Qt::Key_Tab);
        return focused() == target;
    };

    // The cover: START has the focus, and shows it; Enter starts.
    QCOMPARE(focused(), w.cover()->START);
    QVERIFY(ShowsFocusFrame(w.cover()->START));
    press(Qt::Key_Return);
    QCOMPARE(w.activeFormName(), QStringLiteral("STEP1"));

    // Step 1: the ORVANTO tab, the T profile, the driver class, the driven
    // machine and the operating time.
    auto* s1 = dynamic_cast<Step1Screen*>(w.activeScreen());
    QCOMPARE(focused(), s1->beltType());
    for (int i = 0; i < 10 && s1->beltType()->currentIndex() != 0; ++i) press(Qt::Key_Left);
    press(Qt::Key_Tab);
    QCOMPARE(focused(), s1->tipoDente(0));
    QVERIFY(ShowsFocusFrame(s1->tipoDente(0)));
    press(Qt::Key_Right);
    QCOMPARE(focused(), s1->tipoDente(1));
    press(Qt::Key_Left);
    press(Qt::Key_Space);
    QCOMPARE(f.project.beltType, std::string("ORVANTO T"));
    press(Qt::Key_Tab);  // the pictures are one stop: on to the driver class
    QCOMPARE(focused(), s1->optionDriver(0));
    press(Qt::Key_Down);
    press(Qt::Key_Space);
    QVERIFY(s1->optionDriver(1)->isChecked());
    press(Qt::Key_Tab);
    QCOMPARE(focused(), s1->proprieta());
    for (int i = 0; i < 10 && s1->proprieta()->currentRow() != 6; ++i) press(Qt::Key_Down);
    QCOMPARE(f.project.screen.proprietaListIndex, 6);
    QCOMPARE(s1->loadFactorBox()->text(), QStringLiteral("1.1"));
    press(Qt::Key_Tab);
    QCOMPARE(focused(), s1->loadFactorBox());
    press(Qt::Key_Tab);
    QCOMPARE(focused(), s1->tabella(7));
    press(Qt::Key_Right);
    press(Qt::Key_Right);
    QCOMPARE(focused(), s1->tabella(9));
    QVERIFY(ShowsFocusFrame(s1->tabella(9)));
    press(Qt::Key_Return);
    QCOMPARE(f.project.loadFactorSecond, 0.2F);
    press(Qt::Key_O, Qt::AltModifier);
    QCOMPARE(w.activeFormName(), QStringLiteral("STEP2"));

    // Step 2: power and speed, the T10 pitch label, 2 Pulleys by centre distance.
    auto* s2 = dynamic_cast<Step2Screen*>(w.activeScreen());
    QCOMPARE(focused(), s2->dato(0));
    type("3.4");
    QCOMPARE(focused(), s2->dato(1));
    type("1200");
    QCOMPARE(f.project.power, 3400.0);
    QVERIFY(std::abs(f.project.pulleySpeed[1] - 1200 * 6.283185308 / 60) < 1e-9);
    QVERIFY(tabTo(s2->scelta(0)));
    for (int i = 0; i < 4 && focused() != s2->scelta(2); ++i) press(Qt::Key_Up);
    QCOMPARE(focused(), s2->scelta(2));
    QVERIFY(ShowsFocusFrame(s2->scelta(2)));
    press(Qt::Key_Space);
    QCOMPARE(f.project.beltName, std::string("ORVANTO T10"));

    // "Propose drives…": ratio 2, centre distance 300 to 500 mm, Enter
    // searches; Down to the first T10 drive, and Enter takes it to step 3
    // by centre distance.
    QVERIFY(tabTo(s2->proposeButton()));
    QString taken;
    QTimer::singleShot(0, &w, [&] {
        auto* d = qobject_cast<ProposalDialog*>(QApplication::activeModalWidget());
        QVERIFY(d);
        const struct Closer {
            QDialog* d;
            ~Closer() {
                if (d->isVisible()) d->reject();
            }
        } closer{d};
        const auto key = [d](int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
            QTest::keyClick(d->focusWidget(), Qt::Key(k), m);
        };
        // As the window manager does with a new dialog.
        d->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d));
        QCOMPARE(d->focusWidget(), d->ratioBox());
        QTest::keyClicks(d->focusWidget(), QStringLiteral("2"));
        key(Qt::Key_Tab);
        key(Qt::Key_Tab);
        QTest::keyClicks(d->focusWidget(), QStringLiteral("300"));
        key(Qt::Key_Tab);
        QTest::keyClicks(d->focusWidget(), QStringLiteral("500"));
        key(Qt::Key_Return);
        QCOMPARE(d->focusWidget(), d->table());
        const auto code = [d] { return d->table()->item(d->table()->currentRow(), 3)->text(); };
        for (int i = 0; i < d->table()->rowCount() && !code().contains(QLatin1String("T10")); ++i)
            key(Qt::Key_Down);
        taken = code();
        key(Qt::Key_Return);
    });
    press(Qt::Key_Space);
    QVERIFY2(taken.contains(QLatin1String("T10")), qPrintable(taken));
    QCOMPARE(QString::fromStdString(f.project.beltName), QStringLiteral("ORVANTO T10"));
    QCOMPARE(w.activeFormName(), QStringLiteral("STEP3"));

    // Step 3: 1200 rpm on 20 teeth, 40 teeth driven, 400 mm apart; Go On
    // takes the shorter standard length and the proposed width.
    auto* s3 = dynamic_cast<Step3Screen*>(w.activeScreen());
    // The window manager gives the window back its activation once the
    // dialog has gone; the offscreen platform has none.
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QVERIFY(tabTo(s3->inputn[1]));
    type("1200");
    QCOMPARE(focused(), s3->inputz[1]);
    type("20");
    QVERIFY(tabTo(s3->inputz[2]));
    type("40");
    QVERIFY(tabTo(s3->Dato[8]));
    type("400");
    QCOMPARE(f.project.pulleyTeeth[2], 40);
    QCOMPARE(f.project.centreDistance, 0.4);
    f.dialogs.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    f.dialogs.acceptInputDefaults = true;
    press(Qt::Key_O, Qt::AltModifier);
    QCOMPARE(w.activeFormName(), QStringLiteral("STEP5"));
    QVERIFY(!f.project.beltCode.empty());
    press(Qt::Key_O, Qt::AltModifier);
    QCOMPARE(w.activeFormName(), QStringLiteral("STEP6"));
}

QTEST_MAIN(TestWizardWalk)
#include "test_wizardwalk.moc"
