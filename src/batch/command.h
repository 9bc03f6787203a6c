// The commands of beltcalc-batch and what they share: a table that each
// command's source file joins at start-up, the exit codes, the option parser,
// the --units list and the opening of a project file.
#pragma once

#include <functional>
#include <iosfwd>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "project/driveproject.h"
#include "project/projectfile.h"

namespace belt::batch {

// Exit codes of every command.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // the calculation (or the command) stopped; the message says why
inline constexpr int kExitBadFile = 2;  // the project file is missing, unreadable or damaged
inline constexpr int kExitUsage = 2;    // unknown command, option or unit

// Everything after the command name, and where to write.
struct Invocation {
    std::vector<std::string> args;
    std::ostream& out;
    std::ostream& err;
};

struct Command {
    std::string name;      // "info"
    std::string synopsis;  // "info FILE.dat [--units LIST]"
    std::string summary;   // one line for the tool's --help
    std::string help;      // the command's own --help text, after its synopsis
    std::function<int(const Invocation&)> run;
};

// A command joins the table from its own source file:
//   const belt::batch::Registration kCalc{{"calc", "calc FILE.dat ...", ...}};
// The table is built before main runs and is sorted by name.
class Registration {
public:
    explicit Registration(Command command);
};

const std::vector<Command>& Commands();
const Command* FindCommand(std::string_view name);

// Options of a command line: "--name VALUE" or "--name=VALUE" for the names in
// valueOptions, "--name" alone for flags, everything else positional. An
// option not in either list is an error.
struct ParsedArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;  // "--units" -> "mm,rpm,..."
    std::vector<std::string> flags;             // "--help"
    bool has(std::string_view flag) const;
};
// Returns "" on success, else the error text.
std::string ParseArgs(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
                      const std::vector<std::string>& flagOptions, ParsedArgs& parsed);

// The --units list: up to eight unit names of the Unit menu separated by
// commas, in the order length, angular velocity, mass, force, power,
// velocity, acceleration, torque. A missing or empty item keeps the start-up
// unit. The unit tables must be filled (InitUnitTables). Returns "" or the error.
inline constexpr std::string_view kDefaultUnits = "mm,rpm,kg,N,kW,m/s,m/s^2,N m";
std::string ApplyUnitList(DriveProject& p, std::string_view list);
// "--units LIST" paragraph for the commands' help texts.
std::string UnitListHelp();

// Opens a project for a command. A file that cannot be read is reported on
// err and ends the command; a damaged file is reported on err (naming the
// line and what was expected) and the values read so far stay in p.
// Returns kExitOk, or kExitBadFile with `partial` telling whether p holds
// anything worth showing.
int OpenProject(const std::string& path, DriveProject& p, std::ostream& err, bool& partial);

// Opens a project for a command that works on its drive (paths, layout): fills
// the unit tables, opens the file and checks that it has two to four
// pulleys. Returns kExitOk, or kExitBadFile with the reason on err after
// prefix ("beltcalc-batch COMMAND: ").
int OpenDrive(const std::string& path, DriveProject& p, std::ostream& err, std::string_view prefix);

// A text from a project file made safe for a terminal: control characters
// other than the line break become "?", line breaks become "\n" + indent.
std::string PlainText(std::string_view text, std::string_view indent = "");

}  // namespace belt::batch
