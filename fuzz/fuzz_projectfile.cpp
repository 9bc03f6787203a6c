// A project file made of arbitrary bytes that reads whole (the format alone
// is fuzz_fileformat's part) and holds a drive is calculated as
// beltcalc-batch calc calculates it, with the program's questions answered
// from the input. Afterwards:
// - no project variable holds NaN or infinity (as the JSON of calc shows
//   them, and the layout's tangent points);
// - the project saves to a file that opens again, to the same values;
// - every belt path of the layout has a positive length;
// - a multi-rib or flat belt designed with the width proposed is rated at
//   least at the power times its service factor.
#include <cmath>
#include <string_view>

#include "batch/projectjson.h"
#include "catalogue/beltids.h"
#include "catalogue/belttraits.h"
#include "catalogue/calculationtables.h"
#include "engine/designsequence.h"
#include "engine/layout.h"
#include "engine/layouteditor.h"
#include "engine/report.h"
#include "fuzzsupport.h"
#include "project/projectfile.h"
#include "units/units.h"

namespace {

using namespace belt;

// Saved and opened again, the project saves to the very same file (the
// values kept to the digits a file holds).
void CheckReopens(const DriveProject& p) {
    const std::string saved = ProjectFile::write(p, "STEP5");
    DriveProject opened;
    const OpenResult first = ProjectFile::read(saved, opened);
    FUZZ_CHECK(first.ok, "a saved project does not open again");
    const std::string again = ProjectFile::write(opened, "STEP5");
    DriveProject reopened;
    FUZZ_CHECK(ProjectFile::read(again, reopened).ok, "a saved project does not open again");
    FUZZ_CHECK(ProjectFile::write(reopened, "STEP5") == again, "a saved project opens to other values");
}

void CheckPathLengths(const DriveProject& p) {
    if (p.pulleyCount < 3 || p.pulleyCount > 4) return;
    DriveProject q = p;
    ComputeBeltPaths(q);
    const int paths = q.beltPathTable[0][0];
    FUZZ_CHECK(paths >= 0 && paths <= 256, "path count out of the table");
    for (int m = 1; m <= paths; ++m) {
        q.beltPathTable[0][1] = m;
        const double length = ComputeBeltLength(q);
        FUZZ_CHECK(std::isfinite(length) && length > 0, "a belt path without a positive length");
    }
}

// A multi-rib or flat belt of the width proposed carries the power times its
// service factor.
void CheckProposedWidthCarriesTheLoad(const DriveProject& p) {
    if (IsToothedBelt(p) || p.ribFlatRatingTable[0][0] == kNoRatingData) return;
    FUZZ_CHECK(p.powerRatingWithWidth >= static_cast<double>(p.serviceFactor) * p.power * (1 - 1e-12),
               "the proposed width is rated below the power times the service factor");
}

// Go On on the pulley data and, for three and four pulleys, on the layout
// until the results or a refusal; the layout fitted to the standard length
// by moving one pulley, as the mouse does (and as calc does it). True when
// the results were reached.
bool Calculate(DriveProject& p, Dialogs& d, std::uint64_t seed) {
    NextStep step = GoOnFromStep3(p, d);
    if (step == NextStep::StayRereadCentreDistanceAndLength) RereadCentreDistanceAndLength(p, d);
    if (step != NextStep::ShowStep4) return step == NextStep::ShowStep5;
    MarkLayoutDrawn(p);
    const int pulley = 2 + static_cast<int>(seed % static_cast<std::uint64_t>(p.pulleyCount - 1));
    const int axis = (seed >> 8) & 1U ? kAxisX : kAxisY;
    bool adjusted = false;
    for (int pass = 0; pass < 4; ++pass) {
        // A layout waiting to be fitted (also one saved so) gets its click first.
        if (p.layoutNeedsAdjust != 0 && !adjusted) {
            adjusted = true;
            if (IsOmegaDrive(p)) {
                OnLayoutMouseUp(p, d, axis == kAxisY);
            } else if (!AdjustPulley(p, d, pulley, axis)) {
                step = NextStep::Stay;
                break;
            }
        }
        step = GoOnFromStep4(p, d);
        if (step != NextStep::ShowAdjustHint) break;
    }
    // The results page and the printed report write every line from the state.
    if (step == NextStep::ShowStep5) BuildResultsReport(p);
    return step == NextStep::ShowStep5;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A complete project takes some 10 kB.
    if (size > 64 * 1024) return 0;
    DriveProject p;
    InitUnitTables(p);
    // calc refuses a damaged file.
    if (!ProjectFile::read(std::string_view(reinterpret_cast<const char*>(data), size), p).ok) return 0;
    // calc refuses a project of a family the catalogue does not have as it opens it.
    if (!BeltFamilyError(p).empty()) return 0;
    if (p.pulleyCount >= 2 && p.pulleyCount <= 4 && !p.beltName.empty() && !p.beltPitchCode.empty()) {
        LoadCalculationTables(p);
        const std::uint64_t seed = fuzz::Hash(data, size);
        fuzz::FuzzDialogs d(seed);
        const bool done = Calculate(p, d, seed);
        if (done && !d.typedOther()) CheckProposedWidthCarriesTheLoad(p);
        FUZZ_CHECK(!done || !IsMultiRibBelt(p) || p.pulleyFaceWidth == 0,
                   "a multi-rib pulley with a face width");
        int nonFinite = 0;
        batch::ProjectToJson(p, &nonFinite);
        FUZZ_CHECK(nonFinite == 0, "a project variable is NaN or infinite");
        // The tangent points are no part of the JSON; the layout's drawings read them.
        for (const auto& coordinate : p.tangentPoint)
            for (const auto& choice : coordinate)
                for (const auto& pulley : choice)
                    for (double v : pulley)
                        FUZZ_CHECK(std::isfinite(v), "a tangent point is NaN or infinite");
        CheckReopens(p);
        CheckPathLengths(p);
    }
    return 0;
}
