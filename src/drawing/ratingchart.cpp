#include "drawing/ratingchart.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QTransform>
#include <algorithm>
#include <cmath>

#include "drawing/devicepixels.h"
#include "project/driveproject.h"
#include "units/units.h"

namespace belt {

namespace {

QString Qs(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QFont ChartFont(const RatingChartStyle& s) {
    QFont f(s.fontFamily);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(s.textSize))));
    return f;
}

// The step of round numbers (1, 2 or 5 times a power of ten) nearest above
// range / count.
double RoundStep(double range, double count) {
    const double raw = range / std::max(count, 1.0);
    const double decade = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * decade >= raw * (1 - 1e-9)) return m * decade;
    return 10 * decade;
}

// The next round step above step.
double NextStep(double step) {
    const double decade = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    const double m = step / decade;
    if (m < 1.5) return 2 * decade;
    if (m < 3.5) return 5 * decade;
    return 10 * decade;
}

QString TickLabel(double value, double step) {
    const int decimals = step >= 1 ? 0 : static_cast<int>(std::ceil(-std::log10(step) - 1e-9));
    return QString::number(value, 'f', decimals);
}

double AxisEnd(double raw, double step) {
    return std::max(step, std::ceil(raw / step - 1e-9) * step);
}

QString Value(const DriveProject& p, double value, DetailUnit unit) {
    DetailValue v;
    v.value = value;
    v.unit = unit;
    return Qs(FormatDetailValue(p, v));
}

}  // namespace

RatingChartStyle RatingChartStyle::Paper(double textSize) {
    RatingChartStyle s;
    s.background = Qt::white;
    s.axes = Qt::black;
    s.grid = QColor(200, 200, 200);
    s.text = Qt::black;
    s.curve = QColor(30, 90, 190);
    s.operating = QColor(200, 0, 0);
    s.service = QColor(210, 110, 0);
    s.rating = QColor(0, 120, 40);
    s.textSize = textSize;
    s.lineWidth = textSize / 12;
    return s;
}

QString NoRatingChartText() {
    return QStringLiteral("No rating chart: the design has not rated a belt width.");
}

