// Renders the program's icon from its logo (DrawLogo, the badge without the
// word mark) into a hicolor icon theme folder: an SVG and PNGs of the sizes
// desktops ask for. Run by hand when the logo changes; the files are
// committed so that building the program needs no rendering step.
//   rendericon packaging/icons/hicolor
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cstdio>

#include "drawing/logo.h"

namespace {

constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};
// The SVG's own size in pixels; it scales to any size anyway.
constexpr int kSvgSize = 256;

bool writeSvg(const QString& file) {
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(QSize(kSvgSize, kSvgSize));
    svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
    svg.setTitle(QStringLiteral(BELT_APP_NAME));
    QPainter painter;
    if (!painter.begin(&svg)) return false;
    belt::DrawLogo(painter, QRectF(0, 0, kSvgSize, kSvgSize), false);
    return painter.end();
}

bool writePng(const QString& file, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        belt::DrawLogo(painter, QRectF(0, 0, size, size), false);
    }
    return image.save(file, "PNG");
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Usage: rendericon ICON_THEME_FOLDER\n");
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    const QString name = QStringLiteral(BELT_APP_ID);
    bool ok = theme.mkpath(QStringLiteral("scalable/apps")) &&
              writeSvg(theme.filePath(QStringLiteral("scalable/apps/%1.svg").arg(name)));
    for (int size : kSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        ok = ok && theme.mkpath(folder) && writePng(theme.filePath(folder + QStringLiteral("/%1.png").arg(name)), size);
    }
    if (!ok) {
        std::fprintf(stderr, "rendericon: cannot write the icons into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
