// A label that reports a click: the cells of step 1's factor table and the
// pitch labels on step 2's chart. One that can be chosen takes the keyboard
// too: Tab reaches it, the arrows move to its neighbours, Space or Enter
// chooses it, and a frame shows it has the focus.
#pragma once

#include <QLabel>

namespace belt {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    // Whether the label is a choice the keyboard reaches (not a caption).
    void setChoosable(bool choosable);
signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace belt
