// STEP2 as the user drives it: menus, the data boxes in the current units,
// the recommendation, the pitch buttons and the indicator on the chart.
#include <QAction>
#include <QApplication>
#include <QTest>
#include <QTimer>
#include <memory>

#include "engine/pitchguide.h"
#include "guitestsupport.h"
#include "platform/scripteddialogs.h"
#include "project/driveproject.h"
#include "screens/menuactions.h"
#include "screens/numericbox.h"
#include "screens/placeform.h"
#include "screens/step2screen.h"
#include "units/units.h"

using namespace belt;

namespace {

struct Fixture : belt::test::ScreenFixture<Step2Screen> {
    explicit Fixture(const std::string& beltType, int linearDriveType = 0) {
        p.beltType = beltType;
        p.beltFamily = beltType.substr(0, beltType.find(' '));
        p.linearDriveType = linearDriveType;
    }
    void show() { ScreenFixture::show(QSize(1280, 960)); }
    void enter(int box, const QString& text) { belt::test::EnterText(screen->dato(box), text); }
};

}  // namespace

class TestStep2Screen : public QObject {
    Q_OBJECT
private slots:
    void menus_data();
    void menus();
    void layoutPerChart_data();
    void layoutPerChart();
    void recommendationTitles_data();
    void recommendationTitles();
    void unitChangeRewritesTheBoxes_data();
    void unitChangeRewritesTheBoxes();
    void pitchButtonChoosesThePitch();
    void chosenPitchStandsOutAndTheHintGoes();
    void titleAfterARefusedSpeed();
    void indicatorFollowsTheData();
    void indicatorBlinks();
};

void TestStep2Screen::menus_data() {
    QTest::addColumn<QString>("beltType");
    QTest::addColumn<int>("driveType");
    QTest::addColumn<bool>("goOn");
    QTest::addColumn<bool>("goOn2");
    QTest::newRow("ORVANTO") << "ORVANTO T" << 0 << false << true;
    QTest::newRow("SELKIRA open end") << "SELKIRA T" << 0 << false << true;
    QTest::newRow("SELKIRA omega") << "SELKIRA AT" << 1 << true << false;
    QTest::newRow("SELKIRA joined") << "SELKIRA I" << 2 << false << true;
    // Only SELKIRA drives can be omega drives.
    QTest::newRow("TAVOREN with type 1") << "TAVOREN T" << 1 << false << true;
}

void TestStep2Screen::menus() {
    QFETCH(QString, beltType);
    QFETCH(int, driveType);
    QFETCH(bool, goOn);
    QFETCH(bool, goOn2);
    Fixture f(beltType.toStdString(), driveType);
    f.show();
    const MenuActions& m = f.menus.m;
    QCOMPARE(m.mGoon->isVisible(), goOn);
    QCOMPARE(m.mGoon2->isVisible(), goOn2);
    for (QAction* a : {m.mFile, m.mGoBack, m.mUnit, m.mInt}) QVERIFY(a->isVisible());
    for (QAction* a : {m.mStopDemo, m.mDemo, m.mLoopDemo, m.mClose, m.mPrinter, m.mPrinter2})
        QVERIFY(!a->isVisible());
}

void TestStep2Screen::layoutPerChart_data() {
    QTest::addColumn<QString>("beltType");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<bool>("note");
    QTest::addColumn<bool>("forceBox");
    QTest::newRow("ORVANTO T") << "ORVANTO T" << QStringList{"T2.5", "T5*", "T10*"} << true << false;
    QTest::newRow("ORVANTO AT") << "ORVANTO AT" << QStringList{"AT5", "AT10"} << false << false;
    QTest::newRow("SELKIRA QVP") << "SELKIRA QVP" << QStringList{"QVP5", "QVP8", "QVP14", "QVP8HP"} << false
                                 << true;
    QTest::newRow("TAVOREN I") << "TAVOREN I" << QStringList{"XL*", "L*", "H*", "XH*"} << true << true;
    QTest::newRow("RUBBER QVP") << "RUBBER QVP" << QStringList{"QVP5*", "QVP8*", "QVP14*"} << true << false;
    QTest::newRow("no group") << "QUINDEL H" << QStringList{} << false << false;
}

void TestStep2Screen::layoutPerChart() {
    QFETCH(QString, beltType);
    QFETCH(QStringList, buttons);
    QFETCH(bool, note);
    QFETCH(bool, forceBox);
    Fixture f(beltType.toStdString());
    f.show();
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(f.screen->scelta(i)->isVisible(), i < buttons.size());
        if (i < buttons.size()) QCOMPARE(f.screen->scelta(i)->text(), buttons[i]);
    }
    QCOMPARE(f.screen->nomeDato(3)->isVisible(), note);
    QCOMPARE(f.screen->dato(2)->isVisible(), forceBox);
    QCOMPARE(f.screen->dato(0)->isVisible(), !forceBox);
    QCOMPARE(f.screen->dato(1)->isVisible(), !forceBox);
    QCOMPARE(LogicalRect(f.screen->grafico()), QRectF(0, 5, 73, 94));
    QCOMPARE(f.screen->titolo()->text(), QStringLiteral("BELT PITCH SELECTION GUIDE"));
    // Every button lies on the chart's plot area.
    const QRect chart = f.screen->grafico()->geometry();
    for (int i = 0; i < buttons.size(); ++i) QVERIFY(chart.contains(f.screen->scelta(i)->geometry()));
}

