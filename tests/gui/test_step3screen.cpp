// STEP3 as the user drives it: the layout per belt and drive, the entries and
// what each one recomputes, the questions and messages, the idler boxes, the
// focus order and the unit captions.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <memory>

#include "guitestsupport.h"
#include "platform/scripteddialogs.h"
#include "project/driveproject.h"
#include "screens/menuactions.h"
#include "screens/numericbox.h"
#include "screens/step3screen.h"
#include "units/units.h"

using namespace belt;

namespace {

struct Fixture : belt::test::ScreenFixture<Step3Screen> {
    // A belt as steps 1 and 2 leave it.
    Fixture(const std::string& family, const std::string& pitchCode, int pulleys = 2, int mode = 1) {
        p.beltFamily = family;
        p.beltType = family + " " + pitchCode.substr(0, pitchCode.find_first_of("0123456789."));
        p.beltPitchCode = pitchCode;
        p.beltName = family + " " + pitchCode;
        p.pulleyCount = pulleys;
        p.twoPulleyMode = mode;
        p.loadFactor = 1.0f;
        p.pulleyRatio[1] = 1.0;
    }
    Step3Screen& show() { return ScreenFixture::show(QSize(1280, 900)); }
    QString visiblePanels() const {
        QStringList shown;
        for (int i = 0; i <= 9; ++i)
            if (screen->Box[static_cast<std::size_t>(i)]->isVisible()) shown << QString::number(i);
        return shown.join(' ');
    }
};

}  // namespace

class TestStep3Screen : public QObject {
    Q_OBJECT
private slots:
    void layoutPerBelt_data();
    void layoutPerBelt();
    void menusOfTheScreen();
    void driverPulleyFromStep1SnapsToTeeth();
    void ratioEntryDerivesTheDrivenPulley();
    void tooManyTeethClearThePulley();
    void beltSpeedQuestion();
    void idlerBoxClearsAndDisables();
    void negativeEntryIsRefused();
    void focusOrder_data();
    void focusOrder();
    void enteredTextIsTaken();
    void unitChangeRewritesCaptionsAndBoxes();
};

void TestStep3Screen::layoutPerBelt_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<QString>("pitch");
    QTest::addColumn<int>("linearDriveType");
    QTest::addColumn<int>("pulleys");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("subtitle");
    QTest::addColumn<bool>("teeth");
    QTest::addColumn<QString>("panels");
    QTest::newRow("ORVANTO T10, centre distance")
        << "ORVANTO" << "T10" << 0 << 2 << 1 << "ORVANTO PU Endless Timing Belt: Size T10"
        << "Service factor: 0.2    Load factor: 1.0" << true << "0 1 2 5 6 7 8";
    QTest::newRow("RUBBER H, belt length") << "RUBBER" << "H" << 0 << 2 << 2 << "RUBBER Timing Belt: Size H"
                                           << "Service factor: 0.2    Load factor: 1.0" << true << "0 1 2 5 6 7 9";
    QTest::newRow("SELKIRA omega drive") << "SELKIRA" << "AT10" << 1 << 3 << 0
                                         << "SELKIRA PU Omega Drive Timing Belt: Size AT10" << "Service factor: 0.2"
                                         << true << "0 1 2 3 5 6 7";
    QTest::newRow("TAVOREN four pulleys") << "TAVOREN" << "T10" << 0 << 4 << 0
                                          << "TAVOREN PU Endless Timing Belt: Size T10" << "Service factor: 0.2"
                                          << true << "0 1 2 3 4 5 6 7";
    QTest::newRow("QUINDEL J") << "QUINDEL" << "J" << 0 << 2 << 1 << "QUINDEL PU Endless Multirib Belt: Type J"
                               << "Service factor: 0.2" << false << "0 1 2 5 6 7 8";
    QTest::newRow("FENDARO three pulleys") << "FENDARO" << "FXA9" << 0 << 3 << 0
                                           << "FENDARO Endless Flat Belt: Type FXA9" << "Service factor: 0.2" << false
                                           << "0 1 2 3 5 6 7";
}

