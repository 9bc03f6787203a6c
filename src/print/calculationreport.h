// PrintCalculationReport: the results of step 5 on one landscape page, in two
// halves. Left: the maker's heading, the belt title, the remarks, the belt
// block, the belt code and the results; right: the installation data and the
// pulley table. Built from the same report lines as the results screen.
#pragma once

#include <QDate>
#include <QRectF>

class QPainter;

namespace belt {

struct DriveProject;

// Paints the report into `page` (device coordinates of the painter), dated
// `date` in the footer.
void PaintCalculationReport(QPainter& painter, const QRectF& page, const DriveProject& p, const QDate& date);

}  // namespace belt
