#include "drawing/pitchchart.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

#include "engine/pitchguide.h"
#include "project/driveproject.h"

namespace belt {

namespace {

// Pale fills of the pitch regions and the stronger colour of their lines,
// in the order of the group's pitches.
const QColor kRegionFill[] = {QColor(214, 234, 255), QColor(218, 245, 214), QColor(255, 236, 204),
                              QColor(248, 222, 240)};
const QColor kLineColour[] = {QColor(30, 90, 190), QColor(40, 140, 50), QColor(210, 110, 0),
                              QColor(170, 40, 130)};

constexpr double kMinRpm = 10;
constexpr double kMaxRpm = 10000;
constexpr double kMinKw = 0.1;

bool isPowerChart(int chart) {
    return !IsWidthChart(chart);
}
bool usesRubberQvpScale(int chart) {
    return chart == 8;
}
double topKw(int chart) {
    return chart == 8 ? 1000 : 100;
}

// Maps the form's units onto the device rectangle the chart occupies.
struct Frame {
    QRectF target;
    double sx() const { return target.width() / kChartWidth; }
    double sy() const { return target.height() / kChartHeight; }
    QPointF map(double fx, double fy) const {
        return {target.left() + (fx - kChartLeft) * sx(), target.top() + (fy - kChartTop) * sy()};
    }
    QRectF map(const QRectF& r) const { return QRectF(map(r.left(), r.top()), map(r.right(), r.bottom())); }
    // Text height in device pixels for a size given in form units.
    double text(double units) const { return std::max(1.0, units * std::min(sy(), sx() * 1.25)); }
};

QFont chartFont(const Frame& f, double units, bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(static_cast<int>(std::lround(f.text(units))));
    font.setBold(bold);
    return font;
}

// Pitch indices the chart bounds, and the caption index of each.
struct ChartLines {
    int first = 0;
    int last = -1;
};

ChartLines linesOf(const DriveProject& p, int chart) {
    const PitchGroup* g = FindPitchGroup(p.beltType);
    if (!g || g->chart != chart) return {};
    return {g->rangeFirst, g->rangeLast};
}

std::string tickText(double v) {
    if (v < 1) return "0.1";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.0f", v);
    return buf;
}

// A pitch's boundary in kW at `rpm` (0 where the pitch carries nothing).
double boundaryKw(const DriveProject& p, int k, double rpm) {
    return GuidePowerLimit(p, k, rpm) / 1000;
}

void drawText(QPainter& painter, const QRectF& box, int flags, const QString& text) {
    painter.drawText(box, flags | Qt::TextDontClip, text);
}

void drawPowerChart(QPainter& painter, const Frame& f, const DriveProject& p, int chart) {
    const bool rq = usesRubberQvpScale(chart);
    const double kwTop = topKw(chart);
    const QRectF plot = PitchChartPlotArea(p, chart);
    const auto X = [&](double rpm) { return ChartXForRpm(rpm, rq); };
    const auto Y = [&](double kw) { return ChartYForKw(std::clamp(kw, kMinKw, kwTop), rq); };

    // Pitch regions: between the previous pitch's boundary (or the foot of
    // the chart) and this pitch's boundary.
    const ChartLines lines = linesOf(p, chart);
    std::vector<double> rpms;
    for (int i = 0; i <= 240; ++i) rpms.push_back(kMinRpm * std::pow(10.0, 3.0 * i / 240));
    for (int k = lines.first; k <= lines.last; ++k) {
        const auto kk = static_cast<std::size_t>(k);
        for (double r : {static_cast<double>(p.guideLine[0][kk]), static_cast<double>(p.guideLine[2][kk])})
            if (r > kMinRpm && r < kMaxRpm) {
                rpms.push_back(r);
                rpms.push_back(r * 0.9999);
            }
    }
    std::sort(rpms.begin(), rpms.end());
    painter.save();
    painter.setClipRect(f.map(plot));
    painter.setPen(Qt::NoPen);
    for (int k = lines.first; k <= lines.last; ++k) {
        const int i = k - lines.first;
        QPolygonF poly;
        for (double r : rpms) poly << f.map(X(r), Y(boundaryKw(p, k, r)));
        for (auto it = rpms.rbegin(); it != rpms.rend(); ++it) {
            const double lower = i == 0 ? kMinKw : boundaryKw(p, k - 1, *it);
            poly << f.map(X(*it), Y(std::min(lower, boundaryKw(p, k, *it))));
        }
        painter.setBrush(kRegionFill[i % 4]);
        painter.drawPolygon(poly);
    }
    painter.restore();

    // Grid: every unit of every decade, the decades stronger.
    painter.save();
    const QPen minor(QColor(190, 190, 190), 0);
    const QPen major(QColor(110, 110, 110), 0);
    for (double decade = kMinRpm; decade < kMaxRpm * 1.01; decade *= 10)
        for (int m = 1; m <= 9; ++m) {
            const double r = decade * m;
            if (r > kMaxRpm * 1.0001) break;
            painter.setPen(m == 1 ? major : minor);
            painter.drawLine(f.map(X(r), plot.top()), f.map(X(r), plot.bottom()));
        }
    for (double decade = kMinKw; decade < kwTop * 1.01; decade *= 10)
        for (int m = 1; m <= 9; ++m) {
            const double kw = decade * m;
            if (kw > kwTop * 1.0001) break;
            painter.setPen(m == 1 ? major : minor);
            painter.drawLine(f.map(plot.left(), Y(kw)), f.map(plot.right(), Y(kw)));
        }
    painter.restore();

    // Boundary of each pitch: its line, then level at its last power.
    painter.save();
    for (int k = lines.first; k <= lines.last; ++k) {
        const auto kk = static_cast<std::size_t>(k);
        const double x0 = p.guideLine[0][kk], y0 = p.guideLine[1][kk];
        const double x1 = p.guideLine[2][kk], y1 = p.guideLine[3][kk];
        QPen pen(kLineColour[(k - lines.first) % 4], std::max(1.5, f.sy() * 0.35));
        pen.setCapStyle(Qt::RoundCap);
        painter.setPen(pen);
        QPolygonF line;
        line << f.map(X(x0), Y(y0)) << f.map(X(x1), Y(y1)) << f.map(X(kMaxRpm), Y(y1));
        painter.drawPolyline(line);
    }
    painter.restore();

    painter.save();
    painter.setPen(QPen(Qt::black, std::max(1.0, f.sy() * 0.2)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(f.map(plot));

    // Decade labels.
    painter.setFont(chartFont(f, 1.9));
    for (double v = kMinKw; v < kwTop * 1.01; v *= 10) {
        const QPointF at = f.map(plot.left() - 0.6, Y(v));
        drawText(painter, QRectF(at.x() - 200, at.y() - 50, 200, 100), Qt::AlignRight | Qt::AlignVCenter,
                 QString::fromStdString(tickText(v)));
    }
    for (double v = kMinRpm; v < kMaxRpm * 1.01; v *= 10) {
        const QPointF at = f.map(X(v), plot.bottom() + 0.5);
        drawText(painter, QRectF(at.x() - 100, at.y(), 200, 100), Qt::AlignHCenter | Qt::AlignTop,
                 QString::fromStdString(tickText(v)));
    }
    // Axis titles.
    painter.setFont(chartFont(f, 2.1, true));
    const QPointF xTitle = f.map((plot.left() + plot.right()) / 2, plot.bottom() + 3.6);
    drawText(painter, QRectF(xTitle.x() - 400, xTitle.y(), 800, 100), Qt::AlignHCenter | Qt::AlignTop,
             QStringLiteral("Speed of the smallest pulley [rpm]"));
    const QPointF yTitle = f.map(1.4, (plot.top() + plot.bottom()) / 2);
    painter.translate(yTitle);
    painter.rotate(-90);
    drawText(painter, QRectF(-400, -50, 800, 100), Qt::AlignCenter, QStringLiteral("Design power [kW]"));
    painter.restore();

    // The marker of the screen stands at the power the guide recommends
    // from; the design power beside it is what the axis names.
    const DesignPowerNote note = GuideDesignPower(p);
    if (note.line.empty()) return;
    painter.save();
    if (note.at.visible) {
        painter.setPen(QPen(Qt::black, std::max(1.5, f.sy() * 0.3)));
        painter.setBrush(Qt::NoBrush);
        const QRectF marker(f.map(note.at.left, note.at.top),
                            f.map(note.at.left + note.at.width, note.at.top + note.at.height));
        painter.drawEllipse(marker.adjusted(1, 1, -1, -1));
    }
    painter.setPen(Qt::black);
    // One line across the chart's foot: a long one is set smaller, not cut.
    const QString line = QString::fromStdString(note.line);
    QFont font = chartFont(f, 1.9);
    const double room = f.target.width() * 0.98;
    const double width = QFontMetricsF(font).horizontalAdvance(line);
    if (width > room && font.pixelSize() > 1)
        font.setPixelSize(std::max(1, static_cast<int>(font.pixelSize() * room / width)));
    painter.setFont(font);
    const QPointF lineAt = f.map(kChartLeft, plot.bottom() + 6.4);
    drawText(painter, QRectF(lineAt.x(), lineAt.y(), f.target.width(), 100), Qt::AlignHCenter | Qt::AlignTop,
             line);
    painter.restore();
}

void drawWidthChart(QPainter& painter, const Frame& f, const DriveProject& p, int chart) {
    const double scale = ChartForceScale(chart);
    const QRectF plot = PitchChartPlotArea(p, chart);
    const auto X = [&](double n) { return ChartXForForce(n, scale); };
    const auto Y = [&](double mm) { return ChartYForWidth(mm); };
    const double forceStep = scale / 8;

    painter.save();
    painter.setPen(QPen(QColor(200, 200, 200), 0));
    for (double n = forceStep / 2; n < scale; n += forceStep / 2) {
        painter.setPen(QPen(std::fmod(n, forceStep) == 0 ? QColor(140, 140, 140) : QColor(205, 205, 205), 0));
        painter.drawLine(f.map(X(n), plot.top()), f.map(X(n), plot.bottom()));
    }
    for (int mm = 5; mm < 100; mm += 5) {
        painter.setPen(QPen(mm % 10 == 0 ? QColor(140, 140, 140) : QColor(205, 205, 205), 0));
        painter.drawLine(f.map(plot.left(), Y(mm)), f.map(plot.right(), Y(mm)));
    }
    painter.restore();

    // Each pitch's line: the belt width it needs over the force, with its
    // standard widths marked where the line reaches them.
    const ChartLines lines = linesOf(p, chart);
    painter.save();
    painter.setClipRect(f.map(plot));
    for (int k = lines.first; k <= lines.last; ++k) {
        const auto kk = static_cast<std::size_t>(k);
        const double x0 = p.guideLine[0][kk], y0 = p.guideLine[1][kk];
        const double x1 = p.guideLine[2][kk], y1 = p.guideLine[3][kk];
        const QColor colour = kLineColour[(k - lines.first) % 4];
        QPen pen(colour, std::max(1.5, f.sy() * 0.4));
        pen.setCapStyle(Qt::RoundCap);
        painter.setPen(pen);
        painter.drawLine(f.map(X(x0), Y(y0)), f.map(X(x1), Y(y1)));
        painter.setBrush(Qt::white);
        painter.setPen(QPen(colour, std::max(1.0, f.sy() * 0.2)));
        const double dot = std::max(2.0, f.sy() * 0.45);
        for (std::size_t w = 0; w < 8; ++w) {
            const double width = k >= 15 ? p.guideWidths[w][kk] : 0;
            if (width == 0) break;
            if (width < y0 || width > y1 || y1 == y0) continue;
            const double force = x0 + (width - y0) * (x1 - x0) / (y1 - y0);
            painter.drawEllipse(f.map(X(force), Y(width)), dot, dot);
        }
    }
    painter.restore();

    painter.save();
    painter.setPen(QPen(Qt::black, std::max(1.0, f.sy() * 0.2)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(f.map(plot));
    painter.setFont(chartFont(f, 1.9));
    for (int mm = 0; mm <= 100; mm += 10) {
        const QPointF at = f.map(plot.left() - 0.6, Y(mm));
        drawText(painter, QRectF(at.x() - 200, at.y() - 50, 200, 100), Qt::AlignRight | Qt::AlignVCenter,
                 QString::number(mm));
    }
    for (double n = 0; n <= scale; n += forceStep) {
        const QPointF at = f.map(X(n), plot.bottom() + 0.5);
        drawText(painter, QRectF(at.x() - 100, at.y(), 200, 100), Qt::AlignHCenter | Qt::AlignTop,
                 QString::number(static_cast<int>(n)));
    }
    painter.setFont(chartFont(f, 2.1, true));
    const QPointF xTitle = f.map((plot.left() + plot.right()) / 2, plot.bottom() + 3.6);
    drawText(painter, QRectF(xTitle.x() - 400, xTitle.y(), 800, 100), Qt::AlignHCenter | Qt::AlignTop,
             QStringLiteral("Peripheral force [N]"));
    const QPointF yTitle = f.map(1.4, (plot.top() + plot.bottom()) / 2);
    painter.translate(yTitle);
    painter.rotate(-90);
    drawText(painter, QRectF(-400, -50, 800, 100), Qt::AlignCenter, QStringLiteral("Belt width [mm]"));
    painter.restore();
}

bool overlaps(const QRectF& a, const std::vector<QRectF>& others) {
    for (const auto& o : others)
        if (a.intersects(o)) return true;
    return false;
}

// Whether the segment a-b passes through the box.
bool segmentCrosses(const QRectF& box, QPointF a, QPointF b) {
    for (int i = 0; i <= 40; ++i) {
        const double t = i / 40.0;
        if (box.contains(a + (b - a) * t)) return true;
    }
    return false;
}

std::vector<QPointF> powerLabelCentres(const DriveProject& p, const PitchGroup& g,
                                       const std::vector<QSizeF>& sizes) {
    const bool rq = usesRubberQvpScale(g.chart);
    const QRectF plot = PitchChartPlotArea(p, g.chart);
    const double kwTop = topKw(g.chart);
    // Form x to rpm on this chart's axis.
    const double x10 = ChartXForRpm(kMinRpm, rq);
    const double perDecade = (ChartXForRpm(kMaxRpm, rq) - x10) / 3;
    const auto rpmAt = [&](double fx) { return kMinRpm * std::pow(10.0, (fx - x10) / perDecade); };
    const auto Y = [&](double kw) { return ChartYForKw(std::clamp(kw, kMinKw, kwTop), rq); };

    std::vector<QPointF> out;
    for (int i = 0; i < g.count; ++i) {
        const QSizeF size =
            i < static_cast<int>(sizes.size()) ? sizes[static_cast<std::size_t>(i)] : QSizeF(6, 3);
        const int k = std::min(g.rangeFirst + i, g.rangeLast);
        double bestRoom = -1e9;
        QPointF best(plot.center());
        // Slide the button along the region and keep the place with the most
        // room above and below it.
        for (double cx = plot.left() + size.width() / 2 + 0.5; cx <= plot.right() - size.width() / 2 - 0.5;
             cx += 0.5) {
            double lowest = plot.bottom();  // form y of the region's foot under the button
            double highest = plot.top();    // form y of the region's top over the button
            for (int s = 0; s <= 8; ++s) {
                const double r = rpmAt(cx - size.width() / 2 + size.width() * s / 8);
                const double upper = Y(boundaryKw(p, k, r));
                const double lower = k == g.rangeFirst ? plot.bottom() : Y(boundaryKw(p, k - 1, r));
                lowest = std::min(lowest, lower);
                highest = std::max(highest, upper);
            }
            const double room = lowest - highest - size.height();
            // Prefer the middle of the chart when the room is alike.
            const double score = std::min(room, 6.0) - std::abs(cx - plot.center().x()) * 0.02;
            if (score > bestRoom) {
                bestRoom = score;
                best = QPointF(cx, (lowest + highest) / 2);
            }
        }
        out.push_back(best);
    }
    return out;
}

std::vector<QPointF> widthLabelCentres(const DriveProject& p, const PitchGroup& g,
                                       const std::vector<QSizeF>& sizes) {
    const double scale = ChartForceScale(g.chart);
    const QRectF plot = PitchChartPlotArea(p, g.chart);
    const auto lineEnds = [&](int k) {
        const auto kk = static_cast<std::size_t>(k);
        return std::pair<QPointF, QPointF>{
            QPointF(ChartXForForce(p.guideLine[0][kk], scale), ChartYForWidth(p.guideLine[1][kk])),
            QPointF(ChartXForForce(p.guideLine[2][kk], scale), ChartYForWidth(p.guideLine[3][kk]))};
    };
    std::vector<QRectF> placed;
    std::vector<QPointF> out;
    for (int i = 0; i < g.count; ++i) {
        const QSizeF size =
            i < static_cast<int>(sizes.size()) ? sizes[static_cast<std::size_t>(i)] : QSizeF(6, 3);
        // A button beyond the range (QVP8HP) goes with the pitch it belongs to.
        const int k = g.rangeFirst + i <= g.rangeLast ? g.rangeFirst + i : g.rangeFirst + 1;
        const auto [a, b] = lineEnds(k);
        const double gap = 0.6;
        std::vector<QPointF> candidates;
        candidates.push_back(b + QPointF(0, -size.height() / 2 - gap));  // over the line's end
        for (double t : {0.7, 0.5, 0.85, 0.3, 1.0, 0.15}) {
            const QPointF on = a + (b - a) * t;
            candidates.push_back(on + QPointF(-size.width() / 2 - gap, 0));  // left of the line
            candidates.push_back(on + QPointF(size.width() / 2 + gap, 0));   // right of it
        }
        candidates.push_back(b + QPointF(0, size.height() / 2 + gap));
        QPointF chosen = candidates.front();
        bool found = false;
        for (int pass = 0; pass < 2 && !found; ++pass) {
            for (const QPointF& c : candidates) {
                const QRectF box(c.x() - size.width() / 2, c.y() - size.height() / 2, size.width(),
                                 size.height());
                if (!plot.contains(box) || overlaps(box, placed)) continue;
                bool crosses = false;
                // First pass: clear of every line; second: clear of the others' labels only.
                if (pass == 0)
                    for (int other = g.rangeFirst; other <= g.rangeLast; ++other) {
                        const auto [oa, ob] = lineEnds(other);
                        if (segmentCrosses(box, oa, ob)) crosses = true;
                    }
                if (crosses) continue;
                chosen = c;
                found = true;
                break;
            }
        }
        placed.emplace_back(chosen.x() - size.width() / 2, chosen.y() - size.height() / 2, size.width(),
                            size.height());
        out.push_back(chosen);
    }
    return out;
}

}  // namespace

QRectF PitchChartPlotArea(const DriveProject& /*p*/, int chart) {
    if (isPowerChart(chart)) {
        const bool rq = usesRubberQvpScale(chart);
        const double left = ChartXForRpm(kMinRpm, rq);
        const double right = ChartXForRpm(kMaxRpm, rq);
        const double top = ChartYForKw(topKw(chart), rq);
        const double bottom = ChartYForKw(kMinKw, rq);
        return QRectF(left, top, right - left, bottom - top);
    }
    const double scale = ChartForceScale(chart);
    const double left = ChartXForForce(0, scale);
    const double right = ChartXForForce(scale, scale);
    return QRectF(left, ChartYForWidth(100), right - left, ChartYForWidth(0) - ChartYForWidth(100));
}

void DrawPitchChart(QPainter& painter, const QRectF& target, const DriveProject& p, int chart) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(target, Qt::white);
    const Frame f{target};
    if (isPowerChart(chart))
        drawPowerChart(painter, f, p, chart);
    else
        drawWidthChart(painter, f, p, chart);
    painter.restore();
}

std::vector<QPointF> PitchLabelCentres(const DriveProject& p, const std::vector<QSizeF>& sizes) {
    const PitchGroup* g = FindPitchGroup(p.beltType);
    if (!g) return {};
    return IsWidthChart(g->chart) ? widthLabelCentres(p, *g, sizes) : powerLabelCentres(p, *g, sizes);
}

}  // namespace belt
