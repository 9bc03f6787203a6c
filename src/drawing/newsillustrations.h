// Illustrations of the news page on step 1 (STEP1.Photo(0..4)) about the
// parabolic tooth profile range: the belt, its flank compared with a
// trapezoidal tooth, the power comparison, the belt's build-up and the belt
// in mesh on a pulley.
#pragma once

#include <QRectF>

class QPainter;

namespace belt {

inline constexpr int kNewsIllustrationCount = 5;

// Paints illustration `index` (0..4) into rect; text is sized from the rect.
void DrawNewsIllustration(QPainter& painter, const QRectF& rect, int index);

}  // namespace belt
