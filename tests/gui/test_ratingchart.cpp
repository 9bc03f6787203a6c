// The rating chart: the points and the line it draws stand for the very
// values the design recorded, on axes of round numbers in the user's units.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <cmath>
#include <deque>
#include <string>
#include <tuple>

#include "catalogue/calculationtables.h"
#include "drawing/ratingchart.h"
#include "engine/designsequence.h"
#include "engine/details.h"
#include "platform/scripteddialogs.h"
#include "project/projectfile.h"
#include "recordingdevice.h"
#include "units/units.h"

using namespace belt;

namespace {

// A project of the test data designed from step 3 as Go On designs it,
// recording its details.
RatingChart DesignedChart(DriveProject& p, const QString& file) {
    InitUnitTables(p);
    if (!ProjectFile::open(std::string(BELT_TEST_DATA_DIR) + "/" + file.toStdString(), p).ok) return {};
    LoadCalculationTables(p);
    ScriptedDialogs scripted;
    scripted.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    scripted.acceptInputDefaults = true;
    DesignDetails details;
    RecordingDialogs d(scripted, details);
    if (GoOnFromStep3(p, d) != NextStep::ShowStep5) return {};
    return details.chart;
}

bool Near(double a, double b) {
    return std::abs(a - b) <= 1e-9 * std::max(std::abs(a), std::abs(b));
}

// A step of round numbers: 1, 2 or 5 times a power of ten.
bool RoundStep(double step) {
    const double m = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    return std::abs(m - 1) < 1e-6 || std::abs(m - 2) < 1e-6 || std::abs(m - 5) < 1e-6;
}

}  // namespace