RatingChartFrame::RatingChartFrame(const RatingChart& chart, const DriveProject& p, const QRectF& target,
                                   const RatingChartStyle& style)
    : chart_(chart) {
    const int xQuantity = chart.speedIsRpm ? kAngularVelocity : kVelocity;
    xFactor_ = CurrentFactor(p, xQuantity);
    yFactor_ = CurrentFactor(p, kPower);
    xTitle_ =
        (chart.speedIsRpm ? QStringLiteral("Speed of the smallest pulley ") : QStringLiteral("Belt speed ")) +
        Qs(CurrentLabel(p, xQuantity));
    yTitle_ = QStringLiteral("Power ") + Qs(CurrentLabel(p, kPower));
    if (!chart.present || chart.curve.size() < 2 || !(xFactor_ > 0) || !(yFactor_ > 0)) return;

    double xRaw = 0;
    double yRaw = std::max({chart.power, chart.servicePower, chart.rating});
    for (const auto& [x, y] : chart.curve) {
        xRaw = std::max(xRaw, x);
        yRaw = std::max(yRaw, y);
    }
    xRaw /= xFactor_;
    yRaw = yRaw / yFactor_ * 1.05;
    if (!(xRaw > 0) || !(yRaw > 0) || !std::isfinite(xRaw) || !std::isfinite(yRaw)) return;

    const QFontMetricsF fm(ChartFont(style));
    const double line = fm.height();
    const double gap = fm.averageCharWidth();

    // The legend along the bottom edge, in two columns where they fit.
    const DetailUnit speedUnit = chart.speedIsRpm ? DetailUnit(kAngularVelocity) : DetailUnit(kVelocity);
    legend_ = {
        {ChartLegendItem::Mark::Curve, QStringLiteral("Rating with the chosen width"), {}},
        {ChartLegendItem::Mark::Rating,
         QStringLiteral("Rating at the operating speed: ") + Value(p, chart.rating, kPower),
         {}},
        {ChartLegendItem::Mark::Service,
         QStringLiteral("Service factor \u00D7 power: ") + Value(p, chart.servicePower, kPower),
         {}},
        {ChartLegendItem::Mark::Operating,
         QStringLiteral("Power transmitted: ") + Value(p, chart.power, kPower) + QStringLiteral(" at ") +
             Value(p, chart.operatingSpeed, speedUnit),
         {}},
    };
    const double sample = 3 * gap;
    double itemWidth = 0;
    for (const ChartLegendItem& item : legend_)
        itemWidth = std::max(itemWidth, sample + gap + fm.horizontalAdvance(item.text));
    const int columns = 2 * itemWidth + 2 * gap <= target.width() ? 2 : 1;
    const int rows = (static_cast<int>(legend_.size()) + columns - 1) / columns;
    const double rowHeight = line * 1.25;
    const double legendTop = target.bottom() - rows * rowHeight;
    const double columnWidth = columns == 2 ? target.width() / 2 : target.width();
    for (std::size_t i = 0; i < legend_.size(); ++i) {
        const int row = static_cast<int>(i) / columns;
        const int column = static_cast<int>(i) % columns;
        legend_[i].box = QRectF(target.left() + column * columnWidth, legendTop + row * rowHeight,
                                std::min(itemWidth, columnWidth), line);
    }

    // Above the legend: the speed axis' numbers and name; above the plot
    // the power axis' name.
    const double plotBottom = legendTop - line * 0.6 - line - line * 0.3 - line - gap * 0.5;
    const double plotTop = target.top() + line * 1.4;
    const double plotHeight = plotBottom - plotTop;
    if (plotHeight < 2 * line) return;

    double yStep = RoundStep(yRaw, std::clamp(std::floor(plotHeight / (line * 2)), 2.0, 8.0));
    yMax_ = AxisEnd(yRaw, yStep);
    double labelWidth = 0;
    for (double v = 0; v <= yMax_ + yStep / 2; v += yStep)
        labelWidth = std::max(labelWidth, fm.horizontalAdvance(TickLabel(v, yStep)));
    const double plotLeft = target.left() + labelWidth + gap * 1.2;

    // The speed numbers stand at least two characters apart.
    const double right = target.right() - gap * 0.5;
    double xStep = RoundStep(xRaw, 8);
    for (int guard = 0; guard < 20; ++guard) {
        const double end = AxisEnd(xRaw, xStep);
        const double lastWidth = fm.horizontalAdvance(TickLabel(end, xStep));
        const double width = right - lastWidth / 2 - plotLeft;
        const double perTick = width * xStep / end;
        double widest = 0;
        for (double v = 0; v <= end + xStep / 2; v += xStep)
            widest = std::max(widest, fm.horizontalAdvance(TickLabel(v, xStep)));
        if (perTick >= widest + 2 * gap) break;
        xStep = NextStep(xStep);
    }
    xMax_ = AxisEnd(xRaw, xStep);
    const double plotRight = right - fm.horizontalAdvance(TickLabel(xMax_, xStep)) / 2;
    if (plotRight - plotLeft < 4 * gap) return;
    plot_ = QRectF(QPointF(plotLeft, plotTop), QPointF(plotRight, plotBottom));

    for (double v = 0; v <= xMax_ + xStep / 2; v += xStep)
        xTicks_.push_back({v, plot_.left() + plot_.width() * v / xMax_, TickLabel(v, xStep)});
    for (double v = 0; v <= yMax_ + yStep / 2; v += yStep)
        yTicks_.push_back({v, plot_.bottom() - plot_.height() * v / yMax_, TickLabel(v, yStep)});

    const double numbersTop = plot_.bottom() + line * 0.3;
    const double xTitleWidth = fm.horizontalAdvance(xTitle_);
    xTitleBox_ =
        QRectF(plot_.center().x() - xTitleWidth / 2, numbersTop + line + line * 0.3, xTitleWidth, line);
    xTitleBox_.moveLeft(
        std::clamp(xTitleBox_.left(), target.left(), std::max(target.left(), target.right() - xTitleWidth)));
    yTitleBox_ = QRectF(target.left(), target.top(), fm.horizontalAdvance(yTitle_), line);
    valid_ = true;
}

QPointF RatingChartFrame::toTarget(double speed, double power) const {
    return {plot_.left() + plot_.width() * speed / xFactor_ / xMax_,
            plot_.bottom() - plot_.height() * power / yFactor_ / yMax_};
}

QPointF RatingChartFrame::toChart(const QPointF& t) const {
    return {(t.x() - plot_.left()) / plot_.width() * xMax_ * xFactor_,
            (plot_.bottom() - t.y()) / plot_.height() * yMax_ * yFactor_};
}

QPolygonF RatingChartFrame::curve() const {
    QPolygonF line;
    for (const auto& [x, y] : chart_.curve) line << toTarget(x, y);
    return line;
}

QPointF RatingChartFrame::operatingPoint() const {
    return toTarget(chart_.operatingSpeed, chart_.power);
}

QPointF RatingChartFrame::ratingPoint() const {
    return toTarget(chart_.operatingSpeed, chart_.rating);
}

double RatingChartFrame::serviceLineY() const {
    return toTarget(0, chart_.servicePower).y();
}

