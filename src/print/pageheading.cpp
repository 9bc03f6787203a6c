#include "print/pageheading.h"

#include <QPainter>

#include "catalogue/maker.h"
#include "drawing/logo.h"
#include "drawing/stylecolours.h"
#include "engine/report.h"
#include "print/pagecanvas.h"

namespace belt {

namespace {


void FooterFont(PageCanvas& c) { c.setFont(9, false, false); }

}  // namespace

void PaintMakerHeading(PageCanvas& c, const HeadingPlaces& at) {
    DrawLogo(c.painter(), c.device(at.logo), false);
    DrawPhone(c.painter(), c.device(at.phone), Qt::black, Qt::white);
    c.setFont(24, true, true);
    c.text(at.name.x(), at.name.y(), style::qs(kMakerName));
    const double next = at.name.y() + c.lineHeight();
    c.setFont(10, true, false);
    c.text(at.name.x(), next, style::qs(MakerPostalAddress()));
    c.text(at.contact.x(), at.contact.y(), style::qs(MakerContactLine()));
}

QString FooterText(const QDate& date) {
    return date.toString(QStringLiteral("dd-MM-yy")) + QStringLiteral(" - by ") + style::qs(kMakerName);
}

double FooterTop(PageCanvas& c) {
    FooterFont(c);
    return 100.0 - c.lineHeight();
}

double PaintFooter(PageCanvas& c, const QDate& date, double x, bool alignRight) {
    const double top = FooterTop(c);
    const QString text = FooterText(date);
    c.text(alignRight ? x - c.textWidth(text) : x, top, text);
    return top;
}

}  // namespace belt
