// beltcalc-batch info: a readable summary of a project file in the units the
// user asks for.
#include <iomanip>
#include <ostream>
#include <sstream>

#include "batch/command.h"
#include "batch/projectjson.h"
#include "catalogue/belttraits.h"
#include "catalogue/standardlengths.h"
#include "units/units.h"

namespace belt::batch {

namespace {

constexpr int kLabelWidth = 22;

std::string value(const DriveProject& p, int quantity, double internal,
                  std::string_view pattern = "###0.00") {
    return Format(ToDisplay(p, quantity, internal), pattern) + " " + CurrentLabel(p, quantity);
}

void row(std::ostream& out, std::string_view label, const std::string& text) {
    out << "  " << std::left << std::setw(kLabelWidth) << label << text << "\n";
}

std::string driveText(const DriveProject& p) {
    std::string text;
    switch (p.pulleyCount) {
        case 2:
            text = "2 pulleys";
            if (p.twoPulleyMode == 1) text += ", centre distance given";
            if (p.twoPulleyMode == 2) text += ", belt length given";
            break;
        case 3:
        case 4:
            text = std::to_string(p.pulleyCount) + " pulleys";
            break;
        default:
            return "not chosen yet";
    }
    if (IsLinearDriveBelt(p)) {
        constexpr const char* kLinear[3] = {"open end belt", "omega drive", "joined belt"};
        if (p.linearDriveType >= 0 && p.linearDriveType <= 2)
            text += std::string(", ") + kLinear[p.linearDriveType];
    }
    return text;
}

std::string pulleyRole(const DriveProject& p, int k) {
    if (k == 1) return "driver";
    return p.pulleyIsIdler[static_cast<std::size_t>(k)] != 0 ? "idler" : "driven";
}

void writeSummary(std::ostream& out, const DriveProject& p) {
    const bool multiRib = IsMultiRibBelt(p) || p.beltKindCode == 1;
    const bool linear = TakesCarriageData(p);

    out << "Belt and drive\n";
    row(out, "Belt",
        p.beltName.empty()
            ? (p.beltType.empty() ? "not chosen yet" : PlainText(p.beltType) + " (no size chosen yet)")
            : PlainText(p.beltName));
    if (!p.beltType.empty()) row(out, "Profile group", PlainText(p.beltType));
    row(out, "Drive", driveText(p));

    out << "\nApplication data\n";
    row(out, "Power", value(p, kPower, p.power));
    row(out, "Torque", value(p, kTorque, DriverTorque(p)));
    row(out, "Belt speed", value(p, kVelocity, p.beltSpeed));
    row(out, "Peripheral force", value(p, kForce, p.peripheralForce));
    if (linear) {
        row(out, "Carriage mass", value(p, kMass, p.carriageMass));
        row(out, "Acceleration", value(p, kAcceleration, p.acceleration));
        row(out, "Friction force", value(p, kForce, p.frictionForce));
        row(out, "Slope", Format(p.slopeAngle, "###0.0") + " [deg]");
        row(out, "Stroke", value(p, kLength, p.stroke));
        row(out, "Carriage length", value(p, kLength, p.carriageLength));
    }

    out << "\nPulleys\n";
    const int count = p.pulleyCount >= 1 && p.pulleyCount <= 4 ? p.pulleyCount : 0;
    if (count == 0) {
        out << "  none yet\n";
    } else {
        const std::string len = CurrentLabel(p, kLength);
        out << "  " << std::left << std::setw(10) << "#" << std::right << std::setw(12) << ("Dp " + len)
            << std::setw(12) << ("n " + CurrentLabel(p, kAngularVelocity)) << std::setw(6) << "z"
            << std::setw(8) << "i" << std::setw(12) << ("X " + len) << std::setw(12) << ("Y " + len) << "\n";
        for (int k = 1; k <= count; ++k) {
            const auto i = static_cast<std::size_t>(k);
            out << "  " << std::left << std::setw(10) << (std::to_string(k) + " " + pulleyRole(p, k))
                << std::right << std::setw(12)
                << Format(ToDisplay(p, kLength, p.pulleyDiameter[i]), "###0.00") << std::setw(12)
                << Format(ToDisplay(p, kAngularVelocity, p.pulleySpeed[i]), "###0.0") << std::setw(6)
                << Format(p.pulleyTeeth[i], "####0") << std::setw(8) << Format(p.pulleyRatio[i], "###0.00")
                << std::setw(12) << Format(ToDisplay(p, kLength, p.pulleyPosition[0][i]), "###0.00")
                << std::setw(12) << Format(ToDisplay(p, kLength, p.pulleyPosition[1][i]), "###0.00") << "\n";
        }
    }

    out << "\nResults\n";
    row(out, "Belt length", value(p, kLength, p.beltLength));
    if (p.pulleyCount == 2) row(out, "Centre distance", value(p, kLength, p.centreDistance));
    if (multiRib) {
        row(out, "Belt width",
            Format(p.beltWidth, "####0") + " ribs (required " + Format(p.beltWidthCalculated, "###0.00") +
                ")");
    } else {
        row(out, "Belt width",
            value(p, kLength, p.beltWidth) + " (required " + value(p, kLength, p.beltWidthCalculated) + ")");
        row(out, "Pulley face width", value(p, kLength, p.pulleyFaceWidth));
    }
    row(out, "Belt code", p.beltCode.empty() ? "not calculated yet" : PlainText(p.beltCode));
    row(out, "Service factor", Format(p.serviceFactor, "###0.00"));
    row(out, "Power rating", value(p, kPower, p.powerRatingWithWidth));
    // Only an open-end belt has a pull of its own.
    if (IsLinearDriveBelt(p)) row(out, "Max. effective pull", value(p, kForce, p.maxEffectivePull));
    if (!multiRib) row(out, "Teeth in mesh", Format(p.teethInMesh, "####0"));

    if (!p.screen.remarks.empty()) {
        out << "\nRemarks\n";
        out << "  " << PlainText(p.screen.remarks, "  ") << "\n";
    }
}

int runInfo(const Invocation& call) {
    ParsedArgs args;
    std::string error = ParseArgs(call.args, {"--units"}, {"--json"}, args);
    if (error.empty() && args.positional.empty()) error = "which project file? (info FILE.dat)";
    if (error.empty() && args.positional.size() > 1)
        error = "one project file at a time: \"" + args.positional[1] + "\" is one too many";
    DriveProject p;
    InitUnitTables(p);
    if (error.empty()) {
        const auto units = args.values.find("--units");
        error =
            ApplyUnitList(p, units == args.values.end() ? kDefaultUnits : std::string_view(units->second));
    }
    if (!error.empty()) return call.fail(error);

    const std::string& path = args.positional.front();
    bool partial = false;
    const int status = OpenProject(call, path, p, partial);
    if (status != kExitOk && (!partial || call.json)) return status;
    // The file does not hold the belt's length range; calc has it from the
    // catalogue, and so does what info tells of the file it saved.
    if (!p.beltName.empty()) LoadStandardLengths(p);

    if (call.json) {
        nlohmann::ordered_json out;
        out["schema"] = kJsonSchema;
        out["outcome"] = "done";
        out["file"] = path;
        nlohmann::ordered_json project = ProjectToJson(p);
        for (auto& [key, value] : project.items()) out[key] = std::move(value);
        out["shaftLoads"] = DesignCalculated(p) ? ShaftLoadsJson(p) : nlohmann::ordered_json();
        call.out << Dump(out) << "\n";
        return status;
    }
    call.out << "Project file " << PlainText(path);
    if (partial) call.out << " (damaged: showing the values read before the damage)";
    call.out << "\n\n";
    writeSummary(call.out, p);
    return status;
}

const Registration kInfo{{
    "info",
    "info FILE.dat [--units LIST] [--json]",
    "summary of a project file: belt, drive, pulleys, results",
    "Prints the belt, the drive configuration, the application data, the\n"
    "pulleys (diameter, speed, teeth, ratio, position) and the results (belt\n"
    "length, width and code, service factor, power rating) of a project file.\n"
    "A damaged file is reported with the line and what was expected there; the\n"
    "values read before the damage are shown and the exit status is 2. With\n"
    "--json the project's variables as calc --json gives them, and \"file\".\n\n"
    "Options:\n"
    "  --json         the project as JSON (SI units: --units does not apply)\n" +
        UnitListHelp(),
    runInfo,
    true,
}};

}  // namespace

}  // namespace belt::batch
