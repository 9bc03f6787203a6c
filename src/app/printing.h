// The Print commands: which page the active screen prints, and the print
// preview through which every page goes to a printer or a PDF file.
#pragma once

#include <QString>

#include "print/pdfpage.h"

class QWidget;

namespace belt {

struct DriveProject;

// A page ready to print: its name for the print job and its painter.
struct PrintJob {
    QString title;
    PagePainter paint;
};

// mPrinter on STEP5 (the calculation report) or STEP6 (the drawings page);
// no job for any other form.
bool PrinterPage(const QString& activeForm, const DriveProject& p, PrintJob& job);
// mPrinter2 on STEP1: the catalogue table of the feasibility or idler tab.
bool CatalogueTablePage(const DriveProject& p, PrintJob& job);

// Shows the page in a print preview on the platform's printer set-up
// (landscape, the printer's own paper), from which the user prints it or
// saves it as a PDF. Returns "" or why there is no preview.
QString ShowPrintPreview(QWidget* parent, const PrintJob& job);

}  // namespace belt
