// The layout screen in the main window: the demonstration layout from the
// pulley data to the results (DRAW through its belt paths, the standard
// length, one click on the idler), the omega drive's stroke, a refused
// adjustment, the coordinate boxes, the unit menu, the refusals of Go On and
// the way back.
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "engine/layout.h"
#include "engine/layouteditor.h"
#include "guitestsupport.h"
#include "project/projectfile.h"
#include "screens/numericbox.h"
#include "screens/step3screen.h"
#include "screens/step4screen.h"
#include "screens/step5screen.h"

using namespace belt;
using belt::test::EnterText;
using belt::test::PageLineOf;

namespace {

const char* const kDemoInstruction = "Vert. displac.: click left\nHoriz. displac.: click right";
const char* const kNoPosition = "I can't find the new position !!!\rChange the pulley layout.";

// The main window at 1280 x 960 with a project file opened and its pulley
// data shown, as the user has it before Go On to the layout.
struct LayoutWalk : belt::test::MainWindowFixture {
    MainWindow& w = *window;

    explicit LayoutWalk(const char* file = "demo-design.dat") {
        w.resize(1280, 960);
        w.show();
        w.finishCoverAnimation();
        const OpenResult opened = ProjectFile::open(std::string(BELT_TEST_DATA_DIR) + "/" + file, project);
        if (!opened.ok) qFatal("%s", opened.message.c_str());
        w.showScreen(QStringLiteral("STEP3"));
    }
    Step4Screen* step4() { return dynamic_cast<Step4Screen*>(w.activeScreen()); }
    Step5Screen* step5() { return dynamic_cast<Step5Screen*>(w.activeScreen()); }

    // Go On from the pulley data to the layout.
    Step4Screen* toLayout() {
        w.mGoon_Click();
        return step4();
    }
    // The mouse over the layout at (x, y) m and the button released there.
    void click(Qt::MouseButton button, double x, double y) {
        LayoutCanvas* canvas = step4()->Layout;
        const QPoint at = canvas->frame().toTarget(x, y).toPoint();
        QTest::mouseMove(canvas, at);
        QTest::mouseClick(canvas, button, Qt::NoModifier, at);
    }
    std::string lastMessage() const { return dialogs.seen.empty() ? std::string() : dialogs.seen.back().text; }
};

QString Mm(double metres) {
    return QString::fromStdString(Format(metres * 1000, "###0.00"));
}

}  // namespace

class TestStep4Screen : public QObject {
    Q_OBJECT
private slots:
    void demonstrationLayoutToResults();
    void omegaDriveChangesTheStroke();
    void rightButtonMovesAPulleySideways();
    void refusedAdjustmentLeavesThePulley();
    void coordinateBoxes_data();
    void coordinateBoxes();
    void typedCoordinateCancelsThePendingLength();
    void unitChangeRewritesTheLabels();
    void goOnRefuses_data();
    void goOnRefuses();
    void unconfirmedCoordinateStopsGoOn();
};

