// STEP1: the SELKIRA and TAVOREN pages, the linear drive data from which
// Go On derives the peripheral force.

#include <QButtonGroup>
#include <QFrame>
#include <QRadioButton>

#include "catalogue/belttraits.h"
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

void Step1Screen::makeLinearDriveControls() {
    optionContainer_ = new QFrame(this);
    optionContainer_->setObjectName(QStringLiteral("OptionContainer"));
    optionContainer_->setFrameShape(QFrame::Box);
    optionContainer_->setStyleSheet(
        QStringLiteral("#OptionContainer { border: 1px solid %1; }").arg(Css(kOptionFrame)));
    inputGroup_ = new QButtonGroup(this);
    for (std::size_t i = 0; i < optionInput_.size(); ++i) {
        auto* b = new QRadioButton(qs(kInputModeCaptions[i]), optionContainer_);
        b->setObjectName(QStringLiteral("OptionInput%1").arg(i));
        whiteText(b);
        SetFontSize(b, kOptionPoints);
        inputGroup_->addButton(b, static_cast<int>(i));
        optionInput_[i] = b;
        PlaceForm(b, 4, 4 + 23.5 * static_cast<double>(i), 94, 22);
    }
    connect(inputGroup_, &QButtonGroup::idClicked, this, &Step1Screen::OptionInput_Click);

    for (std::size_t i = 0; i < dati_.size(); ++i) {
        auto* box = new NumericBox(project_, dialogs_, this);
        box->setObjectName(QStringLiteral("Dati%1").arg(i));
        const DataField f = Step1DataField(static_cast<int>(i));
        box->bind(&Step1DataTarget(project_, static_cast<int>(i)), f.quantity, qs(f.format), false, f.limit);
        box->setAlignment(Qt::AlignRight);
        SetFontSize(box, 10);
        box->setEntryRule([this, i](const QString& shown) -> std::optional<QString> {
            if (auto ruled = Step1DataEntered(project_, dialogs_, static_cast<int>(i), shown.toStdString()))
                return qs(*ruled);
            return std::nullopt;
        });
        connect(box, &NumericBox::accepted, this, [this, i] { datiEntered(static_cast<int>(i)); });
        dati_[i] = box;
        if (i > 0) setTabOrder(dati_[i - 1], box);
    }
    dati_[0]->setText(qs(Format(project_.slopeAngle, "####0")));
    for (std::size_t i = 0; i < printed_.size(); ++i) {
        auto* l = new QLabel(this);
        l->setObjectName(QStringLiteral("DatiLabel%1").arg(i));
        l->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(Css(kCaption)));
        SetFontSize(l, kCaptionPoints);
        printed_[i] = l;
        dati_[i]->setCaptionLabels({l});
    }
    dati_[9]->setCaption(QStringLiteral("Carriage length"));
    dati_[10]->setCaption(QStringLiteral("Stroke"));
}

void Step1Screen::SelkiraTavoren() {
    const int tab = currentTab();
    if (project_.demoRunning == 0) {
        setShown(menus_.mGoon, true);
        setShown(menus_.mGoon2, false);
    }
    if (project_.beltType.empty()) {
        InitFactorTable(project_, FactorTableKind::OperatingConditions);
        project_.screen.optionDriver = {true, false, false};
        ChooseLinearDrive(project_, tab, 0);
        ChooseInputMode(project_, 0);
    }
    for (std::size_t i = 0; i < optionDriver_.size(); ++i)
        optionDriverCaption_[i] = qs(kLinearDriveCaptions[i]);
    setTabellaCaptions();
    syncOptionButtons();
    updateDatiEnabled();
    testo_[1]->setText(QStringLiteral("Data for peripheral force calculation:"));
    ShowApplicationData();

    PlaceForm(testo_[1], 1, 43.5, 45, 4);
    for (int i = 0; i <= 8; ++i)
        PlaceForm(dati_[static_cast<std::size_t>(i)], 24, kDataTop + kDataStep * i - 0.2, 11, 3.1);
    PlaceForm(optionContainer_, 40, 47.5, 24, 15);
    for (std::size_t i = 0; i < optionDriver_.size(); ++i)
        PlaceForm(optionDriver_[i], 68, 47.5 + 4 * static_cast<double>(i), 30, 3.6);
    PlaceForm(testo_[2], 68, 61, 21, 9);
    fitDataCaptions();
    placeCarriageBoxes();
    wrapDriverCaptions();

    testo_[1]->show();
    showTable(false, 4);
    for (int i = 0; i <= 8; ++i) dati_[static_cast<std::size_t>(i)]->show();
    for (auto* b : optionInput_) b->show();
    optionContainer_->show();
    if (const BeltFamilyTraits* family = FamilyOfStep1Tab(tab); family && family->linearDrive) {
        dati_[9]->show();
        dati_[10]->show();
        for (auto* b : optionDriver_) b->show();
        testo_[2]->show();
    }
    titolo_->show();
}

