// PrintCalculationReport: the results of step 5 on one landscape page, in two
// halves. Left: the maker's heading, the belt title, the remarks, the belt
// block, the belt code and the results; right: the installation data and the
// pulley table. Built from the same report lines as the results screen.
// With the design's calculation details, their pages follow the report
// (print/detailspages.h).
#pragma once

#include <QDate>
#include <QRectF>

#include "print/pdfpage.h"

class QPainter;

namespace belt {

struct DriveProject;
class DesignDetails;

// Paints the report into `page` (device coordinates of the painter), dated
// `date` in the footer.
void PaintCalculationReport(QPainter& painter, const QRectF& page, const DriveProject& p, const QDate& date);

// The report and, when details are given, the calculation details on the
// pages after it, each page begun with newPage(). The details are those the
// design recorded (a DesignDetails filled through RecordingDialogs); the
// installation figures are added to a copy. Returns the number of pages.
// A PDF of it: WritePdfDocument(path, title, [&](QPainter& painter, const
// QRectF& page, const NewPage& next) { PaintCalculationReportPages(painter,
// page, p, date, &details, next); }).
int PaintCalculationReportPages(QPainter& painter, const QRectF& page, const DriveProject& p,
                                const QDate& date, const DesignDetails* details, const NewPage& newPage);

}  // namespace belt
