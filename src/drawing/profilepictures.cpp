#include "drawing/profilepictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "drawing/profiledrawings.h"
#include "drawing/stylecolours.h"
#include "project/driveproject.h"

namespace belt {

namespace {

const QColor kCord(105, 112, 122);

// The tooth groups of pictures 0..5 drawn with the data sheet's tooth of a
// representative profile (T10, AT10, XL, XL, QXD8M, QVP8), scaled to a pitch
// of 10 so that the pictures compare.
BeltSection toothOf(int index) {
    static const std::array<BeltSection, 6> kSections = [] {
        const std::array<int, 6> drawingCodes = {0, 2, 3, 3, 6, 7};
        std::array<BeltSection, 6> sections;
        for (std::size_t i = 0; i < sections.size(); ++i) {
            BeltSection s = BeltSectionOf(SampleDrawingProject(drawingCodes[i]));
            const double k = 10 / s.pitch;
            s.pitch = 10;
            s.back *= k;
            s.toothHeight *= k;
            s.tipWidth *= k;
            sections[i] = s;
        }
        return sections;
    }();
    return kSections[static_cast<std::size_t>(std::clamp(index, 0, 5))];
}

void drawBackground(QPainter& painter, const QRectF& rect) {
    QLinearGradient bg(rect.topLeft(), rect.bottomLeft());
    bg.setColorAt(0, QColor(250, 252, 255));
    bg.setColorAt(1, QColor(214, 224, 236));
    painter.setPen(QPen(QColor(120, 135, 155), 1));
    painter.setBrush(bg);
    painter.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
}

void drawCaption(QPainter& painter, const QRectF& band, const QString& caption) {
    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    int px = std::max(6, static_cast<int>(band.height() * 0.62));
    font.setPixelSize(px);
    // Long captions shrink to the band's width.
    while (px > 6 && QFontMetricsF(font).horizontalAdvance(caption) > band.width() * 0.94) {
        font.setPixelSize(--px);
    }
    painter.setFont(font);
    painter.setPen(QColor(20, 35, 70));
    painter.drawText(band, Qt::AlignCenter, caption);
}

// A piece of toothed belt, teeth down, in mesh with a pulley's grooves,
// with its cords and the pitch marked on its back.
void drawTimingBelt(QPainter& painter, const QRectF& area, int index) {
    const BeltSection t = toothOf(index);
    const double pitch = 10;
    const int teeth = 2;
    const double width = teeth * pitch;
    const double dimension = 2.6;  // room for the pitch mark above the back
    const double rackDepth = t.toothHeight + 2.2;
    const double totalHeight = dimension + t.back + rackDepth;
    const double scale = std::min(area.width() / (width + 1), area.height() / totalHeight);
    painter.save();
    painter.translate(area.center().x() - width * scale / 2, area.center().y() - totalHeight * scale / 2);
    painter.scale(scale, scale);
    painter.translate(0, dimension + t.back);  // y = 0 is the tooth-side line

    QPainterPath belt;
    belt.moveTo(0, -t.back);
    belt.lineTo(0, 0);
    for (int i = 0; i < teeth; ++i) AddToothOutline(belt, t, pitch / 2 + i * pitch);
    belt.lineTo(width, 0);
    belt.lineTo(width, -t.back);
    belt.closeSubpath();

    // The pulley: a toothed rim whose grooves take the belt's teeth.
    QPainterPath grooves;
    for (int i = 0; i < teeth; ++i) {
        const double cx = pitch / 2 + i * pitch;
        QPainterPath g;
        g.moveTo(cx - ToothRootWidth(t) / 2 - 1.2, -0.5);
        AddToothOutline(g, t, cx);
        g.lineTo(cx + ToothRootWidth(t) / 2 + 1.2, -0.5);
        g.closeSubpath();
        QTransform widen;
        widen.translate(cx, 0);
        widen.scale(1.07, 1.05);
        widen.translate(-cx, 0);
        grooves = grooves.united(widen.map(g));
    }
    QPainterPath rim;
    rim.addRect(QRectF(0, 0.06, width, rackDepth));
    rim = rim.subtracted(grooves);
    QLinearGradient steel(QPointF(0, 0), QPointF(0, rackDepth));
    steel.setColorAt(0, QColor(200, 205, 212));
    steel.setColorAt(1, QColor(140, 146, 156));
    painter.setPen(QPen(QColor(90, 96, 106), 0.1));
    painter.setBrush(steel);
    painter.drawPath(rim);

    QLinearGradient body(QPointF(0, -t.back), QPointF(0, t.toothHeight));
    body.setColorAt(0, style::kBelt.lighter(106));
    body.setColorAt(1, style::kBelt.darker(108));
    painter.setPen(QPen(style::kBeltEdge, 0.12));
    painter.setBrush(body);
    painter.drawPath(belt);
    // Tension cords in the back.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kCord);
    const double cordY = -t.back * 0.45;
    const double cordR = 0.32;
    for (double x = 0.5; x < width - 0.2; x += 0.9) painter.drawEllipse(QPointF(x, cordY), cordR, cordR);

    // Pitch mark between two tooth centres, above the back.
    const double y = -t.back - 1.0;
    const double x0 = pitch / 2;
    const double x1 = x0 + pitch;
    const QColor red(180, 30, 30);
    painter.setPen(QPen(red, 0.12, Qt::DashLine));
    painter.drawLine(QPointF(x0, -t.back - 0.2), QPointF(x0, t.toothHeight));
    painter.drawLine(QPointF(x1, -t.back - 0.2), QPointF(x1, t.toothHeight));
    painter.setPen(QPen(red, 0.14));
    painter.drawLine(QPointF(x0, y), QPointF(x1, y));
    painter.setBrush(red);
    painter.drawPolygon(
        QPolygonF({QPointF(x0, y), QPointF(x0 + 0.9, y - 0.35), QPointF(x0 + 0.9, y + 0.35)}));
    painter.drawPolygon(
        QPolygonF({QPointF(x1, y), QPointF(x1 - 0.9, y - 0.35), QPointF(x1 - 0.9, y + 0.35)}));
    // The letter is set in the painter's own units, outside the drawing's
    // tiny ones, where a font would not scale. Only the drawing's transform
    // is undone: the view's maps the widget to a screen scaled by 1.5 or 2,
    // and without it the letter landed outside the picture.
    const QPointF at = painter.worldTransform().map(QPointF(x1 + 0.8, y));
    const double px = std::max(8.0, scale * 2.0);
    painter.setWorldTransform(QTransform());
    QFont font(QStringLiteral("Times New Roman"));
    font.setItalic(true);
    font.setPixelSize(static_cast<int>(px));
    painter.setFont(font);
    painter.setPen(red);
    painter.drawText(QRectF(at.x(), at.y() - px, px * 2, px * 2), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("p"));
    painter.restore();
}

// Cross-section of a multi-rib belt: backing with cords, V-ribs below.
void drawRibSection(QPainter& painter, const QRectF& area, int index) {
    // Pictures 6, 7 and 8 show the sections ZB2, H and J (mm).
    struct Rib {
        double thickness, height, pitch;
    };
    const int drawingCode = index == 6 ? 9 : index == 7 ? 11 : 10;
    const BeltSection s = BeltSectionOf(SampleDrawingProject(drawingCode));
    const Rib r{s.back, s.toothHeight, s.pitch};
    const int count = 6;
    // One scale for the three sections, so their sizes compare.
    const double refWidth = count * 2.34 + 1.0;
    const double refHeight = 3.5 + 0.8;
    const double scale = std::min(area.width() / refWidth, area.height() / refHeight);
    const double width = count * r.pitch;
    painter.save();
    painter.translate(area.center().x() - width * scale / 2, area.center().y() - r.thickness * scale / 2);
    painter.scale(scale, scale);
    const double back = r.thickness - r.height;  // y of the rib roots
    QPainterPath section;
    section.moveTo(0, 0);
    section.lineTo(width, 0);
    section.lineTo(width, back);
    const double tipHalf = r.pitch * 0.12;
    for (int i = count - 1; i >= 0; --i) {
        const double cx = (i + 0.5) * r.pitch;
        section.lineTo(cx + tipHalf, r.thickness);
        section.lineTo(cx - tipHalf, r.thickness);
        section.lineTo(i * r.pitch, back);
    }
    section.closeSubpath();
    QLinearGradient body(QPointF(0, 0), QPointF(0, r.thickness));
    body.setColorAt(0, QColor(236, 214, 150));
    body.setColorAt(1, QColor(214, 184, 110));
    painter.setPen(QPen(style::kBeltEdge, 0.04));
    painter.setBrush(body);
    painter.drawPath(section);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(245, 245, 245));
    const double cordR = std::min(0.22, back * 0.28);
    for (double x = cordR * 1.6; x < width - cordR; x += cordR * 2.4)
        painter.drawEllipse(QPointF(x, back * 0.55), cordR, cordR);
    painter.setPen(QPen(kCord, 0.03));
    painter.setBrush(Qt::NoBrush);
    for (double x = cordR * 1.6; x < width - cordR; x += cordR * 2.4)
        painter.drawEllipse(QPointF(x, back * 0.55), cordR, cordR);
    painter.restore();
}

// A piece of flat belt seen from above the edge: its layers on the front
// face, the top cover on the upper face.
void drawFlatBelt(QPainter& painter, const QRectF& area, int index) {
    struct Layer {
        double thickness;
        QColor colour;
        bool fabric;
    };
    std::vector<Layer> layers;
    QColor top;
    bool ribbedTop = false;
    switch (index) {
        case 9:  // neoprene covers on a polyester fabric
            layers = {{0.9, QColor(70, 82, 74), false},
                      {1.0, QColor(222, 170, 72), true},
                      {0.9, QColor(70, 82, 74), false}};
            top = QColor(105, 120, 110);
            break;
        case 10:  // thin, light load
            layers = {{0.45, QColor(60, 96, 150), false},
                      {0.6, QColor(230, 226, 210), true},
                      {0.45, QColor(60, 96, 150), false}};
            top = QColor(96, 136, 190);
            break;
        default:  // conveyor: thick friction cover on top
            layers = {{1.6, QColor(70, 150, 80), false},
                      {0.8, QColor(222, 170, 72), true},
                      {0.5, QColor(90, 90, 90), false}};
            top = QColor(110, 185, 115);
            ribbedTop = true;
            break;
    }
    double total = 0;
    for (const auto& l : layers) total += l.thickness;
    const double length = 16;                // front face width
    const double depthX = 5, depthY = -3.2;  // the upper face recedes up and right
    const double scale = std::min(area.width() / (length + depthX + 1), area.height() / (total - depthY + 1));
    painter.save();
    painter.translate(area.center().x() - (length + depthX) * scale / 2,
                      area.center().y() - (total - depthY) * scale / 2 - depthY * scale);
    painter.scale(scale, scale);
    // Upper face.
    const QPolygonF upper(
        {QPointF(0, 0), QPointF(depthX, depthY), QPointF(length + depthX, depthY), QPointF(length, 0)});
    painter.setPen(QPen(QColor(40, 40, 40), 0.05));
    painter.setBrush(top);
    painter.drawPolygon(upper);
    if (ribbedTop) {
        painter.setPen(QPen(top.darker(130), 0.08));
        for (double s = 1; s < length; s += 1.2) painter.drawLine(QPointF(s, 0), QPointF(s + depthX, depthY));
    }
    // Right end face.
    const QPolygonF end({QPointF(length, 0), QPointF(length + depthX, depthY),
                         QPointF(length + depthX, depthY + total), QPointF(length, total)});
    painter.setPen(QPen(QColor(40, 40, 40), 0.05));
    painter.setBrush(layers.front().colour.darker(125));
    painter.drawPolygon(end);
    // Front face with its layers.
    double y = 0;
    for (const auto& l : layers) {
        const QRectF band(0, y, length, l.thickness);
        painter.setPen(QPen(QColor(40, 40, 40), 0.04));
        painter.setBrush(l.colour);
        painter.drawRect(band);
        if (l.fabric) {
            painter.setPen(QPen(l.colour.darker(150), 0.06));
            for (double x = 0.2; x < length; x += 0.5) {
                painter.drawLine(QPointF(x, y + 0.05),
                                 QPointF(std::min(length, x + l.thickness * 0.5), y + l.thickness - 0.05));
            }
        }
        y += l.thickness;
    }
    painter.restore();
}

}  // namespace

