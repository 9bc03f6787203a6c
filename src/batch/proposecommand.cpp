// beltcalc-batch propose: the drives the catalogue offers for a duty,
// designed as Go On designs them and ranked.
#include <cstdio>
#include <numbers>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>

#include "batch/command.h"
#include "batch/projectjson.h"
#include "catalogue/beltids.h"
#include "catalogue/belttraits.h"
#include "catalogue/calculationtables.h"
#include "catalogue/loadfactors.h"
#include "engine/proposals.h"
#include "units/units.h"

namespace belt::batch {

namespace {

// Columns of the operation time table of step 1 (Tabella 1..5) by the
// option's word.
constexpr std::array<std::string_view, 5> kHours = {"8-10", "10-16", "16-24", "intermittent", "seasonal"};

// The longest table --top asks for by number; "all" shows every row.
constexpr int kMostRows = 100000;

struct ProposeOptions {
    ProposalDuty duty;
    std::vector<std::string> families;
    int top = 10;
    bool json = false;
    ProposalRanking ranking = kDefaultProposalRanking;
};

// A duty number in the option's unit, or the error text.
std::string Number(const ParsedArgs& args, const std::string& name, double& value) {
    const auto it = args.values.find(name);
    if (it == args.values.end()) return "";
    const std::optional<double> v = ParseDutyNumber(it->second);
    if (!v) return name + " takes a number, not \"" + it->second + "\"";
    value = *v;
    return "";
}

const char* OptionOf(DutyField f) {
    switch (f) {
        case DutyField::Power:
            return "--power";
        case DutyField::DriverSpeed:
            return "--rpm";
        case DutyField::Ratio:
            return "--ratio";
        case DutyField::RatioTolerance:
            return "--ratio-tolerance";
        case DutyField::CentreDistance:
            return "--centre";
        case DutyField::ServiceFactor:
            return "--service-factor";
        case DutyField::MaxWidth:
            return "--max-width";
        case DutyField::MaxDiameter:
            return "--max-diameter";
    }
    return "";
}

std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

// The service factor parts: --service-factor as typed on step 1, or the
// load factor of the driven machine and driver class with the operation time
// correction. The families without those tables take the total.
std::string Factors(const ParsedArgs& args, DriveProject& p, DutyFactors& f) {
    const bool given = args.values.count("--service-factor") > 0;
    const auto driver = args.values.find("--driver");
    const auto machine = args.values.find("--machine");
    const auto hours = args.values.find("--hours");
    if (given && (driver != args.values.end() || machine != args.values.end() || hours != args.values.end()))
        return "--service-factor replaces --driver, --machine and --hours";
    if (given) {
        double s = 0;
        std::string error = Number(args, "--service-factor", s);
        if (!error.empty()) return error;
        f.loadFactor = static_cast<float>(s);
        f.operationTime = 0;
        f.factor = f.loadFactor;
        return "";
    }
    if ((driver == args.values.end()) != (machine == args.values.end()))
        return "--driver and --machine go together";
    // As the ORVANTO tab starts: load factor 1.0, no operation time picked.
    InitFactorTable(p, FactorTableKind::OperationTime);
    if (driver != args.values.end()) {
        const std::string& d = driver->second;
        if (d != "0" && d != "1" && d != "2")
            return "--driver takes the driver class 0, 1 or 2, not \"" + d + "\"";
        const std::string& m = machine->second;
        const std::optional<double> row = ParseDutyNumber(m);
        if (!row || *row < 0 || *row >= kDrivenMachineCount || *row != std::floor(*row))
            return "--machine takes the row of the driven machine list, 0 to " +
                   std::to_string(kDrivenMachineCount - 1) + ", not \"" + m + "\"";
        LookUpLoadFactor(p, static_cast<int>(*row), d[0] - '0');
    }
    if (hours != args.values.end()) {
        const auto it = std::find(kHours.begin(), kHours.end(), hours->second);
        if (it == kHours.end())
            return "--hours takes 8-10, 10-16, 16-24, intermittent or seasonal, not \"" +
                   hours->second + "\"";
        PickFactorCell(p, FactorTableKind::OperationTime, static_cast<int>(it - kHours.begin()) + 1);
    }
    f.loadFactor = p.loadFactor;
    f.operationTime = p.loadFactorSecond;
    f.factor = static_cast<float>(static_cast<double>(f.loadFactor) + static_cast<double>(f.operationTime));
    return "";
}

std::string ParseProposeOptions(const std::vector<std::string>& argv, DriveProject& p, ProposeOptions& o) {
    ParsedArgs args;
    std::string error = ParseArgs(argv,
                                  {"--power", "--rpm", "--ratio", "--driven-rpm", "--ratio-tolerance",
                                   "--centre", "--service-factor", "--driver", "--machine", "--hours",
                                   "--families", "--max-width", "--max-diameter", "--top", "--rank"},
                                  {"--json", "--any-width"}, args);
    if (error.empty())
        error = RefuseDecimalCommas(args, {"--power", "--rpm", "--ratio", "--driven-rpm", "--ratio-tolerance",
                                           "--centre", "--service-factor", "--driver", "--machine", "--max-width",
                                           "--max-diameter", "--top"});
    if (!error.empty()) return error;
    if (!args.positional.empty())
        return "unexpected argument \"" + args.positional.front() +
               "\": the duty is given by options";
    o.json = args.has("--json");
    o.duty.anyWidth = args.has("--any-width");
    for (const char* required : {"--power", "--rpm", "--centre"})
        if (args.values.count(required) == 0) return std::string("the duty needs ") + required;
    const bool ratio = args.values.count("--ratio") > 0;
    if (ratio == (args.values.count("--driven-rpm") > 0)) return "give either --ratio or --driven-rpm";

    ProposalDuty& duty = o.duty;
    double kw = 0;
    double rpm = 0;
    double tolerance = 2;
    for (const auto& [name, value] : {std::pair{"--power", &kw}, std::pair{"--rpm", &rpm},
                                      std::pair{"--ratio-tolerance", &tolerance}}) {
        error = Number(args, name, *value);
        if (!error.empty()) return error;
    }
    // The values as the wizard's boxes take them in kW and rpm.
    duty.power = ToInternal(p, kPower, kw);
    // The unit menu keeps the first version's 2 pi = 6.283185308; a speed
    // given here is converted exactly.
    constexpr double kRadPerSecondPerRpm = 2 * std::numbers::pi / 60;
    duty.driverSpeed = rpm * kRadPerSecondPerRpm;
    duty.ratioTolerance = tolerance / 100;
    if (ratio) {
        error = Number(args, "--ratio", duty.ratio);
        if (!error.empty()) return error;
    } else {
        double driven = 0;
        error = Number(args, "--driven-rpm", driven);
        if (!error.empty()) return error;
        if (!(driven > 0 && driven * kRadPerSecondPerRpm <= EntryLimit(kAngularVelocity)))
            return "--driven-rpm: the speed of the driven pulley must be above 0 and at most 1000000 rpm.";
        duty.ratio = rpm / driven;
    }

    const std::string& range = args.values.at("--centre");
    const std::size_t dots = range.find("..");
    const std::optional<double> low = ParseDutyNumber(range.substr(0, dots));
    const std::optional<double> high =
        dots == std::string::npos ? std::nullopt : ParseDutyNumber(range.substr(dots + 2));
    if (!low || !high) return "--centre takes MIN..MAX in mm, not \"" + range + "\"";
    duty.centreMin = ToInternal(p, kLength, *low);
    duty.centreMax = ToInternal(p, kLength, *high);

    for (const auto& [name, target] :
         {std::pair{"--max-width", &duty.maxWidth}, std::pair{"--max-diameter", &duty.maxDiameter}}) {
        if (args.values.count(name) == 0) continue;
        double mm = 0;
        error = Number(args, name, mm);
        if (!error.empty()) return error;
        if (!(mm > 0)) return std::string(name) + " takes a size in mm above 0";
        *target = ToInternal(p, kLength, mm);
    }

    error = Factors(args, p, duty.factors);
    if (!error.empty()) return error;

    if (const auto it = args.values.find("--families"); it != args.values.end()) {
        std::stringstream list(it->second);
        std::string item;
        while (std::getline(list, item, ',')) {
            const std::string family = Upper(item);
            if (!FindBeltFamily(family)) {
                std::string names;
                for (const BeltFamilyTraits& f : BeltFamilyTable())
                    names += (names.empty() ? "" : ", ") + std::string(f.name);
                return "--families: unknown family \"" + item + "\"; choose from " + names;
            }
            if (std::find(o.families.begin(), o.families.end(), family) == o.families.end())
                o.families.push_back(family);
        }
        if (o.families.empty()) return "--families needs at least one family";
    } else {
        o.families = DefaultProposalFamilies();
    }

    if (const auto it = args.values.find("--top"); it != args.values.end()) {
        const std::optional<double> n = it->second == "all" ? kMostRows : ParseDutyNumber(it->second);
        if (!n || *n < 1 || *n > kMostRows || *n != std::floor(*n))
            return "--top takes a whole number from 1 to " + std::to_string(kMostRows) + ", or all, not \"" +
                   it->second + "\"";
        o.top = static_cast<int>(*n);
    }
    if (const auto it = args.values.find("--rank"); it != args.values.end()) {
        const std::optional<ProposalRanking> ranking = ProposalRankingFromName(it->second);
        if (!ranking) return "--rank takes compact or margin, not \"" + it->second + "\"";
        o.ranking = *ranking;
    }

    if (const std::optional<DutyProblem> problem = CheckProposalDuty(duty))
        return std::string(OptionOf(problem->field)) + ": " + problem->text;
    return "";
}

// The program's number patterns by decimals.
std::string Fixed(double v, int decimals) {
    return Format(v, decimals == 0 ? "####0" : decimals == 1 ? "###0.0" : "###0.00");
}

std::string Pad(std::string text, std::size_t width, bool right = true) {
    // UTF-8 continuation bytes take no column.
    std::size_t columns = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++columns;
    if (columns >= width) return text;
    const std::string fill(width - columns, ' ');
    return right ? fill + text : text + fill;
}

// A value in the unit the table heads its column with.
std::string Shown(const DriveProject& p, int quantity, double value, int decimals) {
    return Fixed(ToDisplay(p, quantity, value), decimals);
}

std::string PulleyText(const DriveProject& p, const DriveProposal& r, int i) {
    const auto k = static_cast<std::size_t>(i);
    if (r.toothed) return std::to_string(r.teeth[k]) + " z";
    return "\xC3\x98" + Shown(p, kLength, r.diameter[k], 0);
}

std::string WidthText(const DriveProject& p, const DriveProposal& r) {
    if (WidthInRibs(r)) return Fixed(r.beltWidth, 0) + " ribs";
    return Shown(p, kLength, r.beltWidth, 2);
}

// A signed percentage; a rounded zero has no sign.
std::string Percent(double fraction) {
    const std::string text = Fixed(fraction * 100, 1);
    if (text == "-0.0" || text == "0.0") return "0.0";
    return (fraction > 0 ? "+" : "") + text;
}

std::string WarningsText(const DriveProposal& r) {
    std::string text;
    for (const ProposalWarning& w : r.warnings) {
        if (text.find(w.label) != std::string::npos) continue;
        if (!text.empty()) text += ", ";
        text += w.label;
    }
    return text.empty() ? "-" : text;
}

void WriteDropped(std::ostream& out, const ProposalResult& result) {
    for (const DroppedCandidates& d : result.dropped) out << Pad(std::to_string(d.count), 7) << "  " << d.reason << "\n";
}

void WriteTable(std::ostream& out, const DriveProject& p, const ProposeOptions& o, const ProposalResult& result) {
    const ProposalDuty& d = o.duty;
    out << "Drive proposals: " << Shown(p, kPower, d.power, 2) << " kW at " << Shown(p, kAngularVelocity, d.driverSpeed, 0)
        << " rpm, speed ratio " << Fixed(d.ratio, 2) << " (within " << Fixed(d.ratioTolerance * 100, 1)
        << " %), centre distance " << Shown(p, kLength, d.centreMin, 0) << ".." << Shown(p, kLength, d.centreMax, 0)
        << " mm\n";
    out << "Ranked: " << ProposalRankingText(result.ranking) << "\n\n";
    if (result.proposals.empty()) {
        out << NoProposalText(result) << "\n";
        WriteDropped(out, result);
        return;
    }
    const std::vector<std::pair<const char*, std::size_t>> columns = {
        {"#", 3},      {"belt", 15},  {"length", 6}, {"width", 8},  {"belt code", 17},
        {"driver", 6}, {"driven", 6}, {"ratio", 5},  {"error", 5},  {"centre", 7},
        {"speed", 5},  {"mesh", 4},   {"rating", 7}, {"safety", 6}, {"margin", 6}, {"envelope", 8}};
    const std::vector<const char*> units = {"",    "",     "[mm]",  "[mm]", "",     "", "", "",
                                            "[%]", "[mm]", "[m/s]", "",     "[kW]", "", "", "[dm3]"};
    std::string head;
    std::string unitLine;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const bool left = i == 1 || i == 4;
        head += Pad(columns[i].first, columns[i].second, !left) + " ";
        unitLine += Pad(units[i], columns[i].second, !left) + " ";
    }
    while (!unitLine.empty() && unitLine.back() == ' ') unitLine.pop_back();
    out << head << "answers; warnings\n" << unitLine << "\n";
    int rank = 0;
    for (const DriveProposal& r : result.proposals) {
        if (++rank > o.top) break;
        const std::vector<std::string> cells = {std::to_string(rank),
                                                PlainText(r.beltName),
                                                Shown(p, kLength, r.beltLength, 0),
                                                WidthText(p, r),
                                                PlainText(r.beltCode),
                                                PulleyText(p, r, 0),
                                                PulleyText(p, r, 1),
                                                Fixed(r.speedRatio, 2),
                                                Percent(r.ratioError),
                                                Shown(p, kLength, r.centreDistance, 2),
                                                Shown(p, kVelocity, r.beltSpeed, 2),
                                                r.toothed ? std::to_string(r.teethInMesh) : "-",
                                                Shown(p, kPower, r.powerRating, 2),
                                                Fixed(r.safetyFactor, 2),
                                                Fixed(r.margin, 2),
                                                Fixed(r.envelope * 1000, 2)};
        std::string line;
        for (std::size_t i = 0; i < columns.size(); ++i) {
            const bool left = i == 1 || i == 4;
            line += Pad(cells[i], columns[i].second, !left) + " ";
        }
        out << line << ProposalAnswersText(r) << "; " << WarningsText(r) << "\n";
    }
    const int shown = std::min(o.top, static_cast<int>(result.proposals.size()));
    out << "\n" << shown << " of " << result.proposals.size() << " proposals shown; " << result.candidates
        << " candidates designed";
    if (result.dropped.empty()) {
        out << ", none dropped\n";
        return;
    }
    out << ", dropped:\n";
    WriteDropped(out, result);
}

nlohmann::ordered_json Nullable(double v) {
    return v > 0 ? ToJson(v) : nlohmann::ordered_json();
}

nlohmann::ordered_json RowJson(const DriveProposal& r, int rank) {
    nlohmann::ordered_json j;
    j["rank"] = rank;
    j["beltFamily"] = r.beltFamily;
    j["beltType"] = r.beltType;
    j["beltPitchCode"] = r.beltPitchCode;
    j["beltName"] = r.beltName;
    j["beltCode"] = r.beltCode;
    j["beltLength"] = ToJson(r.beltLength);
    j["beltWidth"] = WidthJson(r.beltName, r.beltWidth);
    nlohmann::ordered_json pulleys = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < 2; ++i) {
        PulleyFacts f;
        f.number = static_cast<int>(i) + 1;
        f.role = i == 0 ? "driver" : "driven";
        if (r.toothed) f.teeth = r.teeth[i];
        f.diameter = r.diameter[i];
        f.speed = r.speed[i];
        f.ratio = r.pulleyRatio[i];
        f.arcOfContact = r.arcOfContact[i];
        pulleys.push_back(PulleyJson(f));
    }
    j["pulleys"] = pulleys;
    j["ratioError"] = ToJson(r.ratioError);
    j["typedCentreDistance"] = ToJson(r.typedCentreDistance);
    j["centreDistance"] = ToJson(r.centreDistance);
    j["beltSpeed"] = ToJson(r.beltSpeed);
    j["teethInMesh"] = r.toothed ? nlohmann::ordered_json(r.teethInMesh) : nlohmann::ordered_json();
    j["serviceFactor"] = ToJson(r.serviceFactor);
    j["powerRating"] = ToJson(r.powerRating);
    j["safetyFactor"] = ToJson(r.safetyFactor);
    j["margin"] = ToJson(r.margin);
    j["faceWidth"] = ToJson(r.faceWidth);
    j["envelope"] = ToJson(r.envelope);
    nlohmann::ordered_json answers;
    answers["length"] =
        r.lengthAnswer == LengthAnswer::Standard ? nlohmann::ordered_json("standard") : nlohmann::ordered_json();
    answers["pick"] = r.pickAnswer == PickAnswer::Shorter  ? nlohmann::ordered_json("shorter")
                      : r.pickAnswer == PickAnswer::Longer ? nlohmann::ordered_json("longer")
                                                           : nlohmann::ordered_json();
    answers["width"] = "proposed";
    j["answers"] = answers;
    j["warnings"] = WarningsJson(r.warnings);
    return j;
}

