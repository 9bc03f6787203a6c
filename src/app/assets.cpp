#include "app/assets.h"

#include <QCoreApplication>
#include <QDir>

namespace belt {

namespace {
QString& assetDirOverride() {
    static QString dir;
    return dir;
}
}  // namespace

QString AssetPath(const QString& name) {
    const QString dir =
        assetDirOverride().isEmpty() ? QCoreApplication::applicationDirPath() : assetDirOverride();
    return QDir(dir).filePath(name);
}

void SetAssetDir(const QString& dir) {
    assetDirOverride() = dir;
}

}  // namespace belt
