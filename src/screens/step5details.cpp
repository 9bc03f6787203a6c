#include "screens/step5details.h"

#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "engine/pulleydata.h"
#include "print/detailspages.h"
#include "project/driveproject.h"
#include "screens/screenstyle.h"

namespace belt {

using style::FormFont;
using style::FormFontScale;
using style::qs;

namespace {

const char* const kFontFamily = "Arial";

QString Esc(const std::string& s) {
    return qs(s).toHtmlEscaped();
}

QString Colour(const QColor& c) {
    return c.name();
}

// The recorded entries in the order of the steps, as HTML in the screen's
// colours: a heading per step, for every entry what it is, its rule, the
// values it used, the catalogue rows and its result; a message the design
// showed stands out as a warning.
QString DetailsHtml(const DriveProject& p, const std::vector<DetailEntry>& entries) {
    const QString warning = Colour(style::kDetailsWarning);
    const QString source = Colour(style::kDetailsSource);
    QString h;
    QString step;
    for (const DetailEntry& e : entries) {
        const DetailText t = FormatDetail(p, e);
        if (h.isEmpty() || qs(t.step) != step) {
            step = qs(t.step);
            h += QStringLiteral("<h3 style=\"color:%1; margin-top:16px; margin-bottom:4px\">%2</h3>")
                     .arg(Colour(style::kHeading), step.toHtmlEscaped());
        }
        if (t.message) {
            QString text = Esc(t.result);
            text.replace(QLatin1Char('\r'), QStringLiteral("<br>"));
            h += QStringLiteral(
                     "<p style=\"margin-top:6px; margin-bottom:6px; color:%1\"><b>\u26A0 %2</b><br>%3</p>")
                     .arg(warning, t.what.empty() ? QStringLiteral("Message") : Esc(t.what), text);
            continue;
        }
        h += QStringLiteral("<p style=\"margin-top:6px; margin-bottom:0px; color:%1\"><b>%2</b></p>")
                 .arg(Colour(style::kCaption), Esc(t.what));
        QStringList lines;
        if (!t.formula.empty())
            lines << QStringLiteral("<i style=\"color:%1\">%2</i>")
                         .arg(Colour(style::kSubtitle), Esc(t.formula));
        if (!t.inputs.empty()) {
            QStringList inputs;
            for (const std::string& in : t.inputs) inputs << Esc(in);
            lines << QStringLiteral("<span style=\"color:%1\">with %2</span>")
                         .arg(Colour(style::kLightGrey), inputs.join(QStringLiteral(", ")));
        }
        if (!t.source.empty())
            lines << QStringLiteral("<i style=\"color:%1\">from %2</i>").arg(source, Esc(t.source));
        lines << QStringLiteral("<b style=\"color:%1\">gives %2</b>")
                     .arg(Colour(style::kYellow), Esc(t.result));
        h += QStringLiteral("<p style=\"margin-left:24px; margin-top:0px; margin-bottom:6px\">%1</p>")
                 .arg(lines.join(QStringLiteral("<br>")));
    }
    return h;
}

}  // namespace

QString DetailsButtonStyle() {
    return QStringLiteral(
               "QPushButton { background: %1; color: %2; border: 1px solid %3; border-radius: 4px;"
               " padding: 2px 10px; }"
               "QPushButton:hover { background: %4; }"
               "QPushButton:focus { border: 2px solid %5; }")
        .arg(Colour(style::kButton), Colour(style::kButtonText), Colour(style::kButtonBorder),
             Colour(style::kButtonHover), Colour(style::kYellow));
}

// ---------------------------------------------------------------------------
// The chart

RatingChartWidget::RatingChartWidget(const DriveProject& project, QWidget* parent)
    : QWidget(parent), project_(project) {
    setObjectName(QStringLiteral("RatingChart"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 160);
}

void RatingChartWidget::setChart(const RatingChart& chart) {
    chart_ = chart;
    update();
}

void RatingChartWidget::setTextSize(double pixels) {
    textSize_ = pixels;
    update();
}

RatingChartStyle RatingChartWidget::chartStyle() const {
    RatingChartStyle s;
    s.background = style::kPageBackground;
    s.axes = style::kLightGrey;
    s.grid = style::kPanel;
    s.text = style::kCaption;
    s.curve = style::kCyan;
    s.operating = style::kRed;
    s.service = style::kYellow;
    s.rating = style::kRatingLine;
    s.fontFamily = QString::fromLatin1(kFontFamily);
    s.textSize = textSize_;
    s.lineWidth = std::max(1.0, textSize_ / 12);
    return s;
}

RatingChartFrame RatingChartWidget::frame() const {
    return RatingChartFrame(chart_, project_, QRectF(rect()).adjusted(4, 4, -4, -4), chartStyle());
}

void RatingChartWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), style::kPageBackground);
    DrawRatingChart(painter, QRectF(rect()).adjusted(4, 4, -4, -4), chart_, project_, chartStyle());
}

