// The about screen: shown over the cover or a step screen, its page stacked
// from the top with each text beside its picture, scrolled to the last text,
// and the main window's menus given back as the active screen had them.
#include <QImage>
#include <QMenuBar>
#include <QPainter>
#include <QScrollBar>
#include <QTest>

#include "app/aboutscreen.h"
#include "app/cover.h"
#include "drawing/aboutillustrations.h"
#include "drawing/logo.h"
#include "guitestsupport.h"
#include "project/projectfile.h"
#include "units/units.h"

using namespace belt;
using belt::test::MainWindowFixture;
using belt::test::VisibleMenus;

namespace {

struct About : MainWindowFixture {
    MainWindow& w = *window;
    About() {
        w.resize(1280, 960);
        w.show();
        w.finishCoverAnimation();
    }
    AboutScreen& about() { return w.aboutScreen(); }
};

}  // namespace

class TestAboutScreen : public QObject {
    Q_OBJECT
private slots:
    void fromTheCoverAndBack();
    void menusComeBackAsTheScreenHadThem_data();
    void menusComeBackAsTheScreenHadThem();
    void closingTheWindowIsClose();
    void pageStacksEachTextBesideItsPicture();
    void scrollsToTheLastText();
    void everyPictureIsDrawn();
};

void TestAboutScreen::fromTheCoverAndBack() {
    About f;
    f.w.cover()->bINFO->click();
    AboutScreen& a = f.about();
    QVERIFY(a.isVisible());
    QCOMPARE(a.windowModality(), Qt::ApplicationModal);
    QCOMPARE(a.windowTitle(), QStringLiteral("VESTRANO BELT CALCULATION [Info]"));
    QCOMPARE(a.menuBar()->actions(), QList<QAction*>{a.mClose});
    QCOMPARE(a.mClose->text(), QStringLiteral("&Close"));
    QCOMPARE(VisibleMenus(f.w.menus()), QStringLiteral("mClose"));
    QCOMPARE(a.ScrollInfo->value(), 0);
    QCOMPARE(a.pageTop(), 0.0);

    a.mClose->trigger();
    QVERIFY(!a.isVisible());
    QCOMPARE(f.w.activeFormName(), QStringLiteral("MAIN"));
    QCOMPARE(VisibleMenus(f.w.menus()), QStringLiteral("mDemo mLoopDemo mFile mInt"));
    // Shown again, the page starts at its top.
    a.ScrollInfo->setValue(120);
    f.w.mInfo_Click();
    QCOMPARE(a.ScrollInfo->value(), 0);
    QCOMPARE(a.pageTop(), 0.0);
}

void TestAboutScreen::menusComeBackAsTheScreenHadThem_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<bool>("omega");
    QTest::addColumn<QString>("menus");
    QTest::newRow("STEP1, ORVANTO") << "STEP1" << false << "mFile mGoBack mGoon mUnit mInt";
    QTest::newRow("STEP2") << "STEP2" << false << "mFile mGoBack mGoon2 mUnit mInt";
    QTest::newRow("STEP2, omega drive") << "STEP2" << true << "mFile mGoBack mGoon mUnit mInt";
    QTest::newRow("STEP5") << "STEP5" << false << "mFile mGoBack mGoon mUnit mPrinter mInt";
}

// From the "?" menu over a step screen, Close gives the bar back as the
// screen sets it for itself.
void TestAboutScreen::menusComeBackAsTheScreenHadThem() {
    QFETCH(QString, form);
    QFETCH(bool, omega);
    QFETCH(QString, menus);
    About f;
    QVERIFY(ProjectFile::open(BELT_ASSETS_DIR "/examples/demo.dat", f.project).ok);
    if (omega) {
        f.project.beltType = "SELKIRA T";
        f.project.beltFamily = "SELKIRA";
        f.project.screen.beltTypeTab = 1;
        f.project.linearDriveType = 1;
    }
    f.w.showScreen(form);
    QCOMPARE(VisibleMenus(f.w.menus()), menus);
    f.w.menus().mInfo->trigger();
    QCOMPARE(VisibleMenus(f.w.menus()), QStringLiteral("mClose"));
    f.about().mClose_Click();
    QCOMPARE(f.w.activeFormName(), form);
    QCOMPARE(VisibleMenus(f.w.menus()), menus);
}

void TestAboutScreen::closingTheWindowIsClose() {
    About f;
    f.w.mInfo_Click();
    QVERIFY(f.about().close());
    QVERIFY(!f.about().isVisible());
    QCOMPARE(VisibleMenus(f.w.menus()), QStringLiteral("mDemo mLoopDemo mFile mInt"));
}

