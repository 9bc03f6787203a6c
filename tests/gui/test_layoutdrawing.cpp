// The layout drawing: the square of the layout fitted into any target, the
// mapping the mouse uses, the colours of pulleys, idlers and belt on a raster
// device, round pulleys under a stretched window, and vector output in SVG
// with the scale's labels as text.
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "drawing/layoutdrawing.h"
#include "guitestsupport.h"
#include "engine/layout.h"
#include "project/driveproject.h"
#include "units/units.h"

using namespace belt;

namespace {

// Thick lines, so a pixel on a line has the line's colour despite smoothing.
LayoutDrawingStyle ThickStyle() {
    LayoutDrawingStyle s = LayoutDrawingStyle::Screen(96);
    s.background = Qt::black;
    s.lineWidth = 5;
    s.beltWidth = 7;
    return s;
}

bool Near(QColor a, QColor b) {
    return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 &&
           std::abs(a.blue() - b.blue()) < 40;
}

QColor PixelAt(const QImage& image, QPointF at) {
    return image.pixelColor(at.toPoint());
}

}  // namespace

class TestLayoutDrawing : public QObject {
    Q_OBJECT
private slots:
    void squareOfTheExampleLayoutFitsTheTarget();
    void pulleysIdlersAndBeltInTheirColours();
    void pulleysStayRoundUnderAStretchedWindow();
    void svgIsVectorWithTheScaleAsText();
    void absurdLayoutStaysInsideTheTarget();
    void scaleLabelsNeverOverlap_data();
    void scaleLabelsNeverOverlap();
    void scaleKeepsEveryLabelWhereThereIsRoom();
};

void TestLayoutDrawing::squareOfTheExampleLayoutFitsTheTarget() {
    // Pulleys up to 100 mm spread over 600 mm around the origin: -500..500 mm.
    DriveProject p;
    InitUnitTables(p);
    p.pulleyCount = 3;
    p.pulleyPosition[0][2] = 0.3;
    p.pulleyPosition[0][3] = -0.3;
    p.pulleyDiameter = {0, 0.05, 0.1, 0.1, 0};
    const LayoutFrame f(p, QRectF(0, 0, 400, 300));
    QVERIFY(f.valid());
    QCOMPARE(f.square(), QRectF(50, 0, 300, 300));
    QCOMPARE(f.scale().left, -0.5);
    QCOMPARE(f.scale().top, 0.5);
    QCOMPARE(f.toTarget(-0.5, 0.5), QPointF(50, 0));
    QCOMPARE(f.toTarget(0.5, -0.5), QPointF(350, 300));
    // Y grows upwards.
    QCOMPARE(f.toTarget(0.1, 0.2), QPointF(230, 90));
    const QPointF back = f.toLayout(QPointF(230, 90));
    QVERIFY(std::abs(back.x() - 0.1) < 1e-12 && std::abs(back.y() - 0.2) < 1e-12);
    QCOMPARE(f.toTargetLength(0.1), 30.0);

    // Nothing has a size yet: nothing to map, and painting leaves only the
    // background.
    DriveProject empty;
    QVERIFY(!LayoutFrame(empty, QRectF(0, 0, 400, 300)).valid());
    QVERIFY(!LayoutFrame(p, QRectF(0, 0, 0, 300)).valid());
    QImage image(40, 30, QImage::Format_RGB32);
    QPainter painter(&image);
    DrawLayout(painter, image.rect(), empty, ThickStyle());
    painter.end();
    QCOMPARE(image.pixelColor(20, 15), QColor(Qt::black));
}

void TestLayoutDrawing::pulleysIdlersAndBeltInTheirColours() {
    const DriveProject p = belt::test::TriangleLayout();
    QVERIFY(p.beltPathTable[0][0] > 0);
    const LayoutDrawingStyle s = ThickStyle();
    const QRectF target(0, 0, 500, 400);
    const LayoutFrame f(p, target);

    // A screen with a scale factor paints the same places in more pixels.
    for (const double ratio : {1.0, 1.5})
        for (bool withBelt : {true, false}) {
            QImage image(static_cast<int>(500 * ratio), static_cast<int>(400 * ratio), QImage::Format_RGB32);
            image.setDevicePixelRatio(ratio);
            QPainter painter(&image);
            if (withBelt)
                DrawLayout(painter, target, p, s);
            else
                DrawPulleys(painter, target, p, s);
            painter.end();
            auto pixel = [&](QPointF at) { return PixelAt(image, at * ratio); };
            // The rightmost point of each circle; the idler in its own colour.
            QVERIFY(Near(pixel(f.toTarget(0.3 + 0.05, 0)), s.pulley));
            QVERIFY(Near(pixel(f.toTarget(0.15 + 0.05, 0.26)), s.idler));
            // The centre cross.
            QVERIFY(Near(pixel(f.toTarget(0.3, 0)), s.mark));
            // The middle of every span of the current path.
            for (const BeltLine& l : LayoutBeltLines(p)) {
                const QColor c = pixel(f.toTarget((l.x0 + l.x1) / 2, (l.y0 + l.y1) / 2));
                QVERIFY2(withBelt ? Near(c, s.belt) : Near(c, s.background), qPrintable(c.name()));
            }
        }
}

