#include "print/calculationreport.h"

#include <QPainter>
#include <algorithm>
#include <string>
#include <vector>

#include "drawing/stylecolours.h"
#include "engine/pulleydata.h"
#include "engine/report.h"
#include "print/detailspages.h"
#include "print/pagecanvas.h"
#include "print/pageheading.h"
#include "project/driveproject.h"

namespace belt {

namespace {

constexpr double kPageWidth = 200;
constexpr double kPageHeight = 100;
const char* const kRemarksDesignText = "Remarks ...";

// Character positions of the columns.
constexpr int kLeftLabel = 9;
constexpr int kLeftValue = 50;
constexpr int kLeftUnit = 63;
constexpr int kCodeValue = 30;
constexpr int kRightTitle = 90;
constexpr int kRightLabel = 92;
constexpr int kRightValue = 143;
constexpr int kRightUnit = 153;

// The frames: left and right edges and the rule between label and value.
struct FrameColumns {
    double left;
    double rule;
    double right;
};
constexpr FrameColumns kLeftFrames{9, 57, 95};
constexpr FrameColumns kRightFrames{103, 166, 198};

// A long remark breaks at the first blank beyond this X; a word that would
// run into the right half (its frames start at X 103) breaks where it gets there.
constexpr double kWrapX = 88;
constexpr double kRemarksEnd = 101;
constexpr double kFirstRemarksY = 18;
constexpr double kRightHalfY = 2;
// Space kept between the lowest line of a half and the footer.
constexpr double kFooterGap = 1;

// Space between a frame's top and bottom lines and the texts inside and
// around it.
constexpr double kFrameMarginY = 0.5;

// One half of the page, written top-down like a printer: a current Y, a
// current font and column positions in character widths. A half is written
// twice: once to measure it, and once to paint it, shrunk by `scale` when
// it would run into the footer.
class Half {
public:
    Half(PageCanvas& c, bool paint, double top, double scale)
        : c_(c), paint_(paint), top_(top), scale_(scale), y(top) {}

    void font(double points, bool bold = true, bool italic = false) {
        points_ = points;
        bold_ = bold;
        italic_ = italic;
        c_.setFont(points, bold, italic, scale_);
    }
    void newLine() { y += c_.lineHeight(); }
    double column(int n) const { return c_.column(n); }

    // Text at a character position. A position the line has already passed
    // moves the text to the next line, as a printer's tab does.
    void at(int n, const QString& text) {
        const double x = column(n);
        if (lineEnd_ > x) newLine();
        print(x, text);
    }
    // The same, kept left of `right` (a rule or the edge of a frame): a text
    // too long is broken at blanks onto the lines below, and a word too long
    // on its own is set smaller. The lines below are taken at endLine.
    void at(int n, const QString& text, double right) {
        const double x = column(n);
        if (lineEnd_ > x) newLine();
        const double room = right - x;
        const QStringList lines = Wrap(text, room);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const double width = c_.textWidth(lines[i]);
            if (width > room && room > 0) c_.setFont(points_ * room / width, bold_, italic_, scale_);
            if (paint_) c_.text(x, y + static_cast<double>(i) * c_.lineHeight(), lines[i]);
            if (i == 0) lineEnd_ = x + c_.textWidth(lines[i]);
            c_.setFont(points_, bold_, italic_, scale_);
        }
        below_ = std::max(below_, static_cast<int>(lines.size()) - 1);
    }
    void print(double x, const QString& text) {
        if (paint_) c_.text(x, y, text);
        lineEnd_ = x + c_.textWidth(text);
    }
    void endLine() {
        y += below_ * c_.lineHeight();
        below_ = 0;
        newLine();
        lineEnd_ = 0;
    }

    // Where a frame starts, a margin below the text above it; its first
    // line is written a margin below that.
    double openFrame() {
        y += kFrameMarginY;
        const double from = y;
        y += kFrameMarginY;
        return from;
    }
    // A frame around everything written since openFrame gave `from`, a
    // margin below the last line, and a margin kept below it: the frame's
    // lines touch no text inside or outside.
    void frame(double from, const FrameColumns& f) {
        y += kFrameMarginY;
        if (paint_ && y > from) {
            c_.rectangle(QRectF(QPointF(f.left, from), QPointF(f.right, y)));
            c_.line(f.rule, from, f.rule, y);
        }
        y += kFrameMarginY;
    }