void TestStep2Screen::recommendationTitles_data() {
    QTest::addColumn<QString>("beltType");
    QTest::addColumn<QStringList>("entries");  // "box:text"
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("pointSize");
    QTest::newRow("ORVANTO T 1000 rpm 0.3 kW")
        << "ORVANTO T" << QStringList{"1:1000", "0:0.3"} << "Belt pitch selection guide: ORVANTO T2.5" << 18;
    QTest::newRow("ORVANTO T 1000 rpm 0.4 kW")
        << "ORVANTO T" << QStringList{"1:1000", "0:0,4"} << "Belt pitch selection guide: ORVANTO T5" << 18;
    QTest::newRow("ORVANTO T 1000 rpm 3 kW")
        << "ORVANTO T" << QStringList{"0:3", "1:1000"} << "Belt pitch selection guide: ORVANTO T10" << 18;
    QTest::newRow("SELKIRA T 400 N")
        << "SELKIRA T" << QStringList{"2:400"}
        << "Belt pitch selection guide: \nSELKIRA T5 (w=50 mm)  T10 (w=16 mm)  T20 (w=25 mm) " << 13;
}

void TestStep2Screen::recommendationTitles() {
    QFETCH(QString, beltType);
    QFETCH(QStringList, entries);
    QFETCH(QString, title);
    QFETCH(int, pointSize);
    Fixture f(beltType.toStdString());
    f.p.beltName = "stale pitch";
    f.p.beltPitchCode = "X";
    f.show();
    QCOMPARE(f.screen->titolo()->text(), QStringLiteral("Pitch selected: stale pitch"));
    for (const QString& e : entries)
        f.enter(e.section(QLatin1Char(':'), 0, 0).toInt(), e.section(QLatin1Char(':'), 1));
    QCOMPARE(f.screen->titolo()->text(), title);
    QCOMPARE(f.screen->titolo()->font().pointSize(), pointSize);
    QCOMPARE(f.p.beltName, std::string());
    QCOMPARE(f.p.beltPitchCode, std::string());
    // The same data give the same title when the screen is laid out again.
    f.screen->hide();
    f.screen->show();
    QCOMPARE(f.screen->titolo()->text(), title);
}

void TestStep2Screen::unitChangeRewritesTheBoxes_data() {
    QTest::addColumn<int>("powerUnit");
    QTest::addColumn<int>("speedUnit");
    QTest::addColumn<int>("forceUnit");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("start-up units") << 1 << 1 << 1
                                    << QStringList{"Power [kW]:", "R.P.M. [rpm]:", "Peripheral force [N]:"}
                                    << QStringList{"3.40", "1200.0", "444.82"};
    QTest::newRow("W, rad/s, lbf") << 2 << 2 << 3
                                   << QStringList{"Power [W]:", "R.P.M. [rad/s]:", "Peripheral force [lbf]:"}
                                   << QStringList{"3400.00", "125.7", "100.00"};
    QTest::newRow("HP, kgf") << 7 << 1 << 2
                             << QStringList{"Power [HP]:", "R.P.M. [rpm]:", "Peripheral force [kgf]:"}
                             << QStringList{"4.56", "1200.0", "45.36"};
}

void TestStep2Screen::unitChangeRewritesTheBoxes() {
    QFETCH(int, powerUnit);
    QFETCH(int, speedUnit);
    QFETCH(int, forceUnit);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, texts);
    Fixture f("ORVANTO T");
    f.p.power = 3400;
    f.p.pulleySpeed[1] = 125.66370616;
    f.p.peripheralForce = 444.8222;
    f.show();
    ChooseUnit(f.p, kPower, powerUnit);
    ChooseUnit(f.p, kAngularVelocity, speedUnit);
    ChooseUnit(f.p, kForce, forceUnit);
    f.screen->refresh();
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(f.screen->nomeDato(i)->text(), captions[i]);
        QCOMPARE(f.screen->dato(i)->text(), texts[i]);
    }
    QCOMPARE(f.p.power, 3400.0);  // nothing stored changes
}

