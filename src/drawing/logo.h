// The maker's emblem: a toothed belt running round two pulleys on a round
// badge. Painted, not loaded, so it is sharp on screen, in PDFs and on paper.
#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

namespace belt {

// Paints the emblem centred in rect, as large as fits with its own aspect
// ratio (width : height = 1 : 1.15 with the word mark below the badge).
void DrawLogo(QPainter& painter, const QRectF& rect, bool withWordMark = true);

// The small desk telephone in front of the maker's contact line, centred in
// rect: `body` for the set, `dial` for the dial's face.
void DrawPhone(QPainter& painter, const QRectF& rect, const QColor& body, const QColor& dial);

}  // namespace belt
