// The Print commands and the printed pages: which page each screen prints,
// what the report makes of the remarks, and that no page draws beyond its
// paper.
#include <QApplication>
#include <QCheckBox>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPicture>
#include <QPlainTextEdit>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/outputmodule.h"
#include "app/printing.h"
#include "catalogue/calculationtables.h"
#include "engine/applicationdata.h"
#include "engine/designsequence.h"
#include "engine/details.h"
#include "guitestsupport.h"
#include "platform/scripteddialogs.h"
#include "print/calculationreport.h"
#include "print/cataloguetables.h"
#include "print/detailspages.h"
#include "print/drawingspage.h"
#include "print/pageheading.h"
#include "print/pdfpage.h"
#include "project/projectfile.h"
#include "recordingdevice.h"
#include "screens/step5screen.h"
#include "units/units.h"

using namespace belt;

namespace {

// The calculated demonstration as the bundled example holds it, with the
// working tables that opening it in the program loads.
void OpenDemonstration(DriveProject& p) {
    InitUnitTables(p);
    QVERIFY(ProjectFile::open(std::string(BELT_ASSETS_DIR) + "/examples/demo.dat", p).ok);
    LoadCalculationTables(p);
}

// The page's text as pdftotext lays it out.
QString PdfText(const PagePainter& paint) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    if (!WritePdfPage(pdf, QStringLiteral("test"), paint).isEmpty()) return {};
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    pdftotext.waitForFinished();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

// The left half of the report's lines from "Remarks:" to the belt block
// (the text before the right half's columns).
QStringList RemarksLines(const QString& page) {
    QStringList lines;
    bool in = false;
    for (const QString& line : page.split(QLatin1Char('\n'))) {
        // The right half begins after a wide gap, or far from the left edge
        // on a line without a left half.
        const qsizetype indent =
            line.size() - QString(line).remove(QRegularExpression(QStringLiteral("^\\s+"))).size();
        const QString left =
            indent > 40 ? QString()
                        : line.trimmed().split(QRegularExpression(QStringLiteral("\\s{3,}"))).first();
        if (left.startsWith(QLatin1String("Remarks:"))) {
            in = true;
            continue;
        }
        if (in && left.startsWith(QLatin1String("Belt made in"))) break;
        if (in && !left.isEmpty()) lines << left;
    }
    return lines;
}

const QRectF kA4Landscape(0, 0, 2970, 2100);

// A project of the test data designed as Go On designs it from step 3, the
// questions answered in turn and the proposed width kept; its calculation
// details recorded into details when given.
void Designed(DriveProject& p, const char* file, std::deque<MsgAnswer> answers,
              std::deque<std::string> inputs = {}, DesignDetails* details = nullptr) {
    InitUnitTables(p);
    QVERIFY(ProjectFile::open(std::string(BELT_TEST_DATA_DIR) + "/" + file, p).ok);
    LoadCalculationTables(p);
    ScriptedDialogs d;
    d.answers = std::move(answers);
    d.inputs = std::move(inputs);
    d.acceptInputDefaults = true;
    DesignDetails none;
    RecordingDialogs recording(d, details ? *details : none);
    QCOMPARE(GoOnFromStep3(p, details ? static_cast<Dialogs&>(recording) : d), NextStep::ShowStep5);
}

// The pages of a document as pdftotext lays them out, one text per page.
QStringList PdfPages(const DocumentPainter& paint) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("pages.pdf"));
    if (!WritePdfDocument(pdf, QStringLiteral("test"), paint).isEmpty()) return {};
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    pdftotext.waitForFinished();
    QStringList pages = QString::fromUtf8(pdftotext.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.pop_back();
    return pages;
}

// The longest unit of every quantity but length.
void LongestUnits(DriveProject& p, int length) {
    for (const auto& [quantity, unit] : {std::pair{kLength, length},
                                         {kAngularVelocity, 2},
                                         {kMass, 2},
                                         {kForce, 3},
                                         {kPower, 5},
                                         {kVelocity, 3},
                                         {kAcceleration, 2},
                                         {kTorque, 3}})
        ChooseUnit(p, quantity, unit);
}