void Step1Screen::OptionInput_Click(int index) {
    ChooseInputMode(project_, index);
    syncOptionButtons();
    updateDatiEnabled();
}

void Step1Screen::updateDatiEnabled() {
    const std::array<bool, 9> enabled = InputModeEnabled(SelectedInputMode(project_));
    for (std::size_t i = 0; i < enabled.size(); ++i) dati_[i]->setEnabled(enabled[i]);
    if (const BeltFamilyTraits* family = FamilyOfStep1Tab(currentTab()); family && family->linearDrive) {
        dati_[9]->setEnabled(CarriageLengthEnabled(project_));
        dati_[10]->setEnabled(StrokeEnabled(project_));
    }
}

// ---------------------------------------------------------------------------
// Data fields

void Step1Screen::ShowApplicationData() {
    for (int i = 0; i <= 8; ++i) {
        QLabel* l = printed_[static_cast<std::size_t>(i)];
        l->setText(qs(Step1DataLabel(project_, i)));
        PlaceForm(l, 1, kDataTop + kDataStep * i - 0.2, 23, 3.2);
        l->show();
    }
    testo_[2]->setText(Lines(CarriageAndStrokeCaption(project_)));
    for (int i = 1; i < kDataFieldCount; ++i)
        dati_[static_cast<std::size_t>(i)]->setText(qs(Step1DataText(project_, i)));
    // The slope has no unit to follow, but an opened project brings its own:
    // a box showing 0 over a slope of 30 would put 0 back with Enter. A slope
    // being typed stays.
    if (!dati_[0]->isPending()) dati_[0]->setText(qs(Step1DataText(project_, 0)));
    optionContainer_->update();
    fitDataCaptions();
}

void Step1Screen::fitDataCaptions() {
    // The unit labels make the captions longer than the dotted leaders
    // allow for on a small screen; the unit must stay readable.
    const int smallest = SmallestReadablePoints(this);
    FitLabelsFont(printed_, kCaptionPoints, smallest);
    FitLabelFont(testo_[2], kCaptionPoints, smallest);
    // The input modes in their frame, all four at one size. The frame may
    // not have placed them yet while it is hidden: their width is taken from
    // its own.
    int size = kOptionPoints;
    for (; size > smallest; --size) {
        bool fits = true;
        for (QRadioButton* b : optionInput_) {
            SetFontSize(b, size);
            const double width = LogicalRect(b).width() * optionContainer_->width() / 100;
            if (b->sizeHint().width() > width) fits = false;
        }
        if (fits) break;
    }
    for (QRadioButton* b : optionInput_) SetFontSize(b, size);
}

void Step1Screen::placeCarriageBoxes() {
    if (height() <= 0) return;
    const QRectF caption = LogicalRect(testo_[2]);
    if (caption.isEmpty()) return;
    // Dati(9) and Dati(10) sit beside the first and third line of Testo(2).
    const double line = testo_[2]->fontMetrics().lineSpacing() * 100.0 / height();
    const double top = caption.top() + (caption.height() - 3 * line) / 2;
    PlaceForm(dati_[9], caption.right() + 0.5, top + line / 2 - 1.6, 9, 3.1);
    PlaceForm(dati_[10], caption.right() + 0.5, top + 2.5 * line - 1.6, 9, 3.1);
}

void Step1Screen::datiEntered(int index) {
    NumericBox* next = dati_[0];
    for (int j = index + 1; j < kDataFieldCount; ++j) {
        NumericBox* candidate = dati_[static_cast<std::size_t>(j)];
        if (!candidate->isHidden() && candidate->isEnabled()) {
            next = candidate;
            break;
        }
    }
    // The next box is there to be typed into: its old value is selected, so
    // the new digits replace it instead of being appended to it.
    next->setFocus(Qt::OtherFocusReason);
    next->selectAll();
}

}  // namespace belt
