#include "drawing/aboutillustrations.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "drawing/beltshapes.h"
#include "drawing/logo.h"
#include "drawing/stylecolours.h"

namespace belt {

namespace {

// The steel cords, cast metal.
const QColor kCord(120, 120, 126);
const QColor kSteel(196, 202, 212);
const QColor kAluminium(214, 218, 224);
const QColor kRubber(32, 32, 36);

QFont sceneFont(double size, bool bold = false) {
    QFont f(QStringLiteral("Sans Serif"));
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(size))));
    f.setBold(bold);
    return f;
}

// A belt `thickness` thick lying outside the two circles, teeth inside.
void beltRing(QPainter& p, QPointF c1, double r1, QPointF c2, double r2, double thickness,
              const QColor& colour, int teeth) {
    const QPainterPath inner = BeltLoopPath(c1, r1, c2, r2);
    const QPainterPath outer = BeltLoopPath(c1, r1 + thickness, c2, r2 + thickness);
    p.setPen(QPen(colour.darker(170), thickness * 0.12));
    p.setBrush(colour);
    p.drawPath(outer.subtracted(inner));
    if (teeth > 0) DrawTeethAlong(p, inner, teeth, thickness * 0.55, thickness * 0.6, colour.darker(112));
}

// A pulley with some depth: the back flange, the toothed rim running back
// from the front face, the front face, the front flange's edge.
void solidPulley(QPainter& p, QPointF c, double r, int teeth, double depth, const QColor& metal) {
    const QPointF back = c + QPointF(depth * 0.7, -depth * 0.35);
    p.setPen(QPen(metal.darker(180), r * 0.02));
    p.setBrush(metal.darker(150));
    p.drawEllipse(back, r * 1.12, r * 1.12);
    QLinearGradient side(c, back);
    side.setColorAt(0, metal.darker(105));
    side.setColorAt(1, metal.darker(140));
    p.setBrush(side);
    p.drawPath(BeltLoopPath(c, r, back, r));
    p.setPen(QPen(metal.darker(160), r * 0.015));
    for (int i = 0; i < teeth; ++i) {
        const double a = 2 * 3.141592654 * i / teeth;
        const QPointF rim(r * std::cos(a), r * std::sin(a));
        p.drawLine(c + rim, back + rim);
    }
    DrawToothedPulley(p, c, r, teeth, metal);
    p.setPen(QPen(metal.darker(140), r * 0.03));
    p.setBrush(QColor(metal.red(), metal.green(), metal.blue(), 60));
    p.drawEllipse(c, r * 1.12, r * 1.12);
    // Keyway in the bore.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 30, 36));
    p.drawRect(QRectF(c.x() - r * 0.04, c.y() - r * 0.22, r * 0.08, r * 0.08));
}

