// The drawings of the data sheet and the profile pictures of step 1, painted
// into images: each stays inside its rectangle and carries its dimension
// symbols, a drawing follows its profile's own proportions, and a printed
// page's logical window gives the same drawing. With BELT_DRAWINGS_OUT set
// to a folder, every drawing is also written there as a PNG to look at.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <algorithm>
#include <functional>
#include <vector>

#include "catalogue/pulleytables.h"
#include "drawing/profiledrawings.h"
#include "drawing/profilepictures.h"
#include "drawing/pulleydrawings.h"
#include "project/driveproject.h"
#include "recordingdevice.h"

using namespace belt;

namespace {

using Paint = std::function<void(QPainter&, const QRectF&)>;

QImage Render(const QSize& size, const Paint& paint, const QRectF& rect, QColor fill = Qt::white) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(fill);
    QPainter painter(&image);
    paint(painter, rect);
    return image;
}

void SaveForLooking(const QImage& image, const QString& name) {
    const QByteArray dir = qgetenv("BELT_DRAWINGS_OUT");
    if (dir.isEmpty()) return;
    QDir().mkpath(QString::fromLocal8Bit(dir));
    image.save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// Share of the pixels inside rect that differ between two images.
double Difference(const QImage& a, const QImage& b, const QRect& rect) {
    int differ = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++differ;
    return static_cast<double>(differ) / (rect.width() * rect.height());
}

// Pixels of the dimension colour, antialiased edges included.
int CountMagenta(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c(image.pixel(x, y));
            if (c.red() > 150 && c.blue() > 150 && c.green() < 110) ++n;
        }
    return n;
}

bool UntouchedOutside(const QImage& image, const QRect& rect, const QColor& fill) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!rect.contains(x, y) && QColor(image.pixel(x, y)) != fill) return false;
    return true;
}

Paint ProfileOf(const DriveProject& p, const DrawingColours& c) {
    return [&p, c](QPainter& painter, const QRectF& r) { DrawProfileDrawing(painter, r, p, c); };
}
Paint PulleyOf(const DriveProject& p, const DrawingColours& c) {
    return [&p, c](QPainter& painter, const QRectF& r) { DrawPulleyDrawing(painter, r, p, c); };
}

// A drawing with its dimension lines in a colour found nowhere else.
DrawingColours Marked() {
    DrawingColours c = ScreenDrawingColours();
    c.dimension = QColor(255, 0, 255);
    return c;
}

}  // namespace

class TestProfileDrawings : public QObject {
    Q_OBJECT
private slots:
    void everyDrawingStaysInItsRectangleAndIsDimensioned_data();
    void everyDrawingStaysInItsRectangleAndIsDimensioned();
    void drawingsFollowTheProfilesOwnDimensions();
    void printedPageWindowGivesTheSameDrawing();
    void timingPulleyDiametersStandInTheirTrueOrder();
    void paperLeavesThePaperWhite();
    void stepOnePicturesOfTheToothGroupsDiffer();
    void pitchLetterStaysOnScaledScreens_data();
    void pitchLetterStaysOnScaledScreens();
};

void TestProfileDrawings::everyDrawingStaysInItsRectangleAndIsDimensioned_data() {
    QTest::addColumn<bool>("pulley");
    QTest::addColumn<int>("code");
    // Every profile, and the pulley of every profile's belt.
    for (int code = 0; code <= 12; ++code) {
        QTest::newRow(qPrintable(QStringLiteral("Dente(%1)").arg(code))) << false << code;
        QTest::newRow(qPrintable(QStringLiteral("Puleggia of Dente(%1)").arg(code))) << true << code;
    }
}

