// STEP6 as the user sees it: reached from the results with Go On, the grids
// of a timing, a multi-rib and a flat belt drive, a four-pulley drive with an
// idler, the unit change and the way back to the results.
#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "drawing/profiledrawings.h"
#include "guitestsupport.h"
#include "project/projectfile.h"
#include "screens/flexgrid.h"
#include "screens/screenstyle.h"
#include "screens/step6screen.h"

using namespace belt;
using belt::test::EnterText;

namespace {

const QColor kRed(255, 0, 0);

struct Walk : belt::test::WizardWalk {
    Step6Screen* step6() { return dynamic_cast<Step6Screen*>(w.activeScreen()); }

    // Go On from the pulley data with the shorter standard length and the
    // proposed width, then Go On from the results.
    Step6Screen* designAndGoOn() {
        dialogs.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
        dialogs.acceptInputDefaults = true;
        w.mGoon_Click();
        if (w.activeFormName() != QStringLiteral("STEP5")) return nullptr;
        w.mGoon_Click();
        return step6();
    }
    // ORVANTO T10 on 20 and 40 teeth, 400 mm apart.
    Step6Screen* orvantoT10() {
        orvantoT10ToStep3();
        orvantoT10Teeth();
        EnterText(step3()->Dato[8], "400");
        return designAndGoOn();
    }
};

// A row of DatiPulegge as its cells read.
QStringList Row(const FlexGrid* g, int r) {
    QStringList cells;
    for (int c = 0; c < g->cols(); ++c) cells << g->cellText(r, c);
    return cells;
}

QStringList Repeated(const QString& text, int n) {
    QStringList l;
    for (int i = 0; i < n; ++i) l << text;
    return l;
}

// The grids and pictures every sheet shows.
void VerifyShownPictures(const Step6Screen& s, int drawingCode, int kind) {
    for (int i = 0; i < static_cast<int>(s.Dente.size()); ++i)
        QCOMPARE(s.Dente[static_cast<std::size_t>(i)]->isVisible(), i == drawingCode);
    for (int i = 0; i < static_cast<int>(s.Puleggia.size()); ++i)
        QCOMPARE(s.Puleggia[static_cast<std::size_t>(i)]->isVisible(), i == kind);
    // The pictures are painted where they stand on the form.
    const QImage shot = const_cast<Step6Screen&>(s).grab().toImage();
    for (const QWidget* picture :
         {static_cast<const QWidget*>(s.Dente[static_cast<std::size_t>(drawingCode)]),
          static_cast<const QWidget*>(s.Puleggia[static_cast<std::size_t>(kind)])}) {
        const QRect r = picture->geometry();
        QVERIFY(!r.isEmpty());
        QCOMPARE(QColor(shot.pixel(r.right() - 7, r.top() + 9)), ScreenDrawingColours().background);
    }
    QVERIFY(s.Layout->isVisible());
    const QRect layout = s.Layout->geometry();
    QCOMPARE(QColor(shot.pixel(layout.left() + 2, layout.top() + 2)), style::kPageBackground);
    QVERIFY(s.DatiDente->isVisible());
    QVERIFY(s.DatiPulegge->isVisible());
    QVERIFY(s.Unita->isVisible());
}

// A title row: merged over the six columns, red, the same text in every cell.
void VerifyTitleRow(const FlexGrid* g, int r, const QString& text) {
    QCOMPARE(Row(g, r), Repeated(text, 6));
    QCOMPARE(g->columnSpan(r, 0), 6);
    for (int c = 0; c < 6; ++c) QCOMPARE(g->cellBackColour(r, c), kRed);
}

}  // namespace

class TestStep6Screen : public QObject {
    Q_OBJECT
private slots:
    void timingDriveFromTheResults();
    void unitChangeRebuildsTheSheet();
    void multiRibDrive();
    void flatBeltDrive();
    void fourPulleysWithAnIdlerFillEveryRow();
};

