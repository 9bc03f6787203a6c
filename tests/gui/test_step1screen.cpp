// STEP1 as the user drives it: tabs and their menus, the load factor
// look-up, the factor table, the linear drive data and the grids.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <memory>

#include "catalogue/feasibility.h"
#include "catalogue/loadfactors.h"
#include "engine/applicationdata.h"
#include "guitestsupport.h"
#include "platform/scripteddialogs.h"
#include "project/driveproject.h"
#include "screens/flexgrid.h"
#include "screens/menuactions.h"
#include "screens/numericbox.h"
#include "screens/placeform.h"
#include "screens/screenstyle.h"
#include "screens/step1screen.h"
#include "units/units.h"

using namespace belt;

namespace {

struct Fixture : belt::test::ScreenFixture<Step1Screen> {
    Fixture() { show(QSize(1280, 960)); }
};

// Clicks an option button on its indicator, where a user clicks it.
void clickOption(QAbstractButton* b) {
    QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(8, b->height() / 2));
}

}  // namespace

class TestStep1Screen : public QObject {
    Q_OBJECT
private slots:
    void startsOnTheEmptyPage();
    void menusPerTab_data();
    void menusPerTab();
    void demonstrationLeavesTheMenusAlone();
    void loadFactorLookUp_data();
    void loadFactorLookUp();
    void machineBeforeDriverClass();
    void factorTableCell();
    void profilePictureHighlightAndDescription();
    void linearDriveAndInputModes();
    void slopeEntryAndFocus();
    void unitChangeRewritesTheDataLabels();
    void flatBeltTypeAndRestoreOnShow();
    void feasibilityClickExplainsTheSymbol();
    void feasibilityTabHasItsLegendAndWholeTexts();
    void loadFactorBoxBlinks();
    void captionsKeepOneFontOnEveryTab();
};

void TestStep1Screen::startsOnTheEmptyPage() {
    Fixture f;
    QCOMPARE(f.p.screen.beltTypeTab, 9);
    QCOMPARE(f.screen->beltType()->currentIndex(), 9);
    QCOMPARE(f.screen->beltType()->count(), 10);
    QCOMPARE(f.screen->beltType()->tabText(6), QStringLiteral("QVP NEWS"));
    QVERIFY(!f.screen->titolo()->isVisible());
    QVERIFY(f.p.loadFactorC3Table[55][2] > 2.09F);  // the tables are loaded
}

void TestStep1Screen::menusPerTab_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<bool>("goOn");
    QTest::addColumn<bool>("goOn2");
    QTest::addColumn<bool>("print2");
    QTest::addColumn<QString>("title");
    QTest::newRow("ORVANTO") << 0 << true << false << false << "ORVANTO PU ENDLESS TIMING BELTS";
    QTest::newRow("SELKIRA") << 1 << true << false << false << "SELKIRA PU OPEN END TIMING BELTS";
    QTest::newRow("TAVOREN") << 2 << true << false << false << "TAVOREN PU ENDLESS TIMING BELTS";
    QTest::newRow("QUINDEL") << 3 << false << true << false << "QUINDEL PU ENDLESS MULTIRIB BELTS";
    QTest::newRow("FENDARO") << 4 << false << true << false << "FENDARO PU AND RUBBER ENDLESS FLAT BELTS";
    QTest::newRow("RUBBER") << 5 << true << false << false << "RUBBER TIMING BELTS";
    QTest::newRow("news") << 6 << false << false << false << "";
    QTest::newRow("feasibility") << 7 << false << false << true << "VESTRANO PU TIMING BELT FEASIBILITY";
    QTest::newRow("idler") << 8 << false << false << true << "VESTRANO IDLER MINIMUM DIAMETER";
}