void TestProfileDrawings::everyDrawingStaysInItsRectangleAndIsDimensioned() {
    QFETCH(bool, pulley);
    QFETCH(int, code);
    const DriveProject p = SampleDrawingProject(code);
    QCOMPARE(p.profileDrawingCode, code);
    const QSize size = pulley ? QSize(560, 260) : QSize(400, 320);
    const QRect rect(30, 20, size.width() - 60, size.height() - 40);
    const QColor fill(1, 2, 3);
    const QImage image = Render(size, pulley ? PulleyOf(p, Marked()) : ProfileOf(p, Marked()), rect, fill);
    SaveForLooking(Render(size - QSize(60, 40),
                          pulley ? PulleyOf(p, ScreenDrawingColours()) : ProfileOf(p, ScreenDrawingColours()),
                          QRectF(0, 0, size.width() - 60, size.height() - 40)),
                   pulley ? QStringLiteral("Puleggia%1-of-Dente%2").arg(p.beltKindCode).arg(code)
                          : QStringLiteral("Dente%1").arg(code));
    QVERIFY(UntouchedOutside(image, rect, fill));
    // Dimension lines, arrows and symbols.
    QVERIFY2(CountMagenta(image) > 150, "no dimensions drawn");
}

void TestProfileDrawings::drawingsFollowTheProfilesOwnDimensions() {
    // Same drawing code, other pitch: the drawing changes.
    DriveProject t5 = SampleDrawingProject(0);
    DriveProject t20 = t5;
    t5.beltPitchCode = "T5";
    PuleggeT5(t5);
    t20.beltPitchCode = "T20";
    PuleggeT20(t20);
    const QSize size(400, 320);
    const QRectF rect(0, 0, 400, 320);
    const QImage a = Render(size, ProfileOf(t5, ScreenDrawingColours()), rect);
    const QImage b = Render(size, ProfileOf(t20, ScreenDrawingColours()), rect);
    SaveForLooking(a, QStringLiteral("Dente0-T5"));
    SaveForLooking(b, QStringLiteral("Dente0-T20"));
    QVERIFY2(Difference(a, b, rect.toRect()) > 0.05, "a T5 and a T20 look alike");
    // The tooth: its height and tip width are the profile's.
    const BeltSection s = BeltSectionOf(t20);
    QCOMPARE(s.pitch, 20.0);
    QVERIFY(std::abs(s.toothHeight - 5.0) < 1e-5);
    QVERIFY(std::abs(s.tipWidth - 6.5) < 1e-5);
    QVERIFY(std::abs(ToothRootWidth(s) - (6.5 + 2 * 5 * std::tan(20 * 3.141592654 / 180))) < 1e-6);

    // A rubber inch belt carries no body and tip width: those of the
    // polyurethane belt of its profile stand in for them.
    const BeltSection rubber = BeltSectionOf(SampleDrawingProject(4));
    QVERIFY(rubber.rubber && !rubber.doubleSided);
    QVERIFY(!rubber.tipWidthGiven);
    QVERIFY(std::abs(rubber.tipWidth - 3.25) < 1e-5);
    QVERIFY(BeltSectionOf(SampleDrawingProject(5)).doubleSided);
}

void TestProfileDrawings::printedPageWindowGivesTheSameDrawing() {
    // A page of 200 x 100 logical units on 800 x 400 pixels, the drawing
    // in a 50 x 40 unit box: as if drawn straight into 200 x 160 pixels.
    for (int code : {0, 10, 12}) {
        const DriveProject p = SampleDrawingProject(code);
        for (bool pulley : {false, true}) {
            const Paint paint =
                pulley ? PulleyOf(p, PaperDrawingColours()) : ProfileOf(p, PaperDrawingColours());
            const QImage direct = Render(QSize(800, 400), paint, QRectF(40, 40, 200, 160));
            const QImage page = Render(QSize(800, 400),
                                       [&](QPainter& painter, const QRectF&) {
                                           painter.setWindow(0, 0, 200, 100);
                                           painter.setViewport(0, 0, 800, 400);
                                           paint(painter, QRectF(10, 10, 50, 40));
                                       },
                                       {});
            QVERIFY2(Difference(direct, page, QRect(0, 0, 800, 400)) < 0.002,
                     qPrintable(QString::number(code)));
        }
    }
}

