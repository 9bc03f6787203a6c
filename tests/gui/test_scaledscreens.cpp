// Screens set to 150 %: what the painters draw lands where it belongs, on a
// widget (and on an image of the same scale). The program runs here with
// QT_SCALE_FACTOR=1.5, as a user's desktop may set it.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>
#include <QStyle>
#include <QTabBar>
#include <QTest>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/appstyle.h"
#include "drawing/layoutdrawing.h"
#include "drawing/stylecolours.h"
#include "guitestsupport.h"
#include "drawing/profiledrawings.h"
#include "drawing/pulleydrawings.h"
#include "engine/layout.h"
#include "platform/scripteddialogs.h"
#include "project/driveproject.h"
#include "project/projectfile.h"
#include "project/step1tab.h"
#include "screens/flexgrid.h"
#include "screens/menuactions.h"
#include "screens/step1screen.h"
#include "screens/step2screen.h"
#include "screens/step3screen.h"
#include "screens/step4screen.h"
#include "screens/step5screen.h"
#include "screens/step6screen.h"
#include "units/units.h"

using namespace belt;

namespace {

using Paint = std::function<void(QPainter&, const QRectF&)>;

class Canvas : public QWidget {
public:
    explicit Canvas(Paint paint) : paint_(std::move(paint)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paint_(painter, QRectF(rect()));
    }

private:
    Paint paint_;
};

// The rectangle, in the image's logical units, of the pixels of one colour.
QRectF Extent(const QImage& image, const QColor& colour) {
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    const double dpr = image.devicePixelRatio();
    return right < 0 ? QRectF()
                     : QRectF(left / dpr, top / dpr, (right - left + 1) / dpr, (bottom - top + 1) / dpr);
}

// Every text shown on the screen is whole: labels within their rectangles,
// buttons and option buttons within their widths.
void VerifyTextsFit(const QWidget& screen) {
    for (const QLabel* l : screen.findChildren<QLabel*>()) {
        if (!l->isVisible() || l->text().isEmpty()) continue;
        const QRect room = l->contentsRect();
        const int flags = int(l->alignment()) | (l->wordWrap() ? int(Qt::TextWordWrap) : 0);
        const QRect needed = QFontMetrics(l->font()).boundingRect(room, flags, l->text());
        QVERIFY2(needed.width() <= room.width() + 1 && needed.height() <= room.height() + 1,
                 qPrintable(l->objectName() + ": " + l->text()));
    }
    for (const QAbstractButton* b : screen.findChildren<QAbstractButton*>())
        if (b->isVisible()) QVERIFY2(b->sizeHint().width() <= b->width(), qPrintable(b->objectName()));
}

// A menu bar's worth of actions for a screen shown on its own.
struct Menus {
    QObject owner;
    MenuActions m;
    Menus() {
        for (QAction** a : {&m.mStopDemo, &m.mClose, &m.mFile, &m.mGoBack, &m.mGoon, &m.mGoon2, &m.mUnit,
                            &m.mPrinter, &m.mPrinter2, &m.mDemo, &m.mLoopDemo, &m.mInt})
            *a = new QAction(&owner);
    }
};

}  // namespace

class TestScaledScreens : public QObject {
    Q_OBJECT
private slots:
    void theScaleIsSet();
    void layoutFillsItsSquare();
    void dataSheetDrawingsFillTheirRectangle();
    void dataSheetValuesFitTheirCells();
    void stepOneTextsFitTheirRoom_data();
    void stepOneTextsFitTheirRoom();
    void laterStepsTextsFitTheirRoom_data();
    void laterStepsTextsFitTheirRoom();
    void fullScreenKeepsTheDesignedSizes();
    void focusFrameStaysOffTheTabCaptions_data();
    void focusFrameStaysOffTheTabCaptions();
};

void TestScaledScreens::theScaleIsSet() {
    Canvas c([](QPainter&, const QRectF&) {});
    c.show();
    QVERIFY(QTest::qWaitForWindowExposed(&c));
    QCOMPARE(c.devicePixelRatioF(), 1.5);
}