void TestStep1Screen::menusPerTab() {
    QFETCH(int, tab);
    QFETCH(bool, goOn);
    QFETCH(bool, goOn2);
    QFETCH(bool, print2);
    QFETCH(QString, title);
    Fixture f;
    f.screen->beltType()->setCurrentIndex(tab);
    const MenuActions& m = f.menus.m;
    QCOMPARE(f.p.screen.beltTypeTab, tab);
    QCOMPARE(m.mGoon->isVisible(), goOn);
    QCOMPARE(m.mGoon2->isVisible(), goOn2);
    QCOMPARE(m.mPrinter2->isVisible(), print2);
    QCOMPARE(f.screen->titolo()->text(), title);
    // applyMenus (the main window's call on showing the screen) agrees.
    f.screen->applyMenus();
    QCOMPARE(m.mGoon->isVisible(), goOn);
    QCOMPARE(m.mGoon2->isVisible(), goOn2);
    QCOMPARE(m.mPrinter2->isVisible(), print2);
    QVERIFY(m.mGoBack->isVisible());
    QVERIFY(m.mUnit->isVisible());
    QVERIFY(!m.mDemo->isVisible());
    QVERIFY(!m.mPrinter->isVisible());
    // Any tab change hides the catalogue print again; the empty page leaves
    // Go On as the last tab set it.
    f.screen->beltType()->setCurrentIndex(9);
    QVERIFY(!m.mPrinter2->isVisible());
    QCOMPARE(m.mGoon->isVisible(), goOn);
    QCOMPARE(m.mGoon2->isVisible(), goOn2);
}

void TestStep1Screen::demonstrationLeavesTheMenusAlone() {
    Fixture f;
    f.p.demoRunning = 1;
    for (QAction* a : {f.menus.m.mGoon, f.menus.m.mGoon2, f.menus.m.mPrinter2}) a->setVisible(false);
    f.screen->setBeltTypeTab(7);
    QVERIFY(!f.menus.m.mPrinter2->isVisible());
    f.screen->setBeltTypeTab(0);
    QVERIFY(!f.menus.m.mGoon->isVisible());
    f.screen->setBeltTypeTab(3);
    QVERIFY(!f.menus.m.mGoon2->isVisible());
}

void TestStep1Screen::loadFactorLookUp_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("driverClass");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<float>("factor");
    QTest::newRow("reciprocating pumps, class 2") << 0 << 55 << 2 << "2.1" << 2.1F;
    QTest::newRow("heading row") << 0 << 0 << 1 << "1.0" << 1.0F;
    QTest::newRow("RUBBER centrifuges, class 1") << 5 << 6 << 1 << "1.1" << 1.1F;
    QTest::newRow("ball mills, class 0") << 5 << 62 << 0 << "1.7" << 1.7F;
}

void TestStep1Screen::loadFactorLookUp() {
    QFETCH(int, tab);
    QFETCH(int, row);
    QFETCH(int, driverClass);
    QFETCH(QString, shown);
    QFETCH(float, factor);
    Fixture f;
    f.screen->beltType()->setCurrentIndex(tab);
    QCOMPARE(f.screen->loadFactorBox()->text(), QStringLiteral("1.0"));
    QCOMPARE(f.screen->proprieta()->count(), 63);
    clickOption(f.screen->optionDriver(driverClass));
    QVERIFY(f.screen->optionDriver(driverClass)->isChecked());
    QCOMPARE(f.p.screen.optionDriver[static_cast<std::size_t>(driverClass)], true);
    f.screen->proprieta()->setCurrentRow(row);
    QCOMPARE(f.p.screen.proprietaListIndex, row);
    QCOMPARE(f.screen->loadFactorBox()->text(), shown);
    QCOMPARE(f.p.loadFactor, factor);
    // A typed factor stands until the next look-up.
    f.enter(f.screen->loadFactorBox(), QStringLiteral("1,35"));
    QCOMPARE(f.p.loadFactor, 1.35F);
    QCOMPARE(f.screen->loadFactorBox()->text(), QStringLiteral("1.4"));
    // Letters and 0 once designed for no load: refused, the factor stands.
    for (const char* typed : {"abc", "0", "-2"}) {
        f.enter(f.screen->loadFactorBox(), QString::fromLatin1(typed));
        QCOMPARE(f.p.loadFactor, 1.35F);
        QCOMPARE(f.screen->loadFactorBox()->text(), QStringLiteral("1.4"));
    }
    QCOMPARE(f.d.messageTexts(), std::vector<std::string>({"Please, insert a number.",
                                                           "Please, insert positive values.",
                                                           "Please, insert positive values."}));
}