// The words of a PDF page as pdftotext places them, in points from the
// page's top left corner.
struct Word {
    QRectF box;
    QString text;
};
std::vector<Word> PdfWords(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    pdftotext.waitForFinished();
    const QString html = QString::fromUtf8(pdftotext.readAllStandardOutput());
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)" xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re"));
    std::vector<Word> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        words.push_back({QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                         m.captured(5)});
    }
    return words;
}

// A page as WritePdfPage writes it: A4 landscape, 5 mm margins, at the
// PDF writer's 1200 dots per inch.
constexpr int kPdfDpi = 1200;
constexpr double kMarginPoints = 5 / 25.4 * 72;
QSize PdfPaintSize() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(5, 5, 5, 5),
                       QPageLayout::Millimeter)
        .paintRectPixels(kPdfDpi)
        .size();
}

// Which word's box a straight line of the page runs through (a line that
// only touches the box's edge does not); with a margin (in points), which
// word a line comes nearer than that. Lines inside
// `drawings` (logical rectangles of a page `logical` units large: the logo,
// the drawings with their dimension lines) are no frames.
QString WordsAcrossFrames(const PagePainter& paint, const QSizeF& logical, const std::vector<QRectF>& drawings,
                          double margin = 0) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    if (!WritePdfPage(pdf, QStringLiteral("test"), paint).isEmpty()) return QStringLiteral("no PDF");
    const std::vector<Word> words = PdfWords(pdf);
    if (words.empty()) return QStringLiteral("no words");

    const QSize size = PdfPaintSize();
    test::RecordingDevice device(size, kPdfDpi);
    {
        QPainter painter(&device);
        paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    const double toPoints = 72.0 / kPdfDpi;
    auto inDrawing = [&](const QLineF& l) {
        for (const QRectF& r : drawings) {
            const QRectF d(
                r.left() * size.width() / logical.width(), r.top() * size.height() / logical.height(),
                r.width() * size.width() / logical.width(), r.height() * size.height() / logical.height());
            if (d.contains(l.p1()) && d.contains(l.p2())) return true;
        }
        return false;
    };
    QString found;
    for (const QLineF& device : device.lines) {
        if (inDrawing(device)) continue;
        const QLineF l(device.p1() * toPoints + QPointF(kMarginPoints, kMarginPoints),
                       device.p2() * toPoints + QPointF(kMarginPoints, kMarginPoints));
        const bool vertical = std::abs(l.dx()) < 0.01;
        const bool horizontal = std::abs(l.dy()) < 0.01;
        if (!vertical && !horizontal) continue;
        for (const Word& w : words) {
            // Glyph boxes reach a little above and below their line.
            const QRectF inner = margin > 0 ? w.box.adjusted(-margin, -margin, margin, margin)
                                            : w.box.adjusted(0.3, 0.2 * w.box.height(), -0.3,
                                                             -0.2 * w.box.height());
            const bool across = vertical ? l.x1() > inner.left() && l.x1() < inner.right() &&
                                               std::max(l.y1(), l.y2()) > inner.top() &&
                                               std::min(l.y1(), l.y2()) < inner.bottom()
                                         : l.y1() > inner.top() && l.y1() < inner.bottom() &&
                                               std::max(l.x1(), l.x2()) > inner.left() &&
                                               std::min(l.x1(), l.x2()) < inner.right();
            if (across)
                found += QStringLiteral("\"%1\" at %2,%3 crosses the line %4,%5-%6,%7\n")
                             .arg(w.text)
                             .arg(w.box.left(), 0, 'f', 1)
                             .arg(w.box.top(), 0, 'f', 1)
                             .arg(l.x1(), 0, 'f', 1)
                             .arg(l.y1(), 0, 'f', 1)
                             .arg(l.x2(), 0, 'f', 1)
                             .arg(l.y2(), 0, 'f', 1);
        }
    }
    return found;
}