void TestStep3Screen::layoutPerBelt() {
    QFETCH(QString, family);
    QFETCH(QString, pitch);
    QFETCH(int, linearDriveType);
    QFETCH(int, pulleys);
    QFETCH(int, mode);
    QFETCH(QString, title);
    QFETCH(QString, subtitle);
    QFETCH(bool, teeth);
    QFETCH(QString, panels);
    Fixture f(family.toStdString(), pitch.toStdString(), pulleys, mode);
    f.p.linearDriveType = linearDriveType;
    f.p.loadFactorSecond = 0.2f;
    Step3Screen& s = f.show();
    QCOMPARE(s.TitoloBox[0]->text(), title);
    QCOMPARE(s.Sottotitolo->text(), subtitle);
    QCOMPARE(f.visiblePanels(), panels);
    for (int k = 1; k <= pulleys; ++k) {
        QCOMPARE(s.inputz[static_cast<std::size_t>(k)]->isVisible(), teeth);
        QCOMPARE(s.nomeinputz[static_cast<std::size_t>(k)]->isEnabled(), teeth);
    }
    QVERIFY(s.Dato[6]->isEnabled());
    QCOMPARE(s.focusWidget(), s.Dato[5]);
    QCOMPARE(s.TitoloBox[5]->text(), QStringLiteral("Power [kW]"));
    QCOMPARE(s.TitoloBox[8]->text(), QStringLiteral("Center Distance [mm]"));
    QCOMPARE(s.TitoloBox[9]->text(), QStringLiteral("Belt Length [mm]"));
    QCOMPARE(s.nomeinputd[1]->text(), QStringLiteral("Dp [mm]"));
    QCOMPARE(s.nomeinputz[1]->text(), QStringLiteral("z [n\u00B0 of teeth]"));
}

void TestStep3Screen::menusOfTheScreen() {
    Fixture f("ORVANTO", "T10");
    f.show();
    MenuActions& m = f.menus.m;
    for (QAction* a : {m.mFile, m.mGoBack, m.mGoon, m.mUnit, m.mInt}) QVERIFY(a->isVisible());
    for (QAction* a : {m.mStopDemo, m.mDemo, m.mLoopDemo, m.mClose, m.mGoon2, m.mPrinter, m.mPrinter2})
        QVERIFY(!a->isVisible());
}

void TestStep3Screen::driverPulleyFromStep1SnapsToTeeth() {
    // Step 1 left a driver pulley of 31.9 mm at 1500 rpm.
    Fixture f("ORVANTO", "T5");
    f.p.pulleyDiameter[1] = 0.0319;
    f.p.pulleySpeed[1] = 1500 * 6.283185308 / 60;
    Step3Screen& s = f.show();
    QCOMPARE(s.inputz[1]->text(), QStringLiteral("20"));
    QCOMPARE(s.inputd[1]->text(), QStringLiteral("31.83"));
    QCOMPARE(s.inputn[1]->text(), QStringLiteral("1500.0"));
    QCOMPARE(s.Dato[7]->text(), QStringLiteral("2.50"));
    QVERIFY(f.d.seen.empty());
}

void TestStep3Screen::ratioEntryDerivesTheDrivenPulley() {
    Fixture f("ORVANTO", "T5");
    Step3Screen& s = f.show();
    f.enter(s.inputn[1], "1500");
    f.enter(s.inputz[1], "20");
    f.enter(s.inputi[2], "2");
    QCOMPARE(s.inputn[2]->text(), QStringLiteral("750.0"));
    QCOMPARE(s.inputz[2]->text(), QStringLiteral("40"));
    QCOMPARE(s.inputd[2]->text(), QStringLiteral("63.66"));
    QCOMPARE(s.inputi[2]->text(), QStringLiteral("2.0"));
    QCOMPARE(f.p.pulleyTeeth[2], 40);
    // Enter in the ratio box without a change does not read the rounded text.
    f.p.pulleyRatio[2] = 2.04;
    s.inputi[2]->setText(QStringLiteral("2.0"));
    f.enter(s.inputi[2], QString());
    QCOMPARE(f.p.pulleyRatio[2], 2.04);
}

