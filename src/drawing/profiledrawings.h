// The belt drawings of the data sheet: the belt's tooth profile, rib or flat
// section (Dente, one per profileDrawingCode 0..12), drawn to the
// proportions of the chosen profile with the symbols of the data sheet on
// their dimension lines, and the colours every data sheet drawing uses. The
// same tooth shapes draw the pulleys' grooves and the profile pictures of
// step 1.
//
// Every drawing paints into a rectangle of the painter's current coordinate
// system (a widget, a printed page under its logical window, a PDF) and
// sizes its lines and letters from that rectangle alone.
#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <string>

class QPainter;

namespace belt {

struct DriveProject;

// Colours of a drawing: the screen's card or plain paper.
struct DrawingColours {
    QColor background;  // transparent: nothing is filled behind the drawing
    QColor frame;       // transparent: no frame
    QColor outline;
    QColor belt;        // polyurethane body
    QColor rubber;      // rubber body
    QColor facing;      // the fabric on the teeth of a rubber belt
    QColor cord;        // tension cords
    QColor metal;       // pulley body
    QColor hatch;       // section hatching
    QColor centreLine;  // pitch lines and axes
    QColor dimension;   // dimension lines, arrows and symbols
};
DrawingColours ScreenDrawingColours();
DrawingColours PaperDrawingColours();

enum class ToothForm { Trapezoid, Curvilinear, Parabolic, Rib, Flat };

// A belt's section in mm, from the dimensions of the chosen profile.
struct BeltSection {
    int drawingCode = 0;  // profileDrawingCode
    ToothForm form = ToothForm::Trapezoid;
    bool doubleSided = false;
    bool rubber = false;
    double pitch = 10;          // P: tooth or rib pitch
    double back = 2;            // h1: body above the teeth; ribs: total thickness
    double toothHeight = 2.5;   // h2: tooth or rib height
    double tipWidth = 3.5;      // w
    bool tipWidthGiven = true;  // w is one of the profile's values
    double flankAngle = 40;     // included angle of a trapezoid tooth or of a rib, degrees
    double width = 0;           // flat belts: W
    double thickness = 0;       // flat belts: T
};

// The section of the project's belt (profileDrawingCode chooses the drawing).
// Values the profile does not give (rubber inch belts carry no body and tip
// width) are taken from the polyurethane belt of the same profile.
BeltSection BeltSectionOf(const DriveProject& p);

// A project whose belt is a representative one of drawing code 0..12 (T10,
// T10DL, AT10, XL, RUBBER L, RUBBER LDT, QXD8M, QVP8, QVP8DD, the three rib
// sections, a flat belt) with a 20-tooth (or 60 mm) driver pulley: the
// drawings without a design, for step 1 and for looking at them.
DriveProject SampleDrawingProject(int profileDrawingCode);

// One tooth of a timing belt section (trapezoid, curvilinear or parabolic)
// appended to path: from the land left of the tooth at (cx - root/2, 0) over
// the tip at depth toothHeight (y grows towards the tip) to the land right
// of it. Units of the section (mm).
void AddToothOutline(QPainterPath& path, const BeltSection& s, double cx);
// Width of that tooth where it leaves the land.
double ToothRootWidth(const BeltSection& s);

// The same tooth as a polyline, without the path before it.
QPolygonF ToothPolyline(const BeltSection& s, double cx);

// Dente(profileDrawingCode) for the project.
void DrawProfileDrawing(QPainter& painter, const QRectF& rect, const DriveProject& p,
                        const DrawingColours& colours);

}  // namespace belt