// A spoked pulley of a flat belt drive.
void spokedPulley(QPainter& p, QPointF c, double r, const QColor& metal) {
    p.setPen(QPen(metal.darker(170), r * 0.04));
    p.setBrush(metal);
    p.drawEllipse(c, r, r);
    p.setBrush(metal.darker(140));
    p.drawEllipse(c, r * 0.86, r * 0.86);
    p.setPen(QPen(metal, r * 0.1, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 6; ++i) {
        const double a = i * 3.141592654 / 3 + 0.3;
        p.drawLine(c, c + QPointF(std::cos(a), std::sin(a)) * r * 0.84);
    }
    p.setPen(QPen(metal.darker(170), r * 0.03));
    p.setBrush(metal.lighter(108));
    p.drawEllipse(c, r * 0.22, r * 0.22);
    p.setBrush(QColor(30, 30, 36));
    p.drawEllipse(c, r * 0.09, r * 0.09);
}

void shadow(QPainter& p, const QRectF& r) {
    QRadialGradient g(r.center(), r.width() / 2);
    g.setColorAt(0, QColor(0, 0, 0, 90));
    g.setColorAt(1, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(r);
}

// --- The works ------------------------------------------------------------

void drawWorks(QPainter& p) {
    // Hills and meadow.
    // The meadow and the road run on beyond the box: a picture wider or
    // taller than the scene shows more of them, never a bare strip.
    QPainterPath hills;
    hills.moveTo(-100, 60);
    hills.cubicTo(-40, 52, -20, 70, 0, 66);
    hills.cubicTo(30, 48, 60, 62, 85, 54);
    hills.cubicTo(105, 48, 125, 56, 140, 52);
    hills.cubicTo(170, 46, 200, 62, 240, 56);
    hills.lineTo(240, 72);
    hills.lineTo(-100, 72);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(140, 168, 150));
    p.drawPath(hills);
    QLinearGradient grass(0, 70, 0, 100);
    grass.setColorAt(0, QColor(120, 160, 92));
    grass.setColorAt(1, QColor(84, 124, 64));
    p.setBrush(grass);
    p.drawRect(QRectF(-100, 70, 340, 130));
    // Road with its centre line.
    const auto road = [](double x, double offset) { return QPointF(x, 92 - x * 3.5 / 140 + offset); };
    p.setBrush(QColor(92, 94, 100));
    p.drawPolygon(QPolygonF({road(-100, -5), road(240, -5), road(240, 4.5), road(-100, 4.5)}));
    p.setPen(QPen(QColor(240, 240, 240), 0.5, Qt::DashLine));
    p.drawLine(road(-100, 0), road(240, 0));

    // The hall with its sawtooth roof and glazed north lights.
    const double hallLeft = 50, hallRight = 130, eaves = 42, floor = 72;
    p.setPen(QPen(QColor(120, 124, 130), 0.3));
    p.setBrush(QColor(218, 221, 226));
    p.drawRect(QRectF(hallLeft, eaves, hallRight - hallLeft, floor - eaves));
    const int bays = 6;
    const double bay = (hallRight - hallLeft) / bays;
    for (int i = 0; i < bays; ++i) {
        const double x = hallLeft + i * bay;
        p.setBrush(QColor(150, 190, 222));
        p.drawPolygon(QPolygonF({{x, eaves}, {x, eaves - 7}, {x + 1.2, eaves - 7}, {x + 1.2, eaves}}));
        p.setBrush(QColor(168, 172, 180));
        p.drawPolygon(QPolygonF({{x + 1.2, eaves - 7}, {x + bay, eaves}, {x + 1.2, eaves}}));
    }
    p.setBrush(QColor(120, 150, 184));
    for (int i = 0; i < 9; ++i) p.drawRect(QRectF(hallLeft + 3 + i * 6, 55, 4, 3));
    // Loading door.
    p.setBrush(QColor(180, 184, 190));
    p.drawRect(QRectF(112, 58, 14, 14));
    for (int i = 1; i < 7; ++i) p.drawLine(QPointF(112, 58 + i * 2), QPointF(126, 58 + i * 2));
    // The name on the wall.
    p.setBrush(Qt::white);
    p.drawRect(QRectF(66, 44.5, 40, 8));
    DrawLogo(p, QRectF(67, 45, 7, 7), false);
    p.setFont(sceneFont(5, true));
    p.setPen(QColor(168, 34, 24));
    p.drawText(QRectF(74, 44.5, 32, 8), Qt::AlignCenter, QStringLiteral("VESTRANO"));

    // The office block.
    p.setPen(QPen(QColor(150, 150, 146), 0.3));
    p.setBrush(QColor(242, 240, 232));
    p.drawRect(QRectF(16, 46, 34, 26));
    p.setBrush(QColor(74, 112, 160));
    p.drawRect(QRectF(18, 50, 30, 5));
    p.drawRect(QRectF(18, 59, 30, 5));
    p.setBrush(QColor(60, 70, 80));
    p.drawRect(QRectF(29, 66, 8, 6));

    // Flags, trees.
    const QColor flags[3] = {QColor(0, 140, 70), QColor(250, 250, 250), QColor(200, 30, 40)};
    for (int i = 0; i < 3; ++i) {
        const double x = 4 + i * 3.5;
        p.setPen(QPen(QColor(200, 200, 200), 0.4));
        p.drawLine(QPointF(x, 50), QPointF(x, 74));
        p.setPen(Qt::NoPen);
        p.setBrush(flags[i]);
        p.drawRect(QRectF(x + 0.2, 50, 3, 2));
    }
    for (const QPointF t : {QPointF(136, 66), QPointF(133, 69), QPointF(14, 70)}) {
        p.setBrush(QColor(96, 70, 44));
        p.drawRect(QRectF(t.x() - 0.4, t.y(), 0.8, 5));
        p.setBrush(QColor(52, 100, 56));
        p.drawEllipse(t, 3.2, 4.2);
    }

    // A lorry leaving with a load of belts.
    p.setPen(QPen(QColor(60, 60, 64), 0.3));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(58, 78, 28, 8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(168, 34, 24));
    p.drawRect(QRectF(58, 83, 28, 1.2));
    p.setBrush(QColor(40, 80, 150));
    p.drawRect(QRectF(86, 80, 7, 6));
    p.setBrush(QColor(150, 200, 230));
    p.drawRect(QRectF(89, 81, 3.2, 2.2));
    p.setBrush(QColor(30, 30, 30));
    for (const double x : {62.0, 66.0, 82.0, 90.0}) p.drawEllipse(QPointF(x, 86.5), 1.6, 1.6);
}

// --- The production floor ---------------------------------------------------

void drawProduction(QPainter& p) {
    // Floor in perspective and a safety line.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(118, 122, 130));
    p.drawRect(QRectF(-100, 72, 336, 128));
    p.setPen(QPen(QColor(96, 100, 108), 0.3));
    for (int i = -12; i <= 12; ++i) p.drawLine(QPointF(68 + i * 6, 72), QPointF(68 + i * 60, 130));
    p.setPen(Qt::NoPen);
    for (int i = -25; i < 60; ++i) {
        p.setBrush(i % 2 ? QColor(30, 30, 30) : QColor(240, 200, 0));
        p.drawPolygon(QPolygonF({{i * 4.0, 76}, {i * 4.0 + 4, 76}, {i * 4.0 + 3, 78}, {i * 4.0 - 1, 78}}));
    }
    // Lamps and their light.
    for (const double x : {22.0, 68.0, 114.0}) {
        p.setBrush(QColor(255, 240, 170, 40));
        p.drawPolygon(QPolygonF({{x - 2, 8}, {x + 2, 8}, {x + 14, 72}, {x - 14, 72}}));
        p.setBrush(QColor(60, 64, 70));
        p.drawPolygon(QPolygonF({{x - 4, 8}, {x + 4, 8}, {x + 2, 5}, {x - 2, 5}}));
    }

    // The extruder: hopper, body, barrel, die.
    p.setPen(QPen(QColor(90, 50, 20), 0.4));
    p.setBrush(QColor(226, 124, 40));
    p.drawRect(QRectF(6, 44, 32, 28));
    p.drawPolygon(QPolygonF({{13, 30}, {29, 30}, {24, 44}, {18, 44}}));
    p.setBrush(QColor(40, 44, 52));
    p.drawRect(QRectF(9, 48, 11, 12));
    for (int i = 0; i < 3; ++i) {
        p.setBrush(i == 0 ? QColor(60, 200, 80) : (i == 1 ? QColor(240, 200, 0) : QColor(220, 40, 40)));
        p.drawEllipse(QPointF(11.5 + i * 3, 57.5), 1, 1);
    }
    p.setBrush(QColor(34, 40, 60));
    p.drawRect(QRectF(10.5, 49.5, 8, 4));
    p.setFont(sceneFont(3, true));
    p.setPen(Qt::white);
    p.drawText(QRectF(20, 62, 18, 6), Qt::AlignCenter, QStringLiteral("VESTRANO"));
    p.setPen(QPen(QColor(80, 84, 90), 0.4));
    p.setBrush(kSteel);
    p.drawRect(QRectF(38, 53, 16, 6));
    p.drawRect(QRectF(54, 51, 4, 10));

    // The belt leaves the die, runs through the cooling bath and is wound.
    p.setBrush(QColor(70, 140, 200, 150));
    p.drawRect(QRectF(62, 55, 28, 9));
    const QPointF drum(114, 50);
    p.setPen(QPen(style::kAboutBeltEdge, 0.3));
    p.setBrush(style::kBelt);
    p.drawRect(QRectF(58, 55, 56 - 13.5 + 1, 2));
    p.setPen(QPen(style::kBelt.darker(120), 0.6));
    for (double x = 59; x < 100; x += 2.2) p.drawLine(QPointF(x, 57), QPointF(x, 58));
    // Winder frame and drum.
    p.setPen(QPen(QColor(60, 64, 72), 1.6));
    p.drawLine(drum, QPointF(104, 72));
    p.drawLine(drum, QPointF(124, 72));
    p.setPen(QPen(style::kAboutBeltEdge, 0.3));
    p.setBrush(style::kBelt);
    p.drawEllipse(drum, 15, 15);
    p.setBrush(Qt::NoBrush);
    for (double r = 5; r < 15; r += 1.3) p.drawEllipse(drum, r, r);
    p.setBrush(kSteel);
    p.drawEllipse(drum, 4, 4);
}

// --- Endless timing belts ------------------------------------------------------

void drawEndlessBelts(QPainter& p) {
    shadow(p, QRectF(20, 84, 160, 14));
    struct Loop {
        QPointF a, b;
        double r;
        int teeth;
    };
    // Three lengths of belt, side by side.
    const Loop loops[] = {
        {{30, 34}, {84, 28}, 15, 56},
        {{42, 72}, {112, 70}, 13, 60},
        {{128, 38}, {166, 44}, 12, 40},
    };
    for (const Loop& l : loops) {
        QColor c = style::kBelt;
        c.setAlpha(235);
        beltRing(p, l.a, l.r, l.b, l.r, 4.5, c, l.teeth);
        // The cords show through the clear polyurethane.
        p.setPen(QPen(kCord, 0.35, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawPath(BeltLoopPath(l.a, l.r + 3.2, l.b, l.r + 3.2));
    }
}

// --- Open-end belts in a linear drive ----------------------------------------

void drawLinearDrive(QPainter& p) {
    // The profile rail.
    QLinearGradient metal(0, 54, 0, 68);
    metal.setColorAt(0, kAluminium);
    metal.setColorAt(1, kAluminium.darker(135));
    p.setPen(QPen(QColor(110, 114, 120), 0.4));
    p.setBrush(metal);
    p.drawRect(QRectF(18, 56, 144, 12));
    p.drawLine(QPointF(18, 60), QPointF(162, 60));
    p.drawLine(QPointF(18, 64), QPointF(162, 64));

    // Motor and the two end housings with their pulleys.
    p.setBrush(QColor(40, 64, 120));
    p.drawRect(QRectF(6, 22, 14, 26));
    p.setPen(QPen(QColor(80, 104, 160), 0.4));
    for (double y = 25; y < 46; y += 2.5) p.drawLine(QPointF(7, y), QPointF(19, y));
    p.setPen(QPen(QColor(60, 60, 64), 0.4));
    p.setBrush(QColor(72, 76, 84));
    p.drawRect(QRectF(4, 48, 18, 26));
    p.drawRect(QRectF(158, 48, 18, 26));
    const QPointF left(13, 61), right(167, 61);
    const double r = 6;
    DrawToothedPulley(p, left, r, 18, kSteel);
    DrawToothedPulley(p, right, r, 18, kSteel);

    // The belt: clamped to the carriage at both ends, round both pulleys,
    // back along the underside.
    QPainterPath path;
    path.moveTo(64, left.y() - r - 1);
    path.lineTo(left.x(), left.y() - r - 1);
    path.arcTo(QRectF(left.x() - r - 1, left.y() - r - 1, 2 * r + 2, 2 * r + 2), 90, 180);
    path.lineTo(right.x(), right.y() + r + 1);
    path.arcTo(QRectF(right.x() - r - 1, right.y() - r - 1, 2 * r + 2, 2 * r + 2), -90, 180);
    path.lineTo(114, right.y() - r - 1);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(style::kAboutBeltEdge, 2.6, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(path);
    p.setPen(QPen(style::kBelt, 1.8, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(path);

    // The carriage with its clamping plates and a load.
    p.setPen(QPen(QColor(30, 40, 70), 0.4));
    p.setBrush(QColor(60, 96, 160));
    p.drawRoundedRect(QRectF(60, 40, 58, 14), 1.5, 1.5);
    p.setBrush(kSteel);
    p.drawRect(QRectF(60, 51, 9, 5));
    p.drawRect(QRectF(109, 51, 9, 5));
    p.setBrush(QColor(232, 140, 50));
    p.drawRect(QRectF(72, 22, 34, 18));
    p.setPen(QPen(QColor(150, 80, 20), 0.3));
    p.drawLine(QPointF(72, 31), QPointF(106, 31));

    // Travel and accuracy.
    p.setPen(QPen(QColor(30, 40, 70), 0.6));
    p.drawLine(QPointF(60, 84), QPointF(118, 84));
    p.setBrush(QColor(30, 40, 70));
    p.drawPolygon(QPolygonF({{60, 84}, {63, 82.5}, {63, 85.5}}));
    p.drawPolygon(QPolygonF({{118, 84}, {115, 82.5}, {115, 85.5}}));
    p.setFont(sceneFont(4.5));
    p.drawText(QRectF(60, 86, 58, 8), Qt::AlignCenter, QStringLiteral("\u00b1 0.1 mm"));
}

// --- Long-length belts ------------------------------------------------------------

void drawLongLength(QPainter& p) {
    // The pallet and the coil on it.
    p.setPen(QPen(QColor(120, 80, 40), 0.4));
    p.setBrush(QColor(176, 128, 76));
    p.drawRect(QRectF(8, 82, 60, 4));
    for (const double x : {10.0, 35.0, 60.0}) p.drawRect(QRectF(x, 86, 6, 5));
    shadow(p, QRectF(6, 76, 64, 10));
    const QPointF coil(38, 52);
    p.setPen(QPen(style::kAboutBeltEdge, 0.3));
    p.setBrush(style::kBelt);
    p.drawEllipse(coil, 30, 30);
    p.setBrush(Qt::NoBrush);
    for (double r = 9; r < 30; r += 1.4) p.drawEllipse(coil, r, r);
    p.setBrush(QColor(200, 190, 170));
    p.drawEllipse(coil, 9, 9);

    // The free end runs to a conveyor that carries parcels.
    p.setPen(QPen(style::kAboutBeltEdge, 0.3));
    p.setBrush(style::kBelt);
    p.drawPolygon(QPolygonF({{38, 82}, {74, 66}, {74, 68}, {40, 82}}));
    p.setPen(QPen(QColor(70, 74, 82), 0.5));
    p.setBrush(QColor(110, 116, 126));
    p.drawRect(QRectF(72, 64, 54, 5));
    for (const double x : {76.0, 122.0}) p.drawLine(QPointF(x, 69), QPointF(x, 90));
    p.setBrush(style::kBelt);
    p.drawRect(QRectF(72, 62, 54, 2));
    p.setBrush(kSteel);
    p.drawEllipse(QPointF(73, 66.5), 2.5, 2.5);
    p.drawEllipse(QPointF(125, 66.5), 2.5, 2.5);
    p.setPen(QPen(QColor(140, 100, 50), 0.3));
    p.setBrush(QColor(200, 156, 100));
    p.drawRect(QRectF(82, 50, 13, 12));
    p.drawRect(QRectF(104, 53, 10, 9));
    p.drawLine(QPointF(82, 54), QPointF(95, 54));
}

// --- Multi-rib belts -----------------------------------------------------------

void drawMultiRib(QPainter& p) {
    // Section: the ribs of the belt in the grooves of the pulley.
    const int ribs = 6;
    const double left = 10, pitch = 12, top = 52;
    QPolygonF pulley;
    pulley << QPointF(left, 84);
    for (int i = 0; i <= ribs; ++i) {
        pulley << QPointF(left + i * pitch, top);
        if (i < ribs) pulley << QPointF(left + i * pitch + pitch / 2, top + 9);
    }
    pulley << QPointF(left + ribs * pitch, 84);
    QLinearGradient metal(0, top, 0, 84);
    metal.setColorAt(0, kSteel);
    metal.setColorAt(1, kSteel.darker(150));
    p.setPen(QPen(QColor(90, 94, 100), 0.4));
    p.setBrush(metal);
    p.drawPolygon(pulley);
    QPolygonF belt;
    belt << QPointF(left, top - 12);
    for (int i = 0; i < ribs; ++i) {
        belt << QPointF(left + i * pitch + 1, top - 1.5) << QPointF(left + i * pitch + pitch / 2, top + 7.5)
             << QPointF(left + (i + 1) * pitch - 1, top - 1.5);
    }
    belt << QPointF(left + ribs * pitch, top - 12);
    p.setPen(QPen(style::kAboutBeltEdge, 0.4));
    p.setBrush(style::kBelt);
    p.drawPolygon(belt);
    p.setBrush(kCord);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < ribs * 2; ++i) p.drawEllipse(QPointF(left + 3 + i * pitch / 2, top - 6), 1.2, 1.2);

    // Side view: a drive of a household machine.
    const QPointF big(140, 58), small(178, 28);
    beltRing(p, big, 26, small, 8, 3, style::kBelt, 0);
    p.setPen(QPen(style::kAboutBeltEdge, 0.25));
    p.setBrush(Qt::NoBrush);
    p.drawPath(BeltLoopPath(big, 27.5, small, 9.5));
    for (const auto& [c, r] : {std::pair{big, 26.0}, std::pair{small, 8.0}}) {
        p.setPen(QPen(QColor(80, 84, 92), 0.3));
        p.setBrush(kSteel);
        p.drawEllipse(c, r, r);
        p.setBrush(Qt::NoBrush);
        for (double k = 0.9; k > 0.75; k -= 0.05) p.drawEllipse(c, r * k, r * k);
        p.setBrush(kSteel.darker(130));
        p.drawEllipse(c, r * 0.25, r * 0.25);
    }
}

// --- Flat belts ---------------------------------------------------------------

void drawFlatBelts(QPainter& p) {
    const QPointF a(40, 54), b(208, 54);
    const QColor green(40, 140, 92);
    beltRing(p, a, 30, b, 20, 2.6, green, 0);
    spokedPulley(p, a, 30, QColor(112, 126, 150));
    spokedPulley(p, b, 20, QColor(112, 126, 150));
    // A roll of belt material.
    const QRectF roll(108, 72, 34, 20);
    shadow(p, QRectF(104, 88, 44, 8));
    p.setPen(QPen(green.darker(160), 0.4));
    p.setBrush(green);
    p.drawRect(QRectF(roll.left(), roll.top(), roll.width() - 5, roll.height()));
    p.setBrush(QColor(214, 176, 120));
    p.drawEllipse(QPointF(roll.right() - 5, roll.center().y()), 5, 10);
    p.setBrush(Qt::NoBrush);
    for (double r = 1.5; r < 5; r += 1.2)
        p.drawEllipse(QPointF(roll.right() - 5, roll.center().y()), r, r * 2);
    // Speed.
    p.setPen(QPen(QColor(255, 255, 255, 160), 0.6));
    for (int i = 0; i < 4; ++i) p.drawLine(QPointF(90 + i * 22, 21), QPointF(100 + i * 22, 21));
}

// --- Rubber timing belts ---------------------------------------------------------

void drawRubberBelts(QPainter& p) {
    p.setPen(QPen(QColor(40, 42, 48), 0.5));
    p.setBrush(QColor(86, 92, 102));
    p.drawRoundedRect(QRectF(6, 6, 108, 88), 3, 3);
    p.setBrush(QColor(120, 126, 136));
    for (const QPointF bolt : {QPointF(11, 11), QPointF(109, 11), QPointF(11, 89), QPointF(109, 89)})
        p.drawEllipse(bolt, 1.6, 1.6);
    const QPointF big(42, 60), small(86, 30);
    DrawToothedPulley(p, big, 23, 40, kSteel);
    DrawToothedPulley(p, small, 12, 22, kSteel);
    const QPainterPath inner = BeltLoopPath(big, 23.5, small, 12.5);
    const QPainterPath outer = BeltLoopPath(big, 29, small, 18);
    const QPainterPath ring = outer.subtracted(inner);
    p.setPen(QPen(QColor(10, 10, 12), 0.4));
    p.setBrush(kRubber);
    p.drawPath(ring);
    DrawTeethAlong(p, inner, 70, 1.6, 1.5, kRubber);
    // The fabric facing shows as a fine weave.
    p.save();
    p.setClipPath(ring);
    p.setPen(QPen(QColor(255, 255, 255, 26), 0.3));
    for (double x = -100; x < 220; x += 1.6) p.drawLine(QPointF(x, 0), QPointF(x + 100, 100));
    p.restore();
}

// --- Coated and special belts ------------------------------------------------------

void drawCoatedBelts(QPainter& p) {
    const QPointF from(12, 82), to(116, 30);
    const QPointF along = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF up(along.y(), -along.x());  // perpendicular, pointing up the picture
    // Frame and legs.
    p.setPen(QPen(QColor(70, 76, 86), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from - up * 2, to - up * 2);
    p.setPen(QPen(QColor(90, 96, 106), 1.2));
    for (const double t : {0.2, 0.55, 0.9}) {
        const QPointF at = from + (to - from) * t - up * 2;
        p.drawLine(at, QPointF(at.x(), 96));
    }
    // The belt with its green cover and the cleats.
    const QColor cover(36, 150, 72);
    p.setPen(QPen(cover.darker(160), 0.4));
    p.setBrush(cover);
    p.drawPolygon(QPolygonF({from, to, to + up * 2.5, from + up * 2.5}));
    p.setBrush(kSteel);
    p.drawEllipse(from - up * 0.5, 4, 4);
    p.drawEllipse(to - up * 0.5, 4, 4);
    const double length = std::hypot(to.x() - from.x(), to.y() - from.y());
    for (double s = 10; s < length - 6; s += 15) {
        const QPointF base = from + along * s + up * 2.5;
        p.setBrush(cover.darker(115));
        p.drawPolygon(QPolygonF({base, base + up * 6, base + up * 6 + along * 1.6, base + along * 1.6}));
        // A product resting on each cleat.
        p.setBrush(QColor(236, 120, 40));
        p.drawEllipse(base + up * 3.4 - along * 3.2, 3, 3);
    }
}

// --- Pulleys ------------------------------------------------------------------

void drawPulleys(QPainter& p) {
    shadow(p, QRectF(14, 82, 120, 14));
    solidPulley(p, QPointF(50, 52), 26, 36, 34, kAluminium);
    solidPulley(p, QPointF(108, 34), 16, 24, 22, kSteel.darker(108));
    // A clamping plate for open-end belts.
    p.setPen(QPen(QColor(90, 94, 100), 0.4));
    p.setBrush(kSteel);
    p.drawRect(QRectF(92, 70, 40, 8));
    p.setBrush(kSteel.darker(125));
    for (int i = 0; i < 8; ++i) p.drawRect(QRectF(93 + i * 5, 78, 2.6, 2));
    p.setBrush(QColor(40, 40, 46));
    for (const double x : {98.0, 126.0}) p.drawEllipse(QPointF(x, 74), 1.6, 1.6);
}

// --- The tension meter ------------------------------------------------------------

void drawTensionMeter(QPainter& p) {
    // The drive whose span is measured.
    const QPointF a(16, 86), b(62, 86);
    DrawToothedPulley(p, a, 8, 18, kSteel);
    DrawToothedPulley(p, b, 8, 18, kSteel);
    QPainterPath span;
    span.moveTo(a.x(), a.y() - 9);
    span.quadTo(QPointF((a.x() + b.x()) / 2, a.y() - 12), QPointF(b.x(), b.y() - 9));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(style::kBelt.darker(110), 1.8));
    p.drawPath(span);
    p.setPen(QPen(QColor(255, 255, 255, 140), 0.4, Qt::DashLine));
    QPainterPath swing;
    swing.moveTo(a.x(), a.y() - 9);
    swing.quadTo(QPointF((a.x() + b.x()) / 2, a.y() - 6), QPointF(b.x(), b.y() - 9));
    p.drawPath(swing);

    // The meter with its display, keys and probe.
    p.setPen(QPen(QColor(30, 36, 50), 0.5));
    QLinearGradient body(0, 6, 0, 54);
    body.setColorAt(0, QColor(70, 84, 108));
    body.setColorAt(1, QColor(36, 44, 62));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(14, 6, 48, 48), 5, 5);
    p.setBrush(QColor(174, 212, 150));
    p.drawRoundedRect(QRectF(19, 11, 38, 16), 1.5, 1.5);
    p.setPen(QColor(30, 50, 30));
    p.setFont(sceneFont(7, true));
    p.drawText(QRectF(19, 10, 38, 11), Qt::AlignCenter, QStringLiteral("112 Hz"));
    p.setFont(sceneFont(3.6));
    p.drawText(QRectF(19, 19.5, 38, 7), Qt::AlignCenter, QStringLiteral("F = 268 N"));
    p.setPen(Qt::NoPen);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c) {
            p.setBrush(r == 0 && c == 1 ? QColor(230, 90, 60) : QColor(200, 206, 216));
            p.drawEllipse(QPointF(25 + c * 13, 34 + r * 8), 3, 2.6);
        }
    p.setPen(QColor(240, 240, 240));
    p.setFont(sceneFont(3.2, true));
    p.drawText(QRectF(14, 46, 48, 6), Qt::AlignCenter, QStringLiteral("VESTRANO"));
    p.setPen(QPen(QColor(30, 30, 34), 0.8));
    p.setBrush(Qt::NoBrush);
    QPainterPath cable;
    cable.moveTo(38, 54);
    cable.cubicTo(QPointF(36, 62), QPointF(48, 60), QPointF(46, 66));
    p.drawPath(cable);
    p.setPen(QPen(QColor(20, 20, 24), 0.3));
    p.setBrush(QColor(60, 60, 66));
    p.drawRoundedRect(QRectF(43.5, 64, 5, 7), 1, 1);
}

struct Scene {
    double width, height;  // the scene's own box
    QColor top, bottom;    // its backdrop
    void (*draw)(QPainter&);
};

const Scene kScenes[kAboutIllustrationCount] = {
    {140, 100, QColor(132, 188, 236), QColor(226, 238, 248), drawWorks},
    {136, 100, QColor(74, 82, 96), QColor(40, 44, 52), drawProduction},
    {190, 100, QColor(44, 56, 80), QColor(14, 18, 30), drawEndlessBelts},
    {180, 100, QColor(214, 222, 232), QColor(160, 170, 186), drawLinearDrive},
    {130, 100, QColor(234, 228, 216), QColor(188, 178, 162), drawLongLength},
    {190, 100, QColor(62, 72, 92), QColor(28, 32, 44), drawMultiRib},
    {250, 100, QColor(222, 234, 222), QColor(168, 190, 174), drawFlatBelts},
    {120, 100, QColor(98, 104, 112), QColor(48, 52, 58), drawRubberBelts},
    {127, 100, QColor(232, 238, 242), QColor(184, 194, 206), drawCoatedBelts},
    {143, 100, QColor(66, 70, 80), QColor(20, 22, 26), drawPulleys},
    {76, 100, QColor(212, 222, 234), QColor(148, 164, 186), drawTensionMeter},
};

}  // namespace

void DrawAboutIllustration(QPainter& painter, const QRectF& rect, int index) {
    if (index < 0 || index >= kAboutIllustrationCount || rect.isEmpty()) return;
    const Scene& s = kScenes[index];
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(rect);
    QLinearGradient backdrop(rect.topLeft(), rect.bottomLeft());
    backdrop.setColorAt(0, s.top);
    backdrop.setColorAt(1, s.bottom);
    painter.fillRect(rect, backdrop);
    const double scale = std::min(rect.width() / s.width, rect.height() / s.height);
    painter.translate(rect.center().x() - s.width * scale / 2, rect.center().y() - s.height * scale / 2);
    painter.scale(scale, scale);
    s.draw(painter);
    painter.restore();
    // A thin frame, as round a print on the page.
    painter.save();
    painter.setPen(QPen(QColor(255, 255, 255, 90), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

}  // namespace belt
