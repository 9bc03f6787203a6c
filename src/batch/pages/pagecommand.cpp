#include "batch/pages/pagecommand.h"

#include <QDateTime>
#include <QGuiApplication>
#include <QHashSeed>
#include <QString>
#include <cstdlib>
#include <ctime>
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
    if (it != values.end()) {
        const std::string& text = it->second;
        if (text.size() == 10 && Digits(text, 0, 4) && text[4] == '-' && Digits(text, 5, 2) && text[7] == '-' &&
            Digits(text, 8, 2))
            fixed = QDate::fromString(QString::fromStdString(text), QStringLiteral("yyyy-MM-dd"));
        if (!fixed.isValid()) return "--date takes a date as YYYY-MM-DD, not \"" + text + "\"";
    } else if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH"); epoch && *epoch) {
        // Reproducible builds set it; its day in UTC stands for --date.
        const std::string text = epoch;
        if (text.size() > 12 || !Digits(text, 0, text.size()))
            return "SOURCE_DATE_EPOCH takes the seconds since 1970-01-01 00:00 UTC, not \"" + text + "\"";
        fixed = QDateTime::fromSecsSinceEpoch(std::stoll(text), Qt::UTC).date();
    } else {
        return "";
    }
    date = fixed;
    // The PDF writer stamps the moment of writing with the local offset ("Z"
    // or "+01'00'"), whose length decides every later byte: in UTC the same
    // date gives the same file wherever it is written.
    ::setenv("TZ", "UTC0", 1);
    ::tzset();
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
    if (bytes.isEmpty()) return call.fail(path + ": the PDF could not be painted");
    return WriteOutput(call, path,
                       std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

const char* const kPdfOptionsHelp =
    "  --pdf OUT.pdf              the page as a PDF file (A4 landscape); \"-\": to\n"
    "                             standard output\n"
    "  --date YYYY-MM-DD          the date in the footer and the PDF's creation date,\n"
    "                             instead of today: the same command then writes the\n"
    "                             same bytes in every time zone (without it, the day\n"
    "                             of SOURCE_DATE_EPOCH in UTC, when that is set)\n";

}  // namespace belt::batch