void TestLayoutDrawing::pulleysStayRoundUnderAStretchedWindow() {
    // A page window of 200 x 100 units on a square device: the target's
    // units are twice as tall as wide, the circles must not be.
    const DriveProject p = belt::test::TriangleLayout();
    const LayoutDrawingStyle s = ThickStyle();
    QImage image(400, 400, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setWindow(0, 0, 200, 100);
    painter.setViewport(0, 0, 400, 400);
    DrawPulleys(painter, QRectF(0, 0, 200, 100), p, s);
    painter.end();
    const LayoutFrame device(p, QRectF(0, 0, 400, 400));
    const double r = device.toTargetLength(0.05);
    const QPointF c = device.toTarget(0.3, 0);
    for (QPointF edge : {c + QPointF(r, 0), c - QPointF(r, 0), c + QPointF(0, r), c - QPointF(0, r)})
        QVERIFY(Near(PixelAt(image, edge), s.pulley));
}

void TestLayoutDrawing::svgIsVectorWithTheScaleAsText() {
    const DriveProject p = belt::test::TriangleLayout();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(600, 600));
    svg.setViewBox(QRectF(0, 0, 600, 600));
    QPainter painter(&svg);
    DrawLayout(painter, QRectF(0, 0, 600, 600), p, LayoutDrawingStyle::Paper(12));
    painter.end();
    const QString text = QString::fromUtf8(buffer.data());
    QVERIFY(!text.contains(QStringLiteral("<image")));
    const std::vector<ScaleLabel> labels =
        ScaleLabels(LayoutFrame(p, QRectF(0, 0, 600, 600)), LayoutDrawingStyle::Paper(12));
    for (const ScaleLabel& l : labels)
        QVERIFY2(text.contains(QStringLiteral(">%1<").arg(l.text)), qPrintable(l.text));
    QVERIFY(labels.size() > 4);
    for (const char* name : {"driver pulley", "pulley # 2", "idler # 3", "       Y", ">X<"})
        QVERIFY2(text.contains(QString::fromUtf8(name)), name);
}

