// One printed page as a PDF file: A4 landscape, text kept as text and lines
// as lines (the page is painted straight into the PDF, never via an image).
#pragma once

#include <QRectF>
#include <QString>
#include <functional>

class QPainter;

namespace belt {

// Paints a page into the page rectangle given in the painter's device units.
using PagePainter = std::function<void(QPainter& painter, const QRectF& page)>;

// Writes the page to path. Returns "" or what went wrong.
QString WritePdfPage(const QString& path, const QString& title, const PagePainter& paint);

}  // namespace belt
