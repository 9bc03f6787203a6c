// A small writer of ASCII DXF files in the R12 subset that every CAD program
// reads: a HEADER with the drawing's extents, the LTYPE and LAYER tables, and
// LINE, CIRCLE, ARC and TEXT entities.
//
// Our own rather than a library: the C++ DXF libraries packaged in Debian
// (dxflib, libdxfrw) are GPL, and linking one would bind the whole program to
// that licence for the sake of a few entity records.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace belt {

class DxfWriter {
public:
    // A layer with its AutoCAD colour index (1 red, 3 green, 7 black/white, ...).
    void addLayer(const std::string& name, int colour);

    void line(const std::string& layer, double x0, double y0, double x1, double y1);
    void circle(const std::string& layer, double cx, double cy, double radius);
    // Counter-clockwise from startDegrees to endDegrees.
    void arc(const std::string& layer, double cx, double cy, double radius, double startDegrees, double endDegrees);
    // Text whose baseline starts at (x, y), `height` high.
    void text(const std::string& layer, double x, double y, double height, const std::string& text);

    // The whole file. Numbers are written with a point and as many digits
    // as they need to read back exactly, whatever the locale.
    void write(std::ostream& out) const;

private:
    struct Layer {
        std::string name;
        int colour;
    };
    void extend(double x, double y);

    std::vector<Layer> layers_;
    std::string entities_;
    bool empty_ = true;
    double minX_ = 0, minY_ = 0, maxX_ = 0, maxY_ = 0;
};

}  // namespace belt
