// The program's widget style: the platform's own, except that the menu bar's
// overflow arrows are read the first time they are drawn, and that the
// control with the keyboard focus has a frame that shows on the screens'
// dark blue as well as on white.
//
// Qt's menu bar asks the style for them as it is built, and the first icon
// read from a file loads the icon theme and the image format plugins: about a
// millisecond and half a megabyte at start-up for a button that appears only
// when the menus do not fit on one line.
#pragma once

#include <QProxyStyle>

namespace belt {

class AppStyle : public QProxyStyle {
public:
    AppStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace belt