    PageCanvas& canvas() { return c_; }
    double top() const { return top_; }

private:
    // Words of text on lines no wider than room, in the current font. A
    // number goes to the next line with the word before it ("DIN 7721-1").
    QStringList Wrap(const QString& text, double room) const {
        QStringList lines;
        QString line;
        for (const QString& word : text.split(QLatin1Char(' '))) {
            const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (!line.isEmpty() && c_.textWidth(longer) > room) {
                const qsizetype blank = line.lastIndexOf(QLatin1Char(' '));
                if (!word.isEmpty() && word.front().isDigit() && blank > 0) {
                    lines << line.left(blank);
                    line = line.mid(blank + 1) + QLatin1Char(' ') + word;
                } else {
                    lines << line;
                    line = word;
                }
            } else {
                line = longer;
            }
        }
        lines << line;
        return lines;
    }

    PageCanvas& c_;
    bool paint_;
    double top_;
    double scale_;
    double lineEnd_ = 0;
    int below_ = 0;  // lines a wrapped text took below the current one
    double points_ = 10;
    bool bold_ = true;
    bool italic_ = false;

public:
    double y;
};

// Text keeps this far inside the rules and edges of its frame.
constexpr double kFramePadding = 0.8;

// A report line in the printed columns of its frame; SectionTitle lines
// are the caller's, pulley titles stand at titleColumn in 12 points. A
// label ends before the frame's rule, the value before the unit's column
// (or the frame's edge when there is no unit), the unit before the edge.
void WriteLine(Half& h, const ReportLine& l, int label, int value, int unit, int titleColumn,
               const FrameColumns& f) {
    const double edge = f.right - kFramePadding;
    switch (l.kind) {
        case ReportLineKind::Blank:
            break;
        case ReportLineKind::SectionTitle:
            return;
        case ReportLineKind::PulleyTitle:
            h.font(12);
            h.at(titleColumn, style::qs(l.label), edge);
            h.endLine();
            h.font(10);
            return;
        case ReportLineKind::Item:
            h.font(10, true, l.italic);
            if (l.column == ReportColumn::Label && !l.label.empty())
                h.at(label, style::qs(l.label), f.rule - kFramePadding);
            if (!l.value.empty())
                h.at(value, style::qs(l.value), l.unit.empty() ? edge : h.column(unit) - kFramePadding);
            if (!l.unit.empty()) h.at(unit, style::qs(l.unit), edge);
            h.font(10);
            break;
    }
    h.endLine();
}

// The remarks from position 9: a line break starts a new line there, a
// blank beyond X 88 wraps the text, and a word too long for the left half
// is broken at its end.
void WriteRemarks(Half& h, const std::string& remarks) {
    const QString text = style::qs(remarks);
    const double start = h.column(kLeftLabel);
    h.at(kLeftLabel, QStringLiteral("Remarks:"));
    h.endLine();
    double x = start;
    QString run;  // characters printed together on the current line
    double runX = x;
    auto flush = [&] {
        if (!run.isEmpty()) h.print(runX, run);
        run.clear();
    };
    auto breakLine = [&] {
        flush();
        h.endLine();
        x = start;
        runX = x;
    };
    for (const QChar ch : text) {
        if (ch == QLatin1Char('\n')) continue;
        if (ch == QLatin1Char('\r')) {
            breakLine();
            continue;
        }
        if (ch == QLatin1Char(' ') && x > kWrapX) {
            breakLine();
            continue;
        }
        const double w = h.canvas().textWidth(QString(ch));
        if (x + w > kRemarksEnd) breakLine();
        run += ch;
        x += w;
    }
    flush();
    h.endLine();
}

// Left half below the title: remarks, the framed belt block, the belt code
// and the framed results.
void WriteLeftHalf(Half& h, const DriveProject& p, const std::vector<ReportLine>& lines) {
    h.font(10);
    const std::string& remarks = p.screen.remarks;
    if (!remarks.empty() && remarks != kRemarksDesignText) {
        WriteRemarks(h, remarks);
        h.endLine();
    } else {
        h.endLine();
    }

    double from = h.openFrame();
    for (const ReportLine& l : lines)
        if (l.section == ReportSection::Belt)
            WriteLine(h, l, kLeftLabel, kLeftValue, kLeftUnit, kLeftLabel, kLeftFrames);
    h.frame(from, kLeftFrames);

    h.font(14);
    h.at(kLeftLabel, QStringLiteral("Belt code"));
    h.at(kCodeValue, style::qs(p.beltCode));
    h.endLine();
    h.font(10);
    h.endLine();

    from = h.openFrame();
    for (const ReportLine& l : lines)
        if (l.section == ReportSection::Results)
            WriteLine(h, l, kLeftLabel, kLeftValue, kLeftUnit, kLeftLabel, kLeftFrames);
    // The block ends with its last force line, not with the empty line the
    // pulley table starts with.
    h.frame(from, kLeftFrames);
}

// Right half from Y 2: the installation data under their heading, then the
// pulley table, each framed.
void WriteRightHalf(Half& h, const std::vector<ReportLine>& lines) {
    h.font(12);
    h.at(kRightLabel, QStringLiteral("INSTALLATION DATA"));
    h.endLine();
    h.font(10);

    std::vector<const ReportLine*> installation;
    for (const ReportLine& l : lines)
        if (l.section == ReportSection::Installation && l.kind != ReportLineKind::SectionTitle)
            installation.push_back(&l);
    // The screen's empty line under the heading: the frame starts there.
    if (!installation.empty() && installation.front()->kind == ReportLineKind::Blank)
        installation.erase(installation.begin());
    double from = h.openFrame();
    for (const ReportLine* l : installation)
        WriteLine(h, *l, kRightLabel, kRightValue, kRightUnit, kRightTitle, kRightFrames);
    h.frame(from, kRightFrames);

    // The pulley table: the empty line in front of each pulley separates the
    // blocks; the first one separates the two frames.
    bool first = true;
    from = h.openFrame();
    for (const ReportLine& l : lines) {
        if (l.section != ReportSection::PulleyTable) continue;
        if (first && l.kind == ReportLineKind::Blank) {
            h.y = from;
            h.endLine();
            from = h.openFrame();
            first = false;
            continue;
        }
        first = false;
        WriteLine(h, l, kRightLabel, kRightValue, kRightUnit, kRightTitle, kRightFrames);
    }
    h.frame(from, kRightFrames);
}

// Paints a half at the largest scale (at most 1) at which it ends above
// `bottom`.
template <typename Write>
void PaintHalf(PageCanvas& c, double top, double bottom, Write write) {
    double scale = 1.0;
    for (int pass = 0; pass < 8; ++pass) {
        Half measure(c, false, top, scale);
        write(measure);
        const double used = measure.y - top;
        if (measure.y <= bottom || used <= 0) break;
        scale *= (bottom - top) / used * 0.995;
    }
    Half h(c, true, top, scale);
    write(h);
}

}  // namespace

