#include "batch/pages/pagecommand.h"

#include <QGuiApplication>
#include <QString>
#include <memory>
#include <ostream>

#include "batch/command.h"

namespace belt::batch {

namespace {

// Qt's remarks about the environment of a server (no runtime directory, no
// session) are no concern of the pages; real failures still get through.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

PaintingSession::PaintingSession() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    static int argc = 1;
    static char name[] = "beltcalc-batch";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QGuiApplication>(argc, argv);
}

PaintingSession::~PaintingSession() = default;

std::string FooterDate(const std::map<std::string, std::string>& values, QDate& date) {
    date = QDate::currentDate();
    const auto it = values.find("--date");
    if (it == values.end()) return "";
    date = QDate::fromString(QString::fromStdString(it->second), Qt::ISODate);
    if (!date.isValid()) return "--date takes a date as YYYY-MM-DD, not \"" + PlainText(it->second) + "\"";
    return "";
}

std::string PdfPath(const std::map<std::string, std::string>& values) {
    const auto it = values.find("--pdf");
    return it == values.end() ? std::string() : it->second;
}

int WritePage(const std::string& path, const char* title, const PagePainter& paint, std::ostream& err,
              const std::string& commandName) {
    const PaintingSession session;
    const QString error = WritePdfPage(QString::fromStdString(path), QString::fromUtf8(title), paint);
    if (error.isEmpty()) return kExitOk;
    // As calc's --save: an output that cannot be written is the command line's fault.
    err << "beltcalc-batch " << commandName << ": " << error.toStdString() << "\n";
    return kExitUsage;
}

const char* const kPdfOptionsHelp =
    "  --pdf OUT.pdf              the page as a PDF file (A4 landscape)\n"
    "  --date YYYY-MM-DD          the date in the footer instead of today's\n";

}  // namespace belt::batch
