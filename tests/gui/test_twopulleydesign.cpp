// Two-pulley designs walked through the main window as a user does it: the
// belt on step 1, power and pitch on step 2, pulleys and centre distance on
// step 3, Go On with the standard length and width questions, the results.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "guitestsupport.h"
#include "screens/numericbox.h"
#include "screens/step1screen.h"
#include "screens/step2screen.h"
#include "screens/step3screen.h"
#include "screens/step5details.h"
#include "screens/step5screen.h"

using namespace belt;
using belt::test::EnterText;
using belt::test::MainWindowFixture;
using belt::test::PageLineOf;
using belt::test::PageTextOf;

namespace {

const QColor kYellow(255, 255, 0);
const QColor kLightCyan(128, 255, 255);

struct Walk : belt::test::WizardWalk {
    // The ORVANTO T10 pulleys, 400 mm apart.
    void orvantoT10Pulleys() {
        orvantoT10Teeth();
        EnterText(step3()->Dato[8], "400");
    }
    std::vector<std::string> messages() const { return dialogs.messageTexts(); }
};

}  // namespace

class TestTwoPulleyDesign : public QObject {
    Q_OBJECT
private slots:
    void orvantoT10FromStartToResults();
    void goBackKeepsTheDesignAndGoOnAgain();
    void fendaroDriveReachesResults();
    void quindelDriveReachesResults();
    void goOnRefuses_data();
    void goOnRefuses();
    void cancelledStandardLengthRereadsTheBoxes();
    void threePulleysLeaveForTheLayout();
};

void TestTwoPulleyDesign::orvantoT10FromStartToResults() {
    Walk f;
    f.orvantoT10ToStep3();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP3"));
    Step3Screen* s3 = f.step3();
    QCOMPARE(s3->TitoloBox[0]->text(), QStringLiteral("ORVANTO PU Endless Timing Belt: Size T10"));
    QCOMPARE(s3->Dato[5]->text(), QStringLiteral("3.40"));
    f.orvantoT10Pulleys();
    QCOMPARE(s3->inputd[1]->text(), QStringLiteral("63.66"));
    QCOMPARE(s3->inputn[2]->text(), QStringLiteral("600.0"));
    QCOMPARE(s3->inputi[2]->text(), QStringLiteral("2.0"));
    QCOMPARE(s3->Dato[6]->text(), QStringLiteral("850.00"));
    QCOMPARE(s3->Dato[7]->text(), QStringLiteral("4.00"));
    QVERIFY(f.dialogs.seen.empty());

    // The standard length: the standard neighbours, then the shorter one;
    // the proposed width is kept.
    f.dialogs.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    f.dialogs.inputs = {"50.00"};
    f.w.mGoon_Click();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP5"));
    QCOMPARE(f.dialogs.seen.size(), std::size_t(3));
    const RecordedDialog& first = f.dialogs.seen[0];
    QCOMPARE(first.title, std::string("ORVANTO T10"));
    QVERIFY(first.text.find("Standard              1080 mm        1102.53 mm         1110 mm") != std::string::npos);
    QCOMPARE(f.dialogs.seen[1].title, std::string("ORVANTO T10"));
    QVERIFY(f.dialogs.seen[1].text.find("Belt length        1080 mm        1102.53 mm       1110 mm") !=
            std::string::npos);
    QCOMPARE(f.dialogs.seen[2].kind, RecordedDialog::Kind::Input);
    QCOMPARE(f.dialogs.seen[2].title, std::string("ORVANTO T10: Enter the belt width"));
    QCOMPARE(f.dialogs.seen[2].defaultText, std::string("50.00"));

    Step5Screen* s5 = f.step5();
    QVERIFY(s5->Flash->isActive());
    QCOMPARE(s5->BeltCode->text(), QStringLiteral("Belt code               50 T10-1080"));
    QCOMPARE(PageLineOf(*s5, "Driver pulley"), (QStringList{"Driver pulley", "56 T10  / 20"}));
    QCOMPARE(PageLineOf(*s5, "Number of teeth belt"), (QStringList{"Number of teeth belt", "108"}));
    QCOMPARE(PageLineOf(*s5, "Belt length"), (QStringList{"Belt length", "1080", "[mm]"}));
    QCOMPARE(PageLineOf(*s5, "Belt width"), (QStringList{"Belt width", "50", "[mm]"}));
    QCOMPARE(PageLineOf(*s5, "Centre distance"), (QStringList{"Centre distance", "388.70", "[mm]"}));
    QVERIFY(PageTextOf(*s5, "(toler. range according to DIN 7721-1)"));
    QVERIFY(!PageTextOf(*s5, "Stroke"));
    QCOMPARE(PageTextOf(*s5, "Centre distance")->colour, kLightCyan);

    // Installation data: one span for two pulleys.
    const PageText* title = PageTextOf(*s5, "INSTALLATION DATA");
    QVERIFY(title);
    QCOMPARE(title->column, 26);
    QCOMPARE(PageLineOf(*s5, "Span pre-tension"), (QStringList{"Span pre-tension", "425.0", "[N]"}));
    QCOMPARE(PageLineOf(*s5, "Static tension on driver pulley"),
             (QStringList{"Static tension on driver pulley", "847.1", "[N]"}));
    QCOMPARE(PageLineOf(*s5, "Load test between pulleys 1 & 2"),
             (QStringList{"Load test between pulleys 1 & 2", "54.5", "[N]"}));
    QCOMPARE(PageLineOf(*s5, "Span length deflection between pulleys 1 & 2"),
             (QStringList{"Span length deflection between pulleys 1 & 2", "6.43", "[mm]"}));
    QVERIFY(!PageTextOf(*s5, "Load test between pulleys 2 & 1"));
    QCOMPARE(PageTextOf(*s5, "Span pre-tension")->colour, kYellow);
    QVERIFY(PageTextOf(*s5, "Span pre-tension")->y > title->y);
}

