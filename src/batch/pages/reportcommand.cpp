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

int RunDesignPage(const Invocation& call, const std::string& command, const char* title, PaintDesign paint) {
    const std::string prefix = "beltcalc-batch " + command + ": ";
    CalcOptions o;
    std::string error = ParseCalcOptions(call.args, o, {"--pdf", "--date"});
    QDate date;
    if (error.empty()) error = FooterDate(o.own, date);
    if (error.empty() && o.json) error = "--json belongs to calc; " + command + " writes a PDF";
    if (error.empty() && PdfPath(o.own).empty()) error = "where to? (--pdf OUT.pdf)";
    if (!error.empty()) {
        call.err << prefix << error << "\n";
        return kExitUsage;
    }

    DriveProject p;
    BatchDialogs d(o.answers, call.err);
    CalcRun run;
    const int status = OpenAndCalculate(o, p, d, run, call.err);
    if (status != kExitOk) return status;
    if (!run.done) {
        ExplainStop(p, run, call.err);
        return kExitFailure;
    }
    return WritePage(
        PdfPath(o.own), title, [&](QPainter& painter, const QRectF& page) { paint(painter, page, p, date); },
        call.err, command);
}

std::string DesignPageHelp(const char* what) {
    return std::string("Runs the design calculation of a saved project as calc does (with the same\n"
                       "options answering its questions; its messages go to stderr) and writes ") +
           what +
           " as one A4 landscape PDF page.\n\n"
           "Options:\n" +
           kPdfOptionsHelp + kCalcAnswerOptionsHelp + UnitListHelp() +
           "\nExit status: 0 done, 1 the calculation stopped (the message says why),\n"
           "2 unreadable project file, wrong options or a PDF that cannot be written.\n";
}

const Registration kReport{{
    "report",
    "report FILE.dat --pdf OUT.pdf [options]",
    "the printed calculation report as a PDF",
    DesignPageHelp("the printed\ncalculation report (the results of step 5)"),
    [](const Invocation& call) {
        return RunDesignPage(call, "report", "Calculation report", PaintCalculationReport);
    },
}};

const Registration kDrawing{{
    "drawing",
    "drawing FILE.dat --pdf OUT.pdf [options]",
    "the printed drawings page as a PDF",
    DesignPageHelp("the printed\ndrawings page (the profile, the pulleys and the layout of step 6)"),
    [](const Invocation& call) { return RunDesignPage(call, "drawing", "Drawings", PaintDrawingsPage); },
}};

}  // namespace

}  // namespace belt::batch
