// The design calculation of a saved project as calc runs it, shared with the
// commands that print its results (report, drawing): the answer options, the
// opening checks and the run of Go On through the pulley data and layout.
#pragma once

#include <iosfwd>
#include <map>
#include <string>
#include <vector>

#include "batch/batchdialogs.h"
#include "batch/command.h"
#include "engine/details.h"
#include "engine/layouteditor.h"
#include "project/driveproject.h"
#include "project/formnames.h"

namespace belt::batch {

struct CalcOptions {
    std::string file;
    BatchAnswers answers;
    int path = 0;  // 0: step on from the saved path, as Go On does
    int adjustPulley = 0;
    int axis = kAxisY;
    bool json = false;
    bool details = false;  // calc and report: --details
    std::string save;
    std::string units{kDefaultUnits};
    // Values of the calling command's own options (ownOptions below).
    std::map<std::string, std::string> own;
};

// Reads calc's options and, with their values, the command's own value
// options; command names the command in the messages. Returns "" or the error.
std::string ParseCalcOptions(const std::vector<std::string>& argv, const std::string& command, CalcOptions& o,
                             const std::vector<std::string>& ownOptions = {});


// Where the calculation ended and how.
struct CalcRun {
    bool done = false;
    std::string screen = form::kStep3;
    // What the design computed, step by step (engine/details.h).
    DesignDetails details;
};

// Sets the units, opens the project, checks that it can be calculated, loads
// the catalogue tables of its belt and runs the calculation; the program's
// messages go to the dialogs, a refusal through call.fail. Returns kExitOk
// (run.done tells whether the results were reached) or kExitError.
int OpenAndCalculate(const Invocation& call, const CalcOptions& o, DriveProject& p, BatchDialogs& d,
                     CalcRun& run);

// The details of a finished or stopped design with the installation figures
// that the report computes from it, in the order of the steps.
std::vector<DetailEntry> DetailsWithInstallation(const DriveProject& p, const CalcRun& run);

// Why a calculation that did not reach the results stopped (through
// call.fail with kExitStopped).
void ExplainStop(const Invocation& call, const DriveProject& p, const CalcRun& run);

// The answer options' help text (the lines under "Options:").
extern const char* const kCalcAnswerOptionsHelp;

}  // namespace belt::batch
