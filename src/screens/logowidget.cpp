#include "screens/logowidget.h"

#include <QPainter>

#include "drawing/logo.h"

namespace belt {

LogoWidget::LogoWidget(QWidget* parent, bool withWordMark) : QWidget(parent), withWordMark_(withWordMark) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void LogoWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    DrawLogo(p, QRectF(rect()), withWordMark_);
}

}  // namespace belt