void TestStep6Screen::timingDriveFromTheResults() {
    Walk f;
    Step6Screen* s = f.orvantoT10();
    QVERIFY(s);
    QCOMPARE(s->windowTitle(), QStringLiteral("OUTPUT DATA: LAYOUT"));
    VerifyShownPictures(*s, 0, 0);

    // The end of the wizard: Go Back, File, Unit, Print and "?" only.
    const MenuActions& m = f.w.menus();
    for (QAction* a : {m.mGoon, m.mGoon2, m.mPrinter2, m.mDemo, m.mLoopDemo, m.mStopDemo, m.mClose})
        QVERIFY(!a->isVisible());
    for (QAction* a : {m.mFile, m.mGoBack, m.mUnit, m.mPrinter, m.mInt}) QVERIFY(a->isVisible());

    QCOMPARE(s->sheet().maker, std::string("VESTRANO"));
    QCOMPARE(QString::fromStdString(s->sheet().beltLine),
             QStringLiteral("ORVANTO T10;  length = 1080.00 mm;  width = 50.00 mm"));
    const FlexGrid* t = s->DatiDente;
    QCOMPARE(Row(t, 0), (QStringList{"P", "10.00"}));
    QCOMPARE(Row(t, 1), (QStringList{"h1", "2.00"}));
    QCOMPARE(Row(t, 2), (QStringList{"h2", "2.50"}));
    QCOMPARE(Row(t, 3), (QStringList{"w", "3.50"}));

    const FlexGrid* g = s->DatiPulegge;
    QCOMPARE(g->rows(), 12);
    QCOMPARE(g->cols(), 6);
    VerifyTitleRow(g, 0, QStringLiteral("driver pulley;   B = 56.00"));
    QCOMPARE(Row(g, 1), (QStringList{"dp", "de", "df", "dmax", "X", "Y"}));
    QCOMPARE(Row(g, 2).mid(0, 1), QStringList{"63.66"});
    QCOMPARE(Row(g, 2).mid(4), (QStringList{"0.00", "0.00"}));
    VerifyTitleRow(g, 3, QStringLiteral("driven pulley;   B = 56.00"));
    QCOMPARE(Row(g, 5).mid(0, 1), QStringList{"127.32"});
    QCOMPARE(Row(g, 5).mid(4), (QStringList{"388.70", "0.00"}));
    // Rows of pulleys the drive does not have stay blank and plain.
    for (int r = 6; r < 12; ++r) {
        QCOMPARE(Row(g, r), Repeated(" ", 6));
        QVERIFY(g->cellBackColour(r, 0) != kRed);
    }
    QCOMPARE(s->Unita->text(), QStringLiteral("Unit: [mm]"));

    // Go Back shows the results as they were; Go On comes back here.
    const std::string code = f.project.beltCode;
    f.w.mGoBack_Click();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP5"));
    QVERIFY(m.mGoon->isVisible());
    QCOMPARE(f.project.beltCode, code);
    QCOMPARE(f.project.beltLength, 1.08);
    f.w.mGoon_Click();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP6"));
    QCOMPARE(Row(s->DatiPulegge, 5).mid(4), (QStringList{"388.70", "0.00"}));
}

void TestStep6Screen::unitChangeRebuildsTheSheet() {
    Walk f;
    Step6Screen* s = f.orvantoT10();
    QVERIFY(s);
    f.w.unitClick(0, 4);  // in
    QCOMPARE(s->Unita->text(), QStringLiteral("Unit: [in]"));
    QCOMPARE(QString::fromStdString(s->sheet().beltLine),
             QStringLiteral("ORVANTO T10;  length = 42.52 in;  width = 1.97 in"));
    QCOMPARE(Row(s->DatiDente, 0), (QStringList{"P", "0.39"}));
    QCOMPARE(Row(s->DatiDente, 3), (QStringList{"w", "0.14"}));
    VerifyTitleRow(s->DatiPulegge, 3, QStringLiteral("driven pulley;   B = 2.20"));
    QCOMPARE(Row(s->DatiPulegge, 5).mid(0, 1), QStringList{"5.01"});
    QCOMPARE(Row(s->DatiPulegge, 5).mid(4), (QStringList{"15.30", "0.00"}));
    // The caption moves with its longer text but stays under the profile grid.
    QVERIFY(s->Unita->geometry().top() > s->DatiDente->geometry().bottom());

    // Back in mm, nothing of the design has changed.
    f.w.unitClick(0, 1);
    QCOMPARE(Row(s->DatiPulegge, 5).mid(4), (QStringList{"388.70", "0.00"}));
    QCOMPARE(s->Unita->text(), QStringLiteral("Unit: [mm]"));
}

void TestStep6Screen::multiRibDrive() {
    Walk f;
    Step1Screen* s1 = f.step1();
    s1->setBeltTypeTab(3);
    QTest::mouseClick(s1->tipoDente(8), Qt::LeftButton);
    f.w.mCentreDistance_Click();
    Step3Screen* s3 = f.step3();
    EnterText(s3->Dato[5], "1.5");
    EnterText(s3->inputd[1], "50");
    EnterText(s3->inputn[1], "2800");
    EnterText(s3->inputi[2], "2");
    EnterText(s3->Dato[8], "300");
    Step6Screen* s = f.designAndGoOn();
    QVERIFY(s);
    VerifyShownPictures(*s, 10, 1);
    const QString ribs = QString::number(static_cast<int>(f.project.beltWidth));
    QVERIFY(QString::fromStdString(s->sheet().beltLine).startsWith(QStringLiteral("QUINDEL J;  length = ")));
    QVERIFY(
        QString::fromStdString(s->sheet().beltLine).endsWith(QStringLiteral(";  width = ") + ribs + " ribs"));
    QCOMPARE(Row(s->DatiDente, 0), (QStringList{"P", "2.34"}));
    QCOMPARE(Row(s->DatiDente, 1), (QStringList{"h1", "3.50"}));
    QCOMPARE(Row(s->DatiDente, 2), (QStringList{"h2", "2.00"}));
    QCOMPARE(Row(s->DatiDente, 3), (QStringList{" ", " "}));
    const FlexGrid* g = s->DatiPulegge;
    VerifyTitleRow(g, 0, QStringLiteral("driver pulley;   P = 2.34;   \u00DF = 40\u00B0"));
    QCOMPARE(Row(g, 1), (QStringList{"\u00D8", "R", "r", "t", "X", "Y"}));
    QCOMPARE(Row(g, 2), (QStringList{"50.00", "0.20", "0.40", "1.80", "0.00", "0.00"}));
    QCOMPARE(Row(g, 5).mid(0, 4), (QStringList{"100.00", "0.20", "0.40", "1.80"}));
}