void TestStep2Screen::pitchButtonChoosesThePitch() {
    Fixture f("TAVOREN T");
    f.show();
    QTest::mouseClick(f.screen->scelta(1), Qt::LeftButton);
    QCOMPARE(f.p.beltPitchCode, std::string("T10"));
    QCOMPARE(f.p.beltName, std::string("TAVOREN T10"));
    QCOMPARE(f.screen->titolo()->text(), QStringLiteral("Pitch selected: TAVOREN T10"));
    QCOMPARE(f.screen->titolo()->font().pointSize(), 18);
    // A new value forgets the pitch and says so.
    f.enter(2, QStringLiteral("0"));
    QCOMPARE(f.p.beltName, std::string());
    QCOMPARE(f.screen->titolo()->text(), QStringLiteral("BELT PITCH SELECTION GUIDE"));
}

void TestStep2Screen::chosenPitchStandsOutAndTheHintGoes() {
    Fixture f("ORVANTO T");
    f.show();
    QVERIFY(f.screen->pitchHint()->isVisible());
    QCOMPARE(f.screen->pitchHint()->text(), QStringLiteral("Click a pitch label to choose the pitch."));
    const QString plain = f.screen->scelta(2)->styleSheet();
    QTest::mouseClick(f.screen->scelta(2), Qt::LeftButton);
    QVERIFY(!f.screen->pitchHint()->isVisible());
    QVERIFY(f.screen->scelta(2)->styleSheet() != plain);
    QCOMPARE(f.screen->scelta(1)->styleSheet(), plain);

    // Shown again, as after Go Back from step 3, the choice still shows.
    f.screen->hide();
    f.screen->show();
    QVERIFY(f.screen->scelta(2)->styleSheet() != plain);
    QVERIFY(!f.screen->pitchHint()->isVisible());

    f.enter(0, QStringLiteral("3.4"));
    QCOMPARE(f.screen->scelta(2)->styleSheet(), plain);
    QVERIFY(f.screen->pitchHint()->isVisible());
}

void TestStep2Screen::titleAfterARefusedSpeed() {
    Fixture f("ORVANTO T");
    f.show();
    f.enter(0, QStringLiteral("0.4"));
    f.enter(1, QStringLiteral("1000"));
    QCOMPARE(f.screen->titolo()->text(), QStringLiteral("Belt pitch selection guide: ORVANTO T5"));
    f.enter(1, QStringLiteral("-1000"));
    QCOMPARE(f.d.messageTexts(), std::vector<std::string>{"Please, insert positive values."});
    // Refused, the speed and its recommendation stand.
    QCOMPARE(f.p.pulleySpeed[1], 1000 * 6.283185308 / 60);
    QCOMPARE(f.screen->titolo()->text(), QStringLiteral("Belt pitch selection guide: ORVANTO T5"));
    QCOMPARE(f.screen->dato(1)->text(), QStringLiteral("1000"));
}

void TestStep2Screen::indicatorFollowsTheData() {
    Fixture f("ORVANTO T");
    f.show();
    QVERIFY(f.screen->indicatore()->isHidden());
    f.enter(0, QStringLiteral("3.4"));
    // The demonstration's first point: no speed yet.
    QVERIFY(f.screen->indicatore()->isVisible());
    QRectF at = LogicalRect(f.screen->indicatore());
    QCOMPARE(at.left(), 7.0);
    QVERIFY(qAbs(at.top() - 47.65) < 0.01);
    QCOMPARE(at.width(), 2.0);
    QCOMPARE(at.height(), 3.0);
    f.enter(1, QStringLiteral("1200"));
    at = LogicalRect(f.screen->indicatore());
    QVERIFY(qAbs(at.left() - 49.03) < 0.01);
    QCOMPARE(f.screen->focusWidget(), f.screen->dato(0));
    f.enter(1, QStringLiteral("20000"));  // beyond the chart
    QVERIFY(f.screen->indicatore()->isHidden());

    Fixture w("SELKIRA AT");
    w.show();
    w.enter(2, QStringLiteral("1290"));
    QVERIFY(w.screen->indicatore()->isVisible());
    at = LogicalRect(w.screen->indicatore());
    QVERIFY(qAbs(at.left() - 17.0) < 1e-9);
    QCOMPARE(at.top(), 9.0);
    QCOMPARE(at.height(), 81.0);
    w.enter(2, QStringLiteral("8001"));
    QVERIFY(w.screen->indicatore()->isHidden());
}

void TestStep2Screen::indicatorBlinks() {
    Fixture f("ORVANTO T");
    f.p.power = 1000;
    f.show();
    QCOMPARE(f.screen->flash()->interval(), 500);
    QVERIFY(!f.screen->flash()->isActive());
    f.screen->setBlinking(true);
    QVERIFY(f.screen->flash()->isActive());
    QCOMPARE(f.screen->indicatore()->fillColor(), QColor(255, 255, 0));
    f.screen->Flash_Timer();
    QCOMPARE(f.screen->indicatore()->fillColor(), QColor(224, 224, 224));
    f.screen->Flash_Timer();
    QCOMPARE(f.screen->indicatore()->fillColor(), QColor(255, 255, 0));
    f.screen->setBlinking(false);
    QVERIFY(!f.screen->flash()->isActive());
}

QTEST_MAIN(TestStep2Screen)
#include "test_step2screen.moc"