// The layout's square border stands around the centre of its target: at
// 150 % it once came out half as large again and was cut off at the right
// and the bottom.
void TestScaledScreens::layoutFillsItsSquare() {
    const DriveProject p = belt::test::TriangleLayout();
    LayoutDrawingStyle style = LayoutDrawingStyle::Screen(96);
    style.background = Qt::black;
    style.frame = QColor(255, 0, 255);
    const Paint paint = [&](QPainter& painter, const QRectF& r) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        DrawLayout(painter, r, p, style);
    };
    const QSize size(400, 300);
    const QRectF square = LayoutFrame(p, QRectF(QPointF(), size)).square();

    Canvas canvas(paint);
    canvas.resize(size);
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    QImage image(size * 1.5, QImage::Format_ARGB32);
    image.setDevicePixelRatio(1.5);
    {
        QPainter painter(&image);
        paint(painter, QRectF(QPointF(), size));
    }
    for (const QImage& drawn : {canvas.grab().toImage(), image}) {
        QCOMPARE(drawn.devicePixelRatio(), 1.5);
        const QRectF border = Extent(drawn, style.frame);
        QVERIFY2(
            std::abs(border.left() - square.left()) < 2 && std::abs(border.right() - square.right()) < 2 &&
                std::abs(border.top() - square.top()) < 2 && std::abs(border.bottom() - square.bottom()) < 2,
            qPrintable(QStringLiteral("border %1,%2 %3x%4")
                           .arg(border.left())
                           .arg(border.top())
                           .arg(border.width())
                           .arg(border.height())));
    }
}

// The data sheet's pulley and tooth drawings fill their rectangle with their
// background and no more: at 150 % they once came out half as large again,
// cut off at the right and the bottom.
void TestScaledScreens::dataSheetDrawingsFillTheirRectangle() {
    const DriveProject p = SampleDrawingProject(0);
    DrawingColours colours = ScreenDrawingColours();
    colours.background = QColor(255, 0, 255);
    const QSize size(300, 200);
    const QRectF inside(20, 10, 260, 180);
    for (const Paint& paint :
         {Paint([&](QPainter&painter, const QRectF&) { DrawPulleyDrawing(painter, inside, p, colours); }),
          Paint([&](QPainter&painter, const QRectF&) { DrawProfileDrawing(painter, inside, p, colours); })}) {
        Canvas canvas(paint);
        canvas.resize(size);
        canvas.show();
        QVERIFY(QTest::qWaitForWindowExposed(&canvas));
        const QRectF drawn = Extent(canvas.grab().toImage(), colours.background);
        QVERIFY2(std::abs(drawn.left() - inside.left()) < 1.5 &&
                     std::abs(drawn.right() - inside.right()) < 1.5 &&
                     std::abs(drawn.top() - inside.top()) < 1.5 &&
                     std::abs(drawn.bottom() - inside.bottom()) < 1.5,
                 qPrintable(QStringLiteral("background %1,%2 %3x%4")
                                .arg(drawn.left())
                                .arg(drawn.top())
                                .arg(drawn.width())
                                .arg(drawn.height())));
    }
}

// Step 6 on a 1280 x 1024 screen at 150 % and at 200 %: every value fits
// its cell (once "-100.00" lost its last digits), and the grids stay on the
// form, clear of the drawings (at 200 % they ran off it).
void TestScaledScreens::dataSheetValuesFitTheirCells() {
    DriveProject p;
    InitUnitTables(p);
    QVERIFY(ProjectFile::open(BELT_TEST_DATA_DIR "/demo-design.dat", p).ok);
    ScriptedDialogs d;
    Menus menus;
    Step6Screen s(p, d, menus.m);
    s.show();
    for (const QSize form : {QSize(845, 650), QSize(633, 485)}) {
        s.resize(form);
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        for (const FlexGrid* g : {s.DatiPulegge, s.DatiDente}) {
            QVERIFY2(s.rect().contains(g->geometry()), qPrintable(g->objectName()));
            const QFontMetrics fm(g->font());
            const int margin =
                2 * (g->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, g) + 1) + 1;
            for (int r = 0; r < g->rows(); ++r) {
                if (g == s.DatiPulegge && r % 3 == 0) continue;  // the title rows span the grid
                for (int c = 0; c < g->cols(); ++c)
                    QVERIFY2(fm.horizontalAdvance(g->cellText(r, c)) + margin <= g->columnWidth(c),
                             qPrintable(g->cellText(r, c)));
            }
        }
        const std::size_t code = static_cast<std::size_t>(p.profileDrawingCode);
        QVERIFY(!s.DatiPulegge->geometry().intersects(s.Dente[code]->geometry()));
        QVERIFY(!s.DatiPulegge->geometry().intersects(s.DatiDente->geometry()));
        QVERIFY(!s.DatiDente->geometry().intersects(s.Dente[code]->geometry()));
    }
}

