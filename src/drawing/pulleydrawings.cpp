#include "drawing/pulleydrawings.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <vector>

#include "catalogue/ribgrooves.h"
#include "drawing/drawingsheet.h"
#include "project/driveproject.h"

namespace belt {

using drawing::kDegToRad;
using drawing::Margins;
using drawing::Mm;
using drawing::Sheet;

namespace {

// The driver pulley in mm, with what a drawing needs where the project
// gives nothing.
struct PulleyShape {
    double dp = 0, de = 0, df = 0, bore = 0, face = 0, crown = 0;
    int teeth = 0;
};

PulleyShape DriverPulley(const DriveProject& p, const BeltSection& s) {
    PulleyShape q;
    q.dp = Mm(p.pulleyDiameter[1]);
    q.teeth = p.pulleyTeeth[1];
    if (!(q.dp > 0)) {
        q.teeth = 20;
        q.dp = s.form == ToothForm::Flat || s.form == ToothForm::Rib ? 60 : q.teeth * s.pitch / kPi;
    }
    if (q.teeth <= 0 && s.pitch > 0) q.teeth = static_cast<int>(std::lround(q.dp * kPi / s.pitch));
    q.de = Mm(p.pulleyOutsideDiameter[1]);
    if (!(q.de > 0) || q.de >= q.dp) q.de = q.dp - 0.18 * s.pitch;
    q.df = Mm(p.pulleyFlangeDiameter[1]);
    if (!(q.df > q.de)) q.df = q.de + 2.5 * (s.toothHeight + s.back);
    q.bore = Mm(p.pulleyMaxBore[1]);
    if (!(q.bore > 0) || q.bore >= q.de * 0.8) q.bore = q.de * 0.4;
    q.face = Mm(p.pulleyFaceWidth);
    if (!(q.face > 0)) q.face = std::max(Mm(p.beltWidth) * 1.25, 3 * s.pitch);
    q.crown = Mm(p.pulleyCrownHeight[1]);
    return q;
}

// Front view: the pulley as seen along its axis, centred on c (mm).
void DrawFrontView(Sheet& sheet, const BeltSection& s, const PulleyShape& q, QPointF c, int kind) {
    const double ro = kind == 0 ? q.de / 2 : q.dp / 2;
    if (kind == 0) {
        QPainterPath flange;
        flange.addEllipse(c, q.df / 2, q.df / 2);
        sheet.part(flange, sheet.colours.metal.lighter(112), 0.7);
        // The grooves: the belt's tooth, a little wider, cut into the rim.
        const int z = std::clamp(q.teeth, 8, 90);
        const double step = 2 * kPi / z;
        BeltSection groove = s;
        groove.tipWidth = s.tipWidth * 1.08;
        const QPolygonF outline = ToothPolyline(groove, 0);
        QPolygonF rim;
        for (int i = 0; i < z; ++i) {
            const double a0 = i * step;
            for (const QPointF& pt : outline) {
                // x along the rim, y into it.
                const double a = a0 + pt.x() / ro;
                const double r = ro - pt.y() * 1.04;
                rim << c + QPointF(r * std::sin(a), -r * std::cos(a));
            }
            const double half = ToothRootWidth(groove) / 2 / ro;
            for (double a = a0 + half; a < a0 + step - half; a += step / 12)
                rim << c + QPointF(ro * std::sin(a), -ro * std::cos(a));
        }
        QPainterPath body;
        body.addPolygon(rim);
        body.closeSubpath();
        sheet.part(body, sheet.colours.metal);
    } else {
        QPainterPath body;
        body.addEllipse(c, ro, ro);
        sheet.part(body, sheet.colours.metal);
        if (kind == 1) {
            // The groove bottoms seen from the front.
            QPainterPath inner;
            const double t = s.toothHeight;
            inner.addEllipse(c, ro - t, ro - t);
            sheet.stroke(inner, sheet.colours.outline, 0.6, Qt::DashLine);
        }
    }
    // Bore with its keyway.
    const double rb = q.bore / 2;
    const double key = rb * 0.25;
    QPainterPath bore;
    bore.moveTo(c + QPointF(-key, -rb * 0.97));
    bore.lineTo(c + QPointF(-key, -rb - key * 0.8));
    bore.lineTo(c + QPointF(key, -rb - key * 0.8));
    bore.lineTo(c + QPointF(key, -rb * 0.97));
    bore.arcTo(QRectF(c.x() - rb, c.y() - rb, 2 * rb, 2 * rb), 90 - std::asin(key / rb) / kDegToRad,
               -(360 - 2 * std::asin(key / rb) / kDegToRad));
    bore.closeSubpath();
    sheet.part(bore, sheet.colours.background.alpha() ? sheet.colours.background : QColor(Qt::white));
    if (kind == 0) {
        QPainterPath pitch;
        pitch.addEllipse(c, q.dp / 2, q.dp / 2);
        sheet.stroke(pitch, sheet.colours.centreLine, 0.6, Qt::DashDotLine);
    }
    const double reach = (kind == 0 ? q.df : q.dp) / 2 + sheet.mm(sheet.letter * 0.4);
    sheet.centreLine(sheet.at(c.x() - reach, c.y()), sheet.at(c.x() + reach, c.y()));
    sheet.centreLine(sheet.at(c.x(), c.y() - reach), sheet.at(c.x(), c.y() + reach));
}

// Diameters dimensioned side by side to the right of a section, smallest
// first, so that each line stands outside the ones it encloses (a timing
// pulley's outside diameter lies inside its pitch diameter); each symbol
// written along its line.
struct Diameter {
    double d;
    QString symbol;
};
void DimensionDiameters(Sheet& sheet, double xFrom, double xFirst, std::vector<Diameter> ds) {
    std::stable_sort(ds.begin(), ds.end(), [](const Diameter& a, const Diameter& b) { return a.d < b.d; });
    const double step = sheet.letter * 1.25;
    double x = xFirst;
    for (const Diameter& d : ds) {
        const QPointF top = sheet.at(0, -d.d / 2);
        const QPointF bottom = sheet.at(0, d.d / 2);
        const double xStart = sheet.at(xFrom, 0).x() + sheet.line * 2;
        sheet.extension(QPointF(xStart, top.y()), QPointF(x + sheet.letter * 0.4, top.y()));
        sheet.extension(QPointF(xStart, bottom.y()), QPointF(x + sheet.letter * 0.4, bottom.y()));
        sheet.dimension(QPointF(x, top.y()), QPointF(x, bottom.y()), d.symbol, Sheet::Side::Before, true);
        x += step;
    }
}

// B: the face width between x0 and x1 (mm), under the section whose lowest
// edge is at y (mm), measured at the rim's radius r (mm).
void DimensionFaceWidth(Sheet& sheet, double x0, double x1, double r, double y) {
    const double yB = sheet.at(0, y).y() + sheet.letter * 0.8;
    const QPointF left = sheet.at(x0, r);
    const QPointF right = sheet.at(x1, r);
    sheet.extension(left + QPointF(0, sheet.line * 2), QPointF(left.x(), yB + sheet.letter * 0.4));
    sheet.extension(right + QPointF(0, sheet.line * 2), QPointF(right.x(), yB + sheet.letter * 0.4));
    sheet.dimension(QPointF(left.x(), yB), QPointF(right.x(), yB), QStringLiteral("B"), Sheet::Side::After);
}

void DrawTimingPulley(Sheet& sheet, const BeltSection& s, const PulleyShape& q) {
    const double letter = sheet.letter;
    const double flange = std::max(q.face * 0.06, (q.df - q.de) * 0.12);
    const double sectionW = q.face + 2 * flange;
    const double gap = q.df * 0.22;
    const double dimsPx = letter * (0.9 + 1.25 * 4);
    drawing::FitPart(sheet, q.df + gap + sectionW, q.df, {letter * 0.5, letter * 0.5, dimsPx, letter * 2.4});
    const double x0 = q.df + gap;  // left of the section
    // y = 0 on the axis.
    sheet.place(sheet.at(0, q.df / 2), sheet.scale);
    DrawFrontView(sheet, s, q, QPointF(q.df / 2, 0), 0);

    // Axial section: hub and rim cut through, flanges either side.
    const double root = q.de / 2 - s.toothHeight;
    for (double sign : {-1.0, 1.0}) {
        auto band = [&](double xl, double xr, double r0, double r1) {
            QPainterPath path;
            path.addRect(QRectF(QPointF(xl, sign < 0 ? -r1 : r0), QPointF(xr, sign < 0 ? -r0 : r1)));
            return path;
        };
        const QPainterPath rim = band(x0 + flange, x0 + flange + q.face, q.bore / 2, q.de / 2);
        const QPainterPath left = band(x0, x0 + flange, q.bore / 2, q.df / 2);
        const QPainterPath right = band(x0 + flange + q.face, x0 + sectionW, q.bore / 2, q.df / 2);
        for (const QPainterPath& piece : {rim, left, right}) {
            sheet.part(piece, sheet.colours.metal, 0.8);
            sheet.hatch(piece);
        }
        // The groove bottoms, hidden behind the teeth.
        QPainterPath grooves;
        grooves.moveTo(x0 + flange, sign * root);
        grooves.lineTo(x0 + flange + q.face, sign * root);
        sheet.stroke(grooves, sheet.colours.outline, 0.6, Qt::DashLine);
    }
    const double reach = sheet.mm(letter * 0.5);
    const double xEnd = x0 + sectionW;
    sheet.centreLine(sheet.at(x0 - reach, 0), sheet.at(xEnd + reach, 0));
    for (double sign : {-1.0, 1.0})
        sheet.centreLine(sheet.at(x0 + flange - reach, sign * q.dp / 2), sheet.at(xEnd, sign * q.dp / 2));

    const double xFirst = sheet.at(xEnd, 0).x() + letter * 1.5;
    DimensionDiameters(sheet, xEnd, xFirst,
                       {{q.bore, QStringLiteral("dmax")},
                        {q.de, QStringLiteral("de")},
                        {q.dp, QStringLiteral("dp")},
                        {q.df, QStringLiteral("df")}});
    DimensionFaceWidth(sheet, x0 + flange, x0 + flange + q.face, q.de / 2, q.df / 2);
}

void DrawFlatPulley(Sheet& sheet, const BeltSection&, const PulleyShape& q) {
    const double letter = sheet.letter;
    const double d = q.dp;
    const double gap = d * 0.22;
    const double dimsPx = letter * (0.9 + 1.25 * 2);
    drawing::FitPart(sheet, d + gap + q.face, d, {letter * 0.5, letter * 1.0, dimsPx, letter * 2.4});
    sheet.place(sheet.at(0, d / 2), sheet.scale);
    const BeltSection none;
    DrawFrontView(sheet, none, q, QPointF(d / 2, 0), 2);

    // The crown is far too small to see at scale: it is drawn at least a
    // few lines high.
    const double crown = std::max(q.crown, sheet.mm(sheet.line * 5));
    const double x0 = d + gap;
    const double x1 = x0 + q.face;
    for (double sign : {-1.0, 1.0}) {
        QPainterPath rim;
        rim.moveTo(x0, sign * q.bore / 2);
        rim.lineTo(x0, sign * (d / 2 - crown));
        rim.quadTo((x0 + x1) / 2, sign * (d / 2 + crown), x1, sign * (d / 2 - crown));
        rim.lineTo(x1, sign * q.bore / 2);
        rim.closeSubpath();
        sheet.part(rim, sheet.colours.metal, 0.8);
        sheet.hatch(rim);
    }
    const double reach = sheet.mm(letter * 0.5);
    sheet.centreLine(sheet.at(x0 - reach, 0), sheet.at(x1 + reach, 0));
    const double xFirst = sheet.at(x1, 0).x() + letter * 1.5;
    DimensionDiameters(sheet, x1, xFirst, {{d, QStringLiteral("d")}});
    DimensionFaceWidth(sheet, x0, x1, d / 2 - crown, d / 2);

    // h: from the edge of the rim up to the crown's top, at the left edge.
    const QPointF edge = sheet.at(x0, -(d / 2 - crown));
    const QPointF topLeft = sheet.at(x0, -d / 2);
    const double xh = edge.x() - letter * 0.6;
    sheet.extension(QPointF(sheet.at((x0 + x1) / 2, 0).x(), topLeft.y()),
                    QPointF(xh - letter * 0.4, topLeft.y()));
    sheet.extension(edge - QPointF(sheet.line * 2, 0), QPointF(xh - letter * 0.4, edge.y()));
    sheet.dimension(QPointF(xh, topLeft.y()), QPointF(xh, edge.y()), QStringLiteral("h"),
                    Sheet::Side::Before);
}

void DrawRibPulley(Sheet& sheet, const BeltSection& s, const PulleyShape& q, const RibGroove& g, int ribs) {
    const double letter = sheet.letter;
    const double P = Mm(g.pitch);
    const double t = Mm(g.depth);
    const double R = Mm(g.ridgeRadius);
    const double r = Mm(g.bottomRadius);
    const double half = g.grooveAngleDegrees / 2 * kDegToRad;
    const int grooves = std::clamp(ribs, 3, 12);

    // Left part: front view and section; right part: the grooves enlarged.
    const QRectF whole = sheet.area;
    const double split = whole.left() + whole.width() * 0.56;
    const double d = q.dp;
    const double face = grooves * P + P;
    const double gap = d * 0.2;
    {
        const double dimsPx = letter * (0.9 + 1.25);
        const QRectF room = QRectF(QPointF(whole.left(), whole.top()), QPointF(split, whole.bottom()))
                                .adjusted(letter * 0.5, letter * 0.5, -dimsPx, -letter * 0.5);
        const double w = d + gap + face;
        const double scale = std::min(room.width() / w, room.height() / d);
        sheet.place(QPointF(room.center().x() - w * scale / 2, room.center().y()), scale);
    }
    DrawFrontView(sheet, s, q, QPointF(d / 2, 0), 1);
    const double x0 = d + gap;
    const double tanHalf = std::tan(half);
    for (double sign : {-1.0, 1.0}) {
        QPainterPath rim;
        rim.moveTo(x0, sign * q.bore / 2);
        rim.lineTo(x0, sign * d / 2);
        // Grooves cut into the rim; the first begins after half a pitch.
        for (int i = 0; i < grooves; ++i) {
            const double cx = x0 + P + i * P;
            rim.lineTo(cx - t * tanHalf, sign * d / 2);
            rim.lineTo(cx, sign * (d / 2 - t));
            rim.lineTo(cx + t * tanHalf, sign * d / 2);
        }
        rim.lineTo(x0 + face, sign * d / 2);
        rim.lineTo(x0 + face, sign * q.bore / 2);
        rim.closeSubpath();
        sheet.part(rim, sheet.colours.metal, 0.7);
        sheet.hatch(rim);
    }
    const double reach = sheet.mm(letter * 0.5);
    sheet.centreLine(sheet.at(x0 - reach, 0), sheet.at(x0 + face + reach, 0));
    DimensionDiameters(sheet, x0 + face, sheet.at(x0 + face, 0).x() + letter * 1.5,
                       {{d, QString(QChar(0x00D8))}});
    // Where the enlarged grooves come from.
    const QPointF spot = sheet.at(x0 + face / 2, -d / 2);
    const double ring = std::max(letter * 0.9, sheet.px(P * 1.6));
    {
        QPainter& painter = sheet.painter();
        painter.save();
        painter.setPen(QPen(sheet.colours.dimension, sheet.line * 0.6, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(spot, ring, ring);
        painter.restore();
    }

    // The detail: three grooves between two half ridges.
    const int shown = 3;
    const double detailW = shown * P;
    const double base = t * 1.9;
    const QRectF room = QRectF(QPointF(split, whole.top()), QPointF(whole.right(), whole.bottom()))
                            .adjusted(letter * 2.4, letter * 2.6, -letter * 1.8, -letter * 1.2);
    const double scale = std::min(room.width() / detailW, room.height() / base);
    sheet.place(QPointF(room.center().x() - detailW * scale / 2, room.center().y() - base * scale / 2),
                scale);
    QPainterPath detail;
    detail.moveTo(0, base);
    std::vector<QPointF> points{{0, 0}};
    std::vector<double> radius{0};
    for (int i = 0; i < shown; ++i) {
        const double cx = (i + 0.5) * P;
        points.insert(points.end(), {{cx - t * tanHalf, 0}, {cx, t}, {cx + t * tanHalf, 0}});
        radius.insert(radius.end(), {R, r, R});
    }
    points.emplace_back(detailW, 0);
    radius.push_back(0);
    drawing::AddRoundedPolyline(detail, points, radius);
    detail.lineTo(detailW, base);
    detail.closeSubpath();
    sheet.part(detail, sheet.colours.metal);
    sheet.hatch(detail);

    const double extra = letter * 0.5;
    // P between the centres of the first two grooves, above the ridges.
    const double yTop = sheet.at(0, 0).y();
    const double yP = yTop - letter * 1.3;
    const double c0 = 0.5 * P;
    const double c1 = 1.5 * P;
    for (double cx : {c0, c1})
        sheet.centreLine(QPointF(sheet.at(cx, 0).x(), yP - extra), sheet.at(cx, t) + QPointF(0, extra));
    sheet.dimension(QPointF(sheet.at(c0, 0).x(), yP), QPointF(sheet.at(c1, 0).x(), yP), QStringLiteral("P"),
                    Sheet::Side::Before);
    // t: the depth of the last groove, on the right.
    const double xt = sheet.at(detailW, 0).x() + letter * 0.9;
    const QPointF bottom = sheet.at(2.5 * P, t);
    sheet.extension(sheet.at(detailW, 0) + QPointF(sheet.line * 2, 0), QPointF(xt + extra, yTop));
    sheet.extension(bottom + QPointF(sheet.line * 3, 0), QPointF(xt + extra, bottom.y()));
    sheet.dimension(QPointF(xt, yTop), QPointF(xt, bottom.y()), QStringLiteral("t"), Sheet::Side::After);
    // The groove angle of the last groove, its flanks prolonged above the rim.
    const QPointF vertex = sheet.at(2.5 * P, t);
    const double arm = sheet.px(t) + letter * 1.4;
    const QPointF leftArm = vertex + QPointF(-std::sin(half), -std::cos(half)) * arm;
    const QPointF rightArm = vertex + QPointF(std::sin(half), -std::cos(half)) * arm;
    sheet.extension(sheet.at(2.5 * P - t * tanHalf, 0), leftArm);
    sheet.extension(sheet.at(2.5 * P + t * tanHalf, 0), rightArm);
    sheet.angle(vertex, arm * 0.9, 90 - g.grooveAngleDegrees / 2, g.grooveAngleDegrees,
                QString(QChar(0x00DF)));
    // R on the left ridge's corner, r at the bottom of the first groove.
    const QPointF ridge = sheet.at(0.5 * P - t * tanHalf, 0);
    sheet.leader(ridge, QPointF(ridge.x() - letter * 1.2, yTop - letter * 0.9), QStringLiteral("R"),
                 Qt::AlignRight | Qt::AlignVCenter);
    const QPointF groove = sheet.at(0.5 * P, t);
    sheet.leader(groove, QPointF(sheet.at(0, 0).x() - letter * 0.6, groove.y() + letter * 0.9),
                 QStringLiteral("r"), Qt::AlignRight | Qt::AlignVCenter);
}

}  // namespace

void DrawPulleyDrawing(QPainter& painter, const QRectF& rect, const DriveProject& p,
                       const DrawingColours& colours) {
    const int kind = std::clamp(p.beltKindCode, 0, 2);
    DriveProject sample;
    const DriveProject* source = &p;
    // A belt of another kind than the drawing asks for (a project file may
    // hold any code) is drawn with a sample belt of the kind.
    const BeltSection own = BeltSectionOf(p);
    const bool matches = kind == 2   ? own.form == ToothForm::Flat
                         : kind == 1 ? own.form == ToothForm::Rib
                                     : own.form != ToothForm::Flat && own.form != ToothForm::Rib;
    if (!matches) {
        sample = SampleDrawingProject(kind == 2 ? 12 : kind == 1 ? 10 : 0);
        source = &sample;
    }
    const BeltSection s = matches ? own : BeltSectionOf(sample);
    const PulleyShape q = DriverPulley(*source, s);
    drawing::InDevicePixels(painter, rect, colours, [&](Sheet& sheet) {
        switch (kind) {
            case 1: {
                const RibGroove* g = FindRibGroove(source->beltName);
                const RibGroove fallback = *FindRibGroove("QUINDEL J");
                DrawRibPulley(sheet, s, q, g ? *g : fallback,
                              static_cast<int>(std::lround(source->beltWidth)));
                break;
            }
            case 2:
                DrawFlatPulley(sheet, s, q);
                break;
            default:
                DrawTimingPulley(sheet, s, q);
                break;
        }
    });
}

}  // namespace belt
