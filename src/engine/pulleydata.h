// The pulley data of step 3: what every entry box does to the drive when the
// user presses Enter in it, the propagation that keeps speeds, diameters,
// teeth, ratios and the belt speed consistent, the catalogue loading when the
// screen is laid out, and the texts the screen shows. The screen itself only
// passes the typed text in and shows what comes back.
//
// Relations kept: v = n d / 2 for every pulley that is not an idler; P = F v;
// i(k) = d(k) / d(1). Timing belt diameters snap to whole numbers of teeth.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/belttraits.h"
#include "platform/dialogs.h"
#include "project/driveproject.h"

namespace belt {

// The entry boxes of STEP3: inputn, inputz, inputd, inputi (index = pulley
// 1..4) and Dato (index 5 power, 6 peripheral force, 7 belt speed, 8 centre
// distance, 9 belt length).
enum class Step3Box { InputN, InputZ, InputD, InputI, Dato };

struct Step3Focus {
    Step3Box box = Step3Box::Dato;
    int index = 5;
    bool operator==(const Step3Focus&) const = default;
};

// What the screen does after an entry: write enteredText into the box that
// was typed in (the entry rule rewrites it in the box's format), rewrite all
// boxes from ShowPulleyData when refresh is set, then move the focus.
struct Step3Response {
    std::string enteredText;
    Step3Focus focus;
    bool refresh = true;
};

// Whether a box of STEP3 is visible (inputz only for timing belts; the boxes
// of pulleys beyond pulleyCount are on hidden panels) and enabled (n, z and i
// of an idler are disabled; the force box Dato(6) is always enabled once the
// screen is laid out).
bool Step3BoxVisible(const DriveProject& p, Step3Box box, int index);
bool Step3BoxEnabled(const DriveProject& p, Step3Box box, int index);
// Panels Box(0..9): 0 title, 1..4 pulleys, 5..7 power, force, speed,
// 8 centre distance (twoPulleyMode 1), 9 belt length (twoPulleyMode 2).
bool Step3PanelVisible(const DriveProject& p, int panel);

// Propagation procedures of the pulley data (pulley k = 1..4). They may ask
// or tell the user through d.
void ModificaZ(DriveProject& p, Dialogs& d, int k);  // teeth of pulley k changed
void ModificaD(DriveProject& p, Dialogs& d, int k);  // diameter of pulley k changed
void ModificaI(DriveProject& p, Dialogs& d, int k);  // propagate from pulley k
void ModificaN(DriveProject& p, Dialogs& d, int k);  // speed of pulley k changed
void ModificaV(DriveProject& p, Dialogs& d);         // belt speed changed

// Enter in inputn(k), inputz(k), inputd(k), inputi(k) and Dato(index) with
// the box's current text. The text the value already shows changes nothing
// (the value keeps its full precision) and the focus moves on. A refused
// value, by the entry rule or by the pulley table (a teeth number too small
// or too large, wherever the entry leads to one), leaves every value of the
// drive as it was: the box shows its old value and keeps the focus.
Step3Response OnInputnEnter(DriveProject& p, Dialogs& d, int k, std::string_view text);
Step3Response OnInputzEnter(DriveProject& p, Dialogs& d, int k, std::string_view text);
Step3Response OnInputdEnter(DriveProject& p, Dialogs& d, int k, std::string_view text);
Step3Response OnInputiEnter(DriveProject& p, Dialogs& d, int k, std::string_view text);
Step3Response OnDatoEnter(DriveProject& p, Dialogs& d, int index, std::string_view text);
// Where the focus goes after a value entered in that box (also after Enter
// on a box left as it was).
Step3Focus Step3FocusAfter(const DriveProject& p, Step3Box box, int index);
// The part of OnInputdEnter after the diameter of pulley k is stored: the
// multi-rib minimum, the ISO diameter offer of flat belts, the idler advice
// or the snap to whole teeth, and the propagation. Returns the next focus.
Step3Focus PulleyDiameterEntered(DriveProject& p, Dialogs& d, int k);

// A click on checkidler(k), k = 2..4, leaving the box checked or not: the
// pulley becomes an idler or a driven pulley with no data. The screen then
// enables inputn, inputz, inputi of k by Step3BoxEnabled and refreshes.
void OnCheckIdlerClick(DriveProject& p, int k, bool checked);

// Everything laying out STEP3 does to the drive: LoadCalculationTables, the
// driver pulley snapped to the teeth of the freshly loaded table, idler flags
// from the idler check boxes, and the propagation from every pulley. The
// focus then goes to Dato(5).
Step3Focus PrepareStep3(DriveProject& p, Dialogs& d);

// A saved project made ready for Go On on STEP3 without the screens: the
// load step 1's Go On derives from the carriage data (when that is the input
// mode: the file's carriage data rule over the force it holds), then the
// pulley data as laying out STEP3 computes them.
void FollowApplicationData(DriveProject& p, Dialogs& d);

// Screen title TitoloBox(0) and service factor line Sottotitolo by family
// (its traits); the title is also the belt title of the results page and the
// report. Both empty before a belt family is chosen.
struct Step3Titles {
    std::string title;
    std::string subtitle;
};
Step3Titles TitoloBox(const DriveProject& p);

// The captions and box texts of STEP3 in the current units (ShowPulleyData).
// Arrays are indexed like the controls; unused elements are empty.
struct PulleyDataTexts {
    Arr<std::string, 10> titoloBox;  // 0 title, 1..4 pulley headings, 5..9 drive data
    Arr<std::string, 10> dato;       // 5..9
    Arr<std::string, 5> nomeinputn;  // 1..4
    Arr<std::string, 5> nomeinputz;
    Arr<std::string, 5> nomeinputd;
    Arr<std::string, 5> nomeinputi;
    Arr<std::string, 5> inputn;
    Arr<std::string, 5> inputz;
    // nullopt: the box of an idler without a typed diameter keeps its text,
    // so the layout can still give that idler its recommended diameter.
    Arr<std::optional<std::string>, 5> inputd;
    Arr<std::string, 5> inputi;
};
PulleyDataTexts ShowPulleyData(const DriveProject& p);

}  // namespace belt
