// The calculation details on printed pages: every entry the design recorded,
// step by step (what, rule, values, catalogue rows, result, and the messages
// the design showed), in the user's units, on A4 landscape pages in two
// columns, each page with the report's heading and footer; the rating chart
// at the top of the right column of the first page.
#pragma once

#include <QDate>
#include <QRectF>
#include <QString>

#include "engine/details.h"
#include "print/pdfpage.h"

class QPainter;

namespace belt {

struct DriveProject;

// Paints the details pages into `page` (device coordinates of the painter),
// calling newPage() before every page after the first; the installation
// figures are added to a copy of details, as the report computes them.
// Details without an entry give one page that says how they are recorded.
// Returns the number of pages painted.
int PaintCalculationDetailsPages(QPainter& painter, const QRectF& page, const DriveProject& p,
                                 const DesignDetails& details, const QDate& date, const NewPage& newPage);

// The details as the screen and the pages show them: a copy of what the
// design recorded with the installation figures added, as the report
// computes them, once the design reached its belt code (a design that
// stopped shows what it computed up to its message).
DesignDetails DetailsToShow(const DriveProject& p, const DesignDetails& recorded);

// The title of the details pages.
QString CalculationDetailsTitle();
// What the pages and the results screen say when no details were recorded:
// that they are recorded when the drive is calculated, and how.
QString NoCalculationDetailsText();

}  // namespace belt
