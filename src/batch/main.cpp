// beltcalc-batch: the belt drive calculator without a display. The first
// argument names the command; the command table (command.h) does the rest.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>
#include <system_error>
#include <vector>

#include "batch/command.h"
#include "platform/assetfile.h"

namespace {

void usage(std::ostream& os) {
    os << "Usage: beltcalc-batch COMMAND [ARGUMENTS]\n"
          "       beltcalc-batch COMMAND --help\n"
          "       beltcalc-batch --version\n\n"
          "Commands:\n";
    for (const auto& c : belt::batch::Commands()) {
        std::string line = "  " + c.synopsis;
        if (line.size() < 40)
            line.resize(40, ' ');
        else
            line += "\n" + std::string(40, ' ');
        os << line << c.summary << "\n";
    }
    os << "\n"
          "Arguments: \"--\" ends the options. An output option (--pdf, --svg, --dxf,\n"
          "--save) given \"-\" writes to standard output. An output is written only\n"
          "when it is complete, and only a file is replaced: a device, a pipe or a\n"
          "folder of that name is refused.\n\n"
          "JSON (--json): one object with \"schema\": 1 and \"outcome\" (\"done\",\n"
          "\"stopped\" or \"error\"); every value in SI units (m, kg, s, N, W, N m,\n"
          "m/s, m/s^2, rad, rad/s); a width as {\"value\", \"unit\", \"metres\"}, in ribs\n"
          "for a multi-rib belt; the pulleys as a list, driver first. A run that\n"
          "fails prints {\"schema\":1,\"outcome\":\"error\",\"message\":...}.\n\n"
          "Exit status:\n"
          "  0  done: every result written\n"
          "  1  no result: the calculation stopped, the layout has no belt path or no\n"
          "     drive carries the duty (the message says why)\n"
          "  2  error: a wrong command line, a question no option answers, a project\n"
          "     file missing or damaged, or an output that cannot be written\n";
}

// Where the bundled example is, so that an installed copy can be tried at once.
void example(std::ostream& os) {
    const std::filesystem::path demo = belt::AssetFile(belt::ExecutableDir(), "examples/demo.dat");
    std::error_code ec;
    if (std::filesystem::exists(demo, ec)) os << "\nAn example project to try them on:\n  " << demo.string() << "\n";
}

// The options before "--" hold the word.
bool Given(const std::vector<std::string>& args, std::string_view word) {
    for (const std::string& a : args) {
        if (a == "--") return false;
        if (a == word) return true;
    }
    return false;
}

// Everything the command wrote to standard output must have arrived: a full
// disk or a closed pipe would otherwise pass as success.
bool StandardOutputWritten() {
    errno = 0;
    std::cout.flush();
    const bool written = std::cout.good() && std::fflush(stdout) == 0 && !std::ferror(stdout);
    return written;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace belt::batch;
    // A file size limit then fails the write (and is reported) instead of
    // ending the program half way.
    std::signal(SIGXFSZ, SIG_IGN);

    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        usage(std::cerr);
        return kExitError;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        usage(std::cout);
        example(std::cout);
        return StandardOutputWritten() ? kExitOk : kExitError;
    }
    if (args[0] == "--version") {
        std::cout << "beltcalc-batch " << BELT_VERSION << "\n";
        return StandardOutputWritten() ? kExitOk : kExitError;
    }
    const Command* command = FindCommand(args[0]);
    if (!command) {
        std::cerr << "beltcalc-batch: unknown command \"" << PlainText(args[0]) << "\"\n\n";
        usage(std::cerr);
        return kExitError;
    }
    args.erase(args.begin());
    if (Given(args, "--help") || Given(args, "-h")) {
        std::cout << "Usage: beltcalc-batch " << command->synopsis << "\n\n" << command->help;
        return StandardOutputWritten() ? kExitOk : kExitError;
    }

    const Invocation call{command->name, args, std::cout, std::cerr, command->json && Given(args, "--json")};
    int status = kExitError;
    try {
        status = command->run(call);
    } catch (const std::exception& e) {
        status = call.fail(e.what());
    }
    if (status == kExitError && call.json && !call.failure().empty()) {
        nlohmann::ordered_json error;
        error["schema"] = kJsonSchema;
        error["outcome"] = "error";
        error["message"] = call.failure();
        std::cout << error.dump(1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
    }
    if (!StandardOutputWritten()) {
        const int err = errno ? errno : EIO;
        if (call.failure().empty()) call.fail("standard output: " + std::generic_category().message(err));
        return kExitError;
    }
    return status;
}
