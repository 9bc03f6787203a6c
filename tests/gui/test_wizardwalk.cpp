// The wizard walked as an engineer uses it: a value typed and not yet
// confirmed when Go On is chosen, the next box after Enter, a design stopped
// on the pulley data after its standard length was taken, and the answer Yes
// to the save question.
#include <QTest>
#include <cmath>

#include "guitestsupport.h"
#include "screens/numericbox.h"
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
    void goOnLeavesAnUnconfirmedBoxMarked();
    void enterSelectsTheNextBox();
    void cancelledWidthShowsTheCentreDistanceOfTheStandardLength();
    void saveAnswerYesWithoutSavingKeepsTheProject_data();
    void saveAnswerYesWithoutSavingKeepsTheProject();
};

void TestWizardWalk::goOnLeavesAnUnconfirmedBoxMarked() {
    // A box takes its value only on Enter; one typed into and left shows it
    // is unconfirmed, and Go On neither takes nor loses the typed text.
    Walk f;
    Step1Screen* s1 = f.step1();
    s1->setBeltTypeTab(1);
    QTest::mouseClick(s1->tipoDente(0), Qt::LeftButton);
    s1->setOptionDriver(1);  // omega drive: a stroke is required
    TypeOnly(s1->dati(10), "500");
    QVERIFY(s1->dati(10)->isPending());

    f.w.mGoon_Click();
    QVERIFY(f.saw("Stroke is necessary for omega drive !!!"));
    QCOMPARE(f.project.stroke, 0.0);
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP1"));
    QVERIFY(s1->dati(10)->isPending());
    QCOMPARE(s1->dati(10)->text(), QStringLiteral("500"));

    QTest::keyClick(s1->dati(10), Qt::Key_Return);
    f.w.mGoon_Click();
    QCOMPARE(f.project.stroke, 0.5);
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP2"));
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

QTEST_MAIN(TestWizardWalk)
#include "test_wizardwalk.moc"
