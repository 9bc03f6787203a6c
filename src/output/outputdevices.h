// The print preview and the SVG writer: the output devices that need Qt's
// print support and SVG libraries. They are built as a module of their own
// (beltcalc-output), which the desktop program loads the first time one of
// them is used (app/outputmodule.h), so that the program starts without
// those libraries. The module is installed with the program and built with
// it: the version only guards against a stray module of another build.
#pragma once

#include <QString>

#include "export/svglayout.h"
#include "print/pdfpage.h"

class QWidget;

namespace belt {

// What the print preview shows: the pages of a document and, where the
// document has one, a check box that gives other pages (the calculation
// report "with calculation details").
struct PrintDocument {
    QString title;
    DocumentPainter paint;
    // The check box's caption; no check box when empty.
    QString option;
    // The pages while the check box is ticked.
    DocumentPainter paintWithOption;
};

struct OutputDevices {
    int version;
    // Shows the document in a print preview on the platform's printer
    // set-up (landscape, the printer's own paper), from which the user
    // prints it or saves it as a PDF.
    void (*showPrintPreview)(QWidget* parent, const PrintDocument& document);
    // Writes the picture to path. Returns "" or what went wrong.
    QString (*writeSvgFile)(const QString& path, const SvgPicture& picture);
};

inline constexpr int kOutputDevicesVersion = 2;

// The module's one exported symbol.
inline constexpr const char* kOutputDevicesEntry = "belt_output_devices";
using OutputDevicesEntry = const OutputDevices* (*)();

}  // namespace belt
