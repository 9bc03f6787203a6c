#include "app/layoutexport.h"

#include <QFileDialog>
#include <QFileInfo>
#include <fstream>

#include "engine/layout.h"
#include "export/layoutdxf.h"
#include "export/svglayout.h"
#include "platform/dialogs.h"
#include "project/driveproject.h"

namespace belt {

namespace {

const char* const kTitle = "VESTRANO BELT CALCULATION";
const QString kDxfFilter = QStringLiteral("DXF drawing (*.dxf)");
const QString kSvgFilter = QStringLiteral("SVG picture (*.svg)");

bool IsSvg(const QString& path) { return QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0; }

// "" or what went wrong.
QString WriteDxf(const DriveProject& p, const QString& path, bool& belt) {
    std::ofstream out(QFile::encodeName(path).toStdString(), std::ios::binary | std::ios::trunc);
    if (!out) return path + QStringLiteral(": the file cannot be created.");
    belt = WriteLayoutDxf(p, out);
    out.close();
    if (!out) return path + QStringLiteral(": the file could not be written completely.");
    return {};
}

}  // namespace

QString AskLayoutExportPath(QWidget* parent) {
    QString filter = kDxfFilter;
    QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Export layout"), QString(),
                                                kDxfFilter + QStringLiteral(";;") + kSvgFilter, &filter);
    if (path.isEmpty()) return path;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("dxf") && suffix != QLatin1String("svg"))
        path += filter == kSvgFilter ? QStringLiteral(".svg") : QStringLiteral(".dxf");
    return path;
}

void ExportLayout(const DriveProject& p, Dialogs& d, const QString& path) {
    bool belt = true;
    QString error;
    if (IsSvg(path)) {
        error = WriteLayoutSvg(p, path);
        belt = !LayoutBeltLines(p).empty();
    } else {
        error = WriteDxf(p, path, belt);
    }
    if (!error.isEmpty()) {
        d.message("The layout has not been exported:\r" + error.toStdString(), kTitle, MsgIcon::Warning);
        return;
    }
    if (!belt)
        d.message("The layout has no belt path yet: the file shows the pulleys only.", kTitle,
                  MsgIcon::Information);
}

}  // namespace belt
