#include "print/pagecanvas.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>

#include "drawing/textcolumns.h"

namespace belt {

namespace {

// Width of the printable part of an A4 sheet in landscape (5 mm margins),
// in points: a font of n points takes n / kReferenceWidthPoints of the
// page's width, on any paper and device. Fonts follow the width because the
// columns counted in character widths must keep their places between the
// frames, which are fractions of the width.
constexpr double kReferenceWidthMm = 297.0 - 2 * 5.0;
constexpr double kReferenceWidthPoints = kReferenceWidthMm / 25.4 * 72.0;

}  // namespace

QString PageFontFamily() {
    static const QString family = [] {
        const QString arial = QStringLiteral("Arial");
        if (!QFontDatabase::families().contains(arial))
            QFont::insertSubstitution(arial, QStringLiteral("Liberation Sans"));
        return arial;
    }();
    return family;
}

PageCanvas::PageCanvas(QPainter& painter, const QRectF& page, double logicalWidth, double logicalHeight)
    : painter_(painter), page_(page), width_(logicalWidth), height_(logicalHeight) {
    setFont(10, true, false);
    painter_.setPen(QPen(Qt::black, millimetres(0.25)));
}

QRectF PageCanvas::device(const QRectF& logical) const {
    return QRectF(device(logical.left(), logical.top()), device(logical.right(), logical.bottom())).normalized();
}

void PageCanvas::setFont(double points, bool bold, bool italic, double scale) {
    scale_ = scale;
    font_ = QFont(PageFontFamily());
    font_.setBold(bold);
    font_.setItalic(italic);
    // Point sizes are read at the device's own resolution, so the size
    // in device units comes out as a fixed share of the page's width.
    const double dpi = painter_.device() ? painter_.device()->logicalDpiY() : 72.0;
    const double deviceSize = pointSize(points * scale);
    font_.setPointSizeF(std::max(0.1, deviceSize * 72.0 / dpi));
    // Kerning would make a column of characters narrower than its count.
    font_.setKerning(false);
    painter_.setFont(font_);
}

double PageCanvas::millimetres(double mm) const {
    return mm * page_.width() / kReferenceWidthMm;
}

double PageCanvas::pointSize(double points) const {
    return points * page_.width() / kReferenceWidthPoints;
}

double PageCanvas::lineHeight() const {
    return logicalHeight(QFontMetricsF(font_, painter_.device()).lineSpacing());
}

double PageCanvas::textWidth(const QString& text) const {
    return logicalWidth(QFontMetricsF(font_, painter_.device()).horizontalAdvance(text));
}

double PageCanvas::column(int n) const {
    return logicalWidth(n * AverageCharWidth(QFontMetricsF(font_, painter_.device())) / scale_);
}

void PageCanvas::text(double x, double y, const QString& text) {
    painter_.setFont(font_);
    const QFontMetricsF fm(font_, painter_.device());
    painter_.drawText(QPointF(deviceX(x), deviceY(y) + fm.ascent()), text);
}

void PageCanvas::line(double x1, double y1, double x2, double y2) {
    painter_.drawLine(device(x1, y1), device(x2, y2));
}

void PageCanvas::rectangle(const QRectF& logical) {
    painter_.save();
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(device(logical));
    painter_.restore();
}

}  // namespace belt