// ---------------------------------------------------------------------------
// The view

CalculationDetailsView::CalculationDetailsView(const DriveProject& project, QWidget* parent)
    : QWidget(parent), project_(project) {
    setObjectName(QStringLiteral("CalculationDetails"));
    setAutoFillBackground(true);
    style::SetColour(this, QPalette::Window, style::kPageBackground);

    title = new QLabel(this);
    title->setObjectName(QStringLiteral("DetailsTitle"));
    title->setTextFormat(Qt::PlainText);
    style::SetColour(title, QPalette::WindowText, style::kCyan);

    showResults = new QPushButton(QStringLiteral("&Results"), this);
    showResults->setObjectName(QStringLiteral("ShowResults"));
    showResults->setToolTip(QStringLiteral("Back to the results page"));
    showResults->setStyleSheet(DetailsButtonStyle());

    list = new QTextBrowser(this);
    list->setObjectName(QStringLiteral("DetailsList"));
    list->setOpenLinks(false);
    list->setStyleSheet(
        QStringLiteral("QTextBrowser#DetailsList { background: %1; color: %2; border: 1px solid %3; }")
            .arg(style::kPageBackground.name(), style::kLightGrey.name(), style::kPanelBorder.name()));
    // Read with the arrows and the page keys as soon as it is shown.
    list->setFocusPolicy(Qt::StrongFocus);

    // The chart and its caption go together: without details the list takes
    // the whole width.
    chartPanel_ = new QWidget(this);
    chartCaption = new QLabel(QStringLiteral("Rating chart"), chartPanel_);
    chartCaption->setObjectName(QStringLiteral("RatingChartCaption"));
    chartCaption->setTextFormat(Qt::PlainText);
    style::SetColour(chartCaption, QPalette::WindowText, style::kHeading);
    chart = new RatingChartWidget(project_, chartPanel_);

    auto* head = new QHBoxLayout;
    head->addWidget(title, 1);
    head->addWidget(showResults);
    auto* chartColumn = new QVBoxLayout(chartPanel_);
    chartColumn->setContentsMargins(0, 0, 0, 0);
    chartColumn->addWidget(chartCaption);
    chartColumn->addWidget(chart, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(list, 3);
    body->addWidget(chartPanel_, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(head);
    layout->addLayout(body, 1);
}

bool CalculationDetailsView::hasDetails() const {
    return details_ && !details_->entries().empty();
}

void CalculationDetailsView::refresh() {
    title->setText(QStringLiteral("Calculation details:  ") + qs(TitoloBox(project_).title));
    const int scroll = list->verticalScrollBar() ? list->verticalScrollBar()->value() : 0;
    if (!hasDetails()) {
        list->setHtml(QStringLiteral("<p style=\"color:%1; font-size:large; margin:12px\">%2</p>")
                          .arg(style::kCaption.name(), NoCalculationDetailsText().toHtmlEscaped()));
        chart->setChart(RatingChart{});
        chartPanel_->hide();
        return;
    }
    const DesignDetails all = DetailsToShow(project_, *details_);
    list->setHtml(DetailsHtml(project_, DetailsInStepOrder(all.entries())));
    list->verticalScrollBar()->setValue(scroll);
    chart->setChart(all.chart);
    chartPanel_->show();
}

void CalculationDetailsView::setFormSize(const QSize& form) {
    const double scale = FormFontScale(QSizeF(form));
    const QString family = QString::fromLatin1(kFontFamily);
    title->setFont(FormFont(family, 16, true, false, scale));
    chartCaption->setFont(FormFont(family, 13, true, false, scale));
    showResults->setFont(FormFont(family, 11, true, false, scale));
    const QFont text = FormFont(family, 11, false, false, scale);
    list->setFont(text);
    list->document()->setDefaultFont(text);
    chart->setTextSize(QFontInfo(text).pixelSize());
}

QString CalculationDetailsView::listText() const {
    return list->toPlainText();
}

}  // namespace belt
