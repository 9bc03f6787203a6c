#include "app/layoutexport.h"

#include <QFileInfo>
#include <fstream>

#include "app/outputmodule.h"
#include "engine/layout.h"
#include "export/layoutdxf.h"
#include "export/svglayout.h"
#include "output/outputdevices.h"
#include "platform/dialogs.h"
#include "project/driveproject.h"

namespace belt {

namespace {

const char* const kTitle = "VESTRANO BELT CALCULATION";

bool IsSvg(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
}

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

FileDialogRequest LayoutExportRequest(const QString& startFolder, const QString& projectFile) {
    FileDialogRequest r;
    r.mode = FileDialogRequest::Mode::Save;
    r.title = QStringLiteral("Export layout");
    r.filter = QStringLiteral("Layout: DXF drawing or SVG picture");
    r.pattern = QStringLiteral("*.dxf *.svg");
    r.defaultSuffix = QStringLiteral("dxf");
    r.directory = startFolder;
    if (!projectFile.isEmpty()) {
        const QFileInfo project(projectFile);
        r.directory = project.absolutePath();
        r.selectedFile = project.completeBaseName() + QStringLiteral(".dxf");
    }
    return r;
}

void ExportLayout(const DriveProject& p, Dialogs& d, const QString& path) {
    bool belt = true;
    QString error;
    if (IsSvg(path)) {
        const OutputDevices* devices = LoadOutputDevices(error);
        if (devices) error = devices->writeSvgFile(path, LayoutSvgPicture(p));
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
