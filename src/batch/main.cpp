// beltcalc-batch: the belt drive calculator without a display. The first
// argument names the command; the command table (command.h) does the rest.
#include <iostream>
#include <string>
#include <vector>

#include "batch/command.h"
#include "platform/assetfile.h"

namespace {

void usage(std::ostream& os) {
    os << "Usage: beltcalc-batch COMMAND [ARGUMENTS]\n"
          "       beltcalc-batch COMMAND --help\n\n"
          "Commands:\n";
    for (const auto& c : belt::batch::Commands()) {
        std::string line = "  " + c.synopsis;
        if (line.size() < 40)
            line.resize(40, ' ');
        else
            line += "\n" + std::string(40, ' ');
        os << line << c.summary << "\n";
    }
    os << "\nExit status: 0 done, 1 the calculation stopped (the message says why),\n"
          "2 unreadable or damaged project file, or wrong command line.\n";
}

// Where the bundled example is, so that an installed copy can be tried at once.
void example(std::ostream& os) {
    const std::filesystem::path demo = belt::AssetFile(belt::ExecutableDir(), "examples/demo.dat");
    std::error_code ec;
    if (std::filesystem::exists(demo, ec)) os << "\nAn example project to try them on:\n  " << demo.string() << "\n";
}

}  // namespace

int main(int argc, char** argv) {
    using namespace belt::batch;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        usage(std::cerr);
        return kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        usage(std::cout);
        example(std::cout);
        return kExitOk;
    }
    const Command* command = FindCommand(args[0]);
    if (!command) {
        std::cerr << "beltcalc-batch: unknown command \"" << args[0] << "\"\n\n";
        usage(std::cerr);
        return kExitUsage;
    }
    args.erase(args.begin());
    for (const auto& a : args) {
        if (a == "--help" || a == "-h") {
            std::cout << "Usage: beltcalc-batch " << command->synopsis << "\n\n" << command->help;
            return kExitOk;
        }
    }
    try {
        return command->run(Invocation{args, std::cout, std::cerr});
    } catch (const std::exception& e) {
        std::cerr << "beltcalc-batch " << command->name << ": " << e.what() << "\n";
        return kExitFailure;
    }
}