void WriteJson(std::ostream& out, const ProposeOptions& o, const ProposalResult& result) {
    const ProposalDuty& d = o.duty;
    nlohmann::ordered_json j;
    j["schema"] = kJsonSchema;
    j["outcome"] = result.proposals.empty() ? "stopped" : "done";
    nlohmann::ordered_json duty;
    duty["power"] = ToJson(d.power);
    duty["driverSpeed"] = ToJson(d.driverSpeed);
    duty["ratio"] = ToJson(d.ratio);
    duty["ratioTolerance"] = ToJson(d.ratioTolerance);
    duty["centreMin"] = ToJson(d.centreMin);
    duty["centreMax"] = ToJson(d.centreMax);
    duty["loadFactor"] = ToJson(d.factors.loadFactor);
    duty["operationTime"] = ToJson(d.factors.operationTime);
    duty["factor"] = ToJson(d.factors.factor);
    duty["maxWidth"] = Nullable(d.maxWidth);
    duty["maxDiameter"] = Nullable(d.maxDiameter);
    duty["anyWidth"] = d.anyWidth;
    duty["families"] = o.families;
    j["duty"] = duty;
    j["ranking"] = {{"rule", ProposalRankingName(result.ranking)},
                    {"text", ProposalRankingText(result.ranking)}};
    j["candidates"] = result.candidates;
    j["proposed"] = result.proposals.size();
    j["message"] = result.proposals.empty() ? NoProposalText(result) : "";
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    int rank = 0;
    for (const DriveProposal& r : result.proposals) {
        if (++rank > o.top) break;
        rows.push_back(RowJson(r, rank));
    }
    j["proposals"] = rows;
    nlohmann::ordered_json dropped = nlohmann::ordered_json::array();
    for (const DroppedCandidates& c : result.dropped) dropped.push_back({{"reason", c.reason}, {"count", c.count}});
    j["dropped"] = dropped;
    out << Dump(j) << "\n";
}

