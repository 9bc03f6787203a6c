#include "export/svglayout.h"

#include <QPainter>

#include "drawing/layoutdrawing.h"
#include "project/driveproject.h"

namespace belt {

namespace {

// Units of a tenth of a millimetre: 254 per inch.
constexpr int kResolution = 254;
constexpr int kSide = 2000;
// Tick labels in 9 points, as on the screen.
constexpr double kLabelSize = 9.0 / 72.0 * kResolution;

}  // namespace

SvgPicture LayoutSvgPicture(const DriveProject& p) {
    SvgPicture picture;
    picture.size = QSize(kSide, kSide);
    picture.resolution = kResolution;
    picture.title = QStringLiteral("Drive layout");
    picture.description = QString::fromStdString(p.beltName);
    picture.paint = [&p](QPainter& painter) {
        DrawLayout(painter, QRectF(0, 0, kSide, kSide), p, LayoutDrawingStyle::Paper(kLabelSize));
    };
    return picture;
}

}  // namespace belt
