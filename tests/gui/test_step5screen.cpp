// STEP5 as the user sees it: the results page checked through the texts it
// printed (text, column, colour, font, position), the width list, the
// blinking belt code, the remarks, the scroll bar and the flat belt coating.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <memory>

#include "catalogue/calculationtables.h"
#include "catalogue/flatbelts.h"
#include "catalogue/maker.h"
#include "engine/designsequence.h"
#include "engine/details.h"
#include "engine/pulleydata.h"
#include "guitestsupport.h"
#include "platform/scripteddialogs.h"
#include "print/detailspages.h"
#include "project/driveproject.h"
#include "project/projectfile.h"
#include "screens/logowidget.h"
#include "screens/menuactions.h"
#include "screens/placeform.h"
#include "screens/step5details.h"
#include "screens/step5screen.h"
#include "units/units.h"

using namespace belt;

namespace {

const QColor kRed(255, 0, 0);
const QColor kYellow(255, 255, 0);
const QColor kCyan(0, 255, 255);
const QColor kLightCyan(128, 255, 255);
const QColor kGreen(0, 255, 0);

struct Fixture : belt::test::ScreenFixture<Step5Screen> {
    // What the design computed, as Go On records it.
    DesignDetails details;

    // A two-pulley design made as step 3 and Go On make it: the entries in
    // the order given ("box:text"), the standard length questions answered
    // with the shorter standard length, the width given (or the one proposed).
    void design(const std::string& family, const std::string& pitchCode,
                const std::vector<std::string>& entries, const std::string& width,
                NextStep expected = NextStep::ShowStep5) {
        p.beltFamily = family;
        p.beltType = family + " " + pitchCode;
        p.beltPitchCode = pitchCode;
        p.beltName = family + " " + pitchCode;
        p.pulleyCount = 2;
        p.twoPulleyMode = 1;
        p.loadFactor = 1.0f;
        // The QUINDEL and FENDARO tabs start with the duty factor 1.0.
        if (family == "QUINDEL" || family == "FENDARO") p.loadFactorSecond = 1.0f;
        p.pulleyRatio[1] = 1.0;
        PrepareStep3(p, d);
        for (const std::string& e : entries) {
            const std::string box = e.substr(0, e.find(':'));
            const std::string text = e.substr(e.find(':') + 1);
            if (box == "P") OnDatoEnter(p, d, 5, text);
            if (box == "C") OnDatoEnter(p, d, 8, text);
            if (box == "n1") OnInputnEnter(p, d, 1, text);
            if (box == "z1") OnInputzEnter(p, d, 1, text);
            if (box == "z2") OnInputzEnter(p, d, 2, text);
            if (box == "d1") OnInputdEnter(p, d, 1, text);
            if (box == "d2") OnInputdEnter(p, d, 2, text);
        }
        d.answers = {MsgAnswer::Yes, MsgAnswer::Yes, MsgAnswer::Yes, MsgAnswer::Yes};
        if (!width.empty()) d.inputs = {width};
        RecordingDialogs recording(d, details);
        QCOMPARE(GoOnFromStep3(p, recording), expected);
        d.seen.clear();
        d.answers.clear();
    }
    // ORVANTO T10, 1.5 kW at 1200 rpm on 20 and 40 teeth, 400 mm apart, 25 mm wide.
    void orvantoT10() { design("ORVANTO", "T10", {"P:1.5", "n1:1200", "z1:20", "z2:40", "C:400"}, "25"); }

    Step5Screen& show(QSize size = QSize(1280, 900)) {
        ScreenFixture::show(size);
        // The width list acts when it loses the focus: the window must be active.
        screen->activateWindow();
        if (!QTest::qWaitForWindowActive(screen.get())) qWarning("window not active");
        return *screen;
    }

