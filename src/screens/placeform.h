// Every screen and panel works in its parent's logical coordinates, 100 x 100
// units whatever the window size: PlaceForm keeps a child at its logical
// rectangle through every resize of the parent.
#pragma once

#include <QRectF>
#include <QSizeF>

class QWidget;

namespace belt {

// Places target (a child widget) at (left, top) with the given width and
// height in its parent's 100 x 100 logical units, now and after every resize
// of the parent. Calling it again moves the child to the new rectangle.
void PlaceForm(QWidget* target, double left, double top, double width, double height);

// The logical rectangle last given to target by PlaceForm (empty if none).
QRectF LogicalRect(const QWidget* target);

// The size target asks for (its size hint, e.g. a label's text) in its
// parent's logical units: what "sized to its text" means in logical terms.
QSizeF LogicalSizeHint(const QWidget* target);

// Stops following the parent's resizes for target.
void ReleaseForm(QWidget* target);

}  // namespace belt