void TestScaledScreens::stepOneTextsFitTheirRoom_data() {
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("picture");
    QTest::addColumn<QSize>("form");
    for (const auto& [name, form] :
         {std::pair{"150 %", QSize(845, 650)}, std::pair{"200 %", QSize(633, 485)}}) {
        QTest::newRow(qPrintable(QStringLiteral("ORVANTO %1").arg(name))) << 0 << 0 << form;
        QTest::newRow(qPrintable(QStringLiteral("SELKIRA %1").arg(name))) << 1 << 0 << form;
        QTest::newRow(qPrintable(QStringLiteral("QUINDEL %1").arg(name))) << 3 << 6 << form;
        QTest::newRow(qPrintable(QStringLiteral("FENDARO %1").arg(name))) << 4 << 9 << form;
    }
}

// Step 1 on a 1280 x 1024 screen at 150 % and 200 %: every caption, table
// cell, description and option is whole (once "Average fluctuating load"
// lost its first and last lines, and a flat belt its last characteristics).
void TestScaledScreens::stepOneTextsFitTheirRoom() {
    QFETCH(int, tab);
    QFETCH(int, picture);
    QFETCH(QSize, form);
    DriveProject p;
    InitUnitTables(p);
    ScriptedDialogs d;
    Menus menus;
    Step1Screen s(p, d, menus.m);
    s.resize(form);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    s.setBeltTypeTab(tab);
    s.TipoDente_Click(picture);
    if (tab == 4) s.proprieta()->setCurrentRow(1);
    QCoreApplication::processEvents();
    VerifyTextsFit(s);
    const QListWidget* list = s.proprieta();
    if (list->isVisible())
        for (int i = 0; i < list->count(); ++i)
            QVERIFY2(list->visualItemRect(list->item(i)).right() <= list->viewport()->width() ||
                         QFontMetrics(list->font()).horizontalAdvance(list->item(i)->text()) <=
                             list->viewport()->width(),
                     qPrintable(list->item(i)->text()));
}

void TestScaledScreens::laterStepsTextsFitTheirRoom_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<QSize>("size");
    for (const auto& [name, size] :
         {std::pair{"150 %", QSize(845, 650)}, std::pair{"200 %", QSize(633, 485)}})
        for (const char* form : {"STEP2", "STEP3", "STEP4", "STEP5"})
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(form, name))) << form << size;
}

// Steps 2 to 5 of the four-pulley example at 150 % and 200 %: once the
// proposal button and the pulley titles of the layout lost their ends.
void TestScaledScreens::laterStepsTextsFitTheirRoom() {
    QFETCH(QString, form);
    QFETCH(QSize, size);
    DriveProject p;
    InitUnitTables(p);
    QVERIFY(ProjectFile::open(BELT_TEST_DATA_DIR "/demo-design.dat", p).ok);
    ScriptedDialogs d;
    d.answers.assign(8, MsgAnswer::No);
    Menus menus;
    std::unique_ptr<QWidget> s;
    if (form == "STEP2") s = std::make_unique<Step2Screen>(p, d, menus.m);
    if (form == "STEP3") s = std::make_unique<Step3Screen>(p, d, menus.m);
    if (form == "STEP4") s = std::make_unique<Step4Screen>(p, d, menus.m);
    if (form == "STEP5") s = std::make_unique<Step5Screen>(p, d, menus.m);
    s->resize(size);
    s->show();
    QVERIFY(QTest::qWaitForWindowExposed(s.get()));
    QCoreApplication::processEvents();
    VerifyTextsFit(*s);
}

