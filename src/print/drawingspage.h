// PrintDrawingsPage: the paper counterpart of step 6 on one landscape page.
// Left: the maker's heading, the belt's title, its profile drawing with the
// profile dimensions, the pulley drawing; right: the drive layout, framed,
// with its scale; across the bottom: a table of all pulleys.
#pragma once

#include <QDate>
#include <QRectF>

class QPainter;

namespace belt {

struct DriveProject;

// Paints the page into `page` (device coordinates of the painter), dated
// `date` in the footer.
void PaintDrawingsPage(QPainter& painter, const QRectF& page, const DriveProject& p, const QDate& date);

}  // namespace belt
