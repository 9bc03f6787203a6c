#include "drawing/newsillustrations.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "drawing/profilepictures.h"
#include "drawing/stylecolours.h"

namespace belt {

namespace {

constexpr double kPiD = 3.141592654;
constexpr int kQvp = 5;
constexpr int kTrapezoid = 0;

const QColor kInk(20, 35, 70);

QFont textFont(double px, bool bold = false) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(std::max(6, static_cast<int>(px)));
    f.setBold(bold);
    return f;
}

// Maps a local w x h box into rect, centred, keeping its aspect ratio.
QTransform fitBox(const QRectF& rect, double w, double h) {
    const double s = std::min(rect.width() / w, rect.height() / h);
    QTransform t;
    t.translate(rect.center().x() - w * s / 2, rect.center().y() - h * s / 2);
    t.scale(s, s);
    return t;
}

void panel(QPainter& painter, const QRectF& rect) {
    QLinearGradient bg(rect.topLeft(), rect.bottomLeft());
    bg.setColorAt(0, QColor(255, 255, 255));
    bg.setColorAt(1, QColor(226, 234, 244));
    painter.setPen(QPen(QColor(120, 135, 155), 1));
    painter.setBrush(bg);
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
}

// Text at a device position, whatever transform is set.
void label(QPainter& painter, const QPointF& devicePoint, const QString& text, double px, int align,
           bool bold = false) {
    painter.save();
    painter.resetTransform();
    painter.setFont(textFont(px, bold));
    painter.setPen(kInk);
    QRectF box(devicePoint.x() - 1000, devicePoint.y() - 1000, 2000, 2000);
    if (align & Qt::AlignLeft) box.moveLeft(devicePoint.x());
    if (align & Qt::AlignRight) box.moveRight(devicePoint.x());
    if (align & Qt::AlignTop) box.moveTop(devicePoint.y());
    if (align & Qt::AlignBottom) box.moveBottom(devicePoint.y());
    painter.drawText(box, align, text);
    painter.restore();
}

// A QVP belt wrapped over the top of a toothed pulley, leaving on tangents.
void beltOnPulley(QPainter& painter, const QRectF& rect) {
    const int z = 20;
    const double R = z * 10 / (2 * kPiD);  // pitch radius, pitch 10
    const double back = ProfileBackThickness(kQvp);
    const QPainterPath tooth = ProfileToothPath(kQvp);
    // The upper part only: the belt wraps half the pulley.
    const double w = 2 * (R + back + 3), h = R * 1.45 + back + 3;
    painter.save();
    painter.setClipRect(rect.adjusted(2, 2, -2, -2));
    painter.setTransform(fitBox(rect, w, h), true);
    painter.translate(w / 2, R + back + 2);  // pulley centre

    const auto frameAt = [&](double deg, double along) {
        QTransform t;
        t.rotate(deg);
        t.translate(along, -R);
        return t;
    };
    QPainterPath teeth;
    const double step = 360.0 / z;
    for (double a = -90; a <= 90.01; a += step) teeth = teeth.united(frameAt(a, 0).map(tooth));
    QPainterPath ring;
    ring.addEllipse(QPointF(0, 0), R + back, R + back);
    QPainterPath inner;
    inner.addEllipse(QPointF(0, 0), R, R);
    QPainterPath upperHalf;
    upperHalf.addRect(QRectF(-R - back - 1, -R - back - 1, 2 * (R + back + 1), R + back + 1));
    const QPainterPath backing = ring.subtracted(inner).intersected(upperHalf);
    // The belt leaves on both sides, straight down.
    QPainterPath spans;
    spans.addRect(QRectF(-R - back, 0, back, R));
    spans.addRect(QRectF(R, 0, back, R));
    // Pulley with grooves for the teeth.
    QPainterPath pulley;
    pulley.addEllipse(QPointF(0, 0), R - 0.05, R - 0.05);
    QPainterPath grooves;
    for (double a = -180; a < 180; a += step) {
        QTransform widen = frameAt(a, 0);
        widen.scale(1.07, 1.05);
        grooves = grooves.united(widen.map(tooth));
    }
    pulley = pulley.subtracted(grooves);
    QRadialGradient steel(QPointF(-R * 0.3, -R * 0.3), R * 1.3);
    steel.setColorAt(0, QColor(225, 229, 235));
    steel.setColorAt(1, QColor(130, 137, 148));
    painter.setPen(QPen(QColor(80, 86, 96), 0.15));
    painter.setBrush(steel);
    painter.drawPath(pulley);
    painter.setBrush(QColor(170, 176, 186));
    painter.drawEllipse(QPointF(0, 0), R * 0.38, R * 0.38);
    painter.setBrush(QColor(60, 64, 72));
    painter.drawEllipse(QPointF(0, 0), R * 0.16, R * 0.16);
    // Belt.
    painter.setPen(QPen(style::kBeltEdge, 0.15));
    painter.setBrush(style::kBelt);
    painter.drawPath(backing.united(teeth).united(spans));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(105, 112, 122));
    for (double a = -90; a <= 90; a += 2.2) {
        const QPointF c = frameAt(a, 0).map(QPointF(0, -back * 0.45));
        painter.drawEllipse(c, 0.35, 0.35);
    }
    painter.restore();
}

