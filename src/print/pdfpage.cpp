#include "print/pdfpage.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace belt {

namespace {

// Paints the document into the PDF writer; false when it could not.
bool PaintPdf(QPdfWriter& pdf, const QString& title, const DocumentPainter& paint) {
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("VESTRANO BELT CALCULATION"));
    // The margins of a common printer, so a printed PDF loses nothing.
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(5, 5, 5, 5),
                                  QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&pdf)) return false;
    const QRect paintRect = pdf.pageLayout().paintRectPixels(pdf.resolution());
    paint(painter, QRectF(QPointF(0, 0), QSizeF(paintRect.size())), [&pdf] { return pdf.newPage(); });
    return painter.end();
}

// Qt writes the moment of writing as "/CreationDate (D:YYYYMMDDHHmmSS"
// followed by "Z)" or by the offset "+HH'mm')". The date goes in its place
// with the same number of bytes, so the cross-reference table stays right.
void FixCreationDate(QByteArray& pdf, const QDate& created) {
    const QByteArray key = "/CreationDate (D:";
    const qsizetype at = pdf.indexOf(key);
    if (at < 0) return;
    const qsizetype start = at + key.size();
    const qsizetype end = pdf.indexOf(')', start);
    if (end < 0) return;
    const qsizetype length = end - start;
    QByteArray date = created.toString(QStringLiteral("yyyyMMdd")).toLatin1() + "000000";
    date += length == date.size() + 1 ? QByteArray("Z") : QByteArray("+00'00'");
    if (date.size() == length) pdf.replace(start, length, date);
}

}  // namespace

namespace {

// One page as a document of one page.
DocumentPainter OnePage(const PagePainter& paint) {
    return [paint](QPainter& painter, const QRectF& page, const NewPage&) { paint(painter, page); };
}

}  // namespace

QString WritePdfPage(const QString& path, const QString& title, const PagePainter& paint) {
    return WritePdfDocument(path, title, OnePage(paint));
}

QString WritePdfDocument(const QString& path, const QString& title, const DocumentPainter& paint) {
    // QPdfWriter reports a file it cannot open only as a painter that is
    // not active; asking first gives the reason.
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly)) return path + QStringLiteral(": ") + probe.errorString();
    probe.close();

    QPdfWriter pdf(path);
    if (!PaintPdf(pdf, title, paint)) return path + QStringLiteral(": the PDF could not be written");
    return {};
}

QByteArray PdfPageBytes(const QString& title, const PagePainter& paint, const QDate& created) {
    return PdfDocumentBytes(title, OnePage(paint), created);
}

QByteArray PdfDocumentBytes(const QString& title, const DocumentPainter& paint, const QDate& created) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        if (!PaintPdf(pdf, title, paint)) return {};
    }
    if (created.isValid()) FixCreationDate(bytes, created);
    return bytes;
}

}  // namespace belt
