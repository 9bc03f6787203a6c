#include "batch/pages/pagecommand.h"

#include <QGuiApplication>
#include <QHashSeed>
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

bool Digits(const std::string& s, std::size_t from, std::size_t count) {
    for (std::size_t i = from; i < from + count; ++i)
        if (s[i] < '0' || s[i] > '9') return false;
    return true;
}

}  // namespace

PaintingSession::PaintingSession() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    // The PDF writer keeps its fonts in hashes: with a seed of its own each
    // run they would come out in another order, and the same page in other
    // bytes.
    QHashSeed::setDeterministicGlobalSeed();
    static int argc = 1;
    static char name[] = "beltcalc-batch";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QGuiApplication>(argc, argv);
}

PaintingSession::~PaintingSession() = default;

std::string PageDate(const std::map<std::string, std::string>& values, QDate& date, QDate& fixed) {
    date = QDate::currentDate();
    fixed = QDate();
    const auto it = values.find("--date");
    if (it == values.end()) return "";
    const std::string& text = it->second;
    if (text.size() == 10 && Digits(text, 0, 4) && text[4] == '-' && Digits(text, 5, 2) && text[7] == '-' &&
        Digits(text, 8, 2))
        fixed = QDate::fromString(QString::fromStdString(text), QStringLiteral("yyyy-MM-dd"));
    if (!fixed.isValid()) return "--date takes a date as YYYY-MM-DD, not \"" + PlainText(text) + "\"";
    date = fixed;
    return "";
}

std::string PdfPath(const std::map<std::string, std::string>& values) {
    const auto it = values.find("--pdf");
    return it == values.end() ? std::string() : it->second;
}

int WritePage(const Invocation& call, const std::string& path, const char* title, const PagePainter& paint,
              const QDate& fixed) {
    return WriteDocument(
        call, path, title,
        [&paint](QPainter& painter, const QRectF& page, const NewPage&) { paint(painter, page); }, fixed);
}

int WriteDocument(const Invocation& call, const std::string& path, const char* title,
                  const DocumentPainter& paint, const QDate& fixed) {
    QByteArray bytes;
    {
        const PaintingSession session;
        bytes = PdfDocumentBytes(QString::fromUtf8(title), paint, fixed);
    }
    if (bytes.isEmpty()) return call.fail(PlainText(path) + ": the PDF could not be painted");
    return WriteOutput(call, path,
                       std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

const char* const kPdfOptionsHelp =
    "  --pdf OUT.pdf              the page as a PDF file (A4 landscape); \"-\": to\n"
    "                             standard output\n"
    "  --date YYYY-MM-DD          the date in the footer and the PDF's creation date,\n"
    "                             instead of today: the same command then writes the\n"
    "                             same bytes\n";

}  // namespace belt::batch