void TestStep4Screen::demonstrationLayoutToResults() {
    LayoutWalk f;
    Step4Screen* s4 = f.toLayout();
    QVERIFY(s4);
    QCOMPARE(s4->windowTitle(), QStringLiteral("PULLEY LAYOUT"));
    QVERIFY(f.dialogs.seen.empty());

    // The labels and boxes.
    QCOMPARE(s4->zT[0]->text(), QStringLiteral("Unit: [mm]"));
    QCOMPARE(s4->zT[1]->text(), QStringLiteral("Driver pulley: d = 73.21"));
    QCOMPARE(s4->zT[2]->text(), QStringLiteral("idler # 2: d = 60.00"));
    QCOMPARE(s4->zT[3]->text(), QStringLiteral("pulley # 3: d = 127.32"));
    QCOMPARE(s4->zT[4]->text(), QStringLiteral("pulley # 4: d = 194.17"));
    QCOMPARE(s4->zT[8]->text(), QStringLiteral("X = \n\nY = "));
    QCOMPARE(s4->Px0->text(), QStringLiteral("0.00"));
    QCOMPARE(s4->Px[2]->text(), QStringLiteral("200.00"));
    QCOMPARE(s4->Py[2]->text(), QStringLiteral("600.00"));
    QCOMPARE(s4->Px[4]->text(), QStringLiteral("450.00"));
    QCOMPARE(s4->Py[4]->text(), QStringLiteral("-100.00"));
    QVERIFY(s4->Box[4]->isVisible());
    QVERIFY(!s4->zn0->isVisible());

    // The menus of the layout.
    const MenuActions& m = f.w.menus();
    QVERIFY(m.mGoon->isVisible() && m.mGoBack->isVisible() && m.mUnit->isVisible() && m.mFile->isVisible());
    QVERIFY(!m.mGoon2->isVisible() && !m.mPrinter->isVisible() && !m.mPrinter2->isVisible());
    QVERIFY(!m.mDemo->isVisible());

    // Go On drew the first path; DRAW steps through both as the paths
    // command lists them, and back to the first. The second runs pulley 3
    // on the back of the belt: the double-sided belt is declined.
    struct Listed {
        std::array<int, 4> tangents;
        const char* length;
    };
    const Listed listed[] = {{{2, 2, 2, 2}, "2209.74"}, {{2, 4, 3, 2}, "2189.89"}};
    QCOMPARE(f.project.beltPathTable[0][0], 2);
    for (int press = 0; press <= 3; ++press) {
        if (press > 0) {
            f.dialogs.answers = {MsgAnswer::No};
            QTest::mouseClick(s4->Draw, Qt::LeftButton);
        }
        const int path = press % 2 + 1;
        QCOMPARE(f.project.beltPathTable[0][1], path);
        for (int i = 1; i <= 4; ++i)
            QCOMPARE(f.project.beltPathTable[static_cast<std::size_t>(path)][static_cast<std::size_t>(i)],
                     listed[path - 1].tangents[static_cast<std::size_t>(i - 1)]);
        DriveProject copy = f.project;
        QCOMPARE(Mm(ComputeBeltLength(copy)), QString::fromLatin1(listed[path - 1].length));
        QVERIFY(f.project.screen.layoutDrawn);
    }
    QCOMPARE(f.dialogs.messageTexts(), std::vector<std::string>(2, "Do you want to use a double sided belt? "));

    // Go On: no standard length, the longer rounded one, 2190 mm; the
    // layout must now be fitted to it.
    f.dialogs.seen.clear();
    f.dialogs.answers = {MsgAnswer::No, MsgAnswer::No};
    f.w.mGoon_Click();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP4"));
    QCOMPARE(f.dialogs.seen.size(), std::size_t(2));
    QVERIFY(f.dialogs.seen[0].text.find("No standard        2180 mm        2189.89 mm         2190 mm") !=
            std::string::npos);
    QCOMPARE(f.project.beltLength, 2.19);
    QCOMPARE(f.project.layoutNeedsAdjust, 1);
    QVERIFY(s4->zn0->isVisible());
    QCOMPARE(s4->zn0->text(), QString::fromLatin1(kDemoInstruction));

    // The pointer over the idler is the four-way arrow, off it the default.
    LayoutCanvas* canvas = s4->Layout;
    QTest::mouseMove(canvas, canvas->frame().toTarget(0.1, 0.2).toPoint());
    QCOMPARE(f.project.layoutNeedsAdjust, 5);
    QVERIFY(!canvas->testAttribute(Qt::WA_SetCursor));
    QTest::mouseMove(canvas, canvas->frame().toTarget(0.2, 0.6).toPoint());
    QCOMPARE(f.project.layoutNeedsAdjust, 2);
    QCOMPARE(canvas->cursor().shape(), Qt::SizeAllCursor);

    // One left click moves the idler up until the belt is 2190 mm long.
    f.dialogs.seen.clear();
    f.click(Qt::LeftButton, 0.2, 0.6);
    QVERIFY(f.dialogs.seen.empty());
    QVERIFY(std::abs(f.project.pulleyPosition[1][2] - 0.6000557) < 0.5e-7);
    QCOMPARE(f.project.pulleyPosition[0][2], 0.2);
    QCOMPARE(s4->Py[2]->text(), QStringLiteral("600.06"));
    QCOMPARE(s4->Px[2]->text(), QStringLiteral("200.00"));
    QCOMPARE(f.project.layoutNeedsAdjust, 0);
    QVERIFY(std::abs(f.project.lastStandardLength - 2.19) < 1e-5);
    QVERIFY(!s4->zn0->isVisible());
    QVERIFY(!canvas->testAttribute(Qt::WA_SetCursor));

    // Go On: the proposed width, and the results of the calculation the
    // batch tool makes of this file.
    f.dialogs.acceptInputDefaults = true;
    f.w.mGoon_Click();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP5"));
    QCOMPARE(f.dialogs.seen.back().defaultText, std::string("85.00"));
    const DriveProject& p = f.project;
    QCOMPARE(p.beltCode, std::string("85 T10-2190"));
    QVERIFY(std::abs(p.beltLength - 2.18999999931236) < 1e-13);
    const double arcs[] = {0, 1.55271742106815, 2.49439209484904, 0.20002763464256, 2.43610342590495};
    for (int k = 1; k <= 4; ++k) QVERIFY(std::abs(p.pulleyArcOfContact[static_cast<std::size_t>(k)] - arcs[k]) < 1e-12);
    QCOMPARE(p.teethInMesh, 5);
    QCOMPARE(p.beltWidth, 0.085);
    QCOMPARE(QString::fromStdString(Format(p.beltWidthCalculated * 1000, "###0.00")), QStringLiteral("81.02"));
    QVERIFY(std::abs(p.powerRatingWithWidth - 5707.48343363927) < 1e-6);
    QCOMPARE(PageLineOf(*f.step5(), "Belt length"), (QStringList{"Belt length", "2190", "[mm]"}));

    // Back to the layout with everything kept, and on to the pulley data.
    f.w.mGoBack_Click();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP4"));
    QCOMPARE(f.step4(), s4);
    QCOMPARE(s4->Py[2]->text(), QStringLiteral("600.06"));
    QCOMPARE(f.project.beltPathTable[0][1], 2);
    QVERIFY(f.project.screen.layoutDrawn);
    QCOMPARE(f.project.beltCode, std::string("85 T10-2190"));
    f.w.mGoBack_Click();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP3"));
    QVERIFY(std::abs(f.project.pulleyPosition[1][2] - 0.6000557) < 0.5e-7);

    // Forward again: the length is standard, only the width is asked.
    f.w.mGoon_Click();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP4"));
    f.dialogs.seen.clear();
    f.dialogs.answers = {MsgAnswer::No};
    // Go On from the pulley data moved on to the next path: back to path 2.
    if (f.project.beltPathTable[0][1] != 2) QTest::mouseClick(s4->Draw, Qt::LeftButton);
    QCOMPARE(f.project.beltPathTable[0][1], 2);
    f.dialogs.seen.clear();
    f.w.mGoon_Click();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP5"));
    QCOMPARE(f.dialogs.seen.size(), std::size_t(1));
    QCOMPARE(f.dialogs.seen[0].kind, RecordedDialog::Kind::Input);
}

