// The profile group pictures of step 1 (STEP1.TipoDente(0..11)): tooth
// shapes of the timing belt groups, sections of the multi-rib belts and
// layer build-ups of the flat belt groups, each with its caption.
#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QString>

class QPainter;

namespace belt {

// Number of pictures: 0 T, 1 AT, 2 ORVANTO inch (MXL, XL, L, H), 3 inch
// (XL..XH), 4 QXD, 5 QVP, 6 ZB2, 7 H, 8 J, 9 high-load flat belts,
// 10 light-load flat belts, 11 conveyor flat belts.
inline constexpr int kProfilePictureCount = 12;

// The caption written under picture `index`.
QString ProfilePictureCaption(int index);

// One tooth of a timing belt picture's profile (index 0..5), closed, in
// units of a 10 pitch: centred on x = 0, its root on y = 0, pointing to +y.
QPainterPath ProfileToothPath(int index);
// Tooth height and belt back thickness of that profile, same units.
double ProfileToothHeight(int index);
double ProfileBackThickness(int index);

// Paints picture `index` into rect (any device; text sized from the rect).
void DrawProfilePicture(QPainter& painter, const QRectF& rect, int index);

}  // namespace belt
