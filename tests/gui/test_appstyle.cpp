#include <QImage>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOption>
#include <QToolButton>
#include <QtTest>

#include "app/appstyle.h"
#include "drawing/stylecolours.h"

using namespace belt;

class AppStyleTest : public QObject {
    Q_OBJECT
private slots:
    void iconsAreTheBaseStylesOwn();
    void focusFrameShowsOnDarkAndLight();
};

// The menu bar's overflow arrows come late but are the base style's arrows,
// left to right and right to left; other icons are passed through.
void AppStyleTest::iconsAreTheBaseStylesOwn() {
    AppStyle style;
    QStyle* base = style.baseStyle();
    for (const Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        QStyleOption option;
        option.direction = direction;
        for (const QStyle::StandardPixmap which :
             {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
              QStyle::SP_MessageBoxWarning}) {
            const QIcon icon = style.standardIcon(which, &option);
            const QIcon expected = base->standardIcon(which, &option);
            QVERIFY(!icon.isNull());
            QCOMPARE(icon.pixmap(QSize(16, 16)).toImage(), expected.pixmap(QSize(16, 16)).toImage());
            QCOMPARE(icon.actualSize(QSize(64, 64)), expected.actualSize(QSize(64, 64)));
        }
    }
    // A menu bar built under the style has its arrow when it needs it.
    QApplication::setStyle(new AppStyle);
    QMenuBar bar;
    for (int i = 0; i < 12; ++i) bar.addAction(QStringLiteral("Command %1").arg(i));
    bar.resize(80, 30);
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    auto* extension = bar.findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
    QVERIFY(extension);
    QVERIFY(extension->isVisible());
    QVERIFY(!extension->icon().pixmap(QSize(16, 16)).isNull());
}

// The focus frame of option buttons, lists and tabs: the program's bright
// frame, seen on the screens' dark blue as on white.
void AppStyleTest::focusFrameShowsOnDarkAndLight() {
    AppStyle style;
    for (const QColor& ground : {QColor(16, 32, 72), QColor(Qt::white)}) {
        QImage image(60, 30, QImage::Format_RGB32);
        image.fill(ground);
        {
            QPainter painter(&image);
            QStyleOptionFocusRect option;
            option.rect = QRect(5, 5, 50, 20);
            style.drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter);
        }
        QCOMPARE(image.pixelColor(5, 15), style::kFocusFrame);
        QCOMPARE(image.pixelColor(30, 6), style::kFocusFrame);
        QCOMPARE(image.pixelColor(30, 15), ground);  // the control inside stays as it is
    }
}

QTEST_MAIN(AppStyleTest)
#include "test_appstyle.moc"