void TestStep4Screen::omegaDriveChangesTheStroke() {
    LayoutWalk f;
    // A SELKIRA T5 omega drive: driver of 50 mm at the origin, idlers of
    // 30 mm above it, 1 m stroke.
    DriveProject& p = f.project;
    p.beltFamily = "SELKIRA";
    p.beltType = "SELKIRA T";
    p.beltPitchCode = "T5";
    p.beltName = "SELKIRA T5";
    p.beltPitch = 0.005;
    p.linearDriveType = 1;
    p.pulleyCount = 3;
    p.stroke = 1.0;
    const double at[4][3] = {{}, {0, 0, 0.05}, {0.06, 0.05, 0.03}, {-0.06, 0.05, 0.03}};
    for (int k = 1; k <= 3; ++k) {
        p.pulleyPosition[0][k] = at[k][0];
        p.pulleyPosition[1][k] = at[k][1];
        p.pulleyDiameter[k] = at[k][2];
    }
    p.pulleyTeeth = {0, 31, 0, 0, 0};
    p.pulleyIsIdler = {0, 0, kTrue, kTrue, 0};
    ComputeBeltPaths(p);
    p.beltPathTable[0][1] = 1;
    p.lastStandardLength = kNoStandardLength;
    f.w.hideScreen(QStringLiteral("STEP3"));
    Step4Screen* s4 = dynamic_cast<Step4Screen*>(f.w.showScreen(QStringLiteral("STEP4")));
    QVERIFY(s4);
    QVERIFY(!s4->Box[4]->isVisible());

    // 1112.76 mm laid out: the longer whole number of pitches, 1115 mm.
    f.dialogs.answers = {MsgAnswer::No};
    f.w.mGoon_Click();
    QCOMPARE(p.beltLength, 1.115);
    QCOMPARE(p.layoutNeedsAdjust, 1);
    QCOMPARE(s4->zn0->text(), QStringLiteral("Change stroke: click left"));
    QVERIFY(s4->zn0->isVisible());
    f.dialogs.seen.clear();
    f.w.mGoon_Click();
    QCOMPARE(f.lastMessage(), std::string("Adjust the stroke."));

    // No pulley is picked on an omega drive; a right click changes nothing,
    // a left click anywhere takes up the difference in the stroke.
    f.click(Qt::RightButton, 0.06, 0.05);
    QCOMPARE(p.layoutNeedsAdjust, 1);
    QCOMPARE(p.stroke, 1.0);
    f.click(Qt::LeftButton, 0.1, -0.05);
    QCOMPARE(p.layoutNeedsAdjust, 0);
    QCOMPARE(s4->zn0->text(), QStringLiteral("Stroke has been changed to 1002.24 [mm]"));
    QVERIFY(s4->zn0->isVisible());
    QCOMPARE(p.pulleyPosition[0][2], 0.06);
    DriveProject copy = p;
    ComputeBeltPaths(copy);
    QVERIFY(std::abs(ComputeBeltLength(copy) - 1.115) < 1e-9);
}