void TestStep1Screen::machineBeforeDriverClass() {
    Fixture f;
    f.screen->setBeltTypeTab(0);
    f.screen->proprieta()->setCurrentRow(13);  // washing machines
    QCOMPARE(f.p.loadFactor, 1.0F);
    QCOMPARE(f.screen->loadFactorBox()->text(), QStringLiteral("1.0"));
    clickOption(f.screen->optionDriver(1));
    QCOMPARE(f.p.loadFactor, 1.6F);
    QCOMPARE(f.screen->loadFactorBox()->text(), QStringLiteral("1.6"));
    // Opening another tab starts the page afresh.
    f.screen->setBeltTypeTab(5);
    QCOMPARE(f.p.loadFactor, 1.0F);
    QCOMPARE(f.screen->proprieta()->currentRow(), -1);
    QVERIFY(!f.screen->optionDriver(1)->isChecked());
}

void TestStep1Screen::factorTableCell() {
    Fixture f;
    f.screen->setBeltTypeTab(0);
    QCOMPARE(f.p.loadFactorSecond, 0.0F);
    QCOMPARE(f.screen->tabella(3)->text(), QStringLiteral("16-24 h"));
    QTest::mouseClick(f.screen->tabella(3), Qt::LeftButton);  // the header picks the value below
    QCOMPARE(f.p.loadFactorSecond, 0.2F);
    QCOMPARE(f.p.screen.tabellaBackColor[9], Rgb(0, 0, 128));
    QCOMPARE(f.p.screen.tabellaForeColor[9], Rgb(255, 255, 0));
    QVERIFY(f.screen->tabella(9)->styleSheet().contains(QStringLiteral("#000080")));
    QTest::mouseClick(f.screen->tabella(10), Qt::LeftButton);
    QCOMPARE(f.p.loadFactorSecond, -0.2F);
    QCOMPARE(f.p.screen.tabellaBackColor[9], Rgb(0, 255, 255));
    QTest::mouseClick(f.screen->tabella(6), Qt::LeftButton);  // a title cell: nothing
    QCOMPARE(f.p.loadFactorSecond, -0.2F);
    // SELKIRA starts at the steady load value without a marked cell.
    f.screen->setBeltTypeTab(1);
    QCOMPARE(f.p.loadFactorSecond, 1.0F);
    QCOMPARE(f.screen->tabella(2)->text(), QStringLiteral("Low fluctuating\nload"));
    QVERIFY(f.screen->tabella(5)->isHidden());
}

void TestStep1Screen::profilePictureHighlightAndDescription() {
    Fixture f;
    f.screen->setBeltTypeTab(0);
    QVERIFY(f.screen->evidenziatore()->isHidden());
    QTest::mouseClick(f.screen->tipoDente(1), Qt::LeftButton);
    QCOMPARE(f.p.beltType, std::string("ORVANTO AT"));
    QCOMPARE(f.p.profileButtonIndex, 1);
    QVERIFY(f.screen->evidenziatore()->isVisible());
    QVERIFY(f.screen->evidenziatore()->geometry().contains(f.screen->tipoDente(1)->geometry().center()));
    QVERIFY(f.screen->testo(0)->text().startsWith(QStringLiteral("AT BELT:")));
    QVERIFY(f.screen->testo(0)->isVisible());
    // Pictures a tab does not offer are not there to click.
    QVERIFY(f.screen->tipoDente(3)->isHidden());
    // Coming back to the screen keeps the choice and its highlight.
    f.screen->hide();
    f.screen->show();
    QCOMPARE(f.p.beltType, std::string("ORVANTO AT"));
    QVERIFY(f.screen->evidenziatore()->isVisible());
    QVERIFY(f.screen->testo(0)->isVisible());
    // A tab change forgets the belt.
    f.screen->setBeltTypeTab(3);
    QCOMPARE(f.p.beltType, std::string());
    QCOMPARE(f.p.profileButtonIndex, -1);
    QTest::mouseClick(f.screen->tipoDente(8), Qt::LeftButton);
    QCOMPARE(f.p.beltName, std::string("QUINDEL J"));
}

