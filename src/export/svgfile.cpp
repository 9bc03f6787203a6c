#include "export/svgfile.h"

#include <QBuffer>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

namespace belt {

namespace {

bool PaintSvg(QIODevice& device, const SvgPicture& picture) {
    QSvgGenerator svg;
    svg.setOutputDevice(&device);
    svg.setResolution(picture.resolution);
    svg.setSize(picture.size);
    svg.setViewBox(QRect(QPoint(0, 0), picture.size));
    svg.setTitle(picture.title);
    svg.setDescription(picture.description);
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    if (picture.paint) picture.paint(painter);
    return painter.end();
}

}  // namespace

QString WriteSvgFile(const QString& path, const SvgPicture& picture) {
    const QByteArray bytes = SvgBytes(picture);
    if (bytes.isEmpty()) return path + QStringLiteral(": the SVG could not be written");
    // A half-written picture never takes the old one's place.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return path + QStringLiteral(": ") + file.errorString();
    if (file.write(bytes) != bytes.size() || !file.commit())
        return path + QStringLiteral(": ") + file.errorString();
    return {};
}

QByteArray SvgBytes(const SvgPicture& picture) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!PaintSvg(buffer, picture)) return {};
    buffer.close();
    return bytes;
}

}  // namespace belt
