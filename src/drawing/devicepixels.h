// Painting in the pixels of the device, whatever the painter's window and
// world transform. A widget on a screen with a scale factor (and an image
// with a device pixel ratio) reports that factor in the painter's combined
// transform, but keeps applying it after the transform is reset: the pixels
// drawn in after a reset are the widget's own, the factor taken out.
#pragma once

#include <QPaintDevice>
#include <QPainter>
#include <QTransform>

namespace belt {

// Maps the painter's current coordinates to the coordinates it paints in
// once its transforms are reset.
inline QTransform ToDevicePixels(const QPainter& painter) {
    const double ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    return painter.combinedTransform() * QTransform::fromScale(1 / ratio, 1 / ratio);
}

}  // namespace belt
