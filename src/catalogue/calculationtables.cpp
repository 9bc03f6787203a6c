#include "catalogue/calculationtables.h"

#include "catalogue/beltids.h"
#include "catalogue/feasibility.h"
#include "catalogue/flatbelts.h"
#include "catalogue/idlerdiameters.h"
#include "catalogue/loadfactors.h"
#include "catalogue/pulleytables.h"
#include "catalogue/standardwidths.h"

namespace belt {

void LoadStep1Tables(DriveProject& p) {
    DatiLoadFactorC3(p);
    DatiFlatBelt(p);
    DatiFeasibility(p);
    DatiIdler(p);
}

void LoadStep3Catalogue(DriveProject& p) {
    LoadPulleyTable(p);
    LoadProfileRatingData(p);
    LoadStandardWidths(p);
    LoadMinimumIdlerDiameters(p);
}

void LoadCalculationTables(DriveProject& p) {
    LoadStep1Tables(p);
    LoadStep3Catalogue(p);
}

}  // namespace belt
