// Photo(i) of a page (the news page of step 1, the about page): a widget that
// shows picture `index` of a set of painted pictures, at whatever size it has.
#pragma once

#include <QRectF>
#include <QWidget>

class QPainter;

namespace belt {

class PhotoWidget : public QWidget {
public:
    using Painter = void (*)(QPainter& painter, const QRectF& rect, int index);

    // Named Photo<index>, as the pages' control arrays.
    PhotoWidget(Painter paint, int index, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Painter paint_;
    int index_;
};

}  // namespace belt