int runPropose(const Invocation& call) {
    DriveProject p;
    InitUnitTables(p);
    // What step 1 loads: the load factors the options pick from and the flat
    // belt data sheet the flat belt pulleys read.
    LoadStep1Tables(p);
    ProposeOptions o;
    const std::string error = ParseProposeOptions(call.args, p, o);
    if (!error.empty()) return call.fail(error);
    const std::vector<ProposalBelt> belts = ProposalBeltsOfFamilies(o.families);
    const ProposalResult result = ProposeDrives(p, o.duty, belts, o.ranking);
    if (o.json)
        WriteJson(call.out, o, result);
    else
        WriteTable(call.out, p, o, result);
    if (result.proposals.empty()) return call.fail(NoProposalText(result), kExitStopped);
    return kExitOk;
}

const Registration kPropose{{
    "propose",
    "propose --power KW --rpm RPM ...",
    "the drives the catalogue offers for a duty, ranked",
    "Designs every two-pulley drive of the chosen belt families that reaches the\n"
    "speed ratio, as Go On designs it: the standard driver pulleys (ISO diameters\n"
    "for multi-rib and flat belts) with the driven pulley nearest to the ratio,\n"
    "the centre distance in the middle of the range, the standard length that\n"
    "keeps it in the range and the proposed width. Candidates whose design stops\n"
    "are counted with the reason. The table is ranked by --rank: compact (the\n"
    "default), " +
        std::string(ProposalRankingText(ProposalRanking::Compact)) + "; or margin, " +
        std::string(ProposalRankingText(ProposalRanking::Margin)) +
        ". The safety factor is the report's: the belt's power rating over the\n"
        "power; the margin is the safety factor over the service factor; the\n"
        "envelope (dm3) is the pulley face width times the rectangle that encloses\n"
        "the pulleys at their centre distance.\n\n"
        "The duty:\n"
        "  --power KW                 power of the driver\n"
        "  --rpm RPM                  speed of the driver pulley\n"
        "  --ratio R                  speed ratio, driver speed / driven speed, or\n"
        "  --driven-rpm RPM           the speed of the driven pulley\n"
        "  --ratio-tolerance PCT      how far the ratio reached may lie off (default 2)\n"
        "  --centre MIN..MAX          centre distance range in mm\n"
        "Service factor (default: as step 1 starts, 1.0):\n"
        "  --service-factor S         the load factor of step 1 (the speed-ratio term is\n"
        "                             added as the design adds it)\n"
        "  --driver 0|1|2 --machine INDEX\n"
        "                             the load factor of the driven machine (row of the\n"
        "                             list, 0 to 62) for the driver class\n"
        "  --hours 8-10|10-16|16-24|intermittent|seasonal\n"
        "                             the operation time correction\n"
        "  Families without these tables (SELKIRA, TAVOREN, QUINDEL, FENDARO) take the\n"
        "  total as the factor of their own table.\n"
        "Choice and output:\n"
        "  --families LIST            family words separated by commas (default: all but\n"
        "                             SELKIRA, whose belts are made for linear drives)\n"
        "  --max-width MM             widest belt allowed (multi-rib belts: not limited)\n"
        "  --max-diameter MM          largest pulley pitch diameter allowed\n"
        "  --any-width                timing belts also in widths cut to measure beyond\n"
        "                             the standard widths (default: standard widths only)\n"
        "  --rank compact|margin      the ranking rule (default compact)\n"
        "  --top N|all                rows shown: 1 to 100000, or all (default 10)\n"
        "  --json                     the duty, the rows and the dropped candidates as\n"
        "                             JSON\n"
        "\nExit status: 0 drives proposed, 1 no drive carries the duty (the output\n"
        "says why), 2 error: a wrong option or duty value.\n",
    runPropose,
    true,
}};

}  // namespace

}  // namespace belt::batch
