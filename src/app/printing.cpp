#include "app/printing.h"

#include <QDate>
#include <QPainter>

#include "app/outputmodule.h"
#include "engine/applicationdata.h"
#include "output/outputdevices.h"
#include "print/calculationreport.h"
#include "print/cataloguetables.h"
#include "print/drawingspage.h"
#include "project/driveproject.h"
#include "project/formnames.h"

namespace belt {

bool PrinterPage(const QString& activeForm, const DriveProject& p, PrintJob& job,
                 const DesignDetails* details) {
    if (activeForm == QLatin1String(form::kStep5)) {
        // The page reads the project when it is painted: the preview
        // repaints it at every zoom and once more for the printer.
        job = {QStringLiteral("Calculation report"),
               [&p](QPainter& painter, const QRectF& page) {
                   PaintCalculationReport(painter, page, p, QDate::currentDate());
               },
               {},
               {}};
        if (details) {
            job.option = QStringLiteral("with calculation details");
            job.withOption = [&p, details](QPainter& painter, const QRectF& page, const NewPage& next) {
                PaintCalculationReportPages(painter, page, p, QDate::currentDate(), details, next);
            };
        }
        return true;
    }
    if (activeForm == QLatin1String(form::kStep6)) {
        job = {QStringLiteral("Drawings"),
               [&p](QPainter& painter, const QRectF& page) {
                   PaintDrawingsPage(painter, page, p, QDate::currentDate());
               },
               {},
               {}};
        return true;
    }
    return false;
}

bool CatalogueTablePage(const DriveProject& p, PrintJob& job) {
    const int tab = p.screen.beltTypeTab;
    if (tab != kTabFeasibility && tab != kTabIdler) return false;
    const CatalogueTable table = tab == kTabFeasibility ? CatalogueTable::Feasibility : CatalogueTable::Idler;
    job = {tab == kTabFeasibility ? QStringLiteral("Feasibility") : QStringLiteral("Idler minimum diameter"),
           [table](QPainter& painter, const QRectF& page) { PaintCatalogueTablePage(painter, page, table); },
           {},
           {}};
    return true;
}

QString ShowPrintPreview(QWidget* parent, const PrintJob& job) {
    QString error;
    const OutputDevices* devices = LoadOutputDevices(error);
    if (!devices) return error;
    const PagePainter& page = job.paint;
    PrintDocument document{
        job.title, [&page](QPainter& painter, const QRectF& rect, const NewPage&) { page(painter, rect); },
        job.option, job.withOption};
    devices->showPrintPreview(parent, document);
    return {};
}

}  // namespace belt