void TestStep6Screen::flatBeltDrive() {
    Walk f;
    Step1Screen* s1 = f.step1();
    s1->setBeltTypeTab(4);
    QTest::mouseClick(s1->tipoDente(10), Qt::LeftButton);
    s1->proprieta()->setCurrentRow(2);
    f.w.mCentreDistance_Click();
    Step3Screen* s3 = f.step3();
    EnterText(s3->Dato[5], "2");
    EnterText(s3->inputn[1], "1400");
    EnterText(s3->inputd[1], "100");
    EnterText(s3->inputd[2], "200");
    EnterText(s3->Dato[8], "500");
    Step6Screen* s = f.designAndGoOn();
    QVERIFY(s);
    VerifyShownPictures(*s, 12, 2);
    const FlexGrid* t = s->DatiDente;
    QCOMPARE(t->cellText(0, 0), QStringLiteral("W"));
    QCOMPARE(t->cellText(1, 0), QStringLiteral("T"));
    QCOMPARE(t->cellText(2, 0), QStringLiteral("T tol."));
    QVERIFY(t->cellText(2, 1).startsWith(QChar(0x00B1)));
    QCOMPARE(Row(t, 3), (QStringList{" ", " "}));
    const FlexGrid* g = s->DatiPulegge;
    QVERIFY(g->cellText(0, 0).startsWith(QStringLiteral("driver pulley;   B = ")));
    QCOMPARE(Row(g, 1), (QStringList{"d", "h", "X", "Y", " ", " "}));
    QCOMPARE(Row(g, 2).value(0), QStringLiteral("100.00"));
    QCOMPARE(Row(g, 5).value(0), QStringLiteral("200.00"));
    // Every ISO pulley is crowned: h is shown; nothing beyond Y.
    QVERIFY(Row(g, 2).value(1) != QStringLiteral(" "));
    QCOMPARE(Row(g, 5).mid(4), (QStringList{" ", " "}));
}

void TestStep6Screen::fourPulleysWithAnIdlerFillEveryRow() {
    belt::test::ScreenFixture<Step6Screen> f;
    QVERIFY(ProjectFile::open(BELT_TEST_DATA_DIR "/demo-design.dat", f.p).ok);
    QCOMPARE(f.p.pulleyCount, 4);
    f.p.pulleyIsIdler = {0, 0, 0, -1, 0};
    f.p.pulleyFaceWidth = 0.032;
    // Pulley 2: no flange and a tooth count outside the table.
    f.p.pulleyFlangeDiameter[2] = 0;
    f.p.pulleyMaxBore[2] = -1;
    f.p.pulleyOutsideDiameter[2] = 0.1;
    Step6Screen& s = f.show(QSize(1280, 900));
    const FlexGrid* g = s.DatiPulegge;
    const QStringList names = {"driver pulley", "pulley # 2", "idler # 3", "pulley # 4"};
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(g->cellText(3 * k, 0), names[k] + QStringLiteral(";   B = 32.00"));
        VerifyTitleRow(g, 3 * k, names[k] + QStringLiteral(";   B = 32.00"));
    }
    QCOMPARE(Row(g, 4), (QStringList{"dp", "de", "df", "dmax", "X", "Y"}));
    QCOMPARE(Row(g, 5).mid(1, 3), (QStringList{"100.00", " ", " "}));
    QCOMPARE(Row(g, 7), (QStringList{"\u00D8", "X", "Y", " ", " ", " "}));
    QCOMPARE(Row(g, 8).mid(1), (QStringList{"380.00", "350.00", " ", " ", " "}));
    QCOMPARE(Row(g, 11).mid(4), (QStringList{"450.00", "-100.00"}));

    // The grids fit the form beside the layout drawing.
    const QRect form = s.rect();
    for (const QWidget* w : {static_cast<const QWidget*>(s.DatiDente), static_cast<const QWidget*>(g),
                             static_cast<const QWidget*>(s.Unita)})
        QVERIFY2(form.contains(w->geometry()), qPrintable(w->objectName()));
    QVERIFY(g->geometry().left() >= s.Layout->geometry().right());
    QVERIFY(g->geometry().bottom() < s.DatiDente->geometry().top());
}

QTEST_MAIN(TestStep6Screen)
#include "test_step6screen.moc"