// The straight lines a page draws, in points from the page's top left
// corner as pdftotext gives its words.
std::vector<QLineF> PageLinesInPoints(const PagePainter& paint) {
    const QSize size = PdfPaintSize();
    test::RecordingDevice device(size, kPdfDpi);
    {
        QPainter painter(&device);
        paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    const double toPoints = 72.0 / kPdfDpi;
    std::vector<QLineF> lines;
    for (const QLineF& l : device.lines)
        lines.emplace_back(l.p1() * toPoints + QPointF(kMarginPoints, kMarginPoints),
                           l.p2() * toPoints + QPointF(kMarginPoints, kMarginPoints));
    return lines;
}

// Whether a box has a frame round it: a horizontal line above and below
// it and a vertical one left and right of it, each reaching across it.
bool Framed(const QRectF& box, const std::vector<QLineF>& lines) {
    bool left = false, right = false, above = false, below = false;
    for (const QLineF& l : lines) {
        if (std::abs(l.dx()) < 0.01 && std::min(l.y1(), l.y2()) <= box.top() &&
            std::max(l.y1(), l.y2()) >= box.bottom()) {
            left = left || l.x1() <= box.left();
            right = right || l.x1() >= box.right();
        }
        if (std::abs(l.dy()) < 0.01 && std::min(l.x1(), l.x2()) <= box.left() &&
            std::max(l.x1(), l.x2()) >= box.right()) {
            above = above || l.y1() <= box.top();
            below = below || l.y1() >= box.bottom();
        }
    }
    return left && right && above && below;
}

}  // namespace

class PrintingTest : public QObject {
    Q_OBJECT

private slots:
    void printOnStep5IsTheReportOfWhatTheScreenShows() {
        test::MainWindowFixture f;
        OpenDemonstration(f.project);
        std::optional<PrintJob> printed;
        f.window->setPrintHandler([&](const PrintJob& job) { printed = job; });
        auto* step5 = dynamic_cast<Step5Screen*>(f.window->showScreen(QStringLiteral("STEP5")));
        QVERIFY(step5);
        step5->Remarks->setPlainText(QStringLiteral("Line 2 of the bottling plant"));

        f.window->mPrinter_Click();
        QVERIFY(printed);
        QCOMPARE(printed->title, QStringLiteral("Calculation report"));
        const QString page = PdfText(printed->paint);
        QVERIFY2(page.contains(QLatin1String("Line 2 of the bottling plant")), qPrintable(page));
        QVERIFY(page.contains(QRegularExpression(QStringLiteral("Belt code +85 T10-2190"))));
        QVERIFY(page.contains(FooterText(QDate::currentDate())));

        // The other Print belongs to the tables of step 1 only.
        printed.reset();
        f.window->mPrinter2_Click();
        QVERIFY(!printed);
    }

    // Print without a handler of the test's own: the program's output module
    // is loaded and its print preview opens, titled with the page, and
    // paints the page when asked.
    void printOpensThePreviewOfTheOutputModule() {
        SetOutputModuleFolder(QStringLiteral(BELT_OUTPUT_MODULE_DIR));
        test::MainWindowFixture f;
        OpenDemonstration(f.project);
        QVERIFY(f.window->showScreen(QStringLiteral("STEP5")));
        QString shown;
        int pages = 0;
        QTimer::singleShot(0, [&] {
            QWidget* preview = QApplication::activeModalWidget();
            if (!preview) return;
            shown = QString::fromLatin1(preview->metaObject()->className()) + QLatin1Char(' ') +
                    preview->windowTitle();
            if (auto* view = preview->findChild<QPrintPreviewWidget*>()) pages = view->pageCount();
            preview->close();
        });
        f.window->mPrinter_Click();
        QCOMPARE(shown, QStringLiteral("QPrintPreviewDialog VESTRANO BELT CALCULATION - Calculation report"));
        QCOMPARE(pages, 1);
        QVERIFY(f.dialogs.seen.empty());
    }