void TestStep4Screen::rightButtonMovesAPulleySideways() {
    LayoutWalk f;
    Step4Screen* s4 = f.toLayout();
    QVERIFY(s4);
    f.dialogs.answers = {MsgAnswer::No};
    s4->Draw_Click();  // path 2
    f.dialogs.answers = {MsgAnswer::No, MsgAnswer::No};  // 2190 mm
    f.w.mGoon_Click();
    f.dialogs.seen.clear();
    f.click(Qt::RightButton, 0.45, -0.1);
    QVERIFY(f.dialogs.seen.empty());
    QCOMPARE(f.project.pulleyPosition[1][4], -0.1);
    QVERIFY(f.project.pulleyPosition[0][4] != 0.45);
    QCOMPARE(s4->Px[4]->text(), Mm(f.project.pulleyPosition[0][4]));
    QCOMPARE(s4->Py[4]->text(), QStringLiteral("-100.00"));
    DriveProject copy = f.project;
    QVERIFY(std::abs(ComputeBeltLength(copy) - 2.19) < 1e-5);
}

void TestStep4Screen::refusedAdjustmentLeavesThePulley() {
    LayoutWalk f;
    Step4Screen* s4 = f.toLayout();
    QVERIFY(s4);
    f.dialogs.answers = {MsgAnswer::No};
    s4->Draw_Click();  // path 2
    // The shorter rounded length, 2180 mm, cannot be reached moving pulley 3
    // up or down.
    f.dialogs.answers = {MsgAnswer::No, MsgAnswer::Yes};
    f.w.mGoon_Click();
    QCOMPARE(f.project.beltLength, 2.18);
    const auto paths = f.project.beltPathTable;
    f.dialogs.seen.clear();
    f.click(Qt::LeftButton, 0.38, 0.35);
    QCOMPARE(f.dialogs.seen.size(), std::size_t(1));
    QCOMPARE(f.dialogs.seen[0].text, std::string(kNoPosition));
    QCOMPARE(f.dialogs.seen[0].title, std::string("Warning"));
    QCOMPARE(f.dialogs.seen[0].icon, MsgIcon::Warning);
    QCOMPARE(f.project.pulleyPosition[0][3], 0.38);
    QCOMPARE(f.project.pulleyPosition[1][3], 0.35);
    QCOMPARE(s4->Py[3]->text(), QStringLiteral("350.00"));
    QVERIFY(f.project.beltPathTable == paths);
    QCOMPARE(f.project.layoutNeedsAdjust, 0);
    QVERIFY(!s4->zn0->isVisible());
    QVERIFY(f.project.screen.layoutDrawn);
    QVERIFY(!s4->Layout->testAttribute(Qt::WA_SetCursor));

    // Nothing of the attempt is taken for a standard length: Go On asks
    // for one again.
    f.dialogs.seen.clear();
    f.dialogs.answers = {MsgAnswer::No, MsgAnswer::No};
    f.w.mGoon_Click();
    QCOMPARE(f.dialogs.seen.size(), std::size_t(2));
    QCOMPARE(f.dialogs.seen[0].title, std::string("ORVANTO T10"));
    QCOMPARE(f.project.layoutNeedsAdjust, 1);
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP4"));
}

