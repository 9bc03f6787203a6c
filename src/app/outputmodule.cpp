#include "app/outputmodule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

#include "output/outputdevices.h"

#ifndef BELT_OUTPUT_MODULE_FROM_BIN
#define BELT_OUTPUT_MODULE_FROM_BIN "../lib/beltcalc"
#endif

namespace belt {

namespace {

const char* const kModuleName = "beltcalc-output";

QString& firstFolder() {
    static QString folder;
    return folder;
}

QStringList candidateFolders() {
    QStringList folders;
    if (!firstFolder().isEmpty()) folders << firstFolder();
    const QString bin = QCoreApplication::applicationDirPath();
    folders << bin << QDir::cleanPath(bin + QLatin1Char('/') + QLatin1String(BELT_OUTPUT_MODULE_FROM_BIN));
    return folders;
}

}  // namespace

void SetOutputModuleFolder(const QString& folder) {
    firstFolder() = folder;
}

const OutputDevices* LoadOutputDevices(QString& error) {
    static const OutputDevices* devices = nullptr;
    if (devices) return devices;
    const QStringList folders = candidateFolders();
    for (const QString& folder : folders) {
        const QString file = QDir(folder).filePath(QLatin1String(kModuleName) + QLatin1String(".so"));
        if (!QFileInfo::exists(file)) continue;
        // Never unloaded: the program keeps the module's functions (a
        // QLibrary leaves the library loaded when it goes).
        QLibrary library(file);
        const auto entry = reinterpret_cast<OutputDevicesEntry>(library.resolve(kOutputDevicesEntry));
        const OutputDevices* found = entry ? entry() : nullptr;
        if (!found) {
            error = library.errorString();
            return nullptr;
        }
        if (found->version != kOutputDevicesVersion) {
            error = file + QStringLiteral(" belongs to another version of the program.");
            library.unload();
            return nullptr;
        }
        devices = found;
        return devices;
    }
    error = QStringLiteral("the program's output module %1.so was not found in %2.")
                .arg(QLatin1String(kModuleName), folders.join(QStringLiteral(", ")));
    return nullptr;
}

}  // namespace belt
