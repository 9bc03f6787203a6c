#include "drawing/profiledrawings.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QTransform>
#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

#include "catalogue/belttraits.h"
#include "catalogue/flatbelts.h"
#include "catalogue/pulleytables.h"
#include "catalogue/ribgrooves.h"
#include "drawing/drawingsheet.h"
#include "engine/applicationdata.h"
#include "engine/beltcode.h"
#include "project/driveproject.h"

namespace belt {

using drawing::kDegToRad;
using drawing::Margins;
using drawing::Mm;
using drawing::Sheet;

namespace {

// Included flank angle of the trapezoid profiles, degrees.
struct FlankAngle {
    std::string_view code;
    double degrees;
};
constexpr std::array<FlankAngle, 12> kFlankAngles = {{
    {"T2.5", 40},
    {"T5", 40},
    {"T10", 40},
    {"T20", 40},
    {"AT5", 50},
    {"AT10", 50},
    {"AT20", 50},
    {"MXL", 40},
    {"XL", 50},
    {"L", 40},
    {"H", 40},
    {"XH", 40},
}};

double FlankAngleOf(const std::string& code) {
    for (const FlankAngle& a : kFlankAngles)
        if (a.code == code) return a.degrees;
    return 40;
}

// Width of a curvilinear or parabolic tooth at its root, in pitches.
constexpr double kRoundToothWidth = 0.66;
constexpr double kParabolicToothWidth = 0.64;

bool IsRibCode(int code) {
    return code >= 9 && code <= 11;
}

// A project with only the belt chosen, its pulley table loaded.
DriveProject ChosenBelt(std::string_view family, std::string_view type, std::string_view code,
                        std::string_view suffix = {}) {
    DriveProject p;
    p.beltFamily = family;
    p.beltType = type;
    p.beltPitchCode = code;
    p.beltSideSuffix = suffix;
    p.beltName = std::string(family) + " " + std::string(code) + std::string(suffix);
    LoadPulleyTable(p);
    return p;
}

// The toothed edge of n pitches of belt, from (0, 0) to (n * pitch, 0).
QPolygonF TeethEdge(const BeltSection& s, int n) {
    QPainterPath path(QPointF(0, 0));
    for (int i = 0; i < n; ++i) AddToothOutline(path, s, s.pitch / 2 + i * s.pitch);
    path.lineTo(n * s.pitch, 0);
    return drawing::Flattened(path);
}

// Number of teeth shown: a small pitch shows more of its belt.
int TeethShown(double pitchMm) {
    return std::clamp(static_cast<int>(std::lround(16.0 / std::max(pitchMm, 0.5))), 2, 4);
}

void DrawTimingSection(Sheet& sheet, const BeltSection& s) {
    const int n = TeethShown(s.pitch);
    const double length = n * s.pitch;
    const double h = s.toothHeight;
    const double top = s.doubleSided ? h : 0;  // teeth above the back of a double-sided belt
    const double body = s.back;
    const double letter = sheet.letter;
    const double dimGap = letter * 1.9;
    const double wStep = s.tipWidthGiven && s.form == ToothForm::Trapezoid ? dimGap : letter * 0.5;
    drawing::FitPart(sheet, length, top + body + h,
                     {letter * 0.8, dimGap + letter * 0.3, letter * 3.6, wStep + letter * 0.3});
    // y = 0 on the land of the lower teeth; the back at -body.
    sheet.place(sheet.at(0, top + body), sheet.scale);

    // The toothed edge left to right; a double-sided belt carries it
    // mirrored across its body on the back.
    const QPolygonF edge = TeethEdge(s, n);
    QPolygonF outline;
    if (s.doubleSided)
        outline = QTransform(1, 0, 0, -1, 0, -body).map(edge);
    else
        outline << QPointF(0, -body) << QPointF(length, -body);
    for (auto it = edge.crbegin(); it != edge.crend(); ++it) outline << *it;
    QPainterPath belt;
    belt.addPolygon(outline);
    belt.closeSubpath();
    sheet.part(belt, s.rubber ? sheet.colours.rubber : sheet.colours.belt);

    if (s.rubber) {
        // The fabric facing follows the teeth.
        QPainterPath facing;
        facing.addPolygon(edge);
        sheet.stroke(facing, sheet.colours.facing, 2.2);
        if (s.doubleSided)
            sheet.stroke(QTransform(1, 0, 0, -1, 0, -body).map(facing), sheet.colours.facing, 2.2);
    }
    // The cords on the pitch line, inside the body.
    std::vector<QPointF> cords;
    const double cordY = -body * 0.45;
    const double cordStep = std::max(s.pitch / 7, sheet.mm(sheet.line * 3.2));
    for (double x = cordStep / 2; x < length; x += cordStep) cords.emplace_back(x, cordY);
    sheet.dots(cords, std::max(0.8, std::min(sheet.px(body) * 0.16, sheet.px(cordStep) * 0.36)),
               sheet.colours.cord);

    const double extra = letter * 0.5;
    // P between the centres of the first two teeth, above the belt.
    const double x0 = s.pitch / 2;
    const double x1 = x0 + s.pitch;
    const double yTop = sheet.at(0, -body - top).y();
    const double yP = yTop - dimGap * 0.55;
    for (double x : {x0, x1})
        sheet.centreLine(QPointF(sheet.at(x, 0).x(), yP - extra), sheet.at(x, h) + QPointF(0, extra));
    sheet.dimension(QPointF(sheet.at(x0, 0).x(), yP), QPointF(sheet.at(x1, 0).x(), yP), QStringLiteral("P"),
                    Sheet::Side::Before);

    // h1 and h2 chained on the right.
    const double xRight = sheet.at(length, 0).x();
    const double xDim = xRight + letter * 1.0;
    const double yBack = sheet.at(0, -body).y();
    const double yLand = sheet.at(0, 0).y();
    const double yTip = sheet.at(0, h).y();
    for (double y : {yBack, yLand})
        sheet.extension(QPointF(xRight + sheet.line * 2, y), QPointF(xDim + extra, y));
    const double tipRight = sheet.at(s.pitch / 2 + (n - 1) * s.pitch, 0).x() + sheet.px(s.tipWidth) / 2;
    sheet.extension(QPointF(tipRight + sheet.line * 2, yTip), QPointF(xDim + extra, yTip));
    sheet.dimension(QPointF(xDim, yBack), QPointF(xDim, yLand), QStringLiteral("h1"), Sheet::Side::After);
    sheet.dimension(QPointF(xDim, yLand), QPointF(xDim, yTip), QStringLiteral("h2"), Sheet::Side::After);

    // w across the tip of the middle tooth, below the belt.
    if (s.tipWidthGiven && s.form == ToothForm::Trapezoid) {
        const double cx = s.pitch / 2 + (n / 2) * s.pitch;
        const double yW = yTip + dimGap * 0.55;
        const QPointF left = sheet.at(cx - s.tipWidth / 2, h);
        const QPointF right = sheet.at(cx + s.tipWidth / 2, h);
        sheet.extension(left + QPointF(0, sheet.line * 2), QPointF(left.x(), yW + extra));
        sheet.extension(right + QPointF(0, sheet.line * 2), QPointF(right.x(), yW + extra));
        sheet.dimension(QPointF(left.x(), yW), QPointF(right.x(), yW), QStringLiteral("w"),
                        Sheet::Side::After);
    }
}

void DrawRibSection(Sheet& sheet, const BeltSection& s) {
    const int n = 4;
    const double length = n * s.pitch;
    const double h = s.toothHeight;
    const double total = std::max(s.back, h * 1.2);
    const double body = total - h;
    const double letter = sheet.letter;
    const double dimGap = letter * 1.9;
    drawing::FitPart(sheet, length, total, {letter * 0.8, letter * 0.8, letter * 6.0, dimGap + letter * 0.3});
    sheet.place(sheet.at(0, body), sheet.scale);  // y = 0 at the rib roots

    // The ribs: V-shapes of the groove angle with flattened, rounded tips.
    const double halfTop = s.pitch / 2;
    const double halfTip = std::max(s.pitch * 0.06, halfTop - h * std::tan(s.flankAngle / 2 * kDegToRad));
    QPainterPath section;
    section.moveTo(0, -body);
    section.lineTo(length, -body);
    std::vector<QPointF> points{{length, 0}};
    std::vector<double> radius{0};
    for (int i = n - 1; i >= 0; --i) {
        const double cx = (i + 0.5) * s.pitch;
        points.insert(points.end(), {{cx + halfTip, h}, {cx - halfTip, h}, {i * s.pitch, 0}});
        radius.insert(radius.end(), {halfTip * 0.8, halfTip * 0.8, s.pitch * 0.08});
    }
    radius.back() = 0;
    drawing::AddRoundedPolyline(section, points, radius);
    section.closeSubpath();
    sheet.part(section, sheet.colours.belt);
    std::vector<QPointF> cords;
    for (double x = s.pitch / 4; x < length; x += s.pitch / 2) cords.emplace_back(x, -body * 0.45);
    sheet.dots(cords, std::max(0.8, sheet.px(std::min(body * 0.2, s.pitch * 0.12))), sheet.colours.cord);

    const double extra = letter * 0.5;
    // P between the middles of two ribs, below them.
    const double x0 = 1.5 * s.pitch;
    const double x1 = x0 + s.pitch;
    const double yTip = sheet.at(0, h).y();
    const double yP = yTip + dimGap * 0.55;
    for (double x : {x0, x1})
        sheet.centreLine(sheet.at(x, -body) - QPointF(0, extra), QPointF(sheet.at(x, 0).x(), yP + extra));
    sheet.dimension(QPointF(sheet.at(x0, 0).x(), yP), QPointF(sheet.at(x1, 0).x(), yP), QStringLiteral("P"),
                    Sheet::Side::After);
    // h2 the rib, h1 the whole belt, on the right.
    const double xRight = sheet.at(length, 0).x();
    const double yBack = sheet.at(0, -body).y();
    const double yRoot = sheet.at(0, 0).y();
    const double x2 = xRight + letter * 1.0;
    const double x1Dim = xRight + letter * 3.2;
    const double ribTipRight = sheet.at((n - 0.5) * s.pitch + halfTip, 0).x();
    sheet.extension(QPointF(xRight + sheet.line * 2, yBack), QPointF(x1Dim + extra, yBack));
    sheet.extension(QPointF(xRight + sheet.line * 2, yRoot), QPointF(x2 + extra, yRoot));
    sheet.extension(QPointF(ribTipRight + sheet.line * 2, yTip), QPointF(x1Dim + extra, yTip));
    sheet.dimension(QPointF(x2, yRoot), QPointF(x2, yTip), QStringLiteral("h2"), Sheet::Side::After);
    sheet.dimension(QPointF(x1Dim, yBack), QPointF(x1Dim, yTip), QStringLiteral("h1"), Sheet::Side::After);
}

void DrawFlatSection(Sheet& sheet, const BeltSection& s) {
    const double letter = sheet.letter;
    const double dimGap = letter * 1.9;
    // A belt many times wider than thick is drawn broken in the middle, so
    // that its thickness can be seen.
    const double T = s.thickness;
    const double W = std::min(s.width, T * 12);
    const bool broken = W < s.width;
    drawing::FitPart(sheet, W, T, {letter * 0.8, letter * 0.8, letter * 3.2, dimGap + letter * 0.3});
    const double gap = broken ? W * 0.06 : 0;
    const double zig = T * 0.25;
    auto piece = [&](double x0, double x1, bool breakLeft, bool breakRight) {
        QPainterPath path;
        path.moveTo(x0, 0);
        path.lineTo(x1, 0);
        if (breakRight) {
            path.lineTo(x1 + zig, T / 3);
            path.lineTo(x1 - zig, 2 * T / 3);
        }
        path.lineTo(x1, T);
        path.lineTo(x0, T);
        if (breakLeft) {
            path.lineTo(x0 - zig, 2 * T / 3);
            path.lineTo(x0 + zig, T / 3);
        }
        path.closeSubpath();
        return path;
    };
    std::vector<QPainterPath> pieces;
    if (broken)
        pieces = {piece(0, W / 2 - gap, false, true), piece(W / 2 + gap, W, true, false)};
    else
        pieces = {piece(0, W, false, false)};
    for (const QPainterPath& body : pieces) {
        sheet.part(body, sheet.colours.belt);
        // The tension member in the middle of the thickness.
        QPainterPath member;
        member.addRect(QRectF(0, T * 0.42, W, T * 0.16));
        QPainterPath inside = body.intersected(member);
        sheet.part(inside, sheet.colours.cord, 0.3);
    }

    const double extra = letter * 0.5;
    const QPointF bl = sheet.at(0, T);
    const QPointF br = sheet.at(W, T);
    const double yW = bl.y() + dimGap * 0.55;
    sheet.extension(bl + QPointF(0, sheet.line * 2), QPointF(bl.x(), yW + extra));
    sheet.extension(br + QPointF(0, sheet.line * 2), QPointF(br.x(), yW + extra));
    sheet.dimension(QPointF(bl.x(), yW), QPointF(br.x(), yW), QStringLiteral("W"), Sheet::Side::After);
    const QPointF tr = sheet.at(W, 0);
    const double xT = tr.x() + letter * 1.0;
    sheet.extension(tr + QPointF(sheet.line * 2, 0), QPointF(xT + extra, tr.y()));
    sheet.extension(br + QPointF(sheet.line * 2, 0), QPointF(xT + extra, br.y()));
    sheet.dimension(QPointF(xT, tr.y()), QPointF(xT, br.y()), QStringLiteral("T"), Sheet::Side::After);
}

}  // namespace

DrawingColours ScreenDrawingColours() {
    DrawingColours c;
    c.background = QColor(244, 247, 252);
    c.frame = QColor(120, 135, 155);
    c.outline = QColor(30, 40, 60);
    c.belt = QColor(238, 226, 186);
    c.rubber = QColor(70, 72, 78);
    c.facing = QColor(40, 110, 200);
    c.cord = QColor(105, 112, 122);
    c.metal = QColor(196, 204, 214);
    c.hatch = QColor(110, 120, 135);
    c.centreLine = QColor(30, 90, 200);
    c.dimension = QColor(200, 0, 0);
    return c;
}

DrawingColours PaperDrawingColours() {
    DrawingColours c;
    c.background = Qt::transparent;
    c.frame = Qt::transparent;
    c.outline = Qt::black;
    c.belt = QColor(236, 236, 236);
    c.rubber = QColor(150, 150, 150);
    c.facing = QColor(40, 40, 40);
    c.cord = QColor(90, 90, 90);
    c.metal = QColor(250, 250, 250);
    c.hatch = QColor(80, 80, 80);
    c.centreLine = QColor(60, 60, 60);
    c.dimension = QColor(150, 0, 0);
    return c;
}

QPolygonF ToothPolyline(const BeltSection& s, double cx) {
    QPainterPath path(QPointF(cx - ToothRootWidth(s), 0));
    AddToothOutline(path, s, cx);
    QPolygonF poly = drawing::Flattened(path);
    if (!poly.isEmpty()) poly.removeFirst();
    return poly;
}

double ToothRootWidth(const BeltSection& s) {
    switch (s.form) {
        case ToothForm::Curvilinear:
            return s.pitch * kRoundToothWidth;
        case ToothForm::Parabolic:
            return s.pitch * kParabolicToothWidth;
        default:
            return s.tipWidth + 2 * s.toothHeight * std::tan(s.flankAngle / 2 * kDegToRad);
    }
}

void AddToothOutline(QPainterPath& path, const BeltSection& s, double cx) {
    const double h = s.toothHeight;
    const double half = ToothRootWidth(s) / 2;
    switch (s.form) {
        case ToothForm::Curvilinear: {
            // Straight flanks ending in a round tip, with fillets into the land.
            const double fillet = half * 0.15;
            const double ry = std::min(half, h - fillet);
            path.lineTo(cx - half - fillet, 0);
            path.quadTo(cx - half, 0, cx - half, fillet);
            path.lineTo(cx - half, h - ry);
            path.arcTo(QRectF(cx - half, h - 2 * ry, 2 * half, 2 * ry), 180, 180);
            path.lineTo(cx + half, fillet);
            path.quadTo(cx + half, 0, cx + half + fillet, 0);
            break;
        }
        case ToothForm::Parabolic: {
            // Flanks curving in towards a flat tip with a shallow recess.
            const double fillet = half * 0.15;
            const double tip = half * 0.5;
            const double recessHalf = tip * 0.55;
            const double recess = h * 0.08;
            path.lineTo(cx - half - fillet, 0);
            path.quadTo(cx - half, 0, cx - half, fillet);
            path.cubicTo(cx - half, h * 0.6, cx - tip * 1.35, h, cx - tip, h);
            path.lineTo(cx - recessHalf, h);
            path.quadTo(cx, h - recess * 2, cx + recessHalf, h);
            path.lineTo(cx + tip, h);
            path.cubicTo(cx + tip * 1.35, h, cx + half, h * 0.6, cx + half, fillet);
            path.quadTo(cx + half, 0, cx + half + fillet, 0);
            break;
        }
        default: {
            // Straight flanks of the profile's angle; small radii at the
            // root and at the tip corners.
            const double tip = s.tipWidth / 2;
            const double rootR = h * 0.16;
            const double tipR = std::min(h * 0.14, tip * 0.4);
            drawing::AddRoundedPolyline(path,
                                        {{cx - half - rootR, 0},
                                         {cx - half, 0},
                                         {cx - tip, h},
                                         {cx + tip, h},
                                         {cx + half, 0},
                                         {cx + half + rootR, 0}},
                                        {0, rootR, tipR, tipR, rootR, 0});
            break;
        }
    }
}

DriveProject SampleDrawingProject(int code) {
    struct Sample {
        std::string_view family, type, pitchCode, suffix;
    };
    static constexpr std::array<Sample, 13> kSamples = {{
        {"ORVANTO", "ORVANTO T", "T10", ""},
        {"ORVANTO", "ORVANTO T", "T10", "DL"},
        {"ORVANTO", "ORVANTO AT", "AT10", ""},
        {"ORVANTO", "ORVANTO I", "XL", ""},
        {"RUBBER", "RUBBER I", "L", ""},
        {"RUBBER", "RUBBER I", "L", "DT"},
        {"SELKIRA", "SELKIRA QXD", "QXD8M", ""},
        {"SELKIRA", "SELKIRA QVP", "QVP8", ""},
        {"RUBBER", "RUBBER QVP", "QVP8", "DD"},
        {"QUINDEL", "QUINDEL ZB2", "ZB2", ""},
        {"QUINDEL", "QUINDEL J", "J", ""},
        {"QUINDEL", "QUINDEL H", "H", ""},
        {"FENDARO", "", "", ""},
    }};
    const Sample& s = kSamples[static_cast<std::size_t>(std::clamp(code, 0, 12))];
    DriveProject p;
    p.pulleyCount = 2;
    const BeltKind kind = BeltFamilyTraitsOf(s.family).kind;
    if (kind == BeltKind::MultiRib) {
        const int picture = s.pitchCode == "ZB2" ? 6 : s.pitchCode == "H" ? 7 : 8;
        SelectToothProfile(p, kTabQuindel, picture);
        p.beltFamily = s.family;
        LoadPulleyTable(p);
        p.beltWidth = 6;
        p.pulleyDiameter[1] = 0.06;
    } else if (kind == BeltKind::Flat) {
        DatiFlatBelt(p);
        ChooseFlatBeltType(p, kFlatBeltGroups[0], 0);
        p.beltFamily = s.family;
        LoadPulleyTable(p);
        p.beltWidth = 0.05;
        p.pulleyFaceWidth = 0.063;
        p.pulleyDiameter[1] = 0.1;
        LookupIsoDiameter(p, 1);
    } else {
        p = ChosenBelt(s.family, s.type, s.pitchCode, s.suffix);
        p.pulleyCount = 2;
        p.beltWidth = 0.025;
        p.pulleyFaceWidth = 0.032;
        p.pulleyTeeth[1] = 20;
        LookupPulleyTeeth(p, 1);
    }
    p.beltKindCode = BeltKindCode(p);
    p.profileDrawingCode = ProfileDrawingCode(p);
    return p;
}

BeltSection BeltSectionOf(const DriveProject& p) {
    BeltSection s;
    s.drawingCode = std::clamp(p.profileDrawingCode, 0, 12);
    const int code = s.drawingCode;
    const auto& dim = p.toothDimensions;
    if (code == 12) {
        s.form = ToothForm::Flat;
        s.width = p.beltWidth > 0 ? Mm(p.beltWidth) : 50;
        s.thickness = dim[0] > 0 ? Mm(dim[0]) : 2.5;
        s.tipWidthGiven = false;
        return s;
    }
    if (IsRibCode(code)) {
        if (!(dim[0] > 0 && dim[1] > 0 && dim[2] > 0)) return BeltSectionOf(SampleDrawingProject(code));
        s.form = ToothForm::Rib;
        s.pitch = Mm(dim[2]);
        s.back = Mm(dim[0]);
        s.toothHeight = Mm(dim[1]);
        s.tipWidthGiven = false;
        const RibGroove* g = FindRibGroove(p.beltName);
        s.flankAngle = g ? g->grooveAngleDegrees : 40;
        return s;
    }
    if (!(p.beltPitch > 0 && dim[1] > 0)) return BeltSectionOf(SampleDrawingProject(code));
    s.form = code == 6                  ? ToothForm::Curvilinear
             : (code == 7 || code == 8) ? ToothForm::Parabolic
                                        : ToothForm::Trapezoid;
    s.doubleSided = code == 1 || code == 5 || code == 8;
    s.rubber = code == 4 || code == 5 || HasRubberBody(p);
    s.pitch = Mm(p.beltPitch);
    s.back = Mm(dim[0]);
    s.toothHeight = Mm(dim[1]);
    s.tipWidth = Mm(dim[2]);
    s.tipWidthGiven = dim[2] > 0;
    s.flankAngle = FlankAngleOf(p.beltPitchCode);
    if (s.form == ToothForm::Trapezoid && (!(s.back > 0) || !(s.tipWidth > 0))) {
        // Rubber inch belts: the polyurethane belt of the profile.
        const DriveProject pu = ChosenBelt("SELKIRA", "SELKIRA I", p.beltPitchCode);
        if (!(s.back > 0))
            s.back = pu.toothDimensions[0] > 0 ? Mm(pu.toothDimensions[0]) : s.toothHeight * 0.8;
        if (!(s.tipWidth > 0))
            s.tipWidth = pu.toothDimensions[2] > 0 ? Mm(pu.toothDimensions[2]) : s.pitch * 0.3;
    }
    if (!(s.back > 0)) s.back = s.toothHeight * 0.7;
    return s;
}

void DrawProfileDrawing(QPainter& painter, const QRectF& rect, const DriveProject& p,
                        const DrawingColours& colours) {
    const BeltSection s = BeltSectionOf(p);
    drawing::InDevicePixels(painter, rect, colours, [&](Sheet& sheet) {
        switch (s.form) {
            case ToothForm::Rib:
                DrawRibSection(sheet, s);
                break;
            case ToothForm::Flat:
                DrawFlatSection(sheet, s);
                break;
            default:
                DrawTimingSection(sheet, s);
                break;
        }
    });
}

}  // namespace belt
