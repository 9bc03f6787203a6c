#include "app/layoutexport.h"

#include <QFileInfo>
#include <sstream>

#include "app/outputmodule.h"
#include "engine/layout.h"
#include "export/layoutdxf.h"
#include "export/svglayout.h"
#include "output/outputdevices.h"
#include "platform/dialogs.h"
#include "project/driveproject.h"
#include "project/filereplace.h"

namespace belt {

namespace {

const char* const kTitle = "VESTRANO BELT CALCULATION";

bool IsSvg(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
}

// "" or what went wrong. The drawing replaces the file only once it is
// written whole, as every file the program writes.
QString WriteDxf(const DriveProject& p, const QString& path, bool& belt) {
    std::ostringstream out;
    belt = WriteLayoutDxf(p, out);
    return QString::fromStdString(ReplaceFile(QFile::encodeName(path).toStdString(), out.str()));
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
