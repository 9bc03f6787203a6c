// STEP1: the ORVANTO and RUBBER pages, driver class, driven machine list
// and the blinking load factor box.

#include <QButtonGroup>
#include <QListWidget>
#include <QRadioButton>

#include "catalogue/loadfactors.h"
#include "engine/applicationdata.h"
#include "project/driveproject.h"
#include "screens/fittext.h"
#include "screens/menuactions.h"
#include "screens/numericbox.h"
#include "screens/placeform.h"
#include "screens/screenstyle.h"
#include "screens/step1layout.h"
#include "screens/step1screen.h"
#include "units/units.h"

namespace belt {

using namespace style;
using namespace step1;

// The option buttons serve the driver class here and the kind of linear
// drive on the SELKIRA page.
void Step1Screen::makeMachineControls() {
    driverGroup_ = new QButtonGroup(this);
    for (std::size_t i = 0; i < optionDriver_.size(); ++i) {
        auto* b = new QRadioButton(this);
        b->setObjectName(QStringLiteral("OptionDriver%1").arg(i));
        whiteText(b);
        SetFontSize(b, kDriverPoints);
        driverGroup_->addButton(b, static_cast<int>(i));
        optionDriver_[i] = b;
    }
    connect(driverGroup_, &QButtonGroup::idClicked, this, &Step1Screen::OptionDriver_Click);

    proprieta_ = new QListWidget(this);
    proprieta_->setObjectName(QStringLiteral("Proprieta"));
    SetFontSize(proprieta_, 10);
    connect(proprieta_, &QListWidget::currentRowChanged, this, [this] { Proprieta_Click(); });
    connect(proprieta_, &QListWidget::itemClicked, this, [this] { Proprieta_Click(); });

    loadFactorBox_ = new NumericBox(project_, dialogs_, this);
    loadFactorBox_->setObjectName(QStringLiteral("LoadFactorBox"));
    loadFactorBox_->bind(&project_.loadFactor, kPlainNumber, QStringLiteral("###0.0"));
    // Go On would design for no load at all.
    loadFactorBox_->setPositiveOnly(true);
    loadFactorBox_->setText(QStringLiteral("1.0"));
    loadFactorBox_->setCaption(QStringLiteral("Load Factor"));
    loadFactorBox_->setAlignment(Qt::AlignCenter);
    SetFontSize(loadFactorBox_, 14, true);
    {
        QPalette pal = loadFactorBox_->palette();
        pal.setColor(QPalette::Base, kBackground.darker(130));
        pal.setColor(QPalette::Text, kYellow);
        loadFactorBox_->setPalette(pal);
    }
}

void Step1Screen::fillMachineList() {
    const QSignalBlocker block(proprieta_);
    proprieta_->clear();
    for (const std::string& text : CaricaLoadFactor()) proprieta_->addItem(qs(text));
    listContent_ = 1;
    FitListFont(proprieta_, 10, SmallestReadablePoints(this));
}

void Step1Screen::OrvantoRubber() {
    if (project_.demoRunning == 0) {
        setShown(menus_.mGoon, true);
        setShown(menus_.mGoon2, false);
    }
    if (project_.beltType.empty()) {
        InitFactorTable(project_, FactorTableKind::OperationTime);
        project_.screen.optionDriver = {false, false, false};
        project_.screen.proprietaListIndex = -1;
        fillMachineList();
        loadFactorBox_->setText(QStringLiteral("1.0"));
    } else {
        loadFactorBox_->showValue();
    }
    if (listContent_ != 1) fillMachineList();
    {
        const QSignalBlocker block(proprieta_);
        proprieta_->setCurrentRow(project_.screen.proprietaListIndex);
    }
    for (std::size_t i = 0; i < optionDriver_.size(); ++i)
        optionDriverCaption_[i] = qs(kDriverClassCaptions[i]);
    styleTabellaFive(false);
    setTabellaCaptions();
    syncOptionButtons();
    testo_[1]->setText(QStringLiteral("Driver machine"));
    testo_[2]->setText(QStringLiteral("Driven machine"));
    testo_[3]->setText(QStringLiteral("Load Factor"));

    PlaceForm(testo_[0], 2, 28.5, 96, 10);
    PlaceForm(testo_[1], 2, 39, 46, 3);
    for (std::size_t i = 0; i < optionDriver_.size(); ++i)
        PlaceForm(optionDriver_[i], 2, 42.5 + 7.5 * static_cast<double>(i), 47, 7);
    PlaceForm(testo_[2], 52, 39, 46, 3);
    PlaceForm(proprieta_, 52, 42.5, 46, 28);
    PlaceForm(testo_[3], 2, 67, 16, 4);
    PlaceForm(loadFactorBox_, 18, 66.5, 10, 5);
    wrapDriverCaptions();

    showTable(true, 5);
    for (auto* b : optionDriver_) b->show();
    for (int i = 1; i <= 3; ++i) testo_[static_cast<std::size_t>(i)]->show();
    proprieta_->show();
    loadFactorBox_->show();
    titolo_->show();
}

void Step1Screen::Flash_Timer() {
    // A typed factor keeps the readable look of an unconfirmed entry.
    if (loadFactorBox_->isPending()) return;
    QPalette pal = loadFactorBox_->palette();
    pal.setColor(QPalette::Text, pal.color(QPalette::Text) == kYellow ? kCyan : kYellow);
    loadFactorBox_->setPalette(pal);
}

}  // namespace belt
