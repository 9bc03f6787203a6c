// What the commands that write pages share: a Qt Gui application on the
// offscreen platform (no display, no environment needed), the --pdf and
// --date options and the writing of the file.
#pragma once

#include <QDate>
#include <map>
#include <memory>
#include <string>

#include "print/pdfpage.h"

class QGuiApplication;

namespace belt::batch {

struct Invocation;

// The painting machinery for as long as it lives: a Qt Gui application on
// the offscreen platform. One at a time.
class PaintingSession {
public:
    PaintingSession();
    ~PaintingSession();
    PaintingSession(const PaintingSession&) = delete;
    PaintingSession& operator=(const PaintingSession&) = delete;

private:
    std::unique_ptr<QGuiApplication> app_;
};

// "--date YYYY-MM-DD" (exactly so) for the footer and the PDF's creation
// date; without it today's date and the moment of writing, and `date` is
// set while `fixed` stays invalid. Returns "" or the error.
std::string PageDate(const std::map<std::string, std::string>& values, QDate& date, QDate& fixed);

// The --pdf file; "" when missing.
std::string PdfPath(const std::map<std::string, std::string>& values);

// Paints the page and writes it to path ("-": standard output) as
// WriteOutput writes. A valid `fixed` is the PDF's creation date. Returns
// the exit status; a failure is reported through call.fail.
int WritePage(const Invocation& call, const std::string& path, const char* title, const PagePainter& paint,
              const QDate& fixed);
// The same for a document of several pages.
int WriteDocument(const Invocation& call, const std::string& path, const char* title,
                  const DocumentPainter& paint, const QDate& fixed);

// Help lines of --pdf and --date.
extern const char* const kPdfOptionsHelp;

}  // namespace belt::batch