void TestStep1Screen::linearDriveAndInputModes() {
    Fixture f;
    f.screen->setBeltTypeTab(1);
    QVERIFY(f.screen->optionDriver(0)->isChecked());
    QCOMPARE(f.screen->optionDriver(1)->text().simplified(), QStringLiteral("Omega belt"));
    QVERIFY(f.screen->optionInput(0)->isChecked());
    QVERIFY(f.screen->dati(5)->isEnabled());
    QVERIFY(!f.screen->dati(1)->isEnabled());
    clickOption(f.screen->optionDriver(1));
    QCOMPARE(f.p.linearDriveType, 1);
    QVERIFY(!f.screen->dati(9)->isEnabled());
    QVERIFY(f.screen->dati(10)->isEnabled());
    QCOMPARE(f.p.screen.checkIdler[2], 1);
    QCOMPARE(f.p.screen.checkIdler[3], 1);
    clickOption(f.screen->optionDriver(2));
    QVERIFY(!f.screen->dati(10)->isEnabled());
    QCOMPARE(f.p.screen.checkIdler[2], 0);

    clickOption(f.screen->optionInput(3));
    QCOMPARE(f.p.screen.optionInput[3], true);
    QCOMPARE(f.p.screen.optionInput[0], false);
    const bool torque[9] = {true, false, false, false, false, false, true, false, true};
    for (int i = 0; i < 9; ++i) QCOMPARE(f.screen->dati(i)->isEnabled(), torque[i]);
    QVERIFY(!f.screen->dati(10)->isEnabled());  // left to the drive type

    // TAVOREN: open-end data without the drive type and carriage boxes.
    f.screen->setBeltTypeTab(2);
    QCOMPARE(f.p.linearDriveType, 0);
    QVERIFY(f.screen->optionDriver(0)->isHidden());
    QVERIFY(f.screen->dati(9)->isHidden());
    QVERIFY(f.screen->dati(8)->isVisible());
}

void TestStep1Screen::slopeEntryAndFocus() {
    Fixture f;
    f.screen->setBeltTypeTab(1);
    // A refused slope never stands in the box, not even under its warning.
    QStringList shown;
    connect(f.screen->dati(0), &QLineEdit::textChanged, f.screen.get(), [&shown](const QString& t) { shown << t; });
    f.enter(f.screen->dati(0), QStringLiteral("1e400"));
    QCOMPARE(f.screen->dati(0)->text(), QStringLiteral("0"));
    QVERIFY(!shown.contains(QStringLiteral("2E+308")));
    f.d.seen.clear();
    f.enter(f.screen->dati(0), QStringLiteral("30"));
    QCOMPARE(f.p.slopeAngle, 30.0);
    // Refused, the slope and the force derived from it stand, and the box
    // keeps the focus with the slope selected.
    f.p.peripheralForce = 250;
    f.enter(f.screen->dati(0), QStringLiteral("181"));
    QCOMPARE(f.screen->dati(0)->text(), QStringLiteral("30"));
    QCOMPARE(f.p.slopeAngle, 30.0);
    QCOMPARE(f.p.peripheralForce, 250.0);
    QCOMPARE(f.d.messageTexts().size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(f.d.seen.back().text),
             QStringLiteral("Slope must be included between 0° and 180°."));
    QCOMPARE(f.screen->focusWidget(), f.screen->dati(0));
    QCOMPARE(f.screen->dati(0)->selectedText(), QStringLiteral("30"));
    f.enter(f.screen->dati(0), QStringLiteral("45"));
    QCOMPARE(f.p.slopeAngle, 45.0);
    // The focus moves to the next box that takes input: acceleration in the
    // "Mass of carriage" mode.
    QCOMPARE(f.screen->focusWidget(), f.screen->dati(3));
    f.enter(f.screen->dati(10), QStringLiteral("500"));
    QCOMPARE(f.p.stroke, 0.5);
    QCOMPARE(f.p.lastStandardLength, kNoStandardLength);
    QCOMPARE(f.screen->focusWidget(), f.screen->dati(0));
}

void TestStep1Screen::unitChangeRewritesTheDataLabels() {
    Fixture f;
    f.screen->setBeltTypeTab(1);
    f.p.power = 1491.3998;
    f.p.stroke = 0.254;
    f.screen->refresh();
    QCOMPARE(f.screen->datiLabel(1)->text(), QStringLiteral("Power.........................[kW]"));
    QCOMPARE(f.screen->dati(1)->text(), QStringLiteral("1.49"));
    ChooseUnit(f.p, kPower, 7);
    ChooseUnit(f.p, kLength, 4);
    f.screen->refresh();
    QCOMPARE(f.screen->datiLabel(1)->text(), QStringLiteral("Power.........................[HP]"));
    QCOMPARE(f.screen->dati(1)->text(), QStringLiteral("2.00"));
    QCOMPARE(f.screen->datiLabel(8)->text(), QStringLiteral("Ø driver pulley..........[in]"));
    QCOMPARE(f.screen->testo(2)->text(),
             QStringLiteral("Carriage length.......[in]\n\nStroke........................[in]"));
    QCOMPARE(f.screen->dati(10)->text(), QStringLiteral("10.0"));
    // The TAVOREN page shows the same fields and follows too.
    f.screen->setBeltTypeTab(2);
    ChooseUnit(f.p, kPower, 2);
    f.screen->refresh();
    QCOMPARE(f.screen->datiLabel(1)->text(), QStringLiteral("Power.........................[W]"));
}

