// The pictures of the about page (STEP0.Photo(0..10)): the works, the
// production floor, and one scene per product line (endless, open-end and
// long-length timing belts, multi-rib, flat and rubber timing belts, coated
// belts, pulleys, the tension meter). Painted, so they are sharp at any size.
#pragma once

#include <QRectF>

class QPainter;

namespace belt {

inline constexpr int kAboutIllustrationCount = 11;

// Paints picture `index` (0..10) filling rect; the scene keeps its
// proportions and its backdrop fills what is left of rect.
void DrawAboutIllustration(QPainter& painter, const QRectF& rect, int index);

}  // namespace belt
