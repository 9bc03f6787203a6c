#include "export/dxfwriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <ostream>

namespace belt {

namespace {

// The shortest text that reads back as the same double; never a comma.
std::string Number(double v) {
    if (!std::isfinite(v)) v = 0;
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, result.ptr);
}

// One group: its code on a line, its value on the next.
void Group(std::string& out, int code, const std::string& value) {
    out += std::to_string(code);
    out += '\n';
    out += value;
    out += '\n';
}

void Group(std::string& out, int code, double value) { Group(out, code, Number(value)); }

// A point of the drawing plane: X under `code`, Y and Z under the codes 10
// and 20 above it.
void Point(std::string& out, int code, double x, double y) {
    Group(out, code, x);
    Group(out, code + 10, y);
    Group(out, code + 20, 0.0);
}

// The head of an entity: its type, its layer and its first point.
void Entity(std::string& out, const char* type, const std::string& layer, double x, double y) {
    Group(out, 0, type);
    Group(out, 8, layer);
    Point(out, 10, x, y);
}

// A DXF text value is one line: line breaks and other control characters
// would end it early and shift every group after it.
std::string OneLine(const std::string& text) {
    std::string s = text;
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 32) c = ' ';
    return s;
}

}  // namespace

void DxfWriter::addLayer(const std::string& name, int colour) { layers_.push_back({name, colour}); }

void DxfWriter::extend(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    if (empty_) {
        minX_ = maxX_ = x;
        minY_ = maxY_ = y;
        empty_ = false;
        return;
    }
    minX_ = std::min(minX_, x);
    maxX_ = std::max(maxX_, x);
    minY_ = std::min(minY_, y);
    maxY_ = std::max(maxY_, y);
}

void DxfWriter::line(const std::string& layer, double x0, double y0, double x1, double y1) {
    Entity(entities_, "LINE", layer, x0, y0);
    Point(entities_, 11, x1, y1);
    extend(x0, y0);
    extend(x1, y1);
}

void DxfWriter::circle(const std::string& layer, double cx, double cy, double radius) {
    Entity(entities_, "CIRCLE", layer, cx, cy);
    Group(entities_, 40, radius);
    extend(cx - radius, cy - radius);
    extend(cx + radius, cy + radius);
}

void DxfWriter::arc(const std::string& layer, double cx, double cy, double radius, double startDegrees,
                    double endDegrees) {
    Entity(entities_, "ARC", layer, cx, cy);
    Group(entities_, 40, radius);
    Group(entities_, 50, startDegrees);
    Group(entities_, 51, endDegrees);
    extend(cx - radius, cy - radius);
    extend(cx + radius, cy + radius);
}

void DxfWriter::text(const std::string& layer, double x, double y, double height, const std::string& text) {
    Entity(entities_, "TEXT", layer, x, y);
    Group(entities_, 40, height);
    Group(entities_, 1, OneLine(text));
    extend(x, y);
    extend(x, y + height);
}

void DxfWriter::write(std::ostream& out) const {
    std::string s;
    Group(s, 0, "SECTION");
    Group(s, 2, "HEADER");
    Group(s, 9, "$ACADVER");
    Group(s, 1, "AC1009");
    Group(s, 9, "$EXTMIN");
    Point(s, 10, minX_, minY_);
    Group(s, 9, "$EXTMAX");
    Point(s, 10, maxX_, maxY_);
    Group(s, 0, "ENDSEC");

    Group(s, 0, "SECTION");
    Group(s, 2, "TABLES");
    Group(s, 0, "TABLE");
    Group(s, 2, "LTYPE");
    Group(s, 70, "1");
    Group(s, 0, "LTYPE");
    Group(s, 2, "CONTINUOUS");
    Group(s, 70, "0");
    Group(s, 3, "Solid line");
    Group(s, 72, "65");
    Group(s, 73, "0");
    Group(s, 40, 0.0);
    Group(s, 0, "ENDTAB");
    Group(s, 0, "TABLE");
    Group(s, 2, "LAYER");
    Group(s, 70, std::to_string(layers_.size()));
    for (const Layer& l : layers_) {
        Group(s, 0, "LAYER");
        Group(s, 2, l.name);
        Group(s, 70, "0");
        Group(s, 62, std::to_string(l.colour));
        Group(s, 6, "CONTINUOUS");
    }
    Group(s, 0, "ENDTAB");
    Group(s, 0, "ENDSEC");

    Group(s, 0, "SECTION");
    Group(s, 2, "ENTITIES");
    s += entities_;
    Group(s, 0, "ENDSEC");
    Group(s, 0, "EOF");
    out << s;
}

}  // namespace belt
