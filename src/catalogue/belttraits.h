// What each belt family is: one row per family of the catalogue. Code that
// needs to know what kind of belt it handles (toothed or not, linear drive,
// its limits, its installation data, its step 1 page) asks this table; it
// never compares family words. A word the table does not hold is an error
// that names itself.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

#include "project/driveproject.h"
#include "project/step1tab.h"

namespace belt {

enum class BeltKind {
    Toothed,   // timing belts: pulleys in teeth, sized by the tooth load
    MultiRib,  // widths in ribs, pulleys by diameter
    Flat,      // pulleys by diameter, the type's own data sheet
};

// Which service factor table a family's step 1 page shows in STEP1.Tabella
// (catalogue/loadfactors.h holds the tables).
enum class FactorTableKind {
    OperationTime,        // ORVANTO and RUBBER: correction by daily operation time
    OperatingConditions,  // SELKIRA and TAVOREN: load factor by operating conditions
    Duty,                 // QUINDEL and FENDARO: service factor by duty
};

enum class BeltMaterial {
    Polyurethane,
    Polychloroprene,  // rubber: drawn dark
};
// "POLYURETHANE", "POLYCHLOROPRENE": the results' "Belt made in".
std::string_view MaterialText(BeltMaterial material);

// A belt speed beyond which the design warns or stops.
struct SpeedLimit {
    double metresPerSecond;
    bool stops;                // calcState 1 and an error icon; otherwise a warning
    std::string_view message;  // "\r" breaks lines
};

// The installation data the results give.
enum class InstallationRule {
    // Span pre-tension from the belt's teeth on two pulleys, static
    // tensions; test load and span deflection for the metric pitches.
    TimingWithTestLoad,
    // The same without test load and deflection.
    Timing,
    // Span pre-tension equal to the peripheral force, static tensions.
    OpenEnd,
    MultiRib,
    Flat,
};

// How a width typed on the results page sets the pulley face width.
enum class FaceWidthRule {
    StandardOrOwnWidth,  // the face width of that standard width, else the width + 10 mm
    NextStandardWidth,   // the face width (and loads) of the first standard width not narrower
    FromBeltWidth,       // flat belts: the width + 11 mm; multi-rib pulleys have none
};

// What the family's standard length table (standardlengths.h) holds.
enum class StandardLengthKind {
    List,   // the lengths the belt is made in: the length is chosen among them
    Range,  // the shortest and the longest belt: any whole mm in between
    None,   // any whole number of pitches within the family's fixed range
};

struct BeltFamilyTraits {
    std::string_view name;  // the family word: beltFamily, the first word of beltType
    BeltKind kind;
    // Runs as an open-end linear drive (open end, omega, joined belt): the
    // step 1 page has the linear drive buttons, the belt may leave a pulley
    // at any chord, its code and width sizing are the open-end belt's.
    bool linearDrive;
    // Step 1 takes the carriage data and the slope; pulley 2 of a two-pulley
    // drive lies along the slope.
    bool carriageData;
    // Teeth in mesh counted for the rating at most (0: no teeth), and for a
    // joined belt (linearDriveType 2).
    int teethInMeshCap;
    int teethInMeshCapJoined;
    // The smallest pulley's teeth are checked against its speed (belt life).
    bool smallestPulleyCheck;
    SpeedLimit speedLimit;
    InstallationRule installation;
    StandardLengthKind standardLengths;
    FaceWidthRule faceWidth;
    FactorTableKind factorTable;  // the service factor table of its step 1 page
    // The width follows from the profile's width fits (a basic rating turned
    // into a width), not from the specific tooth load alone.
    bool widthFits;
    // Two-pulley results note the centre distance tolerance of DIN 7721-1.
    bool dinCentreDistanceTolerance;
    // The title of the pulley data page, before the profile code; a linear
    // drive family names its drive type ([linearDriveType]: open end, omega,
    // joined), the others have one title ([0]).
    std::array<std::string_view, 3> pulleyDataTitle;
    BeltMaterial material;
    std::string_view tensileMember;  // "" : the flat belt type's own (its data sheet)
    // Pitch diameter of the second column of the rib or flat rating table, m
    // (the first is at 25 mm); 0 for timing belts.
    double ratingReferenceDiameter;
    // Step 1: the family's page, its profile pictures side by side and the
    // colour of the frame around the chosen one (r + 256 g + 65536 b).
    Step1Tab tab;
    std::span<const int> pictures;
    std::int32_t highlightColour;
};

// Every family, in catalogue order (kBeltFamilies).
std::span<const BeltFamilyTraits> BeltFamilyTable();

// The row of a family word (exact, case-sensitive); nullptr when no family
// has it, "" included.
const BeltFamilyTraits* FindBeltFamily(std::string_view family);

// "Unknown belt family "WORD"": the refusal of a word no family has.
std::string UnknownBeltFamilyText(std::string_view family);

class UnknownBeltFamily : public std::invalid_argument {
public:
    explicit UnknownBeltFamily(std::string_view family);
    const std::string& family() const { return family_; }

private:
    std::string family_;
};

// The row of a family the caller has checked; any other word (also "")
// throws UnknownBeltFamily.
const BeltFamilyTraits& BeltFamilyTraitsOf(std::string_view family);

// The family whose page tab is; nullptr for the information pages.
const BeltFamilyTraits* FamilyOfStep1Tab(int tab);

// The refusal of a project whose beltFamily no family has (a damaged or
// foreign project file); "" when it is a family or none is chosen yet.
std::string BeltFamilyError(const DriveProject& p);

// Questions about the project's belt, also asked before a belt is chosen
// (beltFamily "": pulleys count in teeth, no linear drive, no carriage). A
// family word the table does not hold throws UnknownBeltFamily.
bool IsToothedBelt(const DriveProject& p);
bool IsMultiRibBelt(const DriveProject& p);
bool IsFlatBelt(const DriveProject& p);
bool IsLinearDriveBelt(const DriveProject& p);
bool TakesCarriageData(const DriveProject& p);
bool HasRubberBody(const DriveProject& p);

// Teeth in mesh counted for the rating of the project's belt, after the
// family's cap (the joined cap for a linear drive of type 2).
int TeethInMeshCap(const DriveProject& p);

}  // namespace belt
