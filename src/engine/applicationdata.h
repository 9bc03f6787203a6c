// Step 1, application data: what the belt family tabs, the profile pictures,
// the linear drive and input mode buttons and the data fields do to the
// project. The screen STEP1 shows the result; everything it must remember
// lives in the project (p.screen for the control values a project file keeps).
#pragma once

#include <array>
#include <optional>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "catalogue/flatbelts.h"
#include "platform/dialogs.h"
#include "project/driveproject.h"
#include "project/step1tab.h"

namespace belt {

// Caption of tab t (the news tab names the parabolic profile range).
std::string_view Step1TabCaption(int tab);
// Titolo caption of tab t ("" for the news tab and the empty tab).
std::string_view Step1TabTitle(int tab);
// Profile pictures a family tab shows, in order, side by side (the family's
// traits); none on the other tabs.
std::span<const int> Step1TabPictures(int tab);
// Colour of the highlight frame on a family tab, as r + 256 g + 65536 b.
std::int32_t Step1HighlightColour(int tab);

// BeltType_Click with a tab that differs from the previous one: the belt
// choice is forgotten and the step 3 idler boxes of pulleys 2..4 cleared.
void ForgetBeltChoice(DriveProject& p);

// What a profile choice shows besides the highlight.
struct ProfileSelection {
    std::string description;                   // Testo(0); empty = leave it hidden
    const FlatBeltGroup* flatGroup = nullptr;  // FENDARO: the group to list
    int listIndex = -1;                        // FENDARO: Proprieta selection to restore
};

// TipoDente_Click(k) on tab `tab`: nothing (false) when k is the profile
// already chosen; otherwise the choice is made (SelectToothProfile).
bool TipoDenteClick(DriveProject& p, int tab, int k, ProfileSelection* shown = nullptr);
// SelectToothProfile(k): beltType (and for QUINDEL the pitch code, tooth
// dimensions and name) for picture k of tab `tab`; a picture the tab does not
// offer leaves beltType empty.
ProfileSelection SelectToothProfile(DriveProject& p, int tab, int k);

// Captions of STEP1.OptionDriver(0..2) on the SELKIRA and TAVOREN tabs.
extern const std::array<std::string_view, 3> kLinearDriveCaptions;
// Captions of STEP1.OptionInput(0..3).
extern const std::array<std::string_view, 4> kInputModeCaptions;

// OptionDriver_Click(i) on the page of a linear drive family (SELKIRA):
// linearDriveType := i, the step 3 idler boxes of pulleys 2 and 3 ticked for
// an omega drive and cleared otherwise. Returns false on other tabs (nothing
// happens there; the ORVANTO and RUBBER look-up is LookUpLoadFactor).
bool ChooseLinearDrive(DriveProject& p, int tab, int i);
// Whether Dati(9) (carriage length) and Dati(10) (stroke) take input for the
// project's linear drive type.
bool CarriageLengthEnabled(const DriveProject& p);
bool StrokeEnabled(const DriveProject& p);

// The first selected OptionInput (0..3), or -1.
int SelectedInputMode(const DriveProject& p);
// OptionInput_Click(i): p.screen.optionInput holds only i.
void ChooseInputMode(DriveProject& p, int i);
// Which of Dati(0..8) take input in input mode i (all of them for -1).
std::array<bool, 9> InputModeEnabled(int mode);

// The data fields Dati(0..10).
struct DataField {
    int quantity;             // unit quantity, 8 = plain number
    std::string_view format;  // display pattern
    std::optional<double> limit = std::nullopt;  // entry limit other than the quantity's
};
inline constexpr int kDataFieldCount = 11;
DataField Step1DataField(int i);
// The project variable of Dati(i), internal units.
double& Step1DataTarget(DriveProject& p, int i);
double Step1DataValue(const DriveProject& p, int i);
// The label printed beside Dati(0..8), with the current unit.
std::string Step1DataLabel(const DriveProject& p, int i);
// Testo(2): the labels of Dati(9) and Dati(10), a blank line between them.
std::string CarriageAndStrokeCaption(const DriveProject& p);
// Dati(i)'s text from the stored value (ShowApplicationData).
std::string Step1DataText(const DriveProject& p, int i);

// Dati_KeyPress(i) with Enter: the value is taken, the force is derived
// again on Go On, a slope of 0 is taken with a warning, and a new stroke
// forgets the standard length. A refused entry (a slope beyond 180 with the
// same warning, or one the entry rule refuses) changes nothing at all, nor
// does Enter on the text the value already shows. Returns the box's new text.
std::string Step1DataEntry(DriveProject& p, Dialogs& d, int i, std::string_view text);
// The part of Dati_KeyPress after the value is stored (the screen's entry
// box stores it itself, and runs this before it shows the value): the box's
// new text, or nothing when the slope rule refuses the value and the caller
// must put the previous one back.
std::optional<std::string> Step1DataEntered(DriveProject& p, Dialogs& d, int i, std::string_view text);

}  // namespace belt
