// mPrinter2_Click's page: the catalogue table that step 1 shows on its
// feasibility tab or its idler tab, with the logo and a title, on one
// landscape page. Drawn from the catalogue tables themselves, so the page
// always says what the catalogue says.
#pragma once

#include <QRectF>

class QPainter;

namespace belt {

enum class CatalogueTable { Feasibility, Idler };

// Paints the page into `page` (device coordinates of the painter).
void PaintCatalogueTablePage(QPainter& painter, const QRectF& page, CatalogueTable table);

}  // namespace belt