QPainterPath ProfileToothPath(int index) {
    const BeltSection t = toothOf(index);
    QPainterPath path;
    path.moveTo(-ToothRootWidth(t) / 2 - 0.6, 0);
    AddToothOutline(path, t, 0);
    path.lineTo(ToothRootWidth(t) / 2 + 0.6, 0);
    path.closeSubpath();
    return path;
}

double ProfileToothHeight(int index) {
    return toothOf(index).toothHeight;
}
double ProfileBackThickness(int index) {
    return toothOf(index).back;
}

QString ProfilePictureCaption(int index) {
    switch (index) {
        case 0:
            return QStringLiteral("T");
        case 1:
            return QStringLiteral("AT");
        case 2:
            return QStringLiteral("MXL  XL  L  H");
        case 3:
            return QStringLiteral("XL  L  H  XH");
        case 4:
            return QStringLiteral("QXD");
        case 5:
            return QStringLiteral("QVP");
        case 6:
            return QStringLiteral("ZB2");
        case 7:
            return QStringLiteral("H");
        case 8:
            return QStringLiteral("J");
        case 9:
            return QStringLiteral("HIGH LOAD");
        case 10:
            return QStringLiteral("LIGHT LOAD");
        case 11:
            return QStringLiteral("CONVEYOR");
        default:
            return {};
    }
}

void DrawProfilePicture(QPainter& painter, const QRectF& rect, int index) {
    if (index < 0 || index >= kProfilePictureCount || rect.isEmpty()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    drawBackground(painter, rect);
    const double band = rect.height() * 0.24;
    const QRectF picture =
        rect.adjusted(rect.width() * 0.06, rect.height() * 0.08, -rect.width() * 0.06, -band);
    const QRectF caption(rect.left(), rect.bottom() - band, rect.width(), band * 0.9);
    if (index <= 5)
        drawTimingBelt(painter, picture, index);
    else if (index <= 8)
        drawRibSection(painter, picture, index);
    else
        drawFlatBelt(painter, picture, index);
    drawCaption(painter, caption, ProfilePictureCaption(index));
    painter.restore();
}

}  // namespace belt