// The two flanks side by side, each in its pulley groove.
void flankComparison(QPainter& painter, const QRectF& rect) {
    const double pitch = 10;
    const double w = 2 * 2 * pitch + 12, h = 9;
    const QTransform t = fitBox(rect.adjusted(0, rect.height() * 0.1, 0, -rect.height() * 0.15), w, h);
    painter.save();
    painter.setTransform(t, true);
    const int pictures[2] = {kTrapezoid, kQvp};
    for (int n = 0; n < 2; ++n) {
        const double x0 = 2 + n * (2 * pitch + 8);
        const int index = pictures[n];
        const double back = ProfileBackThickness(index);
        const double toothH = ProfileToothHeight(index);
        painter.save();
        painter.translate(x0, back + 0.5);
        QPainterPath beltPath;
        beltPath.addRect(QRectF(0, -back, 2 * pitch, back));
        for (int i = 0; i < 2; ++i)
            beltPath = beltPath.united(ProfileToothPath(index).translated(pitch / 2 + i * pitch, 0));
        QPainterPath rim;
        rim.addRect(QRectF(0, 0.05, 2 * pitch, toothH + 1.5));
        QPainterPath grooves;
        for (int i = 0; i < 2; ++i) {
            QTransform widen;
            widen.translate(pitch / 2 + i * pitch, 0);
            widen.scale(1.07, 1.05);
            grooves = grooves.united(widen.map(ProfileToothPath(index)));
        }
        painter.setPen(QPen(QColor(90, 96, 106), 0.08));
        painter.setBrush(QColor(180, 186, 196));
        painter.drawPath(rim.subtracted(grooves));
        painter.setPen(QPen(style::kBeltEdge, 0.1));
        painter.setBrush(style::kBelt);
        painter.drawPath(beltPath);
        // The flank in contact, drawn strong.
        painter.setPen(QPen(QColor(200, 30, 30), 0.3));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(ProfileToothPath(index).translated(pitch / 2 + pitch, 0));
        painter.restore();
    }
    painter.restore();
    const double px = rect.height() * 0.075;
    label(painter, t.map(QPointF(2 + pitch, h + 0.6)), QStringLiteral("Trapezoidal tooth"), px,
          Qt::AlignHCenter | Qt::AlignTop);
    label(painter, t.map(QPointF(2 + 2 * pitch + 8 + pitch, h + 0.6)), QStringLiteral("Parabolic QVP tooth"),
          px, Qt::AlignHCenter | Qt::AlignTop);
}

