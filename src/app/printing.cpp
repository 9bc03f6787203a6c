#include "app/printing.h"

#include <QDate>
#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QWidget>

#include "engine/applicationdata.h"
#include "print/calculationreport.h"
#include "print/cataloguetables.h"
#include "print/drawingspage.h"
#include "project/driveproject.h"

namespace belt {

bool PrinterPage(const QString& activeForm, const DriveProject& p, PrintJob& job) {
    if (activeForm == QLatin1String("STEP5")) {
        // The page reads the project when it is painted: the preview
        // repaints it at every zoom and once more for the printer.
        job = {QStringLiteral("Calculation report"), [&p](QPainter& painter, const QRectF& page) {
                   PaintCalculationReport(painter, page, p, QDate::currentDate());
               }};
        return true;
    }
    if (activeForm == QLatin1String("STEP6")) {
        job = {QStringLiteral("Drawings"), [&p](QPainter& painter, const QRectF& page) {
                   PaintDrawingsPage(painter, page, p, QDate::currentDate());
               }};
        return true;
    }
    return false;
}

bool CatalogueTablePage(const DriveProject& p, PrintJob& job) {
    const int tab = p.screen.beltTypeTab;
    if (tab != kTabFeasibility && tab != kTabIdler) return false;
    const CatalogueTable table = tab == kTabFeasibility ? CatalogueTable::Feasibility : CatalogueTable::Idler;
    job = {tab == kTabFeasibility ? QStringLiteral("Feasibility") : QStringLiteral("Idler minimum diameter"),
           [table](QPainter& painter, const QRectF& page) { PaintCatalogueTablePage(painter, page, table); }};
    return true;
}

void ShowPrintPreview(QWidget* parent, const PrintJob& job) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(job.title);
    QPrintPreviewDialog preview(&printer, parent);
    // Large enough to read the page without zooming first.
    if (parent) preview.resize(parent->size() * 0.85);
    preview.setWindowTitle(QStringLiteral("VESTRANO BELT CALCULATION - ") + job.title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&job](QPrinter* target) {
        QPainter painter(target);
        const QRect paintRect = target->pageLayout().paintRectPixels(target->resolution());
        job.paint(painter, QRectF(QPointF(0, 0), QSizeF(paintRect.size())));
    });
    preview.exec();
}

}  // namespace belt