    // The print preview of the report offers its calculation details: the
    // check box adds their pages behind the report.
    void thePreviewsCheckBoxAddsTheDetailsPages() {
        SetOutputModuleFolder(QStringLiteral(BELT_OUTPUT_MODULE_DIR));
        test::MainWindowFixture f;
        Designed(f.project, "two-pulley-design.dat", {MsgAnswer::Yes, MsgAnswer::Yes}, {},
                 &f.window->designDetails());
        QVERIFY(f.window->showScreen(QStringLiteral("STEP5")));
        QString caption;
        int without = 0;
        int with = 0;
        QTimer::singleShot(0, [&] {
            QWidget* preview = QApplication::activeModalWidget();
            if (!preview) return;
            auto* view = preview->findChild<QPrintPreviewWidget*>();
            auto* option = preview->findChild<QCheckBox*>(QStringLiteral("printOption"));
            if (view && option) {
                caption = option->text();
                without = view->pageCount();
                option->setChecked(true);
                with = view->pageCount();
            }
            preview->close();
        });
        f.window->mPrinter_Click();
        QCOMPARE(caption, QStringLiteral("with calculation details"));
        QCOMPARE(without, 1);
        QVERIFY2(with >= 2, qPrintable(QString::number(with)));
    }

    // The report with the calculation details: the report first, then the
    // details on pages of their own, each with the heading and footer; the
    // entries in the current units, the installation figures and the
    // warning the design gave. The design's own record stays as it was.
    void theReportWithDetailsHasTheirPages() {
        DriveProject p;
        DesignDetails details;
        // 20 mm where the drive needs 25.6: warned of, and taken.
        Designed(p, "two-pulley-design.dat", {MsgAnswer::Yes, MsgAnswer::Yes}, {"20"}, &details);
        const std::size_t recorded = details.entries().size();
        const QDate date(2026, 12, 9);
        auto pages = [&](const DesignDetails* d) {
            return PdfPages([&](QPainter& painter, const QRectF& page, const NewPage& next) {
                PaintCalculationReportPages(painter, page, p, date, d, next);
            });
        };

        QCOMPARE(pages(nullptr).size(), 1);
        const QStringList withDetails = pages(&details);
        QVERIFY2(withDetails.size() >= 2, qPrintable(withDetails.join(QLatin1Char('|'))));
        QVERIFY(withDetails[0].contains(QRegularExpression(QStringLiteral("Belt code +20 T10-900"))));
        QVERIFY(!withDetails[0].contains(CalculationDetailsTitle()));
        const QString n = QString::number(withDetails.size() - 1);
        QString details2on;
        for (qsizetype i = 1; i < withDetails.size(); ++i) {
            const QString& page = withDetails[i];
            QVERIFY2(page.contains(QStringLiteral("Calculation details %1 of %2").arg(i).arg(n)),
                     qPrintable(page));
            QVERIFY(page.contains(QLatin1String("ORVANTO PU Endless Timing Belt: Size T10")));
            QVERIFY(page.contains(FooterText(date)));
            details2on += page;
        }
        for (const char* text : {"Belt length calculated", "gives L = 903.381 mm", "gives d1 = 63.662 mm",
                                 "from ORVANTO T10 pulley table", "Rating chart", "Span pre-tension",
                                 "! Warning !!!:", "Requested belt is too small !"})
            QVERIFY2(details2on.contains(QLatin1String(text)), text);
        QCOMPARE(details.entries().size(), recorded);

        // In inches.
        ChooseUnit(p, kLength, 4);
        QVERIFY(pages(&details).join(QString()).contains(QLatin1String("gives d1 = 2.50638 in")));

        // Nothing recorded (a project opened on the results): a page that
        // says how the details come about.
        const DesignDetails none;
        const QStringList empty = pages(&none);
        QCOMPARE(empty.size(), 2);
        QVERIFY2(empty[1].contains(QLatin1String("No calculation details are recorded")),
                 qPrintable(empty[1]));
    }

    void printOnStep6IsTheDrawingsPageAndNothingElsePrintsElsewhere() {
        test::MainWindowFixture f;
        OpenDemonstration(f.project);
        std::optional<PrintJob> printed;
        f.window->setPrintHandler([&](const PrintJob& job) { printed = job; });
        f.window->showScreen(QStringLiteral("STEP6"));
        f.window->mPrinter_Click();
        QVERIFY(printed);
        QCOMPARE(printed->title, QStringLiteral("Drawings"));
        const QString page = PdfText(printed->paint);
        QVERIFY2(page.contains(QLatin1String("DRIVE LAYOUT")), qPrintable(page));
        QVERIFY(page.contains(QRegularExpression(QStringLiteral("ORVANTO 85 T10-2190"))));
        QVERIFY(page.contains(FooterText(QDate::currentDate())));

        // The layout and the input steps print nothing.
        for (const char* form : {"STEP2", "STEP3", "STEP4"}) {
            printed.reset();
            f.window->showScreen(QString::fromLatin1(form));
            f.window->mPrinter_Click();
            QVERIFY2(!printed, form);
        }
    }

