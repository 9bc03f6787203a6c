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

// Exit status of every command; each means one thing.
inline constexpr int kExitOk = 0;  // done: every result written
// The run went through and its answer is that there is no result: the
// calculation stopped, the layout has no belt path, no drive carries the
// duty. The message says why.
inline constexpr int kExitStopped = 1;
// The run could not be done: a wrong command line, a question no option
// answers, a project file missing or damaged, an output that cannot be
// written. Nothing was written in place of what was asked for.
inline constexpr int kExitError = 2;

// The version of every JSON object the commands print ("schema": 1).
inline constexpr int kJsonSchema = 1;

// One run of a command: everything after the command name, and where to write.
struct Invocation {
    Invocation(std::string command, std::vector<std::string> args, std::ostream& out, std::ostream& err,
               bool json = false)
        : command(std::move(command)), args(std::move(args)), out(out), err(err), json(json) {}

    std::string command;  // "calc"
    std::vector<std::string> args;
    std::ostream& out;
    std::ostream& err;
    // --json was given to a command that prints JSON: a failure is also
    // printed on out as {"schema":1,"outcome":"error","message":...}.
    bool json = false;

    // Ends the run with a failure: the message goes to err after
    // "beltcalc-batch COMMAND: " with its control characters escaped
    // (PlainText), and is kept as it is for the JSON. Returns status.
    int fail(const std::string& message, int status = kExitError) const;
    // The message of the first failure, "" when there was none.
    const std::string& failure() const { return failure_; }
    // "beltcalc-batch COMMAND: ", to start a line on err.
    std::string prefix() const { return "beltcalc-batch " + command + ": "; }

private:
    mutable std::string failure_;
};

struct Command {
    std::string name;      // "info"
    std::string synopsis;  // "info FILE.dat [--units LIST]"
    std::string summary;   // one line for the tool's --help
    std::string help;      // the command's own --help text, after its synopsis
    std::function<int(const Invocation&)> run;
    bool json = false;  // takes --json
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
// valueOptions, "--name" alone for flags, every other word positional; "--"
// ends the options, and every word after it is positional. A word starting
// with "-" (other than "-" itself) is an option, and one not in either list
// is an error; so is a value option followed by another option ("--save
// --json") instead of its value, and an option given twice (the second
// would silently win, or the first be silently dropped).
struct ParsedArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;  // "--units" -> "mm,rpm,..."
    std::vector<std::string> flags;             // "--help"
    bool has(std::string_view flag) const;
};
// Returns "" on success, else the error text.
std::string ParseArgs(const std::vector<std::string>& args, const std::vector<std::string>& valueOptions,
                      const std::vector<std::string>& flagOptions, ParsedArgs& parsed);

// A number on the command line takes "." as its decimal point: "1,500" could
// mean 1.5 or 1500, and a script must not get the one it did not mean.
// Returns "" when no value of the numeric options given holds a comma, else
// the error naming the option and its text.
std::string RefuseDecimalCommas(const ParsedArgs& parsed, const std::vector<std::string>& numericOptions);

// The --units list: up to eight unit names of the Unit menu separated by
// commas, in the order length, angular velocity, mass, force, power,
// velocity, acceleration, torque. A missing or empty item keeps the start-up
// unit. The unit tables must be filled (InitUnitTables). Returns "" or the error.
inline constexpr std::string_view kDefaultUnits = "mm,rpm,kg,N,kW,m/s,m/s^2,N m";
std::string ApplyUnitList(DriveProject& p, std::string_view list);
// "--units LIST" paragraph for the commands' help texts.
std::string UnitListHelp();

// Opens a project for a command. A file that cannot be read, one that names
// a belt family the catalogue does not have ("FILE: Unknown belt family
// "WORD""), or a damaged one (naming the line and what was expected), ends
// the command through call.fail; the values read before the damage stay in
// p. Returns kExitOk, or kExitError with `partial` telling whether p holds
// anything worth showing.
int OpenProject(const Invocation& call, const std::string& path, DriveProject& p, bool& partial);

// Opens a project for a command that works on its drive (paths, layout): fills
// the unit tables, opens the file and checks that it has two to four
// pulleys. Returns kExitOk, or kExitError after call.fail.
int OpenDrive(const Invocation& call, const std::string& path, DriveProject& p);

// Writes the whole content of an output that an option names (--pdf,
// --svg, --dxf, --save): "-", or a path that is the standard output itself
// (/dev/stdout, or the file the standard output goes to), writes to
// call.out; anything else must be a file, which is replaced only once the
// new content is complete (ReplaceFile). Returns kExitOk, or kExitError
// after call.fail with the reason.
int WriteOutput(const Invocation& call, const std::string& path, std::string_view bytes);
// Whether an output option's value means the standard output.
bool IsStandardOutput(const std::string& path);

// A text from a project file made safe for a terminal: control characters
// other than the line break are written as escapes ("\x1b", C1 controls as
// "\u009b"), line breaks become "\n" + indent.
std::string PlainText(std::string_view text, std::string_view indent = "");

}  // namespace belt::batch
