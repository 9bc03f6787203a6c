#include "export/svgfile.h"

#include <QFile>
#include <QPainter>
#include <QSvgGenerator>

namespace belt {

QString WriteSvgFile(const QString& path, const SvgPicture& picture) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return path + QStringLiteral(": ") + file.errorString();
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setResolution(picture.resolution);
    svg.setSize(picture.size);
    svg.setViewBox(QRect(QPoint(0, 0), picture.size));
    svg.setTitle(picture.title);
    svg.setDescription(picture.description);
    QPainter painter;
    if (!painter.begin(&svg)) return path + QStringLiteral(": the SVG could not be written");
    if (picture.paint) picture.paint(painter);
    painter.end();
    file.close();
    if (file.error() != QFileDevice::NoError) return path + QStringLiteral(": ") + file.errorString();
    return {};
}

}  // namespace belt
