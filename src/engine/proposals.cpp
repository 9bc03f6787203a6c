#include "engine/proposals.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <tuple>

#include "catalogue/beltids.h"
#include "catalogue/belttraits.h"
#include "catalogue/pulleytabledata.h"
#include "catalogue/ribgrooves.h"
#include "engine/beltwidth.h"
#include "engine/designsequence.h"
#include "engine/pitchguide.h"
#include "engine/pulleydata.h"
#include "engine/report.h"
#include "units/units.h"

namespace belt {

namespace {

constexpr std::string_view kStandardQuestion = "Do you want to choose a standard belt ?";
constexpr std::string_view kShorterQuestion = "Do you want to choose the shorter belt ?";
constexpr std::string_view kChangeQuestion = "Do I change to this value ?";

constexpr std::string_view kNoLengthInRange = "no standard length keeps the centre distance in the range";
constexpr std::string_view kTooWide = "the belt is wider than the widest allowed";
constexpr std::string_view kTooLarge = "a pulley is larger than the largest diameter allowed";
constexpr std::string_view kUnrated = "the flat belt type has no power rating";
constexpr std::string_view kCutToMeasure = "no standard width of the profile carries the duty";

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// A message of the design, by the start of its text.
struct TextLabel {
    std::string_view text;
    std::string_view label;
};

// The refusals that stop a design, and what they mean for a candidate.
constexpr TextLabel kStopReasons[] = {
    {"Pulley interference", "the pulleys overlap at the centre distance"},
    {"I can't find the pulley position", "no centre distance gives the standard length"},
    {"Available belts are too long", "the belt would be shorter than the shortest made"},
    {"Available belts are too short", "the belt would be longer than the longest made"},
    {"Available belts are too small", "the belt would be wider than the widest made"},
};
// "Error in input data" before the geometry is the pulley data check; after
// the length was taken, the width sizing found no rating.
constexpr std::string_view kInputData = "Error in input data";
constexpr std::string_view kRefusedData = "the pulley data check refuses the drive";
constexpr std::string_view kNoRating = "the profile has no rating at this speed";

// The warnings a finished design may carry.
constexpr TextLabel kWarningLabels[] = {
    {"Expected belt life reduction", "small pulley"},
    {"Critical pulley speed", "speed"},
    {"Belt speed is too high", "speed"},
    {"Belt speed greater than 15", "noise"},
    {"Pulley speed is too high", "belt life"},
    {"NFT belt are not available", "length"},
    {"Requested belt is too small", "width"},
};

std::string FirstLine(std::string_view text) {
    return std::string(text.substr(0, text.find('\r')));
}

// Answers Go On's questions for the search: a standard length, the shorter
// or the longer one as told, the proposed width. Every other box is kept.
class AnswerSet final : public Dialogs {
public:
    explicit AnswerSet(PickAnswer pick) : pick_(pick) {}

    MsgAnswer message(const std::string& text, const std::string& /*title*/, MsgIcon /*icon*/,
                      MsgButtons buttons, MsgAnswer /*defaultButton*/) override {
        if (buttons == MsgButtons::Ok) {
            told.push_back(text);
            return MsgAnswer::Ok;
        }
        if (Contains(text, kStandardQuestion)) {
            length = LengthAnswer::Standard;
            return MsgAnswer::Yes;
        }
        if (Contains(text, kShorterQuestion)) {
            picked = pick_;
            return pick_ == PickAnswer::Shorter ? MsgAnswer::Yes : MsgAnswer::No;
        }
        // A standard diameter offered for the one typed: take it.
        if (Contains(text, kChangeQuestion)) return MsgAnswer::Yes;
        told.push_back(text);
        return MsgAnswer::Cancel;
    }

    std::string inputBox(const std::string& /*prompt*/, const std::string& title,
                         const std::string& defaultText) override {
        // A conveyor belt's width is asked without sizing: nothing to propose.
        if (title == kUnratedWidthTitle) {
            unrated = true;
            return {};
        }
        return defaultText;
    }

    void setBusy(bool) override {}