    const PageText* text(const QString& t) const { return belt::test::PageTextOf(*screen, t); }
    QStringList line(const QString& label) const { return belt::test::PageLineOf(*screen, label); }
    // Picks item i of the width list as a user does, with the list's popup.
    void pickWidth(int i) {
        QComboBox* c = screen->CambiaCinghia;
        c->setFocus();
        c->showPopup();
        QAbstractItemView* view = c->view();
        const QRect item = view->visualRect(view->model()->index(i, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, item.center());
    }
    void typeWidth(const QString& text) {
        QComboBox* c = screen->CambiaCinghia;
        c->setFocus();
        c->lineEdit()->selectAll();
        QTest::keyClicks(c->lineEdit(), text);
        QTest::keyClick(c->lineEdit(), Qt::Key_Return);
    }
};

}  // namespace

class TestStep5Screen : public QObject {
    Q_OBJECT
private slots:
    void heading();
    void bodyColumnsAndColours();
    void menusOfTheScreen();
    void pageFitsTheWindow();
    void widthFromTheList();
    void widthTypedWithEnter();
    void widthLeftWithoutEnterIsNoWidth();
    void widthListComesFirst();
    void widthEntriesThatChangeNothing_data();
    void widthEntriesThatChangeNothing();
    void inchWidthIsTheStandardWidth();
    void angularVelocityInRadiansKeepsTheRpmLabel();
    void beltCodeBlinks();
    void scrollBarMovesThePage();
    void fourPulleysScrollToTheirLastShaftLoad();
    void remarksGoIntoTheProject();
    void flatBeltClickCyclesTheCoating();
    void detailsFollowTheUnitsAndTheWidth();
    void detailsShowTheMessagesOfTheDesign_data();
    void detailsShowTheMessagesOfTheDesign();
    void withoutDetailsTheViewSaysHowToGetThem();
};

void TestStep5Screen::heading() {
    Fixture f;
    f.orvantoT10();
    f.show();
    const PageText* maker = f.text("VESTRANO");
    QVERIFY(maker);
    QCOMPARE(maker->colour, kRed);
    QCOMPARE(maker->family, QStringLiteral("Arial"));
    QCOMPARE(maker->points, 44.0);
    QVERIFY(maker->bold && maker->italic);
    QCOMPARE(maker->x, 30.0);
    QCOMPARE(maker->y, 5.0);
    // The contact line follows the telephone at Y 23.
    const PageText* contact = f.text(QString::fromStdString(MakerContactLine()));
    QVERIFY(contact);
    QCOMPARE(contact->y, 23.0);
    QCOMPARE(contact->x, 33.0);
    QCOMPARE(LogicalRect(f.screen->phone).right(), 33.0);
    QVERIFY(!contact->italic);
    // The country line sits between the name and the contact line, centred.
    const PageText* country = f.text("Power transmission belts  -  ITALY");
    QVERIFY(country && country->centred);
    QVERIFY(country->y > maker->y && country->y < contact->y);
    QCOMPARE(country->colour, kYellow);
    QCOMPARE(country->points, 12.0);
    // The belt title of step 3, centred at Y 57 in cyan.
    const PageText* title = f.text("ORVANTO PU Endless Timing Belt: Size T10");
    QVERIFY(title && title->centred);
    QCOMPARE(title->y, 57.0);
    QCOMPARE(title->colour, kCyan);
    QCOMPARE(title->points, 16.0);
}

void TestStep5Screen::bodyColumnsAndColours() {
    Fixture f;
    f.orvantoT10();
    f.show();
    // The belt block between the title and the belt code, the pulley
    // designations below the belt code from Y 95.
    const PageText* made = f.text("Belt made in");
    QVERIFY(made && made->y > 57 && made->y < 84);
    QCOMPARE(f.line("Belt made in"), (QStringList{"Belt made in", "POLYURETHANE"}));
    QCOMPARE(f.text("Driver pulley")->y, 95.0);
    QCOMPARE(f.line("Driver pulley"), (QStringList{"Driver pulley", "35 T10  / 20"}));

    for (const PageText& t : f.screen->pageTexts()) {
        if (t.y < 60) continue;
        QVERIFY2(t.column == 8 || t.column == 56 || t.column == 66 || t.column == 26, qPrintable(t.text));
        QCOMPARE(t.points, 14.0);
    }
    const PageText* widthLabel = f.text("Belt width");
    const PageText* width = nullptr;
    const PageText* unit = nullptr;
    for (const PageText& t : f.screen->pageTexts())
        if (t.line == widthLabel->line && t.column == 56) width = &t;
        else if (t.line == widthLabel->line && t.column == 66) unit = &t;
    QCOMPARE(widthLabel->column, 8);
    QVERIFY(width && unit);
    QCOMPARE(width->text, QStringLiteral("25"));
    QCOMPARE(unit->text, QStringLiteral("[mm]"));
    QCOMPARE(width->y, widthLabel->y);

    // Power block in light cyan, tooth load and rating with width in yellow.
    QCOMPARE(f.text("Power rating")->colour, kLightCyan);
    QCOMPARE(f.text("Total service factor")->colour, kLightCyan);
    QCOMPARE(f.text("Admissible specific load on tooth")->colour, kYellow);
    QCOMPARE(f.line("Power rating with 25 mm belt width"),
             (QStringList{"Power rating with 25 mm belt width", "2.63", "[kW]"}));
    QCOMPARE(f.text("Belt speed")->colour, kLightCyan);
    // Pulley table: yellow heading, light cyan lines.
    const auto& texts = f.screen->pageTexts();
    const auto heading = std::find_if(texts.begin(), texts.end(), [](const PageText& t) {
        return t.text == QStringLiteral("Driven pulley") && t.y > 100;
    });
    QVERIFY(heading != texts.end());
    QCOMPARE(heading->colour, kYellow);
    QCOMPARE(f.line("Arc of contact"), (QStringList{"Arc of contact", "171\u00B0"}));
    QCOMPARE(f.text("Arc of contact")->colour, kLightCyan);
    // Lines follow each other downwards.
    for (std::size_t i = 1; i < texts.size(); ++i)
        if (texts[i].line != texts[i - 1].line) QVERIFY(texts[i].y > texts[i - 1].y);
    QVERIFY(texts.back().y < 600);
}

void TestStep5Screen::menusOfTheScreen() {
    Fixture f;
    f.orvantoT10();
    f.show();
    f.screen->applyMenus();
    MenuActions& m = f.menus.m;
    for (QAction* a : {m.mFile, m.mGoBack, m.mGoon, m.mUnit, m.mPrinter, m.mInt}) QVERIFY(a->isVisible());
    for (QAction* a : {m.mStopDemo, m.mDemo, m.mLoopDemo, m.mClose, m.mGoon2, m.mPrinter2}) QVERIFY(!a->isVisible());
}

void TestStep5Screen::pageFitsTheWindow() {
    // No text runs past the page's right edge, and the labels stay clear of
    // the value column, at a small and at a large window.
    for (const QSize size : {QSize(1024, 700), QSize(1600, 1150)}) {
        Fixture f;
        f.orvantoT10();
        f.show(size);
        const QSizeF page(f.screen->ContInfo->size());
        const QSizeF form(f.screen->size());
        for (const PageText& t : f.screen->pageTexts()) {
            const QRectF r = PageTextRect(t, page, form);
            QVERIFY2(r.left() >= 0 && r.right() < page.width(), qPrintable(t.text));
            if (t.column == 8) QVERIFY2(r.right() < PageColumnX(t, 56, form), qPrintable(t.text));
            if (t.column == 56) QVERIFY2(r.left() > PageColumnX(t, 8, form), qPrintable(t.text));
        }
        // The heading stays clear of the logo and the remarks box.
        const QRectF maker = PageTextRect(*f.text("VESTRANO"), page, form);
        QVERIFY(maker.left() > f.screen->Logo->geometry().right());
        const QRectF contact = PageTextRect(*f.text(QString::fromStdString(MakerContactLine())), page, form);
        QVERIFY(contact.bottom() < f.screen->Remarks->geometry().top());
        const QRectF title = PageTextRect(*f.text("ORVANTO PU Endless Timing Belt: Size T10"), page, form);
        QVERIFY(title.top() > f.screen->Remarks->geometry().bottom());
        const QRectF tensile = PageTextRect(*f.text("Tensile member"), page, form);
        QVERIFY(tensile.bottom() < f.screen->BeltCode->geometry().top());
    }
}

void TestStep5Screen::widthFromTheList() {
    Fixture f;
    f.orvantoT10();
    Step5Screen& s = f.show();
    QCOMPARE(s.CambiaCinghia->count(), 8);
    QCOMPARE(s.CambiaCinghia->itemText(5), QStringLiteral("32.00 [mm]"));
    QCOMPARE(s.CambiaCinghia->currentText(), QStringLiteral("Change the belt width"));
    const double rating = f.p.powerRatingWithWidth;

    f.pickWidth(5);
    QCOMPARE(f.p.beltWidth, 0.032);
    QCOMPARE(f.p.powerRatingWithWidth, rating * 0.032 / 0.025);
    QCOMPARE(f.p.pulleyFaceWidth, 0.037);
    QVERIFY(f.p.beltCode.rfind("32 T10", 0) == 0);
    QCOMPARE(s.BeltCode->text(), QStringLiteral("Belt code               ") + QString::fromStdString(f.p.beltCode));
    QCOMPARE(f.line("Belt width"), (QStringList{"Belt width", "32", "[mm]"}));
    QVERIFY(f.text("Power rating with 32 mm belt width"));
    QCOMPARE(s.CambiaCinghia->currentText(), QStringLiteral("Change the belt width"));
    QVERIFY(f.d.seen.empty());
}

void TestStep5Screen::widthTypedWithEnter() {
    Fixture f;
    f.orvantoT10();
    Step5Screen& s = f.show();
    f.typeWidth(QStringLiteral("40,0"));
    QCOMPARE(f.p.beltWidth, 0.04);
    // No standard width: the face width is the width plus 10 mm.
    QCOMPARE(f.p.pulleyFaceWidth, 0.05);
    QCOMPARE(f.line("Belt width"), (QStringList{"Belt width", "40", "[mm]"}));
    QCOMPARE(s.CambiaCinghia->currentText(), QStringLiteral("Change the belt width"));
    // The focus stays in the list, in sight, for another width.
    QCOMPARE(s.focusWidget(), s.CambiaCinghia);
}

// Typed and left without Enter, or put back with Esc, a width is no width.
void TestStep5Screen::widthLeftWithoutEnterIsNoWidth() {
    Fixture f;
    f.orvantoT10();
    Step5Screen& s = f.show();
    const std::string code = f.p.beltCode;
    for (const Qt::Key leave : {Qt::Key_Tab, Qt::Key_Escape}) {
        s.CambiaCinghia->setFocus();
        s.CambiaCinghia->lineEdit()->selectAll();
        QTest::keyClicks(s.CambiaCinghia->lineEdit(), QStringLiteral("40"));
        QTest::keyClick(s.CambiaCinghia, leave);
        QCOMPARE(f.p.beltWidth, 0.025);
        QCOMPARE(f.p.beltCode, code);
        QCOMPARE(s.CambiaCinghia->currentText(), QStringLiteral("Change the belt width"));
    }
    QVERIFY(f.d.seen.empty());
}

// Arriving, the focus is in the width list, and Tab goes from there to the
// remarks: digits typed first are a width, never remarks for the report.
void TestStep5Screen::widthListComesFirst() {
    Fixture f;
    f.orvantoT10();
    Step5Screen& s = f.show();
    QCOMPARE(s.focusWidget(), s.CambiaCinghia);
    QCOMPARE(s.CambiaCinghia->lineEdit()->selectedText(), QStringLiteral("Change the belt width"));
    QTest::keyClick(s.CambiaCinghia, Qt::Key_Tab);
    QCOMPARE(s.focusWidget(), s.Remarks);
    QTest::keyClick(s.Remarks, Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(s.focusWidget(), s.CambiaCinghia);
}

void TestStep5Screen::widthEntriesThatChangeNothing_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("no number") << "abc" << "";
    QTest::newRow("zero") << "0" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("too wide") << "500" << "Entered belt width is too large !\rPlease contact VESTRANO Technical Staff !!";
}

void TestStep5Screen::widthEntriesThatChangeNothing() {
    QFETCH(QString, typed);
    QFETCH(QString, message);
    Fixture f;
    f.orvantoT10();
    Step5Screen& s = f.show();
    const std::string code = f.p.beltCode;
    f.typeWidth(typed);
    QCOMPARE(f.p.beltWidth, 0.025);
    QCOMPARE(f.p.beltCode, code);
    QCOMPARE(s.CambiaCinghia->currentText(), QStringLiteral("Change the belt width"));
    if (message.isEmpty()) {
        QVERIFY(f.d.seen.empty());
    } else {
        QCOMPARE(f.d.messageTexts(), std::vector<std::string>{message.toStdString()});
        QCOMPARE(f.d.seen[0].title, std::string("Warning !!!"));
        QCOMPARE(f.d.seen[0].icon, MsgIcon::Warning);
    }
}

void TestStep5Screen::inchWidthIsTheStandardWidth() {
    Fixture f;
    f.orvantoT10();
    Step5Screen& s = f.show();
    ChooseUnit(f.p, kLength, 4);
    s.refresh();
    // Lengths in inches keep their decimals.
    QCOMPARE(f.line("Belt length"), (QStringList{"Belt length", "42.52", "[in]"}));
    QCOMPARE(s.CambiaCinghia->itemText(5), QStringLiteral("1.26 [in]"));
    // 1.26 in in the list is the standard 32 mm, not 32.004 mm of the
    // user's own with a 42 mm face.
    f.pickWidth(5);
    QCOMPARE(f.p.beltWidth, 0.032);
    QCOMPARE(f.p.pulleyFaceWidth, 0.037);
    QCOMPARE(f.line("Belt width"), (QStringList{"Belt width", "1.26", "[in]"}));
}

void TestStep5Screen::angularVelocityInRadiansKeepsTheRpmLabel() {
    Fixture f;
    f.orvantoT10();
    Step5Screen& s = f.show();
    ChooseUnit(f.p, kAngularVelocity, 2);
    s.refresh();
    QCOMPARE(f.line("RPM"), (QStringList{"RPM", "125.7", "[rad/s]"}));
}

void TestStep5Screen::beltCodeBlinks() {
    Fixture f;
    f.orvantoT10();
    Step5Screen& s = f.show();
    QCOMPARE(s.Flash->interval(), 500);
    QVERIFY(!s.Flash->isActive());
    s.setBlinking(true);
    QVERIFY(s.Flash->isActive());
    const QColor first = s.beltCodeColour();
    s.Flash_Timer();
    QCOMPARE(s.beltCodeColour(), first == Step5Screen::blinkDark() ? Step5Screen::blinkLight() : Step5Screen::blinkDark());
    s.Flash_Timer();
    QCOMPARE(s.beltCodeColour(), first);
    QCOMPARE(Step5Screen::blinkDark(), QColor(192, 0, 0));
    QCOMPARE(Step5Screen::blinkLight(), QColor(255, 224, 192));
    s.setBlinking(false);
    QVERIFY(!s.Flash->isActive());
}

void TestStep5Screen::scrollBarMovesThePage() {
    Fixture f;
    f.orvantoT10();
    Step5Screen& s = f.show();
    QCOMPARE(s.ScrollInfo->minimum(), 0);
    // Scrolled to its end, the page shows its last line near the form's
    // lower edge, not a blank stretch below it.
    const QSizeF form(s.size());
    const QSizeF page(form.width() * 0.975, form.height() * 6);
    double bottom = 0;
    for (const PageText& t : s.pageTexts())
        bottom = std::max(bottom, PageTextRect(t, page, form).bottom() * 600 / page.height());
    QVERIFY(bottom > 100);
    QVERIFY(s.ScrollInfo->maximum() < 500);
    QVERIFY(bottom - s.ScrollInfo->maximum() <= 100);
    QVERIFY(bottom - s.ScrollInfo->maximum() > 95);
    QCOMPARE(s.ContInfo->y(), 0);
    QCOMPARE(s.ContInfo->height(), 6 * s.height());
    s.ScrollInfo->setValue(100);
    QCOMPARE(s.ContInfo->y(), -s.height());
    // Laid out again (shown anew), the page starts at the top.
    s.hide();
    s.show();
    QCOMPARE(s.ScrollInfo->value(), 0);
    QCOMPARE(s.ContInfo->y(), 0);
}

// The example's four pulleys with the direction of every shaft load make
// the longest page: its last line still lies on the page, and scrolled to
// the end it stands above the form's lower edge.
void TestStep5Screen::fourPulleysScrollToTheirLastShaftLoad() {
    Fixture f;
    QVERIFY(ProjectFile::open(std::string(BELT_ASSETS_DIR) + "/examples/demo.dat", f.p).ok);
    LoadCalculationTables(f.p);
    Step5Screen& s = f.show();
    QCOMPARE(f.line("Y - static tension on pulley # 4").size(), 3);
    const QSizeF form(s.size());
    const QSizeF page(form.width() * 0.975, form.height() * 6);
    double bottom = 0;
    for (const PageText& t : s.pageTexts())
        bottom = std::max(bottom, PageTextRect(t, page, form).bottom() * 600 / page.height());
    QVERIFY2(bottom < 600, qPrintable(QString::number(bottom)));
    QVERIFY(s.ScrollInfo->maximum() < 500);
    QVERIFY(bottom - s.ScrollInfo->maximum() <= 100);
}

void TestStep5Screen::remarksGoIntoTheProject() {
    Fixture f;
    f.orvantoT10();
    Step5Screen& s = f.show();
    QCOMPARE(s.Remarks->toPlainText(), QStringLiteral("Remarks ..."));
    s.Remarks->setFocus();
    s.Remarks->selectAll();
    QTest::keyClicks(s.Remarks, "Pump drive");
    QTest::keyClick(s.Remarks, Qt::Key_Return);
    QTest::keyClicks(s.Remarks, "line 2");
    QCOMPARE(f.p.screen.remarks, std::string("Pump drive\r\nline 2"));

    // Remarks of an opened project are shown as they were saved.
    Fixture g;
    g.orvantoT10();
    g.p.screen.remarks = "Spare\r\nsecond";
    g.show();
    QCOMPARE(g.screen->Remarks->toPlainText(), QStringLiteral("Spare\nsecond"));
}

void TestStep5Screen::flatBeltClickCyclesTheCoating() {
    Fixture f;
    DatiFlatBelt(f.p);
    f.p.flatBeltIndex = 9;
    f.p.flatBeltInfoColumn = 21;
    f.d.acceptInputDefaults = true;
    f.design("FENDARO", "FXA9", {"P:2", "d1:100", "n1:1400", "d2:200", "C:500"}, "");
    Step5Screen& s = f.show();
    auto coating = [&] { return f.line("Coating material").value(1); };
    QCOMPARE(coating(), QString::fromStdString(f.p.flatBeltTable[21][9]));
    QCOMPARE(f.text(coating())->colour, kGreen);
    QCOMPARE(f.text("Coating material")->colour, kYellow);
    for (int expected : {22, 23, 21}) {
        QTest::mouseClick(s.ContInfo, Qt::LeftButton, Qt::NoModifier, QPoint(200, 400));
        QCOMPARE(f.p.flatBeltInfoColumn, expected);
        QCOMPARE(coating(), QString::fromStdString(f.p.flatBeltTable[static_cast<std::size_t>(expected)][9]));
    }
    QCOMPARE(s.CambiaCinghia->count(), 0);

    // A timing belt page ignores the click.
    Fixture g;
    g.orvantoT10();
    g.p.flatBeltInfoColumn = 21;
    g.show();
    QTest::mouseClick(g.screen->ContInfo, Qt::LeftButton, Qt::NoModifier, QPoint(200, 400));
    QCOMPARE(g.p.flatBeltInfoColumn, 21);
}

QTEST_MAIN(TestStep5Screen)
// The details view beside the results page: reached from the page's
// button with the keyboard, in the current units after a unit change (the
// unit menu refreshes the screen), following a width changed on the page.
void TestStep5Screen::detailsFollowTheUnitsAndTheWidth() {
    Fixture f;
    f.orvantoT10();
    Step5Screen& s = f.show();
    s.setDesignDetails(&f.details);
    QVERIFY(!s.detailsShown());
    // The button's key clicks it as a mouse would, a moment later.
    QTest::keyClick(&s, Qt::Key_T, Qt::AltModifier);
    QTRY_VERIFY(s.detailsShown());
    QVERIFY(s.Details->isVisible() && !s.ContInfo->isVisible());
    QCOMPARE(QApplication::focusWidget(), s.Details->list);
    QVERIFY2(s.Details->listText().contains(QLatin1String("gives d1 = 63.662 mm")),
             qPrintable(s.Details->listText()));
    QCOMPARE(s.Details->chart->frame().yTitle(), QStringLiteral("Power [kW]"));

    ChooseUnit(f.p, kLength, 4);
    ChooseUnit(f.p, kPower, 2);
    s.refresh();
    QVERIFY(s.Details->listText().contains(QLatin1String("gives d1 = 2.50638 in")));
    QVERIFY(!s.Details->listText().contains(QLatin1String("63.662 mm")));
    QCOMPARE(s.Details->chart->frame().yTitle(), QStringLiteral("Power [W]"));

    // Back on the page, a width typed in the list: the width's entries
    // and the chart follow it.
    ChooseUnit(f.p, kLength, 1);
    s.refresh();
    QTest::keyClick(&s, Qt::Key_R, Qt::AltModifier);
    QTRY_VERIFY(!s.detailsShown());
    QVERIFY(s.ContInfo->isVisible());
    QCOMPARE(QApplication::focusWidget(), s.ShowDetails);
    f.typeWidth(QStringLiteral("50"));
    QCOMPARE(f.p.beltWidth, 0.05);
    s.showDetails(true);
    const QString text = s.Details->listText();
    QVERIFY2(text.contains(QLatin1String("gives w = 50 mm")), qPrintable(text));
    QVERIFY(!text.contains(QLatin1String("gives w = 25 mm")));
    QCOMPARE(s.Details->chart->chart().rating, f.p.powerRatingWithWidth);
}

// A message the design showed is listed where it arose and marked as a
// warning: a width below the one needed (warned of, the design goes on)
// and a width no belt has (the design stops there).
void TestStep5Screen::detailsShowTheMessagesOfTheDesign_data() {
    QTest::addColumn<QString>("width");
    QTest::addColumn<bool>("stops");
    QTest::addColumn<QString>("shown");
    QTest::newRow("too small") << "10" << false
                               << QStringLiteral(
                                      "\u26A0 Warning !!!\nRequested belt is too small !\n"
                                      "Please contact VESTRANO Technical Staff !!");
    QTest::newRow("not made") << "301" << true
                              << QStringLiteral(
                                     "\u26A0 Warning !!!\nRequested belt is not available !\n"
                                     "Please contact VESTRANO Technical Staff !!");
}

void TestStep5Screen::detailsShowTheMessagesOfTheDesign() {
    QFETCH(QString, width);
    QFETCH(bool, stops);
    QFETCH(QString, shown);
    Fixture f;
    f.design("ORVANTO", "T10", {"P:1.5", "n1:1200", "z1:20", "z2:40", "C:400"}, width.toStdString(),
             stops ? NextStep::Stay : NextStep::ShowStep5);
    Step5Screen& s = f.show();
    s.setDesignDetails(&f.details);
    s.showDetails(true);
    const QString text = s.Details->listText();
    QVERIFY2(text.contains(shown), qPrintable(text));
    // Under the width, where it arose; a stopped design ends with it.
    QVERIFY(text.indexOf(shown) > text.indexOf(QLatin1String("Belt width calculated")));
    if (stops) QVERIFY(text.trimmed().endsWith(shown));
}

// Nothing recorded (a project opened on the results): the view says plainly
// how the details come about, and shows no empty chart.
void TestStep5Screen::withoutDetailsTheViewSaysHowToGetThem() {
    Fixture f;
    f.orvantoT10();
    Step5Screen& s = f.show();
    s.showDetails(true);
    QCOMPARE(s.Details->listText().trimmed(), NoCalculationDetailsText());
    QVERIFY(!s.Details->chart->isVisible());
    s.setDesignDetails(&f.details);
    QVERIFY(s.Details->hasDetails());
    s.setDesignDetails(nullptr);
    QCOMPARE(s.Details->listText().trimmed(), NoCalculationDetailsText());
}

#include "test_step5screen.moc"
