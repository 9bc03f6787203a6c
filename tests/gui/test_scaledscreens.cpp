// Screens set to 150 %: what the painters draw lands where it belongs, on a
// widget (and on an image of the same scale). The program runs here with
// QT_SCALE_FACTOR=1.5, as a user's desktop may set it.
#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QStyle>
#include <QTest>
#include <QWidget>
#include <functional>

#include "drawing/layoutdrawing.h"
#include "drawing/profiledrawings.h"
#include "drawing/pulleydrawings.h"
#include "engine/layout.h"
#include "platform/scripteddialogs.h"
#include "project/driveproject.h"
#include "project/projectfile.h"
#include "screens/flexgrid.h"
#include "screens/menuactions.h"
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

// Three pulleys on a triangle, the belt on its first path.
DriveProject Triangle() {
    DriveProject p;
    InitUnitTables(p);
    p.beltFamily = "ORVANTO";
    p.pulleyCount = 3;
    const double at[4][2] = {{0, 0}, {0, 0}, {0.3, 0}, {0.15, 0.26}};
    for (int k = 1; k <= 3; ++k) {
        p.pulleyPosition[0][k] = at[k][0];
        p.pulleyPosition[1][k] = at[k][1];
        p.pulleyDiameter[k] = 0.1;
    }
    ComputeBeltPaths(p);
    p.beltPathTable[0][1] = 1;
    return p;
}

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

}  // namespace

class TestScaledScreens : public QObject {
    Q_OBJECT
private slots:
    void theScaleIsSet();
    void layoutFillsItsSquare();
    void dataSheetDrawingsFillTheirRectangle();
    void dataSheetValuesFitTheirCells();
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
    const DriveProject p = Triangle();
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
    QObject owner;
    MenuActions menus;
    for (QAction** a :
         {&menus.mStopDemo, &menus.mClose, &menus.mFile, &menus.mGoBack, &menus.mGoon, &menus.mGoon2,
          &menus.mUnit, &menus.mPrinter, &menus.mPrinter2, &menus.mDemo, &menus.mLoopDemo, &menus.mInt})
        *a = new QAction(&owner);
    Step6Screen s(p, d, menus);
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

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "1.5");
    QApplication app(argc, argv);
    TestScaledScreens test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_scaledscreens.moc"
