// The controls of the program's own that a click chooses (step 1's profile
// pictures and factor table cells, step 2's pitch labels) take the keyboard
// as well: Tab reaches them, the arrows move among those of their kind, Space
// or Enter chooses, and a frame shows which one has the focus.
#pragma once

#include <QComboBox>
#include <QRect>
#include <QScrollBar>
#include <vector>

class QKeyEvent;
class QPainter;
class QWidget;

namespace belt {

// Space, Enter or Return, without Ctrl or Alt.
bool IsChooseKey(const QKeyEvent* event);

// An arrow key moves the focus to the nearest control in its direction among
// the siblings of the same class that are shown, enabled and take the focus.
// True when the key was an arrow and the focus moved.
bool MoveFocusByArrow(QWidget* from, const QKeyEvent* event);

// The frame of the control that has the keyboard focus, inside rect: bright
// on every background the screens use.
void PaintFocusFrame(QPainter& painter, const QRect& rect);

// A scroll bar that Tab reaches (the arrows and Page Up / Page Down scroll)
// and that shows the focus frame when it has the focus.
class FramedScrollBar : public QScrollBar {
public:
    using QScrollBar::QScrollBar;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A list box that shows the focus frame when it has the focus: the style's
// own mark is hard to see on the results page.
class FramedComboBox : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Tab visits the controls in this order (hidden ones are passed over).
void ChainTabOrder(const std::vector<QWidget*>& order);

// A group of choices is one stop for Tab, as option buttons are: the chosen
// one (or, with none chosen, the first one shown) takes the Tab key, the
// others are reached with the arrows.
void MakeTabStop(const std::vector<QWidget*>& group, QWidget* chosen);

}  // namespace belt
