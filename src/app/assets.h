// Where the program finds its help file, tune and artwork: its own folder.
#pragma once

#include <QString>

namespace belt {

// Full path of an asset file; the folder is the executable's own unless
// SetAssetDir chose another (tests read the assets from the source tree).
QString AssetPath(const QString& name);
void SetAssetDir(const QString& dir);

}  // namespace belt