// Qualitative comparison: the same belt width and pulley, two tooth forms.
void powerComparison(QPainter& painter, const QRectF& rect) {
    const QRectF area =
        rect.adjusted(rect.width() * 0.18, rect.height() * 0.16, -rect.width() * 0.18, -rect.height() * 0.2);
    const double px = rect.height() * 0.07;
    label(painter, QPointF(rect.center().x(), rect.top() + rect.height() * 0.04),
          QStringLiteral("Belt width 20 mm, pulley \u00D8 56 mm"), px, Qt::AlignHCenter | Qt::AlignTop, true);
    painter.save();
    painter.setPen(QPen(kInk, 1.5));
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.bottomLeft(), area.topLeft());
    const double barW = area.width() * 0.22;
    const struct {
        double x, height;
        QColor colour;
        const char* name;
    } bars[2] = {{0.2, 0.62, QColor(150, 160, 175), "Trapezoidal"},
                 {0.58, 0.95, QColor(40, 120, 200), "QVP"}};
    for (const auto& b : bars) {
        const QRectF bar(area.left() + area.width() * b.x, area.bottom() - area.height() * b.height, barW,
                         area.height() * b.height);
        QLinearGradient g(bar.topLeft(), bar.topRight());
        g.setColorAt(0, b.colour.lighter(125));
        g.setColorAt(1, b.colour);
        painter.setPen(Qt::NoPen);
        painter.setBrush(g);
        painter.drawRect(bar);
        label(painter, QPointF(bar.center().x(), area.bottom() + 4), QString::fromLatin1(b.name), px,
              Qt::AlignHCenter | Qt::AlignTop, true);
    }
    painter.restore();
    painter.save();
    painter.translate(area.left() - px * 0.9, area.center().y());
    painter.rotate(-90);
    painter.setFont(textFont(px));
    painter.setPen(kInk);
    painter.drawText(QRectF(-area.height() / 2, -px, area.height(), px * 1.6), Qt::AlignCenter,
                     QStringLiteral("Transmitted power"));
    painter.restore();
}

// The belt's build-up: body and teeth, cords, optional fabrics.
void beltStructure(QPainter& painter, const QRectF& rect) {
    const double pitch = 10;
    const int teeth = 3;
    const double back = ProfileBackThickness(kQvp) + 0.8;
    const double toothH = ProfileToothHeight(kQvp);
    const double w = teeth * pitch + 22, h = back + toothH + 9;
    const QTransform t = fitBox(rect.adjusted(4, 4, -4, -4), w, h);
    painter.save();
    painter.setTransform(t, true);
    painter.translate(1, back + 5);
    QPainterPath body;
    body.addRect(QRectF(0, -back, teeth * pitch, back));
    for (int i = 0; i < teeth; ++i)
        body = body.united(ProfileToothPath(kQvp).translated(pitch / 2 + i * pitch, 0));
    painter.setPen(QPen(style::kBeltEdge, 0.12));
    painter.setBrush(style::kBelt);
    painter.drawPath(body);
    // Fabric on the teeth (NFT) on the right half, on the back (NFB) on the left.
    painter.setPen(QPen(QColor(30, 110, 60), 0.45));
    painter.setBrush(Qt::NoBrush);
    QPainterPath facing;
    facing.moveTo(pitch, 0.05);
    for (int i = 1; i < teeth; ++i) {
        QPainterPath tp = ProfileToothPath(kQvp).translated(pitch / 2 + i * pitch, 0);
        facing.addPath(tp);
    }
    painter.save();
    painter.setClipRect(QRectF(pitch, -back, 2 * pitch + 1, back + toothH + 1));
    painter.drawPath(facing);
    painter.restore();
    painter.setPen(QPen(QColor(30, 60, 150), 0.45));
    painter.drawLine(QPointF(0, -back), QPointF(pitch * 1.2, -back));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(105, 112, 122));
    for (double x = 0.5; x < teeth * pitch - 0.2; x += 0.9)
        painter.drawEllipse(QPointF(x, -back * 0.4), 0.33, 0.33);
    // Leaders to the names.
    const double lx = teeth * pitch + 1.5;
    struct Leader {
        QPointF from;
        double y;
        const char* text;
    };
    const Leader leaders[] = {
        {QPointF(pitch * 0.6, -back), -back - 3.6, "Fabric on the back (NFB)"},
        {QPointF(teeth * pitch - 3, -back * 0.8), -back - 1.4, "Polyurethane body"},
        {QPointF(teeth * pitch - 1.2, -back * 0.4), 0.8, "Steel cords"},
        {QPointF(pitch * 2.5, toothH - 0.2), toothH + 1.6, "Fabric on the teeth (NFT)"},
    };
    painter.setPen(QPen(kInk, 0.08));
    const double px = std::max(9.0, t.m11() * 1.6);
    for (const auto& l : leaders) {
        const QPointF end(lx, l.y);
        painter.drawLine(l.from, QPointF(l.from.x(), l.y));
        painter.drawLine(QPointF(l.from.x(), l.y), end);
        label(painter, painter.transform().map(end + QPointF(0.4, 0)), QString::fromLatin1(l.text), px,
              Qt::AlignLeft | Qt::AlignVCenter);
    }
    painter.restore();
}

