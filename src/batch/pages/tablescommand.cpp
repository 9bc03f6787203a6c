// beltcalc-batch tables: the printed catalogue table page (the feasibility
// table or the idler minimum diameters) as a PDF.
#include <ostream>

#include "batch/command.h"
#include "batch/pages/pagecommand.h"
#include "print/cataloguetables.h"

namespace belt::batch {

namespace {

int runTables(const Invocation& call) {
    ParsedArgs args;
    std::string error = ParseArgs(call.args, {"--pdf", "--date"}, {}, args);
    QDate date;
    QDate fixed;
    if (error.empty()) error = PageDate(args.values, date, fixed);
    if (error.empty() && args.positional.empty()) error = "which table? (tables feasibility|idler)";
    if (error.empty() && args.positional[0] != "feasibility" && args.positional[0] != "idler")
        error = "the tables are feasibility and idler, not \"" + args.positional[0] + "\"";
    if (error.empty() && args.positional.size() > 1)
        error = "one table at a time: \"" + args.positional[1] + "\" is one too many";
    if (error.empty() && PdfPath(args.values).empty()) error = "where to? (--pdf OUT.pdf)";
    if (!error.empty()) return call.fail(error);
    const bool feasibility = args.positional[0] == "feasibility";
    const CatalogueTable table = feasibility ? CatalogueTable::Feasibility : CatalogueTable::Idler;
    return WritePage(
        call, PdfPath(args.values), feasibility ? "Feasibility" : "Idler minimum diameter",
        [table](QPainter& painter, const QRectF& page) { PaintCatalogueTablePage(painter, page, table); },
        fixed);
}

const Registration kTables{{
    "tables",
    "tables feasibility|idler --pdf OUT.pdf",
    "a printed catalogue table page as a PDF",
    "Writes the catalogue table page that Print offers on the feasibility tab or\n"
    "the idler minimum diameter tab of step 1, as one A4 landscape PDF page.\n\n"
    "Options:\n"
    "  --pdf OUT.pdf              the page as a PDF file; \"-\": to standard output\n"
    "  --date YYYY-MM-DD          the PDF's creation date instead of the moment of\n"
    "                             writing: the same command then writes the same bytes\n"
    "\nExit status: 0 done, 2 error: a wrong command line or a PDF that cannot be\n"
    "written.\n",
    runTables,
}};

}  // namespace

}  // namespace belt::batch