    std::vector<std::string> told;
    LengthAnswer length = LengthAnswer::NotAsked;
    PickAnswer picked = PickAnswer::NotAsked;
    bool unrated = false;

private:
    PickAnswer pick_;
};

// The driver and driven pulley of a candidate: teeth, or pitch diameters of
// multi-rib and flat belts.
struct PulleyPair {
    int z1 = 0;
    int z2 = 0;
    double d1 = 0;
    double d2 = 0;
};

void SelectBelt(DriveProject& p, const ProposalBelt& belt) {
    p.beltType = belt.beltType;
    p.beltFamily = FamilyFromType(belt.beltType);
    p.beltPitchCode = belt.beltPitchCode;
    p.beltName = ComposeBeltName(p.beltFamily, p.beltType, p.beltPitchCode);
    p.beltSideSuffix.clear();
    if (IsFlatBelt(p)) {
        const auto types = FamilyProfiles(p.beltFamily);
        const auto it = std::find(types.begin(), types.end(), p.beltPitchCode);
        p.flatBeltIndex = it == types.end() ? 0 : static_cast<int>(it - types.begin()) + 1;
    }
    // 2 Pulleys, Centre Distance.
    p.pulleyCount = 2;
    p.twoPulleyMode = 1;
}

// The pulley data an earlier design left, as if the boxes were cleared; the
// power and the driver speed stay. Pulley 2 is a driven pulley.
void ClearPulleyData(DriveProject& p) {
    for (int k = 1; k <= 4; ++k) {
        const auto ks = static_cast<std::size_t>(k);
        if (k > 1) p.pulleySpeed[ks] = 0;
        p.pulleyTeeth[ks] = 0;
        p.pulleyDiameter[ks] = 0;
        p.pulleyRatio[ks] = 0;
        p.pulleyOutsideDiameter[ks] = 0;
        p.pulleyFlangeDiameter[ks] = 0;
        p.pulleyMaxBore[ks] = 0;
        p.pulleyCrownHeight[ks] = 0;
        p.pulleyArcOfContact[ks] = 0;
    }
    p.pulleyIsIdler[2] = 0;
    p.screen.checkIdler[2] = 0;
    p.screen.idlerDiameterTyped[2] = false;
    p.beltSpeed = 0;
    p.peripheralForce = 0;
    p.centreDistance = 0;
    p.beltLength = 0;
    p.lastStandardLength = kNoStandardLength;
    p.layoutNeedsAdjust = 0;
}

void ApplyFactors(DriveProject& p, const DutyFactors& f) {
    if (BeltFamilyTraitsOf(p.beltFamily).factorTable == FactorTableKind::OperationTime) {
        p.loadFactor = f.loadFactor;
        p.loadFactorSecond = f.operationTime;
    } else {
        p.loadFactorSecond = f.factor;
    }
}

// What typing the pulleys and the centre distance on step 3 stores.
void EnterPulleys(DriveProject& p, Dialogs& d, const PulleyPair& pair, double centreDistance) {
    if (IsToothedBelt(p)) {
        p.pulleyTeeth[1] = pair.z1;
        ModificaZ(p, d, 1);
        p.pulleyTeeth[2] = pair.z2;
        ModificaZ(p, d, 2);
    } else {
        p.pulleyDiameter[1] = pair.d1;
        PulleyDiameterEntered(p, d, 1);
        p.pulleyDiameter[2] = pair.d2;
        PulleyDiameterEntered(p, d, 2);
    }
    p.lastStandardLength = kNoStandardLength;
    p.centreDistance = centreDistance;
}

// The pulley pairs of a belt whose speed ratio lies within the tolerance:
// each standard driver pulley with the standard driven pulley nearest to
// the ratio. Timing belts take the listed tooth counts of the pulley table,
// multi-rib and flat belts the ISO diameters (flat belts from the type's
// smallest pulley on).
std::vector<PulleyPair> PulleyPairs(const DriveProject& p, const ProposalDuty& duty) {
    std::vector<double> sizes;  // teeth, or diameters in m
    const bool toothed = IsToothedBelt(p);
    if (toothed) {
        const int rows = std::clamp(static_cast<int>(p.pulleyTable[0][0]), 0, 104);
        for (int r = 1; r <= rows; ++r) sizes.push_back(p.pulleyTable[static_cast<std::size_t>(r)][0]);
    } else {
        double smallest = 0;
        if (IsFlatBelt(p) && p.flatBeltIndex >= 1 && p.flatBeltIndex <= 16)
            smallest = Val(p.flatBeltTable[9][static_cast<std::size_t>(p.flatBeltIndex)]) / 1000.0;
        for (const IsoPulley& iso : kIsoPulleys)
            if (iso.diameterMm / 1000.0 >= smallest) sizes.push_back(iso.diameterMm / 1000.0);
    }
    std::vector<PulleyPair> pairs;
    for (double s1 : sizes) {
        const double target = s1 * duty.ratio;
        const auto above = std::lower_bound(sizes.begin(), sizes.end(), target);
        double s2 = 0;
        if (above == sizes.end())
            s2 = sizes.back();
        else if (above == sizes.begin() || *above - target <= target - *(above - 1))
            s2 = *above;
        else
            s2 = *(above - 1);
        if (std::abs(s2 / s1 - duty.ratio) > duty.ratioTolerance * duty.ratio * (1 + 1e-12)) continue;
        PulleyPair pair;
        if (toothed) {
            pair.z1 = static_cast<int>(s1);
            pair.z2 = static_cast<int>(s2);
            pair.d1 = pair.z1 * p.beltPitch / kPi;
            pair.d2 = pair.z2 * p.beltPitch / kPi;
        } else {
            pair.d1 = s1;
            pair.d2 = s2;
        }
        pairs.push_back(pair);
    }
    return pairs;
}

// One design of a candidate with the length question answered as told.
struct Attempt {
    bool done = false;
    bool lengthTaken = false;  // a standard length was accepted
    double centreDistance = 0;
    std::string stopReason;
    PickAnswer picked = PickAnswer::NotAsked;
};

std::string StopReason(const AnswerSet& a, bool lengthTaken) {
    if (a.unrated) return std::string(kUnrated);
    std::string reason;
    for (const std::string& text : a.told) {
        for (const TextLabel& r : kStopReasons)
            if (text.starts_with(r.text)) reason = r.label;
        if (text.starts_with(kInputData)) reason = lengthTaken ? kNoRating : kRefusedData;
    }
    if (!reason.empty()) return reason;
    return a.told.empty() ? "the design stopped" : "the design stopped: " + FirstLine(a.told.back());
}

Attempt Design(DriveProject& work, const DriveProject& belt, const PulleyPair& pair, double centre,
               AnswerSet& a) {
    work = belt;
    EnterPulleys(work, a, pair, centre);
    Attempt t;
    t.done = GoOnFromStep3(work, a) == NextStep::ShowStep5;
    t.lengthTaken = t.done || work.lastStandardLength == work.beltLength;
    t.centreDistance = work.centreDistance;
    t.picked = a.picked;
    if (!t.done) t.stopReason = StopReason(a, t.lengthTaken);
    return t;
}

DriveProposal Capture(const DriveProject& p, const ProposalDuty& duty, const AnswerSet& a, double centre) {
    DriveProposal r;
    r.beltFamily = p.beltFamily;
    r.beltType = p.beltType;
    r.beltPitchCode = p.beltPitchCode;
    r.beltName = p.beltName;
    r.flatBeltIndex = p.flatBeltIndex;
    r.toothed = IsToothedBelt(p);
    r.teeth = {p.pulleyTeeth[1], p.pulleyTeeth[2]};
    r.diameter = {p.pulleyDiameter[1], p.pulleyDiameter[2]};
    r.speed = {p.pulleySpeed[1], p.pulleySpeed[2]};
    r.pulleyRatio = {p.pulleyRatio[1], p.pulleyRatio[2]};
    r.arcOfContact = {p.pulleyArcOfContact[1], p.pulleyArcOfContact[2]};
    r.speedRatio = p.pulleyRatio[2];
    r.ratioError = (r.speedRatio - duty.ratio) / duty.ratio;
    r.typedCentreDistance = centre;
    r.centreDistance = p.centreDistance;
    r.beltLength = p.beltLength;
    r.beltWidth = p.beltWidth;
    r.beltWidthMetres = BeltWidthMetres(p.beltName, p.beltWidth);
    // A multi-rib pulley has no face width of its own: its grooves take the belt.
    r.faceWidth = WidthInRibs(r) ? r.beltWidthMetres : p.pulleyFaceWidth;
    r.envelope = DriveEnvelope(r.faceWidth, p.centreDistance, p.pulleyDiameter[1], p.pulleyDiameter[2]);
    r.beltCode = p.beltCode;
    r.beltSpeed = p.beltSpeed;
    r.teethInMesh = r.toothed ? p.teethInMesh : 0;
    r.serviceFactor = p.serviceFactor;
    r.powerRating = p.powerRatingWithWidth;
    r.safetyFactor = NewSafetyFactor(p).value_or(0);
    const double designPower = static_cast<double>(p.serviceFactor) * p.power;
    r.margin = designPower > 0 ? p.powerRatingWithWidth / designPower : 0;
    r.lengthAnswer = a.length;
    r.pickAnswer = a.picked;
    for (const std::string& text : a.told) r.warnings.push_back(LabelWarning(text));
    return r;
}

bool InRange(double c, const ProposalDuty& duty) {
    return c >= duty.centreMin - 1e-9 && c <= duty.centreMax + 1e-9;
}

// Ranking keys. The least over-designed: warnings, then the lowest margin
// that carries the duty (to the two decimals shown), then the narrower belt,
// then the pulleys.
auto MarginKey(const DriveProposal& r) {
    const bool carries = r.margin >= 1;
    const double margin = std::round(r.margin * 100);
    return std::make_tuple(!r.warnings.empty(), !carries, carries ? margin : -margin, r.beltWidthMetres,
                           r.diameter[0] + r.diameter[1]);
}

// The most compact: warnings, then whether the drive carries the duty (a
// proposed width always does; a narrow belt that does not must not head
// the table for being narrow), then the room the drive takes, then the
// pulleys, then the higher safety factor.
auto CompactKey(const DriveProposal& r) {
    return std::make_tuple(!r.warnings.empty(), r.margin < 1, r.envelope, r.diameter[0] + r.diameter[1],
                           -r.safetyFactor);
}

struct RankingRule {
    ProposalRanking ranking;
    std::string_view name;
    std::string_view text;
};
constexpr RankingRule kRankingRules[] = {
    {ProposalRanking::Compact, "compact",
     "drives without warnings first, then those that carry the duty, then the smallest envelope (pulley "
     "face width x the rectangle enclosing the pulleys at their centre distance; a multi-rib belt's width "
     "is its ribs x rib pitch), then the smaller pulleys, then the higher safety factor"},
    {ProposalRanking::Margin, "margin",
     "drives without warnings first, then the lowest margin (safety factor over service factor) of at least "
     "1, "
     "then the narrower belt, then the smaller pulleys"},
};

const RankingRule& RuleOf(ProposalRanking ranking) {
    for (const RankingRule& r : kRankingRules)
        if (r.ranking == ranking) return r;
    return kRankingRules[0];
}

}  // namespace

std::optional<double> ParseDutyNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    if (text.empty() || text.size() > 40) return std::nullopt;
    std::string s(text);
    for (char& c : s) {
        if (c == ',') c = '.';
        if (!((c >= '0' && c <= '9') || c == '.' || c == '+' || c == '-' || c == 'e' || c == 'E'))
            return std::nullopt;
    }
    char* end = nullptr;
    const double v = std::strtod(s.c_str(), &end);
    if (end != s.c_str() + s.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<DutyProblem> CheckProposalDuty(const ProposalDuty& duty) {
    auto within = [](double v, double max) { return v > 0 && v <= max; };
    if (!within(duty.power, EntryLimit(kPower)))
        return DutyProblem{DutyField::Power, "The power must be above 0 and at most 10 MW."};
    if (!within(duty.driverSpeed, EntryLimit(kAngularVelocity)))
        return DutyProblem{DutyField::DriverSpeed,
                           "The speed of the driver pulley must be above 0 and at most 1000000 rpm."};
    if (!within(duty.ratio, EntryLimit(kPlainNumber)))
        return DutyProblem{DutyField::Ratio, "The speed ratio must be above 0 and at most 100."};
    if (!(duty.ratioTolerance >= 0 && duty.ratioTolerance < 1))
        return DutyProblem{DutyField::RatioTolerance, "The ratio tolerance must be at least 0 and below 100 %."};
    if (!within(duty.centreMin, EntryLimit(kLength)) || !within(duty.centreMax, EntryLimit(kLength)))
        return DutyProblem{DutyField::CentreDistance, "The centre distances must be above 0 and at most 100 m."};
    if (duty.centreMin > duty.centreMax)
        return DutyProblem{DutyField::CentreDistance,
                           "The smallest centre distance must not be above the largest."};
    const DutyFactors& f = duty.factors;
    const double timing = static_cast<double>(f.loadFactor) + static_cast<double>(f.operationTime);
    if (!within(f.loadFactor, EntryLimit(kPlainNumber)) || !within(timing, EntryLimit(kPlainNumber)) ||
        !within(f.factor, EntryLimit(kPlainNumber)))
        return DutyProblem{DutyField::ServiceFactor, "The service factor must be above 0 and at most 100."};
    if (!(duty.maxWidth >= 0 && duty.maxWidth <= EntryLimit(kLength)))
        return DutyProblem{DutyField::MaxWidth, "The widest belt allowed must be above 0 and at most 100 m."};
    if (!(duty.maxDiameter >= 0 && duty.maxDiameter <= EntryLimit(kLength)))
        return DutyProblem{DutyField::MaxDiameter,
                           "The largest pulley allowed must be above 0 and at most 100 m."};
    return std::nullopt;
}

std::vector<ProposalBelt> ProposalBeltsOfType(std::string_view beltType) {
    std::vector<ProposalBelt> belts;
    const std::string family = FamilyFromType(beltType);
    // A multi-rib or flat type is one belt; a timing belt type offers the
    // pitches of its chart.
    const BeltFamilyTraits* traits = FindBeltFamily(family);
    if (traits && traits->kind != BeltKind::Toothed) {
        const std::string_view code = beltType.substr(std::min(beltType.size(), family.size() + 1));
        const auto codes = FamilyProfiles(family);
        if (std::find(codes.begin(), codes.end(), code) != codes.end())
            belts.push_back({std::string(beltType), std::string(code)});
        return belts;
    }
    if (const PitchGroup* g = FindPitchGroup(beltType))
        for (int i = 0; i < g->count; ++i)
            belts.push_back({std::string(beltType), PitchCodeFromCaption(g->captions[static_cast<std::size_t>(i)])});
    return belts;
}

std::vector<ProposalBelt> ProposalBeltsOfFamilies(std::span<const std::string> families) {
    std::vector<ProposalBelt> belts;
    for (const std::string& family : families) {
        if (BeltFamilyTraitsOf(family).kind != BeltKind::Toothed) {
            for (std::string_view code : FamilyProfiles(family))
                belts.push_back({family + " " + std::string(code), std::string(code)});
            continue;
        }
        for (const PitchGroup& g : PitchGroups()) {
            if (FamilyFromType(g.beltType) != family) continue;
            for (const ProposalBelt& b : ProposalBeltsOfType(g.beltType)) belts.push_back(b);
        }
    }
    return belts;
}

std::vector<std::string> DefaultProposalFamilies() {
    std::vector<std::string> families;
    // Linear drives move a carriage: they are designed from step 1's carriage data.
    for (const BeltFamilyTraits& f : BeltFamilyTable())
        if (!f.linearDrive) families.emplace_back(f.name);
    return families;
}

ProposalResult ProposeDrives(const DriveProject& base, const ProposalDuty& duty,
                             std::span<const ProposalBelt> belts, ProposalRanking ranking) {
    ProposalResult result;
    std::map<std::string, int> dropped;
    const double centre = (duty.centreMin + duty.centreMax) / 2;

    DriveProject belt = base;
    DriveProject work = base;
    for (const ProposalBelt& b : belts) {
        belt = base;
        SelectBelt(belt, b);
        // A joined belt is not made with a parabolic profile (step 1 refuses it).
        if (IsLinearDriveBelt(belt) && belt.linearDriveType == 2 && belt.beltType == "SELKIRA QVP")
            continue;
        ApplyFactors(belt, duty.factors);
        belt.power = duty.power;
        belt.pulleySpeed[1] = duty.driverSpeed;
        ClearPulleyData(belt);
        AnswerSet layout(PickAnswer::Shorter);
        PrepareStep3(belt, layout);

        for (const PulleyPair& pair : PulleyPairs(belt, duty)) {
            ++result.candidates;
            if (duty.maxDiameter > 0 && std::max(pair.d1, pair.d2) > duty.maxDiameter) {
                ++dropped[std::string(kTooLarge)];
                continue;
            }
            AnswerSet first(PickAnswer::Shorter);
            const Attempt shorter = Design(work, belt, pair, centre, first);
            DriveProposal shorterRow;
            if (shorter.done) shorterRow = Capture(work, duty, first, centre);
            // Asked for a choice: the longer standard length is designed too.
            std::optional<Attempt> longer;
            AnswerSet second(PickAnswer::Longer);
            DriveProposal longerRow;
            if (shorter.picked != PickAnswer::NotAsked) {
                longer = Design(work, belt, pair, centre, second);
                if (longer->done) longerRow = Capture(work, duty, second, centre);
            }
            // The standard length whose centre distance is in the range and
            // nearest the middle of it.
            const Attempt* chosen = nullptr;
            const Attempt* options[] = {&shorter, longer ? &*longer : nullptr};
            for (const Attempt* t : options) {
                if (!t || !t->lengthTaken || !InRange(t->centreDistance, duty)) continue;
                if (!chosen || std::abs(t->centreDistance - centre) < std::abs(chosen->centreDistance - centre))
                    chosen = t;
            }
            if (!chosen) {
                const bool anyLength = shorter.lengthTaken || (longer && longer->lengthTaken);
                ++dropped[anyLength ? std::string(kNoLengthInRange) : shorter.stopReason];
                continue;
            }
            if (!chosen->done) {
                ++dropped[chosen->stopReason];
                continue;
            }
            DriveProposal row = chosen == &shorter ? std::move(shorterRow) : std::move(longerRow);
            if (duty.maxWidth > 0 && !WidthInRibs(row) && row.beltWidth > duty.maxWidth + 1e-12) {
                ++dropped[std::string(kTooWide)];
                continue;
            }
            // A proposal is a belt off the shelf unless widths cut to measure are asked for.
            if (row.toothed && !duty.anyWidth && !IsStandardBeltWidth(belt, row.beltWidth)) {
                ++dropped[std::string(kCutToMeasure)];
                continue;
            }
            result.proposals.push_back(std::move(row));
        }
    }

    result.ranking = ranking;
    RankProposals(result.proposals, ranking);
    for (const auto& [reason, count] : dropped) result.dropped.push_back({reason, count});
    std::stable_sort(result.dropped.begin(), result.dropped.end(),
                     [](const DroppedCandidates& a, const DroppedCandidates& b) { return a.count > b.count; });
    return result;
}

std::string_view ProposalRankingName(ProposalRanking ranking) {
    return RuleOf(ranking).name;
}

std::string_view ProposalRankingText(ProposalRanking ranking) {
    return RuleOf(ranking).text;
}

std::optional<ProposalRanking> ProposalRankingFromName(std::string_view name) {
    for (const RankingRule& r : kRankingRules)
        if (r.name == name) return r.ranking;
    return std::nullopt;
}

void RankProposals(std::vector<DriveProposal>& proposals, ProposalRanking ranking) {
    if (ranking == ProposalRanking::Margin)
        std::stable_sort(
            proposals.begin(), proposals.end(),
            [](const DriveProposal& a, const DriveProposal& b) { return MarginKey(a) < MarginKey(b); });
    else
        std::stable_sort(
            proposals.begin(), proposals.end(),
            [](const DriveProposal& a, const DriveProposal& b) { return CompactKey(a) < CompactKey(b); });
}

double BeltWidthMetres(std::string_view beltName, double beltWidth) {
    if (const RibGroove* groove = FindRibGroove(beltName)) return beltWidth * groove->pitch;
    return beltWidth;
}

ProposalWarning LabelWarning(const std::string& text) {
    ProposalWarning w{FirstLine(text), text};
    for (const TextLabel& l : kWarningLabels)
        if (text.starts_with(l.text)) w.label = l.label;
    return w;
}

std::string NoProposalText(const ProposalResult& result) {
    if (result.candidates == 0)
        return "No pulley pair of these belts reaches the speed ratio within the tolerance.";
    return "No drive is proposed for this duty: all " + std::to_string(result.candidates) +
           " candidates were dropped.";
}

std::string ProposalAnswersText(const DriveProposal& proposal) {
    std::string text;
    if (proposal.lengthAnswer == LengthAnswer::Standard) text += "standard, ";
    if (proposal.pickAnswer == PickAnswer::Shorter) text += "shorter, ";
    if (proposal.pickAnswer == PickAnswer::Longer) text += "longer, ";
    return text + "proposed width";
}

void ApplyProposal(DriveProject& p, Dialogs& d, const DriveProposal& proposal) {
    SelectBelt(p, {proposal.beltType, proposal.beltPitchCode});
    ClearPulleyData(p);
    PrepareStep3(p, d);
    PulleyPair pair{proposal.teeth[0], proposal.teeth[1], proposal.diameter[0], proposal.diameter[1]};
    EnterPulleys(p, d, pair, proposal.typedCentreDistance);
}

double DriveEnvelope(double faceWidth, double centreDistance, double d1, double d2) {
    return faceWidth * (centreDistance + (d1 + d2) / 2) * std::max(d1, d2);
}

bool WidthInRibs(const DriveProposal& row) {
    return BeltFamilyTraitsOf(row.beltFamily).kind == BeltKind::MultiRib;
}

}  // namespace belt