    // The note on indicative outside diameters stands once under the table,
    // however many pulleys carry the mark.
    void anIndicativeOutsideDiameterIsMarkedAndExplainedOnce() {
        DriveProject p;
        OpenDemonstration(p);
        auto page = [&] {
            return PdfText([&](QPainter& painter, const QRectF& r) {
                PaintDrawingsPage(painter, r, p, QDate(2026, 12, 9));
            });
        };
        const QString note = QStringLiteral(
            "Pulley De is indicative. For additional details please contact VESTRANO Technical Staff.");
        QVERIFY(!page().contains(note));
        p.pulleyMaxBore[3] = -1;
        p.pulleyMaxBore[4] = -1;
        const QString marked = page();
        QVERIFY2(marked.contains(QRegularExpression(QStringLiteral("pulley # 3 .* 125.46\u00B9 "))),
                 qPrintable(marked));
        QVERIFY(marked.contains(QRegularExpression(QStringLiteral("pulley # 4 .* 192.31\u00B9 "))));
        QCOMPARE(marked.count(QStringLiteral("\u00B9") + note), 1);
        QCOMPARE(marked.count(note), 1);
    }

    void secondPrintOnStep1IsTheTableOfTheTab() {
        struct Case {
            int tab;
            const char* title;  // nullptr: nothing is printed
        };
        const Case cases[] = {{kTabFeasibility, "Feasibility"},
                              {kTabIdler, "Idler minimum diameter"},
                              {kTabOrvanto, nullptr},
                              {kTabNews, nullptr}};
        for (const Case& c : cases) {
            test::MainWindowFixture f;
            std::optional<PrintJob> printed;
            f.window->setPrintHandler([&](const PrintJob& job) { printed = job; });
            f.window->showScreen(QStringLiteral("STEP1"));
            f.project.screen.beltTypeTab = c.tab;
            f.window->mPrinter2_Click();
            QCOMPARE(printed.has_value(), c.title != nullptr);
            if (c.title) QCOMPARE(printed->title, QString::fromLatin1(c.title));
            // The first Print offers nothing on step 1.
            printed.reset();
            f.window->mPrinter_Click();
            QVERIFY(!printed);
        }
    }

    void remarksWrapAtABlankAndBreakWhereTheUserBrokeThem() {
        DriveProject p;
        OpenDemonstration(p);
        auto lines = [&](const std::string& remarks) {
            p.screen.remarks = remarks;
            return RemarksLines(PdfText([&](QPainter& painter, const QRectF& page) {
                PaintCalculationReport(painter, page, p, QDate(2026, 12, 9));
            }));
        };

        QCOMPARE(lines("First line\r\nsecond line"), QStringList({"First line", "second line"}));

        // Long text: every line but the last is long and ends with a whole
        // word, and no word is cut.
        std::string text;
        for (int i = 0; i < 40; ++i) text += "belt" + std::to_string(i) + " ";
        const QStringList wrapped = lines(text);
        QVERIFY2(wrapped.size() >= 3, qPrintable(wrapped.join(QLatin1Char('|'))));
        QString joined;
        for (int i = 0; i < wrapped.size(); ++i) {
            if (i + 1 < wrapped.size()) QVERIFY2(wrapped[i].size() > 60, qPrintable(wrapped[i]));
            joined += wrapped[i] + QLatin1Char(' ');
        }
        QCOMPARE(joined.simplified(), QString::fromStdString(text).simplified());

        // A word longer than the left half is broken where the half ends.
        const QStringList broken = lines(std::string(200, 'x'));
        QVERIFY(broken.size() >= 2);
        QCOMPARE(broken.join(QString()), QString(200, QLatin1Char('x')));

        // The design text of the box is no remark.
        QVERIFY(lines("Remarks ...").isEmpty());
        QVERIFY(!PdfText([&](QPainter& painter, const QRectF& page) {
                     PaintCalculationReport(painter, page, p, QDate(2026, 12, 9));
                 }).contains(QLatin1String("Remarks:")));
    }

