// Where the desktop program finds its help file, tune and examples: beside
// the executable in a build tree, in ../share/beltcalc when installed
// (platform/assetfile.h).
#pragma once

#include <QString>

namespace belt {

// Full path of an asset file, found from the executable's folder unless
// SetAssetDir chose another (tests read the assets from the source tree).
QString AssetPath(const QString& name);
void SetAssetDir(const QString& dir);

}  // namespace belt
