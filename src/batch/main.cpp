// beltcalc-batch: the belt drive calculator without a display. The first
// argument names the command; the command table (command.h) does the rest.
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <nlohmann/json.hpp>
#include <streambuf>
#include <string>
#include <system_error>
#include <vector>

#include "batch/command.h"
#include "platform/assetfile.h"
#include "project/filereplace.h"

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
          "Arguments: \"--\" ends the options; an option is given once at most, and\n"
          "a number takes \".\" as its decimal point (a comma is refused). An output\n"
          "option (--pdf, --svg, --dxf, --save) given \"-\" writes to standard output.\n"
          "An output is written only when it is complete, and only a file the user\n"
          "may write is replaced: a device, a pipe or a folder of that name is\n"
          "refused.\n\n"
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
          "     file missing or damaged, or an output that cannot be written\n"
          "  128 + N  ended by signal N (Ctrl-C: 130); no output was replaced\n";
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

// Standard output that remembers why a write failed: a full disk or a
// closed pipe must end the run with its reason, never pass as success.
class StandardOutput : public std::streambuf {
public:
    StandardOutput() { setp(buffer_, buffer_ + sizeof buffer_); }
    ~StandardOutput() override { sync(); }

    // 0 while everything written has arrived, else the first error.
    int error() const { return error_; }

protected:
    int_type overflow(int_type c) override {
        if (!drain()) return traits_type::eof();
        if (!traits_type::eq_int_type(c, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override { return drain() ? 0 : -1; }

private:
    bool drain() {
        const char* next = pbase();
        while (error_ == 0 && next < pptr()) {
            const ssize_t n = ::write(STDOUT_FILENO, next, static_cast<std::size_t>(pptr() - next));
            if (n > 0)
                next += n;
            else if (n < 0 && errno != EINTR)
                error_ = errno;
            else if (n == 0)
                error_ = EIO;
        }
        setp(buffer_, buffer_ + sizeof buffer_);
        return error_ == 0;
    }

    char buffer_[1 << 16];
    int error_ = 0;
};

// Ctrl-C, a terminal that hangs up or a kill while an output is written:
// the temporary file goes, the old file stays, and the status is the one
// shells give a program ended by that signal.
extern "C" void EndOnSignal(int signal) {
    belt::RemovePendingTemporary();
    ::_exit(128 + signal);
}

// BELTCALC_BATCH_PAUSE_BEFORE_RENAME=SECONDS holds every output just before
// it replaces its file, after saying so on stderr: the tests send their
// signals there, the moment that matters.
unsigned gPauseBeforeRename = 0;
void PauseBeforeRename() {
    static const char kSaid[] = "beltcalc-batch: pausing before the rename\n";
    [[maybe_unused]] const ssize_t n = ::write(STDERR_FILENO, kSaid, sizeof kSaid - 1);
    ::sleep(gPauseBeforeRename);
}

// Everything written to standard output has arrived; otherwise the reason
// goes to standard error.
bool Written(std::ostream& out, const StandardOutput& buffer) {
    out.flush();
    return buffer.error() == 0 && out.good();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace belt::batch;
    // A file size limit then fails the write (and is reported) instead of
    // ending the program half way.
    std::signal(SIGXFSZ, SIG_IGN);
    for (const int s : {SIGINT, SIGTERM, SIGHUP}) std::signal(s, EndOnSignal);
    if (const char* pause = std::getenv("BELTCALC_BATCH_PAUSE_BEFORE_RENAME")) {
        gPauseBeforeRename = static_cast<unsigned>(std::strtoul(pause, nullptr, 10));
        if (gPauseBeforeRename > 0) belt::SetBeforeRenameHook(PauseBeforeRename);
    }
    StandardOutput buffer;
    std::ostream out(&buffer);
    auto finish = [&](int status) {
        if (Written(out, buffer)) return status;
        std::cerr << "beltcalc-batch: standard output: " << std::generic_category().message(buffer.error())
                  << "\n";
        return kExitError;
    };

    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        usage(std::cerr);
        return kExitError;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        usage(out);
        example(out);
        return finish(kExitOk);
    }
    if (args[0] == "--version") {
        out << "beltcalc-batch " << BELT_VERSION << "\n";
        return finish(kExitOk);
    }
    const Command* command = FindCommand(args[0]);
    if (!command) {
        std::cerr << "beltcalc-batch: unknown command \"" << PlainText(args[0]) << "\"\n\n";
        usage(std::cerr);
        return kExitError;
    }
    args.erase(args.begin());
    if (Given(args, "--help") || Given(args, "-h")) {
        out << "Usage: beltcalc-batch " << command->synopsis << "\n\n" << command->help;
        return finish(kExitOk);
    }

    const Invocation call{command->name, args, out, std::cerr, command->json && Given(args, "--json")};
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
        out << error.dump(1, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
    }
    if (!Written(out, buffer)) {
        // Said once: an output written to "-" may have told already.
        if (call.failure().find("standard output: ") != 0)
            call.fail("standard output: " + std::generic_category().message(buffer.error()));
        return kExitError;
    }
    return status;
}
