// A label that reports a click: the cells of step 1's factor table and the
// pitch labels on step 2's chart.
#pragma once

#include <QLabel>

namespace belt {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace belt