    // No word of a page runs across a line of its frames and tables: the
    // longest texts the pages can hold (the units with the longest names, a
    // four-pulley drive, the tolerance note of a two-pulley drive, a flat
    // belt's coating, a multi-rib belt) stay inside the frames. On the
    // report every word keeps a margin from its frame, at the top and
    // bottom lines too ("Tensile member" and "Span length deflection ..."
    // sat on them).
    void everyWordStaysInsideItsFrame() {
        struct Case {
            const char* name;
            std::function<void(DriveProject&)> project;
            bool drawings;
        };
        const Case cases[] = {
            {"four pulleys in inches",
             [](DriveProject& p) {
                 OpenDemonstration(p);
                 LongestUnits(p, 4);
             },
             true},
            {"four pulleys in metres",
             [](DriveProject& p) {
                 OpenDemonstration(p);
                 LongestUnits(p, 2);
             },
             true},
            {"two pulleys in inches",
             [](DriveProject& p) {
                 Designed(p, "two-pulley-design.dat", {MsgAnswer::Yes, MsgAnswer::Yes});
                 LongestUnits(p, 4);
             },
             true},
            {"flat belt", [](DriveProject& p) { Designed(p, "fendaro-fxa14.dat", {MsgAnswer::No}, {"40"}); },
             true},
            {"multi-rib belt",
             [](DriveProject& p) {
                 Designed(p, "quindel-design.dat", {MsgAnswer::Yes, MsgAnswer::Yes});
                 LongestUnits(p, 5);
             },
             true},
        };
        const QDate date(2026, 12, 9);
        for (const Case& c : cases) {
            DriveProject p;
            c.project(p);
            const QString report = WordsAcrossFrames(
                [&](QPainter& q, const QRectF& r) { PaintCalculationReport(q, r, p, date); },
                QSizeF(200, 100), {QRectF(6, 3, 8, 10), QRectF(20, 9, 5, 3)}, /*margin=*/1.0);
            QVERIFY2(report.isEmpty(), qPrintable(QStringLiteral("report, %1:\n%2").arg(c.name, report)));
            const QString drawings = WordsAcrossFrames(
                [&](QPainter& q, const QRectF& r) { PaintDrawingsPage(q, r, p, date); }, QSizeF(200, 100),
                {QRectF(6, 4, 8, 10), QRectF(20, 11, 5, 3), QRectF(6, 26, 42, 19), QRectF(30, 51, 64, 20),
                 QRectF(99, 5, 98, 66)});
            QVERIFY2(drawings.isEmpty(),
                     qPrintable(QStringLiteral("drawings, %1:\n%2").arg(c.name, drawings)));
        }
        for (CatalogueTable table : {CatalogueTable::Feasibility, CatalogueTable::Idler}) {
            const QString page =
                WordsAcrossFrames([&](QPainter& q, const QRectF& r) { PaintCatalogueTablePage(q, r, table); },
                                  QSizeF(100, 100), {QRectF(3, 4, 4, 10)});
            QVERIFY2(page.isEmpty(), qPrintable(page));
        }
    }