void TestTwoPulleyDesign::goBackKeepsTheDesignAndGoOnAgain() {
    Walk f;
    f.orvantoT10ToStep3();
    f.orvantoT10Pulleys();
    f.dialogs.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    f.dialogs.inputs = {"50.00"};
    f.w.mGoon_Click();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP5"));
    Step5Screen* s5 = f.step5();
    // Go On recorded the design's details, and the results show them.
    QVERIFY(s5->Details->listText().contains(QLatin1String("gives w = 50 mm")));

    f.w.mGoBack_Click();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP3"));
    QVERIFY(!s5->Flash->isActive());
    Step3Screen* s3 = f.step3();
    QCOMPARE(s3->inputz[1]->text(), QStringLiteral("20"));
    QCOMPARE(s3->inputz[2]->text(), QStringLiteral("40"));
    QCOMPARE(s3->inputn[1]->text(), QStringLiteral("1200.0"));
    QCOMPARE(s3->Dato[5]->text(), QStringLiteral("3.40"));
    // The centre distance is the one of the standard length now.
    QCOMPARE(s3->Dato[8]->text(), QStringLiteral("388.70"));

    // The length is standard already: only the width is asked again.
    f.dialogs.seen.clear();
    f.dialogs.inputs = {"75"};
    f.w.mGoon_Click();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP5"));
    QCOMPARE(f.dialogs.seen.size(), std::size_t(1));
    QCOMPARE(f.dialogs.seen[0].kind, RecordedDialog::Kind::Input);
    QCOMPARE(f.step5(), s5);
    QVERIFY(s5->Flash->isActive());
    QCOMPARE(s5->BeltCode->text(), QStringLiteral("Belt code               75 T10-1080"));
    QCOMPARE(PageLineOf(*s5, "Belt width"), (QStringList{"Belt width", "75", "[mm]"}));
    // The details are those of the design again, once.
    QCOMPARE(s5->Details->listText().count(QLatin1String("Belt width chosen")), 1);
    QVERIFY(s5->Details->listText().contains(QLatin1String("gives w = 75 mm")));

    // Go On leaves the results for the data sheet; Go Back comes back to
    // them with the belt code blinking again.
    f.w.mGoon_Click();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP6"));
    QVERIFY(!s5->Flash->isActive());
    f.w.mGoBack_Click();
    QCOMPARE(f.step5(), s5);
    QVERIFY(s5->Flash->isActive());
    QCOMPARE(s5->BeltCode->text(), QStringLiteral("Belt code               75 T10-1080"));

    // Reset (as Open and the demonstration do) clears them with the project.
    QVERIFY(!f.w.designDetails().entries().empty());
    f.w.Resetta();
    QVERIFY(f.w.designDetails().entries().empty());
}

