// What every printed page shares: a logical window laid over the page
// rectangle (200 x 100 units for the report and the drawings page, 100 x 100
// for the catalogue tables), fonts sized as on an A4 landscape sheet printed
// with 5 mm margins and scaled with the page, and text placed by the top of
// its line. The window
// stretches X and Y differently; text is drawn in device units so it keeps
// its shape.
#pragma once

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace belt {

// "Arial", as the pages ask for it; resolved to its metric twin Liberation
// Sans where Arial is not installed, so character columns keep their width.
QString PageFontFamily();

class PageCanvas {
public:
    PageCanvas(QPainter& painter, const QRectF& page, double logicalWidth, double logicalHeight);

    QPainter& painter() { return painter_; }
    const QRectF& page() const { return page_; }

    // Logical coordinates to device coordinates and back.
    double deviceX(double x) const { return page_.left() + x * page_.width() / width_; }
    double deviceY(double y) const { return page_.top() + y * page_.height() / height_; }
    QPointF device(double x, double y) const { return {deviceX(x), deviceY(y)}; }
    QRectF device(const QRectF& logical) const;
    double logicalWidth(double deviceWidth) const { return deviceWidth * width_ / page_.width(); }
    double logicalHeight(double deviceHeight) const { return deviceHeight * height_ / page_.height(); }

    // The current font: size in points on an A4 landscape page. `scale`
    // shrinks a block that does not fit (1 = as given).
    void setFont(double points, bool bold, bool italic, double scale = 1.0);
    const QFont& font() const { return font_; }

    // A length in millimetres of the A4 landscape sheet, in device units
    // (pen widths).
    double millimetres(double mm) const;
    // The em size of a font of that many points, in device units.
    double pointSize(double points) const;

    // Measures of the current font, in logical units.
    double lineHeight() const;
    double textWidth(const QString& text) const;
    // X of character position n: n average character widths of the font
    // from the page's left edge, as a printer's tab columns are counted.
    // Counted in the font as given, so a shrunken block keeps its columns.
    double column(int n) const;

    // Text whose line starts at logical y (its top), from x.
    void text(double x, double y, const QString& text);
    void line(double x1, double y1, double x2, double y2);
    void rectangle(const QRectF& logical);

private:
    QPainter& painter_;
    QRectF page_;
    double width_;
    double height_;
    QFont font_;
    double scale_ = 1.0;
};

}  // namespace belt
