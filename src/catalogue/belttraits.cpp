#include "catalogue/belttraits.h"

#include <algorithm>

#include "catalogue/beltids.h"
#include "catalogue/loadfactors.h"

namespace belt {

namespace {

constexpr std::array<int, 3> kOrvantoPictures = {0, 1, 2};
constexpr std::array<int, 5> kSelkiraPictures = {0, 1, 3, 4, 5};
constexpr std::array<int, 4> kTavorenPictures = {0, 1, 3, 5};
constexpr std::array<int, 2> kRubberPictures = {3, 5};
constexpr std::array<int, 3> kQuindelPictures = {6, 7, 8};
constexpr std::array<int, 3> kFendaroPictures = {9, 10, 11};

constexpr SpeedLimit kCriticalPulleySpeed = {
    28, false, "Critical pulley speed over 28 m/s !\rPlease contact VESTRANO Technical Staff."};
constexpr SpeedLimit kNoisyBeltSpeed = {
    15, false,
    "Belt speed greater than 15 m/s !\rExpected noise drive !!\rPlease contact VESTRANO Technical Staff."};
constexpr SpeedLimit kHighestBeltSpeed = {60, true, "Belt speed is too high !!"};

// The families, in catalogue order.
constexpr std::array<BeltFamilyTraits, 6> kFamilyTraits = {{
    {.name = kOrvanto,
     .kind = BeltKind::Toothed,
     .linearDrive = false,
     .carriageData = false,
     .teethInMeshCap = 15,
     .teethInMeshCapJoined = 15,
     .smallestPulleyCheck = true,
     .speedLimit = kCriticalPulleySpeed,
     .installation = InstallationRule::TimingWithTestLoad,
     .standardLengths = StandardLengthKind::List,
     .faceWidth = FaceWidthRule::StandardOrOwnWidth,
     .factorTable = FactorTableKind::OperationTime,
     .widthFits = false,
     .dinCentreDistanceTolerance = true,
     .pulleyDataTitle = {"ORVANTO PU Endless Timing Belt: Size "},
     .material = BeltMaterial::Polyurethane,
     .tensileMember = "Steel",
     .ratingReferenceDiameter = 0,
     .tab = kTabOrvanto,
     .pictures = kOrvantoPictures,
     .highlightColour = Rgb(0, 0, 255)},
    {.name = kSelkira,
     .kind = BeltKind::Toothed,
     .linearDrive = true,
     .carriageData = true,
     .teethInMeshCap = 12,
     .teethInMeshCapJoined = 6,
     .smallestPulleyCheck = false,
     .speedLimit = kNoisyBeltSpeed,
     .installation = InstallationRule::OpenEnd,
     .standardLengths = StandardLengthKind::None,
     .faceWidth = FaceWidthRule::NextStandardWidth,
     .factorTable = FactorTableKind::OperatingConditions,
     .widthFits = false,
     .dinCentreDistanceTolerance = false,
     .pulleyDataTitle = {"SELKIRA PU Open End Timing Belt: Size ",
                         "SELKIRA PU Omega Drive Timing Belt: Size ", "SELKIRA PU Joined Timing Belt: Size "},
     .material = BeltMaterial::Polyurethane,
     .tensileMember = "Steel",
     .ratingReferenceDiameter = 0,
     .tab = kTabSelkira,
     .pictures = kSelkiraPictures,
     .highlightColour = Rgb(255, 0, 0)},
    {.name = kTavoren,
     .kind = BeltKind::Toothed,
     .linearDrive = false,
     .carriageData = true,
     .teethInMeshCap = 12,
     .teethInMeshCapJoined = 12,
     .smallestPulleyCheck = false,
     .speedLimit = kNoisyBeltSpeed,
     .installation = InstallationRule::Timing,
     .standardLengths = StandardLengthKind::None,
     .faceWidth = FaceWidthRule::NextStandardWidth,
     .factorTable = FactorTableKind::OperatingConditions,
     .widthFits = false,
     .dinCentreDistanceTolerance = false,
     .pulleyDataTitle = {"TAVOREN PU Endless Timing Belt: Size "},
     .material = BeltMaterial::Polyurethane,
     .tensileMember = "Steel",
     .ratingReferenceDiameter = 0,
     .tab = kTabTavoren,
     .pictures = kTavorenPictures,
     .highlightColour = Rgb(255, 224, 192)},
    {.name = kRubber,
     .kind = BeltKind::Toothed,
     .linearDrive = false,
     .carriageData = false,
     .teethInMeshCap = 6,
     .teethInMeshCapJoined = 6,
     .smallestPulleyCheck = true,
     .speedLimit = kCriticalPulleySpeed,
     .installation = InstallationRule::TimingWithTestLoad,
     .standardLengths = StandardLengthKind::List,
     .faceWidth = FaceWidthRule::StandardOrOwnWidth,
     .factorTable = FactorTableKind::OperationTime,
     .widthFits = true,
     .dinCentreDistanceTolerance = true,
     .pulleyDataTitle = {"RUBBER Timing Belt: Size "},
     .material = BeltMaterial::Polychloroprene,
     .tensileMember = "FIBERGLASS",
     .ratingReferenceDiameter = 0,
     .tab = kTabRubber,
     .pictures = kRubberPictures,
     .highlightColour = Rgb(0, 255, 255)},
    {.name = kQuindel,
     .kind = BeltKind::MultiRib,
     .linearDrive = false,
     .carriageData = false,
     .teethInMeshCap = 0,
     .teethInMeshCapJoined = 0,
     .smallestPulleyCheck = false,
     .speedLimit = kHighestBeltSpeed,
     .installation = InstallationRule::MultiRib,
     .standardLengths = StandardLengthKind::List,
     .faceWidth = FaceWidthRule::FromBeltWidth,
     .factorTable = FactorTableKind::Duty,
     .widthFits = false,
     .dinCentreDistanceTolerance = false,
     .pulleyDataTitle = {"QUINDEL PU Endless Multirib Belt: Type "},
     .material = BeltMaterial::Polyurethane,
     .tensileMember = "POLYESTER",
     .ratingReferenceDiameter = 0.075,
     .tab = kTabQuindel,
     .pictures = kQuindelPictures,
     .highlightColour = Rgb(255, 255, 0)},
    {.name = kFendaro,
     .kind = BeltKind::Flat,
     .linearDrive = false,
     .carriageData = false,
     .teethInMeshCap = 0,
     .teethInMeshCapJoined = 0,
     .smallestPulleyCheck = false,
     .speedLimit = kHighestBeltSpeed,
     .installation = InstallationRule::Flat,
     .standardLengths = StandardLengthKind::Range,
     .faceWidth = FaceWidthRule::FromBeltWidth,
     .factorTable = FactorTableKind::Duty,
     .widthFits = false,
     .dinCentreDistanceTolerance = false,
     .pulleyDataTitle = {"FENDARO Endless Flat Belt: Type "},
     .material = BeltMaterial::Polyurethane,
     .tensileMember = "",
     .ratingReferenceDiameter = 0.1,
     .tab = kTabFendaro,
     .pictures = kFendaroPictures,
     .highlightColour = Rgb(0, 255, 0)},
}};

constexpr bool InCatalogueOrder() {
    if (kFamilyTraits.size() != kBeltFamilies.size()) return false;
    for (std::size_t i = 0; i < kFamilyTraits.size(); ++i)
        if (kFamilyTraits[i].name != kBeltFamilies[i]) return false;
    return true;
}
static_assert(InCatalogueOrder(), "one row per family, in the order of kBeltFamilies");

const BeltFamilyTraits* chosen(const DriveProject& p) {
    if (p.beltFamily.empty()) return nullptr;
    return &BeltFamilyTraitsOf(p.beltFamily);
}

}  // namespace

std::string_view MaterialText(BeltMaterial material) {
    return material == BeltMaterial::Polychloroprene ? "POLYCHLOROPRENE" : "POLYURETHANE";
}

std::span<const BeltFamilyTraits> BeltFamilyTable() {
    return kFamilyTraits;
}

const BeltFamilyTraits* FindBeltFamily(std::string_view family) {
    // Asked in the layout's inner loops: the first letter settles most rows
    // without a call to compare the words.
    if (family.empty()) return nullptr;
    const auto it = std::find_if(kFamilyTraits.begin(), kFamilyTraits.end(), [&](const BeltFamilyTraits& t) {
        return t.name.size() == family.size() && t.name.front() == family.front() && t.name == family;
    });
    return it == kFamilyTraits.end() ? nullptr : &*it;
}

std::string UnknownBeltFamilyText(std::string_view family) {
    return "Unknown belt family \"" + std::string(family) + "\"";
}

UnknownBeltFamily::UnknownBeltFamily(std::string_view family)
    : std::invalid_argument(UnknownBeltFamilyText(family)), family_(family) {}

const BeltFamilyTraits& BeltFamilyTraitsOf(std::string_view family) {
    const BeltFamilyTraits* t = FindBeltFamily(family);
    if (!t) throw UnknownBeltFamily(family);
    return *t;
}

const BeltFamilyTraits* FamilyOfStep1Tab(int tab) {
    const auto it = std::find_if(kFamilyTraits.begin(), kFamilyTraits.end(),
                                 [&](const BeltFamilyTraits& t) { return t.tab == tab; });
    return it == kFamilyTraits.end() ? nullptr : &*it;
}

std::string BeltFamilyError(const DriveProject& p) {
    if (p.beltFamily.empty() || FindBeltFamily(p.beltFamily)) return {};
    return UnknownBeltFamilyText(p.beltFamily);
}

bool IsToothedBelt(const DriveProject& p) {
    const BeltFamilyTraits* t = chosen(p);
    return !t || t->kind == BeltKind::Toothed;
}

bool IsMultiRibBelt(const DriveProject& p) {
    const BeltFamilyTraits* t = chosen(p);
    return t && t->kind == BeltKind::MultiRib;
}

bool IsFlatBelt(const DriveProject& p) {
    const BeltFamilyTraits* t = chosen(p);
    return t && t->kind == BeltKind::Flat;
}

bool IsLinearDriveBelt(const DriveProject& p) {
    const BeltFamilyTraits* t = chosen(p);
    return t && t->linearDrive;
}

bool TakesCarriageData(const DriveProject& p) {
    const BeltFamilyTraits* t = chosen(p);
    return t && t->carriageData;
}

bool HasRubberBody(const DriveProject& p) {
    const BeltFamilyTraits* t = chosen(p);
    return t && t->material == BeltMaterial::Polychloroprene;
}

int TeethInMeshCap(const DriveProject& p) {
    const BeltFamilyTraits& t = BeltFamilyTraitsOf(p.beltFamily);
    return t.linearDrive && p.linearDriveType >= 2 ? t.teethInMeshCapJoined : t.teethInMeshCap;
}

}  // namespace belt