void TestStep3Screen::tooManyTeethClearThePulley() {
    Fixture f("ORVANTO", "T10");
    Step3Screen& s = f.show();
    f.enter(s.inputn[1], "1200");
    f.enter(s.inputz[1], "20");
    f.enter(s.inputz[2], "251");
    QCOMPARE(f.d.messageTexts(),
             std::vector<std::string>{"Requested teeth number for driven pulley is too large !\rChange n or belt speed."});
    QCOMPARE(f.d.seen[0].title, std::string("Warning !!!"));
    QCOMPARE(f.d.seen[0].icon, MsgIcon::Error);
    QCOMPARE(s.inputn[2]->text(), QStringLiteral("0.0"));
    QCOMPARE(s.inputz[2]->text(), QStringLiteral("0"));
    QCOMPARE(s.inputd[2]->text(), QStringLiteral("0.00"));
    QCOMPARE(s.inputi[2]->text(), QStringLiteral("0.0"));
}

void TestStep3Screen::beltSpeedQuestion() {
    Fixture f("ORVANTO", "T10");
    Step3Screen& s = f.show();
    f.enter(s.inputn[1], "1200");
    f.enter(s.inputz[1], "20");
    // The same speed again asks nothing.
    f.enter(s.inputn[1], "1200");
    QVERIFY(f.d.seen.empty());
    // Another speed asks about the belt speed shown with the old value; No
    // keeps the belt speed and gives the pulley the diameter that fits.
    f.d.answers = {MsgAnswer::No};
    f.enter(s.inputn[1], "1500");
    QCOMPARE(f.d.messageTexts(), std::vector<std::string>{"Do you want to change the belt speed v = 4.0 [m/s] ?"});
    QCOMPARE(f.d.seen[0].buttons, MsgButtons::YesNo);
    QCOMPARE(s.Dato[7]->text(), QStringLiteral("4.00"));
    QCOMPARE(s.inputz[1]->text(), QStringLiteral("16"));
    // Yes takes the belt speed from the pulley.
    f.d.answers = {MsgAnswer::Yes};
    f.enter(s.inputn[1], "1200");
    QCOMPARE(s.Dato[7]->text(), QStringLiteral("3.20"));
}

void TestStep3Screen::idlerBoxClearsAndDisables() {
    Fixture f("ORVANTO", "T10", 3, 0);
    Step3Screen& s = f.show();
    f.enter(s.inputn[1], "1200");
    f.enter(s.inputz[1], "20");
    f.enter(s.inputz[3], "30");
    QCOMPARE(s.inputd[3]->text(), QStringLiteral("95.49"));

    QTest::mouseClick(s.checkidler[3], Qt::LeftButton, Qt::NoModifier, QPoint(6, s.checkidler[3]->height() / 2));
    QVERIFY(s.checkidler[3]->isChecked());
    QCOMPARE(f.p.screen.checkIdler[3], 1);
    QCOMPARE(f.p.pulleyIsIdler[3], kTrue);
    QVERIFY(!s.inputn[3]->isEnabled());
    QVERIFY(!s.inputz[3]->isEnabled());
    QVERIFY(!s.inputi[3]->isEnabled());
    QVERIFY(s.inputd[3]->isEnabled());
    QCOMPARE(s.inputn[3]->text(), QStringLiteral("0.0"));
    QCOMPARE(s.inputz[3]->text(), QStringLiteral("0"));
    QCOMPARE(s.inputd[3]->text(), QStringLiteral("0.00"));
    QCOMPARE(f.p.pulleyDiameter[3], 0.0);

    // A small idler is only advised against; it keeps its diameter.
    f.enter(s.inputd[3], "20");
    const std::string min = Format(f.p.minIdlerDiameterInside * 1000, "###0.00");
    QCOMPARE(f.d.messageTexts(), std::vector<std::string>{"Recommended idler minimum diameter is " + min + " [mm]"});
    QCOMPARE(f.p.pulleyDiameter[3], 0.02);
    QCOMPARE(s.inputd[3]->text(), QStringLiteral("20.00"));
    QVERIFY(f.p.screen.idlerDiameterTyped[3]);

    QTest::mouseClick(s.checkidler[3], Qt::LeftButton, Qt::NoModifier, QPoint(6, s.checkidler[3]->height() / 2));
    QCOMPARE(f.p.pulleyIsIdler[3], 0);
    QVERIFY(s.inputn[3]->isEnabled());
    QVERIFY(s.inputz[3]->isEnabled());
    QVERIFY(s.inputi[3]->isEnabled());
}