void TestStep4Screen::coordinateBoxes_data() {
    QTest::addColumn<int>("pulley");
    QTest::addColumn<bool>("isX");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("stored");  // m
    QTest::addColumn<QString>("next");   // the box that has the focus after Enter
    QTest::addColumn<QString>("message");
    QTest::newRow("negative X") << 3 << true << "-120" << "-120.00" << -0.12 << "Py3" << "";
    QTest::newRow("decimal comma") << 3 << false << "412,5" << "412.50" << 0.4125 << "Px4" << "";
    QTest::newRow("last Y wraps to pulley 2") << 4 << false << "-250" << "-250.00" << -0.25 << "Px2" << "";
    QTest::newRow("letters refused") << 2 << true << "abc" << "200.00" << 0.2 << "Px2" << "Please, insert a number.";
    QTest::newRow("beside pulley 3") << 2 << true << "380" << "380.00" << 0.38 << "Py2" << "";
    QTest::newRow("onto pulley 3")
        << 4 << false << "350" << "350.00" << 0.35 << "Px2" << "Pulley interference. Check the data !!!";
}

// A coordinate typed and entered: the box shows it, the focus moves on, the
// belt is hidden until DRAW; overlapping pulleys keep the old paths; letters
// change nothing.
void TestStep4Screen::coordinateBoxes() {
    QFETCH(int, pulley);
    QFETCH(bool, isX);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(double, stored);
    QFETCH(QString, next);
    QFETCH(QString, message);
    LayoutWalk f;
    Step4Screen* s4 = f.toLayout();
    QVERIFY(s4);
    f.dialogs.seen.clear();
    const auto paths = f.project.beltPathTable;
    const auto k = static_cast<std::size_t>(pulley);
    NumericBox* box = isX ? s4->Px[k] : s4->Py[k];
    EnterText(box, typed);
    QCOMPARE(box->text(), shown);
    QVERIFY(!box->isPending());
    QCOMPARE(f.project.pulleyPosition[isX ? 0 : 1][k], stored);
    QCOMPARE(s4->focusWidget()->objectName(), next);
    // Refused, the layout stays drawn as it was.
    QCOMPARE(f.project.screen.layoutDrawn, message == QLatin1String("Please, insert a number."));
    QCOMPARE(QString::fromStdString(f.lastMessage()), message);
    if (!message.isEmpty()) QVERIFY(f.project.beltPathTable == paths);
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP4"));
}

