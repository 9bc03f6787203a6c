#include <QLabel>
#include <QtTest>

#include "screens/placeform.h"

using namespace belt;

class PlaceFormTest : public QObject {
    Q_OBJECT
private slots:
    void followsTheParentsSize_data();
    void followsTheParentsSize();
    void placingAgainMovesAndReleaseStops();
    void logicalSizeHint();
};

void PlaceFormTest::followsTheParentsSize_data() {
    QTest::addColumn<QSize>("parentSize");
    QTest::addColumn<QRect>("expected");
    // Child at (10, 20), 30 x 40 logical units.
    QTest::newRow("200 x 100") << QSize(200, 100) << QRect(20, 20, 60, 40);
    QTest::newRow("400 x 300") << QSize(400, 300) << QRect(40, 60, 120, 120);
    QTest::newRow("odd size") << QSize(333, 77) << QRect(33, 15, 100, 31);
}

void PlaceFormTest::followsTheParentsSize() {
    QFETCH(QSize, parentSize);
    QFETCH(QRect, expected);
    QWidget parent;
    parent.resize(50, 50);
    auto* child = new QWidget(&parent);
    PlaceForm(child, 10, 20, 30, 40);
    parent.resize(parentSize);
    parent.show();  // the resize reaches the parent when it is shown
    QCOMPARE(child->geometry(), expected);
    QCOMPARE(LogicalRect(child), QRectF(10, 20, 30, 40));
}

void PlaceFormTest::placingAgainMovesAndReleaseStops() {
    QWidget parent;
    parent.resize(200, 200);
    parent.show();
    auto* child = new QWidget(&parent);
    PlaceForm(child, 0, 0, 50, 50);
    QCOMPARE(child->geometry(), QRect(0, 0, 100, 100));
    PlaceForm(child, -10, 90, 50, 20);  // partly outside, as the cover's texts start
    QCOMPARE(child->geometry(), QRect(-20, 180, 100, 40));
    ReleaseForm(child);
    parent.resize(400, 400);
    QCOMPARE(child->geometry(), QRect(-20, 180, 100, 40));
}

void PlaceFormTest::logicalSizeHint() {
    QWidget parent;
    parent.resize(1000, 500);
    auto* label = new QLabel(QStringLiteral("Welcome to"), &parent);
    const QSize hint = label->sizeHint();
    const QSizeF logical = LogicalSizeHint(label);
    QCOMPARE(logical.width(), hint.width() / 10.0);
    QCOMPARE(logical.height(), hint.height() / 5.0);
}

QTEST_MAIN(PlaceFormTest)
#include "test_placeform.moc"