namespace {

QPen Pen(const QColor& colour, double width, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(colour, std::max(width, 0.0), style);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void DrawMark(QPainter& painter, ChartLegendItem::Mark mark, const QPointF& at, const RatingChartStyle& s) {
    const double r = s.textSize * 0.32;
    switch (mark) {
        case ChartLegendItem::Mark::Rating:
            painter.setPen(Pen(s.rating, s.lineWidth));
            painter.setBrush(s.rating);
            painter.drawEllipse(at, r, r);
            break;
        case ChartLegendItem::Mark::Operating:
            painter.setPen(Pen(s.operating, s.lineWidth));
            painter.setBrush(s.operating);
            painter.drawRect(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r));
            break;
        case ChartLegendItem::Mark::Curve:
        case ChartLegendItem::Mark::Service:
            break;
    }
    painter.setBrush(Qt::NoBrush);
}

void Paint(QPainter& painter, const QRectF& target, const RatingChart& chart, const DriveProject& p,
           const RatingChartStyle& s) {
    if (s.background.isValid()) painter.fillRect(target, s.background);
    const QFont font = ChartFont(s);
    painter.setFont(font);
    const QFontMetricsF fm(font);
    const RatingChartFrame f(chart, p, target, s);
    if (!f.valid()) {
        painter.setPen(s.text);
        painter.drawText(target, Qt::AlignCenter | Qt::TextWordWrap, NoRatingChartText());
        return;
    }
    const QRectF& plot = f.plot();
    const double dash = s.textSize * 0.5;

    // Grid, frame, ticks and their numbers.
    painter.setPen(Pen(s.grid, s.lineWidth));
    for (const ChartTick& t : f.xTicks())
        painter.drawLine(QPointF(t.position, plot.top()), QPointF(t.position, plot.bottom()));
    for (const ChartTick& t : f.yTicks())
        painter.drawLine(QPointF(plot.left(), t.position), QPointF(plot.right(), t.position));
    painter.setPen(Pen(s.axes, s.lineWidth));
    painter.drawRect(plot);
    const double tick = s.textSize * 0.3;
    for (const ChartTick& t : f.xTicks()) {
        painter.drawLine(QPointF(t.position, plot.bottom()), QPointF(t.position, plot.bottom() + tick));
        const double w = fm.horizontalAdvance(t.label);
        painter.drawText(QPointF(t.position - w / 2, plot.bottom() + fm.height() * 0.3 + fm.ascent()),
                         t.label);
    }
    for (const ChartTick& t : f.yTicks()) {
        painter.drawLine(QPointF(plot.left() - tick, t.position), QPointF(plot.left(), t.position));
        const double w = fm.horizontalAdvance(t.label);
        painter.drawText(QPointF(plot.left() - fm.averageCharWidth() * 0.8 - w,
                                 t.position - fm.height() / 2 + fm.ascent()),
                         t.label);
    }
    painter.drawText(QPointF(f.xTitleBox().left(), f.xTitleBox().top() + fm.ascent()), f.xTitle());
    painter.drawText(QPointF(f.yTitleBox().left(), f.yTitleBox().top() + fm.ascent()), f.yTitle());

    // Inside the plot: the service line, the operating speed up to the
    // rating, the curve and the two points.
    painter.save();
    painter.setClipRect(plot);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF rating = f.ratingPoint();
    const QPointF operating = f.operatingPoint();
    painter.setPen(Pen(s.rating, s.lineWidth, Qt::DotLine));
    painter.drawLine(QPointF(operating.x(), plot.bottom()),
                     QPointF(operating.x(), std::min(rating.y(), operating.y())));
    painter.drawLine(QPointF(plot.left(), rating.y()), rating);
    QPen service = Pen(s.service, s.lineWidth * 1.5);
    service.setDashPattern({dash / (s.lineWidth * 1.5), dash / (s.lineWidth * 1.5) * 0.6});
    painter.setPen(service);
    painter.drawLine(QPointF(plot.left(), f.serviceLineY()), QPointF(plot.right(), f.serviceLineY()));
    painter.setPen(Pen(s.curve, s.lineWidth * 2));
    painter.drawPolyline(f.curve());
    painter.restore();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    DrawMark(painter, ChartLegendItem::Mark::Operating, operating, s);
    DrawMark(painter, ChartLegendItem::Mark::Rating, rating, s);
    painter.restore();

    // The legend.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double sample = 3 * fm.averageCharWidth();
    for (const ChartLegendItem& item : f.legend()) {
        const double y = item.box.center().y();
        const QPointF a(item.box.left(), y);
        const QPointF b(item.box.left() + sample, y);
        switch (item.mark) {
            case ChartLegendItem::Mark::Curve:
                painter.setPen(Pen(s.curve, s.lineWidth * 2));
                painter.drawLine(a, b);
                break;
            case ChartLegendItem::Mark::Service:
                painter.setPen(service);
                painter.drawLine(a, b);
                break;
            case ChartLegendItem::Mark::Rating:
            case ChartLegendItem::Mark::Operating:
                DrawMark(painter, item.mark, (a + b) / 2, s);
                break;
        }
        painter.setPen(s.text);
        painter.drawText(QPointF(b.x() + fm.averageCharWidth(), item.box.top() + fm.ascent()), item.text);
    }
    painter.restore();
}

}  // namespace

void DrawRatingChart(QPainter& painter, const QRectF& target, const RatingChart& chart,
                     const DriveProject& forUnits, const RatingChartStyle& style) {
    painter.save();
    // Text and lines are sized on the device, so that a page's logical
    // window neither stretches the text nor thins the lines.
    const QTransform t = ToDevicePixels(painter);
    const QRectF device = t.mapRect(target);
    const double k = target.height() > 0 ? device.height() / target.height() : 1;
    RatingChartStyle s = style;
    s.textSize *= k;
    s.lineWidth *= k;
    painter.resetTransform();
    Paint(painter, device, chart, forUnits, s);
    painter.restore();
}

}  // namespace belt
