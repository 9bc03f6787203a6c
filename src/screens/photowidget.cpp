#include "screens/photowidget.h"

#include <QPainter>

namespace belt {

PhotoWidget::PhotoWidget(Painter paint, int index, QWidget* parent)
    : QWidget(parent), paint_(paint), index_(index) {
    setObjectName(QStringLiteral("Photo%1").arg(index));
}

void PhotoWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint_(painter, QRectF(rect()), index_);
}

}  // namespace belt