void TestTwoPulleyDesign::fendaroDriveReachesResults() {
    Walk f;
    Step1Screen* s1 = f.step1();
    s1->setBeltTypeTab(4);
    QTest::mouseClick(s1->tipoDente(10), Qt::LeftButton);
    s1->proprieta()->setCurrentRow(2);
    QCOMPARE(f.project.beltType, std::string("FENDARO FXA9"));
    f.w.mCentreDistance_Click();
    Step3Screen* s3 = f.step3();
    QVERIFY(s3);
    QCOMPARE(s3->TitoloBox[0]->text(), QStringLiteral("FENDARO Endless Flat Belt: Type FXA9"));
    QVERIFY(s3->inputz[1]->isHidden());
    QVERIFY(!s3->nomeinputz[1]->isEnabled());

    EnterText(s3->Dato[5], "2");
    EnterText(s3->inputn[1], "1400");
    // 95 mm is no ISO diameter: the nearest one is offered and taken.
    f.dialogs.answers = {MsgAnswer::Yes};
    EnterText(s3->inputd[1], "95");
    QCOMPARE(f.messages().back(), std::string("For driver pulley ISO standard diameter is 100.00 [mm]\rDo I change to this value ?"));
    QCOMPARE(f.dialogs.seen.back().title, std::string("Warning !!!"));
    QCOMPARE(s3->inputd[1]->text(), QStringLiteral("100.00"));
    EnterText(s3->inputd[2], "200");
    QCOMPARE(s3->inputn[2]->text(), QStringLiteral("700.0"));
    EnterText(s3->Dato[8], "500");

    f.dialogs.seen.clear();
    f.dialogs.answers = {MsgAnswer::Yes};
    f.dialogs.acceptInputDefaults = true;
    f.w.mGoon_Click();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP5"));
    QCOMPARE(f.dialogs.seen.front().title, std::string("FENDARO FXA9"));
    Step5Screen* s5 = f.step5();
    QCOMPARE(PageLineOf(*s5, "Driver pulley"), (QStringList{"Driver pulley", "\u00D8 100.00 mm"}));
    QVERIFY(PageTextOf(*s5, "Coating material"));
    QVERIFY(!PageTextOf(*s5, "Number of teeth belt"));
    QVERIFY(PageTextOf(*s5, "Tension installation"));
    QCOMPARE(s5->CambiaCinghia->count(), 0);
}

void TestTwoPulleyDesign::quindelDriveReachesResults() {
    Walk f;
    Step1Screen* s1 = f.step1();
    s1->setBeltTypeTab(3);
    QTest::mouseClick(s1->tipoDente(8), Qt::LeftButton);
    QCOMPARE(f.project.beltName, std::string("QUINDEL J"));
    f.w.mCentreDistance_Click();
    Step3Screen* s3 = f.step3();
    QVERIFY(s3);
    QCOMPARE(s3->TitoloBox[0]->text(), QStringLiteral("QUINDEL PU Endless Multirib Belt: Type J"));

    EnterText(s3->Dato[5], "1.5");
    // Below the smallest J pulley: the minimum is offered and taken.
    f.dialogs.answers = {MsgAnswer::Yes};
    EnterText(s3->inputd[1], "15");
    QCOMPARE(f.messages().back(), std::string("Minimum allowed diameter is 20.00 [mm]\rDo I change to this value ?"));
    QCOMPARE(s3->inputd[1]->text(), QStringLiteral("20.00"));
    EnterText(s3->inputd[1], "50");
    EnterText(s3->inputn[1], "2800");
    QCOMPARE(s3->Dato[7]->text(), QStringLiteral("7.33"));
    EnterText(s3->inputi[2], "2");
    QCOMPARE(s3->inputn[2]->text(), QStringLiteral("1400.0"));
    QCOMPARE(s3->inputd[2]->text(), QStringLiteral("100.00"));
    EnterText(s3->Dato[8], "300");

    f.dialogs.seen.clear();
    f.dialogs.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    f.dialogs.acceptInputDefaults = true;
    f.w.mGoon_Click();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP5"));
    Step5Screen* s5 = f.step5();
    QCOMPARE(PageLineOf(*s5, "Tensile member"), (QStringList{"Tensile member", "POLYESTER"}));
    QVERIFY(PageTextOf(*s5, "Number of ribs"));
    QVERIFY(PageTextOf(*s5, "Ribs belt (calculated)")->italic);
    QCOMPARE(s5->CambiaCinghia->count(), 10);
    QCOMPARE(s5->CambiaCinghia->itemText(0), QStringLiteral("1 ribs"));
}

