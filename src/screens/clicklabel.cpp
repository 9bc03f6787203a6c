#include "screens/clicklabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "screens/keyboardchoice.h"

namespace belt {

void ClickLabel::setChoosable(bool choosable) {
    setFocusPolicy(choosable ? Qt::StrongFocus : Qt::NoFocus);
}

// Released over the label, as a button counts a click.
void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
    if (focusPolicy() != Qt::NoFocus && IsChooseKey(event)) {
        emit clicked();
        event->accept();
        return;
    }
    if (focusPolicy() != Qt::NoFocus && MoveFocusByArrow(this, event)) {
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    PaintFocusFrame(painter, rect());
}

}  // namespace belt