void PaintCalculationReport(QPainter& painter, const QRectF& page, const DriveProject& p, const QDate& date) {
    painter.save();
    PageCanvas c(painter, page, kPageWidth, kPageHeight);

    PaintMakerHeading(c, HeadingPlaces{QRectF(6, 3, 8, 10), QRectF(20, 9, 5, 3), QPointF(20, 2), QPointF(26, 10)});

    c.setFont(14, true, false);
    const QString title = style::qs(TitoloBox(p).title);
    c.text(49 - c.textWidth(title) / 2, 14, title);

    const std::vector<ReportLine> lines = BuildResultsReport(p);
    const double bottom = FooterTop(c) - kFooterGap;
    PaintHalf(c, kFirstRemarksY, bottom, [&](Half& h) { WriteLeftHalf(h, p, lines); });
    PaintHalf(c, kRightHalfY, bottom, [&](Half& h) { WriteRightHalf(h, lines); });

    PaintFooter(c, date, 9, false);
    painter.restore();
}

int PaintCalculationReportPages(QPainter& painter, const QRectF& page, const DriveProject& p,
                                const QDate& date, const DesignDetails* details, const NewPage& newPage) {
    PaintCalculationReport(painter, page, p, date);
    if (!details || !newPage || !newPage()) return 1;
    return 1 + PaintCalculationDetailsPages(painter, page, p, *details, date, newPage);
}

}  // namespace belt
