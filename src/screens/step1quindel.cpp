// STEP1: the QUINDEL page, the multi-rib product text and its duty table.

#include "catalogue/flatbelts.h"
#include "catalogue/loadfactors.h"
#include "engine/applicationdata.h"
#include "project/driveproject.h"
#include "screens/placeform.h"
#include "screens/screenstyle.h"
#include "screens/step1layout.h"
#include "screens/step1screen.h"

namespace belt {

using namespace style;
using namespace step1;

void Step1Screen::Quindel() {
    if (project_.beltType.empty()) InitFactorTable(project_, FactorTableKind::Duty);
    setTesto0(std::string(kQuindelProductText));
    setTabellaCaptions();
    PlaceForm(testo_[0], 4, 29, 92, 22);
    showTable(false, 3);
    testo_[0]->show();
    titolo_->show();
}

}  // namespace belt
