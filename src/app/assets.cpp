#include "app/assets.h"

#include <QCoreApplication>
#include <QDir>

#include "platform/assetfile.h"

namespace belt {

namespace {
QString& assetDirOverride() {
    static QString dir;
    return dir;
}
}  // namespace

QString AssetPath(const QString& name) {
    if (!assetDirOverride().isEmpty()) return QDir(assetDirOverride()).filePath(name);
    const std::filesystem::path exeDir = QCoreApplication::applicationDirPath().toStdString();
    return QString::fromStdString(AssetFile(exeDir, name.toStdString()).string());
}

void SetAssetDir(const QString& dir) {
    assetDirOverride() = dir;
}

}  // namespace belt
