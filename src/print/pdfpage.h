// Printed pages as a PDF file: A4 landscape, text kept as text and lines as
// lines (the pages are painted straight into the PDF, never via an image).
#pragma once

#include <QByteArray>
#include <QDate>
#include <QRectF>
#include <QString>
#include <functional>

class QPainter;

namespace belt {

// Paints a page into the page rectangle given in the painter's device units.
using PagePainter = std::function<void(QPainter& painter, const QRectF& page)>;

// Starts the next page of a document; false when the device could not.
using NewPage = std::function<bool()>;
// Paints a document of one or more pages, each into the page rectangle,
// calling newPage() before every page after the first.
using DocumentPainter = std::function<void(QPainter& painter, const QRectF& page, const NewPage& newPage)>;

// Writes the page to path. Returns "" or what went wrong.
QString WritePdfPage(const QString& path, const QString& title, const PagePainter& paint);
// Writes the document's pages to path. Returns "" or what went wrong.
QString WritePdfDocument(const QString& path, const QString& title, const DocumentPainter& paint);

// The page (the document) as the bytes of a PDF file; empty when it could
// not be painted. A valid `created` is the document's creation date (that
// day, 00:00 UTC) in place of the moment of writing, so that the same pages
// give the same bytes every time.
QByteArray PdfPageBytes(const QString& title, const PagePainter& paint, const QDate& created = {});
QByteArray PdfDocumentBytes(const QString& title, const DocumentPainter& paint, const QDate& created = {});

}  // namespace belt
