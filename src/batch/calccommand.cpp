// beltcalc-batch calc: the design calculation of a saved project, run as Go On
// runs it on the pulley data and layout screens, with the questions answered
// from the command line.
#include <cstdlib>
#include <iomanip>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>

#include "batch/batchdialogs.h"
#include "batch/calculation.h"
#include "batch/command.h"
#include "batch/projectjson.h"
#include "engine/installation.h"
#include "catalogue/calculationtables.h"
#include "engine/designsequence.h"
#include "engine/layout.h"
#include "engine/layouteditor.h"
#include "engine/proposals.h"
#include "engine/pulleydata.h"
#include "engine/report.h"
#include "project/formnames.h"
#include "project/projectfile.h"
#include "units/units.h"

namespace belt::batch {

namespace {

// A whole positive number, or 0.
int PositiveInt(const std::string& text) {
    if (text.empty() || text.size() > 6) return 0;
    for (char c : text)
        if (c < '0' || c > '9') return 0;
    return std::atoi(text.c_str());
}

// A positive number with "." as decimal point and nothing after it.
bool PositiveNumber(const std::string& text) {
    if (text.empty()) return false;
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    return end == text.c_str() + text.size() && v > 0 && v < 1e12;
}

// Reads a yes/no style option into `answer`; "" or the error text.
std::string Choice(const ParsedArgs& args, const std::string& name, const char* yes, const char* no,
                   std::optional<bool>& answer) {
    const auto it = args.values.find(name);
    if (it == args.values.end()) return "";
    if (it->second == yes) {
        answer = true;
    } else if (it->second == no) {
        answer = false;
    } else {
        return name + " takes " + yes + " or " + no + ", not \"" + it->second + "\"";
    }
    return "";
}

}  // namespace

std::string ParseCalcOptions(const std::vector<std::string>& argv, const std::string& command, CalcOptions& o,
                             const std::vector<std::string>& ownOptions) {
    ParsedArgs args;
    std::vector<std::string> valueOptions{"--length", "--pick",  "--double-sided", "--path", "--width",
                                          "--adjust-pulley", "--axis", "--units", "--save"};
    valueOptions.insert(valueOptions.end(), ownOptions.begin(), ownOptions.end());
    std::string error = ParseArgs(argv, valueOptions, {"--json", "--details"}, args);
    if (error.empty()) error = RefuseDecimalCommas(args, {"--width", "--path", "--adjust-pulley"});
    if (!error.empty()) return error;
    for (const std::string& own : ownOptions)
        if (const auto it = args.values.find(own); it != args.values.end()) o.own[own] = it->second;
    if (args.positional.empty()) return "which project file? (" + command + " FILE.dat)";
    if (args.positional.size() > 1)
        return "one project file at a time: \"" + args.positional[1] + "\" is one too many";
    o.file = args.positional.front();
    o.json = args.has("--json");
    o.details = args.has("--details");

    for (const auto& [name, yes, no, answer] :
         {std::tuple{"--length", "standard", "rounded", &o.answers.standardLength},
          std::tuple{"--pick", "shorter", "longer", &o.answers.shorter},
          std::tuple{"--double-sided", "yes", "no", &o.answers.doubleSided}}) {
        error = Choice(args, name, yes, no, *answer);
        if (!error.empty()) return error;
    }
    if (const auto it = args.values.find("--width"); it != args.values.end()) {
        if (it->second != "proposed" && !PositiveNumber(it->second))
            return "--width takes \"proposed\" or a positive width in the length unit, not \"" +
                   it->second + "\"";
        o.answers.width = it->second;
    }
    if (const auto it = args.values.find("--path"); it != args.values.end()) {
        o.path = PositiveInt(it->second);
        if (o.path == 0)
            return "--path takes a belt path number from 1, not \"" + it->second + "\"";
    }
    const auto pulley = args.values.find("--adjust-pulley");
    const auto axis = args.values.find("--axis");
    if (pulley != args.values.end()) {
        o.adjustPulley = PositiveInt(pulley->second);
        if (o.adjustPulley < 2 || o.adjustPulley > 4)
            return "--adjust-pulley takes the number of the pulley to move, 2 to 4, not \"" +
                   pulley->second + "\"";
        if (axis == args.values.end()) return "--adjust-pulley needs --axis x or --axis y";
    }
    if (axis != args.values.end()) {
        if (pulley == args.values.end()) return "--axis goes with --adjust-pulley";
        if (axis->second != "x" && axis->second != "y")
            return "--axis takes x or y, not \"" + axis->second + "\"";
        o.axis = axis->second == "x" ? kAxisX : kAxisY;
    }
    if (const auto it = args.values.find("--units"); it != args.values.end()) o.units = it->second;
    if (const auto it = args.values.find("--save"); it != args.values.end()) {
        if (it->second.empty()) return "--save needs a file name";
        o.save = it->second;
    }
    return "";
}

namespace {

// The report as text: the label column, then the value and its unit.
void WriteReport(std::ostream& out, const DriveProject& p, const std::vector<ReportLine>& lines) {
    out << PlainText(TitoloBox(p).title) << "\n";
    out << "Belt code: " << PlainText(p.beltCode) << "\n\n";
    constexpr std::size_t kLabelWidth = 48;
    for (const ReportLine& l : lines) {
        switch (l.kind) {
            case ReportLineKind::Blank:
                out << "\n";
                continue;
            case ReportLineKind::SectionTitle:
            case ReportLineKind::PulleyTitle:
                out << PlainText(l.label.empty() ? l.value : l.label) << "\n";
                continue;
            case ReportLineKind::Item:
                break;
        }
        std::string text = l.column == ReportColumn::Label ? "  " + PlainText(l.label) : "";
        if (!l.value.empty() || !l.unit.empty()) {
            if (text.size() < kLabelWidth)
                text.resize(kLabelWidth, ' ');
            else
                text += " ";
            text += PlainText(l.value);
            if (!l.unit.empty()) text += " " + PlainText(l.unit);
        }
        out << text << "\n";
    }
}

const char* KindName(ReportLineKind k) {
    switch (k) {
        case ReportLineKind::Item:
            return "item";
        case ReportLineKind::Blank:
            return "blank";
        case ReportLineKind::SectionTitle:
            return "sectionTitle";
        case ReportLineKind::PulleyTitle:
            return "pulleyTitle";
    }
    return "item";
}

const char* SectionName(ReportSection s) {
    switch (s) {
        case ReportSection::Belt:
            return "belt";
        case ReportSection::Results:
            return "results";
        case ReportSection::PulleyTable:
            return "pulleyTable";
        case ReportSection::Installation:
            return "installation";
    }
    return "results";
}

nlohmann::ordered_json MessagesJson(const std::vector<RecordedDialog>& seen) {
    nlohmann::ordered_json out = nlohmann::ordered_json::array();
    for (const RecordedDialog& r : seen) {
        nlohmann::ordered_json m;
        if (r.kind == RecordedDialog::Kind::Input) {
            m["kind"] = "input";
        } else {
            m["kind"] = r.buttons == MsgButtons::Ok ? "message" : "question";
        }
        m["title"] = JsonText(r.title);
        m["text"] = JsonText(r.text);
        m["icon"] = IconName(r.icon);
        if (r.kind == RecordedDialog::Kind::Input) m["defaultText"] = JsonText(r.defaultText);
        m["answer"] = r.answer;
        out.push_back(std::move(m));
    }
    return out;
}

nlohmann::ordered_json ReportJson(const std::vector<ReportLine>& lines) {
    nlohmann::ordered_json out = nlohmann::ordered_json::array();
    for (const ReportLine& l : lines) {
        nlohmann::ordered_json j;
        j["kind"] = KindName(l.kind);
        j["section"] = SectionName(l.section);
        j["label"] = JsonText(l.label);
        j["value"] = JsonText(l.value);
        j["unit"] = JsonText(l.unit);
        out.push_back(std::move(j));
    }
    return out;
}

// The first pulley 2..N of a layout that is still at the origin, or 0. (A
// two-pulley drive places pulley 2 itself.)
int UnplacedPulley(const DriveProject& p) {
    if (p.pulleyCount < 3) return 0;
    for (int k = 2; k <= p.pulleyCount; ++k)
        if (p.pulleyPosition[0][k] == 0 && p.pulleyPosition[1][k] == 0) return k;
    return 0;
}

// How often --adjust-pulley moves its pulley before the run gives up: each
// fit lands on a whole number of pitches, and a list length is in reach.
constexpr int kMostFits = 5;

// Go On on STEP3 and, for three and four pulleys, on STEP4 until the
// results or a refusal; the pulley moves to the standard length as the
// mouse would move it. Returns kExitError when --path asks for a path the
// layout does not have.
int Calculate(const Invocation& call, DriveProject& p, Dialogs& d, const CalcOptions& o, CalcRun& run) {
    if (o.path > 0) p.beltPathTable[0][1] = o.path - 1;
    FollowApplicationData(p, d);
    NextStep step = GoOnFromStep3(p, d);
    if (step == NextStep::StayRereadCentreDistanceAndLength) RereadCentreDistanceAndLength(p, d);

    if (step == NextStep::ShowStep4) {
        run.screen = form::kStep4;
        const int paths = p.beltPathTable[0][0];
        if (o.path > paths)
            return call.fail("--path " + std::to_string(o.path) + ": the layout has " +
                             std::to_string(paths) + " feasible belt path" + (paths == 1 ? "" : "s"));
        // Showing STEP4 draws the layout.
        MarkLayoutDrawn(p);
        int fits = 0;
        for (int pass = 0; pass <= kMostFits + 1; ++pass) {
            // The layout waits for the click that fits it to the chosen
            // standard length: Go On would refuse until then. A project saved
            // at that point waits for it before the first Go On. A fit may
            // land on a whole number of pitches that the catalogue does not
            // list: Go On then asks for the length again, and the same pulley
            // moves again, as the user would click it again.
            if (p.layoutNeedsAdjust != 0) {
                if (o.adjustPulley == 0)
                    throw MissingAnswer("the layout must be fitted to the chosen belt length",
                                        "--adjust-pulley K --axis x|y");
                if (fits == kMostFits)
                    throw MissingAnswer("the layout has no standard length after " + std::to_string(kMostFits) +
                                            " fits of pulley " + std::to_string(o.adjustPulley) +
                                            ": fit another pulley or along the other axis",
                                        "");
                ++fits;
                if (IsOmegaDrive(p)) {
                    // A left click anywhere changes the stroke; the other button does nothing.
                    OnLayoutMouseUp(p, d, o.axis == kAxisY);
                } else if (!AdjustPulley(p, d, o.adjustPulley, o.axis)) {
                    // The program said that it found no position.
                    step = NextStep::Stay;
                    break;
                }
            }
            step = GoOnFromStep4(p, d);
            // ShowAdjustHint with nothing to fit: the layout already has a
            // standard length, and Go On once more goes on.
            if (step != NextStep::ShowAdjustHint) break;
        }
    }
    run.done = step == NextStep::ShowStep5;
    if (run.done) run.screen = form::kStep5;
    return kExitOk;
}

}  // namespace

int OpenAndCalculate(const Invocation& call, const CalcOptions& o, DriveProject& p, BatchDialogs& d,
                     CalcRun& run) {
    InitUnitTables(p);
    const std::string error = ApplyUnitList(p, o.units);
    if (!error.empty()) return call.fail(error);

    bool partial = false;
    if (OpenProject(call, o.file, p, partial) != kExitOk) return kExitError;
    if (p.pulleyCount < 2 || p.pulleyCount > 4 || p.beltName.empty() || p.beltPitchCode.empty())
        return call.fail(o.file +
                         " has no pulley data yet: it was saved before the belt and the drive were chosen");
    if ((o.path > 0 || o.adjustPulley > 0) && p.pulleyCount == 2)
        return call.fail(std::string(o.path > 0 ? "--path" : "--adjust-pulley") +
                         " applies to drives of three or four pulleys");
    if (o.adjustPulley > p.pulleyCount)
        return call.fail("--adjust-pulley " + std::to_string(o.adjustPulley) + ": the drive has " +
                         std::to_string(p.pulleyCount) + " pulleys");

    // The tables the file does not hold, as the screens load them.
    LoadCalculationTables(p);

    try {
        RecordingDialogs recording(d, run.details);
        return Calculate(call, p, recording, o, run);
    } catch (const MissingAnswer& e) {
        std::string message = e.what();
        if (!e.option.empty()) message += ": answer it with " + e.option;
        return call.fail(message);
    }
}

std::vector<DetailEntry> DetailsWithInstallation(const DriveProject& p, const CalcRun& run) {
    DesignDetails all = run.details;
    if (run.done) InstallationDataLines(p, &all);
    return DetailsInStepOrder(all.entries());
}

void ExplainStop(const Invocation& call, const DriveProject& p, const CalcRun& run) {
    std::string why = "the calculation stopped on " + run.screen;
    // The overlap check refuses a pulley still at the origin without a
    // word: on the screen the user sees it there, here nobody does.
    const int unplaced = UnplacedPulley(p);
    if (unplaced > 0)
        why += ": pulley " + std::to_string(unplaced) +
               " has no position yet (it sits on the driver pulley at 0, 0)";
    else
        why += " (the message above says why)";
    call.fail(why, kExitStopped);
}

namespace {

// The answer scripts mostly want, at the top of calc --json.
nlohmann::ordered_json ResultJson(const DriveProject& p, const std::vector<RecordedDialog>& seen) {
    nlohmann::ordered_json r;
    r["beltCode"] = p.beltCode;
    r["beltLength"] = ToJson(p.beltLength);
    r["beltWidth"] = WidthJson(p.beltName, p.beltWidth);
    const std::optional<double> safety = NewSafetyFactor(p);
    r["safetyFactor"] = safety ? ToJson(*safety) : nlohmann::ordered_json();
    std::vector<ProposalWarning> warnings;
    for (const RecordedDialog& m : seen)
        if (m.kind == RecordedDialog::Kind::Message && m.buttons == MsgButtons::Ok)
            warnings.push_back(LabelWarning(m.text));
    r["warnings"] = WarningsJson(warnings);
    return r;
}

int runCalc(const Invocation& call) {
    CalcOptions o;
    std::string error = ParseCalcOptions(call.args, call.command, o);
    // The project file or the report: standard output holds one of them.
    if (error.empty() && !o.save.empty() && o.json && IsStandardOutput(o.save))
        error = "--save to standard output leaves no room for --json";
    if (error.empty() && !o.save.empty() && o.details && IsStandardOutput(o.save))
        error = "--save to standard output leaves no room for --details";
    if (!error.empty()) return call.fail(error);

    DriveProject p;
    BatchDialogs d(o.answers, call.err);
    CalcRun run;
    const int status = OpenAndCalculate(call, o, p, d, run);
    if (status != kExitOk) return status;

    // Only a finished calculation is saved: a stopped one would put a
    // design half way in place of the file, perhaps the very file it came
    // from.
    const bool saveToOutput = !o.save.empty() && IsStandardOutput(o.save);
    if (!o.save.empty() && run.done) {
        if (WriteOutput(call, o.save, ProjectFile::write(p, run.screen)) != kExitOk) return kExitError;
    }

    const std::vector<ReportLine> report = run.done ? BuildResultsReport(p) : std::vector<ReportLine>{};
    if (o.json) {
        nlohmann::ordered_json out;
        out["schema"] = kJsonSchema;
        out["outcome"] = run.done ? "done" : "stopped";
        out["result"] = run.done ? ResultJson(p, d.seen()) : nlohmann::ordered_json();
        out["activeScreen"] = run.screen;
        nlohmann::ordered_json project = ProjectToJson(p);
        for (auto& [key, value] : project.items()) out[key] = std::move(value);
        out["shaftLoads"] = run.done ? ShaftLoadsJson(p) : nlohmann::ordered_json();
        out["messages"] = MessagesJson(d.seen());
        out["report"] = ReportJson(report);
        out["details"] = DetailsJson(DetailsWithInstallation(p, run));
        call.out << Dump(out) << "\n";
    } else if (!saveToOutput) {
        if (run.done) WriteReport(call.out, p, report);
        // A stopped design shows what it computed up to the stop.
        if (o.details)
            call.out << (run.done ? "\n" : "") << "CALCULATION DETAILS\n\n"
                     << DetailsAsText(p, DetailsWithInstallation(p, run));
    }
    if (!run.done) {
        if (!o.save.empty())
            call.err << call.prefix() << "nothing saved: --save keeps only a finished calculation\n";
        ExplainStop(call, p, run);
        return kExitStopped;
    }
    return kExitOk;
}

const Registration kCalc{{
    "calc",
    "calc FILE.dat [options]",
    "design calculation of a saved project, as Go On runs it",
    "Opens a project saved at step 3 or later, loads the catalogue tables of\n"
    "its belt and runs the design calculation as Go On does on the pulley data\n"
    "and layout screens: two pulleys from the pulley data; three or four pulleys\n"
    "through the belt paths, the standard length and, with --adjust-pulley, the\n"
    "move of one pulley that fits the layout to that length. Every message the\n"
    "program shows is printed on stderr with its title; the questions are\n"
    "answered by the options below. The results report is printed as text, or\n"
    "with --json as one JSON object: \"result\" (belt code, length, width,\n"
    "safety factor and warnings), the project's variables, \"pulleys\",\n"
    "\"shaftLoads\" (the force on every shaft and its direction), \"messages\",\n"
    "\"report\" and \"details\" (every result with its rule, the values it used\n"
    "and the catalogue rows it read).\n\n"
    "Options:\n" +
        std::string(kCalcAnswerOptionsHelp) +
        "  --json                     the result, the project, the messages, the\n"
        "                             report and the details as JSON\n"
        "  --details                  after the report, the calculation details: every\n"
        "                             result with its rule, the values it used and the\n"
        "                             catalogue rows it read (also of a stopped design)\n"
        "  --save OUT.dat             save the project once the calculation is done\n"
        "                             (nothing is saved when it stops); \"-\": to\n"
        "                             standard output, in place of the report\n" +
        UnitListHelp() +
        "\nExit status: 0 done, 1 the calculation stopped (the message says why),\n"
        "2 error: a wrong option, a question no option answers, an unreadable\n"
        "project file or a project that cannot be saved.\n",
    runCalc,
    true,
}};

}  // namespace

const char* const kCalcAnswerOptionsHelp =
    "  --length standard|rounded  the standard length question: a length of the\n"
    "                             catalogue list or a whole number of pitches\n"
    "  --pick shorter|longer      which of the two lengths offered\n"
    "  --double-sided yes|no      use a double-sided belt when the layout needs one\n"
    "  --width proposed|VALUE     keep the proposed width or give one in the length unit\n"
    "  --path N                   use the Nth feasible belt path (as the paths command\n"
    "                             numbers them) instead of the next after the saved one\n"
    "  --adjust-pulley K --axis x|y\n"
    "                             move pulley K (2..4) along X or Y until the layout\n"
    "                             has the chosen length (an omega drive changes its\n"
    "                             stroke instead, with --axis y); a fit that lands on\n"
    "                             a length the catalogue does not list asks the\n"
    "                             length questions again and fits again, up to 5\n"
    "                             times (then status 2)\n";

}  // namespace belt::batch
