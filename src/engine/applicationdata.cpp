#include "engine/applicationdata.h"

#include "catalogue/belttraits.h"
#include "catalogue/loadfactors.h"
#include "engine/pulleydata.h"
#include "units/units.h"

namespace belt {

namespace {

constexpr std::array<std::string_view, kStep1TabCount> kTabCaptions = {
    "ORVANTO",
    "SELKIRA",
    "TAVOREN",
    "QUINDEL",
    "FENDARO",
    "RUBBER TIMING BELT",
    "",  // the news tab: kNewsTabCaption
    "FEASIBILITY",
    "Idler minimum diameter",
    "Clear",
};

constexpr std::array<std::string_view, kStep1TabCount> kTabTitles = {
    "ORVANTO PU ENDLESS TIMING BELTS",
    "SELKIRA PU OPEN END TIMING BELTS",
    "TAVOREN PU ENDLESS TIMING BELTS",
    "QUINDEL PU ENDLESS MULTIRIB BELTS",
    "FENDARO PU AND RUBBER ENDLESS FLAT BELTS",
    "RUBBER TIMING BELTS",
    "",
    "VESTRANO PU TIMING BELT FEASIBILITY",
    "VESTRANO IDLER MINIMUM DIAMETER",
    "",
};

// beltType of each picture on a timing belt tab ("" = not offered there).
std::string_view beltTypeOf(int tab, int k) {
    switch (tab) {
        case kTabOrvanto:
            switch (k) {
                case 0:
                    return "ORVANTO T";
                case 1:
                    return "ORVANTO AT";
                case 2:
                    return "ORVANTO I";
            }
            break;
        case kTabSelkira:
            switch (k) {
                case 0:
                    return "SELKIRA T";
                case 1:
                    return "SELKIRA AT";
                case 3:
                    return "SELKIRA I";
                case 4:
                    return "SELKIRA QXD";
                case 5:
                    return "SELKIRA QVP";
            }
            break;
        case kTabTavoren:
            switch (k) {
                case 0:
                    return "TAVOREN T";
                case 1:
                    return "TAVOREN AT";
                case 3:
                    return "TAVOREN I";
                case 5:
                    return "TAVOREN QVP";
            }
            break;
        case kTabRubber:
            switch (k) {
                case 3:
                    return "RUBBER I";
                case 5:
                    return "RUBBER QVP";
            }
            break;
    }
    return {};
}

// The QUINDEL sections: pitch code and the three profile dimensions in m.
struct RibSection {
    int picture;
    std::string_view type;
    std::string_view code;
    std::array<float, 3> dimensions;
};
constexpr std::array<RibSection, 3> kRibSections = {{
    {6, "QUINDEL ZB2", "ZB2", {0.0022F, 0.0013F, 0.0020F}},
    {7, "QUINDEL H", "H", {0.0025F, 0.0012F, 0.0016F}},
    {8, "QUINDEL J", "J", {0.0035F, 0.0020F, 0.00234F}},
}};

// STEP3.checkidler(k) set from step 1. Changing the box does what a click on
// it does on step 3: the pulley becomes (or stops being) an idler and its
// teeth, speed, ratio and diameter are cleared; an unchanged box does nothing.
void setStep3Idler(DriveProject& p, int k, bool ticked) {
    if ((p.screen.checkIdler[static_cast<std::size_t>(k)] != 0) == ticked) return;
    OnCheckIdlerClick(p, k, ticked);
}

constexpr std::array<DataField, kDataFieldCount> kDataFields = {{
    {kPlainNumber, "####0", kNoEntryLimit},  // 0 slope, degrees: 0 to 180 by a rule of its own
    {kPower, "###0.00"},           // 1 power
    {kVelocity, "###0.00"},        // 2 belt speed
    {kAcceleration, "###0.00"},    // 3 acceleration
    {kForce, "###0.00"},           // 4 friction force
    {kMass, "###0.0"},             // 5 carriage mass
    {kTorque, "###0.0"},           // 6 torque
    {kAngularVelocity, "###0.0"},  // 7 driver pulley speed
    {kLength, "###0.00"},          // 8 driver pulley diameter
    {kLength, "###0.0"},           // 9 carriage length
    {kLength, "###0.0"},           // 10 stroke
}};

constexpr std::array<std::string_view, 9> kDataLabels = {
    "Slope..........................[degrees]",
    "Power.........................",
    "Belt speed.................",
    "Max acceleration.....",
    "Frictional force.........",
    "Mass of carriage......",
    "Torque.......................",
    "rpm driver pulley.....",
    "\u00D8 driver pulley..........",
};

}  // namespace

std::string_view Step1TabCaption(int tab) {
    if (tab == kTabNews) return kNewsTabCaption;
    if (tab < 0 || tab >= kStep1TabCount) return {};
    return kTabCaptions[static_cast<std::size_t>(tab)];
}

std::string_view Step1TabTitle(int tab) {
    if (tab < 0 || tab >= kStep1TabCount) return {};
    return kTabTitles[static_cast<std::size_t>(tab)];
}

std::span<const int> Step1TabPictures(int tab) {
    const BeltFamilyTraits* family = FamilyOfStep1Tab(tab);
    return family ? family->pictures : std::span<const int>();
}

std::int32_t Step1HighlightColour(int tab) {
    const BeltFamilyTraits* family = FamilyOfStep1Tab(tab);
    return family ? family->highlightColour : 0;
}

void ForgetBeltChoice(DriveProject& p) {
    p.beltType.clear();
    p.beltName.clear();
    p.beltFamily.clear();
    p.beltPitchCode.clear();
    p.profileButtonIndex = -1;
    for (int k = 2; k <= 4; ++k) setStep3Idler(p, k, false);
}

bool TipoDenteClick(DriveProject& p, int tab, int k, ProfileSelection* shown) {
    if (k == p.profileButtonIndex) return false;
    p.profileButtonIndex = k;
    if (const FlatBeltGroup* g = FlatBeltGroupOfPicture(k)) p.flatBeltIndex = g->indexOnChoice;
    p.beltName.clear();
    p.beltPitchCode.clear();
    ProfileSelection s = SelectToothProfile(p, tab, k);
    if (shown) *shown = std::move(s);
    return true;
}

ProfileSelection SelectToothProfile(DriveProject& p, int tab, int k) {
    ProfileSelection s;
    p.beltType.clear();
    const BeltFamilyTraits* family = FamilyOfStep1Tab(tab);
    if (!family) return s;  // the information pages choose no belt
    switch (family->kind) {
        case BeltKind::Toothed:
            p.beltType = std::string(beltTypeOf(tab, k));
            s.description = std::string(ProfileDescription(tab, k));
            break;
        case BeltKind::MultiRib:
            for (const auto& r : kRibSections) {
                if (r.picture != k) continue;
                p.beltType = std::string(r.type);
                p.beltPitchCode = std::string(r.code);
                p.toothDimensions = r.dimensions;
                p.beltName = p.beltType;
            }
            break;
        case BeltKind::Flat:
            if (const FlatBeltGroup* g = FlatBeltGroupOfPicture(k)) {
                s.flatGroup = g;
                s.description = std::string(ProfileDescription(tab, k));
                s.listIndex = FlatBeltListIndex(p, *g);
            }
            break;
    }
    return s;
}

const std::array<std::string_view, 3> kLinearDriveCaptions = {"LL: Open end belt", "Omega belt",
                                                              "J: Joined belt"};
const std::array<std::string_view, 4> kInputModeCaptions = {"Mass of carriage", "Power and rpm",
                                                            "Power and belt speed", "Torque"};

bool ChooseLinearDrive(DriveProject& p, int tab, int i) {
    const BeltFamilyTraits* family = FamilyOfStep1Tab(tab);
    if (!family || !family->linearDrive || i < 0 || i > 2) return false;
    p.linearDriveType = i;
    const bool omega = i == 1;
    setStep3Idler(p, 2, omega);
    setStep3Idler(p, 3, omega);
    return true;
}

bool CarriageLengthEnabled(const DriveProject& p) {
    return p.linearDriveType == 0;
}
bool StrokeEnabled(const DriveProject& p) {
    return p.linearDriveType != 2;
}

int SelectedInputMode(const DriveProject& p) {
    for (int i = 0; i < 4; ++i)
        if (p.screen.optionInput[static_cast<std::size_t>(i)]) return i;
    return -1;
}

void ChooseInputMode(DriveProject& p, int i) {
    for (int j = 0; j < 4; ++j) p.screen.optionInput[static_cast<std::size_t>(j)] = j == i;
}

std::array<bool, 9> InputModeEnabled(int mode) {
    switch (mode) {
        case 0:
            return {true, false, false, true, true, true, false, false, false};
        case 1:
            return {true, true, false, false, false, false, false, true, true};
        case 2:
            return {true, true, true, false, false, false, false, false, false};
        case 3:
            return {true, false, false, false, false, false, true, false, true};
        default:
            return {true, true, true, true, true, true, true, true, true};
    }
}

DataField Step1DataField(int i) {
    if (i < 0 || i >= kDataFieldCount) return {kPlainNumber, "###0.00"};
    return kDataFields[static_cast<std::size_t>(i)];
}

namespace {
template <typename Project>
auto& dataTarget(Project& p, int i) {
    switch (i) {
        case 0:
            return p.slopeAngle;
        case 1:
            return p.power;
        case 2:
            return p.beltSpeed;
        case 3:
            return p.acceleration;
        case 4:
            return p.frictionForce;
        case 5:
            return p.carriageMass;
        case 6:
            return p.torque;
        case 7:
            return p.pulleySpeed[1];
        case 8:
            return p.pulleyDiameter[1];
        case 9:
            return p.carriageLength;
        default:
            return p.stroke;
    }
}
}  // namespace

double& Step1DataTarget(DriveProject& p, int i) {
    return dataTarget(p, i);
}

double Step1DataValue(const DriveProject& p, int i) {
    return dataTarget(p, i);
}

std::string Step1DataLabel(const DriveProject& p, int i) {
    if (i < 0 || i > 8) return {};
    std::string label(kDataLabels[static_cast<std::size_t>(i)]);
    if (i > 0) label += CurrentLabel(p, Step1DataField(i).quantity);
    return label;
}

std::string CarriageAndStrokeCaption(const DriveProject& p) {
    const std::string unit = CurrentLabel(p, kLength);
    return "Carriage length......." + unit + "\r\rStroke........................" + unit;
}

std::string Step1DataText(const DriveProject& p, int i) {
    const DataField f = Step1DataField(i);
    return Format(ToDisplay(p, f.quantity, dataTarget(p, i)), f.format);
}

std::optional<std::string> Step1DataEntered(DriveProject& p, Dialogs& d, int i, std::string_view text) {
    std::string shown(text);
    if (i == 0 && (p.slopeAngle <= 0 || p.slopeAngle > 180)) {
        d.message("Slope must be included between 0\u00B0 and 180\u00B0.", "Warning", MsgIcon::Warning);
        // Beyond 180 the drive would not be the one meant; 0, a level
        // drive, is what was typed (negative slopes never get here).
        if (p.slopeAngle > 180) return std::nullopt;
        p.slopeAngle = 0;
        shown = Format(p.slopeAngle, "####0");
    }
    // Any confirmed entry makes Go On derive the force again.
    p.peripheralForce = 0;
    if (i == 10) p.lastStandardLength = kNoStandardLength;
    return shown;
}

std::string Step1DataEntry(DriveProject& p, Dialogs& d, int i, std::string_view text) {
    if (i < 0 || i >= kDataFieldCount) return std::string(text);
    const DataField f = Step1DataField(i);
    double& target = Step1DataTarget(p, i);
    const double before = target;
    const NumericEntry entry = AcceptNumericInput(p, d, text, target, f.quantity, f.format, false, f.limit);
    // A refusal, or the value the box already showed, changes nothing the
    // rule could follow.
    if (entry.kept || entry.unchanged) return entry.text;
    if (std::optional<std::string> shown = Step1DataEntered(p, d, i, entry.text)) return *shown;
    target = before;
    return Step1DataText(p, i);
}

}  // namespace belt