// On a screen with room enough nothing shrinks: a hidden panel once made the
// captions of the two shown ones tiny.
void TestScaledScreens::fullScreenKeepsTheDesignedSizes() {
    DriveProject p;
    InitUnitTables(p);
    QVERIFY(ProjectFile::open(BELT_TEST_DATA_DIR "/two-pulley-design.dat", p).ok);
    ScriptedDialogs d;
    d.answers.assign(8, MsgAnswer::No);
    Menus menus;
    const QSize full(1267, 870);
    Step3Screen s3(p, d, menus.m);
    s3.resize(full);
    s3.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s3));
    QCOMPARE(s3.nomeinputz[1]->font().pointSize(), 10);
    Step1Screen s1(p, d, menus.m);
    s1.resize(full);
    s1.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s1));
    QCOMPARE(s1.optionDriver(0)->font().pointSize(), 10);
    QCOMPARE(s1.testo(1)->font().pointSize(), 11);
    QCOMPARE(s1.tabella(1)->font().pointSize(), 11);
    QCOMPARE(s1.tabella(7)->font().pointSize(), 12);
    QCOMPARE(s1.titolo()->font().pointSize(), 16);
}

void TestScaledScreens::focusFrameStaysOffTheTabCaptions_data() {
    QTest::addColumn<QSize>("form");
    QTest::addColumn<int>("tab");
    for (const auto& [name, form] : {std::pair{"100 %", QSize(1267, 870)}, std::pair{"150 %", QSize(845, 650)},
                                     std::pair{"200 %", QSize(633, 485)}})
        for (int tab : {int(kTabOrvanto), int(kTabRubber), int(kTabIdler)})
            QTest::newRow(qPrintable(QStringLiteral("tab %1, %2").arg(tab).arg(name))) << form << tab;
}

// The tab chosen on step 1, with the keyboard on it: the focus frame goes
// round its caption and leaves every letter whole (it once ran over the
// first and last, "dler minimum diamete").
void TestScaledScreens::focusFrameStaysOffTheTabCaptions() {
    QFETCH(QSize, form);
    QFETCH(int, tab);
    QApplication::setStyle(new AppStyle);
    DriveProject p;
    InitUnitTables(p);
    ScriptedDialogs d;
    Menus menus;
    Step1Screen s(p, d, menus.m);
    // Shown first and then sized, as the main window does with its screens.
    s.show();
    s.resize(form);
    s.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&s));
    s.setBeltTypeTab(tab);
    QTabBar* bar = s.beltType();
    bar->setFocus();
    QCoreApplication::processEvents();
    QVERIFY(bar->hasFocus());
    const QImage image = bar->grab().toImage();
    const double dpr = image.devicePixelRatio();
    const QRect r = bar->tabRect(tab);
    const QRect tabPixels(QPoint(int(r.left() * dpr), int(r.top() * dpr)),
                          QPoint(int(r.right() * dpr), int(r.bottom() * dpr)));
    const auto isFrame = [](QColor c) { return c == style::kFocusFrame; };
    // The caption's ink: the chosen tab's dark blue, smoothed into white.
    const auto isText = [](QColor c) { return c.blue() - c.red() > 60 && c.green() < 200; };
    int textLeft = tabPixels.right(), textRight = tabPixels.left(), textTop = tabPixels.bottom(),
        textBottom = tabPixels.top();
    for (int y = tabPixels.top(); y <= tabPixels.bottom(); ++y)
        for (int x = tabPixels.left(); x <= tabPixels.right(); ++x)
            if (isText(image.pixelColor(x, y))) {
                textLeft = std::min(textLeft, x);
                textRight = std::max(textRight, x);
                textTop = std::min(textTop, y);
                textBottom = std::max(textBottom, y);
            }
    QVERIFY2(textLeft < textRight, "no caption");
    // At least as wide as the caption is written.
    QVERIFY((textRight - textLeft + 1) / dpr >= bar->fontMetrics().horizontalAdvance(bar->tabText(tab)) - 3);
    int frameLeft = -1, frameRight = -1;
    for (int x = tabPixels.left(); x <= tabPixels.right(); ++x)
        for (int y = textTop; y <= textBottom; ++y) {
            if (!isFrame(image.pixelColor(x, y))) continue;
            QVERIFY2(x < textLeft - 1 || x > textRight + 1,
                     qPrintable(QStringLiteral("the frame at %1 in the caption %2..%3").arg(x).arg(textLeft).arg(textRight)));
            if (frameLeft < 0) frameLeft = x;
            frameRight = x;
        }
    QVERIFY2(frameLeft >= 0 && frameLeft < textLeft && frameRight > textRight, "the frame goes round the caption");
}

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "1.5");
    QApplication app(argc, argv);
    TestScaledScreens test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_scaledscreens.moc"
