#include "print/detailspages.h"

#include <QPainter>
#include <QPen>
#include <QStringList>
#include <algorithm>
#include <string>
#include <vector>

#include "drawing/ratingchart.h"
#include "engine/details.h"
#include "engine/installation.h"
#include "engine/pulleydata.h"
#include "print/pagecanvas.h"
#include "print/pageheading.h"
#include "project/driveproject.h"

namespace belt {

namespace {

constexpr double kPageWidth = 200;
constexpr double kPageHeight = 100;

// The two columns of entries and the body between heading and footer.
struct Column {
    double left;
    double right;
};
constexpr Column kColumns[2] = {{6, 97}, {103, 196}};
constexpr double kBodyTop = 19;
constexpr double kFooterGap = 1;
// Lines after the first of an entry stand this far in.
constexpr double kIndent = 3;
// The rating chart in the right column of the first page, under its caption.
constexpr double kChartHeight = 42;

constexpr double kHeadingPoints = 11;
constexpr double kTextPoints = 9;

const QColor kMessageColour(170, 0, 0);

QString Qs(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// One printed line of a block.
struct Line {
    QString text;
    double indent = 0;
    double points = kTextPoints;
    bool bold = false;
    bool italic = false;
    QColor colour = Qt::black;
};

// Lines that stay together in a column: a step's heading, an entry.
struct Block {
    std::vector<Line> lines;
    bool heading = false;
    QString step;
    double height = 0;  // logical units, the space after it included
    double above = 0;   // space before it, unless it heads a column
};

void SetFont(PageCanvas& c, const Line& l) {
    c.setFont(l.points, l.bold, l.italic);
}

// Pieces of text joined by sep on lines no wider than room in the current
// font; a piece too long for a line is broken at its blanks, a word too long
// at the character where the line ends.
QStringList Wrap(PageCanvas& c, const QStringList& pieces, const QString& sep, double room) {
    QStringList lines;
    QString line;
    for (const QString& piece : pieces) {
        const QString longer = line.isEmpty() ? piece : line + sep + piece;
        if (!line.isEmpty() && c.textWidth(longer) > room) {
            lines << line + sep.trimmed();
            line = piece;
        } else {
            line = longer;
        }
    }
    if (!line.isEmpty() || lines.isEmpty()) lines << line;

    QStringList fitted;
    for (const QString& l : lines) {
        if (c.textWidth(l) <= room) {
            fitted << l;
            continue;
        }
        if (sep != QLatin1String(" ") && l.contains(QLatin1Char(' '))) {
            fitted << Wrap(c, l.split(QLatin1Char(' ')), QStringLiteral(" "), room);
            continue;
        }
        QString part;
        for (const QChar ch : l) {
            if (!part.isEmpty() && c.textWidth(part + ch) > room) {
                fitted << part;
                part.clear();
            }
            part += ch;
        }
        fitted << part;
    }
    return fitted;
}

void AddWrapped(PageCanvas& c, Block& b, Line model, const QStringList& pieces, const QString& sep,
                double width) {
    SetFont(c, model);
    for (const QString& text : Wrap(c, pieces, sep, width - model.indent)) {
        model.text = text;
        b.lines.push_back(model);
    }
}

QStringList Words(const QString& text) {
    return text.split(QLatin1Char(' '));
}

void Measure(PageCanvas& c, Block& b) {
    b.height = 0;
    for (const Line& l : b.lines) {
        SetFont(c, l);
        b.height += c.lineHeight();
    }
    c.setFont(kTextPoints, false, false);
    b.height += c.lineHeight() * (b.heading ? 0.15 : 0.45);
    b.above = b.heading ? c.lineHeight() * 0.4 : 0;
}

Block Heading(PageCanvas& c, const QString& text, const QString& step, double width) {
    Block h;
    h.heading = true;
    h.step = step;
    Line l;
    l.points = kHeadingPoints;
    l.bold = true;
    AddWrapped(c, h, l, Words(text), QStringLiteral(" "), width);
    Measure(c, h);
    return h;
}

std::vector<Block> BuildBlocks(PageCanvas& c, const DriveProject& p, const std::vector<DetailEntry>& entries,
                               double width) {
    std::vector<Block> blocks;
    QString step;
    for (const DetailEntry& e : entries) {
        const DetailText t = FormatDetail(p, e);
        if (blocks.empty() || Qs(t.step) != step) {
            step = Qs(t.step);
            blocks.push_back(Heading(c, step, step, width));
        }
        Block b;
        b.step = step;
        if (t.message) {
            Line l;
            l.bold = true;
            l.colour = kMessageColour;
            const QString title = t.what.empty() ? QStringLiteral("Message") : Qs(t.what);
            AddWrapped(c, b, l, Words(QStringLiteral("! ") + title + QLatin1Char(':')), QStringLiteral(" "),
                       width);
            l.bold = false;
            l.indent = kIndent;
            for (const QString& part : Qs(t.result).split(QLatin1Char('\r')))
                AddWrapped(c, b, l, Words(part.trimmed()), QStringLiteral(" "), width);
            blocks.push_back(std::move(b));
            continue;
        }
        Line what;
        what.bold = true;
        AddWrapped(c, b, what, Words(Qs(t.what)), QStringLiteral(" "), width);
        Line body;
        body.indent = kIndent;
        if (!t.formula.empty()) {
            Line formula = body;
            formula.italic = true;
            AddWrapped(c, b, formula, Words(Qs(t.formula)), QStringLiteral(" "), width);
        }
        if (!t.inputs.empty()) {
            QStringList inputs;
            for (const std::string& in : t.inputs) inputs << Qs(in);
            inputs.front() = QStringLiteral("with ") + inputs.front();
            AddWrapped(c, b, body, inputs, QStringLiteral(", "), width);
        }
        if (!t.source.empty())
            AddWrapped(c, b, body, Words(QStringLiteral("from ") + Qs(t.source)), QStringLiteral(" "), width);
        Line result = body;
        result.bold = true;
        AddWrapped(c, b, result, Words(QStringLiteral("gives ") + Qs(t.result)), QStringLiteral(" "), width);
        blocks.push_back(std::move(b));
    }
    for (Block& b : blocks)
        if (!b.heading) Measure(c, b);
    return blocks;
}

// Where a block goes: page, column and top.
struct Placed {
    const Block* block;
    int page;
    int column;
    double top;
};

// Places the blocks down the left and then the right column of each page.
// A column that starts within a step repeats its heading, marked as
// continued (kept in `continued`).
std::vector<Placed> Flow(PageCanvas& c, const std::vector<Block>& blocks, double width, double bottom,
                         double firstRightTop, std::vector<Block>& continued, int& pages) {
    continued.reserve(blocks.size());
    std::vector<Placed> placed;
    int page = 0;
    int column = 0;
    double y = kBodyTop;
    auto nextColumn = [&] {
        if (column == 0) {
            column = 1;
            y = page == 0 ? firstRightTop : kBodyTop;
        } else {
            column = 0;
            ++page;
            y = kBodyTop;
        }
    };
    auto columnTop = [&] { return column == 1 && page == 0 ? firstRightTop : kBodyTop; };
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const Block& b = blocks[i];
        // A step's heading stays with its first entry.
        double need = b.above + b.height;
        if (b.heading && i + 1 < blocks.size()) need += blocks[i + 1].height;
        if (y + need > bottom && y > columnTop()) nextColumn();
        if (y <= columnTop() && !b.heading) {
            continued.push_back(Heading(c, b.step + QStringLiteral(" (continued)"), b.step, width));
            placed.push_back({&continued.back(), page, column, y});
            y += continued.back().height;
        }
        if (y > columnTop()) y += b.above;
        placed.push_back({&b, page, column, y});
        y += b.height;
    }
    pages = page + 1;
    return placed;
}

void PaintHeading(PageCanvas& c, const DriveProject& p, const QDate& date, int page, int pages) {
    PaintMakerHeading(
        c, HeadingPlaces{QRectF(6, 3, 8, 10), QRectF(20, 9, 5, 3), QPointF(20, 2), QPointF(26, 10)});
    c.setFont(14, true, false);
    c.text(kColumns[0].left, 14, CalculationDetailsTitle());
    const double after = kColumns[0].left + c.textWidth(CalculationDetailsTitle() + QStringLiteral("   "));
    c.setFont(12, true, false);
    c.text(after, 14.4, Qs(TitoloBox(p).title));
    PaintFooter(c, date, 9, false);
    c.setFont(9, false, false);
    const QString number = QStringLiteral("%1 %2 of %3").arg(CalculationDetailsTitle()).arg(page).arg(pages);
    c.text(kColumns[1].right - c.textWidth(number), FooterTop(c), number);
}

}  // namespace

DesignDetails DetailsToShow(const DriveProject& p, const DesignDetails& recorded) {
    DesignDetails all = recorded;
    const auto& entries = all.entries();
    if (std::any_of(entries.begin(), entries.end(),
                    [](const DetailEntry& e) { return e.step == DetailStep::BeltCode; }))
        InstallationDataLines(p, &all);
    return all;
}

QString CalculationDetailsTitle() {
    return QStringLiteral("Calculation details");
}

int PaintCalculationDetailsPages(QPainter& painter, const QRectF& page, const DriveProject& p,
                                 const DesignDetails& details, const QDate& date, const NewPage& newPage) {
    painter.save();
    PageCanvas c(painter, page, kPageWidth, kPageHeight);
    const double bottom = FooterTop(c) - kFooterGap;

    const DesignDetails all = DetailsToShow(p, details);
    const std::vector<DetailEntry> entries = DetailsInStepOrder(all.entries());

    const double width = kColumns[0].right - kColumns[0].left;
    const std::vector<Block> blocks = BuildBlocks(c, p, entries, width);

    // The chart's caption and the chart itself head the right column of
    // the first page.
    c.setFont(kHeadingPoints, true, false);
    const double captionHeight = c.lineHeight();
    const double chartTop = kBodyTop + captionHeight;
    const double firstRightTop = chartTop + kChartHeight + 2;

    int pages = 1;
    std::vector<Block> continued;
    const std::vector<Placed> placed = Flow(c, blocks, width, bottom, firstRightTop, continued, pages);

    for (int n = 0; n < pages; ++n) {
        if (n > 0 && newPage && !newPage()) break;
        PaintHeading(c, p, date, n + 1, pages);
        if (n == 0) {
            c.setFont(kHeadingPoints, true, false);
            c.text(kColumns[1].left, kBodyTop, QStringLiteral("Rating chart"));
            DrawRatingChart(painter,
                            c.device(QRectF(QPointF(kColumns[1].left, chartTop),
                                            QPointF(kColumns[1].right, chartTop + kChartHeight))),
                            all.chart, p, RatingChartStyle::Paper(c.pointSize(8)));
            if (entries.empty()) {
                c.setFont(kTextPoints, false, false);
                Block note;
                AddWrapped(c, note, Line{}, Words(NoCalculationDetailsText()), QStringLiteral(" "), width);
                double y = kBodyTop;
                for (const Line& l : note.lines) {
                    c.text(kColumns[0].left, y, l.text);
                    y += c.lineHeight();
                }
            }
        }
        for (const Placed& at : placed) {
            if (at.page != n) continue;
            double y = at.top;
            for (const Line& l : at.block->lines) {
                SetFont(c, l);
                painter.setPen(QPen(l.colour, c.millimetres(0.25)));
                c.text(kColumns[at.column].left + l.indent, y, l.text);
                y += c.lineHeight();
            }
            painter.setPen(QPen(Qt::black, c.millimetres(0.25)));
        }
    }
    painter.restore();
    return pages;
}

QString NoCalculationDetailsText() {
    return QStringLiteral(
        "No calculation details are recorded for this drive. The details are recorded when the drive is "
        "calculated: choose Go Back, then Go On, to calculate it again.");
}

}  // namespace belt