void TestAboutScreen::pageStacksEachTextBesideItsPicture() {
    About f;
    f.w.mInfo_Click();
    AboutScreen& a = f.about();
    const auto rect = [&a](const QWidget* w) { return a.pageRect(w); };
    // Top: the logo, the maker's name centred under it, the two addresses
    // side by side, the picture of the works across the page.
    QCOMPARE(rect(a.Logo).topLeft(), QPointF(45, 15));
    QVERIFY(qAbs(rect(a.infotext[0]).center().x() - 50) < 0.01);
    QVERIFY(qAbs(rect(a.infotext[0]).top() - (rect(a.Logo).bottom() + 10)) < 1e-9);
    QCOMPARE(rect(a.infotext[1]).top(), 140.0);
    QCOMPARE(rect(a.infotext[2]).top(), 140.0);
    QCOMPARE(rect(a.Photo[0]), QRectF(0, rect(a.infotext[1]).bottom() + 12, 100, 195));
    // Every item below the one before it, none overlapping.
    QList<const QWidget*> column = {a.Photo[0], a.infotext[3], a.Photo[1], a.infotext[4]};
    for (int i = 2; i <= 10; ++i) column << a.Photo[static_cast<std::size_t>(i)];
    for (int i = 1; i < column.size(); ++i) QVERIFY(rect(column[i]).top() >= rect(column[i - 1]).bottom());
    // Each product text centred on its picture, on the other side of it.
    for (std::size_t k = 5; k <= 13; ++k) {
        const QRectF text = rect(a.infotext[k]);
        const QRectF photo = rect(a.Photo[k - 3]);
        QVERIFY(qAbs(text.center().y() - photo.center().y()) < 1e-6);
        QVERIFY(!text.intersects(photo));
        QVERIFY(text.left() >= 0 && text.right() <= 100);
        // The text fits its label.
        QVERIFY(a.infotext[k]->height() >= a.infotext[k]->heightForWidth(a.infotext[k]->width()));
    }
    // The photos change sides down the page.
    for (std::size_t i = 2; i < 10; ++i)
        QVERIFY((rect(a.Photo[i]).left() < 10) != (rect(a.Photo[i + 1]).left() < 10));
}

void TestAboutScreen::scrollsToTheLastText() {
    About f;
    f.w.mInfo_Click();
    AboutScreen& a = f.about();
    QCOMPARE(a.ScrollInfo->maximum(), CInt(a.pageRect(a.infotext[13]).top() / 2 - 40));
    a.ScrollInfo->setValue(a.ScrollInfo->maximum());
    QCOMPARE(a.pageTop(), -double(a.ScrollInfo->maximum()));
    // The last text then stands 40 units (of 100) below the window's top.
    const double top =
        a.infotext[13]->mapTo(a.centralWidget(), QPoint(0, 0)).y() * 100.0 / a.centralWidget()->height();
    QVERIFY2(qAbs(top - 40) < 1, qPrintable(QString::number(top)));
    // The last text ends with the program's licence.
    QVERIFY(a.infotext[13]->text().contains(QStringLiteral("free software under the MIT License")));
    // The wheel over the page turns the scroll bar.
    const int before = a.ScrollInfo->value();
    QWheelEvent wheel(QPointF(10, 10), a.ContInfo->mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, 120),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(a.ContInfo, &wheel);
    QVERIFY(a.ScrollInfo->value() < before);
}

void TestAboutScreen::everyPictureIsDrawn() {
    for (int i = 0; i < kAboutIllustrationCount; ++i) {
        QImage image(300, 200, QImage::Format_RGB32);
        image.fill(Qt::magenta);
        {
            QPainter painter(&image);
            DrawAboutIllustration(painter, QRectF(0, 0, 300, 200), i);
        }
        // Filled to the edges, and more than a backdrop.
        QVERIFY(image.pixelColor(0, 0) != QColor(Qt::magenta));
        QVERIFY(image.pixelColor(299, 199) != QColor(Qt::magenta));
        QSet<QRgb> colours;
        for (int y = 0; y < 200; y += 4)
            for (int x = 0; x < 300; x += 4) colours.insert(image.pixel(x, y));
        QVERIFY2(colours.size() > 40, qPrintable(QString::number(i)));
    }
}

QTEST_MAIN(TestAboutScreen)
#include "test_aboutscreen.moc"
