// The Print commands: which page the active screen prints, and the print
// preview through which every page goes to a printer or a PDF file.
#pragma once

#include <QString>

#include "print/pdfpage.h"

class QWidget;

namespace belt {

struct DriveProject;
class DesignDetails;

// A page ready to print: its name for the print job and its painter; and,
// where the preview offers it with a check box, the document with further
// pages (the report with its calculation details).
struct PrintJob {
    QString title;
    PagePainter paint;
    QString option;  // the check box's caption; none when empty
    DocumentPainter withOption;
};

// mPrinter on STEP5 (the calculation report, and with details the report
// "with calculation details") or STEP6 (the drawings page); no job for any
// other form.
bool PrinterPage(const QString& activeForm, const DriveProject& p, PrintJob& job,
                 const DesignDetails* details = nullptr);
// mPrinter2 on STEP1: the catalogue table of the feasibility or idler tab.
bool CatalogueTablePage(const DriveProject& p, PrintJob& job);

// Shows the page in a print preview on the platform's printer set-up
// (landscape, the printer's own paper), from which the user prints it or
// saves it as a PDF, with the job's check box where it has one. Returns ""
// or why there is no preview.
QString ShowPrintPreview(QWidget* parent, const PrintJob& job);

}  // namespace belt