void TestTwoPulleyDesign::goOnRefuses_data() {
    QTest::addColumn<QStringList>("entries");  // "box:text" after the ORVANTO T10 pulleys
    QTest::addColumn<QString>("message");
    QTest::newRow("missing speed") << QStringList{"n2:0"} << "n missing on driven pulley !!!";
    QTest::newRow("ratio against speeds") << QStringList{"i2:0"} << "Error in input data";
    QTest::newRow("zero power") << QStringList{"P:0"} << "Power must be greater than zero !!!";
    QTest::newRow("zero centre distance") << QStringList{"C:0"} << "Center distance must be greater than zero !!!";
    QTest::newRow("pulleys overlap") << QStringList{"C:50"} << "Pulley interference. Check the data  !!!";
}

void TestTwoPulleyDesign::goOnRefuses() {
    QFETCH(QStringList, entries);
    QFETCH(QString, message);
    Walk f;
    f.orvantoT10ToStep3();
    f.orvantoT10Pulleys();
    Step3Screen* s3 = f.step3();
    for (const QString& e : entries) {
        const QString box = e.section(':', 0, 0);
        const QString text = e.section(':', 1);
        if (box == "n2") EnterText(s3->inputn[2], text);
        if (box == "i2") EnterText(s3->inputi[2], text);
        if (box == "P") EnterText(s3->Dato[5], text);
        if (box == "C") EnterText(s3->Dato[8], text);
    }
    f.dialogs.seen.clear();
    f.w.mGoon_Click();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP3"));
    QVERIFY(!f.dialogs.seen.empty());
    QCOMPARE(QString::fromStdString(f.dialogs.seen.back().text), message);
    QCOMPARE(f.dialogs.seen.back().title, std::string("I can't proceed"));
}

void TestTwoPulleyDesign::cancelledStandardLengthRereadsTheBoxes() {
    Walk f;
    f.orvantoT10ToStep3();
    f.orvantoT10Pulleys();
    Step3Screen* s3 = f.step3();
    f.dialogs.answers = {MsgAnswer::Cancel};
    f.w.mGoon_Click();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP3"));
    QCOMPARE(f.project.lastStandardLength, kNoStandardLength);
    QCOMPARE(f.project.centreDistance, 0.4);
    QCOMPARE(f.project.beltLength, 0.0);
    QCOMPARE(s3->Dato[8]->text(), QStringLiteral("400.00"));
    QCOMPARE(s3->focusWidget(), s3->Dato[5]);
}

void TestTwoPulleyDesign::threePulleysLeaveForTheLayout() {
    Walk f;
    f.step1()->setBeltTypeTab(0);
    QTest::mouseClick(f.step1()->tipoDente(0), Qt::LeftButton);
    f.w.mGoon_Click();
    EnterText(f.step2()->dato(0), "3.4");
    EnterText(f.step2()->dato(1), "1200");
    f.step2()->Scelta_Click(2);
    f.w.m3Pulleys_Click();
    Step3Screen* s3 = f.step3();
    QVERIFY(s3);
    QVERIFY(s3->Box[3]->isVisible());
    QVERIFY(!s3->Box[8]->isVisible() && !s3->Box[9]->isVisible());
    EnterText(s3->inputn[1], "1200");
    EnterText(s3->inputz[1], "20");
    EnterText(s3->inputz[2], "40");
    EnterText(s3->inputz[3], "30");
    f.w.mGoon_Click();
    // The pulleys are placed on the layout screen, quietly: they all still
    // sit at the origin.
    QCOMPARE(f.dialogs.seen.size(), std::size_t(0));
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP4"));
}

QTEST_MAIN(TestTwoPulleyDesign)
#include "test_twopulleydesign.moc"
