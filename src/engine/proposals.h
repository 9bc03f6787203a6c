// Drive proposals: for a duty (power and speed of the driver, speed ratio,
// centre distance range) the program designs every two-pulley drive its
// catalogue offers and ranks those that carry the duty. Each candidate is
// designed exactly as an engineer would design it by hand: the pulleys typed
// on the pulley data screen, the centre distance in the middle of the range,
// and Go On with its questions answered by a fixed answer set (the standard
// length that keeps the centre distance in the range, the proposed width).
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialogs.h"
#include "project/driveproject.h"

namespace belt {

// The service factor parts as step 1 holds them. ORVANTO and RUBBER take
// the load factor box and the operation time cell (loadFactor and
// loadFactorSecond); every other family takes the value of its own factor
// cell (loadFactorSecond). The width sizing adds the speed-ratio term.
struct DutyFactors {
    float loadFactor = 1.0F;
    float operationTime = 0.0F;
    float factor = 1.0F;
};

struct ProposalDuty {
    double power = 0;             // W
    double driverSpeed = 0;       // rad/s
    double ratio = 0;             // driver speed / driven speed
    double ratioTolerance = 0.02; // relative
    double centreMin = 0;         // m
    double centreMax = 0;         // m
    DutyFactors factors;
    double maxWidth = 0;          // m, 0 = any (multi-rib belts are not limited)
    double maxDiameter = 0;       // m, pitch diameter of either pulley, 0 = any
    // Timing belts: also widths cut to measure beyond the profile's standard
    // widths (the catalogue makes them in 5 mm steps); by default a proposal
    // is a belt off the shelf.
    bool anyWidth = false;
};

enum class DutyField { Power, DriverSpeed, Ratio, RatioTolerance, CentreDistance, ServiceFactor, MaxWidth, MaxDiameter };

struct DutyProblem {
    DutyField field;
    std::string text;  // a sentence for the user: "The power must be above 0 and at most 10 MW."
};

// The first value of the duty the search cannot take, by the limits of the
// entry boxes (EntryLimit); nothing when the duty can be searched.
std::optional<DutyProblem> CheckProposalDuty(const ProposalDuty& duty);

// A number typed for the duty: the whole text, "," read as ".". Nothing
// for an empty text, trailing characters or a value beyond a double.
std::optional<double> ParseDutyNumber(std::string_view text);

// A belt to search: the profile group as step 1 chooses it and the profile
// code as step 2 (or step 1 for QUINDEL and FENDARO) chooses it.
struct ProposalBelt {
    std::string beltType;
    std::string beltPitchCode;
};

// Every belt of the given families in catalogue order (each timing belt
// pitch of each profile group, each rib section, each flat belt type).
// SELKIRA belts are designed as the open-end belts of the family. A word
// that is no family throws UnknownBeltFamily.
std::vector<ProposalBelt> ProposalBeltsOfFamilies(std::span<const std::string> families);
// The pitches of one profile group ("ORVANTO T": T2.5, T5, T10), or the one
// belt a QUINDEL or FENDARO type names.
std::vector<ProposalBelt> ProposalBeltsOfType(std::string_view beltType);
// The families searched when none are named: all but SELKIRA, whose belts
// are made for linear drives.
std::vector<std::string> DefaultProposalFamilies();

// A warning the design gave, by a short label ("noise", "speed",
// "belt life", "small pulley", "length", "width") and its whole text.
struct ProposalWarning {
    std::string label;
    std::string text;
};

// How the design's questions were answered.
enum class LengthAnswer { NotAsked, Standard };          // "Do you want to choose a standard belt ?"
enum class PickAnswer { NotAsked, Shorter, Longer };     // "Do you want to choose the shorter belt ?"

struct DriveProposal {
    std::string beltFamily;
    std::string beltType;
    std::string beltPitchCode;
    std::string beltName;
    int flatBeltIndex = 0;
    bool toothed = true;                  // teeth (timing belts) or diameters
    std::array<int, 2> teeth{};           // driver, driven
    std::array<double, 2> diameter{};     // pitch diameters, m
    std::array<double, 2> speed{};        // rad/s
    std::array<double, 2> pulleyRatio{};  // driver speed / pulley speed, as pulleyRatio
    std::array<double, 2> arcOfContact{};  // rad
    double speedRatio = 0;                // reached
    double ratioError = 0;                // relative to the duty's ratio
    double typedCentreDistance = 0;       // m, what step 3 gets
    double centreDistance = 0;            // m, at the standard length
    double beltLength = 0;                // m
    double beltWidth = 0;                 // m; multi-rib belts: ribs
    double beltWidthMetres = 0;           // m; multi-rib belts: ribs x rib pitch
    double faceWidth = 0;                 // m: the pulley face width, a multi-rib belt's width
    // The room the drive takes: face width x the rectangle enclosing both
    // pulleys at their centre distance, (C + (d1 + d2) / 2) x max(d1, d2); m^3.
    double envelope = 0;
    std::string beltCode;
    double beltSpeed = 0;                 // m/s
    int teethInMesh = 0;                  // timing belts
    float serviceFactor = 0;
    double powerRating = 0;               // W
    // The report's "New safety factor": rating / power (0 when the power is 0).
    double safetyFactor = 0;
    // How far the rating exceeds what the service factor asks for:
    // rating / (service factor x power), at least 1 for a drive that carries the duty.
    double margin = 0;
    LengthAnswer lengthAnswer = LengthAnswer::NotAsked;
    PickAnswer pickAnswer = PickAnswer::NotAsked;
    std::vector<ProposalWarning> warnings;
};

// Whether the row's beltWidth counts ribs (a multi-rib belt) rather than metres.
bool WidthInRibs(const DriveProposal& row);

// The envelope of a drive (m^3): face width x (C + (d1 + d2) / 2) x max(d1, d2).
double DriveEnvelope(double faceWidth, double centreDistance, double d1, double d2);

// How the proposals are ranked.
enum class ProposalRanking {
    // The most compact drive that carries the duty: drives without warnings
    // first, then those that carry the duty (margin at least 1), then the
    // smallest envelope, then the smaller pulleys, then the higher safety
    // factor.
    Compact,
    // The least over-designed drive: drives without warnings first, then the
    // lowest margin of at least 1, then the narrower belt, then the smaller
    // pulleys.
    Margin,
};
inline constexpr ProposalRanking kDefaultProposalRanking = ProposalRanking::Compact;

// Why candidates were dropped, with how many.
struct DroppedCandidates {
    std::string reason;
    int count = 0;
};

struct ProposalResult {
    std::vector<DriveProposal> proposals;  // ranked, best first
    int candidates = 0;                    // pulley pairs designed or dropped
    std::vector<DroppedCandidates> dropped;  // most frequent first
    ProposalRanking ranking = kDefaultProposalRanking;  // the rule the rows are ranked by
};

// The rule's word ("compact", "margin") for options and JSON, and its text
// as the table headings state it.
std::string_view ProposalRankingName(ProposalRanking ranking);
std::string_view ProposalRankingText(ProposalRanking ranking);
std::optional<ProposalRanking> ProposalRankingFromName(std::string_view name);

// Sorts the proposals by the rule, best first; rows the rule does not tell
// apart keep their order.
void RankProposals(std::vector<DriveProposal>& proposals, ProposalRanking ranking);

// A belt's width in metres: beltWidth itself, or for a multi-rib belt its
// ribs x the rib pitch of its section (0 for a section without a groove).
double BeltWidthMetres(std::string_view beltName, double beltWidth);

// Designs every candidate of `belts` for the duty and ranks those that carry
// it. `base` is the project the candidates start from: its unit tables, the
// step 1 tables (flat belt data sheet) and its linear drive settings; its
// belt and pulley data are replaced. The duty must pass CheckProposalDuty.
ProposalResult ProposeDrives(const DriveProject& base, const ProposalDuty& duty,
                             std::span<const ProposalBelt> belts,
                             ProposalRanking ranking = kDefaultProposalRanking);

// The label of a warning a design gave ("noise", "speed", "belt life",
// "small pulley", "length", "width"), or its first line when it has none.
ProposalWarning LabelWarning(const std::string& text);

// Short text for an empty result: why no drive is proposed.
std::string NoProposalText(const ProposalResult& result);

// The answers that give the proposal's design, in the order Go On asks:
// "standard, shorter, proposed width", "longer, proposed width", ...
std::string ProposalAnswersText(const DriveProposal& proposal);

// Puts a proposal into the project as the engineer would type it: its belt
// chosen, a two-pulley drive by centre distance, the step 3 catalogue
// loaded, the pulleys' data of an earlier design cleared (power and driver
// speed stay), the driver and driven teeth (diameters for multi-rib and flat
// belts) entered and the centre distance the search typed. Go On then asks
// the questions whose answers the proposal lists.
void ApplyProposal(DriveProject& p, Dialogs& d, const DriveProposal& proposal);

}  // namespace belt