// Where the belts go: an open-end belt clamped to a carriage between two pulleys.
void linearDrive(QPainter& painter, const QRectF& rect) {
    const double w = 120, h = 40;
    const QTransform t = fitBox(rect.adjusted(6, 6, -6, -6), w, h);
    painter.save();
    painter.setTransform(t, true);
    const double r = 9;
    const QPointF a(16, 20), b(104, 20);
    painter.setPen(QPen(style::kBeltEdge, 0.5));
    painter.setBrush(Qt::NoBrush);
    // Lower span and the arcs.
    painter.drawLine(QPointF(a.x(), a.y() + r + 1), QPointF(b.x(), b.y() + r + 1));
    painter.drawArc(QRectF(a.x() - r - 1, a.y() - r - 1, 2 * r + 2, 2 * r + 2), 90 * 16, 180 * 16);
    painter.drawArc(QRectF(b.x() - r - 1, b.y() - r - 1, 2 * r + 2, 2 * r + 2), -90 * 16, 180 * 16);
    // Upper span ends at the carriage.
    painter.setPen(QPen(style::kBeltEdge, 1.6));
    painter.drawLine(QPointF(a.x(), a.y() - r - 1), QPointF(48, a.y() - r - 1));
    painter.drawLine(QPointF(72, b.y() - r - 1), QPointF(b.x(), b.y() - r - 1));
    painter.setPen(QPen(style::kBeltEdge, 1.6));
    painter.drawLine(QPointF(a.x(), a.y() + r + 1), QPointF(b.x(), b.y() + r + 1));
    for (const QPointF& c : {a, b}) {
        QRadialGradient steel(c - QPointF(r * 0.3, r * 0.3), r * 1.4);
        steel.setColorAt(0, QColor(225, 229, 235));
        steel.setColorAt(1, QColor(130, 137, 148));
        painter.setPen(QPen(QColor(80, 86, 96), 0.3));
        painter.setBrush(steel);
        painter.drawEllipse(c, r, r);
        painter.setBrush(QColor(60, 64, 72));
        painter.drawEllipse(c, 1.5, 1.5);
    }
    // Carriage on its rail.
    painter.setPen(QPen(QColor(60, 60, 60), 0.3));
    painter.setBrush(QColor(90, 140, 200));
    painter.drawRoundedRect(QRectF(46, a.y() - r - 8, 28, 8), 1.5, 1.5);
    painter.setBrush(QColor(170, 170, 170));
    painter.drawRect(QRectF(10, a.y() - r - 10.5, 100, 1.6));
    // Travel arrows.
    painter.setPen(QPen(QColor(180, 30, 30), 0.6));
    painter.drawLine(QPointF(40, 3), QPointF(80, 3));
    painter.setBrush(QColor(180, 30, 30));
    painter.drawPolygon(QPolygonF({QPointF(38, 3), QPointF(41, 1.8), QPointF(41, 4.2)}));
    painter.drawPolygon(QPolygonF({QPointF(82, 3), QPointF(79, 1.8), QPointF(79, 4.2)}));
    painter.restore();
    label(painter, t.map(QPointF(60, 38)), QStringLiteral("Open-end belt for a linear drive"),
          rect.height() * 0.07, Qt::AlignHCenter | Qt::AlignBottom);
}

}  // namespace

void DrawNewsIllustration(QPainter& painter, const QRectF& rect, int index) {
    if (rect.isEmpty()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    panel(painter, rect);
    switch (index) {
        case 0:
            beltOnPulley(painter, rect);
            break;
        case 1:
            flankComparison(painter, rect);
            break;
        case 2:
            powerComparison(painter, rect);
            break;
        case 3:
            beltStructure(painter, rect);
            break;
        case 4:
            linearDrive(painter, rect);
            break;
        default:
            break;
    }
    painter.restore();
}

}  // namespace belt
