#include "export/svglayout.h"

#include <QFile>
#include <QPainter>
#include <QSvgGenerator>

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

QString WriteLayoutSvg(const DriveProject& p, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return path + QStringLiteral(": ") + file.errorString();
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setResolution(kResolution);
    svg.setSize(QSize(kSide, kSide));
    svg.setViewBox(QRect(0, 0, kSide, kSide));
    svg.setTitle(QStringLiteral("Drive layout"));
    svg.setDescription(QString::fromStdString(p.beltName));
    QPainter painter;
    if (!painter.begin(&svg)) return path + QStringLiteral(": the SVG could not be written");
    DrawLayout(painter, QRectF(0, 0, kSide, kSide), p, LayoutDrawingStyle::Paper(kLabelSize));
    painter.end();
    file.close();
    if (file.error() != QFileDevice::NoError) return path + QStringLiteral(": ") + file.errorString();
    return {};
}

}  // namespace belt
