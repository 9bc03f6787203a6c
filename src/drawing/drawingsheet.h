// What the drawings of the data sheet share: Sheet, which maps a part's mm
// into the device rectangle of one drawing and draws its outlines, hatching,
// dimension lines and symbols with sizes taken from that rectangle alone,
// and the small geometry helpers of the profile and pulley drawings.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <vector>

#include "drawing/profiledrawings.h"
#include "project/driveproject.h"

namespace belt::drawing {

inline constexpr double kDegToRad = kPi / 180;

inline double Mm(double metres) {
    return metres * 1000.0;
}

// Rounds the corners of a polyline: each inner vertex i is cut back by
// radius[i] along both of its edges (never past half an edge) and joined
// by a curve through the vertex.
void AddRoundedPolyline(QPainterPath& path, const std::vector<QPointF>& points,
                        const std::vector<double>& radius);

// The first subpath as a polyline fine enough to look smooth at any size:
// curves are flattened at a hundred times the path's own scale.
QPolygonF Flattened(const QPainterPath& path);

// One drawing: the device rectangle it fills, the size of its lines and
// letters (from that rectangle alone), and the mapping of the part's mm into
// device pixels (x to the right, y down).
class Sheet {
public:
    Sheet(QPainter& painter, const QRectF& area, const DrawingColours& colours);

    // The part's origin (mm 0, 0) at originPx, pxPerMm pixels per mm.
    void place(QPointF originPx, double pxPerMm);
    QPointF at(double x, double y) const;  // mm to device pixels
    double px(double mm) const;
    double mm(double px) const;
    QTransform toDevice() const;
    double textWidth(const QString& s) const;  // of a symbol
    double textHeight() const;

    // The card behind the drawing (none on paper).
    void fillBackground();

    // Parts given in mm, widths in outline widths: outlined and filled, cut
    // (hatched), stroked, and a row of round dots of radiusPx.
    void part(const QPainterPath& mmPath, const QColor& fill, double width = 1.0);
    void hatch(const QPainterPath& mmPath);
    void stroke(const QPainterPath& mmPath, const QColor& colour, double width,
                Qt::PenStyle style = Qt::SolidLine);
    void dots(const std::vector<QPointF>& mmCentres, double radiusPx, const QColor& colour);

    // Thin lines in device pixels: extension lines of the dimensions and
    // dash-dot centre lines.
    void extension(QPointF a, QPointF b);
    void centreLine(QPointF a, QPointF b);

    enum class Side { Before, After };  // above / left of the line, or below / right
    // A dimension line from a to b (device pixels, horizontal or vertical)
    // with its arrows, and the symbol beside its middle. Too short for the
    // arrows inside, the arrows point in from outside.
    void dimension(QPointF a, QPointF b, const QString& symbol, Side side, bool rotated = false);
    // A leader from a point of the part (device pixels) to its symbol.
    void leader(QPointF from, QPointF to, const QString& symbol, Qt::Alignment align);
    // An angle between two directions (degrees, device y down) around c.
    void angle(QPointF c, double radiusPx, double fromDeg, double spanDeg, const QString& symbol);
    // Text anchored at a device point: the alignment says which side of the
    // text the point is on. On a clear ground it covers what lies beneath.
    void text(QPointF anchor, const QString& s, Qt::Alignment align, bool onClearGround = false);

    QPainter& painter() { return painter_; }

    // Set from the rectangle when the sheet is made; scale by place().
    const QRectF area;
    const DrawingColours colours;
    double line = 1;     // outline width, px
    double letter = 10;  // symbol size, px
    double arrow = 4;    // arrow length, px
    double scale = 1;    // px per mm

private:
    void arrowHead(QPointF tip, QPointF dir);
    void rotatedText(QPointF anchor, const QString& s, Side side);

    QPainter& painter_;
    QFont font_;
    QPointF origin_;
};

// The room a drawing keeps around its part for the dimensions, px.
struct Margins {
    double left, top, right, bottom;
};

// Fits a part of w x h mm into the sheet inside the margins, centred.
void FitPart(Sheet& sheet, double w, double h, const Margins& m);

// Paints into rect in device pixels whatever the painter's window and
// transform, so that lines and letters keep the rectangle's proportions.
template <typename Paint>
void InDevicePixels(QPainter& painter, const QRectF& rect, const DrawingColours& colours, Paint paint) {
    if (rect.isEmpty()) return;
    painter.save();
    // The painter's own coordinates without window and world transform; a
    // widget's offset in its window stays, as the painter keeps it apart,
    // and so does the scale of a screen set to 150 % or 200 %, which the
    // combined transform holds as well: mapped through it alone, the area
    // would come out that much too large and be cut off.
    const QTransform t = painter.combinedTransform();
    painter.setViewTransformEnabled(false);
    painter.setWorldTransform(QTransform());
    const QRectF area = (t * painter.combinedTransform().inverted()).mapRect(rect);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setClipRect(area, Qt::IntersectClip);
    Sheet sheet(painter, area, colours);
    sheet.fillBackground();
    paint(sheet);
    painter.restore();
}

}  // namespace belt::drawing