// de lies inside dp on a timing pulley: its dimension line stands between
// those of dmax and dp, as the lines go outwards from the smallest.
void TestProfileDrawings::timingPulleyDiametersStandInTheirTrueOrder() {
    const DriveProject p = SampleDrawingProject(0);
    QVERIFY(p.pulleyOutsideDiameter[1] > 0 && p.pulleyOutsideDiameter[1] < p.pulleyDiameter[1]);
    test::RecordingDevice device;
    {
        QPainter painter(&device);
        DrawPulleyDrawing(painter, QRectF(0, 0, 560, 260), p, PaperDrawingColours());
    }
    std::vector<test::RecordingDevice::Text> symbols;
    for (const auto& t : device.texts)
        if (t.text == QLatin1String("dmax") || t.text.startsWith(QLatin1Char('d'))) symbols.push_back(t);
    std::sort(symbols.begin(), symbols.end(),
              [](const auto& a, const auto& b) { return a.at.x() < b.at.x(); });
    QStringList order;
    for (const auto& t : symbols) order << t.text;
    QCOMPARE(order.join(QLatin1Char(' ')), QStringLiteral("dmax de dp df"));
}

void TestProfileDrawings::paperLeavesThePaperWhite() {
    const DriveProject p = SampleDrawingProject(2);
    const QImage image = Render(QSize(300, 240), ProfileOf(p, PaperDrawingColours()), QRectF(0, 0, 300, 240));
    for (const QPoint corner : {QPoint(1, 1), QPoint(298, 1), QPoint(1, 238), QPoint(298, 238)})
        QCOMPARE(QColor(image.pixel(corner)), QColor(Qt::white));
}

void TestProfileDrawings::stepOnePicturesOfTheToothGroupsDiffer() {
    // T, AT and the inch profiles each show their own tooth.
    const QSize size(240, 170);
    const QRectF rect(0, 0, 240, 170);
    QList<QImage> images;
    for (int index = 0; index < kProfilePictureCount; ++index) {
        images << Render(
            size, [index](QPainter& painter, const QRectF& r) { DrawProfilePicture(painter, r, index); },
            rect);
        SaveForLooking(images.back(), QStringLiteral("TipoDente%1").arg(index));
    }
    // The picture without its caption band.
    const QRect teeth(0, 0, 240, 120);
    QVERIFY(Difference(images[0], images[1], teeth) > 0.03);
    QVERIFY(Difference(images[0], images[2], teeth) > 0.03);
    QVERIFY(Difference(images[1], images[2], teeth) > 0.03);
}

void TestProfileDrawings::pitchLetterStaysOnScaledScreens_data() {
    QTest::addColumn<double>("scale");
    QTest::newRow("100 %") << 1.0;
    QTest::newRow("150 %") << 1.5;
    QTest::newRow("200 %") << 2.0;
}

// The red "p" beside the pitch arrow of the step 1 pictures: at a screen
// scale of 1.5 it once landed outside the picture.
void TestProfileDrawings::pitchLetterStaysOnScaledScreens() {
    QFETCH(double, scale);
    for (int index = 0; index <= 5; ++index) {
        QImage image(QSize(240, 170) * scale, QImage::Format_ARGB32);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            DrawProfilePicture(painter, QRectF(0, 0, 240, 170), index);
        }
        // Red pixels by column: the two dashed pitch lines stand out; the
        // letter is what is red right of the second one.
        QList<int> red(image.width(), 0);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c(image.pixel(x, y));
                if (c.red() - c.green() > 50 && c.red() - c.blue() > 50) ++red[x];
            }
        const int tallest = int(std::max_element(red.begin(), red.end()) - red.begin());
        int secondLine = tallest;
        for (int x = 0; x < image.width(); ++x)
            if (red[x] > red[tallest] / 2 && std::abs(x - tallest) > 10 * scale) secondLine = std::max(secondLine, x);
        int letter = 0;
        for (int x = secondLine + int(3 * scale); x < image.width(); ++x) letter += red[x];
        QVERIFY2(letter > 10 * scale * scale, qPrintable(QStringLiteral("picture %1").arg(index)));
    }
}

QTEST_MAIN(TestProfileDrawings)
#include "test_profiledrawings.moc"