void TestStep1Screen::flatBeltTypeAndRestoreOnShow() {
    Fixture f;
    f.screen->setBeltTypeTab(4);
    QCOMPARE(f.p.flatBeltInfoColumn, 21);
    QTest::mouseClick(f.screen->tipoDente(10), Qt::LeftButton);
    QCOMPARE(f.p.flatBeltIndex, 6);
    QCOMPARE(f.screen->proprieta()->count(), 4);
    QCOMPARE(f.screen->proprieta()->currentRow(), -1);
    f.screen->proprieta()->setCurrentRow(2);
    QCOMPARE(f.p.flatBeltIndex, 9);
    QCOMPARE(f.p.beltType, std::string("FENDARO FXA9"));
    QCOMPARE(f.p.beltPitchCode, std::string("FXA9"));
    QCOMPARE(f.screen->tabella(5)->text().count(QLatin1Char('\n')), 20);  // 19 lines, the last continued
    // Shown again, the page selects the type in the list and keeps the belt.
    f.screen->hide();
    f.screen->show();
    QCOMPARE(f.screen->proprieta()->currentRow(), 2);
    QCOMPARE(f.p.beltType, std::string("FENDARO FXA9"));
    QVERIFY(f.screen->proprieta()->isVisible());
    // Another group picture empties the panel and the choice.
    QTest::mouseClick(f.screen->tipoDente(11), Qt::LeftButton);
    QCOMPARE(f.screen->tabella(5)->text(), QString());
    QCOMPARE(f.p.beltType, std::string());
    QCOMPARE(f.screen->proprieta()->count(), 6);
}

void TestStep1Screen::feasibilityClickExplainsTheSymbol() {
    Fixture f;
    f.screen->setBeltTypeTab(7);
    FlexGrid* grid = f.screen->feasibility();
    QVERIFY(grid->isVisible());
    QCOMPARE(grid->rows(), 44);
    QCOMPARE(grid->cellText(1, 24), QStringLiteral("MAX width"));
    QCOMPARE(grid->cellShown(2, 17), QString::fromStdString(std::string(kFeasibilityMinQuantityGlyph)));
    // SELKIRA L, STAINLESS: "~".
    const int row = 15, col = 8;
    QCOMPARE(grid->cellText(row, col), QStringLiteral("~"));
    grid->scrollTo(grid->model()->index(row, col));
    QTest::qWait(10);
    const QRect cell = grid->visualRect(grid->model()->index(row, col));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    const auto expected = ExplainFeasibilitySymbol(f.p, row, col);
    QVERIFY(expected.has_value());
    QCOMPARE(f.d.seen.size(), std::size_t(1));
    QCOMPARE(f.d.seen[0].text, expected->text);
    QCOMPARE(f.d.seen[0].title, expected->title);
    QCOMPARE(f.d.seen[0].title, std::string("type of cords STAINLESS: L"));
    QVERIFY(f.d.seen[0].text.find('\r') != std::string::npos);
    // A header cell explains nothing.
    const QRect header = grid->frozenTop()->visualRect(grid->model()->index(1, 5));
    QTest::mouseClick(grid->frozenTop()->viewport(), Qt::LeftButton, Qt::NoModifier, header.center());
    QCOMPARE(f.d.seen.size(), std::size_t(1));
}

