#include "screens/keyboardchoice.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWidget>
#include <cmath>
#include <limits>

#include "drawing/stylecolours.h"

namespace belt {

bool IsChooseKey(const QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    const int key = event->key();
    return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool MoveFocusByArrow(QWidget* from, const QKeyEvent* event) {
    if (!from || !from->parentWidget() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    QPointF direction;
    switch (event->key()) {
        case Qt::Key_Left:
            direction = {-1, 0};
            break;
        case Qt::Key_Right:
            direction = {1, 0};
            break;
        case Qt::Key_Up:
            direction = {0, -1};
            break;
        case Qt::Key_Down:
            direction = {0, 1};
            break;
        default:
            return false;
    }
    const QPointF here = QRectF(from->geometry()).center();
    QWidget* best = nullptr;
    double bestCost = std::numeric_limits<double>::max();
    for (QObject* o : from->parentWidget()->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (!w || w == from || w->metaObject() != from->metaObject() ||
            !w->isVisibleTo(from->parentWidget()) || !w->isEnabled() || w->focusPolicy() == Qt::NoFocus)
            continue;
        const QPointF d = QRectF(w->geometry()).center() - here;
        const double along = d.x() * direction.x() + d.y() * direction.y();
        if (along <= 0) continue;
        const double across = std::abs(d.x() * direction.y() - d.y() * direction.x());
        // Straight ahead first: a step aside counts three times.
        const double cost = along + 3 * across;
        if (cost < bestCost) {
            bestCost = cost;
            best = w;
        }
    }
    if (!best) return false;
    best->setFocus(Qt::TabFocusReason);
    return true;
}

void ChainTabOrder(const std::vector<QWidget*>& order) {
    for (std::size_t i = 1; i < order.size(); ++i)
        if (order[i - 1] && order[i]) QWidget::setTabOrder(order[i - 1], order[i]);
}

void MakeTabStop(const std::vector<QWidget*>& group, QWidget* chosen) {
    QWidget* stop = chosen;
    for (QWidget* w : group)
        if (!stop && w && !w->isHidden()) stop = w;
    // A page still being laid out has its choices hidden.
    for (QWidget* w : group)
        if (!stop && w) stop = w;
    for (QWidget* w : group)
        if (w) w->setFocusPolicy(w == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void FramedScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    PaintFocusFrame(painter, rect());
}

void FramedComboBox::paintEvent(QPaintEvent* event) {
    QComboBox::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    PaintFocusFrame(painter, rect());
}

void PaintFocusFrame(QPainter& painter, const QRect& rect) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    // A dark line inside a bright one: seen on white, cyan, yellow and navy.
    painter.setPen(QPen(style::kFocusFrame, 3));
    painter.drawRect(rect.adjusted(1, 1, -2, -2));
    painter.setPen(QPen(style::kFocusFrameInner, 1));
    painter.drawRect(rect.adjusted(3, 3, -4, -4));
    painter.restore();
}

}  // namespace belt