void TestStep3Screen::negativeEntryIsRefused() {
    Fixture f("ORVANTO", "T10");
    Step3Screen& s = f.show();
    f.enter(s.inputn[1], "-3");
    QCOMPARE(f.d.messageTexts(), std::vector<std::string>{"Please, insert positive values."});
    QCOMPARE(f.d.seen[0].title, std::string("Warning"));
    QCOMPARE(s.inputn[1]->text(), QStringLiteral("0.0"));
    QCOMPARE(f.p.pulleySpeed[1], 0.0);
}

void TestStep3Screen::focusOrder_data() {
    QTest::addColumn<int>("pulleys");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("to");
    QTest::newRow("speed to teeth") << 2 << "inputn1" << "1200" << "inputz1";
    QTest::newRow("teeth to diameter") << 2 << "inputz1" << "20" << "inputd1";
    QTest::newRow("diameter to next pulley") << 2 << "inputd1" << "63.66" << "inputn2";
    QTest::newRow("last diameter to centre distance") << 2 << "inputd2" << "127.32" << "Dato8";
    QTest::newRow("last diameter of three pulleys to power") << 3 << "inputd3" << "127.32" << "Dato5";
    QTest::newRow("ratio to next pulley") << 3 << "inputi2" << "2" << "inputn3";
    QTest::newRow("power to force") << 2 << "Dato5" << "3" << "Dato6";
    QTest::newRow("force to speed") << 2 << "Dato6" << "500" << "Dato7";
    QTest::newRow("speed to driver pulley") << 2 << "Dato7" << "4" << "inputn1";
    QTest::newRow("centre distance to power") << 2 << "Dato8" << "400" << "Dato5";
}

void TestStep3Screen::focusOrder() {
    QFETCH(int, pulleys);
    QFETCH(QString, from);
    QFETCH(QString, text);
    QFETCH(QString, to);
    Fixture f("ORVANTO", "T10", pulleys, pulleys == 2 ? 1 : 0);
    Step3Screen& s = f.show();
    f.d.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    auto* box = s.findChild<NumericBox*>(from);
    QVERIFY(box);
    f.enter(box, text);
    QVERIFY(s.focusWidget());
    QCOMPARE(s.focusWidget()->objectName(), to);
}

void TestStep3Screen::enteredTextIsTaken() {
    Fixture f("ORVANTO", "T10");
    Step3Screen& s = f.show();
    s.inputz[1]->setFocus();
    s.inputz[1]->selectAll();
    QTest::keyClicks(s.inputz[1], "20");
    QVERIFY(s.inputz[1]->isPending());
    QCOMPARE(f.p.pulleyTeeth[1], 0);
    QTest::keyClick(s.inputz[1], Qt::Key_Return);
    QCOMPARE(f.p.pulleyTeeth[1], 20);
    QCOMPARE(s.inputz[1]->text(), QStringLiteral("20"));
    QVERIFY(!s.inputz[1]->isPending());
}

void TestStep3Screen::unitChangeRewritesCaptionsAndBoxes() {
    Fixture f("ORVANTO", "T10");
    Step3Screen& s = f.show();
    f.enter(s.Dato[5], "3.4");
    f.enter(s.inputn[1], "1200");
    f.enter(s.inputz[1], "20");
    ChooseUnit(f.p, kPower, 2);
    ChooseUnit(f.p, kAngularVelocity, 2);
    ChooseUnit(f.p, kLength, 3);
    ChooseUnit(f.p, kForce, 2);
    s.refresh();
    QCOMPARE(s.TitoloBox[5]->text(), QStringLiteral("Power [W]"));
    QCOMPARE(s.Dato[5]->text(), QStringLiteral("3400.00"));
    QCOMPARE(s.TitoloBox[6]->text(), QStringLiteral("Peripheral force [kgf]"));
    QCOMPARE(s.TitoloBox[8]->text(), QStringLiteral("Center Distance [cm]"));
    QCOMPARE(s.nomeinputn[1]->text(), QStringLiteral("n [rad/s]"));
    QCOMPARE(s.inputn[1]->text(), QStringLiteral("125.7"));
    QCOMPARE(s.nomeinputd[2]->text(), QStringLiteral("Dp [cm]"));
    QCOMPARE(s.inputd[1]->text(), QStringLiteral("6.37"));
    // A box typed in the new unit stores the internal value.
    f.enter(s.Dato[8], "40");
    QCOMPARE(f.p.centreDistance, 0.4);
}

QTEST_MAIN(TestStep3Screen)
#include "test_step3screen.moc"
