// Loads the output module (output/outputdevices.h) on first use. It is looked
// for beside the program (a build tree), then where it is installed
// (BELT_OUTPUT_MODULE_FROM_BIN, relative to the program's folder).
#pragma once

#include <QString>

namespace belt {

struct OutputDevices;

// The module's devices, or nullptr with what went wrong in `error`. A module
// once loaded stays; a failure is tried again at the next call.
const OutputDevices* LoadOutputDevices(QString& error);

// A folder to look in first (tests, which run from a folder of their own).
void SetOutputModuleFolder(const QString& folder);

}  // namespace belt