// The tab explains its symbols as the printed table does, under the grid,
// and every text of the grid can be read whole.
void TestStep1Screen::feasibilityTabHasItsLegendAndWholeTexts() {
    Fixture f;
    f.screen->setBeltTypeTab(7);
    FlexGrid* grid = f.screen->feasibility();
    QWidget* legend = f.screen->feasibilityLegend();
    QVERIFY(legend->isVisible());
    QVERIFY(legend->geometry().top() >= grid->geometry().bottom());
    const QStringList entries = legend->accessibleDescription().split(QLatin1Char('\n'));
    QCOMPARE(
        entries,
        QStringList({QStringLiteral("S  EX STOCK"), QStringLiteral("o  ON REQUEST WITHOUT MINIMUM QUANTITY"),
                     QStringLiteral("\u25C6  ON REQUEST WITH MINIMUM QUANTITY"),
                     QStringLiteral("\u00D7  NOT AVALAIBLE"),
                     QStringLiteral("~  YOU CAN USE TAVOREN BELTS AND CUT IT AT 13500 MM LENGTH. FOR BIG "
                                    "QUANTITY PLEASE ASK US.")}));

    const QFontMetrics fm(grid->font());
    for (int r = grid->fixedRows(); r < grid->rows(); ++r)
        for (int c = grid->fixedCols(); c < grid->cols(); ++c) {
            const QString text = grid->cellShown(r, c);
            const QRect need =
                fm.boundingRect(QRect(0, 0, grid->columnWidth(c) - 4, 10000), Qt::TextWordWrap, text);
            QVERIFY2(need.width() <= grid->columnWidth(c) - 4 && need.height() <= grid->rowHeight(r),
                     qPrintable(QStringLiteral("%1,%2: %3").arg(r).arg(c).arg(text)));
        }

    f.screen->setBeltTypeTab(8);
    QVERIFY(!legend->isVisible());
}

void TestStep1Screen::loadFactorBoxBlinks() {
    Fixture f;
    f.screen->setBeltTypeTab(0);
    QVERIFY(!f.screen->flash()->isActive());
    QCOMPARE(f.screen->flash()->interval(), 500);
    f.screen->setBlinking(true);
    QVERIFY(f.screen->flash()->isActive());
    const QColor before = f.screen->loadFactorBox()->palette().color(QPalette::Text);
    QCOMPARE(before, QColor(255, 255, 0));
    f.screen->Flash_Timer();
    QCOMPARE(f.screen->loadFactorBox()->palette().color(QPalette::Text), QColor(0, 255, 255));
    f.screen->Flash_Timer();
    QCOMPARE(f.screen->loadFactorBox()->palette().color(QPalette::Text), QColor(255, 255, 0));

    // A factor typed and not yet confirmed stays dark on its tint: the
    // blinking yellow or cyan would be unreadable there.
    f.screen->loadFactorBox()->setFocus();
    QTest::keyClicks(f.screen->loadFactorBox(), "2");
    f.screen->Flash_Timer();
    QCOMPARE(f.screen->loadFactorBox()->palette().color(QPalette::Text), style::kPendingText);
    QTest::keyClick(f.screen->loadFactorBox(), Qt::Key_Return);
    QCOMPARE(f.screen->loadFactorBox()->palette().color(QPalette::Text), QColor(255, 255, 0));
    f.screen->setBlinking(false);
    QVERIFY(!f.screen->flash()->isActive());
}

void TestStep1Screen::captionsKeepOneFontOnEveryTab() {
    // A small screen shrinks the carriage caption of the SELKIRA page; the
    // same label is "Driven machine" on ORVANTO and RUBBER and must not keep
    // the shrunk font there.
    belt::test::ScreenFixture<Step1Screen> f;
    Step1Screen& s = f.show(QSize(1024, 700));
    s.setBeltTypeTab(kTabOrvanto);
    const QFont orvanto = s.testo(2)->font();
    QCOMPARE(s.testo(2)->text(), QStringLiteral("Driven machine"));
    s.setBeltTypeTab(kTabSelkira);
    QVERIFY(s.testo(2)->font().pointSize() < orvanto.pointSize());
    for (int tab : {kTabTavoren, kTabRubber, kTabOrvanto}) {
        s.setBeltTypeTab(tab);
        if (tab == kTabTavoren) continue;
        QCOMPARE(s.testo(2)->text(), QStringLiteral("Driven machine"));
        QCOMPARE(s.testo(2)->font(), orvanto);
        QCOMPARE(s.testo(1)->font(), s.testo(2)->font());
    }
}

QTEST_MAIN(TestStep1Screen)
#include "test_step1screen.moc"