    // The lines the shaft loads add to the installation data (all of them
    // with a flat belt that goes slack and slips, twelve direction lines
    // of four pulleys in the longest units) are printed inside the frame
    // of the installation data, with their values and units.
    void theShaftLoadLinesStayInsideTheirFrame() {
        struct Case {
            const char* name;
            std::function<void(DriveProject&)> project;
            int lines;
        };
        const Case cases[] = {
            {"flat belt overloaded",
             [](DriveProject& p) {
                 Designed(p, "fendaro-fxa3.dat", {MsgAnswer::No}, {"40"});
                 p.peripheralForce = 5000;
             },
             // 6 of the static loads' directions, 2 running, slack, margin, slip
             11},
            {"four pulleys in the longest units",
             [](DriveProject& p) {
                 OpenDemonstration(p);
                 LongestUnits(p, 4);
             },
             12},
        };
        const QStringList starts = {QStringLiteral("Static tension on"), QStringLiteral("Direction of static"),
                                    QStringLiteral("X - static"),        QStringLiteral("Y - static"),
                                    QStringLiteral("Running load"),      QStringLiteral("Slip margin"),
                                    QStringLiteral("Under full load"),   QStringLiteral("The belt slips")};
        for (const Case& c : cases) {
            DriveProject p;
            c.project(p);
            const PagePainter paint = [&](QPainter& q, const QRectF& r) {
                PaintCalculationReport(q, r, p, QDate(2026, 12, 9));
            };
            QTemporaryDir dir;
            const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
            QVERIFY(WritePdfPage(pdf, QStringLiteral("test"), paint).isEmpty());
            const std::vector<QLineF> lines = PageLinesInPoints(paint);
            // The words of a printed line share its top; the right half's
            // lines are those that start right of the page's middle.
            const std::vector<Word> words = PdfWords(pdf);
            const double middle = PdfPaintSize().width() * 72.0 / kPdfDpi / 2;
            int checked = 0;
            for (std::size_t i = 0; i < words.size(); ++i) {
                QString text;
                for (std::size_t j = i; j < words.size() && j < i + 3; ++j)
                    text += (j > i ? QStringLiteral(" ") : QString()) + words[j].text;
                if (!std::any_of(starts.begin(), starts.end(), [&](const QString& s) { return text.startsWith(s); }))
                    continue;
                if (!text.startsWith(QLatin1String("Static tension"))) ++checked;
                const bool rightHalf = words[i].box.left() > middle;
                for (const Word& w : words) {
                    if (std::abs(w.box.top() - words[i].box.top()) > 0.5 || (w.box.left() > middle) != rightHalf)
                        continue;
                    QVERIFY2(Framed(w.box, lines),
                             qPrintable(QStringLiteral("%1: \"%2\" of \"%3\" at %4,%5 has no frame round it")
                                            .arg(QLatin1String(c.name), w.text, text)
                                            .arg(w.box.left())
                                            .arg(w.box.top())));
                }
            }
            QVERIFY2(checked >= c.lines, qPrintable(QStringLiteral("%1: %2 lines").arg(c.name).arg(checked)));
        }
    }

    // Whatever a page holds (a four-pulley drive with long remarks, its
    // drawings, both table pages), it draws inside its paper.
    void everyPageStaysOnItsPaper() {
        DriveProject p;
        OpenDemonstration(p);
        std::string remarks;
        for (int i = 0; i < 20; ++i) remarks += "A remark that goes on and on\r\n";
        p.screen.remarks = remarks;
        const std::vector<std::pair<const char*, PagePainter>> pages = {
            {"report",
             [&](QPainter& q, const QRectF& r) { PaintCalculationReport(q, r, p, QDate(2026, 12, 9)); }},
            {"drawings",
             [&](QPainter& q, const QRectF& r) { PaintDrawingsPage(q, r, p, QDate(2026, 12, 9)); }},
            {"feasibility",
             [](QPainter& q, const QRectF& r) {
                 PaintCatalogueTablePage(q, r, CatalogueTable::Feasibility);
             }},
            {"idler",
             [](QPainter& q, const QRectF& r) { PaintCatalogueTablePage(q, r, CatalogueTable::Idler); }},
        };
        for (const auto& [name, paint] : pages) {
            QPicture picture;
            {
                QPainter painter(&picture);
                paint(painter, kA4Landscape);
            }
            const QRect drawn = picture.boundingRect();
            QVERIFY2(QRectF(kA4Landscape).adjusted(-1, -1, 1, 1).contains(QRectF(drawn)),
                     qPrintable(QStringLiteral("%1 draws at %2,%3 %4x%5")
                                    .arg(QLatin1String(name))
                                    .arg(drawn.x())
                                    .arg(drawn.y())
                                    .arg(drawn.width())
                                    .arg(drawn.height())));
        }
    }
};

QTEST_MAIN(PrintingTest)
#include "test_printing.moc"
