#include "print/pdfpage.h"

#include <QFile>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace belt {

QString WritePdfPage(const QString& path, const QString& title, const PagePainter& paint) {
    return WritePdfDocument(path, title, [&paint](QPainter& painter, const QRectF& page, const NewPage&) {
        paint(painter, page);
    });
}

QString WritePdfDocument(const QString& path, const QString& title, const DocumentPainter& paint) {
    // QPdfWriter reports a file it cannot open only as a painter that is
    // not active; asking first gives the reason.
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly)) return path + QStringLiteral(": ") + probe.errorString();
    probe.close();

    QPdfWriter pdf(path);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("VESTRANO BELT CALCULATION"));
    // The margins of a common printer, so a printed PDF loses nothing.
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(5, 5, 5, 5),
                                  QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&pdf)) return path + QStringLiteral(": the PDF could not be written");
    const QRect paintRect = pdf.pageLayout().paintRectPixels(pdf.resolution());
    paint(painter, QRectF(QPointF(0, 0), QSizeF(paintRect.size())), [&pdf] { return pdf.newPage(); });
    if (!painter.end()) return path + QStringLiteral(": the PDF could not be written");
    return {};
}

}  // namespace belt