class TestRatingChart : public QObject {
    Q_OBJECT
private slots:
    void marksStandForTheRecordedValues_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("powerUnit");
        QTest::addColumn<int>("speedUnit");  // of the angular velocity or the velocity
        QTest::addColumn<bool>("speedIsRpm");
        QTest::newRow("T10 in kW over rpm") << "two-pulley-design.dat" << 1 << 1 << true;
        QTest::newRow("T10 in W over rad/s") << "two-pulley-design.dat" << 2 << 2 << true;
        QTest::newRow("multi-rib in kW over m/s") << "quindel-design.dat" << 1 << 1 << false;
        QTest::newRow("multi-rib in HP over ft/s") << "quindel-design.dat" << 7 << 2 << false;
    }

    void marksStandForTheRecordedValues() {
        QFETCH(QString, file);
        QFETCH(int, powerUnit);
        QFETCH(int, speedUnit);
        QFETCH(bool, speedIsRpm);
        DriveProject p;
        const RatingChart chart = DesignedChart(p, file);
        QVERIFY(chart.present);
        QCOMPARE(chart.speedIsRpm, speedIsRpm);
        const int speed = speedIsRpm ? kAngularVelocity : kVelocity;
        ChooseUnit(p, kPower, powerUnit);
        ChooseUnit(p, speed, speedUnit);

        const QRectF target(10, 20, 640, 420);
        const RatingChartStyle style = RatingChartStyle::Paper(12);
        const RatingChartFrame f(chart, p, target, style);
        QVERIFY(f.valid());
        QVERIFY(target.contains(f.plot()));

        // The operating point, the rating and the service line mean the
        // recorded values, and the curve passes through the rating.
        const QPointF operating = f.toChart(f.operatingPoint());
        QVERIFY(Near(operating.x(), chart.operatingSpeed));
        QVERIFY(Near(operating.y(), chart.power));
        const QPointF rating = f.toChart(f.ratingPoint());
        QVERIFY(Near(rating.x(), chart.operatingSpeed));
        QVERIFY(Near(rating.y(), chart.rating));
        QVERIFY(Near(f.toChart(QPointF(f.plot().left(), f.serviceLineY())).y(), chart.servicePower));
        QVERIFY(f.curve().contains(f.ratingPoint()));
        for (const QPointF& point : f.curve())
            QVERIFY(f.plot().adjusted(-1e-6, -1e-6, 1e-6, 1e-6).contains(point));
        QVERIFY(f.plot().contains(f.operatingPoint()) && f.plot().contains(f.ratingPoint()));

        // Axes of round numbers in the user's units, from 0 at the plot's
        // edge to its other edge, named with their units.
        const double speedFactor = CurrentFactor(p, speed);
        const double powerFactor = CurrentFactor(p, kPower);
        for (const auto& [ticks, from, to] : {std::tuple{f.xTicks(), f.plot().left(), f.plot().right()},
                                              std::tuple{f.yTicks(), f.plot().bottom(), f.plot().top()}}) {
            QVERIFY(ticks.size() >= 3);
            QCOMPARE(ticks.front().value, 0.0);
            QCOMPARE(ticks.front().position, from);
            QVERIFY(std::abs(ticks.back().position - to) < 1e-6);
            const double step = ticks[1].value - ticks[0].value;
            QVERIFY2(RoundStep(step), qPrintable(QString::number(step)));
            for (const ChartTick& t : ticks) QVERIFY(Near(t.label.toDouble(), t.value) || t.value == 0);
        }
        const QPointF topRight = f.toChart(f.plot().topRight());
        QVERIFY(Near(topRight.x() / speedFactor, f.xTicks().back().value));
        QVERIFY(Near(topRight.y() / powerFactor, f.yTicks().back().value));
        QCOMPARE(f.yTitle(), QStringLiteral("Power ") + QString::fromStdString(CurrentLabel(p, kPower)));
        QVERIFY(f.xTitle().endsWith(QString::fromStdString(CurrentLabel(p, speed))));

        // What the painter draws: the service line across the plot and the
        // operating point's square where the frame puts them.
        test::RecordingDevice device(QSize(700, 500));
        {
            QPainter painter(&device);
            DrawRatingChart(painter, target, chart, p, style);
        }
        bool serviceLine = false;
        bool operatingSquare = false;
        for (const QLineF& l : device.lines) {
            if (std::abs(l.y1() - f.serviceLineY()) < 1e-6 && std::abs(l.y2() - f.serviceLineY()) < 1e-6 &&
                std::abs(l.x1() - f.plot().left()) < 1e-6 && std::abs(l.x2() - f.plot().right()) < 1e-6)
                serviceLine = true;
            const double half = style.textSize * 0.32;
            if (std::abs(l.x1() - (f.operatingPoint().x() - half)) < 1e-6 &&
                std::abs(l.y1() - (f.operatingPoint().y() - half)) < 1e-6)
                operatingSquare = true;
        }
        QVERIFY(serviceLine);
        QVERIFY(operatingSquare);
    }

    // On a screen with a scale factor the marks stand where the frame puts
    // them, in more pixels.
    void marksStayInPlaceOnAScaledScreen() {
        DriveProject p;
        const RatingChart chart = DesignedChart(p, QStringLiteral("two-pulley-design.dat"));
        QVERIFY(chart.present);
        const QRectF target(0, 0, 600, 400);
        const RatingChartStyle style = RatingChartStyle::Paper(12);
        const RatingChartFrame f(chart, p, target, style);
        for (const double ratio : {1.0, 1.5}) {
            QImage image(static_cast<int>(600 * ratio), static_cast<int>(400 * ratio), QImage::Format_RGB32);
            image.setDevicePixelRatio(ratio);
            {
                QPainter painter(&image);
                DrawRatingChart(painter, target, chart, p, style);
            }
            QCOMPARE(image.pixelColor((f.operatingPoint() * ratio).toPoint()), style.operating);
            QCOMPARE(image.pixelColor((f.ratingPoint() * ratio).toPoint()), style.rating);
        }
    }

    // A chart the design did not record is a note, never an empty frame.
    void aChartWithoutCurveIsANote() {
        DriveProject p;
        InitUnitTables(p);
        QVERIFY(
            !RatingChartFrame(RatingChart{}, p, QRectF(0, 0, 400, 300), RatingChartStyle::Paper(12)).valid());
        test::RecordingDevice device;
        {
            QPainter painter(&device);
            DrawRatingChart(painter, QRectF(0, 0, 400, 300), RatingChart{}, p, RatingChartStyle::Paper(12));
        }
        QString drawn;
        for (const auto& t : device.texts) drawn += t.text + QLatin1Char(' ');
        QVERIFY2(drawn.simplified() == NoRatingChartText(), qPrintable(drawn));
    }
};

QTEST_MAIN(TestRatingChart)
#include "test_ratingchart.moc"
