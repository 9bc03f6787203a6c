#include <QImage>
#include <QPainter>
#include <QtTest>

#include "drawing/beltshapes.h"

using namespace belt;

namespace {

const QColor kTooth(255, 0, 0);

QImage paintTeeth(const QPainterPath& path, int count, double depth) {
    QImage image(240, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawTeethAlong(painter, path, count, depth, 2, kTooth);
    return image;
}

bool isTooth(const QImage& image, int x, int y) {
    return image.pixelColor(x, y) == kTooth;
}

}  // namespace

class BeltShapesTest : public QObject {
    Q_OBJECT
private slots:
    void teethAreSpreadEvenlyOnTheLeftOfTravel();
    void teethOfALoopStandInside();
};

// Five teeth on a 100-long line travelling right: one at the middle of each
// fifth, standing up (the left of travel with y pointing down).
void BeltShapesTest::teethAreSpreadEvenlyOnTheLeftOfTravel() {
    QPainterPath line;
    line.moveTo(10, 50);
    line.lineTo(110, 50);
    const QImage image = paintTeeth(line, 5, 10);
    for (int x = 10; x < 110; ++x) {
        const bool expected = (x - 10) % 20 == 10 || (x - 10) % 20 == 9;
        QVERIFY2(isTooth(image, x, 45) == expected, qPrintable(QStringLiteral("x = %1").arg(x)));
        QVERIFY(!isTooth(image, x, 55));
    }
}

// Along a belt loop drawn clockwise on screen the teeth point to the pulleys:
// no tooth pixel lies outside the loop beyond the width of its base, and
// every tooth has its tip inside.
void BeltShapesTest::teethOfALoopStandInside() {
    const QPainterPath loop = BeltLoopPath(QPointF(70, 110), 50, QPointF(170, 70), 30);
    QPainterPathStroker base;
    base.setWidth(4);
    const QPainterPath outline = base.createStroke(loop);
    const QImage image = paintTeeth(loop, 40, 6);
    int tips = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (!isTooth(image, x, y)) continue;
            const QPointF at(x + 0.5, y + 0.5);
            QVERIFY2(loop.contains(at) || outline.contains(at),
                     qPrintable(QStringLiteral("%1, %2").arg(x).arg(y)));
            if (loop.contains(at) && !outline.contains(at)) ++tips;
        }
    QVERIFY(tips >= 40);
}

QTEST_MAIN(BeltShapesTest)
#include "test_beltshapes.moc"
