// Installation data: how hard to tension the belt and how to check it (span
// pre-tension, static shaft loads, test force and span deflection, stretch
// of open-end belts, recommended tension of multi-rib and flat belts).
// Computed from the state while a report is written, never stored.
#pragma once

#include <string>
#include <vector>

#include "engine/details.h"
#include "engine/report.h"
#include "project/driveproject.h"

namespace belt {

// The "INSTALLATION DATA" title, a blank line and the section's lines, in
// the current force unit; lengths of this section are always in mm. With a
// sink, every figure is also recorded in the calculation details. The
// family's installation rule chooses the lines; a beltFamily that is no
// family throws UnknownBeltFamily.
std::vector<ReportLine> InstallationDataLines(const DriveProject& p, DetailSink* sink = nullptr);

// Test load B of a metric ORVANTO or RUBBER profile, N per m of belt width;
// 0 for a profile without one.
double TestLoadBase(const std::string& beltPitchCode);

}  // namespace belt
