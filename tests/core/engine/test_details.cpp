#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/calculationtables.h"
#include "engine/beltwidth.h"
#include "engine/designsequence.h"
#include "engine/details.h"
#include "engine/installation.h"
#include "engine/layout.h"
#include "engine/layouteditor.h"
#include "engine/navigation.h"
#include "engine/pulleydata.h"
#include "engine/report.h"
#include "platform/scripteddialogs.h"
#include "project/projectfile.h"
#include "testsupport.h"
#include "units/units.h"

using belt::test::ChooseBelt;
using belt::test::StartedProject;

namespace belt {
namespace {

DriveProject Opened(const std::string& file) {
    DriveProject p = StartedProject();
    const OpenResult opened = ProjectFile::open(std::string(BELT_TEST_DATA_DIR) + "/" + file, p);
    EXPECT_TRUE(opened.ok) << opened.message;
    LoadCalculationTables(p);
    ScriptedDialogs quiet;
    FollowApplicationData(p, quiet);
    return p;
}

// Go On from step 3 to the results as a user would: DRAW, then Go On on the
// layout, a pulley moved (or an omega drive's stroke changed) to fit the
// standard length, Go On again.
NextStep Design(DriveProject& p, Dialogs& d, int pulley = 2, int axis = kAxisY) {
    NextStep step = GoOnFromStep3(p, d);
    if (step != NextStep::ShowStep4) return step;
    MarkLayoutDrawn(p);
    for (int pass = 0; pass < 3; ++pass) {
        step = GoOnFromStep4(p, d);
        if (step != NextStep::ShowAdjustHint) break;
        if (IsOmegaDrive(p))
            OnLayoutMouseUp(p, d, true);
        else if (!AdjustPulley(p, d, pulley, axis))
            break;
    }
    return step;
}

// The value a details entry says it stores, read back from the project.
struct Stored {
    bool isText = false;
    double value = 0;
    std::string text;
};
Stored StoredValue(const DriveProject& p, const std::string& field, int i) {
    const auto k = static_cast<std::size_t>(i < 0 ? 0 : i);
    const std::map<std::string, double> scalars = {
        {"power", p.power},
        {"beltSpeed", p.beltSpeed},
        {"peripheralForce", p.peripheralForce},
        {"centreDistance", p.centreDistance},
        {"beltLength", p.beltLength},
        {"teethInMesh", p.teethInMesh},
        {"serviceFactor", p.serviceFactor},
        {"beltWidthCalculated", p.beltWidthCalculated},
        {"beltWidth", p.beltWidth},
        {"pulleyFaceWidth", p.pulleyFaceWidth},
        {"powerRatingWithWidth", p.powerRatingWithWidth},
        {"maxEffectivePull", p.maxEffectivePull},
        {"maxTractionLoad1", p.maxTractionLoad1},
        {"maxTractionLoad2", p.maxTractionLoad2},
        {"maxTractionLoad3", p.maxTractionLoad3},
    };
    if (auto it = scalars.find(field); it != scalars.end()) return {false, it->second, {}};
    if (field == "pulleyDiameter") return {false, p.pulleyDiameter[k], {}};
    if (field == "pulleySpeed") return {false, p.pulleySpeed[k], {}};
    if (field == "pulleyRatio") return {false, p.pulleyRatio[k], {}};
    if (field == "pulleyArcOfContact") return {false, p.pulleyArcOfContact[k], {}};
    if (field == "pulleyPositionX") return {false, p.pulleyPosition[0][k], {}};
    if (field == "pulleyPositionY") return {false, p.pulleyPosition[1][k], {}};
    if (field == "safetyFactor") return {false, NewSafetyFactor(p).value_or(-1), {}};
    if (field == "beltCode") return {true, 0, p.beltCode};
    if (field == "beltCodeDetail") return {true, 0, p.beltCodeDetail};
    ADD_FAILURE() << "an entry stores an unknown field " << field;
    return {};
}

// Every result the details name holds, in the project, the very value of
// its last entry; and the figures of the results page all have one.
void ExpectEveryResultHasItsEntry(const DriveProject& p, const std::vector<DetailEntry>& entries) {
    std::map<std::pair<std::string, int>, const DetailEntry*> last;
    for (const DetailEntry& e : entries)
        if (!e.field.empty()) last[{e.field, e.index}] = &e;
    for (const auto& [key, e] : last) {
        SCOPED_TRACE(key.first + " " + std::to_string(key.second));
        const Stored s = StoredValue(p, key.first, key.second);
        if (s.isText)
            EXPECT_EQ(e->result.text, s.text);
        else
            EXPECT_EQ(e->result.value, s.value);
    }
    const bool toothed = p.beltFamily != "QUINDEL" && p.beltFamily != "FENDARO";
    std::vector<std::pair<std::string, int>> needed = {
        {"beltSpeed", -1},  {"peripheralForce", -1},     {"beltLength", -1},           {"serviceFactor", -1},
        {"beltWidth", -1},  {"beltWidthCalculated", -1}, {"powerRatingWithWidth", -1}, {"beltCode", -1},
        {"safetyFactor", -1}};
    // A multi-rib pulley has no face width.
    if (p.beltFamily != "QUINDEL") needed.push_back({"pulleyFaceWidth", -1});
    if (toothed) needed.push_back({"teethInMesh", -1});
    if (p.pulleyCount == 2) needed.push_back({"centreDistance", -1});
    for (int k = 1; k <= p.pulleyCount; ++k) {
        needed.push_back({"pulleyDiameter", k});
        needed.push_back({"pulleyArcOfContact", k});
        if (k == 1 || p.pulleyIsIdler[k] == 0) needed.push_back({"pulleySpeed", k});
        if (k > 1) {
            needed.push_back({"pulleyPositionX", k});
            needed.push_back({"pulleyPositionY", k});
        }
    }
    for (const auto& key : needed) EXPECT_TRUE(last.count(key)) << "no entry for " << key.first << " " << key.second;
}

// Within one list a symbol stands for one quantity: the same symbol never
// carries values of two different units (power and tooth load, a face
// width and a test-load base, a torque and a tension).
void ExpectOneMeaningPerSymbol(const std::vector<DetailEntry>& entries) {
    std::map<std::string, std::string> unitOf;
    auto check = [&](const DetailValue& v, const DetailEntry& e) {
        if (v.symbol.empty() || v.isText) return;
        const std::string unit(DetailSiUnit(v.unit));
        const auto [it, fresh] = unitOf.emplace(v.symbol, unit);
        EXPECT_TRUE(fresh || it->second == unit)
            << v.symbol << " is in " << it->second << " and, in \"" << e.what << "\", in " << unit;
    };
    for (const DetailEntry& e : entries) {
        if (e.message) continue;
        for (const DetailValue& v : e.inputs) check(v, e);
        check(e.result, e);
    }
}

// Each value of the application data has one entry, the rule that produced
// it, and no two entries derive each other (a speed from a force that came
// from that speed).
void ExpectOneProducingEntry(const std::vector<DetailEntry>& entries) {
    std::map<std::pair<std::string, int>, int> producers;
    std::map<std::string, const DetailEntry*> bySymbol;
    for (const DetailEntry& e : entries) {
        if (e.step != DetailStep::ApplicationData || e.message) continue;
        if (!e.field.empty()) ++producers[{e.field, e.index}];
        if (!e.result.symbol.empty()) bySymbol[e.result.symbol] = &e;
    }
    for (const auto& [field, count] : producers) EXPECT_EQ(count, 1) << field.first << " " << field.second;
    auto uses = [](const DetailEntry& e, const std::string& symbol) {
        return std::any_of(e.inputs.begin(), e.inputs.end(), [&](const DetailValue& v) { return v.symbol == symbol; });
    };
    for (const auto& [a, ea] : bySymbol)
        for (const auto& [b, eb] : bySymbol)
            if (a < b) EXPECT_FALSE(uses(*ea, b) && uses(*eb, a)) << a << " and " << b << " derive each other";
}

// An omega drive: T10 driver of 20 teeth at the origin, idlers of 60 mm at
// (80, 60) and (-80, 60) mm, 200 N at 1 m/s, 1 m stroke.
DriveProject OmegaDrive(ScriptedDialogs& d) {
    DriveProject p = StartedProject();
    ChooseBelt(p, "SELKIRA T", "T10");
    p.screen.beltTypeTab = 1;
    p.linearDriveType = 1;
    p.stroke = 1.0;
    p.pulleyCount = 3;
    p.twoPulleyMode = 0;
    p.loadFactorSecond = 1.0f;
    p.screen.checkIdler[2] = 1;
    p.screen.checkIdler[3] = 1;
    p.lastStandardLength = kNoStandardLength;
    PrepareStep3(p, d);
    OnDatoEnter(p, d, 6, "200");
    OnDatoEnter(p, d, 7, "1");
    OnInputzEnter(p, d, 1, "20");
    OnInputdEnter(p, d, 2, "60");
    OnInputdEnter(p, d, 3, "60");
    p.pulleyPosition[0][2] = 0.08;
    p.pulleyPosition[1][2] = 0.06;
    p.pulleyPosition[0][3] = -0.08;
    p.pulleyPosition[1][3] = 0.06;
    return p;
}

// An open-end drive: SELKIRA T10, 20 teeth both, 200 mm carriage, 1 m
// stroke, 10 kg at 2 m/s^2 with 5 N friction on the level, 100 W.
DriveProject OpenEndDrive(ScriptedDialogs& d) {
    DriveProject p = StartedProject();
    ChooseBelt(p, "SELKIRA T", "T10");
    p.screen.beltTypeTab = 1;
    p.screen.optionInput[0] = true;
    p.carriageMass = 10;
    p.acceleration = 2;
    p.frictionForce = 5;
    p.power = 100;
    p.carriageLength = 0.2;
    p.stroke = 1.0;
    GoOnFromStep1(p, d);
    p.pulleyCount = 2;
    p.twoPulleyMode = 1;
    p.loadFactorSecond = 1.0f;
    p.lastStandardLength = kNoStandardLength;
    PrepareStep3(p, d);
    OnInputzEnter(p, d, 1, "20");
    OnInputzEnter(p, d, 2, "20");
    return p;
}

TEST(DesignDetails, EveryResultOfADesignHasItsEntry) {
    struct Case {
        const char* name;
        std::function<DriveProject(ScriptedDialogs&)> make;
        std::vector<MsgAnswer> answers;
        std::vector<std::string> widths;
        int pulley = 2;
        int axis = kAxisY;
    };
    const Case cases[] = {
        {"ORVANTO T10, two pulleys", [](ScriptedDialogs&) { return Opened("two-pulley-design.dat"); },
         {MsgAnswer::Yes, MsgAnswer::Yes}, {}},
        {"QUINDEL H", [](ScriptedDialogs&) { return Opened("quindel-design.dat"); },
         {MsgAnswer::Yes, MsgAnswer::Yes}, {}},
        {"FENDARO FXA3", [](ScriptedDialogs&) { return Opened("fendaro-fxa3.dat"); }, {MsgAnswer::No}, {"40"}},
        {"ORVANTO T10, four pulleys",
         [](ScriptedDialogs&) {
             DriveProject p = Opened("demo-design.dat");
             p.beltPathTable[0][1] = 1;
             return p;
         },
         {MsgAnswer::No, MsgAnswer::No, MsgAnswer::No}, {}},
        {"three pulleys with an idler", [](ScriptedDialogs&) { return Opened("three-pulley-idler.dat"); },
         {MsgAnswer::Yes, MsgAnswer::Yes, MsgAnswer::Yes, MsgAnswer::Yes}, {}, 2, kAxisX},
        {"SELKIRA open-end drive", OpenEndDrive, {MsgAnswer::Yes}, {}},
        {"SELKIRA omega drive", OmegaDrive, {MsgAnswer::Yes, MsgAnswer::Yes, MsgAnswer::Yes}, {}},
        {"SELKIRA open-end drive saved", [](ScriptedDialogs&) { return Opened("selkira-open-end.dat"); },
         {MsgAnswer::Yes, MsgAnswer::Yes}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedDialogs scripted;
        scripted.acceptInputDefaults = true;
        DriveProject p = c.make(scripted);
        scripted.seen.clear();
        scripted.answers = {c.answers.begin(), c.answers.end()};
        scripted.inputs = {c.widths.begin(), c.widths.end()};
        DesignDetails details;
        RecordingDialogs d(scripted, details);
        ASSERT_EQ(Design(p, d, c.pulley, c.axis), NextStep::ShowStep5);
        ExpectEveryResultHasItsEntry(p, details.entries());
        std::vector<DetailEntry> all = details.entries();
        InstallationDataLines(p, &details);
        ExpectOneMeaningPerSymbol(details.entries());
        ExpectOneProducingEntry(all);
        // The rating chart passes through the rating the results show.
        const RatingChart& chart = details.chart;
        ASSERT_TRUE(chart.present);
        EXPECT_EQ(chart.rating, p.powerRatingWithWidth);
        EXPECT_EQ(chart.servicePower, static_cast<double>(p.serviceFactor) * p.power);
        bool onCurve = false;
        for (const auto& [x, y] : chart.curve)
            if (x == chart.operatingSpeed && y == chart.rating) onCurve = true;
        EXPECT_TRUE(onCurve);
        // Every message the design showed is in the details, at its step.
        std::vector<std::string> recorded;
        for (const DetailEntry& e : details.entries())
            if (e.message) recorded.push_back(e.result.text);
        std::vector<std::string> shown;
        for (const RecordedDialog& r : scripted.seen)
            if (r.kind == RecordedDialog::Kind::Message && r.buttons == MsgButtons::Ok) shown.push_back(r.text);
        EXPECT_EQ(recorded, shown);
    }
}

// A saved linear drive is designed from its carriage data: the force is the
// carriage's (not P / v, with v itself from P / F), and the speed follows
// from the power and that force.
TEST(DesignDetails, SavedOpenEndDriveStatesTheCarriageRule) {
    ScriptedDialogs scripted;
    scripted.acceptInputDefaults = true;
    scripted.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    DriveProject p = Opened("selkira-open-end.dat");
    DesignDetails details;
    RecordingDialogs d(scripted, details);
    ASSERT_EQ(Design(p, d), NextStep::ShowStep5);
    const double expected = 10 * (9.806 * std::sin(30 * 3.141592654 / 180) + 2) + 5;
    EXPECT_DOUBLE_EQ(p.peripheralForce, expected);
    std::map<std::string, const DetailEntry*> byField;
    for (const DetailEntry& e : details.entries())
        if (e.step == DetailStep::ApplicationData && !e.field.empty()) byField[e.field] = &e;
    ASSERT_TRUE(byField.count("peripheralForce"));
    EXPECT_EQ(byField["peripheralForce"]->formula, "F = m (g sin(\u03B8) + acc) + Ff");
    EXPECT_EQ(byField["peripheralForce"]->result.value, expected);
    ASSERT_TRUE(byField.count("beltSpeed"));
    EXPECT_EQ(byField["beltSpeed"]->formula, "v = P / F");
    EXPECT_DOUBLE_EQ(p.beltSpeed, p.power / expected);
}

// A width changed on the results page replaces the width's entries, and
// the chart follows it.
TEST(DesignDetails, WidthChangedOnTheResultsPage) {
    ScriptedDialogs scripted;
    scripted.acceptInputDefaults = true;
    scripted.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    DriveProject p = Opened("two-pulley-design.dat");
    DesignDetails details;
    RecordingDialogs d(scripted, details);
    ASSERT_EQ(Design(p, d), NextStep::ShowStep5);
    ASSERT_TRUE(ChangeBeltWidth(p, d, "50"));
    ExpectEveryResultHasItsEntry(p, details.entries());
    // A width below the need: its warning stays with the width it was given for.
    ASSERT_TRUE(ChangeBeltWidth(p, d, "20"));
    ASSERT_TRUE(ChangeBeltWidth(p, d, "19,5"));
    std::vector<std::string> messages;
    for (const DetailEntry& e : details.entries())
        if (e.message) messages.push_back(e.result.text);
    EXPECT_EQ(messages, (std::vector<std::string>{
                            "The belt code gives the width in whole millimetres:\rthe belt width is rounded up to 20 mm.",
                            "Requested belt is too small !\rPlease contact VESTRANO Technical Staff !!"}));
    ASSERT_TRUE(ChangeBeltWidth(p, d, "50"));
    int widths = 0;
    for (const DetailEntry& e : details.entries())
        if (e.field == "beltWidth") ++widths;
    EXPECT_EQ(widths, 1);
    EXPECT_EQ(details.chart.rating, p.powerRatingWithWidth);
    EXPECT_EQ(p.beltCode, "50 T10-900");
}

// A design that stops shows what it computed up to the refusal, the
// refusal's message last.
TEST(DesignDetails, AStoppedDesignEndsWithItsMessage) {
    ScriptedDialogs scripted;
    scripted.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    scripted.inputs = {"301"};  // wider than any T10 belt made
    DriveProject p = Opened("two-pulley-design.dat");
    DesignDetails details;
    RecordingDialogs d(scripted, details);
    ASSERT_EQ(Design(p, d), NextStep::Stay);
    ASSERT_FALSE(details.entries().empty());
    const DetailEntry& lastEntry = details.entries().back();
    EXPECT_TRUE(lastEntry.message);
    EXPECT_EQ(lastEntry.step, DetailStep::Width);
    EXPECT_EQ(lastEntry.result.text, "Requested belt is not available !\rPlease contact VESTRANO Technical Staff !!");
    EXPECT_EQ(lastEntry.what, "Warning !!!");
}

// Nobody asked: nothing is recorded, and the design is the same.
TEST(DesignDetails, WithoutASinkTheDesignIsTheSame) {
    ScriptedDialogs plain;
    plain.acceptInputDefaults = true;
    plain.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    DriveProject a = Opened("two-pulley-design.dat");
    ASSERT_EQ(Design(a, plain), NextStep::ShowStep5);

    ScriptedDialogs scripted;
    scripted.acceptInputDefaults = true;
    scripted.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    DriveProject b = Opened("two-pulley-design.dat");
    DesignDetails details;
    RecordingDialogs d(scripted, details);
    ASSERT_EQ(Design(b, d), NextStep::ShowStep5);
    EXPECT_EQ(ProjectFile::write(a, "STEP5"), ProjectFile::write(b, "STEP5"));
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

// The two-pulley T10 drive of the tests (20 and 40 teeth, 1500 rpm, 2 kW,
// 300 mm apart), its details checked against the calculation by hand.
TEST(DesignDetails, TwoPulleyT10AsCalculatedByHand) {
    ScriptedDialogs scripted;
    scripted.acceptInputDefaults = true;
    scripted.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    DriveProject p = Opened("two-pulley-design.dat");
    DesignDetails details;
    RecordingDialogs d(scripted, details);
    ASSERT_EQ(Design(p, d), NextStep::ShowStep5);
    InstallationDataLines(p, &details);

    // The saved belt speed, 5 m/s, stands as given; d1 = 20 x 10 / pi =
    // 63.662 mm, d2 = 127.324 mm; F = 2000 W / 5 m/s = 400 N; T = 400 N x
    // 31.831 mm = 12.7324 N m; n1 = 60 x 5 / (pi x 0.063662) = 1500 rpm,
    // n2 = 750 rpm; i = d2 / d1 = 2.
    // Service factor: i = 2 is above 1.74, so a = 0.2; S = 0.2 + 1.2 + 0.2.
    // Open belt at C = 300 mm: q = 31.831 mm, asin(q / C) = 6.0906 degrees,
    // arcs 180 -+ 12.181 = 167.819 and 192.181 degrees, spans sqrt(300^2 -
    // q^2) = 298.307 mm, L = 903.381 mm. Whole pitches 900 and 910; the T10
    // table offers 900 and 920 mm; the shorter, 900 mm, at C = 298.300 mm
    // gives arcs 167.749 and 192.251 degrees and spans of 296.597 mm.
    // Teeth in mesh Int(20 x 167.749 / 360) = Int(9.319) = 9.
    // Pt = 30.48 x 1.5^-0.2195 - 6.25e-8 x 1500^2 = 27.7439 N/cm.
    // wc = 1.6 x 400 / (9 x 2774.39 N/m) = 25.631 mm: the 6th T10 width, 32 mm,
    // face 37 mm. Pr = 5 x 2774.39 x 9 x 0.032 = 3995.12 W; 3995.12 / 2000.
    // 90 teeth of belt: T0 = F / 2 = 200 N; 2 x 200 x sin(83.875) = 397.716 N;
    // Ft = 0.0339292 x 400 + 514 x 0.032 = 30.0197 N; 16.6 x 0.296597 = 4.9235 mm.
    const std::vector<std::string> expected = {
        "Application data",
        "  Power transmitted",
        "    gives P = 2 kW",
        "  Belt speed given",
        "    gives v = 5 m/s",
        "  Peripheral force",
        "    F = P / v",
        "    with P = 2 kW, v = 5 m/s",
        "    gives F = 400 N",
        "  Torque on the driver pulley",
        "    T = F d1 / 2",
        "    with F = 400 N, d1 = 63.662 mm",
        "    gives T = 12.7324 N m",
        "  Pitch diameter of the driver pulley",
        "    d = z p / pi",
        "    with z = 20 teeth, p = 10 mm",
        "    from ORVANTO T10 pulley table",
        "    gives d1 = 63.662 mm",
        "  Speed of the driver pulley",
        "    n1 = 60 v / (pi d1)   (n1 in rpm)",
        "    with v = 5 m/s, d1 = 63.662 mm",
        "    gives n1 = 1500 rpm",
        "  Pitch diameter of the driven pulley",
        "    d = z p / pi",
        "    with z = 40 teeth, p = 10 mm",
        "    from ORVANTO T10 pulley table",
        "    gives d2 = 127.324 mm",
        "  Speed of the driven pulley",
        "    n2 = 60 v / (pi d2)   (n2 in rpm)",
        "    with v = 5 m/s, d2 = 127.324 mm",
        "    gives n2 = 750 rpm",
        "  Speed ratio of the driven pulley",
        "    i2 = d2 / d1",
        "    with d1 = 63.662 mm, d2 = 127.324 mm",
        "    gives i2 = 2",
        "  Speed ratio addition to the service factor",
        "    a = 0.1 above i 1.24, 0.2 above 1.74, 0.3 above 2.49, 0.4 above 3.5",
        "    with i = 2",
        "    gives a = 0.2",
        "  Total service factor",
        "    S = a + LF + LT",
        "    with a = 0.2, LF = 1.2, LT = 0.2",
        "    from step 1: load factor LF of the driven machine and driver class, LT of the operation time",
        "    gives S = 1.6",
        "",
        "Geometry",
        "  Centre distance given",
        "    gives C = 300 mm",
        "  X of the driven pulley",
        "    gives x2 = 300 mm",
        "  Y of the driven pulley",
        "    gives y2 = 0 mm",
        "  Span from the driver pulley to the driven pulley",
        "    s = length of the outer common tangent",
        "    with d1 = 63.662 mm, d2 = 127.324 mm",
        "    gives s1 = 298.307 mm",
        "  Span from the driven pulley to the driver pulley",
        "    s = length of the outer common tangent",
        "    with d2 = 127.324 mm, d1 = 63.662 mm",
        "    gives s2 = 298.307 mm",
        "  Arc of contact on the driver pulley",
        "    b = 2 asin(c / d), c the chord between the spans' ends; 360\u00B0 - that where the belt wraps the long way",
        "    with d1 = 63.662 mm",
        "    gives b1 = 167.819\u00B0",
        "  Arc of contact on the driven pulley",
        "    b = 2 asin(c / d), c the chord between the spans' ends; 360\u00B0 - that where the belt wraps the long way",
        "    with d2 = 127.324 mm",
        "    gives b2 = 192.181\u00B0",
        "  Belt length calculated",
        "    L = sum of pi b d / 360\u00B0 + sum of s",
        "    gives L = 903.381 mm",
        "",
        "Standard length",
        "  Standard length below the calculated length",
        "    the longest length of the list not above L",
        "    with L = 903.381 mm",
        "    from ORVANTO T10 standard lengths",
        "    gives Ls = 900 mm",
        "  Standard length above the calculated length",
        "    the first length of the list above L",
        "    with L = 903.381 mm",
        "    from ORVANTO T10 standard lengths",
        "    gives Ll = 920 mm",
        "  Belt length chosen",
        "    L = Ls",
        "    with Ls = 900 mm, Ll = 920 mm",
        "    gives L = 900 mm",
        "  Centre distance for the belt length chosen",
        "    Lopen(C) = (pi - 2 phi) r + (pi + 2 phi) R + 2 sqrt(C^2 - q^2) = L, phi = asin(q / C), q = R - r, solved for C",
        "    with L = 900 mm, d1 = 63.662 mm, d2 = 127.324 mm",
        "    gives C = 298.3 mm",
        "  X of the driven pulley",
        "    gives x2 = 298.3 mm",
        "  Y of the driven pulley",
        "    gives y2 = 0 mm",
        "  Span from the driver pulley to the driven pulley",
        "    s = length of the outer common tangent",
        "    with d1 = 63.662 mm, d2 = 127.324 mm",
        "    gives s1 = 296.597 mm",
        "  Span from the driven pulley to the driver pulley",
        "    s = length of the outer common tangent",
        "    with d2 = 127.324 mm, d1 = 63.662 mm",
        "    gives s2 = 296.597 mm",
        "  Arc of contact on the driver pulley",
        "    b = 2 asin(c / d), c the chord between the spans' ends; 360\u00B0 - that where the belt wraps the long way",
        "    with d1 = 63.662 mm",
        "    gives b1 = 167.749\u00B0",
        "  Arc of contact on the driven pulley",
        "    b = 2 asin(c / d), c the chord between the spans' ends; 360\u00B0 - that where the belt wraps the long way",
        "    with d2 = 127.324 mm",
        "    gives b2 = 192.251\u00B0",
        "  Belt length measured at that centre distance",
        "    L = sum of pi b d / 360\u00B0 + sum of s",
        "    gives L = 900 mm",
        "",
        "Teeth in mesh",
        "  Teeth in mesh on the smallest pulley, the driver pulley",
        "    zm = Int(z b / 360\u00B0)",
        "    with z = 20 teeth, b = 167.749\u00B0",
        "    gives zm = 9 teeth",
        "  Teeth in mesh counted for the rating",
        "    zm = min(zm, cap)",
        "    with zm = 9 teeth",
        "    from ORVANTO belts: at most 15",
        "    gives zm = 9 teeth",
        "",
        "Rating",
        "  Specific tooth load at the smallest pulley's speed",
        "    Pt = c2 (n / 1000)^c4 - c3 n^2   (n in rpm, from c5)",
        "    with n = 1500 rpm, c2 = 30.48, c3 = 6.25000e-08, c4 = -0.2195, c5 = 100",
        "    from ORVANTO T10 tooth load coefficients c0..c6 (n in rpm, Pt in N per cm of width and tooth)",
        "    gives Pt = 27.7439 N/cm",
        "",
        "Width",
        "  Belt width calculated",
        "    wc = S F / (zm Pt)",
        "    with S = 1.6, F = 400 N, zm = 9 teeth, Pt = 27.7439 N/cm",
        "    gives wc = 25.6313 mm",
        "  Standard belt width proposed",
        "    the first standard width w >= wc",
        "    with wc = 25.6313 mm",
        "    from ORVANTO T10 standard widths, row 6 of 8",
        "    gives w = 32 mm",
        "  Belt width chosen",
        "    gives w = 32 mm",
        "  Pulley face width",
        "    the face width of the standard width",
        "    from ORVANTO T10 pulley face widths, row 6",
        "    gives B = 37 mm",
        "  Power rating with the belt width",
        "    Pr = v Pt zm w",
        "    with v = 5 m/s, Pt = 27.7439 N/cm, zm = 9 teeth, w = 32 mm",
        "    gives Pr = 3.99512 kW",
        "  Power rating incl. service factor",
        "    Ps = S P",
        "    with S = 1.6, P = 2 kW",
        "    gives Ps = 3.2 kW",
        "  New safety factor",
        "    Pr / P",
        "    with Pr = 3.99512 kW, P = 2 kW",
        "    gives 1.99756",
        "",
        "Belt code",
        "  Belt code",
        "    width (mm), profile, length (mm)",
        "    with w = 32 mm, L = 900 mm",
        "    gives 32 T10-900",
        "  Pulley designation",
        "    face width, profile",
        "    with B = 37 mm",
        "    gives 37 T10 ",
        "",
        "Installation data",
        "  Span pre-tension",
        "    T0 = F / 3 below 60 teeth of belt, F / 2 below 150, 2 F / 3 from 150",
        "    with F = 400 N, zb = 90 teeth",
        "    gives T0 = 200 N",
        "  Static tension on the driver pulley",
        "    Fs = 2 T0 sin(b / 2)",
        "    with T0 = 200 N, b = 167.749\u00B0",
        "    gives Fs = 397.716 N",
        "  Static tension on the driven pulley",
        "    Fs = 2 T0 sin(b / 2)",
        "    with T0 = 200 N, b = 192.251\u00B0",
        "    gives Fs = 397.716 N",
        // The spans leave the driver at +-(180 - 167.749) / 2 degrees: the
        // load points at the driven pulley, 2 x 200 x cos(6.1256) = 397.716 N.
        "  X component of the static tension on the driver pulley",
        "    Fx = T0 (cos a1 + cos a2), a1 and a2 the spans' directions away from the pulley",
        "    with T0 = 200 N, a1 = 6.12558\u00B0, a2 = 353.874\u00B0",
        "    gives Fx = 397.716 N",
        "  Y component of the static tension on the driver pulley",
        "    Fy = T0 (sin a1 + sin a2), a1 and a2 the spans' directions away from the pulley",
        "    with T0 = 200 N, a1 = 6.12558\u00B0, a2 = 353.874\u00B0",
        "    gives Fy = 0 N",
        "  Direction of the static tension on the driver pulley",
        "    phi = angle of (Fx, Fy) from +X, counter-clockwise",
        "    with Fx = 397.716 N, Fy = 0 N",
        "    gives phi = 0\u00B0",
        "  X component of the static tension on the driven pulley",
        "    Fx = T0 (cos a1 + cos a2), a1 and a2 the spans' directions away from the pulley",
        "    with T0 = 200 N, a1 = 173.874\u00B0, a2 = 186.126\u00B0",
        "    gives Fx = -397.716 N",
        "  Y component of the static tension on the driven pulley",
        "    Fy = T0 (sin a1 + sin a2), a1 and a2 the spans' directions away from the pulley",
        "    with T0 = 200 N, a1 = 173.874\u00B0, a2 = 186.126\u00B0",
        "    gives Fy = 0 N",
        "  Direction of the static tension on the driven pulley",
        "    phi = angle of (Fx, Fy) from +X, counter-clockwise",
        "    with Fx = -397.716 N, Fy = 0 N",
        "    gives phi = 180\u00B0",
        // T0 = F / 2: the slack span just reaches 0 at full load.
        "  Slack span tension at full load",
        "    T2 = max(T0 - F / 2, 0)",
        "    with T0 = 200 N, F = 400 N",
        "    gives T2 = 0 N",
        "  Tight span tension at full load",
        "    T1 = T2 + F",
        "    with T2 = 0 N, F = 400 N",
        "    gives T1 = 400 N",
        "  Running load on the driver pulley",
        "    Fr = sqrt(T1^2 + T2^2 - 2 T1 T2 cos b)",
        "    with T1 = 400 N, T2 = 0 N, b = 167.749\u00B0",
        "    gives Fr = 400 N",
        "  Running load on the driven pulley",
        "    Fr = sqrt(T1^2 + T2^2 - 2 T1 T2 cos b)",
        "    with T1 = 400 N, T2 = 0 N, b = 192.251\u00B0",
        "    gives Fr = 400 N",
        "  Test load",
        "    Ft = 0.0339292 F + Bt w",
        "    with F = 400 N, Bt = 514 N/m, w = 32 mm",
        "    from test load base Bt of the T10 profile",
        "    gives Ft = 30.0197 N",
        "  Span deflection under the test load between pulleys 1 & 2",
        "    f = 16.6 s (s in m, f in mm)",
        "    with s = 0.296597 m",
        "    gives f = 4.92351 mm",
    };
    const std::vector<std::string> lines = Lines(DetailsAsText(p, details.entries()));
    for (std::size_t i = 0; i < std::max(lines.size(), expected.size()); ++i)
        EXPECT_EQ(i < lines.size() ? lines[i] : "<none>", i < expected.size() ? expected[i] : "<none>")
            << "line " << i + 1;

    // The same details in inches: the values follow the unit, the rules stay.
    ChooseUnit(p, kLength, 4);
    const std::string inches = DetailsAsText(p, details.entries());
    EXPECT_NE(inches.find("with v = 5 m/s, d1 = 2.50638 in"), std::string::npos);
    EXPECT_NE(inches.find("    n1 = 60 v / (pi d1)   (n1 in rpm)"), std::string::npos);
}

}  // namespace
}  // namespace belt
