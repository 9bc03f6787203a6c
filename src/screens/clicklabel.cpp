#include "screens/clicklabel.h"

#include <QMouseEvent>

namespace belt {

// Released over the label, as a button counts a click.
void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

}  // namespace belt
