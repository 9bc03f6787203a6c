// beltcalc-batch paths: every feasible belt path of a saved layout at once,
// with its tangents, belt length and arcs of contact, numbered as DRAW steps
// through them.
#include <algorithm>
#include <cmath>
#include <iomanip>
#include <numbers>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>

#include "batch/batchdialogs.h"
#include "batch/command.h"
#include "batch/projectjson.h"
#include "engine/layout.h"
#include "units/units.h"

namespace belt::batch {

namespace {

constexpr const char* kNotPossible = "This configuration is not possible !!! Change pulleys layout!";

struct BeltPath {
    int number = 0;
    Arr<int, 5> row{};  // beltPathTable(number, 0..4)
    double length = 0;  // m
    Arr<double, 5> arcs{};
    // A layout far beyond any drive (coordinates near the limits of a
    // Double) yields "paths" without a length.
    bool measured() const { return std::isfinite(length) && length >= 0; }
};

std::string Number(double v, double factor, std::string_view format) {
    return std::isfinite(v) ? Format(v * factor, format) : "-";
}

std::vector<BeltPath> FeasiblePaths(DriveProject p) {
    ComputeBeltPaths(p);
    std::vector<BeltPath> out;
    for (int m = 1; m <= p.beltPathTable[0][0]; ++m) {
        p.beltPathTable[0][1] = m;
        BeltPath path;
        path.number = m;
        path.row = p.beltPathTable[static_cast<std::size_t>(m)];
        p.pulleyArcOfContact = {};
        path.length = ComputeBeltLength(p);
        path.arcs = p.pulleyArcOfContact;
        out.push_back(path);
    }
    return out;
}

void WriteText(std::ostream& out, const DriveProject& p, const std::vector<BeltPath>& paths, int current) {
    const int n = p.pulleyCount;
    out << "Belt paths of " << PlainText(p.beltName) << ", " << n << " pulleys (* the saved one)\n";
    out << "  path  tangents  belt length [mm]  arcs of contact [deg]\n";
    for (const BeltPath& path : paths) {
        std::ostringstream line;
        line << (path.number == current ? "* " : "  ") << std::left << std::setw(6) << path.number;
        std::string tangents;
        for (int i = 1; i <= n; ++i) tangents += std::to_string(path.row[static_cast<std::size_t>(i)]) + " ";
        line << std::setw(10) << tangents << std::right << std::setw(16)
             << (path.measured() ? Format(path.length * 1000, "###0.00") : "-") << "  ";
        for (int k = 1; k <= n; ++k)
            line << " " << Number(path.arcs[static_cast<std::size_t>(k)], 180 / std::numbers::pi, "###0.00");
        out << line.str() << "\n";
    }
}

nlohmann::ordered_json Json(const DriveProject& p, const std::vector<BeltPath>& paths, int current) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const BeltPath& path : paths) {
        nlohmann::ordered_json j;
        j["path"] = path.number;
        j["current"] = path.number == current;
        nlohmann::ordered_json tangents = nlohmann::ordered_json::array();
        for (int i = 1; i <= p.pulleyCount; ++i) tangents.push_back(path.row[static_cast<std::size_t>(i)]);
        j["tangents"] = tangents;
        j["beltLength"] = path.measured() ? ToJson(path.length) : nlohmann::ordered_json(nullptr);
        nlohmann::ordered_json arcs = nlohmann::ordered_json::array();
        for (int k = 1; k <= p.pulleyCount; ++k)
            arcs.push_back(ToJson(path.arcs[static_cast<std::size_t>(k)]));
        j["arcsOfContact"] = arcs;
        list.push_back(std::move(j));
    }
    nlohmann::ordered_json out;
    out["schema"] = kJsonSchema;
    out["outcome"] = paths.empty() ? "stopped" : "done";
    out["paths"] = list;
    return out;
}

int runPaths(const Invocation& call) {
    ParsedArgs args;
    std::string error = ParseArgs(call.args, {}, {"--json"}, args);
    if (error.empty() && args.positional.empty()) error = "which project file? (paths FILE.dat)";
    if (error.empty() && args.positional.size() > 1)
        error = "one project file at a time: \"" + args.positional[1] + "\" is one too many";
    if (!error.empty()) return call.fail(error);
    DriveProject p;
    const int opened = OpenDrive(call, args.positional.front(), p);
    if (opened != kExitOk) return opened;

    std::vector<BeltPath> paths = FeasiblePaths(p);
    if (std::none_of(paths.begin(), paths.end(), [](const BeltPath& b) { return b.measured(); }))
        paths.clear();
    const int current = p.beltPathTable[0][1];
    if (call.json) {
        call.out << Dump(Json(p, paths, current)) << "\n";
    } else if (!paths.empty()) {
        WriteText(call.out, p, paths, current);
    }
    if (paths.empty()) {
        // What DRAW would say about this layout.
        BatchDialogs d({}, call.err);
        d.message(kNotPossible, "I can't proceed", MsgIcon::Warning);
        return kExitStopped;
    }
    return kExitOk;
}

const Registration kPaths{{
    "paths",
    "paths FILE.dat [--json]",
    "every feasible belt path of a saved layout",
    "Lists every feasible belt path of the layout saved in the project, numbered\n"
    "as DRAW steps through them (1, 2, ... and back to 1; calc --path N takes\n"
    "path N), each with its tangent choice per span (span 1 runs from pulley 1\n"
    "to pulley 2, the last span back to pulley 1; 1 and 2 outer, 3 and 4 inner\n"
    "tangents), its belt length and the arcs of contact on the pulleys. The\n"
    "path the project was saved on is marked. Lengths in mm and arcs in degrees\n"
    "as text; with --json:\n"
    "  {\"schema\":1,\"outcome\":\"done\",\"paths\":[{\"path\":1,\"current\":false,\n"
    "   \"tangents\":[..],\"beltLength\":..,\"arcsOfContact\":[..]}]}\n"
    "where tangents has one entry per span and arcsOfContact one per pulley,\n"
    "driver first.\n\n"
    "Options:\n"
    "  --json    the list as JSON\n\n"
    "Exit status: 0 done, 1 the layout has no feasible belt path (the message\n"
    "says so), 2 error: an unreadable project file or a wrong option.\n",
    runPaths,
    true,
}};

}  // namespace

}  // namespace belt::batch
