// The maker's heading and the dated footer that the calculation report and
// the drawings page share; each page gives its own places.
#pragma once

#include <QDate>
#include <QPointF>
#include <QRectF>
#include <QString>

namespace belt {

class PageCanvas;

// Logical places on the page: the logo and the telephone pictures, the top
// left of the maker's name (the postal address follows on the next line)
// and of the contact line.
struct HeadingPlaces {
    QRectF logo;
    QRectF phone;
    QPointF name;
    QPointF contact;
};

void PaintMakerHeading(PageCanvas& c, const HeadingPlaces& at);

// "dd-mm-yy - by VESTRANO".
QString FooterText(const QDate& date);

// The footer in 9-point type at the page's bottom edge: from x, or, with
// alignRight, ending at x. Returns its top (logical Y).
double PaintFooter(PageCanvas& c, const QDate& date, double x, bool alignRight);
// Top of the footer without painting it.
double FooterTop(PageCanvas& c);

}  // namespace belt