void TestStep4Screen::typedCoordinateCancelsThePendingLength() {
    LayoutWalk f;
    Step4Screen* s4 = f.toLayout();
    QVERIFY(s4);
    f.dialogs.answers = {MsgAnswer::No, MsgAnswer::No};
    f.w.mGoon_Click();
    QCOMPARE(f.project.layoutNeedsAdjust, 1);
    QVERIFY(s4->zn0->isVisible());
    EnterText(s4->Px[4], "460");
    QCOMPARE(f.project.layoutNeedsAdjust, 0);
    QCOMPARE(f.project.lastStandardLength, kNoStandardLength);
    QVERIFY(!s4->zn0->isVisible());
    // A click on a pulley now moves nothing.
    f.dialogs.seen.clear();
    f.click(Qt::LeftButton, 0.2, 0.6);
    QCOMPARE(f.project.pulleyPosition[1][2], 0.6);
    QVERIFY(f.dialogs.seen.empty());
}

void TestStep4Screen::unitChangeRewritesTheLabels() {
    LayoutWalk f;
    Step4Screen* s4 = f.toLayout();
    QVERIFY(s4);
    f.w.menus().unitItems[kLength][3]->trigger();  // cm
    QCOMPARE(s4->zT[0]->text(), QStringLiteral("Unit: [cm]"));
    QCOMPARE(s4->zT[3]->text(), QStringLiteral("pulley # 3: d = 12.73"));
    QCOMPARE(s4->Py[4]->text(), QStringLiteral("-10.00"));
    // Entries are read in the new unit.
    EnterText(s4->Px[3], "40");
    QCOMPARE(f.project.pulleyPosition[0][3], 0.4);
    f.w.menus().unitItems[kLength][4]->trigger();  // in
    QCOMPARE(s4->Px[3]->text(), QStringLiteral("15.75"));
}

void TestStep4Screen::goOnRefuses_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("before");  // what the user did on the layout
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    QTest::newRow("no belt path") << "overlapping-layout.dat" << "" << "This configuration is not possible !!!"
                                  << int(MsgIcon::Warning);
    QTest::newRow("coordinate typed, not drawn") << "demo-design.dat" << "type" << "Click on DRAW button"
                                                 << int(MsgIcon::None);
    QTest::newRow("standard length not fitted")
        << "demo-design.dat" << "length" << "Adjust the position of the pulleys by clicking on one of them."
        << int(MsgIcon::Warning);
}

void TestStep4Screen::goOnRefuses() {
    QFETCH(QString, file);
    QFETCH(QString, before);
    QFETCH(QString, message);
    QFETCH(int, icon);
    LayoutWalk f(qPrintable(file));
    Step4Screen* s4 = f.toLayout();
    QVERIFY(s4);
    if (before == "type") EnterText(s4->Py[3], "340");
    if (before == "length") {
        f.dialogs.answers = {MsgAnswer::No, MsgAnswer::No};
        f.w.mGoon_Click();
        QCOMPARE(f.project.layoutNeedsAdjust, 1);
    }
    f.dialogs.seen.clear();
    f.w.mGoon_Click();
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP4"));
    QCOMPARE(f.dialogs.seen.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(f.dialogs.seen[0].text), message);
    QCOMPARE(int(f.dialogs.seen[0].icon), icon);
    QCOMPARE(f.dialogs.seen[0].title, std::string(icon == int(MsgIcon::None) ? "" : "I can't proceed"));
}

void TestStep4Screen::unconfirmedCoordinateStopsGoOn() {
    LayoutWalk f;
    Step4Screen* s4 = f.toLayout();
    f.dialogs.seen.clear();
    s4->Px[3]->setFocus();
    s4->Px[3]->selectAll();
    QTest::keyClicks(s4->Px[3], "250");
    f.w.mGoon_Click();
    QCOMPARE(f.dialogs.messageTexts(),
             std::vector<std::string>{"The value typed in Pulley 3, X has not been confirmed: press Enter to use it "
                                      "or Esc to restore it."});
    QCOMPARE(f.w.activeFormName(), QStringLiteral("STEP4"));
    QCOMPARE(s4->focusWidget(), s4->Px[3]);
    QTest::keyClick(s4->Px[3], Qt::Key_Escape);
    QCOMPARE(s4->Px[3]->text(), QStringLiteral("380.00"));
    QCOMPARE(f.project.pulleyPosition[0][3], 0.38);
}

QTEST_MAIN(TestStep4Screen)
#include "test_step4screen.moc"
