// beltcalc-batch report and drawing: the calculation as calc runs it, then
// the printed calculation report or drawings page as a PDF.
#include <ostream>

#include "batch/calculation.h"
#include "batch/command.h"
#include "batch/pages/pagecommand.h"
#include "print/calculationreport.h"
#include "print/drawingspage.h"

namespace belt::batch {

namespace {

using PaintDesign = void (*)(QPainter&, const QRectF&, const DriveProject&, const QDate&);

int RunDesignPage(const Invocation& call, const char* title, PaintDesign paint) {
    CalcOptions o;
    std::string error = ParseCalcOptions(call.args, call.command, o, {"--pdf", "--date"});
    QDate date;
    QDate fixed;
    if (error.empty()) error = PageDate(o.own, date, fixed);
    // calc's own options would be taken and then do nothing.
    if (error.empty() && o.json) error = "--json belongs to calc; " + call.command + " writes a PDF";
    if (error.empty() && !o.save.empty()) error = "--save belongs to calc; " + call.command + " writes a PDF";
    if (error.empty() && o.details && paint != PaintCalculationReport)
        error = "--details belongs to calc and report; " + call.command + " writes the drawings";
    if (error.empty() && PdfPath(o.own).empty()) error = "where to? (--pdf OUT.pdf)";
    if (!error.empty()) return call.fail(error);

    DriveProject p;
    BatchDialogs d(o.answers, call.err);
    CalcRun run;
    const int status = OpenAndCalculate(call, o, p, d, run);
    if (status != kExitOk) return status;
    if (!run.done) {
        ExplainStop(call, p, run);
        return kExitStopped;
    }
    if (paint == PaintCalculationReport)
        return WriteDocument(
            call, PdfPath(o.own), title,
            [&](QPainter& painter, const QRectF& page, const NewPage& next) {
                PaintCalculationReportPages(painter, page, p, date, o.details ? &run.details : nullptr, next);
            },
            fixed);
    return WritePage(
        call, PdfPath(o.own), title,
        [&](QPainter& painter, const QRectF& page) { paint(painter, page, p, date); }, fixed);
}

std::string DesignPageHelp(const char* what, const char* ownOptions = "") {
    return std::string(
               "Runs the design calculation of a saved project as calc does (with the same\n"
               "options answering its questions; its messages go to stderr) and writes ") +
           what +
           " as one A4 landscape PDF page.\n\n"
           "Options:\n" +
           kPdfOptionsHelp + ownOptions + kCalcAnswerOptionsHelp + UnitListHelp() +
           "\nExit status: 0 done, 1 the calculation stopped (the message says why),\n"
           "2 error: a wrong option, a question no option answers, an unreadable\n"
           "project file or a PDF that cannot be written.\n";
}

const Registration kReport{{
    "report",
    "report FILE.dat --pdf OUT.pdf [options]",
    "the printed calculation report as a PDF",
    DesignPageHelp("the printed\ncalculation report (the results of step 5)",
                   "  --details                  the calculation details on the pages after the\n"
                   "                             report: every result with its rule, the values\n"
                   "                             it used and the catalogue rows it read\n"),
    [](const Invocation& call) { return RunDesignPage(call, "Calculation report", PaintCalculationReport); },
}};

const Registration kDrawing{{
    "drawing",
    "drawing FILE.dat --pdf OUT.pdf [options]",
    "the printed drawings page as a PDF",
    DesignPageHelp("the printed\ndrawings page (the profile, the pulleys and the layout of step 6)"),
    [](const Invocation& call) { return RunDesignPage(call, "Drawings", PaintDrawingsPage); },
}};

}  // namespace

}  // namespace belt::batch