// A coordinate typed as 1e300 mm: hundreds of digits per label, none of
// which may spill over the widgets beside the drawing.
void TestLayoutDrawing::absurdLayoutStaysInsideTheTarget() {
    DriveProject p = belt::test::TriangleLayout();
    p.pulleyPosition[0][2] = 1e297;
    ComputeBeltPaths(p);
    QImage image(700, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawLayout(painter, QRectF(0, 0, 400, 400), p, LayoutDrawingStyle::Screen(96));
    painter.end();
    for (int x = 400; x < 700; x += 3)
        for (int y = 0; y < 400; y += 3) QVERIFY2(image.pixelColor(x, y) == QColor(Qt::white), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
}

void TestLayoutDrawing::scaleLabelsNeverOverlap_data() {
    QTest::addColumn<double>("spread");
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("paper");
    QTest::addColumn<double>("side");
    // Drives from a few centimetres to tens of metres across, in every length
    // unit, on a small window, the step 4 and step 6 canvases at 1280 x 1024
    // and with the screen scaled by 1.5, and the printed drawings page
    // (8-point numbers on about 1300 of 2100 device units).
    for (double spread : {0.04, 0.35, 0.6, 1.7, 4.5, 37.0})
        for (int unit = 1; unit <= 5; ++unit)
            for (const auto& [paper, side] : {std::pair{false, 220.0},
                                              {false, 400.0},
                                              {false, 490.0},
                                              {false, 600.0},
                                              {false, 740.0},
                                              {true, 1300.0}})
                QTest::newRow(qPrintable(QStringLiteral("%1 m, unit %2, %3 %4")
                                             .arg(spread)
                                             .arg(unit)
                                             .arg(paper ? QStringLiteral("paper") : QStringLiteral("screen"))
                                             .arg(side)))
                    << spread << unit << paper << side;
}

namespace {

// Three pulleys around the origin, on both sides of it, spread metres apart.
DriveProject Spread(double spread, int unit) {
    DriveProject p;
    InitUnitTables(p);
    ChooseUnit(p, kLength, unit);
    p.beltFamily = "ORVANTO";
    p.pulleyCount = 3;
    const double at[4][2] = {{0, 0}, {0, 0}, {spread, 0.3 * spread}, {-0.45 * spread, -0.8 * spread}};
    for (int k = 1; k <= 3; ++k) {
        p.pulleyPosition[0][k] = at[k][0];
        p.pulleyPosition[1][k] = at[k][1];
        p.pulleyDiameter[k] = spread / 6;
    }
    return p;
}

LayoutDrawingStyle StyleFor(bool paper) {
    return paper ? LayoutDrawingStyle::Paper(29) : LayoutDrawingStyle::Screen(96);
}

}  // namespace

void TestLayoutDrawing::scaleLabelsNeverOverlap() {
    QFETCH(double, spread);
    QFETCH(int, unit);
    QFETCH(bool, paper);
    QFETCH(double, side);
    const DriveProject p = Spread(spread, unit);
    const LayoutDrawingStyle style = StyleFor(paper);
    const LayoutFrame f(p, QRectF(0, 0, side, side));
    const std::vector<ScaleLabel> labels = ScaleLabels(f, style);
    QVERIFY(!labels.empty());
    for (std::size_t i = 0; i < labels.size(); ++i) {
        QVERIFY2(f.square().contains(labels[i].box), qPrintable(labels[i].text));
        for (std::size_t j = i + 1; j < labels.size(); ++j)
            QVERIFY2(!labels[i].box.intersects(labels[j].box),
                     qPrintable(labels[i].text + QStringLiteral(" meets ") + labels[j].text));
    }
    // No tick, small or big, of either edge runs through a number or
    // touches it: the ink of a tick (half a pen's width either side) stays
    // clear of every number.
    const LayoutScale& sc = f.scale();
    const double pen = std::max(style.lineWidth, 1.0);
    for (const ScaleLabel& l : labels) {
        const QRectF kept = l.box.adjusted(-pen / 2, -pen / 2, pen / 2, pen / 2);
        for (bool alongX : {true, false})
            for (const LayoutTick& t : alongX ? sc.xTicks : sc.yTicks) {
                const double length = t.big ? sc.bigTick : sc.smallTick;
                const QPointF a = alongX ? f.toTarget(t.at, sc.bottom) : f.toTarget(sc.left, t.at);
                const QPointF b =
                    alongX ? f.toTarget(t.at, sc.bottom + length) : f.toTarget(sc.left + length, t.at);
                for (int i = 0; i <= 20; ++i)
                    QVERIFY2(!kept.contains(a + (b - a) * i / 20.0),
                             qPrintable(
                                 QStringLiteral("%1 on the %2 tick at %3")
                                     .arg(l.text, alongX ? QStringLiteral("bottom") : QStringLiteral("left"))
                                     .arg(t.at)));
            }
    }
    // The left edge's numbers stand above the row of the bottom's.
    for (const ScaleLabel& y : labels)
        for (const ScaleLabel& x : labels)
            if (!y.alongX && x.alongX) QVERIFY2(y.box.bottom() <= x.box.top(), qPrintable(y.text));
    // Along the bottom the numbers stay a blank apart at least, or they
    // read as one ("-100-50").
    std::vector<QRectF> bottom;
    for (const ScaleLabel& l : labels)
        if (l.alongX) bottom.push_back(l.box);
    std::sort(bottom.begin(), bottom.end(),
              [](const QRectF& a, const QRectF& b) { return a.left() < b.left(); });
    QFont font(style.fontFamily);
    font.setPixelSize(static_cast<int>(std::lround(style.labelSize)));
    const double blank = QFontMetricsF(font).horizontalAdvance(QLatin1Char(' '));
    for (std::size_t i = 1; i < bottom.size(); ++i)
        QVERIFY(bottom[i].left() - bottom[i - 1].right() >= blank);

    // Outside mm the numbers are whole multiples of a step of 1, 2 or 5
    // times a power of ten of the unit shown.
    if (unit != 1) {
        const double step = 5 * f.scale().spacing / CurrentFactor(p, kLength);
        const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
        QVERIFY2(
            std::abs(mantissa - 1) < 1e-6 || std::abs(mantissa - 2) < 1e-6 || std::abs(mantissa - 5) < 1e-6,
            qPrintable(QString::number(step)));
        for (const ScaleLabel& l : labels) {
            const double steps = l.text.toDouble() / step;
            QVERIFY2(std::abs(steps - std::round(steps)) < 1e-6, qPrintable(l.text));
        }
    }
}

// A 1000 mm square on the step 4 canvas: the numbers of every fifth tick,
// as the scale gives them, all there; on a canvas too small for them every
// other one goes, from 0.
void TestLayoutDrawing::scaleKeepsEveryLabelWhereThereIsRoom() {
    DriveProject p;
    InitUnitTables(p);
    p.pulleyCount = 3;
    p.pulleyPosition[0][2] = 0.3;
    p.pulleyPosition[1][2] = 0.3;
    p.pulleyPosition[0][3] = -0.3;
    p.pulleyPosition[1][3] = -0.3;
    p.pulleyDiameter = {0, 0.1, 0.05, 0.08, 0};
    auto numbers = [&](double side) {
        QStringList x, y;
        for (const ScaleLabel& l : ScaleLabels(LayoutFrame(p, QRectF(0, 0, side, side)), StyleFor(false)))
            (l.alongX ? x : y) << l.text;
        return std::pair{x.join(QLatin1Char(' ')), y.join(QLatin1Char(' '))};
    };
    const auto [x, y] = numbers(600);
    QCOMPARE(x, QStringLiteral("-400 -300 -200 -100 0 100 200 300 400"));
    QCOMPARE(y, QStringLiteral("400 300 200 100 0 -100 -200 -300 -400"));
    const auto [smallX, smallY] = numbers(200);
    // 400 would stand under the axis name.
    QCOMPARE(smallX, QStringLiteral("-400 -200 0 200"));
}

QTEST_MAIN(TestLayoutDrawing)
#include "test_layoutdrawing.moc"
