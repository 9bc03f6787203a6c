// The rating chart of the calculation details: the chosen belt's rating with
// its width against speed (the speed of the smallest pulley for timing
// belts, the belt speed for multi-rib and flat belts), the operating point,
// the line of service factor x power and the rating the width gives at the
// operating speed. Drawn from the chart the design recorded, in the user's
// units, with one painting function for the screen and the printed pages.
#pragma once

#include <QColor>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <vector>

#include "engine/details.h"

class QPainter;

namespace belt {

struct DriveProject;

// Colours and sizes. Sizes are in the target rectangle's units.
struct RatingChartStyle {
    QColor background;  // fills the target; invalid: the target is left as it is
    QColor axes;        // frame, ticks, their numbers and the axis names
    QColor grid;
    QColor text;       // the legend and the note of a chart without curve
    QColor curve;      // the rating with the chosen width
    QColor operating;  // the operating point: the power at the operating speed
    QColor service;    // the line of service factor x power
    QColor rating;     // the rating the width gives at the operating speed
    QString fontFamily = QStringLiteral("Arial");
    double textSize = 12;  // height of the text's font (pixel size on a widget)
    double lineWidth = 1;  // axes, grid and marks; the curve is drawn twice as wide

    // Dark lines on white paper, text textSize high.
    static RatingChartStyle Paper(double textSize);
};

// One tick of an axis: its value in the user's unit, where it stands
// (target X for the speed axis, target Y for the power axis) and its number.
struct ChartTick {
    double value;
    double position;
    QString label;
};

// One line of the legend: what it shows, with the recorded value in the
// user's unit where it has one.
struct ChartLegendItem {
    enum class Mark { Curve, Rating, Service, Operating } mark;
    QString text;
    QRectF box;  // the whole item, its sample at the left
};

// Where the chart lies in a target rectangle: the plot area, the axes
// scaled in the user's units with round ticks, and the mapping between the
// chart's values (speed in rad/s or m/s, power in W) and the target.
class RatingChartFrame {
public:
    RatingChartFrame(const RatingChart& chart, const DriveProject& forUnits, const QRectF& target,
                     const RatingChartStyle& style);

    // False when the chart has no curve or the target no room: only a note is drawn.
    bool valid() const { return valid_; }
    const QRectF& plot() const { return plot_; }

    QPointF toTarget(double speed, double power) const;
    // A target point as (speed, power) of the chart.
    QPointF toChart(const QPointF& target) const;

    // What is drawn, in target units.
    QPolygonF curve() const;
    QPointF operatingPoint() const;  // the power transmitted at the operating speed
    QPointF ratingPoint() const;     // the rating with the width at the operating speed
    double serviceLineY() const;     // service factor x power, across the plot

    const std::vector<ChartTick>& xTicks() const { return xTicks_; }
    const std::vector<ChartTick>& yTicks() const { return yTicks_; }
    const QString& xTitle() const { return xTitle_; }
    const QString& yTitle() const { return yTitle_; }
    const std::vector<ChartLegendItem>& legend() const { return legend_; }
    // The axis names' places.
    const QRectF& xTitleBox() const { return xTitleBox_; }
    const QRectF& yTitleBox() const { return yTitleBox_; }

private:
    RatingChart chart_;
    QRectF plot_;
    double xMax_ = 1;  // user's units
    double yMax_ = 1;
    double xFactor_ = 1;  // chart units per user unit
    double yFactor_ = 1;
    std::vector<ChartTick> xTicks_;
    std::vector<ChartTick> yTicks_;
    QString xTitle_;
    QString yTitle_;
    QRectF xTitleBox_;
    QRectF yTitleBox_;
    std::vector<ChartLegendItem> legend_;
    bool valid_ = false;
};

// Paints the chart into target (in the painter's current coordinates); a
// chart the design did not record, or one without rating, is a short note.
void DrawRatingChart(QPainter& painter, const QRectF& target, const RatingChart& chart,
                     const DriveProject& forUnits, const RatingChartStyle& style);

// The note drawn instead of a chart without curve.
QString NoRatingChartText();

}  // namespace belt
