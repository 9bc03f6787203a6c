#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "catalogue/beltids.h"
#include "catalogue/calculationtables.h"
#include "catalogue/loadfactors.h"
#include "engine/beltwidth.h"
#include "engine/designsequence.h"
#include "engine/navigation.h"
#include "engine/pitchguide.h"
#include "engine/proposals.h"
#include "engine/pulleydata.h"
#include "platform/scripteddialogs.h"
#include "testsupport.h"
#include "units/units.h"

using belt::test::kRpm;
using belt::test::StartedProject;

namespace belt {
namespace {

// A project as the program has it once step 1 is loaded.
DriveProject Base() {
    DriveProject p = StartedProject();
    LoadStep1Tables(p);
    return p;
}

// 3.4 kW at 1200 rpm, half the speed on the driven pulley, 300 to 500 mm
// apart; step 1 left as it starts.
ProposalDuty KnownDuty() {
    ProposalDuty d;
    d.power = 3400;
    d.driverSpeed = 1200 * kRpm;
    d.ratio = 2;
    d.centreMin = 0.3;
    d.centreMax = 0.5;
    return d;
}

ProposalResult Propose(const ProposalDuty& duty, std::vector<std::string> families,
                       ProposalRanking ranking = kDefaultProposalRanking) {
    const std::vector<ProposalBelt> belts = ProposalBeltsOfFamilies(families);
    return ProposeDrives(Base(), duty, belts, ranking);
}

// Answers what the engineer answers by hand: the standard diameter a flat
// belt pulley is offered, then the queued answers.
struct HandDialogs : ScriptedDialogs {
    MsgAnswer message(const std::string& text, const std::string& title, MsgIcon icon, MsgButtons buttons,
                      MsgAnswer defaultButton) override {
        if (text.find("Do I change to this value ?") != std::string::npos) {
            seen.push_back({RecordedDialog::Kind::Message, text, title, icon, buttons, {}, "Yes"});
            return MsgAnswer::Yes;
        }
        return ScriptedDialogs::message(text, title, icon, buttons, defaultButton);
    }
};

// Go On's questions answered as the proposal lists them.
void QueueAnswers(HandDialogs& d, const DriveProposal& r) {
    if (r.lengthAnswer == LengthAnswer::Standard) d.answers.push_back(MsgAnswer::Yes);
    if (r.pickAnswer != PickAnswer::NotAsked)
        d.answers.push_back(r.pickAnswer == PickAnswer::Shorter ? MsgAnswer::Yes : MsgAnswer::No);
    d.acceptInputDefaults = true;
}

std::string Mm(double metres) {
    return Format(metres * 1000, "###0.00");
}

// The proposal's drive designed by hand through the wizard: the belt and
// factors of step 1, power, speed and pitch on step 2 (on step 3 for the
// belts that skip step 2), 2 Pulleys by centre distance, the pulleys and the
// centre distance typed on step 3, Go On answered as the proposal lists.
DriveProject WizardRun(const DriveProposal& r, HandDialogs& d) {
    DriveProject p = Base();
    p.beltType = r.beltType;
    p.beltFamily = FamilyFromType(r.beltType);
    if (p.beltFamily == kOrvanto || p.beltFamily == kRubber)
        InitFactorTable(p, FactorTableKind::OperationTime);
    else if (p.beltFamily == kSelkira || p.beltFamily == kTavoren)
        InitFactorTable(p, FactorTableKind::OperatingConditions);
    else
        InitFactorTable(p, FactorTableKind::Duty);

    const bool step2 = p.beltFamily != kQuindel && p.beltFamily != kFendaro;
    if (step2) {
        Step2DataEntry(p, d, 0, "3.4");
        Step2DataEntry(p, d, 1, "1200");
        Scelta_Click(p, PitchButtonIndex(r.beltType, r.beltPitchCode));
    } else {
        p.beltPitchCode = r.beltPitchCode;
        p.beltName = r.beltType;
        p.flatBeltIndex = r.flatBeltIndex;
    }
    EXPECT_TRUE(ChooseDriveConfiguration(p, d, 2, 1, !step2));
    PrepareStep3(p, d);
    if (!step2) {
        OnDatoEnter(p, d, 5, "3.4");
        OnInputnEnter(p, d, 1, "1200");
    }
    if (r.toothed) {
        OnInputzEnter(p, d, 1, std::to_string(r.teeth[0]));
        OnInputzEnter(p, d, 2, std::to_string(r.teeth[1]));
    } else {
        OnInputdEnter(p, d, 1, Mm(r.diameter[0]));
        OnInputdEnter(p, d, 2, Mm(r.diameter[1]));
    }
    OnDatoEnter(p, d, 8, Mm(r.typedCentreDistance));

    QueueAnswers(d, r);
    EXPECT_EQ(GoOnFromStep3(p, d), NextStep::ShowStep5);
    EXPECT_TRUE(d.answers.empty()) << "a listed answer was not asked for";
    return p;
}

// Every number of the row is what the wizard gives.
void ExpectRowIsWizardRun(const DriveProposal& r) {
    SCOPED_TRACE(r.beltName + " " + r.beltCode);
    HandDialogs d;
    const DriveProject p = WizardRun(r, d);
    EXPECT_EQ(r.beltCode, p.beltCode);
    EXPECT_EQ(r.teeth[0], p.pulleyTeeth[1]);
    EXPECT_EQ(r.teeth[1], p.pulleyTeeth[2]);
    EXPECT_DOUBLE_EQ(r.diameter[0], p.pulleyDiameter[1]);
    EXPECT_DOUBLE_EQ(r.diameter[1], p.pulleyDiameter[2]);
    EXPECT_DOUBLE_EQ(r.speed[0], p.pulleySpeed[1]);
    EXPECT_DOUBLE_EQ(r.speed[1], p.pulleySpeed[2]);
    EXPECT_DOUBLE_EQ(r.arcOfContact[0], p.pulleyArcOfContact[1]);
    EXPECT_DOUBLE_EQ(r.arcOfContact[1], p.pulleyArcOfContact[2]);
    EXPECT_DOUBLE_EQ(r.pulleyRatio[1], p.pulleyRatio[2]);
    EXPECT_DOUBLE_EQ(r.speedRatio, p.pulleyRatio[2]);
    EXPECT_DOUBLE_EQ(r.centreDistance, p.centreDistance);
    EXPECT_DOUBLE_EQ(r.beltLength, p.beltLength);
    EXPECT_DOUBLE_EQ(r.beltWidth, p.beltWidth);
    EXPECT_DOUBLE_EQ(r.beltSpeed, p.beltSpeed);
    EXPECT_EQ(r.teethInMesh, r.toothed ? p.teethInMesh : 0);
    EXPECT_EQ(r.serviceFactor, p.serviceFactor);
    // The wizard reads the diameter back from its box, a few units in the
    // last place off the table's; many ribs multiply that in the rating.
    EXPECT_NEAR(r.powerRating, p.powerRatingWithWidth, 1e-14 * p.powerRatingWithWidth);
    // The safety factor is the one the report prints; the margin relates it
    // to the service factor.
    EXPECT_NEAR(r.safetyFactor, p.powerRatingWithWidth / p.power, 1e-14 * r.safetyFactor);
    EXPECT_NEAR(r.margin, p.powerRatingWithWidth / (p.serviceFactor * p.power), 1e-14 * r.margin);
    // The warnings are the messages the wizard showed.
    std::vector<std::string> shown;
    for (const RecordedDialog& m : d.seen)
        if (m.buttons == MsgButtons::Ok && m.kind == RecordedDialog::Kind::Message) shown.push_back(m.text);
    std::vector<std::string> warned;
    for (const ProposalWarning& w : r.warnings) warned.push_back(w.text);
    EXPECT_EQ(warned, shown);
}

TEST(Proposals, KnownDutyTopRowsArePlausibleAndTheFirstIsTheWizardsDesign) {
    const ProposalDuty duty = KnownDuty();
    const ProposalResult result = Propose(duty, DefaultProposalFamilies());
    EXPECT_EQ(result.ranking, ProposalRanking::Compact);
    ASSERT_GE(result.proposals.size(), 10U);
    for (std::size_t i = 0; i < 10; ++i) {
        const DriveProposal& r = result.proposals[i];
        SCOPED_TRACE(r.beltName + " " + r.beltCode);
        EXPECT_TRUE(r.warnings.empty());
        EXPECT_GE(r.margin, 0.995);
        EXPECT_LE(std::abs(r.ratioError), 0.02);
        EXPECT_GE(r.centreDistance, 0.3);
        EXPECT_LE(r.centreDistance, 0.5);
        EXPECT_DOUBLE_EQ(r.typedCentreDistance, 0.4);
        // Belt speed of an ordinary power drive, pulleys that fit the range.
        EXPECT_GT(r.beltSpeed, 1);
        EXPECT_LT(r.beltSpeed, 30);
        EXPECT_LT((r.diameter[0] + r.diameter[1]) / 2, r.centreDistance);
        EXPECT_GE(r.powerRating, r.serviceFactor * duty.power * 0.995);
        // Compact: the room the drive takes, face width x the pulleys' rectangle.
        EXPECT_DOUBLE_EQ(r.envelope, DriveEnvelope(r.faceWidth, r.centreDistance, r.diameter[0], r.diameter[1]));
        if (i > 0) EXPECT_GE(r.envelope, result.proposals[i - 1].envelope);
    }
    // The smallest room: 9 ribs of QUINDEL J on 80 / 160 mm pulleys, 1.72
    // dm3; the 10 mm AT10 belt on 33 / 66 teeth takes 1.75 dm3.
    const DriveProposal& first = result.proposals.front();
    EXPECT_EQ(first.beltCode, "1163  J  9");
    EXPECT_NEAR(first.envelope, 0.00172, 0.000005);
    ExpectRowIsWizardRun(first);

    // Least over-designed first, the pitch the step 2 chart recommends for
    // 3.4 kW at 1200 rpm heads the table.
    const ProposalResult byMargin = Propose(duty, DefaultProposalFamilies(), ProposalRanking::Margin);
    EXPECT_EQ(byMargin.proposals.front().beltCode, "12 T10-1390");
    ExpectRowIsWizardRun(byMargin.proposals.front());
    for (std::size_t i = 0; i < 10; ++i) EXPECT_LT(byMargin.proposals[i].margin, 1.1);

    // Nothing proposed twice, every candidate accounted for.
    int dropped = 0;
    for (const DroppedCandidates& c : result.dropped) dropped += c.count;
    EXPECT_EQ(dropped + static_cast<int>(result.proposals.size()), result.candidates);
}

TEST(Proposals, OneProposalOfEachFamilyIsTheWizardsDesign) {
    for (std::string_view family : kBeltFamilies) {
        SCOPED_TRACE(family);
        const ProposalResult result = Propose(KnownDuty(), {std::string(family)});
        ASSERT_FALSE(result.proposals.empty());
        for (const DriveProposal& r : result.proposals) EXPECT_EQ(r.beltFamily, family);
        ExpectRowIsWizardRun(result.proposals.front());
        // A row further down, with the other standard length or a warning.
        ExpectRowIsWizardRun(result.proposals[result.proposals.size() / 2]);
    }
}

// Both rules on made-up rows: warnings, belt sizes, pulleys and safety
// factors that each rule weighs in its own order.
TEST(Proposals, RankingRulesOrderRows) {
    struct Row {
        const char* name;
        bool warned;
        const char* beltName;  // a multi-rib section counts its ribs x rib pitch
        double width;          // m, or ribs
        double face;           // pulley face width, m
        double centre;         // m
        double pulleys;        // sum of the pitch diameters, m (driven = 2 x driver)
        double safety;
        double margin;
    };
    const Row rows[] = {
        {"warned small", true, "ORVANTO T5", 0.006, 0.016, 0.3, 0.05, 1.5, 1.2},
        {"wide fine pitch", false, "ORVANTO T2.5", 0.190, 0.195, 0.3, 0.08, 1.26, 1.01},
        {"compact T10", false, "ORVANTO T10", 0.032, 0.037, 0.3, 0.19, 2.0, 1.6},
        {"T10, larger pulleys", false, "ORVANTO T10", 0.032, 0.037, 0.3, 0.25, 2.6, 2.1},
        {"T10, same pulleys, safer", false, "ORVANTO T10", 0.032, 0.037, 0.3, 0.19, 2.2, 1.7},
        {"multi-rib", false, "QUINDEL H", 10, 0.016, 0.3, 0.3, 1.3, 1.05},
        {"under-rated", false, "ORVANTO T5", 0.010, 0.015, 0.3, 0.1, 0.9, 0.95},
        {"long narrow", false, "ORVANTO T5", 0.010, 0.015, 1.2, 0.1, 1.4, 1.12},
    };
    struct Case {
        ProposalRanking ranking;
        std::vector<std::string> order;
    };
    const Case cases[] = {
        // Envelopes (dm3): long narrow 15 mm x 1250 x 66.7 = 1.25, multi-rib
        // 16 mm x 450 x 200 = 1.44, compact T10s 37 mm x 395 x 126.7 = 1.85,
        // larger T10 pulleys 2.62, wide fine pitch 195 mm x 340 x 53.3 =
        // 3.54; the smallest carries not the duty.
        {ProposalRanking::Compact,
         {"long narrow", "multi-rib", "T10, same pulleys, safer", "compact T10", "T10, larger pulleys",
          "wide fine pitch", "under-rated", "warned small"}},
        // Margins of at least 1 from the lowest; the one below 1 after them.
        {ProposalRanking::Margin,
         {"wide fine pitch", "multi-rib", "long narrow", "compact T10", "T10, same pulleys, safer",
          "T10, larger pulleys", "under-rated", "warned small"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(ProposalRankingName(c.ranking)));
        std::vector<DriveProposal> proposals;
        for (const Row& row : rows) {
            DriveProposal r;
            r.beltName = row.beltName;
            r.beltCode = row.name;
            r.beltWidth = row.width;
            r.beltWidthMetres = BeltWidthMetres(row.beltName, row.width);
            r.diameter = {row.pulleys / 3, row.pulleys * 2 / 3};
            r.faceWidth = row.face;
            r.centreDistance = row.centre;
            r.envelope = DriveEnvelope(row.face, row.centre, r.diameter[0], r.diameter[1]);
            r.safetyFactor = row.safety;
            r.margin = row.margin;
            if (row.warned) r.warnings.push_back({"noise", "Belt speed greater than 15 m/s"});
            proposals.push_back(r);
        }
        RankProposals(proposals, c.ranking);
        std::vector<std::string> order;
        for (const DriveProposal& r : proposals) order.push_back(r.beltCode);
        EXPECT_EQ(order, c.order);
    }
    EXPECT_EQ(ProposalRankingFromName("compact"), ProposalRanking::Compact);
    EXPECT_EQ(ProposalRankingFromName("margin"), ProposalRanking::Margin);
    EXPECT_FALSE(ProposalRankingFromName("cheapest"));
}

// A proposal is a belt off the shelf: by default every timing belt has one
// of its profile's standard widths, and the candidates that would need a
// width cut to measure are counted; asked for, those widths come back.
TEST(Proposals, StandardWidthsUnlessAnyWidthIsAsked) {
    ProposalDuty duty = KnownDuty();
    duty.power = 3000;
    duty.driverSpeed = 1450 * kRpm;
    auto standard = [](const DriveProposal& r) {
        DriveProject p = StartedProject();
        belt::test::ChooseBelt(p, r.beltType, r.beltPitchCode);
        p.beltName = r.beltName;
        LoadCalculationTables(p);
        return IsStandardBeltWidth(p, r.beltWidth);
    };
    auto cutCount = [](const ProposalResult& result) {
        for (const DroppedCandidates& c : result.dropped)
            if (c.reason == "no standard width of the profile carries the duty") return c.count;
        return 0;
    };
    const ProposalResult offTheShelf = Propose(duty, {"ORVANTO", "RUBBER"}, ProposalRanking::Margin);
    ASSERT_FALSE(offTheShelf.proposals.empty());
    for (const DriveProposal& r : offTheShelf.proposals) EXPECT_TRUE(standard(r)) << r.beltCode;
    EXPECT_GT(cutCount(offTheShelf), 0);

    duty.anyWidth = true;
    const ProposalResult any = Propose(duty, {"ORVANTO", "RUBBER"}, ProposalRanking::Margin);
    EXPECT_EQ(cutCount(any), 0);
    int cut = 0;
    for (const DriveProposal& r : any.proposals)
        if (!standard(r)) ++cut;
    EXPECT_EQ(cut, cutCount(offTheShelf));
    EXPECT_EQ(any.proposals.size(), offTheShelf.proposals.size() + static_cast<std::size_t>(cut));
}

TEST(Proposals, RankingPutsWarningsLastOnARealDuty) {
    ProposalDuty duty = KnownDuty();
    duty.driverSpeed = 3000 * kRpm;
    for (ProposalRanking ranking : {ProposalRanking::Compact, ProposalRanking::Margin}) {
        SCOPED_TRACE(std::string(ProposalRankingName(ranking)));
        const ProposalResult result = Propose(duty, {"ORVANTO", "RUBBER"}, ranking);
        ASSERT_FALSE(result.proposals.empty());
        bool warned = false;
        double last = 0;
        int withWarnings = 0;
        for (const DriveProposal& r : result.proposals) {
            if (!r.warnings.empty()) {
                ++withWarnings;
                warned = true;
                continue;
            }
            EXPECT_FALSE(warned) << r.beltCode << " has no warning but comes after one that has";
            const double key = ranking == ProposalRanking::Compact ? r.envelope : std::round(r.margin * 100) / 100;
            EXPECT_GE(key, last) << r.beltCode;
            last = key;
        }
        EXPECT_GT(withWarnings, 0);
        // The warnings carry their labels.
        for (const DriveProposal& r : result.proposals)
            for (const ProposalWarning& w : r.warnings) EXPECT_NE(w.label, w.text);
    }
}

TEST(Proposals, DutyNoBeltCarriesGivesAnEmptyTableThatSaysWhy) {
    ProposalDuty duty = KnownDuty();
    duty.power = 400000;
    const ProposalResult result = Propose(duty, {"ORVANTO", "TAVOREN"});
    EXPECT_TRUE(result.proposals.empty());
    EXPECT_GT(result.candidates, 0);
    EXPECT_EQ(NoProposalText(result),
              "No drive is proposed for this duty: all " + std::to_string(result.candidates) + " candidates were dropped.");
    ASSERT_FALSE(result.dropped.empty());
    EXPECT_EQ(result.dropped.front().reason, "the belt would be wider than the widest made");

    // A ratio no pair of standard pulleys reaches.
    duty = KnownDuty();
    duty.ratio = 90;
    const ProposalResult none = Propose(duty, DefaultProposalFamilies());
    EXPECT_EQ(none.candidates, 0);
    EXPECT_EQ(NoProposalText(none), "No pulley pair of these belts reaches the speed ratio within the tolerance.");
}

TEST(Proposals, LimitsOnWidthAndDiameterDropWhatExceedsThem) {
    ProposalDuty duty = KnownDuty();
    duty.maxWidth = 0.02;
    duty.maxDiameter = 0.15;
    const ProposalResult result = Propose(duty, DefaultProposalFamilies());
    ASSERT_FALSE(result.proposals.empty());
    for (const DriveProposal& r : result.proposals) {
        if (r.beltFamily != kQuindel) EXPECT_LE(r.beltWidth, 0.02 + 1e-12) << r.beltCode;
        EXPECT_LE(std::max(r.diameter[0], r.diameter[1]), 0.15) << r.beltCode;
    }
    std::vector<std::string> reasons;
    for (const DroppedCandidates& c : result.dropped) reasons.push_back(c.reason);
    EXPECT_NE(std::find(reasons.begin(), reasons.end(), "the belt is wider than the widest allowed"), reasons.end());
    EXPECT_NE(std::find(reasons.begin(), reasons.end(), "a pulley is larger than the largest diameter allowed"),
              reasons.end());
}

TEST(Proposals, StepOneFactorsReachTheDesign) {
    ProposalDuty duty = KnownDuty();
    duty.factors = {1.6F, 0.2F, 1.4F};
    const ProposalResult result = Propose(duty, {"ORVANTO", "TAVOREN", "QUINDEL"});
    ASSERT_FALSE(result.proposals.empty());
    for (const DriveProposal& r : result.proposals) {
        SCOPED_TRACE(r.beltCode);
        if (r.beltFamily == kOrvanto) EXPECT_FLOAT_EQ(r.serviceFactor, 0.2F + 1.6F + 0.2F);  // ratio 2: +0.2
        // TAVOREN adds the load factor the project holds (1.0 as it starts),
        // although its tab shows no load factor box.
        if (r.beltFamily == kTavoren) EXPECT_FLOAT_EQ(r.serviceFactor, 0.2F + 1.0F + 1.4F);
    }
}

TEST(Proposals, ApplyProposalTypesTheRowOverAnEarlierDesign) {
    // A T10 row over a T5 design.
    const ProposalResult result = Propose(KnownDuty(), {"ORVANTO"}, ProposalRanking::Margin);
    ASSERT_FALSE(result.proposals.empty());
    const DriveProposal& r = result.proposals.front();

    // An earlier four-pulley design with other pulleys and another belt speed.
    DriveProject p = Base();
    p.beltType = "ORVANTO T";
    p.beltFamily = "ORVANTO";
    p.beltPitchCode = "T5";
    p.beltName = "ORVANTO T5";
    p.power = 3400;
    p.pulleySpeed[1] = 1200 * kRpm;
    p.pulleyCount = 4;
    p.pulleyTeeth = {0, 30, 40, 50, 60};
    p.pulleyDiameter = {0, 0.05, 0.06, 0.07, 0.08};
    p.pulleySpeed[2] = 77;
    p.pulleyIsIdler[2] = kTrue;
    p.screen.checkIdler[2] = 1;
    p.beltSpeed = 3.3;
    p.peripheralForce = 1030;

    HandDialogs d;
    ApplyProposal(p, d, r);
    EXPECT_EQ(p.beltName, "ORVANTO T10");
    EXPECT_EQ(p.pulleyCount, 2);
    EXPECT_EQ(p.twoPulleyMode, 1);
    EXPECT_EQ(p.pulleyIsIdler[2], 0);
    EXPECT_EQ(p.pulleyTeeth[1], r.teeth[0]);
    EXPECT_EQ(p.pulleyTeeth[2], r.teeth[1]);
    EXPECT_DOUBLE_EQ(p.pulleySpeed[1], 1200 * kRpm);
    EXPECT_DOUBLE_EQ(p.centreDistance, r.typedCentreDistance);
    // Laying out step 3 again changes nothing.
    const DriveProject typed = p;
    PrepareStep3(p, d);
    EXPECT_EQ(p.pulleySpeed, typed.pulleySpeed);
    EXPECT_EQ(p.pulleyDiameter, typed.pulleyDiameter);

    QueueAnswers(d, r);
    ASSERT_EQ(GoOnFromStep3(p, d), NextStep::ShowStep5);
    EXPECT_EQ(p.beltCode, r.beltCode);
    EXPECT_DOUBLE_EQ(p.centreDistance, r.centreDistance);
    EXPECT_DOUBLE_EQ(p.powerRatingWithWidth, r.powerRating);
}

TEST(Proposals, DutyValuesAreCheckedLikeTheEntries) {
    struct Case {
        const char* name;
        void (*change)(ProposalDuty&);
        DutyField field;
    };
    const Case cases[] = {
        {"no power", [](ProposalDuty& d) { d.power = 0; }, DutyField::Power},
        {"negative power", [](ProposalDuty& d) { d.power = -3400; }, DutyField::Power},
        {"absurd power", [](ProposalDuty& d) { d.power = 2e7; }, DutyField::Power},
        {"power not a number", [](ProposalDuty& d) { d.power = std::nan(""); }, DutyField::Power},
        {"no speed", [](ProposalDuty& d) { d.driverSpeed = 0; }, DutyField::DriverSpeed},
        {"absurd speed", [](ProposalDuty& d) { d.driverSpeed = 2e6 * kRpm; }, DutyField::DriverSpeed},
        {"no ratio", [](ProposalDuty& d) { d.ratio = 0; }, DutyField::Ratio},
        {"absurd ratio", [](ProposalDuty& d) { d.ratio = 1000; }, DutyField::Ratio},
        {"negative tolerance", [](ProposalDuty& d) { d.ratioTolerance = -0.01; }, DutyField::RatioTolerance},
        {"whole tolerance", [](ProposalDuty& d) { d.ratioTolerance = 1; }, DutyField::RatioTolerance},
        {"no centre", [](ProposalDuty& d) { d.centreMin = 0; }, DutyField::CentreDistance},
        {"absurd centre", [](ProposalDuty& d) { d.centreMax = 1000; }, DutyField::CentreDistance},
        {"range backwards", [](ProposalDuty& d) { d.centreMin = 0.6; }, DutyField::CentreDistance},
        {"no load factor", [](ProposalDuty& d) { d.factors.loadFactor = 0; }, DutyField::ServiceFactor},
        {"correction eats the factor", [](ProposalDuty& d) { d.factors.operationTime = -1; },
         DutyField::ServiceFactor},
        {"absurd factor", [](ProposalDuty& d) { d.factors.factor = 1000; }, DutyField::ServiceFactor},
        {"negative width", [](ProposalDuty& d) { d.maxWidth = -1; }, DutyField::MaxWidth},
        {"absurd diameter", [](ProposalDuty& d) { d.maxDiameter = 1000; }, DutyField::MaxDiameter},
    };
    EXPECT_FALSE(CheckProposalDuty(KnownDuty()));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ProposalDuty duty = KnownDuty();
        c.change(duty);
        const std::optional<DutyProblem> problem = CheckProposalDuty(duty);
        ASSERT_TRUE(problem);
        EXPECT_EQ(problem->field, c.field);
        EXPECT_FALSE(problem->text.empty());
    }
    EXPECT_EQ(CheckProposalDuty([] {
                  ProposalDuty d = KnownDuty();
                  d.power = 0;
                  return d;
              }()) -> text,
              "The power must be above 0 and at most 10 MW.");
}

TEST(Proposals, DutyNumbersAreWholeNumbersOrNothing) {
    struct Case {
        const char* text;
        std::optional<double> value;
    };
    const Case cases[] = {
        {"3.4", 3.4},    {"3,4", 3.4},     {" 1200 ", 1200.0}, {"1e3", 1000.0},      {"-2", -2.0},
        {"", {}},        {"abc", {}},      {"3.4kW", {}},      {"1e400", {}},        {"inf", {}},
        {"nan", {}},     {"0x10", {}},     {"1..2", {}},       {"  ", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ParseDutyNumber(c.text), c.value);
    }
}

TEST(Proposals, BeltsOfAProfileGroupAreItsPitches) {
    std::vector<std::string> codes;
    for (const ProposalBelt& b : ProposalBeltsOfType("ORVANTO T")) codes.push_back(b.beltPitchCode);
    EXPECT_EQ(codes, (std::vector<std::string>{"T2.5", "T5", "T10"}));
    ASSERT_EQ(ProposalBeltsOfType("FENDARO FXA3").size(), 1U);
    EXPECT_EQ(ProposalBeltsOfType("FENDARO FXA3").front().beltPitchCode, "FXA3");
    EXPECT_TRUE(ProposalBeltsOfType("FENDARO").empty());
    EXPECT_EQ(DefaultProposalFamilies(),
              (std::vector<std::string>{"ORVANTO", "TAVOREN", "RUBBER", "QUINDEL", "FENDARO"}));
}

}  // namespace
}  // namespace belt
