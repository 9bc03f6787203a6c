// STEP5's "Calculation details" view, beside the results page: every entry
// the design recorded, step by step (what, rule, values, catalogue rows,
// result; the messages the design showed marked as warnings), in the
// current units, and the rating chart of the chosen width. It shows what
// was recorded and computes nothing itself.
#pragma once

#include <QSize>
#include <QString>
#include <QWidget>

#include "drawing/ratingchart.h"
#include "engine/details.h"

class QLabel;
class QPushButton;
class QTextBrowser;

namespace belt {

struct DriveProject;

// The rating chart on the screen, in the screen's colours.
class RatingChartWidget : public QWidget {
    Q_OBJECT
public:
    explicit RatingChartWidget(const DriveProject& project, QWidget* parent = nullptr);

    void setChart(const RatingChart& chart);
    const RatingChart& chart() const { return chart_; }
    void setTextSize(double pixels);
    // Where the chart lies in the widget as it is painted now.
    RatingChartFrame frame() const;
    RatingChartStyle chartStyle() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const DriveProject& project_;
    RatingChart chart_;
    double textSize_ = 12;
};

class CalculationDetailsView : public QWidget {
    Q_OBJECT
public:
    explicit CalculationDetailsView(const DriveProject& project, QWidget* parent = nullptr);

    // The details the view shows; null or empty: the note that says how
    // they are recorded.
    void setDetails(const DesignDetails* details) { details_ = details; }
    // Writes the list and the chart anew, in the current units.
    void refresh();
    // Fonts follow the size of the form, as the results page's do.
    void setFormSize(const QSize& form);

    // The list as it reads (plain text), for tests and the clipboard.
    QString listText() const;
    bool hasDetails() const;

    QLabel* title = nullptr;
    QPushButton* showResults = nullptr;
    QTextBrowser* list = nullptr;
    QLabel* chartCaption = nullptr;
    RatingChartWidget* chart = nullptr;

private:
    const DriveProject& project_;
    const DesignDetails* details_ = nullptr;
    QWidget* chartPanel_ = nullptr;
};

// The look of the two buttons that switch between the results page and the
// calculation details.
QString DetailsButtonStyle();

}  // namespace belt
