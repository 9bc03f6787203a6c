// Go On from STEP1 through the main window: the SELKIRA carriage data typed in
// the boxes become the peripheral force that step 2 starts from.
#include <QTest>
#include <cmath>

#include "guitestsupport.h"
#include "screens/numericbox.h"
#include "screens/step1screen.h"
#include "units/units.h"

using namespace belt;
using belt::test::EnterText;
using belt::test::MainWindowFixture;

namespace {

// Dati(i) of the SELKIRA page.
enum { kSlopeBox = 0, kAccelerationBox = 3, kFrictionBox = 4, kMassBox = 5, kStrokeBox = 10 };

}  // namespace

class TestStep1GoOn : public QObject {
    Q_OBJECT
private slots:
    void selkiraCarriageDataGiveTheForce_data();
    void selkiraCarriageDataGiveTheForce();
    void omegaWithoutStrokeStaysOnStep1();
};

void TestStep1GoOn::selkiraCarriageDataGiveTheForce_data() {
    QTest::addColumn<QString>("slope");
    QTest::addColumn<double>("force");
    // 20 kg, 2 m/s^2, 10 N friction up the slope: (9.806 sin(slope) + a) m + friction.
    auto force = [](double slope) { return (9.806 * std::sin(slope * 3.141592654 / 180) + 2) * 20 + 10; };
    QTest::newRow("10 degrees") << "10" << force(10);    // 84.06 N
    QTest::newRow("15 degrees") << "15" << force(15);    // 100.76 N
    QTest::newRow("30 degrees") << "30" << force(30);    // 148.06 N
    QTest::newRow("165 degrees") << "165" << force(165);  // 100.76 N
}

void TestStep1GoOn::selkiraCarriageDataGiveTheForce() {
    QFETCH(QString, slope);
    QFETCH(double, force);
    MainWindowFixture f;
    InitUnitTables(f.project);
    MainWindow& w = *f.window;
    w.mGoon_Click();  // from the cover
    QCOMPARE(w.activeFormName(), QString("STEP1"));
    auto* step1 = qobject_cast<Step1Screen*>(w.loadedScreen("STEP1"));
    QVERIFY(step1);
    step1->setBeltTypeTab(1);
    step1->TipoDente_Click(0);
    QCOMPARE(QString::fromStdString(f.project.beltType), QString("SELKIRA T"));

    EnterText(step1->dati(kSlopeBox), slope);
    EnterText(step1->dati(kAccelerationBox), "2");
    EnterText(step1->dati(kFrictionBox), "10");
    EnterText(step1->dati(kMassBox), "20");
    w.mGoon_Click();

    QCOMPARE(w.activeFormName(), QString("STEP2"));
    QCOMPARE(QString::fromStdString(f.project.beltFamily), QString("SELKIRA"));
    QVERIFY2(std::fabs(f.project.peripheralForce - force) < 1e-9,
             qPrintable(QString::number(f.project.peripheralForce, 'g', 15)));
    QCOMPARE(f.project.beltSpeed, 0.0);  // no power given
    QVERIFY(f.dialogs.messageTexts().empty());
}

void TestStep1GoOn::omegaWithoutStrokeStaysOnStep1() {
    MainWindowFixture f;
    InitUnitTables(f.project);
    MainWindow& w = *f.window;
    w.mGoon_Click();
    auto* step1 = qobject_cast<Step1Screen*>(w.loadedScreen("STEP1"));
    QVERIFY(step1);
    step1->setBeltTypeTab(1);
    step1->TipoDente_Click(0);
    step1->setOptionDriver(1);
    EnterText(step1->dati(kMassBox), "20");
    w.mGoon_Click();
    QCOMPARE(f.dialogs.messageTexts(), std::vector<std::string>({"Stroke is necessary for omega drive !!!"}));
    QCOMPARE(f.dialogs.seen.back().title, std::string("I can't proceed"));
    QCOMPARE(w.activeFormName(), QString("STEP1"));
    QCOMPARE(f.project.peripheralForce, 0.0);

    EnterText(step1->dati(kStrokeBox), "500");
    w.mGoon_Click();
    QCOMPARE(w.activeFormName(), QString("STEP2"));
}

QTEST_MAIN(TestStep1GoOn)
#include "test_step1goon.moc"
