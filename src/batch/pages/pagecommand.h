// What the commands that write pages share: a Qt Gui application on the
// offscreen platform (no display, no environment needed), the --pdf and
// --date options and the writing of the file.
#pragma once

#include <QDate>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>

#include "print/pdfpage.h"

class QGuiApplication;

namespace belt::batch {

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

// "--date YYYY-MM-DD" for the footer, today without it. Returns "" or the error.
std::string FooterDate(const std::map<std::string, std::string>& values, QDate& date);

// The --pdf file; "" when missing.
std::string PdfPath(const std::map<std::string, std::string>& values);

// Writes the page; reports a failure on err. Returns the exit status.
int WritePage(const std::string& path, const char* title, const PagePainter& paint, std::ostream& err,
              const std::string& commandName);

// Help lines of --pdf and --date.
extern const char* const kPdfOptionsHelp;

}  // namespace belt::batch
