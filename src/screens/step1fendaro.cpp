// STEP1: the FENDARO page, the flat belt groups, their type list and the
// characteristics of the chosen type.

#include <QListWidget>

#include "catalogue/flatbelts.h"
#include "catalogue/loadfactors.h"
#include "engine/applicationdata.h"
#include "project/driveproject.h"
#include "screens/fittext.h"
#include "screens/placeform.h"
#include "screens/screenstyle.h"
#include "screens/step1layout.h"
#include "screens/step1screen.h"

namespace belt {

using namespace style;
using namespace step1;

void Step1Screen::fillFlatBeltList(const FlatBeltGroup& g) {
    const QSignalBlocker block(proprieta_);
    proprieta_->clear();
    for (const std::string& name : ListFlatBeltTypes(project_, g.first, g.last))
        proprieta_->addItem(qs(name));
    listContent_ = 2;
    listGroupFirst_ = g.first;
    FitListFont(proprieta_, 10, SmallestReadablePoints(this));
}

void Step1Screen::Fendaro() {
    if (project_.beltType.empty()) {
        InitFactorTable(project_, FactorTableKind::Duty);
        project_.flatBeltIndex = 0;
        project_.flatBeltInfoColumn = 21;
    }
    testo_[1]->setText(QStringLiteral("Belt Type"));
    testo_[2]->setText(QStringLiteral("Characteristics"));
    setTabellaCaptions();
    PlaceForm(testo_[0], 2, 29, 27, 17);
    PlaceForm(testo_[1], 2, 47, 27, 3);
    PlaceForm(proprieta_, 2, 50.5, 27, 28);
    PlaceForm(testo_[2], 31, 29, 40, 3);
    testo_[1]->show();
    testo_[2]->show();
    showTable(false, 3);
    styleTabellaFive(true);
    tabella_[5]->show();
    titolo_->show();
}

}  // namespace belt
